#include "season/GameRecord.h"

#include "scoresheet/GameFile.h"
#include "scoresheet/NumberText.h"
#include "scoresheet/ScoresheetOverflow.h"
#include "season/NameRules.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

constexpr int RecordCount = int(Record::Team) + 1;
constexpr int Rows = SheetColumn::InningRows + 1; // rows 0..14; batting uses 1..12

QString tr(const char *text)
{
    return QCoreApplication::translate("GameRecord", text);
}

QString battingRow(Side side, int row)
{
    return tr("%1 batting, row %2").arg(sideName(side)).arg(row);
}

QString inningRow(Side side, int row)
{
    return tr("%1 inning %2").arg(sideName(side)).arg(row);
}

bool isBlank(QStringView text)
{
    return text.trimmed().isEmpty();
}

// The entered texts of one half by what they record and the row the user sees them in.
struct HalfTexts
{
    std::array<std::array<QStringView, Rows>, RecordCount> cells{};
    std::array<std::array<const SheetColumn *, Rows>, RecordCount> columns{};
    std::array<std::array<int, Rows>, RecordCount> indexes{};

    QStringView text(Record record, int row) const { return cells[std::size_t(record)][std::size_t(row)]; }
};

class HalfReader
{
public:
    HalfReader(const HalfTexts &texts, Side side, HalfRecord &half, std::vector<RecordProblem> &problems)
        : m_texts(texts)
        , m_side(side)
        , m_half(half)
        , m_problems(problems)
    {
    }

    void read()
    {
        m_half.team = cleanName(m_texts.text(Record::Team, 0));
        m_half.teamKey = nameKey(m_half.team);
        readBatting();
        readInnings();
        if (m_half.battingHits != m_half.hits)
            problem(tr("%1 half").arg(sideName(m_side)),
                    tr("The hitters are credited with %1 hits, the inning rows give %2.")
                        .arg(m_half.battingHits)
                        .arg(m_half.hits));
        if (m_half.rbi > m_half.runs)
            problem(tr("%1 half").arg(sideName(m_side)),
                    tr("The hitters drove in %1 runs, more than the %2 the team scored.")
                        .arg(m_half.rbi)
                        .arg(m_half.runs));
    }

private:
    void problem(const QString &row, const QString &text) { m_problems.push_back({row, text}); }

    // The sheet's reading of one field: a field it cannot count is told and counts 0.
    int number(Record record, int row)
    {
        const QStringView text = m_texts.text(record, row);
        if (text.isEmpty())
            return 0;
        try {
            return roundToInteger(textValue(text));
        } catch (const ScoresheetOverflow &overflow) {
            const SheetColumn &column = *m_texts.columns[std::size_t(record)][std::size_t(row)];
            problem(describeField(column, m_side, m_texts.indexes[std::size_t(record)][std::size_t(row)]),
                    tr("Not counted: %1").arg(overflow.message()));
            return 0;
        }
    }

    bool anyWritten(std::initializer_list<Record> records, int row) const
    {
        return std::any_of(records.begin(), records.end(),
                           [&](Record record) { return !isBlank(m_texts.text(record, row)); });
    }

    void readBatting()
    {
        static constexpr std::initializer_list<Record> Numbers = {Record::Hits,     Record::RunsBattedIn,
                                                                  Record::Doubles,  Record::Triples,
                                                                  Record::HomeRuns, Record::StolenBases};
        for (int row = 1; row <= SheetColumn::BattingRows; ++row) {
            const QStringView name = m_texts.text(Record::Hitter, row);
            const bool numbers = anyWritten(Numbers, row);
            if (isBlank(name) && !numbers)
                continue;
            BattingLine line;
            line.row = row;
            line.name = cleanName(name);
            line.key = nameKey(line.name);
            line.hits = number(Record::Hits, row);
            line.rbi = number(Record::RunsBattedIn, row);
            line.doubles = number(Record::Doubles, row);
            line.triples = number(Record::Triples, row);
            line.homeRuns = number(Record::HomeRuns, row);
            line.steals = number(Record::StolenBases, row);
            m_half.battingHits += line.hits;
            m_half.rbi += line.rbi;
            if (line.doubles + line.triples + line.homeRuns > line.hits)
                problem(battingRow(m_side, row), tr("2B + 3B + HR (%1) is more than H (%2).")
                                                     .arg(line.doubles + line.triples + line.homeRuns)
                                                     .arg(line.hits));
            if (line.name.isEmpty())
                problem(battingRow(m_side, row),
                        tr("Numbers without a hitter's name: counted for the team, not for a player."));
            m_half.batting.push_back(std::move(line));
        }
    }

    void readInnings()
    {
        static constexpr std::initializer_list<Record> Line = {Record::Runs, Record::EarnedRuns, Record::HitsAllowed,
                                                               Record::Strikeouts, Record::Walks};
        int current = -1;
        QHash<QString, int> byKey;
        for (int row = 1; row <= SheetColumn::InningRows; ++row) {
            InningLine &inning = m_half.innings[std::size_t(row)];
            const QStringView name = m_texts.text(Record::Pitcher, row);
            if (!isBlank(name)) {
                const QString clean = cleanName(name);
                const QString key = nameKey(clean);
                const auto found = byKey.constFind(key);
                if (found != byKey.constEnd()) {
                    current = *found;
                } else {
                    // Known by index from here; listed when he first pitches.
                    current = int(m_half.pitchers.size());
                    byKey.insert(key, current);
                    m_half.pitchers.push_back({clean, key});
                }
            }
            inning.pitcher = current;
            inning.pitched = anyWritten(Line, row);
            inning.runs = number(Record::Runs, row);
            inning.earned = number(Record::EarnedRuns, row);
            inning.hits = number(Record::HitsAllowed, row);
            inning.strikeouts = number(Record::Strikeouts, row);
            inning.walks = number(Record::Walks, row);
            m_half.runs += inning.runs;
            m_half.hits += inning.hits;
            if (inning.earned > inning.runs)
                problem(inningRow(m_side, row), tr("ER (%1) is more than R (%2).").arg(inning.earned).arg(inning.runs));
            if (!inning.pitched)
                continue;
            ++m_half.pitchedRows;
            if (current < 0) {
                ++m_half.unnamedRows;
                problem(inningRow(m_side, row),
                        tr("A pitched inning without a pitcher's name: counted for the team, not for a player."));
                continue;
            }
            PitcherLine &pitcher = m_half.pitchers[std::size_t(current)];
            if (m_half.pitchedRows == 1)
                pitcher.started = true;
            ++pitcher.innings;
            pitcher.hits += inning.hits;
            pitcher.runs += inning.runs;
            pitcher.earned += inning.earned;
            pitcher.walks += inning.walks;
            pitcher.strikeouts += inning.strikeouts;
        }
        dropPitchersWhoNeverPitched();
    }

    // A name over rows that were never pitched is no pitcher of this game; the order of
    // the others is the order in which they first pitched.
    void dropPitchersWhoNeverPitched()
    {
        std::vector<int> firstRow(m_half.pitchers.size(), Rows);
        for (int row = SheetColumn::InningRows; row >= 1; --row) {
            const InningLine &inning = m_half.innings[std::size_t(row)];
            if (inning.pitched && inning.pitcher >= 0)
                firstRow[std::size_t(inning.pitcher)] = row;
        }
        std::vector<int> order;
        for (int i = 0; i < int(m_half.pitchers.size()); ++i)
            if (firstRow[std::size_t(i)] < Rows)
                order.push_back(i);
        std::sort(order.begin(), order.end(),
                  [&](int a, int b) { return firstRow[std::size_t(a)] < firstRow[std::size_t(b)]; });
        std::vector<int> newIndex(m_half.pitchers.size(), -1);
        std::vector<PitcherLine> kept;
        for (int i : order) {
            newIndex[std::size_t(i)] = int(kept.size());
            kept.push_back(std::move(m_half.pitchers[std::size_t(i)]));
        }
        m_half.pitchers = std::move(kept);
        for (InningLine &inning : m_half.innings)
            if (inning.pitcher >= 0)
                inning.pitcher = inning.pitched ? newIndex[std::size_t(inning.pitcher)] : -1;
    }

    const HalfTexts &m_texts;
    Side m_side;
    HalfRecord &m_half;
    std::vector<RecordProblem> &m_problems;
};

bool inferredFinal(const HalfRecord &away, const HalfRecord &home)
{
    if (away.pitchedRows < 9 || away.runs == home.runs)
        return false;
    return home.pitchedRows >= away.pitchedRows || (home.pitchedRows == away.pitchedRows - 1 && home.runs > away.runs);
}

} // namespace

GameRecord GameRecord::read(const OpenedGame &game, const QString &file)
{
    GameRecord record;
    record.file = file;
    if (!game.ok()) {
        record.refusal = game.error;
        return record;
    }
    std::array<HalfTexts, 2> texts;
    quint64 first = 0x9e3779b97f4a7c15ULL;
    quint64 second = 0x2545f4914f6cdd1dULL;
    const QMap<QString, QString> &fields = game.snapshot->texts;
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        first = qHash(it.value(), qHash(it.key(), first));
        second = qHash(it.value(), qHash(it.key(), second) ^ 0x5bd1e995u);
        const std::optional<FieldAddress> address = findField(it.key());
        if (!address || address->column->kind != Kind::Entered || (address->column->array && address->index == 0))
            continue;
        const std::size_t what = std::size_t(address->column->record);
        const std::size_t row = std::size_t(address->column->row(address->side, address->index));
        HalfTexts &half = texts[std::size_t(address->side)];
        half.cells[what][row] = it.value();
        half.columns[what][row] = address->column;
        half.indexes[what][row] = address->index;
    }
    // A copy of a file has the same details too; two sparse sheets alike in every field
    // but played on other days are two games.
    const GameDetails &details = game.details;
    for (quint64 *hash : {&first, &second}) {
        *hash = qHash((details.date.isValid() ? details.date : game.saved.date()).toJulianDay(), *hash);
        *hash = qHash(details.number.value_or(0) * 8 + int(details.type.value_or(GameType::Regular)) * 2
                          + (details.final ? 1 + int(*details.final) : 0),
                      *hash);
        for (const QString *text : {&details.win, &details.loss, &details.save, &details.notes})
            *hash = qHash(*text, *hash);
    }
    record.fingerprint = {first, second};
    for (Side side : Sides)
        HalfReader(texts[std::size_t(side)], side, record.halves[std::size_t(side)], record.problems).read();

    record.saved = game.saved;
    record.details = game.details;
    record.date = game.details.date.isValid() ? game.details.date : game.saved.date();
    record.type = game.details.type.value_or(GameType::Regular);
    const HalfRecord &away = record.half(Side::Away);
    const HalfRecord &home = record.half(Side::Home);
    record.finalInferred = !game.details.final.has_value();
    record.final = game.details.final.value_or(inferredFinal(away, home));
    if (record.final)
        record.result = away.runs > home.runs   ? GameResult::Away
                        : home.runs > away.runs ? GameResult::Home
                                                : GameResult::Tie;
    return record;
}

GameRecord GameRecord::refusedFile(const QString &file, const QString &refusal)
{
    GameRecord record;
    record.file = file;
    record.refusal = refusal;
    return record;
}
