#include "app/main_window.h"
#include "base/file_saver.h"
#include "tests/test_support.h"
#include "worksheet/worksheet_screen.h"
#include "worksheet/worksheet_writer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using testsupport::named;

// A full disk cannot be had on demand, so each case runs this executable
// again as a child whose file size limit (RLIMIT_FSIZE) makes every write
// past it fail as a full disk would. The child saves once through the
// screens and prints what the user was shown; the parent checks it and the
// files left behind.

namespace {

const char ScenarioVariable[] = "ORVI_SAVE_FAULT_SCENARIO";
const char FolderVariable[] = "ORVI_SAVE_FAULT_FOLDER";

const QByteArray EarlierContents = "kept from the last good save\r\nsecond line\r\n";
const QString PartWrittenReason = u"the disk is full or the file could not be written whole"_s;

// ---- The child: one save on a file system that runs full.

// Fills the worksheet with `problems` Warm Up additions and presses `save`.
void saveWorksheet(MainWindow &window, int problems, const char *save)
{
    testsupport::invokeHandler(&window, "mnuOptionsWorksheet_Click");
    testsupport::pickEntry(&window, "cmbDifficulty", u"Warm Up"_s);
    testsupport::pickEntry(&window, "cmbOperation", u"Addition"_s);
    for (int i = 0; i < problems; ++i)
        testsupport::invokeHandler(&window, "cmdCreateProblem_Click");
    testsupport::invokeHandler(&window, save);
}

// Prints {"told": [...], "opened": [...]}: every message box and status line
// the user saw, and every file handed to the browser.
int runScenario(const QString &scenario, const QString &folder)
{
    MainWindow window(folder);
    window.show();
    testsupport::UrlCapture capture;
    testsupport::MessageBoxCloser closer;

    QStringList told;
    if (scenario == u"largest worksheet") {
        // As many problems as the screen takes. Creating them one by one
        // there takes seconds, so the writer makes the bytes and they are
        // saved and reported as the screen does it.
        const QList<tutor::WorksheetRow> rows(
            WorksheetScreen::MaximumProblems, { u"57"_s, u"*"_s, u"83"_s, u"4731"_s });
        const SaveResult result
            = saveWholeFile(folder + u"/worksheets/"_s + tutor::worksheetFileName(),
                tutor::worksheetBytes(QString(), QString(), rows));
        told << (result.ok ? tutor::worksheetSavedMessage(result.path)
                           : tutor::worksheetSaveFailedMessage(result.path, result.error));
    } else if (scenario == u"report") {
        // An empty session log gives the smallest report there is.
        testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
        QTest::keyClicks(named<QLineEdit>(&window, u"txtNameReport"_s), u"Ann"_s);
        testsupport::invokeHandler(&window, "cmdPrintReport_Click");
    } else {
        const QStringList parts = scenario.split(u' ');
        bool counted = false;
        const int problems = parts.value(1).toInt(&counted);
        if (parts.size() != 2 || !counted)
            return 2;
        saveWorksheet(window, problems,
            parts.first() == u"answers" ? "cmdSaveAnswer_Click" : "cmdSaveWorksheet_Click");
        told << named<QLabel>(&window, u"lblWorksheetMessage"_s)->text();
    }
    told = closer.texts + told;

    QJsonArray opened;
    for (const QUrl &url : std::as_const(capture.urls))
        opened.append(url.toString());
    const QJsonObject seen { { u"told"_s, QJsonArray::fromStringList(told) },
        { u"opened"_s, opened } };
    const QByteArray line = QJsonDocument(seen).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    return 0;
}

// ---- The parent.

} // namespace

class SaveFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskFailsTheSaveAndKeepsTheEarlierFile_data();
    void fullDiskFailsTheSaveAndKeepsTheEarlierFile();
};

void SaveFaultsTest::fullDiskFailsTheSaveAndKeepsTheEarlierFile_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<qlonglong>("fileLimit");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("failure"); // %1 is the file, the reason follows
    QTest::addColumn<QString>("reason");

    const QString report = u"Cannot write the report %1.\n"_s;
    const QString status = u"Save failed - %1: "_s;
    // Nothing fits: the system names the cause.
    const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));

    // The report of an empty log, about 2 KiB, only goes into Qt's buffer.
    QTest::newRow("short report, nothing fits")
        << u"report"_s << 0LL << u"reports/AnnOrviReport.html"_s << report << tooLarge;
    QTest::newRow("short report, part fits")
        << u"report"_s << 100LL << u"reports/AnnOrviReport.html"_s << report << PartWrittenReason;
    QTest::newRow("worksheet of 30, nothing fits")
        << u"worksheet 30"_s << 0LL << u"worksheets/OrviWorksheet.txt"_s << status << tooLarge;
    // 640 problems come to 13 to 15 KiB, just below Qt's 16 KiB buffer.
    QTest::newRow("answer sheet of 640, part fits")
        << u"answers 640"_s << 4096LL << u"worksheets/OrviAnswersheet.txt"_s << status
        << PartWrittenReason;
    // The most problems the screen takes: about 1 MiB, written past the buffer.
    QTest::newRow("largest worksheet, part fits")
        << u"largest worksheet"_s << 65536LL << u"worksheets/OrviWorksheet.txt"_s << status
        << PartWrittenReason;
}

void SaveFaultsTest::fullDiskFailsTheSaveAndKeepsTheEarlierFile()
{
    QFETCH(QString, scenario);
    QFETCH(qlonglong, fileLimit);
    QFETCH(QString, target);
    QFETCH(QString, failure);
    QFETCH(QString, reason);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    testsupport::copyShippedFiles(folder.path());
    const QString path = folder.filePath(target);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    QCOMPARE(earlier.write(EarlierContents), EarlierContents.size());
    earlier.close();
    const QStringList before = testsupport::everythingUnder(folder.path());

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ScenarioVariable), scenario);
    environment.insert(QString::fromLatin1(FolderVariable), folder.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    child.setProcessEnvironment(environment);
    child.setChildProcessModifier([fileLimit] {
        // A write past the limit then fails with EFBIG instead of killing.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { rlim_t(fileLimit), rlim_t(fileLimit) };
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY2(child.waitForFinished(60000), qPrintable(child.errorString()));
    const QByteArray childErrors = child.readAllStandardError();
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() == 0, childErrors.constData());

    const QJsonObject seen = QJsonDocument::fromJson(child.readAllStandardOutput()).object();
    QCOMPARE(seen.value(u"opened"_s).toArray(), QJsonArray()); // no browser
    const QStringList told = seen.value(u"told"_s).toVariant().toStringList();
    QCOMPARE(told.size(), 1);
    // A status line may shorten the folder to fit; the file's name and the
    // reason are always there in full.
    const QString shown = told.first();
    QVERIFY2(shown.startsWith(failure.section(u"%1"_s, 0, 0)), qPrintable(shown));
    QVERIFY2(shown.endsWith(QFileInfo(path).fileName() + failure.section(u"%1"_s, 1) + reason),
        qPrintable(shown));
    QVERIFY2(!shown.contains(u"Unknown error"_s), qPrintable(shown));

    QCOMPARE(testsupport::fileBytes(path), EarlierContents);
    QCOMPARE(testsupport::everythingUnder(folder.path()), before); // no half-written leftovers
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString scenario = qEnvironmentVariable(ScenarioVariable);
    if (!scenario.isEmpty())
        return runScenario(scenario, qEnvironmentVariable(FolderVariable));

    SaveFaultsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "save_faults_test.moc"
