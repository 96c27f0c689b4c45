#include "base/fixed_row_list.h"

#include <QItemSelection>
#include <QListWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>

FixedRowList::FixedRowList(int rowHeight, QWidget *parent)
    : QListView(parent)
    , m_rowHeight(qMax(1, rowHeight))
{
    setUniformItemSizes(true);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int FixedRowList::oneLineRowHeight(QWidget *parent)
{
    QListWidget probe(parent);
    probe.addItem(QStringLiteral("0"));
    return probe.sizeHintForRow(0);
}

int FixedRowList::rowCount() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int FixedRowList::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

QModelIndex FixedRowList::rowIndex(int row) const
{
    return model()->index(row, modelColumn(), rootIndex());
}

int FixedRowList::visibleRows() const
{
    return qMax(1, viewport()->height() / m_rowHeight);
}

// The row under a point of the viewport; -1 above the first row.
int FixedRowList::rowAt(int y) const
{
    const int position = y + verticalOffset();
    return position < 0 ? -1 : position / m_rowHeight;
}

QRect FixedRowList::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.parent() != rootIndex())
        return QRect();
    return QRect(-horizontalOffset(), index.row() * m_rowHeight - verticalOffset(),
        viewport()->width(), m_rowHeight);
}

QModelIndex FixedRowList::indexAt(const QPoint &point) const
{
    const int row = rowAt(point.y());
    if (row < 0 || row >= rowCount() || !viewport()->rect().contains(point))
        return QModelIndex();
    return rowIndex(row);
}

void FixedRowList::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    const int top = index.row() * m_rowHeight;
    const int offset = verticalOffset();
    const int height = viewport()->height();
    int newOffset = offset;
    switch (hint) {
    case EnsureVisible:
        if (top < offset)
            newOffset = top;
        else if (top + m_rowHeight > offset + height)
            newOffset = top + m_rowHeight - height;
        break;
    case PositionAtTop:
        newOffset = top;
        break;
    case PositionAtBottom:
        newOffset = top + m_rowHeight - height;
        break;
    case PositionAtCenter:
        newOffset = top - (height - m_rowHeight) / 2;
        break;
    }
    verticalScrollBar()->setValue(newOffset);
}

// The list view would place every row again here; the places need no work.
void FixedRowList::doItemsLayout()
{
    QAbstractItemView::doItemsLayout();
}

void FixedRowList::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    viewport()->update();
}

int FixedRowList::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int FixedRowList::verticalOffset() const
{
    return verticalScrollBar()->value();
}

QModelIndex FixedRowList::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    const int rows = rowCount();
    if (rows == 0)
        return QModelIndex();
    int row = currentRow();
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        --row;
        break;
    case MoveDown:
    case MoveNext:
        ++row;
        break;
    case MovePageUp:
        row -= visibleRows();
        break;
    case MovePageDown:
        row += visibleRows();
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = rows - 1;
        break;
    default:
        break;
    }
    return rowIndex(qBound(0, row, rows - 1));
}

void FixedRowList::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    if (!selectionModel())
        return;
    const QRect area = rect.normalized();
    const int top = qMax(0, rowAt(area.top()));
    const int bottom = qMin(rowCount() - 1, rowAt(area.bottom()));
    QItemSelection selection;
    if (top <= bottom)
        selection.select(rowIndex(top), rowIndex(bottom));
    selectionModel()->select(selection, command);
}

QRegion FixedRowList::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    for (const QItemSelectionRange &range : selection) {
        if (range.parent() == rootIndex())
            region += QRect(0, range.top() * m_rowHeight - verticalOffset(), viewport()->width(),
                range.height() * m_rowHeight);
    }
    return region;
}

void FixedRowList::updateGeometries()
{
    const int height = viewport()->height();
    verticalScrollBar()->setSingleStep(m_rowHeight);
    verticalScrollBar()->setPageStep(height);
    verticalScrollBar()->setRange(0, qMax(0, rowCount() * m_rowHeight - height));
    horizontalScrollBar()->setRange(0, 0);
    QAbstractItemView::updateGeometries();
}

void FixedRowList::scrollContentsBy(int, int)
{
    viewport()->update();
}

QSize FixedRowList::viewportSizeHint() const
{
    return QSize(viewport()->width(), rowCount() * m_rowHeight);
}

// Paints only the rows in sight, whatever the list's length.
void FixedRowList::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QRect area = event->rect();
    const int last = qMin(rowCount() - 1, rowAt(area.bottom()));
    for (int row = qMax(0, rowAt(area.top())); row <= last; ++row) {
        const QModelIndex index = rowIndex(row);
        QStyleOptionViewItem rowOption = option;
        rowOption.rect = visualRect(index);
        if (selectionModel() && selectionModel()->isSelected(index))
            rowOption.state |= QStyle::State_Selected;
        itemDelegate()->paint(&painter, rowOption, index);
    }
}
