#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include "examplecharts.h"

#include "input.h"
#include "preferences.h"
#include "twips.h"
#include "uitest.h"

namespace varnel {
namespace {

using test::WindowTest;

std::string explainText() {
    return "Two methods are available for fret spacing calculation:\r\n"
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
           "due to ease of calculation.  Not recommended. ";
}

TEST_F(WindowTest, StartsInMillimetresCoarseTwelfthRootWithEmptyInputs) {
    Varnel& w = *window;
    EXPECT_EQ(w.windowTitle(), "Fret Calculator/Template Printer");
    EXPECT_EQ(w.versionText, "1.01");
    EXPECT_EQ(w.settings.unitsType, kUnitsMillimetres);
    EXPECT_EQ(w.settings.unitsGranularity, kGranularityCoarse);
    EXPECT_EQ(w.settings.calcType, kCalcTwelfthRoot);
    EXPECT_EQ(w.settings.scaleLen, 0);
    EXPECT_EQ(w.settings.nFrets, 0);
    EXPECT_TRUE(w.optMetric->isChecked() && w.optMeasCoarse->isChecked() &&
                w.optCalcMeth12Root->isChecked());
    EXPECT_FALSE(w.optEnglish->isChecked() || w.optMeasFine->isChecked() ||
                 w.optCalcMethRule18->isChecked());
    EXPECT_TRUE(w.mnuPreferencesMillimeters->isChecked() && w.mnuPreferencesCoarse->isChecked() &&
                w.mnu12Root2->isChecked());
    EXPECT_FALSE(w.mnuPreferencesInches->isChecked() || w.mnuPreferencesFine->isChecked() ||
                 w.mnuPrefFactCommon->isChecked() || w.mnuPrefFactDervin->isChecked() ||
                 w.mnuPrefFactPrimitive->isChecked());
    EXPECT_EQ(w.cboScaleLen->currentText(), "");
    EXPECT_EQ(w.numFretsBox->text(), "");
    EXPECT_EQ(w.txtFretChart->toPlainText(), "");
    ASSERT_EQ(w.cboScaleLen->count(), 14);
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(w.cboScaleLen->itemText(i).toStdString(), scaleLenPresets[i].text);
    }
    EXPECT_EQ(w.settings.chartFontSize, 14);
    EXPECT_EQ(w.settings.lineWidthHorz, 4);
    // The chart box fills the client area from its top to the fixed margin above the bottom.
    const QWidget* client = w.centralWidget();
    EXPECT_NEAR(pixelsToTwipsY(w, client->height()), 5040, 15);
    EXPECT_EQ(w.txtFretChart->geometry().bottom() + 1, client->height() - twipsToPixelsY(w, 105));
    EXPECT_EQ(w.txtFretChart->width(), twipsToPixelsX(w, 5655));
}

TEST_F(WindowTest, MenusAndCaptionsAreExact) {
    Varnel& w = *window;
    const auto texts = [](const QMenu* menu) {
        QStringList out;
        for (const QAction* a : menu->actions()) out << (a->isSeparator() ? "-" : a->text());
        return out;
    };
    QStringList bar;
    for (const QAction* a : w.menuBar()->actions()) bar << a->text();
    EXPECT_EQ(bar, QStringList({"&File", "&Preferences", "&Help"}));
    EXPECT_EQ(texts(w.mnuFile),
              QStringList({"&Retrieve Fretboard Configuration", "&Save Fretboard Configuration",
                           "-", "&Print...", "-", "E&xit"}));
    EXPECT_EQ(texts(w.mnuFilePrint), QStringList({"&Quick Form Print", "&Chart", "&Template"}));
    EXPECT_EQ(
        texts(w.mnuPreferences),
        QStringList({"&Millimeters", "&Inches", "-", "&Half", "&Tenth", "-", "Set &Print Options",
                     "-", "&Calculation Method", "-", "&Save Current Preferences as default",
                     "Reload Preferences from &Defaults"}));
    EXPECT_EQ(texts(w.mnuPreferencesFactor),
              QStringList({"&Non-cumulative (12th root of 2)", "-", "&Common", "&Dervin",
                           "&Primitive", "-", "E&xplain"}));
    EXPECT_EQ(texts(w.mnuHelp), QStringList({"View &ReadMe file", "-", "&About..."}));
    const std::pair<const char*, const char*> captions[] = {
        {"cmdPrintChart", "&Print Chart"},       {"cmdDisplay", "Verify"},
        {"cmdPrintTemplate", "Print &Template"}, {"cmdExit", "E&xit"},
        {"butCalculate", "&Display Chart"},
    };
    for (const auto& [name, caption] : captions) {
        auto* button = w.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), caption);
    }
    EXPECT_EQ(w.findChild<QLabel*>("labNumFrets")->text(), "Number of Frets");
    EXPECT_EQ(w.findChild<QLabel*>("labScaleLen")->text(), "Scale Length");
    EXPECT_EQ(w.findChild<QLabel*>("lblFretTable")->text(), "Fret Spacing Chart");
    EXPECT_EQ(w.findChild<QGroupBox*>("frmCalcMeth")->title(), "Calculation Method");
    EXPECT_EQ(w.findChild<QGroupBox*>("grpPrecision")->title(), "Precision");
    EXPECT_EQ(w.findChild<QGroupBox*>("grpMeasSystem")->title(), "Measure Units");
    EXPECT_EQ(w.findChild<QAction*>("mnuPrefrencesLineWidth"), w.mnuPrefrencesLineWidth);
    EXPECT_EQ(w.numFretsBox->accessibleName(), "Number of Frets");
    EXPECT_EQ(w.cboScaleLen->accessibleName(), "Scale Length");
    EXPECT_EQ(w.txtFretChart->accessibleName(), "Fret Spacing Chart");
}

TEST_F(WindowTest, TabOrderFollowsTheDesign) {
    Varnel& w = *window;
    const QList<QWidget*> expected = {w.numFretsBox,       w.cboScaleLen,      w.butCalculate,
                                      w.cmdExit,           w.txtFretChart,     w.cmdPrintTemplate,
                                      w.optMeasCoarse,     w.optMeasFine,      w.optMetric,
                                      w.optEnglish,        w.cmdDisplay,       w.cmdPrintChart,
                                      w.optCalcMeth12Root, w.optCalcMethRule18};
    QWidget* at = w.numFretsBox;
    for (qsizetype i = 1; i < expected.size(); ++i) {
        at = at->nextInFocusChain();
        while (at && at->focusPolicy() == Qt::NoFocus) at = at->nextInFocusChain();
        // The editable box's own line edit sits inside it in the chain.
        while (at && expected[i - 1]->isAncestorOf(at)) at = at->nextInFocusChain();
        ASSERT_EQ(at, expected[i]) << i;
    }
}

TEST_F(WindowTest, VerifyShowsTheValuesAsTaken) {
    QTest::mouseClick(window->cmdDisplay, Qt::LeftButton);
    EXPECT_EQ(messages.take(), std::vector<std::string>{"Number of frets: 0  Scale Length: 0 mm"});
    typeInto(window->numFretsBox, "22");
    chooseScaleLen(0);
    QTest::mouseClick(window->cmdDisplay, Qt::LeftButton);
    EXPECT_EQ(messages.take(),
              std::vector<std::string>{"Number of frets: 22  Scale Length: 647.7 mm"});
}

TEST_F(WindowTest, PresetFollowsTheUnitsWhileTypedNumbersStay) {
    Varnel& w = *window;
    w.mnuPreferencesInches->trigger();
    chooseScaleLen(10);  // "Bass 34""
    leaveScaleLen();
    EXPECT_EQ(w.settings.scaleLen, 34);
    QTest::mouseClick(w.optMetric, Qt::LeftButton);
    EXPECT_EQ(w.settings.scaleLen, 34 * 25.4);
    EXPECT_EQ(w.cboScaleLen->currentIndex(), 10);

    w.cboScaleLen->lineEdit()->selectAll();
    typeInto(w.cboScaleLen->lineEdit(), "650");
    leaveScaleLen();
    EXPECT_EQ(w.settings.scaleLen, 650);
    w.optEnglish->click();
    EXPECT_EQ(w.settings.scaleLen, 650);

    // A preset's text edited by hand is free text: "25.5"" reads as no number at all.
    chooseScaleLen(0);
    w.cboScaleLen->lineEdit()->selectAll();
    typeInto(w.cboScaleLen->lineEdit(), "25.5\"");
    leaveScaleLen();
    EXPECT_EQ(w.settings.scaleLen, 0);
    QTest::mouseClick(w.butCalculate, Qt::LeftButton);
    EXPECT_EQ(messages.take(), std::vector<std::string>{std::string(kCheckInputsMessage)});
}

TEST_F(WindowTest, ScaleLengthIsTakenOnlyWhenTheFocusMovesOnOrACommandRuns) {
    Varnel& w = *window;
    typeInto(w.numFretsBox, "12");
    typeInto(w.cboScaleLen->lineEdit(), "650");
    EXPECT_EQ(w.settings.scaleLen, 0);
    // A menu command does not move the focus, yet calculates with what the box shows.
    w.mnuFilePrintChart->trigger();
    EXPECT_EQ(w.settings.scaleLen, 650);
    typeInto(w.cboScaleLen->lineEdit(), "0");
    EXPECT_EQ(w.settings.scaleLen, 650);
    // Alt+D presses "Display Chart" without moving the focus.
    QTest::keyClick(w.windowHandle(), Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(!chart().empty());
    EXPECT_EQ(w.settings.scaleLen, 6500);
    EXPECT_NE(chart().find("Scale Length: 6500.0 mm"), std::string::npos);
    EXPECT_TRUE(w.cboScaleLen->hasFocus() || w.cboScaleLen->lineEdit()->hasFocus());
}

// Typed numbers are never completed into a preset's text ("25" is not "25"").
TEST_F(WindowTest, TypedNumbersAreNotCompletedIntoPresets) {
    Varnel& w = *window;
    for (const char* typed : {"25", "12", "1"}) {
        w.cboScaleLen->lineEdit()->clear();
        typeInto(w.cboScaleLen->lineEdit(), typed);
        leaveScaleLen();
        EXPECT_EQ(w.cboScaleLen->currentText(), typed);
        EXPECT_EQ(w.settings.scaleLen, std::stod(typed));
    }
}

TEST_F(WindowTest, FretCountFollowsEveryEditAndRefusesWhatCannotBeCounted) {
    Varnel& w = *window;
    typeInto(w.numFretsBox, "2");
    EXPECT_EQ(w.settings.nFrets, 2);
    QTest::keyClick(w.numFretsBox, Qt::Key_Backspace);
    EXPECT_EQ(w.settings.nFrets, 2);
    typeInto(w.numFretsBox, "12.5");
    EXPECT_EQ(w.settings.nFrets, 12);
    w.numFretsBox->clear();
    typeInto(w.numFretsBox, "13.5");
    EXPECT_EQ(w.settings.nFrets, 14);
    w.numFretsBox->clear();
    typeInto(w.numFretsBox, "327669");  // the last keystroke would pass 32766
    EXPECT_EQ(w.numFretsBox->text(), "32766");
    EXPECT_EQ(w.settings.nFrets, 32766);
    w.numFretsBox->setText("22");  // from code too
    EXPECT_EQ(w.settings.nFrets, 22);
}

TEST_F(WindowTest, DisplayChartShowsTheChartOrTheMessage) {
    Varnel& w = *window;
    w.txtFretChart->setPlainText("old");
    QTest::mouseClick(w.butCalculate, Qt::LeftButton);
    EXPECT_EQ(messages.take(), std::vector<std::string>{std::string(kCheckInputsMessage)});
    EXPECT_EQ(chart(), "old");

    typeInto(w.numFretsBox, "3");
    w.optEnglish->click();
    chooseScaleLen(0);
    QTest::mouseClick(w.butCalculate, Qt::LeftButton);
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(chart(), test::kFender3FretsCoarseInches);
    // Switching units shows nothing new until the next "Display Chart".
    w.optMetric->click();
    w.optMeasFine->click();
    EXPECT_NE(chart().find("In."), std::string::npos);
    QTest::mouseClick(w.butCalculate, Qt::LeftButton);
    EXPECT_EQ(chart().substr(0, 24), "Scale Length: 647.7 mm\r\n");
}

TEST_F(WindowTest, ShowsTheLongestChart) {
    Varnel& w = *window;
    typeInto(w.numFretsBox, "32766");
    chooseScaleLen(0);
    QTest::mouseClick(w.butCalculate, Qt::LeftButton);
    EXPECT_EQ(w.positions.count(), 32766);
    EXPECT_EQ(w.txtFretChart->lineCount(), 4 + 32766);
    EXPECT_EQ(w.txtFretChart->line(4 + 32765).left(11), "      32766");
    EXPECT_EQ(chart().size(), chart().find("=====") + 40 + 32766u * 42);
}

TEST_F(WindowTest, ChartRowsCanBeSelectedAndCopied) {
    Varnel& w = *window;
    typeInto(w.numFretsBox, "3");
    chooseScaleLen(0);
    QTest::mouseClick(w.butCalculate, Qt::LeftButton);
    w.txtFretChart->setFocus();
    w.txtFretChart->selectAll();
    QTest::keyClick(w.txtFretChart, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), chart());
}

TEST_F(WindowTest, MethodHandlersKeepRecordChecksAndButtonsInStep) {
    Varnel& w = *window;
    w.mnuPrefFactDervin->trigger();
    EXPECT_EQ(w.settings.calcType, kCalcRule18);
    EXPECT_EQ(w.settings.calcFact, 0.0560695);
    EXPECT_TRUE(w.mnuPrefFactDervin->isChecked());
    EXPECT_FALSE(w.mnu12Root2->isChecked());
    EXPECT_TRUE(w.optCalcMethRule18->isChecked());

    QTest::mouseClick(w.optCalcMethRule18, Qt::LeftButton);
    EXPECT_EQ(w.settings.calcFact, 0.0561256);
    EXPECT_TRUE(w.mnuPrefFactCommon->isChecked());
    EXPECT_FALSE(w.mnuPrefFactDervin->isChecked());

    w.mnuPrefFactPrimitive->trigger();
    w.optCalcMeth12Root->click();
    EXPECT_EQ(w.settings.calcType, kCalcTwelfthRoot);
    EXPECT_EQ(w.settings.calcFact, 0.0555555);
    EXPECT_TRUE(w.mnu12Root2->isChecked());
    EXPECT_FALSE(w.mnuPrefFactPrimitive->isChecked() || w.mnuPrefFactCommon->isChecked());
    EXPECT_TRUE(w.optCalcMeth12Root->isChecked());
    EXPECT_FALSE(w.optCalcMethRule18->isChecked());

    // Triggering a checked item again leaves it checked.
    w.mnu12Root2->trigger();
    EXPECT_TRUE(w.mnu12Root2->isChecked());

    const FretboardSettings before = w.settings;
    w.mnuPrefFactExplain->trigger();
    EXPECT_EQ(messages.take(), std::vector<std::string>{explainText()});
    EXPECT_EQ(w.settings.calcFact, before.calcFact);
    EXPECT_EQ(w.settings.calcType, before.calcType);
}

TEST_F(WindowTest, UnitAndPrecisionSwitchesRelabelAndCheck) {
    Varnel& w = *window;
    w.mnuPreferencesInches->trigger();
    EXPECT_EQ(w.settings.unitsType, kUnitsInches);
    EXPECT_TRUE(w.optEnglish->isChecked());
    EXPECT_FALSE(w.optMetric->isChecked());
    EXPECT_EQ(w.optMeasCoarse->text(), "1/64th In.");
    EXPECT_EQ(w.optMeasFine->text(), "0.01 In.");
    EXPECT_EQ(w.mnuPreferencesCoarse->text(), "&Sixty Fourth");
    EXPECT_EQ(w.mnuPreferencesFine->text(), "One &Hundredth");
    EXPECT_TRUE(w.mnuPreferencesInches->isChecked());
    EXPECT_FALSE(w.mnuPreferencesMillimeters->isChecked());
    EXPECT_EQ(w.settings.unitsGranularity, kGranularityCoarse);  // coarse stays coarse

    w.mnuPreferencesFine->trigger();
    EXPECT_EQ(w.settings.unitsGranularity, kGranularityFine);
    EXPECT_TRUE(w.optMeasFine->isChecked() && w.mnuPreferencesFine->isChecked());
    EXPECT_FALSE(w.optMeasCoarse->isChecked() || w.mnuPreferencesCoarse->isChecked());

    QTest::mouseClick(w.optMetric, Qt::LeftButton);
    EXPECT_EQ(w.optMeasCoarse->text(), "0.5 mm");
    EXPECT_EQ(w.optMeasFine->text(), "0.1 mm");
    EXPECT_EQ(w.mnuPreferencesCoarse->text(), "&Half");
    EXPECT_EQ(w.mnuPreferencesFine->text(), "&Tenth");
    EXPECT_TRUE(w.mnuPreferencesMillimeters->isChecked());
    EXPECT_EQ(w.settings.unitsGranularity, kGranularityFine);

    // Choosing the active unit again re-reads the scale length from the box.
    chooseScaleLen(0);
    w.settings.scaleLen = 1;
    w.mnuPreferencesMillimeters->trigger();
    EXPECT_EQ(w.settings.scaleLen, scaleLenPresets[0].millimetres);
    EXPECT_TRUE(w.mnuPreferencesMillimeters->isChecked());
    w.mnuPreferencesCoarse->trigger();
    EXPECT_TRUE(w.optMeasCoarse->isChecked());
}

TEST_F(WindowTest, DefaultPreferencesSaveAndReload) {
    Varnel& w = *window;
    w.mnuPrefFactDervin->trigger();
    w.settings.vTemplateSpace = 2.54f;
    w.settings.chartFontSize = 11;
    w.mnuPreferencesSetDefault->trigger();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(temp.store().getSetting("Base", "scaleLen", "none"), "none");
    w.settings.calcFact = 0.1;
    w.settings.chartFontSize = 20;
    w.settings.vTemplateSpace = 9;
    w.mnuPreferencesReloadDefault->trigger();
    EXPECT_EQ(w.settings.calcFact, 0.0560695);
    EXPECT_EQ(w.settings.chartFontSize, 11);
    EXPECT_EQ(w.settings.vTemplateSpace, 2.54f);
    EXPECT_EQ(w.settings.calcType, kCalcRule18);  // Reload leaves the method alone

    open();  // the next start reads the factor but always starts with the twelfth root
    EXPECT_EQ(window->settings.calcFact, 0.0560695);
    EXPECT_EQ(window->settings.calcType, kCalcTwelfthRoot);
    EXPECT_EQ(window->settings.chartFontSize, 11);
}

TEST_F(WindowTest, ExitRemembersTheHeightAndTheCloseBoxDoesNot) {
    const int designHeight = window->height();
    window->resize(window->width(), designHeight + 96);
    window->mnuFileExit->trigger();
    EXPECT_FALSE(window->isVisible());
    const QString stored = temp.store().getSetting("Base", "WindowHeight", "");
    EXPECT_EQ(stored.toDouble(), pixelsToTwipsY(*window, designHeight + 96));

    open();
    EXPECT_EQ(window->height(), designHeight + 96);
    const int chartBefore = window->txtFretChart->height();
    window->resize(window->width(), designHeight + 200);
    EXPECT_EQ(window->txtFretChart->height(), chartBefore + 104);
    window->close();
    EXPECT_EQ(temp.store().getSetting("Base", "WindowHeight", ""), stored);

    open();
    EXPECT_EQ(window->height(), designHeight + 96);
    QTest::mouseClick(window->cmdExit, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, UnusableStoredHeightsKeepTheDesignHeight) {
    const int designHeight = window->height();
    for (const char* text : {"tall", "40000", "-5", "10", ""}) {
        temp.store().saveSetting("Base", "WindowHeight", text);
        open();
        EXPECT_EQ(window->height(), designHeight) << text;
    }
}

TEST_F(WindowTest, ShortWindowLeavesAnEmptyChartBoxNeverANegativeOne) {
    Varnel& w = *window;
    w.resize(w.width(), w.minimumHeight());
    EXPECT_GE(w.txtFretChart->height(), 0);
    EXPECT_FALSE(w.txtFretChart->isVisible());
    const int width = w.txtFretChart->width();
    w.resize(w.width() + 50, w.height() + 400);
    EXPECT_TRUE(w.txtFretChart->isVisible());
    EXPECT_EQ(w.txtFretChart->width(), width);  // only the height follows the window
}

}  // namespace
}  // namespace varnel
