#include "render/exports.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <filesystem>

#include "core/chart.h"
#include "layout/boardlayout.h"
#include "layout/templatelayout.h"
#include "render/boardprint.h"
#include "render/printerprovider.h"
#include "text/qnumbertext.h"
#include "text/translations.h"

namespace varnel {

namespace {

QString fileNotWritten(const QString& fileName, const QString& reason) {
    return messageText(
        Message(QT_TRANSLATE_NOOP("varnel::Words", "The file %1 could not be written: %2"),
                {verbatim(QDir::toNativeSeparators(fileName).toStdString()),
                 verbatim(reason.toStdString())}));
}

}  // namespace

std::optional<QString> savePdf(const QString& fileName, const PageSetup& setup,
                               const Document& document) {
    // The PDF is made beside its place, then renamed over it: a failure leaves nothing behind.
    const QFileInfo target(fileName);
    const QString part =
        target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".part");
    if (fileName == QLatin1String("-"))
        return fileNotWritten(
            fileName, messageText(QT_TRANSLATE_NOOP("varnel::Words", "a PDF needs a file")));
    {
        QFile probe(part);  // a folder that takes no file is said as such, before any drawing
        if (!probe.open(QIODevice::WriteOnly)) return fileNotWritten(fileName, probe.errorString());
    }
    PdfFileProvider pdf(part, setup);
    if (auto failure = printDocument(pdf, document)) {
        QFile::remove(part);
        return failure->replace(part, QDir::toNativeSeparators(fileName));
    }
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(part).toStdString(),
                            QFile::encodeName(target.absoluteFilePath()).toStdString(), ec);
    if (ec) {
        QFile::remove(part);
        return fileNotWritten(fileName, QString::fromStdString(ec.message()));
    }
    return std::nullopt;
}

namespace {

struct FormatNames {
    ExportFormat format;
    const char* extension;
    const char* filter;
};
constexpr FormatNames kFormatNames[] = {
    {ExportFormat::TemplateSvg, "svg", QT_TRANSLATE_NOOP("varnel::Words", "SVG drawing (*.svg)")},
    {ExportFormat::TemplateDxf, "dxf", QT_TRANSLATE_NOOP("varnel::Words", "DXF drawing (*.dxf)")},
    {ExportFormat::TemplatePdf, "pdf", QT_TRANSLATE_NOOP("varnel::Words", "PDF document (*.pdf)")},
    {ExportFormat::ChartCsv, "csv", QT_TRANSLATE_NOOP("varnel::Words", "CSV table (*.csv)")},
    {ExportFormat::ChartPdf, "pdf", QT_TRANSLATE_NOOP("varnel::Words", "PDF document (*.pdf)")},
    {ExportFormat::ChartText, "txt", QT_TRANSLATE_NOOP("varnel::Words", "Text (*.txt)")},
    {ExportFormat::FretPoints, "csv",
     QT_TRANSLATE_NOOP("varnel::Words", "Fret points as CSV (*.csv)")},
};

const FormatNames& namesOf(ExportFormat format) {
    for (const FormatNames& n : kFormatNames) {
        if (n.format == format) return n;
    }
    return kFormatNames[0];
}

}  // namespace

QString exportExtension(ExportFormat format) {
    return QString::fromLatin1(namesOf(format).extension);
}

QString exportFilter(ExportFormat format) {
    return messageText(namesOf(format).filter);
}

std::optional<QString> saveOrSay(const QString& fileName, const QByteArray& bytes) {
    QString error;
    if (saveBytes(fileName, bytes, error)) return std::nullopt;
    return fileNotWritten(fileName, error);
}

std::optional<QString> exportDocument(ExportFormat format, const QString& fileName,
                                      const FretboardSettings& s, const FretPositions& p,
                                      const PageSetup& setup) {
    switch (format) {
        case ExportFormat::TemplatePdf:
        case ExportFormat::ChartPdf:
            return savePdf(
                fileName, setup,
                format == ExportFormat::ChartPdf ? chartDocument(s, p) : templateDocument(s, p));
        case ExportFormat::TemplateSvg:
            return saveOrSay(fileName, drawingSvg(templateSheet(s, p, NominalMeasure())));
        case ExportFormat::TemplateDxf:
            return saveOrSay(fileName, drawingDxf(templateSheet(s, p, NominalMeasure())));
        case ExportFormat::ChartCsv:
            return saveOrSay(fileName, chartCsv(s, p));
        case ExportFormat::ChartText:
        case ExportFormat::FretPoints:
            break;
    }
    return saveOrSay(fileName, QByteArray::fromStdString(buildFretChart(s, p)));
}

std::optional<QString> exportBoard(ExportFormat format, const QString& fileName,
                                   const DesignerBoard& board, Units units, const PageSetup& setup,
                                   bool boardOnly) {
    const auto drawing = [&] {
        return boardOnly ? boardOnlyDrawing(board, units) : boardDrawing(board, units);
    };
    switch (format) {
        case ExportFormat::TemplatePdf:
            return savePdf(fileName, setup, boardDocument(board, units));
        case ExportFormat::TemplateSvg:
            return saveOrSay(fileName, drawingSvg(drawing()));
        case ExportFormat::ChartCsv:
            return saveOrSay(fileName, boardCsv(board, units));
        case ExportFormat::TemplateDxf:
            return saveOrSay(fileName, drawingDxf(drawing()));
        case ExportFormat::FretPoints:
            return saveOrSay(fileName, fretPointsCsv(board, units));
        case ExportFormat::ChartPdf:
        case ExportFormat::ChartText:
            break;
    }
    return messageText(kBoardFormatsMessage);
}

PageSetup exportPaper(PrinterProvider& printers) {
    PageSetup paper = printers.pageSetup();
    paper.correction = {};
    return paper;
}

QString suggestedFileName(const FretboardSettings& s, const QString& extension) {
    const bool inches = s.unitsType == kUnitsInches;
    const QString length = inches ? numberText(std::round(s.scaleLen * 100) / 100)
                                  : QString::number(std::llround(s.scaleLen));
    return QStringLiteral("fretboard-%1%2-%3.%4")
        .arg(length, QString::fromLatin1(unitSymbol(unitsOf(s.unitsType))))
        .arg(s.nFrets)
        .arg(extension);
}

std::optional<QString> exportGauges(ExportFormat format, const QString& fileName,
                                    const RadiusGauges& gauges, const PageSetup& setup) {
    if (format == ExportFormat::TemplatePdf) return savePdf(fileName, setup, gaugeDocument(gauges));
    if (format != ExportFormat::TemplateDxf && format != ExportFormat::TemplateSvg)
        return messageText(QT_TRANSLATE_NOOP(
            "varnel::Words", "Radius gauges are written as a DXF, SVG or PDF file."));
    if (const auto refusal = gaugeRefusal(gauges)) return messageText(*refusal);
    const Drawing sheet = gaugeSheet(gauges);
    return saveOrSay(fileName,
                     format == ExportFormat::TemplateDxf ? drawingDxf(sheet) : drawingSvg(sheet));
}

std::optional<QString> exportIntonation(ExportFormat format, const QString& fileName,
                                        const DesignerBoard& board, Units units,
                                        const PageSetup& setup) {
    if (board.intonation.empty()) return messageText(kNoIntonationMessage);
    if (format == ExportFormat::TemplatePdf)
        return savePdf(fileName, setup, intonationDocument(board, units));
    return saveOrSay(fileName, intonationCsv(board));
}

}  // namespace varnel
