#pragma once

#include <QFont>
#include <QString>

// The bundled "Liberation Sans" stands in for "MS Sans Serif" everywhere, so that text
// has the same metrics on every system.
namespace Fonts {

void install();                                  // registers the bundled faces; idempotent; call after QGuiApplication exists
QString family();                                // the registered family name
QFont font(double points, bool bold = false, bool underline = false); // pixel size = qRound(points * 96 / 72)

} // namespace Fonts
