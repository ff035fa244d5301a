// Fret positions and chart text: the work behind "Display Chart".
#include <benchmark/benchmark.h>

#include "chart.h"

namespace {

void BM_CalcAndChart(benchmark::State& state) {
    varnel::FretboardSettings s;
    s.scaleLen = 25.5;
    s.unitsType = varnel::kUnitsInches;
    s.nFrets = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state) {
        std::string chart = varnel::buildFretChart(s, varnel::calcFretPositions(s));
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_CalcAndChart)->Arg(24)->Arg(32766)->Unit(benchmark::kMillisecond);

void BM_CalcAndChartMillimetresFine(benchmark::State& state) {
    varnel::FretboardSettings s;
    s.scaleLen = 647.7;
    s.unitsGranularity = varnel::kGranularityFine;
    s.nFrets = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state) {
        std::string chart = varnel::buildFretChart(s, varnel::calcFretPositions(s));
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_CalcAndChartMillimetresFine)->Arg(24)->Arg(32766)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
