#include "services/PageRenderer.h"

#include "services/Printer.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace PageRenderer {

QRect fitRect(QSize drawing, QRect page)
{
    if (drawing.isEmpty() || page.isEmpty())
        return {};
    const QSize size = drawing.scaled(page.size(), Qt::KeepAspectRatio);
    return {QPoint(page.left() + (page.width() - size.width()) / 2, page.top() + (page.height() - size.height()) / 2),
            size};
}

QPageLayout::Orientation bestOrientation(QSize drawing, const QPageLayout &layout)
{
    const auto scaleIn = [&](QPageLayout::Orientation orientation) {
        QPageLayout turned = layout;
        turned.setOrientation(orientation);
        const QRectF area = turned.paintRect(QPageLayout::Point);
        if (drawing.isEmpty() || area.isEmpty())
            return 0.0;
        return std::min(area.width() / drawing.width(), area.height() / drawing.height());
    };
    return scaleIn(QPageLayout::Landscape) > scaleIn(QPageLayout::Portrait) ? QPageLayout::Landscape
                                                                            : QPageLayout::Portrait;
}

bool render(const PrintPage &page, QPagedPaintDevice &device)
{
    return renderPages({&page}, device);
}

bool renderPages(const QList<const PrintPage *> &pages, QPagedPaintDevice &device)
{
    if (!pages.isEmpty())
        device.setPageOrientation(bestOrientation(pages.constFirst()->size(), device.pageLayout()));

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        // The painter's origin is the printable area's corner; the page is scaled as a
        // whole, so lines and text stay vectors at the device's resolution.
        const QSize drawing = pages[i]->size();
        const QRect target = fitRect(drawing, QRect(0, 0, device.width(), device.height()));
        if (target.isEmpty())
            continue;
        painter.save();
        painter.translate(target.topLeft());
        painter.scale(double(target.width()) / drawing.width(), double(target.height()) / drawing.height());
        pages[i]->paint(painter);
        painter.restore();
    }
    return painter.end();
}

} // namespace PageRenderer
