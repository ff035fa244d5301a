#include <gtest/gtest.h>

#include <QProcess>

#include "configrepository.h"
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

}  // namespace
}  // namespace varnel
