#include "games/missing_operation_screen.h"

#include "app/controls.h"
#include "app/tutor_state.h"
#include "practice/number_text.h"
#include "practice/sum_layout.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

using controls::twips;

MissingOperationScreen::MissingOperationScreen(TutorState &state, QWidget *parent)
    : QFrame(parent)
    , m_state(state)
{
    controls::setUpScreen(
        this, QStringLiteral("fraGame2"), controls::twips(-120, -120, 4815, 4935));

    m_lblNum1Game2
        = sumlayout::numberLabel(this, QStringLiteral("lblNum1Game2"), twips(1080, 480, 735, 495));
    QLabel *question = controls::label(
        this, QStringLiteral("Label24"), QStringLiteral("?"), twips(360, 1200, 615, 615));
    question->setFont(controls::font(QStringLiteral("Arial"), 26.25));
    question->setAlignment(Qt::AlignCenter);
    m_lblNum2Game2
        = sumlayout::numberLabel(this, QStringLiteral("lblNum2Game2"), twips(1080, 1320, 735, 495));
    sumlayout::rule(this,
        { QStringLiteral("Image4"), QStringLiteral("Image5"), QStringLiteral("Image6") }, 960,
        1800);
    m_lblNum3Game2
        = sumlayout::numberLabel(this, QStringLiteral("lblNum3Game2"), twips(1080, 2280, 735, 495));
    m_lblNum3Game2->setText(QStringLiteral("9999"));

    auto *frame4 = controls::groupBox(this, QStringLiteral("Frame4"),
        QStringLiteral("Operation Used :"), twips(2400, 360, 2175, 1335));
    m_optAddGame2 = controls::optionButton(frame4, QStringLiteral("optAddGame2"),
        QStringLiteral("Addition"), twips(240, 300, 1800, 300));
    m_optSubGame2 = controls::optionButton(frame4, QStringLiteral("optSubGame2"),
        QStringLiteral("Subtraction"), twips(240, 630, 1800, 300));
    m_optMulGame2 = controls::optionButton(frame4, QStringLiteral("optMulGame2"),
        QStringLiteral("Multiplication"), twips(240, 960, 1800, 300));

    const QRect feedbackPlace = twips(2640, 1800, 1935, 2295);
    m_fraCorrectGame2 = sumlayout::correctFrame(this,
        { QStringLiteral("fraCorrectGame2"), QStringLiteral("imgCorrectGame2"),
            QStringLiteral("lblCorrectWordGame2") },
        feedbackPlace);
    m_fraIncorrectGame2 = sumlayout::tryAgainFrame(this,
        { QStringLiteral("fraIncorrectGame2"), QStringLiteral("imgIncorrectGame2"),
            QStringLiteral("lblIncorrectWordGame2") },
        feedbackPlace);

    const sumlayout::ScoreCard card = sumlayout::scoreCard(this,
        { QStringLiteral("fraInfoGame2"), QStringLiteral("Current Score"),
            QStringLiteral("lblCorrectHeadingGame2"), QStringLiteral("Correct :"),
            QStringLiteral("lblIncorrectHeadingGame2"), QStringLiteral("Incorrect :"),
            QStringLiteral("lblCorrectGame2"), QStringLiteral("lblIncorrectGame2") },
        twips(240, 3480, 2295, 1215));
    m_fraInfoGame2 = card.frame;
    m_lblCorrectGame2 = card.correct;
    m_lblIncorrectGame2 = card.incorrect;

    m_timer2 = controls::timer(this, QStringLiteral("Timer2"), 1450);
}

void MissingOperationScreen::hideFeedback()
{
    controls::setShown({ m_fraIncorrectGame2, m_fraCorrectGame2 }, false);
}

void MissingOperationScreen::showScore()
{
    m_lblCorrectGame2->setText(tutor::plainNumberText(m_state.MissingOperationCorrectCount));
    m_lblIncorrectGame2->setText(tutor::plainNumberText(m_state.MissingOperationIncorrectCount));
}

void MissingOperationScreen::open() { }

void MissingOperationScreen::NewMissingOperationProblem() { }
