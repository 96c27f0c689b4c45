#include "base/earlier_copies.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <filesystem>
#include <system_error>

namespace {

const QString FolderName = QStringLiteral("earlier");

std::filesystem::path systemPath(const QString &path)
{
    return QFileInfo(path).filesystemFilePath();
}

bool holdsBytes(const QString &path, const QByteArray &bytes)
{
    // A file that cannot be read might still differ, so it is kept.
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

// Whether `copy` holds what `file` holds: a second name for it, or a file
// with the same bytes. A link to it is no copy: it would follow the file.
bool isCopyOf(const QString &copy, const QString &file)
{
    if (QFileInfo(copy).isSymLink())
        return false;
    std::error_code unknown;
    if (std::filesystem::equivalent(systemPath(copy), systemPath(file), unknown))
        return true;
    QFile original(file);
    return original.open(QIODevice::ReadOnly) && holdsBytes(copy, original.readAll());
}

// A dangling link counts as taken too: a copy written onto it could land
// wherever it points.
bool isTaken(const QString &path)
{
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
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

// The system's reason for a refused link or copy ("Permission denied") would
// not tell the user which folder refused.
bool isReadOnly(const QString &folder)
{
    const QFileInfo entry(folder);
    return entry.isDir() && !entry.isWritable();
}

QString readOnlyReason(const QString &folder)
{
    return QStringLiteral("the folder %1 is read-only").arg(QFileInfo(folder).fileName());
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

bool isUnknown(const QString &reason)
{
    return reason.isEmpty() || reason == QCoreApplication::translate("QIODevice", "Unknown error");
}

} // namespace

KeepResult keepEarlierCopy(const QString &path, const QByteArray &newBytes)
{
    const QFileInfo file(path);
    if (!file.isFile() || holdsBytes(path, newBytes))
        return {};
    // The save could not put its file there either.
    if (isReadOnly(file.absolutePath()))
        return failure(readOnlyReason(file.absolutePath()));

    const QString folder = file.absolutePath() + QLatin1Char('/') + FolderName;
    if (isTaken(folder) && !QFileInfo(folder).isDir())
        return failure(QStringLiteral("a file named earlier is in the way"));
    std::error_code refused;
    std::filesystem::create_directory(systemPath(folder), refused);
    if (refused) {
        return failure(QStringLiteral("the folder earlier could not be created: ")
            + QString::fromLocal8Bit(refused.message().c_str()));
    }

    // The file the save replaces, whatever links lead to it.
    const QString source = file.canonicalFilePath();
    // The C locale keeps the digits plain whatever the user's language.
    const QString stamp
        = QLocale::c().toString(file.lastModified(), QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    for (int number = 1;; ++number) {
        const QString target = folder + QLatin1Char('/') + earlierName(file, stamp, number);
        if (isTaken(target)) {
            if (isCopyOf(target, source))
                return keptAt(target, false);
            continue;
        }
        std::error_code unlinked;
        std::filesystem::create_hard_link(systemPath(source), systemPath(target), unlinked);
        if (!unlinked)
            return keptAt(target, true);
        // Another program may have taken the name in the meantime.
        if (unlinked == std::errc::file_exists)
            continue;
        // A file system without links (a memory stick, some network shares)
        // gets a copy; Qt writes it under a passing name, so it appears whole
        // or not at all.
        QFile original(source);
        if (original.copy(target))
            return keptAt(target, true);
        if (isTaken(target))
            continue;
        // The file's own folder was checked above.
        if (isReadOnly(folder))
            return failure(readOnlyReason(folder));
        const QString reason = original.errorString();
        if (isUnknown(reason))
            return failure(QStringLiteral("the file could not be copied into the folder earlier"));
        return failure(reason);
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
