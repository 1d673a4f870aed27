#include "ui/art/ArtPicture.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

ArtPicture::ArtPicture(Art::Picture picture, QWidget *parent)
    : QWidget(parent)
    , m_picture(picture)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(Art::naturalSize(picture));
}

Art::Picture ArtPicture::picture() const
{
    return m_picture;
}

QSize ArtPicture::sizeHint() const
{
    return Art::naturalSize(m_picture);
}

void ArtPicture::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (painter.paintEngine()->type() != QPaintEngine::Raster) {
        Art::paint(painter, m_picture);
        return;
    }
    // The ratio of what is painted on (the window's backing store, a grab, a render target).
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
    if (m_drawn.isNull() || !qFuzzyCompare(m_drawn.devicePixelRatio(), ratio))
        m_drawn = Art::pixmap(m_picture, ratio);
    const QRect dirty = event->rect();
    painter.drawPixmap(dirty, m_drawn, QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio));
}
