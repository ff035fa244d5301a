#pragma once
// Named fretboard configurations: scale length, fret count, units and precision saved under a
// name of the user's choosing, and the Save and Retrieve dialogs.

#include <QString>
#include <QStringList>
#include "gui/plainkeysdialog.h"

#include "model/configtarget.h"
#include "model/messagebox.h"
#include "store/configrepository.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace varnel {

class SaveConfigDialog : public PlainKeysDialog {
    Q_OBJECT
  public:
    SaveConfigDialog(ConfigRepository& configs, MessageBox& messages, ConfigTarget& target,
                     QWidget* parent = nullptr);
    void load();
    void takeTypedName(const QString& text);
    void save();

    QLabel* nameLabel = nullptr;
    QComboBox* nameBox = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* cancelButton = nullptr;

    QString pendingName;

  private:
    ConfigRepository& m_configs;
    MessageBox& m_messages;
    ConfigTarget& m_target;
    int m_chosenRow = -1;  // the list row the user chose, -1 for none
};

class RetrieveConfigDialog : public PlainKeysDialog {
    Q_OBJECT
  public:
    RetrieveConfigDialog(ConfigRepository& configs, MessageBox& messages, ConfigTarget& target,
                         QWidget* parent = nullptr);
    void load();
    void retrieve();

    QLabel* nameLabel = nullptr;
    QListWidget* nameList = nullptr;
    QPushButton* retrieveButton = nullptr;
    QPushButton* cancelButton = nullptr;

    QString pendingName;

  private:
    ConfigRepository& m_configs;
    MessageBox& m_messages;
    ConfigTarget& m_target;
};

}  // namespace varnel
