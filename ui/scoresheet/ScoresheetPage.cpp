#include "ui/scoresheet/ScoresheetPage.h"

#include "ui/art/Art.h"
#include "ui/scoresheet/ScoresheetLayout.h"
#include "ui/scoresheet/SheetCell.h"

#include <QPainter>

namespace G = ScoresheetGeometry;

ScoresheetPage::ScoresheetPage(const QWidget &client, const QWidget &linescore)
    : m_client(client)
    , m_linescore(linescore)
{
}

QSize ScoresheetPage::size() const
{
    return toPixels(G::ClientArea).size();
}

void ScoresheetPage::paint(QPainter &painter) const
{
    painter.fillRect(QRect(QPoint(0, 0), size()), Qt::white);
    const auto drawPicture = [&painter](QPoint at, Art::Picture picture) {
        painter.save();
        painter.translate(at);
        Art::paint(painter, picture);
        painter.restore();
    };
    drawPicture(toPixels(G::SheetPicture).topLeft(), Art::Picture::Sheet);
    const QPoint linescore = toPixels(G::Frame1).topLeft();
    drawPicture(linescore + toPixels(G::LinescorePicture).topLeft(), Art::Picture::Linescore);

    // The fields where the window places them; a field hidden for good (a column's
    // hidden total) stays off the paper, whichever panel happens to be shown.
    for (const SheetCell *cell : m_client.findChildren<SheetCell *>()) {
        if (cell->isHidden())
            continue;
        const QWidget *panel = cell->parentWidget();
        const QPoint origin = panel == &m_linescore ? linescore : QPoint(0, 0);
        if (panel != &m_linescore && panel != &m_client)
            continue;
        cell->paintCell(painter, QRect(origin + cell->pos(), cell->size()));
    }
}
