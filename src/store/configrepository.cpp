#include "store/configrepository.h"

#include <algorithm>

#include "store/preferences.h"

namespace varnel {

namespace {

bool isIndexKey(const QString& key) {
    return key.startsWith(kConfigNamePrefix);
}

}  // namespace

QStringList ConfigRepository::names() {
    QStringList rows;
    for (const auto& [key, value] : m_store.getAllSettings(kBaseSection)) {
        if (isIndexKey(key)) rows.append(value);
    }
    return rows;
}

bool ConfigRepository::isReservedName(const QString& name) {
    return name.compare(kBaseSection, Qt::CaseInsensitive) == 0;
}

SettingsList ConfigRepository::load(const QString& name) {
    SettingsList entries = m_store.getAllSettings(name);
    if (!isReservedName(name)) return entries;
    const auto ownedByBase = [](const QPair<QString, QString>& entry) {
        const QString& key = entry.first;
        return isIndexKey(key) || isPreferenceKey(key) || key == kWindowHeightKey ||
               key == kReadMeHeightKey;
    };
    entries.removeIf(ownedByBase);
    return entries;
}

ConfigRepository::SaveResult ConfigRepository::save(const QString& name,
                                                    const FretboardSettings& s) {
    if (isReservedName(name)) return SaveResult::ReservedName;
    const std::unique_ptr<StoreLock> lock = m_store.lock();
    bool listed = false;
    int last = 0;
    for (const auto& [key, value] : m_store.getAllSettings(kBaseSection)) {
        if (!isIndexKey(key)) continue;
        listed = listed || value == name;
        // The next number follows the highest one, so that a gap or a foreign key in the index
        // never makes a new name overwrite a listed one.
        bool numeric = false;
        const int number = QStringView(key).mid(kConfigNamePrefix.size()).toInt(&numeric);
        if (numeric) last = std::max(last, number);
    }
    if (!listed) {
        if (last >= kMaxConfigCount) return SaveResult::IndexFull;
        m_store.saveSetting(kBaseSection, kConfigNamePrefix + QString::number(last + 1), name);
    }
    m_store.saveSetting(name, keyName(kKeyScaleLen), valueText(s.scaleLen));
    m_store.saveSetting(name, keyName(kKeyNumFrets), valueText(s.nFrets));
    m_store.saveSetting(name, keyName(kKeyUnitsType), valueText(s.unitsType));
    m_store.saveSetting(name, keyName(kKeyUnitsGran), valueText(s.unitsGranularity));
    if (m_extras) {
        for (const auto& [key, value] : m_extras->extras()) m_store.saveSetting(name, key, value);
    }
    return SaveResult::Saved;
}

QStringList ConfigRepository::retrieve(const SettingsList& entries, ConfigTarget& target) {
    QStringList unknown;
    SettingsList extras;
    for (const auto& [key, value] : entries) {
        if (key == keyName(kKeyNumFrets)) {
            if (const auto n = int16FromText(value)) target.retrieveFretCount(*n);
        } else if (key == keyName(kKeyScaleLen)) {
            if (const auto len = finiteDoubleFromText(value)) target.retrieveScaleLen(*len);
        } else if (key == keyName(kKeyUnitsGran)) {
            if (const auto g = int16FromText(value)) target.retrieveGranularity(*g);
        } else if (key == keyName(kKeyUnitsType)) {
            if (const auto u = int16FromText(value)) target.retrieveUnits(*u);
        } else if (m_extras && m_extras->ownsKey(key)) {
            extras.append({key, value});
        } else {
            unknown.append(key);
        }
    }
    if (m_extras && !extras.isEmpty()) m_extras->takeExtras(extras);
    return unknown;
}

}  // namespace varnel
