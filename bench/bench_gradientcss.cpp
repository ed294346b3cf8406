// The gradient panel's hot paths: the preview at full HD for each shape, an 8192 × 8192 PNG
// export, and reading and writing a gradient's CSS. Skia (Chromium's renderer) would be the
// peer, but it is not packaged apart from the browser.
#include "gradient/gradientcss.h"
#include "gradient/gradientexport.h"
#include "gradient/gradientrender.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

using namespace gradientmodel;

const char *const kShapes[] = {
    "linear-gradient(in oklch 135deg, #e91e63, #ffeb3b 40%, #2196f3)",
    "radial-gradient(in oklab circle closest-corner at 30% 40%, #fff, #e91e63, #000)",
    "conic-gradient(in oklch longer hue from 30deg, #e91e63, #2196f3, #e91e63)",
};

Gradient gradientOf(const char *css)
{
    return std::get<Gradient>(gradientcss::read(QString::fromLatin1(css)));
}

void preview(benchmark::State &state)
{
    const Gradient g = gradientOf(kShapes[state.range(0)]);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            gradientrender::render(g, QSize(1920, 1080), gradientrender::Dither::Ordered));
}
BENCHMARK(preview)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

void exportPng(benchmark::State &state)
{
    const Gradient g = gradientOf(kShapes[0]);
    for (auto _ : state) {
        const QImage picture
            = gradientrender::render(g, QSize(8192, 8192), gradientrender::Dither::Ordered);
        benchmark::DoNotOptimize(gradientexport::encode(picture, QStringLiteral("png")));
    }
}
BENCHMARK(exportPng)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The export's two halves apart: the rendering alone.
void render8192(benchmark::State &state)
{
    const Gradient g = gradientOf(kShapes[0]);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            gradientrender::render(g, QSize(8192, 8192), gradientrender::Dither::Ordered));
}
BENCHMARK(render8192)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void readCss(benchmark::State &state)
{
    const QString css = gradientcss::declarations(gradientOf(kShapes[state.range(0)]));
    for (auto _ : state)
        benchmark::DoNotOptimize(gradientcss::read(css));
}
BENCHMARK(readCss)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void writeCss(benchmark::State &state)
{
    const Gradient g = gradientOf(kShapes[state.range(0)]);
    for (auto _ : state)
        benchmark::DoNotOptimize(gradientcss::declarations(g));
}
BENCHMARK(writeCss)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
