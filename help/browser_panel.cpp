#include "help/browser_panel.h"

#include "base/controls.h"
#include "help/page_view.h"

#include <QLabel>

using controls::twips;

BrowserPanel::BrowserPanel(QWidget *parent)
    : Screen(QStringLiteral("fraMyBrowser"), twips(4680, -120, 5775, 4935), parent)
{
    m_wbrMyBrowser = new PageView(this, QStringLiteral("wbrMyBrowser"), twips(0, 120, 5655, 4335));
    m_connectionNote
        = controls::label(this, QStringLiteral("Label1"), QString(), twips(720, 4560, 4335, 255));
    retranslate();
}

// Beside the screen the pupil works on, which keeps the keyboard.
bool BrowserPanel::takesKeyboard() const
{
    return false;
}

void BrowserPanel::retranslate()
{
    m_wbrMyBrowser->setAccessibleName(tr("Start page"));
    //: "D-Avuvodu" is a name: it stays as it is.
    m_connectionNote->setText(tr("Some D-Avuvodu Features Require An Internet Connection"));
}

void BrowserPanel::showPage(const QString &path)
{
    m_wbrMyBrowser->showPage(path);
}

QString BrowserPanel::shownPage() const
{
    return m_wbrMyBrowser->source().toLocalFile();
}
