#include "store/preferences.h"

#include "core/numtext.h"

namespace varnel {

namespace {

template <typename T, typename Convert>
void readInto(SettingsStore& store, SettingKey key, const char* defaultText, T& field,
              Convert convert) {
    const QString def = QString::fromLatin1(defaultText);
    auto value = convert(store.getSetting(kBaseSection, keyName(key), def));
    if (!value) value = convert(def);
    if (value) field = *value;
}

}  // namespace

QString keyName(SettingKey index) {
    const std::string_view name = setName[index];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString valueText(std::int16_t value) {
    return QString::number(value);
}
QString valueText(double value) {
    return numberText(value);
}
QString valueText(float value) {
    return numberText(value);
}
QString valueText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> boolFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    if (const auto number = doubleFromText(text)) return *number != 0;
    return std::nullopt;
}

void readStartupPreferences(SettingsStore& store, FretboardSettings& s) {
    readInto(store, kKeyCalcFact, "0.0561256", s.calcFact, finiteDoubleFromText);
    readInto(store, kKeyVLineWidth, "1", s.lineWidthVert, int16FromText);
    readInto(store, kKeyHLineWidth, "4", s.lineWidthHorz, int16FromText);
    readInto(store, kKeyChartFontSize, "14", s.chartFontSize, int16FromText);
    readInto(store, kKeyHLinePos, "0", s.hLinePos, int16FromText);
    readInto(store, kKeyVLineHeight, "25", s.templateLineHeight, finiteFloatFromText);
    readInto(store, kKeyVertSpace, "0", s.templateLineSpace, finiteFloatFromText);
    readInto(store, kKeyPrintFretNum, "True", s.printFretNumbers, boolFromText);
}

bool isPreferenceKey(const QString& key) {
    for (const SettingKey preference : kPreferenceKeys) {
        if (key == keyName(preference)) return true;
    }
    return false;
}

void savePreferencesAsDefault(SettingsStore& store, const FretboardSettings& s) {
    for (const SettingKey key : kPreferenceKeys) {
        const QString value = key == kKeyCalcFact        ? valueText(s.calcFact)
                              : key == kKeyChartFontSize ? valueText(s.chartFontSize)
                              : key == kKeyHLineWidth    ? valueText(s.lineWidthHorz)
                              : key == kKeyVLineWidth    ? valueText(s.lineWidthVert)
                              : key == kKeyHLinePos      ? valueText(s.hLinePos)
                              : key == kKeyVLineHeight   ? valueText(s.templateLineHeight)
                              : key == kKeyPrintFretNum  ? valueText(s.printFretNumbers)
                                                         : valueText(s.templateLineSpace);
        store.saveSetting(kBaseSection, keyName(key), value);
    }
}

void reloadPreferences(SettingsStore& store, FretboardSettings& s) {
    const SettingsList entries = store.getAllSettings(kBaseSection);
    auto apply = [](auto& field, auto value) {
        if (value) field = *value;
    };
    for (const auto& [key, value] : entries) {
        if (value.isEmpty()) continue;
        // A numeric key takes a value only when it is a number that fits its field.
        if (key == keyName(kKeyCalcFact)) {
            apply(s.calcFact, finiteDoubleFromText(value));
        } else if (key == keyName(kKeyChartFontSize)) {
            apply(s.chartFontSize, int16FromText(value));
        } else if (key == keyName(kKeyHLineWidth)) {
            apply(s.lineWidthHorz, int16FromText(value));
        } else if (key == keyName(kKeyVLineWidth)) {
            apply(s.lineWidthVert, int16FromText(value));
        } else if (key == keyName(kKeyVLineHeight)) {
            apply(s.templateLineHeight, finiteFloatFromText(value));
        } else if (key == keyName(kKeyVertSpace)) {
            // Kept with its fraction, as the start-up read keeps it.
            apply(s.templateLineSpace, finiteFloatFromText(value));
        } else if (key == keyName(kKeyHLinePos)) {
            apply(s.hLinePos, int16FromText(value));
        } else if (key == keyName(kKeyPrintFretNum)) {
            apply(s.printFretNumbers, boolFromText(value));
        }
    }
}

std::optional<std::int16_t> readHeightTwips(SettingsStore& store, const QString& key) {
    const QString text = store.getSetting(kBaseSection, key, QString());
    if (text.isEmpty()) return std::nullopt;
    return int16FromText(text);
}

}  // namespace varnel
