// The settings store's contents: whatever the store file holds, the start-up read, Reload and
// the Retrieve list work, and every preference ends as a usable value or its default.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "configrepository.h"
#include "preferences.h"

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
    return 0;
}
