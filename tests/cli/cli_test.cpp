#include <gtest/gtest.h>
#include "examplecharts.h"

#include <QFile>
#include <QTemporaryDir>
#include <iterator>
#include <sstream>

#include "cli/chartcli.h"

namespace varnel {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = runChartCommand(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(ChartCommandTest, PrintsTheChartByteForByte) {
    const CliRun r = run({"--frets", "3", "--preset", "0", "--units", "in"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, test::kFender3FretsCoarseInches);
    const CliRun fine = run({"--frets", "3", "--scale", "647.7", "--precision", "fine"});
    EXPECT_EQ(fine.status, kExitOk);
    EXPECT_EQ(fine.out.substr(0, 24), "Scale Length: 647.7 mm\r\n");
}

TEST(ChartCommandTest, TypedNumberWinsOverPresetAndMethodsDiffer) {
    EXPECT_EQ(run({"--frets", "2", "--preset", "0", "--scale", "650"}).out,
              run({"--frets", "2", "--scale", "650"}).out);
    const CliRun rule18 = run({"--frets", "2", "--scale", "25.5", "--units", "in", "--precision",
                               "fine", "--method", "rule18", "--factor", "primitive"});
    EXPECT_NE(rule18.out.find("          1         1.42          1.42  \r\n"), std::string::npos)
        << rule18.out;
    EXPECT_EQ(
        run({"--frets", "2", "--scale", "25.5", "--method", "rule18", "--factor", "0.05"}).status,
        kExitOk);
}

TEST(ChartCommandTest, RefusedInputsExitWithOne) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--frets", "22"},
             {"--frets", "1", "--scale", "650"},
             {"--frets", "abc", "--scale", "650"},
             {"--frets", "22", "--scale", "25.5\""},
             {"--frets", "22", "--scale", "-3"},
             {"--frets", "3", "--scale", "1e999"},
             {"--frets", "3", "--scale", "1e999", "--dxf", "-"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, kExitRefused);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "You must enter the number of frets and a scale length\n");
    }
}

TEST(ChartCommandTest, UsageErrorsExitWithTwo) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--frets", "22", "--units", "cm"},
                                               {"--frets", "22", "--preset", "14"},
                                               {"--frets", "22", "--preset", "-1"},
                                               {"--frets", "22", "--preset", "1.5"},
                                               {"--frets", "22", "--precision", "medium"},
                                               {"--frets", "22", "--method", "rule17"},
                                               {"--frets", "22", "--factor", "big"},
                                               {"--frets"},
                                               {"--scale", "650"},
                                               {"--frets", "22", "--colour", "red"},
                                               // the designer's boxes refuse these too
                                               {"--fanned", "--overhang", "1e999"},
                                               {"--fanned", "--side-markers", "maybe"},
                                               {"--fanned", "--fret-set", "chromatic"},
                                               {"--fanned", "--edo", "0"},
                                               {"--fanned", "--period", "1/2"},
                                               {"--fanned", "--strings", "six"},
                                               {"--fanned", "--markers", "3 x"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, kExitUsage) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage: varnel-chart"), std::string::npos);
    }
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_NE(help.out.find("usage: varnel-chart"), std::string::npos);
}

// The designer's options reach the board as the designer would lay it out: both overhangs, the
// designer's own defaults (fret 7 square to the midline), the dulcimer's markers by default on
// a diatonic set. Each row: the table's cell at a fret (by its label) and column.
TEST(ChartCommandTest, DesignerOptionsReachTheBoard) {
    const auto cell = [](const std::string& table, const std::string& fret, std::size_t column) {
        std::istringstream lines(table);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream words(line);
            std::vector<std::string> cells{std::istream_iterator<std::string>(words), {}};
            if (cells.size() > column && cells[0] == fret) return cells[column];
        }
        return std::string("no fret ") + fret;
    };
    const struct {
        std::vector<std::string> args;
        const char* fret;
        std::size_t column;
        const char* expected;
    } rows[] = {
        // 43.5 mm between the outer strings at fret 12, 3 mm over the treble, 10 over the bass.
        {{"--strings", "6", "--first-scale", "648", "--last-scale", "648", "--nut-spacing", "35",
          "--bridge-spacing", "52", "--perpendicular-ratio", "0", "--overhang", "3,10", "--frets",
          "22"},
         "12",
         5,
         "56.500"},
        {{"--frets", "8"}, "7", 4, "0.00"},
        {{"--frets", "24", "--fret-set", "diatonic", "--extra-frets", "6+ 13+"}, "7", 7, "double"},
        {{"--frets", "24", "--fret-set", "diatonic", "--extra-frets", "6+ 13+"}, "9", 7, "none"},
        {{"--frets", "24", "--edo", "19"}, "12", 7, "none"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = {"--fanned"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const CliRun r = run(args);
        ASSERT_EQ(r.status, kExitOk) << r.err;
        EXPECT_EQ(cell(r.out, row.fret, row.column), row.expected) << row.args.back();
    }
    // Where the frets cross the strings does not depend on markers, even ones that do not fit.
    QTemporaryDir dir;
    const std::string points = dir.filePath("points.csv").toStdString();
    const CliRun r = run({"--fanned", "--frets", "24", "--markers", "24", "--marker-diameter", "22",
                          "--fret-points", points});
    EXPECT_EQ(r.status, kExitOk) << r.err;
    EXPECT_TRUE(QFile::exists(QString::fromStdString(points)));
}

}  // namespace
}  // namespace varnel

namespace varnel {
namespace {

TEST(ChartCommandPrintTest, WritesChartAndTemplatePdfs) {
    QTemporaryDir dir;
    const std::string chart = dir.filePath("chart.pdf").toStdString();
    const std::string templ = dir.filePath("template.pdf").toStdString();
    const CliRun r =
        run({"--frets",        "24",   "--preset",     "0",      "--chart-pdf",    chart,
             "--template-pdf", templ,  "--guide",      "center", "--fret-numbers", "no",
             "--line-height",  "50.8", "--line-space", "5",      "--vline-width",  "2",
             "--font-size",    "10"});
    EXPECT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out, "");
    // The calibration page needs no fretboard.
    const std::string calibration = dir.filePath("calibration.pdf").toStdString();
    EXPECT_EQ(run({"--calibration-pdf", calibration}).status, kExitOk);
    for (const std::string& file : {chart, templ, calibration}) {
        QFile pdf(QString::fromStdString(file));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << file;
        EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    }
}

// A refused document exits 1, says why on standard error and leaves no file behind.
TEST(ChartCommandPrintTest, RefusedDocumentsWriteNoFile) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("out.pdf").toStdString();
    const std::pair<std::vector<std::string>, const char*> rows[] = {
        {{"--scale", "5000", "--template-pdf", file}, "Fret 1 is 280.6 mm from the previous fret"},
        {{"--template-pdf", file, "--vline-width", "32767"}, "fret marker line width of 32767"},
        {{"--template-pdf", file, "--line-height", "400"}, "line height of 400 mm is more than"},
        {{"--chart-pdf", file, "--font-size", "0"}, "chart font size of 0 points is outside"},
        {{"--chart-pdf", file, "--font-size", "40"}, "a chart line is"},
    };
    for (auto [args, reason] : rows) {
        args.insert(args.begin(), {"--frets", "12", "--scale", "650"});
        const CliRun r = run(args);
        EXPECT_EQ(r.status, kExitRefused) << reason;
        EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(file))) << reason;
    }
    const CliRun bad =
        run({"--frets", "12", "--scale", "650", "--chart-pdf", "/no/such/dir/x.pdf"});
    EXPECT_EQ(bad.status, kExitRefused);
}

TEST(ChartCommandPrintTest, PrintSettingsMustBeWellFormed) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--frets", "22", "--guide", "middle"},
                                               {"--frets", "22", "--fret-numbers", "maybe"},
                                               {"--frets", "22", "--vline-width", "thin"},
                                               {"--frets", "22", "--font-size", "99999"},
                                               {"--frets", "22", "--line-height", "1e99"},
                                               {"--frets", "22", "--chart-pdf"},
                                               {"--frets", "22", "--paper", "B7"},
                                               {"--frets", "22", "--orientation", "sideways"},
                                               {"--frets", "22", "--x-correction", "89.9"},
                                               {"--frets", "22", "--y-correction", "abc"}}) {
        EXPECT_EQ(run(args).status, kExitUsage) << args[2];
    }
}

}  // namespace
}  // namespace varnel
