#pragma once

#include "ui/Twips.h"

#include <QColor>
#include <QString>

class QApplication;
class QPushButton;
class QWidget;

// The program's look, the same on every system: the Fusion style (which honours the
// button colours of the layout) and the bundled sans-serif face. It installs the bundled
// fonts, once, before any window or picture needs them.
void applyAppearance(QApplication &app);

// The program's icon goes to the application, and so to every window, once this window
// has been painted for the first time; nothing happens when the icon is already there.
// Handing an icon to the window system holds up a window's first showing on X11 (the
// window manager converts it before it maps the window), so the first window of the
// program goes up without it and wears it a moment later.
void giveProgramIconWhenPainted(QWidget *window);

// A push button in the program's button font (9.75 pt bold unless told otherwise),
// placed by its twip rectangle; a valid face colour paints the button in it.
QPushButton *makeButton(QWidget *parent, const QString &objectName, const QString &caption, const TwipRect &rect,
                        const QColor &face = QColor(), double points = 9.75);

// Places a top-level window centred on the screen it will appear on.
void centreOnScreen(QWidget *window);

// A frame that cannot be resized, minimized or maximized: only the close box.
void setFixedFrame(QWidget *window);
