#pragma once
// Conversions between numbers and text, independent of the process locale: the decimal
// separator is always a period, whatever setlocale says.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// True when the text reads as a number: optional blanks, an optional sign, digits with an
// optional decimal point (or a point then digits), an optional exponent, optional blanks.
// At least one mantissa digit; no grouping, hex, "inf" or "nan".
bool isNumeric(std::string_view text);

// Text to a 64-bit float; no value when the text is not numeric. Values beyond the double
// range come back as infinities, as a typed "1e999" would.
std::optional<double> toDouble(std::string_view text);

// Text to the nearest 32-bit float; no value when the text is not numeric.
std::optional<float> toFloat(std::string_view text);

// Text to a 16-bit integer, rounded to nearest with halves to even ("12.5" gives 12).
// No value when the text is not numeric or the rounded value is outside -32768..32767.
std::optional<std::int16_t> toInt16(std::string_view text);

// A double rounded to a whole number, halves to even; no value outside -32768..32767.
std::optional<std::int16_t> roundToInt16(double value);

// General number format: up to 15 significant digits, no trailing zeros, exponent form
// ("1E+15", "1.5E-05") when the decimal exponent is 15 or more or below -4; never "-0".
std::string formatGeneral(double value);

// The same with up to the given number of significant digits (1 to 17).
std::string formatSignificant(double value, int digits);

// The same for a 32-bit float, with up to 7 significant digits.
std::string formatGeneral(float value);

// Fixed pattern with the given number of decimals ("###0.0" is 1, "###0.00" is 2): the
// 15-significant-digit decimal form of the value rounded with halves away from zero, at least
// one digit before the point, no grouping. Infinities and NaN give "inf", "-inf", "nan".
std::string formatFixed(double value, int decimals);
// The same with its sign always shown: "+1.25", "-0.40".
std::string formatSigned(double value, int decimals);

// The pattern "###" for whole numbers: plain decimal digits with a leading minus when negative.
std::string formatInteger(long long value);

// The shortest decimal that reads back as the same double (std::to_chars): what files write.
std::string formatShortest(double value);

// A length converted between units as the shortest decimal within a billionth of it (under a
// micrometre on any fretboard): 648 mm shows as 25.511811 in, and that as 648 mm again, however
// often the units change.
std::string convertedLengthText(double length);

// A CSV field (RFC 4180): as it is, or in double quotes, its quotes doubled, when it holds a
// comma, a quote or a line end.
std::string csvField(std::string_view text);

}  // namespace varnel
