#include "layout/checkreport.h"

#include <algorithm>
#include <cmath>

#include "core/fretboard.h"
#include "core/numtext.h"

namespace varnel {

namespace {

enum Layer : std::size_t { kText, kTable, kAxes, kBand, kBars, kRule };
constexpr double kTextPoints = 10;

Drawing reportBlank() {
    Drawing blank;
    blank.layers = {{"TEXT", {0, 0, 0}, 1},   {"TABLE", {0, 0, 0}, 1, false, kChartFace},
                    {"AXES", {0, 0, 0}, 1},   {"BAND", {0, 170, 0}, 1, true},
                    {"BARS", {0, 0, 255}, 2}, {"RULE", {255, 0, 0}, 1}};
    return blank;
}

std::string signedFixed(double value, int decimals) {
    return (value >= 0 ? "+" : "") + formatFixed(value, decimals);
}

}  // namespace

namespace {

// The plot from `top` down, kPlotHeightMm high: frets along x, cents up.
void appendCheckPlot(Drawing& page, const InstrumentCheck& check, double top, double width,
                     const TextMeasure& measure) {
    // The plot: frets along x, cents up; the band, the bars, the rule of 18ths' curve.
    const double height = kPlotHeightMm;
    const int lastFret = check.frets.back().fret;
    double span = 2 * kAudibleCents;
    // The rule of 18ths' own error (its factor 1/18), whatever the scale length: flat, about a
    // cent a fret.
    const auto rule18 = [](int j) {
        return -1200 * (j * std::log2(1 - kFactorPrimitive) + j / 12.0);
    };
    for (const FretCheck& f : check.frets) span = std::max(span, std::fabs(f.cents) * 1.2);
    for (int j = 1; j <= lastFret; ++j) span = std::max(span, std::fabs(rule18(j)) * 1.2);
    const double step = width / (lastFret + 1);
    const auto x = [&](double fret) { return fret * step; };
    const auto y = [&](double cents) { return top + height / 2 - cents / span * height / 2; };
    page.line(kAxes, {0, y(0)}, {width, y(0)});
    page.line(kAxes, {0, top}, {0, top + height});
    for (const double band : {kAudibleCents, -kAudibleCents})
        page.line(kBand, {0, y(band)}, {width, y(band)});
    for (int j = 1; j < lastFret; ++j)
        page.line(kRule, {x(j), y(rule18(j))}, {x(j + 1), y(rule18(j + 1))});
    const FretCheck* largest = &check.frets.front();
    for (const FretCheck& f : check.frets) {
        page.outline(kBars, {{x(f.fret) - step / 4, y(0)},
                             {x(f.fret) + step / 4, y(0)},
                             {x(f.fret) + step / 4, y(f.cents)},
                             {x(f.fret) - step / 4, y(f.cents)}});
        if (std::fabs(f.cents) > std::fabs(largest->cents)) largest = &f;
    }
    const std::string label =
        signedFixed(largest->cents, 2) + " cents at fret " + std::to_string(largest->fret);
    const double labelWidth = inchesToUnit(measure.textWidthInches(kNumberFace, 8, label), false);
    page.text(
        kText,
        {std::min(x(largest->fret), width - labelWidth), std::min(y(largest->cents), y(0)) - 4}, 8,
        label);
}

}  // namespace

Drawing checkPlot(const InstrumentCheck& check, double width, const TextMeasure& measure) {
    Drawing plot = reportBlank();
    appendCheckPlot(plot, check, 0, width, measure);
    return plot;
}

std::vector<Drawing> checkReportPages(const InstrumentCheck& check, const PageFrame& frame,
                                      const TextMeasure& measure, const std::string& note) {
    Drawing blank;
    blank.layers = {{"TEXT", {0, 0, 0}, 1},   {"TABLE", {0, 0, 0}, 1, false, kChartFace},
                    {"AXES", {0, 0, 0}, 1},   {"BAND", {0, 170, 0}, 1, true},
                    {"BARS", {0, 0, 255}, 2}, {"RULE", {255, 0, 0}, 1}};
    std::vector<Drawing> pages;
    TextFlow flow(pages, blank, frame.height);
    const ModelFit& best = check.models.front();
    flow.line(kText, 12, measure, "Varnel instrument check");
    flow.line(kText, kTextPoints, measure, {});
    flow.line(kText, kTextPoints, measure, "Best model: " + best.name);
    for (const ModelFit& m : check.models) {
        flow.line(kText, kTextPoints, measure,
                  m.name + ": scale length " + formatFixed(m.scaleLength, 3) + " mm, nut offset " +
                      signedFixed(m.offset, 3) + " mm, RMS " + formatFixed(m.rms, 3) +
                      " mm, largest " + formatFixed(m.largest, 3) + " mm");
    }
    flow.line(kText, kTextPoints, measure, {});
    // The plot, on a page of its own when it does not fit below the fit.
    if (flow.y + kPlotHeightMm > frame.height) {
        pages.push_back(blank);
        flow.y = 0;
    }
    appendCheckPlot(pages.back(), check, flow.y, frame.width, measure);
    flow.y += kPlotHeightMm + 4;
    flow.line(kTable, kTextPoints, measure, "fret   measured       best   residual     cents");
    for (const FretCheck& f : check.frets) {
        char row[96];
        std::snprintf(row, sizeof row, "%4d %10s %10s %10s %9s", f.fret,
                      formatFixed(f.measured, 3).c_str(), formatFixed(f.best, 3).c_str(),
                      signedFixed(f.residual, 3).c_str(), signedFixed(f.cents, 2).c_str());
        flow.line(kTable, kTextPoints, measure, row);
    }
    appendFooter(flow, kText, measure, note);
    return pages;
}

}  // namespace varnel
