#include "icon/bitmapreader.h"

#include "base/littleendian.h"

#include <algorithm>
#include <bit>

namespace bitmapreader {

namespace {

constexpr uint32_t kRgb = 0;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;
constexpr uint32_t kBitfields = 3;
constexpr uint32_t kAlphaBitfields = 6;
constexpr int kFileHeaderBytes = 14;

using littleendian::get16;
using littleendian::get32;

bool isRunLength(const Header &h) { return h.compression == kRle8 || h.compression == kRle4; }

// Bytes of bit masks that follow a 40-byte header; longer headers hold them inside.
int trailingMaskBytes(const Header &h)
{
    if (h.infoBytes != 40)
        return 0;
    return h.compression == kBitfields ? 12 : h.compression == kAlphaBitfields ? 16 : 0;
}

qint64 rowBytes(const Header &h) { return ((qint64(h.width) * h.depth + 31) / 32) * 4; }

// One channel of a pixel value: where its mask sits and how to bring it to 0-255.
struct Channel
{
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;
    int drop = 0; // channels wider than 8 bits keep their top 8

    explicit Channel(uint32_t m = 0)
        : mask(m)
    {
        if (!m)
            return;
        shift = std::countr_zero(m);
        const int width = 32 - std::countl_zero(m >> shift);
        drop = std::max(0, width - 8);
        max = uint32_t((uint64_t(1) << (width - drop)) - 1);
    }
    int operator()(uint32_t v) const
    {
        if (!mask)
            return 0;
        const uint32_t value = ((v & mask) >> shift) >> drop;
        return int((value * 255 + max / 2) / max);
    }
};

struct Masks
{
    Channel red, green, blue, alpha;
};

Masks masksOf(const QByteArray &file, const Header &h)
{
    const auto *p = reinterpret_cast<const uchar *>(file.constData()) + kFileHeaderBytes + 40;
    if (h.compression == kBitfields || h.compression == kAlphaBitfields) {
        const bool hasAlpha = h.compression == kAlphaBitfields || h.infoBytes >= 56;
        return { Channel(get32(p)), Channel(get32(p + 4)), Channel(get32(p + 8)),
            Channel(hasAlpha ? get32(p + 12) : 0) };
    }
    // Without bit fields the fourth byte of a 32-bit pixel is unused, whatever it holds.
    if (h.depth == 16)
        return { Channel(0x7C00), Channel(0x03E0), Channel(0x001F), Channel() };
    return { Channel(0xFF0000), Channel(0xFF00), Channel(0xFF), Channel() };
}

// The colour table between the headers and the pixels: as many entries as the header says
// (all 2^depth when it says 0), never more than lie before the pixels; the rest is black.
void readTable(const QByteArray &file, const Header &h, QRgb (&colours)[256])
{
    std::fill(std::begin(colours), std::end(colours), qRgb(0, 0, 0));
    if (h.depth > 8)
        return;
    const qint64 tableAt = kFileHeaderBytes + h.infoBytes + trailingMaskBytes(h);
    const int entryBytes = h.infoBytes == 12 ? 3 : 4;
    qint64 entries = h.coloursUsed ? qint64(h.coloursUsed) : qint64(1) << h.depth;
    entries = std::min<qint64>(
        { entries, 256, (std::min<qint64>(h.pixelsAt, file.size()) - tableAt) / entryBytes });
    const auto *p = reinterpret_cast<const uchar *>(file.constData());
    for (qint64 i = 0; i < entries; ++i) {
        const uchar *entry = p + tableAt + entryBytes * i;
        colours[i] = qRgb(entry[2], entry[1], entry[0]);
    }
}

QImage decodeRows(const QByteArray &file, const Header &h, const QRgb (&colours)[256])
{
    const Masks masks = masksOf(file, h);
    const bool alpha = masks.alpha.mask != 0;
    QImage picture(h.width, h.height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    const qint64 stride = rowBytes(h);
    const auto *pixels = reinterpret_cast<const uchar *>(file.constData()) + h.pixelsAt;
    for (int stored = 0; stored < h.height; ++stored) {
        const uchar *row = pixels + stride * stored;
        auto *line = reinterpret_cast<QRgb *>(
            picture.scanLine(h.rowsTopFirst ? stored : h.height - 1 - stored));
        for (int x = 0; x < h.width; ++x) {
            uint32_t v = 0;
            switch (h.depth) {
            case 1:
                line[x] = colours[row[x / 8] >> (7 - x % 8) & 1];
                continue;
            case 4:
                line[x] = colours[row[x / 2] >> (x % 2 ? 0 : 4) & 0x0F];
                continue;
            case 8:
                line[x] = colours[row[x]];
                continue;
            case 16:
                v = get16(row + 2 * x);
                break;
            case 24:
                v = uint32_t(row[3 * x]) | uint32_t(row[3 * x + 1]) << 8
                    | uint32_t(row[3 * x + 2]) << 16;
                break;
            default:
                v = get32(row + 4 * x);
                break;
            }
            line[x]
                = qRgba(masks.red(v), masks.green(v), masks.blue(v), alpha ? masks.alpha(v) : 255);
        }
    }
    return picture;
}

QImage decodeRunLength(const QByteArray &file, const Header &h, const QRgb (&colours)[256])
{
    QImage picture(h.width, h.height, QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    picture.fill(colours[0]);
    const auto *bytes = reinterpret_cast<const uchar *>(file.constData());
    const qsizetype end = file.size();
    const bool eightBits = h.depth == 8;
    qsizetype at = h.pixelsAt;
    int x = 0;
    int y = 0; // rows in stored order
    QRgb *line = nullptr;
    const auto selectRow = [&] {
        if (y < h.height)
            line
                = reinterpret_cast<QRgb *>(picture.scanLine(h.rowsTopFirst ? y : h.height - 1 - y));
    };
    // Pixels past the row's end are dropped; x stops at the width so it cannot overflow.
    const auto put = [&](uint index) {
        if (x < h.width)
            line[x++] = colours[index];
    };
    selectRow();
    while (y < h.height && end - at >= 2) {
        const uint count = bytes[at];
        const uint code = bytes[at + 1];
        at += 2;
        if (count > 0) {
            // A run: one index repeated, or at 4 bits two indices taking turns.
            for (uint i = 0; i < count && x < h.width; ++i)
                put(eightBits ? code : (i % 2 ? code & 0x0F : code >> 4));
            continue;
        }
        switch (code) {
        case 0: // end of row
            x = 0;
            ++y;
            selectRow();
            break;
        case 1: // end of bitmap
            return picture;
        case 2: // delta: move right and on by rows without writing
            if (end - at < 2)
                return picture;
            x = std::min(h.width, x + bytes[at]);
            y += bytes[at + 1];
            at += 2;
            selectRow();
            break;
        default: { // absolute: `code` indices as they stand, padded to a 16-bit boundary
            const qsizetype length = eightBits ? qsizetype(code) : qsizetype(code + 1) / 2;
            const qsizetype available = std::min(length, end - at);
            for (uint i = 0; i < code && x < h.width; ++i) {
                const qsizetype byteAt = eightBits ? qsizetype(i) : qsizetype(i / 2);
                if (byteAt >= available)
                    break;
                const uint b = bytes[at + byteAt];
                put(eightBits ? b : (i % 2 ? b & 0x0F : b >> 4));
            }
            if (available < length)
                return picture; // cut short
            at += length + (length & 1);
            break;
        }
        }
    }
    return picture;
}

} // namespace

qint64 Header::bytesNeeded(qint64 budget) const
{
    if (isRunLength(*this))
        return qint64(pixelsAt) + budget;
    return qint64(pixelsAt) + rowBytes(*this) * height;
}

bool readHeader(const QByteArray &head, qint64 fileBytes, qint64 maxDecodedBytes, Header &out)
{
    const auto *p = reinterpret_cast<const uchar *>(head.constData());
    if (head.size() < kFileHeaderBytes + 4 || !head.startsWith("BM"))
        return false;
    Header h;
    h.pixelsAt = get32(p + 10);
    h.infoBytes = get32(p + 14);
    const uint32_t info = h.infoBytes;
    if (info != 12 && info != 40 && info != 52 && info != 56 && info != 64 && info != 108
        && info != 124)
        return false;
    if (qint64(kFileHeaderBytes) + info > head.size())
        return false;
    qint64 width = 0;
    qint64 height = 0;
    if (info == 12) {
        width = get16(p + 18);
        height = get16(p + 20);
        h.depth = int(get16(p + 24));
    } else {
        width = qint32(get32(p + 18));
        height = qint32(get32(p + 22));
        h.depth = int(get16(p + 28));
        h.compression = get32(p + 30);
        h.coloursUsed = get32(p + 46);
    }
    // A negative height is a bitmap stored top row first; its size is the absolute value.
    if (height < 0) {
        height = -height;
        h.rowsTopFirst = true;
    }
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF)
        return false;
    if (width * height * 4 > maxDecodedBytes)
        return false;
    h.width = int(width);
    h.height = int(height);
    switch (h.compression) {
    case kRgb:
        if (h.depth != 1 && h.depth != 4 && h.depth != 8 && h.depth != 16 && h.depth != 24
            && h.depth != 32)
            return false;
        break;
    case kRle8:
    case kRle4:
        if (h.depth != (h.compression == kRle8 ? 8 : 4))
            return false;
        break;
    case kBitfields:
    case kAlphaBitfields:
        // The 64-byte OS/2 header gives 3 another meaning (Huffman coding), which nobody reads.
        if (info == 64 || (h.depth != 16 && h.depth != 32))
            return false;
        break;
    default:
        return false;
    }
    if (qint64(kFileHeaderBytes) + info + trailingMaskBytes(h)
        > std::min<qint64>(h.pixelsAt, head.size()))
        return false;
    if (qint64(h.pixelsAt) >= fileBytes)
        return false;
    if (!isRunLength(h) && rowBytes(h) * h.height > fileBytes - h.pixelsAt)
        return false;
    out = h;
    return true;
}

QImage decode(const QByteArray &file, const Header &header)
{
    if (file.size() <= qsizetype(header.pixelsAt))
        return {};
    if (!isRunLength(header) && file.size() < header.bytesNeeded(0))
        return {};
    QRgb colours[256];
    readTable(file, header, colours);
    return isRunLength(header) ? decodeRunLength(file, header, colours)
                               : decodeRows(file, header, colours);
}

} // namespace bitmapreader
