#include "store/settingsstore.h"

#include "model/messagebox.h"
#include "store/settingsfile.h"
#include "text/translations.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <utility>

namespace varnel {

namespace {

QString applicationName() {
    return storeApplicationName(
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
}

// A key inside a section's group: group and key joined by QSettings' separator.
QString qualifiedKey(const QString& section, const QString& key) {
    return QSettingsStore::groupForSection(section) + QLatin1Char('/') + key;
}

// How long a save waits for another running copy to finish its own; a copy holds the lock
// for a few writes only, and a crashed one leaves a lock that is found stale at once.
constexpr int kLockWaitMs = 5000;
// How often a waiting copy looks at the lock again.
constexpr unsigned long kLockPollMs = 10;

// A lock file that a process killed while creating it left empty: QLockFile would take it for a
// live lock until it is 30 seconds old. A live owner writes its details into it at once, so one
// still empty a tenth of a second after it was made is abandoned, and removed.
void removeAbandonedLockFile(const QString& path) {
    constexpr qint64 kSettleMs = 100;
    QFileInfo info(path);
    if (!info.exists() || info.size() != 0) return;
    const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
    if (age < kSettleMs)
        QThread::msleep(static_cast<unsigned long>(kSettleMs - std::max<qint64>(age, 0)));
    info.refresh();
    if (info.exists() && info.size() == 0) QFile::remove(path);
}

// Takes the lock unless the deadline passes or the lock cannot be made at all (an unwritable
// folder). Polled often: QLockFile's own wait sleeps longer and longer, up to seconds.
bool takeLock(QLockFile& lock, const QDeadlineTimer& deadline) {
    removeAbandonedLockFile(lock.fileName());
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired()) return false;
        QThread::msleep(kLockPollMs);
    }
    return true;
}

// The index lock, taken through a gate: whoever waits for the lock holds the gate, so a copy
// that lets go of the lock and at once wants it again queues behind the waiting one instead of
// taking it back every time (QLockFile alone is not fair, and the waiter would give up).
class FileLock : public StoreLock {
  public:
    explicit FileLock(const QString& path) : m_lock(path) {
        // A lock that cannot be had (an unwritable folder) does not stop the save: it then
        // fails or succeeds on its own, as it would with one copy running.
        const QDeadlineTimer deadline(kLockWaitMs);
        QLockFile gate(path + QStringLiteral(".gate"));
        takeLock(gate, deadline);
        takeLock(m_lock, deadline);
    }

  private:
    QLockFile m_lock;
};

}  // namespace

QString storeApplicationName(const QString& programName) {
    const QString chartSuffix = QStringLiteral("-chart");
    QString name = programName;
    if (name.endsWith(chartSuffix) && name.size() > chartSuffix.size())
        name.chop(chartSuffix.size());
    return name.isEmpty() ? QStringLiteral("varnel") : name;
}

QSettingsStore::QSettingsStore() : m_settings(open()) {}

QSettingsStore::QSettingsStore(const QString& iniPath) : m_iniPath(iniPath), m_settings(open()) {}

QSettingsStore::QSettingsStore(const Companion& companion)
    : m_suffix(companion.suffix), m_settings(open()) {}

std::unique_ptr<QSettings> QSettingsStore::open() const {
    if (!m_iniPath.isEmpty()) return std::make_unique<QSettings>(m_iniPath, settingsFileFormat());
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    const QSettings::Format format = QSettings::NativeFormat;  // the registry, CFPreferences
#else
    const QSettings::Format format = settingsFileFormat();  // the same .conf file as before
#endif
    return std::make_unique<QSettings>(format, QSettings::UserScope, applicationName(),
                                       applicationName() + m_suffix);
}

QSettingsStore::~QSettingsStore() = default;

QString QSettingsStore::groupForSection(const QString& section) {
    // '/' and '\' separate groups in QSettings; '%' is escaped so that the mapping reverses.
    QString group;
    group.reserve(section.size());
    for (const QChar c : section) {
        if (c == QLatin1Char('%')) {
            group += QStringLiteral("%25");
        } else if (c == QLatin1Char('/')) {
            group += QStringLiteral("%2F");
        } else if (c == QLatin1Char('\\')) {
            group += QStringLiteral("%5C");
        } else {
            group += c;
        }
    }
    return group;
}

QString QSettingsStore::sectionForGroup(const QString& group) {
    QString section;
    section.reserve(group.size());
    for (qsizetype i = 0; i < group.size(); ++i) {
        const QStringView code = QStringView(group).mid(i, 3);
        if (code == u"%25") {
            section += QLatin1Char('%');
        } else if (code == u"%2F") {
            section += QLatin1Char('/');
        } else if (code == u"%5C") {
            section += QLatin1Char('\\');
        } else {
            section += group[i];
            continue;
        }
        i += 2;
    }
    return section;
}

QString QSettingsStore::getSetting(const QString& section, const QString& key,
                                   const QString& defaultValue) {
    const QVariant value = m_settings->value(qualifiedKey(section, key));
    return value.isValid() ? value.toString() : defaultValue;
}

void QSettingsStore::saveSetting(const QString& section, const QString& key, const QString& value) {
    removeAbandonedLockFile(m_settings->fileName() + QStringLiteral(".lock"));  // QSettings' own
    m_settings->setValue(qualifiedKey(section, key), value);
    // Written at once, through QSettings' locked and atomic save, so that other running copies
    // and a crash later on lose nothing.
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError) return;
    if (!m_writeFailure) m_writeFailure = failureReason();
    // QSettings keeps its first error for good: a new one reports the next write's own. (What
    // could not be written stays pending in Qt's cache of the file and goes out with the next
    // write that succeeds.)
    m_settings = open();
}

std::optional<QString> QSettingsStore::takeWriteFailure() {
    return std::exchange(m_writeFailure, std::nullopt);
}

QString QSettingsStore::failureReason() const {
    const QFileInfo file(m_settings->fileName());
    const QFileInfo folder(file.absolutePath());
    const QString where = QDir::toNativeSeparators(folder.absoluteFilePath());
    // In the user's language (the store's reasons are said in a sentence of the windows).
    const auto reason = [](const char* wording, const QString& name) {
        return messageText(Message(wording, {verbatim(name.toStdString())}));
    };
    if (folder.exists() && !folder.isDir()) {
        return reason(QT_TRANSLATE_NOOP("varnel::Words", "%1 is a file, not a folder."), where);
    }
    if (!folder.exists())
        return reason(QT_TRANSLATE_NOOP("varnel::Words", "the folder %1 cannot be made."), where);
    const QString path = QDir::toNativeSeparators(file.absoluteFilePath());
    if (file.exists() && !file.isWritable())
        return reason(QT_TRANSLATE_NOOP("varnel::Words", "%1 is read-only."), path);
    return reason(QT_TRANSLATE_NOOP("varnel::Words", "%1 could not be written."), path);
}

void reportWriteFailure(SettingsStore& store, MessageBox& messages) {
    if (const auto failure = store.takeWriteFailure()) {
        messages.say(Message(kSettingsNotSaved, {verbatim(failure->toStdString())}));
    }
}

SettingsList QSettingsStore::getAllSettings(const QString& section) {
    removeAbandonedLockFile(m_settings->fileName() + QStringLiteral(".lock"));
    m_settings->sync();  // pick up what another running copy wrote
    m_settings->beginGroup(groupForSection(section));
    QStringList keys = m_settings->childKeys();
    std::sort(keys.begin(), keys.end(), naturalLess);
    SettingsList entries;
    entries.reserve(keys.size());
    for (const QString& key : keys) entries.append({key, m_settings->value(key).toString()});
    m_settings->endGroup();
    return entries;
}

std::unique_ptr<StoreLock> QSettingsStore::lock() {
    // Not QSettings' own "<file>.lock", which it takes and drops inside every sync.
    QFileInfo file(m_settings->fileName());
    if (!file.isAbsolute()) {  // a registry path: lock in the user's temporary folder
        file.setFile(QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation)),
                     applicationName() + QStringLiteral(".conf"));
    }
    QDir().mkpath(file.absolutePath());
    return std::make_unique<FileLock>(file.absoluteFilePath() + QStringLiteral(".index.lock"));
}

bool naturalLess(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype iEnd = i;
            qsizetype jEnd = j;
            while (iEnd < a.size() && a[iEnd].isDigit()) ++iEnd;
            while (jEnd < b.size() && b[jEnd].isDigit()) ++jEnd;
            // Compare the digit runs by value: skip leading zeros, then length, then digits.
            qsizetype iStart = i;
            qsizetype jStart = j;
            while (iStart + 1 < iEnd && a[iStart] == QLatin1Char('0')) ++iStart;
            while (jStart + 1 < jEnd && b[jStart] == QLatin1Char('0')) ++jStart;
            const qsizetype iLen = iEnd - iStart;
            const qsizetype jLen = jEnd - jStart;
            if (iLen != jLen) return iLen < jLen;
            const int c =
                QStringView(a).mid(iStart, iLen).compare(QStringView(b).mid(jStart, jLen));
            if (c != 0) return c < 0;
            if (iEnd - i != jEnd - j) return iEnd - i < jEnd - j;
            i = iEnd;
            j = jEnd;
        } else {
            if (a[i] != b[j]) return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

}  // namespace varnel
