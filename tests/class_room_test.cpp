#include "classroom/class_admin.h"
#include "tests/fault_proxy.h"
#include "tests/test_server.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <algorithm>
#include <functional>
#include <memory>
#include <numeric>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

#if defined(TUTOR_SANITIZED)
// Each copy runs many times slower under the sanitizers: a smaller room
// still meets every fault, and the time it takes to catch up is not checked.
constexpr int Computers = 10;
#else
constexpr int Computers = 30;
#endif
constexpr int AnswersEach = 500;
// From the moment the server is back, every computer has sent all it holds
// within this long.
constexpr qint64 CatchUpMillis = 10000;

// One copy of the program on a computer of its own, as its lines tell it.
struct Computer
{
    QString path;
    QString log; // what the copy wrote to stderr, through every restart
    QString pupil; // the server's id
    std::unique_ptr<QProcess> process;
    QByteArray partLine;
    bool holds = false; // found its pupil and began answering
    int given = 0;
    bool done = false;
    QString kind;
    qint64 waiting = -1;
    qint64 caughtUpAt = -1; // on the catch-up clock

    bool inStep() const { return kind == u"Reachable" && waiting == 0; }
};

} // namespace

// A computer room of copies of the program giving answers while the network
// and the server fail in every way: the server ends up with every answer
// once, and the room is back in step soon after the server is.
class ClassRoomTest : public QObject
{
    Q_OBJECT

    TestServer m_server;
    FaultProxy m_proxy;
    QTemporaryDir m_folder;
    QString m_connection;
    std::vector<Computer> m_room;
    QElapsedTimer m_catchUp;

    void start(Computer &computer);
    void kill(Computer &computer);
    void takeLines(Computer &computer);
    int givenInRoom() const;
    // How each computer stands, for a failure's message.
    QString room() const;
    bool waitForRoom(const std::function<bool(const Computer &)> &ready, int millis);
    bool waitForAnswersInRoom(int answers);
    bool killWhileSending(int count);

private slots:
    void initTestCase();
    void everyAnswerReachesTheServerOnceThroughEveryFault();
    void cleanupTestCase();
};

void ClassRoomTest::start(Computer &computer)
{
    computer.process = std::make_unique<QProcess>();
    computer.partLine.clear();
    computer.holds = computer.done = false;
    computer.kind.clear();
    computer.waiting = -1;
    QProcess *process = computer.process.get();
    // The driver's warnings of lost connections are many and expected.
    process->setStandardErrorFile(computer.log, QIODevice::Append);
    connect(process, &QProcess::readyReadStandardOutput, this,
        [this, &computer]() { takeLines(computer); });
    process->start(QStringLiteral(CLASSROOM_PC),
        { computer.path, computer.pupil, QString::number(AnswersEach), u"--server"_s,
            m_connection });
}

void ClassRoomTest::kill(Computer &computer)
{
    computer.process->kill();
    computer.process->waitForFinished(5000);
    computer.process->disconnect(this);
    computer.process.reset();
}

void ClassRoomTest::takeLines(Computer &computer)
{
    computer.partLine += computer.process->readAllStandardOutput();
    qsizetype end = 0;
    while ((end = computer.partLine.indexOf('\n')) >= 0) {
        const QList<QByteArray> words = computer.partLine.left(end).split(' ');
        computer.partLine.remove(0, end + 1);
        const QByteArray what = words.value(0);
        const qint64 number = words.constLast().toLongLong();
        if (what == "holds") {
            computer.holds = true;
            computer.given = int(number);
        } else if (what == "given") {
            computer.given = int(number);
        } else if (what == "done") {
            computer.given = int(number);
            computer.done = true;
        } else if (what == "state") {
            computer.kind = QString::fromLatin1(words.value(1));
            computer.waiting = number;
            if (m_catchUp.isValid() && computer.caughtUpAt < 0 && computer.inStep())
                computer.caughtUpAt = m_catchUp.elapsed();
        }
    }
}

int ClassRoomTest::givenInRoom() const
{
    return std::accumulate(m_room.cbegin(), m_room.cend(), 0,
        [](int sum, const Computer &computer) { return sum + computer.given; });
}

QString ClassRoomTest::room() const
{
    QStringList lines;
    for (const Computer &computer : m_room)
        lines.append(u"given %1, %2 with %3 waiting, in step at %4 ms"_s.arg(
            QString::number(computer.given), computer.kind, QString::number(computer.waiting),
            QString::number(computer.caughtUpAt)));
    return lines.join(u'\n');
}

bool ClassRoomTest::waitForRoom(const std::function<bool(const Computer &)> &ready, int millis)
{
    return QTest::qWaitFor(
        [&]() { return std::all_of(m_room.cbegin(), m_room.cend(), ready); }, millis);
}

bool ClassRoomTest::waitForAnswersInRoom(int answers)
{
    return QTest::qWaitFor([&]() { return givenInRoom() >= answers; }, 60000);
}

// Kills computers that reach the server while answering, each sending after
// every answer, and starts them again on their files.
bool ClassRoomTest::killWhileSending(int count)
{
    std::vector<Computer *> sending;
    const bool found = QTest::qWaitFor(
        [&]() {
            sending.clear();
            for (Computer &computer : m_room) {
                if (computer.holds && !computer.done && computer.kind == u"Reachable"
                    && int(sending.size()) < count)
                    sending.push_back(&computer);
            }
            return int(sending.size()) == count;
        },
        30000);
    for (Computer *computer : sending) {
        kill(*computer);
        start(*computer);
    }
    return found;
}

void ClassRoomTest::initTestCase()
{
    QString why;
    QVERIFY2(m_server.start(&why), qPrintable(why));
    QVERIFY2(m_proxy.start(quint16(m_server.port()), &why), qPrintable(why));
    const std::optional<TestClassroom> classroom
        = setUpClassroom(m_server, m_folder.path(), m_proxy.port(), &why);
    QVERIFY2(classroom, qPrintable(why));
    m_connection = classroom->connection;

    // A pupil of the class for each computer; one PC login serves them all.
    classroom::ClassAdmin admin(QSqlDatabase::database(u"super"_s));
    m_room.resize(Computers);
    m_room.front().pupil = classroom->pupil;
    for (int index = 0; index < Computers; ++index) {
        Computer &computer = m_room.at(std::size_t(index));
        if (index > 0)
            computer.pupil = admin.addPupil(u"3A"_s, u"orvi_ada"_s, u"Pupil %1"_s.arg(index));
        QVERIFY2(!computer.pupil.isEmpty(), qPrintable(admin.lastError()));
        computer.path = m_folder.filePath(u"pc%1/progress.sqlite"_s.arg(index));
        computer.log = m_folder.filePath(u"pc%1.log"_s.arg(index));
    }
    // The test's server allows fewer connections than the room and the
    // test's own need together.
    QSqlQuery raise(QSqlDatabase::database(u"super"_s));
    QVERIFY2(raise.exec(u"ALTER SYSTEM SET max_connections = 60"_s),
        qPrintable(raise.lastError().text()));
    QVERIFY2(m_server.restart(&why), qPrintable(why));
}

void ClassRoomTest::everyAnswerReachesTheServerOnceThroughEveryFault()
{
    for (Computer &computer : m_room)
        start(computer);
    QVERIFY(waitForRoom([](const Computer &computer) { return computer.holds; }, 60000));
    // Each fault comes while the room is still answering.
    const int all = Computers * AnswersEach;
    QVERIFY(waitForAnswersInRoom(all / 10));
    m_proxy.cut();
    QVERIFY(waitForAnswersInRoom(all * 2 / 10));
    QVERIFY(killWhileSending(3));
    QVERIFY(waitForAnswersInRoom(all * 3 / 10));
    QVERIFY(killWhileSending(3));
    QVERIFY(waitForAnswersInRoom(all * 4 / 10));
    m_proxy.cut();
    m_proxy.refuse();
    QTest::qWait(1500);
    m_proxy.pass();
    QVERIFY(waitForAnswersInRoom(all * 5 / 10));
    m_proxy.hang();
    QTest::qWait(1000);
    m_proxy.cut();
    QVERIFY(waitForAnswersInRoom(all * 6 / 10));
    QString why;
    m_server.stop();
    QTest::qWait(1500);
    QVERIFY2(m_server.restart(&why), qPrintable(why));

    // The server goes while the last answers are given, and comes back
    // once every computer holds answers it could not send.
    QVERIFY(QTest::qWaitFor(
        [this]() {
            return std::any_of(m_room.cbegin(), m_room.cend(),
                [](const Computer &computer) { return computer.given >= AnswersEach - 50; });
        },
        60000));
    m_server.stop();
    QElapsedTimer away;
    away.start();
    QVERIFY(waitForRoom([](const Computer &computer) { return computer.done; }, 60000));
    QVERIFY2(waitForRoom(
                 [](const Computer &computer) {
                     return computer.kind == u"Unreachable" && computer.waiting > 0;
                 },
                 60000),
        qPrintable(room()));
    // Long enough for the tries to be spaced out as far as they go.
    QTest::qWait(int(std::max<qint64>(0, 8000 - away.elapsed())));
    QVERIFY2(m_server.restart(&why), qPrintable(why));
    m_catchUp.start();
    QVERIFY2(waitForRoom([](const Computer &computer) { return computer.caughtUpAt >= 0; },
                 int(CatchUpMillis) * 3),
        qPrintable(room()));
    const auto last = std::max_element(m_room.cbegin(), m_room.cend(),
        [](const Computer &a, const Computer &b) { return a.caughtUpAt < b.caughtUpAt; });
    qInfo("The last computer was in step %lld ms after the server was back.", last->caughtUpAt);
#if !defined(TUTOR_SANITIZED)
    QVERIFY2(last->caughtUpAt < CatchUpMillis, qPrintable(QString::number(last->caughtUpAt)));
#endif

    for (Computer &computer : m_room) {
        computer.process->write("quit\n");
        computer.process->closeWriteChannel();
    }
    for (Computer &computer : m_room) {
        QVERIFY(computer.process->waitForFinished(10000));
        QCOMPARE(computer.process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(computer.process->exitCode(), 0);
    }

    // Every answer of every file is on the server, once, and marked sent.
    QSet<QUuid> kept;
    for (const Computer &computer : m_room) {
        int answers = 0;
        int unsent = 0;
        {
            QSqlDatabase file = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"file"_s);
            file.setDatabaseName(computer.path);
            file.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
            QVERIFY2(file.open(), qPrintable(file.lastError().text()));
            QSqlQuery query(file);
            QVERIFY(query.exec(u"SELECT answer_id, sent FROM attempt"_s));
            while (query.next()) {
                ++answers;
                unsent += query.value(1).toInt() == 1 ? 0 : 1;
                kept.insert(QUuid::fromRfc4122(query.value(0).toByteArray()));
            }
        }
        QSqlDatabase::removeDatabase(u"file"_s);
        QCOMPARE(answers, AnswersEach);
        QCOMPARE(unsent, 0);
    }
    QCOMPARE(kept.size(), all);

    QSqlDatabase super = QSqlDatabase::database(u"super"_s, false);
    // Its connection went with the server's restarts.
    super.close();
    QVERIFY2(super.open(), qPrintable(super.lastError().text()));
    QSqlQuery query(super);
    QVERIFY(query.exec(u"SELECT answer_id::text FROM orvi.answer"_s));
    QSet<QUuid> onServer;
    int rows = 0;
    while (query.next()) {
        ++rows;
        onServer.insert(QUuid::fromString(query.value(0).toString()));
    }
    QCOMPARE(rows, all);
    QVERIFY(onServer == kept);
}

void ClassRoomTest::cleanupTestCase()
{
    // A failed check leaves the copies running: they go with the test.
    for (Computer &computer : m_room) {
        if (computer.process && computer.process->state() != QProcess::NotRunning)
            kill(computer);
    }
}

QTEST_GUILESS_MAIN(ClassRoomTest)
#include "class_room_test.moc"
