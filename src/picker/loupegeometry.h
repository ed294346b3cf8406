#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// Geometry and picture of the magnifier shown while the pipette is active.
namespace loupegeometry {

constexpr int kSpan = 11; // screen pixels per side, the pointer's pixel in the middle
constexpr int kZoom = 8; // each screen pixel becomes a kZoom × kZoom square

// The screen rectangle (physical pixels) the magnifier shows around the pointer.
QRect neighbourhood(QPoint pointer);

// Top-left corner for a window of `size` beside `pointer`: below right by `gap`, or on the
// opposite side where it would leave `screen`. Never over the pointer, even on a screen too
// small to hold it.
QPoint placement(QPoint pointer, QSize size, const QRect &screen, int gap);

// The magnified picture of a kSpan × kSpan patch with the centre pixel outlined (a black
// and a white line, so the outline shows on any colour).
QImage magnify(const QImage &patch, int zoom = kZoom);

} // namespace loupegeometry
