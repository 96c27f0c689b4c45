#include "app/main_window.h"
#include "base/colour_contrast.h"
#include "tests/test_support.h"
#include "tests/worksheet_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using namespace worksheettest;
using testsupport::named;

namespace {

const QString ClearedMessage = u"Current Worksheet Cleared  --  Ready to create new worksheet."_s;

const char *const ListNames[]
    = { "lstWorksheetNum1", "lstWorksheetOper", "lstWorksheetNum2", "lstWorksheetAnswer" };

QListView *list(MainWindow &window, const char *name)
{
    return named<QListView>(&window, QString::fromLatin1(name));
}

QString labelText(MainWindow &window, const char *name)
{
    return named<QLabel>(&window, QString::fromLatin1(name))->text();
}

QStringList rowOnScreen(MainWindow &window, int row)
{
    QStringList entries;
    for (const char *name : ListNames)
        entries << testsupport::listText(list(window, name), row);
    return entries;
}

// The colour the window shows inside a text box, right of any text.
QRgb shownBackground(MainWindow &window, QWidget *box)
{
    const QPoint inside = box->mapTo(&window, QPoint(box->width() - 6, box->height() / 2));
    return window.grab().toImage().pixel(inside);
}

// How well the text in a box stands out as the window shows it: its most
// distinct pixel (the full colour of a stroke) against the box's background.
double shownTextContrast(MainWindow &window, QLineEdit *box)
{
    const QRgb background = shownBackground(window, box);
    const QImage shot = window.grab().toImage();
    // Inside the frame, which is drawn in a colour of its own.
    const QRect inside = QRect(box->mapTo(&window, QPoint()), box->size()).adjusted(3, 3, -3, -3);
    double best = 1;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            best = std::max(best,
                tutor::contrastRatio(
                    QColor::fromRgb(shot.pixel(x, y)), QColor::fromRgb(background)));
    return best;
}

void wheel(QListView *list, int notches)
{
    const QPointF inside(5, 5);
    QWheelEvent event(inside, list->viewport()->mapToGlobal(inside), QPoint(),
        QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list->viewport(), &event);
}

} // namespace

class WorksheetScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void everyHandlerExistsOnce_data();
    void everyHandlerExistsOnce();
    void enteringShowsAnEmptyWorksheetWithNothingPicked();
    void screenFitsTheWindowWithoutOverlaps();
    void rowNumbersStandBesideTheirRows_data();
    void rowNumbersStandBesideTheirRows();

    void createProblemWaitsForBothPicks_data();
    void createProblemWaitsForBothPicks();
    void levelPickWorksWhileDivisionDisablesItsMenuItem();
    void divisionRowsRoundTheirAnswers();
    void picksChooseLikeTheMenusAndLastAfterLeaving();

    void eachCreateAddsOneRowAndShowsIt();
    void listsOnlyDisplayButScrollTogether();
    void subtractionRowsAreNeverNegative();
    void aMixedWorksheetKeepsEarlierRows();
    void fullWorksheetTakesNoMoreProblems();

    void clearEmptiesTheWorksheetAndSaysSo();
    void optionalInformationUnlocksTheFieldsAndShowsScoreCard();
    void reenteringClearsButKeepsTheOptionalInformation();
};

void WorksheetScreenTest::everyHandlerExistsOnce_data()
{
    QTest::addColumn<QByteArray>("handler");
    for (const char *handler :
        { "cmbDifficulty_Click", "cmbOperation_Click", "cmdCreateProblem_Click",
            "cmdClearWorksheet_Click", "chkIncludeOptional_Click", "tmrWorksheet_Timer",
            "cmdSaveWorksheet_Click", "cmdSaveAnswer_Click", "cmdPrintWorksheet_Click" })
        QTest::newRow(handler) << QByteArray(handler);
}

void WorksheetScreenTest::everyHandlerExistsOnce()
{
    QFETCH(QByteArray, handler);
    testsupport::TutorFixture fixture;
    QVERIFY(testsupport::handlerOwner(&fixture.window(), handler.constData()));
}

void WorksheetScreenTest::enteringShowsAnEmptyWorksheetWithNothingPicked()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    enterWorksheet(window);

    for (const char *name : ListNames)
        QCOMPARE(testsupport::listRowCount(list(window, name)), 0);
    QCOMPARE(labelText(window, "lblProblemNum"), u"0"_s);
    QCOMPARE(window.state().WorksheetProblemCount, qint16(0));
    QCOMPARE(message(window), ClearedMessage);
    QVERIFY(!button(window, "cmdCreateProblem")->isEnabled());
    // Nothing to print yet.
    QVERIFY(!button(window, "cmdPrintWorksheet")->isEnabled());
    for (const char *name : { "cmdClearWorksheet", "cmdSaveWorksheet", "cmdSaveAnswer" })
        QVERIFY2(button(window, name)->isEnabled(), name);
    QCOMPARE(window.focusWidget(), button(window, "cmdClearWorksheet"));

    auto *difficulty = named<QComboBox>(&window, u"cmbDifficulty"_s);
    auto *operation = named<QComboBox>(&window, u"cmbOperation"_s);
    QStringList levels;
    for (int i = 0; i < difficulty->count(); ++i)
        levels << difficulty->itemText(i);
    QCOMPARE(levels,
        QStringList(
            { u"Warm Up"_s, u"Beginner"_s, u"Intermediate"_s, u"Advanced"_s, u"Expert"_s }));
    QStringList operations;
    for (int i = 0; i < operation->count(); ++i)
        operations << operation->itemText(i);
    QCOMPARE(operations, QStringList({ u"Addition"_s, u"Subtraction"_s, u"Multiplication"_s }));
    QCOMPARE(difficulty->currentIndex(), -1);
    QCOMPARE(operation->currentIndex(), -1);
    // Filling the lists chose nothing.
    QCOMPARE(window.state().LevelCode, qint16(0));
    QCOMPARE(window.state().OperationCode, qint16(1));
    QVERIFY(window.state().WorksheetLevelChosen.isEmpty());
    QVERIFY(window.state().WorksheetOperationChosen.isEmpty());

    // Entering twice does not add the entries twice.
    enterWorksheet(window);
    QCOMPARE(difficulty->count(), 5);
    QCOMPARE(operation->count(), 3);
}

void WorksheetScreenTest::screenFitsTheWindowWithoutOverlaps()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    enterWorksheet(window);
    auto *screen = named<QFrame>(&window, u"fraWorksheet"_s);
    const QRect client = window.centralWidget()->rect();

    const QList<QWidget *> controls
        = screen->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 28);
    for (QWidget *control : controls) {
        const QRect place
            = control->geometry().translated(screen->mapTo(window.centralWidget(), QPoint()));
        QVERIFY2(client.contains(place), qPrintable(control->objectName()));
        // Captions are shown whole.
        if (qobject_cast<QLabel *>(control) || qobject_cast<QAbstractButton *>(control))
            QVERIFY2(
                control->sizeHint().width() <= control->width(), qPrintable(control->objectName()));
        for (QWidget *other : controls) {
            if (other != control)
                QVERIFY2(!control->geometry().intersects(other->geometry()),
                    qPrintable(control->objectName() + u" and "_s + other->objectName()));
        }
    }

    // Left to right: settings, buttons, lists.
    const int settingsRight = named<QComboBox>(&window, u"cmbDifficulty"_s)->geometry().right();
    const QRect create = button(window, "cmdCreateProblem")->geometry();
    QVERIFY(settingsRight < create.left());
    QVERIFY(create.right() < list(window, "lstWorksheetNum1")->x());
    int left = 0;
    for (const char *name : ListNames) {
        QVERIFY2(list(window, name)->x() > left, name);
        left = list(window, name)->x();
    }
    for (const char *heading : { "Label7", "Label34", "Label6" })
        QCOMPARE(named<QLabel>(&window, QString::fromLatin1(heading))->font().family(),
            u"Comic Sans MS"_s);
    QCOMPARE(labelText(window, "Label6"), u"Your Current Worksheet"_s);
    const QRect status = named<QLabel>(&window, u"lblWorksheetMessage"_s)->geometry();
    for (QWidget *control : controls)
        QVERIFY2(control->geometry().top() <= status.top(), qPrintable(control->objectName()));
}

void WorksheetScreenTest::rowNumbersStandBesideTheirRows_data()
{
    QTest::addColumn<int>("problems");
    // What the teacher does next: "wheel up", "wheel down", "bar top", "bar
    // arrow down", "bar page up", "bar drag" (to part of a row), "clear",
    // "create".
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("topRow"); // the number the first marker shows

    QTest::newRow("empty") << 0 << QStringList() << 1;
    QTest::newRow("twenty fit") << 20 << QStringList() << 1;
    QTest::newRow("newest of 25 in sight") << 25 << QStringList() << 6;
    QTest::newRow("newest of 60 in sight") << 60 << QStringList() << 41;
    QTest::newRow("wheel up") << 25 << QStringList({ u"wheel up"_s }) << 3;
    QTest::newRow("wheel down from the top")
        << 25 << QStringList({ u"bar top"_s, u"wheel down"_s }) << 4;
    QTest::newRow("bar to the top") << 60 << QStringList({ u"bar top"_s }) << 1;
    QTest::newRow("bar arrow") << 60 << QStringList({ u"bar top"_s, u"bar arrow down"_s }) << 2;
    QTest::newRow("bar page up") << 60 << QStringList({ u"bar page up"_s }) << 21;
    QTest::newRow("bar dragged into a row") << 60 << QStringList({ u"bar drag"_s }) << 3;
    QTest::newRow("cleared") << 25 << QStringList({ u"clear"_s }) << 1;
    QTest::newRow("cleared, then one more") << 25 << QStringList({ u"clear"_s, u"create"_s }) << 1;
    QTest::newRow("scrolled up, then one more")
        << 25 << QStringList({ u"bar top"_s, u"create"_s }) << 7;
    QTest::newRow("full worksheet") << 32767 << QStringList() << 32748;
}

void WorksheetScreenTest::rowNumbersStandBesideTheirRows()
{
    QFETCH(int, problems);
    QFETCH(QStringList, steps);
    QFETCH(int, topRow);
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    for (int i = 0; i < problems; ++i)
        button(window, "cmdCreateProblem")->click();
    QListView *first = list(window, "lstWorksheetNum1");
    // The teacher scrolls the table by its one scroll bar or by the wheel
    // over any column.
    QScrollBar *bar = list(window, "lstWorksheetAnswer")->verticalScrollBar();
    for (const QString &step : std::as_const(steps)) {
        if (step == u"wheel up"_s || step == u"wheel down"_s)
            wheel(list(window, "lstWorksheetNum2"), step == u"wheel up"_s ? 1 : -1);
        else if (step == u"bar top"_s)
            bar->triggerAction(QAbstractSlider::SliderToMinimum);
        else if (step == u"bar arrow down"_s)
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else if (step == u"bar page up"_s)
            bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        else if (step == u"bar drag"_s)
            bar->setSliderPosition(testsupport::rowRect(first, 0).height() * 7 / 3);
        else if (step == u"clear"_s)
            button(window, "cmdClearWorksheet")->click();
        else if (step == u"create"_s)
            button(window, "cmdCreateProblem")->click();
        else
            QFAIL(qPrintable(step));
    }

    const std::pair<const char *, int> markers[]
        = { { "Label20", 0 }, { "Label23", 9 }, { "Label33", 19 } };
    for (const auto &[name, place] : markers) {
        auto *label = named<QLabel>(&window, QString::fromLatin1(name));
        QCOMPARE(label->text(), QString::number(topRow + place));
        // Shown whole, left of the table.
        QVERIFY2(label->sizeHint().width() <= label->width(), name);
        QVERIFY(label->geometry().right() < first->x());
        // Level with the row it names, when that row exists.
        const int row = topRow + place - 1;
        if (row >= testsupport::listRowCount(first))
            continue;
        const QRect rowRect = testsupport::rowRect(first, row);
        const QPoint rowCentre = first->viewport()->mapTo(label->parentWidget(), rowRect.center());
        // A bar dragged into a row leaves part of that row out of sight.
        const bool wholeRows = first->verticalScrollBar()->value() % rowRect.height() == 0;
        QVERIFY2(qAbs(label->geometry().center().y() - rowCentre.y())
                <= (wholeRows ? 1 : rowRect.height() / 2),
            name);
    }
    // A worksheet that fits is never scrolled away from its first row.
    if (testsupport::listRowCount(first) <= 20)
        QCOMPARE(first->verticalScrollBar()->value(), 0);
}

void WorksheetScreenTest::createProblemWaitsForBothPicks_data()
{
    // "d:" difficulty, "o:" operation, "c" ticks or unticks the optional information
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("nothing") << QStringList() << false;
    QTest::newRow("level") << QStringList({ u"d:Beginner"_s }) << false;
    QTest::newRow("level x3") << QStringList({ u"d:Beginner"_s, u"d:Expert"_s, u"d:Warm Up"_s })
                              << false;
    QTest::newRow("operation") << QStringList({ u"o:Subtraction"_s }) << false;
    QTest::newRow("operation x3") << QStringList({ u"o:Subtraction"_s, u"o:Addition"_s,
        u"o:Subtraction"_s }) << false;
    QTest::newRow("level, operation") << QStringList({ u"d:Advanced"_s, u"o:Addition"_s }) << true;
    QTest::newRow("operation, level")
        << QStringList({ u"o:Multiplication"_s, u"d:Intermediate"_s }) << true;
    QTest::newRow("levels, operation")
        << QStringList({ u"d:Advanced"_s, u"d:Expert"_s, u"o:Addition"_s }) << true;
    QTest::newRow("operations, level")
        << QStringList({ u"o:Addition"_s, u"o:Multiplication"_s, u"d:Beginner"_s }) << true;
    QTest::newRow("both, then more")
        << QStringList({ u"d:Advanced"_s, u"o:Addition"_s, u"d:Expert"_s, u"o:Subtraction"_s })
        << true;
    QTest::newRow("optional ticked")
        << QStringList({ u"c"_s, u"d:Advanced"_s, u"o:Addition"_s }) << true;
    QTest::newRow("optional ticked, unticked") << QStringList({ u"c"_s, u"c"_s }) << false;
}

void WorksheetScreenTest::createProblemWaitsForBothPicks()
{
    QFETCH(QStringList, picks);
    QFETCH(bool, enabled);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    auto *check = named<QCheckBox>(&window, u"chkIncludeOptional"_s);
    // However the screen is left and entered, ticked means the teacher's
    // and class boxes are open.
    const auto fieldsFollowTheBox = [&window, check]() {
        return field(window, "txtTeachersName")->isEnabled() == check->isChecked()
            && field(window, "txtClassName")->isEnabled() == check->isChecked();
    };
    enterWorksheet(window);
    for (const QString &entry : std::as_const(picks)) {
        const QString name = entry.mid(2);
        if (entry == u"c"_s)
            QTest::mouseClick(check, Qt::LeftButton);
        else
            QVERIFY(
                entry.startsWith(u"d:"_s) ? pickLevel(window, name) : pickOperation(window, name));
    }
    QCOMPARE(button(window, "cmdCreateProblem")->isEnabled(), enabled);
    QVERIFY(fieldsFollowTheBox());

    // Leaving does not change it; entering again starts over.
    testsupport::invokeHandler(&window, "mnuFileWork_Click");
    QCOMPARE(button(window, "cmdCreateProblem")->isEnabled(), enabled);
    QVERIFY(fieldsFollowTheBox());
    enterWorksheet(window);
    QVERIFY(!button(window, "cmdCreateProblem")->isEnabled());
    QVERIFY(fieldsFollowTheBox());
    testsupport::invokeHandler(&window, "mnuHelpAbout_Click");
    enterWorksheet(window);
    QVERIFY(fieldsFollowTheBox());
    // Nothing to print yet.
    QVERIFY(!button(window, "cmdPrintWorksheet")->isEnabled());
    QVERIFY(pickOperation(window, u"Addition"_s));
    QVERIFY(!button(window, "cmdCreateProblem")->isEnabled());
    // Nothing to print yet.
    QVERIFY(!button(window, "cmdPrintWorksheet")->isEnabled());
}

void WorksheetScreenTest::levelPickWorksWhileDivisionDisablesItsMenuItem()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptOperDiv_Click");
    auto *expertItem = named<QAction>(&window, u"mnuOptDiffLev4"_s);
    QVERIFY(!expertItem->isEnabled());
    enterWorksheet(window);

    QVERIFY(pickLevel(window, u"Expert"_s));
    QCOMPARE(window.state().LevelCode, qint16(4));
    QVERIFY(expertItem->isChecked());
    QCOMPARE(labelText(window, "lblCurLev"), u"Expert"_s);
    QVERIFY(window.state().Operand1 >= 10); // drawn at the new level
    QVERIFY(!button(window, "cmdCreateProblem")->isEnabled());
    // Nothing to print yet.
    QVERIFY(!button(window, "cmdPrintWorksheet")->isEnabled());

    QVERIFY(pickOperation(window, u"Multiplication"_s));
    QVERIFY(button(window, "cmdCreateProblem")->isEnabled());
    QCOMPARE(window.state().OperationCode, qint16(3));
    QVERIFY(expertItem->isEnabled());
    const Problem problem = createProblem(window);
    QCOMPARE(rowOnScreen(window, 0),
        QStringList({ QString::fromLatin1(problem.first), u"*"_s,
            QString::fromLatin1(problem.second), QString::fromLatin1(problem.answer) }));
}

void WorksheetScreenTest::divisionRowsRoundTheirAnswers()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptOperDiv_Click");
    enterWorksheet(window);
    // Division stays the operation until one is picked here.
    for (int i = 0; i < 200; ++i) {
        QVERIFY(testsupport::invokeHandler(&window, "cmdCreateProblem_Click"));
        const TutorState &state = window.state();
        const double quotient = double(state.Operand1) / double(state.Operand2);
        QCOMPARE(rowOnScreen(window, i),
            QStringList({ QString::number(state.Operand1), u"/"_s, QString::number(state.Operand2),
                QString::number(qlonglong(std::nearbyint(quotient))) }));
    }
}

void WorksheetScreenTest::picksChooseLikeTheMenusAndLastAfterLeaving()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Advanced"_s, u"Subtraction"_s);

    const auto checkedIn = [&window](const QString &prefix) {
        QStringList checked;
        for (QAction *action : window.findChildren<QAction *>())
            if (action->objectName().startsWith(prefix) && action->isChecked())
                checked << action->objectName();
        return checked;
    };
    QCOMPARE(checkedIn(u"mnuOptDiffLev"_s), QStringList(u"mnuOptDiffLev3"_s));
    QCOMPARE(checkedIn(u"mnuOptOper"_s), QStringList(u"mnuOptOperSub"_s));
    QCOMPARE(labelText(window, "lblCurLev"), u"Advanced"_s);
    QVERIFY(!named<QWidget>(&window, u"imgMinus"_s)->isHidden());
    QVERIFY(named<QWidget>(&window, u"imgPlus"_s)->isHidden());
    // The practice problem was drawn for the new choice.
    QVERIFY(window.state().Operand1 >= 10 && window.state().Operand1 <= 75);
    QVERIFY(window.state().Operand1 >= window.state().Operand2);

    testsupport::invokeHandler(&window, "mnuFileWork_Click");
    QCOMPARE(window.state().LevelCode, qint16(3));
    QCOMPARE(window.state().OperationCode, qint16(2));
    for (int i = 0; i < 50; ++i) {
        testsupport::answerPractice(window, u"1"_s);
        const TutorState &state = window.state();
        QVERIFY(state.Operand1 >= 10 && state.Operand1 <= 75 && state.Operand2 >= 10);
        QVERIFY(state.Operand1 >= state.Operand2);
    }
}

void WorksheetScreenTest::eachCreateAddsOneRowAndShowsIt()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Intermediate"_s, u"Addition"_s);

    for (int count = 1; count <= 45; ++count) {
        QTest::mouseClick(button(window, "cmdCreateProblem"), Qt::LeftButton);
        QCoreApplication::processEvents();
        const QString shown = QString::number(count);
        QCOMPARE(labelText(window, "lblProblemNum"), shown);
        QCOMPARE(window.state().WorksheetProblemCount, qint16(count));
        const int value = list(window, "lstWorksheetNum1")->verticalScrollBar()->value();
        for (const char *name : ListNames) {
            QListView *column = list(window, name);
            QCOMPARE(testsupport::listRowCount(column), count);
            // The newest row is in sight in every column, level with the others.
            const QRect newest = testsupport::rowRect(column, count - 1);
            QVERIFY2(column->viewport()->rect().contains(newest), name);
            QCOMPARE(column->verticalScrollBar()->value(), value);
        }
        const TutorState &state = window.state();
        QCOMPARE(rowOnScreen(window, count - 1),
            QStringList({ QString::number(state.Operand1), u"+"_s, QString::number(state.Operand2),
                QString::number(state.Operand1 + state.Operand2) }));
        // The practice screen shows the same problem.
        QCOMPARE(labelText(window, "lblNum1"), QString::number(state.Operand1));
    }
}

void WorksheetScreenTest::listsOnlyDisplayButScrollTogether()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Beginner"_s, u"Multiplication"_s);
    createProblems(window, 60);

    for (const char *name : ListNames) {
        QListView *column = list(window, name);
        QVERIFY2(column->isEnabled(), name);
        QCOMPARE(column->focusPolicy(), Qt::NoFocus);
        QCOMPARE(column->selectionMode(), QAbstractItemView::NoSelection);
        QTest::mouseClick(
            column->viewport(), Qt::LeftButton, {}, testsupport::rowRect(column, 59).center());
        QVERIFY2(!testsupport::isRowSelected(column, 59), name);
        QVERIFY2(!column->hasFocus(), name);
    }

    // Scrolling any column moves all four.
    QListView *operators = list(window, "lstWorksheetOper");
    const int before = operators->verticalScrollBar()->value();
    wheel(operators, 1);
    const int after = operators->verticalScrollBar()->value();
    QVERIFY(after < before);
    for (const char *name : ListNames)
        QCOMPARE(list(window, name)->verticalScrollBar()->value(), after);
    list(window, "lstWorksheetAnswer")->verticalScrollBar()->setValue(0);
    for (const char *name : ListNames)
        QCOMPARE(list(window, name)->verticalScrollBar()->value(), 0);
    // The one visible scroll bar stands at the right edge of the table.
    QCoreApplication::processEvents();
    QVERIFY(list(window, "lstWorksheetAnswer")->verticalScrollBar()->isVisible());
    QVERIFY(!list(window, "lstWorksheetNum1")->verticalScrollBar()->isVisible());
}

void WorksheetScreenTest::subtractionRowsAreNeverNegative()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    enterWorksheet(window);
    pickOperation(window, u"Subtraction"_s);
    for (const QString &level : { u"Warm Up"_s, u"Expert"_s }) {
        pickLevel(window, level);
        button(window, "cmdClearWorksheet")->click();
        createProblems(window, 300);
        for (int row = 0; row < 300; ++row) {
            const QStringList entries = rowOnScreen(window, row);
            QCOMPARE(entries.at(1), u"-"_s);
            QVERIFY(entries.at(0).toInt() >= entries.at(2).toInt());
            QCOMPARE(entries.at(3).toInt(), entries.at(0).toInt() - entries.at(2).toInt());
        }
    }
}

void WorksheetScreenTest::aMixedWorksheetKeepsEarlierRows()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    QList<Problem> problems = createProblems(window, 3);
    pickOperation(window, u"Multiplication"_s);
    pickLevel(window, u"Expert"_s);
    problems << createProblems(window, 3);

    for (int row = 0; row < 6; ++row) {
        const Problem &problem = problems.at(row);
        QCOMPARE(rowOnScreen(window, row),
            QStringList({ QString::fromLatin1(problem.first), QString::fromLatin1(problem.sign),
                QString::fromLatin1(problem.second), QString::fromLatin1(problem.answer) }));
        QCOMPARE(problem.sign, row < 3 ? QByteArray("+") : QByteArray("*"));
        QVERIFY(row < 3 ? problem.first.toInt() <= 10 : problem.first.toInt() >= 10);
    }
}

void WorksheetScreenTest::fullWorksheetTakesNoMoreProblems()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    createProblems(window, 2);
    // As if 32 765 problems had been created already.
    testsupport::changeState(
        window, [&](TutorState &state) { state.WorksheetProblemCount = 32766; });
    createProblem(window);
    QCOMPARE(window.state().WorksheetProblemCount, qint16(32767));
    QCOMPARE(labelText(window, "lblProblemNum"), u"32767"_s);
    QCOMPARE(testsupport::listRowCount(list(window, "lstWorksheetNum1")), 3);

    testsupport::invokeHandler(&window, "tmrWorksheet_Timer");
    for (int press = 0; press < 2; ++press) {
        button(window, "cmdCreateProblem")->click();
        QCOMPARE(window.state().WorksheetProblemCount, qint16(32767));
        QCOMPARE(labelText(window, "lblProblemNum"), u"32767"_s);
        for (const char *name : ListNames)
            QCOMPARE(testsupport::listRowCount(list(window, name)), 3);
        QVERIFY(message(window).startsWith(u"Worksheet Full"_s));
        QVERIFY(message(window).contains(u"32767"_s));
        QVERIFY(messageTimer(window)->isActive());
        // Told to a screen reader as well, every time.
        QVERIFY(button(window, "cmdCreateProblem")->accessibleDescription().contains(u"32767"_s));
    }

    // Clearing makes room again.
    button(window, "cmdClearWorksheet")->click();
    createProblem(window);
    QCOMPARE(window.state().WorksheetProblemCount, qint16(1));
    QCOMPARE(testsupport::listRowCount(list(window, "lstWorksheetAnswer")), 1);
}

void WorksheetScreenTest::clearEmptiesTheWorksheetAndSaysSo()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Expert"_s, u"Subtraction"_s);
    createProblems(window, 7);
    testsupport::invokeHandler(&window, "tmrWorksheet_Timer");
    QVERIFY(!messageTimer(window)->isActive());

    QTest::mouseClick(button(window, "cmdClearWorksheet"), Qt::LeftButton);
    for (const char *name : ListNames)
        QCOMPARE(testsupport::listRowCount(list(window, name)), 0);
    QCOMPARE(labelText(window, "lblProblemNum"), u"0"_s);
    QCOMPARE(window.state().WorksheetProblemCount, qint16(0));
    QCOMPARE(message(window), ClearedMessage);
    QVERIFY(messageTimer(window)->isActive());
    // Only the worksheet went: the choices and the button stay.
    QVERIFY(button(window, "cmdCreateProblem")->isEnabled());
    QCOMPARE(window.state().LevelCode, qint16(4));
    QCOMPARE(window.state().OperationCode, qint16(2));
    QCOMPARE(named<QComboBox>(&window, u"cmbDifficulty"_s)->currentText(), u"Expert"_s);
    QCOMPARE(named<QComboBox>(&window, u"cmbOperation"_s)->currentText(), u"Subtraction"_s);

    // Clearing an empty worksheet says it again.
    testsupport::invokeHandler(&window, "tmrWorksheet_Timer");
    button(window, "cmdClearWorksheet")->click();
    QCOMPARE(message(window), ClearedMessage);
    QVERIFY(messageTimer(window)->isActive());
    saveBoth(window);
    QCOMPARE(testsupport::fileBytes(answerSheetPath(fixture)), expectedAnswerSheet({}));
}

void WorksheetScreenTest::optionalInformationUnlocksTheFieldsAndShowsScoreCard()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptScoreHide_Click");
    auto *scoreCard = named<QGroupBox>(&window, u"fraInfo"_s);
    QVERIFY(scoreCard->isHidden());
    enterWorksheet(window);

    auto *check = named<QCheckBox>(&window, u"chkIncludeOptional"_s);
    QLineEdit *teacher = field(window, "txtTeachersName");
    QLineEdit *className = field(window, "txtClassName");
    QVERIFY(!check->isChecked());
    const QRgb locked = window.palette().color(QPalette::Midlight).rgb();
    const QRgb open = window.palette().color(QPalette::Base).rgb();
    QVERIFY(locked != open);
    for (QLineEdit *box : { teacher, className }) {
        QVERIFY(!box->isEnabled());
        QCOMPARE(shownBackground(window, box), locked);
    }
    QTest::keyClicks(teacher, u"ignored"_s);
    QVERIFY(teacher->text().isEmpty());

    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!scoreCard->isHidden());
    // The score card's menu items are left as they were.
    QVERIFY(named<QAction>(&window, u"mnuOptScoreShow"_s)->isVisible());
    QVERIFY(!named<QAction>(&window, u"mnuOptScoreHide"_s)->isVisible());
    QCOMPARE(window.focusWidget(), teacher);
    for (QLineEdit *box : { teacher, className }) {
        QVERIFY(box->isEnabled());
        QCOMPARE(shownBackground(window, box), open);
    }
    teacher->insert(u"Mr Obi\r\nX"_s); // as a paste
    QCOMPARE(teacher->text(), u"Mr ObiX"_s); // no line break can reach the file
    QTest::keyClicks(className, u"Class 3B"_s);

    testsupport::invokeHandler(&window, "mnuOptScoreHide_Click");
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(scoreCard->isHidden()); // unchecking leaves the score card alone
    for (QLineEdit *box : { teacher, className }) {
        QVERIFY(!box->isEnabled());
        QCOMPARE(shownBackground(window, box), locked);
        // Locked, but the teacher can still read what the file will get.
        const double shownContrast = shownTextContrast(window, box);
        QVERIFY2(shownContrast >= 4.5, qPrintable(QString::number(shownContrast)));
    }
    QCOMPARE(teacher->text(), u"Mr ObiX"_s);
}

void WorksheetScreenTest::reenteringClearsButKeepsTheOptionalInformation()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Beginner"_s, u"Addition"_s);
    createProblems(window, 4);
    auto *check = named<QCheckBox>(&window, u"chkIncludeOptional"_s);
    check->click();
    field(window, "txtTeachersName")->insert(u"Ms Roe"_s);
    field(window, "txtClassName")->insert(u"4C"_s);

    testsupport::invokeHandler(&window, "mnuHelpAbout_Click");
    QCOMPARE(testsupport::listRowCount(list(window, "lstWorksheetNum1")), 4); // kept while away
    enterWorksheet(window);
    for (const char *name : ListNames)
        QCOMPARE(testsupport::listRowCount(list(window, name)), 0);
    QCOMPARE(labelText(window, "lblProblemNum"), u"0"_s);
    QCOMPARE(message(window), ClearedMessage);
    // Still ticked, so the fields stay open.
    QVERIFY(check->isChecked());
    const QRgb open = window.palette().color(QPalette::Base).rgb();
    for (const char *name : { "txtTeachersName", "txtClassName" }) {
        QVERIFY2(field(window, name)->isEnabled(), name);
        QCOMPARE(shownBackground(window, field(window, name)), open);
    }
    QCOMPARE(field(window, "txtTeachersName")->text(), u"Ms Roe"_s);
    QCOMPARE(field(window, "txtClassName")->text(), u"4C"_s);

    check->click();
    check->click();
    QVERIFY(field(window, "txtTeachersName")->isEnabled());
    QVERIFY(field(window, "txtClassName")->isEnabled());
    saveBoth(window);
    QCOMPARE(testsupport::fileBytes(worksheetPath(fixture)), expectedWorksheet("Ms Roe", "4C", {}));
}

QTEST_MAIN(WorksheetScreenTest)
#include "worksheet_screen_test.moc"
