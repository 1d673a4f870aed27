#include "scoresheet/GameDetails.h"

#include "scoresheet/TextRules.h"

#include <QCoreApplication>
#include <QJsonValue>
#include <QRegularExpression>

#include <algorithm>

#include <cmath>

namespace {

const QString DateKey = QStringLiteral("date");
const QString NumberKey = QStringLiteral("number");
const QString TypeKey = QStringLiteral("type");
const QString FinalKey = QStringLiteral("final");
const QString DecisionsKey = QStringLiteral("decisions");
const QString NotesKey = QStringLiteral("notes");
const QString WinKey = QStringLiteral("win");
const QString LossKey = QStringLiteral("loss");
const QString SaveKey = QStringLiteral("save");

QString tr(const char *text)
{
    return QCoreApplication::translate("GameDetails", text);
}

QString unknownKey(const QJsonObject &object, std::initializer_list<QString> known, const QString &where)
{
    for (auto it = object.begin(); it != object.end(); ++it)
        if (std::find(known.begin(), known.end(), it.key()) == known.end())
            return tr("%1 has an entry \"%2\" that this version of the program does not know.").arg(where, it.key());
    return {};
}

// A one-line text under key, or the sentence that says what is wrong with it.
QString readText(const QJsonObject &object, const QString &key, QString &text)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return {};
    if (!value.isString())
        return tr("The game's \"%1\" entry is not a text.").arg(key);
    if (!isOneLine(value.toString()))
        return tr("The game's \"%1\" entry holds a line break or another control character.").arg(key);
    text = value.toString();
    return {};
}

QString readDecisions(const QJsonValue &value, GameDetails &details)
{
    if (value.isUndefined())
        return {};
    if (!value.isObject())
        return tr("The game's \"decisions\" entry is not a list of named texts.");
    const QJsonObject decisions = value.toObject();
    QString problem = unknownKey(decisions, {WinKey, LossKey, SaveKey}, tr("The game's decisions"));
    for (const auto &[key, target] :
         {std::pair{WinKey, &details.win}, std::pair{LossKey, &details.loss}, std::pair{SaveKey, &details.save}}) {
        if (problem.isEmpty())
            problem = readText(decisions, key, *target);
    }
    return problem;
}

} // namespace

QJsonObject GameDetails::toJson() const
{
    QJsonObject game;
    if (date.isValid())
        game.insert(DateKey, date.toString(Qt::ISODate));
    if (number)
        game.insert(NumberKey, *number);
    if (type)
        game.insert(TypeKey, gameTypeName(*type));
    if (final)
        game.insert(FinalKey, *final);
    QJsonObject decisions;
    for (const auto &[key, text] : {std::pair{WinKey, &win}, std::pair{LossKey, &loss}, std::pair{SaveKey, &save}})
        if (!text->isEmpty())
            decisions.insert(key, *text);
    if (!decisions.isEmpty())
        game.insert(DecisionsKey, decisions);
    if (!notes.isEmpty())
        game.insert(NotesKey, notes);
    return game;
}

QString GameDetails::fromJson(const QJsonValue &value, GameDetails &details)
{
    details = GameDetails();
    if (!value.isObject())
        return tr("The file's \"game\" entry is not a list of named details.");
    const QJsonObject game = value.toObject();
    QString problem = unknownKey(game, {DateKey, NumberKey, TypeKey, FinalKey, DecisionsKey, NotesKey},
                                 tr("The file's game details"));
    if (!problem.isEmpty())
        return problem;

    const QJsonValue date = game.value(DateKey);
    if (!date.isUndefined()) {
        static const QRegularExpression Pattern(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
        const QString text = date.toString();
        details.date = QDate::fromString(text, Qt::ISODate);
        if (!date.isString() || !Pattern.match(text).hasMatch() || !details.date.isValid())
            return tr("The game's date is not a date written as YYYY-MM-DD.");
    }
    const QJsonValue number = game.value(NumberKey);
    if (!number.isUndefined()) {
        const double n = number.toDouble(-1);
        if (!number.isDouble() || n != std::floor(n) || n < LowestNumber || n > HighestNumber)
            return tr("The game's number is not a whole number from %1 to %2.").arg(LowestNumber).arg(HighestNumber);
        details.number = int(n);
    }
    const QJsonValue type = game.value(TypeKey);
    if (!type.isUndefined()) {
        details.type = gameTypeFromName(type.toString());
        if (!type.isString() || !details.type)
            return tr("The game's type is none of \"regular\", \"postseason\" and \"exhibition\".");
    }
    const QJsonValue final = game.value(FinalKey);
    if (!final.isUndefined()) {
        if (!final.isBool())
            return tr("The game's \"final\" entry is neither true nor false.");
        details.final = final.toBool();
    }
    problem = readDecisions(game.value(DecisionsKey), details);
    if (problem.isEmpty())
        problem = readText(game, NotesKey, details.notes);
    return problem;
}
