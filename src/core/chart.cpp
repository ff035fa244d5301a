#include "core/chart.h"

#include "core/measurement.h"
#include "core/numtext.h"

namespace varnel {

namespace {

constexpr std::size_t kFretNumberWidth = 11;
constexpr std::size_t kDistanceWidth = 12;
constexpr std::size_t kRowLength = 40;
constexpr std::string_view kLineEnd = "\r\n";

// Right-aligns text in a field; a longer text keeps all its characters.
void appendRightAligned(std::string& out, const std::string& text, std::size_t width) {
    if (text.size() < width) out.append(width - text.size(), ' ');
    out += text;
}

}  // namespace

std::string buildChartHeader(const FretboardSettings& s) {
    const std::string_view unit = unitLabel(s.unitsType);
    std::string out = "Scale Length: ";
    out += formatMeasurement(s.scaleLen, s.unitsType, s.unitsGranularity);
    out += unit;
    out += kLineEnd;
    out += kLineEnd;
    out += "Fret Number ";
    out += unit;
    out += " from Nut ";
    out += unit;
    out += " from Fret";
    out += kLineEnd;
    out += "=========== ============ =============";
    out += kLineEnd;
    return out;
}

std::string buildFretChart(const FretboardSettings& s, const FretPositions& positions) {
    std::string out = buildChartHeader(s);
    const int n = positions.count();
    out.reserve(out.size() + static_cast<std::size_t>(n) * (kRowLength + kLineEnd.size()));
    for (int i = 1; i <= n; ++i) {
        const auto index = static_cast<std::size_t>(i);
        appendRightAligned(out, formatInteger(i), kFretNumberWidth);
        out += ' ';
        appendRightAligned(
            out, formatMeasurement(positions.distFromNut[index], s.unitsType, s.unitsGranularity),
            kDistanceWidth);
        out += "  ";
        appendRightAligned(
            out, formatMeasurement(positions.distFromFret[index], s.unitsType, s.unitsGranularity),
            kDistanceWidth);
        out += "  ";
        out += kLineEnd;
    }
    return out;
}

}  // namespace varnel
