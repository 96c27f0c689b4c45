#include "practice/practice_screen.h"

#include "app/controls.h"
#include "app/tutor_state.h"
#include "practice/level_range.h"
#include "practice/number_text.h"
#include "practice/practice_problem.h"
#include "practice/sum_layout.h"
#include "practice/number_reader.h"
#include "practice/whole_number.h"
#include "report/report_panel.h"

#include <QColor>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using controls::twips;

namespace {

const QString SansSerif = QStringLiteral("MS Sans Serif");

} // namespace

PracticeScreen::PracticeScreen(TutorState &state, ReportPanel *sessionLog, QWidget *parent)
    : QFrame(parent)
    , m_state(state)
    , m_sessionLog(sessionLog)
{
    controls::setUpScreen(this, QStringLiteral("fraMain"), controls::twips(-120, -120, 4815, 4935));

    auto *frmSettings = controls::groupBox(this, QStringLiteral("frmSettings"),
        QStringLiteral("Current Level"), twips(2640, 3720, 1935, 735));
    m_lblCurLev = controls::label(
        frmSettings, QStringLiteral("lblCurLev"), QString(), twips(120, 240, 1695, 375));
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
        { QStringLiteral("fraInfo"), QStringLiteral("Your Score Card"), QStringLiteral("Label3"),
            QStringLiteral("Correct:"), QStringLiteral("Label4"), QStringLiteral("Incorrect:"),
            QStringLiteral("lblCorrect"), QStringLiteral("lblIncorrect") },
        twips(240, 3480, 2295, 1215));
    m_fraInfo = card.frame;
    m_lblCorrect = card.correct;
    m_lblIncorrect = card.incorrect;

    m_feedback.timer = controls::timer(this, QStringLiteral("Timer1"), 2000);
    connect(m_feedback.timer, &QTimer::timeout, this, &PracticeScreen::Timer1_Timer);
}

void PracticeScreen::showOperationSign(qint16 operationCode)
{
    m_signs.show(operationCode);
}

void PracticeScreen::setLevelCaption(const QString &levelName)
{
    m_lblCurLev->setText(levelName);
}

void PracticeScreen::showScore()
{
    m_lblCorrect->setText(tutor::plainNumberText(m_state.CorrectCount));
    m_lblIncorrect->setText(tutor::plainNumberText(m_state.IncorrectCount));
}

void PracticeScreen::hideFeedback()
{
    m_feedback.hide();
}

void PracticeScreen::focusAnswer()
{
    m_txtAnswer->setFocus();
}

void PracticeScreen::NewPracticeProblem()
{
    tutor::ClockSeededRandom random;
    const tutor::PracticeProblem problem
        = tutor::drawPracticeProblem(m_state.LevelCode, m_state.OperationCode, random);
    m_state.Operand1 = problem.operand1;
    m_state.Operand2 = problem.operand2;
    m_lblNum1->setText(tutor::plainNumberText(m_state.Operand1));
    m_lblNum2->setText(tutor::plainNumberText(m_state.Operand2));
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
    // A text without a digit (an empty box, "x") answers nothing, and a
    // number beyond 16 bits cannot be any problem's answer: both are wrong.
    const std::optional<double> typed = tutor::readTypedAnswer(m_txtAnswer->text());
    const std::optional<qint16> given
        = typed ? tutor::roundToInt16(*typed) : std::optional<qint16>();
    const std::optional<qint16> expected
        = tutor::expectedAnswer(m_state.Operand1, m_state.Operand2, m_state.OperationCode);
    const bool right = given && expected && *given == *expected;

    // A new verdict replaces the shown one and gets its full two seconds.
    m_feedback.showVerdict(right);
    if (right) {
        m_state.CorrectCount = tutor::countedUp(m_state.CorrectCount);
        m_state.LastVerdict = QStringLiteral("Right");
    } else {
        m_state.IncorrectCount = tutor::countedUp(m_state.IncorrectCount);
        m_state.LastVerdict = QStringLiteral("Wrong");
    }
    m_txtAnswer->setFocus();
    showScore();
    LogPracticeProblem();
}

void PracticeScreen::LogPracticeProblem()
{
    const QString answer = m_txtAnswer->text();
    m_state.LoggedCorrectAnswer
        = tutor::expectedAnswer(m_state.Operand1, m_state.Operand2, m_state.OperationCode)
              .value_or(0);
    m_sessionLog->appendProblem(tutor::plainNumberText(m_state.Operand1),
        tutor::operationSign(m_state.OperationCode), tutor::plainNumberText(m_state.Operand2),
        answer, tutor::plainNumberText(m_state.LoggedCorrectAnswer), m_state.LastVerdict);
    m_txtAnswer->clear();
    NewPracticeProblem();
}

void PracticeScreen::Timer1_Timer()
{
    m_feedback.timeUp();
}
