#pragma once
// The "Fretboard Designer": a fanned or straight fretboard from its strings' scale lengths,
// spacings and workshop inputs, drawn live and tabled fret by fret, printed at full scale on
// tiled pages, or exported.

#include <QDialog>
#include <QPointer>
#include <array>
#include <optional>
#include <tuple>

#include "core/fanned.h"
#include "model/messagebox.h"
#include "render/exports.h"
#include "render/printerprovider.h"
#include "store/configrepository.h"
#include "store/settingsstore.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace varnel {

// The Fretboard Designer inputs as a configuration's extra keys ("fanned." and the input's name),
// kept in the window's store; an open window shows a retrieved configuration's.
class FannedConfigExtras : public ConfigExtras {
  public:
    // settings: the main window's record, whose units a retrieved configuration has set.
    explicit FannedConfigExtras(const FretboardSettings& settings) : m_settings(settings) {}
    void setStore(SettingsStore* store) { m_store = store; }
    void setWindow(class FannedWindow* window) { m_window = window; }
    SettingsList extras() override;
    bool ownsKey(const QString& key) const override;
    void takeExtras(const SettingsList& extras) override;

  private:
    const FretboardSettings& m_settings;
    SettingsStore* m_store = nullptr;
    QPointer<class FannedWindow> m_window;
};

class FannedWindow : public QDialog {
    Q_OBJECT
  public:
    // settings: the main window's record, for the fret count, method, factor and units. store:
    // where the inputs are remembered (none: not remembered).
    FannedWindow(const FretboardSettings& settings, PrinterProvider& printers, MessageBox& messages,
                 SettingsStore* store, SaveFileChooser chooseFile, QWidget* parent = nullptr);

    // The inputs as typed; none, with the reason, when they make no instrument.
    std::optional<FannedInputs> inputs(QString* refusal = nullptr) const;
    const std::optional<FannedBoard>& board() const { return m_board; }

    // Shows the inputs the store now holds (a retrieved configuration's).
    void reloadInputs();
    // The main window's record changed (fret count, method, units): the board follows it, and
    // the lengths typed here are converted into new units.
    void followSettings();

    void printTemplate();
    void exportFile();

    QLineEdit* strings = nullptr;
    QLineEdit* firstScale = nullptr;
    QLineEdit* lastScale = nullptr;
    QLineEdit* nutSpacing = nullptr;
    QLineEdit* bridgeSpacing = nullptr;
    QComboBox* perpendicularKind = nullptr;  // "Perpendicular Fret" or "Perpendicular Ratio"
    QLineEdit* perpendicular = nullptr;
    QLineEdit* overhang = nullptr;
    QComboBox* temperament = nullptr;  // "12 Equal", "Equal Divisions" or "Scala File"
    QLabel* status = nullptr;
    QTableWidget* table = nullptr;
    QWidget* drawing = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* exportButton = nullptr;
    QPushButton* closeButton = nullptr;

  private:
    void recalculate();
    // Stores the inputs that changed, once they make an instrument.
    void remember();
    // The boxes' texts by object name, as readFannedTexts reads them.
    FannedTexts texts() const;
    // The length boxes' numbers from the units `from` into the record's, and their unit labels.
    void convertLengths(std::int16_t from);
    bool inches() const;

    const FretboardSettings& m_settings;
    PrinterProvider& m_printers;
    MessageBox& m_messages;
    SettingsStore* m_store;
    SaveFileChooser m_chooseFile;
    std::optional<FannedBoard> m_board;
    bool m_boardInches = false;  // the board's unit
    std::vector<QLabel*> m_unitLabels;
    // The boxes whose text (or check) is remembered, each under its object name; those that
    // hold lengths.
    std::vector<QLineEdit*> m_boxes;
    std::vector<QCheckBox*> m_checks;
    std::vector<QLineEdit*> m_lengthBoxes;
    std::vector<QComboBox*> m_choices;  // beyond the perpendicular kind and the temperament
    std::vector<QComboBox*> choices() const {
        std::vector<QComboBox*> all = {perpendicularKind, temperament};
        all.insert(all.end(), m_choices.begin(), m_choices.end());
        return all;
    }
    std::int16_t m_shownUnits = kUnitsMillimetres;  // the units the length boxes hold
    // What of the record the board was last laid out with: frets, method, factor.
    std::tuple<std::int16_t, std::int16_t, double> m_laidOutWith;
    FannedTexts m_remembered;  // what the store holds, as last written
    bool m_saidWriteFailure = false;
};

}  // namespace varnel
