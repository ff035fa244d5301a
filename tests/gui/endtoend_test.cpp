// Printing through a real print system: the window's own handlers print on the default
// printer, and the PDFs its queue wrote are read back. scripts/test starts a CUPS server whose
// default queue writes each job into the folder named by VARNEL_PRINT_OUTPUT; without it the
// test is skipped, loudly.
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

#include "uitest.h"

namespace varnel {
namespace {

using test::WindowTest;

QSet<QString> pdfsIn(const QString& folder) {
    const QStringList names = QDir(folder).entryList({"*.pdf"}, QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

QString run(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The new PDF the queue wrote, once it is complete (pdfinfo can read it).
QString waitForNewPdf(const QString& folder, const QSet<QString>& before) {
    QString found;
    (void)QTest::qWaitFor(
        [&] {
            for (const QString& name : pdfsIn(folder) - before) {
                const QString path = QDir(folder).filePath(name);
                if (!run("pdfinfo", {path}).contains("Pages:")) continue;
                found = path;
                return true;
            }
            return false;
        },
        60000);
    return found;
}

class EndToEndPrintTest : public WindowTest {};

TEST_F(EndToEndPrintTest, ChartAndTemplateReachTheDefaultPrinter) {
    const QString folder = qEnvironmentVariable("VARNEL_PRINT_OUTPUT");
    if (folder.isEmpty() || QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "SKIPPED: no test print server (scripts/test starts one; by hand: "
                        "eval \"$(scripts/printserver start)\")";
    }
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        GTEST_SKIP() << "SKIPPED: pdftotext (poppler-utils) is not installed";
    }
    ChosenPrinterSetup realPrinters{PageSetup{}};
    window.reset();
    window = std::make_unique<Varnel>(temp.store(), messages, realPrinters);
    window->show();

    typeInto(fretsBox(), "24");
    chooseScaleLen(0);
    leaveScaleLen();

    QSet<QString> before = pdfsIn(folder);
    click("cmdPrintChart");
    ASSERT_EQ(messages.take(), std::vector<std::string>{"Chart Printed"});
    const QString chart = waitForNewPdf(folder, before);
    ASSERT_FALSE(chart.isEmpty()) << "no PDF appeared in " << folder.toStdString();
    const QString text = run("pdftotext", {"-layout", chart, "-"});
    EXPECT_TRUE(text.contains("Printed by Varnel v.1.0")) << text.toStdString();
    EXPECT_TRUE(text.contains("Scale Length: 647.5 mm")) << text.toStdString();

    before = pdfsIn(folder);
    click("cmdPrintTemplate");
    ASSERT_EQ(messages.take(), std::vector<std::string>{"Template printed"});
    const QString templ = waitForNewPdf(folder, before);
    ASSERT_FALSE(templ.isEmpty());
    EXPECT_TRUE(run("pdfinfo", {templ}).contains(QRegularExpression("Pages:\\s+[1-9]")));
    EXPECT_TRUE(run("pdftotext", {templ, "-"}).contains("Printed by Varnel v.1.0"));
}

}  // namespace
}  // namespace varnel
