#include "gradient/gradientrender.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

using namespace gradientmodel;

namespace gradientrender {

namespace {

// Entries per segment in the colour table: between them the colours are interpolated
// linearly, far closer than one level of 8 bits.
constexpr int kTableSteps = 1024;
constexpr int kBandRows = 32;

// The 16 × 16 Bayer matrix as thresholds in 256ths of a level, each standing for (v + 0.5) / 256:
// every column and every row holds 16 different ones, so that column and row averages follow the
// ramp closely.
const std::array<uint16_t, 256> &thresholds()
{
    static const std::array<uint16_t, 256> table = [] {
        std::array<uint16_t, 256> t {};
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                int v = 0;
                for (int bit = 0; bit < 4; ++bit) {
                    const int xb = (x >> bit) & 1, yb = (y >> bit) & 1;
                    v |= ((xb ^ yb) << (7 - 2 * bit)) | (yb << (6 - 2 * bit));
                }
                t[size_t(y * 16 + x)] = uint16_t(v);
            }
        }
        return t;
    }();
    return table;
}

// The colours along the gradient line sampled finely enough that neighbouring entries differ
// by a small fraction of a level, looked up by nearest entry: a hard stop moves by at most
// half an entry, a small fraction of a pixel. Entries hold levels in 256ths (0 to 255 × 256):
// with a threshold t / 256 added, the level is the high byte, and the sum never passes 65535.
// Rounding a level to 256ths loses nothing against thresholds of (t + 0.5) / 256:
// floor(c + (t + 0.5) / 256) = floor((round(256 c) + t) / 256).
class ColourLine
{
public:
    ColourLine(const Colours &colours, int entries)
        : m_first(colours.first())
        , m_span(std::max(colours.last() - colours.first(), 1e-9))
        , m_repeats(colours.repeats())
        , m_entries(entries)
        , m_scale(entries / m_span)
        , m_table(size_t(entries + 2))
    {
        // Entry 0 is the colour before the first stop, entry entries + 1 the one after the last.
        auto fill = [&](int index, double t) {
            float c[4];
            colours.tableAt(t, c);
            for (int k = 0; k < 4; ++k)
                m_table[size_t(index)][size_t(k)]
                    = uint16_t(std::clamp(int(c[k] * 65280.f + 0.5f), 0, 65280));
        };
        fill(0, m_first - 1);
        for (int i = 0; i < entries; ++i)
            fill(i + 1, m_first + (i + 0.5) / m_scale);
        fill(entries + 1, m_repeats ? m_first : colours.last() + 1);
    }
    const uint16_t *entry(int32_t index) const { return m_table[size_t(index)].data(); }

    // The entries for positions along the line. Single precision keeps a pixel within a
    // thousandth of a pixel of its place, and lets the loops work on several pixels at once.
    void indices(const float *t, int count, int32_t *out) const
    {
        const float first = float(m_first);
        if (m_repeats) {
            // Beyond 2^23 spans a float holds whole spans only; a NaN becomes the first colour.
            constexpr float kFar = 8388608.f;
            const float perSpan = float(1 / m_span), entries = float(m_entries);
            const int32_t lastEntry = m_entries;
            for (int i = 0; i < count; ++i) {
                const float w = std::min(std::max(-kFar, (t[i] - first) * perSpan), kFar);
                float whole = float(int32_t(w));
                whole = whole > w ? whole - 1 : whole;
                out[i] = std::min(int32_t((w - whole) * entries) + 1, lastEntry);
            }
            return;
        }
        const float scale = float(m_scale), after = float(m_entries + 1);
        for (int i = 0; i < count; ++i)
            out[i] = int32_t(std::min(std::max(0.f, (t[i] - first) * scale + 1), after));
    }

private:
    double m_first, m_span;
    bool m_repeats;
    int m_entries;
    double m_scale;
    std::vector<std::array<uint16_t, 4>> m_table;
};

void renderRow(
    const Geometry &geometry, const ColourLine &line, int y, int width, Dither dither, uchar *out)
{
    // A row's positions first, then its entries, each in a loop the compiler turns into vector
    // instructions; only the look-ups go one pixel at a time.
    thread_local std::vector<float> positions;
    thread_local std::vector<int32_t> entries;
    positions.resize(size_t(width));
    entries.resize(size_t(width));
    float *t = positions.data();
    const double cy = y + 0.5;
    switch (geometry.kind()) {
    case Kind::Linear: {
        // A linear gradient changes by the same step from pixel to pixel.
        const double t0 = geometry.at(0.5, cy);
        const float start = float(t0), step = float(geometry.at(1.5, cy) - t0);
        for (int x = 0; x < width; ++x)
            t[x] = start + step * float(x);
        break;
    }
    case Kind::Radial:
        geometry.radialRow(cy, width, t);
        break;
    case Kind::Conic:
        geometry.conicRow(cy, width, t);
        break;
    }
    line.indices(t, width, entries.data());

    // Four 16-bit lanes in one 64-bit word: the threshold added to all four at once, the high
    // bytes gathered into the pixel's four. The same on either byte order, as the word is
    // read and the pixel written through memory in the machine's own.
    std::array<uint64_t, 16> added;
    for (int x = 0; x < 16; ++x) {
        const uint64_t k
            = dither == Dither::Ordered ? thresholds()[size_t((y & 15) * 16 + x)] : 128;
        added[size_t(x)] = k * 0x0001000100010001u;
    }
    for (int x = 0; x < width; ++x) {
        uint64_t v;
        std::memcpy(&v, line.entry(entries[size_t(x)]), sizeof v);
        v = ((v + added[size_t(x & 15)]) >> 8) & 0x00FF00FF00FF00FFu;
        v = (v | (v >> 8)) & 0x0000FFFF0000FFFFu;
        const auto pixel = uint32_t(v | (v >> 16));
        std::memcpy(out + 4 * size_t(x), &pixel, sizeof pixel);
    }
}

} // namespace

bool hasAlpha(const Gradient &gradient)
{
    return std::any_of(
        gradient.stops.begin(), gradient.stops.end(), [](const Stop &s) { return s.alpha < 1; });
}

QImage render(const Gradient &given, QSize size, Dither dither, int threads)
{
    const Gradient gradient = inFractions(given, size.width(), size.height());
    if (size.isEmpty())
        return QImage();
    QImage image(size, hasAlpha(gradient) ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
    if (image.isNull())
        return image;
    const Geometry geometry(gradient, size.width(), size.height());
    Colours colours(gradient);
    colours.prepareTable(kTableSteps);
    // Two entries a pixel along the longest line a box holds (for a conic gradient, around
    // the box): more would only miss the cache.
    const double sides = double(size.width()) + size.height();
    const bool whole = gradient.kind == Kind::Conic || gradient.repeating;
    const double span = std::max(colours.last() - colours.first(), 1e-6);
    const int entries
        = int(std::clamp(2 * sides / (whole ? 1.0 : std::min(span, 1.0)), 4096.0, 262144.0));
    const ColourLine line(colours, entries);

    const int bands = (size.height() + kBandRows - 1) / kBandRows;
    std::atomic<int> next { 0 };
    const auto worker = [&] {
        for (int band = next++; band < bands; band = next++) {
            const int last = std::min(size.height(), (band + 1) * kBandRows);
            for (int y = band * kBandRows; y < last; ++y)
                renderRow(geometry, line, y, size.width(), dither, image.scanLine(y));
        }
    };
    int count = threads > 0 ? threads : int(std::thread::hardware_concurrency());
    count = std::clamp(count, 1, bands);
    std::vector<std::thread> helpers;
    for (int t = 1; t < count; ++t) {
        try {
            helpers.emplace_back(worker);
        } catch (const std::system_error &) {
            break; // the threads there are share the bands
        }
    }
    worker();
    for (std::thread &helper : helpers)
        helper.join();
    return image;
}

} // namespace gradientrender
