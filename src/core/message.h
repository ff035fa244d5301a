#pragma once
// A text for the user as data: its English wording, with %1, %2, ... where its arguments go,
// and the arguments. The wording is also the key a translation is found by (the windows
// translate it; the command line and the tests read the English). A number argument is written
// with a point, which a translation may write in its locale's way; a word argument is one of
// the program's own words, translated too; a text argument (a file's name, a reader's reason)
// stands as it is; a message argument is a message of its own, put in the same language.

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/translatable.h"

namespace varnel {

struct Message;

struct MessageArg {
    enum class Kind { Number, Word, Text, Inner };
    std::string text;
    Kind kind = Kind::Text;
    std::shared_ptr<const Message> inner;  // a message argument's message
};

MessageArg number(double value);
MessageArg number(long long value);
inline MessageArg number(int value) {
    return number(static_cast<long long>(value));
}
inline MessageArg number(std::size_t value) {
    return number(static_cast<long long>(value));
}
// A number as already written (to its decimals, with its unit: "0.40 mm").
MessageArg writtenNumber(std::string text);
MessageArg word(std::string_view text);
MessageArg verbatim(std::string_view text);
MessageArg inner(Message message);

struct Message {
    Message() = default;
    // A wording without arguments ("" for none): a literal, marked for translation.
    Message(const char* text) : wording(text) {}  // NOLINT: a wording is a message
    Message(std::string_view text, std::vector<MessageArg> arguments)
        : wording(text), args(std::move(arguments)) {}
    // The wording is kept as a view: never one of a text about to go.
    template <typename Text, std::enable_if_t<std::is_same_v<Text, std::string>, int> = 0>
    Message(Text&& text, std::vector<MessageArg> arguments) = delete;

    std::string_view wording;
    std::vector<MessageArg> args;

    // The wording with its arguments as they stand: the English text.
    std::string english() const;
    bool empty() const { return wording.empty(); }
};

// A wording with each %n (1 to 9) replaced by the n-th text, in one pass.
std::string fillWording(std::string_view wording, const std::vector<std::string>& texts);

inline bool operator==(const Message& m, std::string_view english) {
    return m.english() == english;
}
inline std::ostream& operator<<(std::ostream& out, const Message& m) {
    return out << m.english();
}

}  // namespace varnel
