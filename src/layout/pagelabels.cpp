#include "layout/pagelabels.h"

#include <algorithm>
#include <cmath>

#include "core/numtext.h"
#include "core/version.h"

namespace varnel {

namespace {

// The gap between texts in a row, and the ticks' height, in millimetres.
constexpr double kLabelGapMm = 4;
constexpr double kTickMm = 3;

double labelHeight(const TextMeasure& measure, Units units) {
    return lineHeightIn(units, measure, kNumberFace, kLabelPoints);
}

double labelWidth(const TextMeasure& measure, Units units, const std::string& text) {
    return textWidthIn(units, measure, kNumberFace, kLabelPoints, text);
}

}  // namespace

DrawingLayer labelLayer() {
    return {"LABELS", {0, 0, 0}, 1};
}

std::string boardLabel(double firstScale, double lastScale, Units units, std::size_t frets,
                       const std::string& method) {
    const std::string scale = firstScale == lastScale
                                  ? formatGeneral(firstScale)
                                  : formatGeneral(firstScale) + " to " + formatGeneral(lastScale);
    return "scale " + scale + " " + unitSymbol(units) + ", " + std::to_string(frets) +
           (frets == 1 ? " fret, " : " frets, ") + method;
}

std::string programText() {
    return "Varnel v." + std::string(kVersionText);
}

std::string checkLengthText(double length, Units units) {
    return formatFixed(length, 3) + " " + unitSymbol(units);
}

std::string checkDimensionText(const std::string& from, const std::string& to, double length,
                               Units units) {
    return from + " to " + to + " = " + checkLengthText(length, units);
}

std::string fretName(int fret) {
    return fret == 0 ? "nut" : "fret " + std::to_string(fret);
}

double checkRuleLength(Units units, double width) {
    const double whole = units == Units::Inches ? 4 : 100;
    if (whole <= width) return whole;
    const double step = units == Units::Inches ? 1 : 10;
    return std::max(0.0, std::floor(width / step) * step);
}

double appendLabelRow(Drawing* page, std::size_t layer, double top, double width,
                      const std::vector<std::string>& texts, const std::vector<std::string>& widest,
                      const TextMeasure& measure, Units units) {
    if (texts.empty()) return 0;
    const double gap = kLabelGapMm * unitsPerMillimetre(units);
    double rowWidth = -gap;
    for (const std::string& text : widest) rowWidth += gap + labelWidth(measure, units, text);
    const bool oneRow = rowWidth <= width;
    const double height = labelHeight(measure, units);
    double x = 0, y = top;
    for (const std::string& text : texts) {
        if (page) page->text(layer, {x, y}, kLabelPoints, text);
        if (oneRow) {
            x += labelWidth(measure, units, text) + gap;
        } else {
            y += height;
        }
    }
    return oneRow ? height : y - top;
}

double appendCheckRule(Drawing* page, std::size_t layer, double top, double width,
                       const std::string& check, const TextMeasure& measure, Units units) {
    const double perMm = unitsPerMillimetre(units);
    const double tick = kTickMm * perMm;
    const double height = labelHeight(measure, units);
    // A pen's half width of room at each end, so that the ticks' centres stand the length apart.
    const double inset = 0.5 * perMm;
    const double length = checkRuleLength(units, width - 2 * inset);
    double y = top;
    if (length > 0) {
        const std::string lengthText = formatGeneral(length) + " " + unitSymbol(units);
        if (page) {
            page->line(layer, {inset, y}, {inset, y + tick});
            page->line(layer, {inset + length, y}, {inset + length, y + tick});
            page->line(layer, {inset, y + tick / 2}, {inset + length, y + tick / 2});
        }
        // Its length under the bar, clear of both ticks.
        y += tick;
        if (page)
            page->text(layer, {inset + length / 2 - labelWidth(measure, units, lengthText) / 2, y},
                       kLabelPoints, lengthText);
        y += height;
    }
    if (!check.empty()) {
        if (page) page->text(layer, {0, y}, kLabelPoints, "check: " + check);
        y += height;
    }
    return y - top;
}

}  // namespace varnel
