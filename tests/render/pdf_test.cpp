// The template through the real QPainter device into a PDF, rendered back at 600 dpi: every
// marker must stand at its computed place, measured from the printable area's edge.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <sstream>

#include "cli/chartcli.h"
#include "raster.h"
#include "render/painterprinter.h"
#include "render/printerprovider.h"
#include "render/printjobs.h"

namespace varnel {
namespace {

using test::darkRuns;
using test::renderPdf;

TEST(PdfTemplateTest, MarkersStandWithinFiveHundredthsOfAMillimetre) {
    QTemporaryDir dir;
    const QString file = dir.filePath("template.pdf");
    QString error;
    auto printer = PainterPrinter::openPdf(file, error);
    ASSERT_TRUE(printer) << error.toStdString();
    const QPointF origin = printer->printableOriginMillimetres();
    EXPECT_NEAR(origin.x(), 6.35, 1e-9);

    FretboardSettings s;
    s.scaleLen = 647.7;
    s.nFrets = 24;
    s.templateLineSpace = 5;
    const FretPositions p = calcFretPositions(s);
    ASSERT_FALSE(drawTemplate(*printer, s, p));
    ASSERT_TRUE(printer->endDoc());
    printer.reset();

    // A row through the middle of the first strip, clear of the numbers and the guide.
    const QImage row = renderPdf(file, dir.path(), 600, {0, origin.y() + 5 + 15, 210, 0.2});
    if (row.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    std::vector<double> centres = darkRuns(row, 600);
    for (double& c : centres) c -= origin.x();
    // The first strip holds the nut and the frets that fit before the right edge.
    ASSERT_GE(centres.size(), 6u);
    RecordProperty("markers_on_first_strip", static_cast<int>(centres.size()));
    const double w = 25.4 / 600;  // one printer pixel on PDF output
    for (std::size_t i = 0; i < centres.size(); ++i) {
        EXPECT_NEAR(centres[i], w + p.distFromNut[i], 0.05) << "fret " << i;
    }
}

// What pdfinfo says of a file: "Pages", "Page size", ...
QString pdfInfo(const QString& pdf, const QString& field) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished(30000)) return {};
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(field + ':')) return line.mid(field.size() + 1).trimmed();
    }
    return {};
}

// The text pdftotext reads from a file.
QString pdfText(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    return text.waitForFinished(30000) ? QString::fromUtf8(text.readAllStandardOutput())
                                       : QString();
}

// Runs varnel-chart's printing into a PDF and returns the file's path.
QString chartCommandPdf(const QString& dir, const std::vector<std::string>& options) {
    const QString file = dir + "/out.pdf";
    std::vector<std::string> args = {"--frets", "24", "--scale", "647.7"};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(file.toStdString());
    std::ostringstream out, err;
    EXPECT_EQ(runChartCommand(args, out, err), kExitOk) << err.str();
    return file;
}

constexpr double kFineDpi = 1200;
constexpr double kMargin = 6.35;  // of a PDF's printable area

// Every millimetre tick of the calibration page's rulers within 0.05 mm of its place, and each
// ruler as long as the page says.
TEST(PdfCalibrationTest, RulerTicksStandWithinFiveHundredthsOfAMillimetre) {
    QTemporaryDir dir;
    const QString file = chartCommandPdf(dir.path(), {"--paper", "A4", "--calibration-pdf"});
    // A row across the horizontal ruler's ticks, a column down the vertical one's.
    const QImage row = renderPdf(file, dir.path(), kFineDpi, {0, kMargin + 1.5, 210, 0.2});
    if (row.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QImage column = renderPdf(file, dir.path(), kFineDpi, {kMargin + 1.5, 0, 0.2, 297});
    for (const auto& [strip, isColumn, length] :
         {std::tuple{row, false, 190}, std::tuple{column, true, 280}}) {
        const std::vector<double> ticks = darkRuns(strip, kFineDpi, isColumn);
        ASSERT_EQ(ticks.size(), static_cast<std::size_t>(length) + 1) << length;
        for (std::size_t k = 0; k < ticks.size(); ++k) {
            EXPECT_NEAR(ticks[k] - kMargin, static_cast<double>(k), 0.05) << length << " mm: " << k;
        }
    }
}

// A corrected template: every marker within 0.05 mm of 1.015 times its true distance, and a
// template line 0.99 times as high as set.
TEST(PdfCalibrationTest, CorrectedTemplateMeasuresTrue) {
    QTemporaryDir dir;
    const QString file = chartCommandPdf(
        dir.path(), {"--paper", "A4", "--x-correction", "101.5", "--y-correction", "99", "--guide",
                     "center", "--fret-numbers", "no", "--line-space", "5", "--template-pdf"});
    const double top = kMargin + 0.99 * 5;
    const QImage row = renderPdf(file, dir.path(), kFineDpi, {0, top + 0.99 * 25 / 4, 210, 0.2});
    if (row.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    FretboardSettings s;
    s.scaleLen = 647.7;
    s.nFrets = 24;
    const FretPositions p = calcFretPositions(s);
    const std::vector<double> markers = darkRuns(row, kFineDpi, false);
    ASSERT_GE(markers.size(), 6u);
    for (std::size_t i = 0; i < markers.size(); ++i) {
        EXPECT_NEAR(markers[i] - kMargin, 25.4 / 600 + 1.015 * p.distFromNut[i], 0.05) << i;
    }
    // Down the nut marker: one dark run from the line's top to its bottom.
    const double nutX = kMargin + 25.4 / 600;
    const QImage column =
        renderPdf(file, dir.path(), kFineDpi, {nutX - 0.01, 0, 0.02, top + 0.99 * 25 + 2});
    int dark = 0;
    for (int y = 0; y < column.height(); ++y) dark += qGray(column.pixel(0, y)) < 128;
    EXPECT_NEAR(dark * 25.4 / kFineDpi, 0.99 * 25, 0.05);
}

// A3 landscape: the page is 420 x 297 mm and a template line holds more frets than on A4.
TEST(PdfCalibrationTest, WiderPaperHoldsLongerTemplateLines) {
    QTemporaryDir dir;
    const auto markersOnFirstLine = [&](const std::vector<std::string>& paper) {
        std::vector<std::string> options = paper;
        options.insert(options.end(), {"--fret-numbers", "no", "--template-pdf"});
        const QString file = chartCommandPdf(dir.path(), options);
        return std::pair{
            darkRuns(renderPdf(file, dir.path(), 300, {0, kMargin + 15, 420, 0.5}), 300).size(),
            file};
    };
    const auto [a4, a4File] = markersOnFirstLine({"--paper", "A4"});
    const auto [a3, a3File] = markersOnFirstLine({"--paper", "A3", "--orientation", "landscape"});
    if (a4 == 0) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    EXPECT_GT(a3, a4);
    EXPECT_EQ(pdfInfo(a3File, "Page size"), "1191 x 842 pts (A3)");
}

// The preview shows the pages printing makes, drawn by the same code: as many, and printing
// from the preview writes what printing writes.
TEST(PreviewTest, ShowsThePagesPrintingMakes) {
    QTemporaryDir dir;
    FretboardSettings s;
    s.scaleLen = 647.7;
    s.nFrets = 150;  // a chart of several pages
    const FretPositions p = calcFretPositions(s);
    PageSetup setup;
    setup.paper = QPageSize::A4;
    const auto pdfPrinter = [&](const QString& name) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        PainterPrinter::configure(*printer, setup);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dir.filePath(name));
        return printer;
    };
    // The provider's printer is calibrated; the file it prints to here takes no correction.
    struct CalibratedPrinter : PrinterProvider {
        std::unique_ptr<PrinterSurface> open(const QString&, QString&) override { return nullptr; }
        ScaleCorrection correctionFor(const QString& name) override {
            asked << name;
            return {1.01, 1};
        }
        QStringList asked;
    } printers;
    auto printed = pdfPrinter("printed.pdf");
    ASSERT_FALSE(drawOnPrinter(*printed, printers, chartDocument(s, p)));
    auto previewed = pdfPrinter("previewed.pdf");
    QPrintPreviewWidget preview(previewed.get());
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, [&](QPrinter* pages) {
        EXPECT_FALSE(drawOnPrinter(*pages, printers, chartDocument(s, p)));
    });
    preview.updatePreview();
    EXPECT_GT(preview.pageCount(), 1);
    EXPECT_EQ(pdfInfo(dir.filePath("printed.pdf"), "Pages"), QString::number(preview.pageCount()));
    preview.print();
    const QImage a = renderPdf(dir.filePath("printed.pdf"), dir.path(), 100, {0, 0, 210, 297});
    const QImage b = renderPdf(dir.filePath("previewed.pdf"), dir.path(), 100, {0, 0, 210, 297});
    if (a.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    EXPECT_EQ(a, b);
    EXPECT_TRUE(printers.asked.isEmpty());
    EXPECT_FALSE(pdfText(dir.filePath("printed.pdf")).contains("Scale corrected"));
    // On a printer, the correction asked for is the one of the printer that prints.
    const QString queue = QPrinterInfo::defaultPrinterName();
    if (queue.isEmpty()) return;
    QPrinter onQueue(QPrinter::HighResolution);
    onQueue.setPrinterName(queue);
    ASSERT_FALSE(drawOnPrinter(onQueue, printers, chartDocument(s, p)));
    EXPECT_EQ(printers.asked, QStringList({queue}));
}

TEST(PdfTemplateTest, UnwritableFileIsReported) {
    QString error;
    EXPECT_FALSE(PainterPrinter::openPdf("/nonexistent-folder/x.pdf", error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace varnel
