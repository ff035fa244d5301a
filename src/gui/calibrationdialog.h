#pragma once
// "Printer Scale Calibration": the two rulers of the calibration page as measured by the user,
// and the correction they give the chosen printer.

#include <functional>

#include <QDialog>
#include "model/messagebox.h"
#include "render/calibration.h"

class QLineEdit;
class QPushButton;

namespace varnel {

class CalibrationDialog : public QDialog {
    Q_OBJECT
  public:
    using Store = std::function<void(const ScaleCorrection&)>;
    // printed: the rulers' lengths on the chosen printer, in the units' page unit; store keeps a
    // new correction for that printer.
    CalibrationDialog(const RulerLengths& printed, std::int16_t unitsType,
                      const ScaleCorrection& inUse, MessageBox& messages, Store store,
                      QWidget* parent = nullptr);

    // Shows the dialog modeless, the boxes holding the printed lengths.
    void load();
    // Stores the correction the measurements give and closes; a refused measurement is said,
    // with the focus on its box, and nothing is stored.
    void accept() override;
    // Back to no correction (100 %), stored at once.
    void reset();

    QLineEdit* measuredHorizontal = nullptr;
    QLineEdit* measuredVertical = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* resetButton = nullptr;

  private:
    RulerLengths m_printed;
    std::int16_t m_unitsType;
    ScaleCorrection m_inUse;
    MessageBox& m_messages;
    Store m_store;
};

}  // namespace varnel
