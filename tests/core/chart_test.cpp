#include <gtest/gtest.h>
#include "examplecharts.h"

#include <cmath>
#include <limits>

#include "core/chart.h"
#include "core/measurement.h"

namespace varnel {
namespace {

TEST(FormatFractionTest, RoundsToReducedSixtyFourths) {
    const struct {
        double f;
        const char* expected;
    } cases[] = {
        {0.4375, "7/16"},    {0.5, "1/2"},        {0.34375, "11/32"},
        {0.0, " "},          {1.0 / 128, "1/64"}, {3.0 / 128, "1/32"},
        {0.984375, "63/64"}, {0.007, " "},        {1.0 / 128 - 1e-12, " "},
        {0.25, "1/4"},       {-0.3, " "},         {std::numeric_limits<double>::quiet_NaN(), " "},
    };
    for (const auto& c : cases) EXPECT_EQ(formatFraction(c.f), c.expected) << c.f;
}

TEST(FormatMeasurementTest, WorkedExamples) {
    const struct {
        std::int16_t units, granularity;
        double value;
        const char* expected;
    } cases[] = {
        {0, 1, 1.4375, "     1 7/16 "},
        {0, 1, 25.5, "    25 1/2  "},
        {0, 1, 25.34375, "    25 11/32"},
        {0, 1, 2.0, "     2      "},
        {0, 1, 0.4, "     0 13/32"},
        {0, 1, 1.431205, "     1 7/16 "},
        {0, 1, 3.996, "     4      "},
        {0, 0, 1.431205, "1.43"},
        {0, 0, 25.5, "25.50"},
        {1, 1, 36.3526, "36.5"},
        {1, 1, 323.85, "324.0"},
        {1, 1, 647.7, "647.5"},
        {1, 0, 647.7, "647.7"},
        {1, 0, 36.3526, "36.4"},
        // Edges: no fraction below 1/128, carry from 127/128, the widest fraction.
        {0, 1, 7.005, "     7      "},
        {0, 1, 3.9921875, "     4      "},
        {0, 1, 0.984375, "     0 63/64"},
        {0, 1, 5 + 1.0 / 128, "     5 1/64 "},
        // Half millimetres: ties go up.
        {1, 1, 10.25, "10.5"},
        {1, 1, 10.2499, "10.0"},
        {1, 1, 10.75, "11.0"},
        {1, 0, 12.25, "12.3"},
        {0, 0, 3, "3.00"},
        {1, 0, 12345.67, "12345.7"},
        {1, 1, 647.6999999999999, "647.5"},
        // Codes outside 0 and 1: fine millimetres for a granularity, empty for the rest.
        {1, 7, 12.25, "12.3"},
        {0, 7, 12.25, ""},
        {5, 1, 12.25, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatMeasurement(c.value, c.units, c.granularity), c.expected)
            << c.units << " " << c.granularity << " " << c.value;
    }
}

// Lengths beyond any 16-bit count widen the text rather than lose digits or overflow.
TEST(FormatMeasurementTest, HugeAndNonFiniteLengthsKeepEveryDigit) {
    EXPECT_EQ(formatMeasurement(40000.5, 0, 1), " 40000 1/2  ");
    EXPECT_EQ(formatMeasurement(10000000.0, 0, 1), "10000000      ");
    EXPECT_EQ(formatMeasurement(1e7 + 0.3, 1, 1), "10000000.5");
    EXPECT_EQ(formatMeasurement(1e20, 1, 1), "100000000000000000000.0");
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(formatMeasurement(inf, 1, 1), "inf");
    EXPECT_EQ(formatMeasurement(inf, 0, 1), "   inf      ");
    EXPECT_EQ(formatMeasurement(-inf, 0, 0), "-inf");
    EXPECT_EQ(formatMeasurement(std::nan(""), 1, 0), "nan");
    EXPECT_EQ(formatMeasurement(std::nan(""), 0, 1), "   nan      ");
}

FretboardSettings chartSettings(double scaleLen, int frets, std::int16_t units,
                                std::int16_t granularity) {
    FretboardSettings s;
    s.scaleLen = scaleLen;
    s.nFrets = static_cast<std::int16_t>(frets);
    s.unitsType = units;
    s.unitsGranularity = granularity;
    return s;
}

std::string chartOf(const FretboardSettings& s) {
    return buildFretChart(s, calcFretPositions(s));
}

TEST(FretChartTest, CoarseInchesExample) {
    EXPECT_EQ(chartOf(chartSettings(25.5, 3, 0, 1)), test::kFender3FretsCoarseInches);
}

TEST(FretChartTest, FineMillimetresExample) {
    EXPECT_EQ(chartOf(chartSettings(647.7, 3, 1, 0)), test::kFender3FretsFineMillimetres);
}

TEST(FretChartTest, HeaderFollowsUnitsAndGranularity) {
    EXPECT_EQ(buildChartHeader(chartSettings(25.5, 2, 0, 0)).substr(0, 24),
              "Scale Length: 25.50In.\r\n");
    // Coarse millimetres round each column on its own.
    const std::string chart = chartOf(chartSettings(647.6999999999999, 2, 1, 1));
    EXPECT_NE(chart.find("Scale Length: 647.5 mm\r\n"), std::string::npos);
    EXPECT_NE(chart.find("          1         36.5          36.5  \r\n"), std::string::npos);
    EXPECT_NE(chart.find("          2         70.5          34.5  \r\n"), std::string::npos);
}

TEST(FretChartTest, RowsAreFortyCharactersForEveryFret) {
    const std::string chart = chartOf(chartSettings(25.5, 1000, 0, 1));
    const std::string header = buildChartHeader(chartSettings(25.5, 1000, 0, 1));
    ASSERT_EQ(chart.size(), header.size() + 1000 * 42);
    EXPECT_EQ(chart.substr(header.size() + 999 * 42, 11), "       1000");
    for (std::size_t row = 0; row < 1000; ++row) {
        EXPECT_EQ(chart.substr(header.size() + row * 42 + 40, 2), "\r\n");
    }
    const std::string two = chartOf(chartSettings(25.5, 2, 0, 1));
    EXPECT_EQ(two.size(), header.size() + 2 * 42);
}

// A typed scale length far beyond any instrument shows every digit rather than a wrong number.
TEST(FretChartTest, OversizedLengthsWidenTheirFields) {
    const FretboardSettings s = chartSettings(1e13, 2, 1, 0);
    const FretPositions p = calcFretPositions(s);
    const std::string chart = buildFretChart(s, p);
    EXPECT_NE(chart.find("Scale Length: 10000000000000.0 mm\r\n"), std::string::npos);
    const std::string first = formatMeasurement(p.distFromNut[1], 1, 0);
    EXPECT_EQ(first, "561256873183.1");
    EXPECT_NE(chart.find("          1 " + first + "  " + first + "  \r\n"), std::string::npos)
        << chart;
}

// A factor outside 0..1 makes the rule of 18ths diverge; the chart still comes out.
TEST(FretChartTest, DivergingFactorStillGivesAChart) {
    FretboardSettings s = chartSettings(25.5, 2000, 1, 1);
    s.calcType = kCalcRule18;
    s.calcFact = 2.5;
    const std::string chart = chartOf(s);
    EXPECT_NE(chart.find("inf"), std::string::npos);
    EXPECT_EQ(chart.substr(chart.size() - 2), "\r\n");
}

}  // namespace
}  // namespace varnel
