#include "season/SeasonCalculator.h"

#include "season/GameSifter.h"
#include "season/NameRules.h"
#include "season/SeasonNames.h"
#include "season/StandingsTable.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SeasonCalculator", text);
}

// Sorts rows by team, then name, without regard to case (then as written, for one order).
template <typename Row> void sortByTeamThenName(std::vector<Row> &rows)
{
    std::vector<std::pair<std::array<QString, 4>, std::size_t>> keys;
    keys.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        keys.push_back({{rows[i].team.toCaseFolded(), rows[i].player.toCaseFolded(), rows[i].team, rows[i].player}, i});
    std::sort(keys.begin(), keys.end());
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (const auto &key : keys)
        sorted.push_back(std::move(rows[key.second]));
    rows = std::move(sorted);
}

// Adds one batting line (a row, a game) to a larger one.
template <typename To, typename From> void addBatting(To &to, const From &from)
{
    to.hits += from.hits;
    to.doubles += from.doubles;
    to.triples += from.triples;
    to.homeRuns += from.homeRuns;
    to.rbi += from.rbi;
    to.steals += from.steals;
}

// What the names of a game stand for, kept while the game belongs to the season.
struct KnownGame
{
    std::shared_ptr<const GameRecord> record; // keeps the key's address from being reused
    std::shared_ptr<const GamePlayers> ids;
    quint64 reading; // the last reading that counted it
};
struct KnownGames
{
    QHash<const GameRecord *, KnownGame> games;
    quint64 readings = 0;
};

class Calculation
{
public:
    Calculation(SeasonNames &names, KnownGames &known, const SeasonConfig &config, std::optional<GameType> type)
        : m_names(names)
        , m_known(known)
        , m_type(type)
    {
        m_figures.seasonName = config.name;
        m_figures.type = type;
    }

    SeasonFigures run(const SeasonCalculator::Games &games, const QString &configProblem)
    {
        if (!configProblem.isEmpty())
            m_figures.checks.push_back({SeasonConfig::fileName(), {}, configProblem});
        sortAndSift(games);
        // Only a game not met before has its names looked up; all are counted again, in game order.
        const quint64 reading = ++m_known.readings;
        m_ids.reserve(m_counted.size());
        for (const auto &game : m_counted) {
            auto found = m_known.games.find(game.get());
            if (found == m_known.games.end())
                found = m_known.games.insert(game.get(), {game, std::make_shared<const GamePlayers>(name(*game)), 0});
            found->reading = reading;
            m_ids.push_back(found->ids);
        }
        // The games that are gone are forgotten.
        m_known.games.removeIf([reading](const auto &entry) { return entry.value().reading != reading; });
        m_names.resetCounts();
        for (std::size_t i = 0; i < m_counted.size(); ++i)
            countSpellings(*m_counted[i], *m_ids[i]);
        m_names.settle();
        m_batting.resize(std::size_t(m_names.playerCount()));
        m_figures.battingLog.reserve(m_counted.size() * 24);
        m_figures.pitchingLog.reserve(m_counted.size() * 6);
        m_figures.games.reserve(m_counted.size());
        m_pitching.resize(std::size_t(m_names.playerCount()));
        for (std::size_t i = 0; i < m_counted.size(); ++i)
            countGame(m_counted[i], m_ids[i]);
        standings();
        suggestions();
        finish();
        return std::move(m_figures);
    }

private:
    // A game's problem, listed with the games of the kind counted.
    void check(const GameRecord &game, const QString &row, const QString &problem)
    {
        if (counts(game))
            m_gameChecks.push_back({game.file, row, problem});
    }

    // Game order; refused files and copies of a game become checks and count no further.
    void sortAndSift(const SeasonCalculator::Games &games)
    {
        SiftedGames sifted = siftGames(games);
        m_refused = std::move(sifted.refused);
        m_counted = std::move(sifted.counted);
        for (const auto &[game, problem] : sifted.problems)
            check(*game, {}, problem);
    }

    // Numbers the game's teams and players.
    GamePlayers name(const GameRecord &game)
    {
        GamePlayers ids;
        for (Side side : Sides)
            ids.teams[std::size_t(side)] = m_names.team(game.half(side));
        for (Side side : Sides) {
            const HalfRecord &half = game.half(side);
            const int batting = ids.teams[std::size_t(side)];
            for (const BattingLine &line : half.batting)
                ids.batters[std::size_t(side)].push_back(line.key.isEmpty() ? -1 : m_names.player(batting, line.key));
            const int pitching = ids.teams[std::size_t(otherSide(side))];
            for (const PitcherLine &line : half.pitchers)
                ids.pitchers[std::size_t(side)].push_back(m_names.player(pitching, line.key));
        }
        ids.decisions = findDecisions(game, ids);
        return ids;
    }

    // Counts how the game spells its teams and players.
    void countSpellings(const GameRecord &game, const GamePlayers &ids)
    {
        for (Side side : Sides) {
            const HalfRecord &half = game.half(side);
            m_names.countTeam(ids.teams[std::size_t(side)], half.team);
            const std::vector<int> &batters = ids.batters[std::size_t(side)];
            for (std::size_t i = 0; i < half.batting.size(); ++i)
                if (batters[i] >= 0)
                    m_names.countPlayer(batters[i], half.batting[i].name);
            const std::vector<int> &pitchers = ids.pitchers[std::size_t(side)];
            for (std::size_t i = 0; i < half.pitchers.size(); ++i)
                m_names.countPlayer(pitchers[i], half.pitchers[i].name);
        }
    }

    bool counts(const GameRecord &game) const { return !m_type || game.type == *m_type; }

    void countGame(const std::shared_ptr<const GameRecord> &shared, const std::shared_ptr<const GamePlayers> &players)
    {
        const GameRecord &game = *shared;
        const GamePlayers &ids = *players;
        for (const RecordProblem &problem : game.problems)
            check(game, problem.row, problem.problem);
        const int away = ids.teams[std::size_t(Side::Away)];
        const int home = ids.teams[std::size_t(Side::Home)];
        bool standingsGame = true;
        for (Side side : Sides) {
            if (ids.teams[std::size_t(side)] < 0) {
                check(game, {},
                      tr("The %1 team has no name: the game is left out of the standings.").arg(sideWord(side)));
                standingsGame = false;
            }
        }
        if (standingsGame && away == home) {
            check(game, {},
                  tr("Both teams are called %1: the game is left out of the standings.").arg(m_names.teamName(away)));
            standingsGame = false;
        }
        if (game.finalInferred && !game.final)
            check(game, {}, tr("The game is not finished, as far as its sheet tells: not counted in the standings."));
        if (!counts(game))
            return;
        if (standingsGame && game.final)
            m_finalGames.push_back({&game, ids.teams});

        GameRow row;
        row.record = shared;
        row.players = players;
        row.file = game.file;
        row.date = game.date;
        row.number = game.details.number;
        row.type = game.type;
        row.final = game.final;
        row.away = m_names.teamName(away);
        row.home = m_names.teamName(home);
        row.awayRuns = game.half(Side::Away).runs;
        row.homeRuns = game.half(Side::Home).runs;
        row.awayHits = game.half(Side::Away).hits;
        row.homeHits = game.half(Side::Home).hits;
        row.awayInnings = game.half(Side::Away).pitchedRows;
        row.homeInnings = game.half(Side::Home).pitchedRows;
        row.result = game.result;
        m_figures.games.push_back(row);

        for (Side side : Sides) {
            countBatting(game, ids, side);
            countPitching(game, ids, side);
        }
        countDecisions(game, ids);
    }

    // side: the team at bat. A name in two rows of one game is one log row, one game.
    void countBatting(const GameRecord &game, const GamePlayers &ids, Side side)
    {
        const HalfRecord &half = game.half(side);
        const std::vector<int> &players = ids.batters[std::size_t(side)];
        const std::size_t first = m_figures.battingLog.size();
        m_logPlayers.clear();
        for (std::size_t i = 0; i < half.batting.size(); ++i) {
            const int player = players[i];
            if (player < 0)
                continue;
            const std::size_t seen = std::size_t(std::find(m_logPlayers.begin(), m_logPlayers.end(), player)
                                                 - m_logPlayers.begin());
            if (seen == m_logPlayers.size()) {
                m_logPlayers.push_back(player);
                BattingLogRow &log = m_figures.battingLog.emplace_back();
                log.game = int(m_figures.games.size()) - 1;
                log.team = ids.teams[std::size_t(side)];
                log.player = player;
                log.opponent = ids.teams[std::size_t(otherSide(side))];
                log.home = side == Side::Home;
            }
            addBatting(m_figures.battingLog[first + seen], half.batting[i]);
        }
        for (std::size_t i = 0; i < m_logPlayers.size(); ++i) {
            BattingRow &row = m_batting[std::size_t(m_logPlayers[i])];
            ++row.games;
            addBatting(row, m_figures.battingLog[first + i]);
        }
    }

    // side: the team at bat; the pitchers are the other team's.
    void countPitching(const GameRecord &game, const GamePlayers &ids, Side side)
    {
        const HalfRecord &half = game.half(side);
        const bool complete = half.completeGame();
        for (std::size_t i = 0; i < half.pitchers.size(); ++i) {
            const PitcherLine &line = half.pitchers[i];
            const int player = ids.pitchers[std::size_t(side)][i];
            PitchingRow &row = m_pitching[std::size_t(player)];
            ++row.games;
            row.starts += line.started ? 1 : 0;
            row.completeGames += complete ? 1 : 0;
            row.shutouts += complete && half.runs == 0 ? 1 : 0;
            row.innings += line.innings;
            row.hits += line.hits;
            row.runs += line.runs;
            row.earned += line.earned;
            row.walks += line.walks;
            row.strikeouts += line.strikeouts;
            PitchingLogRow log;
            log.game = int(m_figures.games.size()) - 1;
            log.player = player;
            log.team = ids.teams[std::size_t(otherSide(side))];
            log.opponent = ids.teams[std::size_t(side)];
            log.home = side == Side::Away;
            log.started = line.started;
            log.outs = 3 * line.innings;
            log.hits = line.hits;
            log.runs = line.runs;
            log.earned = line.earned;
            log.walks = line.walks;
            log.strikeouts = line.strikeouts;
            m_figures.pitchingLog.push_back(log);
        }
    }

    // The win and the save go to a pitcher of the winning team, the loss to one of the
    // losing team, found by name among that team's pitchers in that game.
    static constexpr int NoDecision = GamePlayers::NoDecision;
    static constexpr int NoSuchPitcher = GamePlayers::NoSuchPitcher;
    struct Decision
    {
        const QString &name;
        Side team;
        int PitchingRow::*count;
        const char *what;
    };
    static std::array<Decision, 3> decisionsOf(const GameRecord &game)
    {
        const Side winner = game.result == GameResult::Home ? Side::Home : Side::Away;
        const GameDetails &details = game.details;
        return {{
            {details.win, winner, &PitchingRow::wins, QT_TRANSLATE_NOOP("SeasonCalculator", "win")},
            {details.loss, otherSide(winner), &PitchingRow::losses, QT_TRANSLATE_NOOP("SeasonCalculator", "loss")},
            {details.save, winner, &PitchingRow::saves, QT_TRANSLATE_NOOP("SeasonCalculator", "save")},
        }};
    }

    // The pitchers the decisions name, once per game: NoDecision, NoSuchPitcher or a player.
    std::array<int, 3> findDecisions(const GameRecord &game, const GamePlayers &ids)
    {
        std::array<int, 3> found{NoDecision, NoDecision, NoDecision};
        const std::array<Decision, 3> decisions = decisionsOf(game);
        for (std::size_t i = 0; i < decisions.size(); ++i) {
            const QString key = nameKey(decisions[i].name);
            if (key.isEmpty())
                continue;
            // A team's pitchers stand in the inning rows of the other team's half.
            const std::vector<int> &pitchers = ids.pitchers[std::size_t(otherSide(decisions[i].team))];
            const int wanted = m_names.knownPlayer(ids.teams[std::size_t(decisions[i].team)], key);
            const bool pitched = wanted >= 0 && std::find(pitchers.begin(), pitchers.end(), wanted) != pitchers.end();
            found[i] = pitched ? wanted : NoSuchPitcher;
        }
        return found;
    }

    void countDecisions(const GameRecord &game, const GamePlayers &ids)
    {
        if (std::all_of(ids.decisions.begin(), ids.decisions.end(), [](int id) { return id == NoDecision; }))
            return;
        if (game.result != GameResult::Away && game.result != GameResult::Home) {
            check(game, {}, tr("The game has pitchers' decisions but no winner: they count for nobody."));
            return;
        }
        const std::array<Decision, 3> decisions = decisionsOf(game);
        for (std::size_t i = 0; i < decisions.size(); ++i) {
            const int pitcher = ids.decisions[i];
            if (pitcher == NoSuchPitcher)
                check(game, {},
                      tr("The %1 goes to %2, who did not pitch for %3 in this game: it counts for nobody.")
                          .arg(tr(decisions[i].what), cleanName(decisions[i].name),
                               m_names.teamName(ids.teams[std::size_t(decisions[i].team)])));
            else if (pitcher >= 0)
                m_pitching[std::size_t(pitcher)].*decisions[i].count += 1;
        }
    }

    void standings()
    {
        StandingsTable table(m_names.teamCount());
        for (const auto &[game, teams] : m_finalGames)
            table.addFinalGame(*game, teams);
        m_figures.standings = table.rows(m_names);
    }

    void suggestions()
    {
        for (const MergeSuggestion &suggestion : m_names.similarNames()) {
            m_figures.suggestions.push_back(suggestion);
            m_figures.checks.push_back({{},
                                        {},
                                        tr("%1: \"%2\" and \"%3\" may be the same player.")
                                            .arg(suggestion.team, suggestion.name, suggestion.other)});
        }
        m_figures.merged = m_names.mergedNames();
    }

    void finish()
    {
        m_figures.checks.insert(m_figures.checks.end(), m_refused.begin(), m_refused.end());
        m_figures.checks.insert(m_figures.checks.end(), m_gameChecks.begin(), m_gameChecks.end());
        for (int player = 0; player < m_names.playerCount(); ++player) {
            const QString team = m_names.teamName(m_names.teamOf(player));
            BattingRow &batting = m_batting[std::size_t(player)];
            if (batting.games > 0) {
                batting.id = player;
                batting.player = m_names.playerName(player);
                batting.team = team;
                m_figures.batting.push_back(batting);
            }
            PitchingRow &pitching = m_pitching[std::size_t(player)];
            if (pitching.games > 0) {
                pitching.id = player;
                pitching.player = m_names.playerName(player);
                pitching.team = team;
                m_figures.pitching.push_back(pitching);
            }
        }
        sortByTeamThenName(m_figures.batting);
        sortByTeamThenName(m_figures.pitching);
        m_figures.teamNames.reserve(std::size_t(m_names.teamCount()));
        for (int team = 0; team < m_names.teamCount(); ++team)
            m_figures.teamNames.push_back(m_names.teamName(team));
        m_figures.playerNames.reserve(std::size_t(m_names.playerCount()));
        for (int player = 0; player < m_names.playerCount(); ++player)
            m_figures.playerNames.push_back(m_names.playerName(player));
        for (int team = 0; team < m_names.teamCount(); ++team)
            if (!m_names.teamName(team).isEmpty() && (m_names.isCounted(team) || m_names.isListed(team)))
                m_figures.teams << m_names.teamName(team);
        std::sort(m_figures.teams.begin(), m_figures.teams.end(), [](const QString &a, const QString &b) {
            return std::pair(a.toCaseFolded(), a) < std::pair(b.toCaseFolded(), b);
        });
    }

    SeasonNames &m_names;
    KnownGames &m_known;
    std::optional<GameType> m_type;
    SeasonFigures m_figures;
    std::vector<CheckRow> m_refused;
    std::vector<CheckRow> m_gameChecks;                                          // in game order
    SeasonCalculator::Games m_counted;                                           // in game order, copies left out
    std::vector<std::shared_ptr<const GamePlayers>> m_ids;                       // of m_counted
    std::vector<std::pair<const GameRecord *, std::array<int, 2>>> m_finalGames; // of the kind counted, in order
    std::vector<BattingRow> m_batting;                                           // by player
    std::vector<int> m_logPlayers;       // the players of the half being counted
    std::vector<PitchingRow> m_pitching; // by player
};

} // namespace

struct SeasonCalculator::Memory
{
    explicit Memory(const SeasonConfig &config)
        : config(config)
        , names(config)
    {
    }

    SeasonConfig config;
    SeasonNames names;
    KnownGames known;
};

SeasonCalculator::SeasonCalculator(const SeasonConfig &config)
    : m_memory(std::make_unique<Memory>(config))
{
}

SeasonCalculator::~SeasonCalculator() = default;

const SeasonConfig &SeasonCalculator::config() const
{
    return m_memory->config;
}

SeasonFigures SeasonCalculator::recompute(const Games &games, const QString &configProblem,
                                          std::optional<GameType> type)
{
    return Calculation(m_memory->names, m_memory->known, m_memory->config, type).run(games, configProblem);
}

SeasonFigures SeasonCalculator::compute(const Games &games, const SeasonConfig &config, const QString &configProblem,
                                        std::optional<GameType> type)
{
    return SeasonCalculator(config).recompute(games, configProblem, type);
}
