#pragma once

#include "icon/sourcepicture.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// Icon files holding one picture at several sizes, as today's desktops and browsers use them.
namespace multiicon {

// The sizes an icon file may hold, smallest first.
inline constexpr int kSizes[] = { 16, 24, 32, 48, 64, 128, 256 };
// What the user starts with.
inline constexpr int kDefaultSizes[] = { 16, 32, 48, 256 };
// Entries up to this size are stored as bitmaps, larger ones as PNG.
constexpr int kLargestBitmapEntry = 64;

bool isIconSize(int size);

// A square ARGB32 picture (straight alpha) at `size`, from any ARGB32/RGB32 picture: made
// square first (centred on transparent, or its middle cropped), then resampled in linear
// light with alpha-weighted area averaging when shrinking and bilinear filtering when
// enlarging.
QImage resampled(const QImage &picture, int size, sourcepicture::Fit fit);

// An icon file of square ARGB32 pictures, one per size (each an icon size; duplicates and
// other sizes are left out), sorted by size. Empty when no entry is left.
QByteArray icoBytes(QList<QImage> entries);

// The pictures of `source` at each size of `sizes`.
QList<QImage> entriesFor(
    const sourcepicture::Picture &source, const QList<int> &sizes, sourcepicture::Fit fit);

// Writes the icon file atomically; false when nothing could be written (the old file stays).
bool writeIco(const QString &path, const sourcepicture::Picture &source, const QList<int> &sizes,
    sourcepicture::Fit fit);

} // namespace multiicon
