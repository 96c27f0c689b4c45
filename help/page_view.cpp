#include "help/page_view.h"

#include "base/accessibility.h"
#include "base/desktop_launcher.h"
#include "base/scaled_picture.h"
#include "help/page_view_access.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRect>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVariant>

namespace {

QString missingPageNote(const QString &path)
{
    //: Shown in place of a help page that is missing; %1 is its file.
    return QCoreApplication::translate("PageView",
        "<h3>Page not found</h3>"
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

// What a screen reader says of a link: its text and, for one that leaves the
// program, where it goes.
QString linkNews(const QString &text, const QUrl &link)
{
    if (link.scheme() == QLatin1String("mailto"))
        //: Said of a link; %1 is its text, %2 the mail address.
        return QCoreApplication::translate("PageView", "Link: %1, writes an e-mail to %2")
            .arg(text, link.path());
    if (opensOutside(link)) {
        //: Said of a link; %1 is its text, %2 the web address.
        return QCoreApplication::translate("PageView", "Link: %1, opens %2 in the web browser")
            .arg(text, link.toDisplayString());
    }
    //: Said of a link to another page of the program; %1 is its text.
    return QCoreApplication::translate("PageView", "Link: %1").arg(text);
}

} // namespace

PageView::PageView(QWidget *parent, const QString &name, const QRect &geometry)
    : QTextBrowser(parent)
{
    setObjectName(name);
    designscale::setDesignGeometry(this, geometry);
    // Every link comes through followLink, which decides where it opens.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &PageView::followLink);
    // A caret a screen reader follows, shown only while the view has the
    // keyboard; Tab still goes from link to link.
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    pageaccess::install();
    // Every way to another page ends here: a page shown afresh or again, a
    // followed link, back and forward.
    connect(this, &QTextBrowser::sourceChanged, this, &PageView::tellPage);
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

// The page's title, else its first heading, else its file name. The page
// is named by the signal: source() still names the page before.
void PageView::tellPage(const QUrl &page)
{
    QString title = documentTitle().simplified();
    for (QTextBlock block = document()->begin(); title.isEmpty() && block.isValid();
         block = block.next()) {
        if (block.blockFormat().headingLevel() > 0)
            title = block.text().simplified();
    }
    if (title.isEmpty())
        title = page.fileName();
    access::announce(this, title);
}

bool PageView::focusNextPrevChild(bool next)
{
    const QTextCursor before = textCursor();
    const bool moved = QTextBrowser::focusNextPrevChild(next);
    const QTextCursor after = textCursor();
    const bool onAnotherLink = after.hasSelection()
        && (after.position() != before.position() || after.anchor() != before.anchor());
    if (hasFocus() && onAnotherLink)
        tellLink(after);
    return moved;
}

void PageView::tellLink(const QTextCursor &link)
{
    QTextCursor first(document());
    first.setPosition(link.selectionStart() + 1);
    const QString href = first.charFormat().anchorHref();
    if (href.isEmpty())
        return;
    const QUrl target = source().resolved(QUrl(href));
    QString text = link.selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char(' '));
    text.replace(QChar::LineSeparator, QLatin1Char(' '));
    text.remove(QChar::ObjectReplacementCharacter);
    text = text.simplified();
    if (text.isEmpty())
        text = target.isLocalFile() ? target.fileName() : target.toDisplayString();
    access::announce(this, linkNews(text, target));
}
