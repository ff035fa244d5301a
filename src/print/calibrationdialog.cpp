#include "calibrationdialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "fretboard.h"
#include "numtext.h"
#include "twips.h"

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
    setWindowTitle(QStringLiteral("Printer Scale Calibration"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    useDesignFont(*this);
    const QString unit =
        unitsType == kUnitsInches ? QStringLiteral("inches") : QStringLiteral("mm");
    auto* help = new QLabel(
        QStringLiteral("Print File, Print..., Calibration Page on this printer, measure each ruler "
                       "with a steel rule from its first tick to its last, and enter the lengths "
                       "(in %1).")
            .arg(unit),
        this);
    help->setWordWrap(true);
    const auto box = [this](const char* name, const char* caption) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setAccessibleName(QString::fromLatin1(caption));
        return edit;
    };
    measuredHorizontal = box("txtMeasuredHorizontal", "Measured Horizontal Ruler");
    measuredVertical = box("txtMeasuredVertical", "Measured Vertical Ruler");
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Measured &horizontal ruler (%1):").arg(unit), measuredHorizontal);
    form->addRow(QStringLiteral("Measured &vertical ruler (%1):").arg(unit), measuredVertical);
    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    okButton = button("OKButton", "OK");
    cancelButton = button("CancelButton", "Cancel");
    resetButton = button("ResetButton", "Reset");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {okButton, cancelButton, resetButton}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(twipsToPixelsX(*this, 6000));
    connect(okButton, &QPushButton::clicked, this, &CalibrationDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::close);
    connect(resetButton, &QPushButton::clicked, this, &CalibrationDialog::reset);
}

void CalibrationDialog::load() {
    measuredHorizontal->setText(QString::fromStdString(formatGeneral(m_printed.horizontal)));
    measuredVertical->setText(QString::fromStdString(formatGeneral(m_printed.vertical)));
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
