#include "picker/loupegeometry.h"

#include <QPainter>

#include <algorithm>
#include <iterator>

namespace loupegeometry {

int spanFor(int zoom)
{
    const int fits = kViewSide / qMax(zoom, 1);
    return qMax(fits % 2 ? fits : fits - 1, 1);
}

int zoomedBy(int zoom, int steps)
{
    const int levels = int(std::size(kZooms));
    int at = int(std::lower_bound(std::begin(kZooms), std::end(kZooms), zoom) - std::begin(kZooms));
    at = qBound(0, at + steps, levels - 1);
    return kZooms[at];
}

int wheelNotches(int &pending, int delta)
{
    pending += delta;
    const int notches = pending / 120;
    pending -= notches * 120;
    return notches;
}

QRect neighbourhood(QPoint pointer, int span)
{
    return QRect(pointer - QPoint(span / 2, span / 2), QSize(span, span));
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
    const int span = spanFor(zoom);
    const int side = span * zoom;
    QImage out(side, side, QImage::Format_RGB32);
    out.fill(Qt::black);
    if (!patch.isNull()) {
        const QImage src = patch.convertToFormat(QImage::Format_RGB32);
        const int w = qMin(src.width(), span), h = qMin(src.height(), span);
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
    if (zoom >= kGridFrom) {
        p.setPen(QColor(0, 0, 0, 64));
        for (int i = 0; i < span; ++i) {
            p.drawLine(i * zoom, 0, i * zoom, side - 1);
            p.drawLine(0, i * zoom, side - 1, i * zoom);
        }
    }
    const int c = (span / 2) * zoom;
    p.setPen(Qt::black);
    p.drawRect(c - 1, c - 1, zoom + 1, zoom + 1);
    p.setPen(Qt::white);
    p.drawRect(c - 2, c - 2, zoom + 3, zoom + 3);
    return out;
}

} // namespace loupegeometry
