#include "help/about_screen.h"

#include "app/controls.h"

#include <QPushButton>

using controls::twips;

AboutScreen::AboutScreen(const QString &applicationFolder, QWidget *parent)
    : QFrame(parent)
    , m_applicationFolder(applicationFolder)
{
    controls::setUpScreen(
        this, QStringLiteral("fraAbout"), controls::twips(-120, -120, 10695, 4935));

    m_cmdOkAbout = controls::button(
        this, QStringLiteral("cmdOkAbout"), QStringLiteral("Ok"), twips(8400, 2760, 1815, 375));
}
