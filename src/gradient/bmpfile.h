#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// Windows bitmap files as the gradient tools write them: uncompressed 24 bits per pixel, a
// 14-byte file header ("BM"), a 40-byte info header, then the rows bottom-up, each padded to a
// multiple of 4 bytes.
namespace bmpfile {

// The whole file; empty when the image is empty or too large for the format's 32-bit sizes.
QByteArray encode24(const QImage &image);

// Writes the file atomically under exactly the given name (no extension is added). False when
// nothing was written; an existing file is then left as it was.
bool save24(const QImage &image, const QString &path);

} // namespace bmpfile
