#include "gradient/gradientrender.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
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

// The 16 × 16 Bayer matrix as thresholds in (0, 1): every column and every row holds 16
// different ones, so that column and row averages follow the ramp closely.
const std::array<float, 256> &thresholds()
{
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t {};
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                int v = 0;
                for (int bit = 0; bit < 4; ++bit) {
                    const int xb = (x >> bit) & 1, yb = (y >> bit) & 1;
                    v |= ((xb ^ yb) << (7 - 2 * bit)) | (yb << (6 - 2 * bit));
                }
                t[size_t(y * 16 + x)] = (float(v) + 0.5f) / 256.f;
            }
        }
        return t;
    }();
    return table;
}

// The colours along the gradient line sampled finely enough that neighbouring entries differ
// by a small fraction of a level, looked up by nearest entry: a hard stop moves by at most
// half an entry, a small fraction of a pixel.
class ColourLine
{
public:
    ColourLine(const Colours &colours, int entries)
        : m_first(colours.first())
        , m_span(std::max(colours.last() - colours.first(), 1e-9))
        , m_repeats(colours.repeats())
        , m_entries(entries)
        , m_scale(entries / m_span)
        , m_table(size_t(entries + 2) * 4)
    {
        // Entry 0 is the colour before the first stop, entry entries + 1 the one after the last.
        auto fill = [&](int index, double t) { colours.tableAt(t, &m_table[size_t(index) * 4]); };
        fill(0, m_first - 1);
        for (int i = 0; i < entries; ++i)
            fill(i + 1, m_first + (i + 0.5) / m_scale);
        fill(entries + 1, m_repeats ? m_first : colours.last() + 1);
        // In levels, ready for the threshold.
        for (float &v : m_table)
            v *= 255.f;
    }
    const float *at(double t) const
    {
        double u = (t - m_first) * m_scale;
        if (m_repeats)
            u = detail::turns(u / m_entries) * m_entries;
        const int index = u < 0 ? 0 : u >= m_entries ? m_entries + 1 : int(u) + 1;
        return &m_table[size_t(index) * 4];
    }

private:
    double m_first, m_span;
    bool m_repeats;
    int m_entries;
    double m_scale;
    std::vector<float> m_table;
};

template <class Position>
void renderRow(const ColourLine &line, int y, int width, Dither dither, uchar *out, Position t)
{
    const float *threshold = &thresholds()[size_t((y & 15) * 16)];
    for (int x = 0; x < width; ++x) {
        const float *c = line.at(t(x));
        const float offset = dither == Dither::Ordered ? threshold[x & 15] : 0.5f;
        for (int k = 0; k < 4; ++k)
            out[k] = uchar(std::clamp(int(c[k] + offset), 0, 255));
        out += 4;
    }
}

void renderRow(
    const Geometry &geometry, const ColourLine &line, int y, int width, Dither dither, uchar *out)
{
    const double cy = y + 0.5;
    switch (geometry.kind()) {
    case Kind::Linear: {
        // A linear gradient changes by the same step from pixel to pixel.
        const double t0 = geometry.at(0.5, cy), step = geometry.at(1.5, cy) - t0;
        renderRow(line, y, width, dither, out, [&](int x) { return t0 + step * x; });
        break;
    }
    case Kind::Radial:
        renderRow(
            line, y, width, dither, out, [&](int x) { return geometry.radialAt(x + 0.5, cy); });
        break;
    case Kind::Conic: {
        // The angles of a row first, in a loop the compiler turns into vector instructions.
        thread_local std::vector<float> turns;
        turns.resize(size_t(width));
        geometry.conicRow(cy, width, turns.data());
        renderRow(line, y, width, dither, out, [&](int x) { return double(turns[size_t(x)]); });
        break;
    }
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
