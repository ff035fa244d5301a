#include "model/designermodel.h"

#include <cmath>
#include <system_error>

#include "core/numtext.h"

namespace varnel {

namespace {

const std::string kUnitsKey = "unitsType";

}  // namespace

DesignerModel::DesignerModel(const FretboardSettings& record, DesignerStorage* storage)
    : m_record(record),
      m_storage(storage),
      m_texts(designerTexts(DesignerInputs(), Units::Millimetres)),
      m_units(Units::Millimetres) {
    m_texts.erase(kUnitsKey);  // the defaults are millimetres until reload() converts them
}

const std::string& DesignerModel::text(std::string_view key) const {
    static const std::string none;
    const auto found = m_texts.find(key);
    return found == m_texts.end() ? none : found->second;
}

void DesignerModel::edit(std::string_view key, std::string text) {
    const auto found = m_texts.find(key);
    if (found == m_texts.end() || found->second == text) return;
    found->second = std::move(text);
    recalculate();
}

void DesignerModel::reload() {
    // The stored lengths are in the units they were typed in: those stored with them, else the
    // record's (stored before the units were kept); with nothing stored, the defaults' mm.
    const DesignerTexts stored = m_storage ? m_storage->load() : DesignerTexts();
    Units storedUnits = Units::Millimetres;
    if (!stored.empty()) {
        const auto units = stored.find(kUnitsKey);
        const auto code = units == stored.end() ? std::nullopt : toInt16(units->second);
        storedUnits = unitsOf(code.value_or(m_record.unitsType));
        for (const DesignerInput& input : designerInputs()) {
            std::string& shown = m_texts[std::string(input.key)];
            const auto text = stored.find(input.key);
            if (text == stored.end()) {
                // Stored before the input was there: it keeps its value, in the stored units.
                if (input.kind == InputKind::Length) {
                    const auto value = toDouble(shown);
                    if (value && std::isfinite(*value))
                        shown = convertedLengthText(*value * lengthFactor(m_units, storedUnits));
                }
            } else if (const int index = toInt16(text->second).value_or(-1);
                       input.kind != InputKind::Choice ||
                       (index >= 0 && index < static_cast<int>(input.choices.size()))) {
                shown = text->second;  // a choice's index only when it is one
            }
        }
    }
    m_remembered = stored;
    m_units = storedUnits;
    convertLengths(storedUnits, unitsOf(m_record.unitsType));
    recalculate();
    if (m_listener) m_listener(kTextsChanged);
}

void DesignerModel::followRecord() {
    // Typing a scale length in the main window changes nothing here.
    const Units units = unitsOf(m_record.unitsType);
    if (units == m_units &&
        m_laidOutWith == std::tuple(m_record.nFrets, m_record.calcType, m_record.calcFact))
        return;
    const bool converted = units != m_units;
    convertLengths(m_units, units);
    recalculate();
    if (converted && m_listener) m_listener(kTextsChanged);
}

void DesignerModel::convertLengths(Units from, Units to) {
    m_units = to;
    if (from == to) return;
    for (const std::string_view key : lengthKeys()) {
        std::string& text = m_texts[std::string(key)];
        const auto value = toDouble(text);
        if (value && std::isfinite(*value))
            text = convertedLengthText(*value * lengthFactor(from, to));
    }
}

void DesignerModel::recalculate() {
    m_laidOutWith = {m_record.nFrets, m_record.calcType, m_record.calcFact};
    m_board.reset();
    m_inputs.reset();
    DesignerInputs in;
    DesignerTexts texts = m_texts;
    texts[kUnitsKey] = std::to_string(unitsCode(m_units));
    const std::vector<std::string> unreadable = readDesignerTexts(
        texts, m_units, in, [this](const std::string& path) { return readScala(path); });
    if (!unreadable.empty()) {
        m_status = unreadableMessage(*designerInput(unreadable.front()), in);
    } else if (const auto refusal = designerRefusal(in, m_record)) {
        m_status = *refusal;
    } else if (m_record.nFrets < 1) {
        m_status = "Type the number of frets in the main window.";
    } else {
        m_board = layOutBoard(in, m_record);
        m_status = std::to_string(m_board->table.size()) + " frets, " +
                   (m_units == Units::Inches ? "inches." : "millimetres.") +
                   (in.tuning.note.empty() ? "" : " " + in.tuning.note);
        m_inputs = std::move(in);
    }
    if (m_board) remember();
    if (m_listener) m_listener(kBoardChanged);
}

void DesignerModel::remember() {
    if (!m_storage) return;
    // Only what changed since the storage was last read or written: one write a keystroke.
    DesignerTexts now = m_texts;
    now[kUnitsKey] = std::to_string(unitsCode(m_units));
    DesignerTexts changed;
    for (const auto& [key, text] : now) {
        const auto known = m_remembered.find(key);
        if (known == m_remembered.end() || known->second != text) changed[key] = text;
    }
    if (changed.empty()) return;
    // What could not be written is tried again at the next change; an unwritable store is said
    // once until a write succeeds, not at every keystroke.
    if (const auto failure = m_storage->save(changed)) {
        m_remembered = m_storage->load();
        if (!m_saidStoreFailure) m_storeFailure = "The settings could not be saved: " + *failure;
        m_saidStoreFailure = true;
    } else {
        m_remembered = std::move(now);
        m_saidStoreFailure = false;
    }
}

ScalaFile DesignerModel::readScala(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    const auto time =
        error ? std::filesystem::file_time_type() : std::filesystem::last_write_time(path, error);
    if (!error && m_scala && m_scala->path == path && m_scala->size == size &&
        m_scala->time == time)
        return m_scala->file;
    ScalaFile file = readScalaFile(path);
    if (!error) {
        m_scala = ScalaCache{path, size, time, file};
    } else {
        m_scala.reset();
    }
    return file;
}

}  // namespace varnel
