#pragma once

#include <QTextBrowser>

class QRect;
class QUrl;
class QVariant;

// A view of the program's own pages. Links to local pages are followed inside
// the view; web and mail links open in the desktop's programs. A local page
// that is not there shows a short note naming it, not an empty view.
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

private:
    void followLink(const QUrl &link);
};
