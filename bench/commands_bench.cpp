// What every menu command and every button costs in processor time, with an
// empty session and with full data: the report log at its 32 767-row limit
// and a 32 767-problem worksheet. Each command is timed on every screen that
// shows the data where it can be given (or, if none, on the first screen
// where it can), and the slowest counts: it is the step a user waits longest
// for. Start-up and memory come from startup_probe, which starts as the tutor
// does. Prints one markdown table at the end, with the goals beside each row.
// `commands_bench <part of a name>` times only the commands so named.

#include "base/program_folders.h"
#include "bench/bench_support.h"
#include "bench/command_table.h"
#include "tests/test_support.h"
#include "worksheet/worksheet_writer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <vector>

using namespace bench;

namespace {

// Runs per command and screen; the median counts. Commands that take a
// quarter of a second or more, or after which the rows must be made anew,
// get fewer.
constexpr int Runs = 7;
constexpr int SlowRuns = 3;
constexpr qint64 SlowNs = 250'000'000;
constexpr int ProbeRuns = 7;

// Closes the worksheet's print preview once it has drawn its pages, after
// printing it to a PDF file when asked; notes whether a progress dialog
// came up meanwhile.
class PreviewCloser : public QObject
{
public:
    explicit PreviewCloser(const QString &pdf)
        : m_pdf(pdf)
    {
        connect(&m_poll, &QTimer::timeout, this, [this]() { closePreview(); });
        m_poll.start(5);
        // A timer does not fire again while its own handler runs, so the
        // print run started from the first one is watched by a second.
        connect(&m_progressPoll, &QTimer::timeout, this, [this]() { lookForProgress(); });
        m_progressPoll.start(50);
    }

    bool sawProgress = false;

private:
    void closePreview()
    {
        const auto widgets = QApplication::topLevelWidgets();
        for (QWidget *widget : widgets) {
            auto *preview = qobject_cast<QPrintPreviewDialog *>(widget);
            if (!preview || !preview->isVisible())
                continue;
            if (!m_pdf.isEmpty()) {
                preview->printer()->setOutputFormat(QPrinter::PdfFormat);
                preview->printer()->setOutputFileName(m_pdf);
                preview->findChild<QPrintPreviewWidget *>()->print();
            }
            preview->reject();
        }
    }

    void lookForProgress()
    {
        const auto widgets = QApplication::topLevelWidgets();
        for (QWidget *widget : widgets) {
            if (qobject_cast<QProgressDialog *>(widget) && widget->isVisible())
                sawProgress = true;
        }
    }

    const QString m_pdf;
    QTimer m_poll;
    QTimer m_progressPoll;
};

// The step a user takes: the handler, then whatever it leaves for the
// event loop (painting, a message box closing).
qint64 timedRun(Tutor &tutor, const Command &command, bool &sawProgress)
{
    QObject *owner = testsupport::handlerOwner(&tutor.window(), command.handler.constData());
    if (!owner)
        qFatal("no handler %s", command.handler.constData());
    // Made for each run: its polling would otherwise land in other runs.
    testsupport::MessageBoxCloser boxes;
    std::optional<PreviewCloser> closer;
    if (command.handler == "cmdPrintWorksheet_Click")
        closer.emplace(
            command.printsToPdf ? tutor.folder() + QStringLiteral("/worksheet.pdf") : QString());
    const qint64 start = processCpuNs();
    QMetaObject::invokeMethod(owner, command.handler.constData(), Qt::DirectConnection);
    QApplication::processEvents();
    const qint64 spent = processCpuNs() - start;
    if (closer)
        sawProgress = sawProgress || closer->sawProgress;
    return spent;
}

// A save replaces a different file of the same name: the slowest save,
// which also keeps the earlier copy.
void prepareSave(Tutor &tutor, const Command &command)
{
    QString file;
    if (command.handler == "cmdSaveWorksheet_Click")
        file = tutor::worksheetFileName();
    else if (command.handler == "cmdSaveAnswer_Click")
        file = tutor::answerSheetFileName();
    else
        return;
    const ProgramFolders folders(tutor.folder(), tutor.folder() + QStringLiteral("/documents"));
    QDir().mkpath(folders.worksheetsFolder());
    QFile earlier(folders.worksheetsFolder() + QLatin1Char('/') + file);
    if (earlier.open(QIODevice::WriteOnly))
        earlier.write("an earlier worksheet\r\n");
}

// Where the data shows or lies beneath: the slowest places for most commands.
bool showsData(Place place)
{
    return place == Place::Practice || place == Place::PracticeWithReport
        || place == Place::Worksheet || place == Place::WorksheetOneShort;
}

// Where the command is timed: every place that shows the data where it
// can be given, or, when it can be given on none of them, the first place
// where it can. Found with a screenful of rows, so that the full window
// need not make its rows again for places where the command is not offered.
std::vector<Place> placesFor(Tutor &tutor, const Command &command)
{
    std::vector<Place> found;
    for (const auto &[place, placeName] : places()) {
        if (!found.empty() && !showsData(place))
            break;
        tutor.reach(place, Size::Screenful);
        if (reachable(command))
            found.push_back(place);
    }
    return found;
}

// Times the command on one place. Where each run leaves rows to be made
// anew, or takes long, fewer runs do.
Timing timeOnPlace(Tutor &tutor, const Command &command, Size size, Place place)
{
    Timing timing;
    tutor.reach(place, size);
    if (!reachable(command))
        return timing;
    std::vector<double> runs;
    bool costly = false;
    for (int run = 0; run < Runs && !(costly && run >= SlowRuns); ++run) {
        if (run > 0)
            costly = tutor.reach(place, size) || costly;
        prepareSave(tutor, command);
        const qint64 spent = timedRun(tutor, command, timing.sawProgress);
        runs.push_back(toMs(spent));
        costly = costly || spent >= SlowNs;
    }
    timing.ms = median(runs);
    timing.runs = int(runs.size());
    timing.place = placeName(place);
    return timing;
}

// Quitting: "Exit" closes the window, then the program frees it as it ends.
// Each run times both steps, on a window of its own.
struct ExitTimings
{
    Timing windowGone;
    Timing freed;
};

ExitTimings timeExit(Size size)
{
    std::vector<double> closing;
    std::vector<double> freeing;
    for (int run = 0; run < (size == Size::Full ? SlowRuns : Runs); ++run) {
        Tutor tutor;
        tutor.reach(Place::PracticeWithReport, size);
        const qint64 start = processCpuNs();
        tutor.call("mnuFileExit_Click");
        QApplication::processEvents();
        const qint64 closed = processCpuNs();
        tutor.destroyWindow();
        closing.push_back(toMs(closed - start));
        freeing.push_back(toMs(processCpuNs() - start));
    }
    const QString place = QStringLiteral("practice, report shown");
    const int runs = int(closing.size());
    return { { median(closing), place, runs }, { median(freeing), place, runs } };
}

// Start-up and memory, measured by the probe program in a process of its
// own: each figure the median of several starts.
std::map<QString, double> probeFigures()
{
    const QString probe = QCoreApplication::applicationDirPath() + QStringLiteral("/startup_probe");
    const QString emptyWindow
        = QCoreApplication::applicationDirPath() + QStringLiteral("/empty_window");
    std::map<QString, std::vector<double>> samples;
    for (int run = 0; run < ProbeRuns; ++run) {
        QTemporaryDir folder;
        testsupport::copyShippedFiles(folder.path());
        // The last start also fills the log and worksheet, for the memory
        // they take.
        QStringList arguments { folder.path() };
        if (run == ProbeRuns - 1)
            arguments << QStringLiteral("--full");
        for (const QString &program : { probe, emptyWindow }) {
            QProcess process;
            process.start(program, program == probe ? arguments : QStringList());
            if (!process.waitForFinished(300000) || process.exitCode() != 0)
                qFatal("startup_probe failed: %s", qPrintable(process.errorString()));
            const auto lines
                = QString::fromLatin1(process.readAllStandardOutput()).split(QLatin1Char('\n'));
            for (const QString &line : lines) {
                const qsizetype equals = line.indexOf(QLatin1Char('='));
                if (equals > 0)
                    samples[line.left(equals)].push_back(line.mid(equals + 1).toDouble());
            }
        }
    }
    std::map<QString, double> figures;
    for (const auto &[name, values] : samples)
        figures[name] = median(values);
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testsupport::UrlCapture launches;

    // A part of a command's name times only the commands that have it.
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    std::vector<Command> commands;
    std::vector<Result> results;
    {
        // One window at a time, so that no other window's timers tick
        // into a measurement.
        std::unique_ptr<Tutor> current;
        const auto tutor = [&current]() -> Tutor & {
            if (!current)
                current = std::make_unique<Tutor>();
            return *current;
        };
        commands = allCommands(tutor().window());
        commands.erase(std::remove_if(commands.begin(), commands.end(),
                           [&only](const Command &c) { return !c.label.contains(only); }),
            commands.end());
        results.resize(commands.size());
        std::vector<std::vector<Place>> where;
        for (const Command &command : commands)
            where.push_back(placesFor(tutor(), inWindow(command, tutor().window())));
        current.reset();

        // Place by place, so that the full window makes its rows again only
        // where a command has taken them away or left the worksheet.
        const auto timeAll = [&](Size size, Timing Result::*slot, const std::vector<bool> &which) {
            QElapsedTimer took;
            took.start();
            std::map<Size, ExitTimings> exits;
            for (std::size_t i = 0; i < commands.size(); ++i) {
                if (which[i] && commands[i].handler == "mnuFileExit_Click") {
                    if (!exits.count(size))
                        exits[size] = timeExit(size);
                    results[i].*slot
                        = commands[i].untilFreed ? exits[size].freed : exits[size].windowGone;
                }
            }
            for (const auto &[place, placeName] : places()) {
                for (std::size_t i = 0; i < commands.size(); ++i) {
                    const Command &command = commands[i];
                    if (!which[i] || command.handler == "mnuFileExit_Click"
                        || std::find(where[i].begin(), where[i].end(), place) == where[i].end())
                        continue;
                    // Only creating a problem differs one short of a full worksheet.
                    if (place == Place::WorksheetOneShort
                        && (size != Size::Full || command.handler != "cmdCreateProblem_Click"))
                        continue;
                    const Timing timing
                        = timeOnPlace(tutor(), inWindow(command, tutor().window()), size, place);
                    Timing &slowest = results[i].*slot;
                    if (timing.ms > slowest.ms)
                        slowest = timing;
                    slowest.sawProgress = slowest.sawProgress || timing.sawProgress;
                }
            }
            current.reset();
            std::fprintf(stderr, "  took %.0f s\n", double(took.elapsed()) / 1e3);
        };
        std::fprintf(stderr, "Timing every command with an empty session...\n");
        timeAll(Size::Empty, &Result::empty, std::vector<bool>(commands.size(), true));
        std::fprintf(stderr, "... with full data (this takes a minute or two)...\n");
        timeAll(Size::Full, &Result::full, std::vector<bool>(commands.size(), true));
        // Where the full data costs much more than an empty session, a
        // screenful of rows tells whether the rows in sight make the
        // difference.
        std::vector<bool> grown;
        for (std::size_t i = 0; i < commands.size(); ++i)
            grown.push_back(commands[i].walksData.isEmpty()
                && grewTooMuch(results[i].empty.ms, results[i].full.ms));
        std::fprintf(stderr, "... and with a screenful of rows where the full data cost more...\n");
        timeAll(Size::Screenful, &Result::screenful, grown);
    }
    std::fprintf(stderr, "Timing start-up...\n");
    const std::map<QString, double> probe
        = only.isEmpty() ? probeFigures() : std::map<QString, double>();

    printLine(QString());
    printLine(
        QStringLiteral("## Processor time per command (ms, median of up to %1 runs)").arg(Runs));
    printLine(QString());
    printLine(QStringLiteral("Measured on: ") + machine());
    printLine(QString());
    printLine(QStringLiteral("| Command | Empty session | Full data | Slowest at full data on | "
                             "Goal: time | Goal: growth |"));
    printLine(QStringLiteral("|---|---:|---:|---|---|---|"));
    int missed = 0;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const Verdicts verdicts = judge(commands[i], results[i]);
        missed += verdicts.met ? 0 : 1;
        const Timing &full = results[i].full;
        printLine(QStringLiteral("| %1 | %2 | %3 | %4 (%5 runs) | %6 | %7 |")
                      .arg(commands[i].label, ms(results[i].empty.ms), ms(full.ms), full.place)
                      .arg(full.runs)
                      .arg(verdicts.time, verdicts.growth));
    }
    const auto figure = [&probe](const char *name) {
        const auto found = probe.find(QString::fromLatin1(name));
        return found == probe.end() ? -1.0 : found->second;
    };
    bool missedMemory = false;
    if (!probe.empty()) {
        printLine(QStringLiteral("| Start-up: process start to the splash painted | %1 | | "
                                 "(%2 starts) | | |")
                      .arg(ms(figure("splash_cpu_ms")))
                      .arg(ProbeRuns));
        printLine(QStringLiteral("| Start-up, for comparison: an empty Qt window of the splash's "
                                 "size painted | %1 | | (%2 starts) | | |")
                      .arg(ms(figure("bare_cpu_ms")))
                      .arg(ProbeRuns));
        printLine(QStringLiteral("| Start-up: main window built, shown and painted | %1 | | "
                                 "(%2 starts) | | |")
                      .arg(ms(figure("window_cpu_ms")))
                      .arg(ProbeRuns));
        const double idle = figure("idle_rss_kb") / 1024;
        const double full = figure("full_rss_kb") / 1024;
        const Verdicts memory = judgeMemory(idle, full);
        missedMemory = !memory.met;
        printLine(QStringLiteral("| Memory in use (RSS, MiB): idle after start; full data | %1 "
                                 "| %2 | | %3 | %4 |")
                      .arg(QString::number(idle, 'f', 1), QString::number(full, 'f', 1),
                          memory.time, memory.growth));
    }
    printLine(QString());
    printLine(QStringLiteral("%1 of %2 commands miss a goal.").arg(missed).arg(commands.size()));
    if (missedMemory)
        printLine(QStringLiteral("Memory in use misses its goal."));
    return 0;
}
