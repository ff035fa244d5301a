#include <gtest/gtest.h>

#include "core/chart.h"
#include "recordingprinter.h"
#include "render/printjobs.h"

namespace varnel {
namespace {

using test::RecordedLine;
using test::RecordedText;
using test::RecordingPrinter;

FretboardSettings chartSettings(int frets) {
    FretboardSettings s;
    s.scaleLen = 25.5;
    s.unitsType = kUnitsInches;
    s.nFrets = static_cast<std::int16_t>(frets);
    s.chartFontSize = 12;
    return s;
}

TEST(ChartPrintTest, PrintsTheChartTextLineByLineThenTheFooter) {
    RecordingPrinter printer;
    const FretboardSettings s = chartSettings(3);
    const FretPositions p = calcFretPositions(s);
    EXPECT_FALSE(drawChart(printer, s, p));
    const std::string chart = buildFretChart(s, p);
    // The chart's lines, the empty line of the header not drawn, each 0.1 inch below the last.
    std::vector<std::string> expected;
    for (std::size_t at = 0; at < chart.size();) {
        const std::size_t end = chart.find("\r\n", at);
        expected.push_back(chart.substr(at, end - at));
        at = end + 2;
    }
    ASSERT_EQ(expected.size(), 7u);
    std::size_t drawn = 0;
    for (std::size_t row = 0; row < expected.size(); ++row) {
        if (expected[row].empty()) continue;
        const RecordedText& t = printer.texts[drawn++];
        EXPECT_EQ(t.text.toStdString(), expected[row]);
        EXPECT_NEAR(t.topLeft.y(), 0.1 * static_cast<double>(row), 1e-12);
        EXPECT_EQ(t.topLeft.x(), 0);
        EXPECT_EQ(t.family, "Courier");
        EXPECT_EQ(t.points, 12);
    }
    ASSERT_EQ(printer.texts.size(), drawn + 1);
    // After the chart's own last line end comes the line end of printing it, then the footer's.
    const RecordedText& footer = printer.texts.back();
    EXPECT_EQ(footer.text, "Printed by Varnel v.1.0");
    EXPECT_NEAR(footer.topLeft.y(), 0.1 * 9, 1e-12);
    EXPECT_EQ(footer.points, 8);
    EXPECT_EQ(footer.family, "Courier");
    EXPECT_EQ(footerText(), "Printed by Varnel v.1.0");
}

TEST(ChartPrintTest, LongChartsContinueOnFurtherPages) {
    RecordingPrinter printer(8.0, 10.5);  // 105 lines of 0.1 inch a page
    const FretboardSettings s = chartSettings(300);
    EXPECT_FALSE(drawChart(printer, s, calcFretPositions(s)));
    ASSERT_EQ(printer.pageCount(), 3);
    int lastPage = 1;
    double lastY = -1;
    for (const RecordedText& t : printer.texts) {
        EXPECT_LE(t.topLeft.y() + 0.1, 10.5 + 1e-9);
        if (t.page != lastPage) {
            EXPECT_EQ(t.page, lastPage + 1);
            EXPECT_EQ(t.topLeft.y(), 0);
            lastPage = t.page;
        } else {
            EXPECT_GT(t.topLeft.y(), lastY);
        }
        lastY = t.topLeft.y();
    }
    EXPECT_EQ(printer.texts.back().text, "Printed by Varnel v.1.0");
    EXPECT_EQ(printer.texts.back().page, 3);
}

}  // namespace
}  // namespace varnel
