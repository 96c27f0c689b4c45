#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace progress {

struct Backup;

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
    // Whether a failure says the file itself is bad, rather than that it
    // cannot be reached.
    static bool isFileDamage(const QSqlError &error);
    // Whether a failure says only that another connection holds the file.
    static bool isBusy(const QSqlError &error);
    // How long a connection waits for another to let go of the file.
    static constexpr int BusyWaitMillis = 5000;
    // The full check, slower: what a test asks after a crash.
    bool integrityOk();
    // A write-ahead journal, each commit synced to the disk before it
    // returns, and the links between tables kept. Before any writing.
    bool useSafeSettings();
    // While the whole file is read and copied for its backup, a commit that
    // waits for the disk waits behind the copy: commits are then left in the
    // system's keeping, safe from a crash of the program but not from a
    // power cut, until syncNow() once the copy is done.
    bool syncEachCommit(bool each);
    bool syncNow();

    // What the file and its journals were found to be before SQLite opens
    // any of them. Each is looked at without following a link; what may be
    // used is made readable by the user alone (0600), as older versions did
    // not.
    struct Inspection
    {
        enum Verdict {
            Usable,
            Refused, // a link, a folder, another user's file...: left as it is
            Damaged, // to be moved aside whole: SQLite would lose answers in it
        };
        Verdict verdict = Usable;
        QString reason; // in words: why refused, or what was found damaged
        bool holdsData = false; // the file, or its journal, has something in it
    };
    static Inspection inspect(const QString &path);
    // Makes the file's folder when missing and keeps it private (0700); why
    // it cannot be used, in words, or empty.
    static QString prepareFolder(const QString &folder);
    // An empty file only the user may read, for SQLite to fill: SQLite gives
    // the journals it makes the file's own permissions.
    static QString createFile(const QString &path);

    // Moves the closed file and its journals to a dated name beside it and
    // returns that path; empty when it could not be moved. Links are moved,
    // never followed.
    enum class Aside { Damaged, Replaced };
    static QString moveAside(
        const QString &path, const QDateTime &now, QString *error, Aside why = Aside::Damaged);
    // Puts a file moved aside back in its place, journals too.
    static bool moveBack(const QString &aside, const QString &path);

    // The day's backup into "backups" beside the file, unless there is one
    // already, kept as the week's copy too when the week has none; then only
    // the 7 daily and 4 weekly copies that hold the latest answers are kept.
    // `now` is UTC; days and weeks are the local calendar's. The folder and
    // the copies are private and never reached through a link.
    bool backUp(const QDateTime &now);
    static QString backupFolder(const QString &path);
    static QString dailyBackupName(const QString &path, QDate day);
    static QString weeklyBackupName(const QString &path, QDate day);
    // The backups of the file at `path` that can be read, the latest first
    // (by the newest answer they hold, then by how many); copies holding the
    // same answers are listed once.
    static QList<Backup> backups(const QString &path);
    // Whether a backup passes its check, which reads the whole copy.
    static bool isWholeBackup(const QString &backup);
    // Copies a backup into `path`, private and written whole.
    static QString copyBackup(const QString &backup, const QString &path);

    // Two counts that between them change with every commit to the file:
    // the commits of other connections, and the rows this connection has
    // changed. None when they cannot be read.
    std::optional<std::pair<qint64, qint64>> changeMarks() const;

private:
    bool exec(const QString &statement);
    bool writeDailyBackup(const QString &daily);
    static void pruneBackups(const QString &path, const QString &folder);

    QString m_path;
    QString m_connection;
    QString m_lastError;
};

} // namespace progress
