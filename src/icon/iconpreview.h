#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>

// The two bitmaps an on-screen icon is made of, built from a picture's bitmap.
struct IconBitmaps
{
    QImage colour; // RGB32 of the icon size
    QImage mask; // Mono of the icon size, index 1 = transparent
};

// The bitmap copied into a colour bitmap of the icon size (stretched to it, or unscaled from
// the top-left corner). With a transparent colour (0x00BBGGRR, not -1) the pixels of that
// colour get their mask bit and turn black in the colour bitmap; with -1 the mask stays clear.
IconBitmaps makeIconBitmaps(
    const QImage &bitmap, QSize iconSize, bool stretch, int32_t transparentColor);
