// The colour picker's CSS notations: every notation of one colour (what a pick fills in), and
// reading pasted texts back.
#include "colour/cssnotation.h"

#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

// A new colour each time, so no cache or branch history favours one.
int32_t nextColour(int32_t colour) { return (colour + 0x0A3B17) & 0xFFFFFF; }

void BM_FormatAllNotations(benchmark::State &state)
{
    int32_t colour = 0xE91E63;
    for (auto _ : state) {
        for (const cssnotation::NotationInfo &n : cssnotation::notations()) {
            QString text = cssnotation::format(colour, n.notation);
            benchmark::DoNotOptimize(text);
        }
        colour = nextColour(colour);
    }
}

void BM_FormatOne(benchmark::State &state)
{
    const auto notation = cssnotation::Notation(state.range(0));
    state.SetLabel(cssnotation::idOf(notation).toStdString());
    int32_t colour = 0xE91E63;
    for (auto _ : state) {
        QString text = cssnotation::format(colour, notation);
        benchmark::DoNotOptimize(text);
        colour = nextColour(colour);
    }
}

void BM_ParseAllNotations(benchmark::State &state)
{
    QStringList texts;
    for (const cssnotation::NotationInfo &n : cssnotation::notations())
        texts << cssnotation::format(0x631EE9, n.notation);
    texts << QStringLiteral("rebeccapurple") << QStringLiteral("&H00631EE9&")
          << QStringLiteral("6495209");
    for (auto _ : state)
        for (const QString &text : texts)
            benchmark::DoNotOptimize(cssnotation::parse(text));
    state.SetItemsProcessed(state.iterations() * texts.size());
}

} // namespace

BENCHMARK(BM_FormatAllNotations)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FormatOne)
    ->DenseRange(0, cssnotation::kNotationCount - 1)
    ->Unit(benchmark::kNanosecond);
BENCHMARK(BM_ParseAllNotations)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
