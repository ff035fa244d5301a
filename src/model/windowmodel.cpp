#include "model/windowmodel.h"

#include <array>

#include "core/chart.h"
#include "core/input.h"
#include "core/numtext.h"
#include "core/translatable.h"

namespace varnel {

const std::string_view kExplainText = QT_TRANSLATE_NOOP(
    "varnel::Words",
    "Two methods are available for fret spacing calculation:\r\n"
    "The first is non-cumulative and uses the 12th root of 2 formula\r\n"
    "The second is called the rule of 18ths and is a cumulative method\r\n"
    "which may be slightly less accurate under certain conditions, due\r\n"
    "rounding errors.  The use of double precision floating point\r\n"
    "arithmetic for the calculations all but eliminates these errors\r\n"
    "\r\n"
    "For the rule of 18ths, three calculation factors are available.\r\n"
    "Common = 1/17.817  Recommended by most authors.\r\n"
    "\r\n"
    "Dervin = 1/17.835  From Aldric Dervin, Making Musical Instruments, Pg 34.\r\n"
    "May be erroneous.  Yields slightly shorter fret spacing.\r\n"
    "\r\n"
    "Primitive = 1/18\r\n"
    "Inaccurate value that may have been used by craftsmen in the past\r\n"
    "due to ease of calculation.  Not recommended. ");

namespace {

constexpr std::array<Factor, 3> kFactors = {Factor::Common, Factor::Dervin, Factor::Primitive};

}  // namespace

double factorValue(Factor factor) {
    switch (factor) {
        case Factor::Dervin:
            return kFactorDervin;
        case Factor::Primitive:
            return kFactorPrimitive;
        case Factor::Common:
            break;
    }
    return kFactorCommon;
}

WindowModel::WindowModel(MessageBox& messages) : m_messages(messages) {}

void WindowModel::changed(unsigned changes) {
    if (m_listener) m_listener(changes);
}

void WindowModel::start(PreferenceStorage& preferences) {
    m_settings.unitsGranularity = kGranularityCoarse;
    m_settings.unitsType = kUnitsMillimetres;
    m_settings.calcType = kCalcTwelfthRoot;
    preferences.readAtStartup(m_settings);
    changed(kChoicesChanged | kInputsChanged | kChartChanged);
}

std::optional<Factor> WindowModel::checkedFactor() const {
    if (!ruleOf18ths()) return std::nullopt;
    for (const Factor f : kFactors) {
        if (m_settings.calcFact == factorValue(f)) return f;
    }
    return std::nullopt;
}

std::string_view WindowModel::coarseCaption() const {
    return inches() ? QT_TRANSLATE_NOOP("varnel::Words", "1/64th In.")
                    : QT_TRANSLATE_NOOP("varnel::Words", "0.5 mm");
}
std::string_view WindowModel::fineCaption() const {
    return inches() ? QT_TRANSLATE_NOOP("varnel::Words", "0.01 In.")
                    : QT_TRANSLATE_NOOP("varnel::Words", "0.1 mm");
}
std::string_view WindowModel::coarseMenuCaption() const {
    return inches() ? QT_TRANSLATE_NOOP("varnel::Words", "&Sixty Fourth")
                    : QT_TRANSLATE_NOOP("varnel::Words", "&Half");
}
std::string_view WindowModel::fineMenuCaption() const {
    return inches() ? QT_TRANSLATE_NOOP("varnel::Words", "One &Hundredth")
                    : QT_TRANSLATE_NOOP("varnel::Words", "&Tenth");
}

// ---- Inputs --------------------------------------------------------------------------------

void WindowModel::editFretCount(std::string_view text) {
    m_fretCountText = text;
    m_settings.nFrets = fretCountFromBox(text, m_settings.nFrets);
    changed(kInputsChanged);
}

void WindowModel::editScaleLen(std::string_view text) {
    m_scaleLenText = text;
    m_scaleLenListIndex = -1;
    m_scaleLenChanged = true;
    changed(kInputsChanged);
}

void WindowModel::choosePreset(int index) {
    if (index < 0 || index >= static_cast<int>(scaleLenPresets.size())) return;
    m_scaleLenText = scaleLenPresets[static_cast<std::size_t>(index)].text;
    m_scaleLenListIndex = index;
    m_scaleLenChanged = true;
    changed(kInputsChanged);
}

void WindowModel::takeScaleLen() {
    const std::optional<int> index =
        m_scaleLenListIndex >= 0 ? std::optional<int>(m_scaleLenListIndex) : std::nullopt;
    m_settings.scaleLen = scaleLenFromBox(m_scaleLenText, index, m_settings.unitsType);
    m_scaleLenChanged = false;
}

void WindowModel::takeChangedScaleLen() {
    if (m_scaleLenChanged) takeScaleLen();
}

// ---- Commands ------------------------------------------------------------------------------

void WindowModel::verify() {
    takeChangedScaleLen();
    m_messages.say(verifyMessage(m_settings));
}

const FretPositions* WindowModel::calculate() {
    takeChangedScaleLen();
    if (!inputsAreValid(m_settings)) {
        m_messages.say(Message(kCheckInputsMessage, {}));
        return nullptr;
    }
    m_positions = calcFretPositions(m_settings);
    return &m_positions;
}

void WindowModel::displayChart() {
    if (!calculate()) return;
    m_chart = buildFretChart(m_settings, m_positions);
    changed(kChartChanged);
}

void WindowModel::chooseUnits(std::int16_t unitsType) {
    m_settings.unitsType = unitsTypeFrom(unitsType);
    // A chosen preset is re-read in the new units; a typed number stays the same number.
    takeScaleLen();
    changed(kChoicesChanged);
}

void WindowModel::chooseGranularity(std::int16_t granularity) {
    m_settings.unitsGranularity = granularityFrom(granularity);
    changed(kChoicesChanged);
}

void WindowModel::chooseTwelfthRoot() {
    m_settings.calcType = kCalcTwelfthRoot;  // the factor is kept for the next rule of 18ths
    changed(kChoicesChanged);
}

void WindowModel::chooseFactor(Factor factor) {
    m_settings.calcFact = factorValue(factor);
    m_settings.calcType = kCalcRule18;
    changed(kChoicesChanged);
}

void WindowModel::explainMethods() {
    m_messages.say(Message(kExplainText, {}));
}

void WindowModel::savePreferences(PreferenceStorage& preferences) {
    preferences.save(m_settings);
}

void WindowModel::reloadPreferences(PreferenceStorage& preferences) {
    preferences.reload(m_settings);
    // The method stays; a reloaded factor moves the check mark to the factor now in use.
    changed(kChoicesChanged);
}

// ---- Configurations ------------------------------------------------------------------------

const FretboardSettings& WindowModel::configurationToSave() {
    takeChangedScaleLen();
    return m_settings;
}

void WindowModel::retrieveFretCount(std::int16_t frets) {
    m_settings.nFrets = frets;
    editFretCount(formatInteger(frets));
}

void WindowModel::retrieveScaleLen(double scaleLen) {
    m_settings.scaleLen = scaleLen;
    editScaleLen(formatGeneral(scaleLen));
}

void WindowModel::retrieveGranularity(std::int16_t granularity) {
    chooseGranularity(granularity);
}

void WindowModel::retrieveUnits(std::int16_t unitsType) {
    chooseUnits(unitsType);
}

}  // namespace varnel
