#include "app/main_window.h"
#include "base/colour_contrast.h"
#include "tests/test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;
using testsupport::named;

namespace {

// The header lines: 16 underscores, then 31 spaces before the optional text.
const QByteArray NameLine = "Name:________________                               ";
const QByteArray DateLine = "Date:________________                               ";
const QByteArray AnswerKeyLine = "Name: ANSWER KEY                               ";
const QByteArray LineEnd = "\r\n";
const QString ClearedMessage = u"Current Worksheet Cleared  --  Ready to create new worksheet."_s;

const char *const ListNames[]
    = { "lstWorksheetNum1", "lstWorksheetOper", "lstWorksheetNum2", "lstWorksheetAnswer" };

// One problem as the lists should show it, worked out from the drawn numbers.
struct Problem
{
    QByteArray first;
    QByteArray sign;
    QByteArray second;
    QByteArray answer;
};

QListView *list(MainWindow &window, const char *name)
{
    return named<QListView>(&window, QString::fromLatin1(name));
}

QPushButton *button(MainWindow &window, const char *name)
{
    return named<QPushButton>(&window, QString::fromLatin1(name));
}

QLineEdit *field(MainWindow &window, const char *name)
{
    return named<QLineEdit>(&window, QString::fromLatin1(name));
}

QString labelText(MainWindow &window, const char *name)
{
    return named<QLabel>(&window, QString::fromLatin1(name))->text();
}

// The status line as shown, and the whole message it carries as tool tip.
QString message(MainWindow &window)
{
    return labelText(window, "lblWorksheetMessage");
}

QString wholeMessage(MainWindow &window)
{
    return named<QLabel>(&window, u"lblWorksheetMessage"_s)->toolTip();
}

QTimer *messageTimer(MainWindow &window)
{
    return named<QTimer>(&window, u"tmrWorksheet"_s);
}

void enterWorksheet(MainWindow &window)
{
    testsupport::invokeHandler(&window, "mnuOptionsWorksheet_Click");
}

bool pickLevel(MainWindow &window, const QString &level)
{
    return testsupport::pickEntry(&window, "cmbDifficulty", level);
}

bool pickOperation(MainWindow &window, const QString &operation)
{
    return testsupport::pickEntry(&window, "cmbOperation", operation);
}

// The worksheet screen with a level and an operation picked, so that "Create
// Problem" is ready.
MainWindow &readyWorksheet(
    testsupport::TutorFixture &fixture, const QString &level, const QString &operation)
{
    MainWindow &window = fixture.window();
    enterWorksheet(window);
    const bool picked = pickLevel(window, level) && pickOperation(window, operation);
    QTest::qVerify(picked, "picked", "the entries exist", __FILE__, __LINE__);
    return window;
}

QByteArray number(float value)
{
    return QByteArray::number(qlonglong(value));
}

// Presses "Create Problem" and works out, from the numbers it drew, what the
// new row must read.
Problem createProblem(MainWindow &window)
{
    button(window, "cmdCreateProblem")->click();
    const TutorState &state = window.state();
    const double first = state.Operand1;
    const double second = state.Operand2;
    const char *signs[] = { "+", "-", "*", "/" };
    const double results[] = { first + second, first - second, first * second, first / second };
    const int operation = state.OperationCode - 1;
    // Halves go to the even neighbour, as the default rounding mode does.
    return { number(state.Operand1), signs[operation], number(state.Operand2),
        QByteArray::number(qlonglong(std::nearbyint(results[operation]))) };
}

QList<Problem> createProblems(MainWindow &window, int count)
{
    QList<Problem> problems;
    for (int i = 0; i < count; ++i)
        problems << createProblem(window);
    return problems;
}

QStringList rowOnScreen(MainWindow &window, int row)
{
    QStringList entries;
    for (const char *name : ListNames)
        entries << testsupport::listText(list(window, name), row);
    return entries;
}

QString worksheetPath(const testsupport::TutorFixture &fixture)
{
    return fixture.folder() + u"/worksheets/OrviWorksheet.txt"_s;
}

QString answerSheetPath(const testsupport::TutorFixture &fixture)
{
    return fixture.folder() + u"/worksheets/OrviAnswersheet.txt"_s;
}

QByteArray problemText(int k, const Problem &problem)
{
    return QByteArray::number(k) + ")  " + problem.first + ' ' + problem.sign + ' '
        + problem.second;
}

QByteArray expectedWorksheet(
    const QByteArray &teacher, const QByteArray &className, const QList<Problem> &problems)
{
    QByteArray bytes
        = NameLine + teacher + LineEnd + LineEnd + DateLine + className + LineEnd + LineEnd;
    for (int k = 1; k <= problems.size(); ++k)
        bytes += problemText(k, problems.at(k - 1)) + "  =   __________" + LineEnd + LineEnd;
    return bytes;
}

QByteArray expectedAnswerSheet(const QList<Problem> &problems)
{
    QByteArray bytes = AnswerKeyLine + LineEnd + LineEnd + DateLine + LineEnd + LineEnd;
    for (int k = 1; k <= problems.size(); ++k)
        bytes += problemText(k, problems.at(k - 1)) + "  =   " + problems.at(k - 1).answer + LineEnd
            + LineEnd;
    return bytes;
}

void saveBoth(MainWindow &window)
{
    button(window, "cmdSaveWorksheet")->click();
    button(window, "cmdSaveAnswer")->click();
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

// Types each character with a key event of its own, as a keyboard or an input
// method delivers it, including characters no key of QTest's names.
void typeCharacters(QWidget *box, const QString &text)
{
    for (const char32_t c : text.toUcs4())
        QTest::sendKeyEvent(
            QTest::Click, box, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
}

void wheel(QListView *list, int notches)
{
    const QPointF inside(5, 5);
    QWheelEvent event(inside, list->viewport()->mapToGlobal(inside), QPoint(),
        QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list->viewport(), &event);
}

// Whether each group of words stands, whole and in order, somewhere after the
// group before it.
bool inOrder(const QStringList &words, const QList<QStringList> &groups, QString *missing)
{
    qsizetype at = 0;
    for (const QStringList &group : groups) {
        for (;;) {
            at = words.indexOf(group.first(), at);
            if (at < 0) {
                *missing = group.join(u' ');
                return false;
            }
            if (words.mid(at, group.size()) == group)
                break;
            ++at;
        }
        at += group.size();
    }
    return true;
}

// What the preview shows of the answer key choice.
struct KeyChoice
{
    bool found = false;
    bool inSight = false; // shown whole inside the dialog, in no tool bar
    bool reachedByTab = false;
    bool checked = false;
    int pages = 0;
};

// Opens "Print...", notes how the preview shows the answer key choice, lets
// `change` work on the check box and closes the preview unprinted.
KeyChoice previewKeyChoice(MainWindow &window, const std::function<void(QCheckBox *)> &change = {})
{
    KeyChoice seen;
    QTimer::singleShot(0, &window, [&]() {
        auto *preview = named<QPrintPreviewDialog>(&window, u"dlgPrintWorksheet"_s);
        auto *key = preview ? named<QCheckBox>(preview, u"chkIncludeAnswerKey"_s) : nullptr;
        if (!key) {
            if (preview)
                preview->reject();
            return;
        }
        preview->activateWindow();
        seen.found = QTest::qWaitForWindowActive(preview);
        const QRect place(key->mapTo(preview, QPoint()), key->size());
        bool inToolBar = false;
        for (QWidget *up = key; up; up = up->parentWidget())
            inToolBar = inToolBar || qobject_cast<QToolBar *>(up);
        seen.inSight = key->isVisible() && preview->rect().contains(place) && !inToolBar;
        // Tab leads to it from wherever the focus is in the dialog.
        for (int presses = 0; presses < 30 && QApplication::focusWidget() != key; ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen.reachedByTab = QApplication::focusWidget() == key;
        if (change)
            change(key);
        seen.checked = key->isChecked();
        seen.pages = preview->findChild<QPrintPreviewWidget *>()->pageCount();
        preview->reject();
    });
    button(window, "cmdPrintWorksheet")->click();
    return seen;
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

    void savedFilesMatchByteForByte_data();
    void savedFilesMatchByteForByte();
    void threePlusSevenIsWrittenAsInTheExample();
    void optionalFieldsAreWrittenEvenWhenUnchecked_data();
    void optionalFieldsAreWrittenEvenWhenUnchecked();
    void savingKeepsTheEarlierFileAndReplacesIt();
    void failedSaveSaysSoAndKeepsWhatWasThere_data();
    void failedSaveSaysSoAndKeepsWhatWasThere();
    void longFolderNamesNeverHideTheFileOrTheReason_data();
    void longFolderNamesNeverHideTheFileOrTheReason();

    void clearEmptiesTheWorksheetAndSaysSo();
    void messagesGoWhenTheirTimerRunsOut();
    void optionalInformationUnlocksTheFieldsAndShowsScoreCard();
    void reenteringClearsButKeepsTheOptionalInformation();

    void printedPagesHoldEveryProblemAndTheKey_data();
    void printedPagesHoldEveryProblemAndTheKey();
    void unwritablePdfSaysSoWithoutSuccess_data();
    void unwritablePdfSaysSoWithoutSuccess();
    void answerKeyChoiceStaysInSightAndIsKept();
    void pdfIsProposedInTheWorksheetsFolder();
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
    QCOMPARE(controls.size(), 27);
    for (QWidget *control : controls) {
        const QRect place = control->geometry().translated(screen->pos());
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
    QTest::addColumn<QStringList>("picks"); // "d:" difficulty, "o:" operation
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
}

void WorksheetScreenTest::createProblemWaitsForBothPicks()
{
    QFETCH(QStringList, picks);
    QFETCH(bool, enabled);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    enterWorksheet(window);
    for (const QString &entry : std::as_const(picks)) {
        const QString name = entry.mid(2);
        QVERIFY(entry.startsWith(u"d:"_s) ? pickLevel(window, name) : pickOperation(window, name));
    }
    QCOMPARE(button(window, "cmdCreateProblem")->isEnabled(), enabled);

    // Leaving does not change it; entering again starts over.
    testsupport::invokeHandler(&window, "mnuFileWork_Click");
    QCOMPARE(button(window, "cmdCreateProblem")->isEnabled(), enabled);
    enterWorksheet(window);
    QVERIFY(!button(window, "cmdCreateProblem")->isEnabled());
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
    }

    // Clearing makes room again.
    button(window, "cmdClearWorksheet")->click();
    createProblem(window);
    QCOMPARE(window.state().WorksheetProblemCount, qint16(1));
    QCOMPARE(testsupport::listRowCount(list(window, "lstWorksheetAnswer")), 1);
}

void WorksheetScreenTest::savedFilesMatchByteForByte_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("count");
    QTest::newRow("no problems") << u"Warm Up"_s << u"Addition"_s << 0;
    QTest::newRow("one") << u"Beginner"_s << u"Subtraction"_s << 1;
    QTest::newRow("two-digit numbers") << u"Intermediate"_s << u"Multiplication"_s << 12;
    QTest::newRow("three-digit numbers") << u"Expert"_s << u"Addition"_s << 105;
}

void WorksheetScreenTest::savedFilesMatchByteForByte()
{
    QFETCH(QString, level);
    QFETCH(QString, operation);
    QFETCH(int, count);
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, level, operation);
    const QList<Problem> problems = createProblems(window, count);

    button(window, "cmdSaveWorksheet")->click();
    QCOMPARE(testsupport::fileBytes(worksheetPath(fixture)), expectedWorksheet({}, {}, problems));
    QCOMPARE(wholeMessage(window), u"Save Succesfull - Available in "_s + worksheetPath(fixture));
    QVERIFY(messageTimer(window)->isActive());

    button(window, "cmdSaveAnswer")->click();
    const QByteArray answers = testsupport::fileBytes(answerSheetPath(fixture));
    QCOMPARE(answers, expectedAnswerSheet(problems));
    QCOMPARE(wholeMessage(window), u"Save Succesfull - Available in "_s + answerSheetPath(fixture));
    QCOMPARE(answers.count("\r\n"), 4 + 2 * count);
    QVERIFY(!QByteArray(answers).replace("\r\n", "").contains('\n'));
}

void WorksheetScreenTest::threePlusSevenIsWrittenAsInTheExample()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    // Draw until the first problem is 3 + 7; one draw in a hundred is.
    bool drawn = false;
    for (int attempt = 0; attempt < 5000 && !drawn; ++attempt) {
        button(window, "cmdClearWorksheet")->click();
        createProblem(window);
        drawn = window.state().Operand1 == 3 && window.state().Operand2 == 7;
    }
    QVERIFY(drawn);
    saveBoth(window);

    QCOMPARE(testsupport::fileBytes(worksheetPath(fixture)),
        QByteArray("Name:________________                               \r\n"
                   "\r\n"
                   "Date:________________                               \r\n"
                   "\r\n"
                   "1)  3 + 7  =   __________\r\n"
                   "\r\n"));
    QCOMPARE(testsupport::fileBytes(answerSheetPath(fixture)),
        QByteArray("Name: ANSWER KEY                               \r\n"
                   "\r\n"
                   "Date:________________                               \r\n"
                   "\r\n"
                   "1)  3 + 7  =   10\r\n"
                   "\r\n"));
}

void WorksheetScreenTest::optionalFieldsAreWrittenEvenWhenUnchecked_data()
{
    // Each box is typed into key by key, then pasted into.
    QTest::addColumn<QString>("teacherTyped");
    QTest::addColumn<QString>("teacherPasted");
    QTest::addColumn<QString>("classTyped");
    QTest::addColumn<QString>("classPasted");
    QTest::addColumn<QString>("teacher"); // what the box then holds and the file gets
    QTest::addColumn<QString>("className");

    // Letters beyond ASCII are kept as UTF-8.
    QTest::newRow("letters") << u"Mrs Lee"_s << QString() << QString()
                             << u"\u0141ucja M\u00fcller's 3B"_s << u"Mrs Lee"_s
                             << u"\u0141ucja M\u00fcller's 3B"_s;
    // Many editors start a new line at a line or paragraph separator.
    QTest::newRow("separators typed")
        << u"Mrs\u2028 Lee"_s << QString() << u"3B\u2029"_s << QString() << u"Mrs Lee"_s << u"3B"_s;
    QTest::newRow("separators pasted") << QString() << u"Mr Obi\u2029\u2028"_s << QString()
                                       << u"\u2028Class\u2029 4C"_s << u"Mr Obi"_s << u"Class 4C"_s;
    QTest::newRow("line breaks pasted")
        << u"Ms"_s << u"\r\n Roe\u0085"_s << u"5"_s << u"\vA\f"_s << u"Ms Roe"_s << u"5A"_s;
    // Marks that turn the text around or hide in it.
    QTest::newRow("invisible marks")
        << u"\u202eMrs\u200b Lee"_s << u"\u2066\u00ad\ufeff"_s << u"\u2060Class"_s
        << u" 3B\U000E0041\u061c"_s << u"Mrs Lee"_s << u"Class 3B"_s;
    // Joiners belong to the spelling of some names.
    QTest::newRow("joiners kept") << u"\u0915\u094d\u200d\u0937"_s << QString() << QString()
                                  << u"\u0645\u06cc\u200c\u0631"_s << u"\u0915\u094d\u200d\u0937"_s
                                  << u"\u0645\u06cc\u200c\u0631"_s;
}

void WorksheetScreenTest::optionalFieldsAreWrittenEvenWhenUnchecked()
{
    QFETCH(QString, teacherTyped);
    QFETCH(QString, teacherPasted);
    QFETCH(QString, classTyped);
    QFETCH(QString, classPasted);
    QFETCH(QString, teacher);
    QFETCH(QString, className);
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    const QList<Problem> problems = createProblems(window, 2);

    auto *check = named<QCheckBox>(&window, u"chkIncludeOptional"_s);
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(check->isChecked());
    const std::tuple<const char *, QString, QString, QString> entries[]
        = { { "txtTeachersName", teacherTyped, teacherPasted, teacher },
              { "txtClassName", classTyped, classPasted, className } };
    for (const auto &[name, typed, pasted, kept] : entries) {
        QLineEdit *box = field(window, name);
        QTest::mouseClick(box, Qt::LeftButton);
        typeCharacters(box, typed);
        box->insert(pasted); // as a paste
        QCOMPARE(box->text(), kept);
    }
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isChecked());
    QVERIFY(!field(window, "txtTeachersName")->isEnabled());

    saveBoth(window);
    // Lines 1 and 3 end with the names, whole, each on its own line.
    QCOMPARE(testsupport::fileBytes(worksheetPath(fixture)),
        expectedWorksheet(teacher.toUtf8(), className.toUtf8(), problems));
    // The answer key names neither.
    QCOMPARE(testsupport::fileBytes(answerSheetPath(fixture)), expectedAnswerSheet(problems));
}

void WorksheetScreenTest::savingKeepsTheEarlierFileAndReplacesIt()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    // No worksheets folder beside the program yet: saving makes one.
    QVERIFY(QDir(fixture.folder() + u"/worksheets"_s).removeRecursively());
    enterWorksheet(window);
    pickLevel(window, u"Warm Up"_s);
    pickOperation(window, u"Addition"_s);
    const QList<Problem> first = createProblems(window, 5);
    saveBoth(window);
    QCOMPARE(testsupport::fileBytes(worksheetPath(fixture)), expectedWorksheet({}, {}, first));

    button(window, "cmdClearWorksheet")->click();
    const QList<Problem> second = createProblems(window, 1);
    saveBoth(window);
    QCOMPARE(testsupport::fileBytes(worksheetPath(fixture)), expectedWorksheet({}, {}, second));
    QCOMPARE(testsupport::fileBytes(answerSheetPath(fixture)), expectedAnswerSheet(second));
    QCOMPARE(QDir(fixture.folder() + u"/worksheets"_s).entryList(QDir::Files),
        QStringList({ u"OrviAnswersheet.txt"_s, u"OrviWorksheet.txt"_s }));

    // The first worksheet and its answers wait in "earlier", under the time
    // they were saved; saving the same worksheet again keeps no copy.
    const QString earlier = fixture.folder() + u"/worksheets/earlier"_s;
    const QStringList kept = QDir(earlier).entryList(QDir::Files);
    QCOMPARE(kept.size(), 2);
    for (const QString &name : kept) {
        const bool answers = name.startsWith(u"OrviAnswersheet "_s);
        QVERIFY2(answers || name.startsWith(u"OrviWorksheet "_s), qPrintable(name));
        QVERIFY2(QRegularExpression(u"^\\w+ \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.txt$"_s)
                     .match(name)
                     .hasMatch(),
            qPrintable(name));
        QCOMPARE(testsupport::fileBytes(earlier + u'/' + name),
            answers ? expectedAnswerSheet(first) : expectedWorksheet({}, {}, first));
    }
    saveBoth(window);
    QCOMPARE(QDir(earlier).entryList(QDir::Files), kept);

    // When the earlier file cannot be kept, nothing is replaced.
    QVERIFY(QDir(earlier).removeRecursively());
    QFile inTheWay(earlier);
    QVERIFY(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();
    button(window, "cmdClearWorksheet")->click();
    createProblems(window, 2);
    button(window, "cmdSaveWorksheet")->click();
    const QString shown = wholeMessage(window);
    QVERIFY2(shown.startsWith(u"Save failed - "_s + QDir::toNativeSeparators(worksheetPath(fixture))
                 + u": "_s + u"a file named earlier is in the way"_s),
        qPrintable(shown));
    QCOMPARE(testsupport::fileBytes(worksheetPath(fixture)), expectedWorksheet({}, {}, second));
}

void WorksheetScreenTest::failedSaveSaysSoAndKeepsWhatWasThere_data()
{
    QTest::addColumn<bool>("answerSheet");
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("worksheet name is a folder") << false << false;
    QTest::newRow("answer sheet name is a folder") << true << false;
    QTest::newRow("worksheets is a file") << false << true;
    QTest::newRow("worksheets is a file, answer sheet") << true << true;
}

void WorksheetScreenTest::failedSaveSaysSoAndKeepsWhatWasThere()
{
    QFETCH(bool, answerSheet);
    QFETCH(bool, folderIsAFile);
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    createProblems(window, 3);

    const QString folder = fixture.folder() + u"/worksheets"_s;
    const QString target = answerSheet ? answerSheetPath(fixture) : worksheetPath(fixture);
    // Whatever stands in the way must come through unharmed.
    const QString keeper = folderIsAFile ? folder : target + u"/earlier.txt"_s;
    if (folderIsAFile)
        QVERIFY(QDir(folder).removeRecursively());
    else
        QVERIFY(QDir().mkpath(target));
    QFile earlier(keeper);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    const QString reason = testsupport::whyNotWritable(target);
    const QStringList before = testsupport::everythingUnder(fixture.folder());

    button(window, answerSheet ? "cmdSaveAnswer" : "cmdSaveWorksheet")->click();
    const QString shown = wholeMessage(window);
    QVERIFY2(shown.startsWith(u"Save failed - "_s + target + u": "_s), qPrintable(shown));
    QVERIFY2(shown.endsWith(reason), qPrintable(shown + u" / "_s + reason));
    QVERIFY(!shown.contains(u"Succesfull"_s));
    QCOMPARE(testsupport::everythingUnder(fixture.folder()), before); // nothing half written
    QCOMPARE(testsupport::fileBytes(keeper), QByteArray("earlier"));
    QCOMPARE(QFileInfo(target).isDir(), !folderIsAFile);

    // It stays until the teacher's next step, not for ten seconds only.
    QVERIFY(!messageTimer(window)->isActive());
    testsupport::invokeHandler(&window, "cmdCreateProblem_Click");
    QVERIFY(message(window).isEmpty());
}

void WorksheetScreenTest::longFolderNamesNeverHideTheFileOrTheReason_data()
{
    QTest::addColumn<bool>("answerSheet");
    QTest::addColumn<QString>("obstacle"); // in the way of the file: "", "folder", "file"
    QTest::newRow("worksheet saved") << false << QString();
    QTest::newRow("answer sheet saved") << true << QString();
    QTest::newRow("worksheet name is a folder") << false << u"folder"_s;
    // The reason names the long folder once more.
    QTest::newRow("worksheets is a file") << true << u"file"_s;
}

void WorksheetScreenTest::longFolderNamesNeverHideTheFileOrTheReason()
{
    QFETCH(bool, answerSheet);
    QFETCH(QString, obstacle);
    // The program installed deep in a school's shared drive.
    QTemporaryDir temporary;
    QString folder = temporary.path();
    for (int level = 1; level <= 5; ++level)
        folder += u"/Shared drive of the school, level "_s + QString::number(level);
    QVERIFY(QDir().mkpath(folder));
    testsupport::copyShippedFiles(folder);
    MainWindow window(folder);
    window.show();
    enterWorksheet(window);
    QVERIFY(pickLevel(window, u"Warm Up"_s) && pickOperation(window, u"Addition"_s));
    createProblems(window, 3);

    const QString fileName
        = u"/worksheets/"_s + (answerSheet ? u"OrviAnswersheet.txt"_s : u"OrviWorksheet.txt"_s);
    const QString target = folder + fileName;
    if (obstacle == u"folder"_s) {
        QVERIFY(QDir().mkpath(target));
    } else if (obstacle == u"file"_s) {
        QVERIFY(QDir(folder + u"/worksheets"_s).removeRecursively());
        QFile file(folder + u"/worksheets"_s);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    button(window, answerSheet ? "cmdSaveAnswer" : "cmdSaveWorksheet")->click();

    auto *status = named<QLabel>(&window, u"lblWorksheetMessage"_s);
    const QString shown = status->text();
    // The tool tip holds the whole message.
    const QString whole = status->toolTip();
    const QString start
        = obstacle.isEmpty() ? u"Save Succesfull - Available in "_s : u"Save failed - "_s;
    QString reason;
    if (obstacle.isEmpty()) {
        QCOMPARE(whole, start + target);
    } else {
        QVERIFY2(whole.startsWith(start + target + u": "_s), qPrintable(whole));
        reason = whole.mid(start.size() + target.size() + 2);
        QVERIFY(!reason.isEmpty());
    }

    // On one line, within the label: the middle of the folder gave way.
    QVERIFY2(status->fontMetrics().horizontalAdvance(shown) <= status->contentsRect().width(),
        qPrintable(shown));
    QVERIFY(shown.size() < whole.size());
    QVERIFY2(shown.startsWith(start + folder.left(8)), qPrintable(shown));
    // The file name and every word of the reason are there in full.
    if (obstacle.isEmpty()) {
        QVERIFY2(shown.endsWith(fileName), qPrintable(shown));
    } else {
        QVERIFY2(shown.contains(fileName + u": "_s), qPrintable(shown));
        const QStringList words = reason.split(folder, Qt::SkipEmptyParts);
        for (const QString &part : words)
            QVERIFY2(shown.contains(part), qPrintable(shown));
        if (!reason.endsWith(folder))
            QVERIFY2(shown.endsWith(words.last()), qPrintable(shown));
    }

    // The tool tip goes with the message.
    testsupport::invokeHandler(&window, "tmrWorksheet_Timer");
    QVERIFY(status->text().isEmpty());
    QVERIFY(status->toolTip().isEmpty());
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

void WorksheetScreenTest::messagesGoWhenTheirTimerRunsOut()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QTimer *timer = messageTimer(window);
    QVERIFY(!timer->isActive());
    enterWorksheet(window);
    QCOMPARE(timer->interval(), 10000);
    QVERIFY(timer->isActive());

    testsupport::invokeHandler(&window, "tmrWorksheet_Timer");
    QVERIFY(message(window).isEmpty());
    QVERIFY(!timer->isActive());

    // A save message starts it again, and a later message while it runs too.
    button(window, "cmdSaveWorksheet")->click();
    QVERIFY(timer->isActive());
    button(window, "cmdSaveAnswer")->click();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 10000);
    QVERIFY(message(window).endsWith(u"OrviAnswersheet.txt"_s));
    testsupport::invokeHandler(&window, "tmrWorksheet_Timer");
    QVERIFY(message(window).isEmpty());
    QVERIFY(!timer->isActive());
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
    QVERIFY(check->isChecked());
    const QRgb locked = window.palette().color(QPalette::Midlight).rgb();
    for (const char *name : { "txtTeachersName", "txtClassName" }) {
        QVERIFY2(!field(window, name)->isEnabled(), name);
        QCOMPARE(shownBackground(window, field(window, name)), locked);
        QVERIFY2(shownTextContrast(window, field(window, name)) >= 4.5, name);
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

void WorksheetScreenTest::printedPagesHoldEveryProblemAndTheKey_data()
{
    QTest::addColumn<bool>("withKey");
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("lastPage");
    QTest::newRow("with the key, A4") << true << int(QPageSize::A4) << u"Page 3 of 3"_s;
    QTest::newRow("without the key, A4") << false << int(QPageSize::A4) << u"Page 2 of 2"_s;
    QTest::newRow("with the key, Letter") << true << int(QPageSize::Letter) << u"Page 3 of 3"_s;
}

// 30 problems, Addition then Multiplication, with the teacher and the class:
// two worksheet pages and, when asked for, one page of answers, which match
// the answer sheet's.
void WorksheetScreenTest::printedPagesHoldEveryProblemAndTheKey()
{
    QFETCH(bool, withKey);
    QFETCH(int, paper);
    QFETCH(QString, lastPage);
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Intermediate"_s, u"Addition"_s);
    QList<Problem> problems = createProblems(window, 20);
    QVERIFY(pickOperation(window, u"Multiplication"_s));
    problems += createProblems(window, 10);
    named<QCheckBox>(&window, u"chkIncludeOptional"_s)->click();
    QTest::keyClicks(named<QLineEdit>(&window, u"txtTeachersName"_s), u"Ms Ada"_s);
    QTest::keyClicks(named<QLineEdit>(&window, u"txtClassName"_s), u"4B"_s);
    QVERIFY(button(window, "cmdPrintWorksheet")->isEnabled());

    const QString pdf = fixture.folder() + u"/worksheet.pdf"_s;
    QVERIFY(testsupport::printToPdf(window, pdf, withKey, QPageSize::PageSizeId(paper)));
    const QStringList words = testsupport::pdfWords(pdf);
    const QString text = words.join(u' ');
    QVERIFY2(text.startsWith(u"Orvi Math Tutor Worksheet"_s), qPrintable(text.left(200)));
    QVERIFY(text.contains(u"Teacher: Ms Ada Class: 4B"_s));
    QVERIFY(text.contains(u"Page 1 of "_s + lastPage.back()));
    QVERIFY(text.endsWith(lastPage));

    QList<QStringList> sums;
    QList<QStringList> answers;
    for (qsizetype i = 0; i < problems.size(); ++i) {
        const Problem &p = problems.at(i);
        const QString sign = p.sign == "*" ? u"\u00d7"_s : QString::fromLatin1(p.sign);
        const QString number = QString::number(i + 1) + u'.';
        sums << QStringList { number, QString::fromLatin1(p.first), sign,
            QString::fromLatin1(p.second) };
        answers << QStringList { number, QString::fromLatin1(p.first), sign,
            QString::fromLatin1(p.second), u"="_s, QString::fromLatin1(p.answer) };
    }
    QString missing;
    QVERIFY2(inOrder(words, sums, &missing), qPrintable(missing));
    if (withKey) {
        QVERIFY(inOrder(words, sums + answers, &missing));
        // The key's answers are the answer sheet's.
        button(window, "cmdSaveAnswer")->click();
        const QByteArray sheet = testsupport::fileBytes(answerSheetPath(fixture));
        for (const QStringList &answer : answers)
            QVERIFY(sheet.contains(answer.join(u' ')
                                       .section(u' ', 1)
                                       .replace(u"\u00d7"_s, u"*"_s)
                                       .replace(u" = "_s, u"  =   "_s)
                                       .toLatin1()));
    } else {
        QVERIFY(!words.contains(u"="_s));
        QVERIFY(!text.contains(u"Answer Key"_s));
    }
}

void WorksheetScreenTest::unwritablePdfSaysSoWithoutSuccess_data()
{
    QTest::addColumn<QString>("inTheWay"); // "file", "folder" or empty
    QTest::addColumn<QString>("pdfName"); // below the program's folder
    QTest::newRow("no such folder") << QString() << u"no such folder/worksheet.pdf"_s;
    QTest::newRow("its folder is a file") << u"file"_s << u"printed/worksheet.pdf"_s;
    QTest::newRow("its name is a folder") << u"folder"_s << u"printed/worksheet.pdf"_s;
}

// A PDF that cannot be written is told in a message with the system's reason,
// the status line claims nothing, whatever is in the way stays as it was, and
// the next print goes where it can.
void WorksheetScreenTest::unwritablePdfSaysSoWithoutSuccess()
{
    QFETCH(QString, inTheWay);
    QFETCH(QString, pdfName);
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    createProblems(window, 3);
    const QString pdf = fixture.folder() + u'/' + pdfName;
    QString keeper;
    if (inTheWay == u"file") {
        keeper = QFileInfo(pdf).absolutePath();
    } else if (inTheWay == u"folder") {
        QVERIFY(QDir().mkpath(pdf));
        keeper = pdf + u"/earlier.pdf"_s;
    }
    if (!keeper.isEmpty()) {
        QFile earlier(keeper);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    const QString reason = testsupport::whyNotWritable(pdf);
    const QStringList before = testsupport::everythingUnder(fixture.folder());

    testsupport::MessageBoxCloser closer;
    testsupport::printToPdf(window, pdf, true);
    QCOMPARE(closer.texts.size(), 1);
    const QString told = closer.texts.first().trimmed();
    const QString start = u"The worksheet could not be saved as PDF to "_s
        + QDir::toNativeSeparators(pdf) + u": "_s;
    QVERIFY2(told.startsWith(start), qPrintable(told));
    QVERIFY2(told.endsWith(reason), qPrintable(told + u" / "_s + reason));
    QVERIFY(!wholeMessage(window).contains(u"PDF"_s));
    QCOMPARE(testsupport::everythingUnder(fixture.folder()), before);
    if (!keeper.isEmpty())
        QCOMPARE(testsupport::fileBytes(keeper), QByteArray("earlier"));
    QCOMPARE(QFileInfo(pdf).isDir(), inTheWay == u"folder");

    const QString elsewhere = fixture.folder() + u"/worksheet.pdf"_s;
    testsupport::printToPdf(window, elsewhere, true);
    QCOMPARE(closer.texts.size(), 1);
    QCOMPARE(wholeMessage(window), u"Worksheet saved as PDF - "_s + elsewhere);
    QVERIFY(testsupport::pdfWords(elsewhere).join(u' ').startsWith(u"Orvi Math Tutor Worksheet"_s));
}

// With a worksheet of many pages the choice of the answer key stays in sight
// and in the Tab order; what it shows is what the pages hold, and the next
// preview shows the choice last made.
void WorksheetScreenTest::answerKeyChoiceStaysInSightAndIsKept()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    // More than ten worksheet pages on A4 or Letter.
    createProblems(window, 250);

    const KeyChoice first = previewKeyChoice(window, [](QCheckBox *key) { key->click(); });
    QVERIFY(first.found);
    QVERIFY(first.inSight);
    QVERIFY(first.reachedByTab);
    QVERIFY(!first.checked);

    int pagesWithout = 0;
    int pagesWithKey = 0;
    const KeyChoice again = previewKeyChoice(window, [&](QCheckBox *key) {
        pagesWithout = key->window()->findChild<QPrintPreviewWidget *>()->pageCount();
        // The space bar, as well as a click.
        QTest::keyClick(key, Qt::Key_Space);
        pagesWithKey = key->window()->findChild<QPrintPreviewWidget *>()->pageCount();
    });
    QVERIFY(again.inSight);
    QVERIFY(again.checked);
    QVERIFY(pagesWithout >= 10);
    QVERIFY(pagesWithKey > pagesWithout);
    QCOMPARE(again.pages, pagesWithKey);
    QCOMPARE(previewKeyChoice(window).pages, pagesWithKey);

    // Unchecked, it prints no key.
    const QString pdf = fixture.folder() + u"/worksheet.pdf"_s;
    QVERIFY(testsupport::printToPdf(window, pdf, false));
    QVERIFY(!testsupport::pdfWords(pdf).join(u' ').contains(u"Answer Key"_s));
    QVERIFY(!previewKeyChoice(window).checked);
}

// "Print to File (PDF)" proposes a file in the worksheets folder, beside the
// saved worksheets, while the printer proposed stays the desktop's own.
void WorksheetScreenTest::pdfIsProposedInTheWorksheetsFolder()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = readyWorksheet(fixture, u"Warm Up"_s, u"Addition"_s);
    createProblems(window, 3);
    const QString proposed = fixture.folder() + u"/worksheets/OrviWorksheet.pdf"_s;
    QVERIFY(QDir(fixture.folder() + u"/worksheets"_s).removeRecursively());

    QString fileName;
    int format = -1;
    QStringList fields;
    QTimer::singleShot(0, &window, [&]() {
        auto *preview = named<QPrintPreviewDialog>(&window, u"dlgPrintWorksheet"_s);
        if (!preview)
            return;
        fileName = preview->printer()->outputFileName();
        format = preview->printer()->outputFormat();
        // The print dialog that the preview's print button opens.
        QTimer::singleShot(0, preview, [&fields, preview]() {
            if (auto *dialog = preview->findChild<QPrintDialog *>()) {
                for (const QLineEdit *field : dialog->findChildren<QLineEdit *>())
                    fields << field->text();
                dialog->reject();
            }
        });
        for (QAction *action : preview->findChildren<QAction *>()) {
            if (action->text() == u"Print"_s)
                action->trigger();
        }
        preview->reject();
    });
    button(window, "cmdPrintWorksheet")->click();

    QCOMPARE(fileName, proposed);
    QCOMPARE(format, int(QPrinter().outputFormat()));
    QVERIFY2(fields.contains(QDir::toNativeSeparators(proposed)), qPrintable(fields.join(u'|')));
    // The folder is there for it.
    QVERIFY(QFileInfo(proposed).absoluteDir().exists());
}

QTEST_MAIN(WorksheetScreenTest)
#include "worksheet_screen_test.moc"
