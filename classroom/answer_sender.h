#pragma once

#include "progress/answer_outbox.h"

#include <QDateTime>
#include <QMutex>
#include <QSqlDatabase>
#include <QString>

#include <memory>

namespace classroom {

// How the class server stands for this computer, as the status line tells it.
struct LinkState
{
    enum Kind {
        Connecting, // not tried yet
        Reachable,
        Unreachable,
        SettingsRefused, // the settings found cannot be used: nothing is sent
    };
    Kind kind = Connecting;
    QDateTime unreachableSince; // UTC; the first failure of this outage
    qint64 waiting = 0; // answers the server does not have yet
    QString detail; // the last failure in the server's or the file's words

    bool operator==(const LinkState &other) const
    {
        return kind == other.kind && unreachableSince == other.unreachableSince
            && waiting == other.waiting && detail == other.detail;
    }
};

// Cuts the sender's connection from another thread: a server, or a network
// between, that stops answering in the middle of a statement would keep Qt's
// driver waiting for good. The statement then fails at once, and the next
// round connects afresh.
class ConnectionCutter
{
public:
    // The open connection's socket; -1 once it is closed.
    void watch(int socket);
    void cut();

private:
    QMutex m_lock;
    int m_socket = -1;
};

// Sends the answers of the progress file that the class server does not
// have, on a database connection and a file connection of its own: any one
// thread may own it. The server keeps an answer once whatever happens, so an
// answer sent again after a kill or a lost reply is harmless.
class AnswerSender
{
public:
    // The most answers sent in one transaction.
    static constexpr int BatchSize = 500;

    AnswerSender(const QString &progressPath, const QString &connection,
        std::shared_ptr<ConnectionCutter> cutter = std::make_shared<ConnectionCutter>());
    ~AnswerSender();
    AnswerSender(const AnswerSender &) = delete;
    AnswerSender &operator=(const AnswerSender &) = delete;

    // One round: connects when not connected, sends every answer waiting in
    // batches, and marks each batch sent once the server has committed it.
    // `now` is UTC. True when the server has every answer. With
    // `mayConnect` false, a round whose connecting failed or whose connection
    // was dropped already tells of the loss without trying again.
    bool sendWaiting(const QDateTime &now, bool mayConnect = true);
    LinkState state() const { return m_state; }
    // Connects when not connected; false when the server cannot be reached.
    bool reach();
    // Closes a connection found broken outside a round of sending; the next
    // round tells of it.
    void drop(const QString &why);
    // The connection to the server, open after a round that reached it.
    QSqlDatabase server() const;
    // Tells of a failure met on the server's connection after the round.
    void lost(const QString &why, const QDateTime &now);
    ConnectionCutter &cutter() const { return *m_cutter; }
    // Seconds before the next try after the rounds failed in a row: 1, then
    // 2 while the outage is under five minutes old, then 4, 8 … up to 60;
    // 0 after a round that reached the server. `now` is UTC.
    int retryDelaySeconds(const QDateTime &now) const;

private:
    enum class Sent { Yes, Refused, Failed };
    Sent send(const QList<progress::OutgoingAnswer> &batch);
    // A batch the server refused, sent again a pupil at a time: only the
    // answers of the pupils it refuses are left behind.
    bool sendEachPupil(const QList<progress::OutgoingAnswer> &batch);
    void disconnect();
    // A round reached the server: the outage, if any, is over.
    void found();

    QString m_connectionName;
    QString m_connection;
    progress::AnswerOutbox m_outbox;
    LinkState m_state;
    int m_failures = 0;
    std::shared_ptr<ConnectionCutter> m_cutter;
};

} // namespace classroom
