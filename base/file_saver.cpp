#include "base/file_saver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

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

SaveResult failed(const QSaveFile &file)
{
    SaveResult result;
    result.path = QDir::toNativeSeparators(file.fileName());
    result.error = failureReason(file);
    return result;
}

// A file that went wrong is thrown away, its reason taken first.
SaveResult abandoned(QSaveFile &file)
{
    const SaveResult result = failed(file);
    file.cancelWriting();
    return result;
}

SaveResult succeeded(const QSaveFile &file)
{
    SaveResult result;
    result.ok = true;
    result.path = QDir::toNativeSeparators(file.fileName());
    return result;
}

} // namespace

SaveResult openWholeFile(QSaveFile &file)
{
    if (!file.open(QIODevice::WriteOnly))
        return failed(file);
    return succeeded(file);
}

SaveResult finishWholeFile(QSaveFile &file)
{
    // A small write only fills Qt's buffer, and commit() in Qt 6.4 ignores a
    // failure of its own final flush: it would put an empty file in place of
    // the earlier one and report success. Flushing here first lets a full
    // disk fail while the earlier file is still there.
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return abandoned(file);
    // commit() can also return true while closing the file set an error: the
    // new file is then not to be trusted, so the user must not hear success.
    if (!file.commit() || file.error() != QFileDevice::NoError)
        return failed(file);
    return succeeded(file);
}

SaveResult saveWholeFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    std::error_code refused;
    std::filesystem::create_directories(folder.filesystemAbsoluteFilePath(), refused);
    if (refused) {
        SaveResult result;
        result.path = QDir::toNativeSeparators(path);
        result.error = QStringLiteral("The folder %1 could not be created: %2")
                           .arg(QDir::toNativeSeparators(folder.absoluteFilePath()),
                               QString::fromLocal8Bit(refused.message().c_str()));
        return result;
    }

    QSaveFile file(path);
    const SaveResult opened = openWholeFile(file);
    if (!opened.ok)
        return opened;
    if (file.write(bytes) != bytes.size())
        return abandoned(file);
    return finishWholeFile(file);
}
