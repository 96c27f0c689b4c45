// The least a Qt program spends before showing something: an empty window of
// the splash's size, shown and painted, in a program that links the Qt
// libraries the tutor links but nothing of the tutor's own, so that none of
// its start-up work (its translations among it) is counted here. Prints the
// figures startup_probe compares with its own.

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(398, 200);
    PaintSeen painting;
    window.installEventFilter(&painting);
    window.show();
    while (!painting.seen)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long long painted = static_cast<long long>(now.tv_sec) * 1000000000 + now.tv_nsec;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    std::printf("bare_cpu_ms=%.3f\n", double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6);
    std::printf("painted_ns=%lld\n", painted);
    return 0;
}
