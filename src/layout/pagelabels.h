#pragma once
// What every printed template page and tiled piece says of itself, so that the paper alone tells
// which board it is for, and the rule it carries, so that the paper alone tells whether the
// printer kept its scale.

#include <string>
#include <vector>

#include "core/fretboard.h"
#include "layout/drawing.h"

namespace varnel {

// The labels' type.
constexpr double kLabelPoints = 8;

// The layer labels and rules are drawn on.
DrawingLayer labelLayer();

// What a printed board is for: "scale 648 mm, 22 frets, twelfth root of 2", or with two scale
// lengths "scale 648 to 686 mm, ...".
Message boardLabel(double firstScale, double lastScale, Units units, std::size_t frets,
                   Message method);

// "Varnel v.1.01".
std::string programText();

// A length as a check dimension gives it: "163.351 mm", "6.431 in".
std::string checkLengthText(double length, Units units);

// "nut to fret 5 = 163.351 mm", "fret 5 to fret 9 = 98.765 mm".
Message checkDimension(Message from, Message to, double length, Units units);
// A fret by its number for a check dimension: "nut" for 0, "fret 5".
Message fretName(int fret);
// A fret by its label ("7", "12a").
Message fretName(const std::string& label);

// The check rule's length: 100 mm, or 4 in in inch units; on paper narrower than that, the
// longest whole 10 mm (1 in) that fits; 0 when none does.
double checkRuleLength(Units units, double width);

// Texts in a row at `top`, a gap between them; when the row would be wider than `width`, each
// on a row of its own. The height they take. Nothing is drawn without a page (to measure).
// `widest` stands for the texts when choosing one row or several (the widest each may become:
// "page 12 of 12" for "page 3 of 12").
double appendLabelRow(Drawing* page, std::size_t layer, double top, double width,
                      const std::vector<std::string>& texts, const std::vector<std::string>& widest,
                      const TextMeasure& measure, Units units);

// The rule (a bar with a tick at each end, its length printed after it) and, under it, the check
// dimension (none when empty), from `top`. The height they take.
double appendCheckRule(Drawing* page, std::size_t layer, double top, double width,
                       const Message& check, const TextMeasure& measure, Units units);

}  // namespace varnel
