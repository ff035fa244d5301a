#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/designerboard.h"
#include "core/intonation.h"

namespace varnel {
namespace {

// The model written again from its equations, for the checks below: the pitch of fret k above
// the open string, in cents, less the fret's nominal cents (12-equal frets).
double errorOf(const StringSpec& st, double length, double nutAction, double action12, int k,
               double setback, double nutSetback, double metresPerUnit) {
    // In extended precision: the optimum is flat, and its place must be known to 1e-6.
    using Real = long double;
    const Real pi = std::numbers::pi_v<Real>;
    const Real L = length, hN = nutAction, h12 = action12, s = setback, n = nutSetback;
    const Real metres = metresPerUnit;
    const Real x12 = L / 2;
    const Real hS = hN + (h12 - hN) * L / x12;
    const Real x = L * (1 - std::pow(Real(2), -k / Real(12)));
    const Real l0 = std::sqrt((L + s - n) * (L + s - n) + (hS - hN) * (hS - hN));
    const Real lk = std::sqrt((L + s - x) * (L + s - x) + hS * hS);
    const Real mk = std::sqrt((x - n) * (x - n) + hN * hN);
    const Real d = st.coreMetres, E = st.modulusPascals, T = st.tensionNewtons;
    const Real Tk = T + E * pi * d * d / 4 * (mk + lk - l0) / l0;
    const auto f = [&](Real l, Real tension) {
        const Real B = E * pi * d * d * d * d / 64 / (tension * l * l * metres * metres);
        return std::sqrt(tension) / (l * metres) * (1 + 2 * std::sqrt(B) + (4 + pi * pi / 2) * B);
    };
    return static_cast<double>(1200 * std::log2(f(lk, Tk) / f(l0, T)) - 100 * k);
}

// Half the derivative of the sum of the squared errors along s (along n when alongNut): zero at
// the optimum. The errors' derivatives by central differences.
double slope(const StringSpec& st, double L, double hN, double h12, int frets, double s, double n,
             double metres, bool alongNut) {
    const double h = 1e-5;
    double sum = 0;
    for (int k = 1; k <= frets; ++k) {
        const double e = errorOf(st, L, hN, h12, k, s, n, metres);
        const double up = alongNut ? errorOf(st, L, hN, h12, k, s, n + h, metres)
                                   : errorOf(st, L, hN, h12, k, s + h, n, metres);
        const double down = alongNut ? errorOf(st, L, hN, h12, k, s, n - h, metres)
                                     : errorOf(st, L, hN, h12, k, s - h, n, metres);
        sum += e * (up - down) / (2 * h);
    }
    return sum;
}

// Where a function rising through zero on [a, b] crosses it, by bisection.
template <typename F>
double root(F f, double a, double b) {
    for (int i = 0; i < 200 && b - a > 1e-12; ++i) {
        const double m = (a + b) / 2;
        if (f(m) < 0) {
            a = m;
        } else {
            b = m;
        }
    }
    return (a + b) / 2;
}

StringGeometry geometryOf(double L, double hN, double h12, int frets, double metres) {
    StringGeometry g;
    g.length = L;
    g.octave = L / 2;
    g.actionNut = hN;
    g.action12 = h12;
    g.metresPerUnit = metres;
    for (int k = 1; k <= frets; ++k) {
        g.frets.push_back(L * (1 - std::pow(2.0, -k / 12.0)));
        g.fretCents.push_back(100.0 * k);
    }
    return g;
}

// For every string of every shipped set, on a 648 mm and a 25.5 in board: the setbacks agree
// with the optimum of the model written independently (where the sum of the squared errors stops
// falling, found by bisection), to 1e-6 of the unit, with the nut fixed and with it free, and
// the errors after are those of the model at the optimum.
TEST(IntonationTest, SetbacksAreTheModelsOptimum) {
    const struct {
        double length, actionNut, action12, metres;
    } boards[] = {{648, 0.5, 2.0, 1e-3}, {25.5, 0.02, 0.08, 0.0254}};
    ASSERT_EQ(shippedStringSets().size(), 4u);
    for (const auto& board : boards) {
        for (const StringSet& set : shippedStringSets()) {
            for (const bool nutToo : {false, true}) {
                std::vector<StringGeometry> geometry(
                    set.strings.size(),
                    geometryOf(board.length, board.actionNut, board.action12, 12, board.metres));
                const auto result = intonate(set.strings, geometry, nutToo, false, {});
                ASSERT_EQ(result.size(), set.strings.size());
                for (std::size_t i = 0; i < set.strings.size(); ++i) {
                    SCOPED_TRACE(set.name + " " + set.strings[i].name);
                    const StringSpec& st = set.strings[i];
                    const auto along = [&](double s, double n, bool alongNut) {
                        return slope(st, board.length, board.actionNut, board.action12, 12, s, n,
                                     board.metres, alongNut);
                    };
                    const double span = board.length / 20;
                    const auto bestS = [&](double n) {
                        return root([&](double s) { return along(s, n, false); }, -span, span);
                    };
                    const double n =
                        nutToo ? root([&](double nn) { return along(bestS(nn), nn, true); }, -span,
                                      span)
                               : 0;
                    const double s = bestS(n);
                    EXPECT_NEAR(result[i].saddle, s, 1e-6);
                    EXPECT_NEAR(result[i].nut, n, 1e-6);
                    EXPECT_NEAR(result[i].after[11],
                                errorOf(st, board.length, board.actionNut, board.action12, 12,
                                        result[i].saddle, result[i].nut, board.metres),
                                1e-9);
                    EXPECT_LE(result[i].rmsAfter, result[i].rmsBefore);
                }
            }
        }
    }
}

// As builders find them: at 645 mm with 0.5 mm at the nut and 2.0 mm at fret 12 every steel
// string wants its saddle 0.3 to 10 mm back, and the electric set's plain G more than its B and
// high E. A straight saddle lies between, and no string of it is better off than on its own.
TEST(IntonationTest, SteelSetsNeedWhatBuildersGive) {
    for (const char* name : {"acoustic-12-53", "electric-10-46"}) {
        const StringSet* set = shippedStringSet(name);
        ASSERT_NE(set, nullptr) << name;
        std::vector<StringGeometry> geometry(set->strings.size(),
                                             geometryOf(645, 0.5, 2.0, 12, 1e-3));
        const auto alone = intonate(set->strings, geometry, false, false, {});
        for (const StringIntonation& s : alone) {
            EXPECT_GT(s.saddle, 0.3) << name;
            EXPECT_LT(s.saddle, 10) << name;
        }
        if (std::string(name) == "electric-10-46") {
            EXPECT_GT(alone[2].saddle, alone[1].saddle);
            EXPECT_GT(alone[2].saddle, alone[0].saddle);
        }
        std::vector<double> places;
        for (std::size_t i = 0; i < set->strings.size(); ++i)
            places.push_back(static_cast<double>(i) / static_cast<double>(set->strings.size() - 1));
        const auto line = intonate(set->strings, geometry, false, true, places);
        double before = 0, afterAlone = 0, afterLine = 0;
        for (std::size_t i = 0; i < line.size(); ++i) {
            before += line[i].rmsBefore;
            afterAlone += alone[i].rmsAfter;
            afterLine += line[i].rmsAfter;
            EXPECT_GE(line[i].rmsAfter, alone[i].rmsAfter - 1e-9);
        }
        EXPECT_LT(afterLine, before);
        EXPECT_LE(afterAlone, afterLine);
    }
}

// A set's text: its header chooses newtons or pounds, millimetres or inches; what is not a
// string set is refused with the line it stops at.
TEST(IntonationTest, StringSetsAreReadOrRefused) {
    const auto set = parseStringSet(
        "# a comment\nname,tension_lb,core_in,modulus_GPa\nE,10,0.01,200\r\nB , 12 , 0.02 , 5\n",
        "mine");
    ASSERT_TRUE(std::holds_alternative<StringSet>(set));
    const StringSet& s = std::get<StringSet>(set);
    ASSERT_EQ(s.strings.size(), 2u);
    EXPECT_NEAR(s.strings[0].tensionNewtons, 44.482216152605, 1e-9);
    EXPECT_NEAR(s.strings[1].coreMetres, 0.000508, 1e-12);
    EXPECT_NEAR(s.strings[1].modulusPascals, 5e9, 1e-3);
    const struct {
        const char* text;
        const char* refusal;
    } bad[] = {
        {"", "The string set names no strings."},
        {"name,tension_kg,core_mm,modulus_GPa\nE,1,1,1\n",
         "A string set begins with the line name,tension_N,core_mm,modulus_GPa (or tension_lb, "
         "core_in)."},
        {"name,tension_N,core_mm,modulus_GPa\nE,0,0.3,200\n",
         "Line 2 of the string set has no tension above 0."},
        {"name,tension_N,core_mm,modulus_GPa\nE,70,nan,200\n",
         "Line 2 of the string set has no core diameter above 0."},
        {"name,tension_N,core_mm,modulus_GPa\nE,70,0.3,inf\n",
         "Line 2 of the string set has no modulus above 0."},
        {"name,tension_N,core_mm,modulus_GPa\nE,70,0.3,1e300\n",
         "Line 2 of the string set has no modulus above 0."},
        {"name,tension_N,core_mm,modulus_GPa\nE,70,0.3\n",
         "Line 2 of the string set does not have four fields."},
    };
    for (const auto& b : bad) {
        const auto read = parseStringSet(b.text, "x");
        ASSERT_TRUE(std::holds_alternative<Message>(read)) << b.text;
        EXPECT_EQ(std::get<Message>(read), b.refusal);
    }
}

// On a board the action at fret 12 is taken where the fret numbered 12 stands, and frets 1 to K
// by their numbers: in 19 equal fret 12 is not the octave, and a diatonic board's fret 12 lies
// beyond it, its extra frets among the first K.
TEST(IntonationTest, TheBoardsFret12AndFretsByTheirNumbers) {
    const struct {
        std::vector<std::pair<std::string, std::string>> options;
        int frets;
    } rows[] = {
        {{{"--edo", "19"}}, 24},
        {{{"--fret-set", "diatonic"}, {"--extra-frets", "6+"}}, 14},
        {{}, 22},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.frets);
        FretboardSettings s;
        s.nFrets = static_cast<std::int16_t>(row.frets);
        DesignerInputs in = designerDefaults(Units::Millimetres);
        DesignerTexts texts{{"unitsType", "1"}, {"txtStringSet", "acoustic-12-53"}};
        for (const auto& [option, value] : row.options) texts.merge(*optionTexts(option, value));
        ASSERT_TRUE(readDesignerTexts(texts, Units::Millimetres, in).empty());
        ASSERT_FALSE(designerRefusal(in, s));
        const DesignerBoard board = layOutBoard(in, s);
        ASSERT_EQ(board.intonation.size(), 6u);
        // The first string's geometry from its fret points, by their labels.
        const Segment& first = board.strings.front();
        StringGeometry g;
        g.length = std::hypot(first.to.x - first.from.x, first.to.y - first.from.y);
        g.octave = 0;
        g.actionNut = 0.5;
        g.action12 = 2.0;
        for (std::size_t j = 0; j < board.table.size(); ++j) {
            const FretPoint& point = board.fretPoints[j * 6];
            if (point.fret == "12") g.octave = point.fromNut;
            if (std::stoi(point.fret) > 12) continue;
            g.frets.push_back(point.fromNut);
            g.fretCents.push_back(point.cents);
        }
        ASSERT_GT(g.octave, 0);
        EXPECT_EQ(board.intonation.front().before,
                  centsErrors(shippedStringSets().front().strings[0], g, 0, 0));
    }
}

}  // namespace
}  // namespace varnel
