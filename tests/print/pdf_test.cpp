// The template through the real QPainter device into a PDF, rendered back at 600 dpi: every
// marker must stand at its computed place, measured from the printable area's edge.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "painterprinter.h"
#include "printjobs.h"

namespace varnel {
namespace {

constexpr double kRenderDpi = 600;
constexpr double kMmPerRenderPixel = 25.4 / kRenderDpi;

QImage renderFirstPage(const QString& pdf, const QString& dir) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty()) return {};
    QProcess render;
    render.start(tool, {"-r", QString::number(kRenderDpi), "-gray", "-f", "1", "-l", "1",
                        "-singlefile", pdf, dir + "/page"});
    if (!render.waitForFinished(60000) || render.exitCode() != 0) return {};
    QImageReader::setAllocationLimit(1024);  // an A4 page at 600 dpi is about 35 MB of grey
    return QImage(dir + "/page.pgm");
}

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
    ASSERT_FALSE(templateRefusal(*printer, s, p).has_value());
    printTemplate(*printer, s, p);
    ASSERT_TRUE(printer->endDoc());
    printer.reset();

    const QImage page = renderFirstPage(file, dir.path());
    if (page.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    // A row through the middle of the first strip, clear of the numbers and the guide.
    const int row = static_cast<int>((origin.y() + 5 + 15) / kMmPerRenderPixel);
    std::vector<double> centres;
    for (int x = 0; x < page.width();) {
        if (qGray(page.pixel(x, row)) < 128) {
            int end = x;
            while (end < page.width() && qGray(page.pixel(end, row)) < 128) ++end;
            centres.push_back((x + end) / 2.0 * kMmPerRenderPixel - origin.x());
            x = end;
        } else {
            ++x;
        }
    }
    // The first strip holds the nut and the frets that fit before the right edge.
    ASSERT_GE(centres.size(), 6u);
    RecordProperty("markers_on_first_strip", static_cast<int>(centres.size()));
    const double w = 25.4 / 600;  // one printer pixel on PDF output
    for (std::size_t i = 0; i < centres.size(); ++i) {
        EXPECT_NEAR(centres[i], w + p.distFromNut[i], 0.05) << "fret " << i;
    }
}

TEST(PdfTemplateTest, UnwritableFileIsReported) {
    QString error;
    EXPECT_FALSE(PainterPrinter::openPdf("/nonexistent-folder/x.pdf", error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace varnel
