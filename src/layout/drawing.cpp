#include "layout/drawing.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <optional>

#include "core/fretboard.h"
#include "core/version.h"

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

Point DrawingArc::at(double degrees) const {
    const double a = degrees * std::numbers::pi / 180;
    return {centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)};
}

Drawing Drawing::blank() const {
    Drawing d;
    d.units = units;
    d.title = title;
    d.yUp = yUp;
    d.layers = layers;
    return d;
}

Drawing Drawing::moved(double dx, double dy) const {
    Drawing d = *this;
    const auto move = [dx, dy](Point& p) {
        p.x += dx;
        p.y += dy;
    };
    for (DrawingLine& l : d.lines) {
        move(l.segment.from);
        move(l.segment.to);
    }
    for (DrawingOutline& o : d.outlines) std::for_each(o.points.begin(), o.points.end(), move);
    for (DrawingCircle& c : d.circles) move(c.centre);
    for (DrawingArc& a : d.arcs) move(a.centre);
    for (DrawingText& t : d.texts) move(t.topLeft);
    return d;
}

void Drawing::append(const Drawing& other) {
    lines.insert(lines.end(), other.lines.begin(), other.lines.end());
    outlines.insert(outlines.end(), other.outlines.begin(), other.outlines.end());
    circles.insert(circles.end(), other.circles.begin(), other.circles.end());
    arcs.insert(arcs.end(), other.arcs.begin(), other.arcs.end());
    texts.insert(texts.end(), other.texts.begin(), other.texts.end());
}

Drawing keepLayers(const Drawing& drawing, const std::vector<std::string>& names) {
    Drawing d = drawing.blank();
    d.layers.clear();
    // Each kept layer's new index, by its old one.
    std::vector<std::optional<std::size_t>> index(drawing.layers.size());
    for (std::size_t i = 0; i < drawing.layers.size(); ++i) {
        if (std::find(names.begin(), names.end(), drawing.layers[i].name) == names.end()) continue;
        index[i] = d.addLayer(drawing.layers[i]);
    }
    const auto keep = [&](const auto& items, auto& kept) {
        for (auto item : items) {
            if (!index[item.layer]) continue;
            item.layer = *index[item.layer];
            kept.push_back(std::move(item));
        }
    };
    keep(drawing.lines, d.lines);
    keep(drawing.outlines, d.outlines);
    keep(drawing.circles, d.circles);
    keep(drawing.arcs, d.arcs);
    keep(drawing.texts, d.texts);
    return d;
}

std::vector<DrawingArc> arcBetween(const DrawingArc& arc, double x0, double x1) {
    // The arc is cut where it crosses x0 or x1; each part is wholly inside the band or wholly
    // outside it.
    std::vector<double> cuts{arc.startDegrees, arc.endDegrees};
    for (const double x : {x0, x1}) {
        const double c = (x - arc.centre.x) / arc.radius;
        if (!(std::fabs(c) <= 1)) continue;
        const double a = std::acos(c) * 180 / std::numbers::pi;
        for (const double base : {a, -a}) {
            // Every turn of the angle that lies within the arc.
            for (double t = base + 360 * std::ceil((arc.startDegrees - base) / 360);
                 t < arc.endDegrees; t += 360) {
                if (t > arc.startDegrees) cuts.push_back(t);
            }
        }
    }
    std::sort(cuts.begin(), cuts.end());
    std::vector<DrawingArc> parts;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        if (cuts[i + 1] <= cuts[i]) continue;
        const double x = arc.at((cuts[i] + cuts[i + 1]) / 2).x;
        if (x < x0 || x > x1) continue;
        if (!parts.empty() && parts.back().endDegrees == cuts[i]) {
            parts.back().endDegrees = cuts[i + 1];
        } else {
            parts.push_back({arc.layer, arc.centre, arc.radius, cuts[i], cuts[i + 1]});
        }
    }
    return parts;
}

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
    for (const DrawingArc& arc : drawing.arcs) {
        take(arc.at(arc.startDegrees), 0);
        take(arc.at(arc.endDegrees), 0);
        // The arc's extreme points where it passes them: at 0, 90, 180 and 270 degrees.
        for (double a = 90 * std::ceil(arc.startDegrees / 90); a < arc.endDegrees; a += 90)
            take(arc.at(a), 0);
    }
    return e;
}

double pointsToUnit(double points, Units units) {
    return inchesToUnit(points / kPointsPerInch, units);
}

double inchesToUnit(double length, Units units) {
    return units == Units::Inches ? length : length * kMillimetresPerInch;
}

double textWidthIn(Units units, const TextMeasure& measure, const std::string& face, double points,
                   const std::string& text) {
    return inchesToUnit(measure.textWidthInches(face, points, text), units);
}

double lineHeightIn(Units units, const TextMeasure& measure, const std::string& face,
                    double points) {
    return inchesToUnit(measure.lineHeightInches(face, points), units);
}

double NominalMeasure::textWidthInches(const std::string& face, double points,
                                       const std::string& text) const {
    const double advance = face == kChartFace ? kChartAdvanceEm : kNumberAdvanceEm;
    return advance * points / kPointsPerInch * textColumns(text);  // characters, not bytes
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

void TextFlow::paragraph(std::size_t layer, double points, const TextMeasure& measure,
                         const std::string& text, double width) {
    // The words, a unit kept with its number ("0.079 mm").
    std::vector<std::string> words;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        std::string word = text.substr(start, end - start);
        const std::string bare = word.substr(0, word.find_last_not_of(".,;:)") + 1);
        const bool unit = bare == "mm" || bare == "in" || bare == "%";
        if (unit && !words.empty() && !words.back().empty() &&
            std::isdigit(static_cast<unsigned char>(words.back().back()))) {
            words.back() += ' ' + word;
        } else {
            words.push_back(std::move(word));
        }
        start = end + 1;
    }
    const std::string& face = m_blank.layers[layer].face;
    std::string set;
    for (const std::string& word : words) {
        const std::string longer = set.empty() ? word : set + ' ' + word;
        if (!set.empty() && textWidthIn(m_blank.units, measure, face, points, longer) > width) {
            line(layer, points, measure, std::move(set));
            set = word;
        } else {
            set = longer;
        }
    }
    line(layer, points, measure, std::move(set));
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

int textColumns(std::string_view text) {
    // A character's first byte is any but a continuation byte (10xxxxxx).
    return static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string firstColumns(const std::string& text, int count) {
    std::size_t end = 0;
    for (int n = 0; end < text.size(); ++end) {
        if ((text[end] & 0xC0) != 0x80 && n++ == count) break;
    }
    return text.substr(0, end);
}

std::vector<int> columnWidths(std::vector<int> widths, const std::vector<std::string>& headings) {
    for (std::size_t c = 0; c < widths.size() && c < headings.size(); ++c) {
        const int need = std::max(std::abs(widths[c]), textColumns(headings[c]));
        widths[c] = widths[c] < 0 ? -need : need;
    }
    return widths;
}

std::string tableRow(const std::vector<std::string>& texts, const std::vector<int>& widths) {
    std::string row;
    for (std::size_t c = 0; c < texts.size(); ++c) {
        if (c > 0) row += ' ';
        const int width = c < widths.size() ? widths[c] : 0;
        const std::string pad(
            static_cast<std::size_t>(std::max(0, std::abs(width) - textColumns(texts[c]))), ' ');
        row += width < 0 ? texts[c] + pad : pad + texts[c];
    }
    return row;
}

}  // namespace varnel
