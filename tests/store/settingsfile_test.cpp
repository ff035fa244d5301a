#include "store/settingsfile.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "store/preferences.h"
#include "store/settingsstore.h"

namespace varnel {
namespace {

QByteArray written(const QSettings::SettingsMap& map) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writeSettingsFile(buffer, map));
    return buffer.data();
}

QSettings::SettingsMap read(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QSettings::SettingsMap map;
    EXPECT_TRUE(readSettingsFile(buffer, map));
    return map;
}

// Files written by earlier versions (QSettings' own INI writer) and by this one are the same
// bytes, and read back as the same texts.
TEST(SettingsFileTest, WritesAndReadsAsQtsIniFormatDoes) {
    const QSettings::SettingsMap map = {
        {"rootKey", "at the top"},
        {"Base/calcFact", "0.0561256"},
        {"Base/empty", ""},
        {"Base/spaces", "  padded  "},
        {"Base/at", "@Variant(\\0)"},
        {"Base/atat", "@@"},
        {"Base/nul", QString::fromLatin1("a\0"
                                         "1b",
                                         4)},
        {"Base/controls",
         "\a\b\f\n\r\t\v\x01"
         "2\x1f"
         "f"},
        {"Base/quotes", "say \"hi\" \\ back\\"},
        {"Base/separators", "a;b,c=d"},
        {"Base/unicode", "Ünïcödé スケール \U0001F3B8 \x7f"},
        {"Base/bom", QChar(0xFEFF) + QString(" at the start")},
        {"General/x", "section named General"},
        {"Les Paul 24 3%2F4\"/scaleLen", "24.75"},
        {"\u00e9\u4e2d%20x/k\u00e9y y", "v"},
        {"a,b;c=d[e]/#k", "1"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("qt.ini");
    {
        QSettings qt(path, QSettings::IniFormat);
        // In the order this writer uses: keys outside any section first, then by section.
        for (const bool root : {true, false}) {
            for (auto it = map.cbegin(); it != map.cend(); ++it) {
                if (it.key().contains('/') != root) qt.setValue(it.key(), it.value());
            }
        }
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray qtBytes = file.readAll();
    EXPECT_EQ(written(map), qtBytes);
    EXPECT_EQ(read(qtBytes), map);

    // Except where QSettings lost a section's case: "general" came back as "General".
    const QSettings::SettingsMap general = {
        {"general/k", "1"}, {"General/k", "2"}, {"GENERAL/k", "3"}};
    EXPECT_EQ(read(written(general)), general);
}

// Whatever the file holds, each value is text: nothing is decoded into a binary Qt value (a list
// of 2^31 items, a pixmap with no GUI to make it), and the rest of the file still reads.
TEST(SettingsFileTest, DamagedOrHandEditedFilesReadAsText) {
    struct Row {
        const char* line;  // in a "[Base]" section
        QVariant value;    // of HLinePos; invalid: no such key
    };
    const Row rows[] = {
        {"HLinePos=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)",
         QString::fromLatin1("@Variant(\0\0\0\t\x7f\xff\xff\xff)", 18)},
        {"HLinePos=@Variant(\\0\\0\\0E)", QString::fromLatin1("@Variant(\0\0\0E)", 14)},
        {"HLinePos=\\100DateTime(\\xff)", QString::fromLatin1("@DateTime(\xff)")},
        {"HLinePos=\"@Rect(1 2 3 4)\"", "@Rect(1 2 3 4)"},
        {"HLinePos=@String(a)", "a"},
        {"HLinePos=@Invalid()", QVariant()},
        {"HLinePos=a, @Variant(\\0), @@b",
         QStringList{"a", QString::fromLatin1("@Variant(\0)", 11), "@b"}},
        {"HLinePos = \" x \" , y ", QStringList{" x ", "y"}},
        {"HLinePos=one\\\r\ntwo ; a comment", "onetwo"},
        {"HLinePos=\"multi\nline\"", "multi\nline"},
        {"HLinePos=\\x10041\\101\\q", "AA"},
        {"HLinePos=\\", ""},
        {"no equals sign\nHLinePos=kept", "kept"},
        {"[unclosed\nHLinePos=other section", QVariant()},
        {"; HLinePos=commented out", QVariant()},
        {"HLinePos=\xff\xfe bytes", QString::fromUtf8("\xff\xfe bytes")},
    };
    QTemporaryDir dir;
    int n = 0;
    for (const Row& row : rows) {
        const QByteArray bytes = QByteArray("\xef\xbb\xbf[Base]\r\n") + row.line + "\n";
        EXPECT_EQ(read(bytes).value("Base/HLinePos"), row.value) << row.line;

        // The program's own reading: a sound preference whatever the value.
        const QString path = dir.filePath(QStringLiteral("%1.ini").arg(++n));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QSettingsStore store(path);
        FretboardSettings s;
        s.hLinePos = 5;
        readStartupPreferences(store, s);
        EXPECT_EQ(s.hLinePos, 0) << row.line;
    }
    // Keys with an empty part, which no QSettings call can name, are not kept to be written back.
    EXPECT_TRUE(read("[]\nk=1\n[a]\n\\\\k=2\n").isEmpty());
}

}  // namespace
}  // namespace varnel
