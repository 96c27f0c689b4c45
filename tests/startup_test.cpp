#include "app/main_window.h"
#include "app/splash_window.h"
#include "base/screen.h"
#include "rules/number_text.h"
#include "tests/test_support.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

using testsupport::named;

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void splashShowsTitleCentredForThreeSeconds();
    void splashTickShowsLoadedMainWindowAndGoesAway();
    void splashClosedByHandBuildsNoMainWindow();

    void mainWindowStartsAtTheDesignSizeAndMayGrow();
    void mainWindowIsCentredOnScreen();
    void framesLieAtTheirPlaces_data();
    void framesLieAtTheirPlaces();
    void framesAreStackedBottomFirst();

    void startScreenShowsPracticeAndBrowser();
    void startShowsWarmUpAdditionProblem();
    void startStateRecordHoldsStartValues();
    void startShowsPlusSignOnEveryScreen();
    void startMenuStates();
    void startTimers();
    void startPageIsShownInBrowserPanel();
    void formLoadRunsOnlyOnce();
    void firstAnswerCanBeTypedStraightAway();
    void timer4FirstTickHidesMissingNumberFeedback();

    void menuBarHasEveryItemInOrder_data();
    void menuBarHasEveryItemInOrder();
    void menuShortcuts_data();
    void menuShortcuts();

    void fontsMapToInstalledFamilies_data();
    void fontsMapToInstalledFamilies();
    void picturesComeFromCompiledResources();

    void exitEndsTheProgram();
};

void StartupTest::splashShowsTitleCentredForThreeSeconds()
{
    int built = 0;
    SplashWindow splash([&]() -> MainWindow * {
        ++built;
        return nullptr;
    });
    int worked = 0;
    splash.doOnceShown([&] { ++worked; });
    splash.show();

    QCOMPARE(splash.objectName(), QStringLiteral("frmSplash"));
    QCOMPARE(splash.size(), QSize(398, 200));
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(splash.windowTitle().isEmpty());
    auto *title = named<QLabel>(&splash, QStringLiteral("Image1"));
    QVERIFY(title);
    QCOMPARE(title->pixmap().size(), QSize(400, 200));
    QCOMPARE(title->geometry(), QRect(0, 0, 400, 200));

    const QRect screenArea = splash.screen()->geometry();
    QVERIFY(qAbs(splash.frameGeometry().center().x() - screenArea.center().x()) <= 1);
    QVERIFY(qAbs(splash.frameGeometry().center().y() - screenArea.center().y()) <= 1);

    auto *timer = named<QTimer>(&splash, QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 3000);
    QVERIFY(timer->isActive());
    // Nothing heavy is built before the splash is on screen; the work put
    // off until then is done once it is painted, and only once.
    QCOMPARE(built, 0);
    QTRY_COMPARE(worked, 1);
    splash.repaint();
    QCoreApplication::processEvents();
    QCOMPARE(worked, 1);
    QCOMPARE(built, 0);
}

void StartupTest::splashTickShowsLoadedMainWindowAndGoesAway()
{
    QTemporaryDir folder;
    testsupport::copyShippedFiles(folder.path());
    std::unique_ptr<MainWindow> mainWindow;
    int built = 0;
    SplashWindow splash([&]() {
        ++built;
        mainWindow = std::make_unique<MainWindow>(folder.path());
        return mainWindow.get();
    });
    // Work put off until the splash is on screen is done before the main
    // window is built, painted or not.
    int builtBeforeWork = -1;
    splash.doOnceShown([&] { builtBeforeWork = built; });
    splash.show();

    QVERIFY(QMetaObject::invokeMethod(&splash, "Timer1_Timer"));

    QCOMPARE(builtBeforeWork, 0);
    QCOMPARE(built, 1);
    QVERIFY(mainWindow);
    QVERIFY(mainWindow->isVisible());
    QVERIFY(mainWindow->parent() == nullptr);
    QCOMPARE(named<QLabel>(mainWindow.get(), QStringLiteral("lblCurLev"))->text(),
        QStringLiteral("Warm Up"));
    QVERIFY(!named<QLabel>(mainWindow.get(), QStringLiteral("lblNum1"))->text().isEmpty());
    QVERIFY(splash.isHidden());
    QVERIFY(!named<QTimer>(&splash, QStringLiteral("Timer1"))->isActive());

    // A late tick never builds a second main window.
    QVERIFY(QMetaObject::invokeMethod(&splash, "Timer1_Timer"));
    QCOMPARE(built, 1);
}

void StartupTest::splashClosedByHandBuildsNoMainWindow()
{
    int built = 0;
    SplashWindow splash([&]() -> MainWindow * {
        ++built;
        return nullptr;
    });
    splash.show();
    splash.close();
    QVERIFY(!named<QTimer>(&splash, QStringLiteral("Timer1"))->isActive());
    QCOMPARE(built, 0);
}

void StartupTest::mainWindowStartsAtTheDesignSizeAndMayGrow()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvi Math Tutor"));
    QCOMPARE(window.centralWidget()->size(), QSize(694, 317));
    // It may grow, and be maximised: the screens grow with it.
    QVERIFY(window.maximumSize().width() > window.width());
    QVERIFY(window.maximumSize().height() > window.height());
    QVERIFY(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    // No class server is set: there is no status line.
    QVERIFY(!window.findChild<QStatusBar *>());
    QCOMPARE(window.centralWidget()->y(), window.menuBar()->height());
    QCOMPARE(window.height(), 317 + window.menuBar()->height());
    QCOMPARE(window.width(), 694);
}

void StartupTest::mainWindowIsCentredOnScreen()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    const QRect screenArea = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    QVERIFY2(qAbs(outer.center().x() - screenArea.center().x()) <= 1,
        qPrintable(
            QStringLiteral("x %1 vs %2").arg(outer.center().x()).arg(screenArea.center().x())));
    QVERIFY(qAbs(outer.center().y() - screenArea.center().y()) <= 1);
}

void StartupTest::framesLieAtTheirPlaces_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QRect>("place");
    // Design places in twips divided by 15.
    QTest::newRow("practice") << QStringLiteral("fraMain") << QRect(-8, -8, 321, 329);
    QTest::newRow("missing number") << QStringLiteral("fraGame1") << QRect(-8, -8, 321, 329);
    QTest::newRow("missing operation") << QStringLiteral("fraGame2") << QRect(-8, -8, 321, 329);
    QTest::newRow("time trial") << QStringLiteral("fraGame3") << QRect(-8, -8, 321, 329);
    QTest::newRow("browser") << QStringLiteral("fraMyBrowser") << QRect(312, -8, 385, 329);
    QTest::newRow("report") << QStringLiteral("fraLog") << QRect(312, -8, 385, 329);
    QTest::newRow("worksheet") << QStringLiteral("fraWorksheet") << QRect(-8, -8, 705, 329);
    QTest::newRow("help") << QStringLiteral("fraHelp") << QRect(-8, -8, 705, 329);
    QTest::newRow("progress") << QStringLiteral("fraProgress") << QRect(-8, -8, 705, 329);
    QTest::newRow("class") << QStringLiteral("fraClass") << QRect(-8, -8, 705, 329);
    QTest::newRow("about") << QStringLiteral("fraAbout") << QRect(-8, -8, 713, 329);
    QTest::newRow("browser view") << QStringLiteral("wbrMyBrowser") << QRect(0, 8, 377, 289);
    QTest::newRow("help view") << QStringLiteral("wbrHelp") << QRect(16, 16, 681, 281);
    QTest::newRow("answer box") << QStringLiteral("txtAnswer") << QRect(56, 144, 49, 33);
    QTest::newRow("score card") << QStringLiteral("fraInfo") << QRect(16, 232, 153, 81);
    QTest::newRow("level frame") << QStringLiteral("frmSettings") << QRect(176, 248, 129, 49);
    QTest::newRow("about ok") << QStringLiteral("cmdOkAbout") << QRect(560, 184, 121, 25);
    QTest::newRow("name box") << QStringLiteral("txtNameReport") << QRect(280, 208, 89, 25);
}

void StartupTest::framesLieAtTheirPlaces()
{
    QFETCH(QString, frame);
    QFETCH(QRect, place);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    auto *widget = named<QWidget>(&window, frame);
    QVERIFY(widget);
    // A screen frame in client coordinates, whichever place holds it; a
    // control within its own frame.
    const bool screen = window.screenHost().screens().contains(qobject_cast<Screen *>(widget));
    QWidget *from = screen ? window.centralWidget() : widget->parentWidget();
    QCOMPARE(QRect(widget->mapTo(from, QPoint()), widget->size()), place);
}

void StartupTest::framesAreStackedBottomFirst()
{
    testsupport::TutorFixture fixture;
    QWidget *client = fixture.window().centralWidget();
    const QStringList bottomFirst = { QStringLiteral("fraGame1"), QStringLiteral("fraGame2"),
        QStringLiteral("fraGame3"), QStringLiteral("fraMain"), QStringLiteral("fraMyBrowser"),
        QStringLiteral("fraLog"), QStringLiteral("fraWorksheet"), QStringLiteral("fraHelp"),
        QStringLiteral("fraProgress"), QStringLiteral("fraClass"), QStringLiteral("fraAbout") };
    QStringList frames;
    const QList<Screen *> screens = fixture.window().screenHost().screens();
    for (const Screen *screen : screens)
        frames << screen->objectName();
    QCOMPARE(frames, bottomFirst);

    // What the user sees: each upper frame covers the one below where they
    // meet, whichever places hold them.
    const auto place
        = [client](QWidget *frame) { return QRect(frame->mapTo(client, QPoint()), frame->size()); };
    for (qsizetype i = 1; i < bottomFirst.size(); ++i) {
        auto *lower = named<QWidget>(client, bottomFirst.at(i - 1));
        auto *upper = named<QWidget>(client, bottomFirst.at(i));
        for (QWidget *widget :
            client->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            widget->hide();
        for (Screen *screen : screens)
            screen->hide();
        for (QWidget *shown : { lower, upper }) {
            for (QWidget *up = shown; up != client; up = up->parentWidget())
                up->show();
        }
        const QRect overlap = place(lower) & place(upper) & client->rect();
        QVERIFY(!overlap.isEmpty());
        const QPoint probe = overlap.topLeft() + QPoint(2, 2);
        QWidget *hit = client->childAt(probe);
        QVERIFY2(hit == upper || upper->isAncestorOf(hit),
            qPrintable(
                bottomFirst.at(i) + QStringLiteral(" should cover ") + bottomFirst.at(i - 1)));
    }
}

void StartupTest::startScreenShowsPracticeAndBrowser()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    for (const char *shown : { "fraMain", "fraInfo", "fraMyBrowser" })
        QVERIFY2(!named<QWidget>(&window, QString::fromLatin1(shown))->isHidden(), shown);
    for (const char *hidden : { "fraHelp", "fraAbout", "fraIncorrect", "fraCorrect", "fraGame1",
             "fraGame2", "fraGame3", "fraWorksheet", "fraLog", "fraProgress", "fraClass" })
        QVERIFY2(named<QWidget>(&window, QString::fromLatin1(hidden))->isHidden(), hidden);
}

void StartupTest::startShowsWarmUpAdditionProblem()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    const TutorState &state = window.state();
    QVERIFY(state.Operand1 >= 1 && state.Operand1 <= 10);
    QVERIFY(state.Operand2 >= 1 && state.Operand2 <= 10);
    QCOMPARE(named<QLabel>(&window, QStringLiteral("lblNum1"))->text(),
        tutor::plainNumberText(state.Operand1));
    QCOMPARE(named<QLabel>(&window, QStringLiteral("lblNum2"))->text(),
        tutor::plainNumberText(state.Operand2));
    QCOMPARE(
        named<QLabel>(&window, QStringLiteral("lblCurLev"))->text(), QStringLiteral("Warm Up"));
    QCOMPARE(named<QLabel>(&window, QStringLiteral("lblCorrect"))->text(), QStringLiteral("0"));
    QCOMPARE(named<QLabel>(&window, QStringLiteral("lblIncorrect"))->text(), QStringLiteral("0"));
    auto *answer = named<QLineEdit>(&window, QStringLiteral("txtAnswer"));
    QCOMPARE(answer->maxLength(), 4);
    QVERIFY(answer->text().isEmpty());
}

void StartupTest::startStateRecordHoldsStartValues()
{
    testsupport::TutorFixture fixture;
    const TutorState &state = fixture.window().state();
    QCOMPARE(state.OperationCode, qint16(1));
    QCOMPARE(state.LevelCode, qint16(0));
    QCOMPARE(state.TimeLimitSeconds, -1.0f);
    QCOMPARE(
        fixture.window().browserTarget(), fixture.folder() + QStringLiteral("/html/mbrows.html"));
    // Everything the later screens own starts at zero or empty.
    QVERIFY(state.TimeTrialLimitText.isEmpty());
    QVERIFY(state.LastVerdict.isEmpty());
    QVERIFY(state.WorksheetOperationChosen.isEmpty() && state.WorksheetLevelChosen.isEmpty());
    const qint16 counters[] = { state.MissingNumberAnswer, state.MissingNumberCorrectCount,
        state.MissingNumberIncorrectCount, state.CorrectCount, state.IncorrectCount,
        state.MissingNumberTop, state.MissingNumberBottom, state.MissingOperationResult,
        state.MissingOperationFirst, state.MissingOperationSecond, state.MissingOperationCode,
        state.MissingOperationCorrectCount, state.MissingOperationIncorrectCount,
        state.TimeTrialFirst, state.TimeTrialSecond, state.TimeTrialScore,
        state.LoggedCorrectAnswer, state.WorksheetProblemCount };
    for (qint16 counter : counters)
        QCOMPARE(counter, qint16(0));
}

void StartupTest::startShowsPlusSignOnEveryScreen()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    for (const char *shown : { "imgPlus", "imgPlusGame1", "imgPlusGame3" })
        QVERIFY2(!named<QLabel>(&window, QString::fromLatin1(shown))->isHidden(), shown);
    for (const char *hidden :
        { "imgMinus", "imgMultiply", "imgDivide", "imgMinusGame1", "imgMinusGame3" })
        QVERIFY2(named<QLabel>(&window, QString::fromLatin1(hidden))->isHidden(), hidden);
}

void StartupTest::startMenuStates()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    auto item
        = [&](const char *name) { return named<QAction>(&window, QString::fromLatin1(name)); };
    QVERIFY(item("mnuOptScoreHide")->isVisible());
    QVERIFY(!item("mnuOptScoreShow")->isVisible());
    QVERIFY(item("mnuOptShowReport")->isVisible());
    QVERIFY(!item("mnuOptHideReport")->isVisible());

    QStringList checked;
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->isChecked())
            checked << action->objectName();
    }
    checked.sort();
    // With no window size or language chosen, both follow the desktop.
    QCOMPARE(checked,
        QStringList({ QStringLiteral("mnuOptDiffLev0"), QStringLiteral("mnuOptLanguageSystem"),
            QStringLiteral("mnuOptOperAdd"), QStringLiteral("mnuOptSizeDesktop") }));

    for (const char *menu : { "mnuFile", "mnuOptions", "mnuGames", "mnuHelp" })
        QVERIFY2(named<QMenu>(&window, QString::fromLatin1(menu))->menuAction()->isEnabled(), menu);
    for (int level = 0; level < 5; ++level)
        QVERIFY(named<QAction>(&window, QStringLiteral("mnuOptDiffLev%1").arg(level))->isEnabled());

    QVERIFY(named<QRadioButton>(&window, QStringLiteral("opt30secs"))->isChecked());
    QVERIFY(!named<QRadioButton>(&window, QStringLiteral("opt60secs"))->isChecked());
}

void StartupTest::startTimers()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    const struct
    {
        const char *name;
        int interval;
        bool running;
    } timers[] = { { "Timer1", 2000, false }, { "Timer2", 1450, false }, { "Timer3", 1000, false },
        { "Timer4", 1450, true }, { "tmrWorksheet", 10000, false } };
    for (const auto &expected : timers) {
        auto *timer = named<QTimer>(&window, QString::fromLatin1(expected.name));
        QVERIFY2(timer, expected.name);
        QCOMPARE(timer->interval(), expected.interval);
        QCOMPARE(timer->isActive(), expected.running);
    }
}

void StartupTest::startPageIsShownInBrowserPanel()
{
    testsupport::TutorFixture fixture;
    auto *view = named<QTextBrowser>(&fixture.window(), QStringLiteral("wbrMyBrowser"));
    QVERIFY(view);
    QCOMPARE(view->source(),
        QUrl::fromLocalFile(fixture.folder() + QStringLiteral("/html/mbrows.html")));
    QVERIFY(view->toPlainText().contains(QStringLiteral("Orvi Math Tutor")));
}

void StartupTest::formLoadRunsOnlyOnce()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::changeState(window, [&](TutorState &state) {
        state.LevelCode = 3;
        state.Operand1 = 99;
    });
    window.hide();
    window.show();
    QCOMPARE(window.state().LevelCode, qint16(3));
    QCOMPARE(window.state().Operand1, 99.0f);
}

void StartupTest::firstAnswerCanBeTypedStraightAway()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *answer = named<QLineEdit>(&window, QStringLiteral("txtAnswer"));
    QVERIFY(answer->hasFocus());
}

void StartupTest::timer4FirstTickHidesMissingNumberFeedback()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    auto *correct = named<QWidget>(&window, QStringLiteral("fraCorrectGame1"));
    auto *incorrect = named<QWidget>(&window, QStringLiteral("fraIncorrectGame1"));
    correct->show();
    incorrect->show();
    QVERIFY(testsupport::invokeHandler(&window, "Timer4_Timer"));
    QVERIFY(correct->isHidden());
    QVERIFY(incorrect->isHidden());
    QVERIFY(!named<QTimer>(&window, QStringLiteral("Timer4"))->isActive());
}

void StartupTest::menuBarHasEveryItemInOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("items"); // "name caption", "-name" for a separator

    QTest::newRow("file") << QStringLiteral("mnuFile") << QStringLiteral("&File")
                          << QStringList { QStringLiteral("mnuFileWork &Work Mode"),
                                 QStringLiteral("-hyphen10"),
                                 QStringLiteral("mnuFileResetScore Reset &Score Card"),
                                 QStringLiteral("mnuFileResetMB Reset &D-Avuvodu"),
                                 QStringLiteral("-hyphen9"), QStringLiteral("mnuFileExit &Exit") };
    QTest::newRow("options") << QStringLiteral("mnuOptions") << QStringLiteral("&Options")
                             << QStringList { QStringLiteral("mnuOptDiff &Difficulty"),
                                    QStringLiteral("mnuOptOper &Operation"),
                                    QStringLiteral("mnuOptMyFacts &My Facts"),
                                    QStringLiteral("mnuOptScore &Score Card"),
                                    QStringLiteral("-hyphen12"),
                                    QStringLiteral("mnuOptShowReport Show &Report"),
                                    QStringLiteral("mnuOptHideReport Hide &Report"),
                                    QStringLiteral("mnuOptionsWorksheet &Create Worksheet"),
                                    QStringLiteral("-hyphenWindowSize"),
                                    QStringLiteral("mnuOptWindowSize &Window Size"),
                                    QStringLiteral("mnuOptLanguage &Language") };
    QTest::newRow("difficulty") << QStringLiteral("mnuOptDiff") << QStringLiteral("&Difficulty")
                                << QStringList { QStringLiteral("mnuOptDiffLev0 &Warm Up"),
                                       QStringLiteral("mnuOptDiffLev1 &Beginner"),
                                       QStringLiteral("mnuOptDiffLev2 &Intermediate"),
                                       QStringLiteral("mnuOptDiffLev3 &Advanced"),
                                       QStringLiteral("mnuOptDiffLev4 &Expert") };
    QTest::newRow("operation") << QStringLiteral("mnuOptOper") << QStringLiteral("&Operation")
                               << QStringList { QStringLiteral("mnuOptOperAdd &Addition"),
                                      QStringLiteral("mnuOptOperSub &Subtraction"),
                                      QStringLiteral("mnuOptOperMult &Multiplication"),
                                      QStringLiteral("mnuOptOperDiv &Division") };
    QTest::newRow("score card") << QStringLiteral("mnuOptScore") << QStringLiteral("&Score Card")
                                << QStringList { QStringLiteral("mnuOptScoreHide &Hide"),
                                       QStringLiteral("mnuOptScoreShow &Show") };
    QTest::newRow("window size") << QStringLiteral("mnuOptWindowSize")
                                 << QStringLiteral("&Window Size")
                                 << QStringList { QStringLiteral(
                                                      "mnuOptSizeDesktop &Desktop's Own Scale"),
                                        QStringLiteral("mnuOptSize100 &100 %"),
                                        QStringLiteral("mnuOptSize150 1&50 %"),
                                        QStringLiteral("mnuOptSize200 &200 %") };
    // Each language in its own name.
    QTest::newRow("language") << QStringLiteral("mnuOptLanguage") << QStringLiteral("&Language")
                              << QStringList { QStringLiteral(
                                                   "mnuOptLanguageSystem &System default"),
                                     QStringLiteral("-hyphenLanguages"),
                                     QStringLiteral("mnuOptLanguage_de Deutsch"),
                                     QStringLiteral("mnuOptLanguage_en English"),
                                     QStringLiteral("mnuOptLanguage_es Español"),
                                     QStringLiteral("mnuOptLanguage_fr Français"),
                                     QStringLiteral("mnuOptLanguage_pt_BR Português (Brasil)") };
    QTest::newRow("games") << QStringLiteral("mnuGames") << QStringLiteral("&Games")
                           << QStringList { QStringLiteral("mnuGamesMissingNum Missing &Number"),
                                  QStringLiteral("mnuGamesMissingOper Missing &Operation"),
                                  QStringLiteral("mnuGamesTime &Time Trial") };
    QTest::newRow("pupil") << QStringLiteral("mnuPupil") << QStringLiteral("&Pupil")
                           << QStringList { QStringLiteral("mnuPupilChoose &Choose Pupil..."),
                                  QStringLiteral("mnuPupilProgress My &Progress"),
                                  QStringLiteral("mnuPupilClass C&lass Overview"),
                                  QStringLiteral("mnuPupilRestore &Restore Backup...") };
    QTest::newRow("help") << QStringLiteral("mnuHelp") << QStringLiteral("&Help")
                          << QStringList { QStringLiteral("mnuHelpContents &Contents..."),
                                 QStringLiteral("mnuHelpWorksheet &Worksheet Tutorial..."),
                                 QStringLiteral("-hyphen22"),
                                 QStringLiteral("mnuHelpOrviWeb &Orvi's Official Web Page"),
                                 QStringLiteral("mnuHelpWeb &Visit Falwick Dot Com"),
                                 QStringLiteral("-hyphen4"),
                                 QStringLiteral("mnuHelpAbout &About Orvi Math Tutor") };
}

void StartupTest::menuBarHasEveryItemInOrder()
{
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QStringList, items);
    testsupport::TutorFixture fixture;
    auto *theMenu = named<QMenu>(&fixture.window(), menu);
    QVERIFY(theMenu);
    QCOMPARE(theMenu->title(), caption);

    QStringList actual;
    for (QAction *action : theMenu->actions()) {
        if (action->isSeparator())
            actual << QLatin1Char('-') + action->objectName();
        else if (action->menu())
            actual << action->menu()->objectName() + QLatin1Char(' ') + action->text();
        else
            actual << action->objectName() + QLatin1Char(' ') + action->text();
    }
    QCOMPARE(actual, items);

    if (theMenu->parent() == fixture.window().menuBar()) {
        QStringList barOrder;
        for (QAction *action : fixture.window().menuBar()->actions())
            barOrder << action->menu()->objectName();
        QCOMPARE(barOrder,
            QStringList({ QStringLiteral("mnuFile"), QStringLiteral("mnuOptions"),
                QStringLiteral("mnuGames"), QStringLiteral("mnuPupil"),
                QStringLiteral("mnuHelp") }));
    }
}

void StartupTest::menuShortcuts_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("warm up") << QStringLiteral("mnuOptDiffLev0") << QKeySequence();
    QTest::newRow("beginner") << QStringLiteral("mnuOptDiffLev1") << QKeySequence(Qt::Key_F1);
    QTest::newRow("intermediate") << QStringLiteral("mnuOptDiffLev2") << QKeySequence(Qt::Key_F2);
    QTest::newRow("advanced") << QStringLiteral("mnuOptDiffLev3") << QKeySequence(Qt::Key_F3);
    QTest::newRow("expert") << QStringLiteral("mnuOptDiffLev4") << QKeySequence(Qt::Key_F4);
    QTest::newRow("addition") << QStringLiteral("mnuOptOperAdd")
                              << QKeySequence(Qt::CTRL | Qt::Key_F1);
    QTest::newRow("subtraction") << QStringLiteral("mnuOptOperSub")
                                 << QKeySequence(Qt::CTRL | Qt::Key_F2);
    QTest::newRow("multiplication")
        << QStringLiteral("mnuOptOperMult") << QKeySequence(Qt::CTRL | Qt::Key_F3);
    QTest::newRow("division") << QStringLiteral("mnuOptOperDiv")
                              << QKeySequence(Qt::CTRL | Qt::Key_F4);
    QTest::newRow("work mode") << QStringLiteral("mnuFileWork") << QKeySequence();
    QTest::newRow("exit") << QStringLiteral("mnuFileExit") << QKeySequence();
}

void StartupTest::menuShortcuts()
{
    QFETCH(QString, item);
    QFETCH(QKeySequence, shortcut);
    testsupport::TutorFixture fixture;
    auto *action = named<QAction>(&fixture.window(), item);
    QVERIFY(action);
    QCOMPARE(action->shortcut(), shortcut);
}

void StartupTest::fontsMapToInstalledFamilies_data()
{
    QTest::addColumn<QString>("designFamily");
    QTest::addColumn<QString>("shownFamily");
    QTest::newRow("ms sans serif")
        << QStringLiteral("MS Sans Serif") << QStringLiteral("Liberation Sans");
    QTest::newRow("arial") << QStringLiteral("Arial") << QStringLiteral("Liberation Sans");
    QTest::newRow("times new roman")
        << QStringLiteral("Times New Roman") << QStringLiteral("Liberation Serif");
    QTest::newRow("comic sans ms")
        << QStringLiteral("Comic Sans MS") << QStringLiteral("Comic Neue");
}

void StartupTest::fontsMapToInstalledFamilies()
{
    QFETCH(QString, designFamily);
    QFETCH(QString, shownFamily);
    testsupport::TutorFixture fixture; // installs the substitutions
    QCOMPARE(QFontInfo(QFont(designFamily)).family(), shownFamily);
    auto *level = named<QLabel>(&fixture.window(), QStringLiteral("lblCurLev"));
    QCOMPARE(QFontInfo(level->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(level->font().pointSizeF(), 12.0);
    QVERIFY(level->font().bold());
}

void StartupTest::picturesComeFromCompiledResources()
{
    testsupport::TutorFixture fixture;
    QCOMPARE(QPixmap(QStringLiteral(":/pictures/plus.png")).size(), QSize(32, 32));
    const struct
    {
        const char *name;
        QSize size;
    } pictures[] = { { "imgPlus", { 32, 32 } }, { "imgMinus", { 32, 32 } },
        { "imgMultiply", { 32, 32 } }, { "imgDivide", { 32, 32 } }, { "Image1", { 32, 32 } },
        { "Image11", { 32, 32 } }, { "imgCorrect", { 65, 140 } }, { "imgCheck", { 65, 140 } } };
    for (const auto &picture : pictures) {
        auto *label = named<QLabel>(&fixture.window(), QString::fromLatin1(picture.name));
        QVERIFY2(label, picture.name);
        QCOMPARE(label->pixmap().size(), picture.size);
    }
}

void StartupTest::exitEndsTheProgram()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QGuiApplication::quitOnLastWindowClosed());
    // A real event loop ends when the window closes: the program is over.
    QTimer::singleShot(0, &window, &MainWindow::mnuFileExit_Click);
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
