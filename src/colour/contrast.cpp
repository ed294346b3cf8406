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

namespace {

// APCA's estimate of screen luminance: each channel through a plain 2.4 power, not the sRGB
// curve of WCAG.
double apcaY(int32_t bgr)
{
    const auto channel = [](int v) { return std::pow(v / 255.0, 2.4); };
    return 0.2126729 * channel(bgr & 0xFF) + 0.7151522 * channel((bgr >> 8) & 0xFF)
        + 0.0721750 * channel((bgr >> 16) & 0xFF);
}

} // namespace

double apcaLc(int32_t text, int32_t background)
{
    // The W3 constants of APCA 0.1.9.
    constexpr double normBG = 0.56, normTXT = 0.57, revTXT = 0.62, revBG = 0.65;
    constexpr double blkThrs = 0.022, blkClmp = 1.414, scale = 1.14, offset = 0.027;
    constexpr double deltaYmin = 0.0005, loClip = 0.1;
    // Near black the screen's flare lifts the luminance a little.
    const auto clamped
        = [](double y) { return y > blkThrs ? y : y + std::pow(blkThrs - y, blkClmp); };
    const double txtY = clamped(apcaY(text));
    const double bgY = clamped(apcaY(background));
    if (std::abs(bgY - txtY) < deltaYmin)
        return 0;
    if (bgY > txtY) {
        const double sapc = (std::pow(bgY, normBG) - std::pow(txtY, normTXT)) * scale;
        return sapc < loClip ? 0 : (sapc - offset) * 100;
    }
    const double sapc = (std::pow(bgY, revBG) - std::pow(txtY, revTXT)) * scale;
    return sapc > -loClip ? 0 : (sapc + offset) * 100;
}

ApcaReading readApca(double lc)
{
    const double magnitude = std::abs(lc);
    return { magnitude >= 75, magnitude >= 45, magnitude >= 30 };
}

} // namespace contrast
