#include "layout/calibrationlayout.h"

#include <cmath>

namespace varnel {

namespace {

constexpr double kTextPoints = 10;
constexpr double kNumberPoints = 7;

// One tick of a ruler: where along it, how long, and its number (empty for none).
struct Tick {
    double at;
    double length;
    std::string number;
};

// The ticks of a ruler of the given length, in millimetres or inches.
std::vector<Tick> ticks(double length, Units units) {
    std::vector<Tick> out;
    if (units == Units::Inches) {
        const int count = static_cast<int>(std::lround(length * 16));
        for (int i = 0; i <= count; ++i) {
            const double l = i % 16 == 0  ? 0.2
                             : i % 8 == 0 ? 0.16
                             : i % 4 == 0 ? 0.12
                             : i % 2 == 0 ? 0.09
                                          : 0.06;
            out.push_back({i / 16.0, l, i % 16 == 0 ? std::to_string(i / 16) : std::string()});
        }
    } else {
        const int count = static_cast<int>(std::lround(length));
        for (int i = 0; i <= count; ++i) {
            const double l = i % 10 == 0 ? 5 : i % 5 == 0 ? 3.5 : 2;
            out.push_back(
                {static_cast<double>(i), l, i % 10 == 0 ? std::to_string(i / 10) : std::string()});
        }
    }
    return out;
}

}  // namespace

std::vector<Drawing> calibrationPages(Units units, const RulerLengths& rulers,
                                      const std::vector<std::string>& lines, double pageHeight,
                                      const TextMeasure& measure) {
    Drawing blank;
    blank.units = units;
    blank.layers = {{"RULERS", {0, 0, 0}, 1}};
    std::vector<Drawing> pages{blank};
    Drawing& page = pages.back();
    const auto inUnit = [units](double lengthInches) { return inchesToUnit(lengthInches, units); };
    // The horizontal ruler along the top edge, its ticks downward; the vertical one along the
    // left edge, its ticks to the right.
    page.line(0, {0, 0}, {rulers.horizontal, 0});
    page.line(0, {0, 0}, {0, rulers.vertical});
    const double gap = units == Units::Inches ? 0.02 : 0.5;
    for (const Tick& t : ticks(rulers.horizontal, units)) {
        page.line(0, {t.at, 0}, {t.at, t.length});
        if (t.number.empty() || t.at == 0) continue;
        const double width = inUnit(measure.textWidthInches(kNumberFace, kNumberPoints, t.number));
        page.text(0, {t.at - width / 2, t.length + gap}, kNumberPoints, t.number);
    }
    const double numberHeight = inUnit(measure.lineHeightInches(kNumberFace, kNumberPoints));
    for (const Tick& t : ticks(rulers.vertical, units)) {
        page.line(0, {0, t.at}, {t.length, t.at});
        if (t.number.empty() || t.at == 0) continue;
        page.text(0, {t.length + gap, t.at - numberHeight / 2}, kNumberPoints, t.number);
    }
    TextFlow flow(pages, blank, pageHeight);
    flow.x = units == Units::Inches ? 1.0 : 25.0;
    flow.y = units == Units::Inches ? 1.0 : 25.0;
    for (const std::string& line : lines) flow.line(0, kTextPoints, measure, line);
    appendFooter(flow, 0, measure, {});
    return pages;
}

}  // namespace varnel
