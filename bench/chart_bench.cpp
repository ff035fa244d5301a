// Fret positions and chart text: the work behind "Display Chart".
#include <benchmark/benchmark.h>

#include "core/chart.h"

namespace {

// Arguments: fret count, units (0 inches, 1 millimetres), granularity (0 fine, 1 coarse).
void BM_CalcAndChart(benchmark::State& state) {
    varnel::FretboardSettings s;
    s.nFrets = static_cast<std::int16_t>(state.range(0));
    s.unitsType = static_cast<std::int16_t>(state.range(1));
    s.unitsGranularity = static_cast<std::int16_t>(state.range(2));
    s.scaleLen = s.unitsType == varnel::kUnitsInches ? 25.5 : 647.7;
    for (auto _ : state) {
        std::string chart = varnel::buildFretChart(s, varnel::calcFretPositions(s));
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_CalcAndChart)
    ->ArgNames({"frets", "units", "coarse"})
    ->Args({24, 0, 1})
    ->Args({32766, 0, 1})
    ->Args({24, 1, 0})
    ->Args({32766, 1, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
