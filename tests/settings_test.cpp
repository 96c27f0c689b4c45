#include "app/main_window.h"
#include "app/window_size.h"
#include "base/language.h"
#include "rules/level_range.h"
#include "rules/number_text.h"
#include "tests/test_support.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QWindow>
#include <QtTest>

using testsupport::isShown;
using testsupport::named;
using namespace Qt::StringLiterals;
using tutor::WindowSize;

Q_DECLARE_METATYPE(tutor::WindowSize)

namespace {

QAction *item(MainWindow &window, const QString &name)
{
    return named<QAction>(&window, name);
}

QStringList checkedItems(MainWindow &window, const QString &prefix)
{
    QStringList checked;
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->objectName().startsWith(prefix) && action->isChecked())
            checked << action->objectName();
    }
    return checked;
}

// The Window Size items for which `test` holds, by the size they name.
QString sizeItems(MainWindow &window, bool (QAction::*test)() const)
{
    QStringList names;
    for (const char *size : { "Desktop", "100", "150", "200" }) {
        if ((item(window, QStringLiteral("mnuOptSize") + QLatin1String(size))->*test)())
            names << QLatin1String(size);
    }
    return names.join(QLatin1Char(' '));
}

// Puts the window on the named screen, as dragging it there would.
bool moveToScreen(MainWindow &window, const QString &name)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->name() != name)
            continue;
        window.windowHandle()->setScreen(screen);
        window.move(screen->availableGeometry().topLeft());
        return window.screen() == screen;
    }
    return false;
}

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void levelCommandSetsLevelCaptionAndCheckMark_data();
    void levelCommandSetsLevelCaptionAndCheckMark();
    void levelProblemsStayInRange_data();
    void levelProblemsStayInRange();
    void operationCommandSwitchesSignsItemsAndChecks_data();
    void operationCommandSwitchesSignsItemsAndChecks();
    void divisionKeepsAnUpperLevel();
    void otherOperationsOfferUpperLevelsAgain();
    void repeatingACommandDrawsAgain();
    void gameSignsStayAfterMultiplicationOrDivision();
    void changesReplaceOnlyTheProblem();
    void functionKeysChooseLevelsAndOperations();
    void scoreCardsHideAndShowTogether();
    void resetZeroesEveryCounterAndNothingElse();
    void windowSizeShowsAtOnceAndIsKept_data();
    void windowSizeShowsAtOnceAndIsKept();
    void languageIsSpokenAtOnceAndKept_data();
    void languageIsSpokenAtOnceAndKept();
};

void SettingsTest::levelCommandSetsLevelCaptionAndCheckMark_data()
{
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("caption");
    QTest::newRow("warm up") << QByteArray("mnuOptDiffLev0_Click") << 0
                             << QStringLiteral("Warm Up");
    QTest::newRow("beginner") << QByteArray("mnuOptDiffLev1_Click") << 1
                              << QStringLiteral("Beginner");
    QTest::newRow("intermediate") << QByteArray("mnuOptDiffLev2_Click") << 2
                                  << QStringLiteral("Intermediate");
    QTest::newRow("advanced") << QByteArray("mnuOptDiffLev3_Click") << 3
                              << QStringLiteral("Advanced");
    QTest::newRow("expert") << QByteArray("mnuOptDiffLev4_Click") << 4 << QStringLiteral("Expert");
}

void SettingsTest::levelCommandSetsLevelCaptionAndCheckMark()
{
    QFETCH(QByteArray, handler);
    QFETCH(int, level);
    QFETCH(QString, caption);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    // Start from another level, so every step shows.
    testsupport::invokeHandler(
        &window, level == 4 ? "mnuOptDiffLev1_Click" : "mnuOptDiffLev4_Click");
    QVERIFY(testsupport::invokeHandler(&window, handler.constData()));
    QCOMPARE(window.state().LevelCode, qint16(level));
    QCOMPARE(named<QLabel>(&window, QStringLiteral("lblCurLev"))->text(), caption);
    QCOMPARE(checkedItems(window, QStringLiteral("mnuOptDiffLev")),
        QStringList(QStringLiteral("mnuOptDiffLev%1").arg(level)));
    QCOMPARE(checkedItems(window, QStringLiteral("mnuOptOper")),
        QStringList(QStringLiteral("mnuOptOperAdd")));
}

void SettingsTest::levelProblemsStayInRange_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("warm up addition") << 0 << 1 << 1 << 10;
    QTest::newRow("beginner subtraction") << 1 << 2 << 1 << 25;
    QTest::newRow("intermediate multiplication") << 2 << 3 << 1 << 41;
    QTest::newRow("advanced division") << 3 << 4 << 10 << 75;
    QTest::newRow("expert addition") << 4 << 1 << 10 << 100;
}

void SettingsTest::levelProblemsStayInRange()
{
    QFETCH(int, level);
    QFETCH(int, operation);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    const QByteArray operationHandlers[] = { "mnuOptOperAdd_Click", "mnuOptOperSub_Click",
        "mnuOptOperMult_Click", "mnuOptOperDiv_Click" };
    testsupport::invokeHandler(&window, operationHandlers[operation - 1].constData());
    const QByteArray levelHandler = "mnuOptDiffLev" + QByteArray::number(level) + "_Click";
    for (int i = 0; i < 300; ++i) {
        testsupport::invokeHandler(&window, levelHandler.constData());
        const TutorState &state = window.state();
        QVERIFY(state.Operand1 >= lowest && state.Operand1 <= highest);
        QVERIFY(state.Operand2 >= lowest && state.Operand2 <= highest);
        if (operation == 2)
            QVERIFY(state.Operand1 >= state.Operand2);
        QCOMPARE(named<QLabel>(&window, QStringLiteral("lblNum1"))->text(),
            tutor::plainNumberText(state.Operand1));
        QCOMPARE(named<QLabel>(&window, QStringLiteral("lblNum2"))->text(),
            tutor::plainNumberText(state.Operand2));
    }
}

void SettingsTest::operationCommandSwitchesSignsItemsAndChecks_data()
{
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("practiceSign");
    QTest::addColumn<QString>("gameSign"); // empty: the game signs stay
    QTest::addColumn<bool>("upperLevels");
    QTest::addColumn<QString>("checked");
    QTest::newRow("addition") << QByteArray("mnuOptOperAdd_Click") << 1 << QStringLiteral("imgPlus")
                              << QStringLiteral("Plus") << true << QStringLiteral("mnuOptOperAdd");
    QTest::newRow("subtraction") << QByteArray("mnuOptOperSub_Click") << 2
                                 << QStringLiteral("imgMinus") << QStringLiteral("Minus") << true
                                 << QStringLiteral("mnuOptOperSub");
    QTest::newRow("multiplication")
        << QByteArray("mnuOptOperMult_Click") << 3 << QStringLiteral("imgMultiply") << QString()
        << true << QStringLiteral("mnuOptOperMult");
    QTest::newRow("division") << QByteArray("mnuOptOperDiv_Click") << 4
                              << QStringLiteral("imgDivide") << QString() << false
                              << QStringLiteral("mnuOptOperDiv");
}

void SettingsTest::operationCommandSwitchesSignsItemsAndChecks()
{
    QFETCH(QByteArray, handler);
    QFETCH(int, operation);
    QFETCH(QString, practiceSign);
    QFETCH(QString, gameSign);
    QFETCH(bool, upperLevels);
    QFETCH(QString, checked);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptOperDiv_Click");
    testsupport::invokeHandler(&window, "mnuOptOperSub_Click");
    testsupport::changeState(window, [&](TutorState &state) { state.Operand1 = 0; });

    QVERIFY(testsupport::invokeHandler(&window, handler.constData()));
    QCOMPARE(window.state().OperationCode, qint16(operation));
    for (const char *sign : { "imgPlus", "imgMinus", "imgMultiply", "imgDivide" })
        QCOMPARE(isShown(window, sign), practiceSign == QLatin1String(sign));
    const QString gameShown = gameSign.isEmpty() ? QStringLiteral("Minus") : gameSign;
    for (const char *game : { "Game1", "Game3" }) {
        QCOMPARE(isShown(window, qPrintable(QStringLiteral("imgPlus") + QLatin1String(game))),
            gameShown == QLatin1String("Plus"));
        QCOMPARE(isShown(window, qPrintable(QStringLiteral("imgMinus") + QLatin1String(game))),
            gameShown == QLatin1String("Minus"));
    }
    for (int level = 0; level < 5; ++level)
        QCOMPARE(item(window, QStringLiteral("mnuOptDiffLev%1").arg(level))->isEnabled(),
            level < 2 || upperLevels);
    QCOMPARE(checkedItems(window, QStringLiteral("mnuOptOper")), QStringList(checked));
    QVERIFY(window.state().Operand1 >= 1); // a fresh practice problem
}

void SettingsTest::divisionKeepsAnUpperLevel()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptDiffLev2_Click");
    testsupport::invokeHandler(&window, "mnuOptOperDiv_Click");
    QCOMPARE(window.state().LevelCode, qint16(2));
    QVERIFY(item(window, QStringLiteral("mnuOptDiffLev2"))->isChecked());
    QVERIFY(!item(window, QStringLiteral("mnuOptDiffLev2"))->isEnabled());
    QCOMPARE(named<QLabel>(&window, QStringLiteral("lblCurLev"))->text(),
        QStringLiteral("Intermediate"));
    bool aboveWarmUpRange = false;
    for (int i = 0; i < 200; ++i) {
        testsupport::invokeHandler(&window, "mnuOptOperDiv_Click");
        QVERIFY(window.state().Operand1 <= 41 && window.state().Operand2 <= 41);
        aboveWarmUpRange = aboveWarmUpRange || window.state().Operand1 > 25;
    }
    QVERIFY(aboveWarmUpRange);
}

void SettingsTest::otherOperationsOfferUpperLevelsAgain()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    for (const char *handler :
        { "mnuOptOperAdd_Click", "mnuOptOperSub_Click", "mnuOptOperMult_Click" }) {
        testsupport::invokeHandler(&window, "mnuOptOperDiv_Click");
        QVERIFY(!item(window, QStringLiteral("mnuOptDiffLev4"))->isEnabled());
        testsupport::invokeHandler(&window, handler);
        for (int level = 2; level < 5; ++level)
            QVERIFY2(
                item(window, QStringLiteral("mnuOptDiffLev%1").arg(level))->isEnabled(), handler);
    }
}

void SettingsTest::repeatingACommandDrawsAgain()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    for (const char *handler : { "mnuOptDiffLev0_Click", "mnuOptOperAdd_Click" }) {
        bool drewAgain = false;
        for (int i = 0; i < 20 && !drewAgain; ++i) {
            testsupport::changeState(window, [&](TutorState &state) { state.Operand1 = 0; });
            testsupport::invokeHandler(&window, handler);
            drewAgain = window.state().Operand1 != 0;
        }
        QVERIFY2(drewAgain, handler);
    }
    // Triggering the checked item keeps its check mark.
    item(window, QStringLiteral("mnuOptDiffLev0"))->trigger();
    QVERIFY(item(window, QStringLiteral("mnuOptDiffLev0"))->isChecked());
    QCOMPARE(window.state().LevelCode, qint16(0));
}

void SettingsTest::gameSignsStayAfterMultiplicationOrDivision()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptOperSub_Click");
    testsupport::invokeHandler(&window, "mnuOptOperMult_Click");
    testsupport::invokeHandler(&window, "mnuOptOperDiv_Click");
    QVERIFY(isShown(window, "imgMinusGame1") && !isShown(window, "imgPlusGame1"));
    QVERIFY(isShown(window, "imgMinusGame3") && !isShown(window, "imgPlusGame3"));
    QVERIFY(isShown(window, "imgDivide"));
}

void SettingsTest::changesReplaceOnlyTheProblem()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::setPracticeProblem(window, 1, 1, 1);
    testsupport::answerPractice(window, QStringLiteral("2"));
    auto *box = named<QLineEdit>(&window, QStringLiteral("txtAnswer"));
    QTest::keyClicks(box, QStringLiteral("12"));
    for (const char *handler :
        { "mnuOptDiffLev3_Click", "mnuOptOperMult_Click", "mnuOptOperSub_Click" })
        testsupport::invokeHandler(&window, handler);
    QCOMPARE(box->text(), QStringLiteral("12"));
    QVERIFY(isShown(window, "fraCorrect"));
    QCOMPARE(window.state().CorrectCount, qint16(1));
    QCOMPARE(testsupport::logRowCount(window), 1);
}

void SettingsTest::functionKeysChooseLevelsAndOperations()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F3);
    QCOMPARE(window.state().LevelCode, qint16(3));
    QTest::keyClick(&window, Qt::Key_F2, Qt::ControlModifier);
    QCOMPARE(window.state().OperationCode, qint16(2));
    QTest::keyClick(&window, Qt::Key_F4, Qt::ControlModifier);
    QCOMPARE(window.state().OperationCode, qint16(4));
    // Division offers Expert no more: F4 does nothing now.
    QTest::keyClick(&window, Qt::Key_F4);
    QCOMPARE(window.state().LevelCode, qint16(3));
    QTest::keyClick(&window, Qt::Key_F1);
    QCOMPARE(window.state().LevelCode, qint16(1));
}

void SettingsTest::scoreCardsHideAndShowTogether()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuOptScoreHide_Click");
    for (const char *card : { "fraInfo", "fraInfoGame1", "fraInfoGame2" })
        QVERIFY2(!isShown(window, card), card);
    QVERIFY(item(window, QStringLiteral("mnuOptScoreShow"))->isVisible());
    QVERIFY(item(window, QStringLiteral("mnuOptScoreShow"))->isEnabled());
    QVERIFY(!item(window, QStringLiteral("mnuOptScoreHide"))->isVisible());
    QVERIFY(!item(window, QStringLiteral("mnuOptScoreHide"))->isEnabled());

    // Counting and resetting go on while hidden.
    testsupport::setPracticeProblem(window, 1, 1, 1);
    testsupport::answerPractice(window, QStringLiteral("2"));
    QCOMPARE(named<QLabel>(&window, QStringLiteral("lblCorrect"))->text(), QStringLiteral("1"));
    testsupport::invokeHandler(&window, "mnuFileResetScore_Click");
    QCOMPARE(named<QLabel>(&window, QStringLiteral("lblCorrect"))->text(), QStringLiteral("0"));

    testsupport::invokeHandler(&window, "mnuOptScoreShow_Click");
    for (const char *card : { "fraInfo", "fraInfoGame1", "fraInfoGame2" })
        QVERIFY2(isShown(window, card), card);
    QVERIFY(item(window, QStringLiteral("mnuOptScoreHide"))->isVisible());
    QVERIFY(!item(window, QStringLiteral("mnuOptScoreShow"))->isVisible());
    QVERIFY(!item(window, QStringLiteral("mnuOptScoreShow"))->isEnabled());
}

void SettingsTest::resetZeroesEveryCounterAndNothingElse()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    // With everything at zero already, every label reads "0" again.
    for (const char *label : { "lblCorrect", "lblIncorrect", "lblCorrectGame1", "lblIncorrectGame1",
             "lblCorrectGame2", "lblIncorrectGame2" })
        named<QLabel>(&window, QString::fromLatin1(label))->setText(QStringLiteral("x"));
    testsupport::invokeHandler(&window, "mnuFileResetScore_Click");
    for (const char *label : { "lblCorrect", "lblIncorrect", "lblCorrectGame1", "lblIncorrectGame1",
             "lblCorrectGame2", "lblIncorrectGame2" })
        QCOMPARE(named<QLabel>(&window, QString::fromLatin1(label))->text(), QStringLiteral("0"));

    testsupport::changeState(window, [](TutorState &state) {
        state.MissingNumberCorrectCount = 3;
        state.MissingNumberIncorrectCount = 4;
        state.MissingOperationCorrectCount = 5;
        state.MissingOperationIncorrectCount = 6;
        state.TimeTrialScore = 7;
    });
    const TutorState &state = window.state();
    testsupport::answerPractice(window, QStringLiteral("1"));
    const float first = state.Operand1;
    testsupport::invokeHandler(&window, "mnuOptScoreHide_Click");

    testsupport::invokeHandler(&window, "mnuFileResetScore_Click");
    QCOMPARE(state.CorrectCount + state.IncorrectCount, 0);
    QCOMPARE(state.MissingNumberCorrectCount + state.MissingNumberIncorrectCount, 0);
    QCOMPARE(state.MissingOperationCorrectCount + state.MissingOperationIncorrectCount, 0);
    QCOMPARE(state.TimeTrialScore, qint16(7));
    QCOMPARE(state.Operand1, first);
    QCOMPARE(testsupport::logRowCount(window), 1);
    QVERIFY(!isShown(window, "fraInfo"));
}

void SettingsTest::windowSizeShowsAtOnceAndIsKept_data()
{
    QTest::addColumn<WindowSize>("before");
    QTest::addColumn<bool>("writable"); // false: a folder stands where the file belongs
    QTest::addColumn<QString>("screen"); // the screen the window is moved to first
    QTest::addColumn<QByteArray>("handler"); // empty: the size the start gives
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QString>("offered"); // the size items enabled
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("checkedNext"); // at the next start
    QTest::addColumn<QString>("told"); // what the message names; empty: no message

    const QString all = QStringLiteral("Desktop 100 150 200");
    QTest::newRow("150 %") << WindowSize::Desktop << true << u"monitor"_s
                           << QByteArray("mnuOptSize150_Click") << QSize(1041, 476) << all
                           << u"150"_s << u"150"_s << QString();
    QTest::newRow("200 %") << WindowSize::Percent150 << true << u"monitor"_s
                           << QByteArray("mnuOptSize200_Click") << QSize(1388, 634) << all
                           << u"200"_s << u"200"_s << QString();
    QTest::newRow("100 %") << WindowSize::Percent200 << true << u"monitor"_s
                           << QByteArray("mnuOptSize100_Click") << QSize(694, 317) << all
                           << u"100"_s << u"100"_s << QString();
    QTest::newRow("back to the desktop's scale")
        << WindowSize::Percent100 << true << u"monitor"_s << QByteArray("mnuOptSizeDesktop_Click")
        << QSize(694, 317) << all << u"Desktop"_s << u"Desktop"_s << QString();
    QTest::newRow("the size already chosen")
        << WindowSize::Percent150 << true << u"laptop"_s << QByteArray("mnuOptSize150_Click")
        << QSize(1041, 476) << u"Desktop 100 150"_s << u"150"_s << u"150"_s << QString();
    QTest::newRow("200 % kept, on a screen too small for it")
        << WindowSize::Percent200 << true << u"laptop"_s << QByteArray() << QSize(1041, 476)
        << u"Desktop 100 150"_s << u"200"_s << u"200"_s << QString();
    QTest::newRow("settings file cannot be written")
        << WindowSize::Desktop << false << u"monitor"_s << QByteArray("mnuOptSize200_Click")
        << QSize(1388, 634) << all << u"200"_s << u"Desktop"_s << u"Cannot write"_s;
}

void SettingsTest::windowSizeShowsAtOnceAndIsKept()
{
    QFETCH(WindowSize, before);
    QFETCH(bool, writable);
    QFETCH(QString, screen);
    QFETCH(QByteArray, handler);
    QFETCH(QSize, client);
    QFETCH(QString, offered);
    QFETCH(QString, checked);
    QFETCH(QString, checkedNext);
    QFETCH(QString, told);
    testsupport::useTemporarySettings();
    const QString settingsFile = tutor::settingsFilePath();
    QDir(settingsFile).removeRecursively();
    QFile::remove(settingsFile);
    QVERIFY(tutor::storeWindowSize(before));
    if (!writable) {
        QVERIFY(QFile::remove(settingsFile));
        QVERIFY(QDir().mkpath(settingsFile));
    }

    {
        testsupport::TutorFixture fixture;
        MainWindow &window = fixture.window();
        testsupport::answerPractice(window, QStringLiteral("1"));
        const float problem = window.state().Operand1;
        QVERIFY(moveToScreen(window, screen));
        testsupport::MessageBoxCloser closer;
        if (!handler.isEmpty())
            QVERIFY(testsupport::invokeHandler(&window, handler.constData()));
        QCOMPARE(sizeItems(window, &QAction::isEnabled), offered);
        QCOMPARE(sizeItems(window, &QAction::isChecked), checked);
        if (told.isEmpty()) {
            QVERIFY(closer.texts.isEmpty());
        } else {
            QCOMPARE(closer.texts.size(), 1);
            QVERIFY2(closer.texts.first().contains(told), qPrintable(closer.texts.first()));
            QVERIFY(closer.texts.first().contains(settingsFile));
        }
        // At once, in the same window, the whole window on its screen.
        QCOMPARE(window.centralWidget()->size(), client);
        QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
        QVERIFY(window.isVisible());
        QCOMPARE(window.state().Operand1, problem);
        QCOMPARE(testsupport::logRowCount(window), 1);
    }

    QDir(settingsFile).removeRecursively();
    testsupport::TutorFixture nextStart;
    QCOMPARE(sizeItems(nextStart.window(), &QAction::isChecked), checkedNext);
}

void SettingsTest::languageIsSpokenAtOnceAndKept_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("print"); // the preview's button, from our own translation
    QTest::addColumn<QString>("cancel"); // Qt's own dialogs

    QTest::newRow("German") << QStringLiteral("mnuOptLanguage_de") << QStringLiteral("de")
                            << QStringLiteral("Drucken") << QStringLiteral("Abbrechen");
    QTest::newRow("Brazilian Portuguese")
        << QStringLiteral("mnuOptLanguage_pt_BR") << QStringLiteral("pt_BR")
        << QStringLiteral("Imprimir") << QStringLiteral("Cancelar");
    // The tests' desktop speaks English.
    QTest::newRow("system default")
        << QStringLiteral("mnuOptLanguageSystem") << QStringLiteral("en") << QStringLiteral("Print")
        << QStringLiteral("Cancel");
}

void SettingsTest::languageIsSpokenAtOnceAndKept()
{
    QFETCH(QString, item);
    QFETCH(QString, spoken);
    QFETCH(QString, print);
    QFETCH(QString, cancel);
    testsupport::useTemporarySettings();
    // An earlier test may have left the file unwritable.
    const QString settingsFile = tutor::settingsFilePath();
    QDir(settingsFile).removeRecursively();
    QFile::remove(settingsFile);
    {
        testsupport::TutorFixture fixture;
        testsupport::MessageBoxCloser closer;
        named<QAction>(&fixture.window(), item)->trigger();
        QCOMPARE(language::spokenLanguage(), spoken);
        QCOMPARE(QCoreApplication::translate("QPrintPreviewDialog", "Print"), print);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
        QVERIFY2(closer.texts.isEmpty(), qPrintable(closer.texts.join(u'|')));
    }
    // The next start speaks it and checks its item.
    testsupport::TutorFixture again;
    QCOMPARE(checkedItems(again.window(), QStringLiteral("mnuOptLanguage")), QStringList(item));
    language::speak(QString());
    QCOMPARE(language::spokenLanguage(), QStringLiteral("en"));
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
