#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// Geometry and picture of the magnifier shown while the pipette is active.
namespace loupegeometry {

constexpr int kZoom = 8; // each screen pixel becomes a kZoom × kZoom square (at first)
constexpr int kSpan = 11; // screen pixels per side at kZoom, the pointer's pixel in the middle
// The zoom levels the mouse wheel steps through; the magnified picture stays about
// kViewSide pixels wide, showing fewer screen pixels as they grow.
constexpr int kZooms[] = { 3, 4, 6, 8, 12, 16 };
constexpr int kViewSide = 93;
// From this zoom on, a grid separates the magnified pixels.
constexpr int kGridFrom = 6;

// Screen pixels per side at a zoom: the largest odd count that fits kViewSide.
int spanFor(int zoom);
// The level `steps` notches of the wheel away from `zoom` (positive: larger), kept in range.
int zoomedBy(int zoom, int steps);
// Whole wheel notches in `delta` (eighths of a degree, 120 a notch) added to what is left
// over in `pending` from the last events, so fine-grained wheels and touchpads step too.
int wheelNotches(int &pending, int delta);

// The screen rectangle (physical pixels) the magnifier shows around the pointer.
QRect neighbourhood(QPoint pointer, int span = kSpan);

// Top-left corner for a window of `size` beside `pointer`: below right by `gap`, or on the
// opposite side where it would leave `screen`. Never over the pointer, even on a screen too
// small to hold it.
QPoint placement(QPoint pointer, QSize size, const QRect &screen, int gap);

// The magnified picture of a spanFor(zoom)-wide square patch with the centre pixel outlined
// (a black and a white line, so the outline shows on any colour), and from kGridFrom on a
// grid darkening the first row and column of each magnified pixel.
QImage magnify(const QImage &patch, int zoom = kZoom);

} // namespace loupegeometry
