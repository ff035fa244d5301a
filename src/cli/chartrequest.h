#pragma once
// What varnel-chart's arguments ask for, read once, and the commands that carry it out: the chart
// and its documents (chartcli.cpp), the designer's board (designercommand.cpp) and an instrument
// check (checkcommand.cpp).

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/chartcli.h"
#include "core/designerinputs.h"
#include "core/fretboard.h"
#include "model/messagebox.h"
#include "render/chosenprinter.h"
#include "render/exports.h"
#include "render/pagesetup.h"

namespace varnel {

struct UsageError {
    std::string reason;
};
// Arguments that are well formed but name what is not there: exit status 1.
struct Refusal {
    std::string reason;
};

// Printing on the printer, the calibration page as a PDF, one of the exported files, or the
// designer's radius gauges as a file (PDF, DXF or SVG by the format), or its intonation (CSV or
// PDF).
enum class Output {
    PrintChart,
    PrintTemplate,
    PrintCalibration,
    CalibrationPdf,
    File,
    RadiusGauges,
    Intonation
};

struct OutputRequest {
    Output output;
    std::string file;
    ExportFormat format = ExportFormat::ChartText;
};

struct ChartRequest {
    FretboardSettings settings;
    PageSetup page;
    bool printerGiven = false;
    std::optional<double> xCorrection;
    std::optional<double> yCorrection;
    std::vector<OutputRequest> outputs;
    bool listConfigs = false;
    bool designer = false;   // --fanned: the designer's board
    bool boardOnly = false;  // --board-only: its DXF and SVG hold only what lies on the board
    std::vector<double> gaugeRadii;  // --radius-gauge: gauges beyond the board's two radii
    // The designer's inputs as texts, in the order given: a saved configuration's (in its own
    // units) and the options' (in the board's).
    struct DesignerOptionTexts {
        DesignerTexts texts;
        bool fromConfiguration = false;
    };
    std::vector<DesignerOptionTexts> designerTexts;
    // --check: the file of measured fret positions ("-" standard input), and its report's PDF.
    std::optional<std::string> checkFile;
    std::optional<std::string> checkPdf;
    std::string configName;
    std::string fretsText;
    bool haveFrets = false;
    std::string scaleText;
    std::optional<int> preset;
};

// The usage text: the options, the designer's from its table of inputs.
std::string usageText();

// The request the arguments make; UsageError for arguments that are not well formed, Refusal for
// a saved configuration that is not there.
ChartRequest parseArguments(const std::vector<std::string>& args, SettingsStore* store);

// True when every output asked for is the calibration page, which needs no fretboard.
bool calibrationOnly(const ChartRequest& request);

// Where one output goes: the printer (remembered, or given) or a PDF file, with the correction
// stored for that printer (none for a PDF), either axis overridden by the options.
PageSetup setupFor(const ChartRequest& request, bool pdf, ChosenPrinter* remembered);

// The designer's board: its table on standard output, or its files.
int runDesigner(const ChartRequest& request, std::ostream& out, std::ostream& err);

// An instrument checked from its measured frets.
int runCheck(const ChartRequest& request, std::ostream& out, std::ostream& err);

}  // namespace varnel
