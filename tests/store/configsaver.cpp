// Saves numbered configurations into a store, one at a time, as a running copy of the program
// would: configsaver STORE PREFIX COUNT, with COUNT 0 for no end. It writes each name to
// standard output once its save has returned. The repository tests run two at once on one
// store, or kill one in the middle of its saves.
#include <QCoreApplication>
#include <cstdio>

#include "store/configrepository.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) return 2;
    varnel::QSettingsStore store(QString::fromLocal8Bit(argv[1]));
    varnel::ConfigRepository configs(store);
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = QByteArray(argv[3]).toInt();
    varnel::FretboardSettings s;
    for (int i = 1; count == 0 || i <= count; ++i) {
        s.nFrets = static_cast<std::int16_t>(i % 30000);
        s.scaleLen = static_cast<double>(prefix.size() * 100 + i);
        const QString name = prefix + QString::number(i);
        configs.save(name, s);
        std::printf("%s\n", name.toUtf8().constData());
        std::fflush(stdout);
    }
    return 0;
}
