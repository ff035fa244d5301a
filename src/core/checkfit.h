#pragma once
// Checking an instrument: measured fret positions in; for each model (the twelfth root, the
// rule of 18ths with each of its factors), the scale length and nut offset that fit them best
// by least squares, and how far off each fret is, in length and in cents.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/fretboard.h"
#include "core/message.h"

namespace varnel {

// A fret and its distance from the nut's playing edge to its centre.
struct Measurement {
    int fret = 0;
    double distance = 0;
};

// A model's best fit: measured = scaleLength * g(fret) + offset, g the model's fraction of the
// string at the fret; so a nut that stands d nearer the bridge than it should gives an offset
// of -d. The residuals' root mean square and the largest in size.
struct ModelFit {
    Message name;
    double factor = 0;  // the rule of 18ths' factor; 0 for the twelfth root
    double scaleLength = 0;
    double offset = 0;
    double rms = 0;
    double largest = 0;
};

// Against the best model: the measured and the fitted distance, their difference, and the fret's
// intonation error in cents, 1200 log2((L / (L - d)) / 2^(j/12)) for fret j measured at d with
// the scale length L (the given one, else the best fit's); positive is sharp.
struct FretCheck {
    int fret = 0;
    double measured = 0;
    double best = 0;
    double residual = 0;
    double cents = 0;
};

struct InstrumentCheck {
    std::vector<ModelFit> models;  // the best first (the twelfth root unless a rule of 18ths
                                   // fits better by more than a micrometre), then by residual
    std::vector<FretCheck> frets;
    std::optional<double> scaleLength;  // as given
    Units units = Units::Millimetres;   // the unit every length was measured in
};

// The check, or why there is none, naming the fret at fault: fewer than 3 measured frets, a
// distance that is not a positive number, a fret no farther from the nut than the one before,
// a scale length not beyond the last fret. A custom factor adds its model. Without a given
// scale length the saddle is taken to stand at the best fit's scale length from where the frets
// put the nut, so the open string is that length plus the nut offset: a nut that stands off
// shows as the same few cents at every fret, not as a drift.
std::variant<InstrumentCheck, Message> checkInstrument(std::vector<Measurement> measured,
                                                       std::optional<double> scaleLength,
                                                       std::optional<double> customFactor = {},
                                                       Units units = Units::Millimetres);

// What the best fit says of the nut, and with a given scale length of the saddle, in words:
// "The nut stands 0.39 mm toward the bridge from where the frets want it."
std::vector<Message> checkFindings(const InstrumentCheck& check);

// "mm" or "in": the unit a check's lengths are in.
const char* checkUnit(const InstrumentCheck& check);

// A measured distance as typed: a decimal ("41.275"), or inches with a fraction as a chart
// shows them ("1 27/64", "27/64"); none for anything else.
std::optional<double> distanceFromText(std::string_view text);

// The record's rule-of-18ths factor when it is none of the three named ones: the custom model.
std::optional<double> customFactor(std::int16_t calcType, double factor);

// Measurements from CSV text: rows "fret,distance" or a distance alone (numbered from 1 in
// order), a header line allowed; a blank distance skips its fret. A text with a semicolon has
// them between its fields (else one with a tab, tabs) and may write a decimal comma. Or why
// not, naming the line.
std::variant<std::vector<Measurement>, Message> readMeasurements(std::string_view csv);

}  // namespace varnel
