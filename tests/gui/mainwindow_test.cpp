#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "core/input.h"
#include "gui/twips.h"
#include "modelstate.h"
#include "uitest.h"

namespace varnel {
namespace {

using test::WindowTest;

QStringList menuTexts(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions()) out << (a->isSeparator() ? "-" : a->text());
    return out;
}

TEST_F(WindowTest, StartsInTheDesignedStateWithExactCaptions) {
    Varnel& w = *window;
    EXPECT_EQ(w.windowTitle(), "Fret Calculator/Template Printer");
    EXPECT_EQ(settings().scaleLen, 0);
    EXPECT_EQ(settings().nFrets, 0);
    QStringList bar;
    for (const QAction* a : w.menuBar()->actions()) bar << a->text();
    EXPECT_EQ(bar, QStringList({"&File", "&Preferences", "T&ools", "&Help"}));
    EXPECT_EQ(
        menuTexts(find<QMenu>("mnuFile")),
        QStringList({"&Retrieve Fretboard Configuration", "&Save Fretboard Configuration", "-",
                     "Printer Set&up...", "Print Pre&view", "&Print...", "&Export", "-", "E&xit"}));
    EXPECT_EQ(menuTexts(find<QMenu>("mnuFileExport")),
              QStringList({"Template as &SVG...", "Template as &DXF...", "Template as &PDF...",
                           "Chart as &CSV...", "Chart as PD&F...", "Chart as &Text..."}));
    EXPECT_EQ(menuTexts(find<QMenu>("mnuFilePrint")),
              QStringList({"&Quick Form Print", "&Chart", "&Template", "Ca&libration Page"}));
    EXPECT_EQ(menuTexts(find<QMenu>("mnuFilePreview")), QStringList({"&Chart", "&Template"}));
    EXPECT_EQ(
        menuTexts(find<QMenu>("mnuPreferences")),
        QStringList({"&Millimeters", "&Inches", "-", "&Half", "&Tenth", "-", "Set &Print Options",
                     "Printer Scale Cali&bration...", "-", "&Calculation Method", "-",
                     "&Save Current Preferences as default", "Reload Preferences from &Defaults"}));
    EXPECT_EQ(menuTexts(find<QMenu>("mnuPreferencesFactor")),
              QStringList({"&Non-cumulative (12th root of 2)", "-", "&Common", "&Dervin",
                           "&Primitive", "-", "E&xplain"}));
    EXPECT_EQ(menuTexts(find<QMenu>("mnuHelp")),
              QStringList({"View &ReadMe file", "-", "&About..."}));
    const std::pair<const char*, const char*> captions[] = {
        {"cmdPrintChart", "&Print Chart"},
        {"cmdDisplay", "Verify"},
        {"cmdPrintTemplate", "Print &Template"},
        {"cmdExit", "E&xit"},
        {"butCalculate", "&Display Chart"},
        {"optCalcMethRule18", "Rule of 18ths"},
        {"optCalcMeth12Root", "12th Root"},
        {"optMetric", "Millimeters"},
        {"optEnglish", "Inches"},
        {"optMeasCoarse", "0.5 mm"},
        {"optMeasFine", "0.1 mm"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(find<QAbstractButton>(name)->text(), caption);
    }
    EXPECT_EQ(find<QLabel>("labNumFrets")->text(), "Number of Frets");
    EXPECT_EQ(find<QLabel>("labScaleLen")->text(), "Scale Length");
    EXPECT_EQ(find<QLabel>("lblFretTable")->text(), "Fret Spacing Chart");
    EXPECT_EQ(find<QGroupBox>("frmCalcMeth")->title(), "Calculation Method");
    EXPECT_EQ(find<QGroupBox>("grpPrecision")->title(), "Precision");
    EXPECT_EQ(find<QGroupBox>("grpMeasSystem")->title(), "Measure Units");
    EXPECT_EQ(fretsBox()->accessibleName(), "Number of Frets");
    EXPECT_EQ(chartBox()->accessibleName(), "Fret Spacing Chart");
    EXPECT_EQ(scaleBox()->currentText(), "");
    EXPECT_EQ(fretsBox()->text(), "");
    EXPECT_EQ(chart(), "");
    ASSERT_EQ(scaleBox()->count(), 14);
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(scaleBox()->itemText(i).toStdString(), scaleLenPresets[i].text);
    }
    // The chart box fills the client area from its top to the fixed margin above the bottom.
    const QWidget* client = w.centralWidget();
    EXPECT_NEAR(pixelsToTwipsY(w, client->height()), 5040, 15);
    EXPECT_EQ(chartBox()->geometry().bottom() + 1, client->height() - twipsToPixelsY(w, 105));
    EXPECT_EQ(chartBox()->width(), twipsToPixelsX(w, 5655));
}

// However a choice is made (mouse, keyboard, accessibility action, menu), the model takes it,
// and every option button, check mark and caption shows what the model holds.
TEST_F(WindowTest, EveryWayOfChoosingReachesTheModelAndEveryViewAgrees) {
    enum Way { Click, SpaceKey, AccessibleToggle, Menu };
    const auto choose = [this](const char* name, Way way) {
        if (!name) return;
        if (way == Menu) return item(name)->trigger();
        if (way == Click) return click(name);
        if (way == SpaceKey)
            return find(name)->setFocus(), QTest::keyClick(find(name), Qt::Key_Space);
        QAccessible::queryAccessibleInterface(find(name))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
    };
    const struct {
        const char* name;
        Way way;
        const char* state;
    } steps[] = {
        {nullptr, Click, "root 0.0561256 - mm coarse 0"},  // as the window starts
        {"optEnglish", AccessibleToggle, "root 0.0561256 - in coarse 0"},
        {"mnuPreferencesFine", Menu, "root 0.0561256 - in fine 0"},
        {"optMeasCoarse", AccessibleToggle, "root 0.0561256 - in coarse 0"},
        {"optMeasFine", SpaceKey, "root 0.0561256 - in fine 0"},
        {"optCalcMethRule18", AccessibleToggle, "rule18 0.0561256 C in fine 0"},
        {"mnuPrefFactDervin", Menu, "rule18 0.0560695 D in fine 0"},
        // A click on the option already selected still chooses the rule's Common factor.
        {"optCalcMethRule18", Click, "rule18 0.0561256 C in fine 0"},
        {"optCalcMeth12Root", SpaceKey, "root 0.0561256 - in fine 0"},
        {"mnuPrefFactPrimitive", Menu, "rule18 0.0555555 P in fine 0"},
        {"optMetric", Click, "rule18 0.0555555 P mm fine 0"},
        {"mnuPreferencesInches", Menu, "rule18 0.0555555 P in fine 0"},
        {"mnuPreferencesInches", Menu, "rule18 0.0555555 P in fine 0"},
        {"mnu12Root2", Menu, "root 0.0555555 - in fine 0"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name ? step.name : "start");
        choose(step.name, step.way);
        const WindowModel& m = window->model();
        ASSERT_EQ(test::describe(m), step.state);
        const std::pair<const char*, bool> views[] = {
            {"optEnglish", m.inches()},
            {"optMetric", !m.inches()},
            {"optMeasCoarse", m.coarse()},
            {"optMeasFine", !m.coarse()},
            {"optCalcMethRule18", m.ruleOf18ths()},
            {"optCalcMeth12Root", !m.ruleOf18ths()},
            {"mnuPreferencesInches", m.inches()},
            {"mnuPreferencesMillimeters", !m.inches()},
            {"mnuPreferencesCoarse", m.coarse()},
            {"mnuPreferencesFine", !m.coarse()},
            {"mnu12Root2", !m.ruleOf18ths()},
            {"mnuPrefFactCommon", m.checkedFactor() == Factor::Common},
            {"mnuPrefFactDervin", m.checkedFactor() == Factor::Dervin},
            {"mnuPrefFactPrimitive", m.checkedFactor() == Factor::Primitive},
        };
        for (const auto& [name, on] : views) {
            const bool checked =
                name[0] == 'o' ? find<QRadioButton>(name)->isChecked() : item(name)->isChecked();
            EXPECT_EQ(checked, on) << name;
        }
        EXPECT_EQ(find<QRadioButton>("optMeasCoarse")->text().toStdString(), m.coarseCaption());
        EXPECT_EQ(item("mnuPreferencesFine")->text().toStdString(), m.fineMenuCaption());
    }
}

TEST_F(WindowTest, ReloadMovesTheFactorCheckMarkToTheFactorInUse) {
    click("optCalcMethRule18");
    temp.store().saveSetting("Base", "calcFact", "0.0560695");
    item("mnuPreferencesReloadDefault")->trigger();
    EXPECT_EQ(settings().calcFact, kFactorDervin);
    EXPECT_TRUE(item("mnuPrefFactDervin")->isChecked());
    EXPECT_FALSE(item("mnuPrefFactCommon")->isChecked());
}

TEST_F(WindowTest, ScaleLengthIsTakenOnlyWhenTheFocusMovesOnOrACommandRuns) {
    typeInto(fretsBox(), "12");
    typeInto(scaleBox()->lineEdit(), "650");
    EXPECT_EQ(settings().scaleLen, 0);
    // A menu command does not move the focus, yet calculates with what the box shows.
    item("mnuFilePrintChart")->trigger();
    EXPECT_EQ(settings().scaleLen, 650);
    typeInto(scaleBox()->lineEdit(), "0");
    EXPECT_EQ(settings().scaleLen, 650);
    // Alt+D presses "Display Chart" without moving the focus.
    QTest::keyClick(window->windowHandle(), Qt::Key_D, Qt::AltModifier);
    EXPECT_EVENTUALLY(!chart().empty());
    EXPECT_EQ(settings().scaleLen, 6500);
    EXPECT_NE(chart().find("Scale Length: 6500.0 mm"), std::string::npos);
    EXPECT_TRUE(scaleBox()->hasFocus() || scaleBox()->lineEdit()->hasFocus());
    leaveScaleLen();
    // A chosen preset is re-read in the new units when the units change.
    chooseScaleLen(10);
    click("optEnglish");
    EXPECT_EQ(settings().scaleLen, 34);
}

// Typed numbers are never completed into a preset's text ("25" is not "25"").
TEST_F(WindowTest, TypedNumbersAreNotCompletedIntoPresets) {
    for (const char* typed : {"25", "12", "1"}) {
        scaleBox()->lineEdit()->clear();
        typeInto(scaleBox()->lineEdit(), typed);
        leaveScaleLen();
        EXPECT_EQ(scaleBox()->currentText(), typed);
        EXPECT_EQ(settings().scaleLen, std::stod(typed));
    }
}

TEST_F(WindowTest, FretCountBoxRefusesWhatCannotBeCounted) {
    typeInto(fretsBox(), "327669");  // the last keystroke would pass 32766
    EXPECT_EQ(fretsBox()->text(), "32766");
    EXPECT_EQ(settings().nFrets, 32766);
    fretsBox()->setText("22");  // from code too
    EXPECT_EQ(settings().nFrets, 22);
}

TEST_F(WindowTest, ShowsTheLongestChartAndCopiesItsRows) {
    typeInto(fretsBox(), "32766");
    chooseScaleLen(0);
    click("butCalculate");
    EXPECT_EQ(chartBox()->lineCount(), 4 + 32766);
    EXPECT_EQ(chartBox()->line(4 + 32765).left(11), "      32766");
    EXPECT_EQ(chart().size(), chart().find("=====") + 40 + 32766u * 42);

    fretsBox()->setText("3");
    click("butCalculate");
    chartBox()->setFocus();
    chartBox()->selectAll();
    QTest::keyClick(chartBox(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), chart());
    EXPECT_EQ(chartBox()->lineCount(), 4 + 3);
    // Selected rows stay readable: their text in the selection's text colour on its background.
    // Where the glyphs lie is read from the same row unselected, and they are drawn without
    // smoothing, so that whichever face the machine maps the chart's font to, a glyph's pixels
    // are the text colour itself.
    QFont solid = chartBox()->font();
    solid.setStyleStrategy(QFont::NoAntialias);
    chartBox()->setFont(solid);
    const QRect row = chartBox()->visualRect(chartBox()->model()->index(0, 0));
    const QImage selected = chartBox()->viewport()->grab().toImage();
    chartBox()->clearSelection();
    const QImage plain = chartBox()->viewport()->grab().toImage();
    const QPalette& palette = chartBox()->palette();
    const auto is = [&palette](const QColor& c, QPalette::ColorRole role) {
        const QColor to = palette.color(QPalette::Active, role);
        return std::abs(c.red() - to.red()) + std::abs(c.green() - to.green()) +
                   std::abs(c.blue() - to.blue()) <
               60;
    };
    int glyph = 0, glyphInSelectionText = 0, background = 0;
    for (int y = row.top(); y <= row.bottom(); ++y) {
        for (int x = row.left(); x <= row.right(); ++x) {
            const bool inGlyph = is(plain.pixelColor(x, y), QPalette::Text);
            glyph += inGlyph;
            glyphInSelectionText +=
                inGlyph && is(selected.pixelColor(x, y), QPalette::HighlightedText);
            background += !inGlyph && is(selected.pixelColor(x, y), QPalette::Highlight);
        }
    }
    EXPECT_GT(glyph, 10);
    EXPECT_GT(glyphInSelectionText, glyph * 9 / 10);
    EXPECT_GT(background, glyph);
}

TEST_F(WindowTest, ExitRemembersTheHeightAndTheCloseBoxDoesNot) {
    const int designHeight = window->height();
    window->resize(window->width(), designHeight + 96);
    item("mnuFileExit")->trigger();
    EXPECT_FALSE(window->isVisible());
    const QString stored = temp.store().getSetting("Base", "WindowHeight", "");
    EXPECT_EQ(stored.toDouble(), pixelsToTwipsY(*window, designHeight + 96));

    open();
    EXPECT_EQ(window->height(), designHeight + 96);
    const int chartBefore = chartBox()->height();
    window->resize(window->width(), designHeight + 200);
    EXPECT_EQ(chartBox()->height(), chartBefore + 104);
    window->close();
    EXPECT_EQ(temp.store().getSetting("Base", "WindowHeight", ""), stored);

    open();
    EXPECT_EQ(window->height(), designHeight + 96);
    click("cmdExit");
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
    EXPECT_GE(chartBox()->height(), 0);
    EXPECT_FALSE(chartBox()->isVisible());
    const int width = chartBox()->width();
    w.resize(w.width() + 50, w.height() + 400);
    EXPECT_TRUE(chartBox()->isVisible());
    EXPECT_EQ(chartBox()->width(), width);  // only the height follows the window
}

}  // namespace
}  // namespace varnel
