// The window: start-up to shown, and "Display Chart" for the longest chart. Offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "gui/varnel.h"
#include "model/messagebox.h"
#include "render/printerprovider.h"
#include "store/settingsstore.h"

namespace {

class SilentMessageBox : public varnel::MessageBox {
  public:
    void show(std::string_view) override {}
};

struct Fixture {
    QTemporaryDir dir;
    varnel::QSettingsStore store{dir.filePath("varnel.ini")};
    SilentMessageBox messages;
    varnel::ChosenPrinterSetup printers{varnel::PageSetup{}};
};

void BM_StartUpToShown(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        varnel::Varnel window(f.store, f.messages, f.printers);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_StartUpToShown)->Unit(benchmark::kMillisecond);

void BM_DisplayChart(benchmark::State& state) {
    Fixture f;
    varnel::Varnel window(f.store, f.messages, f.printers);
    window.show();
    window.model().editFretCount(std::to_string(state.range(0)));
    window.model().choosePreset(0);
    for (auto _ : state) {
        window.model().displayChart();  // the model fills the chart box through the window
        QApplication::processEvents();
    }
}
BENCHMARK(BM_DisplayChart)->Arg(24)->Arg(32766)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
