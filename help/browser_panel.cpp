#include "help/browser_panel.h"

#include "app/controls.h"

#include <QLabel>
#include <QTextBrowser>

using controls::twips;

BrowserPanel::BrowserPanel(QWidget *parent)
    : QFrame(parent)
{
    controls::setUpScreen(
        this, QStringLiteral("fraMyBrowser"), controls::twips(4680, -120, 5775, 4935));

    m_wbrMyBrowser
        = controls::pageView(this, QStringLiteral("wbrMyBrowser"), twips(0, 120, 5655, 4335));
    controls::label(this, QStringLiteral("Label1"),
        QStringLiteral("Some D-Avuvodu Features Require An Internet Connection"),
        twips(720, 4560, 4335, 255));
}
