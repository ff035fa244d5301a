#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include "gui/checkwindow.h"
#include "gui/configdialogs.h"
#include "gui/designerwindow.h"
#include "gui/printoptionsdialog.h"
#include "store/designerstore.h"
#include "uitest.h"

namespace varnel {
namespace {

using test::WindowTest;

class PrintingTest : public WindowTest {
  protected:
    void enterFender(const char* frets) {
        typeInto(fretsBox(), frets);
        chooseScaleLen(0);
        leaveScaleLen();
    }
};

TEST_F(PrintingTest, ButtonAndMenuPrintTheChartAndSaySo) {
    enterFender("12");
    click("cmdPrintChart");
    item("mnuFilePrintChart")->trigger();
    ASSERT_EQ(printers.documents.size(), 2u);
    for (const auto& doc : printers.documents) {
        EXPECT_TRUE(doc.ended);
        EXPECT_EQ(doc.texts.front().text, "Scale Length: 647.5 mm");
        EXPECT_EQ(doc.texts.front().points, 14);
        EXPECT_EQ(doc.texts.back().text, "Printed by Varnel v.1.0");
    }
    EXPECT_EQ(messages.take(), (std::vector<std::string>{"Chart Printed", "Chart Printed"}));
}

TEST_F(PrintingTest, ButtonAndMenuPrintTheTemplateAndSaySo) {
    enterFender("12");
    click("cmdPrintTemplate");
    item("mnuFilePrintTemplate")->trigger();
    ASSERT_EQ(printers.documents.size(), 2u);
    EXPECT_EQ(printers.documents[0].lines.size(), printers.documents[1].lines.size());
    EXPECT_TRUE(printers.documents[0].ended);
    EXPECT_EQ(messages.take(), (std::vector<std::string>{"Template printed", "Template printed"}));
}

TEST_F(PrintingTest, InvalidInputsPrintNothing) {
    item("mnuFilePrintChart")->trigger();
    item("mnuFilePrintTemplate")->trigger();
    EXPECT_TRUE(printers.documents.empty());
    EXPECT_EQ(messages.take(), (std::vector<std::string>{std::string(kCheckInputsMessage),
                                                         std::string(kCheckInputsMessage)}));
}

TEST_F(PrintingTest, PrinterFailuresAreReportedAndNeverCalledPrinted) {
    enterFender("12");
    printers.available = false;
    item("mnuFilePrintChart")->trigger();
    item("mnuFilePrintTemplate")->trigger();
    item("mnuPrintQuick")->trigger();
    const std::string none =
        "No printer is available. Install a printer, or make one the default, and try again.";
    EXPECT_EQ(messages.take(), (std::vector<std::string>{none, none, none}));

    printers.available = true;
    printers.failAtEnd = true;
    item("mnuFilePrintChart")->trigger();
    const auto said = messages.take();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find("Printing failed"), std::string::npos);
}

TEST_F(PrintingTest, TemplateThatCannotFitIsRefusedBeforeDrawing) {
    enterFender("12");
    printers.widthInches = 1.0;
    item("mnuFilePrintTemplate")->trigger();
    ASSERT_EQ(printers.documents.size(), 1u);
    EXPECT_TRUE(printers.documents[0].aborted);
    EXPECT_FALSE(printers.documents[0].ended);
    EXPECT_TRUE(printers.documents[0].lines.empty());
    EXPECT_EQ(messages.take(),
              std::vector<std::string>{
                  "Fret 1 is 36.4 mm from the previous fret, more than fits across the "
                  "printable width of 25.4 mm. Print on wider paper or in landscape orientation."});
}

// A preview has the refusals of printing: a template that cannot be printed shows its message
// and no preview.
TEST_F(PrintingTest, PreviewOfARefusedTemplateShowsOnlyItsMessage) {
    enterFender("12");
    window->model().printSettings().lineWidthVert = 0;
    item("mnuPreviewTemplate")->trigger();
    const auto said = messages.take();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].rfind("The fret marker line width of 0 pixels", 0), 0u) << said[0];
    EXPECT_TRUE(window->findChildren<QDialog*>().isEmpty());
}

TEST_F(PrintingTest, QuickFormPrintPrintsTheWindowSilently) {
    item("mnuPrintQuick")->trigger();
    ASSERT_EQ(printers.documents.size(), 1u);
    EXPECT_EQ(printers.documents[0].images, 1);
    EXPECT_TRUE(printers.documents[0].ended);
    EXPECT_TRUE(messages.take().empty());
}

TEST_F(PrintingTest, PrintOptionsOpenOnceAndChangeTheNextPrint) {
    item("mnuPrefrencesLineWidth")->trigger();
    item("mnuPrefrencesLineWidth")->trigger();
    const auto dialogs = window->findChildren<PrintOptionsDialog*>();
    ASSERT_EQ(dialogs.size(), 1);
    PrintOptionsDialog* dialog = dialogs[0];
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    dialog->txtFontSize->setText("20");
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    EXPECT_EQ(settings().chartFontSize, 20);
    EXPECT_EVENTUALLY(window->findChildren<PrintOptionsDialog*>().isEmpty());

    enterFender("3");
    item("mnuFilePrintChart")->trigger();
    ASSERT_EQ(printers.documents.size(), 1u);
    EXPECT_EQ(printers.documents[0].texts.front().points, 20);
}

}  // namespace
}  // namespace varnel

namespace varnel {
namespace {

// Tools > Fanned Frets: the board from the window's fret count, refusals in the window, the
// inputs remembered, and an export through the save-file seam.
TEST_F(PrintingTest, FannedFretsWindowLaysOutRefusesRemembersAndExports) {
    test::TempStore fannedStore;
    useDesignerStore(fannedStore.store());
    QTemporaryDir dir;
    QWidget* askedOver = nullptr;
    window->setSaveFileChooser([&](QWidget* over, const QString&, const QString&, QString*) {
        askedOver = over;
        return dir.filePath("f.dxf");
    });
    typeInto(fretsBox(), "24");
    item("mnuToolsFanned")->trigger();
    auto* fanned = window->findChild<DesignerWindow*>();
    ASSERT_NE(fanned, nullptr);
    EXPECT_EQ(fanned->windowTitle(), "Fretboard Designer");
    EXPECT_EQ(fanned->table->model()->rowCount(), 24);
    fanned->strings->setText("13");
    EXPECT_EQ(fanned->status->text(), "The number of strings, 13, must be 2 to 12.");
    EXPECT_FALSE(fanned->printButton->isEnabled());
    fanned->strings->setText("7");
    EXPECT_EQ(fannedStore.store().getSetting("Fanned", "txtStrings", ""), "7");
    QTest::mouseClick(fanned->exportButton, Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(dir.filePath("f.dxf")));
    EXPECT_EQ(askedOver, fanned);  // the dialog over the designer, not the main window
    QTest::mouseClick(fanned->printButton, Qt::LeftButton);
    ASSERT_EQ(printers.documents.size(), 1u);
    EXPECT_EQ(messages.take(), std::vector<std::string>{"Template printed"});
    EXPECT_EQ(fanned->strings->accessibleName(), "Number of Strings");

    // A saved configuration carries the inputs; retrieving it brings them back, silently.
    chooseScaleLen(0);
    item("mnuFileSave")->trigger();
    auto* save = window->findChild<SaveConfigDialog*>();
    test::typeText(save->nameBox->lineEdit(), "Multi");
    save->save();
    EXPECT_EQ(temp.store().getSetting("Multi", "fanned.txtStrings", ""), "7");
    fanned->strings->setText("8");
    item("mnuFileOpen")->trigger();
    auto* open = window->findChild<RetrieveConfigDialog*>();
    open->nameList->setCurrentRow(0);
    open->retrieve();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(fanned->strings->text(), "7");
}

}  // namespace
}  // namespace varnel

namespace varnel {
namespace {

// Check an Instrument: pasted rows give the fit, the table and the plot; rows it cannot check
// are said; the table exports as CSV; every control takes the keyboard and has a name.
TEST_F(PrintingTest, CheckAnInstrumentFromPastedRows) {
    QTemporaryDir dir;
    QWidget* askedOver = nullptr;
    int exports = 0;
    window->setSaveFileChooser([&](QWidget* over, const QString&, const QString&, QString*) {
        askedOver = over;
        return dir.filePath(QStringLiteral("check%1.csv").arg(++exports));
    });
    item("mnuToolsCheck")->trigger();
    auto* check = window->findChild<CheckWindow*>();
    ASSERT_NE(check, nullptr);
    check->pasteMeasurements("fret\tdistance\n1\t36.369\n2\t70.697\n3\t103.048\n");
    ASSERT_TRUE(check->check());
    EXPECT_EQ(check->results->rowCount(), 3);
    EXPECT_TRUE(check->fit->text().startsWith("Best: twelfth root\n"));
    EXPECT_TRUE(check->fit->text().contains(" mm, nut offset "));
    check->exportFile();
    EXPECT_EQ(askedOver, check);
    const auto csvRows = [&](int n) {
        QFile csv(dir.filePath(QStringLiteral("check%1.csv").arg(n)));
        EXPECT_TRUE(csv.open(QIODevice::ReadOnly));
        return csv.readAll().split('\n');
    };
    EXPECT_EQ(csvRows(1)[0], "fret,measured_mm,best_mm,residual_mm,cents\r");
    // Switched to inches, the typed lengths are converted: the residual stays what it was.
    click("optEnglish");
    EXPECT_EQ(check->measured->item(0, 1)->text(), "1.431850394");
    EXPECT_EQ(check->measured->horizontalHeaderItem(1)->text(), "Distance from Nut (in)");
    check->exportFile();
    const QList<QByteArray> mm = csvRows(1), in = csvRows(2);
    EXPECT_EQ(in[0], "fret,measured_in,best_in,residual_mm,cents\r");
    EXPECT_NEAR(in[1].split(',')[3].toDouble(), mm[1].split(',')[3].toDouble(), 1e-6);
    click("optMetric");
    // Closed and opened again, the measurements are still there.
    QTest::keyClick(check, Qt::Key_Escape);
    EXPECT_FALSE(check->isVisible());
    item("mnuToolsCheck")->trigger();
    ASSERT_EQ(window->findChild<CheckWindow*>(), check);
    EXPECT_EQ(check->measured->item(2, 1)->text(), "103.048");
    // As in a spreadsheet: Enter moves down, Delete clears the selected cells.
    check->measured->setCurrentCell(0, 1);
    QTest::keyClick(check->measured, Qt::Key_Return);
    EXPECT_EQ(check->measured->currentRow(), 1);
    // Typed into a cell, Enter takes the value and moves down one row, no more.
    check->measured->setCurrentCell(3, 1);
    check->measured->editItem(check->measured->item(3, 1));
    auto* editor = check->measured->viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, "133.682");
    static QStringList warnings;  // the view's own: an editor closed by a view it left
    warnings.clear();
    const QtMessageHandler before = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the closed editor
    qInstallMessageHandler(before);
    EXPECT_EQ(warnings.join("; ").toStdString(), "");
    EXPECT_EQ(check->measured->item(3, 1)->text(), "133.682");
    EXPECT_EQ(check->measured->currentRow(), 4);
    check->measured->setCurrentCell(1, 1);
    check->measured->setRangeSelected({1, 1, 2, 1}, true);
    QTest::keyClick(check->measured, Qt::Key_Delete);
    EXPECT_EQ(check->measured->item(2, 1)->text(), "");
    EXPECT_EQ(check->measured->item(0, 1)->text(), "36.369");
    check->pasteMeasurements("1,36\n2,30\n3,100\n");
    EXPECT_EQ(check->status->text(), "Fret 2 is measured no farther from the nut than fret 1.");
    EXPECT_FALSE(check->check());
    for (QWidget* control : check->findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QPushButton*>(control) &&
            !qobject_cast<QTableWidget*>(control))
            continue;
        EXPECT_NE(control->focusPolicy(), Qt::NoFocus) << control->objectName().toStdString();
        const auto* button = qobject_cast<QPushButton*>(control);
        EXPECT_FALSE(control->accessibleName().isEmpty() && (!button || button->text().isEmpty()))
            << control->objectName().toStdString();
    }
}

// Inputs stored before the workshop's boxes were there, in inches: the stored lengths stay as
// typed, the workshop's defaults are shown in inches too.
TEST_F(PrintingTest, OlderStoredInputsKeepTheWorkshopDefaultsInTheirUnits) {
    test::TempStore fannedStore;
    fannedStore.store().saveSetting("Fanned", "txtFirstScale", "25.5");
    fannedStore.store().saveSetting("Fanned", "unitsType", "0");  // inches
    useDesignerStore(fannedStore.store());
    typeInto(fretsBox(), "22");
    click("optEnglish");
    item("mnuToolsFanned")->trigger();
    auto* fanned = window->findChild<DesignerWindow*>();
    ASSERT_NE(fanned, nullptr);
    EXPECT_EQ(fanned->firstScale->text(), "25.5");
    EXPECT_EQ(fanned->findChild<QLineEdit*>("txtSlotWidth")->text(), "0.023");
    EXPECT_TRUE(fanned->board());
    // So does a configuration saved then, retrieved over this session's workshop inputs.
    fannedStore.store().saveSetting("Fanned", "txtSlotWidth", "0.5");
    const FretboardSettings record;
    DesignerConfigExtras extras(record);
    extras.setStore(&fannedStore.store());
    extras.takeExtras({{"fanned.txtFirstScale", "648"}, {"fanned.unitsType", "1"}});
    EXPECT_EQ(fannedStore.store().getSetting("Fanned", "txtSlotWidth", ""), "0.58");
}

// The Fanned Frets window follows the main window's record (fret count, units: its lengths
// converted, each box's unit beside it), stores only an accepted input that changed, and says
// once that the store cannot be written.
TEST_F(PrintingTest, FannedFretsFollowTheMainWindowAndStoreWhatChanged) {
    test::TempStore fannedStore;
    test::UnwritableStore store(fannedStore.store());
    useDesignerStore(store);
    QTemporaryDir dir;
    window->setSaveFileChooser([&](QWidget*, const QString&, const QString&, QString* chosen) {
        *chosen = exportFilter(ExportFormat::TemplateSvg);
        return dir.filePath("board");
    });
    typeInto(fretsBox(), "22");
    item("mnuToolsFanned")->trigger();
    auto* fanned = window->findChild<DesignerWindow*>();
    ASSERT_NE(fanned, nullptr);
    EXPECT_EQ(messages.take(),
              std::vector<std::string>{"The settings could not be saved: read-only."});
    store.writes.clear();
    fanned->strings->setText("7");
    fanned->strings->setText("13");  // refused: not stored
    fanned->strings->setText("7");   // as stored
    EXPECT_EQ(store.writes, QStringList({"Fanned/txtStrings=7"}));
    EXPECT_TRUE(messages.take().empty());

    fretsBox()->clear();
    typeInto(fretsBox(), "24");
    click("optEnglish");
    EXPECT_EQ(fanned->table->model()->rowCount(), 24);
    EXPECT_EQ(fanned->firstScale->text(), "25.512");
    // The workshop's lengths convert with the rest; the table names each fret's marker.
    EXPECT_EQ(fanned->findChild<QLineEdit*>("txtSlotWidth")->text(), "0.023");
    EXPECT_EQ(fanned->table->model()->index(2, 7).data().toString(), "single");
    EXPECT_EQ(fanned->table->model()->index(11, 7).data().toString(), "double");
    EXPECT_EQ(fanned->findChild<QLabel*>("txtFirstScaleUnit")->text(), "in");
    ASSERT_TRUE(fanned->board());
    EXPECT_NEAR(fanned->board()->table.back().alongFirst, 648 / 25.4 * 0.75, 1e-12);
    click("optMetric");
    EXPECT_EQ(fanned->firstScale->text(), "648");

    // A name without a known extension is written in the chosen filter's format, and gets its
    // extension.
    QTest::mouseClick(fanned->exportButton, Qt::LeftButton);
    QFile svg(dir.filePath("board.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    svg.close();
    // "Board only" leaves the strings out; the gauges' menu writes them for a flat board
    // nowhere, having said why, and for a radiused one in the chosen format.
    fanned->boardOnly->setChecked(true);
    QFile::remove(dir.filePath("board.svg"));
    QTest::mouseClick(fanned->exportButton, Qt::LeftButton);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_FALSE(svg.readAll().contains("id=\"strings\""));
    QAction* exportGauges = fanned->gaugesButton->menu()->actions().at(2);
    QFile::remove(dir.filePath("board.svg"));
    exportGauges->trigger();
    EXPECT_EQ(
        messages.take(),
        std::vector<std::string>{"The fretboard is flat: there is no radius to make a gauge for."});
    fanned->findChild<QLineEdit*>("txtRadiusNut")->setText("184");
    fanned->findChild<QLineEdit*>("txtRadiusEnd")->setText("305");
    exportGauges->trigger();
    ASSERT_TRUE(QFile::exists(dir.filePath("board.svg")));
    QFile gauges(dir.filePath("board.svg"));
    ASSERT_TRUE(gauges.open(QIODevice::ReadOnly));
    EXPECT_TRUE(gauges.readAll().contains("inkscape:label=\"GAUGE\""));
    fanned->findChild<QLineEdit*>("txtRadiusNut")->setText("0");
    fanned->findChild<QLineEdit*>("txtRadiusEnd")->setText("0");
    EXPECT_EQ(exportBoard(ExportFormat::ChartText, dir.filePath("b.txt"), *fanned->board(),
                          Units::Millimetres, {}),
              kBoardFormatsMessage);
    EXPECT_FALSE(QFile::exists(dir.filePath("b.txt")));

    // A configuration saved in inches before the units were kept with the fanned inputs: they
    // are taken in its inches, not converted from the window's millimetres.
    for (const auto& [key, value] : {std::pair{"numFrets", "22"},
                                     {"scaleLen", "25.5"},
                                     {"unitsType", "0"},
                                     {"fanned.txtFirstScale", "25.5"}})
        temp.store().saveSetting("Old", key, value);
    temp.store().saveSetting("Base", "configName1", "Old");
    item("mnuFileOpen")->trigger();
    auto* open = window->findChild<RetrieveConfigDialog*>();
    open->nameList->setCurrentRow(0);
    open->retrieve();
    EXPECT_EQ(fanned->firstScale->text(), "25.5");
    EXPECT_EQ(fanned->findChild<QLabel*>("txtFirstScaleUnit")->text(), "in");
}

}  // namespace
}  // namespace varnel
