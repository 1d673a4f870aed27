#include "scoresheet/GameFile.h"
#include "scoresheet/Scoresheet.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

const QDateTime SavedAt(QDate(1977, 5, 2), QTime(21, 0), Qt::OffsetFromUTC, -4 * 3600);

GameDetails fullDetails()
{
    GameDetails details;
    details.date = QDate(1977, 5, 1);
    details.number = 2;
    details.type = GameType::Postseason;
    details.final = false;
    details.win = QStringLiteral("Guidry");
    details.loss = QStringLiteral("Palmer");
    details.save = QStringLiteral("Gossage");
    details.notes = QStringLiteral("Rain delay, \"long\" one");
    return details;
}

QByteArray savedWith(const GameDetails &details)
{
    Scoresheet sheet;
    sheet.field(ColumnId::Team, Side::Away).write(u"Owls");
    return GameFile::serialize(GameSnapshot::capture(sheet), QStringLiteral("1.0"), SavedAt, {}, details);
}

// The saved file with its "game" entry replaced by game (or its version by version).
QByteArray withGame(const QJsonValue &game, int version = GameFile::Version)
{
    QJsonObject root = QJsonDocument::fromJson(savedWith({})).object();
    root.insert(QStringLiteral("game"), game);
    root.insert(QStringLiteral("version"), version);
    return QJsonDocument(root).toJson();
}

} // namespace

class TestGameDetails : public QObject
{
    Q_OBJECT

private slots:
    // Whatever part of the details is known comes back from the file as it was saved,
    // and equal details compare equal (an undo step relies on it).
    void roundTrip_data();
    void roundTrip();
    // The details are written only as far as they are known, under "game", in a version 2 file.
    void writesOnlyWhatIsKnown();
    // A version 1 file opens as before, without details, and may not carry any.
    void versionOneOpensWithoutDetails();
    // Each malformed detail refuses the whole file with a sentence naming it; edge values open.
    void refusals_data();
    void refusals();
};

void TestGameDetails::roundTrip_data()
{
    QTest::addColumn<GameDetails>("details");
    QTest::newRow("none") << GameDetails();
    QTest::newRow("all") << fullDetails();
    GameDetails some;
    some.final = true;
    some.save = QStringLiteral("Quisenberry");
    QTest::newRow("final and a save") << some;
    GameDetails edge;
    edge.number = 999;
    edge.date = QDate(2000, 2, 29);
    edge.type = GameType::Exhibition;
    edge.notes = QStringLiteral("Tab\there, Ünïcödé");
    QTest::newRow("edge values") << edge;
}

void TestGameDetails::roundTrip()
{
    QFETCH(GameDetails, details);
    const OpenedGame opened = GameFile::parse(savedWith(details), Scoresheet());
    QVERIFY2(opened.ok(), qPrintable(opened.error));
    QCOMPARE(opened.details, details);
    QVERIFY(!(opened.details == fullDetails()) || details == fullDetails());
}

void TestGameDetails::writesOnlyWhatIsKnown()
{
    const QJsonObject bare = QJsonDocument::fromJson(savedWith({})).object();
    QVERIFY(!bare.contains("game"));
    QCOMPARE(bare.value("version").toInt(), 2);
    GameDetails details;
    details.number = 3;
    details.loss = QStringLiteral("Palmer");
    const QJsonObject root = QJsonDocument::fromJson(savedWith(details)).object();
    QCOMPARE(root.value("game").toObject(),
             QJsonObject({{"number", 3}, {"decisions", QJsonObject{{"loss", "Palmer"}}}}));
}

void TestGameDetails::versionOneOpensWithoutDetails()
{
    QJsonObject root = QJsonDocument::fromJson(savedWith({})).object();
    root.insert("version", 1);
    const OpenedGame opened = GameFile::parse(QJsonDocument(root).toJson(), Scoresheet());
    QVERIFY2(opened.ok(), qPrintable(opened.error));
    QVERIFY(opened.details.isEmpty());
    QCOMPARE(opened.snapshot->texts.value("txtTeamA"), "Owls");
    const OpenedGame refused = GameFile::parse(withGame(QJsonObject{{"number", 1}}, 1), Scoresheet());
    QVERIFY(refused.error.contains("\"game\""));
}

void TestGameDetails::refusals_data()
{
    QTest::addColumn<QJsonValue>("game");
    QTest::addColumn<QString>("reason");
    const auto decisions = [](const QJsonValue &value) { return QJsonObject{{"decisions", value}}; };
    QTest::newRow("not an object") << QJsonValue("2024-01-01") << "\"game\"";
    QTest::newRow("unknown key") << QJsonValue(QJsonObject{{"weather", "rain"}}) << "\"weather\"";
    QTest::newRow("date as number") << QJsonValue(QJsonObject{{"date", 20240101}}) << "date";
    QTest::newRow("date without zeros") << QJsonValue(QJsonObject{{"date", "2024-1-5"}}) << "date";
    QTest::newRow("date with time") << QJsonValue(QJsonObject{{"date", "2024-01-05T10:00"}}) << "date";
    QTest::newRow("no such day") << QJsonValue(QJsonObject{{"date", "2023-02-29"}}) << "date";
    QTest::newRow("number zero") << QJsonValue(QJsonObject{{"number", 0}}) << "number";
    QTest::newRow("number 1000") << QJsonValue(QJsonObject{{"number", 1000}}) << "number";
    QTest::newRow("number fraction") << QJsonValue(QJsonObject{{"number", 1.5}}) << "number";
    QTest::newRow("number as text") << QJsonValue(QJsonObject{{"number", "3"}}) << "number";
    QTest::newRow("unknown type") << QJsonValue(QJsonObject{{"type", "spring"}}) << "type";
    QTest::newRow("type in capitals") << QJsonValue(QJsonObject{{"type", "Regular"}}) << "type";
    QTest::newRow("final as text") << QJsonValue(QJsonObject{{"final", "yes"}}) << "final";
    QTest::newRow("decisions as list") << QJsonValue(decisions(QJsonArray{"a"})) << "decisions";
    QTest::newRow("unknown decision") << QJsonValue(decisions(QJsonObject{{"hold", "Lyle"}})) << "\"hold\"";
    QTest::newRow("win as number") << QJsonValue(decisions(QJsonObject{{"win", 1}})) << "\"win\"";
    QTest::newRow("save with a line break") << QJsonValue(decisions(QJsonObject{{"save", "A\nB"}})) << "line break";
    QTest::newRow("notes with a line break") << QJsonValue(QJsonObject{{"notes", "one\r\ntwo"}}) << "line break";
    QTest::newRow("notes as null") << QJsonValue(QJsonObject{{"notes", QJsonValue::Null}}) << "notes";
    // An empty reason: the file opens.
    QTest::newRow("empty details") << QJsonValue(QJsonObject()) << "";
    QTest::newRow("empty decisions") << QJsonValue(decisions(QJsonObject())) << "";
    QTest::newRow("lowest number") << QJsonValue(QJsonObject{{"number", 1}}) << "";
    QTest::newRow("leap day") << QJsonValue(QJsonObject{{"date", "2024-02-29"}}) << "";
}

void TestGameDetails::refusals()
{
    QFETCH(QJsonValue, game);
    QFETCH(QString, reason);
    const OpenedGame opened = GameFile::parse(withGame(game), Scoresheet());
    QCOMPARE(opened.ok(), reason.isEmpty());
    QVERIFY2(opened.error.contains(reason), qPrintable(opened.error));
}

QTEST_GUILESS_MAIN(TestGameDetails)
#include "TestGameDetails.moc"
