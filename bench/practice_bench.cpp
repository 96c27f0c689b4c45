#include "app/main_window.h"
#include "tests/test_support.h"
#include "bench/run_benchmarks.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>

namespace {

constexpr int LogRows = 32767;
constexpr int Sample = 1000;

// What a pupil at Warm Up addition would type: mostly right, now and then
// wrong, so both feedback frames take turns.
QString typedAnswer(const TutorState &state, int answer)
{
    const int sum = int(state.Operand1 + state.Operand2);
    return QString::number(answer % 5 == 4 ? sum + 1 : sum);
}

// Time on this thread's processor, which other programs on a shared machine
// disturb less than the wall clock.
qint64 threadCpuNs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

struct Spent
{
    qint64 wallNs = 0;
    qint64 cpuNs = 0;
};

double microsecondsPerAnswer(qint64 ns)
{
    return double(ns) / Sample / 1000.0;
}

// Fills the session log to the brim through the answer box, with the report
// panel shown and the window repainting, and compares the cost of an answer
// at the start with the cost at the end. The two should be alike: nothing
// in the answer path may walk the whole log.
void answeringFillsTheLogAtAnEvenPace(benchmark::State &state)
{
    for (auto _ : state) {
        testsupport::TutorFixture fixture;
        MainWindow &window = fixture.window();
        testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
        QCoreApplication::processEvents();

        Spent first;
        Spent last;
        QElapsedTimer clock;
        for (int answer = 0; answer < LogRows; ++answer) {
            clock.start();
            const qint64 cpuStart = threadCpuNs();
            testsupport::answerPractice(window, typedAnswer(window.state(), answer));
            QCoreApplication::processEvents();
            Spent *sample = answer < Sample ? &first : answer >= LogRows - Sample ? &last : nullptr;
            if (sample) {
                sample->cpuNs += threadCpuNs() - cpuStart;
                sample->wallNs += clock.nsecsElapsed();
            }
        }
        if (testsupport::logRowCount(window) != LogRows)
            state.SkipWithError("the log did not take every answer");

        const double firstUs = microsecondsPerAnswer(first.wallNs);
        const double lastUs = microsecondsPerAnswer(last.wallNs);
        const double firstCpuUs = microsecondsPerAnswer(first.cpuNs);
        const double lastCpuUs = microsecondsPerAnswer(last.cpuNs);
        state.counters["first_1000_us"] = firstUs;
        state.counters["last_1000_us"] = lastUs;
        state.counters["first_1000_cpu_us"] = firstCpuUs;
        state.counters["last_1000_cpu_us"] = lastCpuUs;
        std::printf("Time per answer, first %d: %.0f us (processor %.0f us); last %d: %.0f us "
                    "(processor %.0f us)\n",
            Sample, firstUs, firstCpuUs, Sample, lastUs, lastCpuUs);
    }
}

} // namespace

BENCHMARK(answeringFillsTheLogAtAnEvenPace)->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
