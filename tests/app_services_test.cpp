#include "base/controls.h"
#include "base/desktop_launcher.h"
#include "base/file_saver.h"
#include "base/message_box.h"
#include "base/program_folders.h"
#include "tests/test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class AppServicesTest : public QObject
{
    Q_OBJECT

private slots:
    void savedFileHoldsExactBytes();
    void saveReplacesEarlierFileWhole();
    void saveCreatesMissingFolder();
    void failedSaveKeepsEarlierStateAndSaysWhy();
    void saveUnderARegularFileFails();
    void savesNeverWriteThroughAnotherUsersLink_data();
    void savesNeverWriteThroughAnotherUsersLink();
    void failureNamesItsRealCause_data();
    void failureNamesItsRealCause();

    void messageIsModalBoxWithProgramTitle();
    void messageShowsMarkupAsWritten();

    void missingLocalFileIsReportedNotOpened();
    void existingLocalFileIsHandedOverOnce();
    void webAddressIsHandedOverOnce();
    void desktopThatCannotOpenIsReported();
    void failedLaunchSaysWhatBecameOfTheFile_data();
    void failedLaunchSaysWhatBecameOfTheFile();

    void textBoxesDropInvisibleCharacters_data();
    void textBoxesDropInvisibleCharacters();

    void foldersFollowWhereTheProgramLies_data();
    void foldersFollowWhereTheProgramLies();
    void userFilesOutsideTheProgramAreFoundAndNamed_data();
    void userFilesOutsideTheProgramAreFoundAndNamed();
    void unsetHomeStillFindsTheDocumentsFolder();
};

namespace {

const QString ApplicationId = QStringLiteral("org.example.OrviMathTutor");

const SavedPageWords ReportWords { QStringLiteral("Your report was saved as %1."),
    QStringLiteral("Your report was saved as %1, but it is no longer there.") };

// Lays out a program under `prefix` as an install does: the executable's
// folder, and the shipped pages and texts under share/.
QString installUnder(const QString &prefix)
{
    QDir().mkpath(prefix + QStringLiteral("/bin"));
    const QString pages = prefix + QStringLiteral("/share/") + ApplicationId;
    QDir().mkpath(pages);
    testsupport::copyShippedFiles(pages);
    return prefix + QStringLiteral("/bin");
}

} // namespace

void AppServicesTest::savedFileHoldsExactBytes()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.txt"));
    const QByteArray bytes("line one\r\nZo\xc3\xab\r\n\r\n", 19);
    const SaveResult result = saveWholeFile(path, bytes);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(testsupport::fileBytes(path), bytes);
}

void AppServicesTest::saveReplacesEarlierFileWhole()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.txt"));
    QVERIFY(saveWholeFile(path, QByteArray(1000, 'x')).ok);
    QVERIFY(saveWholeFile(path, QByteArrayLiteral("short\r\n")).ok);
    QCOMPARE(testsupport::fileBytes(path), QByteArrayLiteral("short\r\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList(QStringLiteral("out.txt")));
}

void AppServicesTest::saveCreatesMissingFolder()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reports/AnnOrviReport.html"));
    QVERIFY(saveWholeFile(path, QByteArrayLiteral("<head>\r\n")).ok);
    QCOMPARE(testsupport::fileBytes(path), QByteArrayLiteral("<head>\r\n"));
}

void AppServicesTest::failedSaveKeepsEarlierStateAndSaysWhy()
{
    QTemporaryDir folder;
    // A folder where the file should go fails even for root.
    const QString path = folder.filePath(QStringLiteral("taken"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken")));
    QFile inside(folder.filePath(QStringLiteral("taken/keep.txt")));
    QVERIFY(inside.open(QIODevice::WriteOnly));
    inside.write("kept");
    inside.close();

    const SaveResult result = saveWholeFile(path, QByteArrayLiteral("new"));
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(result.path, QDir::toNativeSeparators(path));
    QCOMPARE(testsupport::fileBytes(folder.filePath(QStringLiteral("taken/keep.txt"))),
        QByteArrayLiteral("kept"));
    QVERIFY(QFileInfo(path).isDir());
}

void AppServicesTest::saveUnderARegularFileFails()
{
    QTemporaryDir folder;
    QFile blocker(folder.filePath(QStringLiteral("worksheets")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();

    const SaveResult result = saveWholeFile(
        folder.filePath(QStringLiteral("worksheets/OrviWorksheet.txt")), QByteArrayLiteral("x"));
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(QStringLiteral("worksheets")));
    QCOMPARE(testsupport::fileBytes(folder.filePath(QStringLiteral("worksheets"))),
        QByteArrayLiteral("not a folder"));
}

void AppServicesTest::savesNeverWriteThroughAnotherUsersLink_data()
{
    QTest::addColumn<QString>("fileLink"); // the file's place holds a link: "private", "nowhere"
    QTest::addColumn<QString>("folderLink"); // the folder's place: "own", "another's", "nowhere"
    QTest::addColumn<QString>("says"); // part of the reason; empty when the save works

    // A link planted where the report goes is replaced by the report; the
    // file it led to, someone's private one, stays as it was.
    QTest::newRow("file is a link to a private file") << u"private"_s << QString() << QString();
    QTest::newRow("file is a link that leads nowhere") << u"nowhere"_s << QString() << QString();
    // The user's own link to a folder elsewhere is the user's choice.
    QTest::newRow("folder is the user's own link") << QString() << u"own"_s << QString();
    QTest::newRow("folder is another user's link")
        << QString() << u"another's"_s << u"the folder reports is a link that belongs to"_s;
    QTest::newRow("folder link leads nowhere")
        << QString() << u"nowhere"_s << u"the folder reports is a link that leads nowhere"_s;
}

void AppServicesTest::savesNeverWriteThroughAnotherUsersLink()
{
    QFETCH(QString, fileLink);
    QFETCH(QString, folderLink);
    QFETCH(QString, says);

    QTemporaryDir root;
    const QString reports = root.filePath(u"reports"_s);
    const QString elsewhere = root.filePath(u"elsewhere"_s);
    const QString privateFile = elsewhere + u"/.bashrc"_s;
    QVERIFY(QDir().mkpath(elsewhere));
    QFile secret(privateFile);
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.write("private");
    secret.close();
    const QString path = reports + u"/AnnOrviReport.html"_s;
    if (folderLink.isEmpty())
        QVERIFY(QDir().mkpath(reports));
    else
        QVERIFY(QFile::link(
            folderLink == u"nowhere"_s ? root.filePath(u"gone"_s) : elsewhere, reports));
    if (folderLink == u"another's"_s
        && (geteuid() != 0 || lchown(QFile::encodeName(reports).constData(), 65534, 65534) != 0))
        QSKIP("only root can give a link to another user");
    if (!fileLink.isEmpty())
        QVERIFY(
            QFile::link(fileLink == u"private"_s ? privateFile : root.filePath(u"gone"_s), path));

    const SaveResult result = saveWholeFile(path, QByteArrayLiteral("<head>\r\n"));

    QCOMPARE(result.ok, says.isEmpty());
    QVERIFY2(result.error.startsWith(says), qPrintable(result.error));
    QCOMPARE(testsupport::fileBytes(privateFile), QByteArrayLiteral("private"));
    if (says.isEmpty()) {
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(testsupport::fileBytes(path), QByteArrayLiteral("<head>\r\n"));
        if (folderLink == u"own"_s)
            QVERIFY(QFileInfo::exists(elsewhere + u"/AnnOrviReport.html"_s));
    } else {
        QCOMPARE(QDir(elsewhere).entryList(QDir::Files | QDir::Hidden), QStringList(u".bashrc"_s));
    }
}

void AppServicesTest::failureNamesItsRealCause_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("ownedByAnother");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("noFreeInodes");
    QTest::addColumn<QString>("reason");

    const QString full = QString::fromLocal8Bit(std::strerror(ENOSPC));
    QTest::newRow("disk full") << ENOSPC << false << true << false << full;
    QTest::newRow("no free inode")
        << ENOSPC << false << true << true
        << u"the disk holds as many files as it can (no free inode is left), though it may have "
           "space"_s;
    // One run with sudo leaves the folder to root.
    QTest::newRow("folder of root")
        << EACCES << true << false << false
        << u"the folder worksheets belongs to the user root, not to you"_s;
    QTest::newRow("read-only folder")
        << EACCES << false << false << false << u"the folder worksheets is read-only"_s;
    QTest::newRow("read-only disk")
        << EROFS << false << true << false
        << u"the folder worksheets is on a disk that can only be read"_s;
    QTest::newRow("quota") << EDQUOT << false << true << false
                           << u"your share of the disk (your quota) is used up"_s;
    QTest::newRow("write cut short without a reason")
        << 0 << false << true << false
        << u"the disk is full or the file could not be written whole"_s;
    QTest::newRow("anything else")
        << EIO << false << true << false << QString::fromLocal8Bit(std::strerror(EIO));
}

void AppServicesTest::failureNamesItsRealCause()
{
    QFETCH(int, error);
    QFETCH(bool, ownedByAnother);
    QFETCH(bool, writable);
    QFETCH(bool, noFreeInodes);
    QFETCH(QString, reason);
    FolderFacts facts;
    facts.name = u"worksheets"_s;
    facts.ownedByAnother = ownedByAnother;
    facts.owner = ownedByAnother ? u"root"_s : QString();
    facts.writable = writable;
    facts.noFreeInodes = noFreeInodes;
    QCOMPARE(saveFailureReason(error, facts), reason);
}

void AppServicesTest::messageIsModalBoxWithProgramTitle()
{
    QWidget parent;
    parent.show();
    testsupport::MessageBoxCloser closer;
    showMessage(&parent, QStringLiteral("Cannot write the report."), QStringLiteral("Disk full."));
    // Good news in the same box, but never under the warning sign.
    QList<QMessageBox::Icon> icons;
    const auto noteIcon = [&icons] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
                icons << box->icon();
        }
    };
    QTimer::singleShot(0, noteIcon);
    showMessage(&parent, QStringLiteral("Disk full."));
    QTimer::singleShot(0, noteIcon);
    showGoodNews(&parent, QStringLiteral("Saved."));
    QCOMPARE(icons, QList<QMessageBox::Icon>({ QMessageBox::Warning, QMessageBox::Information }));
    QCOMPARE(closer.titles, QStringList(3, QStringLiteral("Orvi Math Tutor")));
    QCOMPARE(closer.texts.last(), QStringLiteral("Saved.\n"));
}

void AppServicesTest::messageShowsMarkupAsWritten()
{
    testsupport::MessageBoxCloser closer;
    showMessage(nullptr, QStringLiteral("Cannot write <b>Tom</b>."),
        QStringLiteral("/home/<i>ann</i>/reports"));
    QCOMPARE(closer.shownAsPlainText, QList<bool>({ true }));
}

void AppServicesTest::missingLocalFileIsReportedNotOpened()
{
    QTemporaryDir folder;
    testsupport::UrlCapture capture;
    testsupport::MessageBoxCloser closer;
    const QString path = folder.filePath(QStringLiteral("ReadMe.txt"));
    QVERIFY(!openLocalFile(nullptr, path));
    QVERIFY(capture.urls.isEmpty());
    QCOMPARE(closer.texts.size(), 1);
    QVERIFY(closer.texts.first().contains(QDir::toNativeSeparators(path)));
}

void AppServicesTest::existingLocalFileIsHandedOverOnce()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Support.txt"));
    QVERIFY(saveWholeFile(path, QByteArrayLiteral("help\r\n")).ok);
    testsupport::UrlCapture capture;
    testsupport::MessageBoxCloser closer;
    QVERIFY(openLocalFile(nullptr, path));
    QCOMPARE(capture.urls, QList<QUrl>({ QUrl::fromLocalFile(path) }));
    QVERIFY(openSavedPage(nullptr, path, ReportWords));
    QCOMPARE(capture.urls, QList<QUrl>({ QUrl::fromLocalFile(path), QUrl::fromLocalFile(path) }));
    QVERIFY(closer.texts.isEmpty());
}

void AppServicesTest::webAddressIsHandedOverOnce()
{
    testsupport::UrlCapture capture;
    testsupport::MessageBoxCloser closer;
    const QUrl mail(QStringLiteral("mailto:team@example.org"));
    QVERIFY(openWebAddress(nullptr, mail));
    QCOMPARE(capture.urls, QList<QUrl>({ mail }));
    QVERIFY(closer.texts.isEmpty());
}

void AppServicesTest::desktopThatCannotOpenIsReported()
{
    // Without a captured handler the headless desktop cannot open anything.
    testsupport::MessageBoxCloser closer;
    QVERIFY(!openWebAddress(nullptr, QUrl(QStringLiteral("https://orvi.example.org/"))));
    QCOMPARE(closer.texts.size(), 1);
    QVERIFY(closer.texts.first().contains(QStringLiteral("https://orvi.example.org/")));
}

void AppServicesTest::failedLaunchSaysWhatBecameOfTheFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("justSaved"); // a page the program has just written
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QStringList>("says"); // besides the file's full path
    QTest::addColumn<QStringList>("neverSays");

    // Nothing was saved: opening failed, and that is all there is to say.
    QTest::newRow("shipped text, no program")
        << QStringLiteral("ReadMe.txt") << false << true
        << QStringList { QStringLiteral("Cannot open"), QStringLiteral("No text editor"),
               QStringLiteral("open the file from that folder yourself") }
        << QStringList { QStringLiteral("saved") };
    QTest::newRow("shipped page, no program")
        << QStringLiteral("worksheets/worktutorial.html") << false << true
        << QStringList { QStringLiteral("Cannot open"), QStringLiteral("No web browser") }
        << QStringList { QStringLiteral("saved"), QStringLiteral("editor") };
    QTest::newRow("shipped text missing")
        << QStringLiteral("Support.txt") << false << false
        << QStringList { QStringLiteral("Cannot open"), QStringLiteral("missing") }
        << QStringList { QStringLiteral("saved"), QStringLiteral("yourself") };
    // The save worked: the message must not read like a failed one.
    QTest::newRow("saved report, no browser")
        << QStringLiteral("reports/AnnOrviReport.html") << true << true
        << QStringList { QStringLiteral("Your report was saved as"), QStringLiteral("web browser") }
        << QStringList { QStringLiteral("Cannot"), QStringLiteral("not saved") };
    QTest::newRow("saved report gone before it was shown")
        << QStringLiteral("reports/AnnOrviReport.html") << true << false
        << QStringList { QStringLiteral("Your report was saved as"),
               QStringLiteral("no longer there") }
        << QStringList { QStringLiteral("Cannot"), QStringLiteral("not saved") };
}

void AppServicesTest::failedLaunchSaysWhatBecameOfTheFile()
{
    QFETCH(QString, file);
    QFETCH(bool, justSaved);
    QFETCH(bool, fileExists);
    QFETCH(QStringList, says);
    QFETCH(QStringList, neverSays);

    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    if (fileExists)
        QVERIFY(saveWholeFile(path, QByteArrayLiteral("<head>\r\n")).ok);
    testsupport::UrlCapture desktop(testsupport::UrlCapture::Refuse);
    testsupport::MessageBoxCloser closer;
    const bool opened
        = justSaved ? openSavedPage(nullptr, path, ReportWords) : openLocalFile(nullptr, path);

    QVERIFY(!opened);
    // Only a file that is there is handed over at all.
    QCOMPARE(desktop.refused, fileExists ? 1 : 0);
    QCOMPARE(closer.texts.size(), 1);
    const QString message = closer.texts.first();
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    for (const QString &words : says)
        QVERIFY2(message.contains(words), qPrintable(message));
    for (const QString &words : neverSays)
        QVERIFY2(!message.contains(words, Qt::CaseInsensitive), qPrintable(message));
}

void AppServicesTest::textBoxesDropInvisibleCharacters_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("kept");
    QTest::newRow("line break") << QStringLiteral("12\n") << 4 << QStringLiteral("12");
    QTest::newRow("windows line break") << QStringLiteral("1\r\n2") << 4 << QStringLiteral("12");
    QTest::newRow("tab") << QStringLiteral("Ann\tLee") << 0 << QStringLiteral("AnnLee");
    QTest::newRow("plain text") << QStringLiteral("Zo\u00eb") << 0 << QStringLiteral("Zo\u00eb");
    QTest::newRow("length limit") << QStringLiteral("123456") << 4 << QStringLiteral("1234");
    QTest::newRow("line separator")
        << QStringLiteral("Mr Obi\u2028X") << 0 << QStringLiteral("Mr ObiX");
    QTest::newRow("paragraph separator") << QStringLiteral("3B\u2029") << 0 << QStringLiteral("3B");
    QTest::newRow("direction override")
        << QStringLiteral("Ann\u202Elmth") << 0 << QStringLiteral("Annlmth");
    QTest::newRow("zero-width joiner kept")
        << QStringLiteral("\u0915\u094D\u200D") << 0 << QStringLiteral("\u0915\u094D\u200D");
    QTest::newRow("letter outside the basic plane kept")
        << QStringLiteral("\U0001D400") << 0 << QStringLiteral("\U0001D400");
    QTest::newRow("lone surrogate half")
        << QString(QChar(0xD800)) + QStringLiteral("7") << 4 << QStringLiteral("7");
}

void AppServicesTest::textBoxesDropInvisibleCharacters()
{
    QFETCH(QString, pasted);
    QFETCH(int, maxLength);
    QFETCH(QString, kept);
    QWidget parent;
    QLineEdit *box = controls::textBox(&parent, QStringLiteral("txtAnswer"), maxLength, QRect());
    box->insert(pasted);
    QCOMPARE(box->text(), kept);
}

void AppServicesTest::foldersFollowWhereTheProgramLies_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("filesBesideProgram");
    // The build tree and a portable copy: pages beside the program.
    QTest::newRow("pages beside, writable folder") << u"portable"_s << true;
    // A path through a plain file cannot be written, not even by root.
    QTest::newRow("pages beside, folder cannot be written") << u"unwritable"_s << false;
    // Installed: pages under ../share/<id>; even a folder the user may
    // write, such as a prefix in the home folder, is not for user files.
    QTest::newRow("installed under a prefix") << u"installed"_s << false;
}

void AppServicesTest::foldersFollowWhereTheProgramLies()
{
    QFETCH(QString, layout);
    QFETCH(bool, filesBesideProgram);
    QTemporaryDir root;
    const QString documents = root.filePath(QStringLiteral("home/Documents/Orvi Math Tutor"));
    QString program = root.filePath(QStringLiteral("portable"));
    QString pages = program;
    if (layout == u"unwritable"_s) {
        QFile plain(root.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        program = pages = plain.fileName() + QStringLiteral("/orvi");
    } else if (layout == u"installed"_s) {
        program = installUnder(root.filePath(QStringLiteral("usr")));
        pages = root.filePath(QStringLiteral("usr/share/")) + ApplicationId;
    } else {
        QDir().mkpath(program);
        testsupport::copyShippedFiles(program);
    }

    const ProgramFolders folders(program, documents);
    QCOMPARE(folders.shippedFile(u"help/mhelp.html"_s), pages + u"/help/mhelp.html"_s);
    const QString userFiles = filesBesideProgram ? program : documents;
    QCOMPARE(folders.reportsFolder(), userFiles + u"/reports"_s);
    QCOMPARE(folders.worksheetsFolder(), userFiles + u"/worksheets"_s);
    // Deciding leaves nothing behind.
    QCOMPARE(QDir(program).entryList(QDir::Files | QDir::Hidden).filter(u"write"_s), QStringList());
}

void AppServicesTest::userFilesOutsideTheProgramAreFoundAndNamed_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("saysWhere"); // the first report tells where it went

    // That is where an installed program keeps them; the README says so.
    QTest::newRow("installed copy") << true << false;
    // A copy run from a folder it cannot write would put them somewhere
    // the teacher does not look: the first report says where.
    QTest::newRow("portable copy that cannot write its folder") << false << true;
}

// A report printed and a worksheet saved by an installed copy, or by one
// that cannot write its own folder, land in the documents folder of the
// user's home, made on first use, and the messages name them there.
void AppServicesTest::userFilesOutsideTheProgramAreFoundAndNamed()
{
    QFETCH(bool, installed);
    QFETCH(bool, saysWhere);
    QTemporaryDir root;
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", root.filePath(QStringLiteral("home")).toLocal8Bit());
    const QString documents = ProgramFolders::userDocumentsFolder();
    QVERIFY2(documents.startsWith(root.path()), qPrintable(documents));
    QVERIFY(!QFileInfo::exists(documents));
    QString program = root.filePath(QStringLiteral("plain/orvi"));
    if (installed) {
        program = installUnder(root.filePath(QStringLiteral("usr")));
    } else {
        // A path through a plain file cannot be written, not even by root.
        QFile plain(root.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
    }
    {
        MainWindow window(program);
        window.show();
        testsupport::UrlCapture browser;
        testsupport::MessageBoxCloser closer;
        testsupport::answerPractice(window, u"1"_s);
        const QString report = documents + u"/reports/AnnOrviReport.html"_s;
        for (int print = 1; print <= 2; ++print) {
            testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
            QTest::keyClicks(testsupport::named<QLineEdit>(&window, u"txtNameReport"_s), u"Ann"_s);
            QVERIFY(testsupport::invokeHandler(&window, "cmdPrintReport_Click"));
        }
        QCOMPARE(browser.urls, QList<QUrl>(2, QUrl::fromLocalFile(report)));
        // Once is enough.
        QCOMPARE(closer.texts.size(), saysWhere ? 1 : 0);
        if (saysWhere) {
            QVERIFY2(
                closer.texts.first().contains(QDir::toNativeSeparators(documents + u"/reports"_s)),
                qPrintable(closer.texts.first()));
        }

        testsupport::invokeHandler(&window, "mnuOptionsWorksheet_Click");
        QVERIFY(testsupport::invokeHandler(&window, "cmdSaveWorksheet_Click"));
        const QString worksheet = documents + u"/worksheets/OrviWorksheet.txt"_s;
        QVERIFY(QFileInfo(worksheet).isFile());
        QVERIFY(testsupport::labelText(window, "lblWorksheetMessage")
                    .endsWith(QDir::toNativeSeparators(worksheet)));
    }
    qputenv("HOME", home);
    QVERIFY(QFileInfo(documents + u"/reports/AnnOrviReport.html"_s).isFile());
    QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("usr/bin/reports"))));
}

// With HOME unset, Qt would form "//Documents/..."; the home the system
// lists for the user serves instead.
void AppServicesTest::unsetHomeStillFindsTheDocumentsFolder()
{
    const QByteArray home = qgetenv("HOME");
    qunsetenv("HOME");
    const QString documents = ProgramFolders::userDocumentsFolder();
    qputenv("HOME", home);
    const passwd *user = getpwuid(geteuid());
    QVERIFY(user && user->pw_dir);
    QCOMPARE(documents, QFile::decodeName(user->pw_dir) + u"/Documents/Orvi Math Tutor"_s);
    QVERIFY(!documents.startsWith(u"//"_s));
}

QTEST_MAIN(AppServicesTest)
#include "app_services_test.moc"
