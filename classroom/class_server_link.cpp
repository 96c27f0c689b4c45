#include "classroom/class_server_link.h"

#include "classroom/roster_reader.h"

#include <QSqlDriver>
#include <QTimer>

namespace classroom {

namespace {

// What the server calls out when answers arrive from any PC.
const QString AnswersChannel = QStringLiteral("orvi_answers");

} // namespace

SendingWorker::SendingWorker(const QString &progressPath, const QString &connection,
    std::shared_ptr<ConnectionCutter> cutter, std::shared_ptr<std::atomic<qint64>> roundStarted)
    : m_progressPath(progressPath)
    , m_connection(connection)
    , m_cutter(std::move(cutter))
    , m_roundStarted(std::move(roundStarted))
{ }

SendingWorker::~SendingWorker()
{
    delete m_sender;
}

void SendingWorker::follow(std::optional<qint64> pupilId)
{
    m_followed = pupilId;
    m_historyTaken = false;
    if (m_timer && !m_waitingToRetry)
        m_timer->start(0);
}

void SendingWorker::takeRoster()
{
    QList<progress::RosterPupil> roster;
    QList<QUuid> erased;
    QString why;
    if (!readRoster(m_sender->server(), &roster, &erased, &why)) {
        m_sender->drop(why);
        return;
    }
    if (!m_store) {
        auto store = std::make_unique<progress::ProgressStore>(m_progressPath);
        // The window's own opening checks the file and backs it up.
        store->open(QDateTime::currentDateTimeUtc(), progress::ProgressStore::Checks::Later);
        if (!store->isWritable())
            return;
        m_store = std::move(store);
    }
    if (roster == m_roster && erased == m_erased)
        return;
    if (!m_store->takeRoster(roster, erased))
        return;
    m_roster = roster;
    m_erased = erased;
    emit rosterTaken();
}

void SendingWorker::takeHistory()
{
    if (!m_store || !m_followed || m_historyTaken)
        return;
    const QUuid onServer = m_store->serverId(*m_followed);
    m_historyTaken = onServer.isNull() || fetchAnswers(*m_followed, onServer);
}

bool SendingWorker::fetchAnswers(qint64 pupilId, const QUuid &onServer)
{
    QList<progress::ServerAnswer> answers;
    QString why;
    if (!readHistory(m_sender->server(), onServer, &answers, &why)) {
        m_sender->lost(why, QDateTime::currentDateTimeUtc());
        return false;
    }
    if (!m_store->takeHistory(pupilId, answers))
        return false;
    emit historyTaken(pupilId);
    return true;
}

void SendingWorker::takeClass()
{
    QString why;
    if (!m_teacher) {
        // A server whose tables predate teachers' computers cannot say:
        // asked again next round, while the answers go as ever.
        bool teacher = false;
        if (!readIsTeacher(m_sender->server(), &teacher, &why))
            return;
        m_teacher = teacher;
    }
    if (!*m_teacher || !m_store)
        return;
    listen();
    QHash<QUuid, qint64> onServer;
    if (!readAnswerCounts(m_sender->server(), &onServer, &why)) {
        m_sender->lost(why, QDateTime::currentDateTimeUtc());
        return;
    }
    const QHash<QUuid, qint64> here = m_store->answersServerHas();
    for (auto it = onServer.cbegin(); it != onServer.cend(); ++it) {
        const std::optional<qint64> pupil = m_store->pupilOnServer(it.key());
        if (!pupil || it.value() <= here.value(it.key()))
            continue;
        if (!fetchAnswers(*pupil, it.key()) && m_sender->state().kind != LinkState::Reachable)
            return;
    }
}

void SendingWorker::listen()
{
    QSqlDriver *driver = m_sender->server().driver();
    if (!driver || driver->subscribedToNotifications().contains(AnswersChannel))
        return;
    // Missed words do no harm: the next poll finds what they told of.
    if (driver->subscribeToNotification(AnswersChannel))
        connect(driver, &QSqlDriver::notification, this, &SendingWorker::answersArrived);
}

void SendingWorker::answersArrived()
{
    // Words arriving during a round wait for it to end, and then make one
    // round between them, however many PCs sent meanwhile.
    if (m_timer && !m_waitingToRetry)
        m_timer->start(0);
}

void SendingWorker::start()
{
    // Made here, so that the connections and the timer belong to this thread.
    m_sender = new AnswerSender(m_progressPath, m_connection, m_cutter);
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
    m_roundStarted->store(QDateTime::currentMSecsSinceEpoch());
    // The roster first: a pupil erased on the server goes here, answers and
    // all, before any of theirs would be sent.
    if (m_sender->reach())
        takeRoster();
    m_sender->sendWaiting(QDateTime::currentDateTimeUtc(), false);
    if (m_sender->state().kind == LinkState::Reachable)
        takeHistory();
    if (m_sender->state().kind == LinkState::Reachable)
        takeClass();
    m_roundStarted->store(0);
    const int retry = m_sender->retryDelaySeconds(QDateTime::currentDateTimeUtc());
    m_waitingToRetry = retry > 0;
    m_timer->start((m_waitingToRetry ? retry : ClassServerLink::PollSeconds) * 1000);
    emit stateChanged(m_sender->state());
}

ClassServerLink::ClassServerLink(
    const QString &progressPath, const ServerSettings &settings, QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<classroom::LinkState>();
    m_worker = new SendingWorker(progressPath, settings.connection, m_cutter, m_roundStarted);
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::started, m_worker, &SendingWorker::start);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &SendingWorker::stateChanged, this, &ClassServerLink::takeState);
    connect(m_worker, &SendingWorker::rosterTaken, this, &ClassServerLink::rosterTaken);
    connect(m_worker, &SendingWorker::historyTaken, this, &ClassServerLink::historyTaken);
    m_thread.setObjectName(QStringLiteral("class server"));
    m_thread.start();
    m_watch = new QTimer(this);
    m_watch->setObjectName(QStringLiteral("tmrClassServerWatch"));
    connect(m_watch, &QTimer::timeout, this, &ClassServerLink::checkForHungRound);
    m_watch->start(5000);
}

void ClassServerLink::checkForHungRound()
{
    const qint64 started = m_roundStarted->load();
    if (started != 0 && QDateTime::currentMSecsSinceEpoch() - started > HungRoundSeconds * 1000)
        cutRoundUnderWay();
}

void ClassServerLink::cutRoundUnderWay()
{
    m_cutter->cut();
}

ClassServerLink::~ClassServerLink()
{
    // A round waiting on a silent server is cut short, so closing the window
    // never waits on the network; connecting has a time limit of its own.
    m_thread.quit();
    if (!m_thread.wait(100)) {
        m_cutter->cut();
        m_thread.wait();
    }
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

void ClassServerLink::follow(std::optional<qint64> pupilId)
{
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, pupilId]() { worker->follow(pupilId); },
        Qt::QueuedConnection);
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
