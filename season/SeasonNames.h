#pragma once

#include "season/GameRecord.h"
#include "season/SeasonConfig.h"
#include "season/SeasonRows.h"

#include <QHash>
#include <QString>

#include <vector>

// Who is who in a season: the team and player a name stands for (after season.json's
// aliases) and how each is shown: its canonical name as season.json writes it, else its
// most frequent spelling in the games, the earliest game's on a tie. A player is a team
// and a name. Teams and players are numbered as they are met, so that a season is added
// up over numbers rather than names.
class SeasonNames
{
public:
    explicit SeasonNames(const SeasonConfig &config);

    // The team a half's name stands for; -1 for a blank name.
    int team(const HalfRecord &half);
    // The player a name key stands for on team (an alias resolved).
    int player(int team, const QString &key);
    // The same without numbering a new player: -1 for a name no game gave the team.
    int knownPlayer(int team, const QString &key) const;
    // Counts one appearance of a name as written; games come in game order.
    void countTeam(int team, const QString &spelling);
    void countPlayer(int player, const QString &spelling);
    // Settles every shown name; call once after the last count.
    void settle();
    // Forgets every count (not the numbers given): for counting the games again.
    void resetCounts();

    int teamCount() const { return int(m_teams.size()); }
    int playerCount() const { return int(m_players.size()); }
    QString teamName(int team) const { return team < 0 ? QString() : m_teams[std::size_t(team)].shown; }
    const QString &playerName(int player) const { return m_players[std::size_t(player)].shown; }
    int teamOf(int player) const { return m_players[std::size_t(player)].team; }
    const QString &divisionOf(int team) const { return m_teams[std::size_t(team)].division; }
    bool isListed(int team) const { return m_teams[std::size_t(team)].listed; }
    // Whether a counted game names the team.
    bool isCounted(int team) const { return m_teams[std::size_t(team)].count > 0; }

    // Pairs of one team's players whose names are alike (NameRules' areSimilarNames).
    std::vector<MergeSuggestion> similarNames() const;
    // The player aliases season.json holds.
    const std::vector<MergedName> &mergedNames() const { return m_merged; }

private:
    struct Spelling
    {
        QString text;
        int count = 0;
    };
    struct Named
    {
        QString key;
        QString canonical;               // as season.json writes it; empty when it does not
        QString fallback;                // shown when no game names it (a team only a division lists)
        std::vector<Spelling> spellings; // in order of first appearance
        QString shown;
        int count = 0;
    };
    struct Team : Named
    {
        QString division;
        bool listed = false;                    // in a division of season.json
        QHash<QString, QString> playerAliases;  // variant key to canonical key
        QHash<QString, QString> canonicalNames; // canonical key to the name as written
        QHash<QString, int> players;
    };
    struct Player : Named
    {
        int team = -1;
    };

    int teamByKey(const QString &key);
    static void count(Named &named, const QString &spelling);
    static void settle(Named &named);

    QHash<QString, QString> m_teamAliases; // variant key to canonical key
    QHash<QString, QString> m_teamCanonical;
    QHash<QString, int> m_teamIds;
    std::vector<Team> m_teams;
    std::vector<Player> m_players;
    std::vector<MergedName> m_merged;
};
