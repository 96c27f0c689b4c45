#include "classroom/answer_sender.h"

#include "classroom/server_connection.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

#include <libpq-fe.h>
#include <sys/socket.h>

using namespace Qt::StringLiterals;

namespace classroom {

namespace {

QAtomicInt senderCount;

constexpr int LongestRetrySeconds = 60;
// Early in an outage the tries stay this close, so a restarted server has
// every computer back within seconds; a server away for longer is not
// knocked on by the whole room every few seconds.
constexpr int EarlyRetrySeconds = 2;
constexpr qint64 EarlyOutageSeconds = 5 * 60;

// The server's own column list: a computer may add answers but never read
// them, so a copy already there is passed over without naming its key.
const QString AnswerColumns = u"answer_id, pupil_id, pc_id, answered_at, mode, level, operation,"
                              " first, second, typed, expected, correct, millis, quick_seconds"_s;
constexpr int ColumnCount = 14;

QString rowsOf(int rows)
{
    QString row = u"(?"_s;
    for (int column = 1; column < ColumnCount; ++column)
        row += u", ?"_s;
    row += u')';
    QStringList all;
    all.reserve(rows);
    for (int index = 0; index < rows; ++index)
        all.append(row);
    return all.join(u", "_s);
}

// The socket under Qt's connection, reached through the driver's handle.
int socketOf(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    // The driver names the type by libpq's struct or by its typedef.
    if (!handle.isValid()
        || (qstrcmp(handle.typeName(), "pg_conn*") != 0
            && qstrcmp(handle.typeName(), "PGconn*") != 0))
        return -1;
    PGconn *connection = *static_cast<PGconn *const *>(handle.constData());
    return connection ? PQsocket(connection) : -1;
}

} // namespace

void ConnectionCutter::watch(int socket)
{
    QMutexLocker locker(&m_lock);
    m_socket = socket;
}

void ConnectionCutter::cut()
{
    // Under the lock the socket cannot be closed, and its number taken by
    // another file, meanwhile.
    QMutexLocker locker(&m_lock);
    if (m_socket >= 0)
        ::shutdown(m_socket, SHUT_RDWR);
}

AnswerSender::AnswerSender(const QString &progressPath, const QString &connection,
    std::shared_ptr<ConnectionCutter> cutter)
    : m_connectionName(u"class-server-%1"_s.arg(senderCount.fetchAndAddRelaxed(1)))
    , m_connection(connection)
    , m_outbox(progressPath)
    , m_cutter(std::move(cutter))
{ }

AnswerSender::~AnswerSender()
{
    disconnect();
    m_outbox.close();
}

int AnswerSender::retryDelaySeconds(const QDateTime &now) const
{
    if (m_failures == 0)
        return 0;
    const qint64 outage
        = m_state.unreachableSince.isValid() ? m_state.unreachableSince.secsTo(now) : 0;
    const int longest = outage < EarlyOutageSeconds ? EarlyRetrySeconds : LongestRetrySeconds;
    return std::min(longest, 1 << std::min(m_failures - 1, 6));
}

void AnswerSender::disconnect()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    m_cutter->watch(-1);
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool AnswerSender::reach()
{
    // Qt's driver never connects again by itself: a connection that failed
    // is closed, and the next round opens a new one.
    if (QSqlDatabase::contains(m_connectionName)
        && QSqlDatabase::database(m_connectionName, false).isOpen())
        return true;
    disconnect();
    QString why;
    const QSqlDatabase db = openServer(m_connectionName, m_connection, &why);
    if (db.isValid()) {
        m_cutter->watch(socketOf(db));
        return true;
    }
    m_state.detail = why;
    return false;
}

void AnswerSender::drop(const QString &why)
{
    m_state.detail = why;
    disconnect();
}

QSqlDatabase AnswerSender::server() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

void AnswerSender::lost(const QString &why, const QDateTime &now)
{
    if (m_state.kind != LinkState::Unreachable)
        m_state.unreachableSince = now;
    m_state.kind = LinkState::Unreachable;
    if (!why.isEmpty())
        m_state.detail = why;
    ++m_failures;
    disconnect();
}

AnswerSender::Sent AnswerSender::send(const QList<progress::OutgoingAnswer> &batch)
{
    QSqlQuery insert(QSqlDatabase::database(m_connectionName, false));
    if (!insert.prepare(u"INSERT INTO orvi.answer (%1) VALUES %2 ON CONFLICT DO NOTHING"_s.arg(
            AnswerColumns, rowsOf(int(batch.size()))))) {
        m_state.detail = insert.lastError().text();
        return Sent::Failed;
    }
    for (const progress::OutgoingAnswer &answer : batch) {
        const tutor::Attempt &attempt = answer.attempt;
        insert.addBindValue(answer.answerId.toString(QUuid::WithoutBraces));
        insert.addBindValue(answer.pupilId.toString(QUuid::WithoutBraces));
        insert.addBindValue(answer.computerId.toString(QUuid::WithoutBraces));
        insert.addBindValue(attempt.answeredAt.toUTC().toString(Qt::ISODateWithMs));
        insert.addBindValue(int(attempt.mode));
        insert.addBindValue(int(attempt.level));
        insert.addBindValue(int(attempt.operation));
        insert.addBindValue(attempt.first);
        insert.addBindValue(attempt.second);
        insert.addBindValue(attempt.typed);
        insert.addBindValue(attempt.expected);
        insert.addBindValue(attempt.correct);
        insert.addBindValue(attempt.millis);
        insert.addBindValue(answer.quickSeconds);
    }
    if (insert.exec())
        return Sent::Yes;
    m_state.detail = insert.lastError().text();
    // Refused by the server's rules, not lost on the way: a pupil this
    // computer no longer serves (access rule) or one erased (their key).
    const QString code = insert.lastError().nativeErrorCode();
    return code == u"42501"_s || code == u"23503"_s ? Sent::Refused : Sent::Failed;
}

bool AnswerSender::sendEachPupil(const QList<progress::OutgoingAnswer> &batch)
{
    QList<QUuid> pupils;
    for (const progress::OutgoingAnswer &answer : batch) {
        if (!pupils.contains(answer.pupilId))
            pupils.append(answer.pupilId);
    }
    for (const QUuid &pupil : std::as_const(pupils)) {
        QList<progress::OutgoingAnswer> theirs;
        for (const progress::OutgoingAnswer &answer : batch) {
            if (answer.pupilId == pupil)
                theirs.append(answer);
        }
        const Sent sent = send(theirs);
        if (sent == Sent::Failed)
            return false;
        // Should this fail, the answers go again next round: harmless.
        if (!m_outbox.markSent(theirs,
                sent == Sent::Yes ? progress::AnswerOutbox::Mark::Sent
                                  : progress::AnswerOutbox::Mark::Refused)) {
            m_state.detail = m_outbox.lastError();
            return false;
        }
    }
    return true;
}

bool AnswerSender::sendWaiting(const QDateTime &now, bool mayConnect)
{
    const bool reached = mayConnect ? reach() : server().isOpen();
    if (!m_outbox.open()) {
        // Nothing to send from: the server's state is all there is to tell.
        m_state.waiting = 0;
        if (reached)
            found();
        else
            lost(QString(), now);
        return reached;
    }
    bool done = reached;
    while (done) {
        const std::optional<QList<progress::OutgoingAnswer>> batch = m_outbox.next(BatchSize);
        if (!batch) {
            m_state.detail = m_outbox.lastError();
            break;
        }
        if (batch->isEmpty())
            break;
        const Sent sent = send(*batch);
        if (sent == Sent::Refused) {
            done = sendEachPupil(*batch);
            continue;
        }
        if (sent == Sent::Failed) {
            done = false;
            break;
        }
        // Should this fail, the batch goes again next round: harmless.
        if (!m_outbox.markSent(*batch)) {
            m_state.detail = m_outbox.lastError();
            break;
        }
    }
    if (const std::optional<qint64> waiting = m_outbox.waiting())
        m_state.waiting = *waiting;
    m_outbox.close();
    if (!done) {
        lost(QString(), now);
        return false;
    }
    found();
    return m_state.waiting == 0;
}

void AnswerSender::found()
{
    m_state.kind = LinkState::Reachable;
    m_state.unreachableSince = QDateTime();
    m_failures = 0;
}

} // namespace classroom
