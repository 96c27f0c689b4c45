#include "app/pupil_wiring.h"

#include "games/time_trial_screen.h"
#include "practice/practice_screen.h"
#include "progress/current_pupil.h"
#include "progress/my_facts.h"
#include "progress/progress_actions.h"
#include "progress/pupil_dialog.h"
#include "session/tutor_session.h"
#include "worksheet/worksheet_screen.h"

#include <QAction>
#include <QMainWindow>

namespace {

const QString ProgramTitle = QStringLiteral("Orvi Math Tutor");

} // namespace

PupilWiring::PupilWiring(progress::CurrentPupil &pupil, TutorSession &session,
    progress::ProgressActions *actions, progress::MyFacts *myFacts, const Parts &parts)
    : QObject(parts.window)
    , m_pupil(pupil)
    , m_session(session)
    , m_actions(actions)
    , m_myFacts(myFacts)
    , m_parts(parts)
{
    using progress::ProgressActions;
    connect(m_actions, &ProgressActions::pupilChosen, this, &PupilWiring::choose);
    connect(m_actions, &ProgressActions::nobodyChosen, this, &PupilWiring::chooseNobody);
    connect(m_actions, &ProgressActions::currentPupilChanged, this, &PupilWiring::showInTitle);
    connect(m_actions, &ProgressActions::currentPupilChanged, this, &PupilWiring::follow);
    connect(m_actions, &ProgressActions::pupilDeleted, &m_session, &TutorSession::forgetPupil);
    connect(
        m_actions, &ProgressActions::pupilDeleted, this, &PupilWiring::showWhetherAnswersAreKept);
    // A progress screen shown follows what the restored file holds.
    m_pupil.setOnRestored([this]() {
        showInTitle();
        follow();
    });
}

PupilWiring::~PupilWiring() = default;

void PupilWiring::choose(const QString &name)
{
    if (!m_pupil.choose(name))
        return;
    showInTitle();
    follow();
}

void PupilWiring::chooseNobody()
{
    m_pupil.chooseNobody();
    showInTitle();
    follow();
}

void PupilWiring::showWhetherAnswersAreKept()
{
    m_parts.practice->setNobodyChosenShown(!m_pupil.isChosen() && m_pupil.anyPupilKept());
}

// Each pupil has a session of their own in this run; nobody chosen is the
// run without a pupil.
void PupilWiring::follow()
{
    showWhetherAnswersAreKept();
    if (m_session.pupilId() != m_pupil.id()) {
        m_parts.timeTrial->endRunningTrial();
        m_session.switchPupil(m_pupil.id());
    }
    m_parts.myFactsItem->setEnabled(m_pupil.isChosen());
    m_parts.worksheet->setMyFactsAvailable(m_pupil.isChosen());
    m_myFacts->followPupil();
    m_actions->followPupil();
    emit followed();
}

void PupilWiring::showInTitle()
{
    if (!m_pupil.isChosen()) {
        m_parts.window->setWindowTitle(ProgramTitle);
        return;
    }
    // "[*]" in a title stands for the modified mark; doubled, it shows as itself.
    QString shown = progress::shownPupilName(m_pupil.name());
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    //: The window's title while a pupil is chosen; %1 is the pupil's name.
    m_parts.window->setWindowTitle(tr("Orvi Math Tutor - %1").arg(shown));
}
