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

Message boardLabel(double firstScale, double lastScale, Units units, std::size_t frets,
                   Message method) {
    const bool one = firstScale == lastScale;
    const char* wording =
        one ? (frets == 1 ? QT_TRANSLATE_NOOP("varnel::Words", "scale %1 %3, %4 fret, %5")
                          : QT_TRANSLATE_NOOP("varnel::Words", "scale %1 %3, %4 frets, %5"))
            : (frets == 1 ? QT_TRANSLATE_NOOP("varnel::Words", "scale %1 to %2 %3, %4 fret, %5")
                          : QT_TRANSLATE_NOOP("varnel::Words", "scale %1 to %2 %3, %4 frets, %5"));
    return Message(wording, {number(firstScale), number(lastScale), verbatim(unitSymbol(units)),
                             number(frets), inner(std::move(method))});
}

std::string programText() {
    return "Varnel v." + std::string(kVersionText);
}

std::string checkLengthText(double length, Units units) {
    return formatFixed(length, 3) + " " + unitSymbol(units);
}

Message checkDimension(Message from, Message to, double length, Units units) {
    return Message(QT_TRANSLATE_NOOP("varnel::Words", "%1 to %2 = %3"),
                   {inner(std::move(from)), inner(std::move(to)),
                    writtenNumber(checkLengthText(length, units))});
}

Message fretName(int fret) {
    return fret == 0 ? Message(QT_TRANSLATE_NOOP("varnel::Words", "nut"))
                     : fretName(std::to_string(fret));
}

Message fretName(const std::string& label) {
    return Message(QT_TRANSLATE_NOOP("varnel::Words", "fret %1"), {verbatim(label)});
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
                       const Message& check, const TextMeasure& measure, Units units) {
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
        if (page)
            page->text(layer, {0, y}, kLabelPoints,
                       measure.words(Message(QT_TRANSLATE_NOOP("varnel::Words", "check: %1"),
                                             {inner(check)})));
        y += height;
    }
    return y - top;
}

}  // namespace varnel
