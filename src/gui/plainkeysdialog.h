#pragma once
// A dialog with no cancel button: Esc does not close it (nor does Enter press anything, as no
// button is the default). Closing it takes "Cancel" or the close box.

#include <QDialog>
#include <QKeyEvent>

namespace varnel {

class PlainKeysDialog : public QDialog {
  public:
    using QDialog::QDialog;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            event->ignore();
            return;
        }
        QDialog::keyPressEvent(event);
    }
};

}  // namespace varnel
