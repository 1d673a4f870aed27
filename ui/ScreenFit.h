#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Keeps top-level windows, frame and all, inside the available area of their screen (the
// screen less its panels and taskbars). The frame is what the window manager draws; until
// it is known (before the window is first mapped) a title bar and borders of the usual
// size stand in for it.
namespace ScreenFit {

// The window's frame: the window manager's once known, else an estimate.
QMargins frameMargins(const QWidget *window);
// Whether the window manager has told the window's frame yet.
bool frameKnown(const QWidget *window);
// The available area of the screen the window stands on.
QRect availableArea(const QWidget *window);
// The largest size the window itself (without its frame) may take there.
QSize room(const QWidget *window);
// Moves the window, frame and all, inside the available area, shrinking it first where it
// is larger than the room there is.
void keepInside(QWidget *window);

} // namespace ScreenFit
