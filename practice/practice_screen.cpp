#include "practice/practice_screen.h"

#include "base/accessibility.h"
#include "base/controls.h"
#include "base/sum_layout.h"
#include "rules/fact_schedule.h"
#include "rules/level_range.h"
#include "rules/number_text.h"
#include "rules/spoken_sum.h"
#include "session/tutor_session.h"

#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <optional>

using controls::twips;

namespace {

const QString SansSerif = QStringLiteral("MS Sans Serif");

} // namespace

PracticeScreen::PracticeScreen(TutorSession &session, QWidget *parent)
    : Screen(QStringLiteral("fraMain"), twips(-120, -120, 4815, 4935), parent)
    , m_session(session)
{
    m_frmSettings = controls::groupBox(
        this, QStringLiteral("frmSettings"), QString(), twips(2640, 3720, 1935, 735));
    m_lblCurLev = controls::label(
        m_frmSettings, QStringLiteral("lblCurLev"), QString(), twips(120, 240, 1695, 375));
    m_lblCurLev->setFont(controls::font(SansSerif, 12, true));
    m_lblCurLev->setAlignment(Qt::AlignCenter);
    controls::setBackground(m_lblCurLev, QColor(255, 255, 192));

    QFrame *fraData = controls::frame(
        this, QStringLiteral("fraData"), twips(240, 240, 4335, 3135), QFrame::Box);
    m_lblNum1
        = sumlayout::numberLabel(fraData, QStringLiteral("lblNum1"), twips(840, 360, 735, 495));
    m_lblNum2
        = sumlayout::numberLabel(fraData, QStringLiteral("lblNum2"), twips(840, 1200, 735, 495));

    m_signs = sumlayout::operationSigns(fraData,
        { QStringLiteral("imgPlus"), QStringLiteral("imgMinus"), QStringLiteral("imgMultiply"),
            QStringLiteral("imgDivide") },
        twips(120, 1320, 480, 480));

    sumlayout::rule(fraData,
        { QStringLiteral("Image1"), QStringLiteral("Image2"), QStringLiteral("Image11") }, 720,
        1680);

    m_txtAnswer
        = controls::textBox(fraData, QStringLiteral("txtAnswer"), 4, twips(840, 2160, 735, 495));
    m_txtAnswer->setFont(controls::font(SansSerif, 13.5));
    m_txtAnswer->setAlignment(Qt::AlignRight);
    controls::setBackground(m_txtAnswer, Qt::white);
    m_txtAnswer->installEventFilter(this);

    // Wider than the word and picture strictly need, so that they keep apart;
    // it still ends inside the problem's box.
    const QRect feedbackPlace = twips(2040, 360, 2250, 2295);
    m_feedback.correct = sumlayout::correctFrame(fraData,
        { QStringLiteral("fraCorrect"), QStringLiteral("imgCorrect"), QStringLiteral("Label2") },
        feedbackPlace);
    m_feedback.tryAgain = sumlayout::tryAgainFrame(fraData,
        { QStringLiteral("fraIncorrect"), QStringLiteral("imgCheck"), QStringLiteral("Label5") },
        feedbackPlace);

    const sumlayout::ScoreCard card = sumlayout::scoreCard(this,
        { QStringLiteral("fraInfo"), QT_TRANSLATE_NOOP("ScoreCard", "Your Score Card"),
            QStringLiteral("Label3"),
            //: The heading over the count of right answers.
            QT_TRANSLATE_NOOP("ScoreCard", "Correct:"), QStringLiteral("Label4"),
            //: The heading over the count of wrong answers.
            QT_TRANSLATE_NOOP("ScoreCard", "Incorrect:"), QStringLiteral("lblCorrect"),
            QStringLiteral("lblIncorrect") },
        twips(240, 3480, 2295, 1215));
    m_card = card;

    // Under "Try Again", a pixel clear of it where the words take two
    // lines, beside the picture; a long sum takes two lines.
    const QWidget *tryAgainWord
        = m_feedback.tryAgain->findChild<QLabel *>(QStringLiteral("Label5"));
    const int rightSumTop = tryAgainWord->geometry().bottom() + 2;
    m_lblRightSum = controls::label(m_feedback.tryAgain, QStringLiteral("lblRightSum"), QString(),
        QRect(0, rightSumTop, tryAgainWord->width(), m_feedback.tryAgain->height() - rightSumTop));
    m_lblRightSum->setFont(controls::font(SansSerif, 9.75, true));
    m_lblRightSum->hide();
    // The answer under the sum and the right sum are written left to right,
    // as the sum's numbers are, in every language.
    m_txtAnswer->setLayoutDirection(Qt::LeftToRight);
    m_lblRightSum->setLayoutDirection(Qt::LeftToRight);

    // Under the answer box, where the pupil looks after each answer.
    m_lblNobodyChosen = controls::label(
        fraData, QStringLiteral("lblNobodyChosen"), QString(), twips(120, 2700, 4095, 405));
    m_lblNobodyChosen->hide();

    m_feedback.timer = controls::timer(this, QStringLiteral("Timer1"), 2000);
    connect(m_feedback.timer, &QTimer::timeout, this, &PracticeScreen::Timer1_Timer);

    connect(&m_session, &TutorSession::practiceProblemChanged, this, &PracticeScreen::showProblem);
    connect(&m_session, &TutorSession::practiceScoreChanged, this,
        [this](qint16 right, qint16 wrong) { m_card.show(right, wrong); });
    connect(&m_session, &TutorSession::levelChanged, this, &PracticeScreen::showLevel);
    connect(&m_session, &TutorSession::operationChanged, this,
        [this](tutor::Operation operation) { m_signs.show(operation); });

    retranslate();
}

void PracticeScreen::retranslate()
{
    m_frmSettings->setTitle(tr("Current Level"));
    m_txtAnswer->setAccessibleName(tr("Your answer"));
    m_lblNum1->setAccessibleDescription(tr("first number"));
    m_lblNum2->setAccessibleDescription(tr("second number"));
    //: "Pupil" and "Choose Pupil" are the menu and its item, spelt as the menu shows them.
    m_lblNobodyChosen->setText(
        tr("Nobody is chosen, so your answers are not kept: Pupil, Choose Pupil."));
    showLevel();
    // The sum to answer, said in the language now spoken.
    if (!m_lblNum1->text().isEmpty())
        m_txtAnswer->setAccessibleDescription(spokenProblem());
}

void PracticeScreen::showProblem(float first, float second)
{
    m_lblNum1->setText(tutor::plainNumberText(first));
    m_lblNum2->setText(tutor::plainNumberText(second));
    if (!m_judging)
        m_txtAnswer->setAccessibleDescription(spokenProblem());
}

void PracticeScreen::showLevel()
{
    //: In place of the level while the pupil practises their own facts.
    m_lblCurLev->setText(
        m_factsMode ? tr("My Facts") : tutor::levelName(tutor::Level(m_session.state().LevelCode)));
}

void PracticeScreen::setFactsMode(bool on)
{
    m_factsMode = on;
    showLevel();
    if (!on) {
        m_lblRightSum->hide();
        m_lblRightSum->clear();
    }
}

void PracticeScreen::setNobodyChosenShown(bool shown)
{
    m_lblNobodyChosen->setVisible(shown);
}

QString PracticeScreen::spokenProblem() const
{
    return tutor::spokenSum(m_lblNum1->text(), m_session.operation(), m_lblNum2->text());
}

void PracticeScreen::enter()
{
    hideFeedback();
    focusAnswer();
    NewPracticeProblem();
}

void PracticeScreen::setScoreCardShown(bool shown)
{
    m_card.frame->setVisible(shown);
}

void PracticeScreen::stopTimers()
{
    m_feedback.timer->stop();
}

void PracticeScreen::hideFeedback()
{
    m_feedback.hide();
}

void PracticeScreen::focusAnswer()
{
    m_txtAnswer->setFocus();
}

void PracticeScreen::focusFirstControl()
{
    focusAnswer();
}

void PracticeScreen::NewPracticeProblem()
{
    m_session.drawPracticeProblem();
}

bool PracticeScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtAnswer) {
        if (controls::isEnterPress(event)) {
            CheckPracticeAnswer();
            return true;
        }
        if (event->type() == QEvent::FocusIn) {
            // The box selects all its text when reached with Tab; the caret
            // goes to the start with nothing selected however focus came.
            m_txtAnswer->event(event);
            m_txtAnswer->setCursorPosition(0);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void PracticeScreen::CheckPracticeAnswer()
{
    m_judging = true;
    const std::optional<tutor::Fact> judged = tutor::factOf(
        m_session.operation(), m_session.state().Operand1, m_session.state().Operand2);
    const bool right = m_session.answerPracticeProblem(m_txtAnswer->text());
    // In My Facts a miss is followed at once by the right answer.
    const bool showRightSum = m_factsMode && !right && judged;
    m_lblRightSum->setText(showRightSum ? tutor::writtenFact(*judged) : QString());
    m_lblRightSum->setVisible(showRightSum);
    // A new verdict replaces the shown one and gets its full two seconds.
    m_feedback.showVerdict(right);
    m_txtAnswer->setFocus();
    LogPracticeProblem();
    m_judging = false;
    const TutorSession::Score score = m_session.practiceScore();
    const QString spokenScore = tutor::spokenScore(score.right, score.wrong);
    if (showRightSum) {
        access::announce(m_txtAnswer,
            tutor::spokenMissWithRightSum(
                tutor::spokenRightSum(QString::number(judged->first), judged->operation,
                    QString::number(judged->second), QString::number(judged->answer)),
                spokenScore, spokenProblem()),
            spokenProblem());
        return;
    }
    access::announce(
        m_txtAnswer, tutor::spokenVerdict(right, spokenScore, spokenProblem()), spokenProblem());
}

void PracticeScreen::LogPracticeProblem()
{
    m_session.logPracticeProblem(m_txtAnswer->text());
    controls::emptyBox(m_txtAnswer);
    NewPracticeProblem();
}

void PracticeScreen::Timer1_Timer()
{
    m_feedback.timeUp();
}
