#include "ui/buttonicons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace buttonicons {

namespace {

QPixmap draw(Kind kind, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    const QPen outline(QColor(0x30, 0x30, 0x30), 1.5);
    switch (kind) {
    case Kind::Capture: {
        p.setPen(outline);
        p.setBrush(QColor(0x4a, 0x6f, 0xa5));
        p.drawRoundedRect(QRectF(3, 9, 26, 18), 3, 3);
        p.drawRect(QRectF(11, 5, 10, 5));
        p.setBrush(QColor(0xdd, 0xee, 0xff));
        p.drawEllipse(QPointF(16, 18), 6, 6);
        break;
    }
    case Kind::Picker: {
        p.setPen(outline);
        p.setBrush(QColor(0xe0, 0x40, 0x40));
        p.translate(16, 16);
        p.rotate(45);
        p.drawRoundedRect(QRectF(-3, -14, 6, 10), 2, 2);
        p.setBrush(QColor(0xf0, 0xf0, 0xf0));
        p.drawRect(QRectF(-2, -4, 4, 14));
        p.drawLine(QPointF(0, 10), QPointF(0, 14));
        break;
    }
    case Kind::Icon: {
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 4, 24, 24));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                p.fillRect(QRectF(6 + x * 5, 6 + y * 5, 5, 5),
                    QColor::fromHsv((x * 4 + y) * 22 % 360, 200, (x + y) % 2 ? 230 : 160));
        break;
    }
    case Kind::Gradient: {
        QLinearGradient g(3, 0, 29, 0);
        g.setColorAt(0, QColor(0xff, 0x30, 0x30));
        g.setColorAt(0.5, QColor(0xff, 0xe0, 0x30));
        g.setColorAt(1, QColor(0x30, 0x60, 0xff));
        p.setPen(outline);
        p.setBrush(g);
        p.drawRect(QRectF(3, 7, 26, 18));
        break;
    }
    case Kind::Sphere: {
        QRadialGradient g(QPointF(13, 12), 15);
        g.setColorAt(0, QColor(0xff, 0xff, 0xa0));
        g.setColorAt(1, QColor(0xff, 0x70, 0x00));
        p.setPen(outline);
        p.setBrush(g);
        p.drawEllipse(QPointF(16, 16), 13, 13);
        break;
    }
    case Kind::Folder: {
        p.setPen(outline);
        p.setBrush(QColor(0xf0, 0xc0, 0x40));
        QPainterPath path;
        path.moveTo(3, 8);
        path.lineTo(12, 8);
        path.lineTo(15, 11);
        path.lineTo(29, 11);
        path.lineTo(29, 26);
        path.lineTo(3, 26);
        path.closeSubpath();
        p.drawPath(path);
        break;
    }
    }
    return pm;
}

} // namespace

QIcon icon(Kind kind)
{
    QIcon result;
    for (int size : { 16, 24, 32, 48 })
        result.addPixmap(draw(kind, size));
    return result;
}

QIcon programIcon()
{
    // Drawn like the others rather than decoded from the installed PNG: the first image read
    // loads every image-format plugin, which would cost the launcher a tenth of its start-up.
    QIcon result;
    for (int size : { 16, 32, 48 }) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        QLinearGradient back(0, 0, 32, 0);
        back.setColorAt(0, QColor(0x58, 0x56, 0xd6));
        back.setColorAt(1, QColor(0xff, 0x3b, 0x30));
        p.setPen(Qt::NoPen);
        p.setBrush(back);
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
        QRadialGradient sphere(QPointF(14, 14), 10);
        sphere.setColorAt(0, QColor(0xff, 0xf9, 0xc4));
        sphere.setColorAt(1, QColor(0xff, 0x6f, 0x00));
        p.setBrush(sphere);
        p.drawEllipse(QPointF(16, 16), 9, 9);
        p.end();
        result.addPixmap(pm);
    }
    return result;
}

} // namespace buttonicons
