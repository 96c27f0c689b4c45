#include "help/help_screen.h"

#include "base/controls.h"
#include "help/page_view.h"

#include <QLabel>

using controls::twips;

HelpScreen::HelpScreen(QWidget *parent)
    : Screen(QStringLiteral("fraHelp"), twips(-120, -120, 10575, 4935), parent)
{
    m_wbrHelp = new PageView(this, QStringLiteral("wbrHelp"), twips(240, 240, 10215, 4215));
    m_wbrHelp->setAccessibleName(QStringLiteral("Help page"));
    QLabel *copyright = controls::label(this, QStringLiteral("Label9"),
        QStringLiteral("Orvi Math Tutor 1.0 \u00a9 2026 The Orvi Math Tutor team"),
        twips(3360, 4560, 3975, 255));
    copyright->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void HelpScreen::showPage(const QString &path)
{
    m_wbrHelp->showPage(path);
}

void HelpScreen::enter()
{
    m_wbrHelp->setFocus();
}
