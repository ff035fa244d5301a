#include "model/designermodel.h"

#include <cmath>
#include <system_error>

#include "core/numtext.h"
#include "model/messagebox.h"

namespace varnel {

namespace {

const std::string kUnitsKey = "unitsType";

// The decimals a length is shown to: hundredths of a millimetre, thousandths of an inch.
int decimals(Units units) {
    return units == Units::Inches ? 3 : 2;
}

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
    if (const auto exact = m_exact.find(key); exact != m_exact.end())
        m_exact.erase(exact);  // typed anew
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
    m_exact.clear();
    for (const std::string_view key : lengthKeys()) {
        const std::string& text = m_texts[std::string(key)];
        const auto value = toDouble(text);
        if (value && std::isfinite(*value) && text.find('.') != std::string::npos &&
            text.size() - text.find('.') - 1 > static_cast<std::size_t>(decimals(m_units)))
            showLength(std::string(key), *value);
    }
    // The main window's fret count and units, when it has them, are the designer's.
    m_recordFrets = m_record.nFrets;
    m_recordUnits = unitsOf(m_record.unitsType);
    if (m_record.nFrets >= 1) m_texts["txtFrets"] = std::to_string(m_record.nFrets);
    convertLengths(storedUnits, m_recordUnits);
    recalculate();
    if (m_listener) m_listener(kTextsChanged);
}

void DesignerModel::followRecord() {
    // Typing a scale length in the main window changes nothing here.
    bool textsChanged = false;
    const Units units = unitsOf(m_record.unitsType);
    if (units != m_recordUnits) {
        m_recordUnits = units;
        textsChanged = units != m_units;
        convertLengths(m_units, units);
    }
    if (m_record.nFrets != m_recordFrets) {
        m_recordFrets = m_record.nFrets;
        const std::string frets = std::to_string(m_record.nFrets);
        if (m_record.nFrets >= 1 && m_texts["txtFrets"] != frets) {
            m_texts["txtFrets"] = frets;
            textsChanged = true;
        }
    }
    if (!textsChanged && m_laidOutWith == std::pair(m_record.calcType, m_record.calcFact)) return;
    recalculate();
    if (textsChanged && m_listener) m_listener(kTextsChanged);
}

void DesignerModel::setUnits(Units units) {
    if (units == m_units) return;
    convertLengths(m_units, units);
    recalculate();
    if (m_listener) m_listener(kTextsChanged);
}

void DesignerModel::convertLengths(Units from, Units to) {
    if (from == to) {
        m_units = to;
        return;
    }
    const DesignerTexts exact = exactTexts();
    m_units = to;
    for (const std::string_view key : lengthKeys()) {
        const auto value = toDouble(exact.at(std::string(key)));
        if (value && std::isfinite(*value))
            showLength(std::string(key), *value * lengthFactor(from, to));
    }
}

void DesignerModel::showLength(const std::string& key, double exact) {
    std::string text = formatFixed(exact, decimals(m_units));
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    m_texts[key] = text;
    if (toDouble(text) == exact) {
        m_exact.erase(key);
    } else {
        m_exact[key] = {text, exact};
    }
}

DesignerTexts DesignerModel::exactTexts() const {
    DesignerTexts texts = m_texts;
    for (const auto& [key, shown] : m_exact) {
        std::string& text = texts[key];
        if (text == shown.first) text = formatShortest(shown.second);
    }
    return texts;
}

FretboardSettings DesignerModel::boardRecord(const DesignerInputs& in) const {
    FretboardSettings record = m_record;
    record.nFrets = static_cast<std::int16_t>(in.frets);
    record.unitsType = unitsCode(m_units);
    return record;
}

void DesignerModel::recalculate() {
    m_laidOutWith = {m_record.calcType, m_record.calcFact};
    m_board.reset();
    m_inputs.reset();
    DesignerInputs in;
    DesignerTexts texts = exactTexts();
    texts[kUnitsKey] = std::to_string(unitsCode(m_units));
    const std::vector<std::string> unreadable = readDesignerTexts(
        texts, m_units, in,
        [this](const std::string& path) { return readOnce(m_scala, path, &readScalaFile); },
        [this](const std::string& path) {
            return readOnce(m_stringSet, path, &readStringSetFile);
        });
    const FretboardSettings record = boardRecord(in);
    if (!unreadable.empty()) {
        m_status = unreadableMessage(*designerInput(unreadable.front()), in);
    } else if (const auto refusal = designerRefusal(in, record)) {
        m_status = *refusal;
    } else {
        m_board = layOutBoard(in, record);
        const MessageArg frets = number(m_board->table.size());
        const bool inches = m_units == Units::Inches;
        if (in.tuning.note.empty()) {
            m_status =
                Message(inches ? QT_TRANSLATE_NOOP("varnel::Words", "%1 frets, inches.")
                               : QT_TRANSLATE_NOOP("varnel::Words", "%1 frets, millimetres."),
                        {frets});
        } else {
            m_status =
                Message(inches ? QT_TRANSLATE_NOOP("varnel::Words", "%1 frets, inches. %2")
                               : QT_TRANSLATE_NOOP("varnel::Words", "%1 frets, millimetres. %2"),
                        {frets, inner(in.tuning.note)});
        }
        m_inputs = std::move(in);
    }
    if (m_board) remember();
    if (m_listener) m_listener(kBoardChanged);
}

Message DesignerModel::describePoint(const Point& p) const {
    if (!m_board || !m_inputs) return {};
    const DesignerBoard& board = *m_board;
    const auto length = [this](double value) {
        return writtenNumber(formatFixed(value, decimals(m_units)) + " " + unitSymbol(m_units));
    };
    // The nearest fret (or partial fret's piece) and string.
    std::size_t fret = 0;
    double nearest = 1e300;
    for (std::size_t j = 0; j < board.frets.size(); ++j) {
        const std::vector<Segment> pieces =
            board.fretPieces.empty() ? std::vector<Segment>{board.frets[j]} : board.fretPieces[j];
        for (const Segment& piece : pieces) {
            const double d = distanceToSegment(piece, p);
            if (d < nearest) {
                nearest = d;
                fret = j;
            }
        }
    }
    std::size_t string = 0;
    for (std::size_t k = 1; k < board.strings.size(); ++k) {
        if (distanceToSegment(board.strings[k], p) < distanceToSegment(board.strings[string], p))
            string = k;
    }
    const FretPoint& point = board.fretPoints[fret * board.strings.size() + string];
    return Message(
        QT_TRANSLATE_NOOP("varnel::Words",
                          "Along %1, across %2; fret %3 on string %4: %5 from the nut, "
                          "slot %6."),
        {length(p.x - onXAxis(board.nut).x), length(p.y), verbatim(point.fret), number(string + 1),
         length(point.fromNut), length(m_inputs->workshop.slotWidth)});
}

void DesignerModel::remember() {
    if (!m_storage) return;
    // Only what changed since the storage was last read or written: one write a keystroke.
    DesignerTexts now = exactTexts();
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
        if (!m_saidStoreFailure) m_storeFailure = Message(kSettingsNotSaved, {verbatim(*failure)});
        m_saidStoreFailure = true;
    } else {
        m_remembered = std::move(now);
        m_saidStoreFailure = false;
    }
}

template <typename Read>
Read DesignerModel::readOnce(std::optional<FileCache<Read>>& cache, const std::string& path,
                             Read (*read)(const std::string&)) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    const auto time =
        error ? std::filesystem::file_time_type() : std::filesystem::last_write_time(path, error);
    if (!error && cache && cache->path == path && cache->size == size && cache->time == time)
        return cache->value;
    Read value = read(path);
    if (!error) {
        cache = FileCache<Read>{path, size, time, value};
    } else {
        cache.reset();
    }
    return value;
}

}  // namespace varnel
