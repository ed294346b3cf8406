#pragma once

#include "text/language.h"

#include <QList>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <span>

// Colours made from one colour (0x00BBGGRR) in OKLCH, where equal steps look equal: variations
// that move it toward white, black or its own grey, and harmonies that turn its hue. What falls
// outside sRGB comes back by the CSS Color 4 gamut mapping (chroma lowered by binary search
// until clipping the rest moves it less than deltaEOK 0.02), which keeps lightness and hue
// where clipping each channel would shift both.
namespace colourschemes {

struct Oklch
{
    double l; // 0 to 1
    double c; // 0 to about 0.4 in sRGB
    double h; // degrees, [0, 360); meaningless for greys
};
Oklch oklchOf(int32_t bgr);
// The sRGB colour nearest an OKLCH one by the CSS Color 4 gamut mapping: lightness at or
// above 1 is white, at or below 0 black.
int32_t fromOklch(const Oklch &colour);

enum class Variation { Tints, Shades, Tones };
// `steps` colours between the colour and its end (white, black, the grey of its lightness),
// at i / (steps + 1) of the way for i = 1..steps, mixed in OKLCH; the ends themselves are left
// out. None for steps < 1.
QList<int32_t> variation(int32_t bgr, Variation kind, int steps);

enum class Harmony { Complementary, Analogous, Triadic, SplitComplementary, Tetradic };
struct HarmonyInfo
{
    Harmony harmony;
    const char *id; // as the command line takes it
    std::span<const double> turns; // hue rotations in degrees, the colour itself first (0)
};
std::span<const HarmonyInfo> harmonies();
std::optional<Harmony> harmonyFromId(QStringView id);
QString harmonyName(Harmony harmony, Language language);
// The colour itself, then the colours at the harmony's hue rotations.
QList<int32_t> harmony(int32_t bgr, Harmony kind);

} // namespace colourschemes
