#include "layout/chartlayout.h"

#include <string_view>

#include "core/chart.h"

namespace varnel {

ChartPages chartPages(const FretboardSettings& s, const FretPositions& p, const PageFrame& frame,
                      const TextMeasure& measure, const std::string& note) {
    Drawing blank;
    blank.units = Units::Inches;
    blank.layers = {{"CHART", {0, 0, 0}, 1, false, kChartFace}};
    const double points = s.chartFontSize;
    const double height = measure.lineHeightInches(kChartFace, points);
    const std::string chart = buildFretChart(s, p);
    ChartPages out;
    TextFlow flow(out.pages, blank, frame.height);
    // Every line ends with CR LF; the last one's end moves the footer down a line.
    std::string_view rest(chart);
    std::string_view longest;
    for (;;) {
        const std::size_t end = rest.find("\r\n");
        const std::string_view line = rest.substr(0, end);
        if (line.size() > longest.size()) longest = line;
        flow.line(0, points, height, std::string(line));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 2);
    }
    // The type is fixed-pitch: the longest line is the widest.
    out.widestLine = measure.textWidthInches(kChartFace, points, std::string(longest));
    appendFooter(flow, 0, measure, note);
    return out;
}

}  // namespace varnel
