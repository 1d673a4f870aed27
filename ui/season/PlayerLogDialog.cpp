#include "ui/season/PlayerLogDialog.h"

#include "ui/season/ReportTableView.h"
#include "ui/season/SeasonModels.h"
#include "ui/season/SeasonTableModel.h"
#include "ui/season/TeamFilterModel.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("PlayerLogDialog", text);
}

template <typename Row> std::vector<SeasonColumn<Row>> gameColumns()
{
    constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
    return {
        {tr("Date"),
         [](const SeasonFigures &f, const Row &row) {
             return SeasonModels::dateText(f.games[std::size_t(row.game)].date);
         },
         [](const SeasonFigures &, const Row &row) { return QVariant(row.game); }, Left, QString()},
        {tr("Opponent"),
         [](const SeasonFigures &f, const Row &row) { return f.teamNames[std::size_t(row.opponent)]; },
         {},
         Left,
         QString()},
        {tr("Where"),
         [](const SeasonFigures &, const Row &row) { return row.home ? tr("home") : tr("road"); },
         {},
         Left,
         QString()},
        {tr("Score"),
         [](const SeasonFigures &f, const Row &row) { return SeasonModels::scoreText(f.games[std::size_t(row.game)]); },
         {},
         Qt::AlignHCenter | Qt::AlignVCenter,
         tr("Runs, away before home")},
    };
}

template <typename Row, typename Number>
SeasonColumn<Row> count(const char *header, Number Row::*member, const char *tip)
{
    return {tr(header), [member](const SeasonFigures &, const Row &row) { return QString::number(row.*member); },
            [member](const SeasonFigures &, const Row &row) { return QVariant(qint64(row.*member)); },
            Qt::AlignRight | Qt::AlignVCenter, tr(tip)};
}
} // namespace

PlayerLogDialog::PlayerLogDialog(std::shared_ptr<const SeasonFigures> figures, Kind kind, const QString &player,
                                 const QString &team, QWidget *parent)
    : QDialog(parent)
    , m_figures(std::move(figures))
    , m_table(new QTableView(this))
    , m_totals(new QLabel(this))
{
    setObjectName(QStringLiteral("dlgPlayerLog"));
    setWindowTitle(tr("%1, %2: game by game").arg(player, team));
    const SeasonFigures &f = *m_figures;
    const auto isPlayer = [&](int playerIndex, int teamIndex) {
        return f.playerNames[std::size_t(playerIndex)] == player && f.teamNames[std::size_t(teamIndex)] == team;
    };
    QAbstractItemModel *model = nullptr;
    QStringList totals;
    if (kind == Kind::Batting) {
        for (const BattingLogRow &row : f.battingLog)
            if (isPlayer(row.player, row.team))
                m_batting.push_back(row);
        using R = BattingLogRow;
        std::vector<SeasonColumn<R>> columns = gameColumns<R>();
        for (SeasonColumn<R> c : {count("H", &R::hits, "Hits"), count("2B", &R::doubles, "Doubles"),
                                  count("3B", &R::triples, "Triples"), count("HR", &R::homeRuns, "Home runs"),
                                  count("RBI", &R::rbi, "Runs batted in"), count("SB", &R::steals, "Stolen bases")})
            columns.push_back(c);
        model = new SeasonTableModel<R>([this](const SeasonFigures &) -> const std::vector<R> & { return m_batting; },
                                        std::move(columns),
                                        [](const SeasonFigures &, const R &) { return QStringList(); }, this);
        int hits = 0, doubles = 0, triples = 0, homeRuns = 0, rbi = 0, steals = 0;
        for (const R &row : m_batting) {
            hits += row.hits, doubles += row.doubles, triples += row.triples;
            homeRuns += row.homeRuns, rbi += row.rbi, steals += row.steals;
        }
        totals << tr("G %1").arg(m_batting.size()) << tr("H %1").arg(hits) << tr("2B %1").arg(doubles)
               << tr("3B %1").arg(triples) << tr("HR %1").arg(homeRuns) << tr("RBI %1").arg(rbi)
               << tr("SB %1").arg(steals);
    } else {
        for (const PitchingLogRow &row : f.pitchingLog)
            if (isPlayer(row.player, row.team))
                m_pitching.push_back(row);
        using R = PitchingLogRow;
        std::vector<SeasonColumn<R>> columns = gameColumns<R>();
        columns.push_back({tr("IP"), [](const SeasonFigures &, const R &row) { return QString::number(row.outs / 3); },
                           [](const SeasonFigures &, const R &row) { return QVariant(row.outs); },
                           Qt::AlignRight | Qt::AlignVCenter, tr("Innings pitched")});
        for (SeasonColumn<R> c : {count("H", &R::hits, "Hits allowed"), count("R", &R::runs, "Runs allowed"),
                                  count("ER", &R::earned, "Earned runs"), count("BB", &R::walks, "Walks"),
                                  count("SO", &R::strikeouts, "Strikeouts")})
            columns.push_back(c);
        model = new SeasonTableModel<R>([this](const SeasonFigures &) -> const std::vector<R> & { return m_pitching; },
                                        std::move(columns),
                                        [](const SeasonFigures &, const R &) { return QStringList(); }, this);
        int outs = 0, hits = 0, runs = 0, earned = 0, walks = 0, strikeouts = 0, starts = 0;
        for (const R &row : m_pitching) {
            outs += row.outs, hits += row.hits, runs += row.runs, earned += row.earned;
            walks += row.walks, strikeouts += row.strikeouts, starts += row.started;
        }
        totals << tr("G %1").arg(m_pitching.size()) << tr("GS %1").arg(starts) << tr("IP %1").arg(outs / 3)
               << tr("H %1").arg(hits) << tr("R %1").arg(runs) << tr("ER %1").arg(earned) << tr("BB %1").arg(walks)
               << tr("SO %1").arg(strikeouts);
    }
    if (kind == Kind::Batting)
        static_cast<SeasonTableModel<BattingLogRow> *>(model)->setFigures(m_figures);
    else
        static_cast<SeasonTableModel<PitchingLogRow> *>(model)->setFigures(m_figures);

    auto *sorted = new TeamFilterModel(this);
    sorted->setSourceModel(model);
    m_table->setObjectName(QStringLiteral("tblPlayerLog"));
    m_table->setAccessibleName(windowTitle());
    m_table->setModel(sorted);
    setUpSeasonTable(m_table);
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_table->resizeColumnsToContents();
    m_totals->setObjectName(QStringLiteral("lblTotals"));
    m_totals->setText(tr("Totals: %1").arg(totals.join(QStringLiteral(", "))));
    m_totals->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_totals);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableView::activated, this, [this, sorted](const QModelIndex &index) {
        const int row = sorted->mapToSource(index).row();
        const int game = m_batting.empty() ? m_pitching[std::size_t(row)].game : m_batting[std::size_t(row)].game;
        Q_EMIT gameChosen(m_figures->games[std::size_t(game)].file);
    });
    resize(640, 420);
}

QString PlayerLogDialog::totals() const
{
    return m_totals->text();
}
