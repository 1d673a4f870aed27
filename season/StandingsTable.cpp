#include "season/StandingsTable.h"

#include "season/SeasonNames.h"

#include <QMap>

#include <algorithm>
#include <cmath>

namespace {

// Ranks one division's rows and works out how far each is behind its best W - L.
void rank(std::vector<StandingRow> &rows)
{
    const StandingRow *leader = nullptr;
    for (const StandingRow &row : rows)
        if (row.games > 0 && (!leader || row.wins - row.losses > leader->wins - leader->losses))
            leader = &row;
    const int leadWins = leader ? leader->wins : 0;
    const int leadLosses = leader ? leader->losses : 0;
    for (StandingRow &row : rows)
        row.gamesBehind = leader ? ((leadWins - row.wins) + (row.losses - leadLosses)) / 2.0 : 0.0;
    std::sort(rows.begin(), rows.end(), [](const StandingRow &a, const StandingRow &b) {
        if (a.pct != b.pct)
            return a.pct > b.pct;
        if (a.wins != b.wins)
            return a.wins > b.wins;
        return std::pair(a.team.toCaseFolded(), a.team) < std::pair(b.team.toCaseFolded(), b.team);
    });
}

} // namespace

StandingsTable::StandingsTable(int teams)
    : m_tallies(std::size_t(std::max(teams, 0)))
{
}

void StandingsTable::addFinalGame(const GameRecord &game, const std::array<int, 2> &teams)
{
    for (Side side : Sides) {
        Tally &tally = m_tallies[std::size_t(teams[std::size_t(side)])];
        StandingRow &row = tally.row;
        ++row.games;
        row.runsScored += game.half(side).runs;
        row.runsAllowed += game.half(otherSide(side)).runs;
        const bool won = game.result == (side == Side::Away ? GameResult::Away : GameResult::Home);
        const bool tie = game.result == GameResult::Tie;
        tally.results += tie ? u'T' : won ? u'W' : u'L';
        if (tie)
            ++row.ties;
        else if (won)
            ++(side == Side::Home ? row.homeWins : row.roadWins);
        else
            ++(side == Side::Home ? row.homeLosses : row.roadLosses);
    }
}

std::vector<StandingRow> StandingsTable::rows(const SeasonNames &names) const
{
    QMap<QString, std::vector<StandingRow>> divisions; // by name; the unnamed one is put last
    for (int team = 0; team < int(m_tallies.size()); ++team) {
        if (names.teamName(team).isEmpty() || (!names.isCounted(team) && !names.isListed(team)))
            continue;
        StandingRow row = m_tallies[std::size_t(team)].row;
        const QString &results = m_tallies[std::size_t(team)].results;
        row.team = names.teamName(team);
        row.division = names.divisionOf(team);
        row.wins = row.homeWins + row.roadWins;
        row.losses = row.homeLosses + row.roadLosses;
        const int decided = row.wins + row.losses;
        row.pct = decided ? double(row.wins) / decided : 0.0;
        const QString lastTen = results.right(10);
        row.lastTenWins = int(lastTen.count(u'W'));
        row.lastTenLosses = int(lastTen.count(u'L'));
        if (!results.isEmpty()) {
            qsizetype length = 1;
            while (length < results.size() && results.at(results.size() - 1 - length) == results.back())
                ++length;
            row.streak = results.back() + QString::number(length);
        }
        // A sheet may hold negative runs; they count as written, but no power of one is a share.
        const double scored = std::pow(double(std::max<qint64>(row.runsScored, 0)), 1.83);
        const double allowed = std::pow(double(std::max<qint64>(row.runsAllowed, 0)), 1.83);
        const double expected = scored + allowed == 0 ? 0.5 : scored / (scored + allowed);
        row.pythagoreanWins = int(std::round(decided * expected));
        row.pythagoreanLosses = decided - row.pythagoreanWins;
        divisions[row.division].push_back(row);
    }
    std::vector<StandingRow> ranked;
    for (auto it = divisions.begin(); it != divisions.end(); ++it) {
        if (it.key().isEmpty())
            continue;
        rank(*it);
        ranked.insert(ranked.end(), it->begin(), it->end());
    }
    if (divisions.contains(QString())) {
        rank(divisions[QString()]);
        ranked.insert(ranked.end(), divisions[QString()].begin(), divisions[QString()].end());
    }
    return ranked;
}
