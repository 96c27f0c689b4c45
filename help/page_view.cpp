#include "help/page_view.h"

#include "base/desktop_launcher.h"

#include <QDir>
#include <QFileInfo>
#include <QRect>
#include <QTextDocument>
#include <QUrl>
#include <QVariant>

namespace {

QString missingPageNote(const QString &path)
{
    return QStringLiteral("<h3>Page not found</h3>"
                          "<p>The page <b>%1</b> is not there. It may have been moved or deleted."
                          "</p><p>Choose another page from the menus, or put the file back.</p>")
        .arg(QDir::toNativeSeparators(path).toHtmlEscaped());
}

bool opensOutside(const QUrl &link)
{
    const QString scheme = link.scheme();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https")
        || scheme == QLatin1String("mailto");
}

} // namespace

PageView::PageView(QWidget *parent, const QString &name, const QRect &geometry)
    : QTextBrowser(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    // Every link comes through followLink, which decides where it opens.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &PageView::followLink);
}

void PageView::showPage(const QString &path)
{
    const QUrl page = QUrl::fromLocalFile(path);
    if (source() == page)
        reload();
    else
        setSource(page);
    // A page shown afresh starts a new visit: the links followed before it
    // would otherwise be kept, one entry each, for as long as the program runs.
    clearHistory();
}

QVariant PageView::loadResource(int type, const QUrl &name)
{
    // Pictures and style sheets that are missing are simply left out; a
    // missing page would leave the whole view blank.
    const bool isPage
        = type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource;
    if (isPage && name.isLocalFile() && !QFileInfo(name.toLocalFile()).isFile())
        return missingPageNote(name.toLocalFile());
    return QTextBrowser::loadResource(type, name);
}

void PageView::followLink(const QUrl &link)
{
    if (opensOutside(link))
        openWebAddress(window(), link);
    else if (link.isLocalFile())
        setSource(link);
}
