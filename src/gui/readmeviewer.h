#pragma once
// "Read Me File": the user's guide, readme.txt from beside the executable, in an editable box
// whose edits are never saved. Remembers its height.

#include <QDialog>

#include "model/messagebox.h"
#include "store/settingsstore.h"

class QPlainTextEdit;
class QPushButton;

namespace varnel {

class ReadMeViewer : public QDialog {
    Q_OBJECT
  public:
    ReadMeViewer(SettingsStore& store, MessageBox& messages, const QString& fileName,
                 QWidget* parent = nullptr);
    // Reads the file and shows the viewer; false, showing nothing, when the file cannot be read.
    bool load();
    // The text box and the button follow the viewer's height.
    void sizeToHeight();
    void rememberHeightAndClose();
    double outerHeightTwips() const;

    QPlainTextEdit* guideText = nullptr;
    QPushButton* okButton = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    SettingsStore& m_store;
    MessageBox& m_messages;
    QString m_fileName;
};

// The guide in a language: readme.de.txt beside readme.txt, where there is one; else the path.
QString readMeIn(const QString& path, const QString& language);

// The six lines of the About box.
QString aboutText();

}  // namespace varnel
