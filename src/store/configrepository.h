#pragma once
// Named fretboard configurations in the settings store: each a section named after it with
// four keys, listed by the index keys "configName1", "configName2", ... of section "Base".

#include <QString>
#include <QStringList>

#include "core/fretboard.h"
#include "model/configtarget.h"
#include "store/settingsstore.h"

namespace varnel {

inline const QString kConfigNamePrefix = QStringLiteral("configName");
// The largest number an index key can carry.
constexpr int kMaxConfigCount = 32767;

// Values a configuration carries beyond the main window's four (the Fretboard Designer inputs), under
// keys of their own; a configuration saved without them retrieves as before.
class ConfigExtras {
  public:
    virtual ~ConfigExtras() = default;
    // The keys and values to save with a configuration.
    virtual SettingsList extras() = 0;
    // True for a key of theirs.
    virtual bool ownsKey(const QString& key) const = 0;
    // Applies a retrieved configuration's keys of theirs, all at once, after its own four keys.
    virtual void takeExtras(const SettingsList& extras) = 0;
};

class ConfigRepository {
  public:
    explicit ConfigRepository(SettingsStore& store) : m_store(store) {}

    void setExtras(ConfigExtras* extras) { m_extras = extras; }

    // The saved names, in the order of their index keys.
    QStringList names();

    // True for the name of the default preferences' section, "Base" in any letter case, which
    // no configuration may take.
    static bool isReservedName(const QString& name);

    enum class SaveResult { Saved, IndexFull, ReservedName };
    // Writes scaleLen, numFrets, unitsType and unitsGran under the name, then the extras. A name
    // the index does not hold yet gets the index key after the last one in the store at this
    // moment, read under the store's lock, so that two running copies never take the same key.
    // IndexFull (nothing written) when that key would pass kMaxConfigCount; ReservedName
    // (nothing written) for a reserved name.
    SaveResult save(const QString& name, const FretboardSettings& s);

    // The section's entries in the store's order; empty when nothing is stored under the name.
    // A "Base" configuration that an older version saved is read without the preferences and
    // index keys it shares its section with.
    SettingsList load(const QString& name);

    // Applies a loaded configuration as Retrieve does: each configuration key through the target
    // in the store's order (an empty, non-numeric or out-of-range value passed over), then the
    // extras' keys to the extras at once. The keys that are neither, in order.
    QStringList retrieve(const SettingsList& entries, ConfigTarget& target);

    SettingsStore& store() { return m_store; }

  private:
    SettingsStore& m_store;
    ConfigExtras* m_extras = nullptr;
};

}  // namespace varnel
