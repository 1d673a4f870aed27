#include "GameBuilder.h"
#include "SeasonRead.h"
#include "season/NameRules.h"
#include "season/SeasonConfig.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray seasonFile(const QByteArray &entries)
{
    return R"({"format": "quorvel-season", "version": 1)" + (entries.isEmpty() ? "" : ", " + entries) + "}";
}

} // namespace

class TestSeasonConfig : public QObject
{
    Q_OBJECT

private slots:
    // A season.json is refused, with a sentence naming the fault, unless every entry is
    // one the program knows, of the right kind.
    void parse_data();
    void parse();
    // What is written reads back the same.
    void roundTrip();
    // Names are one when equal after trimming, collapsing blanks, composing and case folding;
    // similar when equal without accents, or one edit apart (two for names over six letters).
    void names_data();
    void names();
    // Team and player aliases make the variants count as the canonical name, shown as
    // season.json writes it; removing the alias splits them again.
    void aliasesMergeAndSplit();
};

void TestSeasonConfig::parse_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not JSON") << QByteArray("{") << "not valid JSON";
    QTest::newRow("a game file") << QByteArray(R"({"format": "quorvel-game", "version": 1})") << "not a Quorvel season";
    QTest::newRow("newer version") << QByteArray(R"({"format": "quorvel-season", "version": 2})") << "newer version";
    QTest::newRow("no version") << QByteArray(R"({"format": "quorvel-season"})") << "no valid version";
    QTest::newRow("unknown entry") << seasonFile(R"("league": "AL")") << "\"league\"";
    QTest::newRow("name with a line break") << seasonFile(R"("name": "1977\nreplay")") << "name";
    QTest::newRow("teams as a list") << seasonFile(R"("teams": ["Owls"])") << "team names";
    QTest::newRow("team alias to a number") << seasonFile(R"("teams": {"Owl": 3})") << "\"Owl\"";
    QTest::newRow("players not by team") << seasonFile(R"("players": ["Ito"])") << "player names";
    QTest::newRow("player alias to null") << seasonFile(R"("players": {"Owls": {"Itoh": null}})") << "\"Itoh\"";
    QTest::newRow("division not a list") << seasonFile(R"("divisions": {"East": "Owls"})") << "East";
    QTest::newRow("division lists a number") << seasonFile(R"("divisions": {"East": ["Owls", 7]})") << "East";
    QTest::newRow("too large") << seasonFile(R"("name": ")" + QByteArray(SeasonConfig::MaxBytes, 'x') + "\"")
                               << "larger than 1 MiB";
    QTest::newRow("bare") << seasonFile({}) << "";
    QTest::newRow("everything") << seasonFile(R"("name": "1977", "teams": {"Owl": "Owls"},)"
                                              R"( "players": {"Owls": {"Itoh": "Ito"}}, "divisions": {"East": []})")
                                << "";
}

void TestSeasonConfig::parse()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    SeasonConfig config;
    const QString problem = SeasonConfig::parse(file, config);
    QCOMPARE(problem.isEmpty(), reason.isEmpty());
    QVERIFY2(problem.contains(reason), qPrintable(problem));
    if (!problem.isEmpty())
        QCOMPARE(config, SeasonConfig());
}

void TestSeasonConfig::roundTrip()
{
    SeasonConfig config;
    config.name = QStringLiteral("1977 replay");
    config.teamAliases = {{"N.Y.", "New York"}};
    config.divisions = {{"East", {"New York", "Boston"}}, {"West", {}}};
    config.addPlayerAlias("new york", "Jackson R.", "Reggie Jackson");
    config.addPlayerAlias("New York", "R. Jackson", "Jackson R.");
    // The second alias points at a variant: it goes to the canonical name instead.
    QCOMPARE(config.playerAliases.value("new york"),
             (QMap<QString, QString>{{"Jackson R.", "Reggie Jackson"}, {"R. Jackson", "Reggie Jackson"}}));
    SeasonConfig read;
    QCOMPARE(SeasonConfig::parse(config.serialize(), read), QString());
    QCOMPARE(read, config);
    QVERIFY(read.removePlayerAlias("NEW YORK", "jackson r."));
    QVERIFY(!read.removePlayerAlias("NEW YORK", "jackson r."));
    QVERIFY(read.removePlayerAlias("New York", "R. Jackson"));
    QVERIFY(read.playerAliases.isEmpty());
}

void TestSeasonConfig::names_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::addColumn<bool>("similar");
    QTest::newRow("blanks and case") << "  Jo   Ann "
                                     << "jo ann" << true << true;
    QTest::newRow("composed and decomposed") << "Jos\u00e9"
                                             << "Jose\u0301" << true << true;
    QTest::newRow("accent") << "M\u00fcller"
                            << "Muller" << false << true;
    QTest::newRow("one edit, short") << "Smith"
                                     << "Smyth" << false << true;
    QTest::newRow("two edits, short") << "Cruz"
                                      << "Ruiz" << false << false;
    QTest::newRow("two edits, long") << "Johnson"
                                     << "Jonsen" << false << true;
    QTest::newRow("three edits, long") << "Alexander"
                                       << "Alexis" << false << false;
    QTest::newRow("tab inside") << "Ito\tJr"
                                << "ito jr" << true << true;
}

void TestSeasonConfig::names()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QFETCH(bool, similar);
    QCOMPARE(nameKey(a) == nameKey(b), same);
    QCOMPARE(areSimilarNames(accentFreeKey(nameKey(a)), accentFreeKey(nameKey(b))), similar);
}

void TestSeasonConfig::aliasesMergeAndSplit()
{
    QTemporaryDir folder;
    GameBuilder one(QStringLiteral("night owls"), QStringLiteral("Bats"), QDate(2024, 4, 1));
    one.hitter(Side::Away, 1, "Itoh", 1).inning(Side::Away, 1, "Reed", 0, 0, 1).save(folder.path(), "a.quorvel");
    GameBuilder two(QStringLiteral("OWLS"), QStringLiteral("Bats"), QDate(2024, 4, 2));
    two.hitter(Side::Away, 1, "Ito", 2).inning(Side::Away, 1, "Reed", 0, 0, 2).save(folder.path(), "b.quorvel");

    SeasonConfig config;
    config.teamAliases = {{"Night Owls", "Owls"}};
    config.addPlayerAlias("owls", "ITOH", "Ito");
    QCOMPARE(config.save(folder.path()), QString());
    SeasonFigures figures = readSeason(folder.path());
    QCOMPARE(figures.teams, (QStringList{"Bats", "Owls"}));
    QCOMPARE(findPlayer(figures.batting, "Ito")->hits, 3);
    QCOMPARE(figures.merged, (std::vector<MergedName>{{"owls", "ITOH", "Ito"}}));
    QVERIFY(figures.suggestions.empty());

    QVERIFY(config.removePlayerAlias("Owls", "itoh"));
    QCOMPARE(config.save(folder.path()), QString());
    figures = readSeason(folder.path());
    QCOMPARE(findPlayer(figures.batting, "Ito")->hits, 2);
    QCOMPARE(findPlayer(figures.batting, "Itoh")->hits, 1);
    QCOMPARE(figures.suggestions, (std::vector<MergeSuggestion>{{"Owls", "Ito", "Itoh"}}));
}

QTEST_GUILESS_MAIN(TestSeasonConfig)
#include "TestSeasonConfig.moc"
