#pragma once
// "Set Printer Options": edits the seven print settings on copies, written back on OK only.

#include "gui/plainkeysdialog.h"

#include "core/fretboard.h"
#include "model/messagebox.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace varnel {

class PrintOptionsDialog : public PlainKeysDialog {
    Q_OBJECT

  public:
    // Works on copies of the print fields of `target` (the main window's record), and reads its
    // units at every focus event of the two length boxes.
    PrintOptionsDialog(FretboardSettings& target, MessageBox& messages, QWidget* parent = nullptr);
    ~PrintOptionsDialog() override;

    // Fills the copies and the controls, then shows the dialog modeless.
    void load();
    // Writes the copies back and closes; a value outside its bounds is refused instead, with
    // the focus on its box.
    void OKButton_Click();
    void CancelButton_Click();
    void clearHelpText();

    QPushButton* OKButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QLineEdit* txtVertLineWidth = nullptr;
    QLineEdit* txtHorzLineWidth = nullptr;
    QLabel* lblVertLineWidth = nullptr;
    QLabel* lblHorzLineWidth = nullptr;
    QLineEdit* txtFontSize = nullptr;
    QLabel* lblFontSize = nullptr;
    QLabel* lblChart = nullptr;
    QLabel* lblTemplate = nullptr;
    QGroupBox* grpHorzLinePos = nullptr;
    QLabel* lblLineWidthHelp = nullptr;
    QRadioButton* optHorzPosTop = nullptr;
    QRadioButton* optHorzPosCenter = nullptr;
    QRadioButton* optHorzPosBottom = nullptr;
    QLineEdit* txtVertLineLength = nullptr;
    QLabel* lblVertLineLenght = nullptr;
    QLineEdit* txtVertLineSpace = nullptr;
    QLabel* lblVertLineSpace = nullptr;
    QCheckBox* chkPrintFretNum = nullptr;

    // The dialog's copies.
    std::int16_t lineWidthVert = 0;
    std::int16_t lineWidthHorz = 0;
    std::int16_t chartFontSize = 0;
    std::int16_t hLinePos = 0;
    float templateLineHeight = 0;
    float templateLineSpace = 0;
    bool printFretNumbers = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void gotFocus(QObject* control);
    void lostFocus(QObject* control);
    // A length box left after typing, with inch units: the value typed was inches.
    void convertInchEntry(QLineEdit* box, float& copy);

    FretboardSettings& m_target;
    MessageBox& m_messages;
    bool m_lengthTyped = false;
    QList<QWidget*> m_watched;  // the controls whose focus changes show help
};

}  // namespace varnel
