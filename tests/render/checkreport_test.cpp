#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/fretboard.h"
#include "layout/checkreport.h"
#include "recordingprinter.h"
#include "render/printjobs.h"

namespace varnel {
namespace {

// 22 frets of a 648 mm guitar (or its 25.5 in), the nut standing 0.4 mm toward the bridge, the
// frets a little off.
InstrumentCheck measuredGuitar(Units units) {
    const double unit = lengthFactor(Units::Millimetres, units);
    std::vector<Measurement> measured;
    for (int j = 1; j <= 22; ++j) {
        const double mm = 648 * (1 - std::exp2(-j / 12.0)) - 0.4 + 0.05 * (j % 3);
        measured.push_back({j, mm * unit});
    }
    return std::get<InstrumentCheck>(checkInstrument(measured, std::nullopt, {}, units));
}

std::vector<std::string> textsOf(const Drawing& page) {
    std::vector<std::string> texts;
    for (const DrawingText& t : page.texts) texts.push_back(t.text);
    return texts;
}

// The plot reads alone: a cents axis with numbered ticks, every fret's number, a legend for
// the bars, the band and the comparison curve, the largest error named; no word is crossed by a
// line of the plot.
TEST(CheckReportTest, ThePlotReadsAloneAndItsWordsKeepClearOfLines) {
    const NominalMeasure measure;
    const Drawing plot = checkPlot(measuredGuitar(Units::Millimetres), 180, measure);
    const std::vector<std::string> texts = textsOf(plot);
    const auto has = [&texts](const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    for (const char* word :
         {"cents", "0", "this instrument", "+-5 cents (audible)", "rule of 18ths (1/18)"})
        EXPECT_TRUE(has(word)) << word;
    for (int j = 1; j <= 22; ++j) EXPECT_TRUE(has(std::to_string(j))) << j;
    EXPECT_GE(std::count_if(texts.begin(), texts.end(),
                            [](const std::string& t) { return t.size() > 1 && t[0] == '+'; }),
              2);
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const std::string& t) { return t.rfind("largest: ", 0) == 0; }),
              1);
    std::vector<Segment> lines;
    for (const DrawingLine& l : plot.lines) lines.push_back(l.segment);
    for (const DrawingOutline& o : plot.outlines) {
        const auto sides = sidesOf(o);
        lines.insert(lines.end(), sides.begin(), sides.end());
    }
    for (const DrawingText& t : plot.texts) {
        const double width = inchesToUnit(measure.textWidthInches(kNumberFace, t.points, t.text),
                                          Units::Millimetres);
        const double height =
            inchesToUnit(measure.lineHeightInches(kNumberFace, t.points), Units::Millimetres);
        for (const Segment& s : lines) {
            for (int k = 0; k <= 100; ++k) {
                const double x = s.from.x + (s.to.x - s.from.x) * k / 100;
                const double y = s.from.y + (s.to.y - s.from.y) * k / 100;
                EXPECT_FALSE(x > t.topLeft.x && x < t.topLeft.x + width && y > t.topLeft.y &&
                             y < t.topLeft.y + height)
                    << t.text << " crossed at " << x << ", " << y;
            }
        }
        EXPECT_GE(t.topLeft.x, 0) << t.text;
        EXPECT_LE(t.topLeft.x + width, 180 + 1e-9) << t.text;
    }
}

// Every length on the report names the unit it was measured in.
TEST(CheckReportTest, TheReportSaysTheUnitItWasMeasuredIn) {
    for (const Units units : {Units::Millimetres, Units::Inches}) {
        const auto pages =
            checkReportPages(measuredGuitar(units), {180, 260, 0.04}, NominalMeasure(), "");
        std::string all;
        for (const Drawing& page : pages) {
            for (const std::string& t : textsOf(page)) all += t + "\n";
        }
        const bool inches = units == Units::Inches;
        const std::string unit = inches ? " in" : " mm", other = inches ? " mm" : " in";
        EXPECT_NE(all.find("twelfth root: scale length "), std::string::npos) << all;
        EXPECT_NE(all.find(unit + ", nut offset "), std::string::npos) << all;
        EXPECT_NE(all.find("measured (" + unit.substr(1) + ")"), std::string::npos) << all;
        EXPECT_NE(all.find("The nut stands "), std::string::npos) << all;
        EXPECT_EQ(all.find(other + ","), std::string::npos) << all;
    }
}

// The report is a document like the others: titled, and refused, having drawn nothing, on a
// page too small for its plot.
TEST(CheckReportTest, TheReportIsATitledDocumentThatCanRefuse) {
    const InstrumentCheck check = measuredGuitar(Units::Millimetres);
    test::RecordingPrinter tiny(3.0, 3.0);
    EXPECT_EQ(drawCheckReport(tiny, check).value_or("").toStdString(),
              "The page is too small for the report: it needs 100 x 120 mm.");
    EXPECT_TRUE(tiny.lines.empty() && tiny.texts.empty());
    test::RecordingPrinterProvider printers;
    EXPECT_FALSE(printDocument(printers, checkReportDocument(check)));
    EXPECT_FALSE(printDocument(printers, chartDocument(FretboardSettings{}, FretPositions{})));
    EXPECT_EQ(printers.titles, QStringList({"Instrument Check", "Fret Chart"}));
}

}  // namespace
}  // namespace varnel
