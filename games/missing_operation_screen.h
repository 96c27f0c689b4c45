#pragma once

#include "base/click_guard.h"
#include "base/screen.h"
#include "base/sum_layout.h"
#include "rules/level_and_operation.h"

#include <optional>

class QGroupBox;
class QLabel;
class QRadioButton;
class TutorSession;

// The Missing Operation game: two numbers and their result; the pupil picks
// the operation that was used.
class MissingOperationScreen : public Screen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MissingOperationScreen)

public:
    MissingOperationScreen(TutorSession &session, QWidget *parent);

    // No verdict showing, a fresh score and a new problem.
    void enter() override;
    void stopTimers() override;
    void setScoreCardShown(bool shown) override;

public slots:
    // Draws and shows a new problem at the current level; the game draws its
    // own operation.
    void NewMissingOperationProblem();
    // Judges the selected option button, counts it, flashes the verdict,
    // moves on to a new problem and clears the buttons.
    void CheckMissingOperationAnswer();
    void optAddGame2_Click();
    void optSubGame2_Click();
    void optMulGame2_Click();
    void Timer2_Timer();

protected:
    void retranslate() override;
    void focusFirstControl() override;

private:
    void showProblem(qint16 first, qint16 second, qint16 result);
    void showProblemDescription();
    QString spokenProblem() const;
    // The operation code of the selected option button; 0 when none is.
    std::optional<tutor::Operation> chosenOperation() const;
    void clearOptionButtons();

    TutorSession &m_session;
    QLabel *m_lblNum1Game2 = nullptr;
    QLabel *m_lblNum2Game2 = nullptr;
    QLabel *m_lblNum3Game2 = nullptr;
    QLabel *m_question = nullptr;
    QGroupBox *m_frame4 = nullptr;
    QRadioButton *m_optAddGame2 = nullptr;
    QRadioButton *m_optSubGame2 = nullptr;
    QRadioButton *m_optMulGame2 = nullptr;
    sumlayout::Feedback m_feedback; // fraCorrectGame2, fraIncorrectGame2 and Timer2
    sumlayout::ScoreCard m_card; // fraInfoGame2, lblCorrectGame2 and lblIncorrectGame2
    // The three answer buttons share one guard: the second click of a double
    // click would answer the next problem unseen, on whichever button.
    ClickGuard m_answerClicks;
};
