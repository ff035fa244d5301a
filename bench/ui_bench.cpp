// The window: start-up to shown, and "Display Chart" for the longest chart; the designer: a
// keystroke laid out and redrawn, and its drawing repainted at any zoom. Offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "gui/drawingview.h"
#include "gui/varnel.h"
#include "layout/boardlayout.h"
#include "model/designermodel.h"
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

// An 8-string board of 36 frets in 19 equal with the strings tuned apart (partial frets).
varnel::DesignerModel& eightStrings() {
    static varnel::FretboardSettings record;
    static varnel::DesignerModel model(record, nullptr);
    static bool made = false;
    if (!made) {
        model.reload();
        for (const auto& [key, text] : {std::pair{"txtFrets", "36"},
                                        {"txtStrings", "8"},
                                        {"txtNutSpacing", "48"},
                                        {"txtBridgeSpacing", "76"},
                                        {"cboTemperament", "1"},
                                        {"txtDivisions", "19"},
                                        {"txtStringTuning", "0 2 2 2 2 2 2 0"},
                                        {"txtSlotWidth", "0.2"}})
            model.edit(key, text);
        made = true;
    }
    return model;
}

// A redraw of the designer's view at a zoom (times the fitted scale), into a window-sized image.
void BM_RedrawBoard(benchmark::State& state) {
    const varnel::DesignerModel& model = eightStrings();
    const varnel::Drawing drawing = varnel::boardDrawing(*model.board(), model.units());
    QImage image(1000, 400, QImage::Format_ARGB32_Premultiplied);
    varnel::ViewTransform view = *varnel::fitTransform(drawing, image.size());
    // Zoomed about the image's centre, the middle of the board.
    const varnel::Point centre = view.toDrawing(QPointF(500, 200));
    view.scale *= static_cast<double>(state.range(0));
    view.origin = {centre.x - 500 / view.scale, centre.y - 200 / view.scale};
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        varnel::paintDrawing(painter, drawing, view);
    }
}
BENCHMARK(BM_RedrawBoard)->Arg(1)->Arg(8)->Arg(64)->Unit(benchmark::kMillisecond);

// A keystroke in the designer: the board laid out, and its drawing made.
void BM_DesignerKeystroke(benchmark::State& state) {
    varnel::DesignerModel& model = eightStrings();
    int strings = 0;
    for (auto _ : state) {
        model.edit("txtLastScale", strings++ % 2 ? "700" : "701");
        benchmark::DoNotOptimize(varnel::boardDrawing(*model.board(), model.units()));
    }
}
BENCHMARK(BM_DesignerKeystroke)->Unit(benchmark::kMillisecond);

// A keystroke in the designer with a string set: each string intonated on its own (0), or one
// straight saddle with every nut (1), then the drawing made.
void BM_IntonatedKeystroke(benchmark::State& state) {
    varnel::FretboardSettings record;
    varnel::DesignerModel model(record, nullptr);
    model.reload();
    model.edit("txtStringSet", "electric-10-46");
    if (state.range(0) == 1) {
        model.edit("cboSaddle", "1");
        model.edit("chkNutCompensation", "1");
    }
    int strokes = 0;
    for (auto _ : state) {
        model.edit("txtAction12", strokes++ % 2 ? "2" : "2.1");
        benchmark::DoNotOptimize(varnel::boardDrawing(*model.board(), model.units()));
    }
}
BENCHMARK(BM_IntonatedKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
