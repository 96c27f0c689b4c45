#include "games/time_trial_screen.h"

#include "app/controls.h"
#include "app/tutor_state.h"
#include "practice/sum_layout.h"

#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using controls::twips;

namespace {

const QString SansSerif = QStringLiteral("MS Sans Serif");
const QString ComicSans = QStringLiteral("Comic Sans MS");
const QColor IdleClockColour(255, 192, 128);

} // namespace

TimeTrialScreen::TimeTrialScreen(TutorState &state, QWidget *parent)
    : QFrame(parent)
    , m_state(state)
{
    controls::setUpScreen(
        this, QStringLiteral("fraGame3"), controls::twips(-120, -120, 4815, 4935));

    m_lblNum1Game3
        = sumlayout::numberLabel(this, QStringLiteral("lblNum1Game3"), twips(1080, 480, 735, 495));
    const QRect signPlace = twips(360, 1320, 480, 480);
    m_imgPlusGame3 = controls::picture(
        this, QStringLiteral("imgPlusGame3"), QStringLiteral(":/pictures/plus.png"), signPlace);
    m_imgMinusGame3 = controls::picture(
        this, QStringLiteral("imgMinusGame3"), QStringLiteral(":/pictures/minus.png"), signPlace);
    m_lblNum2Game3
        = sumlayout::numberLabel(this, QStringLiteral("lblNum2Game3"), twips(1080, 1320, 735, 495));
    sumlayout::rule(this,
        { QStringLiteral("Image8"), QStringLiteral("Image9"), QStringLiteral("Image10") }, 960,
        1800);
    m_txtAnswerGame3
        = controls::textBox(this, QStringLiteral("txtAnswerGame3"), 4, twips(1080, 2280, 735, 495));
    m_txtAnswerGame3->setFont(controls::font(SansSerif, 13.5));
    m_txtAnswerGame3->setAlignment(Qt::AlignRight);
    m_txtAnswerGame3->setEnabled(false);

    auto *frame2 = controls::groupBox(this, QStringLiteral("Frame2"),
        QStringLiteral("Time Limit :"), twips(2400, 360, 2175, 1095));
    m_opt30secs = controls::optionButton(frame2, QStringLiteral("opt30secs"),
        QStringLiteral("30 Seconds"), twips(240, 330, 1695, 300));
    m_opt60secs = controls::optionButton(frame2, QStringLiteral("opt60secs"),
        QStringLiteral("60 Seconds"), twips(240, 660, 1695, 300));

    // Start, Stop and Reset share one place; only one shows at a time.
    const QRect buttonPlace = twips(2400, 1560, 2175, 495);
    m_cmdStartGame3 = controls::button(
        this, QStringLiteral("cmdStartGame3"), QStringLiteral("Start"), buttonPlace);
    m_cmdStopGame3 = controls::button(
        this, QStringLiteral("cmdStopGame3"), QStringLiteral("Stop"), buttonPlace);
    m_cmdResetGame3 = controls::button(
        this, QStringLiteral("cmdResetGame3"), QStringLiteral("Reset"), buttonPlace);
    controls::setShown({ m_cmdStopGame3, m_cmdResetGame3 }, false);

    QLabel *clockTitle = controls::label(this, QStringLiteral("Label18"),
        QStringLiteral(" Time Left"), twips(2400, 2340, 1155, 255));
    clockTitle->setFont(controls::font(SansSerif, 8.25, true));
    m_lblGame3TimeKeep = controls::label(this, QStringLiteral("lblGame3TimeKeep"),
        QStringLiteral(" 60"), twips(3600, 2220, 975, 495));
    m_lblGame3TimeKeep->setFont(controls::font(ComicSans, 14.25, true));
    m_lblGame3TimeKeep->setAlignment(Qt::AlignCenter);
    controls::setBackground(m_lblGame3TimeKeep, IdleClockColour);

    QLabel *scoreTitle = controls::label(this, QStringLiteral("Label21"),
        QStringLiteral("Correct Answers :"), twips(2400, 2820, 1155, 495));
    scoreTitle->setFont(controls::font(SansSerif, 8.25, true));
    m_lblCorrectGame3 = controls::label(
        this, QStringLiteral("lblCorrectGame3"), QString(), twips(3600, 2820, 975, 495));
    m_lblCorrectGame3->setFont(controls::font(SansSerif, 13.5));
    m_lblCorrectGame3->setAlignment(Qt::AlignCenter);
    controls::setBackground(m_lblCorrectGame3, QColor(0, 255, 0));

    m_fraGame3Results = controls::groupBox(this, QStringLiteral("fraGame3Results"),
        QStringLiteral("Results"), twips(240, 3420, 4335, 1335));
    const QFont valueFont = controls::font(ComicSans, 14.25);
    const QColor valueColour(0, 0, 192);
    auto resultValue = [&](const QString &name, const QRect &geometry) {
        QLabel *value = controls::label(m_fraGame3Results, name, QString(), geometry);
        value->setFont(valueFont);
        value->setWordWrap(false);
        controls::setTextColour(value, valueColour);
        return value;
    };
    controls::label(m_fraGame3Results, QStringLiteral("lblResultsAnsweredGame3"),
        QStringLiteral("You answered"), twips(240, 420, 1215, 255));
    m_lblGame3ResultsScore
        = resultValue(QStringLiteral("lblGame3ResultsScore"), twips(1440, 300, 975, 435));
    controls::label(m_fraGame3Results, QStringLiteral("lblResultsRightGame3"),
        QStringLiteral("right, in "), twips(240, 900, 855, 255));
    m_lblGame3ResultsTime
        = resultValue(QStringLiteral("lblGame3ResultsTime"), twips(1080, 780, 615, 435));
    controls::label(m_fraGame3Results, QStringLiteral("lblResultsSecondsGame3"),
        QStringLiteral("seconds."), twips(1740, 900, 855, 255));

    m_fraGame3Results->hide();

    m_timer3 = controls::timer(this, QStringLiteral("Timer3"), 1000);
}

void TimeTrialScreen::showOperationSign(qint16 operationCode)
{
    if (operationCode == 1)
        controls::showOnly({ m_imgPlusGame3, m_imgMinusGame3 }, m_imgPlusGame3);
    else if (operationCode == 2)
        controls::showOnly({ m_imgPlusGame3, m_imgMinusGame3 }, m_imgMinusGame3);
}

void TimeTrialScreen::selectThirtySeconds()
{
    m_opt30secs->setChecked(true);
}

void TimeTrialScreen::clearClock()
{
    m_lblGame3TimeKeep->clear();
}

void TimeTrialScreen::hideResults()
{
    m_fraGame3Results->hide();
}

void TimeTrialScreen::open() { }

void TimeTrialScreen::NewTimeTrialProblem() { }
