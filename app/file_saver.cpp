#include "app/file_saver.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

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
        result.error = file.errorString();
        return result;
    }
    if (file.write(bytes) != bytes.size()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}
