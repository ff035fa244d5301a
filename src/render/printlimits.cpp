#include "render/printlimits.h"

#include "core/numtext.h"
#include "text/qnumbertext.h"
#include "text/translations.h"

namespace varnel {

namespace {

std::string millimetres(double value) {
    return formatFixed(value, 1) + " mm";
}

// The caption of the setting's box in the print options dialog.
const char* captionOf(PrintSetting setting) {
    switch (setting) {
        case PrintSetting::MarkerWidth:
            return QT_TRANSLATE_NOOP("varnel::Words", "Vertical (fret position marker) line width");
        case PrintSetting::GuideWidth:
            return QT_TRANSLATE_NOOP("varnel::Words", "Horizontal (alignment guide) line width");
        case PrintSetting::ChartFontSize:
            return QT_TRANSLATE_NOOP("varnel::Words", "Chart Font Size");
        case PrintSetting::LineHeight:
            return QT_TRANSLATE_NOOP("varnel::Words", "Vertical Line Length");
        case PrintSetting::LineSpace:
            break;
    }
    return QT_TRANSLATE_NOOP("varnel::Words", "Space between template lines");
}

// The main window writes its numbers with a point in every language, as its boxes and its chart
// do: so do its print messages, a setting as typed and a page's size alike.
MessageArg shownNumber(const QString& shown) {
    return verbatim(shown.toStdString());
}

QString widthRefusal(const char* name, PrintSetting setting, const QString& shown) {
    return messageText(
        Message(QT_TRANSLATE_NOOP("varnel::Words",
                                  "The %1 of %2 pixels is outside the range %3 to %4 "
                                  "pixels. Set the %5 in Preferences, Set Print Options."),
                {word(name), shownNumber(shown), verbatim(std::to_string(kMinLineWidthPixels)),
                 verbatim(std::to_string(kMaxLineWidthPixels)), word(captionOf(setting))}));
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
            return widthRefusal(QT_TRANSLATE_NOOP("varnel::Words", "fret marker line width"),
                                setting, shown);
        case PrintSetting::GuideWidth:
            if (within(kMinLineWidthPixels, kMaxLineWidthPixels)) break;
            return widthRefusal(QT_TRANSLATE_NOOP("varnel::Words", "alignment guide line width"),
                                setting, shown);
        case PrintSetting::ChartFontSize:
            if (within(kMinChartFontPoints, kMaxChartFontPoints)) break;
            return messageText(Message(
                QT_TRANSLATE_NOOP(
                    "varnel::Words",
                    "The chart font size of %1 points is outside the range %2 to "
                    "%3 points. Set the Chart Font Size in Preferences, Set Print Options."),
                {shownNumber(shown), verbatim(std::to_string(kMinChartFontPoints)),
                 verbatim(std::to_string(kMaxChartFontPoints))}));
        case PrintSetting::LineHeight:
            // An endless height is above 0; the page refuses it.
            if (value > 0) break;
            return messageText(
                Message(QT_TRANSLATE_NOOP(
                            "varnel::Words",
                            "The template line height of %1 mm must be more than 0 "
                            "mm. Set the Vertical Line Length in Preferences, Set Print Options."),
                        {shownNumber(shown)}));
        case PrintSetting::LineSpace:
            if (value >= 0) break;
            return messageText(Message(
                QT_TRANSLATE_NOOP("varnel::Words",
                                  "The space between template lines of %1 mm must be 0 mm or "
                                  "more. Set the Space between template lines in Preferences, Set "
                                  "Print Options."),
                {shownNumber(shown)}));
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
    const MessageArg caption = word(captionOf(setting));
    if (text.trimmed().isEmpty())
        return messageText(Message(
            QT_TRANSLATE_NOOP("varnel::Words",
                              "The %1 is empty. Set the %1 in Preferences, Set Print Options."),
            {caption}));
    return messageText(
        Message(QT_TRANSLATE_NOOP(
                    "varnel::Words",
                    "The %1 \"%2\" is not a number. Set the %1 in Preferences, Set Print Options."),
                {caption, verbatim(text.toStdString())}));
}

std::optional<QString> templatePageRefusal(const PageFrame& frame, const FretboardSettings& s) {
    const double printable = frame.height;
    const double pen = frame.pixel * s.lineWidthHorz;
    const double height = s.templateLineHeight;
    if (height + pen > printable) {
        return messageText(
            Message(QT_TRANSLATE_NOOP("varnel::Words",
                                      "The template line height of %1 mm is more than fits on the "
                                      "page (%2 printable). Set a smaller Vertical Line "
                                      "Length in Preferences, Set Print Options."),
                    {shownNumber(numberText(height)), verbatim(millimetres(printable))}));
    }
    if (s.templateLineSpace + height + pen > printable) {
        return messageText(Message(
            QT_TRANSLATE_NOOP("varnel::Words",
                              "The space between template lines of %1 mm leaves no room on the "
                              "page for a template line of %2 mm (%3 printable). Set a smaller "
                              "Space between template lines in Preferences, Set Print Options."),
            {shownNumber(numberText(s.templateLineSpace)), shownNumber(numberText(height)),
             verbatim(millimetres(printable))}));
    }
    return std::nullopt;
}

std::optional<QString> chartPageRefusal(const FretboardSettings& s, double widestMm,
                                        double printableMm) {
    if (widestMm <= printableMm) return std::nullopt;
    return messageText(
        Message(QT_TRANSLATE_NOOP("varnel::Words",
                                  "At the chart font size of %1 points a chart line is %2 wide, "
                                  "more than fits across the printable width of %3. Set a smaller "
                                  "Chart Font Size in Preferences, Set Print Options."),
                {verbatim(std::to_string(s.chartFontSize)), verbatim(millimetres(widestMm)),
                 verbatim(millimetres(printableMm))}));
}

}  // namespace varnel
