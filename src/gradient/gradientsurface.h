#pragma once

#include "gradient/lineargradient.h"

#include <QSize>

class DrawingSurface;

// The linear gradient window's drawing surface: how it starts and how each orientation draws
// on it. The window and the gradient command both go through here, so they give the same
// pixels for the same surface size.
namespace gradientsurface {

// The designed state: light grey, and the surface's designed user scale.
void prepare(DrawingSurface &surface);

// Draws one gradient over what the surface holds; `boxSize` is the outer size of the box that
// shows it (the surface and its border). The straight orientations set the user scale along the
// gradient to 256 units a segment; the diagonals keep the scale the surface has.
void draw(DrawingSurface &surface, QSize boxSize, const lineargradient::Stops &stops, int segments,
    lineargradient::Orientation orientation);

} // namespace gradientsurface
