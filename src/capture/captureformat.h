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

// The file format a file name asks for by its extension, in any case: "BMP", "GIF", "JPG"
// (.jpg, .jpeg), "PNG", "TIF" (.tif, .tiff) or "WEBP". Empty for a name without one of those.
// WebP has no entry in the format menu: it is had by typing the name only.
QString formatOfName(const QString &path);

// What a save writes when the user typed `path` with the format entry `code` checked: the
// format the name's extension asks for, else the entry's. Only the entry's own format keeps
// its JPEG quality; a JPEG asked for by name alone gets the encoder's default (-1).
struct SaveFormat
{
    QString extension;
    int16_t quality = -1;
};
SaveFormat saveFormatFor(const QString &path, const QString &code, int16_t chosenQuality);

} // namespace captureformat
