#include "tests/fault_proxy.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QtTest>

namespace {

// Long enough for anything on the loopback; reached only when a test fails.
const int Patience = 5000;
// How long a silent peer is listened to: the only real wait of the tests.
const int ShortSilence = 100;

// Sends back whatever it is sent, from a thread of its own as a server would.
class EchoServer
{
public:
    EchoServer()
    {
        m_server.moveToThread(&m_thread);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                QObject::connect(socket, &QIODevice::readyRead, socket,
                    [socket] { socket->write(socket->readAll()); });
        });
        m_thread.start();
        QMetaObject::invokeMethod(
            &m_server, [this] { m_server.listen(QHostAddress::LocalHost); },
            Qt::BlockingQueuedConnection);
    }
    ~EchoServer()
    {
        QMetaObject::invokeMethod(
            &m_server, [this] { qDeleteAll(m_server.findChildren<QTcpSocket *>()); },
            Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    quint16 port() const { return m_server.serverPort(); }

private:
    QThread m_thread;
    QTcpServer m_server;
};

// What arrives on the socket within the time given, up to `size` bytes. The
// test's thread blocks here as in a database call, so any answer proves the
// proxy works in its own thread.
QByteArray reply(QTcpSocket &socket, qsizetype size, int waitMs = Patience)
{
    QByteArray got;
    const QDeadlineTimer deadline(waitMs);
    while (got.size() < size && socket.waitForReadyRead(int(deadline.remainingTime())))
        got += socket.readAll();
    return got;
}

enum class Fault { None, Refuse, Hang, Cut };
enum class Seen { Echo, Refusal, Silence, Close };

} // namespace

class FaultProxyTest : public QObject
{
    Q_OBJECT

private slots:
    void clientSeesEachFault_data();
    void clientSeesEachFault();
};

void FaultProxyTest::clientSeesEachFault_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("connectedBefore");
    QTest::addColumn<Seen>("seen");

    QTest::newRow("passing echoes") << Fault::None << false << Seen::Echo;
    QTest::newRow("refusing refuses") << Fault::Refuse << false << Seen::Refusal;
    QTest::newRow("refusing leaves open ones") << Fault::Refuse << true << Seen::Echo;
    QTest::newRow("hanging holds a new one") << Fault::Hang << false << Seen::Silence;
    QTest::newRow("hanging holds an open one") << Fault::Hang << true << Seen::Silence;
    QTest::newRow("cutting closes open ones") << Fault::Cut << true << Seen::Close;
}

void FaultProxyTest::clientSeesEachFault()
{
    QFETCH(Fault, fault);
    QFETCH(bool, connectedBefore);
    QFETCH(Seen, seen);

    EchoServer echo;
    FaultProxy proxy;
    QString why;
    QVERIFY2(proxy.start(echo.port(), &why), qPrintable(why));
    const quint16 port = proxy.port();
    QVERIFY(port != 0 && port != echo.port());

    QTcpSocket client;
    if (connectedBefore) {
        client.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(client.waitForConnected(Patience));
        client.write("hello");
        QCOMPARE(reply(client, 5), QByteArray("hello"));
    }
    const qint64 forwardedBefore = proxy.bytesForwarded();

    switch (fault) {
    case Fault::None:
        break;
    case Fault::Refuse:
        proxy.refuse();
        break;
    case Fault::Hang:
        proxy.hang();
        break;
    case Fault::Cut:
        proxy.cut();
        break;
    }
    QCOMPARE(proxy.port(), port);
    if (!connectedBefore)
        client.connectToHost(QHostAddress::LocalHost, port);

    switch (seen) {
    case Seen::Echo:
        QVERIFY(client.waitForConnected(Patience));
        client.write("ping");
        QCOMPARE(reply(client, 4), QByteArray("ping"));
        QCOMPARE(proxy.bytesForwarded(), forwardedBefore + 8);
        break;
    case Seen::Refusal:
        QVERIFY(!client.waitForConnected(Patience));
        QCOMPARE(client.error(), QAbstractSocket::ConnectionRefusedError);
        break;
    case Seen::Silence:
        QVERIFY(client.waitForConnected(Patience));
        client.write("ping");
        QCOMPARE(reply(client, 4, ShortSilence), QByteArray());
        QCOMPARE(proxy.bytesForwarded(), forwardedBefore);
        break;
    case Seen::Close:
        QCOMPARE(proxy.openConnections(), 0);
        QVERIFY(client.waitForDisconnected(Patience));
        break;
    }

    // Cutting goes on passing by itself; the others are healed by pass().
    if (fault != Fault::Cut)
        proxy.pass();
    QTcpSocket fresh;
    fresh.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(fresh.waitForConnected(Patience));
    fresh.write("again");
    QCOMPARE(reply(fresh, 5), QByteArray("again"));
    // What was held back arrives late, as over a network that heals.
    if (seen == Seen::Silence)
        QCOMPARE(reply(client, 4), QByteArray("ping"));
    QCOMPARE(proxy.openConnections(), seen == Seen::Refusal || seen == Seen::Close ? 1 : 2);
}

QTEST_GUILESS_MAIN(FaultProxyTest)
#include "fault_proxy_test.moc"
