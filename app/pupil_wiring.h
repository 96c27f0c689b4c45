#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class PracticeScreen;
class TimeTrialScreen;
class TutorSession;
class WorksheetScreen;
namespace progress {
class CurrentPupil;
class MyFacts;
class ProgressActions;
} // namespace progress

// Who is practising, followed everywhere once chosen or lost: the session
// each pupil has in this run, My Facts, the progress screens, the window's
// title and what the practice screen says about answers being kept.
class PupilWiring : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PupilWiring)

public:
    // The parts that follow the pupil; all live as long as the window.
    struct Parts
    {
        QMainWindow *window = nullptr;
        QAction *myFactsItem = nullptr;
        PracticeScreen *practice = nullptr;
        TimeTrialScreen *timeTrial = nullptr;
        WorksheetScreen *worksheet = nullptr;
    };
    PupilWiring(progress::CurrentPupil &pupil, TutorSession &session,
        progress::ProgressActions *actions, progress::MyFacts *myFacts, const Parts &parts);
    ~PupilWiring() override;

    // Makes the named pupil current, adding them when new.
    void choose(const QString &name);
    // Practice goes on with nobody chosen, and nothing is kept.
    void chooseNobody();
    // What is offered for the current pupil, after one was chosen or lost.
    void follow();
    // Where the pupil looks, whether their answers are kept; a computer that
    // keeps no pupils shows nothing.
    void showWhetherAnswersAreKept();
    // The current pupil's name in the window title, or the program's alone.
    void showInTitle();

signals:
    // After the current pupil, or nobody, was followed everywhere.
    void followed();

private:
    progress::CurrentPupil &m_pupil;
    TutorSession &m_session;
    progress::ProgressActions *m_actions;
    progress::MyFacts *m_myFacts;
    Parts m_parts;
};
