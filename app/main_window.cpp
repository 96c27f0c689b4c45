#include "app/main_window.h"

#include "app/class_server_status.h"
#include "app/pupil_wiring.h"
#include "app/shown_pages.h"
#include "app/window_size.h"
#include "base/accessibility.h"
#include "base/controls.h"
#include "base/desktop_launcher.h"
#include "base/fonts.h"
#include "base/language.h"
#include "base/message_box.h"
#include "base/program_settings.h"
#include "base/scaled_picture.h"
#include "base/screen.h"
#include "games/missing_number_screen.h"
#include "games/missing_operation_screen.h"
#include "games/time_trial_screen.h"
#include "help/about_screen.h"
#include "help/browser_panel.h"
#include "help/help_screen.h"
#include "help/maker_links.h"
#include "practice/practice_screen.h"
#include "progress/class_screen.h"
#include "progress/my_facts.h"
#include "progress/progress_actions.h"
#include "progress/progress_screen.h"
#include "report/report_panel.h"
#include "worksheet/worksheet_screen.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QShowEvent>
#include <QTimer>

using tutor::Level;
using tutor::Operation;

namespace {

constexpr int ClientWidth = 694;
constexpr int ClientHeight = 317;
const QString ProgramTitle = QStringLiteral("Orvi Math Tutor");

} // namespace

MainWindow::MainWindow(const QString &applicationFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_folders(applicationFolder, ProgramFolders::userDocumentsFolder())
    , m_pupil(m_folders.dataFolder(), this)
{
    prepareTutorLookAndFeel();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ProgramTitle);
    setFont(controls::font(QStringLiteral("MS Sans Serif"), 8.25));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    access::listShownPartsOnly(client);
    client->setMinimumSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    m_menu = buildMainMenu(menuBar());
    m_sizer = new tutor::WindowSizer(this, client, QSize(ClientWidth, ClientHeight),
        [this](tutor::WindowSize size) { return m_menu.windowSizeItem(size); });

    m_host = new ScreenHost(m_session, m_folders, client);
    // The screens grow with the window as one picture.
    new ScaledPicture(client, QSize(ClientWidth, ClientHeight));
    m_fraLog = m_host->screen<ReportPanel>();
    if (m_folders.userFilesMovedAway())
        m_fraLog->tellWhereReportsGo();
    m_fraGame1 = m_host->screen<MissingNumberScreen>();
    m_fraGame3 = m_host->screen<TimeTrialScreen>();
    m_fraMain = m_host->screen<PracticeScreen>();
    m_fraWorksheet = m_host->screen<WorksheetScreen>();
    m_fraHelp = m_host->screen<HelpScreen>();
    m_fraProgress = m_host->screen<ProgressScreen>();
    m_fraClass = m_host->screen<ClassScreen>();
    m_fraAbout = m_host->screen<AboutScreen>();
    m_pages = std::make_unique<ShownPages>(
        m_folders, m_fraHelp, m_host->screen<BrowserPanel>(), m_fraAbout);
    m_fraLog->setCoveringScreens(m_host->screensIn(ScreenHost::Place::Whole));
    m_fraLog->setCoveredScreens({ m_host->screen<BrowserPanel>() });
    connect(m_host, &ScreenHost::reportPutAway, this, &MainWindow::mnuOptHideReport_Click);
    connect(m_host, &ScreenHost::entered, this, &MainWindow::followEntry);

    m_progressActions = new progress::ProgressActions(
        m_pupil, m_fraProgress, m_fraClass, m_folders.reportsFolder(), this);
    m_progressActions->setClock([this]() { return m_session.now(); });
    connect(m_progressActions, &progress::ProgressActions::progressLeftEmpty, this,
        &MainWindow::mnuFileWork_Click);
    m_myFacts = new progress::MyFacts(m_pupil, m_session, this);
    connect(m_myFacts, &progress::MyFacts::switched, this, &MainWindow::showMyFacts);
    m_pupils = new PupilWiring(m_pupil, m_session, m_progressActions, m_myFacts,
        { this, m_menu.mnuOptMyFacts, m_fraMain, m_fraGame3, m_fraWorksheet });

    m_classServer = new ClassServerStatus(this, m_pupil, classroom::serverSettings());
    connect(m_pupils, &PupilWiring::followed, m_classServer, &ClassServerStatus::followPupil);
    connect(m_classServer, &ClassServerStatus::historyTaken, m_myFacts,
        &progress::MyFacts::rereadCards);

    connectMenu();
    connectSession();
    connect(m_fraAbout, &AboutScreen::okClicked, this, &MainWindow::cmdOkAbout_Click);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectMenu()
{
    using Handler = void (MainWindow::*)();
    const std::pair<QAction *, Handler> items[] = {
        { m_menu.mnuFileWork, &MainWindow::mnuFileWork_Click },
        { m_menu.mnuFileResetScore, &MainWindow::mnuFileResetScore_Click },
        { m_menu.mnuFileResetMB, &MainWindow::mnuFileResetMB_Click },
        { m_menu.mnuFileExit, &MainWindow::mnuFileExit_Click },
        { m_menu.levels[0], &MainWindow::mnuOptDiffLev0_Click },
        { m_menu.levels[1], &MainWindow::mnuOptDiffLev1_Click },
        { m_menu.levels[2], &MainWindow::mnuOptDiffLev2_Click },
        { m_menu.levels[3], &MainWindow::mnuOptDiffLev3_Click },
        { m_menu.levels[4], &MainWindow::mnuOptDiffLev4_Click },
        { m_menu.mnuOptOperAdd, &MainWindow::mnuOptOperAdd_Click },
        { m_menu.mnuOptOperSub, &MainWindow::mnuOptOperSub_Click },
        { m_menu.mnuOptOperMult, &MainWindow::mnuOptOperMult_Click },
        { m_menu.mnuOptOperDiv, &MainWindow::mnuOptOperDiv_Click },
        { m_menu.mnuOptMyFacts, &MainWindow::mnuOptMyFacts_Click },
        { m_menu.mnuOptScoreHide, &MainWindow::mnuOptScoreHide_Click },
        { m_menu.mnuOptScoreShow, &MainWindow::mnuOptScoreShow_Click },
        { m_menu.mnuOptShowReport, &MainWindow::mnuOptShowReport_Click },
        { m_menu.mnuOptHideReport, &MainWindow::mnuOptHideReport_Click },
        { m_menu.mnuOptionsWorksheet, &MainWindow::mnuOptionsWorksheet_Click },
        { m_menu.mnuOptSizeDesktop, &MainWindow::mnuOptSizeDesktop_Click },
        { m_menu.mnuOptSize100, &MainWindow::mnuOptSize100_Click },
        { m_menu.mnuOptSize150, &MainWindow::mnuOptSize150_Click },
        { m_menu.mnuOptSize200, &MainWindow::mnuOptSize200_Click },
        { m_menu.mnuGamesMissingNum, &MainWindow::mnuGamesMissingNum_Click },
        { m_menu.mnuGamesMissingOper, &MainWindow::mnuGamesMissingOper_Click },
        { m_menu.mnuGamesTime, &MainWindow::mnuGamesTime_Click },
        { m_menu.mnuPupilChoose, &MainWindow::mnuPupilChoose_Click },
        { m_menu.mnuPupilProgress, &MainWindow::mnuPupilProgress_Click },
        { m_menu.mnuPupilClass, &MainWindow::mnuPupilClass_Click },
        { m_menu.mnuPupilRestore, &MainWindow::mnuPupilRestore_Click },
        { m_menu.mnuHelpContents, &MainWindow::mnuHelpContents_Click },
        { m_menu.mnuHelpWorksheet, &MainWindow::mnuHelpWorksheet_Click },
        { m_menu.mnuHelpOrviWeb, &MainWindow::mnuHelpOrviWeb_Click },
        { m_menu.mnuHelpWeb, &MainWindow::mnuHelpWeb_Click },
    };
    for (const auto &[item, handler] : items)
        connect(item, &QAction::triggered, this, handler);
    m_menu.addScreenItems(*m_host, [this](Screen *screen) { m_host->show(screen); });
    m_menu.connectLanguageItems([this](const QString &code) { chooseLanguage(code); });
    // Once the menu has closed, the keyboard is back on the screen.
    connect(
        menuBar(), &QMenuBar::triggered, this,
        [this]() { Screen::settleKeyboard(centralWidget()); }, Qt::QueuedConnection);

    connect(m_fraLog, &ReportPanel::showReportRequested, this, &MainWindow::mnuOptShowReport_Click);
    connect(m_fraLog, &ReportPanel::reportPrinted, m_fraMain, &PracticeScreen::focusAnswer);
    connect(m_fraWorksheet, &WorksheetScreen::optionalInformationChecked, m_fraMain,
        [this]() { m_fraMain->setScoreCardShown(true); });
    connect(m_fraGame3, &TimeTrialScreen::menusLocked, this,
        [this](bool locked) { m_menu.setMenusEnabled(!locked); });
    connect(m_fraWorksheet, &WorksheetScreen::myFactsWorksheetRequested, this,
        [this]() { m_fraWorksheet->addProblems(m_myFacts->weakestFacts()); });
}

void MainWindow::connectSession()
{
    m_menu.followSession(m_session, [this]() { enableLevelItems(); });
    connect(&m_session, &TutorSession::attemptMade, this,
        [this](const tutor::Attempt &attempt) { m_myFacts->keep(attempt); });
}

void MainWindow::enableLevelItems()
{
    m_menu.enableLevelItems(m_myFacts->isOn(), m_session.operation() == Operation::Division);
}

void MainWindow::showEvent(QShowEvent *event)
{
    // The start state is set up once, before the window first appears.
    if (!m_loaded) {
        m_loaded = true;
        formLoad();
        // Checking the progress file waits until the window is up.
        QTimer::singleShot(0, this, [this]() {
            m_pupil.openIfKept();
            m_pupils->showWhetherAnswersAreKept();
            m_classServer->start();
        });
    }
    QMainWindow::showEvent(event);
}

void MainWindow::formLoad()
{
    m_host->start(m_fraMain);
    m_fraMain->setScoreCardShown(true);
    m_fraMain->hideFeedback();

    m_menu.mnuOptScoreShow->setVisible(false);
    m_menu.mnuOptScoreHide->setVisible(true);
    m_menu.offerReportItem(false);

    m_sizer->start();
    tutor::centreOnScreen(this);

    // Warm Up Addition everywhere: check marks, caption, signs, score cards
    // and the first problem.
    m_session.start();
    m_fraGame3->selectThirtySeconds();

    // Its first tick hides the Missing Number feedback frames.
    m_fraGame1->startFeedbackTimer();

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

// Every screen retranslates itself; the menus and the title are the
// window's own.
void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_menu.retranslate();
        enableLevelItems();
        m_pupils->showInTitle();
        m_pages->followLanguage();
    }
    QMainWindow::changeEvent(event);
}

// The menus follow the screen entered, and the check marks the operation.
void MainWindow::followEntry(const EntryPolicy &policy)
{
    m_menu.switchItems(policy.enables, true);
    m_menu.switchItems(policy.disables, false);
    if (m_myFacts->isOn())
        enableLevelItems();
    if (policy.marks == OperationMarks::SettleOnGame)
        settleOnGameOperation();
    m_menu.markOperations(policy.marks, tutor::code(m_session.operation()));
}

void MainWindow::mnuFileWork_Click()
{
    m_host->show(m_fraMain);
}

void MainWindow::mnuFileExit_Click()
{
    close();
}

void MainWindow::mnuGamesMissingNum_Click()
{
    m_host->show(m_fraGame1);
}

void MainWindow::mnuGamesMissingOper_Click()
{
    m_host->show(m_host->screen<MissingOperationScreen>());
}

void MainWindow::mnuGamesTime_Click()
{
    m_host->show(m_fraGame3);
}

// A game opened while Multiplication or Division is current switches the
// whole program to Subtraction, which the game can show.
void MainWindow::settleOnGameOperation()
{
    const Operation current = m_session.operation();
    if (current == Operation::Multiplication || current == Operation::Division)
        m_session.chooseOperation(Operation::Subtraction);
}

void MainWindow::mnuOptionsWorksheet_Click()
{
    m_host->show(m_fraWorksheet);
}

void MainWindow::mnuHelpContents_Click()
{
    m_host->show(m_fraHelp);
    m_pages->showHelpContents();
}

QString MainWindow::browserTarget() const
{
    return m_pages->target();
}

void MainWindow::mnuHelpAbout_Click()
{
    m_host->show(m_fraAbout);
}

void MainWindow::cmdOkAbout_Click()
{
    m_host->show(m_fraMain, ScreenHost::Arrival::Return);
    // Back to practice, ready for the next answer.
    m_fraMain->focusAnswer();
}

void MainWindow::mnuOptShowReport_Click()
{
    m_menu.offerReportItem(true);
    m_fraLog->prepareForShowing();
    m_fraLog->show();
}

void MainWindow::mnuOptHideReport_Click()
{
    m_menu.offerReportItem(false);
    m_fraLog->hide();
}

void MainWindow::mnuOptDiffLev0_Click()
{
    m_session.chooseLevel(Level::WarmUp);
    m_menu.tellChoice(focusWidget(), m_menu.levelItem(0));
}

void MainWindow::mnuOptDiffLev1_Click()
{
    m_session.chooseLevel(Level::Beginner);
    m_menu.tellChoice(focusWidget(), m_menu.levelItem(1));
}

void MainWindow::mnuOptDiffLev2_Click()
{
    m_session.chooseLevel(Level::Intermediate);
    m_menu.tellChoice(focusWidget(), m_menu.levelItem(2));
}

void MainWindow::mnuOptDiffLev3_Click()
{
    m_session.chooseLevel(Level::Advanced);
    m_menu.tellChoice(focusWidget(), m_menu.levelItem(3));
}

void MainWindow::mnuOptDiffLev4_Click()
{
    m_session.chooseLevel(Level::Expert);
    m_menu.tellChoice(focusWidget(), m_menu.levelItem(4));
}

void MainWindow::mnuOptOperAdd_Click()
{
    m_session.chooseOperation(Operation::Addition);
    m_menu.tellChoice(focusWidget(), m_menu.mnuOptOperAdd);
}

void MainWindow::mnuOptOperSub_Click()
{
    m_session.chooseOperation(Operation::Subtraction);
    m_menu.tellChoice(focusWidget(), m_menu.mnuOptOperSub);
}

void MainWindow::mnuOptOperMult_Click()
{
    m_session.chooseOperation(Operation::Multiplication);
    m_menu.tellChoice(focusWidget(), m_menu.mnuOptOperMult);
}

void MainWindow::mnuOptOperDiv_Click()
{
    m_session.chooseOperation(Operation::Division);
    m_menu.tellChoice(focusWidget(), m_menu.mnuOptOperDiv);
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
    for (Screen *screen : m_host->screens())
        screen->setScoreCardShown(shown);
    m_menu.offerScoreItem(shown);
}

void MainWindow::mnuFileResetScore_Click()
{
    m_session.resetScores();
}

void MainWindow::mnuFileResetMB_Click()
{
    m_pages->showBrowserStart();
}

// The Help menu's outside links stop the timed games and blank the Time
// Trial's clock without leaving the current screen.
void MainWindow::mnuHelpWorksheet_Click()
{
    openLocalFile(this, m_folders.shippedFile(QStringLiteral("worksheets/worktutorial.html")));
    m_host->leaveTimedGames();
}

void MainWindow::mnuHelpOrviWeb_Click()
{
    openWebAddress(this, makerlinks::downloadPage());
    m_host->leaveTimedGames();
}

void MainWindow::mnuHelpWeb_Click()
{
    openWebAddress(this, makerlinks::homePage());
    m_host->leaveTimedGames();
}

void MainWindow::mnuOptSizeDesktop_Click()
{
    m_sizer->choose(tutor::WindowSize::Desktop);
}

void MainWindow::mnuOptSize100_Click()
{
    m_sizer->choose(tutor::WindowSize::Percent100);
}

void MainWindow::mnuOptSize150_Click()
{
    m_sizer->choose(tutor::WindowSize::Percent150);
}

void MainWindow::mnuOptSize200_Click()
{
    m_sizer->choose(tutor::WindowSize::Percent200);
}

void MainWindow::chooseLanguage(const QString &code)
{
    m_menu.languageItem(code)->setChecked(true);
    language::speak(code);
    if (!language::keepChosenLanguage(code)) {
        showMessage(this, tr("Cannot keep the language for the next start."),
            tr("Cannot write %1.").arg(programSettings().fileName()));
    }
}

void MainWindow::mnuPupilChoose_Click()
{
    m_progressActions->askForPupil();
}

void MainWindow::choosePupil(const QString &name)
{
    m_pupils->choose(name);
}

void MainWindow::chooseNoPupil()
{
    m_pupils->chooseNobody();
}

void MainWindow::mnuOptMyFacts_Click()
{
    m_myFacts->setOn(!m_myFacts->isOn());
}

void MainWindow::showMyFacts(bool on)
{
    m_menu.mnuOptMyFacts->setChecked(on);
    enableLevelItems();
    m_fraMain->setFactsMode(on);
}

void MainWindow::mnuPupilProgress_Click()
{
    if (m_progressActions->fillProgress())
        m_host->show(m_fraProgress);
}

void MainWindow::mnuPupilClass_Click()
{
    if (m_progressActions->fillClass())
        m_host->show(m_fraClass);
}

void MainWindow::mnuPupilRestore_Click()
{
    m_progressActions->askForBackup();
}
