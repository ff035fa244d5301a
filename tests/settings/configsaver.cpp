// Saves numbered configurations into a store, one at a time, as a running copy of the program
// would: configsaver STORE PREFIX COUNT. The repository test runs two at once on one store.
#include <QCoreApplication>

#include "configrepository.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) return 2;
    varnel::QSettingsStore store(QString::fromLocal8Bit(argv[1]));
    varnel::ConfigRepository configs(store);
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = QByteArray(argv[3]).toInt();
    varnel::FretboardSettings s;
    for (int i = 1; i <= count; ++i) {
        s.nFrets = static_cast<std::int16_t>(i);
        s.scaleLen = static_cast<double>(prefix.size() * 100 + i);
        configs.save(prefix + QString::number(i), s);
    }
    return 0;
}
