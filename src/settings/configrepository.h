#pragma once
// Named fretboard configurations in the settings store: each a section named after it with
// four keys, listed by the index keys "configName1", "configName2", ... of section "Base".

#include <QString>
#include <QStringList>

#include "fretboard.h"
#include "settingsstore.h"

namespace varnel {

inline const QString kConfigNamePrefix = QStringLiteral("configName");
// The largest number an index key can carry.
constexpr int kMaxConfigCount = 32767;

class ConfigRepository {
  public:
    explicit ConfigRepository(SettingsStore& store) : m_store(store) {}

    // The saved names, in the order of their index keys.
    QStringList names();

    enum class SaveResult { Saved, IndexFull };
    // Writes scaleLen, numFrets, unitsType and unitsGran under the name. A name the index does
    // not hold yet gets the index key after the last one in the store at this moment, read
    // under the store's lock, so that two running copies never take the same key. IndexFull
    // (nothing written) when that key would pass kMaxConfigCount.
    SaveResult save(const QString& name, const FretboardSettings& s);

    // The section's entries in the store's order; empty when nothing is stored under the name.
    SettingsList load(const QString& name) { return m_store.getAllSettings(name); }

    SettingsStore& store() { return m_store; }

  private:
    SettingsStore& m_store;
};

}  // namespace varnel
