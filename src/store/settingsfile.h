#pragma once

#include <QSettings>

class QIODevice;

namespace varnel {

// The settings file, in the INI dialect QSettings has always written for this program, read and
// written here instead of by QSettings itself. QSettings would decode a value such as
// "@Variant(...)" into whatever binary Qt type its bytes name, and a damaged or hand-edited
// file can name one that needs gigabytes or a GUI to load: the program would die on start-up.
// Here every stored value stays text (or a list of texts), so nothing in the file can do more
// than fail to parse as a number.
//
// Files are read and written as QSettings' own INI format does for text: the same escapes,
// sections, "[General]" and comments, so files from earlier versions read the same and files
// written now read the same in them. Sections and keys are written in sorted order.

// The format to open a QSettings with; registered with Qt on the first call.
QSettings::Format settingsFileFormat();

bool readSettingsFile(QIODevice& device, QSettings::SettingsMap& map);
bool writeSettingsFile(QIODevice& device, const QSettings::SettingsMap& map);

}  // namespace varnel
