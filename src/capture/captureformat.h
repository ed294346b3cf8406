#pragma once

#include <QString>

#include <cstdint>

// The stored image format code ("FormatImage") and the format menu entries it checks.
// The first three letters name the file format; the JPEG codes carry the quality.
namespace captureformat {

// The eight checkable entries of the format menu, in menu order.
enum class Entry { None = -1, Bmp, Gif, Jpg0, Jpg25, Jpg50, Jpg75, Png, Tif };
constexpr int EntryCount = 8;

// The entry a stored code checks; None for a code outside the list (nothing is checked).
Entry entryForCode(const QString &code);

// The code an entry stores.
QString codeOf(Entry entry);

// The JPEG quality an entry sets, or -1 when it leaves the quality as it is. The number in
// "Compression 25%" is the quality itself: "Compression 0%" means quality 0.
int16_t qualityOf(Entry entry);

// The file format part of a code: its first three letters ("JPG50" -> "JPG").
QString extensionOf(const QString &code);

} // namespace captureformat
