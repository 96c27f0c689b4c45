#include "help/page_view_access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <utility>

namespace pageaccess {

namespace {

// Where a table cell, or another frame in the page, begins and ends.
constexpr char16_t FrameStart = 0xfdd0;
constexpr char16_t FrameEnd = 0xfdd1;

// A page view as a read-only text of many lines. Offsets are the document's
// own positions, one character each, so the caret a reader hears of is the
// view's text cursor.
class PageText : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit PageText(QTextBrowser *view)
        : QAccessibleWidget(view, QAccessible::EditableText)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State result = QAccessibleWidget::state();
        result.readOnly = true;
        result.multiLine = true;
        result.selectableText = true;
        return result;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return view()->toPlainText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return int(shownChildren().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = shownChildren();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return int(shownChildren().indexOf(qobject_cast<QWidget *>(child->object())));
    }

    // The text interface.

    int characterCount() const override { return document()->characterCount() - 1; }

    QString text(int startOffset, int endOffset) const override
    {
        const int start = qBound(0, startOffset, characterCount());
        const int end = qBound(start, endOffset, characterCount());
        // Paragraph and table cell ends become line ends, one for one.
        QString result = document()->toRawText().mid(start, end - start);
        for (QChar &c : result) {
            if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator
                || c == QChar(FrameStart) || c == QChar(FrameEnd))
                c = QLatin1Char('\n');
            else if (c == QChar::Nbsp)
                c = QLatin1Char(' ');
        }
        return result;
    }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        if (boundary != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
        return lineText(shownLine(offset), startOffset, endOffset);
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        if (boundary != QAccessible::LineBoundary) {
            return QAccessibleTextInterface::textBeforeOffset(
                offset, boundary, startOffset, endOffset);
        }
        const int lineStart = shownLine(offset).first;
        if (lineStart <= 0)
            return lineText({ -1, -1 }, startOffset, endOffset);
        return lineText(shownLine(lineStart - 1), startOffset, endOffset);
    }

    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        if (boundary != QAccessible::LineBoundary) {
            return QAccessibleTextInterface::textAfterOffset(
                offset, boundary, startOffset, endOffset);
        }
        const int lineEnd = shownLine(offset).second;
        if (lineEnd < 0 || lineEnd >= characterCount())
            return lineText({ -1, -1 }, startOffset, endOffset);
        return lineText(shownLine(lineEnd), startOffset, endOffset);
    }

    int cursorPosition() const override { return view()->textCursor().position(); }

    void setCursorPosition(int position) override
    {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(qBound(0, position, characterCount()));
        view()->setTextCursor(cursor);
    }

    int selectionCount() const override { return view()->textCursor().hasSelection() ? 1 : 0; }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        const QTextCursor cursor = view()->textCursor();
        const bool there = selectionIndex == 0 && cursor.hasSelection();
        *startOffset = there ? cursor.selectionStart() : 0;
        *endOffset = there ? cursor.selectionEnd() : 0;
    }

    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }

    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor = view()->textCursor();
        cursor.clearSelection();
        view()->setTextCursor(cursor);
    }

    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(qBound(0, startOffset, characterCount()));
        cursor.setPosition(qBound(0, endOffset, characterCount()), QTextCursor::KeepAnchor);
        view()->setTextCursor(cursor);
    }

    QRect characterRect(int offset) const override
    {
        if (offset < 0 || offset >= characterCount())
            return QRect();
        QTextCursor at(document());
        at.setPosition(offset);
        QRect result = view()->cursorRect(at);
        QTextCursor next(document());
        next.setPosition(offset + 1);
        const QRect nextRect = view()->cursorRect(next);
        if (nextRect.top() == result.top() && nextRect.left() > result.left())
            result.setRight(nextRect.left() - 1);
        return QRect(view()->viewport()->mapToGlobal(result.topLeft()), result.size());
    }

    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint inView = view()->viewport()->mapFromGlobal(point);
        if (!view()->viewport()->rect().contains(inView))
            return -1;
        return view()->cursorForPosition(inView).position();
    }

    void scrollToSubstring(int startIndex, int endIndex) override
    {
        QTextCursor start(document());
        start.setPosition(qBound(0, startIndex, characterCount()));
        QTextCursor end(document());
        end.setPosition(qBound(0, endIndex, characterCount()));
        const QRect first = view()->cursorRect(start);
        const QRect last = view()->cursorRect(end);
        QScrollBar *bar = view()->verticalScrollBar();
        const int height = view()->viewport()->height();
        if (first.top() < 0 || last.height() > height)
            bar->setValue(bar->value() + first.top());
        else if (last.bottom() > height)
            bar->setValue(bar->value() + last.bottom() - height);
    }

    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        // No font attributes are told: the run is the character itself.
        *startOffset = qBound(0, offset, characterCount());
        *endOffset = qMin(*startOffset + 1, characterCount());
        return QString();
    }

private:
    QTextBrowser *view() const { return static_cast<QTextBrowser *>(widget()); }
    QTextDocument *document() const { return view()->document(); }

    QList<QWidget *> shownChildren() const
    {
        QList<QWidget *> result;
        for (QObject *object : view()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !child->isHidden() && child != view()->viewport())
                result << child;
        }
        return result;
    }

    // [start, end) of the line on screen that holds `offset`, its line end
    // included when the paragraph ends there; -1, -1 beyond the text.
    std::pair<int, int> shownLine(int offset) const
    {
        if (offset < 0 || offset > characterCount())
            return { -1, -1 };
        const QTextBlock block = document()->findBlock(offset);
        if (!block.isValid())
            return { -1, -1 };
        int start = block.position();
        int end = block.position() + block.length();
        const QTextLayout *layout = block.layout();
        const QTextLine line
            = layout ? layout->lineForTextPosition(offset - block.position()) : QTextLine();
        if (line.isValid()) {
            start = block.position() + line.textStart();
            if (line.lineNumber() + 1 < layout->lineCount())
                end = start + line.textLength();
        }
        return { start, qMin(end, characterCount()) };
    }

    QString lineText(std::pair<int, int> line, int *startOffset, int *endOffset) const
    {
        *startOffset = line.first;
        *endOffset = line.second;
        if (line.first < 0)
            return QString();
        return text(line.first, line.second);
    }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("PageView")) {
        if (auto *view = qobject_cast<QTextBrowser *>(object))
            return new PageText(view);
    }
    return nullptr;
}

} // namespace

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(interfaceFor);
}

} // namespace pageaccess
