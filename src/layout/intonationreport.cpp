#include "layout/intonationreport.h"

#include <algorithm>
#include <cmath>

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

std::vector<std::string> intonationLines(const DesignerBoard& board, Units units,
                                         const TextMeasure& measure) {
    const IntonationInputs& in = board.intonationInputs;
    const std::string unit = unitSymbol(units);
    const int decimals = units == Units::Inches ? 4 : 3;
    const auto length = [&unit](double value) {
        return writtenNumber(formatGeneral(value) + " " + unit);
    };
    const char* saddle[] = {QT_TRANSLATE_NOOP("varnel::Words", "per string"),
                            QT_TRANSLATE_NOOP("varnel::Words", "straight"),
                            QT_TRANSLATE_NOOP("varnel::Words", "typed")};
    const auto words = [&measure](const char* wording, std::vector<MessageArg> args = {}) {
        return measure.words(Message(wording, std::move(args)));
    };
    std::vector<std::string> lines{
        words(QT_TRANSLATE_NOOP("varnel::Words", "String set: %1"),
              {verbatim(in.set ? in.set->name : std::string())}),
        words(QT_TRANSLATE_NOOP("varnel::Words", "Action: %1 at the nut, %2 at fret 12"),
              {length(in.actionNut), length(in.action12)}),
        words(in.nutToo ? QT_TRANSLATE_NOOP("varnel::Words",
                                            "Frets 1 to %1 in tune; saddle %2, nut compensated")
                        : QT_TRANSLATE_NOOP("varnel::Words", "Frets 1 to %1 in tune; saddle %2"),
              {number(in.frets), word(saddle[static_cast<int>(in.saddle)])}),
        {}};
    const std::string rms = words(QT_TRANSLATE_NOOP("varnel::Words", "rms"));
    const std::string largest = words(QT_TRANSLATE_NOOP("varnel::Words", "largest"));
    const std::vector<std::string> heading{
        "",
        words(QT_TRANSLATE_NOOP("varnel::Words", "string")),
        words(QT_TRANSLATE_NOOP("varnel::Words", "saddle %1"), {verbatim(unit)}),
        words(QT_TRANSLATE_NOOP("varnel::Words", "nut %1"), {verbatim(unit)}),
        rms,
        largest,
        rms,
        largest};
    const std::string before = words(QT_TRANSLATE_NOOP("varnel::Words", "cents before"));
    const std::string after = words(QT_TRANSLATE_NOOP("varnel::Words", "cents after"));
    // The columns as wide as the numbers need (the first two left-aligned), wider where a
    // language's heading is; "cents before" and "cents after" each span two columns.
    std::vector<int> width = columnWidths({-3, -10, 10, 10, 8, 8, 8, 8}, heading);
    for (const auto& [first, text] : {std::pair{std::size_t{4}, &before}, {6, &after}})
        width[first + 1] += std::max(0, textColumns(*text) - (width[first] + 1 + width[first + 1]));
    lines.push_back(tableRow(heading, width));
    lines.push_back(tableRow({"", "", "", "", before, after},
                             {width[0], width[1], width[2], width[3], width[4] + 1 + width[5],
                              width[6] + 1 + width[7]}));
    const auto fixed = [&measure](double value, int places) {
        return measure.numbers(formatFixed(value, places));
    };
    const auto signedCents = [&measure](double value) {
        return measure.numbers(formatSigned(value, 2));
    };
    for (std::size_t i = 0; i < board.intonation.size(); ++i) {
        const StringIntonation& s = board.intonation[i];
        const std::string name = in.set ? in.set->strings[i].name : std::string();
        lines.push_back(
            tableRow({std::to_string(i + 1), firstColumns(name, -width[1]),
                      fixed(s.saddle, decimals), fixed(s.nut, decimals), fixed(s.rmsBefore, 2),
                      signedCents(s.maxBefore), fixed(s.rmsAfter, 2), signedCents(s.maxAfter)},
                     width));
    }
    return lines;
}

Drawing intonationSheet(const DesignerBoard& board, Units units, double width,
                        const TextMeasure& measure) {
    std::vector<Drawing> pages;
    const Drawing blank = intonationBlank();
    TextFlow flow(pages, blank, 1e9);
    for (const std::string& text : intonationLines(board, units, measure))
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
    flow.line(kText, 12, measure,
              measure.words(QT_TRANSLATE_NOOP("varnel::Words", "Varnel intonation report")));
    flow.line(kText, kTextPoints, measure, {});
    flow.paragraph(kText, kTextPoints, measure, measure.words(boardDescription(board, units)),
                   frame.width);
    for (const std::string& text : intonationLines(board, units, measure))
        flow.line(kTable, kTextPoints, measure, text);
    flow.line(kText, kTextPoints, measure, {});
    if (!board.intonation.empty()) {
        if (flow.y + kIntonationPlotMm > frame.height) {
            pages.push_back(blank);
            flow.y = 0;
        }
        appendPlot(pages.back(), board, flow.y, frame.width, measure);
        flow.y += kIntonationPlotMm;
        flow.paragraph(kText, kPlotPoints, measure,
                       measure.words(QT_TRANSLATE_NOOP("varnel::Words",
                                                       "Each string's error at each fret, dashed "
                                                       "before and solid after the compensation.")),
                       frame.width);
    }
    appendFooter(flow, kText, measure, note);
    return pages;
}

}  // namespace varnel
