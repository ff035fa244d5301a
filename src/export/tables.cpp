#include "export/files.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/numtext.h"

// The tables as CSV (RFC 4180, CR LF), every number the shortest text that reads back the same
// double.

namespace varnel {

namespace {

// Each value in millimetres, then each in inches, after a comma each; the values are in the
// drawing's unit.
void appendMillimetresThenInches(std::string& row, std::initializer_list<double> values,
                                 Units units) {
    const bool inches = units == Units::Inches;
    for (const double v : values) row += ',' + formatShortest(inches ? v * kMillimetresPerInch : v);
    for (const double v : values) row += ',' + formatShortest(inches ? v : v / kMillimetresPerInch);
}

}  // namespace

QByteArray boardCsv(const DesignerBoard& board, Units units) {
    QByteArray out =
        "fret,along_first_mm,along_last_mm,along_midline_mm,along_first_in,along_last_in,"
        "along_midline_in,angle_degrees,width_mm,radius_mm,width_in,radius_in,marker,cents,"
        "from_12_equal_cents\r\n";
    for (const BoardFret& f : board.table) {
        std::string row = csvField(f.label);
        appendMillimetresThenInches(row, {f.alongFirst, f.alongLast, f.alongMidline}, units);
        row += ',' + formatShortest(f.angleDegrees);
        appendMillimetresThenInches(row, {f.width, f.radius}, units);
        row += ',' + markerName(f.marker) + ',' + formatShortest(f.cents) + ',' +
               formatShortest(f.fromTwelve) + "\r\n";
        out.append(row.data(), static_cast<qsizetype>(row.size()));
    }
    return out;
}

QByteArray intonationCsv(const DesignerBoard& board) {
    QByteArray out = "string,saddle_setback,nut_setback,rms_before,rms_after,max_after\r\n";
    for (std::size_t i = 0; i < board.intonation.size(); ++i) {
        const StringIntonation& s = board.intonation[i];
        const std::string row = std::to_string(i + 1) + ',' + formatShortest(s.saddle) + ',' +
                                formatShortest(s.nut) + ',' + formatShortest(s.rmsBefore) + ',' +
                                formatShortest(s.rmsAfter) + ',' + formatShortest(s.maxAfter) +
                                "\r\n";
        out.append(row.data(), static_cast<qsizetype>(row.size()));
    }
    return out;
}

QByteArray fretPointsCsv(const DesignerBoard& board, Units units) {
    QByteArray out = "string,fret,cents,from_nut_mm,from_nut_in\r\n";
    std::vector<const FretPoint*> points;
    for (const FretPoint& point : board.fretPoints) points.push_back(&point);
    // String by string, each string's frets in order.
    std::stable_sort(points.begin(), points.end(),
                     [](const FretPoint* a, const FretPoint* b) { return a->string < b->string; });
    for (const FretPoint* point : points) {
        std::string row = std::to_string(point->string) + ',' + csvField(point->fret) + ',' +
                          formatShortest(point->cents);
        appendMillimetresThenInches(row, {point->fromNut}, units);
        row += "\r\n";
        out.append(row.data(), static_cast<qsizetype>(row.size()));
    }
    return out;
}

QByteArray checkCsv(const InstrumentCheck& check) {
    const std::string unit = checkUnit(check);
    QByteArray out = QByteArray::fromStdString("fret,measured_" + unit + ",best_" + unit +
                                               ",residual_mm,cents\r\n");
    for (const FretCheck& f : check.frets) {
        const double residualMm =
            check.units == Units::Inches ? f.residual * kMillimetresPerInch : f.residual;
        const std::string row = std::to_string(f.fret) + ',' + formatShortest(f.measured) + ',' +
                                formatShortest(f.best) + ',' + formatShortest(residualMm) + ',' +
                                formatShortest(f.cents) + "\r\n";
        out.append(row.data(), static_cast<qsizetype>(row.size()));
    }
    return out;
}

QByteArray chartCsv(const FretboardSettings& s, const FretPositions& p) {
    const Units units = unitsOf(s.unitsType);
    QByteArray out = "fret,from_nut_mm,from_fret_mm,from_nut_in,from_fret_in\r\n";
    out.reserve(static_cast<qsizetype>(p.count()) * 96 + out.size());
    std::string row;
    for (int i = 1; i <= p.count(); ++i) {
        const auto index = static_cast<std::size_t>(i);
        row = std::to_string(i);
        appendMillimetresThenInches(row, {p.distFromNut[index], p.distFromFret[index]}, units);
        row += "\r\n";
        out.append(row.data(), static_cast<qsizetype>(row.size()));
    }
    return out;
}

}  // namespace varnel
