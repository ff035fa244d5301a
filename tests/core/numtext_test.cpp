#include "core/numtext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "core/message.h"

namespace varnel {
namespace {

TEST(NumericTest, AcceptsPlainDecimalsSignsBlanksAndExponents) {
    for (const char* text :
         {"25.5", "648", "25", " 25 ", "-3", "+3", "1e3", ".5", "5.", "1E-3", "\t12.5\t", "0"}) {
        EXPECT_TRUE(isNumeric(text)) << text;
    }
    for (const char* text : {"", " ", ".", "25.5\"", "1,5", "abc", "1e", "1e+", "0x10", "inf",
                             "nan", "--1", "1 2", "1.2.3", "$5", "e5"}) {
        EXPECT_FALSE(isNumeric(text)) << text;
    }
}

TEST(NumericTest, ConvertsToFloatsOfBothWidths) {
    EXPECT_EQ(toDouble(" 25.5 "), 25.5);
    EXPECT_EQ(toDouble("+1e3"), 1000.0);
    EXPECT_EQ(toDouble("-.5"), -0.5);
    EXPECT_EQ(toDouble("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(toDouble("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(toDouble("1e-999"), 0.0);
    EXPECT_EQ(toDouble("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(toDouble("1" + std::string(400, '0')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(toDouble("0.001e312"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(toDouble("1000e-330"), 0.0);
    EXPECT_EQ(toFloat("1e39"), std::numeric_limits<float>::infinity());
    EXPECT_FALSE(toDouble("25.5\"").has_value());
    EXPECT_EQ(toFloat("0.1"), 0.1f);
    EXPECT_EQ(toFloat("44.45"), 44.45f);
}

TEST(NumericTest, RoundsTo16BitIntegersHalvesToEvenAndRefusesOverflow) {
    const struct {
        const char* text;
        std::optional<std::int16_t> expected;
    } cases[] = {
        {"12.5", 12},
        {"13.5", 14},
        {"-0.5", 0},
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"32767", 32767},
        {"32767.4", 32767},
        {"32767.5", std::nullopt},
        {"-32768", -32768},
        {"-32768.6", std::nullopt},
        {"1e10", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"22", 22},
    };
    for (const auto& c : cases) EXPECT_EQ(toInt16(c.text), c.expected) << c.text;
}

TEST(NumberTextTest, GeneralFormatKeepsFifteenDigitsWithoutTrailingZeros) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {25.5, "25.5"},
        {0, "0"},
        {-0.0, "0"},
        {643.73125, "643.73125"},
        {647.6999999999999, "647.7"},
        {0.0561256, "0.0561256"},
        {1e15, "1E+15"},
        {1e-5, "1E-05"},
        {1.5e-5, "1.5E-05"},
        {0.0001, "0.0001"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {-3, "-3"},
        {1e300, "1E+300"},
        {0.1 + 0.2, "0.3"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatGeneral(c.value), c.expected) << c.value;
    EXPECT_EQ(formatGeneral(44.45f), "44.45");
    EXPECT_EQ(formatGeneral(25.0f), "25");
    EXPECT_EQ(formatGeneral(0.1f), "0.1");
    EXPECT_EQ(formatGeneral(1.75f * 25.4f), "44.45");
}

TEST(NumberTextTest, FixedPatternsRoundTheDecimalFormHalvesAwayFromZero) {
    const struct {
        double value;
        int decimals;
        const char* expected;
    } cases[] = {
        {12.25, 1, "12.3"},
        {2.675, 2, "2.68"},
        {0.15, 1, "0.2"},
        {3, 2, "3.00"},
        {12345.67, 1, "12345.7"},
        {0, 1, "0.0"},
        {0.04, 1, "0.0"},
        {0.05, 1, "0.1"},
        {9.96, 1, "10.0"},
        {999.999, 2, "1000.00"},
        {-1.25, 1, "-1.3"},
        {-0.01, 1, "0.0"},
        {1e20, 1, "100000000000000000000.0"},
        {25.5, 2, "25.50"},
        {0.004, 2, "0.00"},
        {0.005, 2, "0.01"},
        {1.431205, 2, "1.43"},
        {7, 0, "7"},
        {1e-300, 1, "0.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatFixed(c.value, c.decimals), c.expected) << c.value;
    }
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 1), "inf");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 2), "-inf");
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::quiet_NaN(), 1), "nan");
}

// The user's locale must not change a single character of number text.
TEST(NumberTextTest, IgnoresTheProcessLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    EXPECT_EQ(formatFixed(12.25, 1), "12.3");
    EXPECT_EQ(formatGeneral(25.5), "25.5");
    EXPECT_EQ(toDouble("25.5"), 25.5);
    EXPECT_FALSE(isNumeric("25,5"));
    std::setlocale(LC_ALL, saved.c_str());
}

// A message's wording takes its arguments in one pass: an argument's own "%2" (a file's name)
// stays as it is, a placeholder without an argument stays, and the numbers read as written.
TEST(MessageTest, ArgumentsGoWhereTheWordingSays) {
    const struct {
        Message message;
        const char* english;
    } rows[] = {
        {Message("The %1, %2, must be 0 or more.", {word("slot width"), number(-0.5)}),
         "The slot width, -0.5, must be 0 or more."},
        {Message("%2 before %1", {number(1), number(2)}), "2 before 1"},
        {Message("%1", {verbatim("/tmp/100%2.scl")}), "/tmp/100%2.scl"},
        {Message("%1 and %2", {number(3)}), "3 and %2"},
        {Message("%1 frets", {number(std::size_t{32766})}), "32766 frets"},
        {"No arguments, 100%.", "No arguments, 100%."},
    };
    for (const auto& row : rows) EXPECT_EQ(row.message.english(), row.english);
}

}  // namespace
}  // namespace varnel
