#include "ui/art/Fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <QtMath>

namespace {

const QString FallbackFamily = QStringLiteral("Liberation Sans");

struct Registry
{
    bool installed = false;
    QString family;
};

Registry &registry()
{
    static Registry r;
    return r;
}

} // namespace

namespace Fonts {

void install()
{
    Registry &r = registry();
    if (r.installed || !qGuiApp)
        return;
    r.installed = true;
    for (const char *file : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        if (id < 0)
            continue;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (r.family.isEmpty() && !families.isEmpty())
            r.family = families.constFirst();
    }
}

QString family()
{
    const QString &registered = registry().family;
    return registered.isEmpty() ? FallbackFamily : registered;
}

QFont font(double points, bool bold, bool underline)
{
    // Sizes are given in points at 96 dots per inch; a pixel size keeps the text the same
    // whatever the screen reports as its logical DPI.
    QFont f(family());
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(qRound(points * 96.0 / 72.0));
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setUnderline(underline);
    return f;
}

} // namespace Fonts
