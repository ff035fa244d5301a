#include "render/printlimits.h"

#include "core/numtext.h"
#include "text/qnumbertext.h"

namespace varnel {

namespace {

const QString kWhere = QStringLiteral(" in Preferences, Set Print Options.");

QString millimetres(double value) {
    return QString::fromStdString(formatFixed(value, 1)) + QStringLiteral(" mm");
}

// The caption of the setting's box in the print options dialog.
QString captionOf(PrintSetting setting) {
    switch (setting) {
        case PrintSetting::MarkerWidth:
            return QStringLiteral("Vertical (fret position marker) line width");
        case PrintSetting::GuideWidth:
            return QStringLiteral("Horizontal (alignment guide) line width");
        case PrintSetting::ChartFontSize:
            return QStringLiteral("Chart Font Size");
        case PrintSetting::LineHeight:
            return QStringLiteral("Vertical Line Length");
        case PrintSetting::LineSpace:
            break;
    }
    return QStringLiteral("Space between template lines");
}

QString widthRefusal(const char* name, PrintSetting setting, const QString& shown) {
    return QStringLiteral("The %1 of %2 pixels is outside the range %3 to %4 pixels. Set the %5%6")
        .arg(QLatin1String(name), shown)
        .arg(kMinLineWidthPixels)
        .arg(kMaxLineWidthPixels)
        .arg(captionOf(setting), kWhere);
}

double fieldValue(const FretboardSettings& s, PrintSetting setting) {
    switch (setting) {
        case PrintSetting::MarkerWidth:
            return s.lineWidthVert;
        case PrintSetting::GuideWidth:
            return s.lineWidthHorz;
        case PrintSetting::ChartFontSize:
            return s.chartFontSize;
        case PrintSetting::LineHeight:
            return s.templateLineHeight;
        case PrintSetting::LineSpace:
            break;
    }
    return s.templateLineSpace;
}

std::optional<QString> refusal(PrintSetting setting, double value, const QString& shown) {
    // Comparisons written so that NaN, a value that is no number at all, is refused.
    const auto within = [value](double low, double high) { return value >= low && value <= high; };
    switch (setting) {
        case PrintSetting::MarkerWidth:
            if (within(kMinLineWidthPixels, kMaxLineWidthPixels)) break;
            return widthRefusal("fret marker line width", setting, shown);
        case PrintSetting::GuideWidth:
            if (within(kMinLineWidthPixels, kMaxLineWidthPixels)) break;
            return widthRefusal("alignment guide line width", setting, shown);
        case PrintSetting::ChartFontSize:
            if (within(kMinChartFontPoints, kMaxChartFontPoints)) break;
            return QStringLiteral(
                       "The chart font size of %1 points is outside the range %2 to %3 points. "
                       "Set the Chart Font Size%4")
                .arg(shown)
                .arg(kMinChartFontPoints)
                .arg(kMaxChartFontPoints)
                .arg(kWhere);
        case PrintSetting::LineHeight:
            // An endless height is above 0; the page refuses it.
            if (value > 0) break;
            return QStringLiteral(
                       "The template line height of %1 mm must be more than 0 mm. Set the "
                       "Vertical Line Length%2")
                .arg(shown, kWhere);
        case PrintSetting::LineSpace:
            if (value >= 0) break;
            return QStringLiteral(
                       "The space between template lines of %1 mm must be 0 mm or more. Set the "
                       "Space between template lines%2")
                .arg(shown, kWhere);
    }
    return std::nullopt;
}

}  // namespace

std::optional<PrintSettingRefusal> printSettingRefusal(const FretboardSettings& s,
                                                       const std::vector<PrintSetting>& which) {
    for (const PrintSetting setting : which) {
        const double value = fieldValue(s, setting);
        // The two lengths are 32-bit floats: shown as such ("2.54", not "2.53999996185303").
        const bool length =
            setting == PrintSetting::LineHeight || setting == PrintSetting::LineSpace;
        const QString shown = length ? numberText(static_cast<float>(value)) : numberText(value);
        if (auto message = refusal(setting, value, shown)) {
            return PrintSettingRefusal{setting, *message};
        }
    }
    return std::nullopt;
}

QString unreadableSettingRefusal(PrintSetting setting, const QString& text) {
    const QString caption = captionOf(setting);
    const QString what = text.trimmed().isEmpty()
                             ? QStringLiteral("is empty")
                             : QStringLiteral("\"%1\" is not a number").arg(text);
    return QStringLiteral("The %1 %2. Set the %1%3").arg(caption, what, kWhere);
}

std::optional<QString> templatePageRefusal(const PageFrame& frame, const FretboardSettings& s) {
    const double printable = frame.height;
    const double pen = frame.pixel * s.lineWidthHorz;
    const double height = s.templateLineHeight;
    const QString fits = QStringLiteral(" (%1 printable).").arg(millimetres(printable));
    if (height + pen > printable) {
        return QStringLiteral("The template line height of %1 mm is more than fits on the page")
                   .arg(numberText(height)) +
               fits + QStringLiteral(" Set a smaller Vertical Line Length") + kWhere;
    }
    if (s.templateLineSpace + height + pen > printable) {
        return QStringLiteral(
                   "The space between template lines of %1 mm leaves no room on the page for a "
                   "template line of %2 mm")
                   .arg(numberText(s.templateLineSpace), numberText(height)) +
               fits + QStringLiteral(" Set a smaller Space between template lines") + kWhere;
    }
    return std::nullopt;
}

std::optional<QString> chartPageRefusal(const FretboardSettings& s, double widestMm,
                                        double printableMm) {
    if (widestMm <= printableMm) return std::nullopt;
    return QStringLiteral(
               "At the chart font size of %1 points a chart line is %2 wide, more than fits "
               "across the printable width of %3. Set a smaller Chart Font Size%4")
        .arg(s.chartFontSize)
        .arg(millimetres(widestMm), millimetres(printableMm), kWhere);
}

}  // namespace varnel
