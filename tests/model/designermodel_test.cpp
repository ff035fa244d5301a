#include "model/designermodel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "core/numtext.h"

namespace varnel {
namespace {

// A storage in memory that says it cannot write while `failing` is set (what was written is
// kept all the same, as a store that reports a late failure).
struct MemoryStorage : DesignerStorage {
    DesignerTexts stored;
    std::vector<DesignerTexts> writes;
    bool failing = false;
    DesignerTexts load() override { return stored; }
    std::optional<std::string> save(const DesignerTexts& texts) override {
        writes.push_back(texts);
        for (const auto& [key, text] : texts) stored[key] = text;
        return failing ? std::optional<std::string>("read-only.") : std::nullopt;
    }
};

// What the status line says for an edit, from the defaults: the board, or why there is none,
// naming the input.
TEST(DesignerModelTest, EachEditIsLaidOutOrRefusedByName) {
    FretboardSettings record;
    record.nFrets = 22;
    const struct {
        std::vector<std::pair<const char*, const char*>> edits;
        const char* status;
    } rows[] = {
        {{}, "22 frets, millimetres."},
        {{{"txtStrings", "13"}}, "The number of strings, 13, must be 2 to 12."},
        {{{"txtStrings", "six"}}, "Number of Strings must be a whole number."},
        {{{"txtSlotWidth", "abc"}}, "Slot Width must be a number."},
        {{{"txtPerpendicular", "x"}}, "Perpendicular Fret must be a fret number, 0 for the nut."},
        {{{"cboPerpendicular", "1"}, {"txtPerpendicular", "x"}},
         "Perpendicular Ratio must be a number from 0 to 1."},
        {{{"txtMarkers", "3 x"}}, "Position Markers must be fret numbers separated by blanks."},
        {{{"cboTemperament", "1"}, {"txtDivisions", "0"}},
         "Divisions must be a whole number from 1 to 1000."},
        {{{"txtBassOverhang", "-1"}}, "The fretboard overhang must be 0 or more."},
        {{{"txtRadiusNut", "10"}, {"txtRadiusEnd", "406"}},
         "The radius at the nut, 10, must be at least half the board's width there, "
         "20.9977035101522."},
    };
    for (const auto& row : rows) {
        DesignerModel model(record, nullptr);
        model.reload();
        for (const auto& [key, text] : row.edits) model.edit(key, text);
        EXPECT_EQ(model.status(), row.status);
        EXPECT_EQ(model.board().has_value(), row.edits.empty());
    }
}

// The designer has its own fret count and units, and takes the main window's when they change
// there. A length it converts is shown to the precision that matters, its exact value laid out.
TEST(DesignerModelTest, HasItsOwnFretsAndUnitsAndKeepsExactLengths) {
    FretboardSettings record;
    DesignerModel model(record, nullptr);
    unsigned told = 0;
    model.setListener([&](unsigned changes) { told |= changes; });
    model.reload();
    EXPECT_EQ(model.status(), "24 frets, millimetres.");  // its own, with none in the record
    record.nFrets = 22;
    model.followRecord();
    ASSERT_TRUE(model.board());
    EXPECT_EQ(model.text("txtFrets"), "22");
    EXPECT_EQ(model.board()->table.size(), 22u);
    model.edit("txtFrets", "36");
    EXPECT_EQ(model.board()->table.size(), 36u);
    EXPECT_EQ(record.nFrets, 22);  // the main window keeps its own
    told = 0;
    model.followRecord();  // nothing of the record changed: nothing to do
    EXPECT_EQ(told, 0u);
    EXPECT_EQ(model.text("txtFrets"), "36");
    record.unitsType = kUnitsInches;
    model.followRecord();
    EXPECT_EQ(told, DesignerModel::kTextsChanged | DesignerModel::kBoardChanged);
    EXPECT_EQ(model.text("txtFirstScale"), "25.512");
    EXPECT_EQ(model.text("txtSlotWidth"), "0.023");
    EXPECT_EQ(model.text("txtBassOverhang"), "");  // blank stays blank: the same as the treble
    EXPECT_EQ(model.inputs()->firstScale, 648 / 25.4);
    EXPECT_EQ(model.status(), "36 frets, inches.");
    model.setUnits(Units::Millimetres);  // the designer's own units box
    EXPECT_EQ(model.text("txtFirstScale"), "648");
    EXPECT_EQ(model.inputs()->firstScale, 648);
    model.setUnits(Units::Inches);
    model.edit("txtFirstScale", "25.5");  // typed anew: as typed
    EXPECT_EQ(model.inputs()->firstScale, 25.5);
    model.setUnits(Units::Millimetres);
    EXPECT_EQ(model.text("txtFirstScale"), "647.7");
}

// The hover readout: where a point lies, and the nearest fret on the nearest string.
TEST(DesignerModelTest, SaysWhatLiesUnderAPoint) {
    FretboardSettings record;
    record.nFrets = 22;
    DesignerModel model(record, nullptr);
    model.reload();
    model.edit("txtLastScale", "648");
    model.edit("txtBridgeSpacing", "35");  // a straight board: frets square to the midline
    const DesignerBoard& board = *model.board();
    const Segment fret7 = board.frets[6];
    const Point near7{fret7.from.x + 1, -17.5 + 0.2};  // by the first string
    EXPECT_EQ(model.describePoint(near7), "Along " + formatFixed(near7.x - board.nut.from.x, 2) +
                                              " mm, across -17.30 mm; fret 7 on string 1: " +
                                              formatFixed(648 * (1 - std::exp2(-7 / 12.0)), 2) +
                                              " mm from the nut, slot 0.58 mm.");
}

// Accepted inputs are remembered, only what changed, in the units they were typed in; a
// failure is said once until a write succeeds. Inputs stored before some inputs existed (and
// before their units were kept) come back in the record's units, the others keeping theirs.
TEST(DesignerModelTest, RemembersWhatChangedAndReadsOlderStores) {
    FretboardSettings record;
    record.nFrets = 22;
    MemoryStorage storage;
    storage.failing = true;
    DesignerModel model(record, &storage);
    model.reload();
    ASSERT_EQ(storage.writes.size(), 1u);
    EXPECT_EQ(storage.writes[0].at("unitsType"), "1");
    EXPECT_EQ(model.takeStoreFailure(), "The settings could not be saved: read-only.");
    model.edit("txtStrings", "7");
    model.edit("txtStrings", "13");  // refused: not remembered
    EXPECT_EQ(storage.writes.back(), (DesignerTexts{{"txtStrings", "7"}}));
    EXPECT_EQ(model.takeStoreFailure(), std::nullopt);  // said once
    storage.failing = false;
    model.edit("txtStrings", "8");
    EXPECT_EQ(storage.writes.size(), 3u);

    MemoryStorage older;
    older.stored = {{"txtStrings", "7"}, {"txtFirstScale", "25.5"}, {"txtOverhang", "0.125"}};
    record.unitsType = kUnitsInches;
    DesignerModel inches(record, &older);
    inches.reload();
    EXPECT_EQ(inches.text("txtFirstScale"), "25.5");
    EXPECT_EQ(inches.text("txtLastScale"), "27.008");  // the default, in inches
    EXPECT_EQ(inches.text("txtBassOverhang"), "");
    ASSERT_TRUE(inches.inputs());
    EXPECT_EQ(inches.inputs()->bassOverhang, 0.125);
    EXPECT_EQ(older.stored.at("unitsType"), "0");
}

// A Scala file is read again when it changes, not at every keystroke's layout only.
TEST(DesignerModelTest, AScalaFileThatChangesIsReadAgain) {
    const auto path = std::filesystem::temp_directory_path() / "varnel-model-test.scl";
    std::ofstream(path) << "two\n2\n600.0\n2/1\n";
    FretboardSettings record;
    record.nFrets = 4;
    DesignerModel model(record, nullptr);
    model.reload();
    model.edit("txtScalaFile", path.string());
    model.edit("cboTemperament", "2");
    ASSERT_TRUE(model.board()) << model.status();
    EXPECT_EQ(model.board()->table[0].cents, 600);
    std::ofstream(path) << "three\n3\n400.0\n800.0\n2/1\n";
    model.edit("txtStrings", "5");
    ASSERT_TRUE(model.board()) << model.status();
    EXPECT_EQ(model.board()->table[0].cents, 400);
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace varnel
