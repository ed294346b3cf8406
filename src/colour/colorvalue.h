#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <span>

// The colour value (0x00BBGGRR, red in the low byte) and its text notations.
namespace colorvalue {

// The system window-background colour reference: what a fresh swatch holds.
constexpr int32_t kSystemWindowColor = int32_t(0x80000005u);
// What an unreadable screen pixel gives.
constexpr int32_t kUnreadable = -1;

// 0..16777215 are colours; system-colour references and -1 are not, and are never formatted.
constexpr bool isColor(int32_t value) { return value >= 0 && value <= 0xFFFFFF; }

void GetRGB(int32_t Color, int &R, int &G, int &B);

struct Hls
{
    int hue;
    int luminance;
    int saturation;
};
// Hue, luminance and saturation on the 0..240 scale of the system colour dialog, computed in
// integers the way that dialog does, so the numbers match the ones users already know.
Hls ColorRGBToHLS(int32_t color);

// Upper-case hexadecimal without leading zeros ("0" for zero).
QString hexNotation(int32_t color);

// The eleven value boxes, by box number:
// 0 HTML, 1-3 red/green/blue, 4-6 hue/luminance/saturation, 7 Visual Basic, 8 Delphi, 9 C,
// 10 decimal. Only for colours.
enum Box {
    Html = 0,
    Red,
    Green,
    Blue,
    Hue,
    Luminance,
    Saturation,
    VisualBasic,
    Delphi,
    CLiteral,
    LongData
};
constexpr int kBoxCount = 11;
std::array<QString, kBoxCount> notations(int32_t color);

QString htmlNotation(int32_t color);

// The program's own notations among the boxes, by the ids the command line knows them by
// ("vb", "delphi", "c", "decimal").
struct OwnNotation
{
    const char *id;
    Box box;
};
std::span<const OwnNotation> ownNotations();

// The notation the automatic copy puts on the clipboard, by option index 0..4.
enum class CopyFormat { Html, VisualBasic, Delphi, C, LongData };
int boxOf(CopyFormat format);
CopyFormat copyFormatOf(int optionIndex);

} // namespace colorvalue
