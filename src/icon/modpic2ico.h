#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>

class QIODevice;

// Icon files: one square image at 1, 4, 8, 16, 24 or 32 bits per pixel with one colour made
// transparent, written and read back.
namespace modPic2Ico {

// True when the path (or a pattern with * and ?) names at least one normal file: not a
// directory, not hidden, not a device or other special file.
bool FileExists(const QString &path);

// The complete icon file for the top-left size x size pixels of a picture. Empty when the
// picture has no pixels, the size is not 1 to 256 or the depth is not one of the six.
QByteArray iconFileBytes(
    const QImage &picture, int32_t size, int depth, int32_t transparentColor, bool useTransparency);

// Writes the icon file; the old file at the path is replaced only once the new one is
// complete, so a failed write leaves it as it was. True when the file was written.
bool SaveIcon(const QImage &picture, const QString &path, int32_t size, int depth,
    int32_t transparentColor, bool useTransparency);

// Reads an icon from the start of a device: file header, one directory entry, then the
// image block that follows the entry. 32-bit images are composited over the background
// colour (0x00BBGGRR or a system colour). A null image for anything that is not such an
// icon; no field is trusted before it is checked against the bytes the device holds.
QImage readIcon(QIODevice &device, int32_t backColor);

// The picture of an icon file whose name ends in "ico" (any case), or a null image.
QImage LoadIconFile(const QString &path, int32_t backColor);

} // namespace modPic2Ico
