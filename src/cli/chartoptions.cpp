#include "cli/chartrequest.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string_view>

#include "core/chart.h"
#include "core/checkfit.h"
#include "core/designerboard.h"
#include "core/input.h"
#include "core/numtext.h"
#include "core/tuning.h"
#include "core/version.h"
#include "render/boardprint.h"
#include "render/chosenprinter.h"
#include "render/exports.h"
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
    "converted for an inch board; --fret-points FILE: where each fret crosses each string)\n"
    "  --board-only           the DXF and SVG hold only what lies on the board, the page\n"
    "                         fitted to its outline (no strings, bridge or saddle)\n"
    "  --radius-gauges-pdf FILE --radius-gauges-dxf FILE --radius-gauges-svg FILE\n"
    "                         concave and convex gauges of the radius at the nut and at the\n"
    "                         end, as wide as the board plus 20 mm, at true scale\n"
    "  --radius-gauge R       a gauge of this radius too (in the board's units; repeatable)\n"
    "  --intonation-csv FILE --intonation-pdf FILE   with --string-set: each string's saddle\n"
    "                         and nut setbacks and its errors in cents, as a table or a report\n";
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
    "  --font-size PT         chart font size in points [14]\n"
    "Language of the messages (the options and files are the same in every language):\n"
    "  --lang de|fr|es|en     [the desktop's: LANGUAGE, LANG]\n";

}  // namespace

std::string usageText() {
    return kUsageBeforeDesigner + designerOptionsHelp() + kUsageAfterDesigner;
}

namespace {

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
    {"--radius-gauges-pdf", Output::RadiusGauges, ExportFormat::TemplatePdf},
    {"--radius-gauges-dxf", Output::RadiusGauges, ExportFormat::TemplateDxf},
    {"--radius-gauges-svg", Output::RadiusGauges, ExportFormat::TemplateSvg},
    {"--intonation-csv", Output::Intonation, ExportFormat::ChartCsv},
    {"--intonation-pdf", Output::Intonation, ExportFormat::TemplatePdf},
};

const OutputOption* outputOption(std::string_view name) {
    for (const OutputOption& o : kOutputOptions) {
        if (o.name == name) return &o;
    }
    return nullptr;
}

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
    DesignerTexts carried;
    for (const auto& [key, value] : entries) {
        if (key.startsWith(fannedPrefix))
            carried[key.mid(fannedPrefix.size()).toStdString()] = value.toStdString();
    }
    configs->retrieve(entries, target);
    // Lengths saved before their units were kept with them are in the configuration's units.
    if (!carried.contains("unitsType") && !carried.empty())
        carried["unitsType"] = std::to_string(request.settings.unitsType);
    request.designerTexts.push_back({std::move(carried), true});
    request.configName = name;
}

}  // namespace

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
            DesignerInputs trial;
            if (!texts || !readDesignerTexts(*texts, unitsOf(s.unitsType), trial).empty())
                throw bad(v);
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
            const bool toFile = o->output == Output::File || o->output == Output::CalibrationPdf ||
                                o->output == Output::RadiusGauges ||
                                o->output == Output::Intonation;
            request.outputs.push_back({o->output, toFile ? value() : std::string(), o->format});
        } else if (option == "--config") {
            applyConfiguration(request, value(), store);
        } else if (option == "--list-configs") {
            request.listConfigs = true;
        } else if (option == "--fanned") {
            request.designer = true;
        } else if (option == "--board-only") {
            request.boardOnly = true;
        } else if (option == "--radius-gauge") {
            const std::string& v = value();
            const auto radius = toDouble(v);
            if (!radius || !std::isfinite(*radius) || *radius <= 0) throw bad(v);
            request.gaugeRadii.push_back(*radius);
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

bool saysMessages(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& a) { return a == "--fanned" || a == "--check"; });
}

bool needsPrinting(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) {
        return outputOption(a) || a == "--config" || a == "--list-configs" || a == "--check-pdf";
    });
}

}  // namespace varnel
