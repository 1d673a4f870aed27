#include "tools/seasongen/GeneratedGame.h"

#include <array>

struct GeneratedGame::Half
{
    Side side = Side::Away; // the team at bat
    const Team *batting = nullptr;
    const Team *pitching = nullptr;
    std::array<int, SheetColumn::BattingRows + 1> hits{}, rbi{}, doubles{}, triples{}, homeRuns{}, steals{};
    std::array<int, SheetColumn::BattingRows + 1> slot{}; // the roster's hitter in each batting row
    int cursor = 0;                                       // the batting row that bats next, less one
    int pitcher = 0;                                      // the pitcher facing the half now
    int runs = 0;
    int innings = 0;
    int lastPitcherRow = 0;
    std::vector<int> pitchers; // in order of appearance
};

GeneratedGame::GeneratedGame(quint64 seed, const Team &away, const Team &home)
    : m_state(seed)
    , m_away(away)
    , m_home(home)
{
}

// splitmix64: the same numbers on every platform and compiler.
int GeneratedGame::below(int bound)
{
    m_state += 0x9e3779b97f4a7c15ULL;
    quint64 z = m_state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return int(z % quint64(bound));
}

int GeneratedGame::weighted(std::initializer_list<int> weights)
{
    int total = 0;
    for (int w : weights)
        total += w;
    int pick = below(total);
    int value = 0;
    for (int w : weights) {
        if (pick < w)
            return value;
        pick -= w;
        ++value;
    }
    return value;
}

// Now and then a scorer writes a name another way: in small letters, or with a blank too many.
QString GeneratedGame::spelling(const QString &name)
{
    switch (below(60)) {
    case 0:
        return name.toLower();
    case 1:
        return QString(name).replace(u' ', QStringLiteral("  ")) + u' ';
    default:
        return name;
    }
}

void GeneratedGame::creditHitters(Scoresheet &sheet, Half &half, int hits, int runs)
{
    const auto write = [&](ColumnId column, int row, int value) {
        sheet.field(column, half.side, sheetColumn(column).element(half.side, row)).write(QString::number(value));
    };
    for (int hit = 0; hit < hits; ++hit) {
        int row = half.cursor % 9 + 1;
        half.cursor += 1 + below(2);
        // A pinch hitter in row 10 now and then.
        if (below(40) == 0)
            row = 10;
        if (half.slot[std::size_t(row)] < 0)
            continue; // a row left blank takes no hits
        if (row == 10 && sheet.field(ColumnId::Hitter, half.side, row).text().isEmpty())
            sheet.field(ColumnId::Hitter, half.side, row).write(spelling(half.batting->hitters.at(9 + below(4))));
        write(ColumnId::Hit, row, ++half.hits[std::size_t(row)]);
        switch (weighted({70, 18, 2, 10})) {
        case 1:
            write(ColumnId::Doubles, row, ++half.doubles[std::size_t(row)]);
            break;
        case 2:
            write(ColumnId::Triples, row, ++half.triples[std::size_t(row)]);
            break;
        case 3:
            write(ColumnId::HomeRuns, row, ++half.homeRuns[std::size_t(row)]);
            break;
        default:
            break;
        }
        if (hit == hits - 1 && runs > 0) {
            half.rbi[std::size_t(row)] += runs;
            write(ColumnId::RBI, row, half.rbi[std::size_t(row)]);
        }
        if (below(25) == 0)
            write(ColumnId::Steals, row, ++half.steals[std::size_t(row)]);
    }
}

void GeneratedGame::playInning(Scoresheet &sheet, Half &half, int inning)
{
    const auto write = [&](ColumnId column, int value) {
        sheet.field(column, half.side, inning).write(QString::number(value));
    };
    // A tired pitcher goes: the starter after five to eight innings, relievers after one or two.
    const int pitched = inning - half.lastPitcherRow;
    const bool starter = half.pitchers.size() == 1;
    if (inning == 1 || (starter ? pitched >= 5 + below(4) : pitched >= 1 + below(2) && below(3) == 0)) {
        // A rotation of five starters; the rest of the staff relieves.
        half.pitcher = inning == 1 ? below(5) : 5 + below(int(half.pitching->pitchers.size()) - 5);
        half.pitchers.push_back(half.pitcher);
        half.lastPitcherRow = inning;
        sheet.field(ColumnId::Pitcher, half.side, inning).write(spelling(half.pitching->pitchers.at(half.pitcher)));
    }
    const int runs = weighted({72, 14, 8, 4, 2});
    const int hits = runs + weighted({45, 35, 15, 5});
    const int earned = runs - (runs > 0 && below(6) == 0 ? 1 : 0);
    // Odd innings: hitters credited as they bat, the line after; even ones the line first.
    if (inning % 2)
        creditHitters(sheet, half, hits, earned);
    write(ColumnId::R, runs);
    write(ColumnId::ER, earned);
    write(ColumnId::HitP, hits);
    write(ColumnId::K, weighted({30, 35, 25, 10}));
    write(ColumnId::BB, weighted({60, 30, 10}));
    if (inning % 2 == 0)
        creditHitters(sheet, half, hits, earned);
    half.runs += runs;
    half.innings = inning;
}

GameDetails GeneratedGame::play(Scoresheet &sheet)
{
    Half away;
    away.side = Side::Away;
    away.batting = &m_away;
    away.pitching = &m_home;
    Half home;
    home.side = Side::Home;
    home.batting = &m_home;
    home.pitching = &m_away;
    for (Half *half : {&away, &home}) {
        sheet.field(ColumnId::Team, half->side).write(half->batting->name);
        // Nine starters in a shuffled order, one row now and then left blank.
        std::array<int, 13> order{};
        for (int i = 0; i < 13; ++i)
            order[std::size_t(i)] = i;
        for (int i = 8; i > 0; --i)
            std::swap(order[std::size_t(i)], order[std::size_t(below(i + 1))]);
        for (int row = 1; row <= 9; ++row) {
            const bool blank = below(80) == 0;
            half->slot[std::size_t(row)] = blank ? -1 : order[std::size_t(row - 1)];
            if (!blank)
                sheet.field(ColumnId::Hitter, half->side, row)
                    .write(spelling(half->batting->hitters.at(order[std::size_t(row - 1)])));
        }
    }

    GameDetails details;
    const int ending = below(100);
    const int lastInning = ending < 2 ? 3 + below(6) : SheetColumn::InningRows; // unfinished after a few
    const bool calledTie = ending == 2;                                         // called after nine, level
    for (int inning = 1; inning <= lastInning; ++inning) {
        playInning(sheet, away, inning);
        // The home team does not bat in the ninth or later when it leads already.
        if (inning >= 9 && home.runs > away.runs)
            break;
        playInning(sheet, home, inning);
        if (inning >= 9 && home.runs != away.runs)
            break;
        if (inning == 9 && calledTie)
            break;
    }
    const bool over = away.innings >= 9;
    details.final = over;
    if (over && away.runs != home.runs) {
        Half &winner = away.runs > home.runs ? away : home;
        Half &loser = away.runs > home.runs ? home : away;
        // The winning team's pitchers face the losing team's half.
        details.win = loser.pitching->pitchers.at(loser.pitchers.front());
        details.loss = winner.pitching->pitchers.at(winner.pitchers.front());
        if (loser.pitchers.size() > 1 && winner.runs - loser.runs <= 3)
            details.save = loser.pitching->pitchers.at(loser.pitchers.back());
        if (details.save == details.win)
            details.save.clear();
    }
    return details;
}
