#include "base/file_saver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Past a file size limit (`ulimit -f`, common on lab machines) the system
// ends the program with SIGXFSZ, and the pupil's whole session with it.
// Ignored, the write fails instead and is told like a full disk.
void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}
Q_COREAPP_STARTUP_FUNCTION(ignoreFileSizeSignal)

// Qt buffers 16 KiB; a PDF arrives in many small pieces.
constexpr qsizetype WriteChunk = 64 * 1024;

savesteps::Hook stepHook = nullptr;
bool actWithoutLinks = false;

void reached(savesteps::Step step, const QString &path)
{
    if (stepHook)
        stepHook(step, path);
}

QByteArray encoded(const QString &name)
{
    return QFile::encodeName(name);
}

// Whether the system refused an unnamed file because the file system cannot
// make one, rather than for a reason the named file would meet too.
bool cannotBeUnnamed(int error)
{
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL || error == ENOENT;
}

} // namespace

namespace savesteps {
void setHook(Hook hook)
{
    stepHook = hook;
}
void setWithoutLinks(bool withoutLinks)
{
    actWithoutLinks = withoutLinks;
}
bool withoutLinks()
{
    return actWithoutLinks;
}
} // namespace savesteps

QString WholeFile::stagingNameFor(const QString &fileName)
{
    return QLatin1Char('.') + fileName + QStringLiteral(".orvi-saving");
}

WholeFile::WholeFile(const QString &path, const QString &stagingName)
    : m_path(QFileInfo(path).absoluteFilePath())
    , m_name(QFileInfo(path).fileName())
    , m_staging(stagingName.isEmpty() ? stagingNameFor(m_name) : stagingName)
{ }

WholeFile::~WholeFile()
{
    abandon();
}

SaveResult WholeFile::failure(const QString &reason)
{
    abandon();
    SaveResult result;
    result.path = QDir::toNativeSeparators(m_path);
    result.error = reason;
    return result;
}

SaveResult WholeFile::failure(int error)
{
    return failure(saveFailureReason(error, QFileInfo(m_path).absolutePath()));
}

SaveResult WholeFile::begin(SaveFolder::Missing missing)
{
    abandon();
    m_failed = false;
    m_error = 0;
    QString refused;
    if (!m_folder.open(QFileInfo(m_path).absolutePath(), missing, &refused))
        return failure(refused);
    const int folder = m_folder.descriptor();

    // The new file gets the old one's permissions, as an editor's save does.
    mode_t mode = 0666;
    struct stat existing = {};
    if (::fstatat(folder, encoded(m_name).constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISDIR(existing.st_mode))
            return failure(
                QCoreApplication::translate("SaveFailure", "a folder named %1 is in the way")
                    .arg(m_name));
        if (S_ISREG(existing.st_mode))
            mode = existing.st_mode & 0777;
    }
    if (m_private)
        mode = 0600;
    // What a save cut off before left under the staging name.
    if (::unlinkat(folder, encoded(m_staging).constData(), 0) != 0 && errno != ENOENT)
        return failure(errno);

    // An unnamed file is only worth it where it can be given a name later.
    const bool canLink = !actWithoutLinks && ::access("/proc/self/fd", X_OK) == 0;
    if (canLink) {
        m_descriptor = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        m_unnamed = m_descriptor >= 0;
        if (!m_unnamed && !cannotBeUnnamed(errno))
            return failure(errno);
    }
    if (!m_unnamed) {
        m_descriptor = ::openat(folder, encoded(m_staging).constData(),
            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (m_descriptor < 0)
            return failure(errno);
        m_staged = true;
    }
    QIODevice::open(QIODevice::WriteOnly);
    reached(savesteps::Step::Opened, m_path);
    SaveResult result;
    result.ok = true;
    result.path = QDir::toNativeSeparators(m_path);
    return result;
}

qint64 WholeFile::readData(char *, qint64)
{
    return -1;
}

qint64 WholeFile::writeData(const char *data, qint64 size)
{
    if (m_failed || m_descriptor < 0)
        return -1;
    m_pending.append(data, size);
    if (m_pending.size() >= WriteChunk && !writeOut())
        return -1;
    return size;
}

bool WholeFile::writeOut()
{
    const char *next = m_pending.constData();
    qsizetype left = m_pending.size();
    while (left > 0) {
        const ssize_t written = ::write(m_descriptor, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            m_failed = true;
            m_error = written < 0 ? errno : 0;
            setErrorString(saveFailureReason(m_error, QFileInfo(m_path).absolutePath()));
            return false;
        }
        next += written;
        left -= written;
    }
    m_pending.clear();
    return true;
}

SaveResult WholeFile::finish()
{
    if (m_descriptor < 0)
        return failure(
            QCoreApplication::translate("SaveFailure", "the file was not open for writing"));
    if (m_failed || !writeOut())
        return failure(m_error);
    if (::fsync(m_descriptor) != 0)
        return failure(errno);
    reached(savesteps::Step::Written, m_path);

    const int folder = m_folder.descriptor();
    const QByteArray staging = encoded(m_staging);
    if (m_unnamed) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_descriptor);
        int linked
            = ::linkat(AT_FDCWD, self.constData(), folder, staging.constData(), AT_SYMLINK_FOLLOW);
        // Another save of the same file may have left one meanwhile.
        if (linked != 0 && errno == EEXIST && ::unlinkat(folder, staging.constData(), 0) == 0)
            linked = ::linkat(
                AT_FDCWD, self.constData(), folder, staging.constData(), AT_SYMLINK_FOLLOW);
        if (linked != 0)
            return failure(errno);
        m_staged = true;
    }
    const int closed = ::close(m_descriptor);
    m_descriptor = -1;
    // Network file systems report a failed write only here.
    if (closed != 0)
        return failure(errno);
    reached(savesteps::Step::Named, m_path);

    // A rename puts the file in place of whatever stands there, a link too,
    // without following it.
    if (::renameat(folder, staging.constData(), folder, encoded(m_name).constData()) != 0) {
        const int refused = errno;
        if (refused == EISDIR || refused == ENOTEMPTY)
            return failure(
                QCoreApplication::translate("SaveFailure", "a folder named %1 is in the way")
                    .arg(m_name));
        return failure(refused);
    }
    m_staged = false;
    ::fsync(folder); // the new name survives a power cut too; a failure here loses nothing
    QIODevice::close();
    reached(savesteps::Step::Replaced, m_path);
    SaveResult result;
    result.ok = true;
    result.path = QDir::toNativeSeparators(m_path);
    return result;
}

void WholeFile::abandon()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    m_descriptor = -1;
    removeStaging();
    m_unnamed = false;
    m_pending.clear();
    if (isOpen())
        QIODevice::close();
}

void WholeFile::removeStaging()
{
    if (m_staged && m_folder.descriptor() >= 0)
        ::unlinkat(m_folder.descriptor(), encoded(m_staging).constData(), 0);
    m_staged = false;
}

SaveResult saveWholeFile(const QString &path, const QByteArray &bytes)
{
    WholeFile file(path);
    const SaveResult opened = file.begin();
    if (!opened.ok)
        return opened;
    file.write(bytes); // a failed write makes finish() refuse, with its reason
    return file.finish();
}
