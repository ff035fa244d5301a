#include "configdialogs.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "preferences.h"
#include "testsupport.h"

namespace varnel {
namespace {

using test::RecordingMessageBox;
using test::TempStore;

// Stands in for the main window: keeps the record and logs what the dialogs ask of it.
class FakeTarget : public ConfigTarget {
  public:
    FretboardSettings& configRecord() override { return record; }
    void setNumFretsBoxText(const QString& text) override { calls << "frets=" + text; }
    void setScaleLenBoxText(const QString& text) override { calls << "scale=" + text; }
    void optMeasCoarse_Click() override { calls << "coarse"; }
    void optMeasFine_Click() override { calls << "fine"; }
    void optEnglish_Click() override { calls << "inches"; }
    void optMetric_Click() override { calls << "millimetres"; }
    FretboardSettings record;
    QStringList calls;
};

class ConfigDialogTest : public ::testing::Test {
  protected:
    diaSaveConfig* openSave() {
        save = new diaSaveConfig(temp.store(), messages, target);
        save->Form_Load();
        return save;
    }
    DiaOpenConfig* openRetrieve() {
        retrieve = new DiaOpenConfig(temp.store(), messages, target);
        retrieve->Form_Load();
        return retrieve;
    }
    void saveAs(const QString& name) {
        openSave();
        save->cboFretConfig->lineEdit()->setFocus();
        test::typeText(save->cboFretConfig->lineEdit(), name);
        QTest::mouseClick(save->OKButton, Qt::LeftButton);
    }
    QStringList indexNames() {
        QStringList names;
        getConfigNames(temp.store(), names);
        return names;
    }
    void TearDown() override {
        for (QDialog* d : std::initializer_list<QDialog*>{save, retrieve}) {
            if (d) d->close();
        }
        QApplication::processEvents();
    }

    TempStore temp;
    RecordingMessageBox messages;
    FakeTarget target;
    QPointer<diaSaveConfig> save;
    QPointer<DiaOpenConfig> retrieve;
};

TEST_F(ConfigDialogTest, FirstSaveWritesTheIndexKeyAndFourKeysInOrder) {
    target.record.scaleLen = 647.6999999999999;
    target.record.nFrets = 22;
    target.record.unitsType = kUnitsMillimetres;
    target.record.unitsGranularity = kGranularityFine;
    openSave();
    EXPECT_EQ(save->windowTitle(), "Save Fretboard Configuration");
    EXPECT_EQ(save->OKButton->text(), "Save");
    EXPECT_EQ(save->cboFretConfig->count(), 1);
    EXPECT_EQ(save->cboFretConfig->itemText(0), "<default>");
    EXPECT_EQ(save->cboFretConfig->currentText(), "");
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
    save = new diaSaveConfig(logging, messages, target);
    save->Form_Load();
    test::typeText(save->cboFretConfig->lineEdit(), "Tele");
    save->OKButton_Click();
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
    EXPECT_EQ(save->cboFretConfig->count(), 2);
    save->close();
    openRetrieve();
    ASSERT_EQ(retrieve->lstFretConfig->count(), 1);
    EXPECT_EQ(retrieve->lstFretConfig->item(0)->text(), "<default>");
}

TEST_F(ConfigDialogTest, TypedNameBeatsAChosenRowAndAChosenRowAloneIsUsed) {
    saveAs("Strat");
    saveAs("Tele");
    openSave();
    test::typeText(save->cboFretConfig->lineEdit(), "Jazz");
    save->cboFretConfig->setCurrentIndex(1);
    emit save->cboFretConfig->activated(1);  // the edit text now reads "Strat"
    EXPECT_EQ(save->pendingName, "Jazz");
    save->OKButton_Click();
    EXPECT_EQ(indexNames(), QStringList({"Strat", "Tele", "Jazz"}));

    openSave();
    EXPECT_EQ(save->configCount, 3);
    EXPECT_EQ(save->pendingName, "");  // nothing typed at an earlier opening carries over
    save->cboFretConfig->setCurrentIndex(2);
    emit save->cboFretConfig->activated(2);
    target.record.nFrets = 30;
    save->OKButton_Click();
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
    QTest::mouseClick(save->OKButton, Qt::LeftButton);
    EXPECT_EQ(messages.take(),
              std::vector<std::string>{"You must specify a name to save the configuration"});
    ASSERT_FALSE(save.isNull());
    EXPECT_TRUE(save->isVisible());
    EXPECT_TRUE(temp.store().getAllSettings("Base").isEmpty());
}

TEST_F(ConfigDialogTest, ThreeSavedThenTheNextIsConfigName4) {
    for (const char* name : {"A", "B", "C"}) saveAs(name);
    saveAs("D");
    EXPECT_EQ(temp.store().getSetting("Base", "configName4", ""), "D");
}

TEST_F(ConfigDialogTest, IndexFullRefusesAndWritesNothing) {
    temp.store().saveSetting("Base", "configName1", "A");
    openSave();
    save->configCount = kMaxConfigCount;
    test::typeText(save->cboFretConfig->lineEdit(), "B");
    save->OKButton_Click();
    EXPECT_EQ(messages.take(), std::vector<std::string>{"No more configurations can be saved"});
    EXPECT_TRUE(temp.store().getAllSettings("B").isEmpty());
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
    EXPECT_EQ(retrieve->OKButton->text(), "Retrieve");
    retrieve->lstFretConfig->setCurrentRow(0);
    QTest::mouseClick(retrieve->OKButton, Qt::LeftButton);
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(target.record.nFrets, 21);
    EXPECT_EQ(target.record.scaleLen, 863.6);
    EXPECT_EQ(target.record.unitsType, kUnitsMillimetres);
    EXPECT_EQ(target.calls, QStringList({"frets=21", "scale=863.6", "coarse", "millimetres"}));
    EXPECT_TRUE(retrieve.isNull() || !retrieve->isVisible());
}

TEST_F(ConfigDialogTest, DoubleClickRetrievesAtOnce) {
    saveAs("Strat");
    openRetrieve();
    QListWidget* list = retrieve->lstFretConfig;
    const QRect row = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_FALSE(target.calls.isEmpty());
    EXPECT_TRUE(retrieve.isNull() || !retrieve->isVisible());
}

TEST_F(ConfigDialogTest, RetrieveEdgeCases) {
    // No row chosen: closes silently.
    openRetrieve();
    retrieve->OKButton_Click();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_TRUE(target.calls.isEmpty());

    // A listed name whose section holds nothing.
    temp.store().saveSetting("Base", "configName1", "Ghost");
    openRetrieve();
    retrieve->lstFretConfig->setCurrentRow(0);
    retrieve->OKButton_Click();
    EXPECT_EQ(messages.take(), std::vector<std::string>{"You must specify a configuration name"});

    // Unknown keys are reported one by one; unusable values are passed over.
    temp.store().saveSetting("Odd", "numFrets", "40000");
    temp.store().saveSetting("Odd", "scaleLen", "abc");
    temp.store().saveSetting("Odd", "unitsGran", "0");
    temp.store().saveSetting("Odd", "colour", "red");
    temp.store().saveSetting("Odd", "Extra", "");
    temp.store().saveSetting("Base", "configName2", "Odd");
    openRetrieve();
    retrieve->lstFretConfig->setCurrentRow(1);
    retrieve->OKButton_Click();
    EXPECT_EQ(messages.take(), (std::vector<std::string>{"Unimplemented setting: Extra",
                                                         "Unimplemented setting: colour"}));
    EXPECT_EQ(target.calls, QStringList({"fine"}));
    EXPECT_EQ(target.record.nFrets, 0);
}

TEST_F(ConfigDialogTest, AConfigurationNamedBaseSharesThePreferencesSection) {
    temp.store().saveSetting("Base", "calcFact", "0.05");
    target.record.nFrets = 12;
    saveAs("Base");
    openRetrieve();
    retrieve->lstFretConfig->setCurrentRow(0);
    retrieve->OKButton_Click();
    EXPECT_EQ(messages.take(), (std::vector<std::string>{"Unimplemented setting: calcFact",
                                                         "Unimplemented setting: configName1"}));
    EXPECT_EQ(target.record.nFrets, 12);
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
    openRetrieve();
    ASSERT_EQ(retrieve->lstFretConfig->count(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        EXPECT_EQ(retrieve->lstFretConfig->item(static_cast<int>(i))->text(), names[i]);
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
    QTest::keyClick(save->cboFretConfig->lineEdit(), Qt::Key_Return);
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
