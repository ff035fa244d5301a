#pragma once
// The program's words in the user's language: Qt's own translations for the dialogs it supplies
// (qtbase_de.qm, ...) and ours, for the language asked for or else the desktop's (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG). English needs none.

#include <QString>

#include "core/message.h"

namespace varnel {

// Installs the translations into the running application; a language named ("de", "fr_CA")
// also becomes the locale that numbers are read and shown in. Returns the language the
// program's own words are in ("en" when none was found for it).
QString installTranslations(const QString& language = {});

// A message in the user's language: its wording and its word arguments translated in the
// context given, its numbers written in the locale's way, its texts as they stand.
QString messageText(const Message& message, const char* context);

}  // namespace varnel
