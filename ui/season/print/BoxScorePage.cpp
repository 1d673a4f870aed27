#include "ui/season/print/BoxScorePage.h"

#include "season/SeasonTables.h"
#include "ui/art/Fonts.h"
#include "ui/season/print/BookLayout.h"
#include "ui/season/print/BookPage.h"

#include <QCoreApplication>

BoxScorePage::BoxScorePage(const BoxScore &box)
{
    Fonts::install();
    BookLayout layout({});
    layOut(layout, box);
    std::vector<std::unique_ptr<BookPage>> pages = layout.takePages();
    // A box score fits on a page; should one ever not, its first page is the one shown.
    m_page = pages.empty() ? std::make_unique<BookPage>() : std::move(pages.front());
    m_page->setFooter({}, {});
}

BoxScorePage::~BoxScorePage() = default;

QSize BoxScorePage::size() const
{
    return m_page->size();
}

void BoxScorePage::paint(QPainter &painter) const
{
    m_page->paint(painter);
}

void BoxScorePage::layOut(BookLayout &layout, const BoxScore &box)
{
    layout.beginGroup();
    layout.heading(box.headline(), 2);
    layout.paragraph(box.details());
    layout.table(SeasonTables::linescore(box));
    layout.tablesSideBySide(SeasonTables::boxHitting(box, Side::Away), SeasonTables::boxHitting(box, Side::Home));
    QStringList notes;
    for (Side side : Sides)
        if (!box.team(side).notes.isEmpty())
            notes
                << QCoreApplication::translate("BoxScorePage", "%1: %2").arg(box.team(side).name, box.team(side).notes);
    if (!notes.isEmpty())
        layout.paragraph(notes.join(u'\n'));
    layout.tablesSideBySide(SeasonTables::boxPitching(box, Side::Away), SeasonTables::boxPitching(box, Side::Home));
    if (!box.notes.isEmpty())
        layout.paragraph(QCoreApplication::translate("BoxScorePage", "Notes: %1").arg(box.notes));
    layout.endGroup();
}
