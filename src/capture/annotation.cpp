#include "capture/annotation.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

QFont textFont(qreal pixelSize)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, qRound(pixelSize)));
    f.setBold(true);
    return f;
}

// A step's circle: its number must fit, whatever the width chosen.
qreal stepRadius(const Annotation &a) { return std::max<qreal>(10, a.width * 3); }

} // namespace

QRectF Annotation::bounds() const
{
    if (points.isEmpty())
        return {};
    const qreal pad = width / 2 + 1;
    switch (kind) {
    case Kind::Text: {
        const QFontMetricsF fm(textFont(width * 4));
        return QRectF(points.first(), fm.size(0, text)).adjusted(-2, -2, 2, 2);
    }
    case Kind::Step: {
        const qreal r = stepRadius(*this);
        return QRectF(points.first() - QPointF(r, r), QSizeF(2 * r, 2 * r));
    }
    default: {
        qreal left = points.first().x(), right = left, top = points.first().y(), bottom = top;
        for (const QPointF &p : points) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
        // An arrow's head reaches beyond its line.
        const qreal extra = kind == Kind::Arrow ? width * 3 : 0;
        return QRectF(QPointF(left, top), QPointF(right, bottom))
            .adjusted(-pad - extra, -pad - extra, pad + extra, pad + extra);
    }
    }
}

void Annotation::moveBy(QPointF offset)
{
    for (QPointF &p : points)
        p += offset;
}

namespace annotation {

QRectF boxOf(const Annotation &a)
{
    if (a.points.size() < 2)
        return {};
    return QRectF(a.points.first(), a.points.last()).normalized();
}

void paintVector(QPainter &p, const Annotation &a)
{
    if (a.points.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(a.colour, a.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    using Kind = Annotation::Kind;
    switch (a.kind) {
    case Kind::Line:
    case Kind::Arrow: {
        const QPointF from = a.points.first(), to = a.points.last();
        p.drawLine(from, to);
        if (a.kind == Kind::Arrow && from != to) {
            const qreal angle = std::atan2(to.y() - from.y(), to.x() - from.x());
            const qreal head = a.width * 3 + 6;
            QPolygonF tip;
            tip << to << to - QPointF(std::cos(angle - 0.45) * head, std::sin(angle - 0.45) * head)
                << to - QPointF(std::cos(angle + 0.45) * head, std::sin(angle + 0.45) * head);
            p.setBrush(a.colour);
            p.drawPolygon(tip);
        }
        break;
    }
    case Kind::Rectangle:
        p.drawRect(boxOf(a));
        break;
    case Kind::Ellipse:
        p.drawEllipse(boxOf(a));
        break;
    case Kind::Pen:
    case Kind::Marker: {
        QPainterPath path(a.points.first());
        for (qsizetype i = 1; i < a.points.size(); ++i)
            path.lineTo(a.points.at(i));
        if (a.kind == Kind::Marker) {
            // A highlighter: wide, flat ends, and the picture shows through.
            QColor c = a.colour;
            c.setAlpha(110);
            pen = QPen(c, a.width * 4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
            p.setPen(pen);
            p.setCompositionMode(QPainter::CompositionMode_Multiply);
        }
        p.drawPath(path);
        break;
    }
    case Kind::Text:
        p.setFont(textFont(a.width * 4));
        p.drawText(
            QRectF(a.points.first(), QSizeF(1e5, 1e5)), Qt::AlignLeft | Qt::AlignTop, a.text);
        break;
    case Kind::Step: {
        const qreal r = stepRadius(a);
        p.setPen(Qt::NoPen);
        p.setBrush(a.colour);
        p.drawEllipse(a.points.first(), r, r);
        p.setPen(a.colour.lightness() > 150 ? Qt::black : Qt::white);
        p.setFont(textFont(r * 1.2));
        p.drawText(QRectF(a.points.first() - QPointF(r, r), QSizeF(2 * r, 2 * r)), Qt::AlignCenter,
            a.text);
        break;
    }
    case Kind::Pixelate:
    case Kind::Redact:
        break;
    }
    p.restore();
}

void pixelate(QImage &picture, const QRect &physical, int block)
{
    block = std::max(block, kMinimumBlock);
    const QRect area = physical & picture.rect();
    if (area.isEmpty())
        return;
    if (picture.format() != QImage::Format_ARGB32 && picture.format() != QImage::Format_RGB32)
        picture.convertTo(QImage::Format_ARGB32);
    // Blocks are laid on the area's own grid, so that moving the area moves its blocks.
    for (int by = area.top(); by <= area.bottom(); by += block) {
        for (int bx = area.left(); bx <= area.right(); bx += block) {
            const QRect cell = QRect(bx, by, block, block) & area;
            quint64 sum[4] = {};
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                const QRgb *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
                for (int x = cell.left(); x <= cell.right(); ++x) {
                    sum[0] += qRed(row[x]);
                    sum[1] += qGreen(row[x]);
                    sum[2] += qBlue(row[x]);
                    sum[3] += qAlpha(row[x]);
                }
            }
            const quint64 n = quint64(cell.width()) * quint64(cell.height());
            const QRgb average = qRgba(int((sum[0] + n / 2) / n), int((sum[1] + n / 2) / n),
                int((sum[2] + n / 2) / n), int((sum[3] + n / 2) / n));
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                QRgb *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
                std::fill(row + cell.left(), row + cell.right() + 1, average);
            }
        }
    }
}

void redact(QImage &picture, const QRect &physical, const QColor &colour)
{
    const QRect area = physical & picture.rect();
    if (area.isEmpty())
        return;
    if (picture.format() != QImage::Format_ARGB32 && picture.format() != QImage::Format_RGB32)
        picture.convertTo(QImage::Format_ARGB32);
    const QRgb solid = colour.rgb(); // opaque, whatever the colour's alpha
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        std::fill(row + area.left(), row + area.right() + 1, solid);
    }
}

QRect physicalOf(const QRectF &logical, QPointF origin, qreal scale)
{
    // Outward to whole pixels, so that a box covers every pixel it touches.
    const QRectF r = logical.translated(-origin);
    const int left = int(std::floor(r.left() * scale)), top = int(std::floor(r.top() * scale));
    const int right = int(std::ceil(r.right() * scale)),
              bottom = int(std::ceil(r.bottom() * scale));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QImage compose(const QImage &picture, QPointF origin, qreal scale, const QList<Annotation> &marks)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    out.setDevicePixelRatio(1.0);
    for (const Annotation &a : marks) {
        if (a.kind == Annotation::Kind::Pixelate) {
            pixelate(out, physicalOf(boxOf(a), origin, scale),
                qRound(kMinimumBlock * std::max<qreal>(1, a.width / 4) * scale));
        } else if (a.kind == Annotation::Kind::Redact) {
            redact(out, physicalOf(boxOf(a), origin, scale), a.colour);
        } else {
            QPainter p(&out);
            p.scale(scale, scale);
            p.translate(-origin);
            paintVector(p, a);
        }
    }
    out.setDevicePixelRatio(picture.devicePixelRatio());
    return out;
}

} // namespace annotation
