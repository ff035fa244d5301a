#pragma once
// Named fretboard configurations: scale length, fret count, units and precision saved under a
// name of the user's choosing, and the Save and Retrieve dialogs.

#include <QString>
#include <QStringList>
#include "plainkeysdialog.h"

#include "fretboard.h"
#include "messagebox.h"
#include "settingsstore.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace varnel {

// What the configuration dialogs need of the main window.
class ConfigTarget {
  public:
    virtual ~ConfigTarget() = default;
    // The record whose scaleLen, nFrets, unitsType and unitsGranularity are saved and retrieved.
    virtual FretboardSettings& configRecord() = 0;
    // The two input boxes' texts; setting them runs their own change handling.
    virtual void setNumFretsBoxText(const QString& text) = 0;
    virtual void setScaleLenBoxText(const QString& text) = 0;
    // The unit and precision handlers, run as if the user had clicked them.
    virtual void optMeasCoarse_Click() = 0;
    virtual void optMeasFine_Click() = 0;
    virtual void optEnglish_Click() = 0;
    virtual void optMetric_Click() = 0;
};

inline const QString kConfigNamePrefix = QStringLiteral("configName");
// The largest number an index key can carry.
constexpr int kMaxConfigCount = 32767;

// The saved configuration names, in the order they were first saved, appended to `rows`;
// returns the number of index keys found.
int getConfigNames(SettingsStore& store, QStringList& rows);

class diaSaveConfig : public PlainKeysDialog {
    Q_OBJECT
  public:
    diaSaveConfig(SettingsStore& store, MessageBox& messages, ConfigTarget& target,
                  QWidget* parent = nullptr);
    void Form_Load();
    void cboFretConfig_Change(const QString& text);
    void OKButton_Click();

    QLabel* lblFretConfigName = nullptr;
    QComboBox* cboFretConfig = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    QString pendingName;
    int configCount = 0;

  private:
    SettingsStore& m_store;
    MessageBox& m_messages;
    ConfigTarget& m_target;
    int m_chosenRow = -1;  // the list row the user chose, -1 for none
};

class DiaOpenConfig : public PlainKeysDialog {
    Q_OBJECT
  public:
    DiaOpenConfig(SettingsStore& store, MessageBox& messages, ConfigTarget& target,
                  QWidget* parent = nullptr);
    void Form_Load();
    void OKButton_Click();

    QLabel* lblFretConfigName = nullptr;
    QListWidget* lstFretConfig = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    QString pendingName;

  private:
    void apply(const QString& key, const QString& value);

    SettingsStore& m_store;
    MessageBox& m_messages;
    ConfigTarget& m_target;
};

}  // namespace varnel
