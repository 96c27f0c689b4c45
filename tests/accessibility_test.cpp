#include "app/main_window.h"
#include "app/screen_host.h"
#include "base/screen.h"
#include "tests/test_support.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QtTest>

using namespace Qt::StringLiterals;
using testsupport::named;

namespace {

QString accessibleText(QObject *object, QAccessible::Text text)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QString();
}

// Every news sent to assistive technology while it lives.
struct Listener
{
    Listener()
    {
        heard().clear();
        // As when a screen reader listens.
        QAccessible::setActive(true);
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            if (event->type() == QAccessible::NameChanged
                || event->type() == QAccessible::DescriptionChanged)
                heard() << accessibleText(event->object(), QAccessible::Description) + u" | "_s
                        + accessibleText(event->object(), QAccessible::Name);
            else if (event->type() == QAccessible::Focus)
                heard() << u"focus "_s + event->object()->objectName();
        });
    }
    ~Listener()
    {
        QAccessible::installUpdateHandler(nullptr);
        QAccessible::setActive(false);
    }
    static QStringList &heard()
    {
        static QStringList news;
        return news;
    }
};

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void tabReachesAndNamesEveryControl_data();
    void tabReachesAndNamesEveryControl();
    void answersAreToldWithTheNextSum_data();
    void answersAreToldWithTheNextSum();
    void hiddenLogRowsSayTheyAreHidden();
    void dropDownListsKeepTheirNameAfterAPick_data();
    void dropDownListsKeepTheirNameAfterAPick();
    void decorativePicturesAreNotListed_data();
    void decorativePicturesAreNotListed();
    void hiddenScreensAndPartsAreNotListed_data();
    void hiddenScreensAndPartsAreNotListed();
    void anAnsweredPickSoundsPickedUntilTheKeyboardMoves();
    void timeTrialTellsTimeShortAndTheResult_data();
    void timeTrialTellsTimeShortAndTheResult();
    void aMenuCommandLeavesTheKeyboardOnTheScreen_data();
    void aMenuCommandLeavesTheKeyboardOnTheScreen();
};

void AccessibilityTest::tabReachesAndNamesEveryControl_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("pupil"); // a pupil is chosen first
    // Every screen as the screen host brings it up, a pupil chosen for the
    // pupil menu's; then the time trial's other states.
    for (const QString &item : ScreenHost::entryItems()) {
        QTest::newRow(qPrintable(item))
            << QStringList { item + u"_Click"_s } << item.startsWith(u"mnuPupil"_s);
    }
    QTest::newRow("time trial running")
        << QStringList { u"mnuGamesTime_Click"_s, u"cmdStartGame3_Click"_s } << false;
    QTest::newRow("time trial results")
        << QStringList { u"mnuGamesTime_Click"_s, u"cmdStartGame3_Click"_s }
            + QStringList(31, u"Timer3_Timer"_s)
        << false;
}

// From the control that has the keyboard, Tab goes round every control a
// user can reach on the screen, and each says what it is.
void AccessibilityTest::tabReachesAndNamesEveryControl()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, pupil);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (pupil)
        window.choosePupil(u"Ann"_s);
    for (const QString &step : steps)
        QVERIFY(testsupport::invokeHandler(&window, step.toLatin1().constData()));

    QSet<QWidget *> reachable;
    for (QWidget *widget : window.centralWidget()->findChildren<QWidget *>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled()
            && widget->window() == &window)
            reachable.insert(widget);
    }
    // A control's own parts, as a spin box's text field, take the keys
    // through it: Tab reaches them with it.
    const QSet<QWidget *> stops = reachable;
    reachable.removeIf([&stops](QWidget *widget) {
        for (QWidget *up = widget->parentWidget(); up; up = up->parentWidget()) {
            if (stops.contains(up))
                return true;
        }
        return false;
    });
    QVERIFY(!reachable.isEmpty());
    // An option button or a check box is called what it shows, never after
    // the group around it.
    for (QWidget *widget : std::as_const(reachable)) {
        if (qobject_cast<QRadioButton *>(widget) || qobject_cast<QCheckBox *>(widget)) {
            const QString shown = static_cast<QAbstractButton *>(widget)->text().remove(u'&');
            QCOMPARE(accessibleText(widget, QAccessible::Name), shown);
        }
    }
    QWidget *start = QApplication::focusWidget();
    QVERIFY(start);
    // The screen frame a control lies on, and the one a user sees over it.
    QWidget *const client = window.centralWidget();
    const QList<Screen *> screens = window.screenHost().screens();
    const auto screenOf = [&screens](QWidget *widget) {
        while (widget && !screens.contains(qobject_cast<Screen *>(widget)))
            widget = widget->parentWidget();
        return widget;
    };
    QSet<QWidget *> reached;
    for (int press = 0; press < 400 && reached.size() < reachable.size(); ++press) {
        QWidget *focused = QApplication::focusWidget();
        reached.insert(focused);
        QVERIFY2(!accessibleText(focused, QAccessible::Name).trimmed().isEmpty(),
            qPrintable(focused->objectName()));
        // The group around an option button is said once, as its group.
        QStringList around;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(focused);
        for (QAccessibleInterface *up = face->parent(); up; up = up->parent()) {
            if (!up->text(QAccessible::Name).isEmpty())
                around << up->text(QAccessible::Name);
        }
        for (const auto &label : face->relations(QAccessible::Label)) {
            QVERIFY2(!qobject_cast<QRadioButton *>(focused)
                    || !around.contains(label.first->text(QAccessible::Name)),
                qPrintable(focused->objectName()));
        }
        // Tab never lands on a control that another screen covers.
        const QPoint middle = focused->mapTo(client, focused->rect().center());
        QVERIFY2(screenOf(client->childAt(middle)) == screenOf(focused),
            qPrintable(focused->objectName()));
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    // A group of option buttons is one stop; arrows move inside it.
    const auto reachedGroupOf = [&reached](QWidget *widget) {
        if (!qobject_cast<QRadioButton *>(widget))
            return false;
        for (QWidget *other : reached) {
            if (qobject_cast<QRadioButton *>(other)
                && other->parentWidget() == widget->parentWidget())
                return true;
        }
        return false;
    };
    QStringList missed;
    for (QWidget *widget : reachable) {
        if (!reached.contains(widget) && !reachedGroupOf(widget))
            missed << widget->objectName();
    }
    QVERIFY2(missed.isEmpty(), qPrintable(missed.join(u", "_s)));
}

void AccessibilityTest::answersAreToldWithTheNextSum_data()
{
    QTest::addColumn<QByteArray>("screen");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("told");
    QTest::newRow("practice, right") << QByteArray("mnuFileWork_Click") << u"txtAnswer"_s << u"7"_s
                                     << u"Correct! 1 right, 0 wrong. Next: "_s;
    QTest::newRow("practice, wrong") << QByteArray("mnuFileWork_Click") << u"txtAnswer"_s << u"8"_s
                                     << u"Try Again. 0 right, 1 wrong. Next: "_s;
    QTest::newRow("missing number, wrong")
        << QByteArray("mnuGamesMissingNum_Click") << u"txtAnswerGame1"_s << u"x"_s
        << u"Try Again. 0 right, 1 wrong. Next: "_s;
}

// After Enter the answer box's description carries the verdict, the score
// and the next sum, and the change is sent to assistive technology.
void AccessibilityTest::answersAreToldWithTheNextSum()
{
    QFETCH(QByteArray, screen);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, told);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(testsupport::invokeHandler(&window, screen.constData()));
    QVERIFY(QTest::qWaitForWindowActive(&window));
    testsupport::setPracticeProblem(window, 3, 4, 1);
    auto *answer = named<QLineEdit>(&window, box);
    answer->setFocus();
    Listener listener;
    QTest::keyClicks(answer, typed);
    QTest::keyClick(answer, Qt::Key_Return);
    const QString description = accessibleText(answer, QAccessible::Description);
    QVERIFY2(description.startsWith(told), qPrintable(description));
    QVERIFY2(description.endsWith(u"?"_s), qPrintable(description));
    // Left and come back to, the box says the sum alone.
    const QString sum = description.mid(description.lastIndexOf(u": "_s) + 2);
    named<QWidget>(&window, u"wbrMyBrowser"_s)->setFocus();
    answer->setFocus();
    QCOMPARE(accessibleText(answer, QAccessible::Description), sum);
    // The offscreen platform has no accessibility bridge, and Qt passes no
    // event on without one; where there is one, the change is sent.
    if (QAccessible::isActive()) {
        QVERIFY2(Listener::heard().contains(
                     description + u" | "_s + accessibleText(answer, QAccessible::Name)),
            qPrintable(Listener::heard().join(u"\n"_s)));
    }
}

// Rows of the session log say they show only while the report panel does.
void AccessibilityTest::hiddenLogRowsSayTheyAreHidden()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    for (const QString &typed : { u"1"_s, u"2"_s, u"3"_s })
        testsupport::answerPractice(window, typed);
    QAccessibleInterface *list
        = QAccessible::queryAccessibleInterface(named<QWidget>(&window, u"lstLogRW"_s));
    const auto rowsShowing = [list]() {
        int showing = 0;
        for (int i = 0; i < list->childCount(); ++i)
            showing += list->child(i)->state().invisible ? 0 : 1;
        return showing;
    };
    QVERIFY(rowsShowing() == 0);
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    QCOMPARE(rowsShowing(), 3);
    testsupport::invokeHandler(&window, "mnuOptHideReport_Click");
    QCOMPARE(rowsShowing(), 0);
}

void AccessibilityTest::dropDownListsKeepTheirNameAfterAPick_data()
{
    QTest::addColumn<QByteArray>("screen");
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("toldAlone"); // the pick is told without more news
    QTest::newRow("difficulty") << QByteArray("mnuOptionsWorksheet_Click") << u"cmbDifficulty"_s
                                << false;
    QTest::newRow("operation") << QByteArray("mnuOptionsWorksheet_Click") << u"cmbOperation"_s
                               << false;
    QTest::newRow("facts of") << QByteArray("mnuPupilProgress_Click") << u"cboFactsOperation"_s
                              << true;
}

// A pick with the keys changes what the list says it holds, never what it
// is called; the entry picked is heard, once.
void AccessibilityTest::dropDownListsKeepTheirNameAfterAPick()
{
    QFETCH(QByteArray, screen);
    QFETCH(QString, list);
    QFETCH(bool, toldAlone);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    window.choosePupil(u"Ann"_s);
    QVERIFY(testsupport::invokeHandler(&window, screen.constData()));
    auto *box = named<QComboBox>(&window, list);
    const QString name = accessibleText(box, QAccessible::Name);
    QVERIFY(!name.isEmpty());
    box->setFocus();
    Listener listener;
    QTest::keyClick(box, Qt::Key_Down);
    QVERIFY(!box->currentText().isEmpty());
    QCOMPARE(accessibleText(box, QAccessible::Name), name);
    QCOMPARE(accessibleText(box, QAccessible::Value), box->currentText());
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(box);
    QCOMPARE(face->role(), QAccessible::ComboBox);
    // A reader takes a list's value from its text when its name is not it.
    QAccessibleTextInterface *text = face->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), box->currentText());
    if (QAccessible::isActive()) {
        const QString alone = box->currentText() + u" | "_s + name;
        QCOMPARE(Listener::heard().count(alone), toldAlone ? 1 : 0);
        QVERIFY(!Listener::heard().isEmpty());
    }
    // The entries stay reachable for the screen reader to list.
    QCOMPARE(face->child(0)->object(), static_cast<QObject *>(box->view()));
}

void AccessibilityTest::decorativePicturesAreNotListed_data()
{
    QTest::addColumn<QByteArray>("screen");
    QTest::addColumn<QStringList>("pictures");
    QTest::newRow("practice") << QByteArray("mnuFileWork_Click")
                              << QStringList { u"Image1"_s, u"Image2"_s, u"Image11"_s,
                                     u"imgCorrect"_s, u"imgCheck"_s };
    QTest::newRow("missing number") << QByteArray("mnuGamesMissingNum_Click")
                                    << QStringList { u"Image13"_s, u"Image14"_s, u"Image15"_s,
                                           u"imgCorrectGame1"_s, u"imgIncorrectGame1"_s };
    QTest::newRow("missing operation") << QByteArray("mnuGamesMissingOper_Click")
                                       << QStringList { u"Image4"_s, u"Image5"_s, u"Image6"_s,
                                              u"imgCorrectGame2"_s, u"imgIncorrectGame2"_s };
    QTest::newRow("time trial") << QByteArray("mnuGamesTime_Click")
                                << QStringList { u"Image8"_s, u"Image9"_s, u"Image10"_s };
}

// The rule under a sum only draws it as on paper, and the verdict's picture
// beside its word: a screen reader neither finds them among their frame's
// children nor hears a name for them, while the numbers and words stay
// listed.
void AccessibilityTest::decorativePicturesAreNotListed()
{
    QFETCH(QByteArray, screen);
    QFETCH(QStringList, pictures);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(testsupport::invokeHandler(&window, screen.constData()));
    for (const QString &name : pictures) {
        auto *picture = named<QWidget>(&window, name);
        QVERIFY2(accessibleText(picture, QAccessible::Name).isEmpty(), qPrintable(name));
        QAccessibleInterface *frame
            = QAccessible::queryAccessibleInterface(picture->parentWidget());
        QObjectList listed;
        for (int i = 0; i < frame->childCount(); ++i)
            listed << frame->child(i)->object();
        QVERIFY2(!listed.contains(picture), qPrintable(name));
        QVERIFY(frame->indexOfChild(QAccessible::queryAccessibleInterface(picture)) < 0);
        QVERIFY(!listed.isEmpty());
        for (int i = 0; i < frame->childCount(); ++i)
            QCOMPARE(frame->indexOfChild(frame->child(i)), i);
    }
}

void AccessibilityTest::hiddenScreensAndPartsAreNotListed_data()
{
    QTest::addColumn<QByteArray>("screen");
    QTest::addColumn<QString>("front"); // the screen the keyboard works on
    QTest::addColumn<QStringList>("shownScreens"); // it and the one beside it
    QTest::addColumn<QString>("hiddenPart"); // hidden on it until news comes
    QTest::newRow("practice") << QByteArray("mnuFileWork_Click") << u"fraMain"_s
                              << QStringList { u"fraMain"_s, u"fraMyBrowser"_s } << u"fraCorrect"_s;
    QTest::newRow("missing number")
        << QByteArray("mnuGamesMissingNum_Click") << u"fraGame1"_s
        << QStringList { u"fraGame1"_s, u"fraMyBrowser"_s } << u"fraIncorrectGame1"_s;
    QTest::newRow("time trial") << QByteArray("mnuGamesTime_Click") << u"fraGame3"_s
                                << QStringList { u"fraGame3"_s, u"fraMyBrowser"_s }
                                << u"fraGame3Results"_s;
}

// A screen reader walking the window finds the screen in front and what
// shows on it, not the screens behind nor parts hidden for now; a part
// that shows is found.
void AccessibilityTest::hiddenScreensAndPartsAreNotListed()
{
    QFETCH(QByteArray, screen);
    QFETCH(QString, front);
    QFETCH(QStringList, shownScreens);
    QFETCH(QString, hiddenPart);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(testsupport::invokeHandler(&window, screen.constData()));
    const auto listed = [](QWidget *widget) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        QObjectList children;
        for (int i = 0; i < face->childCount(); ++i) {
            children << face->child(i)->object();
            if (face->indexOfChild(face->child(i)) != i)
                return QObjectList();
        }
        return children;
    };
    // Through the places of the window that show.
    QStringList screens;
    for (QObject *place : listed(window.centralWidget())) {
        for (const QObject *shown : listed(qobject_cast<QWidget *>(place)))
            screens << shown->objectName();
    }
    screens.sort();
    QCOMPARE(screens, shownScreens);
    auto *frontScreen = named<QWidget>(&window, front);
    auto *part = named<QWidget>(&window, hiddenPart);
    QVERIFY(part->isHidden());
    QVERIFY(!listed(frontScreen).isEmpty());
    QVERIFY(!listed(part->parentWidget()).contains(part));
    part->show();
    QVERIFY(listed(part->parentWidget()).contains(part));
}

// Space on an option button answers, and the buttons are cleared for the
// next problem at once; heard "not selected" just then, the pick would sound
// as if it had failed, so it sounds picked until the keyboard moves on.
void AccessibilityTest::anAnsweredPickSoundsPickedUntilTheKeyboardMoves()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(testsupport::invokeHandler(&window, "mnuGamesMissingOper_Click"));
    auto *subtraction = named<QRadioButton>(&window, u"optSubGame2"_s);
    subtraction->setFocus();
    QTest::keyClick(subtraction, Qt::Key_Space);
    QCOMPARE(
        window.state().MissingOperationCorrectCount + window.state().MissingOperationIncorrectCount,
        1);
    QVERIFY(!subtraction->isChecked());
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(subtraction);
    QVERIFY(face->state().checked);
    QTest::keyClick(subtraction, Qt::Key_Down);
    QVERIFY(!subtraction->hasFocus());
    QVERIFY(!face->state().checked);
}

void AccessibilityTest::timeTrialTellsTimeShortAndTheResult_data()
{
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QString>("keyboard"); // what has it while the clock runs
    QTest::addColumn<bool>("keepsSum"); // the note goes on with the sum to answer
    QTest::newRow("thirty seconds, answering") << u"opt30secs"_s << u"txtAnswerGame3"_s << true;
    QTest::newRow("sixty seconds, on Stop") << u"opt60secs"_s << u"cmdStopGame3"_s << false;
}

// What has the keyboard hears once that ten seconds are left; at time up the
// keyboard goes to the results, which say them; the next trial starts
// without the old note.
void AccessibilityTest::timeTrialTellsTimeShortAndTheResult()
{
    QFETCH(QString, limit);
    QFETCH(QString, keyboard);
    QFETCH(bool, keepsSum);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(testsupport::invokeHandler(&window, "mnuGamesTime_Click"));
    named<QRadioButton>(&window, limit)->setChecked(true);
    QVERIFY(testsupport::invokeHandler(&window, "cmdStartGame3_Click"));
    auto *listener = named<QWidget>(&window, keyboard);
    listener->setFocus();
    const QString sum = accessibleText(listener, QAccessible::Description);
    const int seconds = int(window.state().TimeLimitSeconds);

    QStringList news; // each change, after the second the clock shows
    for (int second = 0; second < seconds; ++second) {
        const QString before = accessibleText(listener, QAccessible::Description);
        QVERIFY(testsupport::invokeHandler(&window, "Timer3_Timer"));
        const QString now = accessibleText(listener, QAccessible::Description);
        if (now != before)
            news << testsupport::labelText(window, "lblGame3TimeKeep") + u": "_s + now;
    }
    const QString note = u"10: 10 seconds left."_s + (keepsSum ? u" "_s + sum : QString());
    QCOMPARE(news, QStringList(note));
    QVERIFY(listener->hasFocus());

    QVERIFY(testsupport::invokeHandler(&window, "Timer3_Timer"));
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused);
    QCOMPARE(focused->objectName(), u"fraGame3Results"_s);
    QCOMPARE(accessibleText(focused, QAccessible::Description),
        u"Time is up. You answered 0 right in %1 seconds."_s.arg(seconds));

    QVERIFY(testsupport::invokeHandler(&window, "cmdResetGame3_Click"));
    QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdStartGame3"_s);
    QVERIFY(testsupport::invokeHandler(&window, "cmdStartGame3_Click"));
    const QString fresh = accessibleText(listener, QAccessible::Description);
    QVERIFY2(!fresh.contains(u"seconds left"_s), qPrintable(fresh));
}

void AccessibilityTest::aMenuCommandLeavesTheKeyboardOnTheScreen_data()
{
    QTest::addColumn<QByteArray>("before"); // where the keyboard was
    QTest::addColumn<QString>("keys"); // Alt and the menu's key, then the item's
    QTest::addColumn<QString>("focused");
    QTest::addColumn<bool>("sameWords"); // it says what it said before
    QTest::addColumn<QString>("title"); // the label with the title said once
    QTest::newRow("help contents from About")
        << QByteArray("mnuHelpAbout_Click") << u"hc"_s << u"wbrHelp"_s << false << QString();
    QTest::newRow("work mode from help")
        << QByteArray("mnuHelpContents_Click") << u"fw"_s << u"txtAnswer"_s << false << QString();
    QTest::newRow("time trial from practice")
        << QByteArray("mnuFileWork_Click") << u"gt"_s << u"cmdStartGame3"_s << false << QString();
    QTest::newRow("missing operation from About")
        << QByteArray("mnuHelpAbout_Click") << u"go"_s << u"optAddGame2"_s << false << QString();
    QTest::newRow("show report while practising")
        << QByteArray("mnuFileWork_Click") << u"or"_s << u"txtAnswer"_s << true << QString();
    QTest::newRow("my progress from practice")
        << QByteArray("mnuFileWork_Click") << u"pp"_s << u"tblProgress"_s << false
        << u"lblProgressTitle"_s;
    QTest::newRow("class overview from help") << QByteArray("mnuHelpContents_Click") << u"pl"_s
                                              << u"tblClass"_s << false << u"lblClassTitle"_s;
}

// Once a menu's command has run and the menu has closed, the keyboard is on
// the screen's first control, not on the window, and a screen reader is
// told so; a help page is read from its top.
void AccessibilityTest::aMenuCommandLeavesTheKeyboardOnTheScreen()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, keys);
    QFETCH(QString, focused);
    QFETCH(bool, sameWords);
    QFETCH(QString, title);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.choosePupil(u"Ann"_s);
    QVERIFY(testsupport::invokeHandler(&window, before.constData()));
    const QString wordsBefore = accessibleText(window.focusWidget(), QAccessible::Description);
    Listener listener;
    QTest::keyClick(&window, keys.at(0).toLatin1(), Qt::AltModifier);
    QWidget *menu = QApplication::activePopupWidget();
    QVERIFY(menu);
    QTest::keyClick(menu, keys.at(1).toLatin1());
    QVERIFY(!QApplication::activePopupWidget());
    QCoreApplication::processEvents();
    QWidget *now = window.focusWidget();
    QVERIFY(now);
    QCOMPARE(now->objectName(), focused);
    if (auto *page = qobject_cast<QTextBrowser *>(now))
        QCOMPARE(page->textCursor().position(), 0);
    // The command's news has been heard; the control says its own words.
    if (sameWords)
        QCOMPARE(accessibleText(now, QAccessible::Description), wordsBefore);
    if (QAccessible::isActive()) {
        QCOMPARE(Listener::heard().filter(u"focus "_s).last(), u"focus "_s + focused);
        if (!title.isEmpty())
            QCOMPARE(
                Listener::heard().filter(testsupport::labelText(window, qPrintable(title))).size(),
                1);
    }
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
