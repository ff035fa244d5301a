#include "store/settingsfile.h"

#include <QIODevice>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <iterator>

namespace varnel {

namespace {

bool isSpaceOrTab(char c) {
    return c == ' ' || c == '\t';
}

bool isBlank(char c) {
    return isSpaceOrTab(c) || c == '\n' || c == '\r';
}

bool isEndOfLine(char c) {
    return c == '\n' || c == '\r';
}

int hexDigitValue(char16_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int octalDigitValue(char c) {
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

// The escapes "\a" and the like, each with the character it stands for. The writer uses the
// first nine (with "\0" and "\x" for the other control characters); the reader takes all.
constexpr char kSimpleEscapes[][2] = {{'a', '\a'},  {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                      {'r', '\r'},  {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                      {'\\', '\\'}, {'?', '?'},  {'\'', '\''}};
constexpr std::size_t kWrittenEscapes = 9;

// --- Reading -------------------------------------------------------------------------------

// One line of the file, [begin, end), and where its first '=' outside quotes is (-1: none).
struct Line {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype equals = -1;
};

// The next line from pos on, past blank lines and comments; false at the end of the data. A line
// runs to an end of line or a ';' (a comment follows), either outside quotes; a backslash keeps
// the character after it in the line, an end of line too.
bool nextLine(QByteArrayView data, qsizetype& pos, Line& line) {
    const qsizetype size = data.size();
    for (;;) {
        while (pos < size && isBlank(data[pos])) ++pos;
        if (pos == size) return false;
        if (data[pos] != ';') break;
        while (pos < size && !isEndOfLine(data[pos])) ++pos;
    }
    line = Line{pos, pos, -1};
    bool inQuotes = false;
    qsizetype i = pos;
    while (i < size) {
        const char c = data[i];
        if (!inQuotes && (isEndOfLine(c) || c == ';')) break;
        ++i;
        if (c == '=' && !inQuotes && line.equals < 0) {
            line.equals = i - 1;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == '\\' && i < size) {
            const char escaped = data[i++];
            if (i < size && isEndOfLine(escaped) && isEndOfLine(data[i]) && data[i] != escaped) ++i;
        }
    }
    line.end = i;
    pos = i;
    return true;
}

// A section or key name: UTF-8, with "%XX" and "%UXXXX" for characters and '\' for '/'.
QString unescapedName(QByteArrayView raw) {
    const QString text = QString::fromUtf8(raw);
    QString name;
    name.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\') {
            name += u'/';
            continue;
        }
        if (c == u'%' && i + 1 < text.size()) {
            const bool wide = text[i + 1] == u'U';
            const qsizetype first = i + (wide ? 2 : 1);
            const qsizetype last = first + (wide ? 4 : 2);
            bool ok = false;
            const ushort code =
                last <= text.size()
                    ? QStringView(text).sliced(first, last - first).toUShort(&ok, 16)
                    : 0;
            if (ok) {
                name += QChar(code);
                i = last - 1;
                continue;
            }
        }
        name += c;
    }
    return name;
}

// What one stored text stands for: "@@" starts a text that begins with '@', "@String(...)" holds
// one with a NUL in it, and "@Invalid()" is no value. Any other text starting with '@' names a
// binary value that this program never writes: it stays text, never decoded.
QVariant storedValue(const QString& text) {
    if (text.startsWith(QLatin1String("@@"))) return text.sliced(1);
    if (text.startsWith(QLatin1String("@String(")) && text.endsWith(u')'))
        return text.sliced(8).chopped(1);
    if (text == QLatin1String("@Invalid()")) return QVariant();
    return text;
}

// A value: text with C escapes, in quotes or not, or a list of such texts between commas.
// Spaces around an unquoted text are not part of it.
QVariant unescapedValue(QByteArrayView raw) {
    const qsizetype size = raw.size();
    QStringList items;
    bool isList = false;
    QString text;
    bool inQuotes = false;
    bool quoted = false;     // the current text had quotes: its trailing spaces are its own
    qsizetype keepFrom = 0;  // what came before this in the text keeps its trailing spaces
    qsizetype i = 0;
    // One decoder for the whole value, as QSettings has it; but a text that starts with U+FEFF
    // keeps it (QSettings took it for a byte order mark and dropped it).
    QStringDecoder fromUtf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const auto skipSpaces = [&] {
        while (i < size && isSpaceOrTab(raw[i])) ++i;
        keepFrom = text.size();
    };
    const auto chopSpaces = [&] {
        if (quoted) return;
        while (text.size() > keepFrom && (text.back() == u' ' || text.back() == u'\t'))
            text.chop(1);
    };

    skipSpaces();
    while (i < size) {
        const char c = raw[i];
        if (c == '\\') {
            ++i;
            const char escaped = i < size ? raw[i++] : '\0';
            bool simple = false;
            for (const auto& code : kSimpleEscapes) {
                if (escaped == code[0]) {
                    text += QLatin1Char(code[1]);
                    simple = true;
                    break;
                }
            }
            if (simple || escaped == '\0') {
                // done
            } else if (escaped == 'x') {
                if (i < size && hexDigitValue(static_cast<unsigned char>(raw[i])) >= 0) {
                    char16_t code = 0;
                    for (int digit;
                         i < size &&
                         (digit = hexDigitValue(static_cast<unsigned char>(raw[i]))) >= 0;
                         ++i) {
                        code = static_cast<char16_t>(code * 16 + digit);
                    }
                    text += QChar(code);
                }
            } else if (octalDigitValue(escaped) >= 0) {
                auto code = static_cast<char16_t>(octalDigitValue(escaped));
                for (int digit; i < size && (digit = octalDigitValue(raw[i])) >= 0; ++i)
                    code = static_cast<char16_t>(code * 8 + digit);
                text += QChar(code);
            } else if (isEndOfLine(escaped)) {  // the value goes on on the next line
                if (i < size && isEndOfLine(raw[i]) && raw[i] != escaped) ++i;
            }  // any other escaped character is dropped
            keepFrom = text.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipSpaces();
        } else if (c == ',' && !inQuotes) {
            chopSpaces();
            items.append(std::exchange(text, QString()));
            isList = true;
            quoted = false;
            ++i;
            skipSpaces();
        } else {
            qsizetype end = i + 1;
            while (end < size && raw[end] != '\\' && raw[end] != '"' && raw[end] != ',') ++end;
            text += fromUtf8(raw.sliced(i, end - i));
            i = end;
        }
    }
    chopSpaces();
    if (!isList) return storedValue(text);
    items.append(text);
    for (QString& item : items) item = storedValue(item).toString();
    return items;
}

// --- Writing -------------------------------------------------------------------------------

QByteArray escapedName(const QString& name) {
    QByteArray out;
    out.reserve(name.size());
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if (c == u'/') {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '_' || c == '-' || c == '.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        } else {
            out += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
        }
    }
    return out;
}

// The text as stored: see storedValue().
QString storedText(const QString& text) {
    if (text.contains(QChar::Null)) return QStringLiteral("@String(") + text + u')';
    if (text.startsWith(u'@')) return u'@' + text;
    return text;
}

void appendEscapedText(const QString& text, QByteArray& out) {
    const qsizetype start = out.size();
    bool needsQuotes = false;
    bool hexDigitWouldJoin = false;  // after "\0" or "\xNN" a hex digit would extend the escape
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == ';' || c == ',' || c == '=') needsQuotes = true;
        if (hexDigitWouldJoin && hexDigitValue(c) >= 0) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        hexDigitWouldJoin = false;
        const auto* const escape =
            std::find_if(std::begin(kSimpleEscapes), std::begin(kSimpleEscapes) + kWrittenEscapes,
                         [c](const char* code) { return code[1] == c; });
        if (escape != std::begin(kSimpleEscapes) + kWrittenEscapes) {
            out += '\\';
            out += (*escape)[0];
        } else if (c == '\0') {
            out += "\\0";
            hexDigitWouldJoin = true;
        } else if (c <= 0x1F) {
            out += "\\x" + QByteArray::number(c, 16);
            hexDigitWouldJoin = true;
        } else {
            out += toUtf8(QStringView(&qc, 1));  // keeps a surrogate pair whole
        }
    }
    if (needsQuotes || (out.size() > start && (out[start] == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

void appendValue(const QVariant& value, QByteArray& out) {
    if (value.metaType().id() == QMetaType::QStringList) {
        const QStringList items = value.toStringList();
        if (items.isEmpty()) out += "@Invalid()";  // not a list of one empty text
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (i > 0) out += ", ";
            appendEscapedText(storedText(items[i]), out);
        }
    } else if (!value.isValid()) {
        out += "@Invalid()";
    } else {
        appendEscapedText(storedText(value.toString()), out);
    }
}

}  // namespace

bool readSettingsFile(QIODevice& device, QSettings::SettingsMap& map) {
    QByteArray bytes = device.readAll();
    QByteArrayView data(bytes);
    if (data.startsWith("\xef\xbb\xbf")) data = data.sliced(3);  // a UTF-8 byte order mark

    QString section;  // the current section's prefix to its keys: empty, or its name and '/'
    qsizetype pos = 0;
    Line line;
    while (nextLine(data, pos, line)) {
        const QByteArrayView text = data.sliced(line.begin, line.end - line.begin);
        if (text.startsWith('[')) {
            const qsizetype close = text.indexOf(']');
            const QByteArrayView name =
                text.sliced(1, (close < 0 ? text.size() : close) - 1).trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0) {
                section.clear();  // the keys outside any section
            } else if (name.startsWith('%') &&
                       name.sliced(1).compare("general", Qt::CaseInsensitive) == 0) {
                section = QString::fromLatin1(name.sliced(1)) + u'/';
            } else {
                section = unescapedName(name) + u'/';
            }
            continue;
        }
        if (line.equals < 0) continue;  // not a setting: skipped, as QSettings does
        const qsizetype equals = line.equals - line.begin;
        const QString key = section + unescapedName(text.first(equals).trimmed());
        // A key with an empty part (under a section "[]", or with two '\' in a row) is one
        // QSettings can never ask for: left out, so that it is not written back broken either.
        if (key.isEmpty() || key.startsWith(u'/') || key.endsWith(u'/') || key.contains(u"//"))
            continue;
        map.insert(key, unescapedValue(text.sliced(equals + 1)));
    }
    return true;  // what could be read is kept; the rest of a damaged file is skipped
}

bool writeSettingsFile(QIODevice& device, const QSettings::SettingsMap& map) {
    // Keys outside any section first, under "[General]"; then each section, in sorted order.
    QMap<QString, QList<QSettings::SettingsMap::const_iterator>> sections;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        sections[slash < 0 ? QString() : it.key().first(slash)].append(it);
    }
    QByteArray out;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (!out.isEmpty()) out += '\n';
        const QByteArray name = escapedName(section.key());
        if (name.isEmpty()) {
            out += "[General]\n";
        } else if (name.compare("general", Qt::CaseInsensitive) == 0) {
            out += "[%" + name + "]\n";  // "[General]" is the keys outside any section
        } else {
            out += '[' + name + "]\n";
        }
        const qsizetype keyStart = section.key().isEmpty() ? 0 : section.key().size() + 1;
        for (const auto& entry : section.value()) {
            out += escapedName(entry.key().sliced(keyStart));
            out += '=';
            appendValue(entry.value(), out);
            out += '\n';
        }
    }
    return device.write(out) == out.size();
}

QSettings::Format settingsFileFormat() {
    static const QSettings::Format format = QSettings::registerFormat(
        QStringLiteral("conf"), readSettingsFile, writeSettingsFile, Qt::CaseSensitive);
    return format;
}

}  // namespace varnel
