#include "session/tutor_session.h"

#include <QSignalSpy>
#include <QtTest>

#include <limits>

using namespace Qt::StringLiterals;

// How long each answer in the games took, as it is kept across sessions.
class PupilSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void gamesTimeEachAnswerFromItsProblemShown_data();
    void gamesTimeEachAnswerFromItsProblemShown();
};

void PupilSessionTest::gamesTimeEachAnswerFromItsProblemShown_data()
{
    QTest::addColumn<QByteArray>("game");
    QTest::addColumn<qint64>("beforeStart"); // Time Trial: the problem up before the start
    QTest::addColumn<qint64>("wrongTryAfter"); // a wrong try first, this long in; 0: none
    QTest::addColumn<qint64>("answeredAfter"); // from the problem shown, or the start
    QTest::addColumn<qint64>("kept");

    QTest::newRow("missing number")
        << QByteArray("missing number") << 0LL << 0LL << 1500LL << 1500LL;
    QTest::newRow("missing operation")
        << QByteArray("missing operation") << 0LL << 0LL << 700LL << 700LL;
    // The answer box opens with the start: waiting for it is no thinking.
    QTest::newRow("time trial from its start")
        << QByteArray("time trial") << 5000LL << 0LL << 900LL << 900LL;
    // A wrong answer leaves the problem up; the next try counts it all.
    QTest::newRow("time trial second try")
        << QByteArray("time trial") << 0LL << 400LL << 1000LL << 1000LL;
    QTest::newRow("a clock set back counts as no time")
        << QByteArray("missing number") << 0LL << 0LL << -3000LL << 0LL;
    QTest::newRow("a month away is cut at the counter's end")
        << QByteArray("missing operation") << 0LL << 0LL << 31LL * 24 * 3600 * 1000
        << qint64(std::numeric_limits<qint32>::max());
}

void PupilSessionTest::gamesTimeEachAnswerFromItsProblemShown()
{
    QFETCH(QByteArray, game);
    QFETCH(qint64, beforeStart);
    QFETCH(qint64, wrongTryAfter);
    QFETCH(qint64, answeredAfter);
    QFETCH(qint64, kept);

    TutorSession session;
    const QDateTime shown(QDate(2026, 3, 2), QTime(9, 30), Qt::UTC);
    QDateTime now = shown;
    session.setClock([&now]() { return now; });
    session.start();
    const auto answer = [&session, &game](const QString &typed) {
        if (game == "missing number")
            session.answerMissingNumber(typed);
        else if (game == "missing operation")
            session.answerMissingOperation(std::nullopt);
        else
            session.answerTimeTrial(typed);
    };
    if (game == "missing number")
        session.drawMissingNumberProblem();
    else if (game == "missing operation")
        session.drawMissingOperationProblem();
    else
        session.drawTimeTrialProblem();
    QDateTime from = shown;
    if (game == "time trial") {
        now = from = shown.addMSecs(beforeStart);
        session.startTimeTrial(30);
    }
    QSignalSpy told(&session, &TutorSession::attemptMade);
    if (wrongTryAfter > 0) {
        now = from.addMSecs(wrongTryAfter);
        answer(u"no digit"_s);
    }
    now = from.addMSecs(answeredAfter);
    answer(u"no digit"_s);

    QCOMPARE(told.count(), wrongTryAfter > 0 ? 2 : 1);
    const auto attempt = told.last().first().value<tutor::Attempt>();
    QCOMPARE(attempt.millis, kept);
    QCOMPARE(attempt.answeredAt, now);
    QVERIFY(!attempt.correct);
}

QTEST_GUILESS_MAIN(PupilSessionTest)
#include "pupil_session_test.moc"
