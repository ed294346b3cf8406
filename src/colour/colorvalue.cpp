#include "colour/colorvalue.h"

#include <algorithm>

namespace colorvalue {

namespace {
constexpr int kHlsMax = 240;
constexpr int kRgbMax = 255;
constexpr int kUndefinedHue = kHlsMax * 2 / 3; // what greys report

QString twoHex(int component)
{
    return QStringLiteral("%1").arg(component, 2, 16, QLatin1Char('0')).toUpper();
}
} // namespace

void GetRGB(int32_t Color, int &R, int &G, int &B)
{
    R = Color & 255;
    G = (Color / 256) & 255;
    B = (Color / 65536) & 255;
}

Hls ColorRGBToHLS(int32_t color)
{
    int r, g, b;
    GetRGB(color, r, g, b);
    const int cMax = std::max({ r, g, b });
    const int cMin = std::min({ r, g, b });
    const int sum = cMax + cMin;
    const int diff = cMax - cMin;

    Hls out {};
    out.luminance = (sum * kHlsMax + kRgbMax) / (2 * kRgbMax);
    if (diff == 0) {
        out.saturation = 0;
        out.hue = kUndefinedHue;
        return out;
    }

    // Every division rounds by adding half the divisor first.
    if (out.luminance <= kHlsMax / 2)
        out.saturation = (diff * kHlsMax + sum / 2) / sum;
    else
        out.saturation = (diff * kHlsMax + (2 * kRgbMax - sum) / 2) / (2 * kRgbMax - sum);

    const int rDelta = ((cMax - r) * (kHlsMax / 6) + diff / 2) / diff;
    const int gDelta = ((cMax - g) * (kHlsMax / 6) + diff / 2) / diff;
    const int bDelta = ((cMax - b) * (kHlsMax / 6) + diff / 2) / diff;

    int hue;
    if (r == cMax)
        hue = bDelta - gDelta;
    else if (g == cMax)
        hue = kHlsMax / 3 + rDelta - bDelta;
    else
        hue = 2 * kHlsMax / 3 + gDelta - rDelta;
    if (hue < 0)
        hue += kHlsMax;
    if (hue > kHlsMax)
        hue -= kHlsMax;
    out.hue = hue;
    return out;
}

QString hexNotation(int32_t color) { return QString::number(uint32_t(color), 16).toUpper(); }

std::span<const OwnNotation> ownNotations()
{
    static constexpr OwnNotation kOwn[] = {
        { "vb", VisualBasic },
        { "delphi", Delphi },
        { "c", CLiteral },
        { "decimal", LongData },
    };
    return kOwn;
}

QString htmlNotation(int32_t color)
{
    int r, g, b;
    GetRGB(color, r, g, b);
    return QLatin1Char('#') + twoHex(r) + twoHex(g) + twoHex(b);
}

std::array<QString, kBoxCount> notations(int32_t color)
{
    std::array<QString, kBoxCount> boxes;
    int r, g, b;
    GetRGB(color, r, g, b);
    const Hls hls = ColorRGBToHLS(color);
    const QString hex = hexNotation(color);
    boxes[Html] = htmlNotation(color);
    boxes[Red] = QString::number(r);
    boxes[Green] = QString::number(g);
    boxes[Blue] = QString::number(b);
    boxes[Hue] = QString::number(hls.hue);
    boxes[Luminance] = QString::number(hls.luminance);
    boxes[Saturation] = QString::number(hls.saturation);
    boxes[VisualBasic] = QStringLiteral("&H00") + hex + QLatin1Char('&');
    boxes[Delphi] = QStringLiteral("$00") + hex;
    boxes[CLiteral] = QStringLiteral("0x") + hex;
    boxes[LongData] = QString::number(color);
    return boxes;
}

int boxOf(CopyFormat format)
{
    switch (format) {
    case CopyFormat::Html:
        return Html;
    case CopyFormat::VisualBasic:
        return VisualBasic;
    case CopyFormat::Delphi:
        return Delphi;
    case CopyFormat::C:
        return CLiteral;
    case CopyFormat::LongData:
        return LongData;
    }
    return Html;
}

CopyFormat copyFormatOf(int optionIndex)
{
    switch (optionIndex) {
    case 1:
        return CopyFormat::VisualBasic;
    case 2:
        return CopyFormat::Delphi;
    case 3:
        return CopyFormat::C;
    case 4:
        return CopyFormat::LongData;
    default:
        return CopyFormat::Html;
    }
}

} // namespace colorvalue
