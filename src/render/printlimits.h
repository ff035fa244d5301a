#pragma once
// The bounds within which the print settings make a sound page, and the messages that refuse
// settings outside them. A refusal names the setting, its value and what it must be.

#include <QString>
#include <optional>
#include <vector>

#include "core/fretboard.h"
#include "layout/drawing.h"
#include "layout/templatelayout.h"

namespace varnel {

// The print settings that can be refused, in the order the print options dialog shows them.
enum class PrintSetting { MarkerWidth, GuideWidth, ChartFontSize, LineHeight, LineSpace };

// Pen widths of the template's lines, in printer pixels.
constexpr int kMinLineWidthPixels = 1;
constexpr int kMaxLineWidthPixels = 100;
// The printed chart's type size, in points.
constexpr int kMinChartFontPoints = 4;
constexpr int kMaxChartFontPoints = 72;

struct PrintSettingRefusal {
    PrintSetting setting;
    QString message;
};

// The settings each document uses, in the dialog's order.
inline const std::vector<PrintSetting> kChartSettings = {PrintSetting::ChartFontSize};
inline const std::vector<PrintSetting> kTemplateSettings = {
    PrintSetting::MarkerWidth, PrintSetting::GuideWidth, PrintSetting::LineHeight,
    PrintSetting::LineSpace};
inline const std::vector<PrintSetting> kAllPrintSettings = {
    PrintSetting::MarkerWidth, PrintSetting::GuideWidth, PrintSetting::ChartFontSize,
    PrintSetting::LineHeight, PrintSetting::LineSpace};

// The first of the settings outside the bounds that hold on any page: line widths 1 to 100
// pixels, chart font size 4 to 72 points, a line height above 0 mm, a line space of 0 mm or
// more.
std::optional<PrintSettingRefusal> printSettingRefusal(const FretboardSettings& s,
                                                       const std::vector<PrintSetting>& which);

// The refusal of a box whose text is empty or no number ("The Vertical Line Length \"25,4\" is
// not a number. Set the Vertical Line Length in Preferences, Set Print Options.").
QString unreadableSettingRefusal(PrintSetting setting, const QString& text);

// On a page of this frame (in millimetres): one template line, with its guide's pen and the
// space above it, must fit the printable height.
std::optional<QString> templatePageRefusal(const PageFrame& frame, const FretboardSettings& s);

// The chart's widest line, in millimetres at the chart font size, must fit the printable width.
std::optional<QString> chartPageRefusal(const FretboardSettings& s, double widestMm,
                                        double printableMm);

}  // namespace varnel
