#pragma once

#include <QString>

class AboutScreen;
class BrowserPanel;
class HelpScreen;
class ProgramFolders;

// The shipped pages the help screen and the browser panel show, and the
// About screen's texts, each in the language spoken now.
class ShownPages
{
public:
    ShownPages(
        const ProgramFolders &folders, HelpScreen *help, BrowserPanel *browser, AboutScreen *about);

    // The help contents on the help screen.
    void showHelpContents();
    // The browser panel's start page.
    void showBrowserStart();
    // The page the help screen or the browser panel was last sent to.
    QString target() const { return m_target; }
    // A page shown stays the same page, now in the language spoken when it
    // has one; a page that would not change is left as it is, scrolled
    // where it was.
    void followLanguage();

private:
    // The path of a shipped page, noted as the page last browsed to.
    QString browseTo(const QString &shippedFile);

    const ProgramFolders &m_folders;
    HelpScreen *m_help;
    BrowserPanel *m_browser;
    AboutScreen *m_about;
    QString m_target;
};
