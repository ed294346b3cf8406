#include "icon/iconpreview.h"

#include "base/colorconv.h"

#include <QPainter>

IconBitmaps makeIconBitmaps(
    const QImage &bitmap, QSize iconSize, bool stretch, int32_t transparentColor)
{
    IconBitmaps out;
    if (bitmap.isNull() || iconSize.isEmpty())
        return out;
    out.colour = QImage(iconSize, QImage::Format_RGB32);
    out.colour.fill(Qt::black);
    {
        QPainter p(&out.colour);
        if (stretch)
            p.drawImage(
                QRect(QPoint(0, 0), iconSize), bitmap); // nearest pixel, as a plain stretch copy
        else
            p.drawImage(0, 0, bitmap);
    }
    out.mask = QImage(iconSize, QImage::Format_Mono);
    out.mask.setColorTable({ qRgb(0, 0, 0), qRgb(255, 255, 255) });
    out.mask.fill(0);
    if (transparentColor == -1)
        return out;
    const QRgb key = toQRgb(transparentColor) & 0xFFFFFF;
    for (int y = 0; y < iconSize.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.colour.scanLine(y));
        for (int x = 0; x < iconSize.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == key) {
                out.mask.setPixel(x, y, 1);
                line[x] = 0xFF000000;
            }
        }
    }
    return out;
}
