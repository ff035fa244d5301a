#include <gtest/gtest.h>

#include <QStringList>

#include "testsupport.h"

namespace varnel {
namespace {

using test::TempStore;

TEST(SettingsStoreTest, MissingKeysAndSectionsGiveTheDefault) {
    TempStore t;
    EXPECT_EQ(t.store().getSetting("Base", "calcFact", "0.0561256"), "0.0561256");
    EXPECT_TRUE(t.store().getAllSettings("Base").isEmpty());
    t.store().saveSetting("Base", "ChartFontSize", "14");
    EXPECT_EQ(t.store().getSetting("Base", "calcFact", "x"), "x");
    EXPECT_EQ(t.store().getSetting("Other", "ChartFontSize", "d"), "d");
    t.reopen();
    EXPECT_EQ(t.store().getSetting("Base", "ChartFontSize", "0"), "14");
}

// Configuration names are the user's own text; each must come back as its own section.
TEST(SettingsStoreTest, HostileSectionNamesRoundTrip) {
    const QStringList names = {
        "Les Paul 24 3/4\"",
        "a/b",
        "a\\b",
        "/lead",
        "trail/",
        "a//b",
        "50%",
        "%2F",
        "%25",
        "General",
        "general",
        "Base",
        "base",
        " spaced ",
        "Ünïcödé スケール",
        "semi;colon",
        "equals=sign",
        "[brackets]",
        "#hash",
        "tab\there",
        "@at",
        "quote\"d",
        "a,b",
        ".",
        "..",
    };
    TempStore t;
    for (qsizetype i = 0; i < names.size(); ++i) {
        t.store().saveSetting(names[i], "scaleLen", QString::number(i));
        t.store().saveSetting("Base", QStringLiteral("configName%1").arg(i + 1), names[i]);
    }
    t.reopen();
    const SettingsList index = t.store().getAllSettings("Base");
    QStringList listed;
    for (const auto& entry : index) {
        if (entry.first.startsWith("configName")) listed << entry.second;
    }
    EXPECT_EQ(listed, names);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const SettingsList section = t.store().getAllSettings(names[i]);
        ASSERT_EQ(section.size(), names[i] == "Base" ? index.size() : 1) << names[i].toStdString();
        EXPECT_EQ(t.store().getSetting(names[i], "scaleLen", "missing"), QString::number(i))
            << names[i].toStdString();
    }
}

TEST(SettingsStoreTest, SectionEncodingReverses) {
    for (const QString name : {"a/b\\c%d", "%2F", "plain", "%", "%%2"}) {
        EXPECT_EQ(QSettingsStore::sectionForGroup(QSettingsStore::groupForSection(name)), name);
        EXPECT_FALSE(QSettingsStore::groupForSection(name).contains('/'));
        EXPECT_FALSE(QSettingsStore::groupForSection(name).contains('\\'));
    }
}

// varnel-chart shares the store of the window installed beside it.
TEST(SettingsStoreTest, TheChartProgramUsesTheWindowsStore) {
    for (const auto& [program, store] : {std::pair{"varnel", "varnel"},
                                         {"varnel-chart", "varnel"},
                                         {"varnel-dev-chart", "varnel-dev"},
                                         {"-chart", "-chart"},
                                         {"", "varnel"}}) {
        EXPECT_EQ(storeApplicationName(program), store) << program;
    }
}

TEST(SettingsStoreTest, ListsKeysInNaturalOrder) {
    TempStore t;
    for (int n : {10, 2, 1, 12, 3, 11, 9}) {
        t.store().saveSetting("Base", QStringLiteral("configName%1").arg(n), QString::number(n));
    }
    t.store().saveSetting("Base", "WindowHeight", "5760");
    QStringList keys;
    for (const auto& entry : t.store().getAllSettings("Base")) keys << entry.first;
    EXPECT_EQ(keys, QStringList({"WindowHeight", "configName1", "configName2", "configName3",
                                 "configName9", "configName10", "configName11", "configName12"}));
    EXPECT_TRUE(naturalLess("a2", "a10"));
    EXPECT_FALSE(naturalLess("a10", "a2"));
    EXPECT_TRUE(naturalLess("a", "a1"));
    EXPECT_TRUE(naturalLess("a01", "a1") != naturalLess("a1", "a01"));
    EXPECT_FALSE(naturalLess("x", "x"));
}

// Two running copies share the store: a write by one loses nothing the other wrote.
TEST(SettingsStoreTest, TwoStoresOnOneFileKeepEachOthersKeys) {
    TempStore t;
    QSettingsStore other(t.path());
    t.store().saveSetting("Base", "calcFact", "0.05");
    other.saveSetting("Base", "WindowHeight", "6000");
    t.store().saveSetting("Base", "VLineWidth", "2");
    t.reopen();
    EXPECT_EQ(t.store().getAllSettings("Base").size(), 3);
    EXPECT_EQ(t.store().getSetting("Base", "WindowHeight", ""), "6000");
}

}  // namespace
}  // namespace varnel
