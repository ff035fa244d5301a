#pragma once
// The scale length presets and the rules that turn the two input boxes' text into the scale
// length and the fret count.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/fretboard.h"
#include "core/message.h"

namespace varnel {

struct ScaleLenPreset {
    std::string_view text;  // list text, ending with the inch mark
    double inches;
    double millimetres;  // inches * 25.4 in double precision, as the table always held it
};

inline constexpr double presetMm(double inches) {
    return inches * kMillimetresPerInch;
}

inline constexpr std::array<ScaleLenPreset, 14> scaleLenPresets = {{
    {"Fender 25.5\"", 25.5, presetMm(25.5)},
    {"Martin 25.4\"", 25.4, presetMm(25.4)},
    {"Martin 24.9\"", 24.9, presetMm(24.9)},
    {"Gibson 24 3/4\"", 24.75, presetMm(24.75)},
    {"Gibson 25 1/4\"", 25.25, presetMm(25.25)},
    {"25\"", 25, presetMm(25)},
    {"Dreadnought 25 11/32\"", 25 + 11.0 / 32, presetMm(25 + 11.0 / 32)},
    {"12-String 24 27/32\"", 24 + 27.0 / 32, presetMm(24 + 27.0 / 32)},
    {"Classical 25 21/32\"", 25 + 21.0 / 32, presetMm(25 + 21.0 / 32)},
    {"Long Classical 26 1/8 \"", 26 + 1.0 / 8, presetMm(26 + 1.0 / 8)},
    {"Bass 34\"", 34, presetMm(34)},
    {"Bass 30\"", 30, presetMm(30)},
    {"Mandolin 13 7/8\"", 13 + 7.0 / 8, presetMm(13 + 7.0 / 8)},
    {"Banjo Gibson 26 3/16\"", 26 + 3.0 / 16, presetMm(26 + 3.0 / 16)},
}};

// The scale length the box yields: a numeric text as typed, in the current units; otherwise the
// selected preset in the current units; otherwise 0. listIndex is the selected list position,
// or none (also for a position outside the list).
double scaleLenFromBox(std::string_view text, std::optional<int> listIndex, std::int16_t unitsType);

// True when the fret-count box may hold the text: anything but a number whose rounded value
// lies outside -32768..kMaxFrets.
bool fretCountTextAllowed(std::string_view text);

// The fret count the box yields: the rounded number of a numeric text within
// -32768..kMaxFrets; the current count for empty, non-numeric or out-of-range text.
std::int16_t fretCountFromBox(std::string_view text, std::int16_t current);

// The text of the "Verify" message: "Number of frets: 22  Scale Length: 647.7 mm".
Message verifyMessage(const FretboardSettings& s);

}  // namespace varnel
