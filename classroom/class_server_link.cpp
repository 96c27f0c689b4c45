#include "classroom/class_server_link.h"

#include <QTimer>

namespace classroom {

SendingWorker::SendingWorker(const QString &progressPath, const QString &connection)
    : m_progressPath(progressPath)
    , m_connection(connection)
{ }

SendingWorker::~SendingWorker()
{
    delete m_sender;
}

void SendingWorker::start()
{
    // Made here, so that the connections and the timer belong to this thread.
    m_sender = new AnswerSender(m_progressPath, m_connection);
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SendingWorker::round);
    m_timer->start(0);
}

void SendingWorker::answerKept()
{
    if (!m_timer || m_waitingToRetry)
        return;
    m_timer->start(0);
}

void SendingWorker::round()
{
    if (!m_sender)
        return;
    m_timer->stop();
    m_sender->sendWaiting(QDateTime::currentDateTimeUtc());
    const int retry = m_sender->retryDelaySeconds();
    m_waitingToRetry = retry > 0;
    m_timer->start((m_waitingToRetry ? retry : ClassServerLink::PollSeconds) * 1000);
    emit stateChanged(m_sender->state());
}

ClassServerLink::ClassServerLink(
    const QString &progressPath, const ServerSettings &settings, QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<classroom::LinkState>();
    m_worker = new SendingWorker(progressPath, settings.connection);
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::started, m_worker, &SendingWorker::start);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &SendingWorker::stateChanged, this, &ClassServerLink::takeState);
    m_thread.setObjectName(QStringLiteral("class server"));
    m_thread.start();
}

ClassServerLink::~ClassServerLink()
{
    // A round under way ends by itself: every connection has a time limit.
    m_thread.quit();
    m_thread.wait();
}

LinkState ClassServerLink::state() const
{
    QMutexLocker locker(&m_lock);
    return m_state;
}

void ClassServerLink::answerKept()
{
    QMetaObject::invokeMethod(m_worker, &SendingWorker::answerKept, Qt::QueuedConnection);
}

void ClassServerLink::sendNow()
{
    QMetaObject::invokeMethod(m_worker, &SendingWorker::round, Qt::BlockingQueuedConnection);
    // The state the round sent is queued for this thread: take it now.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void ClassServerLink::takeState(const LinkState &state)
{
    {
        QMutexLocker locker(&m_lock);
        if (m_state == state)
            return;
        m_state = state;
    }
    emit stateChanged(state);
}

} // namespace classroom
