#include "ui/Appearance.h"

#include "ui/art/Art.h"
#include "ui/art/Fonts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

void applyAppearance(QApplication &app)
{
    Fonts::install();
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setFont(Fonts::font(8.25));
    QApplication::setWindowIcon(Art::programIcon());
    app.setApplicationName(QStringLiteral("Quorvel"));
    app.setApplicationDisplayName(QString()); // window captions stand exactly as given
}

QPushButton *makeButton(QWidget *parent, const QString &objectName, const QString &caption, const TwipRect &rect,
                        const QColor &face, double points)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setGeometry(toPixels(rect));
    button->setFont(Fonts::font(points, true));
    // Enter presses the focused button, as the space bar does.
    button->setAutoDefault(true);
    if (face.isValid()) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, face);
        button->setPalette(palette);
    }
    return button;
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    window->move(available.center() - QPoint(window->width() / 2, window->height() / 2));
}

void setFixedFrame(QWidget *window)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}
