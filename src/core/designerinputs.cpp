#include "core/designerinputs.h"

#include <algorithm>
#include <cmath>

#include "core/designerrows.h"
#include "core/fretboard.h"
#include "core/numtext.h"

namespace varnel {

namespace {

// The tuning from what was read: an equal division's numbers judged, a Scala file read. The
// keys of the texts that make no tuning.
std::vector<std::string> resolveTuning(DesignerTuning& tuning, const ScalaReader& readScala) {
    std::vector<std::string> unreadable;
    tuning.scale.reset();
    tuning.refusal = {};
    tuning.note = {};
    if (tuning.temperament == 1) {
        const auto divisions = toInt16(tuning.divisions);
        const auto period = pitchOf(tuning.period);
        const bool divides = divisions && *divisions >= 1 && *divisions <= kMaxDivisions;
        const bool rises = period && period->ratio > 1 && std::isfinite(period->ratio);
        if (!divides) unreadable.emplace_back("txtDivisions");
        if (!rises) unreadable.emplace_back("txtPeriod");
        if (divides && rises) tuning.scale = equalDivisions(*divisions, *period);
    } else if (tuning.temperament == 2) {
        ScalaFile file = readScala ? readScala(tuning.scalaFile) : readScalaFile(tuning.scalaFile);
        if (const Scale* read = std::get_if<Scale>(&file.scale)) {
            tuning.scale = *read;
        } else if (file.missing) {
            tuning.note = Message(
                QT_TRANSLATE_NOOP("varnel::Words", "%1 The frets follow twelve equal steps."),
                {inner(std::get<Message>(file.scale))});
        } else {
            tuning.refusal = std::get<Message>(file.scale);
        }
    }
    return unreadable;
}

// The string set from its name or path: a shipped set's name, else a file.
void resolveStringSet(IntonationInputs& intonation, const StringSetReader& readStrings) {
    intonation.set.reset();
    intonation.refusal = {};
    const std::string& named = intonation.stringSet;
    if (named.find_first_not_of(' ') == std::string::npos) return;
    if (const StringSet* shipped = shippedStringSet(named)) {
        intonation.set = *shipped;
        return;
    }
    auto read = readStrings ? readStrings(named) : readStringSetFile(named);
    if (auto* set = std::get_if<StringSet>(&read)) {
        intonation.set = std::move(*set);
    } else {
        intonation.refusal = std::get<Message>(read);
    }
}

}  // namespace

Workshop workshopDefaults(Units units) {
    return designerDefaults(units).workshop;
}

const DesignerInput* designerInput(std::string_view key) {
    for (const DesignerInput& input : designerInputs()) {
        if (input.key == key) return &input;
    }
    return nullptr;
}

Message unreadableMessage(const DesignerInput& input, const DesignerInputs& in) {
    if (input.key == "txtPerpendicular") {
        return in.perpendicularFret
                   ? QT_TRANSLATE_NOOP("varnel::Words",
                                       "Perpendicular Fret must be a fret number, 0 for the nut.")
                   : QT_TRANSLATE_NOOP("varnel::Words",
                                       "Perpendicular Ratio must be a number from 0 to 1.");
    }
    return Message(input.unreadable, {word(input.caption)});
}

std::vector<std::string> readDesignerTexts(const DesignerTexts& texts, Units units,
                                           DesignerInputs& in, const ScalaReader& readScala,
                                           const StringSetReader& readStrings) {
    // Lengths typed in the other unit are converted; texts stored before the unit was kept are
    // taken as typed.
    double factor = 1;
    if (const auto stored = texts.find("unitsType"); stored != texts.end()) {
        if (const auto code = toInt16(stored->second)) factor = lengthFactor(unitsOf(*code), units);
    }
    std::vector<std::string> unreadable;
    for (const DesignerInput& input : designerInputs()) {
        const auto text = texts.find(input.key);
        if (text != texts.end() && !input.read(text->second, factor, in))
            unreadable.emplace_back(input.key);
    }
    resolveStringSet(in.intonation, readStrings);
    for (std::string& key : resolveTuning(in.tuning, readScala)) {
        // In the form's order.
        const auto later = std::find_if(unreadable.begin(), unreadable.end(), [&](const auto& k) {
            return k == "txtStringTuning" || designerInput(k)->group == rows::kWorkshop ||
                   designerInput(k)->group == "Intonation";
        });
        unreadable.insert(later, std::move(key));
    }
    return unreadable;
}

DesignerTexts designerTexts(const DesignerInputs& in, Units units) {
    DesignerTexts texts;
    for (const DesignerInput& input : designerInputs())
        texts[std::string(input.key)] = input.text(in);
    texts["unitsType"] = std::to_string(unitsCode(units));
    return texts;
}

DesignerInputs designerDefaults(Units units) {
    DesignerInputs in;
    const double factor = lengthFactor(Units::Millimetres, units);
    for (const std::string_view key : lengthKeys()) {
        const DesignerInput& input = *designerInput(key);
        if (key != "txtBassOverhang") input.read(input.text(in), factor, in);
    }
    return in;
}

std::vector<std::string_view> lengthKeys() {
    std::vector<std::string_view> keys;
    for (const DesignerInput& input : designerInputs()) {
        if (input.kind == InputKind::Length) keys.push_back(input.key);
    }
    return keys;
}

bool isDesignerOption(std::string_view option) {
    for (const DesignerInput& input : designerInputs()) {
        for (const InputOption& o : input.options) {
            if (o.option == option) return true;
        }
    }
    return false;
}

std::optional<DesignerTexts> optionTexts(std::string_view option, std::string_view value) {
    const std::size_t comma = value.find(',');
    const bool two = comma != std::string_view::npos;
    const std::string_view first = value.substr(0, comma);
    const std::string_view second = two ? value.substr(comma + 1) : std::string_view();
    DesignerTexts texts;
    for (const DesignerInput& input : designerInputs()) {
        for (const InputOption& o : input.options) {
            if (o.option != option) continue;
            std::string_view text = value;
            switch (o.part) {
                case OptionPart::Whole:
                    break;
                case OptionPart::First:
                    text = first;
                    break;
                case OptionPart::SecondOrFirst:
                    text = two ? second : first;
                    break;
                case OptionPart::SecondOrBlank:
                    text = second;
                    break;
                case OptionPart::Fixed:
                    text = o.fixed;
                    break;
            }
            // A word of the command line's stands for its choice's index.
            if (!input.words.empty() && o.part != OptionPart::Fixed) {
                const auto word = std::find(input.words.begin(), input.words.end(), text);
                if (word == input.words.end()) return std::nullopt;
                const auto index = word - input.words.begin();
                texts[std::string(input.key)] = input.kind == InputKind::Flag
                                                    ? (index == 0 ? "1" : "0")
                                                    : std::to_string(index);
                continue;
            }
            texts[std::string(input.key)] = std::string(text);
        }
    }
    return texts;
}

std::string optionOf(std::string_view key) {
    const DesignerInput* input = designerInput(key);
    return input && !input->options.empty() ? std::string(input->options.front().option)
                                            : std::string();
}

std::string designerOptionsHelp() {
    const DesignerInputs defaults;
    std::string help;
    for (const DesignerInput& input : designerInputs()) {
        bool first = true;
        for (const InputOption& o : input.options) {
            if (o.help.empty()) continue;
            help += "  " + std::string(o.option) + " " + std::string(o.help);
            // The default, for the input's first option.
            std::string value = first ? input.text(defaults) : std::string();
            if (!input.words.empty() && !value.empty()) {
                const auto index = toInt16(value).value_or(0);
                value = input.kind == InputKind::Flag ? (index ? "yes" : "no")
                                                      : std::string(input.words[index]);
            }
            if (input.kind == InputKind::Length && !value.empty()) value += " mm";
            if (!value.empty()) help += " [" + value + "]";
            help += "\n";
            first = false;
        }
    }
    return help;
}

std::string fretListText(const std::vector<int>& frets) {
    std::string text;
    for (const int fret : frets) text += (text.empty() ? "" : " ") + std::to_string(fret);
    return text;
}

std::optional<std::vector<int>> fretListFromText(std::string_view text) {
    std::vector<int> frets;
    for (const std::string_view word : wordsOf(text)) {
        const auto fret = toInt16(std::string(word));
        if (!fret) return std::nullopt;
        frets.push_back(*fret);
    }
    return frets;
}

}  // namespace varnel
