#include "scoresheet/GameFile.h"

#include "scoresheet/Scoresheet.h"
#include "scoresheet/TextRules.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

const QString FormatName = QStringLiteral("quorvel-game");
const QString PitchHitsAKey = QStringLiteral("PitchHitsA");
const QString PitchHitsHKey = QStringLiteral("PitchHitsH");
const QString CurrentRowKey = QStringLiteral("CurrentRow");
const QString GameKey = QStringLiteral("game");

// The first key of object that is missing from required or unknown to required and
// optional, said as a sentence about where ("The file", "The state"); empty when none.
QString keyProblem(const QJsonObject &object, const QString &where, std::initializer_list<QString> required,
                   std::initializer_list<QString> optional = {})
{
    for (const QString &key : required) {
        if (!object.contains(key))
            return QStringLiteral("%1 has no \"%2\" entry.").arg(where, key);
    }
    for (const QString &key : object.keys()) {
        if (std::find(required.begin(), required.end(), key) == required.end()
            && std::find(optional.begin(), optional.end(), key) == optional.end())
            return QStringLiteral("%1 has an entry \"%2\" that this version of the program does not know.")
                .arg(where, key);
    }
    return {};
}

// A whole number from lowest to highest, as JSON writes it (a double).
std::optional<qint16> wholeNumber(const QJsonValue &value, int lowest, int highest)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < lowest || number > highest)
        return std::nullopt;
    return qint16(number);
}

QString checkFields(const QJsonValue &value, const Scoresheet &shape, QMap<QString, QString> &texts)
{
    if (!value.isObject())
        return QStringLiteral("The file's \"fields\" entry is not a list of named texts.");
    const QJsonObject fields = value.toObject();
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        const QString name = it.key();
        if (!shape.findControl(name))
            return QStringLiteral("The file names a field \"%1\" that the scoresheet does not have.").arg(name);
        if (!it.value().isString())
            return QStringLiteral("The field %1 holds something other than a text.").arg(name);
        const QString text = it.value().toString();
        if (text.size() > GameFile::MaxTextLength)
            return QStringLiteral("The text of the field %1 is longer than %2 characters.")
                .arg(name)
                .arg(GameFile::MaxTextLength);
        if (!isOneLine(text))
            return QStringLiteral("The text of the field %1 holds a line break or another control character.")
                .arg(name);
        // The object's keys come sorted: each one goes at the map's end without a search.
        texts.insert(texts.cend(), name, text);
    }
    return {};
}

QString checkState(const QJsonValue &value, SheetState &state)
{
    if (!value.isObject())
        return QStringLiteral("The file's \"state\" entry is not a list of named numbers.");
    const QJsonObject object = value.toObject();
    const QString problem = keyProblem(object, QStringLiteral("The file's state"),
                                       {PitchHitsAKey, PitchHitsHKey, CurrentRowKey});
    if (!problem.isEmpty())
        return problem;
    const struct
    {
        const QString &key;
        qint16 &target;
        int lowest;
        int highest;
    } numbers[] = {
        {PitchHitsAKey, state.pitchHitsA, -32768, 32767},
        {PitchHitsHKey, state.pitchHitsH, -32768, 32767},
        {CurrentRowKey, state.currentRow, 0, SheetColumn::InningRows},
    };
    for (const auto &number : numbers) {
        const std::optional<qint16> read = wholeNumber(object.value(number.key), number.lowest, number.highest);
        if (!read)
            return QStringLiteral("The state's %1 is not a whole number from %2 to %3.")
                .arg(number.key)
                .arg(number.lowest)
                .arg(number.highest);
        number.target = *read;
    }
    return {};
}

QString checkVersion(const QJsonValue &value)
{
    if (!value.isDouble() || value.toDouble() < GameFile::OldestVersion
        || value.toDouble() != std::floor(value.toDouble()))
        return QStringLiteral("The file has no valid version number.");
    if (value.toDouble() > GameFile::Version)
        return QStringLiteral("The game was saved by a newer version of the program, which this version "
                              "cannot open.");
    return {};
}

QString checkGame(const QJsonObject &root, const Scoresheet &shape, OpenedGame &opened, GameSnapshot &snapshot)
{
    if (root.value(QStringLiteral("format")).toString() != FormatName)
        return QStringLiteral("The file is not a Quorvel game.");
    QString problem = checkVersion(root.value(QStringLiteral("version")));
    if (!problem.isEmpty())
        return problem;
    // Version 1 knew no details: a "game" entry there is as unknown as it always was.
    const bool withDetails = root.value(QStringLiteral("version")).toDouble() >= 2;
    problem = keyProblem(root, QStringLiteral("The file"),
                         {QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("saved"),
                          QStringLiteral("program"), QStringLiteral("fields"), QStringLiteral("state")},
                         {QStringLiteral("rolls"), withDetails ? GameKey : QStringLiteral("rolls")});
    if (!problem.isEmpty())
        return problem;
    opened.saved = QDateTime::fromString(root.value(QStringLiteral("saved")).toString(), Qt::ISODate);
    if (!opened.saved.isValid())
        return QStringLiteral("The file's time of saving is not a date and time.");
    const QJsonValue program = root.value(QStringLiteral("program"));
    if (!program.isString())
        return QStringLiteral("The file's program version is not a text.");
    opened.program = program.toString();
    problem = checkFields(root.value(QStringLiteral("fields")), shape, snapshot.texts);
    if (!problem.isEmpty())
        return problem;
    problem = checkState(root.value(QStringLiteral("state")), snapshot.state);
    if (!problem.isEmpty())
        return problem;
    const QJsonValue rolls = root.value(QStringLiteral("rolls"));
    if (!rolls.isUndefined() && !rolls.isArray())
        return QStringLiteral("The file's rolls are not a list.");
    opened.rolls = rolls.toArray();
    const QJsonValue details = root.value(GameKey);
    if (!details.isUndefined())
        return GameDetails::fromJson(details, opened.details);
    return {};
}

} // namespace

GameSnapshot GameSnapshot::capture(const Scoresheet &sheet)
{
    GameSnapshot snapshot;
    for (const Field *field : sheet.fields()) {
        if (field->text() != field->initialText())
            snapshot.texts.insert(field->objectName(), field->text());
    }
    snapshot.state = sheet.state();
    snapshot.state.resetting = false;
    return snapshot;
}

void GameSnapshot::restore(Scoresheet &sheet) const
{
    for (Field *field : sheet.fields()) {
        const auto kept = texts.constFind(field->objectName());
        field->restoreText(kept == texts.constEnd() ? field->initialText() : QStringView(*kept));
    }
    sheet.state() = state;
    sheet.state().resetting = false;
}

QString GameFile::extension()
{
    return QStringLiteral(".quorvel");
}

QByteArray GameFile::serialize(const GameSnapshot &snapshot, const QString &programVersion, const QDateTime &saved,
                               const QJsonArray &rolls, const GameDetails &details)
{
    QJsonObject fields;
    for (auto it = snapshot.texts.begin(); it != snapshot.texts.end(); ++it)
        fields.insert(it.key(), it.value());
    QJsonObject root{
        {QStringLiteral("format"), FormatName},
        {QStringLiteral("version"), Version},
        // Written with its offset from UTC, whether the caller's time is local, UTC or offset.
        {QStringLiteral("saved"), saved.toOffsetFromUtc(saved.offsetFromUtc()).toString(Qt::ISODate)},
        {QStringLiteral("program"), programVersion},
        {QStringLiteral("fields"), fields},
        {QStringLiteral("state"), QJsonObject{{PitchHitsAKey, snapshot.state.pitchHitsA},
                                              {PitchHitsHKey, snapshot.state.pitchHitsH},
                                              {CurrentRowKey, snapshot.state.currentRow}}},
    };
    if (!rolls.isEmpty())
        root.insert(QStringLiteral("rolls"), rolls);
    if (!details.isEmpty())
        root.insert(GameKey, details.toJson());
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

OpenedGame GameFile::parse(const QByteArray &bytes, const Scoresheet &shape)
{
    const auto refused = [](const QString &error) {
        OpenedGame opened;
        opened.error = error;
        return opened;
    };
    if (bytes.size() > MaxBytes)
        return refused(QStringLiteral("The file is larger than 1 MiB, too large for a saved game."));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refused(QStringLiteral("The file is not valid JSON: %1 at byte %2.")
                           .arg(parseError.errorString())
                           .arg(parseError.offset));
    if (!document.isObject())
        return refused(QStringLiteral("The file is not a Quorvel game."));
    OpenedGame opened;
    GameSnapshot snapshot;
    const QString error = checkGame(document.object(), shape, opened, snapshot);
    if (!error.isEmpty())
        return refused(error);
    opened.snapshot = std::move(snapshot);
    return opened;
}

OpenedGame GameFile::load(const QString &path, const Scoresheet &shape)
{
    QFile file(path);
    // A pipe, a device or a folder under a game's name would never end a read, or not soon.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        OpenedGame refused;
        refused.error = QStringLiteral("The file is not a plain file.");
        return refused;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        OpenedGame refused;
        refused.error = QStringLiteral("The file could not be read: %1.").arg(file.errorString());
        return refused;
    }
    // One byte more than allowed is enough to know the file is too large. The file's size
    // sizes the buffer (a season reads thousands of small files); one that grows while it is
    // read is read on, up to that byte.
    const qint64 expected = qBound<qint64>(0, file.size(), MaxBytes) + 1;
    QByteArray bytes = file.read(expected);
    while (bytes.size() >= expected && bytes.size() <= MaxBytes && file.error() == QFileDevice::NoError) {
        const QByteArray more = file.read(qMin<qint64>(MaxBytes + 1 - bytes.size(), 64 * 1024));
        if (more.isEmpty())
            break;
        bytes += more;
    }
    if (file.error() != QFileDevice::NoError) {
        OpenedGame refused;
        refused.error = QStringLiteral("The file could not be read: %1.").arg(file.errorString());
        return refused;
    }
    return parse(bytes, shape);
}
