#pragma once
// The kinds of row the table of the designer's inputs is made of: each makes an input of its
// kind (how its text is read and written back, what a text that is none of its kind is told),
// on its tab.

#include <string>
#include <string_view>
#include <vector>

#include "core/designerinputs.h"
#include "core/translatable.h"

namespace varnel::rows {

// The tabs, in the form's order.
inline const char* const kStrings = QT_TRANSLATE_NOOP("varnel::Words", "Strings and Scale");
inline const char* const kTuning = QT_TRANSLATE_NOOP("varnel::Words", "Tuning");
inline const char* const kWorkshop = QT_TRANSLATE_NOOP("varnel::Words", "Workshop");
inline const char* const kIntonation = QT_TRANSLATE_NOOP("varnel::Words", "Intonation");

using NumberField = double& (*)(DesignerInputs&);

// A length or a plain number: any finite number (the refusals judge its size), times the factor
// when it is a length.
DesignerInput number(std::string_view key, std::string_view caption, std::string_view group,
                     InputKind kind, std::vector<InputOption> options, NumberField field);
DesignerInput length(std::string_view key, std::string_view caption, std::string_view group,
                     std::vector<InputOption> options, NumberField field);
// A number as the refusals name it; a workshop length must be 0 or more.
DesignerInput named(DesignerInput input, std::string_view noun);
// A whole number, judged by the refusals.
DesignerInput count(std::string_view key, std::string_view caption, std::string_view group,
                    InputOption option, int& (*field)(DesignerInputs&));
// Fret numbers separated by blanks, on the workshop's tab.
DesignerInput frets(std::string_view key, std::string_view caption, InputOption option,
                    std::vector<int>& (*field)(DesignerInputs&));
// A check box (the command line's yes or no), on the workshop's tab; its key's letter.
DesignerInput flag(std::string_view key, std::string_view caption, char mnemonic,
                   std::vector<InputOption> options, bool& (*field)(DesignerInputs&));
// A text kept as typed and judged when the tuning is worked out.
DesignerInput words(std::string_view key, std::string_view caption, InputKind kind,
                    std::vector<InputOption> options, std::string& (*field)(DesignerInputs&));

}  // namespace varnel::rows
