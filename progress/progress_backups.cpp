// The daily and weekly backups of the progress file, and reading them back.

#include "progress/private_files.h"
#include "progress/progress_file.h"
#include "progress/progress_store.h"
#include "progress/stored_rows.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace progress {

namespace {

QAtomicInt readerCount;

// Left by versions that wrote a copy under its own name plus this.
const QString PartialSuffix = u".partial"_s;
constexpr int DailyCopies = 7;
constexpr int WeeklyCopies = 4;

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

QRegularExpression backupName(const QString &path, const QString &dated)
{
    return QRegularExpression(u"^"_s + QRegularExpression::escape(fileStem(path) + u'-') + dated
        + QRegularExpression::escape(fileEnding(path)) + u'$');
}

QRegularExpression dailyName(const QString &path)
{
    return backupName(path, u"\\d{4}-\\d{2}-\\d{2}"_s);
}

QRegularExpression weeklyName(const QString &path)
{
    return backupName(path, u"\\d{4}-W\\d{2}"_s);
}

// A copy of the user's own, standing under its own name only.
bool isPlainCopy(const QString &path)
{
    const Entry entry = lookAt(path);
    return entry.kind == Entry::File && whatIsWrong(path, entry).isEmpty();
}

// A day's copy is named after the day it was made; a week's copy was made
// when it was last written.
QDate madeOn(const QString &path)
{
    const QString name = QFileInfo(path).completeBaseName();
    const QDate named = QDate::fromString(name.right(10), u"yyyy-MM-dd"_s);
    return named.isValid() ? named : QFileInfo(path).lastModified().date();
}

// What a copy holds, read through a connection that never writes; none when
// it cannot be read, or fails its check when `check` asks for one.
std::optional<Backup> readBackup(const QString &path, bool check)
{
    if (!isPlainCopy(path))
        return std::nullopt;
    std::optional<Backup> backup;
    const QString connection = u"backup-%1"_s.arg(readerCount.fetchAndAddRelaxed(1) + 1);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
        db.setDatabaseName(path);
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        QSqlQuery query(db);
        query.setForwardOnly(true);
        bool sound = db.open();
        if (sound && check) {
            sound = query.exec(u"PRAGMA quick_check"_s) && query.next()
                && query.value(0).toString() == u"ok"_s;
        }
        // The newest answer of each pupil is read off the index by time.
        if (sound
            && query.exec(u"SELECT (SELECT MAX((SELECT MAX(answered_at) FROM attempt"
                          " WHERE attempt.pupil_id = pupil.id)) FROM pupil),"
                          " (SELECT COUNT(*) FROM attempt)"_s)
            && query.next()) {
            backup = Backup();
            backup->path = path;
            backup->madeOn = madeOn(path);
            if (!query.value(0).isNull())
                backup->newestAnswer = timeFromText(query.value(0).toString());
            backup->answers = query.value(1).toLongLong();
        }
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return backup;
}

// The copy with the latest answers first: by the newest answer it holds,
// then by how many, then by name. A wrong clock's dates in the names count
// for nothing.
bool holdsLater(const Backup &one, const Backup &other)
{
    if (one.newestAnswer.isValid() != other.newestAnswer.isValid())
        return one.newestAnswer.isValid();
    if (one.newestAnswer != other.newestAnswer)
        return one.newestAnswer > other.newestAnswer;
    if (one.answers != other.answers)
        return one.answers > other.answers;
    return one.path > other.path;
}

// What a copy cut off by a crash leaves: a temporary folder, a save's
// staging file, a copy written by an older version under another name.
bool isLeftover(const QString &path, const QString &name)
{
    const QString stem = fileStem(path) + u'-';
    return (name.startsWith(u'.' + stem))
        || (name.startsWith(stem) && name.endsWith(PartialSuffix));
}

void removeEntry(const QString &path)
{
    if (lookAt(path).kind == Entry::Folder)
        QDir(path).removeRecursively();
    else
        ::unlink(QFile::encodeName(path).constData());
}

} // namespace

QString ProgressFile::backupFolder(const QString &path)
{
    return QFileInfo(path).dir().filePath(u"backups"_s);
}

QString ProgressFile::dailyBackupName(const QString &path, QDate day)
{
    return fileStem(path) + u'-' + day.toString(u"yyyy-MM-dd"_s) + fileEnding(path);
}

QString ProgressFile::weeklyBackupName(const QString &path, QDate day)
{
    int year = 0;
    const int week = day.weekNumber(&year);
    return fileStem(path) + u'-' + QString::number(year) + u"-W"_s
        + QString::number(week).rightJustified(2, u'0') + fileEnding(path);
}

QList<Backup> ProgressFile::backups(const QString &path)
{
    QList<Backup> found;
    const QString folder = backupFolder(path);
    const Entry entry = lookAt(folder);
    if (entry.kind != Entry::Folder || entry.ownedByAnother)
        return found;
    const QRegularExpression daily = dailyName(path);
    const QRegularExpression weekly = weeklyName(path);
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::System, QDir::Name)) {
        if (!daily.match(name).hasMatch() && !weekly.match(name).hasMatch())
            continue;
        // Checked only when chosen: the check reads each whole copy.
        if (const std::optional<Backup> backup = readBackup(QDir(folder).filePath(name), false))
            found << *backup;
    }
    std::sort(found.begin(), found.end(), holdsLater);
    // A week's copy holds what the day's copy it was taken from holds: the
    // day's copy, with its day in its name, stands for both.
    QList<Backup> listed;
    for (const Backup &backup : std::as_const(found)) {
        const auto same = std::find_if(
            listed.begin(), listed.end(), [&backup](const Backup &shown) {
                return shown.newestAnswer == backup.newestAnswer && shown.answers == backup.answers;
            });
        if (same == listed.end())
            listed << backup;
        else if (weekly.match(QFileInfo(same->path).fileName()).hasMatch())
            *same = backup;
    }
    return listed;
}

bool ProgressFile::isWholeBackup(const QString &backup)
{
    return readBackup(backup, true).has_value();
}

QString ProgressFile::copyBackup(const QString &backup, const QString &path)
{
    return copyPrivately(backup, path);
}

bool ProgressFile::backUp(const QDateTime &now)
{
    m_lastError.clear();
    const QString folder = backupFolder(m_path);
    if (const QString refused = preparePrivateFolder(folder, FolderLinks::Refuse);
        !refused.isEmpty()) {
        m_lastError = refused;
        return false;
    }
    const QDir backups(folder);
    for (const QString &name :
        backups.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (isLeftover(m_path, name))
            removeEntry(backups.filePath(name));
    }

    const QDate today = now.toLocalTime().date();
    // A link or anything else planted under a copy's name is replaced,
    // never written through.
    const QString daily = backups.filePath(dailyBackupName(m_path, today));
    bool made = false;
    if (!isPlainCopy(daily)) {
        if (!writeDailyBackup(daily))
            return false;
        made = true;
    }
    const QString weekly = backups.filePath(weeklyBackupName(m_path, today));
    if (!isPlainCopy(weekly)) {
        if (const QString failed = copyPrivately(daily, weekly); !failed.isEmpty()) {
            m_lastError = failed;
            return false;
        }
        made = true;
    }
    if (made)
        pruneBackups(m_path, folder);
    return true;
}

// Written in a private folder of its own first, so that no one can open a
// copy on its way, and a copy cut off half way is never taken for a whole
// one; then renamed into place, which replaces a link rather than following
// it.
bool ProgressFile::writeDailyBackup(const QString &daily)
{
    const QString folder = QFileInfo(daily).absolutePath();
    QByteArray pattern
        = QFile::encodeName(QDir(folder).filePath(u'.' + fileStem(m_path) + u"-XXXXXX"_s));
    if (!::mkdtemp(pattern.data())) {
        //: %1 is a folder, %2 the system's own words.
        m_lastError = tr("nothing can be written in the folder %1 (%2)")
                          .arg(QDir::toNativeSeparators(folder), systemReason());
        return false;
    }
    const QString workFolder = QFile::decodeName(pattern);
    const QString copy = QDir(workFolder).filePath(QFileInfo(daily).fileName());
    QSqlQuery vacuum(database());
    vacuum.prepare(u"VACUUM INTO ?"_s);
    vacuum.addBindValue(copy);
    bool made = vacuum.exec();
    if (!made)
        m_lastError = vacuum.lastError().text();
    vacuum.finish();
    if (made) {
        const int written
            = ::open(QFile::encodeName(copy).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        made = written >= 0 && ::fchmod(written, 0600) == 0 && ::fsync(written) == 0;
        if (!made)
            m_lastError = tr("%1 cannot be written (%2)")
                              .arg(QDir::toNativeSeparators(copy), systemReason());
        if (written >= 0)
            ::close(written);
    }
    if (made
        && ::rename(QFile::encodeName(copy).constData(), QFile::encodeName(daily).constData())
            != 0) {
        m_lastError
            = tr("%1 cannot be written (%2)").arg(QDir::toNativeSeparators(daily), systemReason());
        made = false;
    }
    QDir(workFolder).removeRecursively();
    if (m_lastError.isEmpty() && !made)
        m_lastError = tr("the copy was not made whole");
    return made;
}

// Only the 7 daily and 4 weekly copies holding the latest answers are kept,
// judged by what they hold: after a wrong clock once named copies years
// ahead, the copies made since are still the latest.
void ProgressFile::pruneBackups(const QString &path, const QString &folder)
{
    const QDir backups(folder);
    const QStringList names = backups.entryList(QDir::Files | QDir::System, QDir::Name);
    for (const auto &[pattern, kept] :
        { std::pair { dailyName(path), DailyCopies }, { weeklyName(path), WeeklyCopies } }) {
        QList<Backup> copies;
        for (const QString &name : names) {
            if (!pattern.match(name).hasMatch())
                continue;
            const QString copy = backups.filePath(name);
            if (!isPlainCopy(copy)) {
                removeEntry(copy);
                continue;
            }
            // A copy that cannot be read holds nothing worth keeping.
            Backup unreadable;
            unreadable.path = copy;
            copies << readBackup(copy, false).value_or(unreadable);
        }
        std::sort(copies.begin(), copies.end(), holdsLater);
        for (qsizetype index = 0; index < copies.size(); ++index) {
            if (index >= kept)
                removeEntry(copies.at(index).path);
            else
                makePrivate(copies.at(index).path); // as older versions did not
        }
    }
}

} // namespace progress
