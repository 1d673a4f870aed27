#include "season/TeamSeason.h"

#include "season/SeasonFigures.h"

#include <algorithm>
#include <map>

namespace {

// Whether the standings count a game: final, both teams named and not one team twice.
bool standingsGame(const GameRow &game)
{
    return game.final && game.players && game.players->teams[0] >= 0 && game.players->teams[1] >= 0
           && game.players->teams[0] != game.players->teams[1];
}

} // namespace

int TeamSeason::find(const SeasonFigures &figures, const QString &name)
{
    if (name.isEmpty())
        return -1;
    const auto found = std::find(figures.teamNames.begin(), figures.teamNames.end(), name);
    return found == figures.teamNames.end() ? -1 : int(found - figures.teamNames.begin());
}

TeamSeason TeamSeason::of(const SeasonFigures &figures, int team)
{
    TeamSeason season;
    if (team < 0 || std::size_t(team) >= figures.teamNames.size())
        return season;
    season.team = team;
    season.name = figures.teamNames[std::size_t(team)];
    for (const StandingRow &row : figures.standings)
        if (row.team == season.name)
            season.division = row.division;
    season.runsFor.assign(SheetColumn::InningRows + 1, 0);
    season.runsAgainst.assign(SheetColumn::InningRows + 1, 0);

    std::map<std::pair<QString, QString>, OpponentRecord> opponents;
    QChar streakKind;
    int streakLength = 0;
    for (std::size_t i = 0; i < figures.games.size(); ++i) {
        const GameRow &game = figures.games[i];
        if (!game.players)
            continue;
        const std::array<int, 2> &teams = game.players->teams;
        if (teams[0] != team && teams[1] != team)
            continue;
        const Side side = teams[0] == team ? Side::Away : Side::Home;
        const Side other = otherSide(side);
        TeamResult result;
        result.game = int(i);
        result.date = game.date;
        result.number = game.number;
        result.opponent = side == Side::Away ? game.home : game.away;
        result.home = side == Side::Home;
        result.runsFor = side == Side::Away ? game.awayRuns : game.homeRuns;
        result.runsAgainst = side == Side::Away ? game.homeRuns : game.awayRuns;
        result.final = game.final;
        if (standingsGame(game)) {
            const GameResult won = side == Side::Away ? GameResult::Away : GameResult::Home;
            const QChar outcome = game.result == GameResult::Tie ? u'T' : game.result == won ? u'W' : u'L';
            result.outcome = outcome;
            streakLength = outcome == streakKind ? streakLength + 1 : 1;
            streakKind = outcome;
            OpponentRecord &record = opponents[{result.opponent.toCaseFolded(), result.opponent}];
            record.opponent = result.opponent;
            (outcome == u'W' ? record.wins : outcome == u'L' ? record.losses : record.ties) += 1;
            (outcome == u'W' ? season.wins : outcome == u'L' ? season.losses : season.ties) += 1;
            record.runsFor += result.runsFor;
            record.runsAgainst += result.runsAgainst;
            const GameRecord &sheet = *game.record;
            for (int row = 1; row <= SheetColumn::InningRows; ++row) {
                const InningLine &mine = sheet.half(side).innings[std::size_t(row)];
                const InningLine &theirs = sheet.half(other).innings[std::size_t(row)];
                season.runsFor[std::size_t(row)] += mine.runs;
                season.runsAgainst[std::size_t(row)] += theirs.runs;
                if (mine.pitched || theirs.pitched || mine.runs != 0 || theirs.runs != 0)
                    season.innings = std::max(season.innings, row);
            }
        }
        if (streakLength > 0)
            result.streak = streakKind + QString::number(streakLength);
        season.results.push_back(result);
    }
    for (auto &[key, record] : opponents)
        season.opponents.push_back(record);
    for (const BattingRow &row : figures.batting)
        if (row.team == season.name)
            season.hitters.push_back(row);
    for (const PitchingRow &row : figures.pitching)
        if (row.team == season.name)
            season.pitchers.push_back(row);
    return season;
}
