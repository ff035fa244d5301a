#include <gtest/gtest.h>
#include "examplecharts.h"

#include <QFile>
#include <QTemporaryDir>
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
                                               {"--frets", "22", "--colour", "red"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, kExitUsage) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage: varnel-chart"), std::string::npos);
    }
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_NE(help.out.find("usage: varnel-chart"), std::string::npos);
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
