#include "colour/contrast.h"

#include "base/colorconv.h"

#include <algorithm>
#include <cmath>

namespace contrast {

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    // The guidelines' own threshold (0.04045 in the sRGB standard; no 8-bit value lies between).
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(int32_t bgr)
{
    const Rgb c = rgbOf(bgr);
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

double ratio(int32_t a, int32_t b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double shownRatio(int32_t a, int32_t b) { return std::round(ratio(a, b) * 100.0) / 100.0; }

Verdict judge(double r) { return { r >= 4.5, r >= 3.0, r >= 7.0, r >= 4.5 }; }

} // namespace contrast
