#include "layout/gaugelayout.h"

#include <cmath>
#include <numbers>

#include "core/numtext.h"
#include "layout/pagelabels.h"

namespace varnel {

namespace {

constexpr double kRadiusPoints = 12;
constexpr double kPlacePoints = 8;
constexpr double kGaugeGapMm = 10;  // between gauges on the sheet

Drawing blankGauge(Units units) {
    Drawing d;
    d.units = units;
    d.title = "Radius gauges (" + std::string(unitSymbol(units)) + ")";
    d.layers = {{"GAUGE", {255, 0, 0}, 1, false, kNumberFace, true}, {"GAUGETEXT", {0, 0, 0}, 1}};
    return d;
}

// One gauge with its top left corner at the origin: a block as wide as the chord whose lower
// side is the arc, hollow (concave) or bulging (convex); the radius printed inside.
Drawing gauge(const RadiusGauges& gauges, const GaugeRadius& r, bool concave,
              const TextMeasure& measure) {
    Drawing d = blankGauge(gauges.units);
    const double perMm = unitsPerMillimetre(gauges.units);
    const double w = gauges.width;
    const double half = std::asin(w / 2 / r.radius) * 180 / std::numbers::pi;
    const double sagitta = r.radius - std::sqrt(r.radius * r.radius - w * w / 4);
    const double stock = kGaugeStockMm * perMm;
    const double h = concave ? stock + sagitta : stock;
    d.line(0, {0, h}, {0, 0});
    d.line(0, {0, 0}, {w, 0});
    d.line(0, {w, 0}, {w, h});
    // The arc from the right side's foot back to the left's: its ends are the sides' feet.
    if (concave) {
        d.arc(0, {w / 2, h - sagitta + r.radius}, r.radius, 270 - half, 270 + half);
    } else {
        d.arc(0, {w / 2, h + sagitta - r.radius}, r.radius, 90 - half, 90 + half);
    }
    const std::string unit = std::string(" ") + unitSymbol(gauges.units);
    d.text(1, {5 * perMm, 4 * perMm}, kRadiusPoints,
           measure.words(Message(QT_TRANSLATE_NOOP("varnel::Words", "R %1"),
                                 {writtenNumber(formatGeneral(r.radius) + unit)})));
    const Message kind = r.place.empty()
                             ? Message(concave ? QT_TRANSLATE_NOOP("varnel::Words", "concave")
                                               : QT_TRANSLATE_NOOP("varnel::Words", "convex"))
                             : Message(concave ? QT_TRANSLATE_NOOP("varnel::Words", "concave, %1")
                                               : QT_TRANSLATE_NOOP("varnel::Words", "convex, %1"),
                                       {inner(r.place)});
    d.text(1, {5 * perMm, 11 * perMm}, kPlacePoints, measure.words(kind));
    return d;
}

}  // namespace

RadiusGauges boardGauges(const DesignerBoard& board, Units units,
                         const std::vector<double>& givenRadii) {
    RadiusGauges g;
    g.units = units;
    if (board.radiusAtNut != 0 || board.radiusAtEnd != 0) {
        if (board.radiusAtNut == board.radiusAtEnd) {
            g.radii.push_back(
                {board.radiusAtNut, QT_TRANSLATE_NOOP("varnel::Words", "at the nut and the end")});
        } else {
            g.radii.push_back(
                {board.radiusAtNut, QT_TRANSLATE_NOOP("varnel::Words", "at the nut")});
            g.radii.push_back(
                {board.radiusAtEnd, QT_TRANSLATE_NOOP("varnel::Words", "at the end")});
        }
    }
    for (const double r : givenRadii) g.radii.push_back({r, {}});
    g.width = std::max(widthAcross(board, board.nut), widthAcross(board, board.boardEnd)) +
              kGaugeWiderMm * unitsPerMillimetre(units);
    g.board = boardDescription(board, units);
    return g;
}

std::optional<Message> gaugeRefusal(const RadiusGauges& gauges) {
    if (gauges.radii.empty())
        return QT_TRANSLATE_NOOP("varnel::Words",
                                 "The fretboard is flat: there is no radius to make a gauge for.");
    const std::string unit = std::string(" ") + unitSymbol(gauges.units);
    for (const GaugeRadius& r : gauges.radii) {
        if (!(std::isfinite(r.radius) && r.radius > 0 && std::isfinite(gauges.width)))
            return QT_TRANSLATE_NOOP("varnel::Words", "A gauge's radius must be a number above 0.");
        if (r.radius < gauges.width / 2) {
            return Message(QT_TRANSLATE_NOOP("varnel::Words",
                                             "A radius of %1 is too small for a gauge %2 wide: it "
                                             "must be at least half the width."),
                           {writtenNumber(formatGeneral(r.radius) + unit),
                            writtenNumber(formatFixed(gauges.width, 1) + unit)});
        }
    }
    return std::nullopt;
}

Drawing gaugeSheet(const RadiusGauges& gauges) {
    Drawing sheet = blankGauge(gauges.units);
    const double gap = kGaugeGapMm * unitsPerMillimetre(gauges.units);
    double top = 0;
    for (const GaugeRadius& r : gauges.radii) {
        const Drawing concave = gauge(gauges, r, true, NominalMeasure());
        const Drawing convex = gauge(gauges, r, false, NominalMeasure());
        sheet.append(concave.moved(0, top));
        sheet.append(convex.moved(gauges.width + gap, top));
        const Extent a = extentOf(concave), b = extentOf(convex);
        top += std::max(a.bottom, b.bottom) + gap;
    }
    sheet.yUp = top - gap;
    return sheet;
}

BoardPages gaugePages(const RadiusGauges& gauges, const PageFrame& frame,
                      const TextMeasure& measure, const std::string& note) {
    std::vector<TiledPart> parts;
    for (const GaugeRadius& r : gauges.radii) {
        for (const bool concave : {true, false}) {
            const double width = gauges.width;
            const Units units = gauges.units;
            // A piece that shows the whole gauge can be checked across its width.
            parts.push_back(
                {gauge(gauges, r, concave, measure), 0, [width, units](double x0, double x1) {
                     return x0 <= 0 && x1 >= width
                                ? Message(QT_TRANSLATE_NOOP("varnel::Words", "gauge width = %1"),
                                          {writtenNumber(checkLengthText(width, units))})
                                : Message();
                 }});
        }
    }
    return tiledPages(
        parts, gauges.units, frame, measure,
        measure.words(Message(QT_TRANSLATE_NOOP("varnel::Words", "radius gauges for %1"),
                              {inner(gauges.board)})),
        note);
}

}  // namespace varnel
