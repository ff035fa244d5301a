#pragma once
// The one way the program tells the user something: a modal message with a single OK button,
// titled with the application's title. Handlers never open message boxes themselves, so that
// tests can record what the user would have been told.

#include <string_view>

#include "core/message.h"

namespace varnel {

// What the store could not write is said in this sentence, its reason after the colon.
inline constexpr const char* kSettingsNotSaved =
    QT_TRANSLATE_NOOP("varnel::Words", "The settings could not be saved: %1");

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    // Shows the text (UTF-8) and returns when the user has dismissed it.
    virtual void show(std::string_view text) = 0;
    // Shows a message in the user's language; here, in English.
    virtual void say(const Message& message) { show(message.english()); }
};

}  // namespace varnel
