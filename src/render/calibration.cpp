#include "render/calibration.h"

#include <cmath>

#include "core/fretboard.h"
#include "core/numtext.h"
#include "render/pagesetup.h"
#include "render/printjobs.h"
#include "text/qnumbertext.h"

namespace varnel {

namespace {

// How far a measurement may lie from its printed length.
constexpr double kMaxMeasuredDeviation = 0.03;

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

RulerLengths calibrationRulers(const PrinterSurface& printer, std::int16_t unitsType) {
    const PageFrame frame = printer.frame(Units::Millimetres);
    return calibrationRulers(frame.width, frame.height, ScaleCorrection{}, unitsType);
}

void printCalibrationPage(PrinterSurface& printer, std::int16_t unitsType, const QString& paper) {
    const bool inches = unitsType == kUnitsInches;
    const RulerLengths lengths = calibrationRulers(printer, unitsType);
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
    std::vector<std::string> text;
    for (const QString& line : lines) text.push_back(line.toStdString());
    replayPages(printer, calibrationPages(unitsOf(unitsType), lengths, text,
                                          printer.frame(unitsOf(unitsType)).height, printer));
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
