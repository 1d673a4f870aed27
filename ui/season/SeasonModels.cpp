#include "ui/season/SeasonModels.h"

#include "season/SeasonCsv.h"

#include <QCoreApplication>

namespace {
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;

QString tr(const char *text)
{
    return QCoreApplication::translate("SeasonModels", text);
}

template <typename Row, typename Number>
SeasonColumn<Row> number(const char *header, Number Row::*member, const char *tip = "")
{
    return {tr(header), [member](const SeasonFigures &, const Row &row) { return QString::number(row.*member); },
            [member](const SeasonFigures &, const Row &row) { return QVariant(qint64(row.*member)); },
            Qt::AlignRight | Qt::AlignVCenter, tr(tip)};
}

template <typename Row, typename Number>
SeasonColumn<Row> computed(const char *header, Number (Row::*method)() const, const char *tip = "")
{
    return {tr(header), [method](const SeasonFigures &, const Row &row) { return QString::number((row.*method)()); },
            [method](const SeasonFigures &, const Row &row) { return QVariant(qint64((row.*method)())); },
            Qt::AlignRight | Qt::AlignVCenter, tr(tip)};
}

template <typename Row> SeasonColumn<Row> text(const char *header, QString Row::*member, const char *tip = "")
{
    return {tr(header), [member](const SeasonFigures &, const Row &row) { return row.*member; },
            [member](const SeasonFigures &, const Row &row) { return QVariant((row.*member).toCaseFolded()); }, Left,
            tr(tip)};
}

// A rate: empty without an inning to rate it by, two decimals as the CSV files write it.
SeasonColumn<PitchingRow> rate(const char *header, qint64 (*numerator)(const PitchingRow &),
                               std::optional<double> (PitchingRow::*value)() const, const char *tip)
{
    return {tr(header),
            [numerator](const SeasonFigures &, const PitchingRow &row) {
                return row.innings > 0 ? SeasonCsv::ratio(numerator(row), row.innings, 2) : QString();
            },
            [value](const SeasonFigures &, const PitchingRow &row) {
                const std::optional<double> v = (row.*value)();
                return v ? QVariant(*v) : QVariant();
            },
            Qt::AlignRight | Qt::AlignVCenter, tr(tip)};
}

template <typename Row> QStringList teamOf(const SeasonFigures &, const Row &row)
{
    return {row.team};
}

QString typeName(GameType type)
{
    switch (type) {
    case GameType::Regular:
        return tr("regular");
    case GameType::Postseason:
        return tr("postseason");
    case GameType::Exhibition:
        return tr("exhibition");
    }
    return {};
}
} // namespace

QString SeasonModels::dateText(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QStringLiteral("-");
}

QString SeasonModels::scoreText(const GameRow &game)
{
    const QString score = QStringLiteral("%1-%2").arg(game.awayRuns).arg(game.homeRuns);
    switch (game.result) {
    case GameResult::None:
        return score + u' ' + tr("(not over)");
    case GameResult::Tie:
        return score + u' ' + tr("(tie)");
    default:
        return score;
    }
}

SeasonTableModel<StandingRow> *SeasonModels::standings(QObject *parent)
{
    using R = StandingRow;
    std::vector<SeasonColumn<R>> columns = {
        text("Division", &R::division),
        text("Team", &R::team),
        number("G", &R::games, "Games"),
        number("W", &R::wins, "Wins"),
        number("L", &R::losses, "Losses"),
        number("T", &R::ties, "Ties"),
        {tr("PCT"),
         [](const SeasonFigures &, const R &row) {
             return row.wins + row.losses > 0 ? SeasonCsv::ratio(row.wins, row.wins + row.losses, 3)
                                              : QStringLiteral("0.000");
         },
         [](const SeasonFigures &, const R &row) { return QVariant(row.pct); }, Qt::AlignRight | Qt::AlignVCenter,
         tr("Winning percentage: wins over wins and losses")},
        {tr("GB"),
         [](const SeasonFigures &, const R &row) {
             return row.gamesBehind == 0 ? QStringLiteral("-") : QString::number(row.gamesBehind, 'f', 1);
         },
         [](const SeasonFigures &, const R &row) { return QVariant(row.gamesBehind); },
         Qt::AlignRight | Qt::AlignVCenter, tr("Games behind the division's leader")},
        {tr("Home"),
         [](const SeasonFigures &, const R &row) {
             return QStringLiteral("%1-%2").arg(row.homeWins).arg(row.homeLosses);
         },
         [](const SeasonFigures &, const R &row) { return QVariant(row.homeWins - row.homeLosses); },
         Qt::AlignRight | Qt::AlignVCenter, tr("Wins and losses at home")},
        {tr("Road"),
         [](const SeasonFigures &, const R &row) {
             return QStringLiteral("%1-%2").arg(row.roadWins).arg(row.roadLosses);
         },
         [](const SeasonFigures &, const R &row) { return QVariant(row.roadWins - row.roadLosses); },
         Qt::AlignRight | Qt::AlignVCenter, tr("Wins and losses on the road")},
        {tr("L10"),
         [](const SeasonFigures &, const R &row) {
             return QStringLiteral("%1-%2").arg(row.lastTenWins).arg(row.lastTenLosses);
         },
         [](const SeasonFigures &, const R &row) { return QVariant(row.lastTenWins - row.lastTenLosses); },
         Qt::AlignRight | Qt::AlignVCenter, tr("Wins and losses in the last ten final games")},
        text("STRK", &R::streak, "Streak: the last results in a row"),
        number("RS", &R::runsScored, "Runs scored"),
        number("RA", &R::runsAllowed, "Runs allowed"),
        computed("DIFF", &R::difference, "Runs scored less runs allowed"),
        {tr("Pyth"),
         [](const SeasonFigures &, const R &row) {
             return QStringLiteral("%1-%2").arg(row.pythagoreanWins).arg(row.pythagoreanLosses);
         },
         [](const SeasonFigures &, const R &row) { return QVariant(row.pythagoreanWins); },
         Qt::AlignRight | Qt::AlignVCenter, tr("The record the runs scored and allowed would give")},
    };
    return new SeasonTableModel<R>([](const SeasonFigures &f) -> const std::vector<R> & { return f.standings; },
                                   std::move(columns), teamOf<R>, parent);
}

SeasonTableModel<BattingRow> *SeasonModels::batting(QObject *parent)
{
    using R = BattingRow;
    std::vector<SeasonColumn<R>> columns = {
        text("Player", &R::player),
        text("Team", &R::team),
        number("G", &R::games, "Games"),
        number("H", &R::hits, "Hits"),
        computed("1B", &R::singles, "Singles"),
        number("2B", &R::doubles, "Doubles"),
        number("3B", &R::triples, "Triples"),
        number("HR", &R::homeRuns, "Home runs"),
        computed("TB", &R::totalBases, "Total bases"),
        computed("XBH", &R::extraBaseHits, "Extra-base hits"),
        number("RBI", &R::rbi, "Runs batted in"),
        number("SB", &R::steals, "Stolen bases"),
    };
    return new SeasonTableModel<R>([](const SeasonFigures &f) -> const std::vector<R> & { return f.batting; },
                                   std::move(columns), teamOf<R>, parent);
}

SeasonTableModel<PitchingRow> *SeasonModels::pitching(QObject *parent)
{
    using R = PitchingRow;
    std::vector<SeasonColumn<R>> columns = {
        text("Player", &R::player),
        text("Team", &R::team),
        number("G", &R::games, "Games"),
        number("GS", &R::starts, "Games started"),
        number("CG", &R::completeGames, "Complete games"),
        number("SHO", &R::shutouts, "Shutouts"),
        number("W", &R::wins, "Wins"),
        number("L", &R::losses, "Losses"),
        number("SV", &R::saves, "Saves"),
        number("IP", &R::innings, "Innings pitched"),
        number("H", &R::hits, "Hits allowed"),
        number("R", &R::runs, "Runs allowed"),
        number("ER", &R::earned, "Earned runs"),
        number("BB", &R::walks, "Walks"),
        number("SO", &R::strikeouts, "Strikeouts"),
        rate(
            "ERA", [](const R &r) { return 9 * r.earned; }, &R::era, "Earned runs a nine innings"),
        rate(
            "WHIP", [](const R &r) { return r.hits + r.walks; }, &R::whip, "Walks and hits an inning"),
        rate(
            "K9", [](const R &r) { return 9 * r.strikeouts; }, &R::strikeoutsPerNine, "Strikeouts a nine innings"),
    };
    return new SeasonTableModel<R>([](const SeasonFigures &f) -> const std::vector<R> & { return f.pitching; },
                                   std::move(columns), teamOf<R>, parent);
}

SeasonTableModel<GameRow> *SeasonModels::games(QObject *parent)
{
    using R = GameRow;
    std::vector<SeasonColumn<R>> columns = {
        {tr("Date"), [](const SeasonFigures &, const R &row) { return dateText(row.date); },
         [](const SeasonFigures &, const R &row) { return QVariant(row.date.toJulianDay()); }, Left, QString()},
        {tr("No."),
         [](const SeasonFigures &, const R &row) { return row.number ? QString::number(*row.number) : QString(); },
         [](const SeasonFigures &, const R &row) { return QVariant(row.number.value_or(0)); },
         Qt::AlignRight | Qt::AlignVCenter, tr("The game's number that day")},
        text("Away", &R::away),
        text("Home", &R::home),
        {tr("Score"), [](const SeasonFigures &, const R &row) { return scoreText(row); },
         [](const SeasonFigures &, const R &row) { return QVariant(row.awayRuns + row.homeRuns); },
         Qt::AlignHCenter | Qt::AlignVCenter, tr("Runs, away before home")},
        {tr("Hits"),
         [](const SeasonFigures &, const R &row) {
             return QStringLiteral("%1-%2").arg(row.awayHits).arg(row.homeHits);
         },
         [](const SeasonFigures &, const R &row) { return QVariant(row.awayHits + row.homeHits); },
         Qt::AlignHCenter | Qt::AlignVCenter, tr("Hits, away before home")},
        {tr("Innings"),
         [](const SeasonFigures &, const R &row) { return QString::number(qMax(row.awayInnings, row.homeInnings)); },
         [](const SeasonFigures &, const R &row) { return QVariant(qMax(row.awayInnings, row.homeInnings)); },
         Qt::AlignRight | Qt::AlignVCenter, QString()},
        {tr("Kind"), [](const SeasonFigures &, const R &row) { return typeName(row.type); }, {}, Left, QString()},
        text("File", &R::file),
    };
    return new SeasonTableModel<R>([](const SeasonFigures &f) -> const std::vector<R> & { return f.games; },
                                   std::move(columns),
                                   [](const SeasonFigures &, const R &row) {
                                       return QStringList{row.away, row.home};
                                   },
                                   parent);
}

SeasonTableModel<CheckRow> *SeasonModels::checks(QObject *parent)
{
    using R = CheckRow;
    std::vector<SeasonColumn<R>> columns = {text("File", &R::file), text("Where", &R::row),
                                            text("Problem", &R::problem)};
    return new SeasonTableModel<R>([](const SeasonFigures &f) -> const std::vector<R> & { return f.checks; },
                                   std::move(columns), [](const SeasonFigures &, const R &) { return QStringList(); },
                                   parent);
}

SeasonTableModel<MergeSuggestion> *SeasonModels::suggestions(QObject *parent)
{
    using R = MergeSuggestion;
    std::vector<SeasonColumn<R>> columns = {text("Team", &R::team), text("Keep", &R::name),
                                            text("Merge into it", &R::other)};
    return new SeasonTableModel<R>([](const SeasonFigures &f) -> const std::vector<R> & { return f.suggestions; },
                                   std::move(columns), teamOf<R>, parent);
}

SeasonTableModel<MergedName> *SeasonModels::merged(QObject *parent)
{
    using R = MergedName;
    std::vector<SeasonColumn<R>> columns = {text("Team", &R::team), text("Name", &R::canonical),
                                            text("Also written", &R::variant)};
    return new SeasonTableModel<R>([](const SeasonFigures &f) -> const std::vector<R> & { return f.merged; },
                                   std::move(columns), teamOf<R>, parent);
}
