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
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "cli/chartcli.h"
#include "core/chart.h"
#include "dxfreader.h"
#include "examplecharts.h"
#include "layout/boardlayout.h"
#include "layout/chartlayout.h"
#include "layout/checkreport.h"
#include "layout/templatelayout.h"
#include "raster.h"
#include "recordingprinter.h"
#include "render/boardprint.h"
#include "render/calibration.h"
#include "render/exports.h"
#include "render/printjobs.h"
#include "store/configrepository.h"
#include "testsupport.h"

namespace varnel {
namespace {

using test::readDxf;

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

        QXmlStreamReader svg(drawingSvg(templateSheet(s, p, NominalMeasure())));
        std::vector<double> slotXs;
        bool inSlots = false;
        while (!svg.atEnd()) {
            if (svg.readNext() != QXmlStreamReader::StartElement) continue;
            const auto a = svg.attributes();
            if (svg.name() == u"svg") {
                EXPECT_TRUE(a.value("width").endsWith(unit));
                EXPECT_EQ(a.value("viewBox").split(u' ').size(), 4);
            }
            // The nut's group, then the slots'.
            if (svg.name() == u"g") inSlots = a.value("id") == u"nut" || a.value("id") == u"slots";
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
            EXPECT_EQ(dxf["fixes"].toInt(), 0);  // nothing for a strict reader to mend
            EXPECT_EQ(dxf["numbers"].toInt(), row.frets + 1);
            // The nut on a layer of its own, so that cutting SLOTS leaves it alone.
            EXPECT_EQ(dxf["lines"].toObject()["NUT"].toInt(), 1);
            const QJsonArray lines = dxf["slots"].toArray();
            ASSERT_EQ(lines.size(), row.frets);
            for (int i = 1; i <= row.frets; ++i) {
                const QJsonArray l = lines[i - 1].toArray();
                ASSERT_NEAR(l[0].toDouble(), p.distFromNut[i], 1e-6) << i;
                ASSERT_EQ(std::min(l[1].toDouble(), l[3].toDouble()), 0);
                ASSERT_NEAR(std::max(l[1].toDouble(), l[3].toDouble()),
                            s.templateLineHeight / (inches ? 25.4 : 1), 1e-9);
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

// The same items in any order, a line either way round, numbers to the tolerance (sorted on a
// micrometre grid, so that surfaces' last-bit differences do not reorder them).
bool sameItems(std::vector<Item> a, std::vector<Item> b, double tolerance = 1e-9) {
    const auto grid = [](double v) { return std::llround(v * 1e6); };
    for (std::vector<Item>* items : {&a, &b}) {
        for (auto& [layer, n, text] : *items) {
            const bool line = text.empty() && (n.size() == 4 || n.size() == 5);
            if (line && std::pair(grid(n[2]), grid(n[3])) < std::pair(grid(n[0]), grid(n[1]))) {
                std::swap(n[0], n[2]);
                std::swap(n[1], n[3]);
            }
        }
        std::sort(items->begin(), items->end(), [&grid](const Item& x, const Item& y) {
            std::vector<long long> gx, gy;
            for (const double v : std::get<1>(x)) gx.push_back(grid(v));
            for (const double v : std::get<1>(y)) gy.push_back(grid(v));
            return std::tie(std::get<0>(x), gx, std::get<2>(x)) <
                   std::tie(std::get<0>(y), gy, std::get<2>(y));
        });
    }
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(), [tolerance](const Item& x, const Item& y) {
            const auto& [layerX, nx, textX] = x;
            const auto& [layerY, ny, textY] = y;
            return layerX == layerY && textX == textY &&
                   std::equal(
                       nx.begin(), nx.end(), ny.begin(), ny.end(),
                       [tolerance](double u, double v) { return std::fabs(u - v) <= tolerance; });
        });
}

// Every document, every surface. The pages a printer records are its laid-out pages, item for
// item (told apart by pen, colour, dash and face); a one-strip template's and a one-piece fanned
// board's slots, frets, strings and numbers are its sheet's, moved onto the page; the SVG and
// the DXF hold the sheet's items (SVG: a text's baseline one type size below its top; DXF: y
// taken from yUp).
TEST(ExportTest, EveryDocumentIsOneDrawingOnEverySurface) {
    QTemporaryDir dir;
    const auto styleOf = [](const QColor& c, double pixels, bool dashed) {
        return c.name().toStdString() + "/" + std::to_string(pixels) + (dashed ? "/dash" : "");
    };
    const auto pageItems = [&](const std::vector<Drawing>& pages) {
        std::vector<Item> items;
        for (std::size_t k = 0; k < pages.size(); ++k) {
            const Drawing& d = pages[k];
            const auto page = static_cast<double>(k + 1);
            const auto style = [&](std::size_t i, bool line) {
                const DrawingLayer& layer = d.layers[i];
                const QColor c(layer.colour.red, layer.colour.green, layer.colour.blue);
                return styleOf(c, layer.penPixels, line && layer.dashed && layer.penPixels <= 1);
            };
            const auto line = [&](std::size_t layer, const Segment& g) {
                items.push_back(
                    {style(layer, true), {g.from.x, g.from.y, g.to.x, g.to.y, page}, ""});
            };
            for (const DrawingLine& l : d.lines) line(l.layer, l.segment);
            for (const DrawingOutline& o : d.outlines) {
                for (const Segment& side : sidesOf(o)) line(o.layer, side);
            }
            for (const DrawingCircle& c : d.circles) {
                items.push_back(
                    {style(c.layer, false), {c.centre.x, c.centre.y, c.diameter, page}, "circle"});
            }
            for (const DrawingText& t : d.texts) {
                items.push_back({d.layers[t.layer].face + "/" + std::to_string(t.points),
                                 {t.topLeft.x, t.topLeft.y, page},
                                 t.text});
            }
        }
        return items;
    };
    // What the printer recorded in its dots, the correction undone.
    const ScaleCorrection correction{1.01, 0.99};
    const auto recordedItems = [&](const test::RecordingPrinter& printer) {
        std::vector<Item> items;
        const auto x = [&](const QPointF& p) { return p.x() / correction.horizontal; };
        const auto y = [&](const QPointF& p) { return p.y() / correction.vertical; };
        for (const auto& l : printer.lines) {
            items.push_back({styleOf(l.colour, l.widthDots, l.style == LineStyle::Dash),
                             {x(l.from), y(l.from), x(l.to), y(l.to), double(l.page)},
                             ""});
        }
        for (const auto& c : printer.circles) {
            items.push_back(
                {styleOf(c.colour, c.widthDots, false),
                 {x(c.centre), y(c.centre), c.diameter / correction.horizontal, double(c.page)},
                 "circle"});
        }
        for (const auto& t : printer.texts) {
            items.push_back({t.family.toStdString() + "/" + std::to_string(t.points),
                             {x(t.topLeft), y(t.topLeft), double(t.page)},
                             t.text.toStdString()});
        }
        return items;
    };
    // A sheet's items on the named layers, moved by (dx, dy), with y (and a text's top, moved
    // down by dt type sizes) as fy makes it; named by layer, in lower case for the SVG; an
    // outline as its sides (as pages draw it) or whole.
    const auto sheetItems = [](const Drawing& d, const std::set<std::string>& layers, double dx,
                               double dy, double dt, const std::function<double(double)>& fy,
                               bool lower, bool sides) {
        std::vector<Item> items;
        const auto name = [&](std::size_t i) {
            std::string n = d.layers[i].name;
            if (lower) std::transform(n.begin(), n.end(), n.begin(), ::tolower);
            return n;
        };
        const auto wanted = [&](std::size_t i) {
            return layers.empty() || layers.count(d.layers[i].name);
        };
        const auto line = [&](std::size_t layer, const Segment& g) {
            items.push_back({name(layer),
                             {g.from.x + dx, fy(g.from.y + dy), g.to.x + dx, fy(g.to.y + dy)},
                             ""});
        };
        for (const DrawingLine& l : d.lines) {
            if (wanted(l.layer)) line(l.layer, l.segment);
        }
        for (const DrawingOutline& o : d.outlines) {
            if (!wanted(o.layer)) continue;
            std::vector<double> points;
            for (const Point& p : o.points) points.insert(points.end(), {p.x + dx, fy(p.y + dy)});
            if (sides) {
                for (const Segment& side : sidesOf(o)) line(o.layer, side);
            } else {
                items.push_back({name(o.layer), points, "outline"});
            }
        }
        for (const DrawingCircle& c : d.circles) {
            if (wanted(c.layer))
                items.push_back(
                    {name(c.layer), {c.centre.x + dx, fy(c.centre.y + dy), c.diameter}, "circle"});
        }
        for (const DrawingText& t : d.texts) {
            if (!layers.empty() && !layers.count(d.layers[t.layer].name)) continue;
            const double top = t.topLeft.y + dy + dt * pointsToUnit(t.points, d.units);
            items.push_back({name(t.layer), {t.topLeft.x + dx, fy(top)}, t.text});
        }
        return items;
    };
    const auto svgItems = [](const QByteArray& bytes) {
        QXmlStreamReader svg(bytes);
        std::vector<Item> items;
        std::string group;
        while (!svg.atEnd()) {
            if (svg.readNext() != QXmlStreamReader::StartElement) continue;
            const auto a = svg.attributes();
            const auto at = [&a](const char* name) { return a.value(name).toDouble(); };
            if (svg.name() == u"g") group = a.value("id").toString().toStdString();
            if (svg.name() == u"line")
                items.push_back({group, {at("x1"), at("y1"), at("x2"), at("y2")}, ""});
            if (svg.name() == u"circle")
                items.push_back({group, {at("cx"), at("cy"), 2 * at("r")}, "circle"});
            if (svg.name() == u"polygon") {
                std::vector<double> points;
                for (const auto pair : a.value("points").split(u' ')) {
                    for (const auto number : pair.split(u',')) points.push_back(number.toDouble());
                }
                items.push_back({group, points, "outline"});
            }
            if (svg.name() == u"text") {
                const std::vector<double> xy = {at("x"), at("y")};
                items.push_back({group, xy, svg.readElementText().toStdString()});
            }
        }
        return items;
    };
    const auto dxfItems = [&](const QByteArray& bytes) {
        const QString file = dir.filePath("d.dxf");
        QString error;
        saveBytes(file, bytes, error);
        const QJsonObject dxf = readDxf(file);
        std::vector<Item> items;
        for (const QJsonValue& v : dxf["entities"].toArray()) {
            const QJsonArray e = v.toArray();
            if (e[1].isString()) {  // an outline or a circle: its numbers in one array
                std::vector<double> numbers;
                for (const QJsonValue& n : e[2].toArray()) numbers.push_back(n.toDouble());
                items.push_back(
                    {e[0].toString().toStdString(), numbers, e[1].toString().toStdString()});
                continue;
            }
            const bool line = e[4].isDouble();
            items.push_back({e[0].toString().toStdString(),
                             line ? std::vector<double>{e[1].toDouble(), e[2].toDouble(),
                                                        e[3].toDouble(), e[4].toDouble()}
                                  : std::vector<double>{e[1].toDouble(), e[2].toDouble()},
                             line ? "" : e[4].toString().toStdString()});
        }
        return std::pair(items, !dxf.isEmpty());
    };

    FretboardSettings base;
    base.nFrets = 24;
    base.scaleLen = 648;
    const struct {
        char document;  // Chart, Template, Calibration, Fanned
        std::int16_t units;
        std::int16_t guide;
        bool numbers;
    } rows[] = {
        {'C', kUnitsMillimetres, 0, true},
        {'C', kUnitsInches, 0, true},
        {'T', kUnitsMillimetres, kGuideTop, true},
        {'T', kUnitsMillimetres, kGuideCenter, true},
        {'T', kUnitsMillimetres, kGuideBottom, true},
        {'T', kUnitsInches, kGuideCenter, true},
        {'T', kUnitsInches, kGuideBottom, false},
        {'K', kUnitsMillimetres, 0, true},
        {'K', kUnitsInches, 0, true},
        {'F', kUnitsMillimetres, 0, true},
        {'F', kUnitsInches, 0, true},
        {'R', kUnitsMillimetres, 0, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(1, row.document) + " " + std::to_string(row.units) + " " +
                     std::to_string(row.guide) + (row.numbers ? " numbers" : ""));
        FretboardSettings s = base;
        s.unitsType = row.units;
        s.hLinePos = row.guide;
        s.printFretNumbers = row.numbers;
        if (row.units == kUnitsInches) s.scaleLen = 25.5;
        const bool inches = row.units == kUnitsInches;
        const FretPositions p = calcFretPositions(s);
        const DesignerBoard board =
            layOutBoard(inches ? DesignerInputs{6,
                                                25.5,
                                                27,
                                                1.4,
                                                2.1,
                                                0.5,
                                                0.12,
                                                0.15,
                                                {},
                                                workshopDefaults(Units::Inches)}
                               : DesignerInputs{7, 648, 686, 41, 62, 0, 3, 4, 7, {}},
                        s);
        // Pages wide enough for one strip or piece, with a correction to carry.
        test::RecordingPrinter printer(40, 20);
        printer.setCorrection(correction, "Laser");
        const auto note = correctionNote(printer)->toStdString();
        std::vector<Drawing> pages;
        std::optional<Drawing> sheet;
        std::set<std::string> shared;  // the layers a sheet shares with its page
        switch (row.document) {
            case 'C':
                EXPECT_FALSE(drawChart(printer, s, p));
                pages = chartPages(s, p, printer.frame(Units::Inches), printer, note).pages;
                break;
            case 'T':
                EXPECT_FALSE(drawTemplate(printer, s, p));
                pages = templatePages(s, p, printer.frame(unitsOf(row.units)), printer, note).pages;
                sheet = templateSheet(s, p, printer);
                shared = {"NUT", "SLOTS", "NUMBERS"};
                break;
            case 'R': {  // an instrument check's report, measured from the chart's positions
                std::vector<Measurement> measured;
                for (int j = 1; j <= 22; ++j)
                    measured.push_back({j, p.distFromNut[j] + 0.01 * (j % 3)});
                const auto check = std::get<InstrumentCheck>(checkInstrument(measured, 648.0));
                EXPECT_FALSE(drawCheckReport(printer, check));
                pages = checkReportPages(check, printer.frame(Units::Millimetres), printer, note);
                break;
            }
            case 'K':  // the rulers and their numbers; the text beside them is the dialog's
                printCalibrationPage(printer, row.units, "A4, portrait");
                pages = calibrationPages(unitsOf(row.units), calibrationRulers(printer, row.units),
                                         {}, 500, printer);
                break;
            default:
                EXPECT_FALSE(drawBoard(printer, board, unitsOf(row.units)));
                pages = boardPages(board, unitsOf(row.units), printer.frame(unitsOf(row.units)),
                                   printer, note)
                            .pages;
                sheet = boardDrawing(board, unitsOf(row.units));
                shared = {"STRINGS", "EDGES", "NUT",     "BRIDGE",      "SADDLE",
                          "FRETS",   "SLOTS", "MARKERS", "SIDEMARKERS", "NUMBERS"};
        }
        std::vector<Item> recorded = recordedItems(printer);
        if (row.document == 'K') {
            const auto words = [](const Item& i) {
                return std::get<2>(i).find_first_not_of("0123456789") != std::string::npos;
            };
            recorded.erase(std::remove_if(recorded.begin(), recorded.end(), words), recorded.end());
            std::vector<Item> laidOut = pageItems(pages);
            laidOut.erase(std::remove_if(laidOut.begin(), laidOut.end(), words), laidOut.end());
            EXPECT_TRUE(sameItems(recorded, laidOut)) << "pages";
            continue;
        }
        ASSERT_FALSE(pages.empty());
        EXPECT_TRUE(sameItems(recorded, pageItems(pages))) << "pages";
        ASSERT_FALSE(pages.empty());
        EXPECT_TRUE(sameItems(recorded, pageItems(pages))) << "pages";
        {
            auto a = recorded;
            auto b = pageItems(pages);
            std::sort(a.begin(), a.end());
            std::sort(b.begin(), b.end());
            std::cerr << a.size() << " vs " << b.size() << "\n";
            for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
                bool diff = std::get<0>(a[i]) != std::get<0>(b[i]) ||
                            std::get<2>(a[i]) != std::get<2>(b[i]) ||
                            std::get<1>(a[i]).size() != std::get<1>(b[i]).size();
                for (std::size_t k = 0; !diff && k < std::get<1>(a[i]).size(); ++k)
                    diff = std::fabs(std::get<1>(a[i])[k] - std::get<1>(b[i])[k]) > 1e-9;
                if (diff) {
                    for (double v : std::get<1>(a[i])) std::cerr << v << " ";
                    std::cerr << " / ";
                    for (double v : std::get<1>(b[i])) std::cerr << v << " ";
                    std::cerr << std::get<0>(a[i]) << "|" << std::get<2>(a[i]) << " vs "
                              << std::get<0>(b[i]) << "|" << std::get<2>(b[i]) << "\n";
                    break;
                }
            }
        }
        if (!sheet) continue;
        ASSERT_EQ(pages.size(), 1u);
        // The page's items on the shared layers are the sheet's, moved as its first line was (a
        // template's strips stand at 32-bit floats).
        const Drawing& page = pages.front();
        const auto firstOn = [&shared](const Drawing& d) {
            for (const DrawingLine& l : d.lines)
                if (shared.count(d.layers[l.layer].name)) return l.segment.from;
            return Point{};
        };
        const Point pageFirst = firstOn(page), sheetFirst = firstOn(*sheet);
        const auto same = [](double y) { return y; };
        EXPECT_TRUE(sameItems(sheetItems(page, shared, 0, 0, 0, same, false, true),
                              sheetItems(*sheet, shared, pageFirst.x - sheetFirst.x,
                                         pageFirst.y - sheetFirst.y, 0, same, false, true),
                              row.document == 'T' ? 1e-5 : 1e-9))
            << "sheet on the page";
        EXPECT_TRUE(sameItems(svgItems(drawingSvg(*sheet)),
                              sheetItems(*sheet, {}, 0, 0, 1, same, true, false)))
            << "SVG";
        const auto [dxf, read] = dxfItems(drawingDxf(*sheet));
        const double up = sheet->yUp;
        if (read) {  // python3-ezdxf is installed by scripts/deps
            EXPECT_TRUE(sameItems(
                dxf, sheetItems(
                         *sheet, {}, 0, 0, 1, [up](double y) { return up - y; }, false, false)))
                << "DXF";
        }
    }
}

// What the cutter needs, read back from the DXF (its y negated): each slot's corners on the
// edges, half the slot's width to either side of its fret; the markers midway between their
// frets (on the midline, at a quarter and three quarters across, or on the bass edge); the
// outline from the nut (the gap behind a zero fret) to the board's end, parallel to the last
// fret; the saddle at each outer string's length plus its compensation; the radius straight
// from the nut's to the end's.
TEST(ExportTest, TheWorkshopGeometryReadsBackFromTheDxf) {
    Workshop compound;
    compound.radiusAtNut = 305;
    compound.radiusAtEnd = 406;
    compound.trebleSaddle = 2;
    compound.bassSaddle = 4;
    Workshop zero = compound;
    zero.zeroFret = true;
    zero.boardEnd = 8;
    zero.sideMarkers = false;
    Workshop inch = workshopDefaults(Units::Inches);
    inch.radiusAtNut = 10;
    inch.radiusAtEnd = 16;
    const struct {
        const char* name;
        DesignerInputs in;
        Units units;
    } rows[] = {
        {"straight 6-string 648 mm",
         {6, 648, 648, 35, 52, 0, 3, 3, {}, compound},
         Units::Millimetres},
        {"fanned 7-string 648/686 mm, zero fret",
         {7, 648, 686, 41, 62, 0, 3, 4, 7, zero},
         Units::Millimetres},
        {"fanned 6-string 25.5/27 in",
         {6, 25.5, 27, 1.4, 2.1, 0.5, 0.12, 0.15, {}, inch},
         Units::Inches},
    };
    FretboardSettings s;
    s.nFrets = 24;
    QTemporaryDir dir;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Workshop& w = row.in.workshop;
        ASSERT_FALSE(designerRefusal(row.in, s));
        const DesignerBoard b = layOutBoard(row.in, s);
        QString error;
        ASSERT_TRUE(
            saveBytes(dir.filePath("w.dxf"), drawingDxf(boardDrawing(b, row.units)), error));
        const QJsonObject dxf = readDxf(dir.filePath("w.dxf"));
        if (dxf.isEmpty()) GTEST_SKIP() << "python3-ezdxf is not installed";
        EXPECT_EQ(dxf["fixes"].toInt() + dxf["errors"].toInt(), 0);
        std::map<std::string, std::vector<std::vector<Point>>> read;  // by layer
        for (const QJsonValue& v : dxf["entities"].toArray()) {
            const QJsonArray e = v.toArray();
            if (!e[1].isString()) continue;
            const QJsonArray n = e[2].toArray();
            std::vector<Point> points;
            for (qsizetype i = 0; i + 1 < n.size(); i += 2)
                points.push_back({n[i].toDouble(), -n[i + 1].toDouble()});
            if (e[1].toString() == "circle") points.push_back({n[2].toDouble(), 0});  // diameter
            read[e[0].toString().toStdString()].push_back(points);
        }
        const auto across = [](const Point& u, const Point& v, const Point& p) {  // signed
            return ((v.x - u.x) * (p.y - u.y) - (v.y - u.y) * (p.x - u.x)) /
                   std::hypot(v.x - u.x, v.y - u.y);
        };
        const auto meet = [](const Point& u, const Point& v, const Point& c, const Point& e) {
            const double rx = v.x - u.x, ry = v.y - u.y, sx = e.x - c.x, sy = e.y - c.y;
            const double t = ((c.x - u.x) * sy - (c.y - u.y) * sx) / (rx * sy - ry * sx);
            return Point{u.x + t * rx, u.y + t * ry};
        };
        const auto onMidline = [&](const Segment& f) { return meet(f.from, f.to, {0, 0}, {1, 0}); };
        const auto near = [](const Point& p, const Point& q) {
            return std::hypot(p.x - q.x, p.y - q.y) < 1e-9;
        };
        const Segment& treble = b.trebleEdge;
        const Segment& bass = b.bassEdge;
        // Slots: the zero fret's first, then every fret's.
        std::vector<Segment> frets = b.frets;
        if (b.zeroFret) frets.insert(frets.begin(), *b.zeroFret);
        ASSERT_EQ(read["SLOTS"].size(), frets.size());
        for (std::size_t i = 0; i < frets.size(); ++i) {
            const std::vector<Point>& c = read["SLOTS"][i];
            ASSERT_EQ(c.size(), 4u);
            const Segment& f = frets[i];
            for (std::size_t k = 0; k < 4; ++k) {
                const double side = k == 0 || k == 3 ? -1 : 1;
                EXPECT_NEAR(across(f.from, f.to, c[k]), side * w.slotWidth / 2, 1e-9) << i;
                const Segment& edge = k < 2 ? treble : bass;
                EXPECT_NEAR(across(edge.from, edge.to, c[k]), 0, 1e-9) << i;
            }
        }
        // Markers: the line before fret 1 is where the scale starts.
        const Segment start = b.zeroFret ? *b.zeroFret : b.nut;
        std::vector<std::vector<Point>> markers, side;
        for (int j = 1; j <= s.nFrets; ++j) {
            const bool twin = std::count(w.doubleMarkers.begin(), w.doubleMarkers.end(), j) > 0;
            if (!twin && !std::count(w.markers.begin(), w.markers.end(), j)) continue;
            const Segment& before = j == 1 ? start : b.frets[j - 2];
            const Segment& fret = b.frets[j - 1];
            const Point a = onMidline(before), e = onMidline(fret);
            const Point centre{(a.x + e.x) / 2, (a.y + e.y) / 2};
            if (twin) {
                const Point along{centre.x + fret.to.x - fret.from.x,
                                  centre.y + fret.to.y - fret.from.y};
                const Point t = meet(centre, along, treble.from, treble.to);
                const Point u = meet(centre, along, bass.from, bass.to);
                for (const double q : {0.25, 0.75})
                    markers.push_back(
                        {{t.x + q * (u.x - t.x), t.y + q * (u.y - t.y)}, {w.markerDiameter, 0}});
            } else {
                markers.push_back({centre, {w.markerDiameter, 0}});
            }
            if (w.sideMarkers) {
                const Point m{(before.to.x + fret.to.x) / 2, (before.to.y + fret.to.y) / 2};
                EXPECT_NEAR(across(bass.from, bass.to, m), 0, 1e-9);
                side.push_back({m, {w.sideMarkerDiameter, 0}});
            }
        }
        for (const auto& [layer, circles] :
             {std::pair{"MARKERS", &markers}, {"SIDEMARKERS", &side}}) {
            ASSERT_EQ(read[layer].size(), circles->size()) << layer;
            for (std::size_t i = 0; i < circles->size(); ++i) {
                EXPECT_TRUE(near(read[layer][i][0], (*circles)[i][0])) << layer << i;
                EXPECT_NEAR(read[layer][i][1].x, (*circles)[i][1].x, 1e-12) << layer << i;
            }
        }
        // The outline: nut, treble edge, board end, bass edge; the end parallel to the last
        // fret, the board end past it along the midline; a zero fret's nut the gap behind it.
        ASSERT_EQ(read["EDGES"].size(), 1u);
        const std::vector<Point>& o = read["EDGES"][0];
        ASSERT_EQ(o.size(), 4u);
        const Segment& last = b.frets.back();
        EXPECT_NEAR(across(last.from, last.to, o[1]) - across(last.from, last.to, o[2]), 0, 1e-9);
        EXPECT_NEAR(onMidline({o[1], o[2]}).x - onMidline(last).x, w.boardEnd, 1e-9);
        EXPECT_NEAR(onMidline(start).x - onMidline({o[0], o[3]}).x, w.zeroFret ? w.nutGap : 0,
                    1e-9);
        EXPECT_EQ(read["FRETS"].size(), 0u);  // lines, not outlines
        // The saddle, each end its string's length plus the compensation from the string's start.
        const Segment& first = b.strings.front();
        const Segment& lastString = b.strings.back();
        EXPECT_NEAR(std::hypot(b.saddle.from.x - first.from.x, b.saddle.from.y - first.from.y),
                    row.in.firstScale + w.trebleSaddle, 1e-9);
        EXPECT_NEAR(across(first.from, first.to, b.saddle.from), 0, 1e-9);
        EXPECT_NEAR(
            std::hypot(b.saddle.to.x - lastString.from.x, b.saddle.to.y - lastString.from.y),
            row.in.lastScale + w.bassSaddle, 1e-9);
        // The radius: the nut's at the nut, the end's at the board's end.
        const double nutX = onMidline({o[0], o[3]}).x, endX = onMidline({o[1], o[2]}).x;
        for (const BoardFret& f : b.table) {
            const double x = onMidline(b.frets[f.fret - 1]).x;
            EXPECT_NEAR(
                f.radius,
                w.radiusAtNut + (w.radiusAtEnd - w.radiusAtNut) * (x - nutX) / (endX - nutX), 1e-9);
        }
    }
}

// The dimension style names the text style's own handle (group 340), not whatever memory held:
// the same drawing written twice is the same bytes.
TEST(ExportTest, DxfDimensionStyleNamesTheTextStyle) {
    FretboardSettings s;
    s.scaleLen = 647.7;
    s.nFrets = 3;
    const DesignerBoard board = layOutBoard({}, s);
    for (const QByteArray& dxf :
         {drawingDxf(templateSheet(s, calcFretPositions(s), NominalMeasure())),
          drawingDxf(boardDrawing(board, Units::Millimetres))}) {
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
    EXPECT_EQ(dxf["fixes"].toInt(), 0);
    // The board is one closed outline, each slot another; the markers are circles: ten
    // positions, two of them double, each with a side marker.
    for (const auto& [kind, layer, count] : {std::tuple{"lines", "FRETS", 24},
                                             {"lines", "STRINGS", 7},
                                             {"lines", "NUT", 1},
                                             {"lines", "BRIDGE", 1},
                                             {"lines", "SADDLE", 1},
                                             {"lines", "EDGES", 0},
                                             {"outlines", "EDGES", 1},
                                             {"outlines", "SLOTS", 24},
                                             {"circles", "MARKERS", 12},
                                             {"circles", "SIDEMARKERS", 10}}) {
        EXPECT_EQ(dxf[kind].toObject()[layer].toInt(), count) << kind << " " << layer;
    }
    const QJsonArray strings = dxf["strings"].toArray();
    ASSERT_EQ(strings.size(), 7);
    const auto length = [](const QJsonArray& g) {
        return std::hypot(g[2].toDouble() - g[0].toDouble(), g[3].toDouble() - g[1].toDouble());
    };
    EXPECT_NEAR(length(strings[0].toArray()), 648, 1e-6);  // the treble string, at the top
    EXPECT_NEAR(length(strings[6].toArray()), 686, 1e-6);
    EXPECT_GT(strings[0].toArray()[1].toDouble(), strings[6].toArray()[1].toDouble());
    // The workshop's options: a zero fret's slot before the 24, two markers without side ones.
    args = instrument;
    args.insert(args.end(),
                {"--zero-fret", "5", "--markers", "3 5", "--double-markers", "", "--side-markers",
                 "no", "--saddle-compensation", "2,3", "--radius", "305,406", "--dxf", file});
    ASSERT_EQ(runChartCommand(args, out, err), kExitOk) << err.str();
    const QJsonObject workshop = readDxf(QString::fromStdString(file));
    EXPECT_EQ(workshop["outlines"].toObject()["SLOTS"].toInt(), 25);
    EXPECT_EQ(workshop["circles"].toObject()["MARKERS"].toInt(), 2);
    // Strings tuned apart in 19 equal: the fret points' first string is the table's first column.
    const std::string table = dir.filePath("table.csv").toStdString();
    const std::string points = dir.filePath("points.csv").toStdString();
    args = instrument;
    args.insert(args.end(), {"--edo", "19", "--tuning", "0 2 2 2 2 2 0", "--csv", table,
                             "--fret-points", points});
    ASSERT_EQ(runChartCommand(args, out, err), kExitOk) << err.str();
    const auto rows = [](const std::string& name) {
        QFile csv(QString::fromStdString(name));
        csv.open(QIODevice::ReadOnly);
        return csv.readAll().split('\n');
    };
    const QList<QByteArray> tableRows = rows(table), pointRows = rows(points);
    EXPECT_EQ(pointRows[0], "string,fret,cents,from_nut_mm,from_nut_in\r");
    ASSERT_EQ(pointRows.size(), 7 * 24 + 2);
    for (int j = 1; j <= 24; ++j) {
        const QList<QByteArray> point = pointRows[j].split(','), fret = tableRows[j].split(',');
        EXPECT_EQ(point[0] + "," + point[1], "1," + QByteArray::number(j));
        EXPECT_NEAR(point[3].toDouble(), fret[1].toDouble(), 1e-9) << j;
    }

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
          {"--perpendicular-fret", "-1", "The perpendicular fret, -1, must be 0 (the nut)"},
          {"--slot-width", "50", "The slot width, 50, must be narrower than the narrowest"},
          {"--radius", "305,0", "The radius at the nut and at the end must both be 0"}}) {
        args = instrument;
        args.insert(args.end(), {option, value, "--dxf", dir.filePath("x.dxf").toStdString()});
        std::ostringstream refusal;
        EXPECT_EQ(runChartCommand(args, out, refusal), kExitRefused) << option;
        EXPECT_EQ(refusal.str().rfind(message, 0), 0u) << refusal.str();
        EXPECT_FALSE(QFile::exists(dir.filePath("x.dxf")));
    }
}

// The designer's files for a few boards, byte for byte as they were written before its inputs
// were described in one table (tests/render/golden): the millimetre defaults, an inch board with
// the workshop's pairs, and partial frets in 19 equal.
TEST(ExportTest, DesignerFilesStayByteForByte) {
    const struct {
        const char* name;
        std::vector<std::string> args;
    } boards[] = {
        {"a", {"--frets", "12"}},
        {"b",
         {"--frets", "14", "--units", "in", "--strings", "4", "--first-scale", "25.5",
          "--last-scale", "27", "--overhang", "0.1,0.2", "--zero-fret", "0.2", "--radius", "10,16",
          "--saddle-compensation", "0.05,0.1"}},
        {"c",
         {"--frets", "10", "--strings", "5", "--edo", "19", "--tuning", "0 2 2 2 0",
          "--perpendicular-ratio", "0.3", "--markers", "3 5", "--side-markers", "no"}},
    };
    QTemporaryDir dir;
    for (const auto& board : boards) {
        std::vector<std::string> args = {"--fanned"};
        args.insert(args.end(), board.args.begin(), board.args.end());
        const std::string name = board.name;
        for (const std::string& file : {name + ".dxf", name + ".svg", name + ".csv"})
            args.insert(args.end(),
                        {"--" + file.substr(2), dir.filePath(file.c_str()).toStdString()});
        args.insert(args.end(),
                    {"--fret-points", dir.filePath((name + "-points.csv").c_str()).toStdString()});
        std::ostringstream out, err;
        ASSERT_EQ(runChartCommand(args, out, err), kExitOk) << err.str();
        for (const std::string& file :
             {name + ".dxf", name + ".svg", name + ".csv", name + "-points.csv"}) {
            QFile written(dir.filePath(file.c_str()));
            QFile golden(QStringLiteral(VARNEL_SOURCE_DIR "/tests/render/golden/") +
                         QString::fromStdString(file));
            ASSERT_TRUE(written.open(QIODevice::ReadOnly) && golden.open(QIODevice::ReadOnly))
                << file;
            EXPECT_TRUE(written.readAll() == golden.readAll()) << file;
        }
    }
}

// varnel-chart --check: the fit of each model to 6 decimals, the best named, the table; its
// report as a PDF; measurements it cannot check exit 1 naming the fret, and write no file.
TEST(ExportTest, CheckingAnInstrumentOnTheCommandLine) {
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& text) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(text);
        return dir.filePath(name).toStdString();
    };
    const std::string good = write("good.csv", "fret,distance\n1,36.369\n2,70.697\n3,103.048\n");
    const std::string bad = write("bad.csv", "1,36.369\n2,30\n3,103.048\n");
    const std::string pdf = dir.filePath("report.pdf").toStdString();
    std::ostringstream out, err;
    ASSERT_EQ(runChartCommand({"--check", good, "--check-pdf", pdf}, out, err), kExitOk)
        << err.str();
    EXPECT_NE(out.str().find("\nbest: twelfth root\nThe nut stands 0.04 mm away from the bridge "
                             "from where the frets want it.\nfret,measured_mm,best_mm,residual_mm,"
                             "cents\n1,36.369,"),
              std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("twelfth root,647.512717,0.035281,0.012201,0.017252\n"),
              std::string::npos);
    // A field with a comma is quoted, so that a CSV reader finds five fields.
    EXPECT_NE(out.str().find("\n\"rule of 18ths, common\",647.5"), std::string::npos);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(pdf)));
    // Measured in inches, the report says inches, never millimetres.
    const std::string inches = write("in.csv", "1,1.432\n2,2.783\n3,4.057\n4,5.261\n");
    std::ostringstream inchOut;
    ASSERT_EQ(runChartCommand({"--check", inches, "--units", "in", "--scale", "25.5", "--check-pdf",
                               pdf + ".in"},
                              inchOut, err),
              kExitOk)
        << err.str();
    EXPECT_NE(inchOut.str().find("model,scale_length_in,nut_offset_in,rms_in,largest_in"),
              std::string::npos);
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QString::fromStdString(pdf + ".in"), QStringLiteral("-")});
    if (text.waitForFinished(30000) && text.exitCode() == 0) {  // poppler-utils, scripts/deps
        const QString report = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_TRUE(report.contains(QStringLiteral("twelfth root: scale length 25.495 in, nut ")))
            << report.toStdString();
        EXPECT_TRUE(report.contains(QStringLiteral(" in, RMS "))) << report.toStdString();
        EXPECT_TRUE(report.contains(QStringLiteral("The saddle stands"))) << report.toStdString();
        EXPECT_FALSE(report.contains(QStringLiteral(" mm"))) << report.toStdString();
    }
    std::ostringstream refusal;
    EXPECT_EQ(runChartCommand({"--check", bad, "--check-pdf", pdf + "2"}, out, refusal),
              kExitRefused);
    EXPECT_EQ(refusal.str(), "Fret 2 is measured no farther from the nut than fret 1.\n");
    std::ostringstream folder;  // a folder is no file (reading one threw before)
    EXPECT_EQ(runChartCommand({"--check", dir.path().toStdString()}, out, folder), kExitRefused);
    EXPECT_EQ(folder.str(), "The file " + dir.path().toStdString() + " could not be read.\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf + "2")));
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
              "The saved configuration Strat has a Fretboard Designer input that is not a number: "
              "--last-scale.\n");
    EXPECT_EQ(std::get<0>(run({"--config", "Strat", "--fanned", "--last-scale", "27"})), kExitOk);
    // Defaults are millimetres, converted for an inch board: 648 mm is 25.511811 in.
    const auto [inches, table3, error3] = run({"--frets", "2", "--units", "in", "--fanned"});
    EXPECT_NE(table3.find("\n   1        1.432  "), std::string::npos) << table3;
}

}  // namespace
}  // namespace varnel
