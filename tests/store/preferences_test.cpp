#include "store/preferences.h"

#include <gtest/gtest.h>

#include "testsupport.h"

namespace varnel {
namespace {

using test::TempStore;

TEST(PreferencesTest, EmptyStoreGivesTheDefaults) {
    TempStore t;
    FretboardSettings s;
    s.calcFact = 0.5;
    s.lineWidthVert = 9;
    s.printFretNumbers = false;
    readStartupPreferences(t.store(), s);
    EXPECT_EQ(s.calcFact, 0.0561256);
    EXPECT_EQ(s.lineWidthVert, 1);
    EXPECT_EQ(s.lineWidthHorz, 4);
    EXPECT_EQ(s.chartFontSize, 14);
    EXPECT_EQ(s.hLinePos, 0);
    EXPECT_EQ(s.templateLineHeight, 25.0f);
    EXPECT_EQ(s.templateLineSpace, 0.0f);
    EXPECT_TRUE(s.printFretNumbers);
    EXPECT_TRUE(t.store().getAllSettings("Base").isEmpty());  // reading writes nothing
}

TEST(PreferencesTest, SaveWritesTheEightKeysInOrderAsText) {
    TempStore t;
    test::LoggingStore store(t.store());
    FretboardSettings s;
    s.calcFact = kFactorDervin;
    s.templateLineHeight = 44.45f;
    s.templateLineSpace = 2.54f;
    s.printFretNumbers = false;
    s.hLinePos = -3;
    savePreferencesAsDefault(store, s);
    EXPECT_EQ(store.writes,
              QStringList({"Base/calcFact=0.0560695", "Base/ChartFontSize=14", "Base/HLineWidth=4",
                           "Base/VLineWidth=1", "Base/HLinePos=-3", "Base/VLineHeight=44.45",
                           "Base/PrintFretNum=False", "Base/VertSpace=2.54"}));
}

TEST(PreferencesTest, SavedPreferencesComeBackAtStartUpAndOnReload) {
    TempStore t;
    FretboardSettings saved;
    saved.calcFact = kFactorPrimitive;
    saved.lineWidthVert = 3;
    saved.lineWidthHorz = 7;
    saved.chartFontSize = 10;
    saved.hLinePos = 2;
    saved.templateLineHeight = 44.45f;
    saved.templateLineSpace = 2.54f;
    saved.printFretNumbers = false;
    savePreferencesAsDefault(t.store(), saved);
    t.reopen();

    FretboardSettings started;
    readStartupPreferences(t.store(), started);
    FretboardSettings reloaded;
    reloadPreferences(t.store(), reloaded);
    for (const FretboardSettings& s : {started, reloaded}) {
        EXPECT_EQ(s.calcFact, kFactorPrimitive);
        EXPECT_EQ(s.lineWidthVert, 3);
        EXPECT_EQ(s.lineWidthHorz, 7);
        EXPECT_EQ(s.chartFontSize, 10);
        EXPECT_EQ(s.hLinePos, 2);
        EXPECT_EQ(s.templateLineHeight, 44.45f);
        EXPECT_EQ(s.templateLineSpace, 2.54f);  // Reload keeps the fraction too
        EXPECT_FALSE(s.printFretNumbers);
    }
}

TEST(PreferencesTest, UnusableValuesAreTreatedAsMissing) {
    TempStore t;
    const auto put = [&](const char* key, const char* value) {
        t.store().saveSetting("Base", key, value);
    };
    put("calcFact", "1e999");  // beyond the double range: no usable factor
    put("ChartFontSize", "");
    put("HLineWidth", "40000");
    put("VLineWidth", "2.5");
    put("HLinePos", "1e9");
    put("VLineHeight", "-1e39");
    put("VertSpace", "3.5");
    put("PrintFretNum", "maybe");
    put("WindowHeight", "tall");
    FretboardSettings s;
    s.chartFontSize = 30;
    s.lineWidthHorz = 9;
    s.printFretNumbers = false;
    readStartupPreferences(t.store(), s);
    EXPECT_EQ(s.calcFact, 0.0561256);
    EXPECT_EQ(s.chartFontSize, 14);
    EXPECT_EQ(s.lineWidthHorz, 4);
    EXPECT_EQ(s.lineWidthVert, 2);  // halves to even
    EXPECT_EQ(s.hLinePos, 0);
    EXPECT_EQ(s.templateLineHeight, 25.0f);
    EXPECT_EQ(s.templateLineSpace, 3.5f);
    EXPECT_TRUE(s.printFretNumbers);
    EXPECT_EQ(readHeightTwips(t.store(), kWindowHeightKey), std::nullopt);

    // Reload passes over them and keeps the fields as they were.
    FretboardSettings r;
    r.calcFact = 0.1;
    r.chartFontSize = 30;
    r.lineWidthHorz = 9;
    r.printFretNumbers = false;
    reloadPreferences(t.store(), r);
    EXPECT_EQ(r.calcFact, 0.1);
    EXPECT_EQ(r.chartFontSize, 30);
    EXPECT_EQ(r.lineWidthHorz, 9);
    EXPECT_EQ(r.lineWidthVert, 2);
    EXPECT_EQ(r.hLinePos, 0);
    EXPECT_EQ(r.templateLineSpace, 3.5f);
    EXPECT_FALSE(r.printFretNumbers);
}

TEST(PreferencesTest, ReloadIgnoresOtherKeysAndMatchesCaseExactly) {
    TempStore t;
    t.store().saveSetting("Base", "WindowHeight", "6000");
    t.store().saveSetting("Base", "configName1", "Strat");
    t.store().saveSetting("Base", "chartfontsize", "99");
    FretboardSettings before;
    FretboardSettings s = before;
    reloadPreferences(t.store(), s);
    EXPECT_EQ(s.chartFontSize, before.chartFontSize);
    EXPECT_EQ(s.calcFact, before.calcFact);
    t.store().saveSetting("Base", "PrintFretNum", "False");
    t.store().saveSetting("Base", "ChartFontSize", "12.5");
    reloadPreferences(t.store(), s);
    EXPECT_FALSE(s.printFretNumbers);
    EXPECT_EQ(s.chartFontSize, 12);
}

TEST(PreferencesTest, ValueTextAndBooleans) {
    EXPECT_EQ(valueText(std::int16_t{14}), "14");
    EXPECT_EQ(valueText(0.0561256), "0.0561256");
    EXPECT_EQ(valueText(25.0f), "25");
    EXPECT_EQ(valueText(true), "True");
    EXPECT_EQ(boolFromText("False"), false);
    EXPECT_EQ(boolFromText("-1"), true);
    EXPECT_EQ(boolFromText("0"), false);
    EXPECT_EQ(boolFromText("yes"), std::nullopt);
    EXPECT_EQ(int16FromText("32768"), std::nullopt);
}

}  // namespace
}  // namespace varnel
