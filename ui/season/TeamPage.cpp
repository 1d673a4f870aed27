#include "ui/season/TeamPage.h"

#include "season/SeasonTables.h"
#include "ui/season/ReportTableView.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

TeamPage::TeamPage(QWidget *parent)
    : SeasonPage(parent)
    , m_heading(new QLabel(this))
    , m_tabs(new QTabWidget(this))
    , m_results(new ReportTableView(QStringLiteral("tblTeamResults"), tr("Results"), this))
    , m_hitters(new ReportTableView(QStringLiteral("tblTeamHitters"), tr("Hitters"), this))
    , m_pitchers(new ReportTableView(QStringLiteral("tblTeamPitchers"), tr("Pitchers"), this))
    , m_innings(new ReportTableView(QStringLiteral("tblTeamInnings"), tr("Runs by inning"), this))
    , m_opponents(new ReportTableView(QStringLiteral("tblTeamOpponents"), tr("Against each opponent"), this))
{
    setObjectName(QStringLiteral("pageTeam"));
    m_heading->setObjectName(QStringLiteral("lblTeam"));
    m_heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_heading->setWordWrap(true);
    m_tabs->setObjectName(QStringLiteral("tabTeam"));
    m_tabs->setDocumentMode(true);
    m_tabs->addTab(m_results, tr("Results"));
    m_tabs->addTab(m_hitters, tr("Hitters"));
    m_tabs->addTab(m_pitchers, tr("Pitchers"));
    m_tabs->addTab(m_innings, tr("Runs by Inning"));
    m_tabs->addTab(m_opponents, tr("Opponents"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_tabs, 1);

    connect(m_results, &QTableView::activated, this, [this] {
        const int row = m_results->currentTableRow();
        if (row >= 0 && std::size_t(row) < m_season.results.size())
            Q_EMIT gameChosen(m_season.results[std::size_t(row)].game);
    });
    // A player's line opens his games: the table's rows stand as the team's lines do.
    const auto opensPlayers = [this](ReportTableView *view, PlayerLogDialog::Kind kind, auto lines) {
        connect(view, &QTableView::activated, this, [this, view, kind, lines] {
            const int row = view->currentTableRow();
            const auto &rows = m_season.*lines;
            if (row >= 0 && std::size_t(row) < rows.size())
                Q_EMIT playerChosen(kind, rows[std::size_t(row)].id);
        });
    };
    opensPlayers(m_hitters, PlayerLogDialog::Kind::Batting, &TeamSeason::hitters);
    opensPlayers(m_pitchers, PlayerLogDialog::Kind::Pitching, &TeamSeason::pitchers);
}

void TeamPage::refresh()
{
    const int number = team().isEmpty() ? -1 : TeamSeason::find(*figures(), team());
    m_season = TeamSeason::of(*figures(), number);
    m_tabs->setVisible(m_season.team >= 0);
    if (m_season.team < 0) {
        m_heading->setText(figures()->teams.isEmpty() ? tr("No team has played a game of this kind yet.")
                                                      : tr("Choose a team with Team, above, to see its page."));
    } else {
        QString record = QStringLiteral("%1-%2").arg(m_season.wins).arg(m_season.losses);
        if (m_season.ties > 0)
            record += QStringLiteral("-%1").arg(m_season.ties);
        m_heading->setText(m_season.division.isEmpty()
                               ? tr("<b>%1</b>: %2").arg(m_season.name.toHtmlEscaped(), record)
                               : tr("<b>%1</b>: %2, %3")
                                     .arg(m_season.name.toHtmlEscaped(), record, m_season.division.toHtmlEscaped()));
    }
    m_results->setTable(SeasonTables::teamResults(m_season, *figures()));
    m_hitters->setTable(SeasonTables::teamHitters(m_season));
    m_pitchers->setTable(SeasonTables::teamPitchers(m_season));
    m_innings->setTable(SeasonTables::teamRunsByInning(m_season));
    m_opponents->setTable(SeasonTables::teamOpponents(m_season, *figures()));
}
