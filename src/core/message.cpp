#include "core/message.h"

#include "core/numtext.h"

namespace varnel {

namespace {

MessageArg argument(std::string text, MessageArg::Kind kind) {
    MessageArg a;
    a.text = std::move(text);
    a.kind = kind;
    return a;
}

}  // namespace

MessageArg writtenNumber(std::string text) {
    return argument(std::move(text), MessageArg::Kind::Number);
}

MessageArg number(double value) {
    return writtenNumber(formatGeneral(value));
}

MessageArg number(long long value) {
    return writtenNumber(std::to_string(value));
}

MessageArg word(std::string_view text) {
    return argument(std::string(text), MessageArg::Kind::Word);
}

MessageArg verbatim(std::string_view text) {
    return argument(std::string(text), MessageArg::Kind::Text);
}

MessageArg inner(Message message) {
    MessageArg a = argument({}, MessageArg::Kind::Inner);
    a.inner = std::make_shared<const Message>(std::move(message));
    return a;
}

std::string fillWording(std::string_view wording, const std::vector<std::string>& texts) {
    std::string out;
    out.reserve(wording.size());
    for (std::size_t i = 0; i < wording.size(); ++i) {
        const char c = wording[i];
        if (c == '%' && i + 1 < wording.size() && wording[i + 1] >= '1' && wording[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(wording[i + 1] - '1');
            if (n < texts.size()) {
                out += texts[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string Message::english() const {
    std::vector<std::string> texts;
    texts.reserve(args.size());
    for (const MessageArg& a : args) texts.push_back(a.inner ? a.inner->english() : a.text);
    return fillWording(wording, texts);
}

}  // namespace varnel
