#include "progress/progress_store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;
using progress::OpenResult;
using progress::ProgressStore;

// A pupil answering when the power goes: a child (this executable run
// again) keeps answers one by one and prints each answer's number once
// record() has returned true, as the verdict would then show; the parent
// kills it with SIGKILL at a random moment, then opens the file as the next
// start does and checks it.

namespace {

const char FileVariable[] = "ORVI_PROGRESS_KILL_FILE";
const char FirstVariable[] = "ORVI_PROGRESS_KILL_FIRST";
// Set to a seed printed by an earlier run to kill at the same moments again.
const char SeedVariable[] = "ORVI_PROGRESS_KILL_SEED";

const QDateTime Now(QDate(2026, 12, 9), QTime(8, 30), Qt::UTC);

tutor::Attempt numbered(qint64 number)
{
    tutor::Attempt attempt;
    attempt.answeredAt = Now.addMSecs(number);
    attempt.mode = tutor::AnswerMode(1 + number % 4);
    attempt.operation = tutor::Operation(1 + number % 4);
    attempt.first = double(number % 13);
    attempt.second = double(number % 7);
    attempt.typed = QString::number(number);
    attempt.expected = attempt.typed;
    attempt.correct = number % 3 != 0;
    attempt.millis = number % 5000;
    return attempt;
}

// The child: answers until it is killed, numbering them from `first`.
int answerUntilKilled(const QString &path, qint64 first)
{
    ProgressStore store(path);
    if (store.open(Now).outcome != OpenResult::Opened) {
        std::printf("not opened\n");
        return 2;
    }
    const qint64 pupil = store.pupils().value(0).id;
    for (qint64 number = first;; ++number) {
        if (!store.record(pupil, numbered(number))) {
            std::printf("failed %s\n", qPrintable(store.lastError()));
            return 3;
        }
        std::printf("%lld\n", static_cast<long long>(number));
        std::fflush(stdout);
    }
}

} // namespace

class ProgressKillsTest : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileAnsweringLosesNoShownAnswer();
};

void ProgressKillsTest::killedWhileAnsweringLosesNoShownAnswer()
{
    constexpr int Kills = 200;
    const quint32 seed = qEnvironmentVariableIsSet(SeedVariable)
        ? quint32(qEnvironmentVariableIntValue(SeedVariable))
        : QRandomGenerator::global()->generate();
    qInfo("seed %u: %s=%u kills at the same moments again", seed, SeedVariable, seed);
    QRandomGenerator random(seed);

    QTemporaryDir folder;
    const QString path = folder.filePath(u"progress.sqlite"_s);
    {
        ProgressStore store(path); // and the day's backup, made once
        QCOMPARE(store.open(Now).outcome, OpenResult::Created);
        QVERIFY(store.addPupil(u"Ann"_s));
    }

    QElapsedTimer clock;
    clock.start();
    QSet<QString> shown;
    int killedBeforeAnswering = 0;
    for (int kill = 1; kill <= Kills; ++kill) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(FileVariable), path);
        environment.insert(QString::fromLatin1(FirstVariable), QString::number(kill * 1000000LL));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForStarted(10000));
        // Now and then while the file is being opened, mostly while answering.
        std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(150000)));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        const QByteArray said = child.readAllStandardOutput();
        const QByteArray where = "kill " + QByteArray::number(kill) + ": ";
        QVERIFY2(child.exitStatus() == QProcess::CrashExit,
            QByteArray(where + "the child ended by itself: " + said.right(200)).constData());
        // Only whole lines: the kill may cut the last one short.
        const QList<QByteArray> lines = said.left(said.lastIndexOf('\n') + 1).split('\n');
        int answered = 0;
        for (const QByteArray &line : lines) {
            if (line.isEmpty())
                continue;
            bool number = false;
            line.toLongLong(&number);
            QVERIFY2(number, QByteArray(where + line).constData());
            shown.insert(QString::fromLatin1(line));
            ++answered;
        }
        killedBeforeAnswering += answered == 0 ? 1 : 0;

        ProgressStore store(path);
        const OpenResult opened = store.open(Now);
        QVERIFY2(opened.outcome == OpenResult::Opened,
            QByteArray(where + opened.reason.toUtf8()).constData());
        QVERIFY2(store.integrityOk(), where.constData());
        QSet<QString> kept;
        for (const tutor::Attempt &attempt : store.attempts(store.pupils().value(0).id))
            kept.insert(attempt.typed);
        const QSet<QString> lost = shown - kept;
        QVERIFY2(lost.isEmpty(),
            QByteArray(where + "lost " + QStringList(lost.values()).join(u' ').toUtf8())
                .constData());
        // The class overview's counts, kept beside the answers, agree.
        QCOMPARE(store.classOverview().value(0).all.answers, kept.size());
    }
    qInfo("%d kills in %.1f s: %lld answers shown, %d kills before the first answer", Kills,
        clock.elapsed() / 1000.0, static_cast<long long>(shown.size()), killedBeforeAnswering);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString path = qEnvironmentVariable(FileVariable);
    if (!path.isEmpty())
        return answerUntilKilled(path, qEnvironmentVariable(FirstVariable).toLongLong());
    ProgressKillsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "progress_kills_test.moc"
