#include "tests/fault_proxy.h"

#include <QHostAddress>
#include <QMetaObject>
#include <QMutexLocker>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

namespace {

// Makes closing the socket send a reset rather than an orderly end, so the
// peer learns at once that the connection broke, whether or not it was
// reading.
void resetOnClose(QTcpSocket *socket)
{
#ifdef Q_OS_UNIX
    const qintptr descriptor = socket->socketDescriptor();
    if (descriptor == -1)
        return;
    const linger now { 1, 0 };
    ::setsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_LINGER, &now, sizeof now);
#else
    Q_UNUSED(socket);
#endif
}

} // namespace

// Lives in the proxy's thread, with every socket it makes.
class FaultProxy::Worker : public QObject
{
public:
    Worker(quint16 targetPort, std::atomic<int> &open, std::atomic<qint64> &forwarded)
        : m_targetPort(targetPort)
        , m_open(open)
        , m_forwarded(forwarded)
    {
        connect(m_server, &QTcpServer::newConnection, this, &Worker::accept);
    }

    // Port 0 picks a free port, which is kept for listening again.
    bool listen(quint16 port, QString *why)
    {
        if (m_server->isListening())
            return true;
        if (!m_server->listen(QHostAddress::LocalHost, port)) {
            *why = m_server->errorString();
            return false;
        }
        m_port = m_server->serverPort();
        return true;
    }
    quint16 port() const { return m_port; }

    void setListening(bool listening)
    {
        QString why;
        if (!listening)
            m_server->close();
        else if (!listen(m_port, &why))
            qWarning("FaultProxy cannot listen on port %u again: %s", m_port, qPrintable(why));
    }

    void setHolding(bool holding)
    {
        m_holding = holding;
        if (holding)
            return;
        for (Link *link : linksNow()) {
            if (!link->upstream) {
                connectUpstream(link);
            } else {
                forward(link->client, link->upstream);
                if (isOpen(link))
                    forward(link->upstream, link->client);
            }
        }
    }

    void resetAll()
    {
        for (Link *link : linksNow())
            drop(link, true);
    }

    void shutDown()
    {
        resetAll();
        m_server->close();
        // Sockets still handing on their last bytes.
        qDeleteAll(findChildren<QTcpSocket *>(Qt::FindDirectChildrenOnly));
    }

private:
    // One client's connection and the proxy's own to the target, made once
    // bytes may flow.
    struct Link
    {
        QTcpSocket *client = nullptr;
        QTcpSocket *upstream = nullptr;
    };

    void accept()
    {
        while (QTcpSocket *client = m_server->nextPendingConnection()) {
            client->setParent(this);
            m_links.push_back(std::make_unique<Link>());
            Link *link = m_links.back().get();
            link->client = client;
            ++m_open;
            watch(link, client);
            if (!m_holding)
                connectUpstream(link);
        }
    }

    void connectUpstream(Link *link)
    {
        link->upstream = new QTcpSocket(this);
        watch(link, link->upstream);
        connect(link->upstream, &QAbstractSocket::connected, this,
            [this, link] { forward(link->client, link->upstream); });
        link->upstream->connectToHost(QHostAddress::LocalHost, m_targetPort);
    }

    // Hands on what `from` reads and closes the link when it closes. The other
    // side is looked up on each event: the upstream socket may be made later.
    void watch(Link *link, QTcpSocket *from)
    {
        const bool fromClient = from == link->client;
        const auto other
            = [link, fromClient] { return fromClient ? link->upstream : link->client; };
        connect(from, &QIODevice::readyRead, this, [this, from, other] { forward(from, other()); });
        connect(from, &QAbstractSocket::stateChanged, this,
            [this, link, from, other](QAbstractSocket::SocketState state) {
                if (state != QAbstractSocket::UnconnectedState)
                    return;
                // A side's close follows its last bytes.
                forward(from, other());
                drop(link, false);
            });
    }

    void forward(QTcpSocket *from, QTcpSocket *to)
    {
        if (m_holding || !to || to->state() != QAbstractSocket::ConnectedState)
            return;
        const QByteArray bytes = from->readAll();
        if (bytes.isEmpty())
            return;
        to->write(bytes);
        m_forwarded += bytes.size();
    }

    void drop(Link *link, bool reset)
    {
        const auto found = find(link);
        if (found == m_links.end())
            return;
        for (QTcpSocket *socket : { link->client, link->upstream }) {
            if (!socket)
                continue;
            socket->disconnect(this);
            if (reset) {
                resetOnClose(socket);
                socket->abort();
            } else {
                // Lets the socket write what it still holds before it goes.
                connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
                socket->disconnectFromHost();
            }
            if (socket->state() == QAbstractSocket::UnconnectedState)
                socket->deleteLater();
        }
        m_links.erase(found);
        --m_open;
    }

    // The links as they are now: handing on bytes may close one.
    std::vector<Link *> linksNow() const
    {
        std::vector<Link *> links;
        for (const std::unique_ptr<Link> &link : m_links)
            links.push_back(link.get());
        return links;
    }
    std::vector<std::unique_ptr<Link>>::const_iterator find(const Link *link) const
    {
        return std::find_if(m_links.begin(), m_links.end(),
            [link](const std::unique_ptr<Link> &each) { return each.get() == link; });
    }
    bool isOpen(const Link *link) const { return find(link) != m_links.end(); }

    QTcpServer *m_server = new QTcpServer(this);
    std::vector<std::unique_ptr<Link>> m_links;
    const quint16 m_targetPort;
    quint16 m_port = 0;
    bool m_holding = false;
    std::atomic<int> &m_open;
    std::atomic<qint64> &m_forwarded;
};

FaultProxy::FaultProxy()
{
    m_thread.setObjectName(QStringLiteral("FaultProxy"));
}

FaultProxy::~FaultProxy()
{
    stop();
}

bool FaultProxy::start(quint16 targetPort, QString *why)
{
    QMutexLocker lock(&m_calls);
    if (m_worker) {
        *why = QStringLiteral("The proxy is already running.");
        return false;
    }
    m_open = 0;
    m_forwarded = 0;
    m_worker = new Worker(targetPort, m_open, m_forwarded);
    m_worker->moveToThread(&m_thread);
    m_thread.start();
    bool listening = false;
    QMetaObject::invokeMethod(
        m_worker, [&] { listening = m_worker->listen(0, why); }, Qt::BlockingQueuedConnection);
    if (!listening) {
        m_thread.quit();
        m_thread.wait();
        delete m_worker;
        m_worker = nullptr;
        return false;
    }
    m_port = m_worker->port();
    return true;
}

quint16 FaultProxy::port() const
{
    return m_port;
}

void FaultProxy::stop()
{
    QMutexLocker lock(&m_calls);
    if (!m_worker)
        return;
    QMetaObject::invokeMethod(
        m_worker, [this] { m_worker->shutDown(); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
    m_worker = nullptr;
    m_port = 0;
}

void FaultProxy::pass()
{
    inProxyThread([](Worker &worker) {
        worker.setListening(true);
        worker.setHolding(false);
    });
}

void FaultProxy::refuse()
{
    inProxyThread([](Worker &worker) { worker.setListening(false); });
}

void FaultProxy::hang()
{
    inProxyThread([](Worker &worker) {
        worker.setHolding(true);
        worker.setListening(true);
    });
}

void FaultProxy::cut()
{
    inProxyThread([](Worker &worker) {
        worker.resetAll();
        worker.setHolding(false);
        worker.setListening(true);
    });
}

int FaultProxy::openConnections() const
{
    return m_open;
}

qint64 FaultProxy::bytesForwarded() const
{
    return m_forwarded;
}

void FaultProxy::inProxyThread(const std::function<void(Worker &)> &step)
{
    QMutexLocker lock(&m_calls);
    if (m_worker)
        QMetaObject::invokeMethod(
            m_worker, [&] { step(*m_worker); }, Qt::BlockingQueuedConnection);
}
