#pragma once
// Shared helpers of the Qt test suites: a message box that records instead of showing, and a
// settings store on a private INI file that never touches the user's own settings.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "model/messagebox.h"
#include "store/settingsstore.h"

// Waits, processing events, until the condition holds, and fails the test when it never does.
// (QTRY_VERIFY cannot be used here: outside a Qt Test run its failure only returns.)
#define EXPECT_EVENTUALLY(condition) \
    EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(condition); }, 5000)) << #condition

namespace varnel::test {

class RecordingMessageBox : public MessageBox {
  public:
    void show(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> take() { return std::exchange(messages, {}); }
    std::vector<std::string> messages;
};

// Forwards to a real store and logs every write, in order, as "section/key=value".
class LoggingStore : public SettingsStore {
  public:
    explicit LoggingStore(SettingsStore& inner) : m_inner(inner) {}
    QString getSetting(const QString& s, const QString& k, const QString& d) override {
        return m_inner.getSetting(s, k, d);
    }
    void saveSetting(const QString& s, const QString& k, const QString& v) override {
        writes << s + "/" + k + "=" + v;
        m_inner.saveSetting(s, k, v);
    }
    SettingsList getAllSettings(const QString& s) override { return m_inner.getAllSettings(s); }
    QStringList writes;

  private:
    SettingsStore& m_inner;
};

// A store whose every write fails ("read-only."), logging what was asked of it.
struct UnwritableStore : LoggingStore {
    using LoggingStore::LoggingStore;
    std::optional<QString> takeWriteFailure() override { return QStringLiteral("read-only."); }
};

// Types any text, non-ASCII included, into a widget as key presses.
void typeText(QWidget* widget, const QString& text);

// A store on an INI file in a fresh temporary folder; reopen() reads the same file anew, as
// the next start of the program would.
class TempStore {
  public:
    TempStore() : m_store(std::make_unique<QSettingsStore>(path())) {}
    QString path() const { return m_dir.filePath(QStringLiteral("varnel.ini")); }
    QSettingsStore& store() { return *m_store; }
    void reopen() {
        m_store.reset();
        m_store = std::make_unique<QSettingsStore>(path());
    }

  private:
    QTemporaryDir m_dir;
    std::unique_ptr<QSettingsStore> m_store;
};

}  // namespace varnel::test
