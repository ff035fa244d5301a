#include "layout/drawing.h"

#include "core/fretboard.h"

#include "core/version.h"

#include <algorithm>

namespace varnel {

namespace {

constexpr double kPointsPerInch = 72;

// DejaVu Sans: a digit's advance and the line's height (ascent and descent), in ems; Courier's
// fixed advance and its line.
constexpr double kNumberAdvanceEm = 0.6362;
constexpr double kNumberLineEm = 1.1641;
constexpr double kChartAdvanceEm = 0.6;
constexpr double kChartLineEm = 1.1328;

}  // namespace

std::vector<Segment> sidesOf(const DrawingOutline& outline) {
    std::vector<Segment> sides;
    const std::vector<Point>& p = outline.points;
    for (std::size_t i = 0; i < p.size(); ++i) sides.push_back({p[i], p[(i + 1) % p.size()]});
    return sides;
}

Extent extentOf(const Drawing& drawing) {
    Extent e{1e300, -1e300, 1e300, -1e300};
    const auto take = [&e](const Point& p, double radius) {
        e.left = std::min(e.left, p.x - radius);
        e.right = std::max(e.right, p.x + radius);
        e.top = std::min(e.top, p.y - radius);
        e.bottom = std::max(e.bottom, p.y + radius);
    };
    for (const DrawingLine& line : drawing.lines) {
        take(line.segment.from, 0);
        take(line.segment.to, 0);
    }
    for (const DrawingOutline& outline : drawing.outlines) {
        for (const Point& p : outline.points) take(p, 0);
    }
    for (const DrawingCircle& circle : drawing.circles) take(circle.centre, circle.diameter / 2);
    return e;
}

double pointsToUnit(double points, Units units) {
    return inchesToUnit(points / kPointsPerInch, units);
}

double inchesToUnit(double length, Units units) {
    return units == Units::Inches ? length : length * kMillimetresPerInch;
}

double NominalMeasure::textWidthInches(const std::string& face, double points,
                                       const std::string& text) const {
    const double advance = face == kChartFace ? kChartAdvanceEm : kNumberAdvanceEm;
    return advance * points / kPointsPerInch * static_cast<double>(text.size());
}

double NominalMeasure::lineHeightInches(const std::string& face, double points) const {
    return (face == kChartFace ? kChartLineEm : kNumberLineEm) * points / kPointsPerInch;
}

void TextFlow::line(std::size_t layer, double points, double height, std::string text) {
    if (m_pages.empty()) m_pages.push_back(m_blank);
    if (y > 0 && y + height > m_pageHeight) {
        m_pages.push_back(m_blank);
        y = 0;
    }
    if (!text.empty()) m_pages.back().text(layer, {x, y}, points, std::move(text));
    y += height;
}

void TextFlow::line(std::size_t layer, double points, const TextMeasure& measure,
                    std::string text) {
    const double height =
        inchesToUnit(measure.lineHeightInches(m_blank.layers[layer].face, points), m_blank.units);
    line(layer, points, height, std::move(text));
}

std::string footerText() {
    return "Printed by Varnel v." + std::string(kFooterVersionText);
}

void appendFooter(TextFlow& flow, std::size_t layer, const TextMeasure& measure,
                  const std::string& note) {
    flow.line(layer, kFooterPoints, measure, {});
    flow.line(layer, kFooterPoints, measure, footerText());
    if (!note.empty()) flow.line(layer, kFooterPoints, measure, note);
}

}  // namespace varnel
