#pragma once
// The per-user settings store: text values addressed by section and key, under the program's
// application name.

#include <QList>
#include <QPair>
#include <QString>
#include <memory>
#include <optional>

class QSettings;

namespace varnel {

class MessageBox;

using SettingsList = QList<QPair<QString, QString>>;

// Held while one running copy of the program reads and extends the configuration index; a
// second copy waits for it. Released when destroyed.
class StoreLock {
  public:
    virtual ~StoreLock() = default;
};

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored text of the key; defaultValue when the section or the key does not exist.
    virtual QString getSetting(const QString& section, const QString& key,
                               const QString& defaultValue) = 0;
    // Creates or overwrites the key.
    virtual void saveSetting(const QString& section, const QString& key, const QString& value) = 0;
    // The section's entries; empty when the section does not exist or holds no key. Keys come
    // in natural order, so "configName2" is listed before "configName10".
    virtual SettingsList getAllSettings(const QString& section) = 0;
    // Excludes other processes that lock the same store; a store no other process shares
    // needs no lock.
    virtual std::unique_ptr<StoreLock> lock() { return std::make_unique<StoreLock>(); }
    // Why the first write since the last call could not be stored; none when all were.
    virtual std::optional<QString> takeWriteFailure() { return std::nullopt; }
};

// Tells the user, once, when the writes of the command that just ran could not be stored:
// "The settings could not be saved: REASON".
void reportWriteFailure(SettingsStore& store, MessageBox& messages);

// The store on QSettings. Section names are the user's own text (configuration names), so the
// characters QSettings reads as group separators are escaped here and restored on the way back.
class QSettingsStore : public SettingsStore {
  public:
    // The user's own store: organisation and application both the window's executable name
    // (on Linux ~/.config/varnel/varnel.conf, in the format of settingsfile.h); varnel-chart
    // shares the store of the window installed beside it.
    QSettingsStore();
    // An INI file at the given path, for tests and tools.
    explicit QSettingsStore(const QString& iniPath);
    // A store of the user's beside the main one, in the same place under another name: the
    // printer choices (kPrinterStore, on Linux ~/.config/varnel/varnel-printers.conf) and the
    // Fretboard Designer inputs (kFannedStore).
    struct Companion {
        QString suffix;
    };
    explicit QSettingsStore(const Companion& companion);
    ~QSettingsStore() override;

    QString getSetting(const QString& section, const QString& key,
                       const QString& defaultValue) override;
    void saveSetting(const QString& section, const QString& key, const QString& value) override;
    SettingsList getAllSettings(const QString& section) override;
    // A lock file beside the store's file.
    std::unique_ptr<StoreLock> lock() override;
    std::optional<QString> takeWriteFailure() override;

    // The QSettings group that holds a section, and back.
    static QString groupForSection(const QString& section);
    static QString sectionForGroup(const QString& group);

  private:
    std::unique_ptr<QSettings> open() const;
    QString failureReason() const;

    QString m_iniPath;  // empty for the user's own store
    QString m_suffix;   // the companion store's suffix to the application name
    std::unique_ptr<QSettings> m_settings;
    std::optional<QString> m_writeFailure;
};

inline const QSettingsStore::Companion kPrinterStore{QStringLiteral("-printers")};
inline const QSettingsStore::Companion kFannedStore{QStringLiteral("-fanned")};

// The store's application name for a program's executable name: the window's own name; for
// varnel-chart, installed beside the window as "<window>-chart", the window's ("varnel").
QString storeApplicationName(const QString& programName);

// True when a sorts before b in natural order: runs of digits compare by their value.
bool naturalLess(const QString& a, const QString& b);

}  // namespace varnel
