#include "ui/art/ArtPicture.h"

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

void ArtPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Art::paint(painter, m_picture);
}
