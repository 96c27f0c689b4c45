#include "worksheet/worksheet_screen.h"

#include "app/controls.h"
#include "app/tutor_state.h"

#include <QTimer>

WorksheetScreen::WorksheetScreen(
    TutorState &state, PracticeScreen *practice, const QString &applicationFolder, QWidget *parent)
    : QFrame(parent)
    , m_state(state)
    , m_practice(practice)
    , m_applicationFolder(applicationFolder)
{
    controls::setUpScreen(
        this, QStringLiteral("fraWorksheet"), controls::twips(-120, -120, 10575, 4935));

    m_tmrWorksheet = controls::timer(this, QStringLiteral("tmrWorksheet"), 10000);
}

void WorksheetScreen::open() { }
