#include "ui/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace ScreenFit {

bool frameKnown(const QWidget *window)
{
    return window->isVisible() && window->frameGeometry() != window->geometry();
}

QMargins frameMargins(const QWidget *window)
{
    if (frameKnown(window)) {
        const QRect frame = window->frameGeometry();
        const QRect inner = window->geometry();
        return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                frame.bottom() - inner.bottom()};
    }
    const int border = 4;
    return {border, window->style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border};
}

QRect availableArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QSize room(const QWidget *window)
{
    return availableArea(window).size().shrunkBy(frameMargins(window));
}

void keepInside(QWidget *window)
{
    const QMargins frame = frameMargins(window);
    const QRect available = availableArea(window);
    const QSize inside = available.size().shrunkBy(frame);
    if (window->width() > inside.width() || window->height() > inside.height())
        window->resize(window->size().boundedTo(inside).expandedTo(window->minimumSize()));
    // A window's position is its frame's: the frame's top-left corner goes where the whole
    // frame lies within the area.
    const QSize framed = window->size().grownBy(frame);
    const int right = available.right() - framed.width() + 1;
    const int bottom = available.bottom() - framed.height() + 1;
    const QPoint at(qMax(available.left(), qMin(window->x(), right)), qMax(available.top(), qMin(window->y(), bottom)));
    if (at != window->pos())
        window->move(at);
}

} // namespace ScreenFit
