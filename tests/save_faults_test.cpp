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
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QSet>
#include <QTimer>
#include <QtTest>

#include <algorithm>
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
// past it fail as a full disk would; left to the system, such a write ends
// the program with SIGXFSZ. The child saves once through the screens and
// prints what the user was shown; the parent checks it and the files left
// behind.
//
// A save cut off by a crash or a power cut is had by SIGKILL: each child
// sets up the longest file of its kind and saves it once, and the parent
// kills it at a random moment of the save, or the save kills itself at one
// of its steps.

namespace {

const char ScenarioVariable[] = "ORVI_SAVE_FAULT_SCENARIO";
const char FolderVariable[] = "ORVI_SAVE_FAULT_FOLDER";
// The file a killed save writes, below the folder.
const char TargetVariable[] = "ORVI_SAVE_FAULT_TARGET";
// "opened", "written", "named" or "replaced", or "copy <step>": the step of
// the save (or of the earlier copy's) at which the child kills itself.
const char StopVariable[] = "ORVI_SAVE_FAULT_STOP";
// Set to 1 for saves as on a memory stick without hard links.
const char WithoutLinksVariable[] = "ORVI_SAVE_FAULT_WITHOUT_LINKS";
// Set to a seed printed by an earlier run to kill at the same moments again.
const char SeedVariable[] = "ORVI_SAVE_FAULT_SEED";
const QString PdfTarget = u"printed/worksheet.pdf"_s;

const QByteArray EarlierContents = "kept from the last good save\r\nsecond line\r\n";

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
        const QList<tutor::WorksheetProblem> rows(WorksheetScreen::MaximumProblems,
            { tutor::Level::Expert, tutor::Operation::Multiplication, 57, 83, 4731 });
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

// ---- The child whose save is killed.

void tell(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

// Where a save is to stop, killed, on purpose: "<step>" of the file itself or
// "copy <step>" of the earlier copy kept of it.
savesteps::Step stopStep = savesteps::Step::Opened;
bool stopInCopy = false;
QString stopPath;

void killAtStop(savesteps::Step step, const QString &path)
{
    const bool isCopy = QFileInfo(path).dir().dirName() == u"earlier"_s;
    if (step == stopStep && isCopy == stopInCopy && (isCopy || path == stopPath))
        std::raise(SIGKILL);
}

const QStringList StepNames = { u"opened"_s, u"written"_s, u"named"_s, u"replaced"_s };

// Sets up the longest file of its kind, says "saving", saves it once and
// says "saved <microseconds>". The parent kills it at a moment of its
// choosing, or the save kills itself at the step ORVI_SAVE_FAULT_STOP names.
// `kind` is "report", "worksheet", "answers" or "pdf".
int runKilledSave(const QString &kind, int rows, const QString &folder, const QString &target)
{
    if (qEnvironmentVariableIntValue(WithoutLinksVariable) != 0)
        savesteps::setWithoutLinks(true);
    const QString stop = qEnvironmentVariable(StopVariable);
    if (!stop.isEmpty()) {
        stopInCopy = stop.startsWith(u"copy "_s);
        stopStep = savesteps::Step(StepNames.indexOf(stop.section(u' ', -1)));
        stopPath = QFileInfo(folder + u'/' + target).absoluteFilePath();
        savesteps::setHook(killAtStop);
    }

    MainWindow window(folder);
    window.show();
    testsupport::UrlCapture capture;
    testsupport::MessageBoxCloser closer;
    QElapsedTimer clock;
    const auto saveOnce = [&clock](const std::function<void()> &save) {
        tell("saving\n");
        clock.start();
        save();
        tell("saved " + QByteArray::number(clock.nsecsElapsed() / 1000) + '\n');
    };
    if (kind == u"report") {
        testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
        testsupport::fillLog(window, rows);
        QTest::keyClicks(named<QLineEdit>(&window, u"txtNameReport"_s), u"Ann"_s);
        saveOnce([&window]() { testsupport::invokeHandler(&window, "cmdPrintReport_Click"); });
        return 0;
    }
    testsupport::invokeHandler(&window, "mnuOptionsWorksheet_Click");
    testsupport::fillWorksheet(window, rows);
    if (kind == u"pdf") {
        inPrintPreview(window, folder + u'/' + target, [&saveOnce](QPrintPreviewWidget *preview) {
            saveOnce([preview]() { preview->print(); });
        });
    } else {
        saveOnce([&window, kind]() {
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

// One save in a child of its own, as the parent meant to end it.
struct KillPlan
{
    QString kind;
    int rows = 0;
    QString folder;
    QString target;
    bool withoutLinks = false;
};

struct KilledSave
{
    bool saved = false; // the save had finished before the kill
    bool killed = false; // the kill ended the child, not its own exit
    qint64 microseconds = 0; // how long the finished save took
    QByteArray trouble; // what went wrong between the two processes
};

// Starts a child for one save and kills it `delay` microseconds after the
// save began; a negative delay lets it finish, and `stop` has the save kill
// itself at that step. The child is started afresh, never forked from a
// running Qt program, which can hang on a lock another thread held.
KilledSave saveAndKill(const KillPlan &plan, qint64 delay, const QString &stop = QString())
{
    KilledSave result;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(
        QString::fromLatin1(ScenarioVariable), u"kill %1 %2"_s.arg(plan.kind).arg(plan.rows));
    environment.insert(QString::fromLatin1(FolderVariable), plan.folder);
    environment.insert(QString::fromLatin1(TargetVariable), plan.target);
    environment.insert(QString::fromLatin1(StopVariable), stop);
    environment.insert(
        QString::fromLatin1(WithoutLinksVariable), plan.withoutLinks ? u"1"_s : u"0"_s);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    // A PDF lists its fonts in the order of a hash, which differs from one
    // process to the next unless the seed is fixed.
    environment.insert(u"QT_HASH_SEED"_s, u"0"_s);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    const QByteArray started = nextLine(child);
    if (started != "saving") {
        result.trouble = started;
        return result;
    }
    if (delay >= 0) {
        std::this_thread::sleep_for(std::chrono::microseconds(delay));
        // Not yet waited for, so the number is still this child's.
        ::kill(pid_t(child.processId()), SIGKILL);
    }
    if (!child.waitForFinished(60000)) {
        result.trouble = "the child did not end";
        return result;
    }
    result.killed = child.exitStatus() == QProcess::CrashExit;
    const QByteArray said = child.readAllStandardOutput().trimmed();
    if (said.startsWith("saved ")) {
        result.saved = true;
        result.microseconds = said.mid(6).toLongLong();
    } else if (!said.isEmpty()) {
        result.trouble = said;
    }
    if (!result.killed && child.exitCode() != 0)
        result.trouble += "exit code " + QByteArray::number(child.exitCode());
    return result;
}

bool isStagingName(const QString &entry)
{
    return QFileInfo(entry).fileName().endsWith(u".orvi-saving"_s);
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
    // The system names the cause, however much fitted.
    const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));

    // The report of an empty log, about 2 KiB, only goes into Qt's buffer.
    QTest::newRow("short report, nothing fits")
        << u"report"_s << 0LL << u"reports/AnnOrviReport.html"_s << report << tooLarge;
    QTest::newRow("short report, part fits")
        << u"report"_s << 100LL << u"reports/AnnOrviReport.html"_s << report << tooLarge;
    QTest::newRow("worksheet of 30, nothing fits")
        << u"worksheet 30"_s << 0LL << u"worksheets/OrviWorksheet.txt"_s << status << tooLarge;
    // 640 problems come to 13 to 15 KiB, just below Qt's 16 KiB buffer.
    QTest::newRow("answer sheet of 640, part fits")
        << u"answers 640"_s << 4096LL << u"worksheets/OrviAnswersheet.txt"_s << status << tooLarge;
    // The most problems the screen takes: about 1 MiB, written past the buffer.
    QTest::newRow("largest worksheet, part fits")
        << u"largest worksheet"_s << 65536LL << u"worksheets/OrviWorksheet.txt"_s << status
        << tooLarge;
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
    // The program itself must keep a write past the limit from killing it.
    child.setChildProcessModifier([fileLimit] {
        std::signal(SIGXFSZ, SIG_DFL);
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
    QTest::addColumn<bool>("withoutLinks"); // as on a FAT or exFAT memory stick
    QTest::addColumn<QStringList>("stops"); // steps each save is stopped at once on purpose

    const QStringList steps { u"opened"_s, u"written"_s, u"named"_s, u"replaced"_s };
    const QStringList copySteps = steps + QStringList { u"copy opened"_s, u"copy named"_s };
    // The report shows the first 100 answers, but reads every one to count.
    QTest::newRow("report of 32767 answers")
        << u"report"_s << 32767 << u"reports/AnnOrviReport.html"_s << false << steps;
    QTest::newRow("worksheet of 32767")
        << u"worksheet"_s << 32767 << u"worksheets/OrviWorksheet.txt"_s << false << steps;
    QTest::newRow("answer sheet of 32767")
        << u"answers"_s << 32767 << u"worksheets/OrviAnswersheet.txt"_s << false << steps;
    // A PDF of all 32 767 problems has 1 615 pages and takes ten seconds and
    // more to print: many kills in it would take minutes. The same steps run
    // on 50 pages.
    QTest::newRow("PDF of 1000") << u"pdf"_s << 1000 << PdfTarget << false << steps;
    QTest::newRow("worksheet without links")
        << u"worksheet"_s << 32767 << u"worksheets/OrviWorksheet.txt"_s << true << copySteps;
    QTest::newRow("PDF without links") << u"pdf"_s << 1000 << PdfTarget << true << steps;
}

// Kill the save anywhere and the file is the earlier one or the new one,
// each whole. Beside it may be left only whole earlier copies and the one
// name the program saves under before the file is replaced, which the next
// save of the same file removes. Every step of a save is stopped at once on
// purpose, the moment between naming the new file and putting it in place
// among them, and the rest at random moments.
void SaveFaultsTest::killedSaveLeavesTheOldFileOrTheNewOneWhole()
{
    QFETCH(QString, kind);
    QFETCH(int, rows);
    QFETCH(QString, target);
    QFETCH(bool, withoutLinks);
    QFETCH(QStringList, stops);
    const int randomKills = 16;

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
    const KillPlan plan { kind, rows, folder.path(), target, withoutLinks };
    const QDir saves = QFileInfo(path).dir();
    const auto leftovers = [&saves]() {
        QStringList staging = testsupport::everythingUnder(saves.path());
        staging.erase(std::remove_if(staging.begin(), staging.end(),
                          [](const QString &entry) { return !isStagingName(entry); }),
            staging.end());
        return staging;
    };

    // One save left to finish: the new file, and how long a save takes.
    const KilledSave finished = saveAndKill(plan, -1);
    QVERIFY2(finished.trouble.isEmpty(), finished.trouble.constData());
    QVERIFY(finished.saved && finished.microseconds > 0);
    const qint64 saveLength = finished.microseconds;
    const QByteArray newBytes = testsupport::fileBytes(path);
    QVERIFY(newBytes != EarlierContents);
    const bool isPdf = kind == u"pdf";
    if (isPdf)
        QVERIFY2(newBytes.startsWith("%PDF-") && newBytes.trimmed().endsWith("%%EOF"),
            newBytes.left(20).constData());
    const QByteArray expectedNew = isPdf ? withoutTimeOfMaking(newBytes) : newBytes;
    QCOMPARE(leftovers(), QStringList());
    QVERIFY(writeFile(path, EarlierContents));

    QSet<QString> seen;
    for (const QString &entry : testsupport::everythingUnder(saves.path()))
        seen.insert(entry);
    int leftOld = 0;
    int leftNew = 0;
    int finishedFirst = 0;
    const int kills = int(stops.size()) + randomKills;
    for (int kill = 1; kill <= kills; ++kill) {
        const QString stop = stops.value(kill - 1);
        // Anywhere in the save, and every other kill in its second half,
        // where the files are written once the bytes are made.
        const qint64 from = kill % 2 == 0 ? saveLength / 2 : 0;
        const qint64 delay
            = stop.isEmpty() ? from + qint64(random.bounded(quint64(saveLength - from))) : -1;
        // A copy of these very bytes already kept would serve again, and the
        // copy's steps would never come.
        if (stop.startsWith(u"copy "_s))
            QVERIFY(QDir(saves.filePath(u"earlier"_s)).removeRecursively());
        const KilledSave save = saveAndKill(plan, delay, stop);
        const QByteArray where
            = (stop.isEmpty() ? u"kill %1 of %2, %3 us into a save of %4 us"_s.arg(kill)
                                    .arg(kills)
                                    .arg(delay)
                                    .arg(saveLength)
                              : u"kill %1 of %2, at the step %3"_s.arg(kill).arg(kills).arg(stop))
                  .toUtf8();
        QVERIFY2(save.trouble.isEmpty(), QByteArray(where + ": " + save.trouble).constData());
        if (!stop.isEmpty())
            QVERIFY2(save.killed, QByteArray(where + ": the save never got there").constData());
        finishedFirst += save.killed ? 0 : 1;

        const QByteArray now = testsupport::fileBytes(path);
        const bool isOld = now == EarlierContents;
        const bool isNew = (isPdf ? withoutTimeOfMaking(now) : now) == expectedNew;
        QVERIFY2(isOld || isNew,
            QByteArray(where + ": the file holds " + QByteArray::number(now.size()) + " bytes")
                .constData());
        for (const QString &entry : testsupport::everythingUnder(saves.path())) {
            if (seen.contains(entry) || isStagingName(entry))
                continue;
            const bool wholeCopy = entry == u"earlier"_s
                || (QFileInfo(entry).path() == u"earlier"_s
                    && testsupport::fileBytes(saves.filePath(entry)) == EarlierContents);
            QVERIFY2(wholeCopy, QByteArray(where + ": left behind " + entry.toUtf8()).constData());
            seen.insert(entry);
        }
        // Between naming the new file and putting it in place, a kill leaves
        // it whole under the one name the program makes for it.
        if (stop == u"named"_s) {
            const QString staging = WholeFile::stagingNameFor(QFileInfo(path).fileName());
            const QByteArray staged = testsupport::fileBytes(saves.filePath(staging));
            QCOMPARE(isPdf ? withoutTimeOfMaking(staged) : staged, expectedNew);
        }
        if (isNew) {
            ++leftNew;
            QVERIFY(writeFile(path, EarlierContents));
        } else {
            ++leftOld;
        }
    }

    // The next save clears whatever the kills left under the saving names.
    const KilledSave last = saveAndKill(plan, -1);
    QVERIFY2(last.trouble.isEmpty() && last.saved, last.trouble.constData());
    QCOMPARE(leftovers(), QStringList());
    qInfo("%d kills in %.2f s (one save %.3f s): %d left the earlier file, %d the new one; "
          "%d saves had finished before their kill",
        kills, clock.elapsed() / 1000.0, saveLength / 1e6, leftOld, leftNew, finishedFirst);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString scenario = qEnvironmentVariable(ScenarioVariable);
    if (scenario.startsWith(u"kill "_s)) {
        const QStringList parts = scenario.split(u' ');
        return runKilledSave(parts.value(1), parts.value(2).toInt(),
            qEnvironmentVariable(FolderVariable), qEnvironmentVariable(TargetVariable));
    }
    if (!scenario.isEmpty())
        return runScenario(scenario, qEnvironmentVariable(FolderVariable));

    SaveFaultsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "save_faults_test.moc"
