#include "capture/capturepicturebox.h"

#include <QPainter>

CapturePictureBox::CapturePictureBox(QWidget *parent)
    : PictureBox(parent)
{
}

void CapturePictureBox::paintEvent(QPaintEvent *event)
{
    PictureBox::paintEvent(event);
    if (picture().isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(innerRect().topLeft(), picture());
}
