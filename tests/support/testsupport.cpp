#include "testsupport.h"

#include <QFile>

namespace varnel::test {

QString TempStore::fileText() const {
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace varnel::test
