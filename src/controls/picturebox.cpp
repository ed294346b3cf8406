#include "controls/picturebox.h"

#include "base/colorconv.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    syncImageSize();
}

void PictureBox::setBackColor(int32_t bgr)
{
    surface().setBackColor(bgr);
    refresh();
}

void PictureBox::setBorder(bool single)
{
    m_border = single;
    syncImageSize();
    update();
}

QRect PictureBox::innerRect() const
{
    const int b = m_border ? 1 : 0;
    return QRect(b, b, qMax(0, width() - 2 * b), qMax(0, height() - 2 * b));
}

const QImage &PictureBox::image() const { return surface().image(); }

QImage &PictureBox::image() { return surface().image(); }

DrawingSurface &PictureBox::surface()
{
    syncImageSize();
    return m_surface;
}

const DrawingSurface &PictureBox::surface() const
{
    syncImageSize();
    return m_surface;
}

void PictureBox::setPicture(const QImage &picture)
{
    surface().setPicture(picture);
    refresh();
}

void PictureBox::Cls()
{
    surface().Cls();
    refresh();
}

void PictureBox::Line(double x1, double y1, double x2, double y2, int32_t bgr)
{
    surface().Line(x1, y1, x2, y2, bgr);
    refresh();
}

void PictureBox::refresh()
{
    // Thousands of lines per drawing: one repaint request is enough until it has been served.
    if (m_repaintPending)
        return;
    m_repaintPending = true;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    m_repaintPending = false;
    const QImage &img = image();
    QPainter p(this);
    const QRect inner = innerRect();
    if (m_border) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    p.drawImage(inner.topLeft(), img);
}

void PictureBox::resizeEvent(QResizeEvent *) { syncImageSize(); }

void PictureBox::syncImageSize() const { m_surface.resize(innerSize()); }

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    emit clicked(event->button(), event->position().toPoint() - innerRect().topLeft());
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}
