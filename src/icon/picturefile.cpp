#include "icon/picturefile.h"


#include <QFile>
#include <QImageReader>

namespace picturefile {

namespace {

uint32_t get16(const uchar *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8;
}

uint32_t get32(const uchar *p)
{
    return get16(p) | get16(p + 2) << 16;
}

// A Windows bitmap: file header (14 bytes), then an information header whose first field is
// its own length. The rows of an uncompressed bitmap must all lie inside the file.
bool bitmapHeaderFits(const QByteArray &head, qint64 fileBytes)
{
    const auto *p = reinterpret_cast<const uchar *>(head.constData());
    if (head.size() < 18)
        return false;
    const uint32_t pixelsAt = get32(p + 10);
    const uint32_t infoBytes = get32(p + 14);
    if (infoBytes != 12 && infoBytes != 40 && infoBytes != 52 && infoBytes != 56 && infoBytes != 64
        && infoBytes != 108 && infoBytes != 124)
        return false;
    if (qint64(14) + infoBytes > head.size())
        return false;
    qint64 width = 0;
    qint64 height = 0;
    uint32_t depth = 0;
    uint32_t compression = 0;
    if (infoBytes == 12) {
        width = get16(p + 18);
        height = get16(p + 20);
        depth = get16(p + 24);
    } else {
        width = int32_t(get32(p + 18));
        height = int32_t(get32(p + 22));
        depth = get16(p + 28);
        compression = get32(p + 30);
    }
    if (height < 0)
        height = -height; // rows stored top first
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF)
        return false;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32)
        return false;
    if (pixelsAt < 14 + infoBytes || qint64(pixelsAt) >= fileBytes)
        return false;
    if (width * height * 4 > pixelBudget(fileBytes))
        return false;
    // Run-length bitmaps (1, 2) hold fewer bytes than rows; the budget above bounds them.
    if (compression == 1 || compression == 2)
        return true;
    if (compression != 0 && compression != 3 && compression != 6)
        return false;
    const qint64 stride = ((width * depth + 31) / 32) * 4;
    return stride * height <= fileBytes - pixelsAt;
}

} // namespace

qint64 pixelBudget(qint64 fileBytes)
{
    return 16 * fileBytes + (qint64(1) << 20);
}

QImage load(QIODevice &device)
{
    const qint64 fileBytes = device.size();
    if (fileBytes <= 0)
        return {};
    const QByteArray head = device.peek(14 + 124);
    if (head.startsWith("BM") && !bitmapHeaderFits(head, fileBytes))
        return {};
    QImageReader reader(&device);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return {};
    if (qint64(size.width()) * size.height() * 4 > pixelBudget(fileBytes))
        return {};
    QImage picture = reader.read();
    return picture;
}

QImage load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return load(file);
}

} // namespace picturefile
