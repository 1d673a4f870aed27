#include "season/BoxScore.h"

#include "scoresheet/SheetColumns.h"
#include "season/NameRules.h"
#include "season/SeasonFigures.h"
#include "season/TextTable.h"

#include <QCoreApplication>

#include <algorithm>
#include <functional>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("BoxScore", text);
}

constexpr int LongestName = 30;

// How names are shown: the team's, a hitter's (by side and line) and a pitcher's (by the
// half he faced and his place in it).
struct Names
{
    std::function<QString(Side)> team;
    std::function<QString(Side, std::size_t)> hitter;
    std::function<QString(Side, std::size_t)> pitcher;
};

int lastBattedInning(const HalfRecord &half)
{
    for (int row = SheetColumn::InningRows; row >= 1; --row)
        if (half.innings[std::size_t(row)].pitched)
            return row;
    return 0;
}

// The extra-base hits and steals of a team's hitters: "2B: Ito (1); HR: Jay (2)".
QString extraNotes(const std::vector<BoxScore::Hitter> &hitters, const std::function<QString(const QString &)> &shown)
{
    static const std::array<std::pair<const char *, int BoxScore::Hitter::*>, 4> Kinds = {{
        {"2B", &BoxScore::Hitter::doubles},
        {"3B", &BoxScore::Hitter::triples},
        {"HR", &BoxScore::Hitter::homeRuns},
        {"SB", &BoxScore::Hitter::steals},
    }};
    QStringList parts;
    for (const auto &[label, count] : Kinds) {
        // One entry a name, in the order the names first stand on the sheet.
        std::vector<std::pair<QString, int>> byName;
        for (const BoxScore::Hitter &hitter : hitters) {
            if (hitter.*count == 0)
                continue;
            const QString name = hitter.name.isEmpty() ? tr("(no name)") : hitter.name;
            const auto found = std::find_if(byName.begin(), byName.end(),
                                            [&](const auto &e) { return e.first == name; });
            if (found == byName.end())
                byName.push_back({name, hitter.*count});
            else
                found->second += hitter.*count;
        }
        if (byName.empty())
            continue;
        QStringList entries;
        for (const auto &[name, n] : byName)
            entries << QStringLiteral("%1 (%2)").arg(shown(name), QString::number(n));
        parts << QStringLiteral("%1: %2").arg(QLatin1String(label), entries.join(QStringLiteral(", ")));
    }
    return parts.join(QStringLiteral("; "));
}

BoxScore build(const GameRecord &record, const Names &names, const std::array<int, 3> &decisionIds,
               const std::array<std::vector<int>, 2> *pitcherIds)
{
    BoxScore box;
    box.file = record.file;
    box.date = record.date;
    box.number = record.details.number;
    box.type = record.type;
    box.final = record.final;
    box.result = record.result;
    box.notes = record.details.notes;
    const std::array<int, 2> last = {lastBattedInning(record.half(Side::Away)),
                                     lastBattedInning(record.half(Side::Home))};
    box.innings = std::max({9, last[0], last[1]});
    const bool homeWon = record.final && record.result == GameResult::Home;
    const Side winner = record.result == GameResult::Home ? Side::Home : Side::Away;
    const bool decided = record.result == GameResult::Away || record.result == GameResult::Home;

    for (Side side : Sides) {
        const HalfRecord &half = record.half(side);
        BoxScore::Team &team = box.teams[std::size_t(side)];
        team.name = names.team(side);
        if (team.name.trimmed().isEmpty())
            team.name = sideName(side); // a sheet whose team is not named yet
        team.runs = half.runs;
        team.hits = half.hits;
        for (int row = 1; row <= box.innings; ++row) {
            if (row <= last[std::size_t(side)])
                team.innings << QString::number(half.innings[std::size_t(row)].runs);
            else if (side == Side::Home && homeWon && row <= last[0])
                team.innings << QStringLiteral("x");
            else
                team.innings << QString();
        }
        for (std::size_t i = 0; i < half.batting.size(); ++i) {
            const BattingLine &line = half.batting[i];
            const BoxScore::Hitter hitter{names.hitter(side, i), line.hits,     line.rbi,   line.doubles,
                                          line.triples,          line.homeRuns, line.steals};
            team.hitters.push_back(hitter);
            team.totals.hits += hitter.hits;
            team.totals.rbi += hitter.rbi;
            team.totals.doubles += hitter.doubles;
            team.totals.triples += hitter.triples;
            team.totals.homeRuns += hitter.homeRuns;
            team.totals.steals += hitter.steals;
        }
        team.notes = extraNotes(team.hitters, [](const QString &name) { return name; });

        // A team's pitchers stand in the inning rows of the other team's half.
        const Side faced = otherSide(side);
        const HalfRecord &other = record.half(faced);
        for (std::size_t i = 0; i < other.pitchers.size(); ++i) {
            const PitcherLine &line = other.pitchers[i];
            BoxScore::Pitcher
                pitcher{names.pitcher(faced, i), {}, line.innings, line.hits, line.runs, line.earned, line.walks,
                        line.strikeouts};
            if (decided) {
                const std::array<std::pair<Side, const char *>, 3> kinds = {
                    {{winner, "W"}, {otherSide(winner), "L"}, {winner, "S"}}};
                for (std::size_t d = 0; d < kinds.size(); ++d) {
                    if (kinds[d].first != side)
                        continue;
                    const bool his = pitcherIds
                                         ? decisionIds[d] >= 0 && (*pitcherIds)[std::size_t(faced)][i] == decisionIds[d]
                                         : decisionIds[d] == int(i);
                    if (his && pitcher.decision.isEmpty())
                        pitcher.decision = QLatin1String(kinds[d].second);
                }
            }
            team.pitchers.push_back(pitcher);
        }
    }
    return box;
}

QString numberText(int value)
{
    return QString::number(value);
}

} // namespace

BoxScore BoxScore::fromRecord(const GameRecord &record)
{
    const Names names{
        [&](Side side) { return record.half(side).team; },
        [&](Side side, std::size_t i) { return record.half(side).batting[i].name; },
        [&](Side side, std::size_t i) { return record.half(side).pitchers[i].name; },
    };
    // Without a season a decision is found by the name as written, among the pitchers of
    // the team it goes to.
    std::array<int, 3> decisions{-1, -1, -1};
    const Side winner = record.result == GameResult::Home ? Side::Home : Side::Away;
    const std::array<std::pair<const QString *, Side>, 3> named = {
        {{&record.details.win, winner}, {&record.details.loss, otherSide(winner)}, {&record.details.save, winner}}};
    for (std::size_t d = 0; d < named.size(); ++d) {
        const QString key = nameKey(*named[d].first);
        const std::vector<PitcherLine> &pitchers = record.half(otherSide(named[d].second)).pitchers;
        for (std::size_t i = 0; i < pitchers.size() && !key.isEmpty(); ++i)
            if (pitchers[i].key == key)
                decisions[d] = int(i);
    }
    return build(record, names, decisions, nullptr);
}

BoxScore BoxScore::fromSeason(const SeasonFigures &figures, std::size_t game)
{
    const GameRow &row = figures.games.at(game);
    const GameRecord &record = *row.record;
    const GamePlayers &ids = *row.players;
    const auto player = [&](int id, const QString &written) {
        return id >= 0 && std::size_t(id) < figures.playerNames.size() ? figures.playerNames[std::size_t(id)] : written;
    };
    const Names names{
        [&](Side side) { return side == Side::Away ? row.away : row.home; },
        [&](Side side, std::size_t i) {
            return player(ids.batters[std::size_t(side)][i], record.half(side).batting[i].name);
        },
        [&](Side side, std::size_t i) {
            return player(ids.pitchers[std::size_t(side)][i], record.half(side).pitchers[i].name);
        },
    };
    return build(record, names, ids.decisions, &ids.pitchers);
}

QString BoxScore::headline() const
{
    // One pass over the pattern: a name holding "%2" stays as written.
    return tr("%1 %2, %3 %4")
        .arg(team(Side::Away).name, QString::number(team(Side::Away).runs), team(Side::Home).name,
             QString::number(team(Side::Home).runs));
}

QString BoxScore::details() const
{
    QStringList parts;
    parts << (date.isValid() ? date.toString(Qt::ISODate) : tr("date not known"));
    if (number)
        parts << tr("game %1").arg(*number);
    switch (type) {
    case GameType::Regular:
        parts << tr("regular season");
        break;
    case GameType::Postseason:
        parts << tr("postseason");
        break;
    case GameType::Exhibition:
        parts << tr("exhibition");
        break;
    }
    parts << (final ? tr("final") : tr("not finished"));
    return parts.join(QStringLiteral(", "));
}

QString BoxScore::toText() const
{
    const auto name = [](const QString &text) { return TextTable::isolated(TextTable::fitted(text, LongestName)); };
    const Team &away = team(Side::Away);
    const Team &home = team(Side::Home);
    QStringList lines{tr("%1 %2, %3 %4")
                          .arg(name(away.name), QString::number(away.runs), name(home.name),
                               QString::number(home.runs)),
                      details(), QString()};

    std::vector<TextTable::Align> linescoreColumns(std::size_t(innings) + 3, TextTable::Align::Right);
    linescoreColumns.front() = TextTable::Align::Left;
    TextTable linescore(linescoreColumns);
    QStringList header{QString()};
    for (int inning = 1; inning <= innings; ++inning)
        header << QString::number(inning);
    linescore.addRow(header << QStringLiteral(" R") << QStringLiteral("H"));
    for (Side side : Sides) {
        const Team &t = team(side);
        linescore.addRow(QStringList{name(t.name)} << t.innings << QStringLiteral(" %1").arg(t.runs)
                                                   << numberText(t.hits));
    }
    lines << linescore.lines() << QString();

    const std::vector<TextTable::Align> figures(7, TextTable::Align::Right);
    std::vector<TextTable::Align> columns = figures;
    columns.front() = TextTable::Align::Left;
    for (Side side : Sides) {
        const Team &t = team(side);
        TextTable hitting(columns);
        hitting.addRow({name(t.name), tr("H"), tr("RBI"), tr("2B"), tr("3B"), tr("HR"), tr("SB")});
        const auto add = [&](const QString &who, const Hitter &h) {
            hitting.addRow({who, numberText(h.hits), numberText(h.rbi), numberText(h.doubles), numberText(h.triples),
                            numberText(h.homeRuns), numberText(h.steals)});
        };
        for (const Hitter &hitter : t.hitters)
            add(name(hitter.name.isEmpty() ? tr("(no name)") : hitter.name), hitter);
        add(tr("Totals"), t.totals);
        lines << hitting.lines();
        if (!t.notes.isEmpty())
            lines << extraNotes(t.hitters, name);
        lines << QString();
    }
    for (Side side : Sides) {
        const Team &t = team(side);
        TextTable pitching(columns);
        pitching.addRow(
            {tr("%1 pitching").arg(name(t.name)), tr("IP"), tr("H"), tr("R"), tr("ER"), tr("BB"), tr("SO")});
        for (const Pitcher &p : t.pitchers)
            pitching.addRow({p.decision.isEmpty() ? name(p.name) : tr("%1 (%2)").arg(name(p.name), p.decision),
                             numberText(p.innings), numberText(p.hits), numberText(p.runs), numberText(p.earned),
                             numberText(p.walks), numberText(p.strikeouts)});
        lines << pitching.lines() << QString();
    }
    if (!notes.isEmpty())
        lines << tr("Notes: %1").arg(notes);
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines.join(u'\n') + u'\n';
}
