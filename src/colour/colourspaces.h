#pragma once

#include <array>
#include <cstdint>

// The CSS Color 4 conversions: sRGB with its piecewise transfer curve, XYZ D65, Bradford
// adaptation to D50 for CIE Lab, and OKLab's matrices recalculated for the D65 white. Colours
// come as 0x00BBGGRR values; linear light as red, green, blue from 0 to 1.
namespace colourspaces {

using Vec3 = std::array<double, 3>;

// One channel from 0 to 1 between the sRGB curve and linear light; the sign is kept, so
// values outside the gamut pass through.
double toLinear(double v);
double toGamma(double v);

Vec3 linearOf(int32_t bgr);
// CIE Lab (D50): L from 0 to 100.
Vec3 labOf(int32_t bgr);
Vec3 linearFromLab(double l, double a, double b);
// OKLab: L from 0 to 1.
Vec3 oklabOf(int32_t bgr);
Vec3 oklabOfLinear(const Vec3 &linear);
Vec3 linearFromOklab(double l, double a, double b);

// Hue in degrees [0, 360) of the cylindrical forms of 8-bit RGB; 0 for greys.
double hueOf(int r, int g, int b);

} // namespace colourspaces
