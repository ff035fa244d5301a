#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <limits>

#include "gui/printoptionsdialog.h"
#include "recordingprinter.h"
#include "render/printjobs.h"
#include "render/printlimits.h"
#include "testsupport.h"

namespace varnel {
namespace {

void set(FretboardSettings& s, PrintSetting setting, double value) {
    switch (setting) {
        case PrintSetting::MarkerWidth:
            s.lineWidthVert = static_cast<std::int16_t>(value);
            break;
        case PrintSetting::GuideWidth:
            s.lineWidthHorz = static_cast<std::int16_t>(value);
            break;
        case PrintSetting::ChartFontSize:
            s.chartFontSize = static_cast<std::int16_t>(value);
            break;
        case PrintSetting::LineHeight:
            s.templateLineHeight = static_cast<float>(value);
            break;
        case PrintSetting::LineSpace:
            s.templateLineSpace = static_cast<float>(value);
            break;
    }
}

const char* boxOf(PrintSetting setting) {
    const char* boxes[] = {"txtVertLineWidth", "txtHorzLineWidth", "txtFontSize",
                           "txtVertLineLength", "txtVertLineSpace"};
    return boxes[static_cast<int>(setting)];
}

// One bad setting at a time, on an 8 x 10.5 inch page (203.2 x 266.7 mm) unless narrower: which
// of the chart (C), the template (T) and the dialog's OK (D) refuse it, and what they say. The
// others go ahead.
TEST(PrintLimitsTest, BadSettingsAreRefusedBeforeAnythingIsDrawn) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        PrintSetting setting;
        double value;
        const char* refusedBy;
        const char* message;
        double pageWidthInches = 8;
    } rows[] = {
        {PrintSetting::MarkerWidth, 0, "TD",
         "The fret marker line width of 0 pixels is outside the range 1 to 100 pixels. Set the "
         "Vertical (fret position marker) line width in Preferences, Set Print Options."},
        {PrintSetting::MarkerWidth, 32767, "TD",
         "The fret marker line width of 32767 pixels is outside the range 1 to 100 pixels. Set "
         "the Vertical (fret position marker) line width in Preferences, Set Print Options."},
        {PrintSetting::MarkerWidth, 100, "", ""},
        {PrintSetting::GuideWidth, 101, "TD",
         "The alignment guide line width of 101 pixels is outside the range 1 to 100 pixels. Set "
         "the Horizontal (alignment guide) line width in Preferences, Set Print Options."},
        {PrintSetting::ChartFontSize, -4, "CD",
         "The chart font size of -4 points is outside the range 4 to 72 points. Set the Chart "
         "Font Size in Preferences, Set Print Options."},
        {PrintSetting::ChartFontSize, 73, "CD",
         "The chart font size of 73 points is outside the range 4 to 72 points. Set the Chart "
         "Font Size in Preferences, Set Print Options."},
        {PrintSetting::ChartFontSize, 14, "C",
         "At the chart font size of 14 points a chart line is 50.8 mm wide, more than fits "
         "across the printable width of 38.1 mm. Set a smaller Chart Font Size in Preferences, "
         "Set Print Options.",
         1.5},
        {PrintSetting::LineHeight, -5, "TD",
         "The template line height of -5 mm must be more than 0 mm. Set the Vertical Line "
         "Length in Preferences, Set Print Options."},
        {PrintSetting::LineHeight, 400, "T",
         "The template line height of 400 mm is more than fits on the page (266.7 mm "
         "printable). Set a smaller Vertical Line Length in Preferences, Set Print Options."},
        {PrintSetting::LineHeight, inf, "T",
         "The template line height of inf mm is more than fits on the page (266.7 mm "
         "printable). Set a smaller Vertical Line Length in Preferences, Set Print Options."},
        {PrintSetting::LineSpace, -10, "TD",
         "The space between template lines of -10 mm must be 0 mm or more. Set the Space "
         "between template lines in Preferences, Set Print Options."},
        {PrintSetting::LineSpace, 1000000, "T",
         "The space between template lines of 1000000 mm leaves no room on the page for a "
         "template line of 25 mm (266.7 mm printable). Set a smaller Space between template "
         "lines in Preferences, Set Print Options."},
        // 241.5 + 25 + a 4-pixel guide fits the page, but not above its labels and rule.
        {PrintSetting::LineSpace, 241.5, "T",
         "A template line of 25 mm, the space of 241.5 mm above it and the page's labels and "
         "check rule (12.6 mm) are more than fits on the page (266.7 mm printable). Set a "
         "smaller Space between template lines or Vertical Line Length, or print on larger "
         "paper."},
        {PrintSetting::LineSpace, 228, "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        FretboardSettings s;
        s.scaleLen = 647.7;
        s.nFrets = 24;
        set(s, row.setting, row.value);
        const FretPositions p = calcFretPositions(s);
        const std::string refused = row.refusedBy;
        for (const char document : {'C', 'T'}) {
            test::RecordingPrinter printer(row.pageWidthInches);
            const auto refusal =
                document == 'C' ? drawChart(printer, s, p) : drawTemplate(printer, s, p);
            const bool expected = refused.find(document) != std::string::npos;
            EXPECT_EQ(refusal.value_or("").toStdString(), expected ? row.message : "") << document;
            // A refused document draws nothing; an accepted one is drawn.
            EXPECT_EQ(printer.lines.empty() && printer.texts.empty(), expected) << document;
        }
        if (refused.find('D') == std::string::npos) continue;
        FretboardSettings record;
        test::RecordingMessageBox messages;
        auto* dialog = new PrintOptionsDialog(record, messages);
        dialog->load();
        auto* box = dialog->findChild<QLineEdit*>(boxOf(row.setting));
        box->setText(QString::number(row.value));
        dialog->OKButton_Click();
        EXPECT_EQ(messages.take(), std::vector<std::string>{row.message});
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->focusWidget(), box);
        EXPECT_EQ(record.templateLineHeight, FretboardSettings{}.templateLineHeight);
        EXPECT_EQ(record.lineWidthVert, FretboardSettings{}.lineWidthVert);
        dialog->close();
    }
}

}  // namespace
}  // namespace varnel
