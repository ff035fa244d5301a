#include "core/intonation.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

#include "core/fretboard.h"
#include "core/numtext.h"
#include "core/tuning.h"

namespace varnel {

namespace {

constexpr double kNewtonsPerPound = 4.4482216152605;
constexpr double kMetresPerInch = kMillimetresPerInch / 1000;

// The sets the program carries, as their CSV files are written (data/strings).
struct ShippedText {
    const char* name;
    const char* csv;
};
constexpr ShippedText kShipped[] = {
#include "core/stringsets.inc"
};

std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t comma = line.find(',');
        std::string_view field = line.substr(0, comma);
        while (!field.empty() && (field.front() == ' ' || field.front() == '\t'))
            field.remove_prefix(1);
        while (!field.empty() &&
               (field.back() == ' ' || field.back() == '\t' || field.back() == '\r'))
            field.remove_suffix(1);
        fields.push_back(field);
        if (comma == std::string_view::npos) return fields;
        line.remove_prefix(comma + 1);
    }
}

// A small dense system A x = b by elimination with partial pivoting; false when singular.
bool solve(std::vector<std::vector<double>> a, std::vector<double>& b) {
    const std::size_t n = b.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < n; ++r) {
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
        }
        if (!(std::fabs(a[pivot][c]) > 1e-300)) return false;
        std::swap(a[c], a[pivot]);
        std::swap(b[c], b[pivot]);
        for (std::size_t r = c + 1; r < n; ++r) {
            const double f = a[r][c] / a[c][c];
            for (std::size_t k = c; k < n; ++k) a[r][k] -= f * a[c][k];
            b[r] -= f * b[c];
        }
    }
    for (std::size_t c = n; c-- > 0;) {
        for (std::size_t k = c + 1; k < n; ++k) b[c] -= a[c][k] * b[k];
        b[c] /= a[c][c];
    }
    return true;
}

// One string's sum of squared errors as a function of its saddle setback s and nut setback n:
// its gradient and Hessian, and the Gauss-Newton part of the Hessian, by central differences of
// the errors (smooth and nearly linear in both).
struct LocalDerivatives {
    double cost = 0;
    double gradient[2] = {0, 0};
    double hessian[2][2] = {{0, 0}, {0, 0}};
    double gaussNewton[2][2] = {{0, 0}, {0, 0}};
};

constexpr double kStep = 1e-3;  // of the unit: the differences' error is of its square

LocalDerivatives derivatives(const StringSpec& string, const StringGeometry& g, double s, double n,
                             bool nutToo) {
    const double h = kStep;
    const auto at = [&](double ds, double dn) { return centsErrors(string, g, s + ds, n + dn); };
    const std::vector<double> r = at(0, 0), sUp = at(h, 0), sDown = at(-h, 0);
    std::vector<double> nUp, nDown, pp, pm, mp, mm;
    if (nutToo) {
        nUp = at(0, h);
        nDown = at(0, -h);
        pp = at(h, h);
        pm = at(h, -h);
        mp = at(-h, h);
        mm = at(-h, -h);
    }
    LocalDerivatives d;
    for (std::size_t k = 0; k < r.size(); ++k) {
        const double js = (sUp[k] - sDown[k]) / (2 * h);
        const double jn = nutToo ? (nUp[k] - nDown[k]) / (2 * h) : 0;
        const double rss = (sUp[k] - 2 * r[k] + sDown[k]) / (h * h);
        const double rnn = nutToo ? (nUp[k] - 2 * r[k] + nDown[k]) / (h * h) : 0;
        const double rsn = nutToo ? (pp[k] - pm[k] - mp[k] + mm[k]) / (4 * h * h) : 0;
        d.cost += r[k] * r[k];
        d.gradient[0] += 2 * js * r[k];
        d.gradient[1] += 2 * jn * r[k];
        d.gaussNewton[0][0] += 2 * js * js;
        d.gaussNewton[0][1] += 2 * js * jn;
        d.gaussNewton[1][1] += 2 * jn * jn;
        d.hessian[0][0] += 2 * (js * js + r[k] * rss);
        d.hessian[0][1] += 2 * (js * jn + r[k] * rsn);
        d.hessian[1][1] += 2 * (jn * jn + r[k] * rnn);
    }
    d.hessian[1][0] = d.hessian[0][1];
    d.gaussNewton[1][0] = d.gaussNewton[0][1];
    return d;
}

// The setbacks that minimise the sum of every string's squared errors. The parameters: per
// string its s (and n); or, straight, the treble and bass setbacks (each string's s between
// them by its place) and each string's n. Newton's method on the exact gradient and Hessian put
// together from each string's own (the strings do not share errors); a Gauss-Newton step where
// Newton's would not lower the sum (a large setback and the nut are nearly dependent for a
// heavy string, and Gauss-Newton alone settles too slowly there).
struct Setbacks {
    std::vector<double> saddle;
    std::vector<double> nut;
};

Setbacks optimumSetbacks(const std::vector<StringSpec>& strings,
                         const std::vector<StringGeometry>& geometry, bool nutToo, bool straight,
                         const std::vector<double>& places) {
    const std::size_t count = std::min(strings.size(), geometry.size());
    const std::size_t perString = nutToo ? 2 : 1;
    const std::size_t size = straight ? 2 + (nutToo ? count : 0) : count * perString;
    // Each string's s and n from the parameters, and how s moves with them.
    const auto saddleOf = [&](const std::vector<double>& p, std::size_t i) {
        return straight ? p[0] + (p[1] - p[0]) * places[i] : p[i * perString];
    };
    const auto nutIndex = [&](std::size_t i) { return straight ? 2 + i : i * perString + 1; };
    const auto nutOf = [&](const std::vector<double>& p, std::size_t i) {
        return nutToo ? p[nutIndex(i)] : 0.0;
    };
    const auto costOf = [&](const std::vector<double>& p) {
        double sum = 0;
        for (std::size_t i = 0; i < count; ++i) {
            for (const double e : centsErrors(strings[i], geometry[i], saddleOf(p, i), nutOf(p, i)))
                sum += e * e;
        }
        return sum;
    };
    std::vector<double> p(size, 0.0);
    for (int iteration = 0; iteration < 50; ++iteration) {
        std::vector<double> gradient(size, 0.0);
        std::vector<std::vector<double>> hessian(size, std::vector<double>(size, 0.0));
        std::vector<std::vector<double>> gaussNewton = hessian;
        double cost = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const LocalDerivatives d =
                derivatives(strings[i], geometry[i], saddleOf(p, i), nutOf(p, i), nutToo);
            cost += d.cost;
            // The parameters string i's s and n move with, and how much.
            std::vector<std::pair<std::size_t, double>> sWith, nWith;
            if (straight) {
                sWith = {{0, 1 - places[i]}, {1, places[i]}};
            } else {
                sWith = {{i * perString, 1.0}};
            }
            if (nutToo) nWith = {{nutIndex(i), 1.0}};
            const std::vector<std::pair<std::size_t, double>>* with[2] = {&sWith, &nWith};
            for (int a = 0; a < 2; ++a) {
                for (const auto& [j, fj] : *with[a]) {
                    gradient[j] += fj * d.gradient[a];
                    for (int b = 0; b < 2; ++b) {
                        for (const auto& [k, fk] : *with[b]) {
                            hessian[j][k] += fj * fk * d.hessian[a][b];
                            gaussNewton[j][k] += fj * fk * d.gaussNewton[a][b];
                        }
                    }
                }
            }
        }
        std::vector<double> step(size);
        for (std::size_t j = 0; j < size; ++j) step[j] = -gradient[j];
        bool newton = solve(hessian, step);
        if (newton) {
            std::vector<double> trial = p;
            for (std::size_t j = 0; j < size; ++j) trial[j] += step[j];
            newton = costOf(trial) <= cost;
        }
        if (!newton) {
            for (std::size_t j = 0; j < size; ++j) step[j] = -gradient[j];
            if (!solve(gaussNewton, step)) break;
        }
        double largest = 0;
        for (const double d : step) largest = std::max(largest, std::fabs(d));
        if (!std::isfinite(largest)) break;  // the setbacks so far stand
        for (std::size_t j = 0; j < size; ++j) p[j] += step[j];
        if (!(largest > 1e-12)) break;
    }
    Setbacks out;
    for (std::size_t i = 0; i < count; ++i) {
        out.saddle.push_back(saddleOf(p, i));
        out.nut.push_back(nutOf(p, i));
    }
    return out;
}

double rootMeanSquare(const std::vector<double>& values) {
    double sum = 0;
    for (const double v : values) sum += v * v;
    return values.empty() ? 0 : std::sqrt(sum / static_cast<double>(values.size()));
}

double largestBySize(const std::vector<double>& values) {
    double largest = 0;
    for (const double v : values) {
        if (std::fabs(v) > std::fabs(largest)) largest = v;
    }
    return largest;
}

}  // namespace

std::variant<StringSet, Message> parseStringSet(std::string_view text, std::string name) {
    StringSet set{std::move(name), {}};
    std::istringstream lines{std::string(text)};
    std::string line;
    bool header = false;
    double tensionFactor = 1, coreFactor = 1e-3;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        const std::vector<std::string_view> f = fieldsOf(line);
        if ((f.size() == 1 && f[0].empty()) || (!f[0].empty() && f[0].front() == '#')) continue;
        if (!header) {
            const bool newtons = f.size() == 4 && f[1] == "tension_N";
            const bool pounds = f.size() == 4 && f[1] == "tension_lb";
            const bool mm = f.size() == 4 && f[2] == "core_mm";
            const bool in = f.size() == 4 && f[2] == "core_in";
            if (f.size() != 4 || f[0] != "name" || !(newtons || pounds) || !(mm || in) ||
                f[3] != "modulus_GPa")
                return Message(QT_TRANSLATE_NOOP(
                    "varnel::Words",
                    "A string set begins with the line name,tension_N,core_mm,modulus_GPa "
                    "(or tension_lb, core_in)."));
            tensionFactor = pounds ? kNewtonsPerPound : 1;
            coreFactor = in ? kMetresPerInch : 1e-3;
            header = true;
            continue;
        }
        const auto refusal = [lineNumber](const char* wording) {
            return Message(wording, {number(lineNumber)});
        };
        if (f.size() != 4)
            return refusal(QT_TRANSLATE_NOOP(
                "varnel::Words", "Line %1 of the string set does not have four fields."));
        const auto tension = toDouble(f[1]), core = toDouble(f[2]), modulus = toDouble(f[3]);
        const auto positive = [](const std::optional<double>& v) {
            return v && std::isfinite(*v) && *v > 0;
        };
        // In SI units, as the model takes them: a value too large for them is none.
        const auto si = [](const std::optional<double>& v, double factor) {
            return v ? std::optional<double>(*v * factor) : std::nullopt;
        };
        const auto newtons = si(tension, tensionFactor), metres = si(core, coreFactor),
                   pascals = si(modulus, 1e9);
        if (!positive(newtons))
            return refusal(QT_TRANSLATE_NOOP("varnel::Words",
                                             "Line %1 of the string set has no tension above 0."));
        if (!positive(metres))
            return refusal(QT_TRANSLATE_NOOP(
                "varnel::Words", "Line %1 of the string set has no core diameter above 0."));
        if (!positive(pascals))
            return refusal(QT_TRANSLATE_NOOP("varnel::Words",
                                             "Line %1 of the string set has no modulus above 0."));
        set.strings.push_back({std::string(f[0]), *newtons, *metres, *pascals});
    }
    if (!header || set.strings.empty())
        return Message(QT_TRANSLATE_NOOP("varnel::Words", "The string set names no strings."));
    return set;
}

const std::vector<StringSet>& shippedStringSets() {
    static const std::vector<StringSet> sets = [] {
        std::vector<StringSet> out;
        for (const ShippedText& shipped : kShipped) {
            auto parsed = parseStringSet(shipped.csv, shipped.name);
            if (auto* set = std::get_if<StringSet>(&parsed)) out.push_back(std::move(*set));
        }
        return out;
    }();
    return sets;
}

std::variant<StringSet, Message> readStringSetFile(const std::string& path) {
    constexpr std::size_t kMaxBytes = 1 << 20;
    const auto bytes = readFileBytes(path, kMaxBytes);
    if (!bytes)
        return Message(QT_TRANSLATE_NOOP("varnel::Words", "%1 could not be read."),
                       {verbatim(path)});
    if (bytes->size() > kMaxBytes)
        return Message(
            QT_TRANSLATE_NOOP("varnel::Words", "%1 is larger than 1 MiB: no string set."),
            {verbatim(path)});
    auto set = parseStringSet(*bytes, path);
    if (auto* why = std::get_if<Message>(&set))
        return Message(QT_TRANSLATE_NOOP("varnel::Words", "%1: %2"),
                       {verbatim(path), inner(std::move(*why))});
    return set;
}

const StringSet* shippedStringSet(std::string_view name) {
    for (const StringSet& set : shippedStringSets()) {
        if (set.name == name) return &set;
    }
    return nullptr;
}

std::vector<double> centsErrors(const StringSpec& string, const StringGeometry& g, double s,
                                double n) {
    const double m = g.metresPerUnit;
    const double area = std::numbers::pi * string.coreMetres * string.coreMetres / 4;
    const double stretch = string.modulusPascals * area;
    const double bending =
        string.modulusPascals * std::numbers::pi * std::pow(string.coreMetres, 4) / 64;
    // The frequency but for the factor sqrt(1 / mu) / 2, which cancels.
    const auto frequency = [&](double lengthUnits, double tension) {
        const double l = lengthUnits * m;
        const double b = bending / (tension * l * l);
        return std::sqrt(tension) / l *
               (1 + 2 * std::sqrt(b) + (4 + std::numbers::pi * std::numbers::pi / 2) * b);
    };
    const double L = g.length;
    const double saddleHeight = g.actionNut + (g.action12 - g.actionNut) * L / g.octave;
    const double open = std::hypot(L + s - n, saddleHeight - g.actionNut);
    const double openFrequency = frequency(open, string.tensionNewtons);
    std::vector<double> errors;
    errors.reserve(g.frets.size());
    for (std::size_t k = 0; k < g.frets.size(); ++k) {
        const double x = g.frets[k];
        const double speaking = std::hypot(L + s - x, saddleHeight);
        const double behind = std::hypot(x - n, g.actionNut);
        const double tension = string.tensionNewtons + stretch * (behind + speaking - open) / open;
        errors.push_back(1200 * std::log2(frequency(speaking, tension) / openFrequency) -
                         g.fretCents[k]);
    }
    return errors;
}

std::vector<StringIntonation> intonate(const std::vector<StringSpec>& strings,
                                       const std::vector<StringGeometry>& geometry, bool nutToo,
                                       bool straight, const std::vector<double>& places) {
    const std::size_t count = std::min(strings.size(), geometry.size());
    std::vector<StringIntonation> out(count);
    // Strings on their own are solved one by one: the same optimum, in small systems.
    Setbacks best;
    if (straight) {
        best = optimumSetbacks(strings, geometry, nutToo, true, places);
    } else {
        for (std::size_t i = 0; i < count; ++i) {
            const Setbacks one = optimumSetbacks({strings[i]}, {geometry[i]}, nutToo, false, {});
            best.saddle.push_back(one.saddle.front());
            best.nut.push_back(one.nut.front());
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        StringIntonation& s = out[i];
        s.saddle = best.saddle[i];
        s.nut = best.nut[i];
        s.before = centsErrors(strings[i], geometry[i], 0, 0);
        s.rmsBefore = rootMeanSquare(s.before);
        s.maxBefore = largestBySize(s.before);
        s.after = centsErrors(strings[i], geometry[i], s.saddle, s.nut);
        s.rmsAfter = rootMeanSquare(s.after);
        s.maxAfter = largestBySize(s.after);
    }
    return out;
}

}  // namespace varnel
