#pragma once

#include <QImage>

#include <cstdint>

// What the converter turns into an icon: the loaded picture at the top-left corner of its
// source box, over the box's light grey where the picture is smaller or translucent.
namespace iconsource {

constexpr int32_t kBackColor = 0xE0E0E0;
constexpr int kIconSize = 32;

// The icon's 32 x 32 pixels of the source box holding the picture.
QImage sourcePixels(const QImage &picture);

// The transparent colour the converter proposes for a picture: its source box's first pixel.
int32_t proposedTransparentColor(const QImage &picture);

} // namespace iconsource
