#pragma once
// Default preferences in section "Base": the start-up read, "Save Current Preferences as
// default" and "Reload Preferences from Defaults", and the text form of every stored value.

#include <QString>
#include <cstdint>
#include <optional>

#include "core/fretboard.h"
#include "model/preferencestorage.h"
#include "store/settingsstore.h"
#include "text/qnumbertext.h"

namespace varnel {

inline const QString kBaseSection = QStringLiteral("Base");
inline const QString kWindowHeightKey = QStringLiteral("WindowHeight");
inline const QString kReadMeHeightKey = QStringLiteral("ReadMeHeight");

// The key name at an index of setName, as a QString.
QString keyName(SettingKey index);

// Value text as the store keeps it: "14", "0.0561256", "25", "True".
QString valueText(std::int16_t value);
QString valueText(double value);
QString valueText(float value);
QString valueText(bool value);

// Stored text back to a field value (numbers: int16FromText, doubleFromText, floatFromText);
// "True" and "False" (in any letter case), or a number: true when non-zero.
std::optional<bool> boolFromText(const QString& text);

// Reads the factor and the print settings from "Base"; a missing or unusable value gives the
// field its default.
void readStartupPreferences(SettingsStore& store, FretboardSettings& s);

// The eight preference keys of "Base", in the order the program always wrote them.
inline constexpr SettingKey kPreferenceKeys[] = {
    kKeyCalcFact, kKeyChartFontSize, kKeyHLineWidth,   kKeyVLineWidth,
    kKeyHLinePos, kKeyVLineHeight,   kKeyPrintFretNum, kKeyVertSpace};
bool isPreferenceKey(const QString& key);

// Writes the eight preference keys to "Base", in the order the program always wrote them.
void savePreferencesAsDefault(SettingsStore& store, const FretboardSettings& s);

// Applies every usable preference key of "Base" to the record; other keys and unusable values
// are passed over, and those fields keep their values.
void reloadPreferences(SettingsStore& store, FretboardSettings& s);

// The default preferences in section "Base" of a store, for the window's model.
class StoredPreferences : public PreferenceStorage {
  public:
    explicit StoredPreferences(SettingsStore& store) : m_store(store) {}
    void readAtStartup(FretboardSettings& s) override { readStartupPreferences(m_store, s); }
    void save(const FretboardSettings& s) override { savePreferencesAsDefault(m_store, s); }
    void reload(FretboardSettings& s) override { reloadPreferences(m_store, s); }

  private:
    SettingsStore& m_store;
};

// A remembered window height in twips: the stored number as a 16-bit integer, or none when
// the key is missing or its value is not a number or outside the 16-bit range.
std::optional<std::int16_t> readHeightTwips(SettingsStore& store, const QString& key);

}  // namespace varnel
