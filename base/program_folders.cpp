#include "base/program_folders.h"

#include "base/language.h"
#include "base/maker_info.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <pwd.h>
#include <unistd.h>

namespace {

// The home folder the system's user list gives, for when HOME is unset.
QString listedHome()
{
    const passwd *entry = getpwuid(geteuid());
    return entry && entry->pw_dir ? QFile::decodeName(entry->pw_dir) : QString();
}

// Without HOME, Qt forms every per-user path from "/" ("//Documents",
// "//.config"); the home the system lists for the user stands in for it.
void fillInUnsetHome()
{
    const QString home = listedHome();
    if (qEnvironmentVariableIsEmpty("HOME") && QDir::isAbsolutePath(home))
        qputenv("HOME", QFile::encodeName(home));
}
Q_COREAPP_STARTUP_FUNCTION(fillInUnsetHome)

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

ProgramFolders::ProgramFolders(
    const QString &applicationFolder, const QString &documentsFolder, const QString &userDataFolder)
{
    const QString installedPages = QDir::cleanPath(applicationFolder + QStringLiteral("/../share/")
        + QString::fromLatin1(tutor::ApplicationId));
    const bool installed = QFileInfo(installedPages + QStringLiteral("/html")).isDir();
    m_shipped = installed ? installedPages : applicationFolder;
    const bool besideProgram = !installed && canWriteIn(applicationFolder);
    m_userFiles = besideProgram ? applicationFolder : documentsFolder;
    m_data = besideProgram ? applicationFolder + QStringLiteral("/progress") : userDataFolder;
    m_movedAway = !installed && !besideProgram;
}

namespace {

// A folder of the user's own, `inHome` below the home when HOME is unset, or
// the one the desktop names for `location` with "Orvi Math Tutor" below it.
QString usersOwnFolder(QStandardPaths::StandardLocation location, const QString &inHome)
{
    const QString own = QStringLiteral("Orvi Math Tutor");
    if (qEnvironmentVariableIsEmpty("HOME")) {
        const QString home = listedHome();
        // No home at all: a folder of the user's own under the system's
        // temporary folder is still better than the root folder.
        if (QDir::isAbsolutePath(home) && home != QDir::rootPath())
            return home + u'/' + inHome + u'/' + own;
        return QDir::tempPath() + u'/' + own + QStringLiteral(" %1").arg(geteuid());
    }
    return QDir::cleanPath(QStandardPaths::writableLocation(location) + u'/' + own);
}

} // namespace

QString ProgramFolders::userDocumentsFolder()
{
    return usersOwnFolder(QStandardPaths::DocumentsLocation, QStringLiteral("Documents"));
}

// Named as the desktop's per-program data folder whatever the program is
// called while it runs, so tests and the program look in the same place.
QString ProgramFolders::userDataFolder()
{
    return usersOwnFolder(QStandardPaths::GenericDataLocation, QStringLiteral(".local/share"));
}

bool ProgramFolders::userFilesMovedAway() const
{
    return m_movedAway;
}

QString ProgramFolders::userFilesFolder() const
{
    return m_userFiles;
}

QString ProgramFolders::dataFolder() const
{
    return m_data;
}

QString ProgramFolders::shippedFile(const QString &relativePath) const
{
    const QString spoken = language::spokenLanguage();
    if (spoken != QLatin1String("en")) {
        QStringList codes { spoken };
        if (spoken.contains(QLatin1Char('_')))
            codes << spoken.section(QLatin1Char('_'), 0, 0);
        for (const QString &code : std::as_const(codes)) {
            const QString translated = m_shipped + QStringLiteral("/languages/") + code
                + QLatin1Char('/') + relativePath;
            if (QFileInfo::exists(translated))
                return translated;
        }
    }
    return m_shipped + QLatin1Char('/') + relativePath;
}

QString ProgramFolders::shippedFileAgain(const QString &path) const
{
    const QString root = m_shipped + QLatin1Char('/');
    if (!path.startsWith(root))
        return path;
    QString relative = path.mid(root.size());
    if (relative.startsWith(QLatin1String("languages/")))
        relative = relative.section(QLatin1Char('/'), 2); // past "languages/<code>/"
    return shippedFile(relative);
}

QString ProgramFolders::reportsFolder() const
{
    return m_userFiles + QStringLiteral("/reports");
}

QString ProgramFolders::worksheetsFolder() const
{
    return m_userFiles + QStringLiteral("/worksheets");
}
