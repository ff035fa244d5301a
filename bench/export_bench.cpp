// The files for the workshop, for the longest fretboard: each format's bytes (32766 frets).
#include <benchmark/benchmark.h>

#include <QString>

#include "chart.h"
#include "exports.h"

namespace {

struct Longest {
    Longest() {
        s.scaleLen = 647.7;
        s.nFrets = varnel::kMaxFrets;
        p = varnel::calcFretPositions(s);
    }
    varnel::FretboardSettings s;
    varnel::FretPositions p;
};

void BM_Svg(benchmark::State& state) {
    const Longest f;
    for (auto _ : state) benchmark::DoNotOptimize(varnel::templateSvg(f.s, f.p));
}
void BM_Dxf(benchmark::State& state) {
    const Longest f;
    for (auto _ : state) benchmark::DoNotOptimize(varnel::templateDxf(f.s, f.p));
}
void BM_Csv(benchmark::State& state) {
    const Longest f;
    for (auto _ : state) benchmark::DoNotOptimize(varnel::chartCsv(f.s, f.p));
}
void BM_ChartText(benchmark::State& state) {
    const Longest f;
    for (auto _ : state) benchmark::DoNotOptimize(varnel::buildFretChart(f.s, f.p));
}
BENCHMARK(BM_Svg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Dxf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Csv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartText)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
