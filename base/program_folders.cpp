#include "base/program_folders.h"

#include "base/maker_info.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// Whether a file can really be made in the folder: permissions, read-only
// mounts and a path through a plain file all show here, for root too.
bool canWriteIn(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.orvi-write-test-XXXXXX"));
    return probe.open();
}

} // namespace

ProgramFolders::ProgramFolders(const QString &applicationFolder, const QString &documentsFolder)
{
    const QString installedPages = QDir::cleanPath(applicationFolder + QStringLiteral("/../share/")
        + QString::fromLatin1(tutor::ApplicationId));
    const bool installed = QFileInfo(installedPages + QStringLiteral("/html")).isDir();
    m_shipped = installed ? installedPages : applicationFolder;
    m_userFiles = !installed && canWriteIn(applicationFolder) ? applicationFolder : documentsFolder;
}

QString ProgramFolders::userDocumentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        + QStringLiteral("/Orvi Math Tutor");
}

QString ProgramFolders::shippedFile(const QString &relativePath) const
{
    return m_shipped + QLatin1Char('/') + relativePath;
}

QString ProgramFolders::reportsFolder() const
{
    return m_userFiles + QStringLiteral("/reports");
}

QString ProgramFolders::worksheetsFolder() const
{
    return m_userFiles + QStringLiteral("/worksheets");
}
