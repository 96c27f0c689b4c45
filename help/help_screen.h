#pragma once

#include "base/screen.h"

class PageView;
class QLabel;

// The help screen: the program's help pages, shown across the whole window.
class HelpScreen : public Screen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpScreen)

public:
    explicit HelpScreen(QWidget *parent);

    // Loads the page anew, even when it is the one already shown.
    void showPage(const QString &path);
    // The file of the page shown now, links followed included; empty before
    // the first.
    QString shownPage() const;

    // The page takes the keyboard, so a screen reader reads it from the top.
    void enter() override;

protected:
    void retranslate() override;

private:
    PageView *m_wbrHelp = nullptr;
    QLabel *m_copyright = nullptr;
};
