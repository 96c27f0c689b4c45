// Starts as the tutor's main() does, in a process of its own, and prints what
// the start cost: processor time from the process's start until the splash
// has been painted, the work put off until then, the main window's
// construction and first showing, and the memory in use idle and with full
// data. The commands benchmark runs it several times and reports the
// medians.
//
// Usage: startup_probe <folder with the shipped pages> [--full | --splash]
//        startup_probe --compare <folder with the shipped pages> [starts [rounds]]
//        startup_probe --switch <folder with the shipped pages>
// --splash stops once the splash is painted; --compare starts the splash and
// the empty window of empty_window, beside this probe, in turn (9 of
// each in each of 3 rounds unless told), once in each language the program
// speaks, and prints how much longer the splash takes; --switch shows the
// main window and times changing it to each language.

#include "app/main_window.h"
#include "app/splash_window.h"
#include "base/language.h"
#include "base/maker_info.h"
#include "bench/show_and_paint.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <vector>

namespace {

// Processor time of the whole process since it started.
double processCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The monotonic clock, which the probes of a comparison share, in ns.
qint64 monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Resident memory now, in KiB.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const auto lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// The window or screen that has the handler slot.
QObject *handlerOwner(QObject *window, const char *handler)
{
    const QByteArray signature = QByteArray(handler) + "()";
    const auto children = window->findChildren<QObject *>();
    for (QObject *child : children) {
        if (child->metaObject()->indexOfSlot(signature.constData()) >= 0)
            return child;
    }
    return window;
}

void call(QObject *owner, const char *handler)
{
    QMetaObject::invokeMethod(owner, handler, Qt::DirectConnection);
}

void pick(QObject *window, const char *comboName, const QString &entry)
{
    auto *combo = window->findChild<QComboBox *>(QString::fromLatin1(comboName));
    combo->setCurrentIndex(combo->findText(entry));
    emit combo->activated(combo->currentIndex());
}

// The report log at its limit and the largest worksheet, filled the quick
// way: the rows are what counts here, not how they came.
void fillToTheBrim(MainWindow &window)
{
    SessionLog &log = window.session().log();
    for (int k = 0; k < SessionLog::MaximumRows; ++k) {
        const int first = 10 + k % 91;
        const int second = 10 + (k * 7) % 91;
        tutor::AnsweredProblem answer;
        answer.operation = tutor::Operation::Multiplication;
        answer.level = tutor::Level::Expert;
        answer.operand1 = float(first);
        answer.operand2 = float(second);
        answer.typed = QString::number(first * second);
        answer.expected = qint16(first * second);
        answer.verdict = tutor::Verdict::Right;
        answer.answeredAt = QDateTime::currentDateTimeUtc();
        log.append(answer);
        // Between clicks the event loop runs; without it, events pile up.
        if (k % 64 == 63)
            QCoreApplication::processEvents();
    }
    call(&window, "mnuOptShowReport_Click");
    call(&window, "mnuOptionsWorksheet_Click");
    pick(&window, "cmbDifficulty", QStringLiteral("Expert"));
    pick(&window, "cmbOperation", QStringLiteral("Multiplication"));
    QObject *worksheet = handlerOwner(&window, "cmdCreateProblem_Click");
    for (int k = 0; k < TutorSession::MaximumWorksheetProblems; ++k) {
        call(worksheet, "cmdCreateProblem_Click");
        if (k % 64 == 63)
            QCoreApplication::processEvents();
    }
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One start of this probe in a process of its own: its figures by name, and
// the wall-clock time from launching it to its first painting.
std::map<QString, double> startOnce(
    const QString &program, const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    const qint64 launched = monotonicNs();
    process.start(program, arguments);
    if (!process.waitForFinished(300000) || process.exitCode() != 0)
        qFatal("startup_probe failed: %s", qPrintable(process.errorString()));
    std::map<QString, double> figures;
    const auto lines
        = QString::fromLatin1(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            figures[line.left(equals)] = line.mid(equals + 1).toDouble();
    }
    figures[QStringLiteral("launch_ms")] = (figures[QStringLiteral("painted_ns")] - launched) / 1e6;
    return figures;
}

// The splash against an empty window, started in turn so that whatever else
// the machine does weighs on both alike, in rounds that show the spread: the
// medians of processor time and of the time from launch to the first
// painting, and their ratios. Each language the program speaks has its
// rounds, chosen as a desktop chooses it, with no setting kept.
int compare(const QString &applicationFolder, int starts, int rounds)
{
    std::printf("\nStart-up against an empty Qt window of the splash's size (%s platform), "
                "medians of %d starts each, taken in turn; ms\n\n",
        qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("default"))), starts);
    std::printf("| Language | Round | Processor time: splash | empty window | ratio | "
                "From launch: splash | empty window | ratio |\n");
    std::printf("|---|---|---:|---:|---:|---:|---:|---:|\n");
    QTemporaryDir noSettings;
    const QString emptyWindow
        = QCoreApplication::applicationDirPath() + QStringLiteral("/empty_window");
    const auto languages = language::shippedLanguages();
    for (const language::ShippedLanguage &spoken : languages) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), noSettings.path());
        environment.insert(QStringLiteral("LANGUAGE"), spoken.code);
        environment.insert(QStringLiteral("LC_ALL"), spoken.code + QStringLiteral(".UTF-8"));
        for (int round = 1; round <= rounds; ++round) {
            std::vector<double> splashCpu;
            std::vector<double> splashLaunch;
            std::vector<double> bareCpu;
            std::vector<double> bareLaunch;
            for (int start = 0; start < starts; ++start) {
                auto splash = startOnce(QCoreApplication::applicationFilePath(),
                    { applicationFolder, QStringLiteral("--splash") }, environment);
                splashCpu.push_back(splash[QStringLiteral("splash_cpu_ms")]);
                splashLaunch.push_back(splash[QStringLiteral("launch_ms")]);
                auto bare = startOnce(emptyWindow, {}, environment);
                bareCpu.push_back(bare[QStringLiteral("bare_cpu_ms")]);
                bareLaunch.push_back(bare[QStringLiteral("launch_ms")]);
            }
            std::printf("| %s | %d | %.1f | %.1f | %.2f× | %.1f | %.1f | %.2f× |\n",
                qPrintable(spoken.name), round, median(splashCpu), median(bareCpu),
                median(splashCpu) / median(bareCpu), median(splashLaunch), median(bareLaunch),
                median(splashLaunch) / median(bareLaunch));
            std::fflush(stdout);
        }
    }
    return 0;
}

// The main window on its start page, changed to each language: the time until every screen has
// taken the change and the window has been painted again, the median of several changes; ms.
int timeSwitches(const QString &applicationFolder)
{
    MainWindow window(applicationFolder);
    showAndPaint(window);
    std::printf("\nChanging the language of the shown window (%s platform), medians of 9; ms\n\n",
        qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("default"))));
    std::printf("| To | Wall-clock | Processor time |\n|---|---:|---:|\n");
    const auto languages = language::shippedLanguages();
    for (const language::ShippedLanguage &spoken : languages) {
        std::vector<double> wall;
        std::vector<double> cpu;
        // To the language and away again: to English, or from English to
        // another language.
        const QString away
            = spoken.code == QLatin1String("en") ? languages.last().code : QStringLiteral("en");
        for (int change = 0; change < 9; ++change) {
            for (const QString &code : { spoken.code, away }) {
                QElapsedTimer clock;
                clock.start();
                const double cpuBefore = processCpuMs();
                language::speak(code);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
                window.repaint();
                QCoreApplication::processEvents();
                if (code == spoken.code) {
                    wall.push_back(double(clock.nsecsElapsed()) / 1e6);
                    cpu.push_back(processCpuMs() - cpuBefore);
                }
            }
        }
        std::printf("| %s | %.1f | %.1f |\n", qPrintable(spoken.name), median(wall), median(cpu));
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--compare") == 0) {
        QCoreApplication app(argc, argv);
        const int starts = argc > 3 ? std::max(1, QByteArray(argv[3]).toInt()) : 9;
        const int rounds = argc > 4 ? std::max(1, QByteArray(argv[4]).toInt()) : 3;
        return compare(QString::fromLocal8Bit(argv[2]), starts, rounds);
    }

    // As main() starts the tutor.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvi Math Tutor"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(tutor::ApplicationId));
    if (argc < 2) {
        std::fprintf(stderr,
            "usage: startup_probe <folder with the shipped pages> [--full | --splash] | "
            "--compare <folder> [starts [rounds]] | --switch <folder>\n");
        return 2;
    }
    if (argc > 2 && qstrcmp(argv[1], "--switch") == 0)
        return timeSwitches(QString::fromLocal8Bit(argv[2]));
    const QString applicationFolder = QString::fromLocal8Bit(argv[1]);

    std::unique_ptr<MainWindow> mainWindow;
    SplashWindow splash([&]() {
        mainWindow = std::make_unique<MainWindow>(applicationFolder);
        return mainWindow.get();
    });
    bool shownWorkDone = false;
    splash.doOnceShown([&shownWorkDone] {
        QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(tutor::ApplicationId)));
        shownWorkDone = true;
    });
    showAndPaint(splash);
    const qint64 painted = monotonicNs();
    const double splashCpu = processCpuMs();
    std::printf("splash_cpu_ms=%.3f\n", splashCpu);
    std::printf("painted_ns=%lld\n", static_cast<long long>(painted));

    // What waits until the splash is on screen, done while it shows.
    while (!shownWorkDone)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("shown_work_cpu_ms=%.3f\n", processCpuMs() - splashCpu);
    if (argc > 2 && qstrcmp(argv[2], "--splash") == 0)
        return 0;

    // What the splash's timer does after three seconds.
    const double beforeWindow = processCpuMs();
    splash.Timer1_Timer();
    QCoreApplication::processEvents();
    std::printf("window_cpu_ms=%.3f\n", processCpuMs() - beforeWindow);
    std::printf("idle_rss_kb=%ld\n", residentKb());
    if (argc < 3 || qstrcmp(argv[2], "--full") != 0)
        return 0;

    fillToTheBrim(*mainWindow);
    QCoreApplication::processEvents();
    std::printf("full_rss_kb=%ld\n", residentKb());
    return 0;
}
