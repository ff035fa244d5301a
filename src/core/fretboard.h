#pragma once
// The settings record that every part of the program reads and writes, and the fret position
// calculation at the heart of the program.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/message.h"
#include "core/translatable.h"

namespace varnel {

// Codes of FretboardSettings::unitsType.
constexpr std::int16_t kUnitsInches = 0;
constexpr std::int16_t kUnitsMillimetres = 1;
// Codes of FretboardSettings::unitsGranularity.
constexpr std::int16_t kGranularityFine = 0;
constexpr std::int16_t kGranularityCoarse = 1;
// A units or granularity code from outside (a saved configuration, a caller): anything but
// inches is millimetres, anything but coarse is fine.
constexpr std::int16_t unitsTypeFrom(std::int16_t code) {
    return code == kUnitsInches ? kUnitsInches : kUnitsMillimetres;
}
constexpr std::int16_t granularityFrom(std::int16_t code) {
    return code == kGranularityCoarse ? kGranularityCoarse : kGranularityFine;
}
// Codes of FretboardSettings::calcType; every value but kCalcRule18 means the twelfth root.
constexpr std::int16_t kCalcTwelfthRoot = 0;
constexpr std::int16_t kCalcRule18 = 1;
// Codes of FretboardSettings::hLinePos.
constexpr std::int16_t kGuideTop = 0;
constexpr std::int16_t kGuideCenter = 1;
constexpr std::int16_t kGuideBottom = 2;

// Rule-of-18ths factors offered by the menu: the share of the remaining string length between
// one fret and the next.
constexpr double kFactorCommon = 0.0561256;
constexpr double kFactorDervin = 0.0560695;
constexpr double kFactorPrimitive = 0.0555555;

constexpr double kMillimetresPerInch = 25.4;

// The unit of a length, a drawing or a measurement. Stored as its units code (the record's
// unitsType: 0 inches, 1 millimetres).
enum class Units : std::int16_t { Inches = kUnitsInches, Millimetres = kUnitsMillimetres };
constexpr Units unitsOf(std::int16_t code) {
    return code == kUnitsInches ? Units::Inches : Units::Millimetres;
}
constexpr std::int16_t unitsCode(Units units) {
    return static_cast<std::int16_t>(units);
}
// "in" or "mm": the one place the units are named.
constexpr const char* unitSymbol(Units units) {
    return units == Units::Inches ? "in" : "mm";
}

// A millimetre in a drawing's own unit: inches or millimetres.
constexpr double unitsPerMillimetre(Units units) {
    return units == Units::Inches ? 1 / kMillimetresPerInch : 1.0;
}

// What a length in one unit is multiplied by to be in another: 1, 25.4 or 1/25.4.
constexpr double lengthFactor(Units from, Units to) {
    if (from == to) return 1;
    return from == Units::Inches ? kMillimetresPerInch : 1 / kMillimetresPerInch;
}
constexpr double lengthFactor(std::int16_t fromUnits, std::int16_t toUnits) {
    return lengthFactor(unitsOf(fromUnits), unitsOf(toUnits));
}

// The largest fret count the 16-bit fret loops can walk.
constexpr std::int16_t kMaxFrets = 32766;

// Key names of the settings store, indexed as the program has always indexed them.
enum SettingKey : std::size_t {
    kKeyScaleLen = 0,
    kKeyNumFrets = 1,
    kKeyCalcFact = 2,
    kKeyUnitsType = 3,
    kKeyUnitsGran = 4,
    kKeyVLineWidth = 5,
    kKeyHLineWidth = 6,
    kKeyChartFontSize = 7,
    kKeyHLinePos = 8,
    kKeyVLineHeight = 9,
    kKeyVertSpace = 10,
    kKeyPrintFretNum = 11,
};
inline constexpr std::array<std::string_view, 12> setName = {
    "scaleLen",   "numFrets",      "calcFact", "unitsType",   "unitsGran", "VLineWidth",
    "HLineWidth", "ChartFontSize", "HLinePos", "VLineHeight", "VertSpace", "PrintFretNum",
};

// Unit labels indexed by unitsType; the millimetre label has a leading blank.
inline constexpr std::array<std::string_view, 2> unitLabels = {"In.", " mm"};

// The unit label for any units code: inches for 0, millimetres otherwise.
std::string_view unitLabel(std::int16_t unitsType);

// Every user setting, with the values the program starts with before anything is read.
struct FretboardSettings {
    double scaleLen = 0;  // current units; 0 until a scale length is given
    std::int16_t nFrets = 0;
    std::int16_t calcType = kCalcTwelfthRoot;
    double calcFact = kFactorCommon;
    std::int16_t unitsType = kUnitsMillimetres;
    std::int16_t unitsGranularity = kGranularityCoarse;
    std::int16_t lineWidthVert = 1;   // printer pixels
    std::int16_t lineWidthHorz = 4;   // printer pixels
    std::int16_t chartFontSize = 14;  // points
    std::int16_t hLinePos = kGuideTop;
    float templateLineHeight = 25;  // millimetres, whatever unitsType says
    float templateLineSpace = 0;    // millimetres, whatever unitsType says
    bool printFretNumbers = true;
};

// The two distance tables, index 1 to nFrets (index 0 is unused and 0), in the units of
// scaleLen at calculation time.
struct FretPositions {
    std::vector<double> distFromNut;
    std::vector<double> distFromFret;
    int count() const { return distFromNut.empty() ? 0 : static_cast<int>(distFromNut.size()) - 1; }
};

inline constexpr std::string_view kCheckInputsMessage =
    QT_TRANSLATE_NOOP("varnel::Words", "You must enter the number of frets and a scale length");

// True when a calculation may run: a positive, finite scale length and at least two frets.
bool inputsAreValid(const FretboardSettings& s);

// Fret positions for frets 1 to nFrets. Precondition: inputsAreValid(s) and nFrets <= kMaxFrets.
FretPositions calcFretPositions(const FretboardSettings& s);

// The method as a printed template names it: "twelfth root of 2", "rule of 18ths, factor 17.817".
Message methodDescription(const FretboardSettings& s);

}  // namespace varnel
