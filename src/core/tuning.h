#pragma once
// Tunings other than twelve equal steps to the octave: any equal division of any interval, and
// the scales of Scala files (.scl). A scale is N rising ratios 1 < r1 < ... < rN, rN its period;
// the ratio m steps above the tonic is R(m) = rN^floor(m/N) * r(m mod N), with r0 = 1.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/message.h"

namespace varnel {

// A pitch above the tonic as a ratio and in cents, each as exact as the pitch was given: a
// pitch given in cents keeps its cents to the digit, a ratio its ratio.
struct Pitch {
    double ratio = 1;
    double cents = 0;
};

struct Scale {
    std::vector<double> ratios;  // r1 to rN
    std::vector<double> cents;   // the same pitches in cents, as given
    double ratio(int steps) const;
    // The cents `steps` above the tonic, from the pitches as given (twelve-equal step 3 is 300).
    double centsAbove(int steps) const;
    int size() const { return static_cast<int>(ratios.size()); }
};

// N equal divisions of the period: rk = P^(k/N), k/N of its cents.
Scale equalDivisions(int divisions, const Pitch& period);

// The blank-separated words of a text, as the designer's list boxes hold them.
std::vector<std::string_view> wordsOf(std::string_view text);

// A pitch as a Scala file writes it, leading blanks allowed and text after the value ignored:
// cents when the value holds a "." (the ratio 2^(c/1200)), else a ratio "a/b" or a whole
// number "a" (a/1), a and b from 0 to 2147483647; none for anything else, or b = 0.
std::optional<Pitch> pitchOf(std::string_view text);

// A Scala file's scale, or why it is none, naming the file and the line: no note count, fewer
// pitch lines than the count, a pitch that is none, a ratio not above the one before it (frets
// need rising pitches), a count of 0.
std::variant<Scale, Message> readScala(std::string_view text, const std::string& fileName);

// The largest Scala file read: a scale file is a few kilobytes.
constexpr std::size_t kMaxScalaBytes = 1 << 20;

// The bytes of the regular file at the path, at most maxBytes + 1 of them (so that a longer one
// shows); none when it cannot be read (missing, a folder, a read error), without throwing.
std::optional<std::string> readFileBytes(const std::string& path, std::size_t maxBytes);

// The same from the file at the path: also refused when it cannot be read (missing is true
// then), is larger than 1 MiB, or is no text (it holds a NUL).
struct ScalaFile {
    std::variant<Scale, Message> scale;
    bool missing = false;
};
ScalaFile readScalaFile(const std::string& path);

// The frets of a diatonic fretboard (a dulcimer's): on the steps of twelve equal that are 2, 4,
// 5, 7, 9, 10 and 12 semitones above the open string in every octave, `count` of them numbered
// 1, 2, 3, ...; among them the extra frets the text names, "6+" one semitone above diatonic fret
// 6 (blank-separated). Or why the text names no extra frets (a word that is not k+ for a
// diatonic fret k of the board).
struct FretSet {
    std::vector<int> steps;           // semitones above the open string, rising
    std::vector<std::string> labels;  // "1", "6+", ...
};
std::variant<FretSet, Message> diatonicFrets(int count, std::string_view extras);
// The semitones of diatonic fret k (0 for the nut).
int diatonicStep(int fret);

// Cents of a ratio.
double centsOf(double ratio);

}  // namespace varnel
