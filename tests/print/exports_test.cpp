#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>
#include <tuple>

#include "chart.h"
#include "chartcli.h"
#include "configrepository.h"
#include "examplecharts.h"
#include "exports.h"
#include "fannedlayout.h"
#include "fannedprint.h"
#include "raster.h"
#include "recordingprinter.h"
#include "testsupport.h"

namespace varnel {
namespace {

// The DXF as an independent reader (Python's ezdxf) sees it; null when it cannot be run.
QJsonObject readDxf(const QString& file) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(VARNEL_SOURCE_DIR "/tests/scripts/read_dxf.py"), file});
    if (!python.waitForFinished(120000) || python.exitCode() != 0) return {};
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

double parsed(std::string_view text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// One table of settings through every writer: the SVG's slotXs, the DXF as ezdxf reads it, the
// CSV's numbers read back, and the chart text.
TEST(ExportTest, EveryWriterKeepsTheExactDistances) {
    const struct {
        std::int16_t units;
        std::int16_t method;
        double scaleLen;
        std::int16_t frets;
    } rows[] = {
        {kUnitsMillimetres, kCalcTwelfthRoot, 647.7, 24},
        {kUnitsInches, kCalcRule18, 25.5, 22},
        {kUnitsMillimetres, kCalcRule18, 0.001, 2},
        {kUnitsInches, kCalcTwelfthRoot, 1e6, 2},
        {kUnitsMillimetres, kCalcTwelfthRoot, 864, kMaxFrets},
    };
    QTemporaryDir dir;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.frets);
        FretboardSettings s;
        s.unitsType = row.units;
        s.calcType = row.method;
        s.scaleLen = row.scaleLen;
        s.nFrets = row.frets;
        const FretPositions p = calcFretPositions(s);
        const bool inches = row.units == kUnitsInches;
        const QString unit = inches ? "in" : "mm";

        QXmlStreamReader svg(templateSvg(s, p));
        std::vector<double> slotXs;
        bool inSlots = false;
        while (!svg.atEnd()) {
            if (svg.readNext() != QXmlStreamReader::StartElement) continue;
            const auto a = svg.attributes();
            if (svg.name() == u"svg") {
                EXPECT_TRUE(a.value("width").endsWith(unit));
                EXPECT_EQ(a.value("viewBox").split(u' ').size(), 4);
            }
            if (svg.name() == u"g") inSlots = a.value("id") == u"slots";
            if (svg.name() == u"line" && inSlots) {
                slotXs.push_back(a.value("x1").toDouble());
                EXPECT_EQ(a.value("y2").toDouble(), s.templateLineHeight / (inches ? 25.4 : 1));
            }
        }
        EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
        ASSERT_EQ(slotXs.size(), static_cast<std::size_t>(row.frets) + 1);
        for (int i = 1; i <= row.frets; ++i) ASSERT_EQ(slotXs[i], p.distFromNut[i]) << i;

        const QString dxfFile = dir.filePath("t.dxf");
        ASSERT_FALSE(exportDocument(ExportFormat::TemplateDxf, dxfFile, s, p, {}));
        // ezdxf reads some thousand entities a second: the longest template is left to dxflib.
        const QJsonObject dxf = row.frets < 1000 ? readDxf(dxfFile) : QJsonObject();
        if (!dxf.isEmpty()) {  // python3-ezdxf is installed by scripts/deps
            EXPECT_EQ(dxf["insunits"].toInt(), inches ? 1 : 4);
            EXPECT_EQ(dxf["errors"].toInt(), 0);
            EXPECT_EQ(dxf["numbers"].toInt(), row.frets + 1);
            const QJsonArray lines = dxf["slots"].toArray();
            ASSERT_EQ(lines.size(), row.frets + 1);
            for (int i = 0; i <= row.frets; ++i) {
                const QJsonArray l = lines[i].toArray();
                ASSERT_NEAR(l[0].toDouble(), i == 0 ? 0 : p.distFromNut[i], 1e-6) << i;
                ASSERT_EQ(l[1].toDouble(), 0);
                ASSERT_NEAR(l[3].toDouble(), s.templateLineHeight / (inches ? 25.4 : 1), 1e-9);
            }
        }

        const QList<QByteArray> lines = chartCsv(s, p).split('\n');
        ASSERT_EQ(lines.size(),
                  row.frets + 2);  // the header, a row per fret, and after the last CR LF
        EXPECT_EQ(lines[0], "fret,from_nut_mm,from_fret_mm,from_nut_in,from_fret_in\r");
        for (int i = 1; i <= row.frets; ++i) {
            const QList<QByteArray> cells = lines[i].chopped(1).split(',');
            ASSERT_EQ(cells.size(), 5);
            const double nut = p.distFromNut[i];
            EXPECT_EQ(parsed(cells[0].toStdString()), i);
            EXPECT_EQ(parsed(cells[inches ? 3 : 1].toStdString()), nut);
            EXPECT_EQ(parsed(cells[inches ? 4 : 2].toStdString()), p.distFromFret[i]);
            EXPECT_EQ(parsed(cells[inches ? 1 : 3].toStdString()),
                      inches ? nut * 25.4 : nut / 25.4);
        }

        const QString text = dir.filePath("t.txt");
        ASSERT_FALSE(exportDocument(ExportFormat::ChartText, text, s, p, {}));
        QFile chartFile(text);
        ASSERT_TRUE(chartFile.open(QIODevice::ReadOnly));
        EXPECT_EQ(chartFile.readAll().toStdString(), buildFretChart(s, p));
    }
}

// The SVG drawn by an independent renderer: slots within 0.05 mm of their places.
TEST(ExportTest, RenderedSvgSlotsStandTrue) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (tool.isEmpty()) GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
    QTemporaryDir dir;
    FretboardSettings s;
    s.scaleLen = 647.7;
    s.nFrets = 6;
    s.printFretNumbers = false;
    s.lineWidthVert = 2;
    const FretPositions p = calcFretPositions(s);
    ASSERT_FALSE(exportDocument(ExportFormat::TemplateSvg, dir.filePath("t.svg"), s, p, {}));
    QProcess render;
    render.start(tool, {"--dpi-x", "1200", "--dpi-y", "1200", "-b", "white", "-o",
                        dir.filePath("t.png"), dir.filePath("t.svg")});
    ASSERT_TRUE(render.waitForFinished(60000) && render.exitCode() == 0);
    const QImage image(dir.filePath("t.png"));
    ASSERT_FALSE(image.isNull());
    // A row below the middle of the strip, after the 5 mm margin.
    std::vector<double> centres =
        test::darkRuns(image, 1200, false, static_cast<int>((5 + 12.5 + 3) / 25.4 * 1200));
    for (double& c : centres) c -= 5;
    ASSERT_EQ(centres.size(), 7u);
    for (std::size_t i = 0; i < centres.size(); ++i) {
        EXPECT_NEAR(centres[i], i == 0 ? 0 : p.distFromNut[i], 0.05) << i;
    }
}

// A surface's lines and texts: each its layer (or style), its numbers and its text.
using Item = std::tuple<std::string, std::vector<double>, std::string>;

// The same items in any order, a line either way round, numbers to 1e-9.
bool sameItems(std::vector<Item> a, std::vector<Item> b) {
    for (std::vector<Item>* items : {&a, &b}) {
        for (auto& [layer, n, text] : *items) {
            if (n.size() == 4 && std::pair(n[2], n[3]) < std::pair(n[0], n[1]))
                n = {n[2], n[3], n[0], n[1]};
        }
        std::sort(items->begin(), items->end());
    }
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Item& x, const Item& y) {
        const auto& [layerX, nx, textX] = x;
        const auto& [layerY, ny, textY] = y;
        return layerX == layerY && textX == textY &&
               std::equal(nx.begin(), nx.end(), ny.begin(), ny.end(),
                          [](double u, double v) { return std::fabs(u - v) <= 1e-9; });
    });
}

// One drawing, every surface: the lines and texts of the fanned board's drawing are what the
// pages, the SVG and the DXF show, each after its own transform (pages: moved onto the page,
// told apart by pen and colour; SVG: as they are, a text's baseline one type size below its
// top; DXF: that with y negated).
TEST(ExportTest, TheFannedDrawingIsTheSameOnPagesInSvgAndInDxf) {
    FretboardSettings s;
    s.nFrets = 24;
    QTemporaryDir dir;
    for (const auto& [inches, in] :
         {std::pair{false, FannedInputs{7, 648, 686, 41, 62, 0, 3, 4, 7}},
          {true, FannedInputs{6, 25.5, 27, 1.4, 2.1, 0.5, 0.12, 0.15, {}}}}) {
        SCOPED_TRACE(inches ? "inches" : "millimetres");
        const FannedBoard board = layOutFannedBoard(in, s);
        const Drawing d = fannedDrawing(board, inches);
        const auto style = [](const QColor& c, double pixels) {
            return c.name().toStdString() + "/" + std::to_string(pixels);
        };
        // The drawing moved by (dx, dy), y times ySign, a text by its top (dt 0) or baseline (1).
        const auto expected = [&](double dx, double dy, double ySign, double dt, bool byStyle) {
            const auto key = [&](std::size_t i) {
                const DrawingLayer& l = d.layers[i];
                const QColor c(l.colour.red, l.colour.green, l.colour.blue);
                return byStyle ? style(c, l.penPixels) : l.name;
            };
            std::vector<Item> items;
            for (const DrawingLine& l : d.lines) {
                const Segment& g = l.segment;
                items.push_back(
                    {key(l.layer),
                     {g.from.x + dx, ySign * (g.from.y + dy), g.to.x + dx, ySign * (g.to.y + dy)},
                     ""});
            }
            for (const DrawingText& t : d.texts) {
                const double y = ySign * (t.topLeft.y + dy + dt * t.size);
                items.push_back({byStyle ? "text" : key(t.layer), {t.topLeft.x + dx, y}, t.text});
            }
            return items;
        };

        // Pages wide enough for one piece, moved as fret 1's number was.
        test::RecordingPrinter printer(40, 20);
        printFannedBoard(printer, board, inches);
        std::vector<Item> pages;
        QPointF move;
        for (const auto& t : printer.texts) {
            bool number = false;
            t.text.toInt(&number);
            if (!number) continue;
            if (t.text == "1")
                move = t.topLeft - QPointF(d.texts.front().topLeft.x, d.texts.front().topLeft.y);
            pages.push_back({"text", {t.topLeft.x(), t.topLeft.y()}, t.text.toStdString()});
        }
        for (const auto& l : printer.lines) {
            pages.push_back(
                {style(l.colour, l.widthDots), {l.from.x(), l.from.y(), l.to.x(), l.to.y()}, ""});
        }
        EXPECT_TRUE(sameItems(pages, expected(move.x(), move.y(), 1, 0, true))) << "pages";

        QXmlStreamReader svg(drawingSvg(d));
        std::vector<Item> svgItems;
        std::string group;
        while (!svg.atEnd()) {
            if (svg.readNext() != QXmlStreamReader::StartElement) continue;
            const auto a = svg.attributes();
            const auto at = [&a](const char* name) { return a.value(name).toDouble(); };
            if (svg.name() == u"g") group = a.value("id").toString().toStdString();
            if (svg.name() == u"line")
                svgItems.push_back({group, {at("x1"), at("y1"), at("x2"), at("y2")}, ""});
            if (svg.name() == u"text") {
                const std::vector<double> xy = {at("x"), at("y")};
                svgItems.push_back({group, xy, svg.readElementText().toStdString()});
            }
        }
        EXPECT_TRUE(sameItems(svgItems, expected(0, 0, 1, 1, false))) << "SVG";

        const QString file = dir.filePath("d.dxf");
        QString error;
        ASSERT_TRUE(saveBytes(file, drawingDxf(d), error));
        const QJsonObject dxf = readDxf(file);
        if (dxf.isEmpty()) GTEST_SKIP() << "python3-ezdxf is not installed";
        std::vector<Item> dxfItems;
        for (const QJsonValue& v : dxf["entities"].toArray()) {
            const QJsonArray e = v.toArray();
            const bool line = e[4].isDouble();
            dxfItems.push_back({e[0].toString().toStdString(),
                                line ? std::vector<double>{e[1].toDouble(), e[2].toDouble(),
                                                           e[3].toDouble(), e[4].toDouble()}
                                     : std::vector<double>{e[1].toDouble(), e[2].toDouble()},
                                line ? "" : e[4].toString().toStdString()});
        }
        EXPECT_TRUE(sameItems(dxfItems, expected(0, 0, -1, 1, false))) << "DXF";
    }
}

// The dimension style names the text style's own handle (group 340), not whatever memory held:
// the same drawing written twice is the same bytes.
TEST(ExportTest, DxfDimensionStyleNamesTheTextStyle) {
    FretboardSettings s;
    s.scaleLen = 647.7;
    s.nFrets = 3;
    const FannedBoard board = layOutFannedBoard({}, s);
    for (const QByteArray& dxf :
         {templateDxf(s, calcFretPositions(s)), drawingDxf(fannedDrawing(board, false))}) {
        const QList<QByteArray> lines = dxf.split('\n');
        // Group code and value pairs; the record a pair belongs to is the last code 0's value.
        QByteArray record, styleHandle, dimensionTextStyle;
        for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
            const QByteArray code = lines[i].trimmed();
            if (code == "0") record = lines[i + 1];
            if (record == "STYLE" && code == "5") styleHandle = lines[i + 1];
            if (record == "DIMSTYLE" && code == "340") dimensionTextStyle = lines[i + 1];
        }
        EXPECT_FALSE(styleHandle.isEmpty());
        EXPECT_EQ(dimensionTextStyle, styleHandle);
    }
}

TEST(ExportTest, AFileThatCannotBeWrittenIsNamedAndNothingIsLeft) {
    FretboardSettings s;
    s.scaleLen = 647.7;
    s.nFrets = 12;
    const FretPositions p = calcFretPositions(s);
    QTemporaryDir dir;
    const QString blocked = dir.filePath("not-a-folder");
    QFile(blocked).open(QIODevice::WriteOnly);
    for (const ExportFormat format :
         {ExportFormat::TemplateSvg, ExportFormat::TemplateDxf, ExportFormat::TemplatePdf,
          ExportFormat::ChartCsv, ExportFormat::ChartPdf, ExportFormat::ChartText}) {
        const QString file = blocked + "/x." + exportExtension(format);
        const auto failure = exportDocument(format, file, s, p, {});
        ASSERT_TRUE(failure);
        EXPECT_TRUE(failure->startsWith("The file " + file + " could not be written"))
            << failure->toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"not-a-folder"}));
    EXPECT_EQ(suggestedFileName(s, "svg"), "fretboard-648mm-12.svg");
    s.unitsType = kUnitsInches;
    s.scaleLen = 25.5;
    EXPECT_EQ(suggestedFileName(s, "csv"), "fretboard-25.5in-12.csv");
}

// The fanned fretboard through varnel-chart into a DXF that ezdxf reads: a line per fret and
// per string, the nut, the bridge and the two edges, each on its layer, the bass string at the
// bottom as on paper (not mirrored); the tiled PDF with its correction; refusals exit 1.
TEST(ExportTest, FannedFretboardAsDxf) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("fanned.dxf").toStdString();
    std::ostringstream out, err;
    const std::vector<std::string> instrument = {"--fanned", "--frets",
                                                 "24",       "--strings",
                                                 "7",        "--first-scale",
                                                 "648",      "--last-scale",
                                                 "686",      "--nut-spacing",
                                                 "41",       "--bridge-spacing",
                                                 "62",       "--perpendicular-fret",
                                                 "7",        "--overhang",
                                                 "3,4"};
    auto args = instrument;
    args.insert(args.end(), {"--dxf", file});
    ASSERT_EQ(runChartCommand(args, out, err), kExitOk) << err.str();
    const QJsonObject dxf = readDxf(QString::fromStdString(file));
    if (dxf.isEmpty()) GTEST_SKIP() << "python3-ezdxf is not installed";
    EXPECT_EQ(dxf["errors"].toInt(), 0);
    const QJsonObject lines = dxf["lines"].toObject();
    for (const auto& [layer, count] :
         {std::pair{"FRETS", 24}, {"STRINGS", 7}, {"NUT", 1}, {"BRIDGE", 1}, {"EDGES", 2}}) {
        EXPECT_EQ(lines[layer].toInt(), count) << layer;
    }
    const QJsonArray strings = dxf["strings"].toArray();
    ASSERT_EQ(strings.size(), 7);
    const auto length = [](const QJsonArray& g) {
        return std::hypot(g[2].toDouble() - g[0].toDouble(), g[3].toDouble() - g[1].toDouble());
    };
    EXPECT_NEAR(length(strings[0].toArray()), 648, 1e-6);  // the treble string, at the top
    EXPECT_NEAR(length(strings[6].toArray()), 686, 1e-6);
    EXPECT_GT(strings[0].toArray()[1].toDouble(), strings[6].toArray()[1].toDouble());
    // The tiled PDF takes the scale correction given, as the straight template does.
    const QString pdf = dir.filePath("fanned.pdf");
    args = instrument;
    args.insert(args.end(), {"--x-correction", "101.5", "--template-pdf", pdf.toStdString()});
    ASSERT_EQ(runChartCommand(args, out, err), kExitOk) << err.str();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (text.waitForFinished(30000) && text.exitCode() == 0) {  // poppler-utils, scripts/deps
        EXPECT_TRUE(text.readAllStandardOutput().contains("horizontal 101.50 %"));
    }
    // Refusals name the input, an endless length among them, and write nothing.
    for (const auto& [option, value, message] :
         {std::tuple{"--first-scale", "5", "The first string's scale length, 5, must be more"},
          {"--overhang", "1e999", "The fretboard overhang, inf, must be a finite number."},
          {"--perpendicular-fret", "-1", "The perpendicular fret, -1, must be 0 (the nut)"}}) {
        args = instrument;
        args.insert(args.end(), {option, value, "--dxf", dir.filePath("x.dxf").toStdString()});
        std::ostringstream refusal;
        EXPECT_EQ(runChartCommand(args, out, refusal), kExitRefused) << option;
        EXPECT_EQ(refusal.str().rfind(message, 0), 0u) << refusal.str();
        EXPECT_FALSE(QFile::exists(dir.filePath("x.dxf")));
    }
}

// varnel-chart takes a saved configuration as Retrieve does; later options override it.
TEST(ExportTest, SavedConfigurationsOnTheCommandLine) {
    test::TempStore temp;
    FretboardSettings saved;
    saved.scaleLen = 25.5;
    saved.nFrets = 3;
    saved.unitsType = kUnitsInches;
    saved.unitsGranularity = kGranularityCoarse;
    ConfigRepository(temp.store()).save("Strat", saved);
    ConfigRepository(temp.store()).save("Bass", saved);
    const auto run = [&](std::vector<std::string> args) {
        std::ostringstream out, err;
        const int status = runChartCommand(args, out, err, {&temp.store(), nullptr});
        return std::tuple{status, out.str(), err.str()};
    };
    const auto [status, chart, noError] = run({"--config", "Strat"});
    EXPECT_EQ(status, kExitOk) << noError;
    EXPECT_EQ(chart, test::kFender3FretsCoarseInches);
    const auto [fine, fineChart, fineError] =
        run({"--config", "Strat", "--precision", "fine", "--units", "mm"});
    EXPECT_EQ(fineChart.substr(0, 23), "Scale Length: 25.5 mm\r\n");
    const auto [missing, nothing, said] = run({"--config", "Tele"});
    EXPECT_EQ(missing, kExitRefused);
    EXPECT_EQ(said, "No saved configuration is named Tele\n");
    const auto [listed, names, quiet] = run({"--list-configs"});
    EXPECT_EQ(names, "Strat\nBass\n");
    // With --fanned, the Fanned Frets inputs it carries, typed in millimetres, apply in its
    // inches; options after --config override them.
    for (const auto& [key, value] :
         {std::pair{"txtStrings", "7"}, {"txtFirstScale", "650"}, {"unitsType", "1"}})
        temp.store().saveSetting("Strat", QStringLiteral("fanned.") + key, value);
    const auto [fanned, table, fannedError] = run({"--config", "Strat", "--fanned"});
    EXPECT_EQ(fanned, kExitOk) << fannedError;
    EXPECT_NE(table.find("\n   1        1.436  "), std::string::npos) << table;
    const auto [overridden, table2, error2] =
        run({"--config", "Strat", "--fanned", "--first-scale", "25.5"});
    EXPECT_NE(table2.find("\n   1        1.431  "), std::string::npos) << table2;
    // A saved input that is no number is refused by name, unless an option gives it.
    temp.store().saveSetting("Strat", "fanned.txtLastScale", "abc");
    const auto [refused, none, reason] = run({"--config", "Strat", "--fanned"});
    EXPECT_EQ(refused, kExitRefused);
    EXPECT_EQ(reason,
              "The saved configuration Strat has a Fanned Frets input that is not a number: "
              "--last-scale.\n");
    EXPECT_EQ(std::get<0>(run({"--config", "Strat", "--fanned", "--last-scale", "27"})), kExitOk);
    // Defaults are millimetres, converted for an inch board: 648 mm is 25.511811 in.
    const auto [inches, table3, error3] = run({"--frets", "2", "--units", "in", "--fanned"});
    EXPECT_NE(table3.find("\n   1        1.432  "), std::string::npos) << table3;
}

}  // namespace
}  // namespace varnel
