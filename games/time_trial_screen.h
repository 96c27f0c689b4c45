#pragma once

#include "base/click_guard.h"
#include "base/screen.h"
#include "base/sum_layout.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class TutorSession;

// The Time Trial game: as many sums as possible against the clock.
class TimeTrialScreen : public Screen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimeTrialScreen)

public:
    TimeTrialScreen(TutorSession &session, QWidget *parent);

    // The idle game, no results showing, with a fresh problem.
    void enter() override;
    // Stops the clock.
    void stopTimers() override;
    // Stops the clock and blanks it.
    void leave() override;

    void selectThirtySeconds();
    // A trial still running ends as leaving the screen ends it, without
    // results or score: the game waits for a start again, the menus come
    // back, and the level and operation stay. Nothing when none runs.
    void endRunningTrial();

signals:
    // While a trial runs or its results show, no menu can be opened.
    void menusLocked(bool locked);

public slots:
    void cmdStartGame3_Click();
    void cmdStopGame3_Click();
    void cmdResetGame3_Click();
    // One second of the clock; the tick after the one that shows 0 ends the
    // trial.
    void Timer3_Timer();
    // Draws and shows a new problem for the current level and operation.
    void NewTimeTrialProblem();
    // Judges the typed answer: a right one scores and brings the next
    // problem, a wrong one costs a point and keeps the problem.
    void CheckTimeTrialAnswer();
    void ShowTimeTrialResults();

protected:
    void retranslate() override;
    void focusFirstControl() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The steps "Stop" and "Reset" share on the way back to the idle state.
    void returnToIdle();
    void showIdleClock();
    void showOnlyButton(QPushButton *shown);
    void showProblem(qint16 first, qint16 second);
    QString spokenProblem() const;
    void showTimeLeft(float secondsLeft);
    void tellTimeLeft(int secondsLeft);
    QColor lightThreeDColour() const;

    TutorSession &m_session;
    QLabel *m_lblNum1Game3 = nullptr;
    sumlayout::OperationSigns m_signs;
    QLabel *m_lblNum2Game3 = nullptr;
    QLineEdit *m_txtAnswerGame3 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    QRadioButton *m_opt30secs = nullptr;
    QRadioButton *m_opt60secs = nullptr;
    QPushButton *m_cmdStartGame3 = nullptr;
    QPushButton *m_cmdStopGame3 = nullptr;
    QPushButton *m_cmdResetGame3 = nullptr;
    QLabel *m_clockTitle = nullptr;
    QLabel *m_lblGame3TimeKeep = nullptr;
    QLabel *m_scoreTitle = nullptr;
    QLabel *m_lblCorrectGame3 = nullptr;
    QGroupBox *m_fraGame3Results = nullptr;
    QLabel *m_resultsAnswered = nullptr;
    QLabel *m_lblGame3ResultsScore = nullptr;
    QLabel *m_resultsRightIn = nullptr;
    QLabel *m_lblGame3ResultsTime = nullptr;
    QLabel *m_resultsSeconds = nullptr;
    QTimer *m_timer3 = nullptr;
    ClickGuard m_buttonClicks; // one for Start, Stop and Reset, which share a place
    // While an answer is judged, the next sum is told with the verdict.
    bool m_judging = false;
};
