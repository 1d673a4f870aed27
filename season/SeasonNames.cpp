#include "season/SeasonNames.h"

#include "season/NameRules.h"

#include <QMap>

#include <algorithm>

namespace {
// Comparing every pair of a team's names is quadratic: a team with more names than any
// real roster has is not searched.
constexpr std::size_t MostNamesCompared = 600;
} // namespace

SeasonNames::SeasonNames(const SeasonConfig &config)
{
    for (auto it = config.teamAliases.begin(); it != config.teamAliases.end(); ++it) {
        const QString canonical = nameKey(it.value());
        if (nameKey(it.key()).isEmpty() || canonical.isEmpty())
            continue;
        m_teamAliases.insert(nameKey(it.key()), canonical);
        m_teamCanonical.insert(canonical, cleanName(it.value()));
    }
    for (auto division = config.divisions.begin(); division != config.divisions.end(); ++division) {
        for (const QString &name : division.value()) {
            const QString key = nameKey(name);
            if (key.isEmpty())
                continue;
            Team &team = m_teams[std::size_t(teamByKey(m_teamAliases.value(key, key)))];
            if (team.listed)
                continue;
            team.listed = true;
            team.division = division.key();
            team.fallback = cleanName(name);
        }
    }
    for (auto byTeam = config.playerAliases.begin(); byTeam != config.playerAliases.end(); ++byTeam) {
        const QString key = nameKey(byTeam.key());
        if (key.isEmpty())
            continue;
        Team &team = m_teams[std::size_t(teamByKey(m_teamAliases.value(key, key)))];
        for (auto it = byTeam.value().begin(); it != byTeam.value().end(); ++it) {
            const QString canonical = nameKey(it.value());
            team.playerAliases.insert(nameKey(it.key()), canonical);
            team.canonicalNames.insert(canonical, cleanName(it.value()));
            m_merged.push_back({byTeam.key(), it.key(), it.value()});
        }
    }
}

int SeasonNames::teamByKey(const QString &key)
{
    const auto known = m_teamIds.constFind(key);
    if (known != m_teamIds.constEnd())
        return *known;
    const int id = int(m_teams.size());
    m_teamIds.insert(key, id);
    Team team;
    team.key = key;
    team.canonical = m_teamCanonical.value(key);
    m_teams.push_back(std::move(team));
    return id;
}

int SeasonNames::team(const HalfRecord &half)
{
    if (half.teamKey.isEmpty())
        return -1;
    return teamByKey(m_teamAliases.value(half.teamKey, half.teamKey));
}

int SeasonNames::player(int team, const QString &key)
{
    if (team < 0) {
        // A blank team's players still count: they are the players of the team without a name.
        team = teamByKey(QString());
    }
    Team &owner = m_teams[std::size_t(team)];
    const QString resolved = owner.playerAliases.value(key, key);
    const auto known = owner.players.constFind(resolved);
    if (known != owner.players.constEnd())
        return *known;
    const int id = int(m_players.size());
    owner.players.insert(resolved, id);
    Player player;
    player.key = resolved;
    player.team = team;
    player.canonical = owner.canonicalNames.value(resolved);
    m_players.push_back(std::move(player));
    return id;
}

int SeasonNames::knownPlayer(int team, const QString &key) const
{
    if (team < 0)
        team = int(m_teamIds.value(QString(), -1));
    if (team < 0)
        return -1;
    const Team &owner = m_teams[std::size_t(team)];
    return owner.players.value(owner.playerAliases.value(key, key), -1);
}

void SeasonNames::count(Named &named, const QString &spelling)
{
    ++named.count;
    for (Spelling &known : named.spellings) {
        if (known.text == spelling) {
            ++known.count;
            return;
        }
    }
    named.spellings.push_back({spelling, 1});
}

void SeasonNames::countTeam(int team, const QString &spelling)
{
    if (team >= 0)
        count(m_teams[std::size_t(team)], spelling);
}

void SeasonNames::countPlayer(int player, const QString &spelling)
{
    count(m_players[std::size_t(player)], spelling);
}

void SeasonNames::settle(Named &named)
{
    if (!named.canonical.isEmpty()) {
        named.shown = named.canonical;
        return;
    }
    // The first of the most frequent: the earliest game's on a tie.
    const auto best = std::max_element(named.spellings.begin(), named.spellings.end(),
                                       [](const Spelling &a, const Spelling &b) { return a.count < b.count; });
    named.shown = best != named.spellings.end() ? best->text : named.fallback.isEmpty() ? named.key : named.fallback;
}

void SeasonNames::resetCounts()
{
    for (Team &team : m_teams) {
        team.spellings.clear();
        team.count = 0;
    }
    for (Player &player : m_players) {
        player.spellings.clear();
        player.count = 0;
    }
}

void SeasonNames::settle()
{
    for (Team &team : m_teams)
        settle(team);
    for (Player &player : m_players)
        settle(player);
}

std::vector<MergeSuggestion> SeasonNames::similarNames() const
{
    struct Known
    {
        QString plain;
        const Player *player;
    };
    std::vector<MergeSuggestion> suggestions;
    std::vector<const Team *> teams;
    for (const Team &team : m_teams)
        teams.push_back(&team);
    std::sort(teams.begin(), teams.end(), [](const Team *a, const Team *b) { return a->key < b->key; });
    for (const Team *team : teams) {
        if (team->players.size() > qsizetype(MostNamesCompared))
            continue;
        std::vector<Known> players;
        for (const int id : team->players)
            if (m_players[std::size_t(id)].count > 0)
                players.push_back({accentFreeKey(m_players[std::size_t(id)].key), &m_players[std::size_t(id)]});
        std::sort(players.begin(), players.end(),
                  [](const Known &a, const Known &b) { return a.player->key < b.player->key; });
        for (std::size_t i = 0; i < players.size(); ++i) {
            for (std::size_t j = i + 1; j < players.size(); ++j) {
                if (!areSimilarNames(players[i].plain, players[j].plain))
                    continue;
                const bool firstKept = players[i].player->count >= players[j].player->count;
                const Player &kept = *(firstKept ? players[i] : players[j]).player;
                const Player &other = *(firstKept ? players[j] : players[i]).player;
                suggestions.push_back({team->shown, kept.shown, other.shown});
            }
        }
    }
    return suggestions;
}
