#include "app/main_window.h"
#include "base/file_saver.h"
#include "report/report_panel.h"
#include "tests/test_support.h"
#include "worksheet/worksheet_screen.h"
#include "worksheet/worksheet_writer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QSet>
#include <QTimer>
#include <QtTest>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;
using testsupport::named;

// A full disk cannot be had on demand, so each case runs this executable
// again as a child whose file size limit (RLIMIT_FSIZE) makes every write
// past it fail as a full disk would. The child saves once through the
// screens and prints what the user was shown; the parent checks it and the
// files left behind.
//
// A save cut off by a crash or a power cut is had by SIGKILL: a child sets up
// the longest file of each kind once and saves it again and again, each time
// in a forked copy of itself, which the parent kills at a random moment of
// the save.

namespace {

const char ScenarioVariable[] = "ORVI_SAVE_FAULT_SCENARIO";
const char FolderVariable[] = "ORVI_SAVE_FAULT_FOLDER";
// Set to a seed printed by an earlier run to kill at the same moments again.
const char SeedVariable[] = "ORVI_SAVE_FAULT_SEED";
const QString PdfTarget = u"printed/worksheet.pdf"_s;

const QByteArray EarlierContents = "kept from the last good save\r\nsecond line\r\n";
const QString PartWrittenReason = u"the disk is full or the file could not be written whole"_s;

// ---- The child: one save on a file system that runs full.

// Fills the worksheet with `problems` Warm Up additions.
void createProblems(MainWindow &window, int problems)
{
    testsupport::invokeHandler(&window, "mnuOptionsWorksheet_Click");
    testsupport::pickEntry(&window, "cmbDifficulty", u"Warm Up"_s);
    testsupport::pickEntry(&window, "cmbOperation", u"Addition"_s);
    for (int i = 0; i < problems; ++i)
        testsupport::invokeHandler(&window, "cmdCreateProblem_Click");
}

// Opens "Print..."; with the preview open, sets its printer to write `pdf`
// and hands it to `print`, which prints from it as its print button does.
void inPrintPreview(
    MainWindow &window, const QString &pdf, const std::function<void(QPrintPreviewWidget *)> &print)
{
    QTimer::singleShot(0, &window, [&]() {
        auto *preview = named<QPrintPreviewDialog>(&window, u"dlgPrintWorksheet"_s);
        if (!preview)
            return;
        QPrinter *printer = preview->printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        print(preview->findChild<QPrintPreviewWidget *>());
        preview->reject();
    });
    testsupport::invokeHandler(&window, "cmdPrintWorksheet_Click");
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
        createProblems(window, problems);
        // Only what the save says stays on the status line.
        testsupport::invokeHandler(&window, "tmrWorksheet_Timer");
        if (parts.first() == u"pdf") {
            inPrintPreview(window, folder + u'/' + PdfTarget,
                [](QPrintPreviewWidget *preview) { preview->print(); });
        } else {
            testsupport::invokeHandler(&window,
                parts.first() == u"answers" ? "cmdSaveAnswer_Click" : "cmdSaveWorksheet_Click");
        }
        // A PDF that was not written is told in a message box only.
        const QString status = named<QLabel>(&window, u"lblWorksheetMessage"_s)->text();
        if (!status.isEmpty())
            told << status;
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

// ---- The child whose saves are killed.

void tell(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

QByteArray heard()
{
    char line[64] = {};
    return std::fgets(line, sizeof line, stdin) ? QByteArray(line).trimmed() : QByteArray();
}

// Whole lists at once: creating or answering 32 767 problems one by one
// would take far longer than the saves they are for.
void fillLists(MainWindow &window, const QStringList &names, int rows)
{
    for (qsizetype column = 0; column < names.size(); ++column) {
        QStringList entries;
        entries.reserve(rows);
        for (int row = 1; row <= rows; ++row)
            entries << QString::number(row * (column + 1));
        named<QListWidget>(&window, names.at(column))->addItems(entries);
    }
}

// Says "ready", then saves once for every "save" the parent sends, each time
// in a forked copy of this process: the copy says "saving <pid>" as it starts
// and "saved <microseconds>" once the save handler has returned. When the
// parent says "reap", this process reports how the copy ended ("ended
// killed" or "ended <exit code>"); until then the copy's pid cannot be given
// to another process, so the parent's SIGKILL cannot hit a stranger.
void serveSaves(const std::function<void()> &save)
{
    tell("ready\n");
    while (heard() == "save") {
        const pid_t saver = fork();
        if (saver == 0) {
            tell("saving " + QByteArray::number(getpid()) + '\n');
            QElapsedTimer clock;
            clock.start();
            save();
            tell("saved " + QByteArray::number(clock.nsecsElapsed() / 1000) + '\n');
            _exit(0);
        }
        if (saver < 0 || heard() != "reap")
            return;
        int status = 0;
        waitpid(saver, &status, 0);
        tell(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL
                ? QByteArray("ended killed\n")
                : "ended " + QByteArray::number(WEXITSTATUS(status)) + '\n');
    }
}

// `kind` is "report", "worksheet", "answers" or "pdf".
int runSaveServer(const QString &kind, int rows, const QString &folder)
{
    MainWindow window(folder);
    window.show();
    testsupport::UrlCapture capture;
    testsupport::MessageBoxCloser closer;
    if (kind == u"report") {
        testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
        fillLists(window,
            { u"lstLogNum1"_s, u"lstLogOper"_s, u"lstLogNum2"_s, u"lstLogYourAn"_s,
                u"lstLogCorrAn"_s, u"lstLogRW"_s },
            rows);
        QTest::keyClicks(named<QLineEdit>(&window, u"txtNameReport"_s), u"Ann"_s);
        serveSaves([&window]() { testsupport::invokeHandler(&window, "cmdPrintReport_Click"); });
        return 0;
    }
    testsupport::invokeHandler(&window, "mnuOptionsWorksheet_Click");
    fillLists(window,
        { u"lstWorksheetNum1"_s, u"lstWorksheetOper"_s, u"lstWorksheetNum2"_s,
            u"lstWorksheetAnswer"_s },
        rows);
    testsupport::changeState(
        window, [rows](TutorState &state) { state.WorksheetProblemCount = qint16(rows); });
    if (kind == u"pdf") {
        inPrintPreview(window, folder + u'/' + PdfTarget,
            [](QPrintPreviewWidget *preview) { serveSaves([preview]() { preview->print(); }); });
    } else {
        serveSaves([&window, kind]() {
            testsupport::invokeHandler(
                &window, kind == u"answers" ? "cmdSaveAnswer_Click" : "cmdSaveWorksheet_Click");
        });
    }
    return 0;
}

// ---- The parent.

// A new file, not the one a save may have linked among the earlier copies.
bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile::remove(path);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray nextLine(QProcess &child)
{
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(60000))
            return QByteArray("<nothing: ") + child.readAllStandardError() + '>';
    }
    return child.readLine().trimmed();
}

// A PDF names the second it was made; apart from that, two prints of the
// same worksheet are the same bytes.
QByteArray withoutTimeOfMaking(QByteArray bytes)
{
    const QByteArray key = "/CreationDate (";
    const qsizetype at = bytes.indexOf(key);
    const qsizetype end = at < 0 ? -1 : bytes.indexOf(')', at);
    if (end > at)
        bytes.replace(at + key.size(), end - at - key.size(), "D:");
    return bytes;
}

// How one save that the parent meant to kill ended.
struct KilledSave
{
    bool saved = false; // the save handler had returned before the kill
    bool killed = false; // SIGKILL ended the copy, not its own exit
    QByteArray trouble; // what went wrong between the two processes
};

// Has the child save once and kills the saving copy `delay` microseconds
// after it started; a negative delay lets it finish. `saveMicroseconds`
// gets the save's length when it finished.
KilledSave saveAndKill(QProcess &child, qint64 delay, qint64 *saveMicroseconds = nullptr)
{
    KilledSave result;
    child.write("save\n");
    child.waitForBytesWritten();
    const QByteArray started = nextLine(child);
    if (!started.startsWith("saving ")) {
        result.trouble = started;
        return result;
    }
    if (delay >= 0) {
        std::this_thread::sleep_for(std::chrono::microseconds(delay));
        ::kill(pid_t(started.mid(7).toLongLong()), SIGKILL);
    }
    child.write("reap\n");
    child.waitForBytesWritten();
    for (QByteArray line = nextLine(child);; line = nextLine(child)) {
        if (line.startsWith("saved ")) {
            result.saved = true;
            if (saveMicroseconds)
                *saveMicroseconds = line.mid(6).toLongLong();
        } else if (line == "ended killed") {
            result.killed = true;
            return result;
        } else if (line.startsWith("ended ")) {
            if (line != "ended 0")
                result.trouble = line;
            return result;
        } else {
            result.trouble = line;
            return result;
        }
    }
}

} // namespace

class SaveFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskFailsTheSaveAndKeepsTheEarlierFile_data();
    void fullDiskFailsTheSaveAndKeepsTheEarlierFile();
    void killedSaveLeavesTheOldFileOrTheNewOneWhole_data();
    void killedSaveLeavesTheOldFileOrTheNewOneWhole();
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
    const QString pdf = u"The worksheet could not be saved as PDF to %1: "_s;
    QTest::newRow("PDF of 30, nothing fits") << u"pdf 30"_s << 0LL << PdfTarget << pdf << tooLarge;
    // About 60 KiB: the print stops at the first page after a write failed.
    QTest::newRow("PDF of 400, part fits")
        << u"pdf 400"_s << 20000LL << PdfTarget << pdf << tooLarge;
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
    const QString shown = told.first().trimmed();
    QVERIFY2(shown.startsWith(failure.section(u"%1"_s, 0, 0)), qPrintable(shown));
    QVERIFY2(shown.endsWith(QFileInfo(path).fileName() + failure.section(u"%1"_s, 1) + reason),
        qPrintable(shown));
    QVERIFY2(!shown.contains(u"Unknown error"_s), qPrintable(shown));

    QCOMPARE(testsupport::fileBytes(path), EarlierContents);
    QCOMPARE(testsupport::everythingUnder(folder.path()), before); // no half-written leftovers
}

void SaveFaultsTest::killedSaveLeavesTheOldFileOrTheNewOneWhole_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("rows"); // problems on the worksheet, answers in the report
    QTest::addColumn<QString>("target");

    // The report shows the first 100 answers, but reads every one to count.
    QTest::newRow("report of 32767 answers")
        << u"report"_s << 32767 << u"reports/AnnOrviReport.html"_s;
    QTest::newRow("worksheet of 32767")
        << u"worksheet"_s << 32767 << u"worksheets/OrviWorksheet.txt"_s;
    QTest::newRow("answer sheet of 32767")
        << u"answers"_s << 32767 << u"worksheets/OrviAnswersheet.txt"_s;
    // A PDF of all 32 767 problems has 1 615 pages and takes ten seconds and
    // more to print: fifty kills in it would take minutes. The same steps run
    // on 50 pages.
    QTest::newRow("PDF of 1000") << u"pdf"_s << 1000 << PdfTarget;
}

// Kill the save anywhere and the file is the earlier one or the new one,
// each whole, with nothing half written beside it; the earlier copies kept
// of a worksheet are whole too.
void SaveFaultsTest::killedSaveLeavesTheOldFileOrTheNewOneWhole()
{
    QFETCH(QString, kind);
    QFETCH(int, rows);
    QFETCH(QString, target);
    const int kills = 50;

    const quint32 seed = qEnvironmentVariableIsSet(SeedVariable)
        ? quint32(qEnvironmentVariableIntValue(SeedVariable))
        : QRandomGenerator::global()->generate();
    qInfo("seed %u: %s=%u kills at the same moments again", seed, SeedVariable, seed);
    QRandomGenerator random(seed);
    QElapsedTimer clock;
    clock.start();

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    testsupport::copyShippedFiles(folder.path());
    const QString path = folder.filePath(target);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(writeFile(path, EarlierContents));

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ScenarioVariable), u"kill %1 %2"_s.arg(kind).arg(rows));
    environment.insert(QString::fromLatin1(FolderVariable), folder.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QCOMPARE(nextLine(child), QByteArray("ready"));
    const qint64 setUp = clock.elapsed();

    // One save left to finish: the new file, and how long a save takes.
    qint64 saveLength = 0;
    const KilledSave finished = saveAndKill(child, -1, &saveLength);
    QVERIFY2(finished.trouble.isEmpty(), finished.trouble.constData());
    QVERIFY(finished.saved && saveLength > 0);
    const QByteArray newBytes = testsupport::fileBytes(path);
    QVERIFY(newBytes != EarlierContents);
    const bool isPdf = kind == u"pdf";
    if (isPdf)
        QVERIFY2(newBytes.startsWith("%PDF-") && newBytes.trimmed().endsWith("%%EOF"),
            newBytes.left(20).constData());
    const QByteArray expectedNew = isPdf ? withoutTimeOfMaking(newBytes) : newBytes;
    QVERIFY(writeFile(path, EarlierContents));

    // Besides the file, only whole copies of the earlier file may appear in
    // its folder, and only among the earlier copies.
    const QDir saves = QFileInfo(path).dir();
    const QString earlier = u"earlier"_s;
    QSet<QString> seen;
    for (const QString &entry : testsupport::everythingUnder(saves.path()))
        seen.insert(entry);
    int leftOld = 0;
    int leftNew = 0;
    int finishedFirst = 0;
    for (int kill = 1; kill <= kills; ++kill) {
        // Anywhere in the save, and every other kill in its second half,
        // where the files are written once the bytes are made.
        const qint64 from = kill % 2 == 0 ? saveLength / 2 : 0;
        const qint64 delay = from + qint64(random.bounded(quint64(saveLength - from)));
        const KilledSave save = saveAndKill(child, delay);
        const QByteArray where = u"kill %1 of %2, %3 us into a save of %4 us"_s.arg(kill)
                                     .arg(kills)
                                     .arg(delay)
                                     .arg(saveLength)
                                     .toUtf8();
        QVERIFY2(save.trouble.isEmpty(), QByteArray(where + ": " + save.trouble).constData());
        finishedFirst += save.killed ? 0 : 1;

        const QByteArray now = testsupport::fileBytes(path);
        const bool isOld = now == EarlierContents;
        const bool isNew = (isPdf ? withoutTimeOfMaking(now) : now) == expectedNew;
        QVERIFY2(isOld || isNew,
            QByteArray(where + ": the file holds " + QByteArray::number(now.size()) + " bytes")
                .constData());
        for (const QString &entry : testsupport::everythingUnder(saves.path())) {
            if (seen.contains(entry))
                continue;
            const bool wholeCopy = entry == earlier
                || (QFileInfo(entry).path() == earlier
                    && testsupport::fileBytes(saves.filePath(entry)) == EarlierContents);
            QVERIFY2(wholeCopy, QByteArray(where + ": left behind " + entry.toUtf8()).constData());
            seen.insert(entry);
        }
        if (isNew) {
            ++leftNew;
            QVERIFY(writeFile(path, EarlierContents));
        } else {
            ++leftOld;
        }
    }
    child.write("quit\n");
    child.closeWriteChannel();
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitCode(), 0);
    qInfo("%d kills in %.2f s (setting up %.2f s, one save %.3f s): %d left the earlier file, "
          "%d the new one; %d saves had finished before their kill",
        kills, clock.elapsed() / 1000.0, setUp / 1000.0, saveLength / 1e6, leftOld, leftNew,
        finishedFirst);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString scenario = qEnvironmentVariable(ScenarioVariable);
    if (scenario.startsWith(u"kill "_s)) {
        const QStringList parts = scenario.split(u' ');
        return runSaveServer(
            parts.value(1), parts.value(2).toInt(), qEnvironmentVariable(FolderVariable));
    }
    if (!scenario.isEmpty())
        return runScenario(scenario, qEnvironmentVariable(FolderVariable));

    SaveFaultsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "save_faults_test.moc"
