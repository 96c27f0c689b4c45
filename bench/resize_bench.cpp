#include "app/main_window.h"
#include "tests/test_support.h"
#include "bench/run_benchmarks.h"

#include <QApplication>
#include <QCoreApplication>
#include <QScreen>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int Steps = 40;

// Time on this thread's processor, which other programs on a shared machine
// disturb less than the wall clock.
qint64 threadCpuNs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Drags the window of the practice screen from its design size to twice
// that and back, a step at a time, each step scaled, fitted and painted as
// a window manager's resize would have it. Every step should take less than
// a frame at 60 Hz (16 ms).
void resizingThePracticeScreen(benchmark::State &state)
{
    for (auto _ : state) {
        testsupport::TutorFixture fixture;
        MainWindow &window = fixture.window();
        testsupport::invokeHandler(&window, "mnuFileWork_Click");
        QCoreApplication::processEvents();
        const QSize around = window.size() - window.centralWidget()->size();

        qint64 total = 0;
        qint64 slowest = 0;
        for (int step = 1; step <= 2 * Steps; ++step) {
            const int along = step <= Steps ? step : 2 * Steps - step;
            const qreal factor = 1.0 + qreal(along) / Steps;
            const qint64 start = threadCpuNs();
            window.resize(QSize(qRound(694 * factor), qRound(317 * factor)) + around);
            QCoreApplication::processEvents();
            const qint64 spent = threadCpuNs() - start;
            total += spent;
            slowest = std::max(slowest, spent);
        }
        const double averageMs = double(total) / (2 * Steps) / 1e6;
        state.counters["cpu_ms_per_step"] = averageMs;
        state.counters["slowest_cpu_ms"] = double(slowest) / 1e6;
        std::printf("Processor time per resize step: %.2f ms on average, %.2f ms at most\n",
            averageMs, double(slowest) / 1e6);
    }
}

} // namespace

BENCHMARK(resizingThePracticeScreen)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
