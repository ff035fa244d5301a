#include "windowmodel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "examplecharts.h"
#include "input.h"

namespace varnel {
namespace {

struct RecordingMessages : MessageBox {
    void show(std::string_view text) override { said.emplace_back(text); }
    std::vector<std::string> said;
};

// Preferences kept in memory: the factor and the chart font size stand for all eight.
struct MemoryPreferences : PreferenceStorage {
    void readAtStartup(FretboardSettings& s) override { reload(s); }
    void save(const FretboardSettings& s) override { stored = s; }
    void reload(FretboardSettings& s) override {
        s.calcFact = stored.calcFact;
        s.chartFontSize = stored.chartFontSize;
    }
    FretboardSettings stored;
};

using Steps = std::function<void(WindowModel&, MemoryPreferences&)>;

class WindowModelTest : public ::testing::Test {
  protected:
    WindowModelTest() {
        model.setListener([this](unsigned changes) { reported.push_back(changes); });
        model.start(preferences);
        reported.clear();
    }
    RecordingMessages messages;
    MemoryPreferences preferences;
    WindowModel model{messages};
    std::vector<unsigned> reported;
};

TEST_F(WindowModelTest, ChoicesKeepRecordCheckMarksAndCaptionsInStep) {
    using M = WindowModel;
    const struct {
        const char* name;
        Steps steps;
        std::int16_t calcType;
        double calcFact;
        std::optional<Factor> checked;
        bool inches;
        bool coarse;
        const char* captions;  // option buttons, then menu items
    } rows[] = {
        {"start",
         [](M&, auto&) {},
         kCalcTwelfthRoot,
         kFactorCommon,
         {},
         false,
         true,
         "0.5 mm|0.1 mm|&Half|&Tenth"},
        {"Dervin from the menu", [](M& m, auto&) { m.chooseFactor(Factor::Dervin); }, kCalcRule18,
         0.0560695, Factor::Dervin, false, true, "0.5 mm|0.1 mm|&Half|&Tenth"},
        {"Rule of 18ths after Dervin selects Common",
         [](M& m, auto&) {
             m.chooseFactor(Factor::Dervin);
             m.chooseRuleOf18ths();
         },
         kCalcRule18, 0.0561256, Factor::Common, false, true, "0.5 mm|0.1 mm|&Half|&Tenth"},
        {"12th root keeps the last factor, checks none",
         [](M& m, auto&) {
             m.chooseFactor(Factor::Primitive);
             m.chooseTwelfthRoot();
         },
         kCalcTwelfthRoot,
         0.0555555,
         {},
         false,
         true,
         "0.5 mm|0.1 mm|&Half|&Tenth"},
        {"inches relabel, coarse stays coarse",
         [](M& m, auto&) { m.chooseUnits(kUnitsInches); },
         kCalcTwelfthRoot,
         kFactorCommon,
         {},
         true,
         true,
         "1/64th In.|0.01 In.|&Sixty Fourth|One &Hundredth"},
        {"fine stays fine back in millimetres",
         [](M& m, auto&) {
             m.chooseUnits(kUnitsInches);
             m.chooseGranularity(kGranularityFine);
             m.chooseUnits(kUnitsMillimetres);
         },
         kCalcTwelfthRoot,
         kFactorCommon,
         {},
         false,
         false,
         "0.5 mm|0.1 mm|&Half|&Tenth"},
        {"reload moves the check mark to the reloaded factor",
         [](M& m, MemoryPreferences& p) {
             m.chooseRuleOf18ths();
             p.stored.calcFact = kFactorDervin;
             m.reloadPreferences(p);
         },
         kCalcRule18, kFactorDervin, Factor::Dervin, false, true, "0.5 mm|0.1 mm|&Half|&Tenth"},
        {"a reloaded factor none of the three checks none",
         [](M& m, MemoryPreferences& p) {
             m.chooseFactor(Factor::Primitive);
             p.stored.calcFact = 0.05;
             m.reloadPreferences(p);
         },
         kCalcRule18,
         0.05,
         {},
         false,
         true,
         "0.5 mm|0.1 mm|&Half|&Tenth"},
        {"retrieved codes outside the choices",
         [](M& m, auto&) {
             m.retrieveUnits(7);
             m.retrieveGranularity(-3);
         },
         kCalcTwelfthRoot,
         kFactorCommon,
         {},
         false,
         false,
         "0.5 mm|0.1 mm|&Half|&Tenth"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingMessages said;
        MemoryPreferences prefs;
        WindowModel m(said);
        m.start(prefs);
        row.steps(m, prefs);
        EXPECT_EQ(m.settings().calcType, row.calcType);
        EXPECT_EQ(m.settings().calcFact, row.calcFact);
        EXPECT_EQ(m.checkedFactor(), row.checked);
        EXPECT_EQ(m.inches(), row.inches);
        EXPECT_EQ(m.settings().unitsType, row.inches ? kUnitsInches : kUnitsMillimetres);
        EXPECT_EQ(m.coarse(), row.coarse);
        EXPECT_EQ(m.settings().unitsGranularity,
                  row.coarse ? kGranularityCoarse : kGranularityFine);
        EXPECT_EQ(std::string(m.coarseCaption()) + "|" + std::string(m.fineCaption()) + "|" +
                      std::string(m.coarseMenuCaption()) + "|" + std::string(m.fineMenuCaption()),
                  row.captions);
        EXPECT_TRUE(said.said.empty());
    }
}

TEST_F(WindowModelTest, ScaleLengthFollowsPresetsUnitsAndTypedText) {
    using M = WindowModel;
    const struct {
        const char* name;
        Steps steps;
        double scaleLen;
    } rows[] = {
        {"a preset in inches",
         [](M& m, auto&) {
             m.chooseUnits(kUnitsInches);
             m.choosePreset(10);
             m.takeScaleLen();
         },
         34},
        {"a preset is re-read in the new units",
         [](M& m, auto&) {
             m.choosePreset(10);
             m.chooseUnits(kUnitsInches);
             m.chooseUnits(kUnitsMillimetres);
         },
         34 * 25.4},
        {"a typed number stays the same number",
         [](M& m, auto&) {
             m.editScaleLen("650");
             m.takeScaleLen();
             m.chooseUnits(kUnitsInches);
         },
         650},
        {"a preset's text edited by hand is no number",
         [](M& m, auto&) {
             m.choosePreset(0);
             m.editScaleLen("25.5\"");
             m.takeScaleLen();
         },
         0},
        {"typed text waits for the box to be left", [](M& m, auto&) { m.editScaleLen("650"); }, 0},
        {"a list position outside the list is ignored",
         [](M& m, auto&) {
             m.choosePreset(14);
             m.choosePreset(-1);
             m.takeScaleLen();
         },
         0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WindowModel m(messages);
        m.start(preferences);
        row.steps(m, preferences);
        EXPECT_EQ(m.settings().scaleLen, row.scaleLen);
    }
}

// Whatever window or menu a command comes from, it first takes a changed scale-length box.
TEST_F(WindowModelTest, CommandsThatReadTheRecordTakeAChangedBoxFirst) {
    using M = WindowModel;
    const std::pair<const char*, std::function<void(M&)>> commands[] = {
        {"verify", [](M& m) { m.verify(); }},
        {"display chart", [](M& m) { m.displayChart(); }},
        {"print", [](M& m) { m.calculate(); }},
        {"save configuration", [](M& m) { m.configurationToSave(); }},
        {"exit", [](M& m) { m.takeChangedScaleLen(); }},
    };
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        WindowModel m(messages);
        m.start(preferences);
        m.editFretCount("12");
        m.editScaleLen("650");
        m.takeScaleLen();
        m.editScaleLen("700");
        EXPECT_EQ(m.settings().scaleLen, 650);
        command(m);
        EXPECT_EQ(m.settings().scaleLen, 700);
    }
    EXPECT_EQ(messages.said.front(), "Number of frets: 12  Scale Length: 700 mm");
}

TEST_F(WindowModelTest, FretCountFollowsEveryEdit) {
    const std::pair<const char*, std::int16_t> edits[] = {
        {"2", 2}, {"", 2}, {"12.5", 12}, {"13.5", 14}, {"x", 14}, {"40000", 14}, {"32766", 32766},
    };
    for (const auto& [text, frets] : edits) {
        model.editFretCount(text);
        EXPECT_EQ(model.settings().nFrets, frets) << text;
        EXPECT_EQ(model.fretCountText(), text);
    }
}

TEST_F(WindowModelTest, DisplayChartShowsTheChartOrTheMessageAndSaysWhatChanged) {
    model.displayChart();
    EXPECT_EQ(messages.said, std::vector<std::string>{std::string(kCheckInputsMessage)});
    EXPECT_EQ(model.chart(), "");
    EXPECT_TRUE(reported.empty());

    model.editFretCount("3");
    model.chooseUnits(kUnitsInches);
    model.choosePreset(0);
    reported.clear();
    model.displayChart();
    EXPECT_EQ(model.chart(), test::kFender3FretsCoarseInches);
    EXPECT_EQ(model.positions().count(), 3);
    EXPECT_EQ(reported, std::vector<unsigned>{WindowModel::kChartChanged});
    // Nothing on screen is recomputed until the next "Display Chart".
    model.chooseUnits(kUnitsMillimetres);
    model.chooseGranularity(kGranularityFine);
    EXPECT_EQ(model.chart(), test::kFender3FretsCoarseInches);
    model.displayChart();
    EXPECT_EQ(model.chart(), test::kFender3FretsFineMillimetres);
}

TEST_F(WindowModelTest, RetrievedValuesGoThroughTheBoxesAndTheChoices) {
    model.chooseUnits(kUnitsInches);
    model.choosePreset(10);
    model.takeScaleLen();
    model.retrieveFretCount(3);
    model.retrieveScaleLen(647.6999999999999);
    model.retrieveGranularity(kGranularityFine);
    model.retrieveUnits(kUnitsMillimetres);
    EXPECT_EQ(model.fretCountText(), "3");
    EXPECT_EQ(model.scaleLenText(), "647.7");
    EXPECT_EQ(model.scaleLenListIndex(), -1);
    // The unit switch re-reads the number the box now shows.
    EXPECT_EQ(model.settings().scaleLen, 647.7);
    EXPECT_FALSE(model.inches());
    EXPECT_FALSE(model.coarse());
    model.displayChart();
    EXPECT_EQ(model.chart(), test::kFender3FretsFineMillimetres);
}

TEST_F(WindowModelTest, PreferencesSaveReloadAndStartWithTheTwelfthRoot) {
    model.chooseFactor(Factor::Dervin);
    model.printSettings().chartFontSize = 11;
    model.savePreferences(preferences);
    EXPECT_EQ(preferences.stored.calcFact, kFactorDervin);
    model.chooseFactor(Factor::Primitive);
    model.printSettings().chartFontSize = 20;
    model.reloadPreferences(preferences);
    EXPECT_EQ(model.settings().calcFact, kFactorDervin);
    EXPECT_EQ(model.settings().chartFontSize, 11);
    EXPECT_EQ(model.settings().calcType, kCalcRule18);  // reload leaves the method alone

    WindowModel next(messages);  // the next start reads the factor, yet starts on the 12th root
    next.start(preferences);
    EXPECT_EQ(next.settings().calcFact, kFactorDervin);
    EXPECT_FALSE(next.ruleOf18ths());
    EXPECT_EQ(next.checkedFactor(), std::nullopt);
}

TEST_F(WindowModelTest, ExplainShowsTheTextExactlyAndChangesNothing) {
    model.chooseFactor(Factor::Dervin);
    model.explainMethods();
    EXPECT_EQ(messages.said,
              std::vector<std::string>{
                  "Two methods are available for fret spacing calculation:\r\n"
                  "The first is non-cumulative and uses the 12th root of 2 formula\r\n"
                  "The second is called the rule of 18ths and is a cumulative method\r\n"
                  "which may be slightly less accurate under certain conditions, due\r\n"
                  "rounding errors.  The use of double precision floating point\r\n"
                  "arithmetic for the calculations all but eliminates these errors\r\n"
                  "\r\n"
                  "For the rule of 18ths, three calculation factors are available.\r\n"
                  "Common = 1/17.817  Recommended by most authors.\r\n"
                  "\r\n"
                  "Dervin = 1/17.835  From Aldric Dervin, Making Musical Instruments, Pg 34.\r\n"
                  "May be erroneous.  Yields slightly shorter fret spacing.\r\n"
                  "\r\n"
                  "Primitive = 1/18\r\n"
                  "Inaccurate value that may have been used by craftsmen in the past\r\n"
                  "due to ease of calculation.  Not recommended. "});
    EXPECT_EQ(model.settings().calcFact, kFactorDervin);
    EXPECT_TRUE(model.ruleOf18ths());
}

}  // namespace
}  // namespace varnel
