#include "app/shown_pages.h"

#include "base/program_folders.h"
#include "help/about_screen.h"
#include "help/browser_panel.h"
#include "help/help_screen.h"

ShownPages::ShownPages(
    const ProgramFolders &folders, HelpScreen *help, BrowserPanel *browser, AboutScreen *about)
    : m_folders(folders)
    , m_help(help)
    , m_browser(browser)
    , m_about(about)
{ }

void ShownPages::showHelpContents()
{
    m_help->showPage(browseTo(QStringLiteral("help/mhelp.html")));
}

void ShownPages::showBrowserStart()
{
    m_browser->showPage(browseTo(QStringLiteral("html/mbrows.html")));
}

QString ShownPages::browseTo(const QString &shippedFile)
{
    m_target = m_folders.shippedFile(shippedFile);
    return m_target;
}

void ShownPages::followLanguage()
{
    m_about->setShippedTexts(m_folders.shippedFile(QStringLiteral("ReadMe.txt")),
        m_folders.shippedFile(QStringLiteral("Support.txt")));
    if (!m_target.isEmpty())
        m_target = m_folders.shippedFileAgain(m_target);
    auto follow = [this](auto *pages) {
        const QString shown = pages->shownPage();
        const QString again = m_folders.shippedFileAgain(shown);
        if (!shown.isEmpty() && again != shown)
            pages->showPage(again);
    };
    follow(m_help);
    follow(m_browser);
}
