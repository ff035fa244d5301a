#pragma once
// The main window's state and commands, without widgets: the settings record, what the two
// input boxes hold, the chart, and what every button and menu item does to them. The window
// shows what this holds and passes every user action here; listeners hear what changed.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/fretboard.h"
#include "model/configtarget.h"
#include "model/messagebox.h"
#include "model/preferencestorage.h"

namespace varnel {

// The three rule-of-18ths factors the menu offers.
enum class Factor { Common, Dervin, Primitive };

// The factor's value, stored into calcFact exactly as this decimal.
double factorValue(Factor factor);

class WindowModel : public ConfigTarget {
  public:
    // What a change touched, as bits: the listener redraws only these.
    enum Change : unsigned {
        kChoicesChanged = 1,  // units, precision, method, factor and the captions that follow
        kInputsChanged = 2,   // the two input boxes' text and list position
        kChartChanged = 4,    // the chart text
    };
    using Listener = std::function<void(unsigned changes)>;

    explicit WindowModel(MessageBox& messages);

    void setListener(Listener listener) { m_listener = std::move(listener); }

    // Start-up: millimetres, coarse, the twelfth root, then the factor and print settings from
    // storage. The inputs and the chart start empty.
    void start(PreferenceStorage& preferences);

    const FretboardSettings& settings() const { return m_settings; }
    // The record, for the print options dialog, which edits its print settings in place.
    FretboardSettings& printSettings() { return m_settings; }
    const FretPositions& positions() const { return m_positions; }
    const std::string& chart() const { return m_chart; }

    // What the controls show.
    const std::string& fretCountText() const { return m_fretCountText; }
    const std::string& scaleLenText() const { return m_scaleLenText; }
    int scaleLenListIndex() const { return m_scaleLenListIndex; }  // -1 for typed text
    bool inches() const { return m_settings.unitsType == kUnitsInches; }
    bool coarse() const { return m_settings.unitsGranularity == kGranularityCoarse; }
    bool ruleOf18ths() const { return m_settings.calcType == kCalcRule18; }
    // The factor whose menu item carries the check mark: the one in use, none with the twelfth
    // root or a stored factor that is none of the three.
    std::optional<Factor> checkedFactor() const;
    // Captions of the precision option buttons and menu items, which follow the units.
    std::string_view coarseCaption() const;
    std::string_view fineCaption() const;
    std::string_view coarseMenuCaption() const;
    std::string_view fineMenuCaption() const;

    // The fret-count box changed: the count follows every edit.
    void editFretCount(std::string_view text);
    // Text typed into the scale-length box; taken at the next takeScaleLen.
    void editScaleLen(std::string_view text);
    // A preset chosen from the scale-length list; taken at the next takeScaleLen.
    void choosePreset(int index);
    // The scale-length box's validation: the scale length from its text or chosen preset.
    void takeScaleLen();
    // Takes the box when it changed since it was last taken. Every command that reads the
    // record does this first, so no command uses a stale scale length, whichever window or
    // menu it came from.
    void takeChangedScaleLen();

    // "Verify": the fret count and scale length as taken.
    void verify();
    // "Display Chart": the chart, or the message when the inputs are refused.
    void displayChart();
    // The opening of every document: the positions, or null after the message when the
    // inputs are refused.
    const FretPositions* calculate();

    void chooseUnits(std::int16_t unitsType);
    void chooseGranularity(std::int16_t granularity);
    void chooseTwelfthRoot();
    void chooseFactor(Factor factor);
    // "Rule of 18ths" on the window always means the Common factor.
    void chooseRuleOf18ths() { chooseFactor(Factor::Common); }
    void explainMethods();

    void savePreferences(PreferenceStorage& preferences);
    void reloadPreferences(PreferenceStorage& preferences);

    // ConfigTarget
    const FretboardSettings& configurationToSave() override;
    void retrieveFretCount(std::int16_t frets) override;
    void retrieveScaleLen(double scaleLen) override;
    void retrieveGranularity(std::int16_t granularity) override;
    void retrieveUnits(std::int16_t unitsType) override;

  private:
    void changed(unsigned changes);

    MessageBox& m_messages;
    Listener m_listener;
    FretboardSettings m_settings;
    FretPositions m_positions;
    std::string m_chart;
    std::string m_fretCountText;
    std::string m_scaleLenText;
    int m_scaleLenListIndex = -1;
    bool m_scaleLenChanged = false;
};

// The "Explain" message.
extern const std::string_view kExplainText;

}  // namespace varnel
