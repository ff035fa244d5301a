#pragma once
// The program's words in the user's language: Qt's own translations for the dialogs it supplies
// (qtbase_de.qm, ...) and ours, for the language asked for or else the desktop's (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG). English needs none.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/message.h"

namespace varnel {

// Installs the translations into the running application; a language named ("de", "fr_CA")
// also becomes the locale that numbers are read and shown in. English needs none.
void installTranslations(const QString& language = {});

// The language of the translation installed ("de"); empty for English.
QString translationLanguage();

// Takes "--lang LANGUAGE" out of the program's arguments: the language, "" when the option is
// not there; none when no language follows it.
std::optional<QString> takeLanguageOption(std::vector<std::string>& args);

// One of the program's own words (a caption, a noun, a choice) in the user's language, a
// caption's key marker as its translation has it.
QString wordText(std::string_view word);

// A message in the user's language: its wording and its word arguments translated, its numbers
// written in the locale's way, its texts as they stand.
QString messageText(const Message& message);

}  // namespace varnel
