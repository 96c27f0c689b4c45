#include "app/main_window.h"
#include "rules/missing_games.h"
#include "rules/time_trial_rules.h"
#include "tests/test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <cmath>

// Run by on_accessibility_bus.sh: on a private X display and session bus,
// with the desktop's accessibility bus, as on a blind pupil's desktop. The
// test listens on that bus as a screen reader does and hears what the
// program tells while it is used by keyboard.

using namespace Qt::StringLiterals;
using testsupport::named;

namespace {

// One description change as a screen reader receives it: from which object,
// and the text when the signal carries one.
struct Heard
{
    QString path;
    QString text;
};

class ScreenReaderEar : public QObject
{
    Q_OBJECT

public:
    // Joins the accessibility bus and asks the registry for description
    // changes, as a screen reader does on start. An empty text on success.
    QString join()
    {
        QString address = qEnvironmentVariable("AT_SPI_BUS_ADDRESS");
        if (address.isEmpty()) {
            const QDBusMessage reply
                = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
                    u"org.a11y.Bus"_s, u"/org/a11y/bus"_s, u"org.a11y.Bus"_s, u"GetAddress"_s));
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
                return u"No accessibility bus: "_s + reply.errorMessage();
            address = reply.arguments().constFirst().toString();
        }
        m_bus = QDBusConnection::connectToBus(address, u"screen reader"_s);
        if (!m_bus.isConnected())
            return u"Cannot join the accessibility bus at "_s + address;
        const QDBusMessage registered = m_bus.call(
            QDBusMessage::createMethodCall(u"org.a11y.atspi.Registry"_s,
                u"/org/a11y/atspi/registry"_s, u"org.a11y.atspi.Registry"_s, u"RegisterEvent"_s)
            << u"object:property-change:accessible-description"_s << QStringList() << QString());
        if (registered.type() != QDBusMessage::ReplyMessage)
            return u"The registry refused: "_s + registered.errorMessage();
        const QDBusMessage focusRegistered = m_bus.call(
            QDBusMessage::createMethodCall(u"org.a11y.atspi.Registry"_s,
                u"/org/a11y/atspi/registry"_s, u"org.a11y.atspi.Registry"_s, u"RegisterEvent"_s)
            << u"object:state-changed:focused"_s << QStringList() << QString());
        if (focusRegistered.type() != QDBusMessage::ReplyMessage)
            return u"The registry refused: "_s + focusRegistered.errorMessage();
        if (!m_bus.connect(QString(), QString(), u"org.a11y.atspi.Event.Object"_s,
                u"PropertyChange"_s, this, SLOT(propertyChanged(QDBusMessage))))
            return u"Cannot listen: "_s + m_bus.lastError().message();
        if (!m_bus.connect(QString(), QString(), u"org.a11y.atspi.Event.Object"_s,
                u"StateChanged"_s, this, SLOT(stateChanged(QDBusMessage))))
            return u"Cannot listen: "_s + m_bus.lastError().message();
        return QString();
    }

    // Asks the program, over the bus, as a screen reader asks an object
    // about itself; the answer unwrapped, or nothing when none came.
    QVariant ask(const QString &path, const QString &interface, const QString &method,
        const QVariantList &arguments)
    {
        QDBusMessage question = QDBusMessage::createMethodCall(
            QDBusConnection(u"a11y"_s).baseService(), path, interface, method);
        question.setArguments(arguments);
        // The program answers from this same thread: wait with its events.
        const QDBusPendingCall pending = m_bus.asyncCall(question, 10000);
        if (!QTest::qWaitFor([&]() { return pending.isFinished(); }, 10000))
            return QVariant();
        const QDBusMessage reply = pending.reply();
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return QVariant();
        const QVariant answer = reply.arguments().constFirst();
        return answer.canConvert<QDBusVariant>() ? qvariant_cast<QDBusVariant>(answer).variant()
                                                 : answer;
    }

    QString property(const QString &path, const QString &name)
    {
        return ask(path, u"org.freedesktop.DBus.Properties"_s, u"Get"_s,
            { u"org.a11y.atspi.Accessible"_s, name })
            .toString();
    }

    QList<Heard> heard;
    QStringList focused; // paths of the objects that took the focus, in turn

private slots:
    void propertyChanged(const QDBusMessage &message)
    {
        const QList<QVariant> arguments = message.arguments();
        if (arguments.size() < 4 || arguments.at(0).toString() != u"accessible-description"_s)
            return;
        // What a reader speaks: a string in the signal's variant. Anything
        // else there (an object reference) is not spoken.
        const QVariant data = qvariant_cast<QDBusVariant>(arguments.at(3)).variant();
        heard << Heard { message.path(),
            data.metaType() == QMetaType::fromType<QString>() ? data.toString() : QString() };
    }

    void stateChanged(const QDBusMessage &message)
    {
        const QList<QVariant> arguments = message.arguments();
        if (arguments.size() >= 2 && arguments.at(0).toString() == u"focused"_s
            && arguments.at(1).toInt() == 1)
            focused << message.path();
    }

private:
    QDBusConnection m_bus { QString() };
};

// The path under which the bridge shows `widget` on the bus.
QString pathOnBus(QWidget *widget)
{
    return u"/org/a11y/atspi/accessible/"_s
        + QString::number(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
}

// The answer that is right for what the pupil sees, and one that is wrong.
QString rightAnswer(MainWindow &window, const QString &box)
{
    const TutorState &state = window.state();
    const auto operation = tutor::Operation(state.OperationCode);
    if (box == u"txtAnswerGame1"_s)
        return QString::number(
            tutor::missingNumber({ state.MissingNumberTop, state.MissingNumberBottom }, operation));
    if (box == u"txtAnswerGame3"_s)
        return QString::number(qint64(std::llround(
            tutor::timeTrialAnswer({ state.TimeTrialFirst, state.TimeTrialSecond }, operation)
                .value_or(0))));
    testsupport::setPracticeProblem(window, 3, 4, 1);
    return u"7"_s;
}

// The option button for the missing operation, or one for another result.
QRadioButton *operationButton(MainWindow &window, bool right)
{
    const TutorState &state = window.state();
    const tutor::MissingOperationProblem problem { state.MissingOperationFirst,
        state.MissingOperationSecond, state.MissingOperationResult,
        tutor::Operation(state.MissingOperationCode) };
    const std::pair<const char *, tutor::Operation> buttons[] = {
        { "optAddGame2", tutor::Operation::Addition },
        { "optSubGame2", tutor::Operation::Subtraction },
        { "optMulGame2", tutor::Operation::Multiplication },
    };
    for (const auto &[name, operation] : buttons) {
        if (tutor::operationGivesResult(problem, operation) == right)
            return named<QRadioButton>(&window, QString::fromLatin1(name));
    }
    return nullptr;
}

// With no window manager on the display, the window is given the keyboard
// by hand, as a desktop gives it to a program that starts.
bool hasKeyboard(MainWindow &window)
{
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

class ScreenReaderBusTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyVerdictArrivesWithItsText_data();
    void everyVerdictArrivesWithItsText();
    void timeTrialTellsTimeShortAndTheResult();
    void levelAndOperationKeysAreHeard_data();
    void levelAndOperationKeysAreHeard();
    void optionButtonsAreCalledByTheirCaptions_data();
    void optionButtonsAreCalledByTheirCaptions();
    void theAnswerBoxSaysItsSumAroundTheReport();
    void aMenuCommandPutsTheReaderOnTheScreen_data();
    void aMenuCommandPutsTheReaderOnTheScreen();
    void choosePupilsNameBoxSaysThePupilHighlighted();
    void aDropDownListSaysItsNewValue();

private:
    // Waits until the bus brings a description change from `widget` that
    // carries `start` at its beginning.
    bool hears(QWidget *widget, const QString &start);
    // All that was heard, for a failure's message.
    QByteArray heardSoFar() const;

    ScreenReaderEar m_ear;
};

void ScreenReaderBusTest::initTestCase()
{
    QVERIFY2(qgetenv("QT_QPA_PLATFORM") == "xcb",
        "Run through on_accessibility_bus.sh, which starts the display and buses.");
    const QString joined = m_ear.join();
    QVERIFY2(joined.isEmpty(), qPrintable(joined));
    // Qt's bridge finds the bus once it is asked whether anyone listens.
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(QDBusConnection(u"a11y"_s).isConnected(), 20000);
}

bool ScreenReaderBusTest::hears(QWidget *widget, const QString &start)
{
    const QString path = pathOnBus(widget);
    return QTest::qWaitFor(
        [&]() {
            for (const Heard &news : std::as_const(m_ear.heard)) {
                if (news.path == path && news.text.startsWith(start))
                    return true;
            }
            return false;
        },
        10000);
}

QByteArray ScreenReaderBusTest::heardSoFar() const
{
    QStringList lines;
    for (const Heard &news : m_ear.heard)
        lines << news.path + u": "_s + (news.text.isEmpty() ? u"<no text>"_s : news.text);
    return lines.join(u'\n').toUtf8();
}

void ScreenReaderBusTest::everyVerdictArrivesWithItsText_data()
{
    QTest::addColumn<QByteArray>("screen");
    QTest::addColumn<QByteArray>("start"); // a handler that starts play, or none
    QTest::addColumn<QString>("box"); // the answer box; none: option buttons
    QTest::newRow("practice") << QByteArray("mnuFileWork_Click") << QByteArray() << u"txtAnswer"_s;
    QTest::newRow("missing number")
        << QByteArray("mnuGamesMissingNum_Click") << QByteArray() << u"txtAnswerGame1"_s;
    QTest::newRow("missing operation")
        << QByteArray("mnuGamesMissingOper_Click") << QByteArray() << QString();
    QTest::newRow("time trial") << QByteArray("mnuGamesTime_Click")
                                << QByteArray("cmdStartGame3_Click") << u"txtAnswerGame3"_s;
}

// A right and a wrong answer each reach the bus with the verdict itself, in
// the signal a screen reader speaks, from the control the pupil answered in.
void ScreenReaderBusTest::everyVerdictArrivesWithItsText()
{
    QFETCH(QByteArray, screen);
    QFETCH(QByteArray, start);
    QFETCH(QString, box);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(hasKeyboard(window));
    QVERIFY(testsupport::invokeHandler(&window, screen.constData()));
    if (!start.isEmpty())
        QVERIFY(testsupport::invokeHandler(&window, start.constData()));

    for (const bool right : { true, false }) {
        m_ear.heard.clear();
        QWidget *answered = nullptr;
        if (box.isEmpty()) {
            QRadioButton *button = operationButton(window, right);
            QVERIFY(button);
            button->setFocus();
            testsupport::pauseBeforeNextClick();
            QTest::keyClick(button, Qt::Key_Space);
            answered = button;
        } else {
            auto *answer = named<QLineEdit>(&window, box);
            answer->setFocus();
            const QString typed = rightAnswer(window, box);
            QTest::keyClicks(answer, right ? typed : typed + u"1"_s);
            QTest::keyClick(answer, Qt::Key_Return);
            answered = answer;
        }
        const QString verdict = right ? u"Correct! "_s : u"Try Again. "_s;
        QVERIFY2(hears(answered, verdict), heardSoFar().constData());
        // Word for word what the control now says of itself.
        const QString description
            = QAccessible::queryAccessibleInterface(answered)->text(QAccessible::Description);
        QVERIFY2(hears(answered, description), heardSoFar().constData());
    }
}

// Ten seconds left and the result at time up are heard, the result from
// where the keyboard goes then.
void ScreenReaderBusTest::timeTrialTellsTimeShortAndTheResult()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(hasKeyboard(window));
    QVERIFY(testsupport::invokeHandler(&window, "mnuGamesTime_Click"));
    QVERIFY(testsupport::invokeHandler(&window, "cmdStartGame3_Click"));
    auto *answer = named<QLineEdit>(&window, u"txtAnswerGame3"_s);
    answer->setFocus();
    const int seconds = int(window.state().TimeLimitSeconds);
    for (int second = 0; second < seconds; ++second)
        QVERIFY(testsupport::invokeHandler(&window, "Timer3_Timer"));
    QVERIFY2(hears(answer, u"10 seconds left."_s), heardSoFar().constData());
    QVERIFY(testsupport::invokeHandler(&window, "Timer3_Timer"));
    QWidget *results = QApplication::focusWidget();
    QVERIFY(results);
    QCOMPARE(results->objectName(), u"fraGame3Results"_s);
    QVERIFY2(hears(results, u"Time is up. You answered 0 right in %1 seconds."_s.arg(seconds)),
        heardSoFar().constData());
}

void ScreenReaderBusTest::levelAndOperationKeysAreHeard_data()
{
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<QString>("news");
    QTest::addColumn<QString>("sum"); // what the answer box says afterwards
    QTest::newRow("F2") << QByteArray("mnuOptDiffLev2_Click") << u"You chose Intermediate."_s
                        << u"%1 plus %2 equals what?"_s;
    QTest::newRow("Ctrl+F2") << QByteArray("mnuOptOperSub_Click") << u"You chose Subtraction."_s
                             << u"%1 minus %2 equals what?"_s;
}

// A level or an operation chosen by its key while a sum waits is heard with
// the sum now shown, which the answer box goes on saying.
void ScreenReaderBusTest::levelAndOperationKeysAreHeard()
{
    QFETCH(QByteArray, handler);
    QFETCH(QString, news);
    QFETCH(QString, sum);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(hasKeyboard(window));
    QVERIFY(testsupport::invokeHandler(&window, "mnuFileWork_Click"));
    testsupport::setPracticeProblem(window, 3, 4, 1);
    auto *answer = named<QLineEdit>(&window, u"txtAnswer"_s);
    answer->setFocus();
    m_ear.heard.clear();
    QVERIFY(testsupport::invokeHandler(&window, handler.constData()));
    const QString shown = sum.arg(
        testsupport::labelText(window, "lblNum1"), testsupport::labelText(window, "lblNum2"));
    QVERIFY2(hears(answer, news + u' ' + shown), heardSoFar().constData());
    QCOMPARE(QAccessible::queryAccessibleInterface(answer)->text(QAccessible::Description), shown);
}

void ScreenReaderBusTest::optionButtonsAreCalledByTheirCaptions_data()
{
    QTest::addColumn<QByteArray>("screen");
    QTest::addColumn<QString>("button");
    QTest::newRow("addition") << QByteArray("mnuGamesMissingOper_Click") << u"optAddGame2"_s;
    QTest::newRow("subtraction") << QByteArray("mnuGamesMissingOper_Click") << u"optSubGame2"_s;
    QTest::newRow("multiplication") << QByteArray("mnuGamesMissingOper_Click") << u"optMulGame2"_s;
    QTest::newRow("shorter time limit") << QByteArray("mnuGamesTime_Click") << u"opt30secs"_s;
    QTest::newRow("longer time limit") << QByteArray("mnuGamesTime_Click") << u"opt60secs"_s;
}

// What a reader asks an option button for its name is its own caption,
// never the title of the group around it.
void ScreenReaderBusTest::optionButtonsAreCalledByTheirCaptions()
{
    QFETCH(QByteArray, screen);
    QFETCH(QString, button);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(hasKeyboard(window));
    QVERIFY(testsupport::invokeHandler(&window, screen.constData()));
    auto *option = named<QRadioButton>(&window, button);
    QVERIFY(option);
    const QString caption = option->text().remove(u'&');
    QVERIFY(!caption.isEmpty());
    QCOMPARE(m_ear.property(pathOnBus(option), u"Name"_s), caption);
}

// The report's news is heard, and then the answer box says the sum again:
// when the keyboard comes back to it, and once the report is hidden.
void ScreenReaderBusTest::theAnswerBoxSaysItsSumAroundTheReport()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(hasKeyboard(window));
    QVERIFY(testsupport::invokeHandler(&window, "mnuFileWork_Click"));
    testsupport::setPracticeProblem(window, 3, 4, 1);
    auto *answer = named<QLineEdit>(&window, u"txtAnswer"_s);
    answer->setFocus();
    const QString path = pathOnBus(answer);
    const QString sum = m_ear.property(path, u"Description"_s);
    QVERIFY(sum.contains(testsupport::labelText(window, "lblNum1")));
    m_ear.heard.clear();
    for (const bool shown : { true, false }) {
        QVERIFY(testsupport::invokeHandler(
            &window, shown ? "mnuOptShowReport_Click" : "mnuOptHideReport_Click"));
        if (shown) {
            QVERIFY2(hears(answer, u"Report shown"_s), heardSoFar().constData());
            // Away and back, as a pupil checks where they are.
            auto *clear = named<QWidget>(&window, u"cmdClearReport"_s);
            clear->setFocus();
            QTRY_VERIFY(clear->hasFocus());
            answer->setFocus();
        }
        QCOMPARE(QApplication::focusWidget(), answer);
        QCOMPARE(m_ear.property(path, u"Description"_s), sum);
    }
}

void ScreenReaderBusTest::aMenuCommandPutsTheReaderOnTheScreen_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("keys"); // the menu's key, then the item's
    QTest::addColumn<QString>("focused");
    QTest::newRow("help contents from About")
        << QByteArray("mnuHelpAbout_Click") << u"hc"_s << u"wbrHelp"_s;
    QTest::newRow("work mode from help")
        << QByteArray("mnuHelpContents_Click") << u"fw"_s << u"txtAnswer"_s;
}

// The last object a reader is told took the focus after a menu's command is
// the screen's first control, not the window.
void ScreenReaderBusTest::aMenuCommandPutsTheReaderOnTheScreen()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, keys);
    QFETCH(QString, focused);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(hasKeyboard(window));
    QVERIFY(testsupport::invokeHandler(&window, before.constData()));
    m_ear.focused.clear();
    m_ear.heard.clear();
    QTest::keyClick(&window, keys.at(0).toLatin1(), Qt::AltModifier);
    QWidget *menu = QApplication::activePopupWidget();
    QVERIFY(menu);
    QTest::keyClick(menu, keys.at(1).toLatin1());
    auto *control = named<QWidget>(&window, focused);
    QVERIFY(control);
    const QString path = pathOnBus(control);
    QVERIFY2(QTest::qWaitFor(
                 [&]() { return !m_ear.focused.isEmpty() && m_ear.focused.last() == path; }, 10000),
        qPrintable(m_ear.focused.join(u'\n')));
    // What the screen says on entry is said once.
    QStringList said;
    for (const Heard &news : std::as_const(m_ear.heard)) {
        if (!news.text.isEmpty()) {
            QVERIFY2(!said.contains(news.text), heardSoFar().constData());
            said << news.text;
        }
    }
}

// While the keyboard is in Choose Pupil's name box, the box says the pupil
// Enter takes and its place.
void ScreenReaderBusTest::choosePupilsNameBoxSaysThePupilHighlighted()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(hasKeyboard(window));
    QVERIFY(window.pupil().open());
    for (const QString &name : { u"Ana"_s, u"Bob"_s })
        QVERIFY(window.pupil().store().addPupil(name));
    QVERIFY(testsupport::invokeHandler(&window, "mnuPupilChoose_Click"));
    QDialog *dialog = nullptr;
    for (QDialog *open : window.findChildren<QDialog *>(u"dlgChoosePupil"_s)) {
        if (open->isVisible())
            dialog = open;
    }
    QVERIFY(dialog);
    auto *box = named<QLineEdit>(dialog, u"txtPupilName"_s);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTRY_COMPARE(QApplication::focusWidget(), box);
    m_ear.heard.clear();
    QTest::keyClick(box, Qt::Key_Down);
    QVERIFY2(hears(box, u"Ana, 1 of 2."_s), heardSoFar().constData());
    QCOMPARE(m_ear.property(pathOnBus(box), u"Description"_s), u"Ana, 1 of 2."_s);
}

// A drop-down list that takes a new entry says it, and its text, which a
// reader reads it by, is that entry from then on.
void ScreenReaderBusTest::aDropDownListSaysItsNewValue()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(hasKeyboard(window));
    window.choosePupil(u"Ana"_s);
    QVERIFY(testsupport::invokeHandler(&window, "mnuPupilProgress_Click"));
    auto *box = named<QComboBox>(&window, u"cboFactsOperation"_s);
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    const QString path = pathOnBus(box);
    const auto value = [&]() {
        return m_ear.ask(path, u"org.a11y.atspi.Text"_s, u"GetText"_s, { 0, -1 }).toString();
    };
    QCOMPARE(value(), box->itemText(0));
    m_ear.heard.clear();
    // Keys reach the list through the display, after this returns.
    QTest::keyClick(box, Qt::Key_Down);
    QTRY_COMPARE(box->currentIndex(), 1);
    QVERIFY2(hears(box, box->itemText(1)), heardSoFar().constData());
    QCOMPARE(value(), box->itemText(1));
}

QTEST_MAIN(ScreenReaderBusTest)
#include "screen_reader_bus_test.moc"
