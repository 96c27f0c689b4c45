#include "progress/private_files.h"

#include "base/file_saver.h"
#include "base/save_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace progress {

namespace {

constexpr mode_t PrivateFile = 0600;
constexpr mode_t PrivateFolder = 0700;
constexpr std::size_t CopyChunk = 64 * 1024;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString loginName(uid_t user)
{
    const passwd *entry = getpwuid(user);
    return entry && entry->pw_name ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

Entry entryOf(const struct stat &found)
{
    Entry entry;
    if (S_ISLNK(found.st_mode))
        entry.kind = Entry::Link;
    else if (S_ISDIR(found.st_mode))
        entry.kind = Entry::Folder;
    else if (S_ISREG(found.st_mode))
        entry.kind = Entry::File;
    else
        entry.kind = Entry::Other;
    entry.names = int(found.st_nlink);
    entry.ownedByAnother = found.st_uid != geteuid();
    if (entry.ownedByAnother)
        entry.owner = loginName(found.st_uid);
    entry.size = qint64(found.st_size);
    return entry;
}

// Closes the descriptor when it goes.
struct Descriptor
{
    explicit Descriptor(int descriptor)
        : value(descriptor)
    { }
    ~Descriptor()
    {
        if (value >= 0)
            ::close(value);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int value = -1;
};

} // namespace

Entry lookAt(const QString &path)
{
    struct stat found = {};
    if (::lstat(QFile::encodeName(path).constData(), &found) != 0) {
        Entry entry;
        if (errno != ENOENT)
            entry.error = errno;
        return entry;
    }
    return entryOf(found);
}

QString whatIsWrong(const QString &path, const Entry &entry)
{
    switch (entry.kind) {
    case Entry::Missing:
        return entry.error == 0
            ? QString()
            //: %1 is a file, %2 the system's own words.
            : QCoreApplication::translate("ProgressFile", "%1 cannot be looked at (%2)")
                  .arg(native(path), systemReason(entry.error));
    case Entry::Link:
        return QCoreApplication::translate("ProgressFile", "%1 is a symbolic link")
            .arg(native(path));
    case Entry::Folder:
        return QCoreApplication::translate("ProgressFile", "%1 is a folder").arg(native(path));
    case Entry::Other:
        return QCoreApplication::translate("ProgressFile", "%1 is not an ordinary file")
            .arg(native(path));
    case Entry::File:
        break;
    }
    if (entry.ownedByAnother) {
        return entry.owner.isEmpty()
            ? QCoreApplication::translate("ProgressFile", "%1 belongs to another user, not to you")
                  .arg(native(path))
            //: %2 is the other user's login name.
            : QCoreApplication::translate("ProgressFile", "%1 belongs to the user %2, not to you")
                  .arg(native(path), entry.owner);
    }
    if (entry.names > 1)
        return QCoreApplication::translate("ProgressFile",
            "%1 has other names too (hard links), through which it could be changed")
            .arg(native(path));
    return QString();
}

QString whyRefused(const QString &path, const Entry &entry)
{
    const QString wrong = whatIsWrong(path, entry);
    if (wrong.isEmpty())
        return wrong;
    QString remedy = QCoreApplication::translate("ProgressFile", "move it out of the way");
    if (entry.kind == Entry::Link)
        remedy = QCoreApplication::translate(
            "ProgressFile", "remove the link, or put what it leads to in its place");
    else if (entry.kind == Entry::File && !entry.ownedByAnother)
        remedy = QCoreApplication::translate("ProgressFile", "put a copy of it in its place");
    //: %1 says what is wrong ("/x/progress.sqlite is a symbolic link"), %2 what
    //: to do about it ("move it out of the way").
    return QCoreApplication::translate("ProgressFile", "%1, so it is not used: %2")
        .arg(wrong, remedy);
}

QString makePrivate(const QString &path)
{
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat found = {};
    if (file.value < 0 || ::fstat(file.value, &found) != 0)
        return QCoreApplication::translate("ProgressFile", "%1 cannot be read (%2)")
            .arg(native(path), systemReason(errno));
    const QString wrong = whatIsWrong(path, entryOf(found));
    if (!wrong.isEmpty())
        return wrong;
    // Others lose every right; the user keeps what they had, so a file
    // made read-only stays so.
    const mode_t kept = found.st_mode & PrivateFile;
    if ((found.st_mode & 0777) != kept && ::fchmod(file.value, kept) != 0)
        //: %1 is a file, %2 the system's own words.
        return QCoreApplication::translate(
            "ProgressFile", "%1 cannot be kept from other users (%2)")
            .arg(native(path), systemReason(errno));
    return QString();
}

QString createPrivateFile(const QString &path)
{
    const Descriptor file(::open(QFile::encodeName(path).constData(),
        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, PrivateFile));
    if (file.value < 0) {
        const int error = errno;
        if (error == EEXIST)
            return whyRefused(path, lookAt(path));
        //: %1 is a file, %2 why, in words ending without a full stop.
        return QCoreApplication::translate("ProgressFile", "%1 cannot be made (%2)")
            .arg(native(path), saveFailureReason(error, QFileInfo(path).absolutePath()));
    }
    return QString();
}

QString preparePrivateFolder(const QString &path, FolderLinks links)
{
    const QByteArray name = QFile::encodeName(path);
    Entry entry = lookAt(path);
    if (entry.kind == Entry::Missing && entry.error == 0) {
        // Made private at once, so no one can plant anything in it meanwhile.
        if (!QDir().mkpath(QFileInfo(path).absolutePath())
            || (::mkdir(name.constData(), PrivateFolder) != 0 && errno != EEXIST))
            //: Follows "Pupils' progress cannot be kept:".
            return QCoreApplication::translate("ProgressStore", "the folder %1 cannot be made")
                .arg(native(path));
        entry = lookAt(path);
    }
    if (entry.kind == Entry::Link && links == FolderLinks::Refuse)
        return whyRefused(path, entry);
    SaveFolder folder;
    QString refused;
    if (!folder.open(path, SaveFolder::Missing::Fail, &refused))
        //: %1 is a folder, %2 why, in words ending without a full stop.
        return QCoreApplication::translate("ProgressFile", "the folder %1 cannot be used: %2")
            .arg(native(path), refused);
    struct stat found = {};
    if (::fstat(folder.descriptor(), &found) != 0)
        return QCoreApplication::translate("ProgressFile", "the folder %1 cannot be used: %2")
            .arg(native(path), systemReason(errno));
    if (found.st_uid != geteuid()) {
        FolderFacts facts;
        facts.name = native(path);
        facts.ownedByAnother = true;
        facts.owner = loginName(found.st_uid);
        return saveFailureReason(EACCES, facts);
    }
    const mode_t kept = found.st_mode & PrivateFolder;
    if ((found.st_mode & 0777) != kept && ::fchmod(folder.descriptor(), kept) != 0)
        return QCoreApplication::translate(
            "ProgressFile", "%1 cannot be kept from other users (%2)")
            .arg(native(path), systemReason(errno));
    return QString();
}

QString copyPrivately(const QString &from, const QString &to)
{
    const Descriptor source(
        ::open(QFile::encodeName(from).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat found = {};
    if (source.value < 0 || ::fstat(source.value, &found) != 0)
        return QCoreApplication::translate("ProgressFile", "%1 cannot be read (%2)")
            .arg(native(from), systemReason(errno));
    if (const QString wrong = whatIsWrong(from, entryOf(found)); !wrong.isEmpty())
        return wrong;
    WholeFile copy(to);
    copy.keepPrivate();
    const SaveResult opened = copy.begin(SaveFolder::Missing::Fail);
    if (!opened.ok)
        return QCoreApplication::translate("ProgressFile", "%1 cannot be written (%2)")
            .arg(native(to), opened.error);
    std::array<char, CopyChunk> chunk {};
    for (;;) {
        const ssize_t got = ::read(source.value, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return QCoreApplication::translate("ProgressFile", "%1 cannot be read (%2)")
                .arg(native(from), systemReason(errno));
        if (got == 0)
            break;
        if (copy.write(chunk.data(), got) != got)
            break; // finish() tells why
    }
    const SaveResult finished = copy.finish();
    return finished.ok ? QString()
                       : QCoreApplication::translate("ProgressFile", "%1 cannot be written (%2)")
                             .arg(native(to), finished.error);
}

QString fileStem(const QString &path)
{
    return QFileInfo(path).completeBaseName();
}

QString fileEnding(const QString &path)
{
    const QString found = QFileInfo(path).suffix();
    return found.isEmpty() ? QString() : u'.' + found;
}

} // namespace progress
