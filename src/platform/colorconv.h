#pragma once

#include <QColor>

#include <cstdint>

// Colour values are 0x00BBGGRR in the program's logic; QColor only at the Qt boundary.
inline QColor toQColor(int32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
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
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
