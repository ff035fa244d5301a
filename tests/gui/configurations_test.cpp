#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <QTimer>
#include "examplecharts.h"
#include "gui/configdialogs.h"
#include "gui/qtmessagebox.h"
#include "gui/readmeviewer.h"
#include "gui/twips.h"
#include "uitest.h"

namespace varnel {
namespace {

using test::WindowTest;

TEST_F(WindowTest, SavedConfigurationComesBackWithUnitsPrecisionAndChart) {
    typeInto(fretsBox(), "3");
    chooseScaleLen(0);
    click("optMeasFine");
    item("mnuFileSave")->trigger();
    item("mnuFileSave")->trigger();  // already open: nothing more
    ASSERT_EQ(window->findChildren<SaveConfigDialog*>().size(), 1);
    SaveConfigDialog* save = window->findChild<SaveConfigDialog*>();
    test::typeText(save->nameBox->lineEdit(), "Strat mm");
    save->save();

    item("mnuPreferencesInches")->trigger();
    click("optMeasCoarse");
    fretsBox()->setText("22");
    chooseScaleLen(10);
    leaveScaleLen();
    ASSERT_EQ(settings().scaleLen, 34);

    item("mnuFileOpen")->trigger();
    RetrieveConfigDialog* open = window->findChild<RetrieveConfigDialog*>();
    ASSERT_NE(open, nullptr);
    open->nameList->setCurrentRow(0);
    QTest::mouseClick(open->retrieveButton, Qt::LeftButton);
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(fretsBox()->text(), "3");
    EXPECT_EQ(scaleBox()->currentText(), "647.7");
    EXPECT_TRUE(find<QRadioButton>("optMetric")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("optMeasFine")->isChecked());
    EXPECT_TRUE(item("mnuPreferencesFine")->isChecked());
    EXPECT_EQ(find<QRadioButton>("optMeasFine")->text(), "0.1 mm");

    click("butCalculate");
    EXPECT_EQ(chart(), test::kFender3FretsFineMillimetres);
}

// The Save dialog is modeless: typing into the main window, then pressing Save in the dialog
// that was open all along saves what the box shows, although its focus never moved on.
TEST_F(WindowTest, SavingFromTheOpenDialogTakesTheScaleLengthTheBoxShows) {
    typeInto(fretsBox(), "12");
    typeInto(scaleBox()->lineEdit(), "650");
    leaveScaleLen();
    item("mnuFileSave")->trigger();
    SaveConfigDialog* save = window->findChild<SaveConfigDialog*>();
    ASSERT_NE(save, nullptr);
    QApplication::setActiveWindow(window.get());
    scaleBox()->lineEdit()->selectAll();
    typeInto(scaleBox()->lineEdit(), "700");
    QApplication::setActiveWindow(save);
    QTest::mouseClick(save->nameBox->lineEdit(), Qt::LeftButton);
    test::typeText(save->nameBox->lineEdit(), "Typed");
    QTest::mouseClick(save->saveButton, Qt::LeftButton);
    EXPECT_EQ(temp.store().getSetting("Typed", "scaleLen", ""), "700");
}

// File > Export writes where the save-file dialog says, and nothing when it is cancelled.
TEST_F(WindowTest, ExportWritesTheChosenFile) {
    typeInto(fretsBox(), "3");
    chooseScaleLen(0);
    QTemporaryDir dir;
    QString offered;
    QString chosen = dir.filePath("strat.csv");
    window->setSaveFileChooser(
        [&](QWidget*, const QString& suggested, const QString& filter, QString*) {
            offered = suggested + " " + filter;
            return chosen;
        });
    item("mnuExportChartCsv")->trigger();
    EXPECT_EQ(offered, "fretboard-648mm-3.csv CSV table (*.csv)");
    EXPECT_TRUE(QFile::exists(chosen));
    chosen.clear();
    item("mnuExportTemplateSvg")->trigger();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"strat.csv"}));
    EXPECT_TRUE(messages.take().empty());
}

TEST_F(WindowTest, ClosingTheWindowClosesItsDialogs) {
    item("mnuFileSave")->trigger();
    item("mnuFileOpen")->trigger();
    item("mnuPrefrencesLineWidth")->trigger();
    window->close();
    EXPECT_EVENTUALLY(window->findChildren<QDialog*>().isEmpty());
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
    ReadMeViewer* viewer() { return window->findChild<ReadMeViewer*>(); }
    QTemporaryDir dir;
};

TEST_F(ReadMeTest, ShowsTheFileUnchanged) {
    const QByteArray text = "Varnel\r\n\r\nFrets: 12\xc2\xbd \xe2\x80\x94 Ünïcode\r\nlast line";
    writeReadMe(text);
    item("mnuHelpReadMe")->trigger();
    ASSERT_NE(viewer(), nullptr);
    EXPECT_EQ(viewer()->windowTitle(), "Read Me File");
    EXPECT_EQ(
        viewer()->guideText->toPlainText().toUtf8().replace("\n", "\r\n").replace("\r\r", "\r"),
        text);
    EXPECT_FALSE(viewer()->guideText->isReadOnly());
    EXPECT_EQ(viewer()->focusWidget(), viewer()->okButton);
    // Edits are never saved.
    viewer()->guideText->setPlainText("changed");
    viewer()->close();
    QFile f(window->readMePath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), text);
}

// The guide in the windows' language is the translation beside readme.txt, where there is one.
TEST_F(ReadMeTest, TheGuideInTheWindowsLanguage) {
    writeReadMe("guide");
    const QString german = dir.filePath("readme.de.txt");
    QFile f(german);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Anleitung");
    f.close();
    EXPECT_EQ(readMeIn(window->readMePath, "de"), german);
    EXPECT_EQ(readMeIn(window->readMePath, "fr"), window->readMePath);
    EXPECT_EQ(readMeIn(window->readMePath, ""), window->readMePath);
    EXPECT_EQ(readMeIn(dir.filePath("guide"), "de"), dir.filePath("guide"));
}

TEST_F(ReadMeTest, RemembersItsHeightOnOkOnly) {
    writeReadMe("guide");
    item("mnuHelpReadMe")->trigger();
    item("mnuHelpReadMe")->trigger();  // already open: nothing more
    ASSERT_EQ(window->findChildren<ReadMeViewer*>().size(), 1);
    ReadMeViewer* v = viewer();
    EXPECT_NEAR(v->outerHeightTwips(), 4100, 15);
    EXPECT_EQ(v->guideText->height(), twipsToPixelsY(*v, v->outerHeightTwips() - 1100));
    EXPECT_EQ(v->okButton->y(), twipsToPixelsY(*v, v->outerHeightTwips() - 840));
    const int width = v->guideText->width();
    v->resize(v->width(), v->height() + 150);
    EXPECT_EQ(v->guideText->width(), width);
    const double tall = v->outerHeightTwips();
    QTest::mouseClick(v->okButton, Qt::LeftButton);
    EXPECT_EQ(temp.store().getSetting("Base", "ReadMeHeight", "").toDouble(), tall);
    EXPECT_EVENTUALLY(viewer() == nullptr);

    item("mnuHelpReadMe")->trigger();
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
        item("mnuHelpReadMe")->trigger();
        ASSERT_NE(viewer(), nullptr);
        EXPECT_NEAR(viewer()->outerHeightTwips(), 4100, 15) << stored;
        viewer()->close();
        EXPECT_EVENTUALLY(viewer() == nullptr);
    }
}

TEST_F(ReadMeTest, MissingFileIsNamedAndNoViewerOpens) {
    item("mnuHelpReadMe")->trigger();
    EXPECT_EQ(viewer(), nullptr);
    const auto said = messages.take();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find(window->readMePath.toStdString()), std::string::npos);
}

TEST_F(WindowTest, AboutShowsSixLines) {
    item("mnuHelpAbout")->trigger();
    const auto said = messages.take();
    ASSERT_EQ(said.size(), 1u);
    const QStringList lines = QString::fromStdString(said[0]).split("\r\n");
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "Varnel v.1.01");
    EXPECT_EQ(lines[1], "Copyright (C) 2026 the Varnel developers");
    EXPECT_TRUE(lines[2].contains("GNU General Public License, version 2"));
    EXPECT_TRUE(lines[3].startsWith("or any later version"));
    EXPECT_TRUE(lines[5].contains("@"));
}

}  // namespace
}  // namespace varnel

namespace varnel {
namespace {

// A store whose folder is taken by a plain file, so that no write can succeed, not even root's:
// each command that writes says so once, the program goes on, and what was stored stays.
TEST(UnwritableStoreTest, EachWritingCommandSaysOnceThatItsSettingsWereNotSaved) {
    QTemporaryDir dir;
    QFile readMe(dir.filePath("readme.txt"));
    ASSERT_TRUE(readMe.open(QIODevice::WriteOnly) && readMe.write("guide") == 5);
    readMe.close();

    const std::pair<const char*, std::function<void(Varnel&)>> commands[] = {
        {"save defaults",
         [](Varnel& w) { w.findChild<QAction*>("mnuPreferencesSetDefault")->trigger(); }},
        {"save configuration",
         [](Varnel& w) {
             w.findChild<QAction*>("mnuFileSave")->trigger();
             auto* save = w.findChild<SaveConfigDialog*>();
             test::typeText(save->nameBox->lineEdit(), "Strat");
             QTest::mouseClick(save->saveButton, Qt::LeftButton);
         }},
        {"ReadMe height",
         [](Varnel& w) {
             w.findChild<QAction*>("mnuHelpReadMe")->trigger();
             QTest::mouseClick(w.findChild<ReadMeViewer*>()->okButton, Qt::LeftButton);
         }},
        {"exit", [](Varnel& w) { w.findChild<QAction*>("mnuFileExit")->trigger(); }},
    };
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        // A store of its own: what could not be written stays pending in Qt's cache of the file.
        const QString folder = dir.filePath(name);
        const QString kept = folder + " (kept)";
        const QString path = folder + "/varnel.ini";
        ASSERT_TRUE(QDir().mkpath(folder));
        QSettingsStore(path).saveSetting("Base", "WindowHeight", "6000");
        const QString reason = QDir::toNativeSeparators(folder) + " is a file, not a folder.";
        QSettingsStore store(path);
        test::RecordingMessageBox messages;
        test::RecordingPrinterProvider printers;
        Varnel window(store, messages, printers);
        window.readMePath = readMe.fileName();
        window.show();
        ASSERT_TRUE(QDir().rename(folder, kept));
        QFile blocker(folder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        command(window);
        EXPECT_EQ(
            messages.take(),
            std::vector<std::string>{("The settings could not be saved: " + reason).toStdString()});
        ASSERT_TRUE(QFile::remove(folder) && QDir().rename(kept, folder));
        QFile stored(path);  // read as bytes: a store object would write what is pending
        ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
        EXPECT_EQ(stored.readAll(), "[Base]\nWindowHeight=6000\n");
    }
}

}  // namespace
}  // namespace varnel

namespace varnel {
namespace {

using test::WindowTest;

// After a dialog's message, the keyboard is back in that dialog, on the control that had it.
TEST_F(WindowTest, AMessageGivesTheKeyboardBackToItsDialog) {
    item("mnuFileSave")->trigger();
    auto* save = window->findChild<SaveConfigDialog*>();
    ASSERT_NE(save, nullptr);
    QApplication::setActiveWindow(save);
    ASSERT_TRUE(QTest::qWaitForWindowActive(save));
    save->nameBox->setFocus();
    QtMessageBox screen(window.get());
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    screen.show("You must specify a name to save the configuration");
    EXPECT_EQ(QApplication::activeWindow(), save);
    EXPECT_TRUE(save->nameBox->hasFocus() || save->nameBox->lineEdit()->hasFocus());
}

}  // namespace
}  // namespace varnel
