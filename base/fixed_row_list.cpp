#include "base/fixed_row_list.h"

#include "base/accessibility.h"
#include "base/scaled_picture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QHash>
#include <QItemSelection>
#include <QListWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QWindow>

namespace {

// One row of a list as assistive technology knows it: one sentence.
class RowFace : public QAccessibleInterface
{
public:
    RowFace(FixedRowList *list, int row)
        : m_list(list)
        , m_row(row)
    { }

    bool isValid() const override { return m_list && m_row < m_list->rowCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_list ? QAccessible::queryAccessibleInterface(m_list) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_list->spokenRow(m_row) : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect place = m_list->visualRect(index());
        return QRect(m_list->viewport()->mapToGlobal(place.topLeft()), place.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State result;
        if (!isValid())
            return result;
        // A row is heard as showing only where the list shows it.
        const QRect place = m_list->visualRect(index());
        result.invisible = !m_list->isVisible() || !m_list->viewport()->rect().intersects(place);
        result.offscreen = result.invisible;
        result.selectable = true;
        result.selected = m_list->selectionModel() && m_list->selectionModel()->isSelected(index());
        if (!m_list->isDrawnOnly()) {
            result.focusable = true;
            result.focused = m_list->hasFocus() && m_list->currentRow() == m_row;
        }
        return result;
    }

    int row() const { return m_row; }
    const FixedRowList *list() const { return m_list; }

private:
    QModelIndex index() const
    {
        return m_list->model()->index(m_row, m_list->modelColumn(), m_list->rootIndex());
    }

    QPointer<FixedRowList> m_list;
    const int m_row;
};

// A list whose accessible children are its rows and nothing else: its
// viewport and its scroll bars are not heard (Qt's own list warns when
// asked where they stand among its rows).
class RowListFace : public QAccessibleWidget
{
public:
    explicit RowListFace(FixedRowList *list)
        : QAccessibleWidget(list, QAccessible::List)
    { }

    ~RowListFace() override
    {
        for (const QAccessible::Id id : std::as_const(m_rows))
            QAccessible::deleteAccessibleInterface(id);
    }

    QAccessible::State state() const override
    {
        QAccessible::State result = QAccessibleWidget::state();
        if (list()->isDrawnOnly()) {
            result.focusable = false;
            result.focused = false;
        }
        return result;
    }

    int childCount() const override { return list()->rowCount(); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        const auto known = m_rows.constFind(index);
        if (known != m_rows.constEnd())
            return QAccessible::accessibleInterface(*known);
        auto *row = new RowFace(list(), index);
        m_rows.insert(index, QAccessible::registerAccessibleInterface(row));
        return row;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *row = dynamic_cast<const RowFace *>(child);
        return row && row->list() == list() && row->isValid() ? row->row() : -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint point = list()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = list()->indexAt(point);
        return index.isValid() ? child(index.row()) : nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        return list()->hasFocus() ? child(list()->currentRow()) : nullptr;
    }

private:
    FixedRowList *list() const { return static_cast<FixedRowList *>(widget()); }

    // Rows are places, not records: row 4 stays row 4 whatever it holds, so
    // an interface made for a row serves it until the list goes.
    mutable QHash<int, QAccessible::Id> m_rows;
};

} // namespace

FixedRowList::FixedRowList(int rowHeight, QWidget *parent)
    : QListView(parent)
    , m_designRowHeight(qMax(1, rowHeight))
    , m_rowHeight(m_designRowHeight)
{
    setUniformItemSizes(true);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void FixedRowList::readRowsAs(std::function<QString(int row)> sentence)
{
    m_sentence = std::move(sentence);
    forgetInterface();
}

void FixedRowList::leaveKeyboardTo(FixedRowList *stop)
{
    m_stop = stop;
    setFocusPolicy(Qt::NoFocus);
    forgetInterface();
}

// An interface Qt made before the list chose how it is heard gives way to
// the list's own.
void FixedRowList::forgetInterface()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(accessibleFace);
    }
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(this);
    if (face && !dynamic_cast<RowListFace *>(face)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
        QAccessible::queryAccessibleInterface(this);
    }
}

QAccessibleInterface *FixedRowList::accessibleFace(const QString &className, QObject *object)
{
    if (className != QLatin1String("FixedRowList"))
        return nullptr;
    auto *list = qobject_cast<FixedRowList *>(object);
    // A list that speaks for itself keeps Qt's own interface.
    return list && !list->speaksForItself() ? new RowListFace(list) : nullptr;
}

QString FixedRowList::spokenRow(int row) const
{
    if (row < 0 || row >= rowCount())
        return QString();
    return m_sentence ? m_sentence(row) : rowIndex(row).data().toString();
}

void FixedRowList::tellRow(int row)
{
    if (row < 0 || row >= rowCount() || !hasFocus())
        return;
    m_rowToTell = false;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(row);
    QAccessible::updateAccessibility(&focus);
    access::announce(this, spokenRow(row));
}

// Qt's list tells a new current row and each pick by the row's place in its
// own item layout, which this list does not keep; a list read as sentences
// tells the row itself, a list only drawn tells nothing.
void FixedRowList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (speaksForItself()) {
        QListView::currentChanged(current, previous);
        return;
    }
    QAbstractItemView::currentChanged(current, previous);
    if (m_sentence && !m_entering && current.isValid())
        tellRow(current.row());
}

void FixedRowList::selectionChanged(
    const QItemSelection &selected, const QItemSelection &deselected)
{
    if (speaksForItself())
        QListView::selectionChanged(selected, deselected);
    else
        QAbstractItemView::selectionChanged(selected, deselected);
}

// Qt says the list has the focus after this returns; the current row is
// told after that, so the reader ends on the row, unless a click told one
// in between.
void FixedRowList::focusInEvent(QFocusEvent *event)
{
    {
        const QScopedValueRollback<bool> entering(m_entering, true);
        QListView::focusInEvent(event);
    }
    if (m_sentence) {
        m_rowToTell = true;
        QMetaObject::invokeMethod(
            this,
            [this]() {
                if (m_rowToTell)
                    tellRow(currentRow());
            },
            Qt::QueuedConnection);
    }
}

void FixedRowList::mousePressEvent(QMouseEvent *event)
{
    QListView::mousePressEvent(event);
    if (m_stop && isEnabled())
        m_stop->setFocus(Qt::MouseFocusReason);
}

// Rows that went take their last sentence with them.
void FixedRowList::reset()
{
    QListView::reset();
    if (m_sentence)
        setAccessibleDescription(QString());
}

void FixedRowList::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        const int height = qMax(1, qRound(m_designRowHeight * designscale::factorAt(this)));
        if (height != m_rowHeight) {
            // The row at the top stays there.
            const int top = verticalScrollBar()->value() / m_rowHeight;
            m_rowHeight = height;
            updateGeometries();
            verticalScrollBar()->setValue(top * m_rowHeight);
            viewport()->update();
        }
    }
    QListView::changeEvent(event);
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
