#include "platform/picturebox.h"

#include "platform/colorconv.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resizeImage();
}

void PictureBox::setBackColor(int32_t bgr)
{
    m_backColor = bgr;
    Cls();
}

void PictureBox::setBorder(bool single)
{
    m_border = single;
    resizeImage();
    update();
}

QRect PictureBox::innerRect() const
{
    const int b = m_border ? 1 : 0;
    return QRect(b, b, qMax(0, width() - 2 * b), qMax(0, height() - 2 * b));
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    Cls();
}

void PictureBox::Cls()
{
    m_image.fill(toQColor(m_backColor));
    if (!m_picture.isNull()) {
        QPainter p(&m_image);
        p.drawImage(0, 0, m_picture);
    }
    update();
}

void PictureBox::setPixelScale()
{
    m_pixelScale = true;
    m_scaleWidth = float(innerSize().width());
    m_scaleHeight = float(innerSize().height());
}

void PictureBox::Line(double x1, double y1, double x2, double y2, int32_t bgr)
{
    const QSize s = innerSize();
    if (s.isEmpty() || m_scaleWidth == 0 || m_scaleHeight == 0)
        return;
    const double fx = s.width() / double(m_scaleWidth);
    const double fy = s.height() / double(m_scaleHeight);
    QPainter p(&m_image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(toQColor(bgr), 0));
    p.drawLine(QPointF(x1 * fx, y1 * fy), QPointF(x2 * fx, y2 * fy));
    update();
}

int32_t PictureBox::Point(int x, int y) const
{
    if (!m_image.valid(x, y))
        return -1;
    return fromQRgb(m_image.pixel(x, y));
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect inner = innerRect();
    if (m_border) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    p.drawImage(inner.topLeft(), m_image);
}

void PictureBox::resizeEvent(QResizeEvent *)
{
    resizeImage();
}

void PictureBox::resizeImage()
{
    const QSize s = innerSize();
    if (m_image.size() == s)
        return;
    QImage next(s.isEmpty() ? QSize(1, 1) : s, QImage::Format_RGB32);
    next.fill(toQColor(m_backColor));
    if (!m_picture.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, m_picture);
    }
    if (!m_image.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, m_image);
    }
    m_image = next;
    if (m_pixelScale) {
        m_scaleWidth = float(s.width());
        m_scaleHeight = float(s.height());
    }
}

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
