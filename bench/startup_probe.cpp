// Starts as the tutor's main() does, in a process of its own, and prints what
// the start cost: processor time from the process's start until the splash
// has been painted, the main window's construction and first showing, and
// the memory in use idle and with full data. The commands benchmark runs it
// several times and reports the medians. Usage: startup_probe <folder with
// the shipped pages> [--full], or startup_probe --bare.

#include "app/main_window.h"
#include "app/splash_window.h"
#include "base/maker_info.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QIcon>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

// Processor time of the whole process since it started.
double processCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
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

// Notes that a window's painting has begun; the events being handled then
// finish it, title picture and all.
class PaintSeen : public QObject
{
public:
    bool seen = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        seen = seen || event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

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

// Shows `window` and returns once it has been painted.
void showAndPaint(QWidget &window)
{
    PaintSeen painting;
    window.installEventFilter(&painting);
    window.show();
    while (!painting.seen)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.removeEventFilter(&painting);
}

} // namespace

int main(int argc, char *argv[])
{
    // For comparison: the same time for an empty window of the splash's size,
    // the least any Qt program spends before showing something.
    if (argc > 1 && qstrcmp(argv[1], "--bare") == 0) {
        QApplication app(argc, argv);
        QWidget window;
        window.resize(398, 200);
        showAndPaint(window);
        std::printf("bare_cpu_ms=%.3f\n", processCpuMs());
        return 0;
    }

    // As main() starts the tutor.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvi Math Tutor"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(tutor::ApplicationId));
    QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(tutor::ApplicationId)));
    if (argc < 2) {
        std::fprintf(
            stderr, "usage: startup_probe <folder with the shipped pages> [--full] | --bare\n");
        return 2;
    }
    const QString applicationFolder = QString::fromLocal8Bit(argv[1]);

    std::unique_ptr<MainWindow> mainWindow;
    SplashWindow splash([&]() {
        mainWindow = std::make_unique<MainWindow>(applicationFolder);
        return mainWindow.get();
    });
    showAndPaint(splash);
    std::printf("splash_cpu_ms=%.3f\n", processCpuMs());

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
