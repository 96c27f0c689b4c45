#include "classroom/answer_sender.h"
#include "classroom/class_server_link.h"
#include "classroom/server_settings.h"
#include "progress/progress_store.h"
#include "tests/fault_proxy.h"
#include "tests/test_server.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum Fault { Cut, CutAndRefuse, Silent };

} // namespace

// The network between a computer and the class server at its worst: a
// server that refuses, a link cut in the middle, a peer gone silent.
class ClassServerFaultsTest : public QObject
{
    Q_OBJECT

    TestServer m_server;
    FaultProxy m_proxy;
    QTemporaryDir m_folder;
    QString m_connection; // through the proxy
    QString m_path;
    std::unique_ptr<progress::ProgressStore> m_store;
    qint64 m_ann = 0;
    int m_given = 0;

    bool answer()
    {
        return m_store->record(m_ann, rightSum(QDateTime::currentDateTimeUtc(), ++m_given));
    }

private slots:
    void initTestCase();
    void answersGoOnceThroughEveryFault_data();
    void answersGoOnceThroughEveryFault();
    void closingNeverWaitsOnASilentServer();
};

void ClassServerFaultsTest::initTestCase()
{
    QString why;
    QVERIFY2(m_server.start(&why), qPrintable(why));
    QVERIFY2(m_proxy.start(quint16(m_server.port()), &why), qPrintable(why));
    const std::optional<TestClassroom> classroom
        = setUpClassroom(m_server, m_folder.path(), m_proxy.port(), &why);
    QVERIFY2(classroom, qPrintable(why));
    m_connection = classroom->connection;

    m_path = m_folder.filePath(u"progress.sqlite"_s);
    m_store = std::make_unique<progress::ProgressStore>(m_path);
    m_store->open(QDateTime::currentDateTimeUtc());
    m_ann = m_store->addPupil(u"Ann"_s).value();
    QVERIFY(m_store->setServerId(m_ann, QUuid::fromString(classroom->pupil)));
}

void ClassServerFaultsTest::answersGoOnceThroughEveryFault_data()
{
    QTest::addColumn<int>("fault");
    QTest::newRow("connection cut") << int(Cut);
    QTest::newRow("connection cut, server refuses") << int(CutAndRefuse);
    QTest::newRow("server silent mid-statement") << int(Silent);
}

// Whatever happened, the answers given meanwhile reach the server once the
// network is back, each exactly once; the window hears the server was lost.
void ClassServerFaultsTest::answersGoOnceThroughEveryFault()
{
    QFETCH(int, fault);

    classroom::ServerSettings settings;
    settings.connection = m_connection;
    classroom::ClassServerLink link(m_path, settings);
    QVERIFY(answer());
    link.sendNow();
    QCOMPARE(link.state().kind, classroom::LinkState::Reachable);
    const qint64 before = answersOnServer();

    if (fault == Silent) {
        m_proxy.hang();
    } else {
        m_proxy.cut();
        if (fault == CutAndRefuse)
            m_proxy.refuse();
    }
    QSignalSpy told(&link, &classroom::ClassServerLink::stateChanged);
    QVERIFY(answer());
    link.answerKept();
    if (fault == Silent) {
        // It waits on the silent peer until cut, as the link's watch does.
        QVERIFY(!told.wait(300));
        link.cutRoundUnderWay();
    }
    QVERIFY(told.wait(10000));
    QCOMPARE(link.state().kind, classroom::LinkState::Unreachable);
    QCOMPARE(link.state().waiting, 1);

    m_proxy.pass();
    link.sendNow();
    QCOMPARE(link.state().kind, classroom::LinkState::Reachable);
    QCOMPARE(answersOnServer(), before + 1);
}

void ClassServerFaultsTest::closingNeverWaitsOnASilentServer()
{
    classroom::ServerSettings settings;
    settings.connection = m_connection;
    QElapsedTimer closing;
    {
        classroom::ClassServerLink link(m_path, settings);
        link.sendNow();
        QCOMPARE(link.state().kind, classroom::LinkState::Reachable);
        m_proxy.hang();
        QVERIFY(answer());
        QSignalSpy told(&link, &classroom::ClassServerLink::stateChanged);
        link.answerKept();
        // The round is under way, waiting on the silent peer.
        QVERIFY(!told.wait(300));
        closing.start();
    }
    QVERIFY2(closing.elapsed() < 1000, qPrintable(QString::number(closing.elapsed())));
    m_proxy.pass();
}

QTEST_GUILESS_MAIN(ClassServerFaultsTest)
#include "class_server_faults_test.moc"
