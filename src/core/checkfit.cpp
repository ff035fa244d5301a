#include "core/checkfit.h"

#include <algorithm>
#include <cmath>

#include "core/designerboard.h"
#include "core/numtext.h"

namespace varnel {

namespace {

// The least-squares line measured = L g + o through the points (g, measured).
ModelFit fit(const std::vector<Measurement>& measured, const FretboardSettings& model,
             Message name) {
    const auto n = static_cast<double>(measured.size());
    double meanG = 0, meanD = 0;
    for (const Measurement& m : measured) {
        meanG += fretFraction(model, m.fret) / n;
        meanD += m.distance / n;
    }
    double covariance = 0, variance = 0;
    for (const Measurement& m : measured) {
        const double g = fretFraction(model, m.fret) - meanG;
        covariance += g * (m.distance - meanD);
        variance += g * g;
    }
    ModelFit result;
    result.name = std::move(name);
    result.factor = model.calcType == kCalcRule18 ? model.calcFact : 0;
    result.scaleLength = covariance / variance;
    result.offset = meanD - result.scaleLength * meanG;
    double squares = 0;
    for (const Measurement& m : measured) {
        const double r =
            m.distance - (result.scaleLength * fretFraction(model, m.fret) + result.offset);
        squares += r * r;
        result.largest = std::max(result.largest, std::fabs(r));
    }
    result.rms = std::sqrt(squares / n);
    return result;
}

}  // namespace

std::variant<InstrumentCheck, Message> checkInstrument(std::vector<Measurement> measured,
                                                       std::optional<double> scaleLength,
                                                       std::optional<double> customFactor,
                                                       Units units) {
    std::stable_sort(measured.begin(), measured.end(),
                     [](const Measurement& a, const Measurement& b) { return a.fret < b.fret; });
    for (std::size_t i = 0; i < measured.size(); ++i) {
        const Measurement& m = measured[i];
        const MessageArg fret = number(m.fret);
        if (m.fret < 1)
            return Message(
                QT_TRANSLATE_NOOP("varnel::Words", "Fret %1: a fret is numbered from 1."), {fret});
        if (!std::isfinite(m.distance) || !(m.distance > 0)) {
            return Message(
                QT_TRANSLATE_NOOP("varnel::Words",
                                  "Fret %1: the distance, %2, must be a positive number."),
                {fret, number(m.distance)});
        }
        if (i > 0 && !(m.distance > measured[i - 1].distance)) {
            return Message(
                QT_TRANSLATE_NOOP("varnel::Words",
                                  "Fret %1 is measured no farther from the nut than fret %2."),
                {fret, number(measured[i - 1].fret)});
        }
        if (i > 0 && m.fret == measured[i - 1].fret)
            return Message(QT_TRANSLATE_NOOP("varnel::Words", "Fret %1 is measured twice."),
                           {fret});
    }
    if (measured.size() < 3)
        return Message(
            QT_TRANSLATE_NOOP("varnel::Words", "Measure at least 3 frets to check an instrument."),
            {});
    if (scaleLength && !(std::isfinite(*scaleLength) && *scaleLength > measured.back().distance)) {
        return Message(QT_TRANSLATE_NOOP(
                           "varnel::Words",
                           "The scale length, %1, must be beyond the last fret, %2 from the nut."),
                       {number(*scaleLength), number(measured.back().distance)});
    }
    InstrumentCheck check;
    check.scaleLength = scaleLength;
    check.units = units;
    FretboardSettings model;
    model.calcType = kCalcTwelfthRoot;
    check.models.push_back(
        fit(measured, model, QT_TRANSLATE_NOOP("varnel::Words", "twelfth root")));
    model.calcType = kCalcRule18;
    std::vector<std::pair<Message, double>> factors = {
        {QT_TRANSLATE_NOOP("varnel::Words", "rule of 18ths, common"), kFactorCommon},
        {QT_TRANSLATE_NOOP("varnel::Words", "rule of 18ths, dervin"), kFactorDervin},
        {QT_TRANSLATE_NOOP("varnel::Words", "rule of 18ths, primitive"), kFactorPrimitive}};
    if (customFactor)
        factors.emplace_back(Message(QT_TRANSLATE_NOOP("varnel::Words", "rule of 18ths, %1"),
                                     {number(*customFactor)}),
                             *customFactor);
    for (const auto& [name, factor] : factors) {
        model.calcFact = factor;
        check.models.push_back(fit(measured, model, name));
    }
    // The best first: a rule of 18ths only when it fits better than the twelfth root by more
    // than a micrometre (the common factor follows the twelfth root to seven digits); the rest
    // by residual.
    std::stable_sort(check.models.begin() + 1, check.models.end(),
                     [](const ModelFit& a, const ModelFit& b) { return a.rms < b.rms; });
    if (check.models[1].rms < check.models[0].rms - 1e-6) {
        std::rotate(check.models.begin(), check.models.begin() + 1, check.models.begin() + 2);
        std::stable_sort(check.models.begin() + 1, check.models.end(),
                         [](const ModelFit& a, const ModelFit& b) { return a.rms < b.rms; });
    }
    const ModelFit& best = check.models.front();
    model.calcType = best.factor > 0 ? kCalcRule18 : kCalcTwelfthRoot;
    model.calcFact = best.factor;
    // The open string: nut to saddle.
    const double length = scaleLength.value_or(best.scaleLength + best.offset);
    for (const Measurement& m : measured) {
        FretCheck row;
        row.fret = m.fret;
        row.measured = m.distance;
        row.best = best.scaleLength * fretFraction(model, m.fret) + best.offset;
        row.residual = m.distance - row.best;
        row.cents = 1200 * std::log2(length / (length - m.distance) / std::exp2(m.fret / 12.0));
        check.frets.push_back(row);
    }
    return check;
}

const char* checkUnit(const InstrumentCheck& check) {
    return unitSymbol(check.units);
}

std::vector<Message> checkFindings(const InstrumentCheck& check) {
    const ModelFit& best = check.models.front();
    // A hundredth of a millimetre, a thousandth of an inch: what a rule and a caliper tell.
    const int decimals = check.units == Units::Inches ? 3 : 2;
    // Where it stands, and the wordings for where the frets want it, farther and nearer.
    const auto said = [&](double off, const char* there, const char* toward, const char* from) {
        const std::string size = formatFixed(std::fabs(off), decimals);
        if (size == formatFixed(0, decimals)) return Message(there, {});
        return Message(off > 0 ? toward : from, {writtenNumber(size + " " + checkUnit(check))});
    };
    // A nut nearer the bridge shortens every distance: its offset is negative.
    std::vector<Message> findings = {said(
        -best.offset, QT_TRANSLATE_NOOP("varnel::Words", "The nut stands where the frets want it."),
        QT_TRANSLATE_NOOP("varnel::Words",
                          "The nut stands %1 toward the bridge from where the frets want it."),
        QT_TRANSLATE_NOOP("varnel::Words",
                          "The nut stands %1 away from the bridge from where the frets want it."))};
    if (check.scaleLength) {
        // Where the frets want the saddle, from the nut as it stands.
        const double wanted = best.scaleLength + best.offset;
        findings.push_back(said(
            wanted - *check.scaleLength,
            QT_TRANSLATE_NOOP("varnel::Words", "The saddle stands where the frets want it."),
            QT_TRANSLATE_NOOP("varnel::Words",
                              "The saddle stands %1 toward the nut from where the frets want it."),
            QT_TRANSLATE_NOOP(
                "varnel::Words",
                "The saddle stands %1 away from the nut from where the frets want it.")));
    }
    return findings;
}

std::optional<double> distanceFromText(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    text = text.substr(start, text.find_last_not_of(' ') - start + 1);
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return toDouble(std::string(text));
    // [whole ]numerator/denominator, each a whole number.
    const std::size_t blank = text.rfind(' ', slash);
    const auto whole = blank == std::string_view::npos
                           ? std::optional<std::int16_t>(0)
                           : toInt16(std::string(text.substr(0, blank)));
    const std::size_t from = blank == std::string_view::npos ? 0 : blank + 1;
    const auto numerator = toInt16(std::string(text.substr(from, slash - from)));
    const auto denominator = toInt16(std::string(text.substr(slash + 1)));
    if (!whole || !numerator || !denominator || *whole < 0 || *numerator < 0 || *denominator <= 0)
        return std::nullopt;
    return *whole + static_cast<double>(*numerator) / *denominator;
}

std::optional<double> customFactor(std::int16_t calcType, double factor) {
    const bool named =
        factor == kFactorCommon || factor == kFactorDervin || factor == kFactorPrimitive;
    return calcType == kCalcRule18 && !named ? std::optional<double>(factor) : std::nullopt;
}

std::variant<std::vector<Measurement>, Message> readMeasurements(std::string_view csv) {
    std::vector<Measurement> out;
    // As spreadsheets save CSV where a comma is the decimal point, semicolons between fields;
    // as they copy cells, tabs. Either way a comma in a field is a decimal comma.
    const bool semicolons = csv.find(';') != std::string_view::npos;
    const bool tabs = !semicolons && csv.find('\t') != std::string_view::npos;
    const char separator = semicolons ? ';' : tabs ? '\t' : ',';
    const auto distanceOf = [separator](std::string text) {
        if (separator != ',') std::replace(text.begin(), text.end(), ',', '.');
        return distanceFromText(text);
    };
    int line = 0;
    int nextFret = 1;
    while (!csv.empty()) {
        const std::size_t end = csv.find('\n');
        std::string row(csv.substr(0, end));
        csv = end == std::string_view::npos ? std::string_view() : csv.substr(end + 1);
        ++line;
        if (!row.empty() && row.back() == '\r') row.pop_back();
        if (row.find_first_not_of(" \t,;") == std::string::npos) continue;
        const std::size_t split = row.find(separator);
        const std::string first = row.substr(0, split);
        const std::string second =
            split == std::string::npos ? std::string() : row.substr(split + 1);
        if (split == std::string::npos) {
            const auto distance = distanceOf(first);
            if (!distance) {
                if (line == 1) continue;  // a header
                return Message(
                    QT_TRANSLATE_NOOP("varnel::Words", "Line %1: \"%2\" is not a distance."),
                    {number(line), verbatim(row)});
            }
            out.push_back({nextFret++, *distance});
            continue;
        }
        const auto fret = toInt16(first);
        if (!fret) {
            if (line == 1) continue;
            return Message(
                QT_TRANSLATE_NOOP("varnel::Words", "Line %1: \"%2\" is not a fret number."),
                {number(line), verbatim(first)});
        }
        nextFret = *fret + 1;
        if (second.find_first_not_of(' ') == std::string::npos) continue;  // not measured
        const auto distance = distanceOf(second);
        if (!distance)
            return Message(QT_TRANSLATE_NOOP("varnel::Words", "Line %1: \"%2\" is not a distance."),
                           {number(line), verbatim(second)});
        out.push_back({*fret, *distance});
    }
    return out;
}

}  // namespace varnel
