#include "gui/calibrationdialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/fretboard.h"
#include "core/numtext.h"
#include "gui/dialogparts.h"
#include "gui/twips.h"
#include "text/qnumbertext.h"

namespace varnel {

CalibrationDialog::CalibrationDialog(const RulerLengths& printed, std::int16_t unitsType,
                                     const ScaleCorrection& inUse, MessageBox& messages,
                                     Store store, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_printed(printed),
      m_unitsType(unitsType),
      m_inUse(inUse),
      m_messages(messages),
      m_store(std::move(store)) {
    setObjectName(QStringLiteral("diaPrinterCalibration"));
    setWindowTitle(tr("Printer Scale Calibration"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    useDesignFont(*this);
    const QString unit = unitsType == kUnitsInches ? tr("inches") : QStringLiteral("mm");
    auto* help =
        new QLabel(tr("Print File, Print..., Calibration Page on this printer, measure each ruler "
                      "with a steel rule from its first tick to its last, and enter the lengths "
                      "(in %1).")
                       .arg(unit),
                   this);
    help->setWordWrap(true);
    measuredHorizontal = namedBox(this, "txtMeasuredHorizontal", tr("Measured Horizontal Ruler"));
    measuredVertical = namedBox(this, "txtMeasuredVertical", tr("Measured Vertical Ruler"));
    auto* form = new QFormLayout;
    form->addRow(tr("Measured &horizontal ruler (%1):").arg(unit), measuredHorizontal);
    form->addRow(tr("Measured &vertical ruler (%1):").arg(unit), measuredVertical);
    okButton = namedButton(this, "OKButton", tr("OK"));
    cancelButton = namedButton(this, "CancelButton", tr("Cancel"));
    resetButton = namedButton(this, "ResetButton", tr("Reset"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addLayout(form);
    layout->addLayout(buttonRow({okButton, cancelButton, resetButton}));
    setMinimumWidth(twipsToPixelsX(*this, 6000));
    connect(okButton, &QPushButton::clicked, this, &CalibrationDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::close);
    connect(resetButton, &QPushButton::clicked, this, &CalibrationDialog::reset);
}

void CalibrationDialog::load() {
    measuredHorizontal->setText(numberText(m_printed.horizontal));
    measuredVertical->setText(numberText(m_printed.vertical));
    show();
    measuredHorizontal->setFocus();
    measuredHorizontal->selectAll();
}

void CalibrationDialog::accept() {
    const CalibrationResult result = correctionFromMeasurement(
        m_inUse, m_printed, measuredHorizontal->text(), measuredVertical->text(), m_unitsType);
    if (!result.correction) {
        m_messages.show(result.refusal.toStdString());
        (result.verticalRefused ? measuredVertical : measuredHorizontal)->setFocus();
        return;
    }
    m_store(*result.correction);
    close();
}

void CalibrationDialog::reset() {
    m_store(ScaleCorrection{});
    close();
}

}  // namespace varnel
