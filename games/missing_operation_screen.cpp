#include "games/missing_operation_screen.h"

#include "base/accessibility.h"
#include "base/controls.h"
#include "rules/level_and_operation.h"
#include "rules/number_text.h"
#include "rules/spoken_sum.h"
#include "session/tutor_session.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

using controls::twips;

MissingOperationScreen::MissingOperationScreen(TutorSession &session, QWidget *parent)
    : Screen(QStringLiteral("fraGame2"), twips(-120, -120, 4815, 4935), parent)
    , m_session(session)
{
    m_lblNum1Game2
        = sumlayout::numberLabel(this, QStringLiteral("lblNum1Game2"), twips(1080, 480, 735, 495));
    m_question = controls::label(
        this, QStringLiteral("Label24"), QStringLiteral("?"), twips(360, 1200, 615, 615));
    m_question->setFont(controls::font(QStringLiteral("Arial"), 26.25));
    m_question->setAlignment(Qt::AlignCenter);
    m_lblNum2Game2
        = sumlayout::numberLabel(this, QStringLiteral("lblNum2Game2"), twips(1080, 1320, 735, 495));
    sumlayout::rule(this,
        { QStringLiteral("Image4"), QStringLiteral("Image5"), QStringLiteral("Image6") }, 960,
        1800);
    m_lblNum3Game2
        = sumlayout::numberLabel(this, QStringLiteral("lblNum3Game2"), twips(720, 2280, 1095, 495));
    m_lblNum3Game2->setText(QStringLiteral("9999"));

    m_frame4 = controls::groupBox(
        this, QStringLiteral("Frame4"), QString(), twips(2400, 360, 2175, 1335));
    m_optAddGame2 = controls::optionButton(
        m_frame4, QStringLiteral("optAddGame2"), QString(), twips(240, 300, 1800, 300));
    m_optSubGame2 = controls::optionButton(
        m_frame4, QStringLiteral("optSubGame2"), QString(), twips(240, 630, 1800, 300));
    m_optMulGame2 = controls::optionButton(
        m_frame4, QStringLiteral("optMulGame2"), QString(), twips(240, 960, 1800, 300));

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
        { QStringLiteral("fraInfoGame2"), QT_TRANSLATE_NOOP("ScoreCard", "Current Score"),
            QStringLiteral("lblCorrectHeadingGame2"),
            //: The heading over the count of right answers.
            QT_TRANSLATE_NOOP("ScoreCard", "Correct :"), QStringLiteral("lblIncorrectHeadingGame2"),
            //: The heading over the count of wrong answers.
            QT_TRANSLATE_NOOP("ScoreCard", "Incorrect :"), QStringLiteral("lblCorrectGame2"),
            QStringLiteral("lblIncorrectGame2") },
        twips(240, 3480, 2295, 1215));
    m_card = card;

    // Clearing the buttons after a verdict emits no click, so every answer
    // is judged once. A click that comes too soon after an answer to be meant
    // for the new problem answers nothing and leaves no button selected.
    const auto clear = [this]() { clearOptionButtons(); };
    m_answerClicks.route(
        m_optAddGame2, [this]() { optAddGame2_Click(); }, clear);
    m_answerClicks.route(
        m_optSubGame2, [this]() { optSubGame2_Click(); }, clear);
    m_answerClicks.route(
        m_optMulGame2, [this]() { optMulGame2_Click(); }, clear);

    m_feedback.timer = controls::timer(this, QStringLiteral("Timer2"), 1450);
    connect(m_feedback.timer, &QTimer::timeout, this, &MissingOperationScreen::Timer2_Timer);

    connect(&m_session, &TutorSession::missingOperationProblemChanged, this,
        &MissingOperationScreen::showProblem);
    connect(&m_session, &TutorSession::missingOperationScoreChanged, this,
        [this](qint16 right, qint16 wrong) { m_card.show(right, wrong); });

    retranslate();
}

void MissingOperationScreen::retranslate()
{
    m_frame4->setTitle(tr("Operation Used :"));
    //: One of the three answers: the sum was an addition.
    m_optAddGame2->setText(tr("Addition"));
    m_optSubGame2->setText(tr("Subtraction"));
    m_optMulGame2->setText(tr("Multiplication"));
    m_lblNum1Game2->setAccessibleDescription(tr("first number"));
    m_lblNum2Game2->setAccessibleDescription(tr("second number"));
    //: The number below the rule: what the sum comes to.
    m_lblNum3Game2->setAccessibleDescription(tr("result"));
    //: The "?" where the sum's operation sign would stand.
    m_question->setAccessibleName(tr("missing sign"));
    // The sum to answer, said in the language now spoken.
    if (!m_lblNum1Game2->text().isEmpty())
        showProblemDescription();
}

void MissingOperationScreen::stopTimers()
{
    m_feedback.timer->stop();
}

void MissingOperationScreen::setScoreCardShown(bool shown)
{
    m_card.frame->setVisible(shown);
}

void MissingOperationScreen::enter()
{
    m_feedback.hide();
    m_session.resetMissingOperationScore();
    NewMissingOperationProblem();
    // The pupil answers with these buttons, so the keyboard starts there.
    m_optAddGame2->setFocus();
}

void MissingOperationScreen::focusFirstControl()
{
    m_optAddGame2->setFocus();
}

void MissingOperationScreen::NewMissingOperationProblem()
{
    m_session.drawMissingOperationProblem();
}

void MissingOperationScreen::showProblem(qint16 first, qint16 second, qint16 result)
{
    m_lblNum1Game2->setText(tutor::plainNumberText(first));
    m_lblNum2Game2->setText(tutor::plainNumberText(second));
    m_lblNum3Game2->setText(tutor::plainNumberText(result));
    showProblemDescription();
}

void MissingOperationScreen::showProblemDescription()
{
    for (QRadioButton *button : { m_optAddGame2, m_optSubGame2, m_optMulGame2 })
        button->setAccessibleDescription(spokenProblem());
}

QString MissingOperationScreen::spokenProblem() const
{
    return tutor::spokenMissingOperation(
        m_lblNum1Game2->text(), m_lblNum2Game2->text(), m_lblNum3Game2->text());
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

std::optional<tutor::Operation> MissingOperationScreen::chosenOperation() const
{
    using tutor::Operation;
    if (m_optAddGame2->isChecked())
        return Operation::Addition;
    if (m_optSubGame2->isChecked())
        return Operation::Subtraction;
    if (m_optMulGame2->isChecked())
        return Operation::Multiplication;
    return std::nullopt;
}

void MissingOperationScreen::CheckMissingOperationAnswer()
{
    QRadioButton *picked = nullptr;
    for (QRadioButton *button : { m_optAddGame2, m_optSubGame2, m_optMulGame2 }) {
        if (button->isChecked())
            picked = button;
    }
    const bool right = m_session.answerMissingOperation(chosenOperation());
    m_feedback.showVerdict(right);
    // No second try: "Try Again" means the next problem.
    NewMissingOperationProblem();
    // Cleared on screen at once; to the ear the pick stays until the keys
    // move on, so the verdict is not preceded by "not selected".
    if (picked)
        access::keepPickHeard(picked);
    clearOptionButtons();
    // The pupil answered with the button that has the keyboard.
    QWidget *answered = focusWidget() ? focusWidget() : m_optAddGame2;
    const TutorSession::Score score = m_session.missingOperationScore();
    access::announce(answered,
        tutor::spokenVerdict(right, tutor::spokenScore(score.right, score.wrong), spokenProblem()),
        spokenProblem());
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
