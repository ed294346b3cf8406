#pragma once

#include <QColor>

#include <cstdint>

// Colour values are 0x00BBGGRR in the program's logic; QColor only at the Qt boundary.

struct Rgb
{
    int r;
    int g;
    int b;
};

// The three components of a colour value (red in the low byte).
constexpr Rgb rgbOf(int32_t bgr) { return { bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF }; }

inline QColor toQColor(int32_t bgr)
{
    const Rgb c = rgbOf(bgr);
    return QColor(c.r, c.g, c.b);
}

inline int32_t fromQColor(const QColor &c)
{
    return int32_t(c.red()) | (int32_t(c.green()) << 8) | (int32_t(c.blue()) << 16);
}

inline int32_t fromQRgb(QRgb rgb)
{
    return int32_t(qRed(rgb)) | (int32_t(qGreen(rgb)) << 8) | (int32_t(qBlue(rgb)) << 16);
}

inline QRgb toQRgb(int32_t bgr)
{
    const Rgb c = rgbOf(bgr);
    return qRgb(c.r, c.g, c.b);
}
