#include "base/file_saver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// What went wrong, in the system's words where it gave any. A write that
// stopped part-way (a full disk, a file size limit) often leaves no reason at
// all, and "Unknown error" would tell the user nothing.
QString failureReason(const QSaveFile &file)
{
    const QString reason = file.errorString();
    const bool noReason = file.error() == QFileDevice::NoError || reason.isEmpty()
        || reason == QCoreApplication::translate("QIODevice", "Unknown error");
    return noReason ? QStringLiteral("the disk is full or the file could not be written whole")
                    : reason;
}

} // namespace

SaveResult saveWholeFile(const QString &path, const QByteArray &bytes)
{
    SaveResult result;
    result.path = QDir::toNativeSeparators(path);

    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        result.error = QStringLiteral("The folder %1 could not be created.")
                           .arg(QDir::toNativeSeparators(folder));
        return result;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = failureReason(file);
        return result;
    }
    // A small write only fills Qt's buffer, and commit() in Qt 6.4 ignores a
    // failure of its own final flush: it would put an empty file in place of
    // the earlier one and report success. Flushing here first lets a full
    // disk fail while the earlier file is still there.
    if (file.write(bytes) != bytes.size() || !file.flush()
        || file.error() != QFileDevice::NoError) {
        result.error = failureReason(file);
        file.cancelWriting();
        return result;
    }
    // commit() can also return true while closing the file set an error: the
    // new file is then not to be trusted, so the user must not hear success.
    if (!file.commit() || file.error() != QFileDevice::NoError) {
        result.error = failureReason(file);
        return result;
    }
    result.ok = true;
    return result;
}
