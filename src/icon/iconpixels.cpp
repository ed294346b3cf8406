#include "icon/iconpixels.h"

#include "base/colorconv.h"

#include <cstring>

namespace iconpixels {

int rowBytes(int depth, int width)
{
    switch (depth) {
    case 1:
        return ((width + 31) & ~31) / 8;
    case 4:
        return ((width + 7) & ~7) / 2;
    case 8:
        return (width + 3) & ~3;
    case 16:
        return (2 * width + 2) & ~2;
    case 24:
        return (3 * width + 3) & ~3;
    case 32:
        return 4 * width;
    default:
        return 0;
    }
}

int maskRowBytes(int width) { return ((width + 31) & ~31) / 8; }

int paletteEntries(int depth)
{
    switch (depth) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

namespace {

const std::vector<uint32_t> kMono = { 0x000000, 0xFFFFFF };

const std::vector<uint32_t> kSystem16 = {
    0x000000,
    0x800000,
    0x008000,
    0x808000,
    0x000080,
    0x800080,
    0x008080,
    0x808080,
    0xC0C0C0,
    0xFF0000,
    0x00FF00,
    0xFFFF00,
    0x0000FF,
    0xFF00FF,
    0x00FFFF,
    0xFFFFFF,
};

std::vector<uint32_t> makeTable256()
{
    std::vector<uint32_t> table = kSystem16;
    const auto has = [&table](uint32_t c) {
        for (uint32_t e : table)
            if (e == c)
                return true;
        return false;
    };
    // The 216 web-safe colours; eight of them are already among the sixteen.
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) {
                const uint32_t c
                    = uint32_t(r * 0x33) << 16 | uint32_t(g * 0x33) << 8 | uint32_t(b * 0x33);
                if (!has(c))
                    table.push_back(c);
            }
    // The 32 free entries hold greys evenly spread between black and white; none of these
    // levels falls on a grey the table already has.
    for (int k = 1; table.size() < 256; ++k) {
        const uint32_t v = uint32_t((k * 255 + 16) / 33);
        table.push_back(v << 16 | v << 8 | v);
    }
    return table;
}

const std::vector<uint32_t> &table256()
{
    static const std::vector<uint32_t> table = makeTable256();
    return table;
}

const std::vector<uint32_t> kNone;

// Nearest-entry search with a memo of the last colour: icons are mostly runs of one colour.
class Mapper
{
public:
    explicit Mapper(const std::vector<uint32_t> &table)
        : m_table(table)
    {
    }
    int operator()(int r, int g, int b)
    {
        const uint32_t key = uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
        if (key != m_lastKey) {
            m_lastKey = key;
            m_lastIndex = nearestEntry(m_table, r, g, b);
        }
        return m_lastIndex;
    }

private:
    const std::vector<uint32_t> &m_table;
    uint32_t m_lastKey = 0xFFFFFFFF;
    int m_lastIndex = 0;
};

} // namespace

const std::vector<uint32_t> &palette(int depth)
{
    switch (depth) {
    case 1:
        return kMono;
    case 4:
        return kSystem16;
    case 8:
        return table256();
    default:
        return kNone;
    }
}

int nearestEntry(const std::vector<uint32_t> &table, int r, int g, int b)
{
    int best = 0;
    int bestDistance = 0x7FFFFFFF;
    for (int i = 0; i < int(table.size()); ++i) {
        const uint32_t e = table[size_t(i)];
        const int dr = int(e >> 16 & 0xFF) - r;
        const int dg = int(e >> 8 & 0xFF) - g;
        const int db = int(e & 0xFF) - b;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
            if (d == 0)
                break;
        }
    }
    return best;
}

PixelArray readPixels(const QImage &picture, int size)
{
    PixelArray px;
    if (picture.isNull() || size < 1)
        return px;
    px.size = size;
    px.bgra.assign(size_t(4) * size_t(size) * size_t(size), 0);
    px.mask.assign(size_t(maskRowBytes(size)) * size_t(size), 0);
    const QImage src = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = qMin(size, src.width());
    const int h = qMin(size, src.height());
    for (int top = 0; top < h; ++top) {
        const auto *line = reinterpret_cast<const QRgb *>(src.constScanLine(top));
        uint8_t *row = px.bgra.data() + size_t(size - 1 - top) * size_t(size) * 4;
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            row[4 * x] = uint8_t(qBlue(c));
            row[4 * x + 1] = uint8_t(qGreen(c));
            row[4 * x + 2] = uint8_t(qRed(c));
            row[4 * x + 3] = uint8_t(qAlpha(c));
        }
    }
    return px;
}

bool maskBit(const std::vector<uint8_t> &mask, int width, int x, int y)
{
    return mask[size_t(y) * size_t(maskRowBytes(width)) + size_t(x / 8)] & (0x80 >> (x % 8));
}

void setMaskBit(std::vector<uint8_t> &mask, int width, int x, int y, bool on)
{
    uint8_t &byte = mask[size_t(y) * size_t(maskRowBytes(width)) + size_t(x / 8)];
    const uint8_t bit = uint8_t(0x80 >> (x % 8));
    byte = on ? uint8_t(byte | bit) : uint8_t(byte & ~bit);
}

void applyTransparency(PixelArray &px, int32_t colour)
{
    const Rgb c = rgbOf(colour);
    const auto r = uint8_t(c.r);
    const auto g = uint8_t(c.g);
    const auto b = uint8_t(c.b);
    for (int y = 0; y < px.size; ++y) {
        for (int x = 0; x < px.size; ++x) {
            uint8_t *p = px.bgra.data() + (size_t(y) * size_t(px.size) + size_t(x)) * 4;
            p[3] = 255;
            if (p[0] == b && p[1] == g && p[2] == r) {
                std::memset(p, 0, 4);
                setMaskBit(px.mask, px.size, x, y, true);
            }
        }
    }
}

std::vector<uint8_t> reduceDepth(const PixelArray &px, int depth)
{
    const int stride = rowBytes(depth, px.size);
    if (stride == 0)
        return {};
    if (depth == 32)
        return px.bgra;
    std::vector<uint8_t> out(size_t(stride) * size_t(px.size), 0);
    Mapper map(palette(depth));
    for (int y = 0; y < px.size; ++y) {
        const uint8_t *in = px.bgra.data() + size_t(y) * size_t(px.size) * 4;
        uint8_t *row = out.data() + size_t(y) * size_t(stride);
        for (int x = 0; x < px.size; ++x) {
            const int b = in[4 * x], g = in[4 * x + 1], r = in[4 * x + 2];
            switch (depth) {
            case 1:
                if (map(r, g, b))
                    row[x / 8] |= uint8_t(0x80 >> (x % 8));
                break;
            case 4:
                row[x / 2] |= uint8_t(map(r, g, b) << (x % 2 ? 0 : 4));
                break;
            case 8:
                row[x] = uint8_t(map(r, g, b));
                break;
            case 16: {
                const uint16_t v = uint16_t((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3));
                row[2 * x] = uint8_t(v & 0xFF);
                row[2 * x + 1] = uint8_t(v >> 8);
                break;
            }
            case 24:
                row[3 * x] = uint8_t(b);
                row[3 * x + 1] = uint8_t(g);
                row[3 * x + 2] = uint8_t(r);
                break;
            }
        }
    }
    return out;
}

} // namespace iconpixels
