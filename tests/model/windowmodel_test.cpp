#include "model/windowmodel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/input.h"
#include "examplecharts.h"
#include "modelstate.h"

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

// Runs a script of commands, one word each: "in", "mm", "coarse", "fine", "root", "rule18",
// "common", "dervin", "primitive", "preset=N", "type=TEXT", "take", "reload=FACTOR",
// "units=N", "precision=N", "frets=N", "length=X" (the last four as Retrieve applies them).
void run(WindowModel& m, MemoryPreferences& prefs, std::string_view script) {
    using Arg = const std::string&;
    const auto n = [](Arg a) { return static_cast<std::int16_t>(std::stoi(a)); };
    const std::map<std::string, std::function<void(Arg)>> steps = {
        {"in", [&](Arg) { m.chooseUnits(kUnitsInches); }},
        {"mm", [&](Arg) { m.chooseUnits(kUnitsMillimetres); }},
        {"coarse", [&](Arg) { m.chooseGranularity(kGranularityCoarse); }},
        {"fine", [&](Arg) { m.chooseGranularity(kGranularityFine); }},
        {"root", [&](Arg) { m.chooseTwelfthRoot(); }},
        {"rule18", [&](Arg) { m.chooseRuleOf18ths(); }},
        {"common", [&](Arg) { m.chooseFactor(Factor::Common); }},
        {"dervin", [&](Arg) { m.chooseFactor(Factor::Dervin); }},
        {"primitive", [&](Arg) { m.chooseFactor(Factor::Primitive); }},
        {"preset", [&](Arg a) { m.choosePreset(n(a)); }},
        {"type", [&](Arg a) { m.editScaleLen(a); }},
        {"take", [&](Arg) { m.takeScaleLen(); }},
        {"reload",
         [&](Arg a) { prefs.stored.calcFact = std::stod(a), m.reloadPreferences(prefs); }},
        {"units", [&](Arg a) { m.retrieveUnits(n(a)); }},
        {"precision", [&](Arg a) { m.retrieveGranularity(n(a)); }},
        {"frets", [&](Arg a) { m.retrieveFretCount(n(a)); }},
        {"length", [&](Arg a) { m.retrieveScaleLen(std::stod(a)); }},
    };
    std::istringstream words{std::string(script)};
    for (std::string word; words >> word;) {
        const std::size_t eq = word.find('=');
        const auto step = steps.find(word.substr(0, eq));
        ASSERT_NE(step, steps.end()) << word;
        step->second(eq == std::string::npos ? "" : word.substr(eq + 1));
    }
}

TEST_F(WindowModelTest, CommandsKeepRecordCheckMarksCaptionsAndScaleLengthInStep) {
    const std::pair<const char*, const char*> rows[] = {
        {"", "root 0.0561256 - mm coarse 0"},
        {"dervin", "rule18 0.0560695 D mm coarse 0"},
        {"dervin rule18", "rule18 0.0561256 C mm coarse 0"},
        {"primitive root", "root 0.0555555 - mm coarse 0"},
        {"rule18 reload=0.0560695", "rule18 0.0560695 D mm coarse 0"},
        {"primitive reload=0.05", "rule18 0.05 - mm coarse 0"},
        {"root reload=0.0555555", "root 0.0555555 - mm coarse 0"},
        {"in", "root 0.0561256 - in coarse 0"},
        {"in fine mm", "root 0.0561256 - mm fine 0"},
        {"units=7 precision=-3", "root 0.0561256 - mm fine 0"},
        // A chosen preset is re-read in the new units; a typed number stays the same number.
        {"in preset=10 take", "root 0.0561256 - in coarse 34"},
        {"preset=10 in mm", "root 0.0561256 - mm coarse 863.6"},
        {"type=650 take in", "root 0.0561256 - in coarse 650"},
        {"type=650", "root 0.0561256 - mm coarse 0"},
        {"preset=0 type=25.5\" take", "root 0.0561256 - mm coarse 0"},
        {"preset=14 preset=-1 take", "root 0.0561256 - mm coarse 0"},
        // Retrieve: the unit switch re-reads the number the box now shows.
        {"in preset=10 take length=647.6999999999999 precision=0 units=1",
         "root 0.0561256 - mm fine 647.7"},
    };
    for (const auto& [script, state] : rows) {
        SCOPED_TRACE(script);
        RecordingMessages said;
        MemoryPreferences prefs;
        WindowModel m(said);
        m.start(prefs);
        run(m, prefs, script);
        EXPECT_EQ(test::describe(m), state);
        EXPECT_EQ(std::string(m.coarseCaption()) + "|" + std::string(m.fineCaption()) + "|" +
                      std::string(m.coarseMenuCaption()) + "|" + std::string(m.fineMenuCaption()),
                  m.inches() ? "1/64th In.|0.01 In.|&Sixty Fourth|One &Hundredth"
                             : "0.5 mm|0.1 mm|&Half|&Tenth");
        EXPECT_TRUE(said.said.empty());
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

TEST_F(WindowModelTest, BoxesFollowEveryEditAndShowRetrievedValues) {
    const std::pair<const char*, std::int16_t> edits[] = {
        {"2", 2}, {"", 2}, {"12.5", 12}, {"13.5", 14}, {"x", 14}, {"40000", 14}, {"32766", 32766},
    };
    for (const auto& [text, frets] : edits) {
        model.editFretCount(text);
        EXPECT_EQ(model.settings().nFrets, frets) << text;
        EXPECT_EQ(model.fretCountText(), text);
    }
    run(model, preferences, "preset=10 frets=3 length=647.6999999999999");
    EXPECT_EQ(model.fretCountText(), "3");
    EXPECT_EQ(model.settings().nFrets, 3);
    EXPECT_EQ(model.scaleLenText(), "647.7");
    EXPECT_EQ(model.scaleLenListIndex(), -1);
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

// The start reads the stored factor, yet always starts on the twelfth root.
TEST_F(WindowModelTest, StartReadsTheFactorButStartsOnTheTwelfthRoot) {
    run(model, preferences, "dervin");
    model.savePreferences(preferences);
    WindowModel next(messages);
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
