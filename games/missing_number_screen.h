#pragma once

#include "base/screen.h"
#include "base/sum_layout.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class TutorSession;

// The Missing Number game: a sum with its second number hidden behind "?".
class MissingNumberScreen : public Screen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MissingNumberScreen)

public:
    MissingNumberScreen(TutorSession &session, QWidget *parent);

    // A fresh score, the answer box ready for typing and a new problem.
    void enter() override;
    void stopTimers() override;
    void setScoreCardShown(bool shown) override;
    // The feedback timer's first tick hides the frames the game starts with.
    void startFeedbackTimer();

public slots:
    // Draws and shows a new problem for the current level and operation.
    void NewMissingNumberProblem();
    // Judges the typed answer, counts it, flashes the verdict and moves on to
    // a new problem.
    void CheckMissingNumberAnswer();
    void Timer4_Timer();

protected:
    void retranslate() override;
    void focusFirstControl() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showProblem(qint16 top, qint16 bottom);
    QString spokenProblem() const;

    TutorSession &m_session;
    QLabel *m_lblNum1Game1 = nullptr;
    sumlayout::OperationSigns m_signs;
    QLabel *m_lblNum2Game1 = nullptr;
    QGroupBox *m_frame7 = nullptr;
    QLineEdit *m_txtAnswerGame1 = nullptr;
    sumlayout::Feedback m_feedback; // fraCorrectGame1, fraIncorrectGame1 and Timer4
    sumlayout::ScoreCard m_card; // fraInfoGame1, lblCorrectGame1 and lblIncorrectGame1
    // While an answer is judged, the next sum is told with the verdict.
    bool m_judging = false;
};
