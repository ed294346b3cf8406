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

void renderRow(const Geometry &geometry, const Colours &colours, const Gradient &g, int y,
    int width, Dither dither, uchar *out)
{
    const float *threshold = &thresholds()[size_t((y & 15) * 16)];
    const double cy = y + 0.5;
    // A linear gradient changes by the same step from pixel to pixel.
    const bool linear = g.kind == Kind::Linear;
    const double t0 = linear ? geometry.at(0.5, cy) : 0;
    const double step = linear ? geometry.at(1.5, cy) - t0 : 0;
    float c[4];
    for (int x = 0; x < width; ++x) {
        const double t = linear ? t0 + step * x : geometry.at(x + 0.5, cy);
        colours.tableAt(t, c);
        const float offset = dither == Dither::Ordered ? threshold[x & 15] : 0.5f;
        for (int k = 0; k < 4; ++k)
            out[k] = uchar(std::clamp(int(c[k] * 255.f + offset), 0, 255));
        out += 4;
    }
}

} // namespace

bool hasAlpha(const Gradient &gradient)
{
    return std::any_of(
        gradient.stops.begin(), gradient.stops.end(), [](const Stop &s) { return s.alpha < 1; });
}

QImage render(const Gradient &gradient, QSize size, Dither dither, int threads)
{
    if (size.isEmpty())
        return QImage();
    QImage image(size, hasAlpha(gradient) ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
    if (image.isNull())
        return image;
    const Geometry geometry(gradient, size.width(), size.height());
    Colours colours(gradient);
    colours.prepareTable(kTableSteps);

    const int bands = (size.height() + kBandRows - 1) / kBandRows;
    std::atomic<int> next { 0 };
    const auto worker = [&] {
        for (int band = next++; band < bands; band = next++) {
            const int last = std::min(size.height(), (band + 1) * kBandRows);
            for (int y = band * kBandRows; y < last; ++y)
                renderRow(geometry, colours, gradient, y, size.width(), dither, image.scanLine(y));
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
