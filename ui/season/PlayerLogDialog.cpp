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

PlayerLogDialog::PlayerLogDialog(std::shared_ptr<const SeasonFigures> figures, Kind kind, int player, QWidget *parent)
    : QDialog(parent)
    , m_figures(std::move(figures))
    , m_log(PlayerLog::of(*m_figures, player))
    , m_table(new QTableView(this))
    , m_totals(new QLabel(this))
{
    setObjectName(QStringLiteral("dlgPlayerLog"));
    setWindowTitle(tr("%1, %2: game by game").arg(m_log.name, m_log.team));
    QAbstractItemModel *model = nullptr;
    QStringList totals;
    if (kind == Kind::Batting) {
        using R = BattingLogRow;
        std::vector<SeasonColumn<R>> columns = gameColumns<R>();
        for (SeasonColumn<R> c : {count("H", &R::hits, "Hits"), count("2B", &R::doubles, "Doubles"),
                                  count("3B", &R::triples, "Triples"), count("HR", &R::homeRuns, "Home runs"),
                                  count("RBI", &R::rbi, "Runs batted in"), count("SB", &R::steals, "Stolen bases")})
            columns.push_back(c);
        model = new SeasonTableModel<R>([this](
                                            const SeasonFigures &) -> const std::vector<R> & { return m_log.batting; },
                                        std::move(columns),
                                        [](const SeasonFigures &, const R &) { return QStringList(); }, this);
        const BattingRow &t = m_log.battingTotals;
        totals << tr("G %1").arg(t.games) << tr("H %1").arg(t.hits) << tr("2B %1").arg(t.doubles)
               << tr("3B %1").arg(t.triples) << tr("HR %1").arg(t.homeRuns) << tr("RBI %1").arg(t.rbi)
               << tr("SB %1").arg(t.steals);
    } else {
        using R = PitchingLogRow;
        std::vector<SeasonColumn<R>> columns = gameColumns<R>();
        columns.push_back({tr("IP"), [](const SeasonFigures &, const R &row) { return QString::number(row.outs / 3); },
                           [](const SeasonFigures &, const R &row) { return QVariant(row.outs); },
                           Qt::AlignRight | Qt::AlignVCenter, tr("Innings pitched")});
        for (SeasonColumn<R> c : {count("H", &R::hits, "Hits allowed"), count("R", &R::runs, "Runs allowed"),
                                  count("ER", &R::earned, "Earned runs"), count("BB", &R::walks, "Walks"),
                                  count("SO", &R::strikeouts, "Strikeouts")})
            columns.push_back(c);
        model = new SeasonTableModel<R>([this](
                                            const SeasonFigures &) -> const std::vector<R> & { return m_log.pitching; },
                                        std::move(columns),
                                        [](const SeasonFigures &, const R &) { return QStringList(); }, this);
        const PitchingRow &t = m_log.pitchingTotals;
        totals << tr("G %1").arg(t.games) << tr("GS %1").arg(t.starts) << tr("IP %1").arg(t.innings)
               << tr("H %1").arg(t.hits) << tr("R %1").arg(t.runs) << tr("ER %1").arg(t.earned)
               << tr("BB %1").arg(t.walks) << tr("SO %1").arg(t.strikeouts);
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
    connect(m_table, &QTableView::activated, this, [this, sorted, kind](const QModelIndex &index) {
        const auto row = std::size_t(sorted->mapToSource(index).row());
        const int game = kind == Kind::Batting ? m_log.batting.at(row).game : m_log.pitching.at(row).game;
        Q_EMIT gameChosen(m_figures->games[std::size_t(game)].file);
    });
    resize(640, 420);
}

QString PlayerLogDialog::totals() const
{
    return m_totals->text();
}
