#pragma once
// "Read Me File": the user's guide, readme.txt from beside the executable, in an editable box
// whose edits are never saved. Remembers its height.

#include <QDialog>

#include "settingsstore.h"

class QPlainTextEdit;
class QPushButton;

namespace varnel {

class diaReadMe : public QDialog {
    Q_OBJECT
  public:
    diaReadMe(SettingsStore& store, const QString& fileName, QWidget* parent = nullptr);
    // Reads the file and shows the viewer; false, showing nothing, when the file cannot be read.
    bool Form_Load();
    void Form_Resize();
    void OKButton_Click();
    double outerHeightTwips() const;

    QPlainTextEdit* txtReadMe = nullptr;
    QPushButton* OKButton = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    SettingsStore& m_store;
    QString m_fileName;
};

// The six lines of the About box.
QString aboutText(const QString& versionText);

}  // namespace varnel
