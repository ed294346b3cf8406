#pragma once

#include "gradient/lineargradient.h"

class PictureBox;

// The linear gradient window's drawing surface: how it starts and how each orientation draws
// on it. The window and the gradient command both go through here, so they give the same
// pixels for the same surface size.
namespace gradientsurface {

// The designed state: light grey, and the surface's designed user scale.
void prepare(PictureBox &surface);

// Draws one gradient over what the surface holds. The straight orientations set the user scale
// along the gradient to 256 units a segment; the diagonals keep the scale the surface has.
void draw(PictureBox &surface, const lineargradient::Stops &stops, int segments,
    lineargradient::Orientation orientation);

} // namespace gradientsurface
