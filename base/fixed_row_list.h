#pragma once

#include <QListView>
#include <QPointer>

#include <functional>

class QAccessibleInterface;

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

    // Side-by-side lists that read as one table take one stop of the
    // keyboard and one voice: this list. A screen reader hears its rows as
    // `sentence` makes them from the row number (0 first), and each move of
    // the current row while it has the focus as that row's sentence.
    void readRowsAs(std::function<QString(int row)> sentence);
    // This list is only drawn: it takes no focus, assistive technology hears
    // nothing of it, and a click on one of its rows hands the keyboard to
    // `stop`, which reads the rows for it.
    void leaveKeyboardTo(FixedRowList *stop);
    // What a screen reader hears of a row: the sentence given, else the
    // row's own text.
    QString spokenRow(int row) const;
    bool isDrawnOnly() const { return !m_stop.isNull(); }

    QRect visualRect(const QModelIndex &index) const override;
    QModelIndex indexAt(const QPoint &point) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;
    void reset() override;

protected slots:
    void rowsInserted(const QModelIndex &parent, int start, int end) override;

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(
        const QItemSelection &selected, const QItemSelection &deselected) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    QSize viewportSizeHint() const override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int visibleRows() const;
    int rowAt(int y) const;
    QModelIndex rowIndex(int row) const;
    bool speaksForItself() const { return !m_sentence && m_stop.isNull(); }
    void tellRow(int row);
    void forgetInterface();
    static QAccessibleInterface *accessibleFace(const QString &className, QObject *object);

    // Rows grow with the picture the list is drawn in, as its font does.
    const int m_designRowHeight;
    int m_rowHeight;
    std::function<QString(int row)> m_sentence;
    QPointer<FixedRowList> m_stop;
    bool m_entering = false; // taking the focus, which tells the row after
    bool m_rowToTell = false; // the focus came and no row was told since
};
