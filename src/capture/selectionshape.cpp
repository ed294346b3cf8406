#include "capture/selectionshape.h"

#include <QPainter>

SelectionShape::SelectionShape(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void SelectionShape::paintEvent(QPaintEvent *)
{
    if (width() < 1 || height() < 1)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor(0xFF, 0, 0));
    pen.setWidth(0);
    pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
