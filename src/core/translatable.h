#pragma once
// Marks a text that a window shows as translatable where it is written: Qt's translation tools
// find it by this name. Here it is the text. Every text written below the windows (captions,
// nouns, messages, the model's words) is marked in one context, kWordsContext, where the
// windows and varnel-chart look it up.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace varnel {

// The translation context of the texts written below the windows (the literal in the markers).
inline constexpr const char* kWordsContext = "varnel::Words";

}  // namespace varnel
