#include "icon/sourcepicture.h"

#include "icon/bitmapreader.h"
#include "icon/multiicon.h"
#include "icon/picturefile.h"
#include "platform/fileread.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <limits>

namespace sourcepicture {

namespace {

// Drawings are text: anything this long is no icon drawing.
constexpr qint64 kMaxSvgBytes = qint64(32) << 20;

// The largest bitmap header the reader knows, after the 14-byte file header.
constexpr int kBitmapHeadBytes = 14 + 124;

Result failed(Error error, QSize size = {})
{
    Result r;
    r.error = error;
    r.size = size;
    return r;
}

} // namespace

struct Loader
{
    static Result svg(QIODevice &device)
    {
        if (device.size() > kMaxSvgBytes)
            return failed(Error::TooLarge);
        const QByteArray bytes = device.readAll();
        QSvgRenderer renderer(bytes);
        if (!renderer.isValid())
            return failed(Error::Corrupt);
        QSize size = renderer.defaultSize();
        if (size.isEmpty())
            size = renderer.viewBoxF().size().toSize();
        if (size.isEmpty())
            return failed(Error::Corrupt);
        Result r;
        r.picture.m_svg = bytes;
        r.picture.m_size = size;
        r.size = size;
        return r;
    }

    static Result raster(QIODevice &device, QSize size, const Limits &limits)
    {
        if (!fits(size, limits))
            return failed(Error::TooLarge, size);
        const QImage image = picturefile::load(device, limits.maxDecodedBytes);
        if (image.isNull())
            return failed(Error::Corrupt, size);
        // A header may give one size and the pixels another (a GIF's screen and its frame):
        // Qt's allocation limit has bounded the decoding, the picture is held to the limits.
        if (!fits(image.size(), limits))
            return failed(Error::TooLarge, image.size());
        Result r;
        r.picture = Picture::fromImage(image);
        r.size = size;
        return r;
    }
};

bool fits(QSize size, const Limits &limits)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= limits.maxSide
        && size.height() <= limits.maxSide
        && qint64(size.width()) * size.height() * 4 <= limits.maxDecodedBytes;
}

Picture Picture::fromImage(const QImage &image)
{
    Picture p;
    if (image.isNull())
        return p;
    p.m_raster = image.convertToFormat(QImage::Format_ARGB32);
    p.m_size = image.size();
    return p;
}

QImage Picture::square(int size, Fit fit) const
{
    if (size <= 0 || isNull())
        return {};
    if (!isScalable())
        return multiicon::resampled(m_raster, size, fit);
    QImage out(size, size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QSvgRenderer renderer(m_svg);
    // Drawn to fill the square one way or the other, its aspect kept.
    const double w = m_size.width(), h = m_size.height();
    const double scale = fit == Fit::Centre ? size / std::max(w, h) : size / std::min(w, h);
    const QRectF target((size - w * scale) / 2, (size - h * scale) / 2, w * scale, h * scale);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, target);
    painter.end();
    return out.convertToFormat(QImage::Format_ARGB32);
}

namespace {

// While a picture loads, Qt's readers refuse on their own to allocate more than its budget: a
// header may promise a small picture while the decoder allocates for a larger one (a GIF's
// screen). The limit is Qt's, for the whole program, so the one before is put back.
class AllocationLimit
{
public:
    explicit AllocationLimit(qint64 bytes)
        : m_previous(QImageReader::allocationLimit())
    {
        const qint64 mib = (bytes + (qint64(1) << 20) - 1) >> 20;
        QImageReader::setAllocationLimit(
            int(std::clamp<qint64>(mib, 1, std::numeric_limits<int>::max())));
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(m_previous); }
    AllocationLimit(const AllocationLimit &) = delete;
    AllocationLimit &operator=(const AllocationLimit &) = delete;

private:
    int m_previous;
};

} // namespace

Result load(QIODevice &device, const Limits &limits)
{
    const AllocationLimit allocation(limits.maxDecodedBytes);
    const qint64 fileBytes = device.size();
    if (fileBytes <= 0)
        return failed(Error::Corrupt);
    const qint64 start = device.pos();
    const QByteArray head = device.peek(kBitmapHeadBytes);
    if (head.startsWith("BM")) {
        bitmapreader::Header header;
        if (bitmapreader::readHeader(head, fileBytes, limits.maxDecodedBytes, header))
            return Loader::raster(device, QSize(header.width, header.height), limits);
        // Refused: too large for the budget, or no bitmap at all? The same header read with
        // the largest budget a bitmap can need tells which.
        if (bitmapreader::readHeader(head, fileBytes, qint64(65535) * 65535 * 4, header))
            return failed(Error::TooLarge, QSize(header.width, header.height));
        return failed(Error::Corrupt);
    }
    QByteArray format;
    QSize size;
    {
        QImageReader reader(&device);
        format = reader.format();
        if (format.isEmpty())
            return failed(Error::Corrupt);
        if (format != "svg" && format != "svgz")
            size = reader.size();
    }
    if (!device.seek(start))
        return failed(Error::Unreadable);
    if (format == "svg" || format == "svgz")
        return Loader::svg(device);
    if (!size.isValid())
        return failed(Error::Corrupt);
    return Loader::raster(device, size, limits);
}

Result load(const QString &path, const Limits &limits)
{
    QFile file;
    if (!fileread::openRegularFile(file, path))
        return failed(Error::Unreadable);
    return load(file, limits);
}

} // namespace sourcepicture
