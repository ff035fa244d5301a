#include "calibration.h"

#include <cmath>

#include "fretboard.h"
#include "numtext.h"
#include "pagesetup.h"
#include "printjobs.h"
#include "qnumbertext.h"

namespace varnel {

namespace {

const QColor kBlack(0, 0, 0);
constexpr double kTextPoints = 10;
constexpr double kNumberPoints = 7;
// How far a measurement may lie from its printed length.
constexpr double kMaxMeasuredDeviation = 0.03;

// One tick of a ruler: where along it, how long, and its number (empty for none).
struct Tick {
    double at;
    double length;
    QString number;
};

// The ticks of a ruler of the given length, in millimetres or inches.
std::vector<Tick> ticks(double length, bool inches) {
    std::vector<Tick> out;
    if (inches) {
        const int count = static_cast<int>(std::lround(length * 16));
        for (int i = 0; i <= count; ++i) {
            const double l = i % 16 == 0  ? 0.2
                             : i % 8 == 0 ? 0.16
                             : i % 4 == 0 ? 0.12
                             : i % 2 == 0 ? 0.09
                                          : 0.06;
            out.push_back({i / 16.0, l, i % 16 == 0 ? QString::number(i / 16) : QString()});
        }
    } else {
        const int count = static_cast<int>(std::lround(length));
        for (int i = 0; i <= count; ++i) {
            const double l = i % 10 == 0 ? 5 : i % 5 == 0 ? 3.5 : 2;
            out.push_back(
                {static_cast<double>(i), l, i % 10 == 0 ? QString::number(i / 10) : QString()});
        }
    }
    return out;
}

QString lengthText(double length, bool inches) {
    return numberText(length) + (inches ? QStringLiteral(" inches") : QStringLiteral(" mm"));
}

}  // namespace

RulerLengths calibrationRulers(double widthMm, double heightMm, const ScaleCorrection& c,
                               std::int16_t unitsType) {
    const bool inches = unitsType == kUnitsInches;
    const auto whole = [inches](double mm) {
        return inches ? std::floor(mm / kMillimetresPerInch) : std::floor(mm / 10) * 10;
    };
    return {whole(widthMm / c.horizontal), whole(heightMm / c.vertical)};
}

RulerLengths calibrationRulers(PrinterSurface& printer, std::int16_t unitsType) {
    const PageUnit unit = printer.scaleMode();
    printer.setScaleMode(PageUnit::Millimetres);
    const RulerLengths lengths = calibrationRulers(printer.scaleWidth(), printer.scaleHeight(),
                                                   ScaleCorrection{}, unitsType);
    printer.setScaleMode(unit);
    return lengths;
}

void printCalibrationPage(PrinterSurface& printer, std::int16_t unitsType, const QString& paper) {
    const bool inches = unitsType == kUnitsInches;
    const RulerLengths lengths = calibrationRulers(printer, unitsType);
    printer.setScaleMode(inches ? PageUnit::Inches : PageUnit::Millimetres);
    printer.setFontName(kFretNumberFont);
    printer.setDrawStyle(LineStyle::Solid);
    printer.setDrawWidth(1);
    // The horizontal ruler along the top edge, its ticks downward; the vertical one along the
    // left edge, its ticks to the right. Both start at the printable area's corner.
    printer.line(0, 0, lengths.horizontal, 0, kBlack);
    printer.line(0, 0, 0, lengths.vertical, kBlack);
    const double gap = inches ? 0.02 : 0.5;
    printer.setFontSize(kNumberPoints);
    for (const Tick& t : ticks(lengths.horizontal, inches)) {
        printer.line(t.at, 0, t.at, t.length, kBlack);
        if (t.number.isEmpty() || t.at == 0) continue;
        printer.currentX = t.at - printer.textWidth(t.number) / 2;
        printer.currentY = t.length + gap;
        printer.print(t.number);
    }
    for (const Tick& t : ticks(lengths.vertical, inches)) {
        printer.line(0, t.at, t.length, t.at, kBlack);
        if (t.number.isEmpty() || t.at == 0) continue;
        printer.currentX = t.length + gap;
        printer.currentY = t.at - printer.textHeight(t.number) / 2;
        printer.print(t.number);
    }

    const ScaleCorrection& c = printer.correction();
    const QString lines[] = {
        QStringLiteral("Varnel printer calibration page"),
        QString(),
        QStringLiteral("Horizontal ruler: %1").arg(lengthText(lengths.horizontal, inches)),
        QStringLiteral("Vertical ruler: %1").arg(lengthText(lengths.vertical, inches)),
        QStringLiteral("Printer: %1").arg(printer.printerName()),
        QStringLiteral("Paper: %1").arg(paper),
        QStringLiteral("Correction in use: %1")
            .arg(c.inUse() ? correctionText(c) : QStringLiteral("none")),
        QString(),
        QStringLiteral("Measure each ruler with a steel rule, from its first tick to its last,"),
        QStringLiteral("and enter both lengths in Preferences, Printer Scale Calibration."),
    };
    const double left = inches ? 1.0 : 25.0;
    double y = inches ? 1.0 : 25.0;
    printer.setFontSize(kTextPoints);
    for (const QString& line : lines) {
        printer.currentX = left;
        printer.currentY = y;
        printer.print(line);
        y = printer.currentY;
    }
    // The footer stands beside the text, clear of the vertical ruler.
    printer.setFontSize(kFooterPoints);
    for (const QString& line : footerText().split(QStringLiteral("\r\n"))) {
        printer.currentX = left;
        printer.print(line);
    }
}

CalibrationResult correctionFromMeasurement(const ScaleCorrection& inUse,
                                            const RulerLengths& printed,
                                            const QString& measuredHorizontal,
                                            const QString& measuredVertical,
                                            std::int16_t unitsType) {
    const bool inches = unitsType == kUnitsInches;
    ScaleCorrection next = inUse;
    const struct {
        const char* name;
        double printed;
        const QString& text;
        double& factor;
        bool vertical;
    } axes[] = {{"horizontal", printed.horizontal, measuredHorizontal, next.horizontal, false},
                {"vertical", printed.vertical, measuredVertical, next.vertical, true}};
    for (const auto& axis : axes) {
        const auto measured = finiteDoubleFromText(axis.text.trimmed());
        if (!measured || *measured <= 0) {
            return {std::nullopt,
                    QStringLiteral("The measured %1 ruler must be a length in %2, such as %3. "
                                   "Measure it again.")
                        .arg(QLatin1String(axis.name),
                             inches ? QStringLiteral("inches") : QStringLiteral("millimetres"),
                             numberText(axis.printed + (inches ? 0.03 : 0.4))),
                    axis.vertical};
        }
        if (std::fabs(*measured - axis.printed) > kMaxMeasuredDeviation * axis.printed) {
            return {std::nullopt,
                    QStringLiteral("The measured %1 ruler of %2 is more than 3 % from its printed "
                                   "length of %3. Measure it again, from its first tick to its "
                                   "last.")
                        .arg(QLatin1String(axis.name), lengthText(*measured, inches),
                             lengthText(axis.printed, inches)),
                    axis.vertical};
        }
        axis.factor *= axis.printed / *measured;
        if (!correctionFactorUsable(axis.factor)) {
            return {std::nullopt,
                    QStringLiteral("The %1 correction would be %2, more than 10 % from true. "
                                   "Check the printer's own scaling (print at 100 %), then "
                                   "Reset and calibrate again.")
                        .arg(QLatin1String(axis.name), percentText(axis.factor)),
                    axis.vertical};
        }
    }
    return {next, QString()};
}

}  // namespace varnel
