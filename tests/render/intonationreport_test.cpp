#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <regex>
#include <sstream>

#include "cli/chartcli.h"
#include "core/designerboard.h"
#include "core/numtext.h"
#include "dxfreader.h"
#include "layout/boardlayout.h"
#include "layout/checkreport.h"
#include "layout/gaugelayout.h"
#include "layout/intonationreport.h"
#include "layout/templatelayout.h"
#include "recordingprinter.h"
#include "render/boardprint.h"

namespace varnel {
namespace {

using test::readDxf;

int chart(const std::vector<std::string>& args, std::string* output = nullptr,
          std::string* error = nullptr) {
    std::ostringstream out, err;
    const int status = runChartCommand(args, out, err);
    if (output) *output = out.str();
    if (error) *error = err.str();
    return status;
}

DesignerBoard boardWith(const std::vector<std::pair<std::string, std::string>>& options) {
    FretboardSettings s;
    s.nFrets = 22;
    DesignerInputs in = designerDefaults(Units::Millimetres);
    DesignerTexts texts{{"unitsType", "1"}};
    for (const auto& [option, value] : options) texts.merge(*optionTexts(option, value));
    EXPECT_TRUE(readDesignerTexts(texts, Units::Millimetres, in).empty());
    EXPECT_FALSE(designerRefusal(in, s));
    return layOutBoard(in, s);
}

// The compensated saddle runs through each string's point its setback behind the string's
// scale length, on every surface: in the DXF its SADDLE lines join those points, and with the
// nut compensated the NUT lines join each string's nut point. A straight saddle's setbacks run
// linearly across the strings. The CSV says what the board holds.
TEST(IntonationFilesTest, TheCompensatedSaddleAndNutReachTheFiles) {
    QTemporaryDir dir;
    for (const char* saddle : {"per-string", "straight"}) {
        SCOPED_TRACE(saddle);
        const DesignerBoard board = boardWith({{"--string-set", "electric-10-46"},
                                               {"--saddle", saddle},
                                               {"--nut-compensation", "yes"}});
        ASSERT_EQ(board.intonation.size(), 6u);
        const QString dxfFile = dir.filePath("i.dxf"), csvFile = dir.filePath("i.csv");
        std::string error;
        ASSERT_EQ(chart({"--fanned", "--frets", "22", "--string-set", "electric-10-46", "--saddle",
                         saddle, "--nut-compensation", "yes", "--dxf", dxfFile.toStdString(),
                         "--intonation-csv", csvFile.toStdString()},
                        nullptr, &error),
                  kExitOk)
            << error;
        // Each string's saddle and nut point, worked out here from its line and its setbacks.
        std::vector<Point> saddlePoints, nutPoints;
        for (std::size_t k = 0; k < 6; ++k) {
            const Segment& string = board.strings[k];
            const double L = std::hypot(string.to.x - string.from.x, string.to.y - string.from.y);
            const auto at = [&](double along) {
                return Point{string.from.x + (string.to.x - string.from.x) * along / L,
                             string.from.y + (string.to.y - string.from.y) * along / L};
            };
            saddlePoints.push_back(at(L + board.intonation[k].saddle));
            nutPoints.push_back(at(board.intonation[k].nut));
        }
        const QJsonObject dxf = readDxf(dxfFile);
        if (dxf.isEmpty()) GTEST_SKIP() << "python3-ezdxf is not installed";
        for (const auto& [layer, points] :
             {std::pair{"SADDLE", &saddlePoints}, std::pair{"NUT", &nutPoints}}) {
            std::vector<QJsonArray> lines;
            for (const auto& e : dxf["entities"].toArray()) {
                if (e.toArray()[0].toString() == layer) lines.push_back(e.toArray());
            }
            // A compensated nut runs on to the edges: a piece more at each end.
            const std::size_t skip = std::string(layer) == "NUT" ? 1 : 0;
            ASSERT_EQ(lines.size(), 5u + 2 * skip) << layer;
            lines.erase(lines.begin(), lines.begin() + static_cast<long>(skip));
            for (std::size_t k = 0; k < 5; ++k) {
                // y up in the file.
                EXPECT_NEAR(lines[k][1].toDouble(), (*points)[k].x, 1e-9) << layer << k;
                EXPECT_NEAR(lines[k][2].toDouble(), -(*points)[k].y, 1e-9) << layer << k;
                EXPECT_NEAR(lines[k][3].toDouble(), (*points)[k + 1].x, 1e-9) << layer << k;
                EXPECT_NEAR(lines[k][4].toDouble(), -(*points)[k + 1].y, 1e-9) << layer << k;
            }
        }
        QFile csv(csvFile);
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = csv.readAll().split('\n');
        ASSERT_GE(rows.size(), 7);
        EXPECT_EQ(rows[0], "string,saddle_setback,nut_setback,rms_before,rms_after,max_after\r");
        for (std::size_t k = 0; k < 6; ++k) {
            const QList<QByteArray> f = rows[static_cast<qsizetype>(k + 1)].trimmed().split(',');
            ASSERT_EQ(f.size(), 6);
            EXPECT_EQ(f[1].toDouble(), board.intonation[k].saddle);
            EXPECT_EQ(f[2].toDouble(), board.intonation[k].nut);
            EXPECT_EQ(f[4].toDouble(), board.intonation[k].rmsAfter);
            if (std::string(saddle) == "straight") {
                const double t = static_cast<double>(k) / 5;
                EXPECT_NEAR(board.intonation[k].saddle,
                            board.intonation[0].saddle +
                                (board.intonation[5].saddle - board.intonation[0].saddle) * t,
                            1e-9);
            }
        }
    }
    // The typed compensation stays a choice: it keeps the straight saddle line as typed.
    const DesignerBoard typed = boardWith({{"--string-set", "electric-10-46"},
                                           {"--saddle", "typed"},
                                           {"--saddle-compensation", "2,3"}});
    EXPECT_TRUE(typed.intonation.empty());
    EXPECT_TRUE(typed.saddlePoints.empty());
}

// What the intonation cannot be worked out from is refused naming the input; without a string
// set there is nothing to report. A report prints with its table and plot.
TEST(IntonationFilesTest, RefusalsNameTheInputAndTheReportPrints) {
    QTemporaryDir dir;
    const auto write = [&](const char* name, const char* text) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return dir.filePath(name).toStdString();
    };
    const std::string four = write("four.csv",
                                   "name,tension_N,core_mm,modulus_GPa\nA,70,0.3,200\nB,70,0.4,"
                                   "200\nC,70,0.5,200\nD,70,0.6,200\n");
    const std::string bad = write("bad.csv", "name,tension_N,core_mm,modulus_GPa\nA,70,0,200\n");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string message;
    } rows[] = {
        {{"--string-set", four},
         kExitRefused,
         "The string set has 4 strings, fewer than the board's 6.\n"},
        {{"--string-set", four, "--strings", "4"}, kExitOk, ""},
        {{"--string-set", bad},
         kExitRefused,
         bad + ": Line 2 of the string set has no core diameter above 0.\n"},
        {{"--string-set", dir.filePath("none.csv").toStdString()},
         kExitRefused,
         dir.filePath("none.csv").toStdString() + " could not be read.\n"},
        {{"--string-set", "acoustic-12-53", "--action", "2,1"},
         kExitRefused,
         "The action at fret 12, 1, must be at least the action at the nut, 2.\n"},
        {{"--string-set", "acoustic-12-53", "--action", "-0.1,1"},
         kExitRefused,
         "The action at the nut, -0.1, must be 0 or more.\n"},
        {{"--string-set", "acoustic-12-53", "--intonate-frets", "1"},
         kExitRefused,
         "Frets to Intonate, 1, must be 2 to the number of frets, 22.\n"},
        {{"--string-set", "acoustic-12-53", "--intonate-frets", "23"},
         kExitRefused,
         "Frets to Intonate, 23, must be 2 to the number of frets, 22.\n"},
        {{"--string-set", "acoustic-12-53", "--intonate-frets", "x"}, kExitUsage, ""},
        {{"--string-set", "acoustic-12-53", "--saddle", "curved"}, kExitUsage, ""},
        {{"--string-set", "acoustic-12-53", "--nut-compensation", "yes", "--zero-fret", "4"},
         kExitRefused,
         "Nut Compensation moves each string's nut point, but with a zero fret the strings speak "
         "from the zero fret: turn one of them off.\n"},
        {{},
         kExitRefused,
         "The intonation needs a string set (Intonation, String Set; --string-set).\n"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = {"--fanned", "--frets", "22"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const std::string csv = dir.filePath("r.csv").toStdString();
        args.insert(args.end(), {"--intonation-csv", csv});
        std::string error;
        EXPECT_EQ(chart(args, nullptr, &error), row.status) << args[4];
        if (!row.message.empty()) {
            EXPECT_EQ(error, row.message);
        }
        EXPECT_EQ(QFile::exists(QString::fromStdString(csv)), row.status == kExitOk);
        QFile::remove(QString::fromStdString(csv));
    }
    const DesignerBoard board = boardWith({{"--string-set", "acoustic-12-53"}});
    test::RecordingPrinter printer;
    ASSERT_FALSE(drawIntonationReport(printer, board, Units::Millimetres));
    QStringList texts;
    for (const auto& t : printer.texts) texts << t.text;
    EXPECT_TRUE(texts.contains("Varnel intonation report"));
    EXPECT_TRUE(texts.contains("String set: acoustic-12-53"));
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const QString& t) { return t.startsWith("6   E .053w"); }));
    test::RecordingPrinter small(3, 3);
    EXPECT_TRUE(drawIntonationReport(small, board, Units::Millimetres));
    EXPECT_TRUE(small.lines.empty());
}

// A surface that marks the words it is asked for.
class MarkingMeasure : public NominalMeasure {
  public:
    std::string words(const Message& message) const override {
        return "<" + message.english() + ">";
    }
};

// Every word on every page and sheet is asked of the surface, in whole sentences, so that paper
// and screen can write it in the user's language: no word stands outside a marked text.
// What needs no language is a number, a unit, a fret's label, and the program's name and version.
TEST(PageWordsTest, EveryWordIsAskedOfTheSurface) {
    const MarkingMeasure measure;
    const DesignerBoard board = boardWith({{"--string-set", "electric-10-46"},
                                           {"--nut-compensation", "yes"},
                                           {"--radius", "184,305"}});
    ASSERT_FALSE(board.intonation.empty());
    FretboardSettings s;
    s.nFrets = 22;
    s.scaleLen = 648;
    std::vector<Measurement> measured;
    for (int j = 1; j <= 22; ++j) measured.push_back({j, 648 * (1 - std::exp2(-j / 12.0)) + 0.1});
    const auto check = std::get<InstrumentCheck>(checkInstrument(measured, 650, 0.0561));
    const PageFrame frame{190, 270, 25.4 / 600};
    const RadiusGauges gauges = boardGauges(board, Units::Millimetres, {400});
    const struct {
        const char* document;
        std::vector<Drawing> pages;
    } rows[] = {
        {"template", templatePages(s, calcFretPositions(s), frame, measure, "").pages},
        {"board", boardPages(board, Units::Millimetres, frame, measure, "").pages},
        {"gauges", gaugePages(gauges, frame, measure, "").pages},
        {"check report", checkReportPages(check, frame, measure, "")},
        {"check plot", {checkPlot(check, 200, measure)}},
        {"intonation report", intonationReportPages(board, Units::Millimetres, frame, measure, "")},
        {"intonation sheet", {intonationSheet(board, Units::Millimetres, 200, measure)}},
    };
    const std::regex word("[A-Za-z]{3,}");
    // A table's heading asks for each column's words; a long sentence wraps onto lines.
    const std::regex marks("<[^<>]*>");
    const std::regex nameless("(Printed by )?Varnel v\\.[0-9.]+");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.document);
        ASSERT_FALSE(row.pages.empty());
        for (const Drawing& page : row.pages) {
            std::string texts;
            for (const DrawingText& t : page.texts) {
                if (!std::regex_match(t.text, nameless)) texts += t.text + "\n";
            }
            const std::string unmarked = std::regex_replace(texts, marks, "");
            EXPECT_NE(unmarked, texts);
            EXPECT_FALSE(std::regex_search(unmarked, word)) << unmarked;
        }
    }
}

// A heading that a language makes wider than its column widens the column, in both reports'
// tables: the numbers stay right under it, the strings' names left.
TEST(PageWordsTest, ALongerHeadingWidensItsColumn) {
    class LongWords : public NominalMeasure {
      public:
        std::string words(const Message& message) const override {
            return message.english() + "~~~~~~";
        }
    };
    const LongWords measure;
    std::vector<Measurement> measured;
    for (int j = 1; j <= 12; ++j) measured.push_back({j, 648 * (1 - std::exp2(-j / 12.0))});
    const auto check = std::get<InstrumentCheck>(checkInstrument(measured, std::nullopt));
    const struct {
        const char* table;
        std::vector<std::string> lines;
        std::size_t heading, firstRow;
        std::vector<std::string> columns;
    } rows[] = {
        {"intonation",
         intonationLines(boardWith({{"--string-set", "electric-10-46"}}), Units::Millimetres,
                         measure),
         4,
         6,
         {"string~~~~~~", "saddle mm~~~~~~", "nut mm~~~~~~", "largest~~~~~~"}},
        {"check",
         checkTableLines(check, measure),
         0,
         1,
         {"fret~~~~~~", "measured (mm)~~~~~~", "residual (mm)~~~~~~", "cents~~~~~~"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.table);
        ASSERT_GT(row.lines.size(), row.firstRow + 5);
        const std::string& heading = row.lines[row.heading];
        for (const std::string& column : row.columns) {
            SCOPED_TRACE(column);
            const std::size_t at = heading.find(column);
            ASSERT_NE(at, std::string::npos) << heading;
            const std::size_t end = at + column.size();
            const bool left = column.starts_with("string");
            for (std::size_t k = row.firstRow; k < row.lines.size(); ++k) {
                const std::string& line = row.lines[k];
                ASSERT_GE(line.size(), end) << line;
                EXPECT_NE(line[left ? at : end - 1], ' ') << line;
                if (end < line.size()) {
                    EXPECT_EQ(line[end], ' ') << line;
                }
            }
        }
    }
}

// A table counts characters, not bytes: a German or French heading or a string's name is as
// wide as it reads, and is cut between characters.
TEST(PageWordsTest, TablesCountCharactersNotBytes) {
    EXPECT_EQ(textColumns("Résidu"), 6);
    EXPECT_EQ(firstColumns("Größter Wert", 5), "Größt");
    EXPECT_EQ(firstColumns("E .010", 10), "E .010");
    EXPECT_EQ(tableRow({"Größe", "1,5", "ü"}, {-7, 5, 2}), "Größe     1,5  ü");
}

// A sentence that a language makes longer than the page wraps at its blanks, each line within
// the width, a number's unit on the number's line.
TEST(PageWordsTest, ASentenceWrapsWithinItsWidth) {
    const NominalMeasure measure;
    const std::string sentence =
        "rule of 18ths, primitive: scale length 653.766 mm, nut offset +0.003 mm, RMS 0.077 mm";
    for (const double width : {30.0, 60.0, 90.0, 1000.0}) {
        SCOPED_TRACE(width);
        Drawing blank;
        blank.layers = {{"TEXT", {0, 0, 0}, 1}};
        std::vector<Drawing> pages;
        TextFlow flow(pages, blank, 1000);
        flow.paragraph(0, 10, measure, sentence, width);
        std::string joined;
        for (const DrawingText& t : pages.front().texts) {
            EXPECT_LE(textWidthIn(Units::Millimetres, measure, kNumberFace, 10, t.text), width)
                << t.text;
            EXPECT_FALSE(t.text.starts_with("mm")) << t.text;
            joined += (joined.empty() ? "" : " ") + t.text;
        }
        EXPECT_EQ(joined, sentence);
        EXPECT_EQ(pages.front().texts.size() == 1, width == 1000.0);
    }
}

}  // namespace
}  // namespace varnel
