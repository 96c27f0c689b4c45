#include "base/save_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <system_error>
#include <unistd.h>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString loginName(uid_t user)
{
    const passwd *entry = getpwuid(user);
    return entry && entry->pw_name ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

QString folderName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name;
}

} // namespace

bool isSameEntry(const struct stat &one, const struct stat &other)
{
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

QString saveFailureReason(int error, const FolderFacts &facts)
{
    switch (error) {
    case 0:
        // A write that stopped part-way without a word from the system.
        return QCoreApplication::translate(
            "SaveFailure", "the disk is full or the file could not be written whole");
    case ENOSPC:
        if (facts.noFreeInodes)
            return QCoreApplication::translate("SaveFailure",
                "the disk holds as many files as it can (no free inode is "
                "left), though it may have space");
        break;
    case EACCES:
    case EPERM:
        if (facts.ownedByAnother) {
            return facts.owner.isEmpty() ? QCoreApplication::translate(
                       "SaveFailure", "the folder %1 belongs to another user")
                                               .arg(facts.name)
                                         : QCoreApplication::translate("SaveFailure",
                                             "the folder %1 belongs to the user %2, not to you")
                                               .arg(facts.name, facts.owner);
        }
        if (!facts.writable)
            return QCoreApplication::translate("SaveFailure", "the folder %1 is read-only")
                .arg(facts.name);
        break;
    case EROFS:
        return QCoreApplication::translate(
            "SaveFailure", "the folder %1 is on a disk that can only be read")
            .arg(facts.name);
    case EDQUOT:
        return QCoreApplication::translate(
            "SaveFailure", "your share of the disk (your quota) is used up");
    default:
        break;
    }
    return systemReason(error);
}

QString saveFailureReason(int error, const QString &folderPath)
{
    FolderFacts facts;
    facts.name = folderName(folderPath);
    const QByteArray native = QFile::encodeName(folderPath);
    struct stat folder = {};
    if (::stat(native.constData(), &folder) == 0) {
        facts.ownedByAnother = folder.st_uid != geteuid();
        facts.owner = loginName(folder.st_uid);
        facts.writable = ::access(native.constData(), W_OK) == 0;
    }
    struct statvfs disk = {};
    if (::statvfs(native.constData(), &disk) == 0)
        facts.noFreeInodes = disk.f_files > 0 && disk.f_favail == 0;
    return saveFailureReason(error, facts);
}

SaveFolder::~SaveFolder()
{
    close();
}

void SaveFolder::close()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    m_descriptor = -1;
}

bool SaveFolder::open(const QString &path, Missing missing, QString *error)
{
    close();
    m_path = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString name = folderName(m_path);
    const QByteArray native = QFile::encodeName(m_path);
    const auto fail = [error](const QString &reason) {
        *error = reason;
        return false;
    };

    struct stat entry = {};
    if (::lstat(native.constData(), &entry) != 0) {
        const int lookedUp = errno;
        if (lookedUp == ENOENT && missing == Missing::Fail)
            return fail(QCoreApplication::translate("SaveFailure", "the folder %1 does not exist")
                            .arg(name));
        if (lookedUp != ENOENT)
            return fail(saveFailureReason(lookedUp, QFileInfo(m_path).absolutePath()));
        std::error_code refused;
        std::filesystem::create_directories(
            QFileInfo(m_path).filesystemAbsoluteFilePath(), refused);
        if (refused || ::lstat(native.constData(), &entry) != 0) {
            const QString reason
                = refused ? QString::fromLocal8Bit(refused.message().c_str()) : systemReason(errno);
            return fail(
                QCoreApplication::translate("SaveFailure", "The folder %1 could not be created: %2")
                    .arg(QDir::toNativeSeparators(m_path), reason));
        }
    }

    const bool linked = S_ISLNK(entry.st_mode);
    if (linked) {
        if (entry.st_uid != geteuid()) {
            const QString owner = loginName(entry.st_uid);
            return fail(owner.isEmpty()
                    ? QCoreApplication::translate("SaveFailure",
                        "the folder %1 is a link that belongs to another user, so it is not "
                        "followed")
                          .arg(name)
                    : QCoreApplication::translate("SaveFailure",
                        "the folder %1 is a link that belongs to the user %2, so it is not "
                        "followed")
                          .arg(name, owner));
        }
        struct stat target = {};
        if (::stat(native.constData(), &target) != 0) {
            if (errno == ENOENT || errno == ELOOP)
                return fail(QCoreApplication::translate(
                    "SaveFailure", "the folder %1 is a link that leads nowhere")
                                .arg(name));
            return fail(systemReason(errno));
        }
        if (!S_ISDIR(target.st_mode))
            return fail(QCoreApplication::translate("SaveFailure", "a file named %1 is in the way")
                            .arg(name));
    } else if (!S_ISDIR(entry.st_mode)) {
        return fail(
            QCoreApplication::translate("SaveFailure", "a file named %1 is in the way").arg(name));
    }

    m_descriptor = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_descriptor < 0)
        return fail(saveFailureReason(errno, m_path));
    // The folder opened must be the one checked: a link swapped in between
    // the two steps is not followed.
    struct stat now = {};
    struct stat opened = {};
    const bool unchanged = ::lstat(native.constData(), &now) == 0
        && ::fstat(m_descriptor, &opened) == 0 && bool(S_ISLNK(now.st_mode)) == linked
        && isSameEntry(now, entry) && now.st_uid == entry.st_uid
        && (linked || isSameEntry(opened, entry));
    if (!unchanged) {
        close();
        return fail(QCoreApplication::translate(
            "SaveFailure", "the folder %1 was changed by someone else while saving")
                        .arg(name));
    }
    return true;
}
