#include "progress/progress_file.h"

#include "progress/private_files.h"
#include "progress/wal_check.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace progress {

namespace {

QAtomicInt connectionCount;

// Past a file size limit (`ulimit -f`) the system ends the program with
// SIGXFSZ; ignored, the write fails and is told like a full disk.
void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}
Q_COREAPP_STARTUP_FUNCTION(ignoreFileSizeSignal)

// SQLite's primary result codes that mean the file itself is bad.
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;
// Another connection holds the file.
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;

// The journals SQLite keeps beside the file, each named by a suffix: the
// write-ahead journal, its shared index, and the rollback journal.
const QString WalSuffix = u"-wal"_s;
const QString IndexSuffix = u"-shm"_s;
const QString RollbackSuffix = u"-journal"_s;
constexpr qint64 WalHeaderSize = 32;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool renamed(const QString &from, const QString &to, QString *error)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool standsThere(const QString &path)
{
    return lookAt(path).kind != Entry::Missing;
}

} // namespace

bool ProgressFile::isBusy(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == SqliteBusy || code == SqliteLocked;
}

bool ProgressFile::isFileDamage(const QSqlError &error)
{
    // The extended code's low byte is the primary code.
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

ProgressFile::ProgressFile(const QString &path)
    : m_path(path)
    , m_connection(u"progress-%1"_s.arg(connectionCount.fetchAndAddRelaxed(1) + 1))
{ }

ProgressFile::~ProgressFile()
{
    close();
}

bool ProgressFile::open(bool readOnly)
{
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
    db.setDatabaseName(m_path);
    QString options = u"QSQLITE_BUSY_TIMEOUT=%1"_s.arg(BusyWaitMillis);
    if (readOnly)
        options += u";QSQLITE_OPEN_READONLY"_s;
    db.setConnectOptions(options);
    if (!db.open()) {
        m_lastError = db.lastError().text();
        return false;
    }
    m_lastError.clear();
    return true;
}

void ProgressFile::close()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase ProgressFile::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool ProgressFile::exec(const QString &statement)
{
    QSqlQuery query(database());
    if (!query.exec(statement)) {
        m_lastError = query.lastError().text();
        return false;
    }
    return true;
}

ProgressFile::Check ProgressFile::quickCheck()
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(u"PRAGMA quick_check"_s)) {
        m_lastError = query.lastError().text();
        return isFileDamage(query.lastError()) ? Check::Damaged : Check::Unreadable;
    }
    QStringList found;
    while (query.next())
        found << query.value(0).toString();
    if (query.lastError().isValid()) {
        m_lastError = query.lastError().text();
        return isFileDamage(query.lastError()) ? Check::Damaged : Check::Unreadable;
    }
    if (found == QStringList { u"ok"_s })
        return Check::Sound;
    m_lastError = found.join(u"; "_s);
    return Check::Damaged;
}

bool ProgressFile::integrityOk()
{
    QSqlQuery query(database());
    if (!query.exec(u"PRAGMA integrity_check"_s) || !query.next())
        return false;
    return query.value(0).toString() == u"ok"_s && !query.next();
}

bool ProgressFile::useSafeSettings()
{
    // Another copy of the program turning the same new file to this journal
    // at the same moment holds it a little while, and SQLite does not wait
    // for that on its own.
    QElapsedTimer waited;
    waited.start();
    QSqlQuery mode(database());
    while (!mode.exec(u"PRAGMA journal_mode=WAL"_s) || !mode.next()) {
        m_lastError = mode.lastError().text();
        if (!isBusy(mode.lastError()) || waited.hasExpired(BusyWaitMillis))
            return false;
        QThread::msleep(20);
    }
    if (mode.value(0).toString().compare(u"wal"_s, Qt::CaseInsensitive) != 0) {
        m_lastError = tr("the journal cannot be kept beside the file");
        return false;
    }
    return syncEachCommit(true) && exec(u"PRAGMA foreign_keys=ON"_s);
}

bool ProgressFile::syncEachCommit(bool each)
{
    return exec(each ? u"PRAGMA synchronous=FULL"_s : u"PRAGMA synchronous=NORMAL"_s);
}

bool ProgressFile::syncNow()
{
    return exec(u"PRAGMA wal_checkpoint(PASSIVE)"_s);
}

ProgressFile::Inspection ProgressFile::inspect(const QString &path)
{
    Inspection found;
    const auto refused = [&found](const QString &reason) {
        found.verdict = Inspection::Refused;
        found.reason = reason;
        return found;
    };
    const auto damaged = [&found](const QString &reason) {
        found.verdict = Inspection::Damaged;
        found.reason = reason;
        return found;
    };

    // The file and the two journals that can hold answers are only ever
    // used as plain files of the user's own.
    for (const QString &part : QStringList { path, path + WalSuffix, path + RollbackSuffix }) {
        const Entry entry = lookAt(part);
        if (const QString why = whyRefused(part, entry); !why.isEmpty())
            return refused(why);
        if (entry.kind == Entry::Missing)
            continue;
        if (const QString why = makePrivate(part); !why.isEmpty())
            return refused(why);
        found.holdsData = found.holdsData || (part == path && entry.size > 0)
            || (part == path + WalSuffix && entry.size > WalHeaderSize);
    }
    // The shared index holds nothing SQLite cannot build again, but one it
    // cannot use stops the file from opening: the file goes aside with it.
    const QString index = path + IndexSuffix;
    const Entry indexEntry = lookAt(index);
    if (const QString wrong = whatIsWrong(index, indexEntry); !wrong.isEmpty())
        return damaged(wrong);
    if (indexEntry.kind != Entry::Missing) {
        if (const QString wrong = makePrivate(index); !wrong.isEmpty())
            return damaged(wrong);
    }

    const QString wal = path + WalSuffix;
    if (lookAt(wal).size > WalHeaderSize) {
        QFile journal;
        const int descriptor
            = ::open(QFile::encodeName(wal).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (descriptor < 0
            || !journal.open(descriptor, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
            if (descriptor >= 0)
                ::close(descriptor);
            //: Follows "Pupils' progress cannot be kept:"; %2 is the system's own words.
            return refused(tr("the journal %1 cannot be read (%2)")
                               .arg(native(wal), QString::fromLocal8Bit(std::strerror(errno))));
        }
        if (walLosesCommits(journal))
            //: Says what was found damaged; %1 is a file.
            return damaged(
                tr("its journal %1 breaks off before answers that were kept").arg(native(wal)));
    }
    return found;
}

QString ProgressFile::prepareFolder(const QString &folder)
{
    return preparePrivateFolder(folder, FolderLinks::FollowOwn);
}

QString ProgressFile::createFile(const QString &path)
{
    return createPrivateFile(path);
}

QString ProgressFile::moveAside(
    const QString &path, const QDateTime &now, QString *error, Aside why)
{
    const QFileInfo info(path);
    const QString stamp = now.toLocalTime().toString(u"yyyy-MM-ddTHHmmss"_s);
    const QString word = why == Aside::Damaged ? u"-damaged-"_s : u"-replaced-"_s;
    const QString stem = info.dir().filePath(fileStem(path) + word + stamp);
    const QStringList journals { WalSuffix, IndexSuffix, RollbackSuffix };
    const auto taken = [&journals](const QString &name) {
        return standsThere(name)
            || std::any_of(journals.cbegin(), journals.cend(),
                [&name](const QString &journal) { return standsThere(name + journal); });
    };
    QString target = stem + fileEnding(path);
    for (int other = 2; taken(target); ++other)
        target = stem + u'-' + QString::number(other) + fileEnding(path);

    // The journals belong with the file they were written for: none is left
    // behind for a fresh file to take for its own.
    QStringList moved;
    for (const QString &journal : journals) {
        if (!standsThere(path + journal))
            continue;
        if (!renamed(path + journal, target + journal, error)) {
            for (const QString &back : std::as_const(moved))
                renamed(target + back, path + back, nullptr);
            return QString();
        }
        moved << journal;
    }
    if (standsThere(path) && !renamed(path, target, error)) {
        for (const QString &back : std::as_const(moved))
            renamed(target + back, path + back, nullptr);
        return QString();
    }
    return target;
}

bool ProgressFile::moveBack(const QString &aside, const QString &path)
{
    bool back = true;
    for (const QString &part : { QString(), WalSuffix, IndexSuffix, RollbackSuffix }) {
        if (standsThere(aside + part))
            back = renamed(aside + part, path + part, nullptr) && back;
    }
    return back;
}

std::optional<std::pair<qint64, qint64>> ProgressFile::changeMarks() const
{
    QSqlQuery query(database());
    if (!query.exec(u"PRAGMA data_version"_s) || !query.next())
        return std::nullopt;
    const qint64 others = query.value(0).toLongLong();
    if (!query.exec(u"SELECT total_changes()"_s) || !query.next())
        return std::nullopt;
    return std::pair { others, query.value(0).toLongLong() };
}

} // namespace progress
