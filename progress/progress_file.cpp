#include "progress/progress_file.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <csignal>

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

const QString PartialSuffix = u".partial"_s;
constexpr int DailyCopies = 7;
constexpr int WeeklyCopies = 4;

QString baseName(const QString &path)
{
    return QFileInfo(path).completeBaseName();
}

QString suffix(const QString &path)
{
    const QString found = QFileInfo(path).suffix();
    return found.isEmpty() ? QString() : u'.' + found;
}

bool isFileDamage(const QSqlError &error)
{
    // The extended code's low byte is the primary code.
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

} // namespace

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
    QString options = u"QSQLITE_BUSY_TIMEOUT=5000"_s;
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
    QSqlQuery mode(database());
    if (!mode.exec(u"PRAGMA journal_mode=WAL"_s) || !mode.next()) {
        m_lastError = mode.lastError().text();
        return false;
    }
    if (mode.value(0).toString().compare(u"wal"_s, Qt::CaseInsensitive) != 0) {
        m_lastError = tr("the journal cannot be kept beside the file");
        return false;
    }
    return exec(u"PRAGMA synchronous=FULL"_s) && exec(u"PRAGMA foreign_keys=ON"_s);
}

QString ProgressFile::moveAside(const QString &path, const QDateTime &now, QString *error)
{
    const QFileInfo info(path);
    const QString stamp = now.toLocalTime().toString(u"yyyy-MM-ddTHHmmss"_s);
    const QString stem = info.dir().filePath(baseName(path) + u"-damaged-"_s + stamp);
    QString target = stem + suffix(path);
    for (int other = 2; QFileInfo::exists(target) || QFileInfo::exists(target + u"-wal"_s); ++other)
        target = stem + u'-' + QString::number(other) + suffix(path);
    QFile file(path);
    if (!file.rename(target)) {
        if (error)
            *error = file.errorString();
        return QString();
    }
    // The journals belong with the file they were written for.
    for (const QString &journal : { u"-wal"_s, u"-shm"_s }) {
        if (QFileInfo::exists(path + journal))
            QFile::rename(path + journal, target + journal);
    }
    return target;
}

QString ProgressFile::backupFolder(const QString &path)
{
    return QFileInfo(path).dir().filePath(u"backups"_s);
}

QString ProgressFile::dailyBackupName(const QString &path, QDate day)
{
    return baseName(path) + u'-' + day.toString(u"yyyy-MM-dd"_s) + suffix(path);
}

QString ProgressFile::weeklyBackupName(const QString &path, QDate day)
{
    int year = 0;
    const int week = day.weekNumber(&year);
    return baseName(path) + u'-' + QString::number(year) + u"-W"_s
        + QString::number(week).rightJustified(2, u'0') + suffix(path);
}

QStringList ProgressFile::backupsToRemove(const QString &path, const QStringList &names)
{
    const QString stem = QRegularExpression::escape(baseName(path) + u'-');
    const QString end = QRegularExpression::escape(suffix(path));
    const QRegularExpression daily(u"^"_s + stem + u"\\d{4}-\\d{2}-\\d{2}"_s + end + u'$');
    const QRegularExpression weekly(u"^"_s + stem + u"\\d{4}-W\\d{2}"_s + end + u'$');
    QStringList dailies;
    QStringList weeklies;
    QStringList remove;
    for (const QString &name : names) {
        if (daily.match(name).hasMatch())
            dailies << name;
        else if (weekly.match(name).hasMatch())
            weeklies << name;
        else if (name.startsWith(baseName(path) + u'-') && name.endsWith(PartialSuffix))
            remove << name;
    }
    // The names sort as their dates do.
    const auto oldest = [&remove](QStringList copies, int kept) {
        std::sort(copies.begin(), copies.end());
        for (qsizetype index = 0; index + kept < copies.size(); ++index)
            remove << copies.at(index);
    };
    oldest(dailies, DailyCopies);
    oldest(weeklies, WeeklyCopies);
    return remove;
}

bool ProgressFile::backUp(const QDateTime &now)
{
    const QDate today = now.toLocalTime().date();
    const QDir folder(backupFolder(m_path));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        m_lastError
            = tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder.path()));
        return false;
    }
    const QString daily = folder.filePath(dailyBackupName(m_path, today));
    bool made = true;
    if (!QFileInfo::exists(daily)) {
        // Written under another name first, so a copy cut off half way is
        // never taken for a whole one.
        const QString partial = daily + PartialSuffix;
        QFile::remove(partial);
        QSqlQuery vacuum(database());
        vacuum.prepare(u"VACUUM INTO ?"_s);
        vacuum.addBindValue(partial);
        made = vacuum.exec();
        if (!made)
            m_lastError = vacuum.lastError().text();
        made = made && QFile::rename(partial, daily);
        if (!made)
            QFile::remove(partial);
    }
    const QString weekly = folder.filePath(weeklyBackupName(m_path, today));
    if (made && !QFileInfo::exists(weekly)) {
        const QString partial = weekly + PartialSuffix;
        QFile::remove(partial);
        made = QFile::copy(daily, partial) && QFile::rename(partial, weekly);
        if (!made)
            QFile::remove(partial);
    }
    for (const QString &name : backupsToRemove(m_path, folder.entryList(QDir::Files)))
        QFile::remove(folder.filePath(name));
    return made;
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
