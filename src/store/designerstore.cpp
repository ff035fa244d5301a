#include "store/designerstore.h"

#include <set>

#include "text/qnumbertext.h"

namespace varnel {

namespace {

const QString kSection = QStringLiteral("Fanned");
const QString kExtraPrefix = QStringLiteral("fanned.");
const QString kUnitsKey = QStringLiteral("unitsType");

}  // namespace

DesignerTexts StoredDesignerInputs::load() {
    DesignerTexts texts;
    for (const auto& [key, value] : m_store.getAllSettings(kSection))
        texts[key.toStdString()] = value.toStdString();
    return texts;
}

std::optional<std::string> StoredDesignerInputs::save(const DesignerTexts& texts) {
    for (const auto& [key, text] : texts)
        m_store.saveSetting(kSection, QString::fromStdString(key), QString::fromStdString(text));
    const auto failure = m_store.takeWriteFailure();
    return failure ? std::optional(failure->toStdString()) : std::nullopt;
}

SettingsList DesignerConfigExtras::extras() {
    SettingsList out;
    if (!m_store) return out;
    // The inputs and their units; not the designer window's size.
    for (const auto& [key, value] : m_store->getAllSettings(kSection)) {
        if (key == kUnitsKey || designerInput(key.toStdString()))
            out.append({kExtraPrefix + key, value});
    }
    return out;
}

bool DesignerConfigExtras::ownsKey(const QString& key) const {
    return key.startsWith(kExtraPrefix);
}

void DesignerConfigExtras::takeExtras(const SettingsList& extras) {
    if (m_store) {
        std::optional<std::int16_t> units;
        std::set<std::string> taken;
        for (const auto& [key, value] : extras) {
            const QString name = key.mid(kExtraPrefix.size());
            if (name == kUnitsKey) units = int16FromText(value);
            taken.insert(name.toStdString());
            m_store->saveSetting(kSection, name, value);
        }
        // Saved before the units were kept with them: the lengths are in the configuration's
        // own units, which the record has now.
        const Units inUnits = unitsOf(units.value_or(m_record.unitsType));
        if (!units) m_store->saveSetting(kSection, kUnitsKey, QString::number(m_record.unitsType));
        // Saved before an input was there: its default, in those units.
        for (const auto& [name, text] : designerTexts(designerDefaults(inUnits), inUnits)) {
            if (!taken.contains(name) && name != kUnitsKey.toStdString())
                m_store->saveSetting(kSection, QString::fromStdString(name),
                                     QString::fromStdString(text));
        }
    }
    if (m_retrieved) m_retrieved();
}

}  // namespace varnel
