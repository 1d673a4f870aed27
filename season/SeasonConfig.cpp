#include "season/SeasonConfig.h"

#include "scoresheet/TextRules.h"
#include "season/NameRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QString FormatName = QStringLiteral("quorvel-season");

QString tr(const char *text)
{
    return QCoreApplication::translate("SeasonConfig", text);
}

bool isOneLineName(const QJsonValue &value)
{
    return value.isString() && isOneLine(value.toString());
}

// An object of names to names ("variant": "Canonical"), or the sentence that says what is wrong.
QString readAliases(const QJsonValue &value, const QString &where, QMap<QString, QString> &aliases)
{
    if (!value.isObject())
        return tr("The season's %1 are not a list of names and their canonical names.").arg(where);
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!isOneLineName(it.value()) || !isOneLine(it.key()))
            return tr("The season's %1 give \"%2\" something other than a name.").arg(where, it.key());
        aliases.insert(it.key(), it.value().toString());
    }
    return {};
}

QString readRoot(const QJsonObject &root, SeasonConfig &config)
{
    if (root.value(QStringLiteral("format")).toString() != FormatName)
        return tr("The file is not a Quorvel season.");
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != SeasonConfig::Version)
        return version.isDouble() && version.toDouble() > SeasonConfig::Version
                   ? tr("The season was written by a newer version of the program, which this version cannot read.")
                   : tr("The file has no valid version number.");
    static const QStringList Known = {QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("name"),
                                      QStringLiteral("teams"),  QStringLiteral("players"), QStringLiteral("divisions")};
    for (const QString &key : root.keys())
        if (!Known.contains(key))
            return tr("The file has an entry \"%1\" that this version of the program does not know.").arg(key);
    const QJsonValue name = root.value(QStringLiteral("name"));
    if (!name.isUndefined()) {
        if (!isOneLineName(name))
            return tr("The season's name is not a one-line text.");
        config.name = name.toString();
    }
    const QJsonValue teams = root.value(QStringLiteral("teams"));
    if (!teams.isUndefined()) {
        const QString problem = readAliases(teams, tr("team names"), config.teamAliases);
        if (!problem.isEmpty())
            return problem;
    }
    const QJsonValue players = root.value(QStringLiteral("players"));
    if (!players.isUndefined()) {
        if (!players.isObject())
            return tr("The season's player names are not listed by team.");
        const QJsonObject byTeam = players.toObject();
        for (auto it = byTeam.begin(); it != byTeam.end(); ++it) {
            QMap<QString, QString> aliases;
            const QString problem = readAliases(it.value(), tr("player names of %1").arg(it.key()), aliases);
            if (!problem.isEmpty())
                return problem;
            config.playerAliases.insert(it.key(), aliases);
        }
    }
    const QJsonValue divisions = root.value(QStringLiteral("divisions"));
    if (!divisions.isUndefined()) {
        if (!divisions.isObject())
            return tr("The season's divisions are not a list of named lists of teams.");
        const QJsonObject byName = divisions.toObject();
        for (auto it = byName.begin(); it != byName.end(); ++it) {
            if (!it.value().isArray())
                return tr("The division %1 is not a list of teams.").arg(it.key());
            QStringList teams;
            for (const QJsonValue &team : it.value().toArray()) {
                if (!isOneLineName(team))
                    return tr("The division %1 lists something other than a team's name.").arg(it.key());
                teams << team.toString();
            }
            config.divisions.insert(it.key(), teams);
        }
    }
    return {};
}

QJsonObject toObject(const QMap<QString, QString> &aliases)
{
    QJsonObject object;
    for (auto it = aliases.begin(); it != aliases.end(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

} // namespace

QString SeasonConfig::fileName()
{
    return QStringLiteral("season.json");
}

QString SeasonConfig::parse(const QByteArray &bytes, SeasonConfig &config)
{
    config = SeasonConfig();
    if (bytes.size() > MaxBytes)
        return tr("The file is larger than 1 MiB, too large for a season.");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return tr("The file is not valid JSON: %1 at byte %2.").arg(error.errorString()).arg(error.offset);
    if (!document.isObject())
        return tr("The file is not a Quorvel season.");
    const QString problem = readRoot(document.object(), config);
    if (!problem.isEmpty())
        config = SeasonConfig();
    return problem;
}

QByteArray SeasonConfig::serialize() const
{
    QJsonObject root{{QStringLiteral("format"), FormatName}, {QStringLiteral("version"), Version}};
    if (!name.isEmpty())
        root.insert(QStringLiteral("name"), name);
    if (!teamAliases.isEmpty())
        root.insert(QStringLiteral("teams"), toObject(teamAliases));
    QJsonObject players;
    for (auto it = playerAliases.begin(); it != playerAliases.end(); ++it)
        if (!it.value().isEmpty())
            players.insert(it.key(), toObject(it.value()));
    if (!players.isEmpty())
        root.insert(QStringLiteral("players"), players);
    if (!divisions.isEmpty()) {
        QJsonObject byName;
        for (auto it = divisions.begin(); it != divisions.end(); ++it)
            byName.insert(it.key(), QJsonArray::fromStringList(it.value()));
        root.insert(QStringLiteral("divisions"), byName);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString SeasonConfig::load(const QString &folder, SeasonConfig &config)
{
    config = SeasonConfig();
    const QString path = QDir(folder).filePath(fileName());
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    // A pipe or a folder under that name would never end a read.
    if (!info.isFile() || info.isSymLink())
        return tr("The season's file is not a plain file.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("The file could not be read: %1.").arg(file.errorString());
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return tr("The file could not be read: %1.").arg(file.errorString());
    return parse(bytes, config);
}

QString SeasonConfig::save(const QString &folder) const
{
    QSaveFile file(QDir(folder).filePath(fileName()));
    if (!file.open(QIODevice::WriteOnly) || file.write(serialize()) < 0 || !file.commit())
        return tr("The season's file could not be written: %1.").arg(file.errorString());
    return {};
}

namespace {
// The entry of aliases that holds team's players: the one whose team is the same name.
QMap<QString, QMap<QString, QString>>::iterator teamEntry(QMap<QString, QMap<QString, QString>> &aliases,
                                                          const QString &team)
{
    const QString key = nameKey(team);
    for (auto it = aliases.begin(); it != aliases.end(); ++it)
        if (nameKey(it.key()) == key)
            return it;
    return aliases.end();
}

QMap<QString, QString>::iterator variantEntry(QMap<QString, QString> &aliases, const QString &variant)
{
    const QString key = nameKey(variant);
    for (auto it = aliases.begin(); it != aliases.end(); ++it)
        if (nameKey(it.key()) == key)
            return it;
    return aliases.end();
}
} // namespace

void SeasonConfig::addPlayerAlias(const QString &team, const QString &variant, const QString &canonical)
{
    auto entry = teamEntry(playerAliases, team);
    if (entry == playerAliases.end())
        entry = playerAliases.insert(cleanName(team), {});
    QMap<QString, QString> &aliases = *entry;
    // No chains: a canonical name that is itself a variant stands for its own canonical name.
    const auto chained = variantEntry(aliases, canonical);
    const QString target = chained != aliases.end() ? chained.value() : cleanName(canonical);
    const QString variantKey = nameKey(variant);
    for (QString &known : aliases)
        if (nameKey(known) == variantKey)
            known = target;
    const auto known = variantEntry(aliases, variant);
    if (known != aliases.end())
        aliases.erase(known);
    if (variantKey != nameKey(target))
        aliases.insert(cleanName(variant), target);
}

bool SeasonConfig::removePlayerAlias(const QString &team, const QString &variant)
{
    const auto entry = teamEntry(playerAliases, team);
    if (entry == playerAliases.end())
        return false;
    const auto known = variantEntry(*entry, variant);
    if (known == entry->end())
        return false;
    entry->erase(known);
    if (entry->isEmpty())
        playerAliases.erase(entry);
    return true;
}
