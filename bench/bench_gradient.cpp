// Drawing speed of the gradient tools on a full-HD surface.
#include "base/twips.h"
#include "controls/picturebox.h"
#include "gradient/lineargradient.h"
#include "gradient/modspheric.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

lineargradient::Stops designedStops()
{
    using lineargradient::splitColor;
    return { splitColor(0x0000FF), splitColor(0x00FFFF), splitColor(0x408000),
        splitColor(0xFF0080) };
}

void linear(benchmark::State &state, lineargradient::Orientation orientation, int k)
{
    PictureBox pic;
    pic.resize(1920, 1080);
    pic.setBackColor(0xE0E0E0);
    const auto stops = designedStops();
    auto line = [&](double x1, double y1, double x2, double y2, int32_t c) {
        pic.Line(x1, y1, x2, y2, c);
    };
    for (auto _ : state) {
        if (orientation == lineargradient::Orientation::Horizontal) {
            pic.setScaleWidth(float(256 * k));
            lineargradient::drawStraight(
                stops, orientation, 5.0 * twips::toTwipsY(pic.height()), line);
        } else if (orientation == lineargradient::Orientation::Vertical) {
            pic.setScaleHeight(float(256 * k));
            lineargradient::drawStraight(
                stops, orientation, 2.5 * twips::toTwipsX(pic.width()), line);
        } else {
            // After a horizontal and a vertical two-colour drawing: 256 x 256 units, 512 lines.
            pic.setScaleWidth(256);
            pic.setScaleHeight(256);
            const int16_t n
                = lineargradient::diagonalLineCount(pic.scaleWidth(), pic.scaleHeight());
            lineargradient::drawDiagonal(
                stops, orientation, n, [&] { return pic.scaleWidth(); }, line);
        }
        benchmark::DoNotOptimize(pic.image().constBits()); // everything drawn
    }
}

void horizontal4Colours(benchmark::State &s)
{
    linear(s, lineargradient::Orientation::Horizontal, 3);
}
void horizontal2Colours(benchmark::State &s)
{
    linear(s, lineargradient::Orientation::Horizontal, 1);
}
void vertical4Colours(benchmark::State &s) { linear(s, lineargradient::Orientation::Vertical, 3); }
void diagonal(benchmark::State &s) { linear(s, lineargradient::Orientation::DiagonalFromLeft, 1); }
void diagonalFromRight(benchmark::State &s)
{
    linear(s, lineargradient::Orientation::DiagonalFromRight, 1);
}

void sphere(benchmark::State &state, int w, int h)
{
    QImage img(1920, 1080, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (auto _ : state) {
        const auto e = modSpheric::DrawSphere(img, { 0, 0, w, h }, 100, 0, 360, 0x00FFFF, 0x0080FF);
        benchmark::DoNotOptimize(e);
        benchmark::DoNotOptimize(img.constBits());
    }
}

void sphereDesigned(benchmark::State &s) { sphere(s, 200, 200); }
void sphereWidest(benchmark::State &s) { sphere(s, 65538, 200); }
void sphereWidestSurfaceHigh(benchmark::State &s) { sphere(s, 65538, 1080); }
void sphereWidestSquare(benchmark::State &s) { sphere(s, 65538, 65538); }
void sphereFillingTheSurface(benchmark::State &s) { sphere(s, 1920, 1080); }

} // namespace

BENCHMARK(horizontal4Colours)->Unit(benchmark::kMillisecond);
BENCHMARK(horizontal2Colours)->Unit(benchmark::kMillisecond);
BENCHMARK(vertical4Colours)->Unit(benchmark::kMillisecond);
BENCHMARK(diagonal)->Unit(benchmark::kMillisecond);
BENCHMARK(diagonalFromRight)->Unit(benchmark::kMillisecond);
BENCHMARK(sphereDesigned)->Unit(benchmark::kMillisecond);
BENCHMARK(sphereWidest)->Unit(benchmark::kMillisecond);
BENCHMARK(sphereWidestSurfaceHigh)->Unit(benchmark::kMillisecond);
BENCHMARK(sphereWidestSquare)->Unit(benchmark::kMillisecond);
BENCHMARK(sphereFillingTheSurface)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // The surfaces are widgets; they are never shown.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
