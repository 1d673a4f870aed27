#include "season/SeasonLeaders.h"

#include "season/SeasonCsv.h"
#include "season/SeasonFigures.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SeasonLeaders", text);
}

// A player's figure as an exact fraction (den > 0), with its shown text.
struct Candidate
{
    int player = -1;
    QString name, team;
    qint64 num = 0, den = 1;
    QString shown;
    LeaderEntry extra; // a streak's dates and games
};

enum class Better { Higher, Lower };

LeaderBoard rank(const char *id, const QString &title, std::vector<Candidate> candidates, Better better)
{
    const auto folded = [](const Candidate &c) { return std::pair(c.name.toCaseFolded(), c.team.toCaseFolded()); };
    std::sort(candidates.begin(), candidates.end(), [&](const Candidate &a, const Candidate &b) {
        // a.num / a.den against b.num / b.den without rounding; the figures stay far inside 64 bits.
        const qint64 left = a.num * b.den;
        const qint64 right = b.num * a.den;
        if (left != right)
            return better == Better::Higher ? left > right : left < right;
        return folded(a) < folded(b);
    });
    LeaderBoard board{QString::fromLatin1(id), title, {}};
    std::size_t at = 0;
    while (at < candidates.size()) {
        const int place = int(at) + 1;
        if (place > SeasonLeaders::Places)
            break;
        std::size_t end = at + 1;
        while (end < candidates.size() && candidates[end].shown == candidates[at].shown)
            ++end;
        if (board.entries.size() + (end - at) > std::size_t(SeasonLeaders::Places) && end - at > 1) {
            LeaderEntry tied;
            tied.rank = place;
            tied.tiedPlayers = int(end - at);
            tied.value = candidates[at].shown;
            board.entries.push_back(tied);
            break;
        }
        for (std::size_t i = at; i < end; ++i) {
            LeaderEntry entry = candidates[i].extra;
            entry.rank = place;
            entry.player = candidates[i].player;
            entry.name = candidates[i].name;
            entry.team = candidates[i].team;
            entry.value = candidates[i].shown;
            board.entries.push_back(entry);
        }
        at = end;
    }
    return board;
}

Candidate count(int player, const QString &name, const QString &team, qint64 value)
{
    return {player, name, team, value, 1, QString::number(value), {}};
}

// A board of counts (hitters' or pitchers'): what (id, title, figure) holds for each board.
template <typename Row, std::size_t N>
void countBoards(const std::vector<Row> &rows,
                 const std::array<std::tuple<const char *, const char *, qint64 (*)(const Row &)>, N> &what,
                 std::vector<LeaderBoard> &boards)
{
    for (const auto &[id, title, figure] : what) {
        std::vector<Candidate> candidates;
        for (const Row &row : rows)
            if (figure(row) > 0)
                candidates.push_back(count(row.id, row.player, row.team, figure(row)));
        boards.push_back(rank(id, tr(title), std::move(candidates), Better::Higher));
    }
}

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : tr("date not known");
}

class Leaders
{
public:
    explicit Leaders(const SeasonFigures &figures)
        : m_figures(figures)
    {
    }

    SeasonLeaders compute()
    {
        SeasonLeaders leaders;
        batting(leaders);
        pitching(leaders);
        games(leaders);
        return leaders;
    }

private:
    void batting(SeasonLeaders &leaders) const
    {
        const std::array<std::tuple<const char *, const char *, qint64 (*)(const BattingRow &)>, 8> boards = {{
            {"H", QT_TRANSLATE_NOOP("SeasonLeaders", "Hits"), [](const BattingRow &r) { return r.hits; }},
            {"2B", QT_TRANSLATE_NOOP("SeasonLeaders", "Doubles"), [](const BattingRow &r) { return r.doubles; }},
            {"3B", QT_TRANSLATE_NOOP("SeasonLeaders", "Triples"), [](const BattingRow &r) { return r.triples; }},
            {"HR", QT_TRANSLATE_NOOP("SeasonLeaders", "Home runs"), [](const BattingRow &r) { return r.homeRuns; }},
            {"TB", QT_TRANSLATE_NOOP("SeasonLeaders", "Total bases"),
             [](const BattingRow &r) { return r.totalBases(); }},
            {"XBH", QT_TRANSLATE_NOOP("SeasonLeaders", "Extra-base hits"),
             [](const BattingRow &r) { return r.extraBaseHits(); }},
            {"RBI", QT_TRANSLATE_NOOP("SeasonLeaders", "Runs batted in"), [](const BattingRow &r) { return r.rbi; }},
            {"SB", QT_TRANSLATE_NOOP("SeasonLeaders", "Stolen bases"), [](const BattingRow &r) { return r.steals; }},
        }};
        countBoards(m_figures.batting, boards, leaders.batting);
    }

    void pitching(SeasonLeaders &leaders) const
    {
        // Every game of the kind counted, as the statistics count them.
        QHash<QString, qint64> teamGames;
        for (const GameRow &game : m_figures.games) {
            teamGames[game.away] += 1;
            if (game.home != game.away)
                teamGames[game.home] += 1;
        }
        struct Rate
        {
            const char *id;
            const char *title;
            Better better;
            qint64 (*amount)(const PitchingRow &);
        };
        const std::array<Rate, 3> rates = {{
            {"ERA", QT_TRANSLATE_NOOP("SeasonLeaders", "Earned run average"), Better::Lower,
             [](const PitchingRow &r) { return 9 * r.earned; }},
            {"WHIP", QT_TRANSLATE_NOOP("SeasonLeaders", "Walks and hits per inning"), Better::Lower,
             [](const PitchingRow &r) { return r.hits + r.walks; }},
            {"K9", QT_TRANSLATE_NOOP("SeasonLeaders", "Strikeouts per nine innings"), Better::Higher,
             [](const PitchingRow &r) { return 9 * r.strikeouts; }},
        }};
        for (const Rate &rate : rates) {
            std::vector<Candidate> candidates;
            for (const PitchingRow &row : m_figures.pitching) {
                if (row.innings <= 0 || row.innings < teamGames.value(row.team))
                    continue;
                const qint64 amount = rate.amount(row);
                candidates.push_back(
                    {row.id, row.player, row.team, amount, row.innings, SeasonCsv::ratio(amount, row.innings, 2), {}});
            }
            leaders.pitching.push_back(rank(rate.id, tr(rate.title), std::move(candidates), rate.better));
        }
        const std::array<std::tuple<const char *, const char *, qint64 (*)(const PitchingRow &)>, 4> counts = {{
            {"SO", QT_TRANSLATE_NOOP("SeasonLeaders", "Strikeouts"), [](const PitchingRow &r) { return r.strikeouts; }},
            {"IP", QT_TRANSLATE_NOOP("SeasonLeaders", "Innings pitched"),
             [](const PitchingRow &r) { return r.innings; }},
            {"CG", QT_TRANSLATE_NOOP("SeasonLeaders", "Complete games"),
             [](const PitchingRow &r) { return qint64(r.completeGames); }},
            {"SHO", QT_TRANSLATE_NOOP("SeasonLeaders", "Shutouts"),
             [](const PitchingRow &r) { return qint64(r.shutouts); }},
        }};
        countBoards(m_figures.pitching, counts, leaders.pitching);
    }

    // Streaks and multi-hit games, from the batting log.
    void games(SeasonLeaders &leaders) const
    {
        const std::size_t teams = m_figures.teamNames.size();
        std::vector<std::vector<int>> teamGames(teams); // by team, in game order
        for (std::size_t game = 0; game < m_figures.games.size(); ++game) {
            const GamePlayers *ids = m_figures.games[game].players.get();
            if (!ids)
                continue;
            for (int team : ids->teams)
                if (team >= 0 && std::size_t(team) < teams
                    && (teamGames[std::size_t(team)].empty() || teamGames[std::size_t(team)].back() != int(game)))
                    teamGames[std::size_t(team)].push_back(int(game));
        }
        std::vector<std::vector<const BattingLogRow *>> byPlayer(m_figures.playerNames.size());
        for (const BattingLogRow &row : m_figures.battingLog)
            if (row.player >= 0 && std::size_t(row.player) < byPlayer.size())
                byPlayer[std::size_t(row.player)].push_back(&row);

        std::vector<Candidate> streaks;
        std::vector<Candidate> multiHit;
        for (std::size_t player = 0; player < byPlayer.size(); ++player) {
            const std::vector<const BattingLogRow *> &rows = byPlayer[player];
            if (rows.empty() || rows.front()->team < 0 || std::size_t(rows.front()->team) >= teams)
                continue;
            const QString &name = m_figures.playerNames[player];
            const QString &team = m_figures.teamNames[std::size_t(rows.front()->team)];
            const qint64 multi = std::count_if(rows.begin(), rows.end(), [](const auto *r) { return r->hits >= 2; });
            if (multi > 0)
                multiHit.push_back(count(int(player), name, team, multi));
            if (const std::optional<Candidate> streak = longestStreak(int(player), rows, teamGames))
                streaks.push_back(*streak);
        }
        leaders.hittingStreaks = rank("Streak", tr("Hitting streaks"), std::move(streaks), Better::Higher);
        leaders.multiHitGames = rank("MH", tr("Multi-hit games"), std::move(multiHit), Better::Higher);
    }

    std::optional<Candidate> longestStreak(int player, const std::vector<const BattingLogRow *> &rows,
                                           const std::vector<std::vector<int>> &teamGames) const
    {
        const std::vector<int> &games = teamGames[std::size_t(rows.front()->team)];
        int best = 0, bestFirst = -1, bestLast = -1;
        int length = 0, first = -1;
        std::size_t next = 0;
        for (int game : games) {
            while (next < rows.size() && rows[next]->game < game)
                ++next;
            const bool hit = next < rows.size() && rows[next]->game == game && rows[next]->hits > 0;
            if (!hit) {
                length = 0;
                continue;
            }
            if (length++ == 0)
                first = game;
            if (length > best) {
                best = length;
                bestFirst = first;
                bestLast = game;
            }
        }
        if (best == 0)
            return std::nullopt;
        Candidate streak = count(player, m_figures.playerNames[std::size_t(player)],
                                 m_figures.teamNames[std::size_t(rows.front()->team)], best);
        streak.extra.firstGame = bestFirst;
        streak.extra.lastGame = bestLast;
        streak.extra.current = !games.empty() && bestLast == games.back();
        streak.extra.detail = tr("%1 to %2")
                                  .arg(dateText(m_figures.games[std::size_t(bestFirst)].date),
                                       dateText(m_figures.games[std::size_t(bestLast)].date));
        return streak;
    }

    const SeasonFigures &m_figures;
};

} // namespace

SeasonLeaders SeasonLeaders::compute(const SeasonFigures &figures)
{
    return Leaders(figures).compute();
}
