#include "core/input.h"

#include "core/numtext.h"

namespace varnel {

double scaleLenFromBox(std::string_view text, std::optional<int> listIndex,
                       std::int16_t unitsType) {
    if (const auto typed = toDouble(text)) return *typed;
    if (listIndex && *listIndex >= 0 && *listIndex < static_cast<int>(scaleLenPresets.size())) {
        const auto& preset = scaleLenPresets[static_cast<std::size_t>(*listIndex)];
        return unitsType == kUnitsInches ? preset.inches : preset.millimetres;
    }
    return 0;
}

namespace {

std::optional<std::int16_t> fretCountOf(std::string_view text) {
    const auto count = toInt16(text);
    if (count && *count > kMaxFrets) return std::nullopt;
    return count;
}

}  // namespace

bool fretCountTextAllowed(std::string_view text) {
    return !isNumeric(text) || fretCountOf(text).has_value();
}

std::int16_t fretCountFromBox(std::string_view text, std::int16_t current) {
    return fretCountOf(text).value_or(current);
}

Message verifyMessage(const FretboardSettings& s) {
    std::string_view unit = unitLabel(s.unitsType);
    while (!unit.empty() && unit.front() == ' ') unit.remove_prefix(1);
    return Message(
        QT_TRANSLATE_NOOP("varnel::Words", "Number of frets: %1  Scale Length: %2 %3"),
        // The main window reads and writes its numbers with a point in every language.
        {verbatim(formatInteger(s.nFrets)), verbatim(formatGeneral(s.scaleLen)), verbatim(unit)});
}

}  // namespace varnel
