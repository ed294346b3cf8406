#include "picker/pipetteicon.h"

#include <QPainter>
#include <QPainterPath>

QPixmap pipettePicture(qreal devicePixelRatio)
{
    const QSize size(35, 61);
    QPixmap pm(size * devicePixelRatio);
    pm.setDevicePixelRatio(devicePixelRatio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    // Rubber bulb.
    QPainterPath bulb;
    bulb.addRoundedRect(QRectF(10.5, 1.5, 14, 19), 7, 7);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    p.setBrush(QColor(0xC0, 0x20, 0x20));
    p.drawPath(bulb);
    // Collar.
    p.setBrush(QColor(0x50, 0x50, 0x50));
    p.drawRect(QRectF(8.5, 19.5, 18, 5));
    // Glass tube narrowing to the tip, half filled.
    QPainterPath tube;
    tube.moveTo(12.5, 24.5);
    tube.lineTo(22.5, 24.5);
    tube.lineTo(22.5, 46.5);
    tube.lineTo(18.5, 58.5);
    tube.lineTo(16.5, 58.5);
    tube.lineTo(12.5, 46.5);
    tube.closeSubpath();
    p.setBrush(QColor(0xDD, 0xEE, 0xFF));
    p.drawPath(tube);
    QPainterPath liquid;
    liquid.moveTo(13, 38);
    liquid.lineTo(22, 38);
    liquid.lineTo(22, 46.5);
    liquid.lineTo(18.2, 58);
    liquid.lineTo(16.8, 58);
    liquid.lineTo(13, 46.5);
    liquid.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x60, 0xD0));
    p.drawPath(liquid);
    // Highlight on the glass.
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    p.drawLine(QPointF(15, 27), QPointF(15, 44));
    return pm;
}
