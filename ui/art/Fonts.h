#pragma once

#include <QFont>
#include <QString>

// The bundled "Liberation Sans" stands in for "MS Sans Serif" everywhere, so that text
// has the same metrics on every system.
namespace Fonts {

// Registers the bundled faces. Called once at start-up (applyAppearance), after the
// QGuiApplication exists and before anything is drawn; a second call does nothing.
void install();
QString family(); // the registered family name, or the fallback before install()
QFont font(double points, bool bold = false, bool underline = false); // pixel size = qRound(points * 96 / 72)

} // namespace Fonts
