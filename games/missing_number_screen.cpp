#include "games/missing_number_screen.h"

#include "base/accessibility.h"
#include "base/controls.h"
#include "rules/number_text.h"
#include "rules/spoken_sum.h"
#include "session/tutor_session.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using controls::twips;

MissingNumberScreen::MissingNumberScreen(TutorSession &session, QWidget *parent)
    : Screen(QStringLiteral("fraGame1"), twips(-120, -120, 4815, 4935), parent)
    , m_session(session)
{
    m_lblNum1Game1
        = sumlayout::numberLabel(this, QStringLiteral("lblNum1Game1"), twips(1080, 480, 735, 495));
    m_signs = sumlayout::operationSigns(this,
        { QStringLiteral("imgPlusGame1"), QStringLiteral("imgMinusGame1"), QString(), QString() },
        twips(360, 1320, 480, 480));
    QLabel *question = controls::label(
        this, QStringLiteral("Label32"), QStringLiteral("?"), twips(1080, 1140, 735, 615));
    question->setFont(controls::font(QStringLiteral("Arial"), 26.25));
    question->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sumlayout::rule(this,
        { QStringLiteral("Image13"), QStringLiteral("Image14"), QStringLiteral("Image15") }, 960,
        1800);
    m_lblNum2Game1
        = sumlayout::numberLabel(this, QStringLiteral("lblNum2Game1"), twips(1080, 2280, 735, 495));

    m_frame7 = controls::groupBox(
        this, QStringLiteral("Frame7"), QString(), twips(2400, 360, 2175, 1095));
    m_txtAnswerGame1 = controls::textBox(
        m_frame7, QStringLiteral("txtAnswerGame1"), 4, twips(600, 360, 975, 495));
    m_txtAnswerGame1->setFont(controls::font(QStringLiteral("MS Sans Serif"), 13.5));
    m_txtAnswerGame1->setAlignment(Qt::AlignRight);
    m_txtAnswerGame1->installEventFilter(this);

    // Out to the edge of the screen, so that word and picture keep apart.
    const QRect feedbackPlace = twips(2640, 1560, 2160, 2295);
    m_feedback.correct = sumlayout::correctFrame(this,
        { QStringLiteral("fraCorrectGame1"), QStringLiteral("imgCorrectGame1"),
            QStringLiteral("lblCorrectWordGame1") },
        feedbackPlace);
    m_feedback.tryAgain = sumlayout::tryAgainFrame(this,
        { QStringLiteral("fraIncorrectGame1"), QStringLiteral("imgIncorrectGame1"),
            QStringLiteral("lblIncorrectWordGame1") },
        feedbackPlace);
    // Hidden from the start: Timer4's first tick would only hide them again,
    // after both had flashed up together.
    m_feedback.hide();

    const sumlayout::ScoreCard card = sumlayout::scoreCard(this,
        { QStringLiteral("fraInfoGame1"), QT_TRANSLATE_NOOP("ScoreCard", "Current Score"),
            QStringLiteral("lblCorrectHeadingGame1"),
            //: The heading over the count of right answers.
            QT_TRANSLATE_NOOP("ScoreCard", "Correct :"), QStringLiteral("lblIncorrectHeadingGame1"),
            //: The heading over the count of wrong answers.
            QT_TRANSLATE_NOOP("ScoreCard", "Incorrect :"), QStringLiteral("lblCorrectGame1"),
            QStringLiteral("lblIncorrectGame1") },
        twips(240, 3480, 2295, 1215));
    m_card = card;

    m_feedback.timer = controls::timer(this, QStringLiteral("Timer4"), 1450);
    connect(m_feedback.timer, &QTimer::timeout, this, &MissingNumberScreen::Timer4_Timer);

    connect(&m_session, &TutorSession::missingNumberProblemChanged, this,
        &MissingNumberScreen::showProblem);
    connect(&m_session, &TutorSession::missingNumberScoreChanged, this,
        [this](qint16 right, qint16 wrong) { m_card.show(right, wrong); });
    // Only Addition and Subtraction have a sign here; others leave it.
    connect(&m_session, &TutorSession::operationChanged, this,
        [this](tutor::Operation operation) { m_signs.show(operation); });

    retranslate();
}

void MissingNumberScreen::retranslate()
{
    m_frame7->setTitle(tr("The Missing Number Is :"));
    m_txtAnswerGame1->setAccessibleName(tr("The missing number"));
    m_lblNum1Game1->setAccessibleDescription(tr("first number"));
    //: The number below the rule: what the sum comes to.
    m_lblNum2Game1->setAccessibleDescription(tr("result"));
    // The sum to answer, said in the language now spoken.
    if (!m_lblNum1Game1->text().isEmpty())
        m_txtAnswerGame1->setAccessibleDescription(spokenProblem());
}

void MissingNumberScreen::setScoreCardShown(bool shown)
{
    m_card.frame->setVisible(shown);
}

void MissingNumberScreen::startFeedbackTimer()
{
    m_feedback.timer->start();
}

void MissingNumberScreen::stopTimers()
{
    m_feedback.timer->stop();
}

void MissingNumberScreen::enter()
{
    m_session.resetMissingNumberScore();
    // Whatever was typed before stays in the box.
    m_txtAnswerGame1->setFocus();
    NewMissingNumberProblem();
}

void MissingNumberScreen::focusFirstControl()
{
    m_txtAnswerGame1->setFocus();
}

void MissingNumberScreen::NewMissingNumberProblem()
{
    m_session.drawMissingNumberProblem();
}

void MissingNumberScreen::showProblem(qint16 top, qint16 bottom)
{
    m_lblNum1Game1->setText(tutor::plainNumberText(top));
    m_lblNum2Game1->setText(tutor::plainNumberText(bottom));
    if (!m_judging)
        m_txtAnswerGame1->setAccessibleDescription(spokenProblem());
}

QString MissingNumberScreen::spokenProblem() const
{
    return tutor::spokenMissingNumber(
        m_lblNum1Game1->text(), m_session.operation(), m_lblNum2Game1->text());
}

bool MissingNumberScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtAnswerGame1 && controls::isEnterPress(event)) {
        CheckMissingNumberAnswer();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void MissingNumberScreen::CheckMissingNumberAnswer()
{
    m_judging = true;
    const bool right = m_session.answerMissingNumber(m_txtAnswerGame1->text());
    m_feedback.showVerdict(right);
    controls::emptyBox(m_txtAnswerGame1);
    m_txtAnswerGame1->setFocus();
    // No second try: "Try Again" means the next problem.
    NewMissingNumberProblem();
    m_judging = false;
    const TutorSession::Score score = m_session.missingNumberScore();
    access::announce(m_txtAnswerGame1,
        tutor::spokenVerdict(right, tutor::spokenScore(score.right, score.wrong), spokenProblem()),
        spokenProblem());
}

void MissingNumberScreen::Timer4_Timer()
{
    m_feedback.timeUp();
}
