#include "layout/intonationreport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/numtext.h"
#include "layout/boardlayout.h"
#include "layout/checkreport.h"

namespace varnel {

namespace {

enum Layer : std::size_t { kText, kTable, kAxes, kBefore, kAfter, kFrame };
constexpr double kTextPoints = 9;
constexpr double kPlotPoints = 7;
constexpr double kIntonationPlotMm = 70;

Drawing intonationBlank() {
    return reportBlank({{"BEFORE", {150, 150, 150}, 1, true},
                        {"AFTER", {0, 0, 255}, 2},
                        {"FRAME", {200, 200, 200}, 1}});
}

// The plot from `top` down: a cents axis with its ticks, frets 1 to K along, each string's
// errors before and after as lines, the string's number at the end of its line after.
void appendPlot(Drawing& page, const DesignerBoard& board, double top, double width,
                const TextMeasure& measure) {
    const auto textWidth = [&](const std::string& text) {
        return textWidthIn(Units::Millimetres, measure, kNumberFace, kPlotPoints, text);
    };
    const double line = lineHeightIn(Units::Millimetres, measure, kNumberFace, kPlotPoints);
    const std::size_t frets = board.intonation.front().before.size();
    double span = 2;
    for (const StringIntonation& s : board.intonation) {
        for (const double e : s.before) span = std::max(span, std::fabs(e) * 1.1);
        for (const double e : s.after) span = std::max(span, std::fabs(e) * 1.1);
    }
    const double plotTop = top + line * 1.5;
    const double plotBottom = top + kIntonationPlotMm - line * 1.6;
    const double right = width - textWidth("12") - 2;  // room for the strings' numbers
    const CentsAxis axis =
        appendCentsAxis(page, kAxes, kText, plotTop, plotBottom, span, right, kPlotPoints, measure);
    const double fretWidth = (right - axis.x) / static_cast<double>(frets);
    const auto x = [&](std::size_t k) {
        return axis.x + (static_cast<double>(k) + 0.5) * fretWidth;
    };
    const auto y = [&](double cents) { return axis.y(cents); };
    for (std::size_t k = 0; k < frets; ++k) {
        const std::string number = std::to_string(k + 1);
        page.text(kText, {x(k) - textWidth(number) / 2, plotBottom + line * 0.3}, kPlotPoints,
                  number);
    }
    for (std::size_t i = 0; i < board.intonation.size(); ++i) {
        const StringIntonation& s = board.intonation[i];
        for (std::size_t k = 0; k + 1 < frets; ++k) {
            page.line(kBefore, {x(k), y(s.before[k])}, {x(k + 1), y(s.before[k + 1])});
            page.line(kAfter, {x(k), y(s.after[k])}, {x(k + 1), y(s.after[k + 1])});
        }
        // Before, the strings' lines fan out: each is named at its end.
        page.text(kText, {x(frets - 1) + 2, y(s.before.back()) - line / 2}, kPlotPoints,
                  std::to_string(i + 1));
    }
}

}  // namespace

std::vector<std::string> intonationLines(const DesignerBoard& board, Units units) {
    const IntonationInputs& in = board.intonationInputs;
    const std::string unit = unitSymbol(units);
    const int decimals = units == Units::Inches ? 4 : 3;
    const char* saddle[] = {"per string", "straight", "typed"};
    std::vector<std::string> lines{
        "String set: " + (in.set ? in.set->name : std::string()),
        "Action: " + formatGeneral(in.actionNut) + " " + unit + " at the nut, " +
            formatGeneral(in.action12) + " " + unit + " at fret 12",
        "Frets 1 to " + std::to_string(in.frets) + " in tune; saddle " +
            saddle[static_cast<int>(in.saddle)] + (in.nutToo ? ", nut compensated" : ""),
        {}};
    char row[160];
    std::snprintf(row, sizeof row, "%-3s %-10s %10s %10s %8s %8s %8s %8s", "", "string",
                  ("saddle " + unit).c_str(), ("nut " + unit).c_str(), "rms", "largest", "rms",
                  "largest");
    lines.push_back(row);
    std::snprintf(row, sizeof row, "%-3s %-10s %10s %10s %17s %17s", "", "", "", "", "cents before",
                  "cents after");
    lines.push_back(row);
    for (std::size_t i = 0; i < board.intonation.size(); ++i) {
        const StringIntonation& s = board.intonation[i];
        const std::string name = in.set ? in.set->strings[i].name : std::string();
        std::snprintf(row, sizeof row, "%-3zu %-10.10s %10s %10s %8s %8s %8s %8s", i + 1,
                      name.c_str(), formatFixed(s.saddle, decimals).c_str(),
                      formatFixed(s.nut, decimals).c_str(), formatFixed(s.rmsBefore, 2).c_str(),
                      formatSigned(s.maxBefore, 2).c_str(), formatFixed(s.rmsAfter, 2).c_str(),
                      formatSigned(s.maxAfter, 2).c_str());
        lines.push_back(row);
    }
    return lines;
}

Drawing intonationSheet(const DesignerBoard& board, Units units, double width,
                        const TextMeasure& measure) {
    std::vector<Drawing> pages;
    const Drawing blank = intonationBlank();
    TextFlow flow(pages, blank, 1e9);
    for (const std::string& text : intonationLines(board, units))
        flow.line(kTable, kTextPoints, measure, text);
    flow.line(kText, kTextPoints, measure, {});
    Drawing& sheet = pages.back();
    if (!board.intonation.empty()) appendPlot(sheet, board, flow.y, width, measure);
    // A frame round the whole sheet, so that a view fitting its lines shows the table too.
    const double bottom = flow.y + kIntonationPlotMm;
    sheet.outline(kFrame, {{-2, -2}, {width + 2, -2}, {width + 2, bottom}, {-2, bottom}});
    return sheet;
}

std::vector<Drawing> intonationReportPages(const DesignerBoard& board, Units units,
                                           const PageFrame& frame, const TextMeasure& measure,
                                           const std::string& note) {
    const Drawing blank = intonationBlank();
    std::vector<Drawing> pages;
    TextFlow flow(pages, blank, frame.height);
    flow.line(kText, 12, measure, "Varnel intonation report");
    flow.line(kText, kTextPoints, measure, {});
    flow.line(kText, kTextPoints, measure, boardDescription(board, units));
    for (const std::string& text : intonationLines(board, units))
        flow.line(kTable, kTextPoints, measure, text);
    flow.line(kText, kTextPoints, measure, {});
    if (!board.intonation.empty()) {
        if (flow.y + kIntonationPlotMm > frame.height) {
            pages.push_back(blank);
            flow.y = 0;
        }
        appendPlot(pages.back(), board, flow.y, frame.width, measure);
        flow.y += kIntonationPlotMm;
        flow.line(kText, kPlotPoints, measure,
                  "Each string's error at each fret, dashed before and solid after the "
                  "compensation.");
    }
    appendFooter(flow, kText, measure, note);
    return pages;
}

}  // namespace varnel
