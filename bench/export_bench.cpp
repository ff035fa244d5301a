// The files for the workshop, for the longest fretboard: each format's bytes (32766 frets).
#include <benchmark/benchmark.h>

#include <QString>

#include "core/chart.h"
#include "layout/templatelayout.h"
#include "render/exports.h"

namespace {

template <typename Writer>
void BM_Export(benchmark::State& state, Writer write) {
    varnel::FretboardSettings s;
    s.scaleLen = 647.7;
    s.nFrets = varnel::kMaxFrets;
    const varnel::FretPositions p = varnel::calcFretPositions(s);
    for (auto _ : state) benchmark::DoNotOptimize(write(s, p));
}
QByteArray templateSvg(const varnel::FretboardSettings& s, const varnel::FretPositions& p) {
    return varnel::drawingSvg(varnel::templateSheet(s, p, varnel::NominalMeasure()));
}
QByteArray templateDxf(const varnel::FretboardSettings& s, const varnel::FretPositions& p) {
    return varnel::drawingDxf(varnel::templateSheet(s, p, varnel::NominalMeasure()));
}
BENCHMARK_CAPTURE(BM_Export, Svg, templateSvg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, Dxf, templateDxf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, Csv, varnel::chartCsv)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, ChartText, varnel::buildFretChart)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
