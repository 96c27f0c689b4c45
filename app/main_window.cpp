#include "app/main_window.h"

#include "app/controls.h"
#include "app/desktop_launcher.h"
#include "app/fonts.h"
#include "games/missing_number_screen.h"
#include "games/missing_operation_screen.h"
#include "games/time_trial_screen.h"
#include "help/about_screen.h"
#include "help/browser_panel.h"
#include "help/help_screen.h"
#include "help/maker_links.h"
#include "practice/level_range.h"
#include "practice/practice_screen.h"
#include "report/report_panel.h"
#include "worksheet/worksheet_screen.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int ClientWidth = 694;
constexpr int ClientHeight = 317;

} // namespace

MainWindow::MainWindow(const QString &applicationFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_applicationFolder(applicationFolder)
{
    prepareTutorLookAndFeel();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Orvi Math Tutor"));
    setFont(controls::font(QStringLiteral("MS Sans Serif"), 8.25));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    m_menu = buildMainMenu(menuBar());
    // The window takes exactly the size of the menu bar and the client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_fraLog = new ReportPanel(m_state, applicationFolder, client);
    m_fraGame1 = new MissingNumberScreen(m_state, client);
    m_fraGame2 = new MissingOperationScreen(m_state, client);
    m_fraGame3 = new TimeTrialScreen(m_state, client);
    m_fraMain = new PracticeScreen(m_state, m_fraLog, client);
    m_fraMyBrowser = new BrowserPanel(client);
    m_fraWorksheet = new WorksheetScreen(m_state, m_fraMain, applicationFolder, client);
    m_fraHelp = new HelpScreen(client);
    m_fraAbout = new AboutScreen(applicationFolder, client);
    // Overlapping screens are stacked bottom first: a raised frame lies on top.
    const std::initializer_list<QWidget *> bottomFirst = { m_fraGame1, m_fraGame2, m_fraGame3,
        m_fraMain, m_fraMyBrowser, m_fraLog, m_fraWorksheet, m_fraHelp, m_fraAbout };
    for (QWidget *frame : bottomFirst)
        frame->raise();
    m_fraLog->setCoveringScreens({ m_fraWorksheet, m_fraHelp, m_fraAbout });

    connectMenu();
    connect(m_fraAbout->okButton(), &QPushButton::clicked, this, &MainWindow::cmdOkAbout_Click);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectMenu()
{
    connect(m_menu.mnuFileWork, &QAction::triggered, this, &MainWindow::mnuFileWork_Click);
    connect(m_menu.mnuFileExit, &QAction::triggered, this, &MainWindow::mnuFileExit_Click);
    connect(
        m_menu.mnuOptShowReport, &QAction::triggered, this, &MainWindow::mnuOptShowReport_Click);
    connect(
        m_menu.mnuOptHideReport, &QAction::triggered, this, &MainWindow::mnuOptHideReport_Click);
    connect(m_menu.mnuOptionsWorksheet, &QAction::triggered, this,
        &MainWindow::mnuOptionsWorksheet_Click);
    connect(m_menu.mnuGamesMissingNum, &QAction::triggered, this,
        &MainWindow::mnuGamesMissingNum_Click);
    connect(m_menu.mnuGamesMissingOper, &QAction::triggered, this,
        &MainWindow::mnuGamesMissingOper_Click);
    connect(m_menu.mnuGamesTime, &QAction::triggered, this, &MainWindow::mnuGamesTime_Click);
    connect(m_menu.mnuHelpContents, &QAction::triggered, this, &MainWindow::mnuHelpContents_Click);
    connect(m_menu.mnuHelpAbout, &QAction::triggered, this, &MainWindow::mnuHelpAbout_Click);

    const std::array<void (MainWindow::*)(), 5> levelHandlers = { &MainWindow::mnuOptDiffLev0_Click,
        &MainWindow::mnuOptDiffLev1_Click, &MainWindow::mnuOptDiffLev2_Click,
        &MainWindow::mnuOptDiffLev3_Click, &MainWindow::mnuOptDiffLev4_Click };
    for (std::size_t level = 0; level < levelHandlers.size(); ++level)
        connect(m_menu.levels[level], &QAction::triggered, this, levelHandlers[level]);
    connect(m_menu.mnuOptOperAdd, &QAction::triggered, this, &MainWindow::mnuOptOperAdd_Click);
    connect(m_menu.mnuOptOperSub, &QAction::triggered, this, &MainWindow::mnuOptOperSub_Click);
    connect(m_menu.mnuOptOperMult, &QAction::triggered, this, &MainWindow::mnuOptOperMult_Click);
    connect(m_menu.mnuOptOperDiv, &QAction::triggered, this, &MainWindow::mnuOptOperDiv_Click);
    connect(m_menu.mnuOptScoreHide, &QAction::triggered, this, &MainWindow::mnuOptScoreHide_Click);
    connect(m_menu.mnuOptScoreShow, &QAction::triggered, this, &MainWindow::mnuOptScoreShow_Click);
    connect(
        m_menu.mnuFileResetScore, &QAction::triggered, this, &MainWindow::mnuFileResetScore_Click);
    connect(m_fraLog, &ReportPanel::showReportRequested, this, &MainWindow::mnuOptShowReport_Click);
    connect(m_fraLog, &ReportPanel::reportPrinted, this, [this]() { m_fraMain->focusAnswer(); });

    connect(m_menu.mnuFileResetMB, &QAction::triggered, this, &MainWindow::mnuFileResetMB_Click);
    connect(
        m_menu.mnuHelpWorksheet, &QAction::triggered, this, &MainWindow::mnuHelpWorksheet_Click);
    connect(m_menu.mnuHelpOrviWeb, &QAction::triggered, this, &MainWindow::mnuHelpOrviWeb_Click);
    connect(m_menu.mnuHelpWeb, &QAction::triggered, this, &MainWindow::mnuHelpWeb_Click);

    // The worksheet's lists choose through the same commands as the menus.
    connect(m_fraWorksheet, &WorksheetScreen::levelPicked, this, &MainWindow::chooseLevel);
    connect(m_fraWorksheet, &WorksheetScreen::operationPicked, this, &MainWindow::chooseOperation);
    connect(m_fraWorksheet, &WorksheetScreen::optionalInformationChecked, m_fraMain->scoreCard(),
        &QWidget::show);

    connect(m_fraGame3, &TimeTrialScreen::menusLocked, this,
        [this](bool locked) { setMenusEnabled(!locked); });
    connect(m_fraGame3, &TimeTrialScreen::warmUpAdditionRequested, this,
        &MainWindow::returnToWarmUpAddition);
    connect(m_fraGame3, &TimeTrialScreen::browserFocusRequested, m_fraMyBrowser->view(),
        qOverload<>(&QWidget::setFocus));
}

void MainWindow::showEvent(QShowEvent *event)
{
    // The start state is set up once, before the window first appears.
    if (!m_loaded) {
        m_loaded = true;
        formLoad();
    }
    QMainWindow::showEvent(event);
}

void MainWindow::formLoad()
{
    m_fraMain->show();
    controls::setShown({ m_fraHelp, m_fraAbout }, false);
    m_fraMain->scoreCard()->show();
    m_fraMain->hideFeedback();
    controls::setShown({ m_fraGame1, m_fraGame2, m_fraGame3, m_fraWorksheet, m_fraLog }, false);

    m_fraMain->showOperationSign(1);
    m_fraGame1->showOperationSign(1);
    m_fraGame3->showOperationSign(1);

    m_menu.mnuOptScoreShow->setVisible(false);
    m_menu.mnuOptScoreHide->setVisible(true);
    m_menu.mnuOptHideReport->setVisible(false);

    centreOnScreen();

    m_fraMain->showScore();
    m_state.OperationCode = 1;
    m_state.LevelCode = 0;
    m_state.TimeLimitSeconds = -1;
    m_fraMain->setLevelCaption(tutor::levelName(0));
    m_fraMain->NewPracticeProblem();

    m_menu.levels[0]->setChecked(true);
    m_menu.mnuOptOperAdd->setChecked(true);
    m_fraGame3->selectThirtySeconds();

    m_fraMain->feedbackTimer()->stop();
    stopGameTimers();
    m_fraWorksheet->messageTimer()->stop();
    // Its first tick hides the Missing Number feedback frames.
    m_fraGame1->feedbackTimer()->start();

    // The browser panel's start page, as "Reset D-Avuvodu" shows it.
    mnuFileResetMB_Click();

    // The pupil can type the first answer straight away.
    m_fraMain->focusAnswer();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Nothing ticks after the window is gone, not even a running trial.
    for (QTimer *timer : findChildren<QTimer *>())
        timer->stop();
    QMainWindow::closeEvent(event);
}

void MainWindow::centreOnScreen()
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QRect available = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(available.x() + (available.width() - outer.width()) / 2,
        available.y() + (available.height() - outer.height()) / 2);
}

void MainWindow::stopGameTimers()
{
    m_fraGame2->feedbackTimer()->stop();
    m_fraGame3->clockTimer()->stop();
}

void MainWindow::clearTimeTrialClock()
{
    m_fraGame3->clearClock();
}

QString MainWindow::shippedFile(const QString &relativePath) const
{
    return m_applicationFolder + QLatin1Char('/') + relativePath;
}

void MainWindow::mnuFileWork_Click()
{
    m_fraMain->show();
    controls::setShown({ m_fraHelp, m_fraAbout }, false);
    m_fraMain->hideFeedback();
    controls::setShown({ m_fraGame1, m_fraGame2, m_fraGame3, m_fraWorksheet }, false);

    m_menu.mnuOptions->setEnabled(true);
    m_menu.levels[0]->setEnabled(true);
    for (QAction *item : m_menu.operationItems())
        item->setEnabled(true);
    m_menu.mnuOptShowReport->setEnabled(true);

    m_fraMyBrowser->show();
    m_fraMain->focusAnswer();
    if (QAction *current = m_menu.operationItem(m_state.OperationCode))
        current->setChecked(true);
    m_fraMain->NewPracticeProblem();
}

void MainWindow::mnuFileExit_Click()
{
    close();
}

void MainWindow::mnuGamesMissingNum_Click()
{
    m_fraGame1->show();
    m_fraMyBrowser->show();
    controls::setShown(
        { m_fraMain, m_fraHelp, m_fraAbout, m_fraGame2, m_fraGame3, m_fraWorksheet }, false);
    mnuOptHideReport_Click();
    offerAdditionAndSubtractionOnly();
    stopGameTimers();
    clearTimeTrialClock();

    settleOnGameOperation();
    m_fraGame1->open();
}

void MainWindow::mnuGamesMissingOper_Click()
{
    mnuOptHideReport_Click();
    m_fraGame2->hideFeedback();
    controls::setShown(
        { m_fraMain, m_fraHelp, m_fraAbout, m_fraGame1, m_fraGame3, m_fraWorksheet }, false);
    m_fraGame2->show();
    m_fraMyBrowser->show();
    m_menu.mnuOptions->setEnabled(true);
    for (QAction *item : m_menu.operationItems()) {
        item->setEnabled(false);
        item->setChecked(false);
    }
    m_menu.mnuOptShowReport->setEnabled(false);
    stopGameTimers();
    clearTimeTrialClock();

    m_fraGame2->open();
}

void MainWindow::mnuGamesTime_Click()
{
    mnuOptHideReport_Click();
    controls::setShown({ m_fraMain, m_fraHelp, m_fraAbout, m_fraGame1, m_fraGame2 }, false);
    m_fraGame3->hideResults();
    m_fraWorksheet->hide();
    m_fraGame3->show();
    m_fraMyBrowser->show();
    offerAdditionAndSubtractionOnly();
    clearTimeTrialClock();

    settleOnGameOperation();
    m_fraGame3->open();
}

// Missing Number and the Time Trial offer Addition and Subtraction only.
void MainWindow::offerAdditionAndSubtractionOnly()
{
    m_menu.mnuOptions->setEnabled(true);
    m_menu.mnuOptOperAdd->setEnabled(true);
    m_menu.mnuOptOperSub->setEnabled(true);
    m_menu.mnuOptOperMult->setEnabled(false);
    m_menu.mnuOptOperDiv->setEnabled(false);
    m_menu.mnuOptShowReport->setEnabled(false);
}

// A game opened while Multiplication or Division is current switches the
// whole program to Subtraction; the check mark goes on the game's operation.
void MainWindow::settleOnGameOperation()
{
    if (m_state.OperationCode > 2)
        mnuOptOperSub_Click();
    if (m_state.OperationCode == 1 || m_state.OperationCode == 2)
        m_menu.operationItem(m_state.OperationCode)->setChecked(true);
}

void MainWindow::mnuOptionsWorksheet_Click()
{
    m_state.WorksheetProblemCount = 0;
    m_fraWorksheet->show();
    controls::setShown(
        { m_fraHelp, m_fraMain, m_fraAbout, m_fraGame1, m_fraGame2, m_fraGame3, m_fraMyBrowser },
        false);
    m_menu.mnuOptions->setEnabled(false);
    stopGameTimers();
    m_fraWorksheet->open();
}

void MainWindow::mnuHelpContents_Click()
{
    controls::setShown({ m_fraWorksheet, m_fraMain, m_fraAbout, m_fraGame1, m_fraGame2, m_fraGame3,
                           m_fraMyBrowser },
        false);
    m_menu.mnuOptions->setEnabled(false);
    m_fraHelp->show();
    stopGameTimers();
    m_state.BrowserTarget = shippedFile(QStringLiteral("help/mhelp.html"));
    m_fraHelp->showPage(m_state.BrowserTarget);
}

void MainWindow::mnuHelpAbout_Click()
{
    m_fraAbout->show();
    controls::setShown(
        { m_fraWorksheet, m_fraMain, m_fraHelp, m_fraGame1, m_fraGame2, m_fraGame3 }, false);
    m_menu.mnuOptions->setEnabled(false);
    stopGameTimers();
    clearTimeTrialClock();
    m_fraMyBrowser->hide();
    m_fraAbout->okButton()->setFocus();
}

void MainWindow::cmdOkAbout_Click()
{
    controls::setShown({ m_fraAbout, m_fraHelp }, false);
    m_fraMain->show();
    m_fraWorksheet->hide();
    m_fraMyBrowser->show();
    m_menu.mnuOptShowReport->setEnabled(true);
    m_menu.mnuOptions->setEnabled(true);
    // Back to practice, ready for the next answer.
    m_fraMain->focusAnswer();
}

void MainWindow::mnuOptShowReport_Click()
{
    m_menu.mnuOptShowReport->setVisible(false);
    m_menu.mnuOptHideReport->setVisible(true);
    m_fraLog->prepareForShowing();
    m_fraLog->show();
}

void MainWindow::mnuOptHideReport_Click()
{
    m_menu.mnuOptShowReport->setVisible(true);
    m_menu.mnuOptHideReport->setVisible(false);
    m_fraLog->hide();
}

void MainWindow::mnuOptDiffLev0_Click()
{
    chooseLevel(0);
}

void MainWindow::mnuOptDiffLev1_Click()
{
    chooseLevel(1);
}

void MainWindow::mnuOptDiffLev2_Click()
{
    chooseLevel(2);
}

void MainWindow::mnuOptDiffLev3_Click()
{
    chooseLevel(3);
}

void MainWindow::mnuOptDiffLev4_Click()
{
    chooseLevel(4);
}

// The level items do not look at the operation or at whether they are
// enabled: the worksheet's list may choose a level that Division disabled.
void MainWindow::chooseLevel(qint16 levelCode)
{
    m_state.LevelCode = levelCode;
    m_fraMain->setLevelCaption(tutor::levelName(levelCode));
    m_menu.levelItem(levelCode)->setChecked(true);
    m_fraMain->NewPracticeProblem();
    redrawGameProblems();
}

void MainWindow::mnuOptOperAdd_Click()
{
    chooseOperation(1);
}

void MainWindow::mnuOptOperSub_Click()
{
    chooseOperation(2);
}

void MainWindow::mnuOptOperMult_Click()
{
    chooseOperation(3);
}

void MainWindow::mnuOptOperDiv_Click()
{
    chooseOperation(4);
}

void MainWindow::chooseOperation(qint16 operationCode)
{
    m_fraMain->showOperationSign(operationCode);
    m_fraGame1->showOperationSign(operationCode);
    m_fraGame3->showOperationSign(operationCode);
    // Division is offered at the two lowest levels only; the current level
    // stays as it is, even when its item is now disabled.
    const bool upperLevelsOffered = operationCode != 4;
    for (qint16 level = 2; level <= 4; ++level)
        m_menu.levelItem(level)->setEnabled(upperLevelsOffered);
    m_menu.operationItem(operationCode)->setChecked(true);
    m_state.OperationCode = operationCode;

    m_fraMain->NewPracticeProblem();
    // The games deal in Addition and Subtraction only.
    if (operationCode == 1 || operationCode == 2)
        redrawGameProblems();
}

void MainWindow::redrawGameProblems()
{
    m_fraGame1->NewMissingNumberProblem();
    m_fraGame2->NewMissingOperationProblem();
    m_fraGame3->NewTimeTrialProblem();
}

void MainWindow::setMenusEnabled(bool enabled)
{
    for (QMenu *menu : { m_menu.mnuFile, m_menu.mnuOptions, m_menu.mnuGames, m_menu.mnuHelp })
        menu->setEnabled(enabled);
}

// After a trial is stopped or reset the whole program agrees on Warm Up
// Addition: check marks, level caption, signs and every problem.
void MainWindow::returnToWarmUpAddition()
{
    mnuOptOperAdd_Click();
    mnuOptDiffLev0_Click();
}

void MainWindow::mnuOptScoreHide_Click()
{
    setScoreCardsShown(false);
}

void MainWindow::mnuOptScoreShow_Click()
{
    setScoreCardsShown(true);
}

void MainWindow::setScoreCardsShown(bool shown)
{
    controls::setShown(
        { m_fraMain->scoreCard(), m_fraGame1->scoreCard(), m_fraGame2->scoreCard() }, shown);
    QAction *offered = shown ? m_menu.mnuOptScoreHide : m_menu.mnuOptScoreShow;
    QAction *withdrawn = shown ? m_menu.mnuOptScoreShow : m_menu.mnuOptScoreHide;
    offered->setVisible(true);
    offered->setEnabled(true);
    withdrawn->setVisible(false);
    withdrawn->setEnabled(false);
}

void MainWindow::mnuFileResetScore_Click()
{
    m_state.CorrectCount = 0;
    m_state.IncorrectCount = 0;
    m_fraMain->showScore();
    m_state.MissingNumberCorrectCount = 0;
    m_state.MissingNumberIncorrectCount = 0;
    m_fraGame1->showScore();
    m_state.MissingOperationCorrectCount = 0;
    m_state.MissingOperationIncorrectCount = 0;
    m_fraGame2->showScore();
}

void MainWindow::mnuFileResetMB_Click()
{
    m_state.BrowserTarget = shippedFile(QStringLiteral("html/mbrows.html"));
    m_fraMyBrowser->showPage(m_state.BrowserTarget);
}

void MainWindow::mnuHelpWorksheet_Click()
{
    openLocalFile(this, shippedFile(QStringLiteral("worksheets/worktutorial.html")));
    stopGamesForOutsideLink();
}

void MainWindow::mnuHelpOrviWeb_Click()
{
    openWebAddress(this, makerlinks::downloadPage());
    stopGamesForOutsideLink();
}

void MainWindow::mnuHelpWeb_Click()
{
    openWebAddress(this, makerlinks::homePage());
    stopGamesForOutsideLink();
}

// The Help menu's outside links stop the timed games and blank the Time
// Trial's clock without leaving the current screen.
void MainWindow::stopGamesForOutsideLink()
{
    stopGameTimers();
    clearTimeTrialClock();
}
