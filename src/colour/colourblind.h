#pragma once

#include <cstdint>

// How a colour (0x00BBGGRR) looks to someone without one kind of cone (dichromacy), by the
// model of Machado, Oliveira and Fernandes (2009) at severity 1.0.
//
// Their matrices act on linear light: the colour is decoded from the sRGB curve, multiplied,
// clamped to the gamut and encoded again, as DaltonLens and browsers' SVG colour matrices (whose
// filters work in linearRGB) apply them. culori's filterDeficiency* multiplies the encoded values
// instead, which darkens the mid-tones the simulation moves.
namespace colourblind {

enum class Deficiency {
    Protanopia, // no long-wave (red) cones
    Deuteranopia, // no medium-wave (green) cones
    Tritanopia, // no short-wave (blue) cones
};
constexpr Deficiency kDeficiencies[]
    = { Deficiency::Protanopia, Deficiency::Deuteranopia, Deficiency::Tritanopia };

int32_t simulate(int32_t bgr, Deficiency deficiency);

} // namespace colourblind
