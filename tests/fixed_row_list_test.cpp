#include "base/fixed_row_list.h"

#include <QAccessible>
#include <QImage>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int RowHeight = 13;

// A shown list of `rows` numbered rows with room for ten of them: the second
// column of a table, as the log's lists show theirs.
struct ShownList
{
    explicit ShownList(int rows)
    {
        model.setColumnCount(2);
        list.setModel(&model);
        list.setModelColumn(1);
        list.resize(120, 10 * RowHeight + 2 * list.frameWidth());
        for (int row = 0; row < rows; ++row)
            add(row);
        list.show();
        QCoreApplication::processEvents();
    }

    void add(int row)
    {
        model.appendRow({ new QStandardItem(u"other"_s), new QStandardItem(QString::number(row)) });
    }

    QModelIndex index(int row) const { return model.index(row, 1); }

    QStandardItemModel model;
    FixedRowList list { RowHeight, nullptr };
};

// Whether anything but the background is painted inside the row's place.
bool rowShowsText(ShownList &shown, int row)
{
    FixedRowList &list = shown.list;
    const QRect place = list.visualRect(shown.index(row));
    const QImage image = list.viewport()->grab(place).toImage();
    const QRgb background = list.viewport()->palette().color(QPalette::Base).rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                return true;
    return false;
}

// Three lists side by side over one model: one as a plain list, one read
// as sentences, one only drawn that leaves the keyboard to the reading one.
struct ListsSideBySide
{
    ListsSideBySide()
    {
        for (int row = 0; row < 30; ++row)
            model.appendRow(new QStandardItem(QString::number(row)));
        for (FixedRowList *list : lists()) {
            list->setModel(&model);
            list->setGeometry(int(lists().indexOf(list)) * 100, 0, 100, 10 * RowHeight);
        }
        reading.readRowsAs([](int row) { return u"Row %1 of 30"_s.arg(row + 1); });
        drawn.leaveKeyboardTo(&reading);
        window.show();
    }

    QList<FixedRowList *> lists() { return { &plain, &reading, &drawn }; }

    QStandardItemModel model;
    QWidget window;
    FixedRowList plain { RowHeight, &window };
    FixedRowList reading { RowHeight, &window };
    FixedRowList drawn { RowHeight, &window };
};

// Every message Qt's accessibility prints while it lives.
struct AccessibilityMessages
{
    AccessibilityMessages()
    {
        printed().clear();
        previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &message) {
                if (message.contains(u"QAccessible"_s))
                    printed() << message;
            });
    }
    ~AccessibilityMessages() { qInstallMessageHandler(previous); }
    static QStringList &printed()
    {
        static QStringList messages;
        return messages;
    }
    QtMessageHandler previous = nullptr;
};

} // namespace

class FixedRowListTest : public QObject
{
    Q_OBJECT

private slots:
    void rowsStandOneRowHeightApart_data();
    void rowsStandOneRowHeightApart();
    void scrollingMovesWholeRows();
    void appendedRowsCanBeScrolledToAndArePainted();
    void clearingEmptiesTheScrollRange_data();
    void clearingEmptiesTheScrollRange();
    void clicksAndKeysPickRowsWhenAllowed();
    void listIsHeardAsItIsMeant_data();
    void listIsHeardAsItIsMeant();
};

void FixedRowListTest::rowsStandOneRowHeightApart_data()
{
    QTest::addColumn<int>("top"); // the row scrolled to the top
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("y"); // where the row starts in the viewport
    QTest::newRow("first") << 0 << 0 << 0;
    QTest::newRow("tenth") << 0 << 9 << 9 * RowHeight;
    QTest::newRow("below sight") << 0 << 12 << 12 * RowHeight;
    QTest::newRow("scrolled, top row") << 5 << 5 << 0;
    QTest::newRow("scrolled, above") << 5 << 2 << -3 * RowHeight;
    QTest::newRow("scrolled, last") << 10 << 19 << 9 * RowHeight;
}

void FixedRowListTest::rowsStandOneRowHeightApart()
{
    QFETCH(int, top);
    QFETCH(int, row);
    QFETCH(int, y);
    ShownList shown(20);
    FixedRowList &list = shown.list;
    list.verticalScrollBar()->setValue(top * RowHeight);

    const QRect place = list.visualRect(shown.index(row));
    QCOMPARE(place, QRect(0, y, list.viewport()->width(), RowHeight));
    const bool inSight = y >= 0 && y < list.viewport()->height();
    QCOMPARE(
        list.indexAt(QPoint(4, y + RowHeight / 2)), inSight ? shown.index(row) : QModelIndex());
}

void FixedRowListTest::scrollingMovesWholeRows()
{
    ShownList shown(25);
    FixedRowList &list = shown.list;
    QScrollBar *bar = list.verticalScrollBar();
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 15 * RowHeight); // 25 rows, 10 in sight
    QCOMPARE(bar->pageStep(), 10 * RowHeight);

    {
        const auto scrollTo = [&shown, &list](int row, QAbstractItemView::ScrollHint hint) {
            list.scrollTo(shown.index(row), hint);
            return list.verticalScrollBar()->value() / RowHeight; // the top row
        };
        bar->setValue(0);
        // Just below sight: it becomes the last row; above: the top row.
        QCOMPARE(scrollTo(17, QAbstractItemView::EnsureVisible), 8);
        QCOMPARE(scrollTo(3, QAbstractItemView::EnsureVisible), 3);
        QCOMPARE(scrollTo(6, QAbstractItemView::EnsureVisible), 3); // in sight already
        QCOMPARE(scrollTo(20, QAbstractItemView::PositionAtTop), 15);
        QCOMPARE(scrollTo(12, QAbstractItemView::PositionAtBottom), 3);
    }

    bar->setValue(0);
    QWheelEvent wheel(QPointF(5, 5), list.viewport()->mapToGlobal(QPointF(5, 5)), QPoint(),
        QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list.viewport(), &wheel);
    QCOMPARE(bar->value(), QApplication::wheelScrollLines() * RowHeight);
}

void FixedRowListTest::appendedRowsCanBeScrolledToAndArePainted()
{
    ShownList shown(0);
    FixedRowList &list = shown.list;
    for (int row = 0; row < 40; ++row) {
        shown.add(row);
        list.scrollToBottom();
        QCoreApplication::processEvents();
        QCOMPARE(list.verticalScrollBar()->maximum(), qMax(0, row + 1 - 10) * RowHeight);
        QCOMPARE(list.verticalScrollBar()->value(), list.verticalScrollBar()->maximum());
        QVERIFY(list.viewport()->rect().contains(list.visualRect(shown.index(row))));
    }
    QVERIFY(rowShowsText(shown, 39));
    QVERIFY(rowShowsText(shown, 30));
    list.scrollToTop();
    QVERIFY(rowShowsText(shown, 0));
}

void FixedRowListTest::clearingEmptiesTheScrollRange_data()
{
    QTest::addColumn<bool>("byReset");
    QTest::newRow("rows removed") << false;
    QTest::newRow("model reset") << true;
}

void FixedRowListTest::clearingEmptiesTheScrollRange()
{
    QFETCH(bool, byReset);
    ShownList shown(30);
    FixedRowList &list = shown.list;
    list.scrollToBottom();
    if (byReset)
        shown.model.clear();
    else
        shown.model.removeRows(0, shown.model.rowCount());
    QCoreApplication::processEvents();
    QCOMPARE(list.verticalScrollBar()->maximum(), 0);
    QCOMPARE(list.verticalScrollBar()->value(), 0);
    QCOMPARE(list.indexAt(QPoint(4, 4)), QModelIndex());
    shown.add(0);
    QCOMPARE(list.visualRect(shown.index(0)).top(), 0);
    QVERIFY(rowShowsText(shown, 0));
}

void FixedRowListTest::clicksAndKeysPickRowsWhenAllowed()
{
    ShownList shown(30);
    FixedRowList &list = shown.list;
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.verticalScrollBar()->setValue(4 * RowHeight);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(4, 2 * RowHeight + 3));
    QCOMPARE(list.currentRow(), 6);
    QCOMPARE(list.selectionModel()->selectedIndexes(), QModelIndexList({ shown.index(6) }));

    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.currentRow(), 7);
    QTest::keyClick(&list, Qt::Key_PageDown);
    QCOMPARE(list.currentRow(), 17);
    QCOMPARE(list.verticalScrollBar()->value(), 8 * RowHeight); // kept in sight
    QTest::keyClick(&list, Qt::Key_End);
    QCOMPARE(list.currentRow(), 29);
    QTest::keyClick(&list, Qt::Key_Home);
    QCOMPARE(list.currentRow(), 0);
    QCOMPARE(list.verticalScrollBar()->value(), 0);

    list.setSelectionMode(QAbstractItemView::NoSelection);
    list.clearSelection();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(4, 3));
    QVERIFY(list.selectionModel()->selectedIndexes().isEmpty());
}

void FixedRowListTest::listIsHeardAsItIsMeant_data()
{
    QTest::addColumn<int>("which"); // plain, reading, drawn
    QTest::addColumn<bool>("takesFocus");
    QTest::addColumn<QString>("thirdRowHeard");
    QTest::addColumn<int>("focusAfterClick"); // which list has the keyboard
    QTest::addColumn<QString>("told"); // the reading list's news after

    QTest::newRow("plain, as Qt hears it") << 0 << true << u"2"_s << 0 << QString();
    QTest::newRow("read as sentences") << 1 << true << u"Row 3 of 30"_s << 1 << u"Row 2 of 30"_s;
    QTest::newRow("only drawn") << 2 << false << u"2"_s << 1 << QString();
}

// A list read as sentences is heard row by row as its sentences and tells
// the row clicked; a list only drawn takes no focus, hands a click's
// keyboard to the reading list and is not focusable for a reader; a plain
// list stays as Qt makes it. The lists the program makes ask nothing of Qt
// that makes it print.
void FixedRowListTest::listIsHeardAsItIsMeant()
{
    QFETCH(int, which);
    QFETCH(bool, takesFocus);
    QFETCH(QString, thirdRowHeard);
    QFETCH(int, focusAfterClick);
    QFETCH(QString, told);

    AccessibilityMessages messages;
    ListsSideBySide side;
    QVERIFY(QTest::qWaitForWindowActive(&side.window));
    FixedRowList *list = side.lists().at(which);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(list);
    QCOMPARE(list->focusPolicy() != Qt::NoFocus, takesFocus);
    QCOMPARE(bool(face->state().focusable), takesFocus);
    QCOMPARE(face->childCount(), 30);
    QCOMPARE(face->child(2)->text(QAccessible::Name), thirdRowHeard);
    QCOMPARE(face->indexOfChild(face->child(2)), 2);
    if (which != 0) {
        // Only rows are children; the viewport and scroll bars are not.
        for (QWidget *part : list->findChildren<QWidget *>()) {
            if (QAccessibleInterface *partFace = QAccessible::queryAccessibleInterface(part))
                QCOMPARE(face->indexOfChild(partFace), -1);
        }
        QVERIFY2(messages.printed().isEmpty(), qPrintable(messages.printed().join(u'\n')));
    }

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(4, RowHeight + 3));
    QCoreApplication::processEvents(); // the row is told once the focus has settled
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(QApplication::focusWidget(), side.lists().at(focusAfterClick));
    QCOMPARE(side.reading.accessibleDescription(), told);
}

QTEST_MAIN(FixedRowListTest)
#include "fixed_row_list_test.moc"
