#pragma once
// The locale-independent number text of the calc layer, for Qt's strings: what boxes show and
// what the settings store keeps.

#include <QString>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/numtext.h"

namespace varnel {

inline std::optional<std::int16_t> int16FromText(const QString& text) {
    return toInt16(text.toStdString());
}
inline std::optional<double> doubleFromText(const QString& text) {
    return toDouble(text.toStdString());
}
inline std::optional<float> floatFromText(const QString& text) {
    return toFloat(text.toStdString());
}

// The same, refusing infinities and NaN: for stored values, where "1e999" is no usable length
// or factor.
inline std::optional<double> finiteDoubleFromText(const QString& text) {
    const auto value = doubleFromText(text);
    return value && std::isfinite(*value) ? value : std::nullopt;
}
inline std::optional<float> finiteFloatFromText(const QString& text) {
    const auto value = floatFromText(text);
    return value && std::isfinite(*value) ? value : std::nullopt;
}

// General number format: up to 15 significant digits for a double, 7 for a float.
inline QString numberText(double value) {
    return QString::fromStdString(formatGeneral(value));
}
inline QString numberText(float value) {
    return QString::fromStdString(formatGeneral(value));
}

}  // namespace varnel
