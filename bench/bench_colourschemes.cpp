// The picker's scheme rows: every variation and harmony of a colour (what each pick fills in),
// for vivid colours whose tints and turns mostly leave sRGB and go through the gamut mapping.
#include "colour/colourschemes.h"

#include <benchmark/benchmark.h>

namespace {

using namespace colourschemes;

constexpr int32_t kVivid[]
    = { 0xFF0000, 0xFF00FF, 0x00FF00, 0x0000FF, 0x631EE9, 0xE16941, 0x993366, 0x00FFFF };

void BM_AllSchemes(benchmark::State &state)
{
    const int steps = int(state.range(0));
    int i = 0;
    for (auto _ : state) {
        const int32_t colour = kVivid[i++ % std::size(kVivid)];
        for (Variation v : { Variation::Tints, Variation::Shades, Variation::Tones })
            benchmark::DoNotOptimize(variation(colour, v, steps));
        for (const HarmonyInfo &h : harmonies())
            benchmark::DoNotOptimize(harmony(colour, h.harmony));
    }
}

void BM_GamutMapOne(benchmark::State &state)
{
    double hue = 0;
    for (auto _ : state) {
        // Light and vivid: out of sRGB at every hue.
        benchmark::DoNotOptimize(fromOklch({ 0.9, 0.3, hue }));
        hue = hue >= 359 ? 0 : hue + 1;
    }
}

} // namespace

BENCHMARK(BM_AllSchemes)->Arg(8)->Arg(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GamutMapOne)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
