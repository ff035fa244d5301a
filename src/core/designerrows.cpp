#include "core/designerrows.h"

#include <cmath>

#include "core/numtext.h"
#include "core/translatable.h"

namespace varnel::rows {

namespace {

// A field's value in inputs that are only read: a row's accessor names its field and changes
// nothing, so the inputs need no copy to be read through it.
template <typename T>
const T& fieldIn(T& (*field)(DesignerInputs&), const DesignerInputs& in) {
    return field(const_cast<DesignerInputs&>(in));
}

}  // namespace

// A length or a plain number: any finite number (the refusals judge its size), times the factor
// when it is a length.
DesignerInput number(std::string_view key, std::string_view caption, std::string_view group,
                     InputKind kind, std::vector<InputOption> options, NumberField field) {
    DesignerInput input{key, caption, group, kind, std::move(options)};
    const bool length = kind == InputKind::Length;
    input.read = [field, length](std::string_view text, double factor, DesignerInputs& in) {
        const auto value = toDouble(text);
        if (!value || !std::isfinite(*value)) return false;
        field(in) = *value * (length ? factor : 1);
        return true;
    };
    input.text = [field](const DesignerInputs& in) { return formatShortest(fieldIn(field, in)); };
    input.value = [field](const DesignerInputs& in) { return fieldIn(field, in); };
    input.unreadable = QT_TRANSLATE_NOOP("varnel::Words", "%1 must be a number.");
    return input;
}

// A number as the refusals name it; a workshop length must be 0 or more.
DesignerInput named(DesignerInput input, std::string_view noun) {
    input.noun = noun;
    input.notNegative = input.group == kWorkshop;
    return input;
}

DesignerInput length(std::string_view key, std::string_view caption, std::string_view group,
                     std::vector<InputOption> options, NumberField field) {
    return number(key, caption, group, InputKind::Length, std::move(options), field);
}

// A whole number, judged by the refusals.
DesignerInput count(std::string_view key, std::string_view caption, std::string_view group,
                    InputOption option, int& (*field)(DesignerInputs&)) {
    DesignerInput input{key, caption, group, InputKind::Count, {option}};
    input.read = [field](std::string_view text, double, DesignerInputs& in) {
        const auto n = toInt16(text);
        if (n) field(in) = *n;
        return n.has_value();
    };
    input.text = [field](const DesignerInputs& in) { return std::to_string(fieldIn(field, in)); };
    input.unreadable = QT_TRANSLATE_NOOP("varnel::Words", "%1 must be a whole number.");
    return input;
}

DesignerInput frets(std::string_view key, std::string_view caption, InputOption option,
                    std::vector<int>& (*field)(DesignerInputs&)) {
    DesignerInput input{key, caption, kWorkshop, InputKind::Frets, {option}};
    input.read = [field](std::string_view text, double, DesignerInputs& in) {
        const auto read = fretListFromText(text);
        if (read) field(in) = *read;
        return read.has_value();
    };
    input.text = [field](const DesignerInputs& in) { return fretListText(fieldIn(field, in)); };
    input.unreadable =
        QT_TRANSLATE_NOOP("varnel::Words", "%1 must be fret numbers separated by blanks.");
    return input;
}

DesignerInput flag(std::string_view key, std::string_view caption, char mnemonic,
                   std::vector<InputOption> options, bool& (*field)(DesignerInputs&)) {
    DesignerInput input{key, caption, kWorkshop, InputKind::Flag, std::move(options)};
    input.mnemonic = mnemonic;
    input.words = {"yes", "no"};
    input.read = [field](std::string_view text, double, DesignerInputs& in) {
        field(in) = text == "1";
        return true;
    };
    input.text = [field](const DesignerInputs& in) {
        return std::string(fieldIn(field, in) ? "1" : "0");
    };
    return input;
}

// A text kept as typed and judged when the tuning is worked out.
DesignerInput words(std::string_view key, std::string_view caption, InputKind kind,
                    std::vector<InputOption> options, std::string& (*field)(DesignerInputs&)) {
    DesignerInput input{key, caption, kTuning, kind, std::move(options)};
    input.read = [field](std::string_view text, double, DesignerInputs& in) {
        field(in) = std::string(text);
        return true;
    };
    input.text = [field](const DesignerInputs& in) { return fieldIn(field, in); };
    return input;
}

}  // namespace varnel::rows
