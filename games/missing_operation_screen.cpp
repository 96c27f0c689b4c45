#include "games/missing_operation_screen.h"

#include "app/controls.h"
#include "app/tutor_state.h"
#include "games/missing_games.h"
#include "practice/level_range.h"
#include "practice/number_text.h"
#include "practice/whole_number.h"

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
        = sumlayout::numberLabel(this, QStringLiteral("lblNum3Game2"), twips(720, 2280, 1095, 495));
    m_lblNum3Game2->setText(QStringLiteral("9999"));

    auto *frame4 = controls::groupBox(this, QStringLiteral("Frame4"),
        QStringLiteral("Operation Used :"), twips(2400, 360, 2175, 1335));
    m_optAddGame2 = controls::optionButton(frame4, QStringLiteral("optAddGame2"),
        QStringLiteral("Addition"), twips(240, 300, 1800, 300));
    m_optSubGame2 = controls::optionButton(frame4, QStringLiteral("optSubGame2"),
        QStringLiteral("Subtraction"), twips(240, 630, 1800, 300));
    m_optMulGame2 = controls::optionButton(frame4, QStringLiteral("optMulGame2"),
        QStringLiteral("Multiplication"), twips(240, 960, 1800, 300));

    // Out to the edge of the screen, so that word and picture keep apart.
    const QRect feedbackPlace = twips(2640, 1800, 2160, 2295);
    m_feedback.correct = sumlayout::correctFrame(this,
        { QStringLiteral("fraCorrectGame2"), QStringLiteral("imgCorrectGame2"),
            QStringLiteral("lblCorrectWordGame2") },
        feedbackPlace);
    m_feedback.tryAgain = sumlayout::tryAgainFrame(this,
        { QStringLiteral("fraIncorrectGame2"), QStringLiteral("imgIncorrectGame2"),
            QStringLiteral("lblIncorrectWordGame2") },
        feedbackPlace);
    // Neither verdict shows before the first answer.
    m_feedback.hide();

    const sumlayout::ScoreCard card = sumlayout::scoreCard(this,
        { QStringLiteral("fraInfoGame2"), QStringLiteral("Current Score"),
            QStringLiteral("lblCorrectHeadingGame2"), QStringLiteral("Correct :"),
            QStringLiteral("lblIncorrectHeadingGame2"), QStringLiteral("Incorrect :"),
            QStringLiteral("lblCorrectGame2"), QStringLiteral("lblIncorrectGame2") },
        twips(240, 3480, 2295, 1215));
    m_fraInfoGame2 = card.frame;
    m_lblCorrectGame2 = card.correct;
    m_lblIncorrectGame2 = card.incorrect;

    // Clearing the buttons after a verdict emits no click, so every answer
    // is judged once.
    connect(
        m_optAddGame2, &QRadioButton::clicked, this, &MissingOperationScreen::optAddGame2_Click);
    connect(
        m_optSubGame2, &QRadioButton::clicked, this, &MissingOperationScreen::optSubGame2_Click);
    connect(
        m_optMulGame2, &QRadioButton::clicked, this, &MissingOperationScreen::optMulGame2_Click);

    m_feedback.timer = controls::timer(this, QStringLiteral("Timer2"), 1450);
    connect(m_feedback.timer, &QTimer::timeout, this, &MissingOperationScreen::Timer2_Timer);
}

void MissingOperationScreen::hideFeedback()
{
    m_feedback.hide();
}

void MissingOperationScreen::showScore()
{
    m_lblCorrectGame2->setText(tutor::plainNumberText(m_state.MissingOperationCorrectCount));
    m_lblIncorrectGame2->setText(tutor::plainNumberText(m_state.MissingOperationIncorrectCount));
}

void MissingOperationScreen::open()
{
    m_state.MissingOperationCorrectCount = 0;
    m_state.MissingOperationIncorrectCount = 0;
    showScore();
    NewMissingOperationProblem();
    // The pupil answers with these buttons, so the keyboard starts there.
    m_optAddGame2->setFocus();
}

void MissingOperationScreen::NewMissingOperationProblem()
{
    m_state.LevelCode = tutor::knownLevelCode(m_state.LevelCode);
    tutor::ClockSeededRandom random;
    const double first = random.unit();
    const double second = random.unit();
    const double operation = random.unit();
    const tutor::MissingOperationProblem problem
        = tutor::missingOperationProblem(m_state.LevelCode, first, second, operation);
    m_state.MissingOperationFirst = problem.first;
    m_state.MissingOperationSecond = problem.second;
    m_state.MissingOperationResult = problem.result;
    m_state.MissingOperationCode = problem.operationCode;
    m_lblNum1Game2->setText(tutor::plainNumberText(problem.first));
    m_lblNum2Game2->setText(tutor::plainNumberText(problem.second));
    m_lblNum3Game2->setText(tutor::plainNumberText(problem.result));
}

void MissingOperationScreen::optAddGame2_Click()
{
    CheckMissingOperationAnswer();
}

void MissingOperationScreen::optSubGame2_Click()
{
    CheckMissingOperationAnswer();
}

void MissingOperationScreen::optMulGame2_Click()
{
    CheckMissingOperationAnswer();
}

qint16 MissingOperationScreen::chosenOperation() const
{
    if (m_optAddGame2->isChecked())
        return 1;
    if (m_optSubGame2->isChecked())
        return 2;
    if (m_optMulGame2->isChecked())
        return 3;
    return 0;
}

void MissingOperationScreen::CheckMissingOperationAnswer()
{
    // Any operation that gives the shown result is right, not only the one
    // drawn: 2 and 2 make 4 by Addition and by Multiplication alike.
    const tutor::MissingOperationProblem problem { m_state.MissingOperationFirst,
        m_state.MissingOperationSecond, m_state.MissingOperationResult,
        m_state.MissingOperationCode };
    const bool right = tutor::operationGivesResult(problem, chosenOperation());

    m_feedback.showVerdict(right);
    if (right)
        m_state.MissingOperationCorrectCount
            = tutor::countedUp(m_state.MissingOperationCorrectCount);
    else
        m_state.MissingOperationIncorrectCount
            = tutor::countedUp(m_state.MissingOperationIncorrectCount);
    showScore();
    // No second try: "Try Again" means the next problem.
    NewMissingOperationProblem();
    clearOptionButtons();
}

// An auto-exclusive button ignores being unchecked, so exclusivity is lifted
// for the moment it takes.
void MissingOperationScreen::clearOptionButtons()
{
    for (QRadioButton *button : { m_optMulGame2, m_optAddGame2, m_optSubGame2 }) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

void MissingOperationScreen::Timer2_Timer()
{
    m_feedback.timeUp();
}
