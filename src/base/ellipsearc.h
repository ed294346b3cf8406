#pragma once

#include <cstdint>

class QImage;

// The pen-and-arc drawing the sphere renderer was designed on: the outline of the ellipse
// inscribed in a box, drawn with a solid round pen, counter-clockwise from the ray through a
// start point to the ray through an end point (equal points draw the whole ellipse).
namespace ellipsearc {

struct Box
{
    int64_t left, top, right, bottom;
};

// Draws into a 32-bit image (Format_RGB32/ARGB32), replacing pixels, no antialiasing. The pen
// covers the pixels whose centres lie outside the ellipse shrunk by penWidth / 2 and inside or
// on the ellipse grown by penWidth / 2, so a 2-pixel pen marks two pixels across the outline.
// Only the part inside the image is touched; an arc that misses the image costs next to nothing.
void drawArc(QImage &target, const Box &box, int64_t xStart, int64_t yStart, int64_t xEnd,
    int64_t yEnd, int32_t bgr, int penWidth);

} // namespace ellipsearc
