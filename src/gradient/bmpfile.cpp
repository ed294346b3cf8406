#include "gradient/bmpfile.h"

#include "base/littleendian.h"
#include "platform/filesave.h"

#include <QImage>

#include <cstring>

namespace bmpfile {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
// 96 pixels per inch, the resolution the windows were designed at, in pixels per metre.
constexpr quint32 kPixelsPerMetre = 3780;

using littleendian::put16;
using littleendian::put32;

} // namespace

QByteArray encode24(const QImage &image)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return {};
    const quint64 rowSize = (quint64(image.width()) * 3 + 3) / 4 * 4;
    const quint64 pixelBytes = rowSize * quint64(image.height());
    const quint64 fileSize = kFileHeaderSize + kInfoHeaderSize + pixelBytes;
    // bfSize and biSizeImage are 32-bit fields; QByteArray sizes are bounded too.
    if (fileSize > 0x7FFFFFFF)
        return {};

    const QImage src
        = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
        ? image
        : image.convertToFormat(QImage::Format_RGB32);

    QByteArray bytes(qsizetype(fileSize), '\0');
    char *h = bytes.data();
    h[0] = 'B';
    h[1] = 'M';
    put32(h + 2, quint32(fileSize));
    put32(h + 6, 0); // two reserved words
    put32(h + 10, kFileHeaderSize + kInfoHeaderSize);

    char *info = h + kFileHeaderSize;
    put32(info + 0, kInfoHeaderSize);
    put32(info + 4, quint32(src.width()));
    put32(info + 8, quint32(src.height())); // positive: rows stored bottom-up
    put16(info + 12, 1); // planes
    put16(info + 14, 24); // bits per pixel
    put32(info + 16, 0); // no compression
    put32(info + 20, quint32(pixelBytes));
    put32(info + 24, kPixelsPerMetre);
    put32(info + 28, kPixelsPerMetre);
    put32(info + 32, 0); // no palette
    put32(info + 36, 0);

    char *out = h + kFileHeaderSize + kInfoHeaderSize;
    for (int y = src.height() - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        uchar *p = reinterpret_cast<uchar *>(out);
        for (int x = 0; x < src.width(); ++x) {
            *p++ = uchar(qBlue(line[x]));
            *p++ = uchar(qGreen(line[x]));
            *p++ = uchar(qRed(line[x]));
        }
        out += rowSize; // padding bytes stay zero
    }
    return bytes;
}

bool save24(const QImage &image, const QString &path)
{
    const QByteArray bytes = encode24(image);
    if (bytes.isEmpty())
        return false;
    return filesave::writeAtomically(path, bytes);
}

} // namespace bmpfile
