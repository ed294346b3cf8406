#include "gradient/spherecss.h"

#include "base/vbmath.h"
#include "colour/colorvalue.h"

#include <cmath>

namespace spherecss {

QString css(
    const modSpheric::SpherePlan &plan, int32_t colour1, int32_t colour2, int32_t background)
{
    // The outermost ring is drawn at xEnd; none at all when x0 < xEnd.
    const int64_t a = plan.ringCount() > 0 ? std::llabs(int64_t(plan.cx) - plan.xEnd) : 0;
    const int64_t b = int64_t(std::nearbyint(double(plan.ratio) * double(a)));
    // A radial gradient repeats its last stop out to the box's edges; the picture shows the
    // surface there, so the rim ends in a hard stop on the background.
    return QStringLiteral("radial-gradient(ellipse %1px %2px at %3px %4px, %5, %6 100%, %7 100%)")
        .arg(a)
        .arg(b)
        .arg(plan.cx)
        .arg(plan.cy)
        .arg(colorvalue::htmlNotation(colour1), colorvalue::htmlNotation(colour2),
            colorvalue::htmlNotation(background));
}

} // namespace spherecss
