#pragma once

#include <QList>
#include <QPageLayout>
#include <QRect>
#include <QSize>

class PrintPage;
class QPagedPaintDevice;

// Puts a PrintPage onto paper: as large as the printable area allows, its proportions
// kept, centred, in the orientation of the page size where it comes out largest.
namespace PageRenderer {

// Where a drawing of the given size lands on a page area. Empty for an empty drawing or page.
QRect fitRect(QSize drawing, QRect page);

// The orientation of the layout's page size in which the drawing comes out largest
// (portrait when both give the same).
QPageLayout::Orientation bestOrientation(QSize drawing, const QPageLayout &layout);

// Turns the device's page the best way and paints the page onto it. Returns false when
// the device would not start painting (a file that cannot be written, a printer that fails).
bool render(const PrintPage &page, QPagedPaintDevice &device);

// The same for several pages, one sheet of paper each, turned the way the first page comes
// out largest. Returns false when the device would not start painting or take another page.
bool renderPages(const QList<const PrintPage *> &pages, QPagedPaintDevice &device);

} // namespace PageRenderer
