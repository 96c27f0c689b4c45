#pragma once

#include <QFrame>

class QGroupBox;
class QLabel;
class QRadioButton;
class QTimer;
struct TutorState;

// The Missing Operation game: two numbers and their result; the pupil picks
// the operation that was used.
class MissingOperationScreen : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MissingOperationScreen)

public:
    MissingOperationScreen(TutorState &state, QWidget *parent);

    // The game's own steps on opening it, after the screen switch.
    void open();

    void hideFeedback();

    // The score card shows the game's two counters.
    void showScore();

    QGroupBox *scoreCard() const { return m_fraInfoGame2; }
    QTimer *feedbackTimer() const { return m_timer2; }

public slots:
    // Draws and shows a new problem for the current level and operation.
    void NewMissingOperationProblem();

private:
    TutorState &m_state;
    QLabel *m_lblNum1Game2 = nullptr;
    QLabel *m_lblNum2Game2 = nullptr;
    QLabel *m_lblNum3Game2 = nullptr;
    QRadioButton *m_optAddGame2 = nullptr;
    QRadioButton *m_optSubGame2 = nullptr;
    QRadioButton *m_optMulGame2 = nullptr;
    QFrame *m_fraCorrectGame2 = nullptr;
    QFrame *m_fraIncorrectGame2 = nullptr;
    QGroupBox *m_fraInfoGame2 = nullptr;
    QLabel *m_lblCorrectGame2 = nullptr;
    QLabel *m_lblIncorrectGame2 = nullptr;
    QTimer *m_timer2 = nullptr;
};
