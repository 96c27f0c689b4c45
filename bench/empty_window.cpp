// The least a Qt program spends before showing something: an empty window of
// the splash's size, shown and painted, in a program that links the Qt
// libraries the tutor links but nothing of the tutor's own, so that none of
// its start-up work (its translations among it) is counted here. Prints the
// figures startup_probe compares with its own.

#include "bench/show_and_paint.h"

#include <QApplication>

#include <cstdio>
#include <ctime>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(398, 200);
    showAndPaint(window);
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long long painted = static_cast<long long>(now.tv_sec) * 1000000000 + now.tv_nsec;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    std::printf("bare_cpu_ms=%.3f\n", double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6);
    std::printf("painted_ns=%lld\n", painted);
    return 0;
}
