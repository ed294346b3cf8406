#include "picker/loupegeometry.h"

#include <QPainter>

namespace loupegeometry {

QRect neighbourhood(QPoint pointer)
{
    return QRect(pointer - QPoint(kSpan / 2, kSpan / 2), QSize(kSpan, kSpan));
}

QPoint placement(QPoint pointer, QSize size, const QRect &screen, int gap)
{
    int x = pointer.x() + gap;
    if (x + size.width() > screen.right() + 1)
        x = pointer.x() - gap - size.width();
    int y = pointer.y() + gap;
    if (y + size.height() > screen.bottom() + 1)
        y = pointer.y() - gap - size.height();
    return QPoint(x, y);
}

QImage magnify(const QImage &patch, int zoom)
{
    const int side = kSpan * zoom;
    QImage out(side, side, QImage::Format_RGB32);
    out.fill(Qt::black);
    if (!patch.isNull()) {
        const QImage src = patch.convertToFormat(QImage::Format_RGB32);
        const int w = qMin(src.width(), kSpan), h = qMin(src.height(), kSpan);
        for (int y = 0; y < h; ++y) {
            const QRgb *row = reinterpret_cast<const QRgb *>(src.constScanLine(y));
            for (int zy = 0; zy < zoom; ++zy) {
                QRgb *dst = reinterpret_cast<QRgb *>(out.scanLine(y * zoom + zy));
                for (int x = 0; x < w; ++x)
                    std::fill_n(dst + x * zoom, zoom, row[x]);
            }
        }
    }
    QPainter p(&out);
    const int c = (kSpan / 2) * zoom;
    p.setPen(Qt::black);
    p.drawRect(c - 1, c - 1, zoom + 1, zoom + 1);
    p.setPen(Qt::white);
    p.drawRect(c - 2, c - 2, zoom + 3, zoom + 3);
    return out;
}

} // namespace loupegeometry
