#include "session/tutor_session.h"
#include "tests/test_support.h"

#include <QMap>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <limits>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;
using tutor::Level;
using tutor::Operation;

namespace {

// Every signal of a session, watched from the moment this is made.
class Announcements
{
public:
    explicit Announcements(TutorSession &session)
    {
        watch(session, "levelChanged", &TutorSession::levelChanged);
        watch(session, "operationChanged", &TutorSession::operationChanged);
        watch(session, "practiceScoreChanged", &TutorSession::practiceScoreChanged);
        watch(session, "missingNumberScoreChanged", &TutorSession::missingNumberScoreChanged);
        watch(session, "missingOperationScoreChanged", &TutorSession::missingOperationScoreChanged);
        watch(session, "timeTrialScoreChanged", &TutorSession::timeTrialScoreChanged);
        watch(session, "practiceProblemChanged", &TutorSession::practiceProblemChanged);
        watch(session, "missingNumberProblemChanged", &TutorSession::missingNumberProblemChanged);
        watch(session, "missingOperationProblemChanged",
            &TutorSession::missingOperationProblemChanged);
        watch(session, "timeTrialProblemChanged", &TutorSession::timeTrialProblemChanged);
        watch(session, "timeTrialClockChanged", &TutorSession::timeTrialClockChanged);
        watch(session, "worksheetProblemCountChanged", &TutorSession::worksheetProblemCountChanged);
        watch(session, "worksheetPicksChanged", &TutorSession::worksheetPicksChanged);
        watch(session, "attemptMade", &TutorSession::attemptMade);
    }

    // The names of the signals seen, each as often as it came, sorted.
    QStringList seen() const
    {
        QStringList names;
        for (auto spy = m_spies.cbegin(); spy != m_spies.cend(); ++spy) {
            for (int i = 0; i < spy.value()->count(); ++i)
                names << spy.key();
        }
        names.sort();
        return names;
    }

    // The values the last announcement of a signal carried.
    QVariantList last(const QString &name) const
    {
        const QSignalSpy *spy = m_spies.value(name).get();
        return spy && !spy->isEmpty() ? spy->last() : QVariantList();
    }

    int watchedCount() const { return int(m_spies.size()); }

    void clear()
    {
        for (const std::shared_ptr<QSignalSpy> &spy : std::as_const(m_spies))
            spy->clear();
    }

private:
    template<typename Signal> void watch(TutorSession &session, const char *name, Signal signal)
    {
        m_spies.insert(QString::fromLatin1(name), std::make_shared<QSignalSpy>(&session, signal));
    }

    QMap<QString, std::shared_ptr<QSignalSpy>> m_spies;
};

int signalCount(const QObject &object)
{
    const QMetaObject *meta = object.metaObject();
    int signalsDeclared = 0;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        signalsDeclared += meta->method(i).methodType() == QMetaMethod::Signal ? 1 : 0;
    return signalsDeclared;
}

// What each signal should carry: the record's values once the verb is done.
QVariantList expectedValues(const QString &name, const TutorSession &session)
{
    const TutorState &state = session.state();
    const QMap<QString, QVariantList> values = {
        { QStringLiteral("levelChanged"), { QVariant::fromValue(Level(state.LevelCode)) } },
        { QStringLiteral("operationChanged"),
            { QVariant::fromValue(Operation(state.OperationCode)) } },
        { QStringLiteral("practiceScoreChanged"), { state.CorrectCount, state.IncorrectCount } },
        { QStringLiteral("missingNumberScoreChanged"),
            { state.MissingNumberCorrectCount, state.MissingNumberIncorrectCount } },
        { QStringLiteral("missingOperationScoreChanged"),
            { state.MissingOperationCorrectCount, state.MissingOperationIncorrectCount } },
        { QStringLiteral("timeTrialScoreChanged"), { state.TimeTrialScore } },
        { QStringLiteral("practiceProblemChanged"), { state.Operand1, state.Operand2 } },
        { QStringLiteral("missingNumberProblemChanged"),
            { state.MissingNumberTop, state.MissingNumberBottom } },
        { QStringLiteral("missingOperationProblemChanged"),
            { state.MissingOperationFirst, state.MissingOperationSecond,
                state.MissingOperationResult } },
        { QStringLiteral("timeTrialProblemChanged"),
            { state.TimeTrialFirst, state.TimeTrialSecond } },
        { QStringLiteral("timeTrialClockChanged"), { state.TimeLimitSeconds } },
        { QStringLiteral("worksheetProblemCountChanged"), { state.WorksheetProblemCount } },
        { QStringLiteral("worksheetPicksChanged"),
            { !state.WorksheetLevelChosen.isEmpty(), !state.WorksheetOperationChosen.isEmpty() } },
    };
    return values.value(name);
}

using Verb = std::function<void(TutorSession &)>;

// The verbs by the names the data rows use.
Verb verbNamed(const QByteArray &name)
{
    static const QMap<QByteArray, Verb> verbs = {
        { "choose beginner", [](TutorSession &s) { s.chooseLevel(Level::Beginner); } },
        { "choose subtraction",
            [](TutorSession &s) { s.chooseOperation(Operation::Subtraction); } },
        { "choose multiplication",
            [](TutorSession &s) { s.chooseOperation(Operation::Multiplication); } },
        { "choose division", [](TutorSession &s) { s.chooseOperation(Operation::Division); } },
        { "reset scores", [](TutorSession &s) { s.resetScores(); } },
        { "draw practice", [](TutorSession &s) { s.drawPracticeProblem(); } },
        { "answer practice", [](TutorSession &s) { s.answerPracticeProblem(u"3"); } },
        { "reset missing number", [](TutorSession &s) { s.resetMissingNumberScore(); } },
        { "draw missing number", [](TutorSession &s) { s.drawMissingNumberProblem(); } },
        { "answer missing number", [](TutorSession &s) { s.answerMissingNumber(u"3"); } },
        { "reset missing operation", [](TutorSession &s) { s.resetMissingOperationScore(); } },
        { "draw missing operation", [](TutorSession &s) { s.drawMissingOperationProblem(); } },
        { "answer missing operation",
            [](TutorSession &s) { s.answerMissingOperation(Operation::Addition); } },
        { "draw time trial", [](TutorSession &s) { s.drawTimeTrialProblem(); } },
        { "reset time trial", [](TutorSession &s) { s.resetTimeTrialScore(); } },
        { "start time trial", [](TutorSession &s) { s.startTimeTrial(30); } },
        { "tick", [](TutorSession &s) { s.tickTimeTrialClock(); } },
        { "answer time trial", [](TutorSession &s) { s.answerTimeTrial(u"3"); } },
        { "start worksheet", [](TutorSession &s) { s.startWorksheet(); } },
        { "clear worksheet", [](TutorSession &s) { s.clearWorksheet(); } },
        { "pick worksheet level", [](TutorSession &s) { s.noteWorksheetLevelPicked(); } },
        { "pick worksheet operation", [](TutorSession &s) { s.noteWorksheetOperationPicked(); } },
        { "add worksheet problem", [](TutorSession &s) { s.addWorksheetProblem(); } },
        { "switch to a new pupil", [](TutorSession &s) { s.switchPupil(7); } },
        { "switch to the current pupil", [](TutorSession &s) { s.switchPupil(std::nullopt); } },
    };
    return verbs.value(name);
}

// A session as the window has it once started: Warm Up Addition.
std::unique_ptr<TutorSession> startedSession()
{
    auto session = std::make_unique<TutorSession>();
    session->start();
    return session;
}

// A Missing Operation pick by its code; 0 is none.
std::optional<Operation> chosenOperation(const QString &code)
{
    const int picked = code.toInt();
    return picked == 0 ? std::nullopt : std::optional<Operation>(Operation(picked));
}

void restore(TutorSession &session, const std::function<void(TutorState &)> &change)
{
    TutorState state = session.state();
    change(state);
    testsupport::restoreSession(session, state);
}

} // namespace

class TutorSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void everySignalIsWatched();
    void startAnnouncesWarmUpAdditionAndEmptyCards();
    void everyVerbAnnouncesWhatItChangesWithTheNewValues_data();
    void everyVerbAnnouncesWhatItChangesWithTheNewValues();
    void answersCountOnTheirOwnCard_data();
    void answersCountOnTheirOwnCard();
    void countersStopAtSixteenBits_data();
    void countersStopAtSixteenBits();
    void logKeepsEachAnswerAsGiven_data();
    void logKeepsEachAnswerAsGiven();
    void fullLogKeepsTheNextAnswerOut();
    void fullWorksheetTakesNoMoreProblems();
    void unknownLevelCodesSettleOnExpertInTheGames_data();
    void unknownLevelCodesSettleOnExpertInTheGames();
    void unknownOperationJudgesEveryPracticeAnswerWrong_data();
    void unknownOperationJudgesEveryPracticeAnswerWrong();
    void trialClockCountsDownFromItsLimit_data();
    void trialClockCountsDownFromItsLimit();
    void worksheetIsReadyOnceBothListsArePicked_data();
    void worksheetIsReadyOnceBothListsArePicked();
    void eachPupilHasASessionOfTheirOwn_data();
    void eachPupilHasASessionOfTheirOwn();
};

// A signal added to the session without a place here would go untested.
void TutorSessionTest::everySignalIsWatched()
{
    TutorSession session;
    QCOMPARE(Announcements(session).watchedCount(), signalCount(session));
}

void TutorSessionTest::startAnnouncesWarmUpAdditionAndEmptyCards()
{
    TutorSession session;
    Announcements heard(session);
    session.start();

    QCOMPARE(heard.seen(),
        QStringList({ QStringLiteral("levelChanged"), QStringLiteral("missingNumberScoreChanged"),
            QStringLiteral("missingOperationScoreChanged"), QStringLiteral("operationChanged"),
            QStringLiteral("practiceProblemChanged"), QStringLiteral("practiceScoreChanged"),
            QStringLiteral("timeTrialScoreChanged") }));
    QCOMPARE(heard.last(QStringLiteral("levelChanged")).value(0).value<Level>(), Level::WarmUp);
    QCOMPARE(heard.last(QStringLiteral("operationChanged")).value(0).value<Operation>(),
        Operation::Addition);
    QCOMPARE(heard.last(QStringLiteral("practiceScoreChanged")), QVariantList({ 0, 0 }));
    const QVariantList problem = heard.last(QStringLiteral("practiceProblemChanged"));
    for (const QVariant &number : problem)
        QVERIFY(number.toFloat() >= 1 && number.toFloat() <= 10);
    QCOMPARE(session.operation(), Operation::Addition);
    // No trial runs yet.
    QCOMPARE(session.timeTrialSecondsLeft(), -1.0f);
}

void TutorSessionTest::everyVerbAnnouncesWhatItChangesWithTheNewValues_data()
{
    QTest::addColumn<QByteArray>("verb");
    QTest::addColumn<QStringList>("announced");

    const QString level = QStringLiteral("levelChanged");
    const QString operation = QStringLiteral("operationChanged");
    const QString practice = QStringLiteral("practiceProblemChanged");
    const QString missingNumber = QStringLiteral("missingNumberProblemChanged");
    const QString missingOperation = QStringLiteral("missingOperationProblemChanged");
    const QString timeTrial = QStringLiteral("timeTrialProblemChanged");
    const QString practiceScore = QStringLiteral("practiceScoreChanged");
    const QString missingNumberScore = QStringLiteral("missingNumberScoreChanged");
    const QString missingOperationScore = QStringLiteral("missingOperationScoreChanged");
    const QString timeTrialScore = QStringLiteral("timeTrialScoreChanged");
    const QString clock = QStringLiteral("timeTrialClockChanged");
    const QString count = QStringLiteral("worksheetProblemCountChanged");
    const QString picks = QStringLiteral("worksheetPicksChanged");
    const QString attempt = QStringLiteral("attemptMade");
    const auto row = [](const char *verb, QStringList announced) {
        announced.sort();
        QTest::newRow(verb) << QByteArray(verb) << announced;
    };
    row("choose beginner", { level, practice, missingNumber, missingOperation, timeTrial });
    row("choose subtraction", { operation, practice, missingNumber, missingOperation, timeTrial });
    // The games keep their problems: they have no such sign.
    row("choose multiplication", { operation, practice });
    row("choose division", { operation, practice });
    // The Time Trial keeps its score.
    row("reset scores", { practiceScore, missingNumberScore, missingOperationScore });
    row("draw practice", { practice });
    row("answer practice", { practiceScore, attempt });
    row("reset missing number", { missingNumberScore });
    row("draw missing number", { missingNumber });
    row("answer missing number", { missingNumberScore, attempt });
    row("reset missing operation", { missingOperationScore });
    row("draw missing operation", { missingOperation });
    row("answer missing operation", { missingOperationScore, attempt });
    row("draw time trial", { timeTrial });
    row("reset time trial", { timeTrialScore });
    row("start time trial", { clock });
    row("tick", { clock });
    row("answer time trial", { timeTrialScore, attempt });
    row("start worksheet", { picks, count });
    row("clear worksheet", { count });
    row("pick worksheet level", { picks });
    row("pick worksheet operation", { picks });
    row("add worksheet problem", { count, practice });
    // A pupil new to the run starts at 0 everywhere; level, operation and
    // problems stay.
    row("switch to a new pupil",
        { practiceScore, missingNumberScore, missingOperationScore, timeTrialScore });
    row("switch to the current pupil", {});
}

void TutorSessionTest::everyVerbAnnouncesWhatItChangesWithTheNewValues()
{
    QFETCH(QByteArray, verb);
    QFETCH(QStringList, announced);
    const std::unique_ptr<TutorSession> session = startedSession();
    // Counters away from 0 and a trial under way, so that every change shows.
    restore(*session, [](TutorState &state) {
        state.CorrectCount = 3;
        state.MissingNumberIncorrectCount = 4;
        state.MissingOperationCorrectCount = 5;
        state.TimeTrialScore = 6;
        state.TimeLimitSeconds = 12;
        state.WorksheetProblemCount = 7;
    });
    Announcements heard(*session);
    const Verb act = verbNamed(verb);
    QVERIFY(act);
    act(*session);

    QCOMPARE(heard.seen(), announced);
    for (const QString &name : announced) {
        // An attempt's fields are checked where each game is answered.
        if (name != u"attemptMade"_s)
            QCOMPARE(heard.last(name), expectedValues(name, *session));
    }
}

void TutorSessionTest::answersCountOnTheirOwnCard_data()
{
    QTest::addColumn<QByteArray>("game");
    QTest::addColumn<QString>("typed"); // the operation code for Missing Operation
    QTest::addColumn<bool>("right");
    // The practice problem is 7 + 5, Missing Number's 3 + ? = 7, Missing
    // Operation's 9 ? 4 = 5 and the Time Trial's 6 + 2.
    QTest::newRow("practice right") << QByteArray("practice") << QStringLiteral("12") << true;
    QTest::newRow("practice rounded") << QByteArray("practice") << QStringLiteral("11.5") << true;
    QTest::newRow("practice wrong") << QByteArray("practice") << QStringLiteral("13") << false;
    QTest::newRow("practice no digit") << QByteArray("practice") << QStringLiteral("x") << false;
    QTest::newRow("practice empty") << QByteArray("practice") << QStringLiteral("") << false;
    QTest::newRow("practice beyond 16 bits")
        << QByteArray("practice") << QStringLiteral("65548") << false;
    QTest::newRow("missing number right")
        << QByteArray("missing number") << QStringLiteral("4") << true;
    QTest::newRow("missing number 4.0")
        << QByteArray("missing number") << QStringLiteral("4.0") << true;
    QTest::newRow("missing number wrong")
        << QByteArray("missing number") << QStringLiteral("4.5") << false;
    QTest::newRow("missing operation right")
        << QByteArray("missing operation") << QStringLiteral("2") << true;
    QTest::newRow("missing operation wrong")
        << QByteArray("missing operation") << QStringLiteral("1") << false;
    QTest::newRow("missing operation none")
        << QByteArray("missing operation") << QStringLiteral("0") << false;
    QTest::newRow("missing operation times")
        << QByteArray("missing operation") << QStringLiteral("3") << false;
    QTest::newRow("time trial right") << QByteArray("time trial") << QStringLiteral("8") << true;
    QTest::newRow("time trial wrong") << QByteArray("time trial") << QStringLiteral("9") << false;
}

void TutorSessionTest::answersCountOnTheirOwnCard()
{
    QFETCH(QByteArray, game);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    const std::unique_ptr<TutorSession> session = startedSession();
    restore(*session, [](TutorState &state) {
        state.Operand1 = 7;
        state.Operand2 = 5;
        state.MissingNumberTop = 3;
        state.MissingNumberBottom = 7;
        state.MissingOperationFirst = 9;
        state.MissingOperationSecond = 4;
        state.MissingOperationResult = 5;
        state.MissingOperationCode = 2;
        state.TimeTrialFirst = 6;
        state.TimeTrialSecond = 2;
        state.TimeTrialScore = 2;
    });
    Announcements heard(*session);

    const bool judged = [&]() {
        if (game == "practice")
            return session->answerPracticeProblem(typed);
        if (game == "missing number")
            return session->answerMissingNumber(typed);
        if (game == "missing operation")
            return session->answerMissingOperation(chosenOperation(typed));
        return session->answerTimeTrial(typed);
    }();
    QCOMPARE(judged, right);

    // Only the answered game's card moves; the others keep theirs.
    const TutorSession::Score counted { qint16(right ? 1 : 0), qint16(right ? 0 : 1) };
    const TutorSession::Score untouched;
    const auto verifyScore = [&](const QByteArray &card, TutorSession::Score score) {
        const TutorSession::Score expected = card == game ? counted : untouched;
        QCOMPARE(score.right, expected.right);
        QCOMPARE(score.wrong, expected.wrong);
    };
    verifyScore("practice", session->practiceScore());
    verifyScore("missing number", session->missingNumberScore());
    verifyScore("missing operation", session->missingOperationScore());
    QCOMPARE(session->timeTrialScore(), qint16(game != "time trial" ? 2 : right ? 3 : 1));
    // Besides the card, the answer is told once as it is kept.
    QCOMPARE(heard.seen().size(), 2);
    const QVariantList told = heard.last(u"attemptMade"_s);
    QCOMPARE(told.size(), 1);
    const auto attempt = told.first().value<tutor::Attempt>();
    struct Kept
    {
        tutor::AnswerMode mode;
        Operation operation;
        double first;
        double second;
        QString expected;
    };
    const QMap<QByteArray, Kept> kept = {
        { "practice", { tutor::AnswerMode::Practice, Operation::Addition, 7, 5, u"12"_s } },
        { "missing number",
            { tutor::AnswerMode::MissingNumber, Operation::Addition, 3, 4, u"4"_s } },
        { "missing operation",
            { tutor::AnswerMode::MissingOperation, Operation::Subtraction, 9, 4, u"-"_s } },
        { "time trial", { tutor::AnswerMode::TimeTrial, Operation::Addition, 6, 2, u"8"_s } },
    };
    const Kept expected = kept.value(game);
    QCOMPARE(attempt.mode, expected.mode);
    QCOMPARE(attempt.level, Level::WarmUp);
    QCOMPARE(attempt.operation, expected.operation);
    QCOMPARE(attempt.first, expected.first);
    QCOMPARE(attempt.second, expected.second);
    const QStringList signs = { QString(), u"+"_s, u"-"_s, u"x"_s };
    QCOMPARE(attempt.typed, game == "missing operation" ? signs.value(typed.toInt()) : typed);
    QCOMPARE(attempt.expected, expected.expected);
    QCOMPARE(attempt.correct, right);
    QCOMPARE(attempt.answeredAt.timeSpec(), Qt::UTC);
    // An answer never draws the next problem by itself.
    QCOMPARE(session->state().Operand1, 7.0f);
    QCOMPARE(session->state().MissingNumberTop, qint16(3));
    QCOMPARE(session->state().TimeTrialFirst, qint16(6));
}

void TutorSessionTest::countersStopAtSixteenBits_data()
{
    QTest::addColumn<QByteArray>("game");
    QTest::addColumn<QString>("typed");
    QTest::newRow("practice right") << QByteArray("practice") << QStringLiteral("2");
    QTest::newRow("practice wrong") << QByteArray("practice") << QStringLiteral("3");
    QTest::newRow("missing number right") << QByteArray("missing number") << QStringLiteral("0");
    QTest::newRow("missing number wrong") << QByteArray("missing number") << QStringLiteral("1");
    QTest::newRow("missing operation right")
        << QByteArray("missing operation") << QStringLiteral("1");
    QTest::newRow("missing operation wrong")
        << QByteArray("missing operation") << QStringLiteral("2");
    QTest::newRow("time trial right") << QByteArray("time trial") << QStringLiteral("2");
}

void TutorSessionTest::countersStopAtSixteenBits()
{
    QFETCH(QByteArray, game);
    QFETCH(QString, typed);
    const std::unique_ptr<TutorSession> session = startedSession();
    // 1 + 1 everywhere, every counter at its largest value.
    restore(*session, [](TutorState &state) {
        state.Operand1 = state.Operand2 = 1;
        state.MissingNumberTop = state.MissingNumberBottom = 1;
        state.MissingOperationFirst = state.MissingOperationSecond = 1;
        state.MissingOperationResult = 2;
        state.MissingOperationCode = 1;
        state.TimeTrialFirst = state.TimeTrialSecond = 1;
        state.CorrectCount = state.IncorrectCount = 32767;
        state.MissingNumberCorrectCount = state.MissingNumberIncorrectCount = 32767;
        state.MissingOperationCorrectCount = state.MissingOperationIncorrectCount = 32767;
        state.TimeTrialScore = 32767;
    });
    Announcements heard(*session);
    if (game == "practice")
        session->answerPracticeProblem(typed);
    else if (game == "missing number")
        session->answerMissingNumber(typed);
    else if (game == "missing operation")
        session->answerMissingOperation(chosenOperation(typed));
    else
        session->answerTimeTrial(typed);

    QStringList seen = heard.seen();
    QCOMPARE(seen.removeAll(u"attemptMade"_s), 1);
    const QString announced = seen.value(0);
    QVERIFY(!announced.isEmpty());
    for (const QVariant &counter : heard.last(announced))
        QCOMPARE(counter.value<qint16>(), qint16(32767));
    for (const TutorSession::Score score : { session->practiceScore(),
             session->missingNumberScore(), session->missingOperationScore() }) {
        QCOMPARE(score.right, qint16(32767));
        QCOMPARE(score.wrong, qint16(32767));
    }
    QCOMPARE(session->timeTrialScore(), qint16(32767));
}

void TutorSessionTest::logKeepsEachAnswerAsGiven_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<float>("first");
    QTest::addColumn<float>("second");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("right");
    QTest::addColumn<qint64>("thinkingMs"); // from the problem drawn to the answer
    QTest::addColumn<int>("loggedMs");
    QTest::newRow("right sum") << 1 << 3.0f << 4.0f << u"7"_s << 7 << true << 2500LL << 2500;
    QTest::newRow("wrong difference") << 2 << 9.0f << 4.0f << u"4"_s << 5 << false << 800LL << 800;
    QTest::newRow("typed kept as typed")
        << 3 << 6.0f << 7.0f << u" 42."_s << 42 << true << 0LL << 0;
    QTest::newRow("no digit") << 4 << 8.0f << 2.0f << u"four"_s << 4 << false << 1LL << 1;
    QTest::newRow("rounded quotient") << 4 << 7.0f << 2.0f << u"4"_s << 4 << true << 10LL << 10;
    QTest::newRow("a clock set back counts as no time")
        << 1 << 1.0f << 1.0f << u"2"_s << 2 << true << -5000LL << 0;
    QTest::newRow("a month away is cut at the counter's end")
        << 1 << 1.0f << 1.0f << u"2"_s << 2 << true << 31LL * 24 * 3600 * 1000
        << std::numeric_limits<qint32>::max();
}

void TutorSessionTest::logKeepsEachAnswerAsGiven()
{
    QFETCH(int, operation);
    QFETCH(float, first);
    QFETCH(float, second);
    QFETCH(QString, typed);
    QFETCH(int, expected);
    QFETCH(bool, right);
    QFETCH(qint64, thinkingMs);
    QFETCH(int, loggedMs);

    TutorSession session;
    QDateTime now = QDateTime(QDate(2026, 3, 2), QTime(9, 30), Qt::UTC);
    session.setClock([&now]() { return now; });
    session.start();
    session.chooseLevel(Level::Advanced);
    session.chooseOperation(Operation(operation));
    restore(session, [first, second](TutorState &state) {
        state.Operand1 = first;
        state.Operand2 = second;
    });
    now = now.addMSecs(thinkingMs);
    QSignalSpy appended(&session.log(), &SessionLog::appended);
    QSignalSpy kept(&session, &TutorSession::attemptMade);

    QCOMPARE(session.answerPracticeProblem(typed), right);
    QVERIFY(session.logPracticeProblem(typed));
    QCOMPARE(appended.count(), 1);
    QCOMPARE(appended.last().at(0).toInt(), 0);
    QCOMPARE(session.log().size(), 1);
    const tutor::AnsweredProblem &answer = session.log().answers().first();
    QCOMPARE(answer.operation, Operation(operation));
    QCOMPARE(answer.level, Level::Advanced);
    QCOMPARE(answer.operand1, first);
    QCOMPARE(answer.operand2, second);
    QCOMPARE(answer.typed, typed);
    QCOMPARE(answer.expected, qint16(expected));
    QCOMPARE(answer.verdict, right ? tutor::Verdict::Right : tutor::Verdict::Wrong);
    QCOMPARE(answer.answeredAt, now);
    QCOMPARE(answer.answeredAt.timeSpec(), Qt::UTC);
    QCOMPARE(answer.thinkingMs, loggedMs);
    // What is kept across sessions took as long.
    QCOMPARE(kept.count(), 1);
    const auto attempt = kept.first().first().value<tutor::Attempt>();
    QCOMPARE(attempt.answeredAt, now);
    QCOMPARE(attempt.millis, qint64(loggedMs));
    // What the record shows of it stays as it always was.
    QCOMPARE(session.state().LastVerdict, right ? u"Right"_s : u"Wrong"_s);
    QCOMPARE(session.state().LoggedCorrectAnswer, qint16(expected));
}

// A full log keeps the next answer out and says nothing; a clear empties it
// with one announcement.
void TutorSessionTest::fullLogKeepsTheNextAnswerOut()
{
    const std::unique_ptr<TutorSession> session = startedSession();
    SessionLog &log = session->log();
    QCOMPARE(log.append(QList<tutor::AnsweredProblem>(SessionLog::MaximumRows - 1)),
        SessionLog::MaximumRows - 1);
    session->answerPracticeProblem(u"1"_s);
    QVERIFY(session->logPracticeProblem(u"1"_s));
    QVERIFY(log.isFull());
    QSignalSpy appended(&log, &SessionLog::appended);
    QSignalSpy cleared(&log, &SessionLog::cleared);
    QVERIFY(!session->logPracticeProblem(u"2"_s));
    QCOMPARE(log.append(QList<tutor::AnsweredProblem>(3)), 0);
    QCOMPARE(log.size(), SessionLog::MaximumRows);
    QCOMPARE(log.answers().last().typed, u"1"_s);
    QCOMPARE(appended.count(), 0);
    log.clear();
    QCOMPARE(cleared.count(), 1);
    QCOMPARE(log.size(), 0);
    QVERIFY(session->logPracticeProblem(u"3"_s));
    QCOMPARE(appended.count(), 1);
    QCOMPARE(appended.last(), QVariantList({ 0, 0 }));
}

void TutorSessionTest::fullWorksheetTakesNoMoreProblems()
{
    const std::unique_ptr<TutorSession> session = startedSession();
    restore(*session, [](TutorState &state) {
        state.WorksheetProblemCount = TutorSession::MaximumWorksheetProblems - 1;
    });
    Announcements heard(*session);
    QSignalSpy added(&session->worksheetDraft(), &WorksheetDraft::appended);
    QVERIFY(session->addWorksheetProblem());
    QCOMPARE(heard.last(QStringLiteral("worksheetProblemCountChanged")),
        QVariantList({ qint16(32767) }));
    QCOMPARE(added.count(), 1);
    // The problem drawn for it, with the answer it expects.
    const tutor::WorksheetProblem problem = session->worksheetDraft().problems().last();
    QCOMPARE(problem.operand1, session->state().Operand1);
    QCOMPARE(problem.operand2, session->state().Operand2);
    QCOMPARE(problem.operation, Operation::Addition);
    QCOMPARE(problem.level, Level::WarmUp);
    QCOMPARE(problem.answer, qint16(problem.operand1 + problem.operand2));
    heard.clear();
    const float first = session->state().Operand1;
    QVERIFY(!session->addWorksheetProblem());
    QVERIFY(heard.seen().isEmpty());
    QCOMPARE(added.count(), 1);
    QCOMPARE(session->state().WorksheetProblemCount, qint16(32767));
    QCOMPARE(session->state().Operand1, first);

    QSignalSpy cleared(&session->worksheetDraft(), &WorksheetDraft::cleared);
    session->clearWorksheet();
    QCOMPARE(cleared.count(), 1);
    QCOMPARE(session->worksheetDraft().size(), 0);
    QCOMPARE(session->state().WorksheetProblemCount, qint16(0));
}

void TutorSessionTest::unknownLevelCodesSettleOnExpertInTheGames_data()
{
    QTest::addColumn<int>("levelCode");
    QTest::addColumn<QByteArray>("verb");
    QTest::addColumn<bool>("settles");
    QTest::newRow("9, missing number") << 9 << QByteArray("draw missing number") << true;
    QTest::newRow("-3, missing operation") << -3 << QByteArray("draw missing operation") << true;
    QTest::newRow("5, time trial") << 5 << QByteArray("draw time trial") << true;
    QTest::newRow("32767, missing number") << 32767 << QByteArray("draw missing number") << true;
    QTest::newRow("9, practice keeps it") << 9 << QByteArray("draw practice") << false;
    QTest::newRow("expert stays quiet") << 4 << QByteArray("draw time trial") << false;
}

void TutorSessionTest::unknownLevelCodesSettleOnExpertInTheGames()
{
    QFETCH(int, levelCode);
    QFETCH(QByteArray, verb);
    QFETCH(bool, settles);
    const std::unique_ptr<TutorSession> session = startedSession();
    restore(*session, [&](TutorState &state) { state.LevelCode = qint16(levelCode); });
    QSignalSpy levels(session.get(), &TutorSession::levelChanged);
    verbNamed(verb)(*session);

    QCOMPARE(session->state().LevelCode, settles ? qint16(4) : qint16(levelCode));
    QCOMPARE(levels.count(), settles ? 1 : 0);
    if (settles)
        QCOMPARE(levels.first().value(0).value<Level>(), Level::Expert);
}

void TutorSessionTest::unknownOperationJudgesEveryPracticeAnswerWrong_data()
{
    QTest::addColumn<int>("operationCode");
    QTest::newRow("none yet") << 0;
    QTest::newRow("5") << 5;
    QTest::newRow("-1") << -1;
}

void TutorSessionTest::unknownOperationJudgesEveryPracticeAnswerWrong()
{
    QFETCH(int, operationCode);
    const std::unique_ptr<TutorSession> session = startedSession();
    restore(*session, [&](TutorState &state) {
        state.OperationCode = qint16(operationCode);
        state.Operand1 = 2;
        state.Operand2 = 2;
    });
    QCOMPARE(tutor::code(session->operation()), qint16(operationCode));
    for (const QString &typed : { QStringLiteral("4"), QStringLiteral("0"), QStringLiteral("1") })
        QVERIFY(!session->answerPracticeProblem(typed));
    QCOMPARE(session->practiceScore().wrong, qint16(3));
}

void TutorSessionTest::trialClockCountsDownFromItsLimit_data()
{
    QTest::addColumn<int>("limit");
    QTest::newRow("thirty") << 30;
    QTest::newRow("sixty") << 60;
}

void TutorSessionTest::trialClockCountsDownFromItsLimit()
{
    QFETCH(int, limit);
    const std::unique_ptr<TutorSession> session = startedSession();
    QSignalSpy clock(session.get(), &TutorSession::timeTrialClockChanged);
    session->startTimeTrial(qint16(limit));
    for (int tick = 0; tick < limit; ++tick)
        session->tickTimeTrialClock();

    QCOMPARE(clock.count(), limit + 1);
    for (int told = 0; told <= limit; ++told)
        QCOMPARE(clock.at(told).value(0).toFloat(), float(limit - told));
    QCOMPARE(session->timeTrialSecondsLeft(), 0.0f);
    QCOMPARE(session->timeTrialLimitText(), QString::number(limit));
}

void TutorSessionTest::worksheetIsReadyOnceBothListsArePicked_data()
{
    QTest::addColumn<QString>("picks"); // L level, O operation, S start again
    QTest::addColumn<QString>("ready"); // what each pick answers: y or n
    QTest::newRow("level then operation") << QStringLiteral("LO") << QStringLiteral("ny");
    QTest::newRow("operation then level") << QStringLiteral("OL") << QStringLiteral("ny");
    QTest::newRow("one list twice") << QStringLiteral("LLO") << QStringLiteral("nny");
    QTest::newRow("both, then either") << QStringLiteral("OLOL") << QStringLiteral("nyyy");
    QTest::newRow("a new worksheet forgets") << QStringLiteral("LOSL") << QStringLiteral("ny-n");
}

void TutorSessionTest::worksheetIsReadyOnceBothListsArePicked()
{
    QFETCH(QString, picks);
    QFETCH(QString, ready);
    const std::unique_ptr<TutorSession> session = startedSession();
    session->startWorksheet();
    QSignalSpy told(session.get(), &TutorSession::worksheetPicksChanged);
    for (int i = 0; i < picks.size(); ++i) {
        if (picks.at(i) == u'S') {
            session->startWorksheet();
            QCOMPARE(told.last(), QVariantList({ false, false }));
            continue;
        }
        const bool both = picks.at(i) == u'L' ? session->noteWorksheetLevelPicked()
                                              : session->noteWorksheetOperationPicked();
        QCOMPARE(both, ready.at(i) == u'y');
        // The announcement agrees with the answer.
        const QVariantList flags = told.last();
        QCOMPARE(flags.at(0).toBool() && flags.at(1).toBool(), both);
    }
    QCOMPARE(told.count(), picks.size());
}

void TutorSessionTest::eachPupilHasASessionOfTheirOwn_data()
{
    // Pupils by id (Zoe 1, Tom 2, "none"), practice answers ("+" right, "-"
    // wrong, each logged, "t" right in the Time Trial) and "forget 1".
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<int>>("counts"); // right, wrong, log rows, trial score

    QTest::newRow("Zoe's answers are not Tom's") << u"1 + + - t 2"_s << QList<int> { 0, 0, 0, 0 };
    QTest::newRow("Tom answers on his own") << u"1 + 2 - - t"_s << QList<int> { 0, 2, 2, 1 };
    QTest::newRow("back to Zoe as she left it") << u"1 + - t 2 + 1"_s << QList<int> { 1, 1, 2, 1 };
    QTest::newRow("the run without a pupil comes back")
        << u"+ - 1 + + none"_s << QList<int> { 1, 1, 2, 0 };
    QTest::newRow("choosing Zoe again changes nothing") << u"1 + 1"_s << QList<int> { 1, 0, 1, 0 };
    QTest::newRow("a deleted pupil's id starts afresh")
        << u"1 + 2 forget 1 1"_s << QList<int> { 0, 0, 0, 0 };
}

void TutorSessionTest::eachPupilHasASessionOfTheirOwn()
{
    QFETCH(QString, steps);
    QFETCH(QList<int>, counts);
    const std::unique_ptr<TutorSession> session = startedSession();
    const QStringList words = steps.split(u' ');
    for (qsizetype at = 0; at < words.size(); ++at) {
        const QString &word = words.at(at);
        if (word == u"forget") {
            session->forgetPupil(words.at(++at).toLongLong());
        } else if (word == u"t") {
            restore(*session, [](TutorState &state) { state.TimeTrialFirst = 0; });
            session->answerTimeTrial(QString::number(session->state().TimeTrialSecond));
        } else if (word == u"+" || word == u"-") {
            const float sum = session->state().Operand1 + session->state().Operand2;
            const QString typed = QString::number(word == u"+" ? sum : sum + 1);
            session->answerPracticeProblem(typed);
            session->logPracticeProblem(typed);
        } else {
            session->switchPupil(
                word == u"none" ? std::nullopt : std::optional<qint64>(word.toLongLong()));
        }
    }
    const TutorState &state = session->state();
    QCOMPARE(QList<int>({ state.CorrectCount, state.IncorrectCount, session->log().size(),
                 state.TimeTrialScore }),
        counts);
}

QTEST_GUILESS_MAIN(TutorSessionTest)
#include "tutor_session_test.moc"
