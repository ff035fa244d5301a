#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "gui/calibrationdialog.h"
#include "recordingprinter.h"
#include "render/calibration.h"
#include "render/chosenprinter.h"
#include "render/printjobs.h"
#include "store/printerstore.h"
#include "testsupport.h"

namespace varnel {
namespace {

using test::RecordingPrinter;

// Everything a corrected printer draws lands at the factor times its true place: the distance
// between any two markers along x, and the height of a template line along y. The footer says
// so.
TEST(ScaleCorrectionTest, EveryCoordinateIsScaledAndTheFooterSaysSo) {
    FretboardSettings s;
    s.scaleLen = 647.7;
    s.nFrets = 12;
    const FretPositions p = calcFretPositions(s);
    RecordingPrinter printer(20.0);  // one strip holds every fret
    printer.setCorrection({1.015, 0.99}, QStringLiteral("Workshop"));
    ASSERT_FALSE(drawTemplate(printer, s, p));
    printer.dropPageFeet();
    std::vector<test::RecordedLine> markers;
    for (const auto& l : printer.lines) {
        if (l.from.x() == l.to.x()) markers.push_back(l);
    }
    ASSERT_EQ(markers.size(), 13u);
    for (std::size_t i = 0; i < markers.size(); ++i) {
        EXPECT_NEAR(markers[i].from.x() - markers[0].from.x(), 1.015 * p.distFromNut[i], 1e-9);
        EXPECT_NEAR(markers[i].to.y() - markers[i].from.y(), 0.99 * 25, 1e-6);
        EXPECT_NEAR(markers[i].from.y(), 0.99 * s.templateLineSpace, 1e-6);
    }
    EXPECT_EQ(printer.texts.back().text,
              "Scale corrected for Workshop: horizontal 101.50 %, vertical 99.00 %");
    // A corrected millimetre is a true one: a stretching printer offers fewer of them.
    RecordingPrinter plain;
    RecordingPrinter stretching;
    stretching.setCorrection({1.02, 1.0}, QStringLiteral("x"));
    EXPECT_NEAR(stretching.frame(Units::Millimetres).width,
                plain.frame(Units::Millimetres).width / 1.02, 1e-9);
}

TEST(CalibrationTest, RulersTakeWholeCentimetresOrInchesOfThePrintableArea) {
    const struct {
        double width, height;
        ScaleCorrection correction;
        std::int16_t units;
        double horizontal, vertical;
    } rows[] = {
        {197.3, 284.3, {}, kUnitsMillimetres, 190, 280},  // A4 portrait, 6.35 mm margins
        {203.2, 266.7, {}, kUnitsMillimetres, 200, 260},  // Letter
        {203.2, 266.7, {}, kUnitsInches, 8, 10},
        {197.3, 284.3, {1.04, 0.95}, kUnitsMillimetres, 180, 290},
    };
    for (const auto& r : rows) {
        const RulerLengths l = calibrationRulers(r.width, r.height, r.correction, r.units);
        EXPECT_EQ(l.horizontal, r.horizontal) << r.width;
        EXPECT_EQ(l.vertical, r.vertical) << r.height;
    }
    // On the page: a tick at every millimetre of both rulers, and what was printed.
    RecordingPrinter printer(197.3 / 25.4, 284.3 / 25.4);
    printer.setCorrection({}, QStringLiteral("Workshop"));
    printCalibrationPage(printer, kUnitsMillimetres, QStringLiteral("A4, portrait"));
    int horizontalTicks = 0;
    int verticalTicks = 0;
    for (const auto& l : printer.lines) {
        horizontalTicks += l.from.y() == 0 && l.from.x() == l.to.x();
        verticalTicks += l.from.x() == 0 && l.from.y() == l.to.y();
    }
    EXPECT_EQ(horizontalTicks, 191 + 1);  // and the vertical ruler's own line
    EXPECT_EQ(verticalTicks, 281 + 1);
    QStringList texts;
    for (const auto& t : printer.texts) texts << t.text;
    for (const char* line :
         {"Horizontal ruler: 190 mm", "Vertical ruler: 280 mm", "Printer: Workshop",
          "Paper: A4, portrait", "Correction in use: none"}) {
        EXPECT_TRUE(texts.contains(QString::fromLatin1(line))) << line;
    }
}

TEST(CalibrationTest, MeasurementsGiveTheCorrectionOrAreRefused) {
    const RulerLengths printed{190, 280};
    const struct {
        const char *horizontal, *vertical;
        ScaleCorrection inUse;
        double x, y;  // 0: refused
        const char* refusal;
    } rows[] = {
        {"190", "280", {}, 1, 1, ""},
        {"190.38", "279.2", {}, 190 / 190.38, 280 / 279.2, ""},
        {" 191 ", "280", {1.01, 1}, 1.01 * 190 / 191, 1, ""},
        {"196",
         "280",
         {},
         0,
         0,
         "The measured horizontal ruler of 196 mm is more than 3 % from its printed length of "
         "190 mm. Measure it again, from its first tick to its last."},
        {"190",
         "abc",
         {},
         0,
         0,
         "The measured vertical ruler must be a length in millimetres, such as 280.4. Measure "
         "it again."},
        {"190",
         "-280",
         {},
         0,
         0,
         "The measured vertical ruler must be a length in millimetres, such as 280.4. Measure "
         "it again."},
        {"185",
         "280",
         {1.08, 1},
         0,
         0,
         "The horizontal correction would be 110.92 %, more than 10 % from true. Check the "
         "printer's own scaling (print at 100 %), then Reset and calibrate again."},
    };
    for (const auto& r : rows) {
        const CalibrationResult result = correctionFromMeasurement(r.inUse, printed, r.horizontal,
                                                                   r.vertical, kUnitsMillimetres);
        EXPECT_EQ(result.refusal.toStdString(), r.refusal) << r.horizontal;
        if (r.x == 0) {
            EXPECT_FALSE(result.correction) << r.horizontal;
            continue;
        }
        ASSERT_TRUE(result.correction) << r.horizontal;
        EXPECT_NEAR(result.correction->horizontal, r.x, 1e-12);
        EXPECT_NEAR(result.correction->vertical, r.y, 1e-12);
    }
}

TEST(CalibrationTest, DialogStoresResetsOrRefusesWithTheFocusOnTheBox) {
    test::RecordingMessageBox messages;
    std::vector<ScaleCorrection> stored;
    const auto open = [&] {
        auto* d = new CalibrationDialog({190, 280}, kUnitsMillimetres, {}, messages,
                                        [&](const ScaleCorrection& c) { stored.push_back(c); });
        d->load();
        return d;
    };
    CalibrationDialog* d = open();
    EXPECT_EQ(d->windowTitle(), "Printer Scale Calibration");
    EXPECT_EQ(d->measuredHorizontal->text(), "190");
    EXPECT_EQ(d->measuredVertical->accessibleName(), "Measured Vertical Ruler");
    d->measuredVertical->setText("300");
    d->accept();
    EXPECT_EQ(messages.take().size(), 1u);
    EXPECT_TRUE(stored.empty());
    EXPECT_EQ(d->focusWidget(), d->measuredVertical);
    d->measuredHorizontal->setFocus();
    d->measuredVertical->setText("abc");  // unreadable, not merely far off
    d->accept();
    EXPECT_EQ(messages.take().size(), 1u);
    EXPECT_EQ(d->focusWidget(), d->measuredVertical);
    d->measuredVertical->setText("280.56");
    QTest::mouseClick(d->okButton, Qt::LeftButton);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_NEAR(stored[0].vertical, 280 / 280.56, 1e-12);
    QTest::mouseClick(open()->resetButton, Qt::LeftButton);
    EXPECT_EQ(stored.back(), ScaleCorrection{});
}

// The choice and each printer's factors are kept in a store of their own; stored factors that
// are no number or outside 0.9 to 1.1 are ignored.
TEST(ChosenPrinterTest, KeepsTheChoiceAndEachPrintersFactors) {
    test::TempStore temp;
    test::RecordingMessageBox messages;
    StoredPrinterChoice kept(temp.store(), messages);
    PageSetup setup;
    setup.printerName = "Office/Laser";
    setup.paper = QPageSize::A3;
    setup.orientation = QPageLayout::Landscape;
    ChosenPrinter(kept, messages).keepSetup(setup);
    kept.keepCorrection("Office/Laser", {1.0021234567, 0.99});
    kept.keepCorrection("Inkjet", {1.05, 1});
    temp.reopen();
    StoredPrinterChoice keptAgain(temp.store(), messages);
    ChosenPrinter again(keptAgain, messages);
    const PageSetup stored = setupOf(keptAgain.choice());
    EXPECT_EQ(stored.printerName, "Office/Laser");
    EXPECT_EQ(stored.paper, QPageSize::A3);
    EXPECT_EQ(stored.orientation, QPageLayout::Landscape);
    EXPECT_EQ(temp.store().getSetting("Printer Office/Laser", "HorizontalCorrection", ""),
              "1.002123");
    EXPECT_EQ(again.correctionFor("Office/Laser"), (ScaleCorrection{1.002123, 0.99}));
    EXPECT_EQ(again.correctionFor("Inkjet"), (ScaleCorrection{1.05, 1}));
    for (const char* bad : {"abc", "1.2", "0.8", "nan", "1e999", ""}) {
        temp.store().saveSetting("Printer Inkjet", "HorizontalCorrection", bad);
        EXPECT_EQ(again.correctionFor("Inkjet"), (ScaleCorrection{1, 1})) << bad;
    }
    // A remembered printer that is gone is said once; the default printer stands in.
    (void)again.pageSetup();
    (void)again.pageSetup();
    EXPECT_EQ(messages.take(),
              std::vector<std::string>{"The printer \"Office/Laser\" is no longer available; "
                                       "printing goes to the default printer."});
    // A calibration that cannot be stored is said, as every other write is.
    test::UnwritableStore unwritable(temp.store());
    StoredPrinterChoice unwritableChoice(unwritable, messages);
    ChosenPrinter(unwritableChoice, messages).setCorrection({1.01, 1});
    EXPECT_EQ(messages.take().back(), "The settings could not be saved: read-only.");
}

}  // namespace
}  // namespace varnel
