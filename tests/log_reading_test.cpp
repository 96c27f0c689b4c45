#include "app/main_window.h"
#include "tests/test_support.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using testsupport::named;

namespace {

const char *const LogColumns[]
    = { "lstLogNum1", "lstLogOper", "lstLogNum2", "lstLogYourAn", "lstLogCorrAn", "lstLogRW" };

// The one list of the log that the keyboard and a screen reader know.
QListView *heardLog(MainWindow &window)
{
    return named<QListView>(&window, u"lstLogNum1"_s);
}

// Five answered problems, the fourth left empty, and the panel shown.
void answerFiveAndShowReport(MainWindow &window)
{
    struct Problem
    {
        float first;
        float second;
        qint16 operation;
        QString typed;
    };
    const Problem problems[] = { { 3, 4, 1, u"7"_s }, { 9, 3, 2, u"5"_s }, { 6, 7, 3, u"42"_s },
        { 8, 2, 4, QString() }, { 2, 2, 1, u"4"_s } };
    for (const Problem &problem : problems) {
        testsupport::setPracticeProblem(window, problem.first, problem.second, problem.operation);
        testsupport::answerPractice(window, problem.typed);
    }
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
}

// Tab (or Shift+Tab) on from the focus until it comes round again: every
// control reached, in order.
QList<QWidget *> tabRound(Qt::Key key)
{
    QList<QWidget *> reached;
    for (int press = 0; press < 200; ++press) {
        QWidget *focused = QApplication::focusWidget();
        if (!focused || (!reached.isEmpty() && focused == reached.first()))
            break;
        reached << focused;
        QTest::keyClick(focused, key);
    }
    return reached;
}

QString description(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Description);
}

// Asks every control of `root`, down to viewports and scroll bars, what a
// desktop bridge asks of an object it hears of: its name, state and place,
// and where it stands among its parent's children, up to the window.
void askWhereEachStands(QWidget *root)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets << root;
    for (QWidget *widget : std::as_const(widgets)) {
        for (QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget); face;) {
            face->text(QAccessible::Name);
            face->state();
            face->rect();
            QAccessibleInterface *up = face->parent();
            if (up)
                up->indexOfChild(face);
            face = up;
        }
    }
}

// Every message Qt's accessibility prints while it lives.
struct AccessibilityMessages
{
    AccessibilityMessages() { previous = qInstallMessageHandler(note); }
    ~AccessibilityMessages() { qInstallMessageHandler(previous); }
    static void note(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        if (message.contains(u"QAccessible"_s))
            printed() << message;
    }
    static QStringList &printed()
    {
        static QStringList messages;
        return messages;
    }
    QtMessageHandler previous = nullptr;
};

// Reads the whole accessible tree below `face` as a bridge lists it.
void walk(QAccessibleInterface *face, int depth = 0)
{
    for (int i = 0; i < face->childCount() && depth < 8; ++i) {
        QAccessibleInterface *child = face->child(i);
        QVERIFY(child);
        QCOMPARE(face->indexOfChild(child), i);
        child->text(QAccessible::Name);
        child->state();
        walk(child, depth + 1);
    }
}

} // namespace

class LogReadingTest : public QObject
{
    Q_OBJECT

private slots:
    void logIsOneStopAndHidesTheScreenBehind_data();
    void logIsOneStopAndHidesTheScreenBehind();
    void rowsAreHeardAsOneList();
    void movingThePickTellsTheRow_data();
    void movingThePickTellsTheRow();
    void accessibilityPrintsNoWarnings();
    void showingTheReportSaysHowManyAnswers_data();
    void showingTheReportSaysHowManyAnswers();
};

void LogReadingTest::logIsOneStopAndHidesTheScreenBehind_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("tab") << Qt::Key_Tab;
    QTest::newRow("shift+tab") << Qt::Key_Backtab;
}

// While the report panel shows, the six lists are one stop of the Tab order
// and nothing of the browser panel under it is reached; put away, the
// browser panel is reached again.
void LogReadingTest::logIsOneStopAndHidesTheScreenBehind()
{
    QFETCH(Qt::Key, key);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    answerFiveAndShowReport(window);
    auto *behind = named<QWidget>(&window, u"fraMyBrowser"_s);
    named<QLineEdit>(&window, u"txtNameReport"_s)->setFocus();

    const QList<QWidget *> reached = tabRound(key);
    QStringList logStops;
    for (QWidget *widget : reached) {
        QVERIFY2(!behind->isAncestorOf(widget), qPrintable(widget->objectName()));
        if (qobject_cast<QListView *>(widget))
            logStops << widget->objectName();
    }
    QCOMPARE(logStops, QStringList { u"lstLogNum1"_s });

    testsupport::invokeHandler(&window, "mnuOptHideReport_Click");
    named<QLineEdit>(&window, u"txtAnswer"_s)->setFocus();
    bool behindReached = false;
    for (QWidget *widget : tabRound(key))
        behindReached = behindReached || behind->isAncestorOf(widget);
    QVERIFY(behindReached);
}

// The log is one list whose rows are sentences; the lists only drawn are
// not among the panel's children and take no focus.
void LogReadingTest::rowsAreHeardAsOneList()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    answerFiveAndShowReport(window);
    QAccessibleInterface *panel
        = QAccessible::queryAccessibleInterface(named<QWidget>(&window, u"fraLog"_s));
    QStringList listsHeard;
    for (int i = 0; i < panel->childCount(); ++i) {
        if (qobject_cast<QListView *>(panel->child(i)->object()))
            listsHeard << panel->child(i)->object()->objectName();
    }
    QCOMPARE(listsHeard, QStringList { u"lstLogNum1"_s });
    for (const char *name : LogColumns) {
        auto *list = named<QListView>(&window, QString::fromLatin1(name));
        const bool heard = list == heardLog(window);
        QCOMPARE(list->focusPolicy() != Qt::NoFocus, heard);
        QCOMPARE(bool(QAccessible::queryAccessibleInterface(list)->state().focusable), heard);
    }

    QAccessibleInterface *log = QAccessible::queryAccessibleInterface(heardLog(window));
    QCOMPARE(log->role(), QAccessible::List);
    QVERIFY(!log->text(QAccessible::Name).isEmpty());
    QCOMPARE(log->childCount(), 5);
    for (int row = 0; row < 5; ++row) {
        QAccessibleInterface *item = log->child(row);
        QCOMPARE(item->role(), QAccessible::ListItem);
        QCOMPARE(log->indexOfChild(item), row);
        QCOMPARE(item->parent()->object(), static_cast<QObject *>(heardLog(window)));
        QVERIFY(!item->state().invisible);
    }
    QCOMPARE(log->child(3)->text(QAccessible::Name),
        u"Row 4: 8 divided by 2, you answered nothing, right answer 4, Wrong"_s);

    QMetaObject::invokeMethod(named<QPushButton>(&window, u"cmdClearReport"_s), "click");
    QCOMPARE(log->childCount(), 0);
    QVERIFY(!description(heardLog(window)).startsWith(u"Row"_s));
}

void LogReadingTest::movingThePickTellsTheRow_data()
{
    QTest::addColumn<QByteArray>("column"); // clicked, or tabbed into when empty
    QTest::addColumn<int>("clickedRow");
    QTest::addColumn<Qt::Key>("key"); // then pressed
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("row"); // current in all six after
    QTest::addColumn<QString>("told");

    const QString first = u"Row 1: 3 plus 4, you answered 7, right answer 7, Right"_s;
    const QString third = u"Row 3: 6 times 7, you answered 42, right answer 42, Right"_s;
    const QString last = u"Row 5: 2 plus 2, you answered 4, right answer 4, Right"_s;
    QTest::newRow("tab in") << QByteArray() << -1 << Qt::Key_Down << 0 << 0 << first;
    QTest::newRow("tab in, down twice") << QByteArray() << -1 << Qt::Key_Down << 2 << 2 << third;
    QTest::newRow("click a verdict")
        << QByteArray("lstLogRW") << 2 << Qt::Key_Down << 0 << 2 << third;
    QTest::newRow("click a sign, then down")
        << QByteArray("lstLogOper") << 1 << Qt::Key_Down << 1 << 2 << third;
    QTest::newRow("click the heard list, then up")
        << QByteArray("lstLogNum1") << 3 << Qt::Key_Up << 1 << 2 << third;
    QTest::newRow("end") << QByteArray("lstLogCorrAn") << 1 << Qt::Key_End << 1 << 4 << last;
    QTest::newRow("home") << QByteArray("lstLogNum2") << 3 << Qt::Key_Home << 1 << 0 << first;
    QTest::newRow("page down") << QByteArray("lstLogYourAn") << 0 << Qt::Key_PageDown << 1 << 4
                               << last;
    QTest::newRow("page up") << QByteArray("lstLogRW") << 4 << Qt::Key_PageUp << 1 << 0 << first;
    QTest::newRow("down stops at the end")
        << QByteArray("lstLogRW") << 3 << Qt::Key_Down << 3 << 4 << last;
}

// Wherever the pupil picks, the keyboard is on the one heard list, every
// move lights the row in all six, and the reader is told that row: it is
// the focused child of the heard list, and its sentence is the news. The
// lists only drawn have no focused row.
void LogReadingTest::movingThePickTellsTheRow()
{
    QFETCH(QByteArray, column);
    QFETCH(int, clickedRow);
    QFETCH(Qt::Key, key);
    QFETCH(int, presses);
    QFETCH(int, row);
    QFETCH(QString, told);

    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    answerFiveAndShowReport(window);
    if (column.isEmpty()) {
        for (int press = 0; press < 20 && QApplication::focusWidget() != heardLog(window); ++press)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } else {
        auto *clicked = named<QListView>(&window, QString::fromLatin1(column));
        const QRect cell = testsupport::rowRect(clicked, clickedRow);
        QTest::mouseClick(
            clicked->viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 4, cell.center().y()));
    }
    QCOMPARE(QApplication::focusWidget(), heardLog(window));
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(QApplication::focusWidget(), key);
    QCoreApplication::processEvents(); // the row is told once the focus has settled

    for (const char *name : LogColumns) {
        QCOMPARE(
            testsupport::currentRow(named<QListView>(&window, QString::fromLatin1(name))), row);
    }
    QCOMPARE(description(heardLog(window)), told);
    for (const char *name : LogColumns) {
        auto *list = named<QListView>(&window, QString::fromLatin1(name));
        QAccessibleInterface *focused = QAccessible::queryAccessibleInterface(list)->focusChild();
        if (list != heardLog(window)) {
            QVERIFY2(!focused && !list->hasFocus(), name);
            continue;
        }
        QVERIFY(focused);
        QCOMPARE(focused->text(QAccessible::Name), told);
        QVERIFY(focused->state().focused);
    }
}

// Qt's accessibility prints nothing while the log is shown, grown, picked,
// cleared and put away, with a reader asking what a bridge asks. (Offscreen
// Qt passes no accessibility event on, so the test asks for each object.)
void LogReadingTest::accessibilityPrintsNoWarnings()
{
    AccessibilityMessages messages;
    AccessibilityMessages::printed().clear();
    {
        testsupport::TutorFixture fixture;
        MainWindow &window = fixture.window();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *logPanel = named<QWidget>(&window, u"fraLog"_s);
        QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(logPanel);
        const auto askAll = [logPanel, panel]() {
            walk(panel);
            askWhereEachStands(logPanel);
        };
        answerFiveAndShowReport(window);
        askAll();
        // Enough rows to scroll the six lists together.
        testsupport::fillLog(window, 60);
        testsupport::answerPractice(window, u"1"_s);
        askAll();
        auto *verdicts = named<QListView>(&window, u"lstLogRW"_s);
        QTest::mouseClick(
            verdicts->viewport(), Qt::LeftButton, {}, testsupport::rowRect(verdicts, 2).center());
        for (Qt::Key key : { Qt::Key_Down, Qt::Key_End, Qt::Key_PageUp, Qt::Key_Home })
            QTest::keyClick(QApplication::focusWidget(), key);
        QCoreApplication::processEvents();
        askAll();
        QMetaObject::invokeMethod(named<QPushButton>(&window, u"cmdClearReport"_s), "click");
        askAll();
        testsupport::invokeHandler(&window, "mnuOptHideReport_Click");
        askAll();
    }
    QVERIFY2(AccessibilityMessages::printed().isEmpty(),
        qPrintable(AccessibilityMessages::printed().join(u'\n')));
}

void LogReadingTest::showingTheReportSaysHowManyAnswers_data()
{
    QTest::addColumn<int>("answers");
    QTest::addColumn<bool>("fromBehind"); // the keyboard on the page the panel covers
    QTest::addColumn<bool>("byClear"); // "Clear Report" shows the panel anew
    QTest::addColumn<QString>("told");
    QTest::newRow("none yet") << 0 << false << false << u"Report shown: no answers yet."_s;
    QTest::newRow("one") << 1 << false << false << u"Report shown: 1 answer."_s;
    QTest::newRow("three") << 3 << false << false << u"Report shown: 3 answers."_s;
    QTest::newRow("from the start page") << 2 << true << false << u"Report shown: 2 answers."_s;
    QTest::newRow("cleared") << 3 << false << true << u"Report shown: no answers yet."_s;
}

// "Show Report" tells the control the keyboard is on what the panel holds,
// after the keyboard has left the page the panel covers.
void LogReadingTest::showingTheReportSaysHowManyAnswers()
{
    QFETCH(int, answers);
    QFETCH(bool, fromBehind);
    QFETCH(bool, byClear);
    QFETCH(QString, told);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (int i = 0; i < answers; ++i)
        testsupport::answerPractice(window, u"1"_s);
    auto *behind = named<QWidget>(&window, u"fraMyBrowser"_s);
    if (fromBehind) {
        for (QWidget *widget : behind->findChildren<QWidget *>()) {
            if (widget->focusPolicy() & Qt::TabFocus) {
                widget->setFocus();
                break;
            }
        }
        QVERIFY(behind->isAncestorOf(QApplication::focusWidget()));
    }
    QVERIFY(testsupport::invokeHandler(&window, "mnuOptShowReport_Click"));
    if (byClear) {
        auto *clear = named<QPushButton>(&window, u"cmdClearReport"_s);
        clear->setFocus();
        QTest::keyClick(clear, Qt::Key_Space);
    }
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused && !behind->isAncestorOf(focused));
    QCOMPARE(description(focused), told);
}

QTEST_MAIN(LogReadingTest)
#include "log_reading_test.moc"
