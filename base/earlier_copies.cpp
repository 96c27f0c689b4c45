#include "base/earlier_copies.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

const QString FolderName = QStringLiteral("earlier");

bool holdsBytes(const QString &path, const QByteArray &bytes)
{
    // A file that cannot be read might still differ, so it is kept.
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

// A dangling link counts as taken too: moving a file onto it could write
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

// Qt's reasons for a failed move come from its copying fallback ("Cannot
// remove source file") and would not tell the user which folder refused.
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

} // namespace

KeepResult keepEarlierCopy(const QString &path, const QByteArray &newBytes)
{
    const QFileInfo file(path);
    if (!file.isFile() || holdsBytes(path, newBytes))
        return {};

    const QString folder = file.absolutePath() + QLatin1Char('/') + FolderName;
    if (isTaken(folder) && !QFileInfo(folder).isDir())
        return failure(QStringLiteral("a file named earlier is in the way"));
    if (!QDir().mkpath(folder)) {
        return failure(isReadOnly(file.absolutePath())
                ? readOnlyReason(file.absolutePath())
                : QStringLiteral("the folder earlier could not be created"));
    }

    // The C locale keeps the digits plain whatever the user's language.
    const QString stamp
        = QLocale::c().toString(file.lastModified(), QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    QFile earlier(path);
    for (int number = 1;; ++number) {
        const QString target = folder + QLatin1Char('/') + earlierName(file, stamp, number);
        if (isTaken(target))
            continue;
        if (earlier.rename(target)) {
            KeepResult result;
            result.keptPath = target;
            return result;
        }
        // Another program may have taken the name in the meantime.
        if (isTaken(target))
            continue;
        for (const QString &refusing : { file.absolutePath(), folder }) {
            if (isReadOnly(refusing))
                return failure(readOnlyReason(refusing));
        }
        const QString reason = earlier.errorString();
        if (reason.isEmpty() || reason == QCoreApplication::translate("QIODevice", "Unknown error"))
            return failure(QStringLiteral("the file could not be moved into the folder earlier"));
        return failure(reason);
    }
}

bool putEarlierCopyBack(const QString &path, const KeepResult &kept)
{
    if (kept.keptPath.isEmpty())
        return true;
    if (isTaken(path) || !QFile::rename(kept.keptPath, path))
        return false;
    QDir().rmdir(QFileInfo(kept.keptPath).absolutePath()); // only when nothing else is in it
    return true;
}
