#include "core/numtext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace varnel {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text between surrounding blanks, when the whole text reads as a number.
std::optional<std::string_view> numericCore(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    const std::string_view core = text.substr(begin, end - begin);

    std::size_t i = 0;
    if (i < core.size() && (core[i] == '+' || core[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    while (i < core.size() && isDigit(core[i])) ++i, ++mantissaDigits;
    if (i < core.size() && core[i] == '.') {
        ++i;
        while (i < core.size() && isDigit(core[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < core.size() && (core[i] == 'e' || core[i] == 'E')) {
        ++i;
        if (i < core.size() && (core[i] == '+' || core[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < core.size() && isDigit(core[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != core.size()) return std::nullopt;
    return core;
}

// For a numeric text beyond the floating-point range (without its sign): true when it is too
// large, false when it is too small. Its decimal magnitude is where its first significant digit
// stands, moved by the exponent.
bool beyondRangeIsLarge(std::string_view digits) {
    const std::size_t e = digits.find_first_of("eE");
    const std::string_view mantissa = digits.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view exp = digits.substr(e + 1);
        const bool negative = !exp.empty() && exp.front() == '-';
        if (!exp.empty() && (exp.front() == '-' || exp.front() == '+')) exp.remove_prefix(1);
        while (exp.size() > 1 && exp.front() == '0') exp.remove_prefix(1);
        // Exponents of more than 18 digits decide by their sign alone.
        if (exp.size() > 18) return !negative;
        std::from_chars(exp.data(), exp.data() + exp.size(), exponent);
        if (negative) exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return false;
    const auto magnitude = first < point ? static_cast<long long>(point - first)
                                         : -static_cast<long long>(first - point - 1);
    return magnitude + exponent > 0;
}

// from_chars accepts neither a leading '+' nor a value out of range; both are numbers here.
template <typename T>
std::optional<T> parse(std::string_view text) {
    auto core = numericCore(text);
    if (!core) return std::nullopt;
    std::string_view digits = *core;
    bool negative = false;
    if (digits.front() == '+' || digits.front() == '-') {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    T value{};
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec == std::errc::result_out_of_range) {
        value = beyondRangeIsLarge(digits) ? std::numeric_limits<T>::infinity() : T{0};
    } else if (ec != std::errc{} || ptr != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

// The decimal digits and exponent of a value rounded to `significant` digits:
// value = 0.d1d2d3... x 10^(exponent + 1).
struct DecimalForm {
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

DecimalForm decimalForm(double value, int significant) {
    std::array<char, 64> buf{};
    const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                      std::chars_format::scientific, significant - 1);
    const std::string_view text(buf.data(), static_cast<std::size_t>(result.ptr - buf.data()));
    DecimalForm form;
    form.negative = std::signbit(value);
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') form.digits.push_back(text[i]);
    }
    std::from_chars(text.data() + e + 2, text.data() + text.size(), form.exponent);
    if (text[e + 1] == '-') form.exponent = -form.exponent;
    return form;
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) return "nan";
    return value < 0 ? "-inf" : "inf";
}

std::string formatGeneralDigits(double value, int significant) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    if (value == 0) return "0";
    DecimalForm form = decimalForm(value, significant);
    while (form.digits.size() > 1 && form.digits.back() == '0') form.digits.pop_back();
    std::string out = form.negative ? "-" : "";
    const int n = static_cast<int>(form.digits.size());
    if (form.exponent >= 15 || form.exponent < -4) {
        out += form.digits[0];
        if (n > 1) {
            out += '.';
            out.append(form.digits, 1);
        }
        out += form.exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(form.exponent);
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (form.exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-form.exponent - 1), '0');
        out += form.digits;
    } else if (n <= form.exponent + 1) {
        out += form.digits;
        out.append(static_cast<std::size_t>(form.exponent + 1 - n), '0');
    } else {
        out.append(form.digits, 0, static_cast<std::size_t>(form.exponent + 1));
        out += '.';
        out.append(form.digits, static_cast<std::size_t>(form.exponent + 1));
    }
    return out;
}

}  // namespace

std::string formatSignificant(double value, int digits) {
    return formatGeneralDigits(value, digits);
}

bool isNumeric(std::string_view text) {
    return numericCore(text).has_value();
}

std::optional<double> toDouble(std::string_view text) {
    return parse<double>(text);
}

std::optional<float> toFloat(std::string_view text) {
    return parse<float>(text);
}

std::optional<std::int16_t> roundToInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    // The default floating-point environment rounds halves to even.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> toInt16(std::string_view text) {
    const auto value = toDouble(text);
    if (!value) return std::nullopt;
    return roundToInt16(*value);
}

std::string formatGeneral(double value) {
    return formatGeneralDigits(value, 15);
}

std::string formatGeneral(float value) {
    return formatGeneralDigits(static_cast<double>(value), 7);
}

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    std::string
        digits;  // every digit of the rounded magnitude, the last `decimals` of them fractional
    int exponent = 0;
    bool negative = false;
    if (value != 0) {
        DecimalForm form = decimalForm(value, 15);
        negative = form.negative;
        exponent = form.exponent;
        digits = std::move(form.digits);
    } else {
        digits = "0";
    }
    // Number of digits of `digits` that stand before the last kept decimal, inclusive.
    const int kept = exponent + 1 + decimals;
    std::string magnitude;  // integer digits of round(|value| * 10^decimals)
    if (kept <= 0) {
        const bool roundUp = kept == 0 && digits[0] >= '5';
        magnitude = roundUp ? "1" : "0";
    } else {
        const auto keptCount = static_cast<std::size_t>(kept);
        if (digits.size() > keptCount) {
            const bool roundUp = digits[keptCount] >= '5';
            digits.resize(keptCount);
            if (roundUp) {
                std::size_t i = keptCount;
                while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
                if (i == 0) {
                    digits.insert(digits.begin(), '1');
                } else {
                    ++digits[i - 1];
                }
            }
        } else {
            digits.append(keptCount - digits.size(), '0');
        }
        magnitude = std::move(digits);
    }
    const auto places = static_cast<std::size_t>(decimals);
    if (magnitude.size() <= places) magnitude.insert(0, places + 1 - magnitude.size(), '0');
    const bool allZero = magnitude.find_first_not_of('0') == std::string::npos;
    std::string out = negative && !allZero ? "-" : "";
    out.append(magnitude, 0, magnitude.size() - places);
    if (places > 0) {
        out += '.';
        out.append(magnitude, magnitude.size() - places);
    }
    return out;
}

std::string formatInteger(long long value) {
    return std::to_string(value);
}

std::string formatShortest(double value) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string convertedLengthText(double length) {
    std::string text;
    for (int digits = 1; digits <= 15; ++digits) {
        text = formatSignificant(length, digits);
        if (std::fabs(toDouble(text).value_or(0) - length) <= 1e-9 * std::fabs(length)) break;
    }
    return text;
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string formatSigned(double value, int decimals) {
    return (value >= 0 ? "+" : "") + formatFixed(value, decimals);
}

}  // namespace varnel
