#include <gtest/gtest.h>

#include <cmath>

#include "core/fretboard.h"

namespace varnel {
namespace {

FretboardSettings settings(double scaleLen, int frets, std::int16_t calcType = kCalcTwelfthRoot,
                           double factor = kFactorCommon) {
    FretboardSettings s;
    s.scaleLen = scaleLen;
    s.nFrets = static_cast<std::int16_t>(frets);
    s.calcType = calcType;
    s.calcFact = factor;
    return s;
}

TEST(CheckInputsTest, NeedsAPositiveScaleLengthAndTwoFrets) {
    EXPECT_FALSE(inputsAreValid(settings(0, 22)));
    EXPECT_FALSE(inputsAreValid(settings(-25.5, 22)));
    EXPECT_FALSE(inputsAreValid(settings(25.5, 0)));
    EXPECT_FALSE(inputsAreValid(settings(25.5, 1)));
    EXPECT_FALSE(inputsAreValid(settings(25.5, -5)));
    EXPECT_TRUE(inputsAreValid(settings(25.5, 2)));
    EXPECT_EQ(kCheckInputsMessage, "You must enter the number of frets and a scale length");
}

// Frets 1 to 24 of a 25.5 inch scale, computed independently from the equal-temperament ratio.
TEST(FretPositionsTest, TwelfthRootMatchesPublishedTable) {
    const double expected[] = {1.43121,  2.78208,  4.05714,  5.26064,  6.39658,  7.46878,
                               8.48079,  9.43601,  10.33761, 11.18861, 11.99185, 12.75000,
                               13.46560, 14.14104, 14.77857, 15.38032, 15.94829, 16.48439,
                               16.99040, 17.46800, 17.91880, 18.34430, 18.74592, 19.12500};
    const FretPositions p = calcFretPositions(settings(25.5, 24));
    ASSERT_EQ(p.count(), 24);
    for (int i = 1; i <= 24; ++i) {
        EXPECT_NEAR(p.distFromNut[static_cast<std::size_t>(i)], expected[i - 1], 0.5e-5) << i;
    }
    EXPECT_EQ(p.distFromNut[12], 12.75);
    EXPECT_EQ(p.distFromNut[24], 19.125);
    EXPECT_EQ(p.distFromFret[1], p.distFromNut[1]);
    EXPECT_NEAR(p.distFromNut[1], 1.431205027, 1e-9);
    EXPECT_NEAR(p.distFromFret[2], 1.350877661, 1e-9);
    for (std::size_t i = 2; i <= 24; ++i) {
        EXPECT_EQ(p.distFromFret[i], p.distFromNut[i] - p.distFromNut[i - 1]);
    }
}

TEST(FretPositionsTest, TwelfthRootWorksInMillimetresAndForAnyOtherMethodCode) {
    const FretPositions mm = calcFretPositions(settings(647.7, 12));
    EXPECT_NEAR(mm.distFromNut[1], 36.35260768, 1e-8);
    EXPECT_EQ(mm.distFromNut[12], 323.85);
    const FretPositions other = calcFretPositions(settings(647.7, 12, 2));
    EXPECT_EQ(other.distFromNut, mm.distFromNut);
}

TEST(FretPositionsTest, RuleOf18thsAccumulatesTheSpacings) {
    const FretPositions p = calcFretPositions(settings(25.5, 24, kCalcRule18));
    EXPECT_EQ(p.distFromFret[1], 25.5 * 0.0561256);
    EXPECT_NEAR(p.distFromNut[2], 2.782078484, 1e-9);
    EXPECT_NEAR(p.distFromNut[12], 12.74998585, 1e-8);
    double total = 0;
    for (std::size_t i = 1; i <= 24; ++i) {
        total += p.distFromFret[i];
        EXPECT_EQ(p.distFromNut[i], total);
        const double closedForm =
            25.5 * kFactorCommon * std::pow(1 - kFactorCommon, static_cast<double>(i - 1));
        EXPECT_NEAR(p.distFromFret[i], closedForm, 1e-12);
    }
    EXPECT_NEAR(calcFretPositions(settings(25.5, 2, kCalcRule18, kFactorPrimitive)).distFromNut[1],
                1.41666525, 1e-10);
}

TEST(FretPositionsTest, EachCalculationReplacesTheTables) {
    FretboardSettings s = settings(25.5, 22);
    EXPECT_EQ(calcFretPositions(s).count(), 22);
    s.nFrets = 12;
    const FretPositions p = calcFretPositions(s);
    EXPECT_EQ(p.count(), 12);
    EXPECT_EQ(p.distFromFret.size(), 13u);
    s.nFrets = kMaxFrets;
    EXPECT_EQ(calcFretPositions(s).count(), 32766);
}

}  // namespace
}  // namespace varnel
