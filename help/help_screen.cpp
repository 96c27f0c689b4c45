#include "help/help_screen.h"

#include "app/controls.h"

#include <QLabel>
#include <QTextBrowser>
#include <QUrl>

using controls::twips;

HelpScreen::HelpScreen(QWidget *parent)
    : QFrame(parent)
{
    controls::setUpScreen(
        this, QStringLiteral("fraHelp"), controls::twips(-120, -120, 10575, 4935));

    m_wbrHelp = controls::pageView(this, QStringLiteral("wbrHelp"), twips(240, 240, 10215, 4215));
    controls::label(this, QStringLiteral("Label9"), QString(), twips(3360, 4560, 3975, 255));
}

void HelpScreen::showPage(const QString &path)
{
    const QUrl page = QUrl::fromLocalFile(path);
    if (m_wbrHelp->source() == page)
        m_wbrHelp->reload();
    else
        m_wbrHelp->setSource(page);
}
