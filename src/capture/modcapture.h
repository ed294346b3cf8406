#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>

class CommonDialog;

// Writing the capture window's picture to an image file: BMP, JPEG with a quality, TIFF and
// WebP (lossless, or lossy with a quality) through Qt's image writers, PNG through the program's
// own fast writer, GIF through giflib with a libimagequant palette.
namespace modCapture {

// The imaging library lives as long as the capture window. Qt's writers and giflib need no
// starting: the token is never 0. Each format needs only its own writer (TIFF comes from an
// optional plugin); a save in a format whose writer is missing fails alone.
uintptr_t startImaging();
void shutdownImaging(uintptr_t &token);

// Whether the format named by the extension can be written here.
bool canWrite(const QString &extension);

// The bytes of the image in the format named by the extension ("BMP", "GIF", "JPG", "PNG",
// "TIF", "WEBP"). quality is the JPEG or WebP quality 0..100; -1 leaves JPEG at the encoder's
// default and makes WebP lossless (as quality 100 does). An empty result means the encoding
// failed or the extension has no encoder.
QByteArray encodeImage(const QImage &image, const QString &extension, int16_t quality);

// GIF: at most 256 colours chosen by libimagequant, no dithering.
QByteArray encodeGif(const QImage &image);

// Encodes and writes the file atomically; false when anything failed (the file, if it
// existed, is left as it was).
bool SaveImage(const QString &path, const QImage &image, const QString &extension, int16_t quality);

// The save dialog for a file format: no proposed name, the save directory, the overwrite
// question, the format's filter ("JPG|*.JPG") and default extension (".JPG"); cancelling is
// an error to the caller.
void prepareSaveDialog(CommonDialog &dialog, const QString &extension, const QString &directory);

// What is saved of a picture box: the area (0, 0) to its inner size, in the picture's own
// pixels (more than the box's on a scaled screen). Null when there is nothing.
QImage innerArea(const QImage &picture, const QSize &innerLogical);

} // namespace modCapture
