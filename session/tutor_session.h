#pragma once

#include "rules/attempt.h"
#include "rules/level_and_operation.h"
#include "rules/practice_problem.h"
#include "session/session_log.h"
#include "session/tutor_state.h"
#include "session/worksheet_draft.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QStringView>

#include <functional>
#include <map>
#include <optional>

// Tests reach the record through this, to put it where no command leads in
// a test's time; it is defined by the tests alone.
struct TutorSessionTestAccess;

// The run's one TutorState and every way of changing it. Screens call these
// verbs and follow the signals, which carry what changed; the few values a
// screen needs between signals have getters.
class TutorSession : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TutorSession)

public:
    // A worksheet's problem counter is 16-bit.
    static constexpr qint16 MaximumWorksheetProblems = WorksheetDraft::MaximumProblems;
    using Clock = std::function<QDateTime()>;
    // Where practice problems come from instead of the level's random draw;
    // nothing given falls back to that draw.
    using PracticeSource = std::function<std::optional<tutor::PracticeProblem>(tutor::Operation)>;

    // A score card's two counters.
    struct Score
    {
        qint16 right = 0;
        qint16 wrong = 0;
    };

    explicit TutorSession(QObject *parent = nullptr);

    const TutorState &state() const { return m_state; }
    // Every practice answer since the report was last cleared.
    SessionLog &log() { return m_log; }
    const SessionLog &log() const { return m_log; }
    // The worksheet being built.
    const WorksheetDraft &worksheetDraft() const { return m_worksheet; }

    // When answers are given (UTC) and how long the pupil thought; tests set
    // a clock of their own.
    void setClock(Clock clock);
    // The time on that clock, UTC.
    QDateTime now() const { return m_clock().toUTC(); }

    tutor::Operation operation() const { return tutor::Operation(m_state.OperationCode); }
    Score practiceScore() const { return { m_state.CorrectCount, m_state.IncorrectCount }; }
    Score missingNumberScore() const;
    Score missingOperationScore() const;
    qint16 timeTrialScore() const { return m_state.TimeTrialScore; }
    float timeTrialSecondsLeft() const { return m_state.TimeLimitSeconds; }
    // The limit the running or last trial started from, as its results show it.
    QString timeTrialLimitText() const { return m_state.TimeTrialLimitText; }

    // The start of a run: Warm Up Addition, the score cards at 0 and the
    // first practice problem. No trial runs, so the time limit is -1 and no
    // clock is told.
    void start();

    // A new level or operation gives every screen a problem of the new kind;
    // the games deal in Addition and Subtraction only, so another operation
    // leaves their problems as they are.
    void chooseLevel(tutor::Level level);
    void chooseOperation(tutor::Operation operation);
    // Zeroes the practice and the two missing-games score cards.
    void resetScores();

    // Sets (or, when empty, removes) where practice problems come from.
    void setPracticeSource(PracticeSource source);
    void drawPracticeProblem();
    // Judges the typed answer against the current problem and counts the
    // verdict. A text without a digit, or a number beyond 16 bits, is wrong.
    bool answerPracticeProblem(QStringView typed);
    // Adds the current problem, the typed answer and the last verdict to the
    // log; false when the log is full and keeps it out.
    bool logPracticeProblem(const QString &typed);

    void resetMissingNumberScore();
    void drawMissingNumberProblem();
    // Judges and counts; there is no second try at a problem.
    bool answerMissingNumber(QStringView typed);

    void resetMissingOperationScore();
    void drawMissingOperationProblem();
    // Any operation that gives the shown result is right (0: none chosen).
    bool answerMissingOperation(std::optional<tutor::Operation> chosen);

    void drawTimeTrialProblem();
    void resetTimeTrialScore();
    // Sets the limit and its text; the countdown starts from it.
    void startTimeTrial(qint16 seconds);
    void tickTimeTrialClock();
    // A right answer scores, a wrong one costs a point.
    bool answerTimeTrial(QStringView typed);

    // Whose session is current: a pupil's id, or none for the run without a
    // pupil.
    std::optional<qint64> pupilId() const { return m_pupilId; }
    // Makes the pupil's own session current: the score cards, the games'
    // scores and the report's answers become what that pupil left earlier in
    // this run (nothing, for a pupil new to it), each announced. The level,
    // the operation, the problems on screen and the worksheet stay.
    void switchPupil(std::optional<qint64> pupilId);
    // A pupil deleted from the progress file: a new pupil given the same id
    // later starts afresh.
    void forgetPupil(qint64 pupilId);

    // A new worksheet: no problems, neither list picked yet.
    void startWorksheet();
    void clearWorksheet();
    // Notes a pick in one of the worksheet's two lists; true once both have
    // had one since the worksheet started.
    bool noteWorksheetLevelPicked();
    bool noteWorksheetOperationPicked();
    // A new practice problem counted onto the worksheet; false when the
    // worksheet is full. It is always the level's random draw.
    bool addWorksheetProblem();
    // A problem made elsewhere, added to the worksheet as it is; false when
    // the worksheet is full.
    bool addWorksheetProblem(const tutor::WorksheetProblem &problem);

signals:
    void levelChanged(tutor::Level level);
    void operationChanged(tutor::Operation operation);

    void practiceScoreChanged(qint16 right, qint16 wrong);
    void missingNumberScoreChanged(qint16 right, qint16 wrong);
    void missingOperationScoreChanged(qint16 right, qint16 wrong);
    void timeTrialScoreChanged(qint16 score);

    void practiceProblemChanged(float first, float second);
    void missingNumberProblemChanged(qint16 top, qint16 bottom);
    // The operation drawn stays unsaid: it is what the pupil finds.
    void missingOperationProblemChanged(qint16 first, qint16 second, qint16 result);
    void timeTrialProblemChanged(qint16 first, qint16 second);
    // The seconds a running trial has left, from its start to 0.
    void timeTrialClockChanged(float secondsLeft);

    void worksheetProblemCountChanged(qint16 count);
    void worksheetPicksChanged(bool levelPicked, bool operationPicked);

    // Every answer in practice and the three games, the moment it is judged,
    // as it is kept across sessions.
    void attemptMade(const tutor::Attempt &attempt);

private:
    friend struct TutorSessionTestAccess;

    // Every score card's counters as they stand.
    void announceScores();

    // What a pupil's session keeps while another one is current.
    struct PupilPart
    {
        Score practice;
        Score missingNumber;
        Score missingOperation;
        qint16 timeTrialScore = 0;
        QList<tutor::AnsweredProblem> answers;
    };

    // The games keep a level code that names a real level.
    void settleOnKnownLevel();
    tutor::PracticeProblem randomPracticeProblem() const;
    void showPracticeProblem(const tutor::PracticeProblem &problem);
    void drawGameProblems();
    void announceWorksheetPicks();
    // Tells an answer judged now, in `mode`, of a problem shown at `shownAt`.
    void announceAttempt(tutor::AnswerMode mode, tutor::Attempt attempt, const QDateTime &shownAt);

    TutorState m_state;
    SessionLog m_log;
    WorksheetDraft m_worksheet;
    Clock m_clock;
    PracticeSource m_practiceSource;
    QDateTime m_practiceProblemShownAt;
    QDateTime m_missingNumberShownAt;
    QDateTime m_missingOperationShownAt;
    // The problem's draw, or the trial's start when that came later: answers
    // count only from then.
    QDateTime m_timeTrialShownAt;
    // The record keeps the verdict as a word; the log takes it from here.
    tutor::Verdict m_lastVerdict = tutor::Verdict::Wrong;
    std::optional<qint64> m_pupilId;
    // Every other session of this run, by its pupil.
    std::map<std::optional<qint64>, PupilPart> m_pupilsAway;
};
