#include "cli/chartcli.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <optional>
#include <ostream>
#include <set>
#include <string_view>

#include "core/chart.h"
#include "core/checkfit.h"
#include "core/designerboard.h"
#include "core/input.h"
#include "core/numtext.h"
#include "core/tuning.h"
#include "core/version.h"
#include "render/chosenprinter.h"
#include "render/exports.h"
#include "render/fannedprint.h"
#include "render/printerprovider.h"
#include "render/printjobs.h"
#include "store/configrepository.h"
#include "store/preferences.h"
#include "store/printerstore.h"

namespace varnel {

namespace {

constexpr const char* kUsageBeforeDesigner =
    "usage: varnel-chart --frets TEXT [--scale TEXT] [--preset N] [--units in|mm]\n"
    "                    [--precision coarse|fine] [--method root12|rule18]\n"
    "                    [--factor common|dervin|primitive|NUMBER]\n"
    "\n"
    "Prints the fret chart exactly as the chart box of Varnel shows it (CR LF line ends).\n"
    "  --frets TEXT      the fret count, as if typed into \"Number of Frets\"\n"
    "  --scale TEXT      the scale length, as if typed into \"Scale Length\"\n"
    "  --preset N        the scale length preset chosen from the list, 0 to 13\n"
    "                    (a numeric --scale wins over it, as in the box)\n"
    "  --units           in or mm (default mm)\n"
    "  --precision       coarse (1/64 in. or 0.5 mm, default) or fine (0.01 in. or 0.1 mm)\n"
    "  --method          root12 (twelfth root of 2, default) or rule18 (rule of 18ths)\n"
    "  --factor          rule-of-18ths factor: common (default), dervin, primitive or a number\n"
    "\n"
    "Printing, instead of the chart on standard output (any of them, in this order):\n"
    "  --print-chart          the chart on the printer\n"
    "  --print-template       the full-scale fret slot template on the printer\n"
    "  --print-calibration    the calibration page (two rulers to measure) on the printer\n"
    "  --chart-pdf FILE       the chart as a PDF file\n"
    "  --template-pdf FILE    the template as a PDF file, at true scale\n"
    "  --calibration-pdf FILE the calibration page as a PDF file\n"
    "  --svg FILE --dxf FILE  the whole template as one drawing, for CAD and CNC\n"
    "  --csv FILE             the chart's numbers in both units\n"
    "  --chart-text FILE      the chart text (CR LF); FILE - is standard output for these four\n"
    "Saved configurations (of Varnel's File, Save Fretboard Configuration):\n"
    "  --config NAME          scale length, frets, units and precision from a saved\n"
    "                         configuration; options after it override them\n"
    "  --list-configs         the saved names, one a line\n"
    "Fanned frets (a multiscale fretboard; the table on standard output, or --dxf, --svg,\n"
    "--csv, --fret-points and --template-pdf, the last tiled at full scale with alignment\n"
    "crosses): --fanned and the Fretboard Designer's inputs (lengths default to millimetres,\n"
    "converted for an inch board; --fret-points FILE: where each fret crosses each string)\n";
constexpr const char* kUsageAfterDesigner =
    "Check an instrument (measured frets in; each model's fit and each fret's error out):\n"
    "  --check FILE [--scale L]  FILE a CSV of fret,distance (or distances alone) from the\n"
    "                         nut, - for standard input; --scale the measured scale length\n"
    "  --check-pdf FILE       the report: the fit, the error of each fret plotted, the table\n"
    "Where (for the printer, and the paper of PDFs):\n"
    "  --printer NAME         the printer [the one chosen in Varnel's Printer Setup, else the\n"
    "                         system's default]\n"
    "  --paper A5|A4|A3|Letter|Legal|Tabloid   the paper [the printer's; for PDFs the\n"
    "                         locale's, A4 or Letter]\n"
    "  --orientation portrait|landscape        [portrait]\n"
    "  --x-correction PERCENT --y-correction PERCENT   scale correction, 90 to 110 [for a\n"
    "                         printer its stored calibration, for PDFs 100]\n"
    "Print settings (defaults in brackets):\n"
    "  --vline-width PX       fret marker pen width in printer pixels [1]\n"
    "  --hline-width PX       guide and edge pen width in printer pixels [4]\n"
    "  --line-height MM       template line height, the fretboard's width [25]\n"
    "  --line-space MM        space between template lines [0]\n"
    "  --guide top|center|bottom   alignment guide position [top]\n"
    "  --fret-numbers yes|no  print fret numbers on the template [yes]\n"
    "  --font-size PT         chart font size in points [14]\n";

std::string usageText() {
    return kUsageBeforeDesigner + designerOptionsHelp() + kUsageAfterDesigner;
}

struct UsageError {
    std::string reason;
};
// Arguments that are well formed but name what is not there: exit status 1.
struct Refusal {
    std::string reason;
};

// Printing on the printer, the calibration page as a PDF, or one of the exported files.
enum class Output { PrintChart, PrintTemplate, PrintCalibration, CalibrationPdf, File };

struct OutputRequest {
    Output output;
    std::string file;
    ExportFormat format = ExportFormat::ChartText;
};

// The options that ask for an output; those to a file take its name.
struct OutputOption {
    std::string_view name;
    Output output;
    ExportFormat format = ExportFormat::ChartText;
};
constexpr OutputOption kOutputOptions[] = {
    {"--print-chart", Output::PrintChart},
    {"--print-template", Output::PrintTemplate},
    {"--print-calibration", Output::PrintCalibration},
    {"--calibration-pdf", Output::CalibrationPdf},
    {"--chart-pdf", Output::File, ExportFormat::ChartPdf},
    {"--template-pdf", Output::File, ExportFormat::TemplatePdf},
    {"--svg", Output::File, ExportFormat::TemplateSvg},
    {"--dxf", Output::File, ExportFormat::TemplateDxf},
    {"--csv", Output::File, ExportFormat::ChartCsv},
    {"--chart-text", Output::File, ExportFormat::ChartText},
    {"--fret-points", Output::File, ExportFormat::FretPoints},
};

const OutputOption* outputOption(std::string_view name) {
    for (const OutputOption& o : kOutputOptions) {
        if (o.name == name) return &o;
    }
    return nullptr;
}

struct ChartRequest {
    FretboardSettings settings;
    PageSetup page;
    bool printerGiven = false;
    std::optional<double> xCorrection;
    std::optional<double> yCorrection;
    std::vector<OutputRequest> outputs;
    bool listConfigs = false;
    bool fanned = false;
    // The designer's inputs as texts, in the order given: a saved configuration's (in its own
    // units) and the options' (in the board's).
    struct DesignerTexts {
        FannedTexts texts;
        bool fromConfiguration = false;
    };
    std::vector<DesignerTexts> designerTexts;
    // --check: the file of measured fret positions ("-" standard input), and its report's PDF.
    std::optional<std::string> checkFile;
    std::optional<std::string> checkPdf;
    std::string configName;
    std::string fretsText;
    bool haveFrets = false;
    std::string scaleText;
    std::optional<int> preset;
};

std::optional<double> factorByName(const std::string& value) {
    if (value == "common") return kFactorCommon;
    if (value == "dervin") return kFactorDervin;
    if (value == "primitive") return kFactorPrimitive;
    return toDouble(value);
}

// A saved configuration's values applied as Retrieve applies them: the two boxes' text, units
// and precision.
void applyConfiguration(ChartRequest& request, const std::string& name, SettingsStore* store) {
    struct Target : ConfigTarget {
        explicit Target(ChartRequest& r) : request(r) {}
        const FretboardSettings& configurationToSave() override { return request.settings; }
        void retrieveFretCount(std::int16_t frets) override {
            request.fretsText = formatInteger(frets);
            request.haveFrets = true;
        }
        void retrieveScaleLen(double scaleLen) override {
            request.scaleText = formatGeneral(scaleLen);
            request.preset.reset();
        }
        void retrieveGranularity(std::int16_t g) override {
            request.settings.unitsGranularity = granularityFrom(g);
        }
        void retrieveUnits(std::int16_t u) override {
            request.settings.unitsType = unitsTypeFrom(u);
        }
        ChartRequest& request;
    } target(request);
    std::optional<ConfigRepository> configs;
    if (store) configs.emplace(*store);
    const SettingsList entries =
        configs ? configs->load(QString::fromStdString(name)) : SettingsList();
    if (entries.isEmpty()) throw Refusal{"No saved configuration is named " + name};
    // The Fretboard Designer inputs it carries, as Retrieve puts them back into that window; read
    // once the configuration's units are known.
    const QString fannedPrefix = QStringLiteral("fanned.");
    FannedTexts fanned;
    for (const auto& [key, value] : entries) {
        if (key.startsWith(fannedPrefix))
            fanned[key.mid(fannedPrefix.size()).toStdString()] = value.toStdString();
    }
    configs->retrieve(entries, target);
    // Lengths saved before their units were kept with them are in the configuration's units.
    if (!fanned.contains("unitsType") && !fanned.empty())
        fanned["unitsType"] = std::to_string(request.settings.unitsType);
    request.designerTexts.push_back({std::move(fanned), true});
    request.configName = name;
}

// True when every output asked for is the calibration page, which needs no fretboard.
bool calibrationOnly(const ChartRequest& request) {
    return !request.outputs.empty() &&
           std::all_of(request.outputs.begin(), request.outputs.end(), [](const OutputRequest& o) {
               return o.output == Output::PrintCalibration || o.output == Output::CalibrationPdf;
           });
}

ChartRequest parseArguments(const std::vector<std::string>& args, SettingsStore* store) {
    ChartRequest request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError{option + " needs a value"};
            return args[++i];
        };
        auto bad = [&](const std::string& v) {
            return UsageError{"invalid value for " + option + ": '" + v + "'"};
        };
        FretboardSettings& s = request.settings;
        if (isDesignerOption(option)) {
            // Read as the designer reads its boxes: a value it cannot take is refused here.
            const std::string& v = value();
            auto texts = optionTexts(option, v);
            FannedInputs trial;
            if (!texts || !readFannedTexts(*texts, s.unitsType, trial).empty()) throw bad(v);
            request.designerTexts.push_back({std::move(*texts), false});
            continue;
        }
        if (option == "--frets") {
            request.fretsText = value();
            request.haveFrets = true;
        } else if (option == "--scale") {
            request.scaleText = value();
        } else if (option == "--preset") {
            const std::string& v = value();
            const auto n = toInt16(v);
            if (!n || *n < 0 || *n >= static_cast<int>(scaleLenPresets.size()) ||
                v.find_first_not_of("0123456789") != std::string::npos) {
                throw bad(v);
            }
            request.preset = *n;
        } else if (option == "--units") {
            const std::string& v = value();
            if (v == "in") {
                s.unitsType = kUnitsInches;
            } else if (v == "mm") {
                s.unitsType = kUnitsMillimetres;
            } else {
                throw bad(v);
            }
        } else if (option == "--precision") {
            const std::string& v = value();
            if (v == "coarse") {
                s.unitsGranularity = kGranularityCoarse;
            } else if (v == "fine") {
                s.unitsGranularity = kGranularityFine;
            } else {
                throw bad(v);
            }
        } else if (option == "--method") {
            const std::string& v = value();
            if (v == "root12") {
                s.calcType = kCalcTwelfthRoot;
            } else if (v == "rule18") {
                s.calcType = kCalcRule18;
            } else {
                throw bad(v);
            }
        } else if (option == "--factor") {
            const std::string& v = value();
            const auto factor = factorByName(v);
            if (!factor) throw bad(v);
            s.calcFact = *factor;
        } else if (const OutputOption* o = outputOption(option)) {
            const bool toFile = o->output == Output::File || o->output == Output::CalibrationPdf;
            request.outputs.push_back({o->output, toFile ? value() : std::string(), o->format});
        } else if (option == "--config") {
            applyConfiguration(request, value(), store);
        } else if (option == "--list-configs") {
            request.listConfigs = true;
        } else if (option == "--fanned") {
            request.fanned = true;
        } else if (option == "--check") {
            request.checkFile = value();
        } else if (option == "--check-pdf") {
            request.checkPdf = value();
        } else if (option == "--printer") {
            request.page.printerName = QString::fromStdString(value());
            request.printerGiven = true;
        } else if (option == "--paper") {
            const std::string& v = value();
            request.page.paper = paperFromName(QString::fromStdString(v));
            if (!request.page.paper) throw bad(v);
        } else if (option == "--orientation") {
            const std::string& v = value();
            if (v != "portrait" && v != "landscape") throw bad(v);
            request.page.orientation =
                v == "landscape" ? QPageLayout::Landscape : QPageLayout::Portrait;
        } else if (option == "--x-correction" || option == "--y-correction") {
            const std::string& v = value();
            const auto percent = toDouble(v);
            if (!percent || !correctionFactorUsable(*percent / 100)) throw bad(v);
            (option == "--x-correction" ? request.xCorrection : request.yCorrection) =
                *percent / 100;
        } else if (option == "--vline-width" || option == "--hline-width" ||
                   option == "--font-size") {
            const std::string& v = value();
            const auto n = toInt16(v);
            if (!n) throw bad(v);
            (option == "--vline-width"   ? s.lineWidthVert
             : option == "--hline-width" ? s.lineWidthHorz
                                         : s.chartFontSize) = *n;
        } else if (option == "--line-height" || option == "--line-space") {
            const std::string& v = value();
            const auto mm = toFloat(v);
            if (!mm || !std::isfinite(*mm)) throw bad(v);
            (option == "--line-height" ? s.templateLineHeight : s.templateLineSpace) = *mm;
        } else if (option == "--guide") {
            const std::string& v = value();
            if (v == "top") {
                s.hLinePos = kGuideTop;
            } else if (v == "center") {
                s.hLinePos = kGuideCenter;
            } else if (v == "bottom") {
                s.hLinePos = kGuideBottom;
            } else {
                throw bad(v);
            }
        } else if (option == "--fret-numbers") {
            const std::string& v = value();
            if (v != "yes" && v != "no") throw bad(v);
            s.printFretNumbers = v == "yes";
        } else {
            throw UsageError{"unknown option '" + option + "'"};
        }
    }
    if (!request.haveFrets && !request.listConfigs && !calibrationOnly(request) &&
        !request.checkFile)
        throw UsageError{"--frets is required"};
    return request;
}

}  // namespace

bool needsPrinting(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) {
        return outputOption(a) || a == "--config" || a == "--list-configs" || a == "--check-pdf";
    });
}

namespace {

// Tells the user on standard error (a remembered printer that is gone).
class StreamMessages : public MessageBox {
  public:
    explicit StreamMessages(std::ostream& err) : m_err(err) {}
    void show(std::string_view text) override { m_err << text << "\n"; }

  private:
    std::ostream& m_err;
};

// Where one output goes: the printer (remembered, or given) or a PDF file, with the correction
// stored for that printer (none for a PDF), either axis overridden by the options.
PageSetup setupFor(const ChartRequest& request, bool pdf, ChosenPrinter* remembered) {
    PageSetup setup = request.page;
    if (!pdf && !request.printerGiven && remembered) {
        const PageSetup chosen = remembered->pageSetup();
        setup.printerName = chosen.printerName;
        if (!setup.paper) setup.paper = chosen.paper;
        setup.correction = chosen.correction;
    } else if (!pdf && remembered) {
        setup.correction = remembered->correctionFor(setup.printerName);
    }
    if (request.xCorrection) setup.correction.horizontal = *request.xCorrection;
    if (request.yCorrection) setup.correction.vertical = *request.yCorrection;
    return setup;
}

// An instrument checked: its measured frets read, each model's fit, the best one's name, and the
// table of frets; lengths and cents to 6 decimals.
int runCheck(const ChartRequest& request, std::ostream& out, std::ostream& err) {
    // A measurements file is small: one larger than a mebibyte is none.
    constexpr std::size_t kMaxBytes = 1 << 20;
    std::string csv;
    if (*request.checkFile == "-") {
        csv.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else if (const auto bytes = readFileBytes(*request.checkFile, kMaxBytes);
               bytes && bytes->size() <= kMaxBytes) {
        csv = *bytes;
    } else {
        err << "The file " << *request.checkFile << " could not be read.\n";
        return kExitRefused;
    }
    const auto measured = readMeasurements(csv);
    if (const std::string* why = std::get_if<std::string>(&measured)) {
        err << *why << "\n";
        return kExitRefused;
    }
    std::optional<double> scale;
    if (!request.scaleText.empty()) scale = toDouble(request.scaleText);
    const FretboardSettings& s = request.settings;
    const auto check =
        checkInstrument(std::get<std::vector<Measurement>>(measured), scale,
                        customFactor(s.calcType, s.calcFact), s.unitsType == kUnitsInches);
    if (const std::string* why = std::get_if<std::string>(&check)) {
        err << *why << "\n";
        return kExitRefused;
    }
    const InstrumentCheck& c = std::get<InstrumentCheck>(check);
    if (request.checkPdf) {
        const auto failure = savePdf(QString::fromStdString(*request.checkPdf), request.page,
                                     [&c](PrinterSurface& printer) {
                                         drawCheckReport(printer, c);
                                         return std::optional<QString>();
                                     });
        if (failure) {
            err << failure->toStdString() << "\n";
            return kExitRefused;
        }
    }
    const auto six = [](double v) { return formatFixed(v, 6); };
    const std::string unit = checkUnit(c);
    out << "model,scale_length_" << unit << ",nut_offset_" << unit << ",rms_" << unit << ",largest_"
        << unit << "   (measured = scale_length * model + nut_offset)\n";
    for (const ModelFit& m : c.models) {
        out << csvField(m.name) << "," << six(m.scaleLength) << "," << six(m.offset) << ","
            << six(m.rms) << "," << six(m.largest) << "\n";
    }
    out << "best: " << c.models.front().name << "\n";
    for (const std::string& finding : checkFindings(c)) out << finding << "\n";
    out << "fret,measured_" << unit << ",best_" << unit << ",residual_" << unit << ",cents\n";
    for (const FretCheck& f : c.frets) {
        out << f.fret << "," << formatGeneral(f.measured) << "," << six(f.best) << ","
            << six(f.residual) << "," << six(f.cents) << "\n";
    }
    out.flush();
    return out ? kExitOk : kExitRefused;
}

// The fanned fretboard: its table on standard output, or its DXF and CSV files.
int runFanned(ChartRequest& request, std::ostream& out, std::ostream& err) {
    FretboardSettings& s = request.settings;
    if (s.nFrets < 1) {
        err << kCheckInputsMessage << "\n";
        return kExitRefused;
    }
    // The defaults, then each configuration and option in turn.
    FannedInputs in = designerDefaults(s.unitsType);
    std::vector<std::string> unreadable;  // a configuration's, unless an option gives it later
    bool scalaGiven = false;
    for (auto [texts, fromConfiguration] : request.designerTexts) {
        if (!fromConfiguration) texts["unitsType"] = std::to_string(s.unitsType);
        const std::vector<std::string> bad = readFannedTexts(texts, s.unitsType, in);
        if (fromConfiguration) {
            unreadable.insert(unreadable.end(), bad.begin(), bad.end());
        } else {
            std::erase_if(unreadable, [&](const std::string& key) { return texts.contains(key); });
            scalaGiven = scalaGiven || texts.contains("txtScalaFile");
        }
    }
    if (!unreadable.empty()) {
        err << "The saved configuration " << request.configName
            << " has a Fretboard Designer input that is not a number: "
            << optionOf(unreadable.front()) << ".\n";
        return kExitRefused;
    }
    // A Scala file named here must be there; one a saved configuration names may have moved,
    // and twelve equal steps stand in, as in the designer.
    if (!in.tuning.note.empty()) {
        err << in.tuning.note << "\n";
        if (scalaGiven) return kExitRefused;
    }
    // Where the frets cross the strings does not depend on the markers: fret points alone are
    // never refused for them.
    if (std::all_of(request.outputs.begin(), request.outputs.end(),
                    [](const OutputRequest& o) { return o.format == ExportFormat::FretPoints; }) &&
        !request.outputs.empty()) {
        in.workshop.markers.clear();
        in.workshop.doubleMarkers.clear();
    }
    if (const auto refusal = fannedRefusal(in, s)) {
        err << *refusal << "\n";
        return kExitRefused;
    }
    const FannedBoard board = layOutFannedBoard(in, s);
    const bool inches = s.unitsType == kUnitsInches;
    if (request.outputs.empty()) {
        out << "Fret  Along first  Along last  Along midline  Angle    Width   Radius  Marker  "
               "Cents\r\n";
        char row[128];
        for (const FannedFret& f : board.table) {
            std::snprintf(row, sizeof row, "%4s  %11s  %10s  %13s  %5s  %7s  %7s  %-6s  %s\r\n",
                          f.label.c_str(), formatFixed(f.alongFirst, 3).c_str(),
                          formatFixed(f.alongLast, 3).c_str(),
                          formatFixed(f.alongMidline, 3).c_str(),
                          formatFixed(f.angleDegrees, 2).c_str(), formatFixed(f.width, 3).c_str(),
                          formatFixed(f.radius, 3).c_str(), markerName(f.marker).c_str(),
                          formatFixed(f.cents, 2).c_str());
            out << row;
        }
        return out ? kExitOk : kExitRefused;
    }
    for (const OutputRequest& o : request.outputs) {
        if (o.output != Output::File || o.format == ExportFormat::ChartPdf ||
            o.format == ExportFormat::ChartText) {
            err << "varnel-chart: --fanned writes --dxf, --svg, --csv, --fret-points and "
                   "--template-pdf files, "
                   "or its table\n";
            return kExitUsage;
        }
        const auto failure = exportFanned(o.format, QString::fromStdString(o.file), board, inches,
                                          setupFor(request, true, nullptr));
        if (failure) {
            err << failure->toStdString() << "\n";
            return kExitRefused;
        }
    }
    return kExitOk;
}

}  // namespace

int runChartCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const ChartCommandStores& stores) {
    SettingsStore* printerStore = stores.printers;
    if (args.size() == 1 && args[0] == "--version") {
        out << "varnel-chart " << kVersionText << "\n";
        return kExitOk;
    }
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << usageText();
        return kExitOk;
    }
    ChartRequest request;
    try {
        request = parseArguments(args, stores.settings);
    } catch (const UsageError& e) {
        err << "varnel-chart: " << e.reason << "\n" << usageText();
        return kExitUsage;
    } catch (const Refusal& e) {
        err << e.reason << "\n";
        return kExitRefused;
    }
    if (request.listConfigs) {
        if (stores.settings) {
            for (const QString& name : ConfigRepository(*stores.settings).names()) {
                out << name.toStdString() << "\n";
            }
        }
        out.flush();
        return out ? kExitOk : kExitRefused;
    }
    if (request.checkFile) return runCheck(request, out, err);
    FretboardSettings& s = request.settings;
    s.nFrets = fretCountFromBox(request.fretsText, s.nFrets);
    if (request.fanned) return runFanned(request, out, err);
    s.scaleLen = scaleLenFromBox(request.scaleText, request.preset, s.unitsType);
    // The calibration page needs no fretboard.
    if (!calibrationOnly(request) && !inputsAreValid(s)) {
        err << kCheckInputsMessage << "\n";
        return kExitRefused;
    }
    const FretPositions positions = inputsAreValid(s) ? calcFretPositions(s) : FretPositions();
    if (request.outputs.empty()) {
        out << buildFretChart(s, positions);
        out.flush();
        return out ? kExitOk : kExitRefused;
    }
    StreamMessages messages(err);
    std::optional<StoredPrinterChoice> kept;
    std::optional<ChosenPrinter> remembered;
    if (printerStore) remembered.emplace(kept.emplace(*printerStore, messages), messages);
    for (const OutputRequest& o : request.outputs) {
        const bool pdf = o.output == Output::File || o.output == Output::CalibrationPdf;
        const PageSetup setup = setupFor(request, pdf, remembered ? &*remembered : nullptr);
        std::optional<QString> failure;
        if (o.output == Output::File && o.format == ExportFormat::FretPoints) {
            err << "varnel-chart: --fret-points needs --fanned\n";
            return kExitUsage;
        } else if (o.output == Output::File) {
            failure = exportDocument(o.format, QString::fromStdString(o.file), s, positions, setup);
        } else if (o.output == Output::CalibrationPdf) {
            failure = savePdf(QString::fromStdString(o.file), setup,
                              calibrationDocument(s.unitsType, setup));
        } else if (request.printerGiven && !PainterPrinter::printerExists(setup.printerName)) {
            failure = QStringLiteral("There is no printer \"%1\".").arg(setup.printerName);
        } else {
            ChosenPrinterSetup printer(setup);
            failure =
                printDocument(printer, o.output == Output::PrintChart ? chartDocument(s, positions)
                                       : o.output == Output::PrintTemplate
                                           ? templateDocument(s, positions)
                                           : calibrationDocument(s.unitsType, setup));
        }
        if (failure) {
            err << failure->toStdString() << "\n";
            return kExitRefused;
        }
    }
    return kExitOk;
}

}  // namespace varnel
