#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>
#include <regex>
#include <sstream>

#include "cli/chartcli.h"
#include "core/numtext.h"
#include "dxfreader.h"
#include "layout/gaugelayout.h"
#include "layout/pagelabels.h"
#include "layout/templatelayout.h"
#include "raster.h"
#include "recordingprinter.h"
#include "render/boardprint.h"
#include "render/exports.h"

namespace varnel {
namespace {

using test::readDxf;

// No line of a page reaches into the box of any of its labels: no point of a hundred along it.
void expectLabelsClear(const Drawing& page, const TextMeasure& measure, const std::string& what) {
    for (const DrawingText& t : page.texts) {
        if (page.layers[t.layer].name != "LABELS") continue;
        const std::string& face = page.layers[t.layer].face;
        const double w = inchesToUnit(measure.textWidthInches(face, t.points, t.text), page.units);
        const double h = inchesToUnit(measure.lineHeightInches(face, t.points), page.units);
        for (const DrawingLine& l : page.lines) {
            int inside = 0;
            for (int k = 0; k <= 100; ++k) {
                const double x = l.segment.from.x + (l.segment.to.x - l.segment.from.x) * k / 100;
                const double y = l.segment.from.y + (l.segment.to.y - l.segment.from.y) * k / 100;
                inside += x > t.topLeft.x + 1e-9 && x < t.topLeft.x + w - 1e-9 &&
                          y > t.topLeft.y + 1e-9 && y < t.topLeft.y + h - 1e-9;
            }
            EXPECT_EQ(inside, 0) << what << ": \"" << t.text << "\" is crossed";
        }
    }
}

// Every page of the straight template says which page it is, what board it is for and what
// made it; it carries a rule of 100 mm (4 in; shorter only on narrower paper) and a check along
// its first strip from its first fret to its last, which the page's fret numbers confirm.
TEST(PageLabelsTest, EveryTemplatePageSaysWhatItIsAndCarriesItsCheck) {
    const struct {
        std::int16_t units;
        std::int16_t method;
        double scale;
        int frets;
        PageFrame frame;
        double rule;
        const char* description;
    } rows[] = {
        {kUnitsMillimetres,
         kCalcTwelfthRoot,
         648,
         22,
         {197.3, 284.3, 25.4 / 600},
         100,
         "scale 648 mm, 22 frets, twelfth root of 2"},
        {kUnitsInches,
         kCalcRule18,
         25.5,
         24,
         {8, 10.5, 1.0 / 600},
         4,
         "scale 25.5 in, 24 frets, rule of 18ths, factor 17.817"},
        {kUnitsMillimetres,
         kCalcTwelfthRoot,
         330,
         30,
         {76.2, 120, 25.4 / 600},
         70,
         "scale 330 mm, 30 frets, twelfth root of 2"},
    };
    const NominalMeasure measure;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.description);
        FretboardSettings s;
        s.unitsType = row.units;
        s.calcType = row.method;
        s.scaleLen = row.scale;
        s.nFrets = static_cast<std::int16_t>(row.frets);
        const FretPositions p = calcFretPositions(s);
        const TemplatePages out = templatePages(s, p, row.frame, measure, "");
        ASSERT_FALSE(out.pages.empty());
        const std::size_t n = out.pages.size();
        for (std::size_t k = 0; k < n; ++k) {
            const Drawing& page = out.pages[k];
            std::map<std::string, const DrawingText*> texts;
            std::map<double, std::vector<int>> numbersByTop;  // the fret numbers of each strip
            for (const DrawingText& t : page.texts) {
                texts[t.text] = &t;
                if (page.layers[t.layer].name == "NUMBERS")
                    numbersByTop[t.topLeft.y].push_back(t.text == "N" ? 0 : std::stoi(t.text));
            }
            const std::string number = "page " + std::to_string(k + 1) + " of " + std::to_string(n);
            EXPECT_TRUE(texts.contains(number)) << number;
            EXPECT_TRUE(texts.contains(row.description));
            EXPECT_TRUE(texts.contains("Varnel v.1.01"));
            // The rule: two ticks of the labels' layer, its length apart.
            std::vector<double> ticks;
            for (const DrawingLine& l : page.lines) {
                if (page.layers[l.layer].name == "LABELS" && l.segment.from.x == l.segment.to.x)
                    ticks.push_back(l.segment.from.x);
            }
            ASSERT_EQ(ticks.size(), 2u);
            EXPECT_NEAR(ticks[1] - ticks[0], row.rule, 1e-12);
            // The check names the first and the last fret of the page's first strip.
            if (numbersByTop.empty()) continue;  // a page of the footer alone
            const std::vector<int>& first = numbersByTop.begin()->second;
            const int from = first.front(), to = first.back();
            const std::string unit = row.units == kUnitsInches ? " in" : " mm";
            const std::string check =
                "check: " + (from == 0 ? std::string("nut") : "fret " + std::to_string(from)) +
                " to fret " + std::to_string(to) + " = " +
                formatFixed(p.distFromNut[to] - p.distFromNut[from], 3) + unit;
            EXPECT_TRUE(texts.contains(check)) << check;
            expectLabelsClear(page, measure, number);
        }
    }
}

// On a PDF rendered at 1200 dpi, the rule's two ticks stand 100 mm (4 in) apart.
TEST(PageLabelsTest, TheRuleMeasuresTrueOnPaper) {
    for (const auto& [units, paper, length, paperHeight] :
         {std::tuple{kUnitsMillimetres, QPageSize::A4, 100.0, 297.0},
          std::tuple{kUnitsInches, QPageSize::Letter, 101.6, 279.4}}) {
        QTemporaryDir dir;
        FretboardSettings s;
        s.unitsType = units;
        s.scaleLen = units == kUnitsInches ? 25.5 : 648;
        s.nFrets = 22;
        PageSetup setup;
        setup.paper = paper;
        const QString file = dir.filePath("t.pdf");
        ASSERT_FALSE(
            exportDocument(ExportFormat::TemplatePdf, file, s, calcFretPositions(s), setup));
        // The foot of the page, where the rule is: its bar is the row with the longest run.
        const double top = paperHeight - 45;
        const QImage foot = test::renderPdf(file, dir.path(), 1200, {0, top, 210, 45});
        if (foot.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
        int barRow = -1, longest = 0;
        for (int y = 0; y < foot.height(); ++y) {
            int run = 0;
            for (int x = 0; x < foot.width(); ++x) {
                run = qGray(foot.pixel(x, y)) < 128 ? run + 1 : 0;
                if (run > longest) {
                    longest = run;
                    barRow = y;
                }
            }
        }
        ASSERT_GT(longest, 90 / 25.4 * 1200);
        // A row through both ticks, 1 mm above the bar.
        const std::vector<double> runs = test::darkRuns(foot, 1200, false, barRow - 47);
        ASSERT_EQ(runs.size(), 2u);
        EXPECT_NEAR(runs[1] - runs[0], length, 0.05);
    }
}

int chart(const std::vector<std::string>& args, std::string* error = nullptr) {
    std::ostringstream out, err;
    const int status = runChartCommand(args, out, err);
    if (error) *error = err.str();
    return status;
}

// Gauges for the board's two radii and any given, read back from the DXF: true arcs of exactly
// the radius on GAUGE, their chord the board's widest width plus 20 mm, each outline closed
// (every end of a line or an arc met by exactly one other). On narrow paper a gauge is cut into
// pieces, each arc keeping its radius.
TEST(GaugeTest, GaugesHaveTheirRadiiAndClosedOutlines) {
    const struct {
        std::vector<std::string> args;
        std::vector<double> radii;
        double widerBy;
    } rows[] = {
        {{"--radius", "184,305", "--radius-gauge", "400"}, {184, 305, 400}, 20},
        {{"--units", "in", "--first-scale", "25.5", "--last-scale", "25.5", "--radius", "12,12"},
         {12},
         20 / 25.4},
    };
    QTemporaryDir dir;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.radii.front());
        const QString file = dir.filePath("g.dxf");
        std::vector<std::string> args = {"--fanned",
                                         "--frets",
                                         "22",
                                         "--radius-gauges-dxf",
                                         file.toStdString(),
                                         "--radius-gauges-pdf",
                                         dir.filePath("g.pdf").toStdString()};
        args.insert(args.end(), row.args.begin(), row.args.end());
        std::string error;
        ASSERT_EQ(chart(args, &error), kExitOk) << error;
        EXPECT_TRUE(QFile::exists(dir.filePath("g.pdf")));
        // The board as the gauges measure it.
        FretboardSettings s;
        s.nFrets = 22;
        const Units units = row.args.front() == "--units" ? Units::Inches : Units::Millimetres;
        s.unitsType = units == Units::Inches ? kUnitsInches : kUnitsMillimetres;
        DesignerInputs in = designerDefaults(units);
        DesignerTexts texts;
        for (std::size_t k = 0; k + 1 < row.args.size(); k += 2) {
            if (auto t = optionTexts(row.args[k], row.args[k + 1])) texts.merge(*t);
        }
        texts["unitsType"] = std::to_string(s.unitsType);
        readDesignerTexts(texts, units, in);
        const DesignerBoard board = layOutBoard(in, s);
        const double chord =
            std::max(widthAcross(board, board.nut), widthAcross(board, board.boardEnd)) +
            row.widerBy;
        const QJsonObject dxf = readDxf(file);
        if (dxf.isEmpty()) GTEST_SKIP() << "python3-ezdxf is not installed";
        EXPECT_EQ(dxf["errors"].toInt(), 0);
        const QJsonArray arcs = dxf["arcs"].toArray();
        ASSERT_EQ(arcs.size(), static_cast<qsizetype>(2 * row.radii.size()));
        std::map<std::pair<long long, long long>, int> ends;  // each end, to 1e-6
        const auto end = [&](double x, double y) {
            ++ends[{std::llround(x * 1e6), std::llround(y * 1e6)}];
        };
        for (qsizetype k = 0; k < arcs.size(); ++k) {
            const QJsonArray a = arcs[k].toArray();
            EXPECT_EQ(a[0].toString(), "GAUGE");
            EXPECT_NEAR(a[3].toDouble(), row.radii[static_cast<std::size_t>(k / 2)], 1e-9);
            EXPECT_NEAR(
                std::hypot(a[6].toDouble() - a[4].toDouble(), a[7].toDouble() - a[5].toDouble()),
                chord, 1e-9);
            end(a[4].toDouble(), a[5].toDouble());
            end(a[6].toDouble(), a[7].toDouble());
        }
        for (const auto& e : dxf["entities"].toArray()) {
            const QJsonArray line = e.toArray();
            if (line[0].toString() != "GAUGE") continue;
            end(line[1].toDouble(), line[2].toDouble());
            end(line[3].toDouble(), line[4].toDouble());
        }
        for (const auto& [point, count] : ends) EXPECT_EQ(count, 2);
        // On paper 60 mm wide each gauge takes pieces; every arc keeps its radius.
        test::RecordingPrinter narrow(60 / 25.4, 10);
        const RadiusGauges gauges = boardGauges(board, units, {});
        ASSERT_FALSE(drawGauges(narrow, gauges));
        int pieces = 0;
        for (const auto& t : narrow.texts) pieces += t.text.startsWith("piece ");
        EXPECT_GT(pieces, static_cast<int>(2 * gauges.radii.size()));
        for (const auto& arc : narrow.circles) {
            const double radius = arc.diameter / 2;  // in the page unit, the board's
            EXPECT_TRUE(std::any_of(row.radii.begin(), row.radii.end(),
                                    [&](double r) { return std::fabs(r - radius) < 1e-9; }));
        }
    }
    // What cannot be made is said, and nothing is written.
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } refused[] = {
        {{"--fanned", "--frets", "22"},
         kExitRefused,
         "The fretboard is flat: there is no radius to make a gauge for.\n"},
        {{"--fanned", "--frets", "22", "--radius-gauge", "30"},
         kExitRefused,
         "A radius of 30 mm is too small for a gauge 74.4 mm wide: it must be at least half the "
         "width.\n"},
        {{"--fanned", "--frets", "22", "--radius-gauge", "inf"}, kExitUsage, nullptr},
        {{"--fanned", "--frets", "22", "--radius-gauge", "-5"}, kExitUsage, nullptr},
        {{"--frets", "22", "--scale", "648", "--radius-gauge", "300"}, kExitUsage, nullptr},
    };
    for (const auto& r : refused) {
        std::vector<std::string> args = r.args;
        const QString file = dir.filePath("refused.dxf");
        args.insert(args.end(), {"--radius-gauges-dxf", file.toStdString()});
        std::string error;
        EXPECT_EQ(chart(args, &error), r.status) << args.back();
        if (r.message) {
            EXPECT_EQ(error, r.message);
        }
        EXPECT_FALSE(QFile::exists(file));
    }
}

// The SVG's groups are layers a vector editor lists by the layer's name; "Board only" keeps
// only what lies on the board, on a page that is the board's outline and a 5 mm margin.
TEST(BoardOnlyTest, TheBoardAloneOnItsOwnPageAndLayersByName) {
    FretboardSettings s;
    s.nFrets = 22;
    const DesignerBoard board = layOutBoard(designerDefaults(Units::Millimetres), s);
    const QString inkscape = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");
    for (const bool boardOnly : {false, true}) {
        const Drawing drawing = boardOnly ? boardOnlyDrawing(board, Units::Millimetres)
                                          : boardDrawing(board, Units::Millimetres);
        QXmlStreamReader svg(drawingSvg(drawing));
        std::vector<std::string> layers;
        QStringList viewBox;
        while (!svg.atEnd()) {
            if (svg.readNext() != QXmlStreamReader::StartElement) continue;
            const auto a = svg.attributes();
            if (svg.name() == u"svg") viewBox = a.value("viewBox").toString().split(u' ');
            if (svg.name() != u"g") continue;
            EXPECT_EQ(a.value(inkscape, "groupmode"), u"layer");
            EXPECT_EQ(a.value(inkscape, "label").toString().toLower(), a.value("id").toString());
            layers.push_back(a.value(inkscape, "label").toString().toStdString());
        }
        EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
        const std::vector<std::string> expected =
            boardOnly
                ? std::vector<std::string>{"EDGES", "NUT", "FRETS", "SLOTS", "MARKERS", "NUMBERS"}
                : std::vector<std::string>{"STRINGS", "EDGES", "NUT",     "BRIDGE",      "SADDLE",
                                           "FRETS",   "SLOTS", "MARKERS", "SIDEMARKERS", "NUMBERS"};
        EXPECT_EQ(layers, expected);
        if (!boardOnly) continue;
        double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
        for (const Point& p : board.outline) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        ASSERT_EQ(viewBox.size(), 4);
        EXPECT_NEAR(viewBox[0].toDouble(), left - 5, 1e-9);
        EXPECT_NEAR(viewBox[1].toDouble(), top - 5, 1e-9);
        EXPECT_NEAR(viewBox[2].toDouble(), right - left + 10, 1e-9);
        EXPECT_NEAR(viewBox[3].toDouble(), bottom - top + 10, 1e-9);
    }
    // --board-only reaches the files.
    QTemporaryDir dir;
    const QString file = dir.filePath("b.svg");
    ASSERT_EQ(chart({"--fanned", "--frets", "22", "--board-only", "--svg", file.toStdString()}),
              kExitOk);
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_FALSE(written.readAll().contains("id=\"strings\""));
}

// An arc cut to a band of x keeps the parts inside it, in order, however often it crosses.
TEST(DrawingArcTest, ArcsAreCutToABand) {
    const struct {
        double start, end, x0, x1;
        std::vector<std::pair<double, double>> parts;
    } rows[] = {
        {0, 180, -2, 2, {{0, 180}}},                   // wholly inside
        {0, 90, 0, 0.5, {{60, 90}}},                   // cut at one end
        {180, 360, -0.5, 0.5, {{240, 300}}},           // cut at both ends
        {0, 360, -0.5, 0.5, {{60, 120}, {240, 300}}},  // leaves and comes back
        {-90, 90, -2, -1.5, {}},                       // wholly outside
    };
    for (const auto& row : rows) {
        const auto parts = arcBetween({0, {0, 0}, 1, row.start, row.end}, row.x0, row.x1);
        ASSERT_EQ(parts.size(), row.parts.size()) << row.start << " " << row.x0;
        for (std::size_t k = 0; k < parts.size(); ++k) {
            EXPECT_NEAR(parts[k].startDegrees, row.parts[k].first, 1e-9);
            EXPECT_NEAR(parts[k].endDegrees, row.parts[k].second, 1e-9);
        }
    }
}

}  // namespace
}  // namespace varnel
