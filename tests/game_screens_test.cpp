#include "app/main_window.h"
#include "tests/test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <array>
#include <initializer_list>

using testsupport::isShown;
using testsupport::labelText;
using testsupport::named;

namespace {

// What the three games have in common, told apart by their names.
struct Game
{
    const char *name;
    const char *open; // the Games menu's handler
    const char *newProblem;
    // The handler of its timer: the verdict's flash, or the trial's clock.
    const char *timerHandler;
    // Pressed before answers count; nullptr where they always do.
    const char *startButton;
    QStringList numberLabels;
    // The record's problem: the numbers the labels show, then any hidden
    // part; the first two are drawn from the level's range.
    QList<int> (*problem)(const TutorState &);
    void (*setProblem)(TutorState &, const QList<int> &);
    // Whether the record's problem is one the game asks: its order, its result.
    bool (*wellFormed)(const TutorState &);
    // A problem with its right and a wrong answer, typed into the answer box
    // or, where there is none, the option button clicked.
    QList<int> knownProblem;
    QString rightAnswer;
    QString wrongAnswer;
    const char *answerBox;
    QStringList scoreLabels;
    QList<int> (*score)(const TutorState &);
    void (*setScore)(TutorState &, qint16);
    // The score card, the verdict's frames and their timer; none in the Time
    // Trial.
    const char *scoreCard;
    const char *timer;
    const char *rightFrame;
    const char *wrongFrame;
};

enum GameIndex { MissingNumber, MissingOperation, TimeTrial };

const std::array<Game, 3> &games()
{
    static const std::array<Game, 3> all = { {
        { "missing number", "mnuGamesMissingNum_Click", "NewMissingNumberProblem", "Timer4_Timer",
            nullptr, { QStringLiteral("lblNum1Game1"), QStringLiteral("lblNum2Game1") },
            [](const TutorState &s) {
                return QList<int> { s.MissingNumberTop, s.MissingNumberBottom };
            },
            [](TutorState &s, const QList<int> &n) {
                s.MissingNumberTop = qint16(n.at(0));
                s.MissingNumberBottom = qint16(n.at(1));
            },
            [](const TutorState &s) {
                return s.OperationCode == 1 ? s.MissingNumberTop <= s.MissingNumberBottom
                                            : s.MissingNumberTop >= s.MissingNumberBottom;
            },
            { 3, 7 }, QStringLiteral("4"), QStringLiteral("5"), "txtAnswerGame1",
            { QStringLiteral("lblCorrectGame1"), QStringLiteral("lblIncorrectGame1") },
            [](const TutorState &s) {
                return QList<int> { s.MissingNumberCorrectCount, s.MissingNumberIncorrectCount };
            },
            [](TutorState &s, qint16 count) {
                s.MissingNumberCorrectCount = s.MissingNumberIncorrectCount = count;
            },
            "fraInfoGame1", "Timer4", "fraCorrectGame1", "fraIncorrectGame1" },
        { "missing operation", "mnuGamesMissingOper_Click", "NewMissingOperationProblem",
            "Timer2_Timer", nullptr,
            { QStringLiteral("lblNum1Game2"), QStringLiteral("lblNum2Game2"),
                QStringLiteral("lblNum3Game2") },
            [](const TutorState &s) {
                return QList<int> { s.MissingOperationFirst, s.MissingOperationSecond,
                    s.MissingOperationResult, s.MissingOperationCode };
            },
            [](TutorState &s, const QList<int> &n) {
                s.MissingOperationFirst = qint16(n.at(0));
                s.MissingOperationSecond = qint16(n.at(1));
                s.MissingOperationResult = qint16(n.at(2));
                s.MissingOperationCode = qint16(n.at(3));
            },
            [](const TutorState &s) {
                const int first = s.MissingOperationFirst;
                const int second = s.MissingOperationSecond;
                switch (s.MissingOperationCode) {
                case 1:
                    return s.MissingOperationResult == first + second;
                case 2:
                    return first >= second && s.MissingOperationResult == first - second;
                case 3:
                    return s.MissingOperationResult == first * second;
                default:
                    return false; // not an operation the game asks
                }
            },
            { 9, 4, 5, 2 }, QStringLiteral("optSubGame2"), QStringLiteral("optAddGame2"), nullptr,
            { QStringLiteral("lblCorrectGame2"), QStringLiteral("lblIncorrectGame2") },
            [](const TutorState &s) {
                return QList<int> { s.MissingOperationCorrectCount,
                    s.MissingOperationIncorrectCount };
            },
            [](TutorState &s, qint16 count) {
                s.MissingOperationCorrectCount = s.MissingOperationIncorrectCount = count;
            },
            "fraInfoGame2", "Timer2", "fraCorrectGame2", "fraIncorrectGame2" },
        { "time trial", "mnuGamesTime_Click", "NewTimeTrialProblem", "Timer3_Timer",
            "cmdStartGame3", { QStringLiteral("lblNum1Game3"), QStringLiteral("lblNum2Game3") },
            [](const TutorState &s) {
                return QList<int> { s.TimeTrialFirst, s.TimeTrialSecond };
            },
            [](TutorState &s, const QList<int> &n) {
                s.TimeTrialFirst = qint16(n.at(0));
                s.TimeTrialSecond = qint16(n.at(1));
            },
            [](const TutorState &s) {
                return s.OperationCode != 2 || s.TimeTrialFirst >= s.TimeTrialSecond;
            },
            { 6, 2 }, QStringLiteral("8"), QStringLiteral("9"), "txtAnswerGame3",
            { QStringLiteral("lblCorrectGame3") },
            [](const TutorState &s) { return QList<int> { s.TimeTrialScore }; },
            [](TutorState &s, qint16 count) { s.TimeTrialScore = count; }, nullptr, nullptr,
            nullptr, nullptr },
    } };
    return all;
}

bool invoke(MainWindow &window, const char *handler)
{
    return testsupport::invokeHandler(&window, handler);
}

void openGame(MainWindow &window, const Game &game)
{
    QVERIFY(invoke(window, game.open));
    if (game.startButton)
        testsupport::clickAfterAPause(named<QWidget>(&window, QLatin1String(game.startButton)));
}

// Puts the game's known problem in front of the pupil, as if it had been
// drawn.
void setKnownProblem(MainWindow &window, const Game &game)
{
    testsupport::changeState(
        window, [&](TutorState &state) { game.setProblem(state, game.knownProblem); });
}

// Answers the problem shown as a pupil does: typed and Enter, or a click of
// its own on an option button's round indicator.
void answer(MainWindow &window, const Game &game, bool right)
{
    const QString &given = right ? game.rightAnswer : game.wrongAnswer;
    if (game.answerBox) {
        auto *box = named<QLineEdit>(&window, QLatin1String(game.answerBox));
        QTest::keyClicks(box, given);
        QTest::keyClick(box, Qt::Key_Return);
        return;
    }
    auto *button = named<QRadioButton>(&window, given);
    testsupport::clickAfterAPause(button, QPoint(7, button->height() / 2));
}

void answerKnownProblem(MainWindow &window, const Game &game, bool right)
{
    setKnownProblem(window, game);
    answer(window, game, right);
}

// The problem on screen is the one in the record, lies in the range and is
// one the game asks.
void verifyShownProblem(MainWindow &window, const Game &game, int lowest, int highest)
{
    const QList<int> problem = game.problem(window.state());
    for (qsizetype i = 0; i < game.numberLabels.size(); ++i)
        QCOMPARE(
            labelText(window, qPrintable(game.numberLabels.at(i))), QString::number(problem.at(i)));
    for (int drawn : problem.mid(0, 2))
        QVERIFY2(drawn >= lowest && drawn <= highest, qPrintable(QString::number(drawn)));
    QVERIFY(game.wellFormed(window.state()));
}

QStringList shownProblem(MainWindow &window, const Game &game)
{
    QStringList shown;
    for (const QString &label : game.numberLabels)
        shown << labelText(window, qPrintable(label));
    return shown;
}

void verifyScoreLabels(MainWindow &window, const Game &game, const QStringList &expected)
{
    for (qsizetype i = 0; i < game.scoreLabels.size(); ++i)
        QCOMPARE(labelText(window, qPrintable(game.scoreLabels.at(i))), expected.at(i));
}

void addGameRows(std::initializer_list<GameIndex> chosen)
{
    QTest::addColumn<int>("game");
    for (GameIndex index : chosen)
        QTest::newRow(games().at(index).name) << int(index);
}

} // namespace

class GameScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void everyHandlerExistsOnce_data();
    void everyHandlerExistsOnce();
    void levelAndAdditionSubtractionCommandsRedraw_data();
    void levelAndAdditionSubtractionCommandsRedraw();
    void unknownLevelCodeDrawsAtExpertAndSaysSo_data();
    void unknownLevelCodeDrawsAtExpertAndSaysSo();
    void countersStopAtTheirLargestValue_data();
    void countersStopAtTheirLargestValue();
    void gameNeverChangesThePracticeProblem_data();
    void gameNeverChangesThePracticeProblem();
    void resetWhileOpenZeroesCardAndKeepsProblem_data();
    void resetWhileOpenZeroesCardAndKeepsProblem();
    void scoreCardFollowsHideAndShow_data();
    void scoreCardFollowsHideAndShow();
    void verdictShowsAloneUntilItsTimerTicks_data();
    void verdictShowsAloneUntilItsTimerTicks();
    void secondVerdictReplacesFirstAndGetsFullTime_data();
    void secondVerdictReplacesFirstAndGetsFullTime();
};

void GameScreensTest::everyHandlerExistsOnce_data()
{
    QTest::addColumn<QByteArray>("handler");
    for (const char *handler : { "mnuGamesMissingNum_Click", "NewMissingNumberProblem",
             "CheckMissingNumberAnswer", "Timer4_Timer", "mnuGamesMissingOper_Click",
             "NewMissingOperationProblem", "CheckMissingOperationAnswer", "optAddGame2_Click",
             "optSubGame2_Click", "optMulGame2_Click", "Timer2_Timer", "mnuGamesTime_Click",
             "cmdStartGame3_Click", "cmdStopGame3_Click", "cmdResetGame3_Click", "Timer3_Timer",
             "NewTimeTrialProblem", "CheckTimeTrialAnswer", "ShowTimeTrialResults" })
        QTest::newRow(handler) << QByteArray(handler);
}

void GameScreensTest::everyHandlerExistsOnce()
{
    QFETCH(QByteArray, handler);
    testsupport::TutorFixture fixture;
    QVERIFY(testsupport::handlerOwner(&fixture.window(), handler.constData()));
}

void GameScreensTest::levelAndAdditionSubtractionCommandsRedraw_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<bool>("redraws");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    // Each level command and each operation command, whether it redraws the
    // games' problems, and the range the redrawn numbers lie in (the
    // operation rows start from Warm Up).
    struct Command
    {
        const char *name;
        const char *handler;
        bool redraws;
        int lowest;
        int highest;
    };
    const Command commands[] = {
        { "warm up", "mnuOptDiffLev0_Click", true, 1, 10 },
        { "beginner", "mnuOptDiffLev1_Click", true, 1, 25 },
        { "intermediate", "mnuOptDiffLev2_Click", true, 1, 41 },
        { "advanced", "mnuOptDiffLev3_Click", true, 10, 75 },
        { "expert", "mnuOptDiffLev4_Click", true, 10, 100 },
        { "addition", "mnuOptOperAdd_Click", true, 1, 10 },
        { "subtraction", "mnuOptOperSub_Click", true, 1, 10 },
        { "multiplication", "mnuOptOperMult_Click", false, 0, 0 },
        { "division", "mnuOptOperDiv_Click", false, 0, 0 },
    };
    for (int game : { MissingNumber, MissingOperation, TimeTrial }) {
        for (const Command &command : commands)
            QTest::addRow("%s, %s", games().at(game).name, command.name)
                << game << QByteArray(command.handler) << command.redraws << command.lowest
                << command.highest;
    }
}

void GameScreensTest::levelAndAdditionSubtractionCommandsRedraw()
{
    QFETCH(QByteArray, command);
    QFETCH(bool, redraws);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(int, game);
    const Game &played = games().at(game);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    // Drawn from the practice screen with the game hidden, and with it open.
    for (bool opened : { false, true }) {
        if (opened)
            QVERIFY(invoke(window, played.open));
        for (int i = 0; i < 20; ++i) {
            // Zero lies outside every level's range: a redraw always replaces it.
            testsupport::changeState(window, [&](TutorState &state) {
                played.setProblem(state, QList<int>(played.problem(state).size(), 0));
            });
            for (const QString &label : played.numberLabels)
                named<QLabel>(&window, label)->setText(QStringLiteral("x"));
            QVERIFY(invoke(window, command.constData()));
            if (redraws) {
                verifyShownProblem(window, played, lowest, highest);
                continue;
            }
            QCOMPARE(shownProblem(window, played),
                QStringList(played.numberLabels.size(), QStringLiteral("x")));
            for (int number : played.problem(window.state()))
                QCOMPARE(number, 0);
        }
    }
}

void GameScreensTest::unknownLevelCodeDrawsAtExpertAndSaysSo_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<int>("levelCode");
    for (int game : { MissingNumber, MissingOperation, TimeTrial }) {
        for (int levelCode : { 9, -3 })
            QTest::addRow("%s, %d", games().at(game).name, levelCode) << game << levelCode;
    }
}

void GameScreensTest::unknownLevelCodeDrawsAtExpertAndSaysSo()
{
    QFETCH(int, game);
    QFETCH(int, levelCode);
    const Game &played = games().at(game);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(invoke(window, played.open));
    testsupport::changeState(
        window, [&](TutorState &state) { state.LevelCode = qint16(levelCode); });
    QVERIFY(invoke(window, played.newProblem));
    QCOMPARE(window.state().LevelCode, qint16(4));
    QCOMPARE(labelText(window, "lblCurLev"), QStringLiteral("Expert"));
    verifyShownProblem(window, played, 10, 100);
}

void GameScreensTest::countersStopAtTheirLargestValue_data()
{
    addGameRows({ MissingNumber, MissingOperation });
}

void GameScreensTest::countersStopAtTheirLargestValue()
{
    QFETCH(int, game);
    const Game &played = games().at(game);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    openGame(window, played);
    testsupport::changeState(window, [&](TutorState &state) { played.setScore(state, 32767); });
    answerKnownProblem(window, played, true);
    answerKnownProblem(window, played, false);
    for (int counter : played.score(window.state()))
        QCOMPARE(counter, 32767);
    verifyScoreLabels(window, played, { QStringLiteral("32767"), QStringLiteral("32767") });
}

void GameScreensTest::gameNeverChangesThePracticeProblem_data()
{
    addGameRows({ MissingNumber, MissingOperation, TimeTrial });
}

void GameScreensTest::gameNeverChangesThePracticeProblem()
{
    QFETCH(int, game);
    const Game &played = games().at(game);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::changeState(window, [&](TutorState &state) {
        state.Operand1 = 77;
        state.Operand2 = 88;
    });
    openGame(window, played);
    for (int round = 0; round < 5; ++round) {
        answerKnownProblem(window, played, true);
        answerKnownProblem(window, played, false);
        QVERIFY(invoke(window, played.timerHandler));
        QVERIFY(invoke(window, played.newProblem));
    }
    // To the end of a trial and beyond.
    for (int tick = 0; tick < 31; ++tick)
        QVERIFY(invoke(window, played.timerHandler));
    for (int i = 0; i < 20; ++i)
        QVERIFY(invoke(window, played.newProblem));
    QCOMPARE(window.state().Operand1, 77.0f);
    QCOMPARE(window.state().Operand2, 88.0f);
    QCOMPARE(window.state().CorrectCount + window.state().IncorrectCount, 0);

    // "Ok" on the About screen returns to the practice problem as it was,
    // and the practice checker still judges that problem.
    QVERIFY(invoke(window, "mnuHelpAbout_Click"));
    QVERIFY(invoke(window, "cmdOkAbout_Click"));
    QCOMPARE(labelText(window, "lblNum1"), QStringLiteral("77"));
    testsupport::answerPractice(window, QStringLiteral("165"));
    QCOMPARE(window.state().LastVerdict, QStringLiteral("Right"));
}

void GameScreensTest::resetWhileOpenZeroesCardAndKeepsProblem_data()
{
    addGameRows({ MissingNumber, MissingOperation });
}

void GameScreensTest::resetWhileOpenZeroesCardAndKeepsProblem()
{
    QFETCH(int, game);
    const Game &played = games().at(game);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    openGame(window, played);
    answerKnownProblem(window, played, true);
    answerKnownProblem(window, played, false);
    const QStringList problem = shownProblem(window, played);
    QVERIFY(invoke(window, "mnuFileResetScore_Click"));
    verifyScoreLabels(window, played, { QStringLiteral("0"), QStringLiteral("0") });
    QCOMPARE(shownProblem(window, played), problem);
    // Counting starts again from zero.
    answerKnownProblem(window, played, true);
    verifyScoreLabels(window, played, { QStringLiteral("1"), QStringLiteral("0") });
}

void GameScreensTest::scoreCardFollowsHideAndShow_data()
{
    addGameRows({ MissingNumber, MissingOperation });
}

void GameScreensTest::scoreCardFollowsHideAndShow()
{
    QFETCH(int, game);
    const Game &played = games().at(game);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(invoke(window, "mnuOptScoreHide_Click"));
    openGame(window, played);
    QVERIFY(!isShown(window, played.scoreCard));
    answerKnownProblem(window, played, true);
    verifyScoreLabels(window, played, { QStringLiteral("1"), QStringLiteral("0") });
    QVERIFY(invoke(window, "mnuOptScoreShow_Click"));
    QVERIFY(named<QWidget>(&window, QLatin1String(played.scoreCard))->isVisible());
    verifyScoreLabels(window, played, { QStringLiteral("1"), QStringLiteral("0") });
    openGame(window, played);
    QVERIFY(isShown(window, played.scoreCard));
}

void GameScreensTest::verdictShowsAloneUntilItsTimerTicks_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<bool>("right");
    for (int game : { MissingNumber, MissingOperation }) {
        for (bool right : { true, false })
            QTest::addRow("%s, %s", games().at(game).name, right ? "right" : "wrong")
                << game << right;
    }
}

void GameScreensTest::verdictShowsAloneUntilItsTimerTicks()
{
    QFETCH(int, game);
    QFETCH(bool, right);
    const Game &played = games().at(game);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    auto *timer = named<QTimer>(&window, QLatin1String(played.timer));
    openGame(window, played);
    // The start-up tick of Missing Number's timer comes and goes first.
    QVERIFY(invoke(window, played.timerHandler));
    answerKnownProblem(window, played, right);
    QCOMPARE(isShown(window, played.rightFrame), right);
    QCOMPARE(isShown(window, played.wrongFrame), !right);
    QVERIFY(timer->isActive());
    // Leaving the screen does not stop the flash; its tick does.
    QVERIFY(invoke(window, "mnuFileWork_Click"));
    QVERIFY(timer->isActive());
    QVERIFY(invoke(window, played.timerHandler));
    QVERIFY(!isShown(window, played.rightFrame));
    QVERIFY(!isShown(window, played.wrongFrame));
    QVERIFY(!timer->isActive());
}

void GameScreensTest::secondVerdictReplacesFirstAndGetsFullTime_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<bool>("firstRight");
    QTest::newRow("missing number, right then wrong") << int(MissingNumber) << true;
    QTest::newRow("missing operation, wrong then right") << int(MissingOperation) << false;
}

void GameScreensTest::secondVerdictReplacesFirstAndGetsFullTime()
{
    QFETCH(int, game);
    QFETCH(bool, firstRight);
    const Game &played = games().at(game);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    auto *timer = named<QTimer>(&window, QLatin1String(played.timer));
    openGame(window, played);
    answerKnownProblem(window, played, firstRight);
    QTest::qWait(400);
    answerKnownProblem(window, played, !firstRight);
    // Never both at once.
    QCOMPARE(isShown(window, played.rightFrame), !firstRight);
    QCOMPARE(isShown(window, played.wrongFrame), firstRight);
    // Without the restart at most 1050 ms would be left (coarse timers may
    // report up to 5% less than the full interval).
    QVERIFY2(timer->remainingTime() > 1300, qPrintable(QString::number(timer->remainingTime())));
}

QTEST_MAIN(GameScreensTest)
#include "game_screens_test.moc"
