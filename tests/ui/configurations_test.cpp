#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "configdialogs.h"
#include "readmeviewer.h"
#include "twips.h"
#include "uitest.h"

namespace varnel {
namespace {

using test::WindowTest;

TEST_F(WindowTest, SavedConfigurationComesBackWithUnitsPrecisionAndChart) {
    Varnel& w = *window;
    typeInto(w.numFretsBox, "3");
    chooseScaleLen(0);
    w.optMeasFine->click();
    w.mnuFileSave->trigger();
    w.mnuFileSave->trigger();  // already open: nothing more
    ASSERT_EQ(w.findChildren<diaSaveConfig*>().size(), 1);
    diaSaveConfig* save = w.findChild<diaSaveConfig*>();
    test::typeText(save->cboFretConfig->lineEdit(), "Strat mm");
    save->OKButton_Click();

    w.mnuPreferencesInches->trigger();
    w.optMeasCoarse->click();
    w.numFretsBox->setText("22");
    chooseScaleLen(10);
    leaveScaleLen();
    ASSERT_EQ(w.settings.scaleLen, 34);

    w.mnuFileOpen->trigger();
    DiaOpenConfig* open = w.findChild<DiaOpenConfig*>();
    ASSERT_NE(open, nullptr);
    open->lstFretConfig->setCurrentRow(0);
    QTest::mouseClick(open->OKButton, Qt::LeftButton);
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(w.settings.unitsType, kUnitsMillimetres);
    EXPECT_EQ(w.settings.unitsGranularity, kGranularityFine);
    EXPECT_EQ(w.settings.nFrets, 3);
    // The unit switch re-reads the number the box now shows.
    EXPECT_EQ(w.settings.scaleLen, 647.7);
    EXPECT_EQ(w.numFretsBox->text(), "3");
    EXPECT_EQ(w.cboScaleLen->currentText(), "647.7");
    EXPECT_TRUE(w.optMetric->isChecked() && w.optMeasFine->isChecked());
    EXPECT_TRUE(w.mnuPreferencesMillimeters->isChecked() && w.mnuPreferencesFine->isChecked());
    EXPECT_EQ(w.optMeasFine->text(), "0.1 mm");

    QTest::mouseClick(w.butCalculate, Qt::LeftButton);
    EXPECT_EQ(chart().substr(0, 24), "Scale Length: 647.7 mm\r\n");
    EXPECT_NE(chart().find("          3        103.1          32.4  \r\n"), std::string::npos);
}

TEST_F(WindowTest, SaveTakesTheScaleLengthTheBoxShows) {
    Varnel& w = *window;
    typeInto(w.numFretsBox, "12");
    typeInto(w.cboScaleLen->lineEdit(), "650");
    w.mnuFileSave->trigger();  // a menu command: the focus never left the box
    diaSaveConfig* save = w.findChild<diaSaveConfig*>();
    ASSERT_NE(save, nullptr);
    test::typeText(save->cboFretConfig->lineEdit(), "Typed");
    save->OKButton_Click();
    EXPECT_EQ(temp.store().getSetting("Typed", "scaleLen", ""), "650");
}

TEST_F(WindowTest, ClosingTheWindowClosesItsDialogs) {
    window->mnuFileSave->trigger();
    window->mnuFileOpen->trigger();
    window->mnuPrefrencesLineWidth->trigger();
    window->close();
    QTRY_VERIFY(window->findChildren<QDialog*>().isEmpty());
}

class ReadMeTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->readMePath = dir.filePath("readme.txt");
    }
    void writeReadMe(const QByteArray& bytes) {
        QFile f(window->readMePath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    diaReadMe* viewer() { return window->findChild<diaReadMe*>(); }
    QTemporaryDir dir;
};

TEST_F(ReadMeTest, ShowsTheFileUnchanged) {
    const QByteArray text = "Varnel\r\n\r\nFrets: 12\xc2\xbd \xe2\x80\x94 Ünïcode\r\nlast line";
    writeReadMe(text);
    window->mnuHelpReadMe->trigger();
    ASSERT_NE(viewer(), nullptr);
    EXPECT_EQ(viewer()->windowTitle(), "Read Me File");
    EXPECT_EQ(
        viewer()->txtReadMe->toPlainText().toUtf8().replace("\n", "\r\n").replace("\r\r", "\r"),
        text);
    EXPECT_FALSE(viewer()->txtReadMe->isReadOnly());
    EXPECT_EQ(viewer()->focusWidget(), viewer()->OKButton);
    // Edits are never saved.
    viewer()->txtReadMe->setPlainText("changed");
    viewer()->close();
    QFile f(window->readMePath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), text);
}

TEST_F(ReadMeTest, RemembersItsHeightOnOkOnly) {
    writeReadMe("guide");
    window->mnuHelpReadMe->trigger();
    window->mnuHelpReadMe->trigger();  // already open: nothing more
    ASSERT_EQ(window->findChildren<diaReadMe*>().size(), 1);
    diaReadMe* v = viewer();
    EXPECT_NEAR(v->outerHeightTwips(), 4100, 15);
    EXPECT_EQ(v->txtReadMe->height(), twipsToPixelsY(*v, v->outerHeightTwips() - 1100));
    EXPECT_EQ(v->OKButton->y(), twipsToPixelsY(*v, v->outerHeightTwips() - 840));
    const int width = v->txtReadMe->width();
    v->resize(v->width(), v->height() + 150);
    EXPECT_EQ(v->txtReadMe->width(), width);
    const double tall = v->outerHeightTwips();
    QTest::mouseClick(v->OKButton, Qt::LeftButton);
    EXPECT_EQ(temp.store().getSetting("Base", "ReadMeHeight", "").toDouble(), tall);
    QTRY_VERIFY(viewer() == nullptr);

    window->mnuHelpReadMe->trigger();
    v = viewer();
    EXPECT_NEAR(v->outerHeightTwips(), tall, 15);
    v->resize(v->width(), v->height() + 300);
    v->close();  // the close box stores nothing
    EXPECT_EQ(temp.store().getSetting("Base", "ReadMeHeight", "").toDouble(), tall);
}

TEST_F(ReadMeTest, UnusableStoredHeightsGiveTheDefault) {
    writeReadMe("guide");
    for (const char* stored : {"abc", "1100", "99999", "-50"}) {
        temp.store().saveSetting("Base", "ReadMeHeight", stored);
        window->mnuHelpReadMe->trigger();
        ASSERT_NE(viewer(), nullptr);
        EXPECT_NEAR(viewer()->outerHeightTwips(), 4100, 15) << stored;
        viewer()->close();
        QTRY_VERIFY(viewer() == nullptr);
    }
}

TEST_F(ReadMeTest, MissingFileIsNamedAndNoViewerOpens) {
    window->mnuHelpReadMe->trigger();
    EXPECT_EQ(viewer(), nullptr);
    const auto said = messages.take();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find(window->readMePath.toStdString()), std::string::npos);
}

TEST_F(WindowTest, AboutShowsSixLines) {
    window->mnuHelpAbout->trigger();
    const auto said = messages.take();
    ASSERT_EQ(said.size(), 1u);
    const QStringList lines = QString::fromStdString(said[0]).split("\r\n");
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "Varnel v.1.01");
    EXPECT_EQ(lines[1], "Copyright (C) 2026 the Varnel developers");
    EXPECT_TRUE(lines[2].contains("MIT License"));
    EXPECT_TRUE(lines[5].contains("@"));
}

}  // namespace
}  // namespace varnel
