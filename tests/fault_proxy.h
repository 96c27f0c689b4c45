#pragma once

#include <QMutex>
#include <QString>
#include <QThread>
#include <QtGlobal>

#include <atomic>
#include <functional>

// A TCP proxy on 127.0.0.1 that forwards to a port on the same machine and
// misbehaves on demand, so that tests can show nothing is lost when the
// network does. Its sockets run in a thread of their own: a test's thread may
// block in a database call while the proxy goes on working. Every function
// may be called from any thread but the proxy's own, and what it changes is
// in force when it returns.
class FaultProxy
{
public:
    FaultProxy();
    ~FaultProxy();
    Q_DISABLE_COPY_MOVE(FaultProxy)

    // Listens on a free port, forwarding each connection to targetPort. On
    // failure says why and leaves the proxy stopped.
    bool start(quint16 targetPort, QString *why);
    // The port clients connect to: the same from start() to stop(), whatever
    // the proxy does in between, so a connection string stays valid.
    quint16 port() const;
    // Resets every connection and stops listening.
    void stop();

    // Forwards both ways, the proxy's state after start(). Connections held
    // by hang() get what was held back, late as over a network that heals.
    void pass();
    // Stops listening, so new connections are refused; open ones carry on as
    // they were.
    void refuse();
    // Accepts connections but forwards nothing either way, on new and open
    // ones alike: a peer that never answers. Follow with cut() for one that
    // is never heard from again.
    void hang();
    // Resets every open connection at once, as a dropped link does, then
    // passes new ones.
    void cut();

    // Client connections accepted and not yet closed.
    int openConnections() const;
    // Bytes handed on, both ways together, since start().
    qint64 bytesForwarded() const;

private:
    class Worker;
    // Runs step in the proxy's thread and waits for it, unless stopped.
    void inProxyThread(const std::function<void(Worker &)> &step);

    QMutex m_calls;
    QThread m_thread;
    Worker *m_worker = nullptr;
    std::atomic<quint16> m_port { 0 };
    std::atomic<int> m_open { 0 };
    std::atomic<qint64> m_forwarded { 0 };
};
