// How the worksheet screen copes with a full worksheet: creating problem after
// problem up to the 16-bit limit must cost the same at the end as at the
// start, and saving the whole worksheet must stay quick.

#include "app/main_window.h"
#include "tests/test_support.h"
#include "bench/run_benchmarks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMetaObject>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int FullWorksheet = 32767;
constexpr int Sample = 1000;

// The worksheet filled by the first benchmark, saved by the others.
std::unique_ptr<testsupport::TutorFixture> filledFixture;

// The largest numbers and answers make the longest rows and files.
QObject *openWorksheet(MainWindow &window)
{
    testsupport::invokeHandler(&window, "mnuOptionsWorksheet_Click");
    testsupport::pickEntry(&window, "cmbDifficulty", QStringLiteral("Expert"));
    testsupport::pickEntry(&window, "cmbOperation", QStringLiteral("Multiplication"));
    return testsupport::handlerOwner(&window, "cmdCreateProblem_Click");
}

// Creates one problem as a click does and lets the screen catch up, so any
// deferred layout or painting is paid for here too.
void createProblem(QObject *screen)
{
    QMetaObject::invokeMethod(screen, "cmdCreateProblem_Click", Qt::DirectConnection);
    QApplication::processEvents();
}

testsupport::TutorFixture &filledWorksheet()
{
    if (!filledFixture) {
        filledFixture = std::make_unique<testsupport::TutorFixture>();
        QObject *screen = openWorksheet(filledFixture->window());
        for (int k = 0; k < FullWorksheet; ++k)
            createProblem(screen);
    }
    return *filledFixture;
}

void BM_CreateFullWorksheet(benchmark::State &state)
{
    for (auto _ : state) {
        auto fixture = std::make_unique<testsupport::TutorFixture>();
        MainWindow &window = fixture->window();
        QObject *screen = openWorksheet(window);
        QApplication::processEvents();

        QElapsedTimer clock;
        qint64 firstNs = 0;
        qint64 lastNs = 0;
        clock.start();
        for (int k = 1; k <= FullWorksheet; ++k) {
            const qint64 before = clock.nsecsElapsed();
            createProblem(screen);
            const qint64 spent = clock.nsecsElapsed() - before;
            if (k <= Sample)
                firstNs += spent;
            else if (k > FullWorksheet - Sample)
                lastNs += spent;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);

        if (window.state().WorksheetProblemCount != FullWorksheet) {
            state.SkipWithError("the worksheet did not fill up");
            return;
        }
        state.counters["first_1000_us_per_problem"] = double(firstNs) / 1e3 / Sample;
        state.counters["last_1000_us_per_problem"] = double(lastNs) / 1e3 / Sample;
        state.counters["last_to_first"] = double(lastNs) / double(firstNs);
        if (!filledFixture)
            filledFixture = std::move(fixture);
    }
}
BENCHMARK(BM_CreateFullWorksheet)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void saveFullWorksheet(benchmark::State &state, const char *handler)
{
    testsupport::TutorFixture &fixture = filledWorksheet();
    MainWindow &window = fixture.window();
    QObject *screen = testsupport::handlerOwner(&window, handler);
    auto *status = testsupport::named<QLabel>(&window, QStringLiteral("lblWorksheetMessage"));
    for (auto _ : state) {
        QMetaObject::invokeMethod(screen, handler, Qt::DirectConnection);
        if (!status->text().startsWith(QStringLiteral("Save Succesfull"))) {
            state.SkipWithError("the save failed");
            return;
        }
    }
}

void BM_SaveFullWorksheet(benchmark::State &state)
{
    saveFullWorksheet(state, "cmdSaveWorksheet_Click");
}
BENCHMARK(BM_SaveFullWorksheet)->Unit(benchmark::kMillisecond);

void BM_SaveFullAnswerSheet(benchmark::State &state)
{
    saveFullWorksheet(state, "cmdSaveAnswer_Click");
}
BENCHMARK(BM_SaveFullAnswerSheet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int result = runBenchmarks(argc, argv);
    // The window must go while the application still exists.
    filledFixture.reset();
    return result;
}
