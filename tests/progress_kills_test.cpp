#include "progress/progress_store.h"
#include "tests/older_progress_file.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

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
// start does and checks it. Two copies of the program on one file are
// children too, started together.

namespace {

const char FileVariable[] = "ORVI_PROGRESS_KILL_FILE";
const char FirstVariable[] = "ORVI_PROGRESS_KILL_FIRST";
// Set to a seed printed by an earlier run to kill at the same moments again.
const char SeedVariable[] = "ORVI_PROGRESS_KILL_SEED";
// What a child of the two-copies tests does: "answer", "facts" or "wait".
const char RoleVariable[] = "ORVI_PROGRESS_CHILD";
constexpr int CopyAnswers = 60;
// The facts both copies answer in My Facts, each moved by either.
const QList<tutor::FactFamily> SharedFamilies { { tutor::Operation::Multiplication, 3, 4 },
    { tutor::Operation::Multiplication, 6, 7 }, { tutor::Operation::Addition, 2, 5 } };

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

// A copy of the program started beside another: opens the file (new or
// old), finds or adds Ann and answers, numbering answers from `first`.
int answerBesideAnother(const QString &path, qint64 first, const QByteArray &role)
{
    ProgressStore store(path);
    const OpenResult opened = store.open(Now);
    if (opened.outcome != OpenResult::Opened && opened.outcome != OpenResult::Created) {
        std::printf("not opened: %s\n", qPrintable(opened.reason));
        return 2;
    }
    const std::optional<qint64> ann = store.addPupil(u"Ann"_s);
    if (!ann) {
        std::printf("no pupil: %s\n", qPrintable(store.lastError()));
        return 3;
    }
    for (qint64 number = first; number < first + CopyAnswers; ++number) {
        tutor::Attempt attempt = numbered(number);
        bool kept = false;
        if (role == "facts") {
            const tutor::FactFamily family = SharedFamilies.at(number % SharedFamilies.size());
            attempt.operation = family.operation;
            attempt.correct = number % 2 == 0;
            kept = store.record(*ann, attempt, progress::CardMove { family, true, Now.date() });
        } else {
            kept = store.record(*ann, attempt);
        }
        if (!kept) {
            std::printf("failed: %s\n", qPrintable(store.lastError()));
            return 4;
        }
        if (role == "wait")
            std::printf("%lld %d\n", static_cast<long long>(number), store.pendingCount());
    }
    std::fflush(stdout);
    if (role == "wait") {
        // Killed while the answers wait for the file.
        for (;;)
            std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    return store.writePending() ? 0 : 5;
}

QProcess *startCopy(const QString &path, qint64 first, const QString &role, QObject *parent)
{
    auto *child = new QProcess(parent);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(FileVariable), path);
    environment.insert(QString::fromLatin1(FirstVariable), QString::number(first));
    environment.insert(QString::fromLatin1(RoleVariable), role);
    child->setProcessEnvironment(environment);
    child->start(QCoreApplication::applicationFilePath(), QStringList());
    return child;
}

// Another copy of the program in the middle of a long write: holds the file
// for writing until it is let go.
class HeldFile
{
public:
    explicit HeldFile(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"holder"_s);
        db.setDatabaseName(path);
        held = db.open() && QSqlQuery(db).exec(u"BEGIN IMMEDIATE"_s);
    }
    ~HeldFile()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(u"holder"_s, false);
            QSqlQuery(db).exec(u"ROLLBACK"_s);
            db.close();
        }
        QSqlDatabase::removeDatabase(u"holder"_s);
    }
    bool held = false;
};

QStringList pendingFiles(const QString &path)
{
    const QFileInfo file(path);
    return file.dir().entryList({ file.fileName() + u"-pending-*"_s }, QDir::Files);
}

} // namespace

class ProgressKillsTest : public QObject
{
    Q_OBJECT

private slots:
    void killedWhileAnsweringLosesNoShownAnswer();
    void twoCopiesOnOneFileLoseAndOverwriteNothing_data();
    void twoCopiesOnOneFileLoseAndOverwriteNothing();
    void answerWaitsForTheOtherCopyWithoutHoldingThePupil();
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

void ProgressKillsTest::twoCopiesOnOneFileLoseAndOverwriteNothing_data()
{
    QTest::addColumn<bool>("olderFile");
    QTest::addColumn<QString>("role");
    QTest::newRow("new file, practice") << false << u"answer"_s;
    QTest::newRow("older file, practice") << true << u"answer"_s;
    QTest::newRow("new file, My Facts") << false << u"facts"_s;
    QTest::newRow("older file, My Facts") << true << u"facts"_s;
}

// Two windows started together: both open and bring the file up to date,
// find the one Ann, and every answer of either is kept once; in My Facts
// each card counts every answer of both.
void ProgressKillsTest::twoCopiesOnOneFileLoseAndOverwriteNothing()
{
    QFETCH(bool, olderFile);
    QFETCH(QString, role);
    constexpr int Trials = 6;
    for (int trial = 1; trial <= Trials; ++trial) {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"progress.sqlite"_s);
        if (olderFile) {
            // A file as the first version left it, with Ann in it.
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"older"_s);
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery query(db);
            for (const QString &statement : VersionOneTables
                    + QStringList { u"INSERT INTO pupil (id, name) VALUES (1, 'Ann')"_s })
                QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
            query.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(u"older"_s);

        QObject parent;
        QProcess *one = startCopy(path, 1000, role, &parent);
        QProcess *other = startCopy(path, 2000, role, &parent);
        for (QProcess *child : { one, other }) {
            QVERIFY(child->waitForFinished(60000));
            const QByteArray said = child->readAllStandardOutput();
            QVERIFY2(child->exitStatus() == QProcess::NormalExit && child->exitCode() == 0,
                qPrintable(u"trial %1: %2"_s.arg(trial).arg(QString::fromUtf8(said))));
        }

        ProgressStore store(path);
        QCOMPARE(store.open(Now).outcome, OpenResult::Opened);
        QCOMPARE(store.pupils().size(), 1);
        const qint64 ann = store.pupils().first().id;
        QSet<QString> kept;
        for (const tutor::Attempt &attempt : store.attempts(ann))
            kept.insert(attempt.typed);
        QCOMPARE(kept.size(), 2 * CopyAnswers);
        QCOMPARE(store.attempts(ann).size(), 2 * CopyAnswers);
        QCOMPARE(store.classOverview().value(0).all.answers, 2 * CopyAnswers);
        if (role == u"facts"_s) {
            int moved = 0;
            for (const tutor::FactCard &card : store.factCards(ann))
                moved += card.answers;
            QCOMPARE(moved, 2 * CopyAnswers);
        }
        QVERIFY(pendingFiles(path).isEmpty());
    }
}

// Another window holds the file: the answer waits no longer than a pupil
// notices, is written in order once the file is free, and a window killed
// while its answers wait loses none of them.
void ProgressKillsTest::answerWaitsForTheOtherCopyWithoutHoldingThePupil()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"progress.sqlite"_s);
    ProgressStore store(path);
    QCOMPARE(store.open(Now).outcome, OpenResult::Created);
    const qint64 ann = *store.addPupil(u"Ann"_s);
    QVERIFY(store.record(ann, numbered(1)));
    {
        HeldFile other(path);
        QVERIFY(other.held);
        QElapsedTimer waited;
        waited.start();
        QVERIFY2(store.record(ann, numbered(2)), qPrintable(store.lastError()));
        QVERIFY2(waited.elapsed() < 400, qPrintable(QString::number(waited.elapsed())));
        // A later answer waits behind it, My Facts too, and is still told
        // apart from practice at a level once written.
        tutor::Attempt asked = numbered(3);
        asked.mode = tutor::AnswerMode::MyFacts;
        QVERIFY(store.record(ann, asked,
            progress::CardMove { { tutor::Operation::Multiplication, 3, 4 }, true, Now.date() }));
        QCOMPARE(store.pendingCount(), 2);
        QVERIFY(!store.writePending());
        QCOMPARE(pendingFiles(path).size(), 1);
    }
    QVERIFY(store.writePending());
    QCOMPARE(store.pendingCount(), 0);
    QStringList typed;
    for (const tutor::Attempt &attempt : store.attempts(ann))
        typed << attempt.typed;
    QCOMPARE(typed, (QStringList { u"1"_s, u"2"_s, u"3"_s }));
    QCOMPARE(store.attempts(ann).last().mode, tutor::AnswerMode::MyFacts);
    QCOMPARE(store.factCards(ann).value(0).answers, 1);

    // Killed with answers waiting: the next start writes them, once.
    {
        QObject parent;
        QProcess *child = nullptr;
        {
            HeldFile other(path);
            QVERIFY(other.held);
            child = startCopy(path, 100, u"wait"_s, &parent);
            QVERIFY(child->waitForStarted(10000));
            const QByteArray last = QByteArray::number(100 + CopyAnswers - 1) + ' ';
            QByteArray said;
            while (!said.contains(last) && child->waitForReadyRead(30000))
                said += child->readAllStandardOutput();
            QVERIFY2(said.contains(last), said.constData());
            ::kill(pid_t(child->processId()), SIGKILL);
            QVERIFY(child->waitForFinished(10000));
        }
        const QStringList left = pendingFiles(path);
        QCOMPARE(left.size(), 1);
        // A line the kill cut short is no answer; the whole ones are.
        QFile cut(QFileInfo(path).dir().filePath(left.first()));
        QVERIFY(cut.open(QIODevice::Append));
        QVERIFY(cut.write("{\"id\":\"") > 0);
    }
    ProgressStore next(path);
    QCOMPARE(next.open(Now).outcome, OpenResult::Opened);
    QCOMPARE(next.attempts(ann).size(), 3 + CopyAnswers);
    QCOMPARE(next.classOverview().value(0).all.answers, 3 + CopyAnswers);
    QVERIFY(pendingFiles(path).isEmpty());
    ProgressStore again(path);
    QCOMPARE(again.open(Now).outcome, OpenResult::Opened);
    QCOMPARE(again.attempts(ann).size(), 3 + CopyAnswers);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString path = qEnvironmentVariable(FileVariable);
    const QByteArray role = qgetenv(RoleVariable);
    if (!path.isEmpty() && !role.isEmpty())
        return answerBesideAnother(path, qEnvironmentVariable(FirstVariable).toLongLong(), role);
    if (!path.isEmpty())
        return answerUntilKilled(path, qEnvironmentVariable(FirstVariable).toLongLong());
    ProgressKillsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "progress_kills_test.moc"
