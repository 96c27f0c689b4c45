#include "base/earlier_copies.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const QString FolderName = QStringLiteral("earlier");

QByteArray encoded(const QString &name)
{
    return QFile::encodeName(name);
}

// The file's bytes, read without following a link in its place.
bool readWhole(const QString &path, QByteArray *bytes)
{
    const int descriptor = ::open(encoded(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    QFile file;
    const bool read = file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (read)
        *bytes = file.readAll();
    else
        ::close(descriptor);
    return read && file.error() == QFileDevice::NoError;
}

bool holdsBytes(const QString &path, const QByteArray &bytes)
{
    // A file that cannot be read might still differ, so it is kept.
    QByteArray held;
    return QFileInfo(path).size() == bytes.size() && readWhole(path, &held) && held == bytes;
}

// Whether `copy` holds what `file` holds: a second name for it, or a file
// with the same bytes. A link to it is no copy: it would follow the file.
bool isCopyOf(const QString &copy, const QString &file)
{
    struct stat copied = {};
    struct stat original = {};
    if (::lstat(encoded(copy).constData(), &copied) != 0 || !S_ISREG(copied.st_mode)
        || ::lstat(encoded(file).constData(), &original) != 0 || !S_ISREG(original.st_mode))
        return false;
    if (isSameEntry(copied, original))
        return true;
    QByteArray bytes;
    return readWhole(file, &bytes) && holdsBytes(copy, bytes);
}

QString earlierName(const QFileInfo &file, const QString &stamp, int number)
{
    QString name = file.completeBaseName() + QLatin1Char(' ') + stamp;
    if (number > 1)
        name += QStringLiteral(" (%1)").arg(number);
    if (!file.suffix().isEmpty())
        name += QLatin1Char('.') + file.suffix();
    return name;
}

// Names earlierName() makes for `file`, with the stamp and number captured.
QRegularExpression earlierNamePattern(const QFileInfo &file)
{
    const QString suffix = file.suffix().isEmpty()
        ? QString()
        : QRegularExpression::escape(QLatin1Char('.') + file.suffix());
    return QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(file.completeBaseName())
        + QStringLiteral(" (\\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d)(?: \\((\\d+)\\))?") + suffix
        + QLatin1Char('$'));
}

KeepResult failure(const QString &reason)
{
    KeepResult result;
    result.ok = false;
    result.error = reason;
    return result;
}

KeepResult keptAt(const QString &path, bool madeNow)
{
    KeepResult result;
    result.keptPath = path;
    result.madeNow = madeNow;
    return result;
}

// File systems without hard links say so in several ways.
bool cannotLink(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == EMLINK || error == EXDEV
        || error == ENOSYS;
}

// A copy cut off by a kill leaves only its staging name, which the program
// alone makes; the next save of the same file clears it.
void clearCutOffCopy(const QString &earlierFolder, const QString &fileName)
{
    struct stat entry = {};
    if (::lstat(encoded(earlierFolder).constData(), &entry) != 0 || !S_ISDIR(entry.st_mode))
        return;
    QFile::remove(earlierFolder + QLatin1Char('/') + WholeFile::stagingNameFor(fileName));
}

} // namespace

KeepResult keepEarlierCopy(const QString &path, const QByteArray &newBytes)
{
    const QFileInfo file(path);
    const QString folderPath = file.absolutePath();
    const QString earlierPath = folderPath + QLatin1Char('/') + FolderName;
    clearCutOffCopy(earlierPath, file.fileName());

    // No file yet, or a link or anything else the save replaces without
    // losing what it leads to.
    struct stat entry = {};
    if (::lstat(encoded(path).constData(), &entry) != 0 || !S_ISREG(entry.st_mode))
        return {};
    if (holdsBytes(path, newBytes))
        return {};
    // The save could not put its file there either.
    if (::access(encoded(folderPath).constData(), W_OK) != 0)
        return failure(saveFailureReason(errno, folderPath));

    QString refused;
    SaveFolder folder;
    if (!folder.open(folderPath, SaveFolder::Missing::Fail, &refused))
        return failure(refused);
    struct stat earlierEntry = {};
    if (::lstat(encoded(earlierPath).constData(), &earlierEntry) != 0
        && ::mkdirat(folder.descriptor(), encoded(FolderName).constData(), 0777) != 0) {
        return failure(
            QCoreApplication::translate("SaveFailure", "the folder %1 could not be created: %2")
                .arg(FolderName, saveFailureReason(errno, folderPath)));
    }
    SaveFolder earlier;
    if (!earlier.open(earlierPath, SaveFolder::Missing::Fail, &refused))
        return failure(refused);

    // The C locale keeps the digits plain whatever the user's language.
    const QString stamp
        = QLocale::c().toString(file.lastModified(), QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    for (int number = 1;; ++number) {
        const QString name = earlierName(file, stamp, number);
        const QString target = earlierPath + QLatin1Char('/') + name;
        struct stat taken = {};
        if (::fstatat(earlier.descriptor(), encoded(name).constData(), &taken, AT_SYMLINK_NOFOLLOW)
                == 0
            || errno != ENOENT) {
            if (isCopyOf(target, path))
                return keptAt(target, false);
            continue;
        }
        if (!savesteps::withoutLinks()) {
            if (::linkat(folder.descriptor(), encoded(file.fileName()).constData(),
                    earlier.descriptor(), encoded(name).constData(), 0)
                == 0)
                return keptAt(target, true);
            // Another program may have taken the name in the meantime.
            if (errno == EEXIST)
                continue;
            if (!cannotLink(errno))
                return failure(saveFailureReason(errno, earlierPath));
        }
        // A file system without links (a memory stick, some network shares)
        // gets a copy, written whole like any save.
        QByteArray bytes;
        if (!readWhole(path, &bytes))
            return failure(QCoreApplication::translate(
                "SaveFailure", "the file could not be read to keep a copy of it"));
        WholeFile copy(target, WholeFile::stagingNameFor(file.fileName()));
        SaveResult copied = copy.begin();
        if (copied.ok) {
            copy.write(bytes);
            copied = copy.finish();
        }
        if (!copied.ok)
            return failure(copied.error);
        // The copy is dated as the file was, as a link would be.
        QFile(target).setFileTime(file.lastModified(), QFileDevice::FileModificationTime);
        return keptAt(target, true);
    }
}

bool dropEarlierCopy(const QString &path, const KeepResult &kept)
{
    if (!kept.madeNow)
        return true;
    // Only while the file is still the one copied: a save that failed after
    // all put its file in place must not cost the earlier one.
    if (!isCopyOf(kept.keptPath, path))
        return false;
    if (!QFile::remove(kept.keptPath))
        return false;
    QDir().rmdir(QFileInfo(kept.keptPath).absolutePath()); // only when nothing else is in it
    return true;
}

void pruneEarlierCopies(const QString &path, int kept)
{
    const QFileInfo file(path);
    QDir earlier(file.absolutePath() + QLatin1Char('/') + FolderName);
    const QRegularExpression pattern = earlierNamePattern(file);
    struct Copy
    {
        QString stamp;
        int number;
        QString name;
    };
    std::vector<Copy> copies;
    // Links are never the program's own copies.
    for (const QString &name : earlier.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch())
            copies.push_back({ match.captured(1), qMax(1, match.captured(2).toInt()), name });
    }
    if (int(copies.size()) <= kept)
        return;
    std::sort(copies.begin(), copies.end(), [](const Copy &one, const Copy &other) {
        return one.stamp != other.stamp ? one.stamp < other.stamp : one.number < other.number;
    });
    for (std::size_t at = 0; at + std::size_t(kept) < copies.size(); ++at)
        earlier.remove(copies.at(at).name);
}

SaveResult saveKeepingEarlierCopy(const QString &path, const QByteArray &bytes)
{
    const KeepResult kept = keepEarlierCopy(path, bytes);
    if (!kept.ok)
        return { false, QDir::toNativeSeparators(path), kept.error };
    const SaveResult saved = saveWholeFile(path, bytes);
    if (!saved.ok)
        dropEarlierCopy(path, kept);
    else if (kept.madeNow)
        pruneEarlierCopies(path);
    return saved;
}
