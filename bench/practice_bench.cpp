#include "app/main_window.h"
#include "tests/test_support.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <cstdio>

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

        qint64 firstNs = 0;
        qint64 lastNs = 0;
        QElapsedTimer clock;
        for (int answer = 0; answer < LogRows; ++answer) {
            clock.start();
            testsupport::answerPractice(window, typedAnswer(window.state(), answer));
            QCoreApplication::processEvents();
            const qint64 spent = clock.nsecsElapsed();
            if (answer < Sample)
                firstNs += spent;
            else if (answer >= LogRows - Sample)
                lastNs += spent;
        }
        if (testsupport::logRowCount(window) != LogRows)
            state.SkipWithError("the log did not take every answer");

        const double firstUs = double(firstNs) / Sample / 1000.0;
        const double lastUs = double(lastNs) / Sample / 1000.0;
        state.counters["first_1000_us"] = firstUs;
        state.counters["last_1000_us"] = lastUs;
        state.counters["last_to_first"] = lastUs / firstUs;
        std::printf("Time per answer: first %d answers %.1f us, last %d answers %.1f us\n", Sample,
            firstUs, Sample, lastUs);
    }
}

} // namespace

BENCHMARK(answeringFillsTheLogAtAnEvenPace)->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
