#include "scoresheet/GameFile.h"
#include "scoresheet/Scoresheet.h"
#include "scoresheet/ScoresheetOverflow.h"
#include "scoresheet/TextRules.h"
#include "support/NineInnings.h"
#include "support/SheetTexts.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

namespace {

const QDateTime SavedAt(QDate(2024, 6, 11), QTime(14, 3, 5), Qt::OffsetFromUTC, 2 * 3600);
const QJsonValue Removed(QJsonValue::Undefined);

// Random writes the way a scorer might make them: numbers, names, blanks, into any field.
struct Edit
{
    int field;
    QString text;
};

std::vector<Edit> randomEdits(QRandomGenerator &random, const Scoresheet &sheet, int count)
{
    static const QStringList words = {"", "0", "1", "2", "3", "7", "-1", "2.5", " 4", "12", "300", "Ito", "x"};
    std::vector<Edit> edits;
    for (int i = 0; i < count; ++i)
        edits.push_back({int(random.bounded(int(sheet.fields().size()))), words[random.bounded(words.size())]});
    return edits;
}

// Makes the edits; says for each whether it overflowed.
QString makeEdits(Scoresheet &sheet, const std::vector<Edit> &edits)
{
    QString outcome;
    for (const Edit &edit : edits) {
        try {
            sheet.fields()[size_t(edit.field)]->write(edit.text);
            outcome += u'.';
        } catch (const ScoresheetOverflow &) {
            outcome += u'!';
        }
    }
    return outcome;
}

QByteArray fileOf(const Scoresheet &sheet)
{
    return GameFile::serialize(GameSnapshot::capture(sheet), QStringLiteral("1.0"), SavedAt);
}

// A small valid game with one entry replaced (Removed takes it out); "state/CurrentRow" reaches inside.
QByteArray changed(const QString &path, const QJsonValue &value)
{
    Scoresheet sheet;
    sheet.field("txtTeamA").write(u"Owls");
    sheet.field("txtHitA", 7).write(u"2");
    QJsonObject root = QJsonDocument::fromJson(fileOf(sheet)).object();
    const QStringList keys = path.split(u'/');
    if (keys.size() == 1) {
        root.insert(path, value);
    } else {
        QJsonObject inner = root.value(keys[0]).toObject();
        inner.insert(keys[1], value);
        root.insert(keys[0], inner);
    }
    return QJsonDocument(root).toJson();
}

} // namespace

class TestGameFile : public QObject
{
    Q_OBJECT

private slots:
    // A saved game opens into a new sheet with every text and the state as they were,
    // and the same edits afterwards give the same sheet as in the original.
    void roundTrip_data();
    void roundTrip();
    // The file has exactly its keys, the time with its offset, only texts that differ
    // from a new sheet, and the rolls as given.
    void fileLayout();
    // Restoring puts texts back without recomputing anything, shows each change once and
    // returns fields the game never touched to their new-sheet text.
    void restoreRunsNoHandler();
    // Each broken or hostile file is refused with a sentence that names the fault;
    // values at the edge of what is allowed open.
    void checksOpenedFiles_data();
    void checksOpenedFiles();
    // Randomly damaged files are refused with a message or open into a consistent sheet.
    void survivesRandomDamage();
    // Suggested file names hold both teams and the date, with no character a file system refuses.
    void suggestedName_data();
    void suggestedName();
};

void TestGameFile::roundTrip_data()
{
    QTest::addColumn<int>("run");
    QTest::newRow("nine innings") << 0;
    for (int run : {1, 2, 3, 42, 1234})
        QTest::newRow(qPrintable(QStringLiteral("random edits %1").arg(run))) << run;
}

void TestGameFile::roundTrip()
{
    QFETCH(int, run);
    QRandomGenerator random{quint32(run)};
    Scoresheet original;
    if (run == 0)
        NineInnings().type(original);
    else
        makeEdits(original, randomEdits(random, original, 300));
    const OpenedGame opened = GameFile::parse(fileOf(original), original);
    QVERIFY2(opened.ok(), qPrintable(opened.error));
    Scoresheet restored;
    opened.snapshot->restore(restored);
    QCOMPARE(textsOf(restored), textsOf(original));
    QVERIFY(restored.state() == original.state());

    const std::vector<Edit> next = randomEdits(random, original, 300);
    QCOMPARE(makeEdits(restored, next), makeEdits(original, next));
    QCOMPARE(textsOf(restored), textsOf(original));
    QVERIFY(restored.state() == original.state());
}

void TestGameFile::fileLayout()
{
    Scoresheet sheet;
    QCOMPARE(QJsonDocument::fromJson(fileOf(sheet)).object().value("fields").toObject(), QJsonObject());
    sheet.field("txtTeamA").write(u"Owls");
    sheet.state().currentRow = 3;
    const QJsonArray rolls{QJsonArray{1, 6}, QJsonObject{{"die", 4}}};
    const QByteArray file = GameFile::serialize(GameSnapshot::capture(sheet), "1.2.3", SavedAt, rolls);
    const QJsonObject root = QJsonDocument::fromJson(file).object();
    QCOMPARE(root.keys(), QStringList({"fields", "format", "program", "rolls", "saved", "state", "version"}));
    QCOMPARE(root.value("format").toString(), "quorvel-game");
    QCOMPARE(root.value("version").toInt(), 2);
    QCOMPARE(root.value("saved").toString(), "2024-06-11T14:03:05+02:00");
    QCOMPARE(root.value("program").toString(), "1.2.3");
    QCOMPARE(root.value("fields").toObject(),
             QJsonObject({{"txtTeamA", "Owls"}, {"txtTeamA2", "Owls"}, {"txtTeamA3", "Owls"}}));
    QCOMPARE(root.value("state").toObject(), QJsonObject({{"PitchHitsA", 0}, {"PitchHitsH", 0}, {"CurrentRow", 3}}));
    const OpenedGame opened = GameFile::parse(file, sheet);
    QCOMPARE(opened.rolls, rolls);
    QCOMPARE(opened.saved, SavedAt);
    QCOMPARE(opened.program, "1.2.3");
}

void TestGameFile::restoreRunsNoHandler()
{
    Scoresheet played;
    NineInnings().type(played);
    GameSnapshot snapshot = GameSnapshot::capture(played);
    snapshot.texts["txtPullA_2"] = "42"; // a recompute would make it runs + 1 + hits + walks again
    snapshot.texts["txtHitA_1"] = "9";   // a recompute would change HITS and NEED H
    Scoresheet sheet;
    sheet.field("txtHitterA", 12).write(u"Stale");
    QStringList shown;
    for (Field *field : sheet.fields())
        field->setView([&shown, field](const QString &) { shown << field->objectName(); });
    snapshot.restore(sheet);
    QCOMPARE(sheet.field("txtPullA", 2).text(), "42");
    QCOMPARE(sheet.field("txtHitA", 1).text(), "9");
    QCOMPARE(sheet.field("txtHitsA").text(), played.field("txtHitsA").text());
    QCOMPARE(sheet.field("txtNeedHA").text(), played.field("txtNeedHA").text());
    QCOMPARE(sheet.field("txtHitterA", 12).text(), QString());
    QVERIFY(sheet.state() == played.state());
    QCOMPARE(shown.size(), snapshot.texts.size() + 1);
    QCOMPARE(shown.removeDuplicates(), 0);
}

void TestGameFile::checksOpenedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");
    Scoresheet sheet;
    NineInnings().type(sheet);
    const QByteArray valid = fileOf(sheet);
    QByteArray garbage;
    QRandomGenerator random(99);
    for (int i = 0; i < 4096; ++i)
        garbage += char(random.bounded(256));
    QTest::newRow("truncated") << valid.left(valid.size() / 2) << "not valid JSON";
    QTest::newRow("empty") << QByteArray() << "not valid JSON";
    QTest::newRow("binary garbage") << garbage << "not valid JSON";
    QTest::newRow("deeply nested") << QByteArray(200000, '[') + QByteArray(200000, ']') << "not valid JSON";
    QTest::newRow("huge") << valid + QByteArray(GameFile::MaxBytes, ' ') << "larger than 1 MiB";
    QTest::newRow("not an object") << QByteArray("[1, 2]") << "not a Quorvel game";
    QTest::newRow("wrong format") << changed("format", "quorvel-roster") << "not a Quorvel game";
    QTest::newRow("no format") << changed("format", Removed) << "not a Quorvel game";
    QTest::newRow("newer version") << changed("version", 3) << "newer version";
    QTest::newRow("version as fraction") << changed("version", 1.5) << "no valid version";
    QTest::newRow("version zero") << changed("version", 0) << "no valid version";
    QTest::newRow("version as text") << changed("version", "1") << "no valid version";
    QTest::newRow("missing key") << changed("state", Removed) << "no \"state\"";
    QTest::newRow("extra key") << changed("comment", "hi") << "\"comment\"";
    QTest::newRow("saved not a time") << changed("saved", "yesterday") << "time of saving";
    QTest::newRow("program not text") << changed("program", 1) << "program version";
    QTest::newRow("fields not an object") << changed("fields", QJsonArray()) << "\"fields\"";
    QTest::newRow("unknown control") << changed("fields/txtHitA_13", "1") << "txtHitA_13";
    QTest::newRow("unknown name") << changed("fields/txtCheat", "1") << "txtCheat";
    QTest::newRow("text as number") << changed("fields/txtHitA_7", 2) << "other than a text";
    QTest::newRow("text as null") << changed("fields/txtTeamA", QJsonValue::Null) << "other than a text";
    // A field's text may be as long as a game file may be, and no longer.
    QTest::newRow("over-long text") << changed("fields/txtTeamA", QString(GameFile::MaxTextLength + 1, u'x'))
                                    << "larger than 1 MiB";
    QTest::newRow("newline in text") << changed("fields/txtTeamA", "Owls\nBats") << "line break";
    QTest::newRow("bell in text") << changed("fields/txtHitterA_1", "Ito\a") << "control character";
    QTest::newRow("state not an object") << changed("state", 3) << "\"state\"";
    QTest::newRow("state key missing") << changed("state/CurrentRow", Removed) << "no \"CurrentRow\"";
    QTest::newRow("state key extra") << changed("state/Resetting", true) << "\"Resetting\"";
    QTest::newRow("state above range") << changed("state/PitchHitsA", 32768) << "PitchHitsA";
    QTest::newRow("state below range") << changed("state/PitchHitsH", -32769) << "PitchHitsH";
    QTest::newRow("state fraction") << changed("state/PitchHitsA", 1.5) << "PitchHitsA";
    QTest::newRow("state as text") << changed("state/PitchHitsA", "3") << "PitchHitsA";
    QTest::newRow("row past the last") << changed("state/CurrentRow", 15) << "CurrentRow";
    QTest::newRow("row below zero") << changed("state/CurrentRow", -1) << "CurrentRow";
    QTest::newRow("rolls not a list") << changed("rolls", "6 6") << "rolls";
    // An empty reason: the file opens.
    QTest::newRow("as saved") << valid << "";
    QTest::newRow("longest text") << changed("fields/txtTeamA", QString(40000, u'x')) << "";
    QTest::newRow("tab in text") << changed("fields/txtTeamA", "Owls\tBats") << "";
    QTest::newRow("new-sheet text") << changed("fields/txtRunsA", "0") << "";
    QTest::newRow("lowest state") << changed("state/PitchHitsA", -32768) << "";
    QTest::newRow("highest state") << changed("state/PitchHitsH", 32767) << "";
    QTest::newRow("last row") << changed("state/CurrentRow", 14) << "";
    QTest::newRow("time in UTC") << changed("saved", "2024-06-11T12:03:05Z") << "";
    QTest::newRow("rolls") << changed("rolls", QJsonArray{3, QJsonArray{1, 2}}) << "";
}

void TestGameFile::checksOpenedFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    const OpenedGame opened = GameFile::parse(file, Scoresheet());
    QCOMPARE(opened.ok(), reason.isEmpty());
    QVERIFY2(opened.error.contains(reason), qPrintable(opened.error));
}

void TestGameFile::survivesRandomDamage()
{
    Scoresheet played;
    NineInnings().type(played);
    const QByteArray valid = fileOf(played);
    QRandomGenerator random(2024);
    int opens = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray file = valid;
        for (int damage = 1 + random.bounded(3); damage > 0; --damage) {
            const qsizetype at = random.bounded(int(file.size()));
            switch (random.bounded(3)) {
            case 0:
                file[at] = char(file[at] ^ (1 << random.bounded(8)));
                break;
            case 1:
                file.insert(at, char(random.bounded(256)));
                break;
            default:
                file.remove(at, 1);
            }
        }
        const OpenedGame opened = GameFile::parse(file, played);
        QCOMPARE(opened.ok(), opened.error.isEmpty());
        if (!opened.ok())
            continue;
        ++opens;
        Scoresheet sheet;
        opened.snapshot->restore(sheet);
        for (const Field *field : sheet.fields())
            QCOMPARE(field->text(), opened.snapshot->texts.value(field->objectName(), field->initialText().toString()));
    }
    QVERIFY(opens > 0 && opens < 400); // both ways through were taken
}

void TestGameFile::suggestedName_data()
{
    QTest::addColumn<QString>("away");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Harbor Cats"
                           << "Mill Creek"
                           << "Harbor Cats at Mill Creek 2024-06-11.quorvel";
    QTest::newRow("blank") << ""
                           << "  "
                           << "Away at Home 2024-06-11.quorvel";
    QTest::newRow("forbidden") << "A/B\\C:D"
                               << "*?\"<>|"
                               << "A-B-C-D at ------ 2024-06-11.quorvel";
    QTest::newRow("control") << "Owls\tNight"
                             << "Bats\x01"
                             << "Owls Night at Bats- 2024-06-11.quorvel";
    // A pasted essay as a team name still gives a name every file system takes.
    QTest::newRow("long") << QString(5000, u'x') << "..Dots.." << QString(28, u'x') + " at Dots 2024-06-11.quorvel";
}

void TestGameFile::suggestedName()
{
    QFETCH(QString, away);
    QFETCH(QString, home);
    QFETCH(QString, expected);
    QCOMPARE(suggestedFileName(away, home, QDate(2024, 6, 11), GameFile::extension()), expected);
}

QTEST_GUILESS_MAIN(TestGameFile)
#include "TestGameFile.moc"
