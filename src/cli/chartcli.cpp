#include "chartcli.h"

#include <optional>
#include <ostream>

#include "chart.h"
#include "input.h"
#include "numtext.h"

namespace varnel {

namespace {

constexpr const char* kUsage =
    "usage: varnel-chart --frets TEXT [--scale TEXT] [--preset N] [--units in|mm]\n"
    "                    [--precision coarse|fine] [--method root12|rule18]\n"
    "                    [--factor common|dervin|primitive|NUMBER]\n"
    "\n"
    "Prints the fret chart exactly as the chart box of Varnel shows it (CR LF line ends).\n"
    "  --frets TEXT      the fret count, as if typed into \"Number of Frets\"\n"
    "  --scale TEXT      the scale length, as if typed into \"Scale Length\"\n"
    "  --preset N        the scale length preset chosen from the list, 0 to 13\n"
    "                    (a numeric --scale wins over it, as in the box)\n"
    "  --units           in or mm (default mm)\n"
    "  --precision       coarse (1/64 in. or 0.5 mm, default) or fine (0.01 in. or 0.1 mm)\n"
    "  --method          root12 (twelfth root of 2, default) or rule18 (rule of 18ths)\n"
    "  --factor          rule-of-18ths factor: common (default), dervin, primitive or a number\n";

struct UsageError {
    std::string reason;
};

struct ChartRequest {
    FretboardSettings settings;
    std::string fretsText;
    bool haveFrets = false;
    std::string scaleText;
    std::optional<int> preset;
};

std::optional<double> factorByName(const std::string& value) {
    if (value == "common") return kFactorCommon;
    if (value == "dervin") return kFactorDervin;
    if (value == "primitive") return kFactorPrimitive;
    return toDouble(value);
}

ChartRequest parseArguments(const std::vector<std::string>& args) {
    ChartRequest request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError{option + " needs a value"};
            return args[++i];
        };
        auto bad = [&](const std::string& v) {
            return UsageError{"invalid value for " + option + ": '" + v + "'"};
        };
        FretboardSettings& s = request.settings;
        if (option == "--frets") {
            request.fretsText = value();
            request.haveFrets = true;
        } else if (option == "--scale") {
            request.scaleText = value();
        } else if (option == "--preset") {
            const std::string& v = value();
            const auto n = toInt16(v);
            if (!n || *n < 0 || *n >= static_cast<int>(scaleLenPresets.size()) ||
                v.find_first_not_of("0123456789") != std::string::npos) {
                throw bad(v);
            }
            request.preset = *n;
        } else if (option == "--units") {
            const std::string& v = value();
            if (v == "in") {
                s.unitsType = kUnitsInches;
            } else if (v == "mm") {
                s.unitsType = kUnitsMillimetres;
            } else {
                throw bad(v);
            }
        } else if (option == "--precision") {
            const std::string& v = value();
            if (v == "coarse") {
                s.unitsGranularity = kGranularityCoarse;
            } else if (v == "fine") {
                s.unitsGranularity = kGranularityFine;
            } else {
                throw bad(v);
            }
        } else if (option == "--method") {
            const std::string& v = value();
            if (v == "root12") {
                s.calcType = kCalcTwelfthRoot;
            } else if (v == "rule18") {
                s.calcType = kCalcRule18;
            } else {
                throw bad(v);
            }
        } else if (option == "--factor") {
            const std::string& v = value();
            const auto factor = factorByName(v);
            if (!factor) throw bad(v);
            s.calcFact = *factor;
        } else {
            throw UsageError{"unknown option '" + option + "'"};
        }
    }
    if (!request.haveFrets) throw UsageError{"--frets is required"};
    return request;
}

}  // namespace

int runChartCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return kExitOk;
    }
    ChartRequest request;
    try {
        request = parseArguments(args);
    } catch (const UsageError& e) {
        err << "varnel-chart: " << e.reason << "\n" << kUsage;
        return kExitUsage;
    }
    FretboardSettings& s = request.settings;
    s.nFrets = fretCountFromBox(request.fretsText, s.nFrets);
    s.scaleLen = scaleLenFromBox(request.scaleText, request.preset, s.unitsType);
    if (!inputsAreValid(s)) {
        err << kCheckInputsMessage << "\n";
        return kExitRefused;
    }
    out << buildFretChart(s, calcFretPositions(s));
    out.flush();
    return out ? kExitOk : kExitRefused;
}

}  // namespace varnel
