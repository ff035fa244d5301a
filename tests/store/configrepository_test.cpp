#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include "store/configrepository.h"
#include "testsupport.h"

namespace varnel {
namespace {

// Two running copies of the program saving into one store: every name each saved is listed
// once afterwards, and each retrieves its own values.
TEST(ConfigRepositoryTest, TwoProcessesSavingAtOnceLoseNothing) {
    test::TempStore temp;
    constexpr int kEach = 100;
    const QStringList prefixes = {"alpha", "beta"};
    std::vector<std::unique_ptr<QProcess>> savers;
    for (const QString& prefix : prefixes) {
        savers.push_back(std::make_unique<QProcess>());
        savers.back()->start(QStringLiteral(VARNEL_CONFIG_SAVER),
                             {temp.path(), prefix, QString::number(kEach)});
    }
    for (auto& saver : savers) {
        ASSERT_TRUE(saver->waitForFinished(120000));
        ASSERT_EQ(saver->exitCode(), 0);
    }
    temp.reopen();
    ConfigRepository configs(temp.store());
    QStringList names = configs.names();
    EXPECT_EQ(names.size(), 2 * kEach);
    names.removeDuplicates();
    ASSERT_EQ(names.size(), 2 * kEach);
    for (const QString& prefix : prefixes) {
        for (int i = 1; i <= kEach; ++i) {
            const QString name = prefix + QString::number(i);
            EXPECT_TRUE(names.contains(name)) << name.toStdString();
            EXPECT_EQ(temp.store().getSetting(name, "numFrets", ""), QString::number(i));
            EXPECT_EQ(temp.store().getSetting(name, "scaleLen", ""),
                      QString::number(prefix.size() * 100 + i));
        }
    }
}

// A copy of the program killed in the middle of its saves, 20 times over: the store still
// opens, holds every configuration whose save returned, and no lock it left stalls the next save.
TEST(ConfigRepositoryTest, AKillInTheMiddleOfASaveLosesNothing) {
    test::TempStore temp;
    QRandomGenerator random(20261207);
    QStringList saved;
    for (int round = 0; round < 20; ++round) {
        QProcess saver;
        saver.start(QStringLiteral(VARNEL_CONFIG_SAVER),
                    {temp.path(), QStringLiteral("r%1-").arg(round), QStringLiteral("0")});
        ASSERT_TRUE(saver.waitForReadyRead(30000));
        QTest::qSleep(static_cast<int>(random.bounded(40)));
        saver.kill();  // SIGKILL
        ASSERT_TRUE(saver.waitForFinished(30000));
        for (const QByteArray& line : saver.readAllStandardOutput().split('\n')) {
            if (!line.isEmpty()) saved << QString::fromUtf8(line);
        }
        temp.reopen();
        ConfigRepository configs(temp.store());
        QElapsedTimer timer;
        timer.start();
        ASSERT_EQ(configs.save(QStringLiteral("after%1").arg(round), FretboardSettings{}),
                  ConfigRepository::SaveResult::Saved);
        EXPECT_LT(timer.elapsed(), 1000) << "round " << round;
        const QStringList names = configs.names();
        for (const QString& name : saved) {
            ASSERT_TRUE(names.contains(name)) << name.toStdString();
            ASSERT_FALSE(configs.load(name).isEmpty()) << name.toStdString();
        }
    }
    EXPECT_GT(saved.size(), 20);
}

}  // namespace
}  // namespace varnel
