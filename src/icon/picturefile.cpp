#include "icon/picturefile.h"

#include "icon/bitmapreader.h"
#include "platform/fileread.h"

#include <QFile>
#include <QImageReader>

namespace picturefile {

namespace {

// Every picture leaves here at 32 bits. Converting an indexed picture looks every pixel up in
// its table; indices beyond a short table would read past it (and pixels painted from such a
// picture read memory nobody owns), so the table is first made full, the extra entries black.
QImage definedPixels(QImage picture)
{
    if (picture.isNull())
        return {};
    if (picture.format() == QImage::Format_Mono || picture.format() == QImage::Format_MonoLSB
        || picture.format() == QImage::Format_Indexed8) {
        const int full = picture.format() == QImage::Format_Indexed8 ? 256 : 2;
        QList<QRgb> table = picture.colorTable();
        if (table.size() < full) {
            table.resize(full, qRgb(0, 0, 0));
            picture.setColorTable(table);
        }
    }
    return picture.convertToFormat(
        picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

// Qt's readers decode into the picture they are handed when it has the size and format they
// announce, and some leave parts of it unwritten: the TIFF reader reads only the first plane
// of a 16-bit TIFF whose colours lie in separate planes. Handed zeroes, such a file gives the
// same pixels on every run instead of whatever the heap held. A picture Qt's own allocation
// limit would refuse is not made here: the reader refuses it as it would have.
QImage zeroFilledFor(QImageReader &reader)
{
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (!size.isValid() || size.isEmpty() || format == QImage::Format_Invalid)
        return {};
    const qint64 bytes
        = qint64(size.width()) * size.height() * QImage::toPixelFormat(format).bitsPerPixel() / 8;
    const int limitMib = QImageReader::allocationLimit();
    if (limitMib > 0 && bytes > (qint64(limitMib) << 20))
        return {};
    QImage picture(size, format);
    if (!picture.isNull())
        picture.fill(0);
    return picture;
}

} // namespace

bool fitsDecodeBudget(QSize size, qint64 maxDecodedBytes)
{
    return size.width() > 0 && size.height() > 0
        && qint64(size.width()) * size.height() * 4 <= maxDecodedBytes;
}

QImage load(QIODevice &device, qint64 maxDecodedBytes)
{
    const qint64 fileBytes = device.size();
    if (fileBytes <= 0)
        return {};
    const QByteArray head = device.peek(14 + 124);
    if (head.startsWith("BM")) {
        bitmapreader::Header header;
        if (!bitmapreader::readHeader(head, fileBytes, maxDecodedBytes, header))
            return {};
        return bitmapreader::decode(
            device.read(std::min(fileBytes, header.bytesNeeded(maxDecodedBytes))), header);
    }
    QImageReader reader(&device);
    if (!fitsDecodeBudget(reader.size(), maxDecodedBytes))
        return {};
    QImage picture = zeroFilledFor(reader);
    if (!reader.read(&picture))
        return {};
    return definedPixels(picture);
}

QImage load(const QString &path)
{
    QFile file;
    if (!fileread::openRegularFile(file, path))
        return {};
    return load(file);
}

} // namespace picturefile
