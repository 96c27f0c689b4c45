#include "games/missing_number_screen.h"

#include "app/controls.h"
#include "app/tutor_state.h"
#include "practice/number_text.h"
#include "practice/sum_layout.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using controls::twips;

MissingNumberScreen::MissingNumberScreen(TutorState &state, QWidget *parent)
    : QFrame(parent)
    , m_state(state)
{
    controls::setUpScreen(
        this, QStringLiteral("fraGame1"), controls::twips(-120, -120, 4815, 4935));

    m_lblNum1Game1
        = sumlayout::numberLabel(this, QStringLiteral("lblNum1Game1"), twips(1080, 480, 735, 495));
    const QRect signPlace = twips(360, 1320, 480, 480);
    m_imgPlusGame1 = controls::picture(
        this, QStringLiteral("imgPlusGame1"), QStringLiteral(":/pictures/plus.png"), signPlace);
    m_imgMinusGame1 = controls::picture(
        this, QStringLiteral("imgMinusGame1"), QStringLiteral(":/pictures/minus.png"), signPlace);
    QLabel *question = controls::label(
        this, QStringLiteral("Label32"), QStringLiteral("?"), twips(1080, 1140, 735, 615));
    question->setFont(controls::font(QStringLiteral("Arial"), 26.25));
    question->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sumlayout::rule(this,
        { QStringLiteral("Image13"), QStringLiteral("Image14"), QStringLiteral("Image15") }, 960,
        1800);
    m_lblNum2Game1
        = sumlayout::numberLabel(this, QStringLiteral("lblNum2Game1"), twips(1080, 2280, 735, 495));

    auto *frame7 = controls::groupBox(this, QStringLiteral("Frame7"),
        QStringLiteral("The Missing Number Is :"), twips(2400, 360, 2175, 1095));
    m_txtAnswerGame1
        = controls::textBox(frame7, QStringLiteral("txtAnswerGame1"), 4, twips(600, 360, 975, 495));
    m_txtAnswerGame1->setFont(controls::font(QStringLiteral("MS Sans Serif"), 13.5));
    m_txtAnswerGame1->setAlignment(Qt::AlignRight);

    const QRect feedbackPlace = twips(2640, 1560, 1935, 2295);
    m_fraCorrectGame1 = sumlayout::correctFrame(this,
        { QStringLiteral("fraCorrectGame1"), QStringLiteral("imgCorrectGame1"),
            QStringLiteral("lblCorrectWordGame1") },
        feedbackPlace);
    m_fraIncorrectGame1 = sumlayout::tryAgainFrame(this,
        { QStringLiteral("fraIncorrectGame1"), QStringLiteral("imgIncorrectGame1"),
            QStringLiteral("lblIncorrectWordGame1") },
        feedbackPlace);

    const sumlayout::ScoreCard card = sumlayout::scoreCard(this,
        { QStringLiteral("fraInfoGame1"), QStringLiteral("Current Score"),
            QStringLiteral("lblCorrectHeadingGame1"), QStringLiteral("Correct :"),
            QStringLiteral("lblIncorrectHeadingGame1"), QStringLiteral("Incorrect :"),
            QStringLiteral("lblCorrectGame1"), QStringLiteral("lblIncorrectGame1") },
        twips(240, 3480, 2295, 1215));
    m_fraInfoGame1 = card.frame;
    m_lblCorrectGame1 = card.correct;
    m_lblIncorrectGame1 = card.incorrect;

    m_timer4 = controls::timer(this, QStringLiteral("Timer4"), 1450);
    connect(m_timer4, &QTimer::timeout, this, &MissingNumberScreen::Timer4_Timer);
}

void MissingNumberScreen::showOperationSign(qint16 operationCode)
{
    if (operationCode == 1)
        controls::showOnly({ m_imgPlusGame1, m_imgMinusGame1 }, m_imgPlusGame1);
    else if (operationCode == 2)
        controls::showOnly({ m_imgPlusGame1, m_imgMinusGame1 }, m_imgMinusGame1);
}

void MissingNumberScreen::Timer4_Timer()
{
    controls::setShown({ m_fraCorrectGame1, m_fraIncorrectGame1 }, false);
    m_timer4->stop();
}

void MissingNumberScreen::showScore()
{
    m_lblCorrectGame1->setText(tutor::plainNumberText(m_state.MissingNumberCorrectCount));
    m_lblIncorrectGame1->setText(tutor::plainNumberText(m_state.MissingNumberIncorrectCount));
}

void MissingNumberScreen::open() { }

void MissingNumberScreen::NewMissingNumberProblem() { }
