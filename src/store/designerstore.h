#pragma once
// The Fretboard Designer's inputs in the settings store: remembered between runs in their own
// section, and carried by saved configurations as extra keys ("fanned." and the input's key).

#include <functional>

#include "core/fretboard.h"
#include "model/designerstorage.h"
#include "store/configrepository.h"
#include "store/settingsstore.h"

namespace varnel {

// The designer's remembered inputs, section "Fanned" of a store (the designer's own file).
class StoredDesignerInputs : public DesignerStorage {
  public:
    explicit StoredDesignerInputs(SettingsStore& store) : m_store(store) {}
    DesignerTexts load() override;
    std::optional<std::string> save(const DesignerTexts& texts) override;

  private:
    SettingsStore& m_store;
};

// The remembered inputs as a configuration's extra keys. A configuration saved before an input
// was there retrieves its default, in the configuration's units.
class DesignerConfigExtras : public ConfigExtras {
  public:
    // record: the main window's, whose units a retrieved configuration has set.
    explicit DesignerConfigExtras(const FretboardSettings& record) : m_record(record) {}
    void setStore(SettingsStore* store) { m_store = store; }
    // Called once a configuration's inputs are in the store (an open designer shows them).
    void setRetrieved(std::function<void()> retrieved) { m_retrieved = std::move(retrieved); }
    SettingsList extras() override;
    bool ownsKey(const QString& key) const override;
    void takeExtras(const SettingsList& extras) override;

  private:
    const FretboardSettings& m_record;
    SettingsStore* m_store = nullptr;
    std::function<void()> m_retrieved;
};

}  // namespace varnel
