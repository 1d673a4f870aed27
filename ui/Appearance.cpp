#include "ui/Appearance.h"

#include "ui/art/Art.h"
#include "ui/art/Fonts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

namespace {

// One of the style's standard icons, read from its files when it is first shown. Reading
// one makes Qt load every image format plugin it has (a dozen libraries) to find out what
// the file holds; a menu bar asks for its overflow arrow when it is made, and most windows
// never show it.
class DeferredStandardIcon final : public QIconEngine
{
public:
    DeferredStandardIcon(const QStyle *style, QStyle::StandardPixmap which)
        : m_style(const_cast<QStyle *>(style))
        , m_which(which)
    {
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new DeferredStandardIcon(m_style, m_which); }
    QString key() const override { return QStringLiteral("quorvel-deferred-standard"); }

private:
    const QIcon &icon()
    {
        if (m_icon.isNull() && m_style)
            m_icon = m_style->standardIcon(m_which);
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
};

// Fusion, whose standard icons wait until they are shown.
class ProgramStyle final : public QProxyStyle
{
public:
    explicit ProgramStyle(QStyle *fusion)
        : QProxyStyle(fusion)
    {
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const override
    {
        if (option)
            return QProxyStyle::standardIcon(which, option, widget);
        return QIcon(new DeferredStandardIcon(baseStyle(), which));
    }
};

} // namespace

void applyAppearance(QApplication &app)
{
    Fonts::install();
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(new ProgramStyle(fusion));
    QApplication::setFont(Fonts::font(8.25));
    QApplication::setWindowIcon(Art::programIcon());
    app.setApplicationName(QStringLiteral("Quorvel"));
    app.setApplicationDisplayName(QString()); // window captions stand exactly as given
}

namespace {
// Hands the program's icon to the application once the watched window has been painted.
class IconAfterFirstPaint final : public QObject
{
public:
    explicit IconAfterFirstPaint(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the frame has gone out, not in the middle of painting it.
            QTimer::singleShot(0, qApp, [] {
                if (QApplication::windowIcon().isNull())
                    QApplication::setWindowIcon(Art::programIcon());
            });
            deleteLater();
        }
        return false;
    }
};
} // namespace

void giveProgramIconWhenPainted(QWidget *window)
{
    if (QApplication::windowIcon().isNull())
        new IconAfterFirstPaint(window);
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
