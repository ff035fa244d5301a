// Configuration names: the store's escaping of a name into a group reverses exactly (so no two
// names share a group), and no group holds a separator.
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "store/settingsstore.h"

using namespace varnel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString name =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString group = QSettingsStore::groupForSection(name);
    if (QSettingsStore::sectionForGroup(group) != name) std::abort();
    if (group.contains(QLatin1Char('/')) || group.contains(QLatin1Char('\\'))) std::abort();
    return 0;
}
