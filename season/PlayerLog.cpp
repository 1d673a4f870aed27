#include "season/PlayerLog.h"

#include "season/SeasonFigures.h"

PlayerLog PlayerLog::of(const SeasonFigures &figures, int player)
{
    PlayerLog log;
    if (player < 0 || std::size_t(player) >= figures.playerNames.size())
        return log;
    log.player = player;
    log.name = figures.playerNames[std::size_t(player)];
    for (const BattingLogRow &row : figures.battingLog)
        if (row.player == player)
            log.batting.push_back(row);
    for (const PitchingLogRow &row : figures.pitchingLog)
        if (row.player == player)
            log.pitching.push_back(row);
    for (const BattingRow &row : figures.batting)
        if (row.id == player)
            log.battingTotals = row;
    for (const PitchingRow &row : figures.pitching)
        if (row.id == player)
            log.pitchingTotals = row;
    const int team = !log.batting.empty()    ? log.batting.front().team
                     : !log.pitching.empty() ? log.pitching.front().team
                                             : -1;
    if (team >= 0 && std::size_t(team) < figures.teamNames.size())
        log.team = figures.teamNames[std::size_t(team)];
    return log;
}
