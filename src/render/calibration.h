#pragma once
// The calibration page: a horizontal and a vertical ruler as long as the printable area
// allows, to be measured with a steel rule, and the correction a measurement gives.

#include <QString>
#include <cstdint>
#include <optional>

#include "layout/calibrationlayout.h"
#include "render/printersurface.h"

namespace varnel {

// Each ruler's printed length in the units' page unit: whole centimetres (in millimetres) or
// whole inches that fit the printable width and height as the printer draws them.
RulerLengths calibrationRulers(const PrinterSurface& printer, std::int16_t unitsType);

// The same for a printable area given in millimetres (no document needed).
RulerLengths calibrationRulers(double printableWidthMm, double printableHeightMm,
                               const ScaleCorrection& correction, std::int16_t unitsType);

// The page (calibrationPages) saying what was printed: the rulers' lengths, the printer, the
// paper, the correction in use. Does not end the document.
void printCalibrationPage(PrinterSurface& printer, std::int16_t unitsType, const QString& paper);

// The correction a measurement gives: the one in use times printed / measured, per axis. The
// message for the user when a measurement is no number, more than 3 % from its printed length,
// or the correction would leave 0.9 to 1.1.
struct CalibrationResult {
    std::optional<ScaleCorrection> correction;
    QString refusal;
    bool verticalRefused = false;  // which measurement the refusal is about
};
CalibrationResult correctionFromMeasurement(const ScaleCorrection& inUse,
                                            const RulerLengths& printed,
                                            const QString& measuredHorizontal,
                                            const QString& measuredVertical,
                                            std::int16_t unitsType);

}  // namespace varnel
