#include "icon/iconsource.h"

#include "base/colorconv.h"

#include <QPainter>

namespace iconsource {

QImage sourcePixels(const QImage &picture)
{
    QImage box(kIconSize, kIconSize, QImage::Format_RGB32);
    box.fill(toQRgb(kBackColor));
    if (!picture.isNull()) {
        QPainter p(&box);
        p.drawImage(0, 0, picture);
    }
    return box;
}

int32_t proposedTransparentColor(const QImage &picture)
{
    return fromQRgb(sourcePixels(picture).pixel(0, 0));
}

} // namespace iconsource
