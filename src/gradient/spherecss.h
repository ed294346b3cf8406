#pragma once

#include "gradient/modspheric.h"

#include <QString>

// A drawn sphere as a stylesheet gradient: `radial-gradient(ellipse 98px 98px at 100px 100px,
// #FFFF00, #FF8000 100%, #FFFFFF 100%)`, the ellipse being the outermost ring, placed as in the
// picture, and the surface's background beyond it.
namespace spherecss {
QString css(
    const modSpheric::SpherePlan &plan, int32_t colour1, int32_t colour2, int32_t background);
}
