#pragma once
// Marks a text that a window shows as translatable where it is written: Qt's translation tools
// find it by this name and the window translates it in the context named. Here it is the text.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
