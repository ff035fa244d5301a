#pragma once
// Intonation: where each string's saddle (and nut) must stand so that it plays in tune when
// fretted. Pressing a string stretches it (its tension rises) and a real string is stiff (its
// overtones run sharp); both make a fretted note sharp, which a longer string (the saddle set
// back) and a shorter stretch behind the fret (the nut moved forward) undo.
//
// Per string, lengths in the board's unit: the scale length L (nut to nominal saddle), fret k at
// x_k from the nut with c_k cents above the open string, the action h_N at the nut and h_12 at
// fret 12 (above the fret tops). The saddle stands at L + s, the nut at n; the saddle height
// makes the open string pass h_12 over fret 12: h_S = h_N + (h_12 - h_N) L / x_12.
//   open:           l_0 = sqrt((L + s - n)^2 + (h_S - h_N)^2), tension T
//   fretted at k:   l_k = sqrt((L + s - x_k)^2 + h_S^2), behind it m_k = sqrt((x_k - n)^2 + h_N^2),
//                   T_k = T + EA (m_k + l_k - l_0) / l_0
//   a stiff string: f = sqrt(T / mu) / (2 l) * (1 + 2 sqrt(B) + (4 + pi^2 / 2) B), B = EI / (T l^2)
//   error of fret k: e_k = 1200 log2(f(l_k, T_k) / f(l_0, T)) - c_k
// s and n minimise the sum of e_k^2 over frets 1 to K.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/message.h"

namespace varnel {

// A string of a set, in SI units: its tension at pitch, the diameter of its core (a plain
// string's whole diameter) and the Young's modulus of its core.
struct StringSpec {
    std::string name;
    double tensionNewtons = 0;
    double coreMetres = 0;
    double modulusPascals = 0;
};

struct StringSet {
    std::string name;
    std::vector<StringSpec> strings;  // the first (treble) string first
};

// A set from its CSV text: lines starting with '#' are comments; a header
// "name,tension_N,core_mm,modulus_GPa" (or tension_lb, core_in), then a row a string. The set,
// or why the text is none.
std::variant<StringSet, Message> parseStringSet(std::string_view text, std::string name);

// The sets the program carries, by name ("acoustic-12-53", ...), in order; and one of them.
const std::vector<StringSet>& shippedStringSets();
const StringSet* shippedStringSet(std::string_view name);

// A string set's CSV file read and parsed (at most 1 MiB): the set, or why not.
std::variant<StringSet, Message> readStringSetFile(const std::string& path);

// One string on the board, for the model: lengths in the board's unit.
struct StringGeometry {
    double length = 0;              // L
    double octave = 0;              // x_12: where fret 12 (the octave) stands
    std::vector<double> frets;      // x_1 .. x_K
    std::vector<double> fretCents;  // c_1 .. c_K
    double actionNut = 0;           // h_N
    double action12 = 0;            // h_12
    double metresPerUnit = 1e-3;
};

// Each fret's error in cents with the saddle set back by s and the nut moved forward by n.
std::vector<double> centsErrors(const StringSpec& string, const StringGeometry& g, double s,
                                double n);

// What the compensation gives one string: its setbacks, and the errors before (s = n = 0) and
// after, over the frets.
struct StringIntonation {
    double saddle = 0;
    double nut = 0;
    std::vector<double> before;
    std::vector<double> after;
    double rmsBefore = 0;
    double maxBefore = 0;  // the largest error, by its size
    double rmsAfter = 0;
    double maxAfter = 0;
};

// Each string compensated on its own (nutToo: s and n, else s alone); or, straight, the saddle
// one straight line whose setback runs linearly from the first string to the last (t_i from 0 to
// 1 by their places across the bridge), chosen with every string's n to minimise all the errors.
std::vector<StringIntonation> intonate(const std::vector<StringSpec>& strings,
                                       const std::vector<StringGeometry>& geometry, bool nutToo,
                                       bool straight, const std::vector<double>& places);

}  // namespace varnel
