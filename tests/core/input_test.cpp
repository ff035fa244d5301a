#include <gtest/gtest.h>

#include "core/input.h"
#include "core/numtext.h"

namespace varnel {
namespace {

TEST(ScaleLenPresetsTest, ListTextsAndValuesAreExact) {
    const char* texts[] = {"Fender 25.5\"",
                           "Martin 25.4\"",
                           "Martin 24.9\"",
                           "Gibson 24 3/4\"",
                           "Gibson 25 1/4\"",
                           "25\"",
                           "Dreadnought 25 11/32\"",
                           "12-String 24 27/32\"",
                           "Classical 25 21/32\"",
                           "Long Classical 26 1/8 \"",
                           "Bass 34\"",
                           "Bass 30\"",
                           "Mandolin 13 7/8\"",
                           "Banjo Gibson 26 3/16\""};
    const double inches[] = {25.5,     25.4,     24.9,   24.75, 25.25, 25,     25.34375,
                             24.84375, 25.65625, 26.125, 34,    30,    13.875, 26.1875};
    ASSERT_EQ(scaleLenPresets.size(), 14u);
    for (std::size_t i = 0; i < 14; ++i) {
        EXPECT_EQ(scaleLenPresets[i].text, texts[i]);
        EXPECT_EQ(scaleLenPresets[i].inches, inches[i]);
        volatile double factor = 25.4;  // multiplied at run time, as the table's values were
        EXPECT_EQ(scaleLenPresets[i].millimetres, inches[i] * factor);
        EXPECT_FALSE(isNumeric(scaleLenPresets[i].text));
    }
    EXPECT_EQ(scaleLenPresets[0].millimetres, 647.6999999999999);
    EXPECT_EQ(formatGeneral(scaleLenPresets[6].millimetres), "643.73125");
    EXPECT_EQ(formatGeneral(scaleLenPresets[10].millimetres), "863.6");
}

TEST(ScaleLenBoxTest, NumberWinsThenPresetThenZero) {
    const struct {
        const char* text;
        std::optional<int> index;
        std::int16_t units;
        double expected;
    } cases[] = {
        {"Bass 34\"", 10, kUnitsInches, 34},
        {"Bass 34\"", 10, kUnitsMillimetres, 34 * 25.4},
        {"650", std::nullopt, kUnitsInches, 650},
        {"650", 3, kUnitsMillimetres, 650},
        {"25.5\"", std::nullopt, kUnitsInches, 0},
        {"", std::nullopt, kUnitsMillimetres, 0},
        {"", 14, kUnitsMillimetres, 0},
        {"", -1, kUnitsMillimetres, 0},
        {" 648 ", std::nullopt, kUnitsMillimetres, 648},
        {"Fender 25.5\"", 0, kUnitsMillimetres, 647.6999999999999},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scaleLenFromBox(c.text, c.index, c.units), c.expected) << c.text;
    }
}

TEST(FretCountBoxTest, RoundsHalvesToEvenAndKeepsTheCountForUnusableText) {
    const struct {
        const char* text;
        std::int16_t current;
        std::int16_t expected;
        bool allowed;
    } cases[] = {
        {"22", 0, 22, true},         {"", 2, 2, true},         {"12.5", 0, 12, true},
        {"13.5", 0, 14, true},       {"abc", 7, 7, true},      {"-", 7, 7, true},
        {"32766", 0, 32766, true},   {"32767", 5, 5, false},   {"-32768", 5, -32768, true},
        {"-32769", 5, 5, false},     {"1e9", 5, 5, false},     {"32766.4", 1, 32766, true},
        {"32766.5", 1, 32766, true}, {"32767.5", 1, 1, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fretCountFromBox(c.text, c.current), c.expected) << c.text;
        EXPECT_EQ(fretCountTextAllowed(c.text), c.allowed) << c.text;
    }
}

TEST(VerifyTextTest, ShowsTheValuesAsStored) {
    FretboardSettings s;
    EXPECT_EQ(verifyMessage(s), "Number of frets: 0  Scale Length: 0 mm");
    s.nFrets = 22;
    s.scaleLen = scaleLenPresets[0].millimetres;
    EXPECT_EQ(verifyMessage(s), "Number of frets: 22  Scale Length: 647.7 mm");
    s.unitsType = kUnitsInches;
    s.scaleLen = 25.5;
    EXPECT_EQ(verifyMessage(s), "Number of frets: 22  Scale Length: 25.5 In.");
    s.unitsType = kUnitsMillimetres;
    s.scaleLen = scaleLenPresets[6].millimetres;
    EXPECT_EQ(verifyMessage(s), "Number of frets: 22  Scale Length: 643.73125 mm");
}

}  // namespace
}  // namespace varnel
