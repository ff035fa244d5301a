#include "exports.h"

#include <dxflib/dl_dxf.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamWriter>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "chart.h"
#include "fannedprint.h"
#include "numtext.h"
#include "printerprovider.h"
#include "printjobs.h"
#include "printlimits.h"

namespace varnel {

namespace {

constexpr double kPixelInches = 1.0 / 600;  // a printer pixel where there are no dots
constexpr double kNumberHeightMm = 2.5;     // the fret numbers' text height
constexpr double kMarginMm = 5;             // room around the drawing for its strokes and numbers

// The shortest decimal text that reads back as the same double.
std::string shortest(double value) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}
QString shortestText(double value) {
    return QString::fromStdString(shortest(value));
}

// dxflib's ASCII writer with its group codes and values kept in memory: dxflib's own writer
// flushes the file after every line (some 1.4 s for the longest template) and formats reals
// with printf, in the user's locale. Reals are written as the shortest decimal that reads back
// the same double.
class MemoryDxfWriter : public DL_WriterA {
  public:
    MemoryDxfWriter() : DL_WriterA("/dev/null", DL_VERSION_2000) {}
    void dxfReal(int gc, double value) const override {
        std::string text = shortest(value);
        if (text.find_first_of(".eEn") == std::string::npos) text += ".0";  // "25.0", not "25"
        dxfString(gc, text);
    }
    void dxfInt(int gc, int value) const override { dxfString(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%0X", static_cast<unsigned>(value));
        dxfString(gc, buffer);
    }
    void dxfString(int gc, const char* value) const override { dxfString(gc, std::string(value)); }
    void dxfString(int gc, const std::string& value) const override {
        // Group codes right-aligned in three columns, as dxflib writes them.
        m_text += gc < 10 ? "  " : gc < 100 ? " " : "";
        m_text += std::to_string(gc);
        m_text += '\n';
        m_text += value;
        m_text += '\n';
    }
    const std::string& text() const { return m_text; }

  private:
    mutable std::string m_text;
};

QString fretLabel(std::size_t fret) {
    return fret == 0 ? QStringLiteral("N") : QString::number(fret);
}

}  // namespace

TemplateDrawing templateDrawing(const FretboardSettings& s, const FretPositions& p) {
    TemplateDrawing d;
    d.inches = s.unitsType == kUnitsInches;
    const double perMm = d.inches ? 1 / kMillimetresPerInch : 1.0;
    const double perInch = d.inches ? 1.0 : kMillimetresPerInch;
    d.slotXs.reserve(p.distFromNut.size());
    d.slotXs.push_back(0);
    for (int i = 1; i <= p.count(); ++i)
        d.slotXs.push_back(p.distFromNut[static_cast<std::size_t>(i)]);
    d.width = s.templateLineHeight * perMm;
    const std::int16_t guide = guidePosition(s);
    d.guideY = guide == kGuideTop ? 0 : guide == kGuideCenter ? d.width / 2 : d.width;
    d.slotStroke = s.lineWidthVert * kPixelInches * perInch;
    d.guideStroke = s.lineWidthHorz * kPixelInches * perInch;
    d.numbers = s.printFretNumbers;
    return d;
}

QByteArray templateSvg(const FretboardSettings& s, const FretPositions& p) {
    const TemplateDrawing d = templateDrawing(s, p);
    const double perMm = d.inches ? 1 / kMillimetresPerInch : 1.0;
    const double margin = kMarginMm * perMm;
    const double length = d.slotXs.back();
    const QString unit = d.inches ? QStringLiteral("in") : QStringLiteral("mm");
    QByteArray out;
    out.reserve(static_cast<qsizetype>(d.slotXs.size()) * 110 + 1024);
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    const double viewWidth = length + 2 * margin;
    const double viewHeight = d.width + 2 * margin;
    xml.writeAttribute(QStringLiteral("width"), shortestText(viewWidth) + unit);
    xml.writeAttribute(QStringLiteral("height"), shortestText(viewHeight) + unit);
    xml.writeAttribute(
        QStringLiteral("viewBox"),
        QStringLiteral("%1 %1 %2 %3")
            .arg(shortestText(-margin), shortestText(viewWidth), shortestText(viewHeight)));
    xml.writeTextElement(
        QStringLiteral("title"),
        QStringLiteral("Fret slot template, %1 frets, nut at x = 0 (%2)").arg(p.count()).arg(unit));
    const auto line = [&xml](double x1, double y1, double x2, double y2) {
        xml.writeEmptyElement(QStringLiteral("line"));
        xml.writeAttribute(QStringLiteral("x1"), shortestText(x1));
        xml.writeAttribute(QStringLiteral("y1"), shortestText(y1));
        xml.writeAttribute(QStringLiteral("x2"), shortestText(x2));
        xml.writeAttribute(QStringLiteral("y2"), shortestText(y2));
    };
    const auto group = [&xml](const char* id, const char* stroke, double width) {
        xml.writeStartElement(QStringLiteral("g"));
        xml.writeAttribute(QStringLiteral("id"), QString::fromLatin1(id));
        xml.writeAttribute(QStringLiteral("stroke"), QString::fromLatin1(stroke));
        xml.writeAttribute(QStringLiteral("stroke-width"), shortestText(width));
        xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    };
    group("edges", "#00ffff", d.guideStroke);
    line(0, 0, length, 0);
    line(0, d.width, length, d.width);
    xml.writeEndElement();
    group("guide", "#000000", d.guideStroke);
    line(0, d.guideY, length, d.guideY);
    xml.writeEndElement();
    group("slots", "#000000", d.slotStroke);
    for (const double x : d.slotXs) line(x, 0, x, d.width);
    xml.writeEndElement();
    if (d.numbers) {
        const double height = kNumberHeightMm * perMm;
        const double y = d.guideY == d.width ? d.width - height / 2 : height * 1.5;
        xml.writeStartElement(QStringLiteral("g"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("numbers"));
        xml.writeAttribute(QStringLiteral("font-family"), kFretNumberFont);
        xml.writeAttribute(QStringLiteral("font-size"), shortestText(height));
        xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("#000000"));
        for (std::size_t i = 0; i < d.slotXs.size(); ++i) {
            xml.writeStartElement(QStringLiteral("text"));
            xml.writeAttribute(QStringLiteral("x"), shortestText(d.slotXs[i] + height / 5));
            xml.writeAttribute(QStringLiteral("y"), shortestText(y));
            xml.writeCharacters(fretLabel(i));
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

namespace {

// A DXF drawing through dxflib: header with the units, the layers, then what `entities` draws.
QByteArray dxfDrawing(bool inches, const std::vector<std::pair<const char*, int>>& layers,
                      const std::function<void(DxfOut&)>& entities) {
    DL_Dxf dxf;  // writes AutoCAD 2000 (AC1015), dxflib's default
    const auto dw = std::make_unique<MemoryDxfWriter>();
    dxf.writeHeader(*dw);
    dw->dxfString(9, "$INSUNITS");
    dw->dxfInt(70, inches ? 1 : 4);
    dw->sectionEnd();
    dw->sectionTables();
    dxf.writeVPort(*dw);
    dw->tableLinetypes(3);
    dxf.writeLinetype(*dw, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
    dxf.writeLinetype(*dw, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
    dxf.writeLinetype(*dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
    dw->tableEnd();
    dw->tableLayers(static_cast<int>(layers.size()) + 1);
    dxf.writeLayer(*dw, DL_LayerData("0", 0),
                   DL_Attributes("", DL_Codes::black, 100, "CONTINUOUS", 1.0));
    for (const auto& [name, colour] : layers) {
        dxf.writeLayer(*dw, DL_LayerData(name, 0),
                       DL_Attributes("", colour, 100, "CONTINUOUS", 1.0));
    }
    dw->tableEnd();
    dw->tableStyle(1);
    dxf.writeStyle(*dw, DL_StyleData("standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw->tableEnd();
    dxf.writeView(*dw);
    dxf.writeUcs(*dw);
    dw->tableAppid(1);
    dxf.writeAppid(*dw, "ACAD");
    dw->tableEnd();
    dxf.writeDimStyle(*dw, 1, 1, 1, 1, 1);
    dxf.writeBlockRecord(*dw);
    dw->tableEnd();
    dw->sectionEnd();
    dw->sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(*dw, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(*dw, block);
    }
    dw->sectionEnd();
    dw->sectionEntities();
    DxfOut out{dxf, *dw};
    entities(out);
    dw->sectionEnd();
    dxf.writeObjects(*dw);
    dxf.writeObjectsEnd(*dw);
    dw->dxfEOF();
    return QByteArray::fromStdString(dw->text());
}

}  // namespace

void DxfOut::line(const char* layer, double x1, double y1, double x2, double y2) {
    dxf.writeLine(writer, DL_LineData(x1, y1, 0, x2, y2, 0),
                  DL_Attributes(layer, 256, -1, "BYLAYER", 1.0));
}

void DxfOut::text(const char* layer, double x, double y, double height, const QString& text) {
    dxf.writeText(
        writer,
        DL_TextData(x, y, 0, x, y, 0, height, 1, 0, 0, 0, text.toStdString(), "standard", 0),
        DL_Attributes(layer, 256, -1, "BYLAYER", 1.0));
}

QByteArray templateDxf(const FretboardSettings& s, const FretPositions& p) {
    const TemplateDrawing d = templateDrawing(s, p);
    const double perMm = d.inches ? 1 / kMillimetresPerInch : 1.0;
    const double length = d.slotXs.back();
    return dxfDrawing(
        d.inches,
        {{"SLOTS", DL_Codes::black},
         {"GUIDE", DL_Codes::black},
         {"EDGES", DL_Codes::cyan},
         {"NUMBERS", DL_Codes::black}},
        [&](DxfOut& out) {
            // y up: the drawing's top edge, where the printed template's top is,
            // at y = width.
            for (const double x : d.slotXs) out.line("SLOTS", x, 0, x, d.width);
            out.line("EDGES", 0, 0, length, 0);
            out.line("EDGES", 0, d.width, length, d.width);
            out.line("GUIDE", 0, d.width - d.guideY, length, d.width - d.guideY);
            if (!d.numbers) return;
            const double height = kNumberHeightMm * perMm;
            const double y = d.guideY == d.width ? height / 2 : d.width - height * 1.5;
            for (std::size_t i = 0; i < d.slotXs.size(); ++i) {
                out.text("NUMBERS", d.slotXs[i] + height / 5, y, height, fretLabel(i));
            }
        });
}

QByteArray fannedDxf(const FannedBoard& board, bool inches) {
    const double height = kNumberHeightMm * (inches ? 1 / kMillimetresPerInch : 1.0);
    return dxfDrawing(inches,
                      {{"FRETS", DL_Codes::black},
                       {"NUT", DL_Codes::black},
                       {"BRIDGE", DL_Codes::black},
                       {"STRINGS", DL_Codes::blue},
                       {"EDGES", DL_Codes::cyan},
                       {"NUMBERS", DL_Codes::black}},
                      [&](DxfOut& out) {
                          const auto line = [&out](const char* layer, const Segment& g) {
                              out.line(layer, g.from.x, g.from.y, g.to.x, g.to.y);
                          };
                          for (const Segment& f : board.frets) line("FRETS", f);
                          line("NUT", board.nut);
                          line("BRIDGE", board.bridge);
                          for (const Segment& g : board.strings) line("STRINGS", g);
                          line("EDGES", board.trebleEdge);
                          line("EDGES", board.bassEdge);
                          // The numbers beside the bass edge.
                          for (std::size_t i = 0; i < board.frets.size(); ++i) {
                              const Point& end = board.frets[i].to;
                              out.text("NUMBERS", end.x, end.y + height / 2, height,
                                       QString::number(i + 1));
                          }
                      });
}

QByteArray fannedSvg(const FannedBoard& board, bool inches) {
    const double perMm = inches ? 1 / kMillimetresPerInch : 1.0;
    const Extent e = extentOf(board);
    const double margin = 5 * perMm;
    const QString unit = inches ? QStringLiteral("in") : QStringLiteral("mm");
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    const double width = e.right - e.left + 2 * margin;
    const double height = e.bottom - e.top + 2 * margin;
    xml.writeAttribute(QStringLiteral("width"), shortestText(width) + unit);
    xml.writeAttribute(QStringLiteral("height"), shortestText(height) + unit);
    xml.writeAttribute(QStringLiteral("viewBox"),
                       QStringLiteral("%1 %2 %3 %4")
                           .arg(shortestText(e.left - margin), shortestText(e.top - margin),
                                shortestText(width), shortestText(height)));
    const auto group = [&](const char* id, const char* stroke, const std::vector<Segment>& lines) {
        xml.writeStartElement(QStringLiteral("g"));
        xml.writeAttribute(QStringLiteral("id"), QString::fromLatin1(id));
        xml.writeAttribute(QStringLiteral("stroke"), QString::fromLatin1(stroke));
        xml.writeAttribute(QStringLiteral("stroke-width"), shortestText(0.2 * perMm));
        for (const Segment& s : lines) {
            xml.writeEmptyElement(QStringLiteral("line"));
            xml.writeAttribute(QStringLiteral("x1"), shortestText(s.from.x));
            xml.writeAttribute(QStringLiteral("y1"), shortestText(s.from.y));
            xml.writeAttribute(QStringLiteral("x2"), shortestText(s.to.x));
            xml.writeAttribute(QStringLiteral("y2"), shortestText(s.to.y));
        }
        xml.writeEndElement();
    };
    group("FRETS", "#000000", board.frets);
    group("NUT", "#000000", {board.nut});
    group("BRIDGE", "#000000", {board.bridge});
    group("STRINGS", "#969696", board.strings);
    group("EDGES", "#00ffff", {board.trebleEdge, board.bassEdge});
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("NUMBERS"));
    xml.writeAttribute(QStringLiteral("font-family"), kFretNumberFont);
    xml.writeAttribute(QStringLiteral("font-size"), shortestText(2.5 * perMm));
    for (std::size_t i = 0; i < board.frets.size(); ++i) {
        xml.writeStartElement(QStringLiteral("text"));
        xml.writeAttribute(QStringLiteral("x"), shortestText(board.frets[i].to.x));
        xml.writeAttribute(QStringLiteral("y"), shortestText(board.frets[i].to.y + 3 * perMm));
        xml.writeCharacters(QString::number(i + 1));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

QByteArray fannedCsv(const FannedBoard& board, bool inches) {
    QByteArray out =
        "fret,along_first_mm,along_last_mm,along_midline_mm,along_first_in,along_last_in,"
        "along_midline_in,angle_degrees\r\n";
    for (const FannedFret& f : board.table) {
        std::string row = std::to_string(f.fret);
        for (const double v : {f.alongFirst, f.alongLast, f.alongMidline}) {
            row += ',' + shortest(inches ? v * kMillimetresPerInch : v);
        }
        for (const double v : {f.alongFirst, f.alongLast, f.alongMidline}) {
            row += ',' + shortest(inches ? v : v / kMillimetresPerInch);
        }
        row += ',' + shortest(f.angleDegrees) + "\r\n";
        out.append(row.data(), static_cast<qsizetype>(row.size()));
    }
    return out;
}

QByteArray chartCsv(const FretboardSettings& s, const FretPositions& p) {
    const bool inches = s.unitsType == kUnitsInches;
    QByteArray out = "fret,from_nut_mm,from_fret_mm,from_nut_in,from_fret_in\r\n";
    out.reserve(static_cast<qsizetype>(p.count()) * 96 + out.size());
    std::string row;
    for (int i = 1; i <= p.count(); ++i) {
        const auto index = static_cast<std::size_t>(i);
        const double nut = p.distFromNut[index];
        const double fret = p.distFromFret[index];
        row = std::to_string(i);
        for (const double v :
             {inches ? nut * kMillimetresPerInch : nut, inches ? fret * kMillimetresPerInch : fret,
              inches ? nut : nut / kMillimetresPerInch,
              inches ? fret : fret / kMillimetresPerInch}) {
            row += ',';
            row += shortest(v);
        }
        row += "\r\n";
        out.append(row.data(), static_cast<qsizetype>(row.size()));
    }
    return out;
}

bool saveBytes(const QString& fileName, const QByteArray& bytes, QString& error) {
    if (fileName == QLatin1String("-")) {
        QFile out;
        if (out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() &&
            out.flush()) {
            return true;
        }
        error = out.errorString();
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

std::optional<QString> savePdf(const QString& fileName, const PageSetup& setup,
                               const std::function<std::optional<QString>(PrinterSurface&)>& draw) {
    // The PDF is made beside its place, then renamed over it: a failure leaves nothing behind.
    const QFileInfo target(fileName);
    const QString part =
        target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".part");
    const auto failed = [&fileName](const QString& reason) {
        return QStringLiteral("The file %1 could not be written: %2")
            .arg(QDir::toNativeSeparators(fileName), reason);
    };
    if (fileName == QLatin1String("-")) return failed(QStringLiteral("a PDF needs a file"));
    {
        QFile probe(part);  // a folder that takes no file is said as such, before any drawing
        if (!probe.open(QIODevice::WriteOnly)) return failed(probe.errorString());
    }
    PdfFileProvider pdf(part, setup);
    if (auto failure = printDocument(pdf, draw)) {
        QFile::remove(part);
        return failure->replace(part, QDir::toNativeSeparators(fileName));
    }
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(part).toStdString(),
                            QFile::encodeName(target.absoluteFilePath()).toStdString(), ec);
    if (ec) {
        QFile::remove(part);
        return failed(QString::fromStdString(ec.message()));
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
    {ExportFormat::TemplateSvg, "svg", "SVG drawing (*.svg)"},
    {ExportFormat::TemplateDxf, "dxf", "DXF drawing (*.dxf)"},
    {ExportFormat::TemplatePdf, "pdf", "PDF document (*.pdf)"},
    {ExportFormat::ChartCsv, "csv", "CSV table (*.csv)"},
    {ExportFormat::ChartPdf, "pdf", "PDF document (*.pdf)"},
    {ExportFormat::ChartText, "txt", "Text (*.txt)"},
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
    return QString::fromLatin1(namesOf(format).filter);
}

namespace {

std::optional<QString> saveOrSay(const QString& fileName, const QByteArray& bytes) {
    QString error;
    if (saveBytes(fileName, bytes, error)) return std::nullopt;
    return QStringLiteral("The file %1 could not be written: %2")
        .arg(QDir::toNativeSeparators(fileName), error);
}

}  // namespace

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
            return saveOrSay(fileName, templateSvg(s, p));
        case ExportFormat::TemplateDxf:
            return saveOrSay(fileName, templateDxf(s, p));
        case ExportFormat::ChartCsv:
            return saveOrSay(fileName, chartCsv(s, p));
        case ExportFormat::ChartText:
            break;
    }
    return saveOrSay(fileName, QByteArray::fromStdString(buildFretChart(s, p)));
}

std::optional<QString> exportFanned(ExportFormat format, const QString& fileName,
                                    const FannedBoard& board, bool inches, const PageSetup& setup) {
    switch (format) {
        case ExportFormat::TemplatePdf:
            return savePdf(fileName, setup, fannedDocument(board, inches));
        case ExportFormat::TemplateSvg:
            return saveOrSay(fileName, fannedSvg(board, inches));
        case ExportFormat::ChartCsv:
            return saveOrSay(fileName, fannedCsv(board, inches));
        default:
            return saveOrSay(fileName, fannedDxf(board, inches));
    }
}

QString suggestedFileName(const FretboardSettings& s, const QString& extension) {
    const bool inches = s.unitsType == kUnitsInches;
    const QString length =
        inches ? QString::fromStdString(formatGeneral(std::round(s.scaleLen * 100) / 100))
               : QString::number(std::llround(s.scaleLen));
    return QStringLiteral("fretboard-%1%2-%3.%4")
        .arg(length, inches ? QStringLiteral("in") : QStringLiteral("mm"))
        .arg(s.nFrets)
        .arg(extension);
}

}  // namespace varnel
