#pragma once

#include "gradient/gradientmodel.h"

#include <QImage>

// Gradients as pictures: computed in floating point per pixel centre, then brought to 8 bits
// a channel, on every core at once (bands of rows).
namespace gradientrender {

enum class Dither {
    None, // rounded to nearest: what a browser shows, for comparing
    Ordered, // a 16 × 16 threshold pattern: a slow gradient shows no bands, and the same
             // gradient always gives the same bytes
};

// Whether a stop is not fully opaque, so that the picture needs an alpha channel.
bool hasAlpha(const gradientmodel::Gradient &gradient);

// The gradient on a box of `size`: RGBA8888 (not premultiplied) when a stop has alpha, else
// RGBX8888. A null image when the memory cannot be had. `threads` 0: one per core.
QImage render(const gradientmodel::Gradient &gradient, QSize size, Dither dither, int threads = 0);

} // namespace gradientrender
