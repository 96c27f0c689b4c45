#pragma once

#include "base/screen.h"
#include "base/sum_layout.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class TutorSession;

// The practice screen ("Work Mode"): the problem written as a column sum, the
// answer box, the feedback pictures, the current level and the score card.
class PracticeScreen : public Screen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PracticeScreen)

public:
    PracticeScreen(TutorSession &session, QWidget *parent);

    // No verdict showing, the answer box ready and a new problem.
    void enter() override;
    void stopTimers() override;
    void setScoreCardShown(bool shown) override;

    void hideFeedback();
    void focusAnswer();
    // "My Facts": the level gives way to the pupil's own facts, and a missed
    // answer is followed by the right sum, on screen and in words.
    void setFactsMode(bool on);
    // Says under the sum that nobody is chosen, so answers are not kept:
    // only on a computer that keeps pupils, where a pupil would expect it.
    void setNobodyChosenShown(bool shown);

public slots:
    // Draws the next problem for the current level and operation and shows it.
    void NewPracticeProblem();
    // Judges the typed answer, counts it, shows the feedback and logs it.
    void CheckPracticeAnswer();
    // Records the answered problem in the session log and draws the next.
    void LogPracticeProblem();
    void Timer1_Timer();

protected:
    void retranslate() override;
    void focusFirstControl() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showProblem(float first, float second);
    void showLevel();
    QString spokenProblem() const;

    TutorSession &m_session;
    QGroupBox *m_frmSettings = nullptr;
    QLabel *m_lblCurLev = nullptr;
    QLabel *m_lblNum1 = nullptr;
    sumlayout::OperationSigns m_signs;
    QLabel *m_lblNum2 = nullptr;
    QLineEdit *m_txtAnswer = nullptr;
    sumlayout::Feedback m_feedback; // fraCorrect, fraIncorrect and Timer1
    sumlayout::ScoreCard m_card; // fraInfo, lblCorrect and lblIncorrect
    QLabel *m_lblRightSum = nullptr; // in fraIncorrect, in My Facts only
    QLabel *m_lblNobodyChosen = nullptr;
    bool m_factsMode = false;
    // While an answer is judged, the next sum is told with the verdict.
    bool m_judging = false;
};
