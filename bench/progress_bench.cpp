#include "progress/current_pupil.h"
#include "progress/progress_store.h"
#include "bench/run_benchmarks.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

constexpr int Pupils = 30;
constexpr int Days = 200;
constexpr int AnswersPerDay = 100;
constexpr int Runs = 5;
constexpr int FactCards = 10; // per pupil and operation

const QDateTime Now(QDate(2026, 12, 9), QTime(15, 0), Qt::UTC);
// The progress file a second copy of the program keeps answering into.
const char WriterVariable[] = "ORVI_BENCH_SECOND_WINDOW";

qint64 threadCpuNs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// A school day of answers: each day an hour from 9:00, in every mode and
// operation, mostly right, taking half a second to eight.
QList<tutor::Attempt> daysOfAnswers(std::mt19937 &random)
{
    QList<tutor::Attempt> answers;
    answers.reserve(Days * AnswersPerDay);
    for (int day = Days - 1; day >= 0; --day) {
        const QDateTime start(Now.date().addDays(-day), QTime(9, 0), Qt::UTC);
        for (int index = 0; index < AnswersPerDay; ++index) {
            tutor::Attempt attempt;
            attempt.answeredAt = start.addMSecs(qint64(index) * 36000 + int(random() % 1000));
            attempt.mode = tutor::AnswerMode(1 + random() % 4);
            attempt.level = tutor::Level(random() % 5);
            attempt.operation = tutor::Operation(1 + random() % 4);
            attempt.first = double(random() % 13);
            attempt.second = double(random() % 13);
            const int expected = int(attempt.first + attempt.second);
            attempt.expected = QString::number(expected);
            attempt.correct = random() % 5 != 0;
            attempt.typed = attempt.correct ? attempt.expected : QString::number(expected + 1);
            attempt.millis = 500 + qint64(random() % 7500);
            answers.append(attempt);
        }
    }
    return answers;
}

// My Facts of one pupil: the first families of each operation, some of them
// missed often, each kept with an answer of its own as practice keeps them.
int keepFactCards(progress::ProgressStore &store, qint64 pupil, std::mt19937 &random)
{
    int kept = 0;
    for (const tutor::Operation operation :
        { tutor::Operation::Addition, tutor::Operation::Subtraction,
            tutor::Operation::Multiplication, tutor::Operation::Division }) {
        const QList<tutor::FactFamily> families = tutor::factFamilies(operation).mid(0, FactCards);
        for (const tutor::FactFamily &family : families) {
            tutor::FactCard card;
            card.family = family;
            const int misses = int(random() % 9);
            for (int miss = 0; miss < misses; ++miss)
                tutor::applyAnswer(card, false, false, Now.date().addDays(-10 + miss));
            tutor::applyAnswer(card, true, true, Now.date());
            const tutor::Fact fact = tutor::familyFacts(family).first();
            tutor::Attempt attempt;
            attempt.answeredAt = Now;
            attempt.mode = tutor::AnswerMode::Practice;
            attempt.operation = operation;
            attempt.first = fact.first;
            attempt.second = fact.second;
            attempt.expected = QString::number(fact.answer);
            attempt.typed = attempt.expected;
            attempt.correct = true;
            attempt.millis = 1500;
            kept += store.record(pupil, attempt, card) ? 1 : 0;
        }
    }
    return kept;
}

// The longest the window's own thread went without handling its events
// while `work` ran from it and until `done`: what a pupil sees frozen.
template<typename Work, typename Done> double longestFreezeMs(Work work, Done done)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&]() {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start();
    QTimer::singleShot(0, work);
    while (!done() && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    QCoreApplication::processEvents();
    const qint64 now = clock.nsecsElapsed();
    return std::max(longest, now - last) / 1e6;
}

// The second copy: one answer after another, each its own transaction,
// until it is stopped.
int answerAsASecondWindow(const QString &path)
{
    progress::ProgressStore store(path);
    store.open(Now.addDays(1));
    const qint64 pupil = store.pupils().value(1).id;
    std::mt19937 random(11);
    for (const tutor::Attempt &attempt : daysOfAnswers(random)) {
        if (!store.record(pupil, attempt))
            return 1;
    }
    return 0;
}

// The window's day: the first start of the day on a file at full size, with
// an answer given every 50 ms while the file is checked and backed up, then
// 300 answers while a second copy of the program answers as fast as it can.
void tellWindowFreezes(const QString &folder)
{
    QDir(QDir(folder).filePath(u"backups"_s)).removeRecursively();
    QWidget window;
    progress::CurrentPupil current(folder, &window);
    std::mt19937 random(3);
    const QList<tutor::Attempt> answers = daysOfAnswers(random).mid(0, 400);
    qsizetype given = 0;
    QElapsedTimer checked;
    QTimer answering;
    answering.setInterval(50);
    QObject::connect(&answering, &QTimer::timeout,
        [&]() { current.keep(answers.at(given++ % answers.size())); });
    const double startMs = longestFreezeMs(
        [&]() {
            checked.start();
            current.openIfKept();
            current.choose(u"Pupil 1"_s);
            answering.start();
        },
        [&]() { return checked.isValid() && !current.store().awaitsDayCheck(); });
    const double checkS = checked.nsecsElapsed() / 1e9;
    answering.stop();
    const bool backedUp = !QDir(QDir(folder).filePath(u"backups"_s)).isEmpty();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(WriterVariable), current.store().filePath());
    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QCoreApplication::applicationFilePath(), QStringList());
    second.waitForStarted();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    QList<double> waits;
    int waited = 0;
    for (qsizetype index = 0; index < 300; ++index) {
        QElapsedTimer clock;
        clock.start();
        current.keep(answers.at(index));
        waits << clock.nsecsElapsed() / 1e6;
        waited += current.store().pendingCount() > 0 ? 1 : 0;
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    second.kill();
    second.waitForFinished();
    current.store().writePending();
    std::sort(waits.begin(), waits.end());
    std::printf(
        "  %-36s %7.0f ms %7d ms\n", "longest freeze at the day's first start", startMs, 100);
    std::printf("  %-36s %8.1f s %10s\n", "  its check and backup, in the background", checkS,
        backedUp ? "made" : "NOT MADE");
    std::printf(
        "  %-36s %7.0f ms %7d ms\n", "longest answer, a second window writing", waits.last(), 100);
    std::printf(
        "  %-36s %7.1f ms %10s\n", "  middle answer meanwhile", waits.at(waits.size() / 2), "-");
    std::printf("  %-36s %10d %10s\n", "  answers that waited for the file", waited, "-");

    // What Pupil -> Restore Backup... reads before it shows its list.
    QElapsedTimer listed;
    listed.start();
    const qsizetype copies = current.store().backups().size();
    std::printf("  %-36s %7.0f ms %10s\n", "Restore Backup's list of copies",
        listed.nsecsElapsed() / 1e6, qPrintable(u"%1 copies"_s.arg(copies)));
}

// The middle of several runs, in milliseconds.
template<typename Run> double middleMs(Run run)
{
    QList<double> times;
    for (int index = 0; index < Runs; ++index) {
        QElapsedTimer clock;
        clock.start();
        run();
        times << clock.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times.at(Runs / 2);
}

qint64 bytesOf(const QString &path)
{
    qint64 bytes = 0;
    for (const QString &part : QStringList { path, path + u"-wal"_s, path + u"-shm"_s })
        bytes += QFileInfo(part).size();
    return bytes;
}

// Fills a progress file with 30 pupils' 200 days of 100 answers, then times
// what the screens ask of it, against the goals.
void progressFileAtFullSize(benchmark::State &state)
{
    for (auto _ : state) {
        QTemporaryDir folder;
        // Kept for a look inside when asked.
        folder.setAutoRemove(qEnvironmentVariableIsEmpty("ORVI_KEEP_PROGRESS_BENCH"));
        const QString path = folder.filePath(u"progress.sqlite"_s);
        QList<qint64> ids;
        int cards = 0;
        QElapsedTimer clock;
        clock.start();
        {
            progress::ProgressStore store(path);
            store.open(Now);
            std::mt19937 random(24);
            for (int pupil = 0; pupil < Pupils; ++pupil) {
                const qint64 id = *store.addPupil(u"Pupil %1"_s.arg(pupil + 1));
                ids << id;
                store.recordMany(id, daysOfAnswers(random));
                cards += keepFactCards(store, id, random);
            }
        }
        const double fillS = clock.nsecsElapsed() / 1e9;

        progress::ProgressStore store(path);
        clock.restart();
        store.open(Now.addDays(1)); // with the day's backup
        const double openMs = clock.nsecsElapsed() / 1e6;
        double reopenMs = 0;
        {
            progress::ProgressStore again(path);
            clock.restart();
            again.open(Now.addDays(1).addSecs(60)); // the backup made already
            reopenMs = clock.nsecsElapsed() / 1e6;
        }
        const qint64 attempts = store.attemptCount();
        const qint64 fileBytes = bytesOf(path);

        int shown = 0;
        const double progressMs = middleMs(
            [&]() { shown += store.progress(ids.at(shown % Pupils), Now).operations.size(); });
        int toTeach = 0;
        const double overviewMs = middleMs([&]() {
            const QList<progress::PupilTotals> lines = store.classOverview();
            shown += lines.size();
            toTeach = 0;
            for (const progress::PupilTotals &line : lines)
                toTeach += line.needsTeaching.size();
        });
        QFile csv(folder.filePath(u"OrviProgress.csv"_s));
        csv.open(QIODevice::WriteOnly);
        clock.restart();
        const qint64 exportCpuNs = threadCpuNs();
        store.exportCsv(csv, [](qint64, qint64) { return true; });
        csv.close();
        const double exportS = clock.nsecsElapsed() / 1e9;
        const double exportCpuS = (threadCpuNs() - exportCpuNs) / 1e9;

        // Answers one by one, each its own transaction synced to the disk.
        std::mt19937 random(7);
        const QList<tutor::Attempt> more = daysOfAnswers(random).mid(0, 200);
        qint64 cpuNs = 0;
        clock.restart();
        for (const tutor::Attempt &attempt : more) {
            const qint64 before = threadCpuNs();
            store.record(ids.first(), attempt);
            cpuNs += threadCpuNs() - before;
        }
        const double recordWallMs = clock.nsecsElapsed() / 1e6 / double(more.size());
        const double recordCpuMs = cpuNs / 1e6 / double(more.size());

        state.counters["progress_ms"] = progressMs;
        std::printf(
            "\nProgress file of %lld answers (%d pupils x %d days x %d), filled in %.1f s\n",
            static_cast<long long>(attempts), Pupils, Days, AnswersPerDay, fillS);
        std::printf("  %-36s %10s %10s\n", "", "measured", "goal");
        std::printf("  %-36s %8.1f MB %7d MB\n", "file size", fileBytes / 1e6, 100);
        std::printf("  %-36s %7.0f ms %10s\n", "open (check and daily backup)", openMs, "-");
        std::printf("  %-36s %7.0f ms %10s\n", "open again that day (check only)", reopenMs, "-");
        std::printf("  %-36s %7.1f ms %7d ms\n", "My Progress (middle of 5)", progressMs, 200);
        std::printf("  %-36s %7.1f ms %7d ms\n", "Class Overview (middle of 5)", overviewMs, 200);
        std::printf("  %-36s %8.2f s %8d s\n", "CSV export", exportS, 3);
        std::printf("  %-36s %8.2f s %10s\n", "CSV export: processor time", exportCpuS, "-");
        std::printf(
            "  %-36s %7.3f ms %7d ms\n", "record(): processor time per answer", recordCpuMs, 1);
        std::printf(
            "  %-36s %7.3f ms %10s\n", "record(): wall time with disk sync", recordWallMs, "-");
        std::printf("  (%d rows shown; the CSV is %.1f MB; %d My Facts cards, %d facts to teach)\n",
            shown, QFileInfo(csv.fileName()).size() / 1e6, cards, toTeach);
        store.writePending();
        tellWindowFreezes(folder.path());
        if (!folder.autoRemove())
            std::printf("  kept in %s\n", qPrintable(folder.path()));
    }
}

} // namespace

BENCHMARK(progressFileAtFullSize)->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (const QString path = qEnvironmentVariable(WriterVariable); !path.isEmpty())
        return answerAsASecondWindow(path);
    return runBenchmarks(argc, argv);
}
