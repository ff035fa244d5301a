// The settings store's contents: whatever the store file holds, the start-up read, Reload and
// the Retrieve list work, every preference ends as a usable value or its default, and the file
// as read survives being written out again.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "store/configrepository.h"
#include "store/preferences.h"
#include "store/settingsfile.h"

using namespace varnel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    static int run = 0;
    // A new file each run: QSettings caches what it read of a file by its name.
    const QString path = dir.filePath(QStringLiteral("store%1.ini").arg(++run));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    {
        QSettingsStore store(path);
        FretboardSettings s;
        readStartupPreferences(store, s);
        const auto usable = [](const FretboardSettings& r) {
            return std::isfinite(r.calcFact) && std::isfinite(r.templateLineHeight) &&
                   std::isfinite(r.templateLineSpace);
        };
        if (!usable(s)) std::abort();
        reloadPreferences(store, s);
        if (!usable(s)) std::abort();
        ConfigRepository configs(store);
        for (const QString& name : configs.names()) (void)configs.load(name);
    }
    QFile::remove(path);

    // What the file reads as, written out and read again, is the same: every key and text
    // survives a save. (Escapes can make half a surrogate pair, which no UTF-8 can hold.)
    const auto readBack = [](const QByteArray& bytes) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QSettings::SettingsMap map;
        readSettingsFile(buffer, map);
        return map;
    };
    const QSettings::SettingsMap first =
        readBack(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (const QVariant& value : first) {
        const QString text = value.typeId() == QMetaType::QStringList
                                 ? value.toStringList().join(QChar(0))
                                 : value.toString();
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            else if (text[i].isSurrogate())
                return 0;
        }
    }
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    if (!writeSettingsFile(written, first) || readBack(written.data()) != first) std::abort();
    return 0;
}
