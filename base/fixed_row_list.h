#pragma once

#include <QListView>

// A list box showing one column of a model, whose rows all have one height,
// laid out by arithmetic. A plain list view lays out every row again each
// time one is appended, so filling it gets slower the longer it grows (about
// 2 ms per append at 30 000 rows); here an append costs the same at any
// length, and a reset of any length costs nothing. The scroll bar counts
// pixels, a wheel step or an arrow moves whole rows.
class FixedRowList : public QListView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FixedRowList)

public:
    FixedRowList(int rowHeight, QWidget *parent);

    // The height a plain list gives a one-line row in the font and style of
    // `parent`, so a fixed-row list looks like any other.
    static int oneLineRowHeight(QWidget *parent);

    int rowHeight() const { return m_rowHeight; }
    int rowCount() const;
    // The row of the current index; -1 when there is none.
    int currentRow() const;

    QRect visualRect(const QModelIndex &index) const override;
    QModelIndex indexAt(const QPoint &point) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

protected slots:
    void rowsInserted(const QModelIndex &parent, int start, int end) override;

protected:
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    QSize viewportSizeHint() const override;
    void paintEvent(QPaintEvent *event) override;

private:
    int visibleRows() const;
    int rowAt(int y) const;
    QModelIndex rowIndex(int row) const;

    const int m_rowHeight;
};
