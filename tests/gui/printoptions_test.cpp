#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui/printoptionsdialog.h"
#include "testsupport.h"

namespace varnel {
namespace {

class PrintOptionsTest : public ::testing::Test {
  protected:
    void open() {
        dialog = new PrintOptionsDialog(record, messages);
        dialog->load();
        QApplication::setActiveWindow(dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    }
    void TearDown() override {
        if (dialog) dialog->close();
        QApplication::processEvents();
    }
    void retype(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    FretboardSettings record;
    test::RecordingMessageBox messages;
    QPointer<PrintOptionsDialog> dialog;
};

TEST_F(PrintOptionsTest, ShowsTheRecordAndWritesBackOnOkOnly) {
    record.hLinePos = kGuideCenter;
    record.templateLineHeight = 44.45f;
    record.printFretNumbers = false;
    open();
    EXPECT_EQ(dialog->windowTitle(), "Set Printer Options");
    EXPECT_EQ(dialog->txtVertLineWidth->text(), "1");
    EXPECT_EQ(dialog->txtHorzLineWidth->text(), "4");
    EXPECT_EQ(dialog->txtFontSize->text(), "14");
    EXPECT_EQ(dialog->txtVertLineLength->text(), "44.45");
    EXPECT_EQ(dialog->txtVertLineSpace->text(), "0");
    EXPECT_TRUE(dialog->optHorzPosCenter->isChecked());
    EXPECT_FALSE(dialog->chkPrintFretNum->isChecked());
    EXPECT_EQ(dialog->lblChart->text(), "Fret Spacing Chart Print Options ");

    retype(dialog->txtVertLineWidth, "2.5");
    EXPECT_EQ(dialog->lineWidthVert, 2);
    retype(dialog->txtVertLineWidth, "3.5");
    retype(dialog->txtFontSize, "abc");  // no number: the box's last number stays
    retype(dialog->txtHorzLineWidth, "99");
    QTest::mouseClick(dialog->optHorzPosBottom, Qt::LeftButton);
    QTest::mouseClick(dialog->chkPrintFretNum, Qt::LeftButton);
    EXPECT_EQ(record.lineWidthVert, 1);  // nothing written before OK
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(record.lineWidthVert, 4);
    EXPECT_EQ(record.chartFontSize, 14);
    EXPECT_EQ(record.lineWidthHorz, 99);
    EXPECT_EQ(record.hLinePos, kGuideBottom);
    EXPECT_TRUE(record.printFretNumbers);
    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
}

TEST_F(PrintOptionsTest, UnknownGuidePositionSelectsNoneAndIsKept) {
    record.hLinePos = 5;
    open();
    EXPECT_FALSE(dialog->optHorzPosTop->isChecked() || dialog->optHorzPosCenter->isChecked() ||
                 dialog->optHorzPosBottom->isChecked());
    dialog->OKButton_Click();
    EXPECT_EQ(record.hLinePos, 5);
}

TEST_F(PrintOptionsTest, CancelChangesNothing) {
    const FretboardSettings before = record;
    open();
    retype(dialog->txtVertLineWidth, "7");
    retype(dialog->txtVertLineLength, "30");
    QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
    EXPECT_EQ(record.lineWidthVert, before.lineWidthVert);
    EXPECT_EQ(record.templateLineHeight, before.templateLineHeight);
}

TEST_F(PrintOptionsTest, InchEntriesBecomeMillimetresOnceOnly) {
    record.unitsType = kUnitsInches;
    open();
    retype(dialog->txtVertLineLength, "1.75");
    EXPECT_NE(dialog->lblLineWidthHelp->text().indexOf("converted to millimeters"), -1);
    dialog->txtVertLineSpace->setFocus();  // leaving the box converts what was typed
    EXPECT_EQ(dialog->txtVertLineLength->text(), "44.45");
    EXPECT_EQ(dialog->templateLineHeight, 44.45f);
    EXPECT_EQ(dialog->lblLineWidthHelp->text(),
              "Enter spacing between template lines  This measurement will be converted to "
              "millimeters");
    // Passing through the box again without typing converts nothing.
    dialog->txtVertLineLength->setFocus();
    dialog->txtVertLineSpace->setFocus();
    EXPECT_EQ(dialog->txtVertLineLength->text(), "44.45");
    dialog->OKButton_Click();
    EXPECT_EQ(record.templateLineHeight, 44.45f);
}

// A length box emptied or holding no number is refused by name, with the focus on it; an emptied
// inch length is not its old value converted.
TEST_F(PrintOptionsTest, EmptyOrUnreadableBoxesAreRefusedByName) {
    record.unitsType = kUnitsInches;
    const struct {
        const char* box;
        const char* text;
        const char* message;
    } rows[] = {
        {"txtVertLineLength", "",
         "The Vertical Line Length is empty. Set the Vertical Line Length in Preferences, Set "
         "Print Options."},
        {"txtVertLineSpace", "25,4",
         "The Space between template lines \"25,4\" is not a number. Set the Space between "
         "template lines in Preferences, Set Print Options."},
    };
    for (const auto& row : rows) {
        open();
        auto* box = dialog->findChild<QLineEdit*>(row.box);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, row.text);
        dialog->OKButton->setFocus();
        EXPECT_EQ(box->text(), row.text);
        dialog->OKButton_Click();
        EXPECT_EQ(messages.take(), std::vector<std::string>{row.message});
        EXPECT_EQ(dialog->focusWidget(), box);
        EXPECT_EQ(record.templateLineHeight, 25);
        dialog->close();
    }
}

TEST_F(PrintOptionsTest, MillimetreEntriesStayAndHelpFollowsTheFocus) {
    open();
    retype(dialog->txtVertLineLength, "1.75");
    EXPECT_EQ(dialog->lblLineWidthHelp->text(),
              "Enter length for vertical lines on template.  This corresponds to the width "
              "dimension of the fretboard");
    dialog->txtVertLineWidth->setFocus();
    EXPECT_EQ(dialog->txtVertLineLength->text(), "1.75");
    EXPECT_EQ(dialog->lblLineWidthHelp->text(),
              "Enter line width for vertical\r\ntemplate lines (fret markers)\r\nin pixels");
    dialog->txtHorzLineWidth->setFocus();
    EXPECT_EQ(dialog->lblLineWidthHelp->text(),
              "Enter line width for horizontal\r\ntemplate lines (fretboard edge)\r\nin pixels");
    dialog->txtFontSize->setFocus();
    EXPECT_EQ(dialog->lblLineWidthHelp->text(), "Enter Font Size for printed fret chart");
    dialog->optHorzPosCenter->setFocus();
    EXPECT_EQ(dialog->lblLineWidthHelp->text(),
              "Select position of the guideline - top, center, or bottom of each line of "
              "template");
    dialog->OKButton->setFocus();
    EXPECT_EQ(dialog->lblLineWidthHelp->text(), "");
    dialog->OKButton_Click();
    EXPECT_EQ(record.templateLineHeight, 1.75f);
}

}  // namespace
}  // namespace varnel
