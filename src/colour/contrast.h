#pragma once

#include <cstdint>

// Contrast between two colours (0x00BBGGRR) as the Web Content Accessibility Guidelines 2.2
// define it: relative luminance of sRGB, ratio (L1 + 0.05) / (L2 + 0.05) from 1 to 21.
namespace contrast {

double relativeLuminance(int32_t bgr);
double ratio(int32_t a, int32_t b);
// The ratio as shown: rounded to two decimals. Judge the exact ratio, never this one: 4.499
// shows 4.50 yet misses the 4.5 threshold.
double shownRatio(int32_t a, int32_t b);

struct Verdict
{
    bool aaNormal; // 4.5 : 1
    bool aaLarge; // 3 : 1 (18 pt, or 14 pt bold)
    bool aaaNormal; // 7 : 1
    bool aaaLarge; // 4.5 : 1
};
Verdict judge(double ratio);

// The lightness contrast of text on a background as APCA (the Accessible Perceptual Contrast
// Algorithm, version 0.1.9 of its W3 constants) gives it: Lc from about -108 to 106, positive
// for dark text on a light background, negative the other way round, 0 when too close to tell.
double apcaLc(int32_t text, int32_t background);

// APCA's usual reading of |Lc|, as its simple ("bronze") levels put it.
struct ApcaReading
{
    bool bodyText; // 75: fluent reading of body text
    bool largeText; // 45: headlines and large or heavy text
    bool nonText; // 30: icons, outlines, placeholders and other spot text
};
ApcaReading readApca(double lc);

} // namespace contrast
