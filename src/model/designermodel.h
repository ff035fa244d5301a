#pragma once
// The Fretboard Designer's state below the toolkit: the inputs as typed (texts by key, lengths in
// its own units), the board they lay out or why they lay out none, computed once per change.
// It has its own fret count and units, takes the main window's when they change there, follows
// its method and factor, and remembers accepted inputs in its storage. A length it converted is
// shown to the precision that matters (hundredths of a millimetre, thousandths of an inch) while
// its exact value is laid out and remembered. The window only shows it and forwards edits.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "core/designerboard.h"
#include "core/fretboard.h"
#include "model/designerstorage.h"

namespace varnel {

class DesignerModel {
  public:
    // What changed, for the listener: the texts (the model converted or reloaded them), the
    // board and the status line.
    static constexpr unsigned kTextsChanged = 1;
    static constexpr unsigned kBoardChanged = 2;

    // record: the main window's. storage: none, nothing is remembered.
    DesignerModel(const FretboardSettings& record, DesignerStorage* storage);

    void setListener(std::function<void(unsigned changes)> listener) {
        m_listener = std::move(listener);
    }

    // The inputs' texts by key, lengths in units().
    const DesignerTexts& texts() const { return m_texts; }
    const std::string& text(std::string_view key) const;
    Units units() const { return m_units; }

    // An input's text changed (a check box's "1" or "0", a choice's index).
    void edit(std::string_view key, std::string text);
    // The designer's units: the lengths are converted into them.
    void setUnits(Units units);
    // The storage's inputs: at the start, and after a configuration is retrieved into it.
    void reload();
    // The record changed: new frets and units there become the designer's, its method and
    // factor lay the board out again.
    void followRecord();

    // The inputs as read, and the board they lay out (none when refused).
    const std::optional<DesignerInputs>& inputs() const { return m_inputs; }
    const std::optional<DesignerBoard>& board() const { return m_board; }
    // The status line: the board's frets and units (and a missing Scala file), or why there is
    // no board, naming the input.
    const Message& status() const { return m_status; }
    // What lies under a point of the board's drawing, for the status line: where it is along
    // the midline (from the nut) and across, the nearest fret on the nearest string, its
    // distance from the nut along that string and its slot's width; empty without a board.
    Message describePoint(const Point& p) const;
    // Why the inputs could not be remembered, once until a write succeeds; then none.
    std::optional<Message> takeStoreFailure() { return std::exchange(m_storeFailure, {}); }

  private:
    void recalculate();
    void remember();
    void convertLengths(Units from, Units to);
    // Shows a length to the precision that matters, keeping its exact value behind the text.
    void showLength(const std::string& key, double exact);
    // The texts as laid out and remembered: each length shown rounded, at its exact value.
    DesignerTexts exactTexts() const;
    // The record the board is laid out with: the main window's, with the designer's frets and
    // units.
    FretboardSettings boardRecord(const DesignerInputs& in) const;
    // A file read once for as long as its path, size and time stay the same: the Scala file and
    // the string set the inputs name.
    template <typename Read>
    struct FileCache {
        std::string path;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type time;
        Read value;
    };
    template <typename Read>
    static Read readOnce(std::optional<FileCache<Read>>& cache, const std::string& path,
                         Read (*read)(const std::string&));

    const FretboardSettings& m_record;
    DesignerStorage* m_storage;
    std::function<void(unsigned)> m_listener;
    DesignerTexts m_texts;
    Units m_units;
    std::optional<DesignerInputs> m_inputs;
    std::optional<DesignerBoard> m_board;
    Message m_status;
    std::pair<std::int16_t, double> m_laidOutWith{};  // the method and factor
    // The record's frets and units as last seen: a change there is taken here.
    std::int16_t m_recordFrets = 0;
    Units m_recordUnits = Units::Millimetres;
    // The exact value behind a rounded length, with the text it was shown as.
    std::map<std::string, std::pair<std::string, double>, std::less<>> m_exact;
    DesignerTexts m_remembered;  // what the storage holds, as last read or written
    std::optional<Message> m_storeFailure;
    bool m_saidStoreFailure = false;
    std::optional<FileCache<ScalaFile>> m_scala;
    std::optional<FileCache<std::variant<StringSet, Message>>> m_stringSet;
};

}  // namespace varnel
