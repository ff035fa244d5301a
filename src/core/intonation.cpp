#include "core/intonation.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <sstream>

#include "core/numtext.h"
#include "core/tuning.h"

namespace varnel {

namespace {

constexpr double kNewtonsPerPound = 4.4482216152605;
constexpr double kMetresPerInch = 0.0254;

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

using Residuals = std::function<std::vector<double>(const std::vector<double>&)>;

// Half the gradient of the sum of the residuals' squares (J^T r), and the residuals' Jacobian
// J, by central differences.
constexpr double kStep = 1e-4;  // of the unit: the differences' error is of its square

std::vector<double> halfGradient(const Residuals& residuals, const std::vector<double>& p,
                                 std::vector<std::vector<double>>* jacobianOut = nullptr) {
    const std::vector<double> r = residuals(p);
    std::vector<double> g(p.size());
    for (std::size_t j = 0; j < p.size(); ++j) {
        std::vector<double> up = p, down = p;
        up[j] += kStep;
        down[j] -= kStep;
        const std::vector<double> a = residuals(up), b = residuals(down);
        std::vector<double> column(r.size());
        for (std::size_t i = 0; i < r.size(); ++i) {
            column[i] = (a[i] - b[i]) / (2 * kStep);
            g[j] += column[i] * r[i];
        }
        if (jacobianOut) jacobianOut->push_back(std::move(column));
    }
    return g;
}

double sumOfSquares(const Residuals& residuals, const std::vector<double>& p) {
    double sum = 0;
    for (const double r : residuals(p)) sum += r * r;
    return sum;
}

// The parameters that minimise the sum of the residuals' squares, from a start: Newton's method
// on the gradient, its Hessian by differences of the gradient (quadratic convergence: a large
// setback and the nut together are too nearly dependent for Gauss-Newton to settle quickly);
// a Gauss-Newton step where Newton's would not lower the sum.
std::vector<double> leastSquares(const Residuals& residuals, std::vector<double> p) {
    for (int iteration = 0; iteration < 50; ++iteration) {
        std::vector<std::vector<double>> jacobian;
        const std::vector<double> g = halfGradient(residuals, p, &jacobian);
        std::vector<std::vector<double>> hessian(p.size(), std::vector<double>(p.size()));
        for (std::size_t k = 0; k < p.size(); ++k) {
            std::vector<double> up = p, down = p;
            up[k] += kStep;
            down[k] -= kStep;
            const std::vector<double> a = halfGradient(residuals, up);
            const std::vector<double> b = halfGradient(residuals, down);
            for (std::size_t j = 0; j < p.size(); ++j) hessian[j][k] = (a[j] - b[j]) / (2 * kStep);
        }
        std::vector<double> step(g.size());
        for (std::size_t j = 0; j < g.size(); ++j) step[j] = -g[j];
        std::vector<double> trial = p;
        bool newton = solve(hessian, step);
        if (newton) {
            for (std::size_t j = 0; j < p.size(); ++j) trial[j] += step[j];
            newton = sumOfSquares(residuals, trial) <= sumOfSquares(residuals, p);
        }
        if (!newton) {
            std::vector<std::vector<double>> normal(p.size(), std::vector<double>(p.size()));
            for (std::size_t j = 0; j < p.size(); ++j) {
                for (std::size_t k = 0; k < p.size(); ++k) {
                    for (std::size_t i = 0; i < jacobian[j].size(); ++i)
                        normal[j][k] += jacobian[j][i] * jacobian[k][i];
                }
                step[j] = -g[j];
            }
            if (!solve(normal, step)) return p;
        }
        double largest = 0;
        for (std::size_t j = 0; j < p.size(); ++j) {
            p[j] += step[j];
            largest = std::max(largest, std::fabs(step[j]));
        }
        if (!(largest > 1e-12)) break;  // also when a step is not a number
    }
    return p;
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

std::variant<StringSet, std::string> parseStringSet(std::string_view text, std::string name) {
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
                return std::string(
                    "A string set begins with the line name,tension_N,core_mm,modulus_GPa "
                    "(or tension_lb, core_in).");
            tensionFactor = pounds ? kNewtonsPerPound : 1;
            coreFactor = in ? kMetresPerInch : 1e-3;
            header = true;
            continue;
        }
        const std::string where = "Line " + std::to_string(lineNumber) + " of the string set";
        if (f.size() != 4) return where + " does not have four fields.";
        const auto tension = toDouble(f[1]), core = toDouble(f[2]), modulus = toDouble(f[3]);
        const auto positive = [](const std::optional<double>& v) {
            return v && std::isfinite(*v) && *v > 0;
        };
        if (!positive(tension)) return where + " has no tension above 0.";
        if (!positive(core)) return where + " has no core diameter above 0.";
        if (!positive(modulus)) return where + " has no modulus above 0.";
        set.strings.push_back(
            {std::string(f[0]), *tension * tensionFactor, *core * coreFactor, *modulus * 1e9});
    }
    if (!header || set.strings.empty()) return std::string("The string set names no strings.");
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

std::variant<StringSet, std::string> readStringSetFile(const std::string& path) {
    constexpr std::size_t kMaxBytes = 1 << 20;
    const auto bytes = readFileBytes(path, kMaxBytes);
    if (!bytes) return path + " could not be read.";
    if (bytes->size() > kMaxBytes) return path + " is larger than 1 MiB: no string set.";
    auto set = parseStringSet(*bytes, path);
    if (auto* why = std::get_if<std::string>(&set)) return path + ": " + *why;
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
    for (std::size_t i = 0; i < count; ++i) {
        out[i].before = centsErrors(strings[i], geometry[i], 0, 0);
        out[i].rmsBefore = rootMeanSquare(out[i].before);
        out[i].maxBefore = largestBySize(out[i].before);
    }
    if (straight) {
        // The treble and bass setbacks, then each string's nut.
        const Residuals all = [&](const std::vector<double>& p) {
            std::vector<double> r;
            for (std::size_t i = 0; i < count; ++i) {
                const double s = p[0] + (p[1] - p[0]) * places[i];
                const std::vector<double> e =
                    centsErrors(strings[i], geometry[i], s, nutToo ? p[2 + i] : 0);
                r.insert(r.end(), e.begin(), e.end());
            }
            return r;
        };
        const std::vector<double> p =
            leastSquares(all, std::vector<double>(nutToo ? 2 + count : 2));
        for (std::size_t i = 0; i < count; ++i) {
            out[i].saddle = p[0] + (p[1] - p[0]) * places[i];
            out[i].nut = nutToo ? p[2 + i] : 0;
        }
    } else {
        for (std::size_t i = 0; i < count; ++i) {
            const Residuals one = [&](const std::vector<double>& p) {
                return centsErrors(strings[i], geometry[i], p[0], nutToo ? p[1] : 0);
            };
            const std::vector<double> p = leastSquares(one, std::vector<double>(nutToo ? 2 : 1));
            out[i].saddle = p[0];
            out[i].nut = nutToo ? p[1] : 0;
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        out[i].after = centsErrors(strings[i], geometry[i], out[i].saddle, out[i].nut);
        out[i].rmsAfter = rootMeanSquare(out[i].after);
        out[i].maxAfter = largestBySize(out[i].after);
    }
    return out;
}

}  // namespace varnel
