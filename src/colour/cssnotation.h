#pragma once

#include "text/language.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// CSS notations of a colour value (0x00BBGGRR, red in the low byte): text for the clipboard, and
// a reader for whatever a designer pastes.
//
// What format() prints, with #E91E63 as the example. Every number is rounded to nearest to a
// fixed count of decimals per notation, and trailing zeros (and a bare point) are dropped. The
// counts are the fewest that read back to the very same colour for every one of the 16777216
// colours, so a copied text always pastes back exactly.
//   Hex        #E91E63                  upper case, like the picker's HTML box
//   HexLower   #e91e63
//   HexShort   #f00 when each pair is a doubled digit, else #e91e63; lower case, as minifiers
//   Rgb        rgb(233 30 99)
//   RgbLegacy  rgb(233, 30, 99)
//   Hsl        hsl(339.6 82.2% 51.6%)   hue in degrees, 1 decimal; percentages, 1 decimal
//   Hwb        hwb(339.6 11.8% 8.6%)    as hsl
//   Lab        lab(51.63 74.48 17.07)   CIE Lab (D50, Bradford from D65); L, a, b 2 decimals
//   Oklch      oklch(60.62% 0.22978 9.63) L in percent 2 decimals, chroma 5, hue 2
//   Hsv        hsv(339.6, 87.1%, 91.4%) not CSS; commas as design tools write it; as hsl
//   Cmyk       cmyk(0%, 87.1%, 57.5%, 8.6%) not CSS; naive device formula, K = 1 - max; 1 decimal
// A colour without hue (every grey, and in oklch any colour whose chroma prints as 0) prints hue
// 0 rather than CSS's `none`, which older browsers and most design tools do not read.
namespace cssnotation {

enum class Notation { Hex, HexLower, HexShort, Rgb, RgbLegacy, Hsl, Hwb, Lab, Oklch, Hsv, Cmyk };
constexpr int kNotationCount = 11;

struct NotationInfo
{
    Notation notation;
    const char *id; // stable, for the stored setting: "hex", "hex-lower", "rgb", "oklch"...
    CaptionRow name; // shown in menus; `control` holds the id
};
// Every notation, in menu order (the order of the enum).
const std::array<NotationInfo, kNotationCount> &notations();

QString idOf(Notation notation);
std::optional<Notation> notationFromId(QStringView id);
QString displayName(Notation notation, Language language = Language::English);

// The colour in the notation. Only for colours (colorvalue::isColor); anything else gives an
// empty string.
QString format(int32_t bgr, Notation notation);

// Reads a pasted colour; nullopt when the text is not one. Accepted, around any whitespace, with
// an optional trailing ';' and an optional leading property name ("color: ..."):
//  - #rgb, #rrggbb, and #rgba, #rrggbbaa with the alpha ignored; six bare hex digits with at
//    least one letter (as Figma shows them), since all-digit text is the decimal value;
//  - rgb() rgba() hsl() hsla() hwb() lab() lch() oklab() oklch(), function names in any case,
//    either all commas or all spaces between the components; an alpha (after ',' or '/') is
//    checked and ignored, as the colour value has none. rgb channels are numbers 0-255 or
//    percentages; hsl/hwb saturation, lightness, whiteness, blackness percentages or numbers
//    (the same scale); hues plain degrees or deg, grad, rad, turn; `none` is zero. Values out of
//    range are clamped; lab/lch/oklab/oklch colours outside sRGB are clipped channel by channel
//    (no perceptual gamut mapping);
//  - hsv() / hsb() as hsl; cmyk() with percentages or numbers read as percentages;
//    device-cmyk() with percentages or numbers 0-1;
//  - the 148 CSS colour names in any case. `transparent` and `currentColor` name no colour and
//    are refused;
//  - the program's own notations, all in BGR order: Visual Basic &H…& (the closing & optional),
//    Delphi $…, C 0x…, and the decimal value, digits optionally grouped by thousands with spaces.
//    Values above 16777215 (system colours) are refused.
std::optional<int32_t> parse(const QString &text);
// The same; `hadAlpha` tells whether the text gave an alpha (#rgba, #rrggbbaa, a function's
// fourth or fifth component), which the colour value cannot keep.
std::optional<int32_t> parse(const QString &text, bool *hadAlpha);

// `value` rounded to nearest at `decimals` places (0 to 5), trailing zeros and a bare point
// dropped, never "-0": how every notation writes its numbers.
QString number(double value, int decimals);
// A hue in degrees as number() writes it, a value that rounds to 360 written as 0.
QString hueNumber(double degrees, int decimals);

struct NamedColour
{
    std::string_view name; // lower case
    uint32_t rgb; // 0xRRGGBB
};
// The 148 CSS colour names, in alphabetical order.
std::span<const NamedColour> namedColours();

// A colour with the alpha the text gave (1 when none), for what keeps one, as gradient stops
// do. `transparent` reads as black with alpha 0, as CSS defines it.
struct Translucent
{
    int32_t bgr = 0;
    double alpha = 1;
};
std::optional<Translucent> parseTranslucent(const QString &text);

} // namespace cssnotation
