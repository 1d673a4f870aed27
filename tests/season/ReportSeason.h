#pragma once

// A small season worked out by hand for the box score, the leaders, the team pages and the
// race. Three teams, one league, five final regular games (the figures in the tests come
// from these lines):
//   1  04-01 #1  Owls 2 at Bats 4; the Bats need no ninth (x); Reed wins, Ace loses, Lowe saves.
//   2  04-02     Cats 1 at Owls 5; Ace pitches all nine.
//   3  04-02     Bats 3 at Cats 0.
//   4  04-03     Owls 6 at Cats 2; Ito hitless, Jay back in the lineup.
//   5  04-04     Bats 1 at Owls 1, a tie the details call final; Ace pitches all nine.
// Owls' hitters: Ito hits in 1, 2 and 5 (not 4); Jay in 1, 4 and 5 (absent in 2); Kim in all four.

#include "GameBuilder.h"
#include "SeasonRead.h"

inline void writeReportSeason(const QString &folder)
{
    constexpr Side Away = Side::Away;
    constexpr Side Home = Side::Home;

    GameBuilder one(QStringLiteral("Owls"), QStringLiteral("Bats"), QDate(2024, 4, 1));
    one.hitter(Away, 1, "Ito", 2, 1, 1).hitter(Away, 2, "Jay", 1, 1, 0, 0, 1).hitter(Away, 3, "Kim", 1, 0, 0, 0, 0, 1);
    one.inning(Away, 1, "Reed", 0).inning(Away, 2, {}, 1, 1, 2, 1).quietInnings(Away, 3, 3);
    one.inning(Away, 4, {}, 0, 0, 1, 0, 1).quietInnings(Away, 5, 6).inning(Away, 7, {}, 1, 0, 1);
    one.inning(Away, 8, "Lowe", 0, 0, 0, 2).quietInnings(Away, 9, 9);
    one.hitter(Home, 1, "Zed", 2, 2, 0, 1).hitter(Home, 2, "Max", 2, 1, 1, 0, 0, 1).hitter(Home, 3, "Bo", 1, 1);
    one.inning(Home, 1, "Ace", 3, 3, 3, 0, 1).quietInnings(Home, 2, 4).inning(Home, 5, {}, 1, 1, 2, 1);
    one.quietInnings(Home, 6, 6).quietInnings(Home, 7, 7, "Cy").inning(Home, 8, {}, 0, 0, 0, 1);
    one.details().win = "Reed";
    one.details().loss = "Ace";
    one.details().save = "Lowe";
    one.details().notes = "Rain delay & a \"long\" <night>";
    one.number(1).final(true).save(folder, "g1.quorvel");

    GameBuilder two(QStringLiteral("Cats"), QStringLiteral("Owls"), QDate(2024, 4, 2));
    two.hitter(Away, 1, "Dee", 1, 1);
    two.inning(Away, 1, "Ace", 1, 1, 1).quietInnings(Away, 2, 9);
    two.hitter(Home, 1, "Ito", 1, 2).hitter(Home, 2, "Kim", 3, 3, 1);
    two.inning(Home, 1, "Pat", 2, 2, 2).inning(Home, 2, {}, 3, 3, 2).quietInnings(Home, 3, 8);
    two.final(true).save(folder, "g2.quorvel");

    GameBuilder three(QStringLiteral("Bats"), QStringLiteral("Cats"), QDate(2024, 4, 2));
    three.hitter(Away, 1, "Zed", 1, 1).hitter(Away, 2, "Max", 2, 2, 0, 0, 1);
    three.inning(Away, 1, "Pat", 3, 3, 3).quietInnings(Away, 2, 9);
    three.hitter(Home, 1, "Dee", 0);
    three.quietInnings(Home, 1, 9, "Reed");
    three.final(true).save(folder, "g3.quorvel");

    GameBuilder four(QStringLiteral("Owls"), QStringLiteral("Cats"), QDate(2024, 4, 3));
    four.hitter(Away, 1, "Ito", 0).hitter(Away, 2, "Jay", 2, 3, 0, 0, 1).hitter(Away, 3, "Kim", 2, 3, 0, 1);
    four.inning(Away, 1, "Pat", 4, 4, 2).inning(Away, 2, {}, 2, 2, 2).quietInnings(Away, 3, 9);
    four.hitter(Home, 1, "Dee", 2, 2, 1);
    four.inning(Home, 1, "Ace", 2, 2, 2).quietInnings(Home, 2, 9);
    four.final(true).save(folder, "g4.quorvel");

    GameBuilder five(QStringLiteral("Bats"), QStringLiteral("Owls"), QDate(2024, 4, 4));
    five.hitter(Away, 1, "Zed", 1, 1);
    five.inning(Away, 1, "Ace", 1, 1, 1).quietInnings(Away, 2, 9);
    five.hitter(Home, 1, "Ito", 1, 0).hitter(Home, 2, "Jay", 1, 1).hitter(Home, 3, "Kim", 1, 0);
    five.inning(Home, 1, "Reed", 1, 1, 3).quietInnings(Home, 2, 9);
    five.final(true).save(folder, "g5.quorvel");
}

// The season written into folder and read as the book reads it.
inline SeasonFigures reportSeason(const QString &folder)
{
    writeReportSeason(folder);
    return readSeason(folder);
}

// The seasons that leave little to show: no game, one final game, one game not finished,
// one team alone (the other side of its one game left blank).
enum class SmallSeason { NoGame, OneGame, NoFinalGame, OneTeam };

inline void addSmallSeasonRows()
{
    QTest::addColumn<SmallSeason>("small");
    QTest::newRow("no game") << SmallSeason::NoGame;
    QTest::newRow("one game") << SmallSeason::OneGame;
    QTest::newRow("no final game") << SmallSeason::NoFinalGame;
    QTest::newRow("one team") << SmallSeason::OneTeam;
}

inline void writeSmallSeason(const QString &folder, SmallSeason small)
{
    if (small == SmallSeason::NoGame)
        return;
    const int innings = small == SmallSeason::NoFinalGame ? 4 : 9;
    GameBuilder game(QStringLiteral("Owls"), small == SmallSeason::OneTeam ? QString() : QStringLiteral("Bats"));
    game.inning(Side::Away, 1, QStringLiteral("Pat"), 1).quietInnings(Side::Away, 2, innings);
    game.quietInnings(Side::Home, 1, innings, QStringLiteral("Ace"));
    game.save(folder, QStringLiteral("g.quorvel"));
}
