#include "core/tuning.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace varnel {

namespace {

// A whole number from 0 to 2147483647 at the start of the text; its end in `end`.
std::optional<long long> wholeNumber(std::string_view text, std::size_t& end) {
    long long value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || value < 0 || value > INT_MAX) return std::nullopt;
    end = static_cast<std::size_t>(ptr - text.data());
    return value;
}

std::string_view trimmedStart(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

}  // namespace

std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(' ', at)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

double Scale::ratio(int steps) const {
    const int n = size();
    const int octaves = steps >= 0 ? steps / n : -((-steps + n - 1) / n);
    const int degree = steps - octaves * n;
    return std::pow(ratios.back(), octaves) * (degree == 0 ? 1.0 : ratios[degree - 1]);
}

double Scale::centsAbove(int steps) const {
    const int n = size();
    const int octaves = steps >= 0 ? steps / n : -((-steps + n - 1) / n);
    const int degree = steps - octaves * n;
    return cents.back() * octaves + (degree == 0 ? 0.0 : cents[degree - 1]);
}

Scale equalDivisions(int divisions, const Pitch& period) {
    Scale scale;
    for (int k = 1; k <= divisions; ++k) {
        scale.ratios.push_back(k == divisions ? period.ratio
                                              : std::pow(period.ratio, double(k) / divisions));
        scale.cents.push_back(period.cents * k / divisions);
    }
    return scale;
}

std::optional<Pitch> pitchOf(std::string_view text) {
    text = trimmedStart(text);
    const std::string_view value = text.substr(0, text.find_first_of(" \t\r"));
    if (value.empty()) return std::nullopt;
    if (value.find('.') != std::string_view::npos) {
        double cents = 0;
        const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), cents);
        if (ec != std::errc() || ptr != value.data() + value.size() || !std::isfinite(cents))
            return std::nullopt;
        return Pitch{std::exp2(cents / 1200), cents};
    }
    std::size_t end = 0;
    const auto a = wholeNumber(value, end);
    if (!a) return std::nullopt;
    long long b = 1;
    if (end < value.size()) {
        std::size_t bEnd = 0;
        const std::string_view rest = value.substr(end);
        if (rest.front() != '/') return std::nullopt;
        const auto denominator = wholeNumber(rest.substr(1), bEnd);
        if (!denominator || *denominator == 0 || bEnd + 1 != rest.size()) return std::nullopt;
        b = *denominator;
    }
    const double ratio = static_cast<double>(*a) / static_cast<double>(b);
    return Pitch{ratio, centsOf(ratio)};
}

std::variant<Scale, Message> readScala(std::string_view text, const std::string& fileName) {
    int lineNumber = 0;
    const auto refusal = [&](Message why) {
        return Message(QT_TRANSLATE_NOOP("varnel::Words", "%1, line %2: %3"),
                       {verbatim(fileName), number(lineNumber), inner(std::move(why))});
    };
    // The lines that are no comments, each with its number.
    std::vector<std::pair<int, std::string_view>> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++lineNumber;
        if (line.empty() || line.front() != '!') lines.emplace_back(lineNumber, line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    // The description, then the count.
    if (lines.size() < 2)
        return refusal(QT_TRANSLATE_NOOP("varnel::Words", "the file has no note count."));
    lineNumber = lines[1].first;
    std::size_t end = 0;
    const std::string_view countText = trimmedStart(lines[1].second);
    const auto count = wholeNumber(countText, end);
    if (!count || (end < countText.size() && countText[end] != ' ' && countText[end] != '\t'))
        return refusal(QT_TRANSLATE_NOOP("varnel::Words", "the note count is not a whole number."));
    if (*count == 0) return refusal(QT_TRANSLATE_NOOP("varnel::Words", "the scale has no notes."));
    Scale scale;
    for (long long k = 0; k < *count; ++k) {
        const auto index = static_cast<std::size_t>(k) + 2;
        if (index >= lines.size())
            return refusal(
                Message(QT_TRANSLATE_NOOP("varnel::Words", "the scale has %1 of its %2 pitches."),
                        {number(k), number(*count)}));
        lineNumber = lines[index].first;
        const auto pitch = pitchOf(lines[index].second);
        if (!pitch)
            return refusal(QT_TRANSLATE_NOOP("varnel::Words",
                                             "the pitch is not cents, a ratio or a whole number."));
        const double before = scale.ratios.empty() ? 1.0 : scale.ratios.back();
        if (!(pitch->ratio > before))
            return refusal(QT_TRANSLATE_NOOP(
                "varnel::Words",
                "the pitch is not above the one before it; frets need rising pitches."));
        scale.ratios.push_back(pitch->ratio);
        scale.cents.push_back(pitch->cents);
    }
    return scale;
}

std::optional<std::string> readFileBytes(const std::string& path, std::size_t maxBytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    try {
        std::ifstream file(path, std::ios::binary);
        if (!file) return std::nullopt;
        std::string bytes(maxBytes + 1, '\0');
        file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (file.bad()) return std::nullopt;
        bytes.resize(static_cast<std::size_t>(file.gcount()));
        return bytes;
    } catch (const std::exception&) {  // a read error the stream reports by throwing
        return std::nullopt;
    }
}

ScalaFile readScalaFile(const std::string& path) {
    const auto bytes = readFileBytes(path, kMaxScalaBytes);
    if (!bytes)
        return {
            Message(QT_TRANSLATE_NOOP("varnel::Words", "%1 could not be read."), {verbatim(path)}),
            true};
    const std::string& text = *bytes;
    if (text.size() > kMaxScalaBytes)
        return {
            Message(QT_TRANSLATE_NOOP("varnel::Words", "%1 is larger than 1 MiB: no Scala file."),
                    {verbatim(path)})};
    if (text.find('\0') != std::string::npos)
        return {Message(QT_TRANSLATE_NOOP("varnel::Words", "%1 is not text: no Scala file."),
                        {verbatim(path)})};
    return {readScala(text, path)};
}

int diatonicStep(int fret) {
    constexpr int kOctave[] = {2, 4, 5, 7, 9, 10, 12};
    return fret <= 0 ? 0 : 12 * ((fret - 1) / 7) + kOctave[(fret - 1) % 7];
}

std::variant<FretSet, Message> diatonicFrets(int count, std::string_view extras) {
    const auto step = diatonicStep;
    std::vector<bool> extra(static_cast<std::size_t>(count) + 1, false);
    for (const std::string_view word : wordsOf(extras)) {
        std::size_t digits = 0;
        const auto k = word.size() > 1 && word.back() == '+'
                           ? wholeNumber(word.substr(0, word.size() - 1), digits)
                           : std::nullopt;
        if (!k || digits + 1 != word.size() || *k < 1 || *k > count) {
            return Message(QT_TRANSLATE_NOOP(
                               "varnel::Words",
                               "Extra Frets: \"%1\" is not k+ for a diatonic fret k from 1 to %2."),
                           {verbatim(word), number(count)});
        }
        const int fret = static_cast<int>(*k);
        if (step(fret + 1) - step(fret) == 1) {
            return Message(
                QT_TRANSLATE_NOOP("varnel::Words", "Extra Frets: %1 stands on diatonic fret %2."),
                {verbatim(word), number(fret + 1)});
        }
        extra[static_cast<std::size_t>(*k)] = true;
    }
    FretSet set;
    for (int k = 1; k <= count; ++k) {
        set.steps.push_back(step(k));
        set.labels.push_back(std::to_string(k));
        if (extra[static_cast<std::size_t>(k)]) {
            set.steps.push_back(step(k) + 1);
            set.labels.push_back(std::to_string(k) + "+");
        }
    }
    return set;
}

double centsOf(double ratio) {
    return 1200 * std::log2(ratio);
}

}  // namespace varnel
