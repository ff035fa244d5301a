// The main window's printing commands: print, preview, calibrate and export.
#include <QImage>
#include <QPixmap>

#include "gui/calibrationdialog.h"
#include "gui/printdialogs.h"
#include "gui/varnel.h"
#include "render/printjobs.h"

namespace varnel {

void Varnel::printFretDocument(bool fretTemplate) {
    const FretPositions* positions = m_model.calculate();
    if (!positions) return;
    const FretboardSettings& s = m_model.settings();
    const std::optional<QString> failure = printDocument(
        m_printers, fretTemplate ? templateDocument(s, *positions) : chartDocument(s, *positions));
    showMessage(failure.value_or(fretTemplate ? tr("Template printed") : tr("Chart Printed")));
}

void Varnel::printWindowImage() {
    // An image of the window, as wide as the printable area allows; no message on success.
    const QImage image = grab().toImage();
    const auto failure = printDocument(
        m_printers,
        {QStringLiteral("Window"), [&image](PrinterSurface& printer) -> std::optional<QString> {
             printer.setScaleMode(PageUnit::Inches);
             const double width = printer.frame(Units::Inches).width;
             const double height = width * image.height() / std::max(1, image.width());
             printer.drawImage(QRectF(0, 0, width, height), image);
             return std::nullopt;
         }});
    if (failure) showMessage(*failure);
}

void Varnel::previewFretDocument(bool fretTemplate) {
    const FretPositions* positions = m_model.calculate();
    if (!positions) return;
    const FretboardSettings& s = m_model.settings();
    const auto refusal = previewDocument(
        m_printers, fretTemplate ? templateDocument(s, *positions) : chartDocument(s, *positions),
        this);
    if (refusal) showMessage(*refusal);
}

void Varnel::printCalibrationPage() {
    // No message on success, as with Quick Form Print: the page itself says what it is.
    const auto failure = printDocument(
        m_printers, calibrationDocument(m_model.settings().unitsType, m_printers.pageSetup()));
    if (failure) showMessage(*failure);
}

void Varnel::exportFile(ExportFormat format) {
    const FretPositions* positions = m_model.calculate();
    if (!positions) return;
    const FretboardSettings& s = m_model.settings();
    const QString file = m_chooseSaveFile(this, suggestedFileName(s, exportExtension(format)),
                                          exportFilter(format), nullptr);
    if (file.isEmpty()) return;
    if (const auto failure = exportDocument(format, file, s, *positions, exportPaper(m_printers))) {
        showMessage(*failure);
    }
}

void Varnel::calibratePrinter() {
    if (m_calibration) return;
    const PageSetup setup = m_printers.pageSetup();
    const QSizeF printable = m_printers.printableMillimetres();
    const std::int16_t units = m_model.settings().unitsType;
    const RulerLengths printed =
        calibrationRulers(printable.width(), printable.height(), setup.correction, units);
    m_calibration = new CalibrationDialog(
        printed, units, setup.correction, m_messages,
        [this](const ScaleCorrection& correction) { m_printers.setCorrection(correction); }, this);
    m_calibration->load();
}

}  // namespace varnel
