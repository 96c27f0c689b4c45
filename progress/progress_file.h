#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace progress {

// Everything about the progress file that only SQLite understands: the
// connection and its settings, the checks, moving a damaged file aside and
// the daily backups. The store's statements are plain SQL, so another
// database could take over by replacing this one class.
class ProgressFile
{
    Q_DECLARE_TR_FUNCTIONS(ProgressFile)

public:
    // How a file stood up to its check.
    enum class Check {
        Sound,
        Damaged, // not a database, or one whose pages do not hold together
        Unreadable, // cannot be read at all, for a reason outside the file
    };

    explicit ProgressFile(const QString &path);
    ~ProgressFile();
    ProgressFile(const ProgressFile &) = delete;
    ProgressFile &operator=(const ProgressFile &) = delete;

    // Opens a connection of its own; a read-only one never writes to the
    // file. Waits for another program's lock a while before failing.
    bool open(bool readOnly);
    // Every query on the connection must be gone first.
    void close();
    QSqlDatabase database() const;
    QString path() const { return m_path; }
    // The database's own words for the last failure.
    QString lastError() const { return m_lastError; }

    // The quick check made at every start.
    Check quickCheck();
    // The full check, slower: what a test asks after a crash.
    bool integrityOk();
    // A write-ahead journal, each commit synced to the disk before it
    // returns, and the links between tables kept. Before any writing.
    bool useSafeSettings();

    // Moves the closed file and its journals to a dated name beside it and
    // returns that path; empty when it could not be moved.
    static QString moveAside(const QString &path, const QDateTime &now, QString *error);

    // The day's backup into "backups" beside the file, unless there is one
    // already, kept as the week's copy too when the week has none; then only
    // the latest 7 daily and 4 weekly copies are kept. `now` is UTC; days
    // and weeks are the local calendar's.
    bool backUp(const QDateTime &now);
    static QString backupFolder(const QString &path);
    static QString dailyBackupName(const QString &path, QDate day);
    static QString weeklyBackupName(const QString &path, QDate day);
    // Of the names in a backup folder, the copies to remove: dailies past
    // the 7 latest, weeklies past the 4 latest and unfinished copies.
    static QStringList backupsToRemove(const QString &path, const QStringList &names);

    // Two counts that between them change with every commit to the file:
    // the commits of other connections, and the rows this connection has
    // changed. None when they cannot be read.
    std::optional<std::pair<qint64, qint64>> changeMarks() const;

private:
    bool exec(const QString &statement);

    QString m_path;
    QString m_connection;
    QString m_lastError;
};

} // namespace progress
