#pragma once

#include "ui/art/Art.h"

#include <QWidget>

// Shows one picture of the artwork at its natural size. It is scenery: it takes neither
// focus nor mouse input, and it paints through Art::paint, so it is sharp at any scale.
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
};
