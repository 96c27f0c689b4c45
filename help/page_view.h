#pragma once

#include <QTextBrowser>

class QRect;
class QTextCursor;
class QUrl;
class QVariant;

// A view of the program's own pages. Links to local pages are followed inside
// the view; web and mail links open in the desktop's programs. A local page
// that is not there shows a short note naming it, not an empty view.
//
// A screen reader can walk the page with the keyboard's caret; it is told
// the page's title whenever another page shows, and the link Tab reaches.
class PageView : public QTextBrowser
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageView)

public:
    PageView(QWidget *parent, const QString &name, const QRect &geometry);

    // Loads the page anew, even when it is the one already shown, with no
    // way back to the pages of the visit before.
    void showPage(const QString &path);

    QVariant loadResource(int type, const QUrl &name) override;

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void followLink(const QUrl &link);
    void tellPage(const QUrl &page);
    void tellLink(const QTextCursor &link);
};
