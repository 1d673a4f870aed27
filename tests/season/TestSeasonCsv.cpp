#include "CsvRead.h"
#include "GameBuilder.h"
#include "SeasonRead.h"
#include "season/SeasonCsv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The CSV's records, from a file.
QList<QStringList> readCsv(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? parseCsv(file.readAll()) : QList<QStringList>();
}

// The value of column in the first row whose column key is value.
QString cell(const QList<QStringList> &table, const QString &key, const QString &value, const QString &column)
{
    const qsizetype keyAt = table.value(0).indexOf(key);
    const qsizetype columnAt = table.value(0).indexOf(column);
    for (const QStringList &row : table.mid(1))
        if (row.value(keyAt) == value)
            return row.value(columnAt, QStringLiteral("<no column>"));
    return QStringLiteral("<no row>");
}

} // namespace

class TestSeasonCsv : public QObject
{
    Q_OBJECT

private slots:
    // Rates are rounded exactly, half away from zero, to the places asked for.
    void ratio_data();
    void ratio();
    // The files read back as written: every header as the export promises, names with
    // commas and quotes intact, flags as 1 or 0, PCT with three places, GB with one,
    // rates with two, paths with "/" from the season folder, the output folder made.
    void filesReadBack();
    // An output folder that cannot be made is told in one sentence.
    void unwritableOutput();
};

void TestSeasonCsv::ratio_data()
{
    QTest::addColumn<qint64>("num");
    QTest::addColumn<qint64>("den");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("two thirds") << qint64(2) << qint64(3) << 3 << "0.667";
    QTest::newRow("a half up") << qint64(1) << qint64(16) << 3 << "0.063";
    QTest::newRow("ERA 1.125") << qint64(9) << qint64(8) << 2 << "1.13";
    QTest::newRow("whole") << qint64(3) << qint64(1) << 1 << "3.0";
    QTest::newRow("perfect") << qint64(5) << qint64(5) << 3 << "1.000";
    QTest::newRow("nothing") << qint64(0) << qint64(7) << 2 << "0.00";
    QTest::newRow("negative half") << qint64(-3) << qint64(2) << 0 << "-2";
    QTest::newRow("large") << qint64(9) * 40000 << qint64(7) << 2 << "51428.57";
}

void TestSeasonCsv::ratio()
{
    QFETCH(qint64, num);
    QFETCH(qint64, den);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(SeasonCsv::ratio(num, den, decimals), text);
}

void TestSeasonCsv::filesReadBack()
{
    QTemporaryDir season;
    const QString team = QStringLiteral("Owls, \"Night\"");
    GameBuilder game(team, QStringLiteral("Bats"), QDate(2024, 4, 1));
    game.hitter(Side::Away, 1, "O'Neil, Jr.", 2, 2, 1)
        .inning(Side::Away, 1, "Reed", 2, 2, 2)
        .quietInnings(Side::Away, 2, 9);
    game.quietInnings(Side::Home, 1, 3, "Ace").quietInnings(Side::Home, 4, 9, "Bo");
    game.number(2).save(season.path(), "April/g1.quorvel");
    GameBuilder::saveFile(season.filePath("broken.quorvel"), "not a game");
    const SeasonFigures figures = readSeason(season.path());
    QTemporaryDir out;
    const QString folder = out.filePath("csv/season");
    QCOMPARE(SeasonCsv::write(figures, folder), QString());

    const QMap<QString, QString> headers = {
        {"standings.csv", "division,team,G,W,L,T,PCT,GB,homeW,homeL,roadW,roadL,L10W,L10L,STRK,RS,RA,DIFF,pythW,pythL"},
        {"batting.csv", "player,team,G,H,1B,2B,3B,HR,TB,XBH,RBI,SB"},
        {"pitching.csv", "player,team,G,GS,CG,SHO,W,L,SV,IPouts,IP,H,R,ER,BB,SO,ERA,WHIP,K9"},
        {"games.csv", "file,date,number,type,final,away,home,awayR,homeR,awayH,homeH,awayInnings,homeInnings,result"},
        {"battinglog.csv", "file,date,player,team,opponent,home,H,2B,3B,HR,RBI,SB"},
        {"pitchinglog.csv", "file,date,player,team,opponent,home,GS,IPouts,H,R,ER,BB,SO"},
        {"checks.csv", "file,row,problem"},
    };
    QMap<QString, QList<QStringList>> tables;
    for (auto it = headers.begin(); it != headers.end(); ++it) {
        tables[it.key()] = readCsv(QDir(folder).filePath(it.key()));
        QCOMPARE(tables[it.key()].value(0).join(u','), it.value());
        for (const QStringList &row : tables[it.key()])
            QCOMPARE(row.size(), tables[it.key()].value(0).size());
    }
    const auto &standings = tables["standings.csv"];
    QCOMPARE(standings.size(), 3);
    QCOMPARE(standings[1], (QStringList{"",  team, "1", "1", "0",  "0", "1.000", "0.0", "0", "0",
                                        "1", "0",  "1", "0", "W1", "2", "0",     "2",   "1", "0"}));
    QCOMPARE(standings[2].mid(0, 8), (QStringList{"", "Bats", "1", "0", "1", "0", "0.000", "1.0"}));
    QCOMPARE(cell(standings, "team", "Bats", "DIFF"), "-2");
    QCOMPARE(tables["batting.csv"].value(1),
             (QStringList{"O'Neil, Jr.", team, "1", "2", "1", "1", "0", "0", "3", "1", "2", "0"}));
    QCOMPARE(tables["pitching.csv"].value(1).mid(0, 2), (QStringList{"Reed", "Bats"}));
    QCOMPARE(cell(tables["pitching.csv"], "player", "Reed", "ERA"), "2.00");
    QCOMPARE(cell(tables["pitching.csv"], "player", "Reed", "WHIP"), "0.22");
    QCOMPARE(cell(tables["pitching.csv"], "player", "Ace", "IPouts"), "9");
    QCOMPARE(tables["games.csv"].value(1), (QStringList{"April/g1.quorvel", "2024-04-01", "2", "regular", "1", team,
                                                        "Bats", "2", "0", "2", "0", "9", "9", "away"}));
    QCOMPARE(tables["battinglog.csv"].value(1), (QStringList{"April/g1.quorvel", "2024-04-01", "O'Neil, Jr.", team,
                                                             "Bats", "0", "2", "1", "0", "0", "2", "0"}));
    QCOMPARE(cell(tables["pitchinglog.csv"], "player", "Bo", "GS"), "0");
    QCOMPARE(cell(tables["pitchinglog.csv"], "player", "Ace", "home"), "0");
    QCOMPARE(cell(tables["pitchinglog.csv"], "player", "Reed", "home"), "1");
    QCOMPARE(tables["checks.csv"].value(1).mid(0, 2), (QStringList{"broken.quorvel", ""}));
}

void TestSeasonCsv::unwritableOutput()
{
    QTemporaryDir out;
    GameBuilder::saveFile(out.filePath("taken"), "a file, not a folder");
    const QString problem = SeasonCsv::write(SeasonFigures(), out.filePath("taken/csv"));
    QVERIFY(problem.contains("could not be made"));
    QVERIFY(!problem.contains(u'\n'));
}

QTEST_GUILESS_MAIN(TestSeasonCsv)
#include "TestSeasonCsv.moc"
