#pragma once

#include "base/screen.h"

class PageView;
class QLabel;

// The right-hand panel that shows the program's start page and whatever the
// pupil follows from it.
class BrowserPanel : public Screen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BrowserPanel)

public:
    explicit BrowserPanel(QWidget *parent);

    // Loads the page anew, even when it is the one already shown.
    void showPage(const QString &path);
    // The file of the page shown now, links followed included; empty before
    // the first.
    QString shownPage() const;

protected:
    void retranslate() override;
    bool takesKeyboard() const override;

private:
    PageView *m_wbrMyBrowser = nullptr;
    QLabel *m_connectionNote = nullptr;
};
