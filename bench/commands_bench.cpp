// What every menu command and every button costs in processor time, with an
// empty session and with full data: the report log at its 32 767-row limit
// and a 32 767-problem worksheet. Each command is timed on every screen that
// shows the data where it can be given (or, if none, on the first screen
// where it can), and the slowest counts: it is the step a user waits longest
// for. Start-up and memory come from startup_probe, which starts as the tutor
// does. Prints one markdown table at the end, with the goals beside each row.
// `commands_bench <part of a name>` times only the commands so named.

#include "app/main_window.h"
#include "base/program_folders.h"
#include "tests/test_support.h"
#include "worksheet/worksheet_writer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr int FullLog = SessionLog::MaximumRows;
constexpr int FullWorksheet = TutorSession::MaximumWorksheetProblems;
// Runs per command and screen; the median counts. Commands that take a
// quarter of a second or more, or after which the rows must be made anew,
// get fewer.
constexpr int Runs = 7;
constexpr int SlowRuns = 3;
constexpr qint64 SlowNs = 250'000'000;
constexpr int ProbeRuns = 7;

constexpr double CommandGoalMs = 16.0;
constexpr double SaveGoalMs = 100.0;
constexpr double GrowthGoal = 1.5;

using testsupport::named;

// Processor time of the whole process, every thread included: other builds
// on a shared machine slow the wall clock, not this.
qint64 processCpuNs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double toMs(qint64 ns)
{
    return double(ns) / 1e6;
}

// The screens and situations a command can be given in.
enum class Place {
    Practice,
    PracticeWithReport,
    ScoreCardsHidden,
    NameTyped,
    Worksheet,
    WorksheetOneShort, // the last problem still to come
    Help,
    About,
    MissingNumber,
    MissingOperation,
    TimeTrial,
    TimeTrialRunning,
    TimeTrialOver,
};

const std::vector<std::pair<Place, const char *>> &places()
{
    static const std::vector<std::pair<Place, const char *>> all = {
        { Place::Practice, "practice" },
        { Place::PracticeWithReport, "practice, report shown" },
        { Place::Worksheet, "worksheet" },
        { Place::WorksheetOneShort, "worksheet, one problem short" },
        { Place::ScoreCardsHidden, "practice, score cards hidden" },
        { Place::NameTyped, "report, name typed" },
        { Place::Help, "help" },
        { Place::About, "about" },
        { Place::MissingNumber, "Missing Number" },
        { Place::MissingOperation, "Missing Operation" },
        { Place::TimeTrial, "Time Trial" },
        { Place::TimeTrialRunning, "Time Trial running" },
        { Place::TimeTrialOver, "Time Trial over" },
    };
    return all;
}

// How much the session holds: nothing, a screenful (every list on screen
// full, nothing more), or the log and worksheet at their limits.
enum class Size { Empty, Screenful, Full };

struct Amount
{
    int log;
    int problems;
};

Amount amount(Size size)
{
    switch (size) {
    case Size::Empty:
        return { 0, 0 };
    case Size::Screenful:
        return { 40, 40 };
    case Size::Full:
        break;
    }
    return { FullLog, FullWorksheet };
}

// One row of the full log: an Expert multiplication, now and then wrong.
tutor::AnsweredProblem logRow(int k)
{
    const int first = 10 + k % 91;
    const int second = 10 + (k * 7) % 91;
    const bool right = k % 5 != 4;
    const int product = first * second;
    tutor::AnsweredProblem answer;
    answer.operation = tutor::Operation::Multiplication;
    answer.level = tutor::Level::Expert;
    answer.operand1 = float(first);
    answer.operand2 = float(second);
    answer.typed = QString::number(right ? product : product + 1);
    answer.expected = qint16(product);
    answer.verdict = right ? tutor::Verdict::Right : tutor::Verdict::Wrong;
    answer.answeredAt = QDateTime::currentDateTimeUtc();
    answer.thinkingMs = 2000 + k % 3000;
    return answer;
}

// A main window on a fresh temporary application folder, as the tests
// build it, but torn down on its own so that quitting can be timed.
class Tutor
{
public:
    Tutor()
    {
        testsupport::copyShippedFiles(m_folder.path());
        m_window = std::make_unique<MainWindow>(m_folder.path());
        m_window->show();
        QApplication::processEvents();
    }
    ~Tutor() { m_window.reset(); }

    MainWindow &window() { return *m_window; }
    QString folder() const { return m_folder.path(); }
    void destroyWindow() { m_window.reset(); }

    void call(const char *handler)
    {
        if (!testsupport::invokeHandler(m_window.get(), handler))
            qFatal("no handler %s", handler);
    }

    int worksheetRows()
    {
        return named<QAbstractItemView>(m_window.get(), QStringLiteral("lstWorksheetNum1"))
            ->model()
            ->rowCount();
    }
    bool shown(const char *name) { return testsupport::isShown(*m_window, name); }

    // The rows come one by one, as answers add them, with the event loop
    // running now and then as between a pupil's answers: the rows lie in
    // memory as they would after a real session, which is what freeing and
    // reading them costs most with.
    void fillLog(int rows)
    {
        SessionLog &log = m_window->session().log();
        if (log.size() > rows)
            call("cmdClearReport_Click");
        for (int k = log.size(); k < rows; ++k) {
            log.append(logRow(k));
            catchUp(k);
        }
    }

    // A new worksheet of Expert Multiplication, the longest rows, created
    // problem by problem as clicks do.
    void fillWorksheet(int problems)
    {
        call("mnuOptionsWorksheet_Click");
        testsupport::pickEntry(m_window.get(), "cmbDifficulty", QStringLiteral("Expert"));
        testsupport::pickEntry(m_window.get(), "cmbOperation", QStringLiteral("Multiplication"));
        QObject *screen = testsupport::handlerOwner(m_window.get(), "cmdCreateProblem_Click");
        for (int k = 0; k < problems; ++k) {
            QMetaObject::invokeMethod(screen, "cmdCreateProblem_Click", Qt::DirectConnection);
            catchUp(k);
        }
    }

    // Brings the window to `place` with as many rows as `size` asks, from
    // whatever the last command left. True when rows had to be made anew.
    bool reach(Place place, Size size)
    {
        // A running or finished trial keeps the menus locked.
        if (!named<QWidget>(m_window.get(), QStringLiteral("cmdStopGame3"))->isHidden())
            call("cmdStopGame3_Click");
        if (!named<QWidget>(m_window.get(), QStringLiteral("cmdResetGame3"))->isHidden())
            call("cmdResetGame3_Click");

        const Amount rows = amount(size);
        const int worksheet = rows.problems - (place == Place::WorksheetOneShort ? 1 : 0);
        bool remade = m_window->session().log().size() != rows.log;
        fillLog(rows.log);
        const bool onWorksheet = place == Place::Worksheet || place == Place::WorksheetOneShort;
        if (onWorksheet && shown("fraWorksheet") && worksheetRows() == worksheet
            && named<QWidget>(m_window.get(), QStringLiteral("cmdCreateProblem"))->isEnabled()) {
            settle();
            return remade;
        }

        call("mnuFileWork_Click");
        call("mnuOptScoreShow_Click");
        call("mnuOptOperAdd_Click");
        call("mnuOptDiffLev0_Click");
        if (!shown("fraLog"))
            call("mnuOptShowReport_Click");
        if (onWorksheet || worksheetRows() != worksheet) {
            remade = remade || worksheet > 0;
            fillWorksheet(worksheet);
            if (onWorksheet) {
                settle();
                return remade;
            }
            call("mnuFileWork_Click");
        }

        switch (place) {
        case Place::Practice:
            call("mnuOptHideReport_Click");
            break;
        case Place::PracticeWithReport:
        case Place::Worksheet:
        case Place::WorksheetOneShort:
            break;
        case Place::ScoreCardsHidden:
            call("mnuOptScoreHide_Click");
            break;
        case Place::NameTyped:
            QTest::keyClicks(
                named<QLineEdit>(m_window.get(), QStringLiteral("txtNameReport")), "Ada");
            break;
        case Place::Help:
            call("mnuHelpContents_Click");
            break;
        case Place::About:
            call("mnuHelpAbout_Click");
            break;
        case Place::MissingNumber:
            call("mnuGamesMissingNum_Click");
            break;
        case Place::MissingOperation:
            call("mnuGamesMissingOper_Click");
            break;
        case Place::TimeTrial:
        case Place::TimeTrialRunning:
        case Place::TimeTrialOver:
            call("mnuGamesTime_Click");
            if (place != Place::TimeTrial)
                call("cmdStartGame3_Click");
            while (place == Place::TimeTrialOver && !shown("cmdResetGame3"))
                call("Timer3_Timer");
            break;
        }
        settle();
        return remade;
    }

private:
    static void settle() { QApplication::processEvents(); }
    static void catchUp(int k)
    {
        if (k % 64 == 63)
            settle();
    }

    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_window;
};

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

// A menu item or a button, and how a user gives it.
struct Command
{
    QString label;
    QByteArray handler;
    QString objectName;
    bool isButton = false;
    // The item or button in the window at hand (see inWindow()).
    QAction *item = nullptr;
    QPushButton *button = nullptr;
    // Writes a file or prints: may take up to 100 ms, and beyond that must
    // show its progress.
    bool saves = false;
    // Why it cannot help walking every row at full data; empty if it can.
    QString walksData;
    // For Print...: also prints the preview to a PDF file.
    bool printsToPdf = false;
    // For Exit: until the program has freed its window and data, not only
    // until the window is gone.
    bool untilFreed = false;
};

QString plainCaption(QString text)
{
    return text.remove(QLatin1Char('&')).remove(QStringLiteral("..."));
}

QString screenName(const QWidget *widget, MainWindow &window)
{
    static const std::map<QString, QString> names = {
        { QStringLiteral("fraLog"), QStringLiteral("Report") },
        { QStringLiteral("fraWorksheet"), QStringLiteral("Worksheet") },
        { QStringLiteral("fraGame3"), QStringLiteral("Time Trial") },
        { QStringLiteral("fraAbout"), QStringLiteral("About") },
    };
    while (widget && widget->parentWidget() != window.centralWidget())
        widget = widget->parentWidget();
    if (!widget)
        return QString();
    const auto found = names.find(widget->objectName());
    return found == names.end() ? widget->objectName() : found->second;
}

// What a command must do at full data that cannot be done without going
// through the rows.
const std::map<QByteArray, QString> &dataWalkers()
{
    static const std::map<QByteArray, QString> walkers = {
        { "mnuFileExit_Click", QStringLiteral("frees every row") },
        { "mnuOptionsWorksheet_Click", QStringLiteral("a new worksheet drops the old one's rows") },
        { "cmdClearReport_Click", QStringLiteral("drops every logged row") },
        { "cmdPrintReport_Click", QStringLiteral("writes every logged row") },
        { "cmdClearWorksheet_Click", QStringLiteral("drops every problem") },
        { "cmdSaveWorksheet_Click", QStringLiteral("writes every problem") },
        { "cmdSaveAnswer_Click", QStringLiteral("writes every problem") },
        { "cmdPrintWorksheet_Click", QStringLiteral("draws every page") },
    };
    return walkers;
}

std::vector<Command> allCommands(MainWindow &window)
{
    std::vector<Command> commands;
    const std::function<void(QMenu *, const QString &)> addMenu
        = [&](QMenu *menu, const QString &path) {
              const auto items = menu->actions();
              for (QAction *item : items) {
                  if (item->isSeparator())
                      continue;
                  const QString label = path + QStringLiteral(" → ") + plainCaption(item->text());
                  if (item->menu()) {
                      addMenu(item->menu(), label);
                      continue;
                  }
                  Command command;
                  command.label = label;
                  command.handler = item->objectName().toLatin1() + "_Click";
                  command.objectName = item->objectName();
                  commands.push_back(command);
              }
          };
    const auto menus = window.menuBar()->actions();
    for (QAction *menu : menus)
        addMenu(menu->menu(), plainCaption(menu->text()));

    const auto buttons = window.findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        Command command;
        command.label = screenName(button, window) + QStringLiteral(": ")
            + plainCaption(button->text())
            + (button->text().endsWith(QStringLiteral("...")) ? QStringLiteral("...") : QString());
        command.handler = button->objectName().toLatin1() + "_Click";
        command.objectName = button->objectName();
        command.isButton = true;
        commands.push_back(command);
    }

    for (Command &command : commands) {
        const auto walker = dataWalkers().find(command.handler);
        if (walker != dataWalkers().end())
            command.walksData = walker->second;
        command.saves
            = command.handler.startsWith("cmdSave") || command.handler.startsWith("cmdPrint");
    }
    // Print... twice: the preview alone, then the preview printed to PDF.
    const auto print = std::find_if(commands.begin(), commands.end(),
        [](const Command &c) { return c.handler == "cmdPrintWorksheet_Click"; });
    if (print != commands.end()) {
        Command toPdf = *print;
        toPdf.label += QStringLiteral(" then print to PDF");
        toPdf.printsToPdf = true;
        print->label += QStringLiteral(" (preview)");
        commands.insert(print + 1, toPdf);
    }
    // Exit twice: until the window is gone, then until all is freed.
    const auto exit = std::find_if(commands.begin(), commands.end(),
        [](const Command &c) { return c.handler == "mnuFileExit_Click"; });
    if (exit != commands.end()) {
        Command freed = *exit;
        freed.label += QStringLiteral(" (until the program has freed everything)");
        freed.untilFreed = true;
        exit->label += QStringLiteral(" (until the window is gone)");
        exit->walksData.clear();
        commands.insert(exit + 1, freed);
    }
    return commands;
}

// Whether a user can give the command now: the item and every menu above it
// enabled and shown, or the button shown and enabled.
bool reachable(const Command &command)
{
    if (command.button)
        return command.button->isVisible() && command.button->isEnabled();
    if (!command.item->isEnabled() || !command.item->isVisible())
        return false;
    for (QObject *up = command.item->parent(); up; up = up->parent()) {
        auto *menu = qobject_cast<QMenu *>(up);
        if (!menu)
            break;
        if (!menu->isEnabled() || !menu->menuAction()->isVisible()
            || !menu->menuAction()->isEnabled())
            return false;
    }
    return true;
}

struct Timing
{
    double ms = -1; // median; below 0 when the command cannot be given
    QString place;
    int runs = 0;
    bool sawProgress = false;
};

struct Result
{
    Timing empty;
    Timing screenful; // only where the full data costs more than the goal allows
    Timing full;
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
    for (const auto &[known, name] : places()) {
        if (known == place)
            timing.place = QString::fromLatin1(name);
    }
    return timing;
}

// Each window has the same commands; they are found by name.
Command inWindow(const Command &command, MainWindow &window)
{
    Command here = command;
    if (command.isButton)
        here.button = window.findChild<QPushButton *>(command.objectName);
    else
        here.item = window.findChild<QAction *>(command.objectName);
    return here;
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
    std::map<QString, std::vector<double>> samples;
    for (int run = 0; run < ProbeRuns; ++run) {
        QTemporaryDir folder;
        testsupport::copyShippedFiles(folder.path());
        // The last start also fills the log and worksheet, for the memory
        // they take.
        QStringList arguments { folder.path() };
        if (run == ProbeRuns - 1)
            arguments << QStringLiteral("--full");
        for (const QStringList &start : { arguments, QStringList { QStringLiteral("--bare") } }) {
            QProcess process;
            process.start(probe, start);
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

QString ms(double value)
{
    if (value < 0)
        return QStringLiteral("—");
    return QString::number(value, 'f', value < 10 ? 2 : value < 100 ? 1 : 0);
}

// Differences smaller than this lie within the spread of repeated runs.
constexpr double NoiseMs = 0.25;

bool grewTooMuch(double emptyMs, double fullMs)
{
    return emptyMs >= 0 && fullMs > GrowthGoal * emptyMs && fullMs - emptyMs > NoiseMs;
}

struct Verdicts
{
    QString time;
    QString growth;
    bool met = true;
};

Verdicts judge(const Command &command, const Result &result)
{
    Verdicts verdicts;
    const double full = result.full.ms;
    const double empty = result.empty.ms;
    if (full < 0) {
        verdicts.time = QStringLiteral("— (not offered at full data)");
        verdicts.growth = QStringLiteral("—");
        return verdicts;
    }
    if (command.saves) {
        if (full <= SaveGoalMs)
            verdicts.time = QStringLiteral("✓ < 100");
        else if (result.full.sawProgress)
            verdicts.time = QStringLiteral("✓ > 100, shows progress");
        else {
            verdicts.time = QStringLiteral("✗ > 100, no progress dialog");
            verdicts.met = false;
        }
    } else if (full <= CommandGoalMs) {
        verdicts.time = QStringLiteral("✓ < 16");
    } else {
        verdicts.time = QStringLiteral("✗ > 16");
        verdicts.met = false;
    }
    if (empty < 0) {
        verdicts.growth = QStringLiteral("— (not offered when empty)");
        return verdicts;
    }
    const QString times = empty > 0
        ? QString(QString::number(full / empty, 'f', 1) + QStringLiteral("×"))
        : QString(QStringLiteral("+") + ms(full) + QStringLiteral(" ms"));
    if (!grewTooMuch(empty, full)) {
        verdicts.growth = QStringLiteral("✓ ") + times;
    } else if (!command.walksData.isEmpty()) {
        verdicts.growth = QStringLiteral("✓ ") + times + QStringLiteral(", ") + command.walksData;
    } else if (result.screenful.ms >= 0 && !grewTooMuch(result.screenful.ms, full)) {
        // What grew is what a screenful of rows already costs: the rows in
        // sight, not the data.
        verdicts.growth = QStringLiteral("✓ ") + times + QStringLiteral(", as with a screenful (")
            + ms(result.screenful.ms) + QStringLiteral(" ms): the rows in sight");
    } else {
        verdicts.growth = QStringLiteral("✗ ") + times;
        verdicts.met = false;
    }
    return verdicts;
}

QString machine()
{
    QFile cpuInfo(QStringLiteral("/proc/cpuinfo"));
    QString model = QStringLiteral("unknown processor");
    if (cpuInfo.open(QIODevice::ReadOnly)) {
        const auto lines = QString::fromLatin1(cpuInfo.readAll()).split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            if (line.startsWith(QStringLiteral("model name"))) {
                model = line.section(QLatin1Char(':'), 1).trimmed();
                break;
            }
        }
    }
    return model + QStringLiteral(", ") + QString::number(QThread::idealThreadCount())
        + QStringLiteral(" cores, ") + QSysInfo::prettyProductName() + QStringLiteral(", Qt ")
        + QString::fromLatin1(qVersion()) + QStringLiteral(", platform ")
        + QGuiApplication::platformName();
}

void printLine(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
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
        printLine(QStringLiteral("| Memory in use (RSS, MiB): idle after start; full data | %1 "
                                 "| %2 | | | |")
                      .arg(QString::number(figure("idle_rss_kb") / 1024, 'f', 1),
                          QString::number(figure("full_rss_kb") / 1024, 'f', 1)));
    }
    printLine(QString());
    printLine(QStringLiteral("%1 of %2 commands miss a goal.").arg(missed).arg(commands.size()));
    return 0;
}
