#include "games/time_trial_screen.h"

#include "base/accessibility.h"
#include "base/controls.h"
#include "base/scaled_picture.h"
#include "base/sum_layout.h"
#include "rules/level_and_operation.h"
#include "rules/number_text.h"
#include "rules/spoken_sum.h"
#include "rules/time_trial_rules.h"
#include "session/tutor_session.h"

#include <QColor>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <initializer_list>
#include <optional>
#include <utility>

using controls::twips;

namespace {

const QString SansSerif = QStringLiteral("MS Sans Serif");
const QString ComicSans = QStringLiteral("Comic Sans MS");

// The time left when a screen reader is told it, once, as it runs short.
constexpr int ShortTimeSeconds = 10;

// The words before a sentence's placeholder and the words after it.
std::pair<QString, QString> aroundValue(const QString &sentence)
{
    const qsizetype at = sentence.indexOf(QLatin1String("%1"));
    return { sentence.first(at), sentence.sliced(at + 2) };
}

// Pieces of one line of text in different fonts, placed so that their letters
// stand on one baseline near the bottom of the place they were given. Each
// piece's text is drawn from its top, its baseline one ascent below.
void setOnOneBaseline(std::initializer_list<QLabel *> pieces)
{
    int bottom = 0;
    int descent = 0;
    for (const QLabel *piece : pieces) {
        bottom = qMax(bottom, designscale::designGeometry(piece).bottom());
        descent = qMax(descent, piece->fontMetrics().descent());
    }
    const int baseline = bottom - descent;
    for (QLabel *piece : pieces) {
        const QFontMetrics metrics = piece->fontMetrics();
        piece->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const QRect design = designscale::designGeometry(piece);
        designscale::setDesignGeometry(piece,
            QRect(design.x(), baseline - metrics.ascent(), design.width(), metrics.height()));
    }
}

} // namespace

TimeTrialScreen::TimeTrialScreen(TutorSession &session, QWidget *parent)
    : Screen(QStringLiteral("fraGame3"), twips(-120, -120, 4815, 4935), parent)
    , m_session(session)
{
    m_lblNum1Game3
        = sumlayout::numberLabel(this, QStringLiteral("lblNum1Game3"), twips(1080, 480, 735, 495));
    m_signs = sumlayout::operationSigns(this,
        { QStringLiteral("imgPlusGame3"), QStringLiteral("imgMinusGame3"), QString(), QString() },
        twips(360, 1320, 480, 480));
    m_lblNum2Game3
        = sumlayout::numberLabel(this, QStringLiteral("lblNum2Game3"), twips(1080, 1320, 735, 495));
    sumlayout::rule(this,
        { QStringLiteral("Image8"), QStringLiteral("Image9"), QStringLiteral("Image10") }, 960,
        1800);
    m_txtAnswerGame3
        = controls::textBox(this, QStringLiteral("txtAnswerGame3"), 4, twips(1080, 2280, 735, 495));
    // Under the sum, units under units, in every language.
    m_txtAnswerGame3->setLayoutDirection(Qt::LeftToRight);
    m_txtAnswerGame3->setFont(controls::font(SansSerif, 13.5));
    m_txtAnswerGame3->setAlignment(Qt::AlignRight);
    m_txtAnswerGame3->setEnabled(false);
    m_txtAnswerGame3->installEventFilter(this);

    m_frame2 = controls::groupBox(
        this, QStringLiteral("Frame2"), QString(), twips(2400, 360, 2175, 1095));
    m_opt30secs = controls::optionButton(
        m_frame2, QStringLiteral("opt30secs"), QString(), twips(240, 330, 1695, 300));
    m_opt60secs = controls::optionButton(
        m_frame2, QStringLiteral("opt60secs"), QString(), twips(240, 660, 1695, 300));

    // Start, Stop and Reset share one place; only one shows at a time.
    const QRect buttonPlace = twips(2400, 1560, 2175, 495);
    m_cmdStartGame3
        = controls::button(this, QStringLiteral("cmdStartGame3"), QString(), buttonPlace);
    m_cmdStopGame3 = controls::button(this, QStringLiteral("cmdStopGame3"), QString(), buttonPlace);
    m_cmdResetGame3
        = controls::button(this, QStringLiteral("cmdResetGame3"), QString(), buttonPlace);
    controls::setShown({ m_cmdStopGame3, m_cmdResetGame3 }, false);

    m_clockTitle
        = controls::label(this, QStringLiteral("Label18"), QString(), twips(2400, 2340, 1155, 255));
    m_clockTitle->setFont(controls::font(SansSerif, 8.25, true));
    m_lblGame3TimeKeep = controls::label(this, QStringLiteral("lblGame3TimeKeep"),
        QStringLiteral(" 60"), twips(3600, 2220, 975, 495));
    m_lblGame3TimeKeep->setFont(controls::font(ComicSans, 14.25, true));
    m_lblGame3TimeKeep->setAlignment(Qt::AlignCenter);
    controls::setBackground(m_lblGame3TimeKeep, tutor::IdleClockColour);

    m_scoreTitle
        = controls::label(this, QStringLiteral("Label21"), QString(), twips(2400, 2820, 1155, 495));
    m_scoreTitle->setFont(controls::font(SansSerif, 8.25, true));
    m_lblCorrectGame3 = controls::label(
        this, QStringLiteral("lblCorrectGame3"), QString(), twips(3600, 2820, 975, 495));
    m_lblCorrectGame3->setFont(controls::font(SansSerif, 13.5));
    m_lblCorrectGame3->setAlignment(Qt::AlignCenter);
    controls::setBackground(m_lblCorrectGame3, QColor(0, 255, 0));

    m_fraGame3Results = controls::groupBox(
        this, QStringLiteral("fraGame3Results"), QString(), twips(240, 3420, 4335, 1335));
    // Two lines, "You answered" N / "right, in " T "seconds.": every piece of a
    // line stands on the same baseline, so the larger values read as one
    // sentence.
    auto resultText = [this](const QString &name, int left, int top, int width) {
        QLabel *piece
            = controls::label(m_fraGame3Results, name, QString(), twips(left, top, width, 435));
        piece->setWordWrap(false);
        return piece;
    };
    auto resultValue = [&](const QString &name, int left, int top, int width) {
        QLabel *value = resultText(name, left, top, width);
        value->setFont(controls::font(ComicSans, 14.25));
        controls::setTextColour(value, QColor(0, 0, 192));
        return value;
    };
    m_resultsAnswered = resultText(QStringLiteral("lblResultsAnsweredGame3"), 240, 300, 1215);
    m_lblGame3ResultsScore = resultValue(QStringLiteral("lblGame3ResultsScore"), 1380, 300, 975);
    setOnOneBaseline({ m_resultsAnswered, m_lblGame3ResultsScore });
    m_resultsRightIn = resultText(QStringLiteral("lblResultsRightGame3"), 240, 780, 855);
    m_lblGame3ResultsTime = resultValue(QStringLiteral("lblGame3ResultsTime"), 1020, 780, 555);
    m_resultsSeconds = resultText(QStringLiteral("lblResultsSecondsGame3"), 1620, 780, 855);
    setOnOneBaseline({ m_resultsRightIn, m_lblGame3ResultsTime, m_resultsSeconds });

    // The results take the keyboard when time is up, so they can be reached
    // again by Tab while they show.
    m_fraGame3Results->setFocusPolicy(Qt::StrongFocus);
    m_fraGame3Results->hide();

    m_timer3 = controls::timer(this, QStringLiteral("Timer3"), 1000);
    connect(m_timer3, &QTimer::timeout, this, &TimeTrialScreen::Timer3_Timer);
    // Start, Stop and Reset take each other's place at a click, so the second
    // click of a double click would press the button just put there.
    m_buttonClicks.route(m_cmdStartGame3, [this]() { cmdStartGame3_Click(); });
    m_buttonClicks.route(m_cmdStopGame3, [this]() { cmdStopGame3_Click(); });
    m_buttonClicks.route(m_cmdResetGame3, [this]() { cmdResetGame3_Click(); });

    connect(
        &m_session, &TutorSession::timeTrialProblemChanged, this, &TimeTrialScreen::showProblem);
    connect(&m_session, &TutorSession::timeTrialScoreChanged, this,
        [this](qint16 score) { m_lblCorrectGame3->setText(tutor::plainNumberText(score)); });
    connect(&m_session, &TutorSession::timeTrialClockChanged, this, &TimeTrialScreen::showTimeLeft);
    // Only Addition and Subtraction have a sign here; others leave it.
    connect(&m_session, &TutorSession::operationChanged, this,
        [this](tutor::Operation operation) { m_signs.show(operation); });

    retranslate();
}

void TimeTrialScreen::retranslate()
{
    m_frame2->setTitle(tr("Time Limit :"));
    m_opt30secs->setText(tr("30 Seconds"));
    m_opt60secs->setText(tr("60 Seconds"));
    //: Starts the clock.
    m_cmdStartGame3->setText(tr("Start"));
    //: Stops the clock before time is up.
    m_cmdStopGame3->setText(tr("Stop"));
    //: Back to a new trial once time is up.
    m_cmdResetGame3->setText(tr("Reset"));
    //: The heading beside the clock; the leading space keeps it off the edge.
    m_clockTitle->setText(tr(" Time Left"));
    m_scoreTitle->setText(tr("Correct Answers :"));
    m_lblCorrectGame3->setAccessibleDescription(tr("correct answers"));
    m_lblGame3TimeKeep->setAccessibleDescription(tr("seconds left"));
    m_txtAnswerGame3->setAccessibleName(tr("Your answer"));
    m_lblNum1Game3->setAccessibleDescription(tr("first number"));
    m_lblNum2Game3->setAccessibleDescription(tr("second number"));
    m_fraGame3Results->setTitle(tr("Results"));
    // The results' two lines, each one sentence around its value. The value
    // has a label of its own placed just after the words, so each sentence
    // holds exactly the spaces its word labels show.
    //: The results' first line; %1 is the number of right answers, shown
    //: large just after the words. Nothing may follow %1 on this line.
    m_resultsAnswered->setText(aroundValue(tr("You answered%1")).first);
    //: The results' second line, after "You answered N"; %1 is the time
    //: limit, shown large, so the space before "seconds" is left out.
    const auto [rightInWords, secondsWords] = aroundValue(tr("right, in %1seconds."));
    m_resultsRightIn->setText(rightInWords);
    m_resultsSeconds->setText(secondsWords);
    // The sum to answer, said in the language now spoken.
    if (!m_lblNum1Game3->text().isEmpty())
        m_txtAnswerGame3->setAccessibleDescription(spokenProblem());
}

void TimeTrialScreen::stopTimers()
{
    m_timer3->stop();
}

void TimeTrialScreen::leave()
{
    stopTimers();
    m_lblGame3TimeKeep->clear();
}

void TimeTrialScreen::selectThirtySeconds()
{
    m_opt30secs->setChecked(true);
}

void TimeTrialScreen::endRunningTrial()
{
    if (!m_timer3->isActive())
        return;
    leave();
    showIdleClock();
    showOnlyButton(m_cmdStartGame3);
    m_txtAnswerGame3->setEnabled(false);
    controls::setBackground(m_txtAnswerGame3, lightThreeDColour());
    controls::emptyBox(m_txtAnswerGame3);
    m_opt30secs->setEnabled(true);
    m_opt60secs->setEnabled(true);
    m_session.resetTimeTrialScore();
    emit menusLocked(false);
}

void TimeTrialScreen::enter()
{
    m_fraGame3Results->hide();
    showIdleClock();
    showOnlyButton(m_cmdStartGame3);
    m_session.resetTimeTrialScore();
    m_txtAnswerGame3->setEnabled(false);
    NewTimeTrialProblem();
}

void TimeTrialScreen::NewTimeTrialProblem()
{
    m_session.drawTimeTrialProblem();
}

void TimeTrialScreen::showProblem(qint16 first, qint16 second)
{
    m_lblNum1Game3->setText(tutor::plainNumberText(first));
    m_lblNum2Game3->setText(tutor::plainNumberText(second));
    if (!m_judging)
        m_txtAnswerGame3->setAccessibleDescription(spokenProblem());
}

QString TimeTrialScreen::spokenProblem() const
{
    return tutor::spokenSum(m_lblNum1Game3->text(), m_session.operation(), m_lblNum2Game3->text());
}

void TimeTrialScreen::cmdStartGame3_Click()
{
    if (m_opt30secs->isChecked()) {
        m_session.startTimeTrial(30);
    } else {
        m_opt60secs->setChecked(true);
        m_session.startTimeTrial(60);
    }
    m_opt30secs->setEnabled(false);
    m_opt60secs->setEnabled(false);
    showOnlyButton(m_cmdStopGame3);
    m_txtAnswerGame3->setEnabled(true);
    // The desktop's own text-box colour, so a dark theme stays readable.
    controls::setBackground(m_txtAnswerGame3, palette().color(QPalette::Base));
    m_txtAnswerGame3->setFocus();
    // The last trial's time note is old news.
    m_cmdStopGame3->setAccessibleDescription(QString());
    emit menusLocked(true);
    m_timer3->start();
}

void TimeTrialScreen::Timer3_Timer()
{
    const float secondsLeft = m_session.timeTrialSecondsLeft();
    if (secondsLeft == 0) {
        m_timer3->stop();
        ShowTimeTrialResults();
        showOnlyButton(m_cmdResetGame3);
        controls::setBackground(m_txtAnswerGame3, lightThreeDColour());
        m_txtAnswerGame3->setEnabled(false);
        controls::emptyBox(m_txtAnswerGame3);
        // The menus stay locked until "Reset".
        return;
    }
    if (const std::optional<QColor> colour = tutor::clockColourBeforeTick(secondsLeft))
        controls::setBackground(m_lblGame3TimeKeep, *colour);
    m_session.tickTimeTrialClock();
    if (m_session.timeTrialSecondsLeft() == ShortTimeSeconds)
        tellTimeLeft(ShortTimeSeconds);
}

// Told to whichever has the keyboard during a trial: Stop, or else the answer
// box, whose description goes on with the sum to answer.
void TimeTrialScreen::tellTimeLeft(int secondsLeft)
{
    const QString news = tr("%n seconds left.", nullptr, secondsLeft);
    if (window()->focusWidget() == m_cmdStopGame3)
        access::announce(m_cmdStopGame3, news);
    else
        access::announce(m_txtAnswerGame3, news + u' ' + spokenProblem(), spokenProblem());
}

void TimeTrialScreen::showTimeLeft(float secondsLeft)
{
    m_lblGame3TimeKeep->setText(tutor::plainNumberText(secondsLeft));
}

void TimeTrialScreen::ShowTimeTrialResults()
{
    m_fraGame3Results->show();
    m_lblGame3ResultsScore->setText(tutor::plainNumberText(m_session.timeTrialScore()));
    m_lblGame3ResultsTime->setText(m_session.timeTrialLimitText());
    // Told before the results take the keyboard, so the screen reader says it
    // once, with the focus, and never a result from an earlier trial.
    access::announce(m_fraGame3Results,
        tr("Time is up. You answered %n right in %1 seconds.", nullptr, m_session.timeTrialScore())
            .arg(m_lblGame3ResultsTime->text()));
    m_fraGame3Results->setFocus();
}

bool TimeTrialScreen::eventFilter(QObject *watched, QEvent *event)
{
    // Answers count only while a trial runs, when the box is enabled.
    if (watched == m_txtAnswerGame3 && m_txtAnswerGame3->isEnabled()
        && controls::isEnterPress(event)) {
        CheckTimeTrialAnswer();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void TimeTrialScreen::CheckTimeTrialAnswer()
{
    m_judging = true;
    const bool right = m_session.answerTimeTrial(m_txtAnswerGame3->text());
    controls::emptyBox(m_txtAnswerGame3);
    // A wrong answer keeps the problem for another try.
    if (right)
        NewTimeTrialProblem();
    m_txtAnswerGame3->setFocus();
    m_judging = false;
    access::announce(m_txtAnswerGame3,
        tutor::spokenVerdict(
            right, tr("Score %1.").arg(m_session.timeTrialScore()), spokenProblem(), right),
        spokenProblem());
}

void TimeTrialScreen::cmdStopGame3_Click()
{
    m_txtAnswerGame3->setFocus();
    m_txtAnswerGame3->setEnabled(false);
    controls::setBackground(m_txtAnswerGame3, lightThreeDColour());
    returnToIdle();
    controls::emptyBox(m_txtAnswerGame3);
}

void TimeTrialScreen::cmdResetGame3_Click()
{
    returnToIdle();
    m_txtAnswerGame3->setEnabled(false);
    NewTimeTrialProblem();
    // Reset itself is gone; the next trial starts from here.
    m_cmdStartGame3->setFocus();
}

// The answer box while the clock runs, else the one button shown.
void TimeTrialScreen::focusFirstControl()
{
    if (m_txtAnswerGame3->isEnabled()) {
        m_txtAnswerGame3->setFocus();
        return;
    }
    for (QPushButton *button : { m_cmdStartGame3, m_cmdStopGame3, m_cmdResetGame3 }) {
        if (!button->isHidden())
            button->setFocus();
    }
}

void TimeTrialScreen::returnToIdle()
{
    m_timer3->stop();
    showIdleClock();
    emit menusLocked(false);
    show();
    m_fraGame3Results->hide();
    showOnlyButton(m_cmdStartGame3);
    m_session.resetTimeTrialScore();
    // The whole program goes back to Warm Up Addition; the check marks, the
    // level caption, every sign and every problem follow the session.
    m_session.chooseOperation(tutor::Operation::Addition);
    m_session.chooseLevel(tutor::Level::WarmUp);
    m_opt30secs->setEnabled(true);
    m_opt60secs->setEnabled(true);
}

void TimeTrialScreen::showIdleClock()
{
    controls::setBackground(m_lblGame3TimeKeep, tutor::IdleClockColour);
    m_lblGame3TimeKeep->clear();
}

void TimeTrialScreen::showOnlyButton(QPushButton *shown)
{
    controls::showOnly({ m_cmdStartGame3, m_cmdStopGame3, m_cmdResetGame3 }, shown);
}

// The palette's name for the desktop's light 3-D colour is Midlight; its Light
// is the 3-D highlight.
QColor TimeTrialScreen::lightThreeDColour() const
{
    return palette().color(QPalette::Midlight);
}
