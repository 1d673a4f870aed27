#pragma once

#include "ui/art/Art.h"

#include <QPixmap>
#include <QWidget>

// Shows one picture of the artwork at its natural size. It is scenery: it takes neither
// focus nor mouse input. On screen it shows the picture drawn once at the screen's pixel
// ratio, so a repaint under one small cell copies only that cell's pixels; on any other
// device (a printer, a PDF, a recording) it draws through Art::paint, sharp at any scale.
class ArtPicture : public QWidget
{
public:
    explicit ArtPicture(Art::Picture picture, QWidget *parent = nullptr);

    Art::Picture picture() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Art::Picture m_picture;
    QPixmap m_drawn; // the picture at m_drawn's ratio, made on the first paint at that ratio
};
