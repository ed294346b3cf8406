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

} // namespace contrast
