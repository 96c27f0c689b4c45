#pragma once

#include "classroom/answer_sender.h"
#include "classroom/server_settings.h"
#include "progress/progress_store.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <memory>
#include <optional>

class QTimer;

namespace classroom {

class SendingWorker;

// This computer's link to the class server: the answers go on a thread of
// their own, so the window never waits on the network. The window tells it
// when an answer was kept and hears how the server stands.
class ClassServerLink : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClassServerLink)

public:
    ClassServerLink(
        const QString &progressPath, const ServerSettings &settings, QObject *parent = nullptr);
    ~ClassServerLink() override;

    LinkState state() const;
    // How often answers kept by another copy of the program are looked for.
    static constexpr int PollSeconds = 15;
    // A round still going after this long waits on a server that stopped
    // answering: its connection is cut, and the next round starts afresh.
    static constexpr int HungRoundSeconds = 20;

public slots:
    // An answer was kept: it goes at the next round, which starts now unless
    // the link is waiting to try the server again.
    void answerKept();
    // Runs a round on the link's thread and returns when it is done: for
    // tests, which never wait for the link's timers.
    void sendNow();
    // The pupil chosen in the window, none for nobody: their answers from
    // other computers are fetched at the next round.
    void follow(std::optional<qint64> pupilId);
    // The watch's handler: cuts a round that has run too long.
    void checkForHungRound();
    // Cuts the round under way, if any: it ends at once as if the server
    // had gone.
    void cutRoundUnderWay();

signals:
    void stateChanged(const classroom::LinkState &state);
    // The roster changed this computer's pupils.
    void rosterTaken();
    // The pupil's answers from other computers are in the progress file,
    // and their My Facts cards made from all of them.
    void historyTaken(qint64 pupilId);

private:
    void takeState(const classroom::LinkState &state);

    QThread m_thread;
    SendingWorker *m_worker = nullptr;
    std::shared_ptr<ConnectionCutter> m_cutter = std::make_shared<ConnectionCutter>();
    // When the round under way started, in milliseconds since 1970; 0 between rounds.
    std::shared_ptr<std::atomic<qint64>> m_roundStarted = std::make_shared<std::atomic<qint64>>(0);
    QTimer *m_watch = nullptr;
    mutable QMutex m_lock;
    LinkState m_state;
};

// The link's half on its own thread; nothing outside the link uses it.
class SendingWorker : public QObject
{
    Q_OBJECT

public:
    SendingWorker(const QString &progressPath, const QString &connection,
        std::shared_ptr<ConnectionCutter> cutter,
        std::shared_ptr<std::atomic<qint64>> roundStarted);
    ~SendingWorker() override;

public slots:
    void start();
    void answerKept();
    void follow(std::optional<qint64> pupilId);
    void round();

signals:
    void stateChanged(const classroom::LinkState &state);
    void rosterTaken();
    void historyTaken(qint64 pupilId);

private:
    void takeRoster();
    void takeHistory();
    // On a teacher's computer: every pupil of the teacher's classes whose
    // answers the file lacks some of, and a word from the server whenever
    // any PC sends answers, so the overview keeps up within seconds.
    void takeClass();
    // The pupil's answers from the server into the file, their cards made
    // afresh; false when the server was lost or the file refused them.
    bool fetchAnswers(qint64 pupilId, const QUuid &onServer);
    void listen();
    void answersArrived();

    QString m_progressPath;
    QString m_connection;
    std::shared_ptr<ConnectionCutter> m_cutter;
    std::shared_ptr<std::atomic<qint64>> m_roundStarted;
    AnswerSender *m_sender = nullptr;
    // The file as the roster and the fetched answers go into it, on this
    // thread's own connection; opened once there is something to take in.
    std::unique_ptr<progress::ProgressStore> m_store;
    QList<progress::RosterPupil> m_roster;
    QList<QUuid> m_erased;
    std::optional<qint64> m_followed;
    bool m_historyTaken = false;
    // Whether the login is a teacher's; not known until the server is reached.
    std::optional<bool> m_teacher;
    QTimer *m_timer = nullptr;
    bool m_waitingToRetry = false;
};

} // namespace classroom

Q_DECLARE_METATYPE(classroom::LinkState)
