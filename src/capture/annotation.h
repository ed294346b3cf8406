#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

// One mark drawn on a screenshot in the editor. Points are in the overlay's logical pixels, so
// that a mark keeps its place and size on the screen; the result is made at physical pixels.
struct Annotation
{
    enum class Kind { Arrow, Line, Rectangle, Ellipse, Pen, Marker, Text, Step, Pixelate, Redact };

    Kind kind = Kind::Rectangle;
    // Start and end for the shapes and boxes; the whole path for the pen and the marker; the
    // anchor (top-left of the text, centre of a step) for text and steps.
    QList<QPointF> points;
    QColor colour = Qt::red;
    qreal width = 4; // the pen's width; the font's pixel size for text
    QString text; // the text, or a step's number

    // Where the mark lies, for picking it with the pointer and for repainting.
    QRectF bounds() const;
    void moveBy(QPointF offset);
};

namespace annotation {

// The smallest block pixelation averages, in physical pixels: smaller blocks leave text
// readable enough to guess.
constexpr int kMinimumBlock = 8;

// The rectangle of a mark given by two corners (shapes, pixelation, redaction).
QRectF boxOf(const Annotation &a);

// Paints a mark that draws with a pen or a font (every kind but pixelation and redaction, which
// work on the pixels themselves) in the painter's logical coordinates.
void paintVector(QPainter &painter, const Annotation &a);

// Averages blocks of `block` physical pixels over a rectangle of the picture.
void pixelate(QImage &picture, const QRect &physical, int block);
// Fills a rectangle of whole physical pixels with one colour: nothing of what was under it
// is left in the picture.
void redact(QImage &picture, const QRect &physical, const QColor &colour);

// A rectangle of logical pixels as the physical pixels it covers.
QRect physicalOf(const QRectF &logical, QPointF origin, qreal scale);

// The result: `picture` (the selection in physical pixels) with the marks drawn in order.
// `origin` is the selection's top-left in the marks' coordinates and `scale` the physical
// pixels per logical one; widths and text sizes scale with it.
QImage compose(const QImage &picture, QPointF origin, qreal scale, const QList<Annotation> &marks);

} // namespace annotation
