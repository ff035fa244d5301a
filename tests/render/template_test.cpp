#include <gtest/gtest.h>

#include "recordingprinter.h"
#include "render/printjobs.h"

namespace varnel {
namespace {

using test::RecordedLine;
using test::RecordedText;
using test::RecordingPrinter;

constexpr double kTolerance = 1e-9;
constexpr double kMmPerDot = 25.4 / RecordingPrinter::kDpi;  // one printer pixel in mm

FretboardSettings templateSettings(int frets, std::int16_t units = kUnitsMillimetres) {
    FretboardSettings s;
    s.unitsType = units;
    s.scaleLen = units == kUnitsMillimetres ? 647.7 : 25.5;
    s.nFrets = static_cast<std::int16_t>(frets);
    s.templateLineHeight = 25;
    s.templateLineSpace = 2;
    s.lineWidthVert = 1;
    s.lineWidthHorz = 4;
    return s;
}

std::vector<RecordedLine> markersOf(const RecordingPrinter& p) {
    std::vector<RecordedLine> out;
    for (const auto& l : p.lines) {
        if (l.from.x() == l.to.x()) out.push_back(l);
    }
    return out;
}

std::vector<RecordedLine> rulesOf(const RecordingPrinter& p) {
    std::vector<RecordedLine> out;
    for (const auto& l : p.lines) {
        if (l.from.y() == l.to.y()) out.push_back(l);
    }
    return out;
}

// A 3 inch wide strip takes at most three markers of a 647.7 mm scale: five frets wrap twice,
// each new strip starting again with the last fret of the one above.
TEST(TemplateTest, WrapsAndRepeatsTheLastFretAtExactPositions) {
    RecordingPrinter printer(3.0);
    const FretboardSettings s = templateSettings(5);
    const FretPositions p = calcFretPositions(s);
    ASSERT_FALSE(drawTemplate(printer, s, p));
    printer.dropPageFeet();

    const double w = static_cast<float>(kMmPerDot);  // the marker width is a 32-bit float
    const double d[] = {0,
                        p.distFromFret[1],
                        p.distFromFret[2],
                        p.distFromFret[3],
                        p.distFromFret[4],
                        p.distFromFret[5]};
    struct Marker {
        double x;
        float top;
        const char* label;
    };
    const Marker expected[] = {
        {w, 2, "N"},  {w + d[1], 2, "1"},  {w + d[1] + d[2], 2, "2"},
        {w, 29, "2"}, {w + d[3], 29, "3"}, {w + d[3] + d[4], 29, "4"},
        {w, 56, "4"}, {w + d[5], 56, "5"},
    };
    const auto markers = markersOf(printer);
    ASSERT_EQ(markers.size(), 5u + 1 + 2);
    ASSERT_EQ(printer.texts.size(), 8u + 1);  // the numbers, then the footer
    const double t = 0.1 * 25.4;              // text height of "1"
    const double oneWidth = 0.05 * 25.4;      // text width of "1"
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_NEAR(markers[k].from.x(), expected[k].x, kTolerance) << k;
        EXPECT_NEAR(markers[k].from.y(), expected[k].top, kTolerance) << k;
        EXPECT_NEAR(markers[k].to.y(), expected[k].top + 25, kTolerance) << k;
        EXPECT_EQ(markers[k].colour, QColor(0, 0, 0));
        EXPECT_EQ(markers[k].style, LineStyle::Solid);
        EXPECT_NEAR(markers[k].widthDots, 1, kTolerance);
        const RecordedText& label = printer.texts[k];
        EXPECT_EQ(label.text, expected[k].label) << k;
        EXPECT_NEAR(label.topLeft.x(), expected[k].x + 0.1 * oneWidth, 1e-6) << k;
        EXPECT_NEAR(label.topLeft.y(), expected[k].top + 0.1f * static_cast<float>(t), 1e-5) << k;
        EXPECT_EQ(label.family, kFretNumberFont);
        EXPECT_EQ(label.points, 8);
    }
    // Guide at the top of each strip, solid black; a dashed cyan bottom edge; no top edge.
    const auto rules = rulesOf(printer);
    ASSERT_EQ(rules.size(), 6u);
    for (std::size_t line = 0; line < 3; ++line) {
        const double top = 2 + 27.0 * static_cast<double>(line);
        const RecordedLine& guide = rules[2 * line];
        const RecordedLine& edge = rules[2 * line + 1];
        EXPECT_NEAR(guide.from.y(), top, kTolerance);
        EXPECT_EQ(guide.from.x(), 0);
        EXPECT_NEAR(guide.to.x(), 3 * 25.4, kTolerance);
        EXPECT_EQ(guide.colour, QColor(0, 0, 0));
        EXPECT_EQ(guide.style, LineStyle::Solid);
        EXPECT_NEAR(guide.widthDots, 4, kTolerance);
        EXPECT_NEAR(edge.from.y(), top + 25, kTolerance);
        EXPECT_EQ(edge.colour, QColor(0, 255, 255));
        EXPECT_EQ(edge.style, LineStyle::Solid);  // dashes show only with a one-pixel pen
    }
    // The footer stands one line below the bottom of the last strip.
    EXPECT_EQ(printer.texts.back().text, "Printed by Varnel v.1.0");
    EXPECT_NEAR(printer.texts.back().topLeft.y(), 81 + t, 1e-6);
    EXPECT_EQ(printer.texts.back().topLeft.x(), 0);
    EXPECT_EQ(printer.texts.back().points, 8);
}

TEST(TemplateTest, GuidePositionChoosesEdges) {
    struct Case {
        std::int16_t pos;
        std::vector<std::pair<double, QColor>> rules;  // y offset from the line top, colour
    };
    const QColor black(0, 0, 0), cyan(0, 255, 255);
    const Case cases[] = {
        {kGuideTop, {{0, black}, {25, cyan}}},
        {kGuideCenter, {{12.5, black}, {0, cyan}, {25, cyan}}},
        {kGuideBottom, {{25, black}, {0, cyan}}},
        {7, {{0, black}, {25, cyan}}},  // a stored position none of the three prints as top
    };
    for (const Case& c : cases) {
        RecordingPrinter printer;
        FretboardSettings s = templateSettings(2);
        s.hLinePos = c.pos;
        s.lineWidthHorz = 1;
        EXPECT_FALSE(drawTemplate(printer, s, calcFretPositions(s)));
        printer.dropPageFeet();
        const auto rules = rulesOf(printer);
        ASSERT_EQ(rules.size(), c.rules.size()) << c.pos;
        for (std::size_t k = 0; k < rules.size(); ++k) {
            EXPECT_NEAR(rules[k].from.y(), 2 + c.rules[k].first, kTolerance) << c.pos;
            EXPECT_EQ(rules[k].colour, c.rules[k].second) << c.pos;
            EXPECT_EQ(rules[k].style, k == 0 ? LineStyle::Solid : LineStyle::Dash) << c.pos;
        }
    }
}

TEST(TemplateTest, NumbersSitAboveABottomGuideAndCanBeLeftOut) {
    RecordingPrinter printer(20.0);
    FretboardSettings s = templateSettings(12);
    s.hLinePos = kGuideBottom;
    EXPECT_FALSE(drawTemplate(printer, s, calcFretPositions(s)));
    printer.dropPageFeet();
    ASSERT_GE(printer.texts.size(), 13u);
    EXPECT_EQ(printer.texts[12].text, "12");
    EXPECT_NEAR(printer.texts[12].topLeft.y(), 2 + 25 - 0.1 * 25.4, 1e-5);

    RecordingPrinter silent(20.0);
    s.printFretNumbers = false;
    EXPECT_FALSE(drawTemplate(silent, s, calcFretPositions(s)));
    silent.dropPageFeet();
    ASSERT_EQ(silent.texts.size(), 1u);  // the footer only
    EXPECT_EQ(markersOf(silent).size(), markersOf(printer).size());
}

TEST(TemplateTest, InchesUseInchPageUnits) {
    RecordingPrinter printer(20.0);
    FretboardSettings s = templateSettings(12, kUnitsInches);
    s.templateLineHeight = 25.4f;
    s.templateLineSpace = 0;
    const FretPositions p = calcFretPositions(s);
    EXPECT_FALSE(drawTemplate(printer, s, p));
    printer.dropPageFeet();
    const auto markers = markersOf(printer);
    ASSERT_EQ(markers.size(), 13u);
    EXPECT_NEAR(markers[0].to.y() - markers[0].from.y(), 1.0, 1e-6);  // exactly an inch high
    const double w = static_cast<float>(1.0 / 600);
    EXPECT_NEAR(markers[12].from.x(), w + p.distFromNut[12], 1e-9);
    EXPECT_NEAR(markers[12].from.x(), w + 12.75, 1e-9);
}

// The fit test reserves the width of the fret's number and a marker width, and a marker
// exactly at the limit does not fit.
TEST(TemplateTest, AFretExactlyAtTheLimitStartsANewLine) {
    for (const bool atLimit : {true, false}) {
        RecordingPrinter printer(3.0);
        FretboardSettings s = templateSettings(2);
        s.printFretNumbers = false;
        const double w = kMmPerDot;
        const auto limit = static_cast<float>(3 * 25.4 - (0.05 * 25.4 + static_cast<float>(w)));
        FretPositions p;
        p.distFromFret = {0, 10, 0};
        p.distFromFret[2] =
            static_cast<double>(limit) - static_cast<float>(w) - 10 - (atLimit ? 0 : 1e-3);
        p.distFromNut = {0, 10, 10 + p.distFromFret[2]};
        ASSERT_FALSE(drawTemplate(printer, s, p));
        printer.dropPageFeet();
        EXPECT_EQ(markersOf(printer).size(), atLimit ? 4u : 3u);
    }
}

TEST(TemplateTest, RefusesAFretWiderThanAnEmptyLineAndNeverLoops) {
    RecordingPrinter printer(1.0);
    const FretboardSettings s = templateSettings(22);
    const FretPositions p = calcFretPositions(s);
    EXPECT_EQ(drawTemplate(printer, s, p).value_or("").toStdString(),
              "Fret 1 is 36.4 mm from the previous fret, more than fits across the printable "
              "width of 25.4 mm. Print on wider paper or in landscape orientation.");
    EXPECT_TRUE(printer.lines.empty());

    RecordingPrinter inches(1.0);
    const FretboardSettings si = templateSettings(22, kUnitsInches);
    EXPECT_EQ(drawTemplate(inches, si, calcFretPositions(si)).value_or("").toStdString(),
              "Fret 1 is 1.43 inches from the previous fret, more than fits across the "
              "printable width of 1.00 inches. Print on wider paper or in landscape orientation.");

    FretboardSettings diverging = templateSettings(40);
    diverging.calcType = kCalcRule18;
    diverging.calcFact = 1e300;
    RecordingPrinter wide;
    EXPECT_TRUE(drawTemplate(wide, diverging, calcFretPositions(diverging)).has_value());

    // A strip that fits the page but not above the page's labels and rule is refused.
    RecordingPrinter shortPage(8.0, 1.2);
    const FretboardSettings crowded = templateSettings(2);
    EXPECT_TRUE(drawTemplate(shortPage, crowded, calcFretPositions(crowded))
                    .value_or("")
                    .startsWith("A template line of 25 mm, the space of 2 mm above it and the "
                                "page's labels and check rule ("));
    EXPECT_TRUE(shortPage.lines.empty());

    FretboardSettings badHeight = templateSettings(2);
    badHeight.templateLineHeight = std::numeric_limits<float>::infinity();
    EXPECT_TRUE(drawTemplate(wide, badHeight, calcFretPositions(badHeight)).has_value());
}

TEST(TemplateTest, StripsBelowThePrintableHeightGoToNewPages) {
    RecordingPrinter printer(3.0, 2.0);  // 50.8 mm high: one strip of 25 + 2 per page
    const FretboardSettings s = templateSettings(5);
    EXPECT_FALSE(drawTemplate(printer, s, calcFretPositions(s)));
    printer.dropPageFeet();
    const auto markers = markersOf(printer);
    ASSERT_EQ(markers.size(), 8u);
    EXPECT_EQ(printer.pageCount(), 3);
    for (std::size_t k = 0; k < markers.size(); ++k) {
        EXPECT_EQ(markers[k].page, k < 3 ? 1 : k < 6 ? 2 : 3) << k;
        EXPECT_NEAR(markers[k].from.y(), 2, kTolerance) << k;  // one gap below each page top
    }
    EXPECT_EQ(printer.texts.back().page, 3);
    EXPECT_NEAR(printer.texts.back().topLeft.y(), 27 + 2.54, 1e-6);
}

TEST(TemplateTest, LongTemplatesOfManyFretsTerminate) {
    RecordingPrinter printer;
    FretboardSettings s = templateSettings(kMaxFrets);
    const FretPositions p = calcFretPositions(s);
    ASSERT_FALSE(drawTemplate(printer, s, p));
    printer.dropPageFeet();
    EXPECT_GE(markersOf(printer).size(), static_cast<std::size_t>(kMaxFrets) + 1);
}

}  // namespace
}  // namespace varnel
