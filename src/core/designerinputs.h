#pragma once
// The Fretboard Designer's inputs: the strings and scale, the tuning and the workshop. Each input
// is described once, in one table (its stored key, caption, command-line options, kind and where
// its value lives), which the window's form, varnel-chart's options and --help, the settings
// store, saved configurations and the refusals all read.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fretboard.h"
#include "core/intonation.h"
#include "core/message.h"
#include "core/tuning.h"

namespace varnel {

// What the cutter needs beyond the strings and the frets, lengths in the board's units (the
// defaults here are millimetres: workshopDefaults gives them in inches).
struct Workshop {
    double slotWidth = 0.58;  // a 0.023 in fret saw's kerf; 0 draws centre lines only
    std::vector<int> markers{3, 5, 7, 9, 12, 15, 17, 19, 21, 24};
    std::vector<int> doubleMarkers{12, 24};
    double markerDiameter = 6;
    bool sideMarkers = true;
    double sideMarkerDiameter = 2;
    double boardEnd = 6;  // past the last fret, along the midline
    bool zeroFret = false;
    double nutGap = 5;        // from the zero fret back to the nut
    double trebleSaddle = 0;  // saddle compensation, along the first and the last string
    double bassSaddle = 0;
    double radiusAtNut = 0;  // 0 at both ends: a flat board
    double radiusAtEnd = 0;
};
Workshop workshopDefaults(Units units);

// The most equal divisions of a period a board takes.
constexpr int kMaxDivisions = 1000;

// The tuning the frets follow: none for twelve equal steps to the octave, by the record's method
// and factor; else equal divisions of a period, or a Scala file's scale.
struct DesignerTuning {
    // As typed: twelve equal (0), equal divisions of a period (1) or a Scala file (2); the
    // divisions and the period (a ratio, or cents with a point); the Scala file's path.
    int temperament = 0;
    std::string divisions = "12";
    std::string period = "2/1";
    std::string scalaFile;
    // Worked out from them: the scale (none for twelve equal).
    std::optional<Scale> scale;
    // Why the chosen tuning makes no frets: refused.
    Message refusal;
    // A chosen Scala file that is missing: twelve equal steps stand in, and this says so.
    Message note;
    // Twelve equal only: the diatonic frets (the record's fret count counts them) and the extra
    // frets the text names ("6+ 13+").
    bool diatonic = false;
    std::string extraFrets;
    // Each string's open note as a degree of the scale, first string first (none: all 0).
    std::vector<int> degrees;
};

// How the strings are intonated: a string set (a shipped set's name, or a CSV file's path; empty
// for none, when the saddle is the typed compensation), the action at the nut and at fret 12
// (above the fret tops, in the board's units), the frets to intonate, whether the nut moves too,
// and the saddle: per string, one straight line, or the typed compensation.
enum class SaddleKind { PerString, Straight, Typed };
struct IntonationInputs {
    std::string stringSet;
    double actionNut = 0.5;
    double action12 = 2.0;
    int frets = 12;
    bool nutToo = false;
    SaddleKind saddle = SaddleKind::PerString;
    // Worked out: the set named, or why it could not be read.
    std::optional<StringSet> set;
    Message refusal;
};

struct DesignerInputs {
    int strings = 6;
    double firstScale = 648;  // treble
    double lastScale = 686;   // bass
    double nutSpacing = 35;   // between the outer strings' centres, across the midline
    double bridgeSpacing = 52;
    double perpendicularRatio = 0.5;  // 0: perpendicular nut, 1: perpendicular bridge
    double trebleOverhang = 3.5;
    double bassOverhang = 3.5;
    // The fret (0 for the nut) that stands perpendicular to the midline, instead of the ratio:
    // the ratio then follows from the method and factor.
    std::optional<int> perpendicularFret = 7;
    Workshop workshop;
    DesignerTuning tuning;
    IntonationInputs intonation;
    // The designer's own fret count (varnel-chart takes the record's).
    int frets = 24;
};

// The inputs' texts by their stored keys (the designer's object names, "txtStrings", ...), and
// "unitsType", the units the lengths were typed in: as the window holds them, the store
// remembers them and saved configurations carry them ("fanned." before each key).
using DesignerTexts = std::map<std::string, std::string, std::less<>>;

enum class InputKind {
    Count,    // a whole number
    Length,   // a length in the board's units, converted with them
    Number,   // a plain number (the perpendicular ratio)
    Frets,    // fret numbers separated by blanks
    Degrees,  // a degree of the scale for each string
    Pitch,    // a ratio or cents
    Choice,   // one of its choices, stored as its index
    Flag,     // on or off, stored as "1" or "0"
    Path,     // a file
    Words,    // any text the input reads itself (extra frets)
};

// How a command-line option sets an input: its whole value, or one of two values given as
// "A,B" (the second standing for both, or left blank, when one is given), or a fixed text
// (a choice's index the option implies).
enum class OptionPart { Whole, First, SecondOrFirst, SecondOrBlank, Fixed };
struct InputOption {
    std::string_view option;  // "--radius"
    OptionPart part = OptionPart::Whole;
    std::string_view fixed = {};
    // The value's name and meaning in --help (none: the option is told by another input).
    std::string_view help = {};
};

struct DesignerInput {
    std::string_view key;      // the stored key and the box's object name
    std::string_view caption;  // as the form shows it
    std::string_view group;    // "Strings and Scale", "Tuning" or "Workshop"
    InputKind kind;
    std::vector<InputOption> options;
    // A choice's captions, and the command line's word for each (flags: "yes", "no").
    std::vector<std::string_view> choices = {};
    std::vector<std::string_view> words = {};
    // Reads the text into the inputs, a length times the factor; false when the text is none
    // of the input's kind (the inputs keep their value).
    std::function<bool(std::string_view text, double factor, DesignerInputs& in)> read = {};
    // The inputs' value as the input's text, in the inputs' units.
    std::function<std::string(const DesignerInputs& in)> text = {};
    // What the value must be, said when a text is none, the caption for %1: "%1 must be a
    // number."
    std::string_view unreadable = {};
    // A number's value as the refusals judge it, and its name there ("first string's scale
    // length"): finite and within reach of the layout, and 0 or more where notNegative.
    std::function<double(const DesignerInputs& in)> value = {};
    std::string_view noun = {};
    bool notNegative = false;
    // The caption's letter that Alt takes to the control (none: 0), unique on its tab.
    char mnemonic = 0;
};

// Every input, in the form's order (the order the window reads and names them in).
const std::vector<DesignerInput>& designerInputs();
const DesignerInput* designerInput(std::string_view key);

// The message for an input whose text is none of its kind: "Slot Width must be a number."
Message unreadableMessage(const DesignerInput& input, const DesignerInputs& in);

// Reads each text into in, its lengths converted from the texts' own "unitsType" (when given)
// into the units; a missing text keeps in's value. The keys of the texts that
// are none of their kind, in the form's order; their fields keep in's values. The tuning is then
// worked out from what was read (a Scala file read through the reader).
// A string set named by a path is read through its reader.
using ScalaReader = std::function<ScalaFile(const std::string& path)>;
using StringSetReader = std::function<std::variant<StringSet, Message>(const std::string& path)>;
std::vector<std::string> readDesignerTexts(const DesignerTexts& texts, Units units,
                                           DesignerInputs& in, const ScalaReader& readScala = {},
                                           const StringSetReader& readStrings = {});

// Every input's text for the inputs, lengths in the units, with "unitsType": the defaults' texts
// (DesignerInputs{} in the units) are what a store or configuration without an input retrieves.
DesignerTexts designerTexts(const DesignerInputs& in, Units units);
DesignerInputs designerDefaults(Units units);

// The inputs' lengths by the boxes that hold them: what a change of units converts.
std::vector<std::string_view> lengthKeys();

// The texts a command-line option sets ("--radius 305,406": txtRadiusNut 305, txtRadiusEnd
// 406; "--edo 19": cboTemperament 1, txtDivisions 19), or none when its value is none of the
// option's words or pairs. Whether the texts read is for readDesignerTexts to say.
bool isDesignerOption(std::string_view option);
std::optional<DesignerTexts> optionTexts(std::string_view option, std::string_view value);

// The designer's options for --help, a line each: "  --strings N  the number of strings [6]".
std::string designerOptionsHelp();

// The first option that sets an input, for messages: "--first-scale" for "txtFirstScale".
std::string optionOf(std::string_view key);

// Fret numbers as the boxes show them ("3 5 7 12"), and read back (blank-separated whole
// numbers; none when a word is not one).
std::string fretListText(const std::vector<int>& frets);
std::optional<std::vector<int>> fretListFromText(std::string_view text);

}  // namespace varnel
