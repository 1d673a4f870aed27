#include "ui/season/print/SeasonPrintBook.h"

#include "season/BoxScore.h"
#include "season/SeasonFigures.h"
#include "season/SeasonLeaders.h"
#include "season/SeasonTables.h"
#include "season/TeamSeason.h"
#include "services/Printer.h"
#include "ui/art/Fonts.h"
#include "ui/season/print/BookLayout.h"
#include "ui/season/print/BookPage.h"
#include "ui/season/print/BoxScorePage.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SeasonPrintBook", text);
}

// Boards two by two, side by side.
void boards(BookLayout &layout, const std::vector<LeaderBoard> &list, const SeasonFigures &figures)
{
    for (std::size_t i = 0; i < list.size(); i += 2) {
        if (i + 1 < list.size())
            layout.tablesSideBySide(SeasonTables::leaders(list[i], figures),
                                    SeasonTables::leaders(list[i + 1], figures));
        else
            layout.table(SeasonTables::leaders(list[i], figures));
    }
}

void team(BookLayout &layout, const SeasonFigures &figures, int id)
{
    const TeamSeason season = TeamSeason::of(figures, id);
    layout.newPage();
    layout.heading(season.name);
    const QString record = tr("%1 wins, %2 losses, %3 ties")
                               .arg(QString::number(season.wins), QString::number(season.losses),
                                    QString::number(season.ties));
    layout.paragraph(season.division.isEmpty() ? record : tr("%1, %2").arg(season.division, record));
    if (!season.results.empty())
        layout.table(SeasonTables::teamResults(season, figures));
    layout.table(SeasonTables::teamHitters(season));
    layout.table(SeasonTables::teamPitchers(season));
    layout.table(SeasonTables::teamRunsByInning(season));
    layout.table(SeasonTables::teamOpponents(season, figures));
}

} // namespace

SeasonPrintBook::SeasonPrintBook(const SeasonFigures &figures)
    : m_title(SeasonTables::seasonTitle(figures))
{
    Fonts::install();
    BookLayout layout(tr("%1 — %2").arg(m_title, SeasonTables::kindName(figures)));
    layout.heading(m_title);
    layout.paragraph(tr("%1, %2.").arg(SeasonTables::kindName(figures), SeasonTables::gameCount(figures)));

    layout.heading(tr("Standings"), 2);
    const std::vector<ReportTable> standings = SeasonTables::standings(figures);
    if (standings.empty())
        layout.paragraph(tr("No teams yet."));
    for (const ReportTable &table : standings)
        layout.table(table);

    const SeasonLeaders leaders = SeasonLeaders::compute(figures);
    layout.newPage();
    layout.heading(tr("Leaders"));
    layout.heading(tr("Hitting"), 2);
    boards(layout, leaders.batting, figures);
    layout.heading(tr("Pitching"), 2);
    boards(layout, leaders.pitching, figures);
    layout.heading(tr("Games"), 2);
    boards(layout, {leaders.hittingStreaks, leaders.multiHitGames}, figures);

    for (const QString &name : figures.teams)
        if (const int id = TeamSeason::find(figures, name); id >= 0)
            team(layout, figures, id);

    layout.newPage();
    layout.heading(tr("Box scores"));
    if (figures.games.empty())
        layout.paragraph(tr("No games of this kind yet."));
    for (std::size_t game = 0; game < figures.games.size(); ++game)
        BoxScorePage::layOut(layout, BoxScore::fromSeason(figures, game));
    m_pages = layout.takePages();
}

SeasonPrintBook::~SeasonPrintBook() = default;

QList<const PrintPage *> SeasonPrintBook::pages() const
{
    QList<const PrintPage *> pages;
    pages.reserve(qsizetype(m_pages.size()));
    for (const auto &page : m_pages)
        pages << page.get();
    return pages;
}

bool SeasonPrintBook::print(Printer &printer, QString *error) const
{
    return printer.printPages(pages(), m_title, error);
}

bool SeasonPrintBook::writePdf(Printer &printer, const QString &file, QString *error) const
{
    return printer.writePdfPages(pages(), file, m_title, error);
}
