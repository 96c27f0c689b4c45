#include "help/help_screen.h"

#include "base/controls.h"
#include "help/page_view.h"

#include <QLabel>
#include <QTextCursor>

using controls::twips;

HelpScreen::HelpScreen(QWidget *parent)
    : Screen(QStringLiteral("fraHelp"), twips(-120, -120, 10575, 4935), parent)
{
    m_wbrHelp = new PageView(this, QStringLiteral("wbrHelp"), twips(240, 240, 10215, 4215));
    // Centred on the same point as ever, with room on both sides for a
    // longer line.
    m_copyright
        = controls::label(this, QStringLiteral("Label9"), QString(), twips(1560, 4560, 7575, 255));
    m_copyright->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    retranslate();
}

void HelpScreen::retranslate()
{
    m_wbrHelp->setAccessibleName(tr("Help page"));
    m_copyright->setText(tr("Orvi Math Tutor 1.0 \u00a9 2026 The Orvi Math Tutor team"));
}

void HelpScreen::showPage(const QString &path)
{
    m_wbrHelp->showPage(path);
    // Read from the top, whatever was read before.
    m_wbrHelp->moveCursor(QTextCursor::Start);
}

QString HelpScreen::shownPage() const
{
    return m_wbrHelp->source().toLocalFile();
}

void HelpScreen::enter()
{
    m_wbrHelp->setFocus();
}
