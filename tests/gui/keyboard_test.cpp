// Keyboard-first use: where the focus starts, where Tab and Shift+Tab take it, the Alt keys,
// and the names a screen reader announces.
#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include "gui/configdialogs.h"
#include "gui/printoptionsdialog.h"
#include "gui/readmeviewer.h"
#include "uitest.h"

namespace varnel {
namespace {

using test::WindowTest;

// The object name of the control with the focus; the scale-length box owns its text box.
QString focusName() {
    QWidget* w = QApplication::focusWidget();
    while (w && w->objectName().isEmpty()) w = w->parentWidget();
    return w ? w->objectName() : QString();
}

TEST_F(WindowTest, FocusStartsInTheFretCountAndTabFollowsTheDesignedOrder) {
    EXPECT_EQ(focusName(), "numFretsBox");
    // Option groups are entered at their selected option: Measure Units before Precision.
    const QStringList order = {"numFretsBox",   "cboScaleLen",       "butCalculate",
                               "cmdExit",       "txtFretChart",      "cmdPrintTemplate",
                               "optMetric",     "optMeasCoarse",     "cmdDisplay",
                               "cmdPrintChart", "optCalcMeth12Root", "numFretsBox"};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(focusName(), order[i]) << "Tab " << i;
    }
    for (qsizetype i = order.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        ASSERT_EQ(focusName(), order[i]) << "Shift+Tab " << i;
    }
    // With other options selected, Tab enters the groups at those.
    item("mnuPreferencesInches")->trigger();
    item("mnuPreferencesFine")->trigger();
    item("mnuPrefFactDervin")->trigger();
    find("cmdPrintTemplate")->setFocus();
    const QStringList selected = {"optEnglish", "optMeasFine", "cmdDisplay", "cmdPrintChart",
                                  "optCalcMethRule18"};
    for (const QString& name : selected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(focusName(), name);
    }
}

TEST_F(WindowTest, AltKeysWorkWhereverTheFocusIs) {
    typeInto(fretsBox(), "12");
    chooseScaleLen(0);
    find("txtFretChart")->setFocus();
    // Shortcuts reach the window through the event loop.
    QTest::keyClick(window->windowHandle(), Qt::Key_D, Qt::AltModifier);
    EXPECT_EVENTUALLY(!chart().empty());
    find("optMetric")->setFocus();
    QTest::keyClick(window->windowHandle(), Qt::Key_T, Qt::AltModifier);
    EXPECT_EVENTUALLY(printers.documents.size() == 1u);
    EXPECT_EQ(messages.take(), std::vector<std::string>{"Template printed"});
    // Alt+P opens the Preferences menu; the "&Print Chart" button keeps its caption only.
    for (const auto& [key, menu] : {std::pair{Qt::Key_F, "mnuFile"},
                                    {Qt::Key_P, "mnuPreferences"},
                                    {Qt::Key_O, "mnuTools"},
                                    {Qt::Key_H, "mnuHelp"}}) {
        QTest::keyClick(window->windowHandle(), key, Qt::AltModifier);
        EXPECT_EVENTUALLY(find<QMenu>(menu)->isVisible()) << menu;
        find<QMenu>(menu)->close();
    }
    EXPECT_EQ(printers.documents.size(), 1u);
    QTest::keyClick(window->windowHandle(), Qt::Key_X, Qt::AltModifier);
    EXPECT_EVENTUALLY(!window->isVisible());
}

// Within each menu an item's mnemonic letter is its own, so that the letter chooses it. The one
// clash the program's captions bring, S in Preferences with inches ("&Sixty Fourth" beside
// "&Save Current Preferences as default"), is the only one allowed.
TEST_F(WindowTest, MnemonicsAreUniqueInEveryMenu) {
    const auto clashes = [this] {
        QStringList found;
        QList<QWidget*> menus = {window->menuBar()};
        for (QMenu* m : window->findChildren<QMenu*>()) menus << m;
        static const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
        for (QWidget* menu : menus) {
            QSet<QChar> letters;
            for (const QAction* a : menu->actions()) {
                const auto match = mnemonic.match(a->text());
                if (!match.hasMatch()) continue;
                const QChar letter = match.captured(1).at(0).toUpper();
                if (letters.contains(letter)) found << menu->objectName() + ":" + letter;
                letters.insert(letter);
            }
        }
        return found;
    };
    EXPECT_EQ(clashes(), QStringList());
    item("mnuPreferencesInches")->trigger();
    EXPECT_EQ(clashes(), QStringList({"mnuPreferences:S"}));
}

TEST_F(WindowTest, EditableBoxesKeepTheirLabelAsAccessibleName) {
    typeInto(scaleBox()->lineEdit(), "648");
    QAccessibleInterface* scale = QAccessible::queryAccessibleInterface(scaleBox());
    EXPECT_EQ(scale->text(QAccessible::Name), "Scale Length");
    EXPECT_EQ(scale->text(QAccessible::Value), "648");
    EXPECT_EQ(scale->role(), QAccessible::ComboBox);

    item("mnuFileSave")->trigger();
    auto* save = window->findChild<SaveConfigDialog*>();
    ASSERT_NE(save, nullptr);
    test::typeText(save->nameBox->lineEdit(), "Strat");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(save->nameBox)->text(QAccessible::Name),
              "Fretboard Configuration Name");
}

TEST_F(WindowTest, DialogsOpenWithTheFocusOnTheirFirstControl) {
    const struct {
        const char* item;
        const char* dialog;
        const char* focus;
    } dialogs[] = {
        {"mnuFileSave", "diaSaveConfig", "cboFretConfig"},
        {"mnuFileOpen", "DiaOpenConfig", "OKButton"},
        {"mnuPrefrencesLineWidth", "diaTemplateLineWidth", "OKButton"},
    };
    for (const auto& d : dialogs) {
        item(d.item)->trigger();
        auto* dialog = find<QDialog>(d.dialog);
        ASSERT_NE(dialog, nullptr);
        QApplication::setActiveWindow(dialog);
        EXPECT_EVENTUALLY(focusName() == d.focus) << focusName().toStdString();
        dialog->close();
    }
}

}  // namespace
}  // namespace varnel
