#include "icon/modpic2ico.h"

#include "base/colorconv.h"
#include "base/littleendian.h"
#include "base/systemcolor.h"
#include "base/vbmath.h"
#include "icon/iconpixels.h"
#include "platform/fileread.h"
#include "platform/filesave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace modPic2Ico {

namespace {

constexpr int kFileHeaderBytes = 6;
constexpr int kEntryBytes = 16;
constexpr int kInfoHeaderBytes = 40;
constexpr int kMaxSize = 256;

using littleendian::append16;
using littleendian::append32;
using littleendian::get16;
using littleendian::get32;

bool isDepth(uint32_t depth)
{
    return depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
}

bool isNormalFile(const QFileInfo &info)
{
    if (info.isHidden())
        return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(QFile::encodeName(info.filePath()).toStdString(), ec)
        && !ec;
}

} // namespace

bool FileExists(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(0)) || path.endsWith(u'/'))
        return false;
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!name.contains(u'*') && !name.contains(u'?'))
        return isNormalFile(info);
    // Only * and ? are wild; a bracket is an ordinary character of the name.
    QString pattern = name;
    pattern.replace(u'[', QStringLiteral("[[]"));
    const QDir dir = info.dir();
    const QFileInfoList matches
        = dir.entryInfoList({ pattern }, QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo &m : matches)
        if (isNormalFile(m))
            return true;
    return false;
}

QByteArray iconFileBytes(
    const QImage &picture, int32_t size, int depth, int32_t transparentColor, bool useTransparency)
{
    if (size < 1 || size > kMaxSize || !isDepth(uint32_t(depth)))
        return {};
    iconpixels::PixelArray pixels = iconpixels::readPixels(picture, size);
    if (pixels.size == 0)
        return {};
    if (useTransparency) {
        if (const auto plain = translateColor(transparentColor))
            iconpixels::applyTransparency(pixels, *plain);
    }
    const std::vector<uint8_t> colour = iconpixels::reduceDepth(pixels, depth);
    const std::vector<uint32_t> &table = iconpixels::palette(depth);
    const uint32_t entries = uint32_t(iconpixels::paletteEntries(depth));
    const uint32_t imageBytes
        = kInfoHeaderBytes + 4 * entries + uint32_t(colour.size()) + uint32_t(pixels.mask.size());
    const uint32_t sizeByte = size < 256 ? uint32_t(size) : 0;

    QByteArray out;
    out.reserve(int(kFileHeaderBytes + kEntryBytes + imageBytes));
    // File header: reserved, type 1 (icon), one image.
    append16(out, 0);
    append16(out, 1);
    append16(out, 1);
    // Directory entry; the colour count byte only holds tables below 256 entries.
    out.append(char(sizeByte));
    out.append(char(sizeByte));
    out.append(char(entries < 256 ? entries : 0));
    out.append(char(0));
    append16(out, 1);
    append16(out, uint32_t(depth));
    append32(out, imageBytes);
    append32(out, kFileHeaderBytes + kEntryBytes);
    // Bitmap information header; the height covers the colour image and the mask together.
    append32(out, kInfoHeaderBytes);
    append32(out, uint32_t(size));
    append32(out, uint32_t(2 * size));
    append16(out, 1);
    append16(out, uint32_t(depth));
    append32(out, 0);
    append32(out, uint32_t(colour.size()));
    append32(out, 0);
    append32(out, 0);
    append32(out, entries);
    append32(out, entries);
    for (uint32_t c : table) {
        out.append(char(c & 0xFF));
        out.append(char(c >> 8 & 0xFF));
        out.append(char(c >> 16 & 0xFF));
        out.append(char(0));
    }
    out.append(reinterpret_cast<const char *>(colour.data()), qsizetype(colour.size()));
    out.append(reinterpret_cast<const char *>(pixels.mask.data()), qsizetype(pixels.mask.size()));
    return out;
}

bool SaveIcon(const QImage &picture, const QString &path, int32_t size, int depth,
    int32_t transparentColor, bool useTransparency)
{
    const QByteArray bytes = iconFileBytes(picture, size, depth, transparentColor, useTransparency);
    if (bytes.isEmpty())
        return false;
    return filesave::writeAtomically(path, bytes);
}

QImage readIcon(QIODevice &device, int32_t backColor)
{
    uchar head[kFileHeaderBytes + kEntryBytes];
    if (device.read(reinterpret_cast<char *>(head), kFileHeaderBytes) != kFileHeaderBytes)
        return {};
    if (get16(head + 2) != 1 || get16(head + 4) != 1)
        return {};
    if (device.read(reinterpret_cast<char *>(head + kFileHeaderBytes), kEntryBytes) != kEntryBytes)
        return {};
    const uchar *entry = head + kFileHeaderBytes;
    // A size byte of 0 stands for 256, as the writer stores it.
    const int w = entry[0] ? entry[0] : 256;
    const int h = entry[1] ? entry[1] : 256;
    const uint32_t depth = get16(entry + 6);
    const uint32_t imageBytes = get32(entry + 8);
    if (!isDepth(depth))
        return {};

    // The block follows the entry directly (the offset field is not consulted); its length
    // must fit in what the device really holds before anything is allocated for it.
    const qint64 available = device.size() - device.pos();
    if (imageBytes < uint32_t(kInfoHeaderBytes) || qint64(imageBytes) > available)
        return {};
    QByteArray block = device.read(qint64(imageBytes));
    if (block.size() != qsizetype(imageBytes))
        return {};
    auto *img = reinterpret_cast<uchar *>(block.data());

    if (get32(img) != uint32_t(kInfoHeaderBytes) || get32(img + 4) != uint32_t(w)
        || get32(img + 8) != uint32_t(2 * h) || get16(img + 14) != depth || get32(img + 16) != 0)
        return {};
    uint32_t entries = uint32_t(iconpixels::paletteEntries(int(depth)));
    const uint32_t used = get32(img + 32);
    if (used != 0 && used < entries)
        entries = used;
    const int stride = iconpixels::rowBytes(int(depth), w);
    const int maskStride = iconpixels::maskRowBytes(w);
    const uint32_t colourAt = kInfoHeaderBytes + 4 * entries;
    const uint32_t maskAt = colourAt + uint32_t(stride * h);
    if (maskAt + uint32_t(maskStride * h) > imageBytes)
        return {};

    if (depth == 32) {
        const auto background = translateColor(backColor);
        if (!background)
            return {};
        const Rgb c = rgbOf(*background);
        const int bg[3] = { c.b, c.g, c.r };
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                uchar *p = img + colourAt + size_t(y) * size_t(stride) + size_t(x) * 4;
                uchar &maskByte = img[maskAt + size_t(y) * size_t(maskStride) + size_t(x / 8)];
                const uchar bit = uchar(0x80 >> (x % 8));
                int weight = 255 - p[3];
                if (maskByte & bit) {
                    maskByte = uchar(maskByte & ~bit);
                    weight = 255;
                }
                for (int c = 0; c < 3; ++c) {
                    const int value = p[c];
                    p[c] = uchar(
                        vbmath::roundHalfEven(value - double((value - bg[c]) * weight) / 255.0));
                }
            }
        }
    }

    // The displayable picture: mask bits make a pixel see-through. A composited 32-bit image
    // is shown as it stands, its transparency already painted in the background colour.
    QImage picture(w, h, QImage::Format_ARGB32);
    if (picture.isNull())
        return {};
    const uchar *table = img + kInfoHeaderBytes;
    for (int y = 0; y < h; ++y) {
        const uchar *row = img + colourAt + size_t(y) * size_t(stride);
        const uchar *maskRow = img + maskAt + size_t(y) * size_t(maskStride);
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(h - 1 - y));
        for (int x = 0; x < w; ++x) {
            int r = 0, g = 0, b = 0;
            uint32_t index = 0;
            switch (depth) {
            case 1:
                index = row[x / 8] >> (7 - x % 8) & 1;
                break;
            case 4:
                index = row[x / 2] >> (x % 2 ? 0 : 4) & 0xF;
                break;
            case 8:
                index = row[x];
                break;
            case 16: {
                const uint32_t v = get16(row + 2 * x);
                r = int(v >> 10 & 0x1F) * 255 / 31;
                g = int(v >> 5 & 0x1F) * 255 / 31;
                b = int(v & 0x1F) * 255 / 31;
                break;
            }
            case 24:
                b = row[3 * x];
                g = row[3 * x + 1];
                r = row[3 * x + 2];
                break;
            case 32:
                b = row[4 * x];
                g = row[4 * x + 1];
                r = row[4 * x + 2];
                break;
            }
            if (depth <= 8) {
                // An index beyond a shortened table reads as black, as it does on screen.
                if (index < entries) {
                    b = table[4 * index];
                    g = table[4 * index + 1];
                    r = table[4 * index + 2];
                }
            }
            const bool transparent = maskRow[x / 8] & (0x80 >> (x % 8));
            line[x] = qRgba(r, g, b, transparent ? 0 : 255);
        }
    }
    return picture;
}

QImage LoadIconFile(const QString &path, int32_t backColor)
{
    if (!FileExists(path) || path.right(3).toLower() != QLatin1String("ico"))
        return {};
    QFile file;
    if (!fileread::openRegularFile(file, path))
        return {};
    return readIcon(file, backColor);
}

} // namespace modPic2Ico
