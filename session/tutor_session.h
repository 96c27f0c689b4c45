#pragma once

#include "rules/level_and_operation.h"
#include "rules/practice_problem.h"
#include "session/session_log.h"
#include "session/tutor_state.h"
#include "session/worksheet_draft.h"

#include <QDateTime>
#include <QObject>
#include <QStringView>

#include <functional>
#include <optional>

// The run's one TutorState and every way of changing it. Screens read the
// record and call these verbs; whatever a verb changes is announced, so each
// screen and the menus follow through their connections.
class TutorSession : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TutorSession)

public:
    // A worksheet's problem counter is 16-bit.
    static constexpr qint16 MaximumWorksheetProblems = WorksheetDraft::MaximumProblems;
    using Clock = std::function<QDateTime()>;

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

    // Takes over a whole record, as a resumed session would, and announces
    // every part of it.
    void restore(const TutorState &state);

    // The start of a run: Warm Up Addition, no time limit, the score cards at
    // 0 and the first practice problem.
    void start();

    // A new level or operation gives every screen a problem of the new kind;
    // the games deal in Addition and Subtraction only, so another operation
    // leaves their problems as they are.
    void chooseLevel(tutor::Level level);
    void chooseOperation(tutor::Operation operation);
    // Zeroes the practice and the two missing-games score cards.
    void resetScores();
    void setBrowserTarget(const QString &path);

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
    bool answerMissingOperation(qint16 chosenOperation);

    void drawTimeTrialProblem();
    void resetTimeTrialScore();
    // Sets the limit and its text; the countdown starts from it.
    void startTimeTrial(qint16 seconds);
    void tickTimeTrialClock();
    // A right answer scores, a wrong one costs a point.
    bool answerTimeTrial(QStringView typed);

    // A new worksheet: no problems, neither list picked yet.
    void startWorksheet();
    void clearWorksheet();
    // Whether both lists have now had a pick since the worksheet started.
    bool noteWorksheetLevelPicked();
    bool noteWorksheetOperationPicked();
    // A new practice problem counted onto the worksheet; false when the
    // worksheet is full.
    bool addWorksheetProblem();

signals:
    void levelChanged(tutor::Level level);
    void operationChanged(tutor::Operation operation);
    // Any counter of a score card, the Time Trial's included.
    void scoresChanged();
    void practiceProblemChanged();
    void missingNumberProblemChanged();
    void missingOperationProblemChanged();
    void timeTrialProblemChanged();
    void worksheetProblemCountChanged();

private:
    // The games keep a level code that names a real level.
    void settleOnKnownLevel();
    void drawGameProblems();

    TutorState m_state;
    SessionLog m_log;
    WorksheetDraft m_worksheet;
    Clock m_clock;
    QDateTime m_practiceProblemShownAt;
    // The record keeps the verdict as a word; the log takes it from here.
    tutor::Verdict m_lastVerdict = tutor::Verdict::Wrong;
};
