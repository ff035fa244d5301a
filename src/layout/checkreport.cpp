#include "layout/checkreport.h"

#include <algorithm>
#include <cmath>

#include "core/fretboard.h"
#include "core/numtext.h"

namespace varnel {

namespace {

enum Layer : std::size_t { kText, kTable, kAxes, kBand, kBars, kRule };
constexpr double kTextPoints = 10;

Drawing checkBlank() {
    return reportBlank(
        {{"BAND", {0, 170, 0}, 1, true}, {"BARS", {0, 0, 255}, 2}, {"RULE", {255, 0, 0}, 1}});
}

}  // namespace

namespace {

constexpr double kPlotPoints = 7;  // the plot's words and numbers

// The plot from `top` down, kPlotHeightMm high: a cents axis with its ticks on the left, a bar
// a fret with the fret numbers under them, the band and the rule of 18ths' curve, a legend
// under the numbers and the largest error named above the plot, all words clear of lines.
void appendCheckPlot(Drawing& page, const InstrumentCheck& check, double top, double width,
                     const TextMeasure& measure) {
    const auto textWidth = [&](const std::string& text) {
        return textWidthIn(Units::Millimetres, measure, kNumberFace, kPlotPoints, text);
    };
    const double line = lineHeightIn(Units::Millimetres, measure, kNumberFace, kPlotPoints);
    const int lastFret = check.frets.back().fret;
    // The rule of 18ths' own error (its factor 1/18), whatever the scale length: flat, about a
    // cent a fret.
    const auto rule18 = [](int j) {
        return -1200 * (j * std::log2(1 - kFactorPrimitive) + j / 12.0);
    };
    double span = 2 * kAudibleCents;
    for (const FretCheck& f : check.frets) span = std::max(span, std::fabs(f.cents) * 1.2);
    for (int j = 1; j <= lastFret; ++j) span = std::max(span, std::fabs(rule18(j)) * 1.2);
    // Rows of words: the largest error above, the fret numbers and the legend below.
    const double plotTop = top + line * 1.5;
    const double plotBottom = top + kPlotHeightMm - line * 2.8;
    const CentsAxis axis =
        appendCentsAxis(page, kAxes, kText, plotTop, plotBottom, span, width, kPlotPoints, measure);
    const double axisX = axis.x;
    const double fretWidth = (width - axisX) / (lastFret + 1);
    const auto x = [&](double fret) { return axisX + fret * fretWidth; };
    const auto y = [&](double cents) { return axis.y(cents); };
    for (const double band : {kAudibleCents, -kAudibleCents})
        page.line(kBand, {axisX, y(band)}, {width, y(band)});
    for (int j = 1; j < lastFret; ++j)
        page.line(kRule, {x(j), y(rule18(j))}, {x(j + 1), y(rule18(j + 1))});
    const FretCheck* largest = &check.frets.front();
    for (const FretCheck& f : check.frets) {
        page.outline(kBars, {{x(f.fret) - fretWidth / 4, y(0)},
                             {x(f.fret) + fretWidth / 4, y(0)},
                             {x(f.fret) + fretWidth / 4, y(f.cents)},
                             {x(f.fret) - fretWidth / 4, y(f.cents)}});
        if (std::fabs(f.cents) > std::fabs(largest->cents)) largest = &f;
    }
    // Fret numbers under the plot, as many as fit side by side.
    const double numberWidth = textWidth(std::to_string(lastFret)) + 1;
    const int every = std::max(1, static_cast<int>(std::ceil(numberWidth / fretWidth)));
    for (int j = every; j <= lastFret; j += every) {
        const std::string number = std::to_string(j);
        page.text(kText, {x(j) - textWidth(number) / 2, plotBottom + line * 0.3}, kPlotPoints,
                  number);
    }
    const std::string label = measure.words(
        Message(QT_TRANSLATE_NOOP("varnel::Words", "largest: %1 cents at fret %2"),
                {writtenNumber(formatSigned(largest->cents, 2)), number(largest->fret)}));
    page.text(kText, {width - textWidth(label), plotTop - line * 1.4}, kPlotPoints, label);
    // The legend: a sample of each line with its words.
    const double legendY = plotBottom + line * 1.5;
    double at = axisX;
    for (const auto& [layer, words] :
         {std::pair{kBars, measure.words(QT_TRANSLATE_NOOP("varnel::Words", "this instrument"))},
          {kBand, measure.words(Message(QT_TRANSLATE_NOOP("varnel::Words", "+-%1 cents (audible)"),
                                        {number(kAudibleCents)}))},
          {kRule, measure.words(QT_TRANSLATE_NOOP("varnel::Words", "rule of 18ths (1/18)"))}}) {
        page.line(layer, {at, legendY + line / 2}, {at + 5, legendY + line / 2});
        page.text(kText, {at + 6, legendY}, kPlotPoints, words);
        at += 6 + textWidth(words) + 4;
    }
}

}  // namespace

CentsAxis appendCentsAxis(Drawing& page, std::size_t axes, std::size_t text, double top,
                          double bottom, double span, double right, double points,
                          const TextMeasure& measure) {
    const auto textWidth = [&](const std::string& words) {
        return textWidthIn(Units::Millimetres, measure, kNumberFace, points, words);
    };
    const double line = lineHeightIn(Units::Millimetres, measure, kNumberFace, points);
    const double step = tickStep(span, 4);
    const int ticks = static_cast<int>(std::floor(span / step));
    const auto label = [step, &measure](int k) {
        return measure.numbers((k > 0 ? "+" : "") + formatGeneral(k * step));
    };
    CentsAxis axis{0, top, bottom, span};
    for (int k = -ticks; k <= ticks; ++k) axis.x = std::max(axis.x, textWidth(label(k)));
    axis.x += 2;  // the ticks' length and a gap
    page.line(axes, {axis.x, axis.y(0)}, {right, axis.y(0)});
    page.line(axes, {axis.x, top}, {axis.x, bottom});
    for (int k = -ticks; k <= ticks; ++k) {
        const double y = axis.y(k * step);
        page.line(axes, {axis.x - 1, y}, {axis.x, y});
        page.text(text, {axis.x - 1.5 - textWidth(label(k)), y - line / 2}, points, label(k));
    }
    page.text(text, {0, top - line * 1.4}, points,
              measure.words(QT_TRANSLATE_NOOP("varnel::Words", "cents")));
    return axis;
}

Drawing reportBlank(std::vector<DrawingLayer> plotLayers) {
    Drawing blank;
    blank.layers = {
        {"TEXT", {0, 0, 0}, 1}, {"TABLE", {0, 0, 0}, 1, false, kChartFace}, {"AXES", {0, 0, 0}, 1}};
    blank.layers.insert(blank.layers.end(), plotLayers.begin(), plotLayers.end());
    return blank;
}

double tickStep(double span, int most) {
    const double power = std::pow(10, std::floor(std::log10(span / most)));
    for (const double m : {1.0, 2.0, 5.0}) {
        if (span / (m * power) <= most) return m * power;
    }
    return 10 * power;
}

Message fitText(const InstrumentCheck& check, const ModelFit& fit) {
    const std::string unit = std::string(" ") + checkUnit(check);
    const auto length = [&unit](const std::string& digits) { return writtenNumber(digits + unit); };
    return Message(QT_TRANSLATE_NOOP("varnel::Words",
                                     "%1: scale length %2, nut offset %3, RMS %4, largest %5"),
                   {inner(fit.name), length(formatFixed(fit.scaleLength, 3)),
                    length(formatSigned(fit.offset, 3)), length(formatFixed(fit.rms, 3)),
                    length(formatFixed(fit.largest, 3))});
}

std::vector<std::string> checkTableLines(const InstrumentCheck& check, const TextMeasure& measure) {
    const auto heading = [&](const char* wording) {
        return measure.words(Message(wording, {verbatim(checkUnit(check))}));
    };
    const std::vector<std::string> headings{
        measure.words(QT_TRANSLATE_NOOP("varnel::Words", "fret")),
        heading(QT_TRANSLATE_NOOP("varnel::Words", "measured (%1)")),
        heading(QT_TRANSLATE_NOOP("varnel::Words", "best (%1)")),
        heading(QT_TRANSLATE_NOOP("varnel::Words", "residual (%1)")),
        measure.words(QT_TRANSLATE_NOOP("varnel::Words", "cents"))};
    const std::vector<int> widths = columnWidths({4, 13, 13, 13, 9}, headings);
    std::vector<std::string> lines{tableRow(headings, widths)};
    for (const FretCheck& f : check.frets) {
        lines.push_back(tableRow(
            {std::to_string(f.fret), measure.numbers(formatFixed(f.measured, 3)),
             measure.numbers(formatFixed(f.best, 3)), measure.numbers(formatSigned(f.residual, 3)),
             measure.numbers(formatSigned(f.cents, 2))},
            widths));
    }
    return lines;
}

Drawing checkPlot(const InstrumentCheck& check, double width, const TextMeasure& measure) {
    Drawing plot = checkBlank();
    appendCheckPlot(plot, check, 0, width, measure);
    return plot;
}

std::vector<Drawing> checkReportPages(const InstrumentCheck& check, const PageFrame& frame,
                                      const TextMeasure& measure, const std::string& note) {
    const Drawing blank = checkBlank();
    std::vector<Drawing> pages;
    TextFlow flow(pages, blank, frame.height);
    const ModelFit& best = check.models.front();
    flow.line(kText, 12, measure,
              measure.words(QT_TRANSLATE_NOOP("varnel::Words", "Varnel instrument check")));
    flow.line(kText, kTextPoints, measure, {});
    const auto paragraph = [&](const Message& message) {
        flow.paragraph(kText, kTextPoints, measure, measure.words(message), frame.width);
    };
    paragraph(Message(QT_TRANSLATE_NOOP("varnel::Words", "Best model: %1"), {inner(best.name)}));
    for (const ModelFit& m : check.models) paragraph(fitText(check, m));
    for (const Message& finding : checkFindings(check)) paragraph(finding);
    flow.line(kText, kTextPoints, measure, {});
    // The plot, on a page of its own when it does not fit below the fit.
    if (flow.y + kPlotHeightMm > frame.height) {
        pages.push_back(blank);
        flow.y = 0;
    }
    appendCheckPlot(pages.back(), check, flow.y, frame.width, measure);
    flow.y += kPlotHeightMm + 4;
    for (const std::string& row : checkTableLines(check, measure))
        flow.line(kTable, kTextPoints, measure, row);
    appendFooter(flow, kText, measure, note);
    return pages;
}

}  // namespace varnel
