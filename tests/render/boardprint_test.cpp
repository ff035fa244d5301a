#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <map>

#include "raster.h"
#include "recordingprinter.h"
#include "render/boardprint.h"
#include "render/painterprinter.h"
#include "render/printerprovider.h"
#include "render/printjobs.h"

namespace varnel {
namespace {

DesignerBoard sevenString() {
    FretboardSettings s;
    s.nFrets = 24;
    return layOutBoard({7, 648, 686, 41, 62, 0, 3, 4, 7, {}}, s);
}

// On a recording surface: pieces as long as the page allows, overlapping by 10 mm, and at
// every cut two crosses at the same drawing coordinates on both pieces, 10 mm apart.
TEST(BoardPrintTest, PiecesOverlapAndCrossesMatchAcrossEveryCut) {
    const DesignerBoard board = sevenString();
    test::RecordingPrinter printer(8.0, 10.5);
    ASSERT_FALSE(drawBoard(printer, board, Units::Millimetres));
    const Tiling t = tileDrawing(boardDrawing(board, Units::Millimetres), 8.0 * 25.4,
                                 kPieceOverlapMm, kCrossArmMm);
    EXPECT_EQ(t.pieces, 4);
    EXPECT_NEAR(t.pieceLength, 8.0 * 25.4 - 2 * kCrossArmMm, 1e-9);
    EXPECT_LE(t.pieceStart(t.pieces - 1) + t.pieceLength, t.right + t.pieceLength);
    EXPECT_GE(t.pieceStart(t.pieces - 1) + t.pieceLength, t.right);
    QStringList labels;
    for (const auto& text : printer.texts) {
        if (text.text.startsWith("piece")) labels << text.text;
    }
    EXPECT_EQ(labels,
              QStringList({"piece 1 of 4", "piece 2 of 4", "piece 3 of 4", "piece 4 of 4"}));
    // Each cross's horizontal arm, page x of its centre: on piece k at drawing x - start(k) + arm.
    std::vector<std::pair<int, double>> crosses;  // page, x
    for (const auto& l : printer.lines) {
        if (l.from.y() == l.to.y() && std::fabs(l.to.x() - l.from.x() - 2 * kCrossArmMm) < 1e-9) {
            crosses.emplace_back(l.page, (l.from.x() + l.to.x()) / 2);
        }
    }
    // Two crosses (top and bottom) at each of the two ends of each overlap, on both pieces.
    EXPECT_EQ(crosses.size(), static_cast<std::size_t>(3 * 2 * 2 * 2));
    const double a = kCrossArmMm;
    for (int cut = 0; cut + 1 < t.pieces; ++cut) {
        const double start = t.pieceStart(cut + 1);
        for (const double x : {start, start + kPieceOverlapMm}) {
            const double onLeft = x - t.pieceStart(cut) + a;
            const double onRight = x - t.pieceStart(cut + 1) + a;
            int found = 0;
            for (const auto& [page, cx] : crosses) {
                found += std::fabs(cx - onLeft) < 1e-9 || std::fabs(cx - onRight) < 1e-9;
            }
            EXPECT_GE(found, 4) << "cut " << cut << " at " << x;
        }
    }
    // No line reaches into a label's box ("piece k of n", fret numbers), on any page: no point
    // of a hundred along it lies inside.
    const double charWidth = test::RecordingPrinter::kCharDots / 600 * 25.4;
    const double lineHeight = test::RecordingPrinter::kLineDots / 600 * 25.4;
    for (const auto& label : printer.texts) {
        const QSizeF size(charWidth * static_cast<double>(label.text.size()), lineHeight);
        const QRectF box = QRectF(label.topLeft, size).adjusted(1e-9, 1e-9, -1e-9, -1e-9);
        for (const auto& l : printer.lines) {
            int inside = 0;
            for (int k = 0; k <= 100 && l.page == label.page; ++k)
                inside += box.contains(l.from + (l.to - l.from) * (k / 100.0));
            EXPECT_EQ(inside, 0) << label.text.toStdString() << " on page " << label.page;
        }
    }
    test::RecordingPrinter tiny(1.0, 1.0);
    EXPECT_TRUE(drawBoard(tiny, board, Units::Millimetres));
    // A board of a thousand pieces and more is refused, not counted past an int.
    FretboardSettings s;
    s.nFrets = 2;
    for (const double scale : {2e5, 1e12}) {
        const DesignerBoard huge = layOutBoard({6, scale, scale, 35, 52, 0.5, 3, 3, {}, {}}, s);
        EXPECT_EQ(drawBoard(tiny, huge, Units::Millimetres).value_or("").toStdString(),
                  "The fretboard is too long to print: it would take more than 1000 pieces of "
                  "paper.");
        EXPECT_TRUE(tiny.lines.empty());
    }
}

// On a PDF rendered at 1200 dpi, the two crosses at the end of the first piece stand 10 mm
// apart.
TEST(BoardPrintTest, CrossesOnPaperStandTenMillimetresApart) {
    QTemporaryDir dir;
    const QString file = dir.filePath("fanned.pdf");
    const DesignerBoard board = sevenString();
    PageSetup a4;
    a4.paper = QPageSize::A4;
    PdfFileProvider pdf(file, a4);
    double textHeight = 0;
    ASSERT_FALSE(printDocument(pdf, {QStringLiteral("Board"), [&](PrinterSurface& p) {
                                         EXPECT_FALSE(drawBoard(p, board, Units::Millimetres));
                                         textHeight = p.lineHeightInches(kNumberFace, 8) * 25.4;
                                         return std::optional<QString>();
                                     }}));
    // A row through the upper crosses' vertical arms, below their horizontal arms.
    const double y = 6.35 + textHeight + kCrossArmMm / 2;
    const QImage row = test::renderPdf(file, dir.path(), 1200, {0, y, 210, 0.03});
    if (row.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const std::vector<double> centres = test::darkRuns(row, 1200);
    ASSERT_GE(centres.size(), 2u);
    EXPECT_NEAR(centres[centres.size() - 1] - centres[centres.size() - 2], kPieceOverlapMm, 0.05);
}

}  // namespace
}  // namespace varnel
