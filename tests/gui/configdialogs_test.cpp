#include "gui/configdialogs.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "store/preferences.h"
#include "testsupport.h"

namespace varnel {
namespace {

using test::RecordingMessageBox;
using test::TempStore;

// Stands in for the window: offers the record to save and logs what Retrieve applies.
class FakeTarget : public ConfigTarget {
  public:
    const FretboardSettings& configurationToSave() override { return record; }
    void retrieveFretCount(std::int16_t n) override { calls << "frets=" + valueText(n); }
    void retrieveScaleLen(double len) override { calls << "scale=" + valueText(len); }
    void retrieveGranularity(std::int16_t g) override { calls << "precision=" + valueText(g); }
    void retrieveUnits(std::int16_t u) override { calls << "units=" + valueText(u); }
    FretboardSettings record;
    QStringList calls;
};

class ConfigDialogTest : public ::testing::Test {
  protected:
    SaveConfigDialog* openSave() {
        save = new SaveConfigDialog(configs, messages, target);
        save->load();
        return save;
    }
    RetrieveConfigDialog* openRetrieve() {
        retrieve = new RetrieveConfigDialog(configs, messages, target);
        retrieve->load();
        return retrieve;
    }
    void saveAs(const QString& name) {
        openSave();
        save->nameBox->lineEdit()->setFocus();
        test::typeText(save->nameBox->lineEdit(), name);
        QTest::mouseClick(save->saveButton, Qt::LeftButton);
    }
    QStringList indexNames() { return configs.names(); }
    void TearDown() override {
        for (QDialog* d : std::initializer_list<QDialog*>{save, retrieve}) {
            if (d) d->close();
        }
        QApplication::processEvents();
    }

    TempStore temp;
    ConfigRepository configs{temp.store()};
    RecordingMessageBox messages;
    FakeTarget target;
    QPointer<SaveConfigDialog> save;
    QPointer<RetrieveConfigDialog> retrieve;
};

TEST_F(ConfigDialogTest, FirstSaveWritesTheIndexKeyAndFourKeysInOrder) {
    target.record.scaleLen = 647.6999999999999;
    target.record.nFrets = 22;
    target.record.unitsType = kUnitsMillimetres;
    target.record.unitsGranularity = kGranularityFine;
    openSave();
    EXPECT_EQ(save->windowTitle(), "Save Fretboard Configuration");
    EXPECT_EQ(save->saveButton->text(), "Save");
    EXPECT_EQ(save->nameBox->count(), 1);
    EXPECT_EQ(save->nameBox->itemText(0), "<default>");
    EXPECT_EQ(save->nameBox->currentText(), "");
    save->close();
    saveAs("Strat");
    EXPECT_TRUE(save.isNull() || !save->isVisible());
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(temp.store().getSetting("Base", "configName1", ""), "Strat");
    const SettingsList keys = temp.store().getAllSettings("Strat");
    ASSERT_EQ(keys.size(), 4);
    EXPECT_EQ(temp.store().getSetting("Strat", "scaleLen", ""), "647.7");
    EXPECT_EQ(temp.store().getSetting("Strat", "numFrets", ""), "22");
    EXPECT_EQ(temp.store().getSetting("Strat", "unitsType", ""), "1");
    EXPECT_EQ(temp.store().getSetting("Strat", "unitsGran", ""), "0");
}

TEST_F(ConfigDialogTest, SaveWritesIndexThenTheFourKeysInTheirOrder) {
    test::LoggingStore logging(temp.store());
    target.record.scaleLen = 25.5;
    target.record.nFrets = 21;
    target.record.unitsType = kUnitsInches;
    ConfigRepository loggedConfigs(logging);
    save = new SaveConfigDialog(loggedConfigs, messages, target);
    save->load();
    test::typeText(save->nameBox->lineEdit(), "Tele");
    save->save();
    EXPECT_EQ(logging.writes,
              QStringList({"Base/configName1=Tele", "Tele/scaleLen=25.5", "Tele/numFrets=21",
                           "Tele/unitsType=0", "Tele/unitsGran=1"}));
}

TEST_F(ConfigDialogTest, SavingAListedNameAddsNoIndexKeyButCaseMakesANewName) {
    saveAs("Strat");
    target.record.nFrets = 24;
    saveAs("Strat");
    EXPECT_EQ(indexNames(), QStringList({"Strat"}));
    EXPECT_EQ(temp.store().getSetting("Strat", "numFrets", ""), "24");
    saveAs("strat");
    EXPECT_EQ(indexNames(), QStringList({"Strat", "strat"}));
}

TEST_F(ConfigDialogTest, DefaultRowIsANameLikeAnyOther) {
    saveAs("<default>");
    EXPECT_EQ(indexNames(), QStringList({"<default>"}));
    openSave();
    EXPECT_EQ(save->nameBox->count(), 2);
    save->close();
    openRetrieve();
    ASSERT_EQ(retrieve->nameList->count(), 1);
    EXPECT_EQ(retrieve->nameList->item(0)->text(), "<default>");
}

TEST_F(ConfigDialogTest, TypedNameBeatsAChosenRowAndAChosenRowAloneIsUsed) {
    saveAs("Strat");
    saveAs("Tele");
    openSave();
    test::typeText(save->nameBox->lineEdit(), "Jazz");
    save->nameBox->setCurrentIndex(1);
    emit save->nameBox->activated(1);  // the edit text now reads "Strat"
    EXPECT_EQ(save->pendingName, "Jazz");
    save->save();
    EXPECT_EQ(indexNames(), QStringList({"Strat", "Tele", "Jazz"}));

    openSave();
    EXPECT_EQ(save->pendingName, "");  // nothing typed at an earlier opening carries over
    save->nameBox->setCurrentIndex(2);
    emit save->nameBox->activated(2);
    target.record.nFrets = 30;
    save->save();
    EXPECT_EQ(temp.store().getSetting("Tele", "numFrets", ""), "30");
    EXPECT_EQ(indexNames().size(), 3);
}

TEST_F(ConfigDialogTest, ATypedPrefixOfASavedNameIsANewName) {
    saveAs("Stratocaster");
    saveAs("Strat");
    EXPECT_EQ(indexNames(), QStringList({"Stratocaster", "Strat"}));
}

TEST_F(ConfigDialogTest, SaveWithoutANameSaysSoAndStaysOpen) {
    openSave();
    QTest::mouseClick(save->saveButton, Qt::LeftButton);
    EXPECT_EQ(messages.take(),
              std::vector<std::string>{"You must specify a name to save the configuration"});
    ASSERT_FALSE(save.isNull());
    EXPECT_TRUE(save->isVisible());
    EXPECT_TRUE(temp.store().getAllSettings("Base").isEmpty());
}

TEST_F(ConfigDialogTest, ANewNameFollowsTheLastIndexKeyInTheStore) {
    for (const char* name : {"A", "B", "C"}) saveAs(name);
    saveAs("D");
    EXPECT_EQ(temp.store().getSetting("Base", "configName4", ""), "D");
    // A gap or a foreign key never lets a new name overwrite a listed one.
    temp.store().saveSetting("Base", "configName9", "Z");
    temp.store().saveSetting("Base", "configNameX", "Y");
    saveAs("E");
    EXPECT_EQ(temp.store().getSetting("Base", "configName10", ""), "E");
    EXPECT_EQ(indexNames(), QStringList({"A", "B", "C", "D", "Z", "E", "Y"}));
}

TEST_F(ConfigDialogTest, IndexFullRefusesAndWritesNothing) {
    temp.store().saveSetting("Base", "configName32767", "A");
    openSave();
    test::typeText(save->nameBox->lineEdit(), "B");
    save->save();
    EXPECT_EQ(messages.take(), std::vector<std::string>{"No more configurations can be saved"});
    EXPECT_TRUE(temp.store().getAllSettings("B").isEmpty());
    ASSERT_FALSE(save.isNull());
    EXPECT_TRUE(save->isVisible());
}

TEST_F(ConfigDialogTest, RetrieveAppliesTheKeysThroughTheWindow) {
    target.record.scaleLen = 863.6;
    target.record.nFrets = 21;
    target.record.unitsType = kUnitsMillimetres;
    target.record.unitsGranularity = kGranularityCoarse;
    saveAs("Bass");
    target.record = FretboardSettings{};
    target.record.unitsType = kUnitsInches;
    openRetrieve();
    EXPECT_EQ(retrieve->windowTitle(), "Retrieve Fretboard Configuration");
    EXPECT_EQ(retrieve->retrieveButton->text(), "Retrieve");
    retrieve->nameList->setCurrentRow(0);
    QTest::mouseClick(retrieve->retrieveButton, Qt::LeftButton);
    EXPECT_TRUE(messages.take().empty());
    // In the store's order of keys, each through the window.
    EXPECT_EQ(target.calls, QStringList({"frets=21", "scale=863.6", "precision=1", "units=1"}));
    EXPECT_TRUE(retrieve.isNull() || !retrieve->isVisible());
}

TEST_F(ConfigDialogTest, DoubleClickRetrievesAtOnce) {
    saveAs("Strat");
    openRetrieve();
    QListWidget* list = retrieve->nameList;
    const QRect row = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_FALSE(target.calls.isEmpty());
    EXPECT_TRUE(retrieve.isNull() || !retrieve->isVisible());
}

TEST_F(ConfigDialogTest, RetrieveEdgeCases) {
    // No row chosen: closes silently.
    openRetrieve();
    retrieve->retrieve();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_TRUE(target.calls.isEmpty());

    // A listed name whose section holds nothing.
    temp.store().saveSetting("Base", "configName1", "Ghost");
    openRetrieve();
    retrieve->nameList->setCurrentRow(0);
    retrieve->retrieve();
    EXPECT_EQ(messages.take(), std::vector<std::string>{"You must specify a configuration name"});

    // Unknown keys are reported one by one; unusable values are passed over.
    temp.store().saveSetting("Odd", "numFrets", "40000");
    temp.store().saveSetting("Odd", "scaleLen", "abc");
    temp.store().saveSetting("Odd", "unitsGran", "0");
    temp.store().saveSetting("Odd", "colour", "red");
    temp.store().saveSetting("Odd", "Extra", "");
    temp.store().saveSetting("Base", "configName2", "Odd");
    openRetrieve();
    retrieve->nameList->setCurrentRow(1);
    retrieve->retrieve();
    EXPECT_EQ(messages.take(), (std::vector<std::string>{"Unimplemented setting: Extra",
                                                         "Unimplemented setting: colour"}));
    EXPECT_EQ(target.calls, QStringList({"precision=0"}));
}

// "Base" (any case) names the preferences' section: refused, with nothing written. One that an
// older version saved there still retrieves its own keys, without a message for each
// preference.
TEST_F(ConfigDialogTest, TheNameBaseIsRefusedAndAnOldOneStillRetrieves) {
    temp.store().saveSetting("Base", "calcFact", "0.05");
    target.record.nFrets = 12;
    for (const char* name : {"Base", "bASE"}) {
        saveAs(name);
        EXPECT_EQ(messages.take(),
                  std::vector<std::string>{std::string("The name \"") + name +
                                           "\" is kept for the default preferences. Choose "
                                           "another name for the configuration."});
        EXPECT_TRUE(save->isVisible());
        save->close();
    }
    EXPECT_EQ(temp.store().getAllSettings("Base").size(), 1);
    temp.store().saveSetting("Base", "configName1", "Base");
    temp.store().saveSetting("Base", "numFrets", "12");
    openRetrieve();
    retrieve->nameList->setCurrentRow(0);
    retrieve->retrieve();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(target.calls, QStringList({"frets=12"}));
}

TEST_F(ConfigDialogTest, HostileNamesAndTwelveConfigurationsKeepTheirOrder) {
    QStringList names = {"a/b",   "c\\d", "100%", "General", "Ünï スケール", " lead ",
                         "x=y;z", "[s]",  "#1",   "2",       "10",           "Base/../x"};
    for (qsizetype i = 0; i < names.size(); ++i) {
        target.record.nFrets = static_cast<std::int16_t>(i + 2);
        saveAs(names[i]);
    }
    EXPECT_EQ(indexNames(), names);
    temp.reopen();
    ConfigRepository reopened(temp.store());
    retrieve = new RetrieveConfigDialog(reopened, messages, target);
    retrieve->load();
    ASSERT_EQ(retrieve->nameList->count(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        EXPECT_EQ(retrieve->nameList->item(static_cast<int>(i))->text(), names[i]);
        EXPECT_EQ(temp.store().getSetting(names[i], "numFrets", ""), QString::number(i + 2))
            << names[i].toStdString();
    }
}

}  // namespace
}  // namespace varnel

namespace varnel {
namespace {

TEST_F(ConfigDialogTest, EscapeAndEnterHaveNoMeaning) {
    openSave();
    QTest::keyClick(save, Qt::Key_Escape);
    QTest::keyClick(save->nameBox->lineEdit(), Qt::Key_Return);
    ASSERT_FALSE(save.isNull());
    EXPECT_TRUE(save->isVisible());
    EXPECT_TRUE(messages.take().empty());
    openRetrieve();
    QTest::keyClick(retrieve, Qt::Key_Escape);
    ASSERT_FALSE(retrieve.isNull());
    EXPECT_TRUE(retrieve->isVisible());
}

}  // namespace
}  // namespace varnel
