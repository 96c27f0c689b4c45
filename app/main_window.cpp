#include "app/main_window.h"

#include "app/window_size.h"
#include "base/controls.h"
#include "base/desktop_launcher.h"
#include "base/fonts.h"
#include "base/message_box.h"
#include "games/missing_number_screen.h"
#include "games/missing_operation_screen.h"
#include "games/time_trial_screen.h"
#include "help/about_screen.h"
#include "help/browser_panel.h"
#include "help/help_screen.h"
#include "help/maker_links.h"
#include "practice/practice_screen.h"
#include "report/report_panel.h"
#include "worksheet/worksheet_screen.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>

#include <array>
#include <vector>

using tutor::Level;
using tutor::Operation;

enum class ScreenEntry {
    Start,
    WorkMode,
    MissingNumber,
    MissingOperation,
    TimeTrial,
    Worksheet,
    Help,
    About,
    AboutOk,
};

namespace {

constexpr int ClientWidth = 694;
constexpr int ClientHeight = 317;

// The nine screen frames, bottom first.
enum class Frame { Game1, Game2, Game3, Main, MyBrowser, Log, Worksheet, Help, About };
// The menus and menu items a screen entry enables or disables.
enum class MenuEntry {
    Options,
    WarmUp,
    Addition,
    Subtraction,
    Multiplication,
    Division,
    ShowReport
};
// The timers a screen entry stops.
enum class Timer { PracticeFeedback, MissingOperationFeedback, TimeTrialClock, WorksheetMessage };

// What entering a screen switches before the screen's own steps. Frames and
// menus not named keep their state; only the game entries hide the report
// panel, which the whole-window screens merely cover.
struct ScreenRow
{
    ScreenEntry entry;
    std::vector<Frame> shows;
    std::vector<Frame> hides;
    std::vector<MenuEntry> enables;
    std::vector<MenuEntry> disables;
    std::vector<Timer> stops;
    bool hidesReport = false; // through "Hide Report" itself
    bool clearsTrialClock = false;
};

// Each screen entry's switching steps, row by row.
const std::vector<ScreenRow> &screenTable()
{
    using F = Frame;
    using M = MenuEntry;
    using T = Timer;
    static const std::vector<ScreenRow> table = {
        { ScreenEntry::Start, { F::Main },
            { F::Help, F::About, F::Game1, F::Game2, F::Game3, F::Worksheet, F::Log }, {}, {},
            { T::PracticeFeedback, T::MissingOperationFeedback, T::TimeTrialClock,
                T::WorksheetMessage } },
        { ScreenEntry::WorkMode, { F::Main, F::MyBrowser },
            { F::Help, F::About, F::Game1, F::Game2, F::Game3, F::Worksheet },
            { M::Options, M::WarmUp, M::Addition, M::Subtraction, M::Multiplication, M::Division,
                M::ShowReport },
            {}, {} },
        { ScreenEntry::MissingNumber, { F::Game1, F::MyBrowser },
            { F::Main, F::Help, F::About, F::Game2, F::Game3, F::Worksheet },
            { M::Options, M::Addition, M::Subtraction },
            { M::Multiplication, M::Division, M::ShowReport },
            { T::MissingOperationFeedback, T::TimeTrialClock }, true, true },
        { ScreenEntry::MissingOperation, { F::Game2, F::MyBrowser },
            { F::Main, F::Help, F::About, F::Game1, F::Game3, F::Worksheet }, { M::Options },
            { M::Addition, M::Subtraction, M::Multiplication, M::Division, M::ShowReport },
            { T::MissingOperationFeedback, T::TimeTrialClock }, true, true },
        { ScreenEntry::TimeTrial, { F::Game3, F::MyBrowser },
            { F::Main, F::Help, F::About, F::Game1, F::Game2, F::Worksheet },
            { M::Options, M::Addition, M::Subtraction },
            { M::Multiplication, M::Division, M::ShowReport }, {}, true, true },
        { ScreenEntry::Worksheet, { F::Worksheet },
            { F::Help, F::Main, F::About, F::Game1, F::Game2, F::Game3, F::MyBrowser }, {},
            { M::Options }, { T::MissingOperationFeedback, T::TimeTrialClock } },
        { ScreenEntry::Help, { F::Help },
            { F::Worksheet, F::Main, F::About, F::Game1, F::Game2, F::Game3, F::MyBrowser }, {},
            { M::Options }, { T::MissingOperationFeedback, T::TimeTrialClock } },
        { ScreenEntry::About, { F::About },
            { F::Worksheet, F::Main, F::Help, F::Game1, F::Game2, F::Game3, F::MyBrowser }, {},
            { M::Options }, { T::MissingOperationFeedback, T::TimeTrialClock }, false, true },
        // Back to practice as by Work Mode: every operation practice offers,
        // whichever game greyed some out before the About screen.
        { ScreenEntry::AboutOk, { F::Main, F::MyBrowser }, { F::About, F::Help, F::Worksheet },
            { M::ShowReport, M::Options, M::WarmUp, M::Addition, M::Subtraction, M::Multiplication,
                M::Division },
            {}, {} },
    };
    return table;
}

} // namespace

MainWindow::MainWindow(const QString &applicationFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_folders(applicationFolder, ProgramFolders::userDocumentsFolder())
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
    // A window that cannot grow offers no maximise button, so a window
    // manager does not spread its frame over the screen around it.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_menu.windowSizeItem(tutor::storedWindowSize())->setChecked(true);

    m_fraLog = new ReportPanel(m_session.log(), m_folders.reportsFolder(), client);
    if (m_folders.userFilesMovedAway())
        m_fraLog->tellWhereReportsGo();
    m_fraGame1 = new MissingNumberScreen(m_session, client);
    m_fraGame2 = new MissingOperationScreen(m_session, client);
    m_fraGame3 = new TimeTrialScreen(m_session, client);
    m_fraMain = new PracticeScreen(m_session, client);
    m_fraMyBrowser = new BrowserPanel(client);
    m_fraWorksheet = new WorksheetScreen(m_session, m_folders.worksheetsFolder(), client);
    m_fraHelp = new HelpScreen(client);
    m_fraAbout = new AboutScreen(m_folders.shippedFile(QStringLiteral("ReadMe.txt")),
        m_folders.shippedFile(QStringLiteral("Support.txt")), client);
    // Overlapping screens are stacked bottom first: a raised frame lies on top.
    for (QWidget *frame : frames())
        frame->raise();
    m_fraLog->setCoveringScreens({ m_fraWorksheet, m_fraHelp, m_fraAbout });

    connectMenu();
    connectSession();
    connect(m_fraAbout, &AboutScreen::okClicked, this, &MainWindow::cmdOkAbout_Click);
}

MainWindow::~MainWindow() = default;

std::array<QWidget *, 9> MainWindow::frames() const
{
    return { m_fraGame1, m_fraGame2, m_fraGame3, m_fraMain, m_fraMyBrowser, m_fraLog,
        m_fraWorksheet, m_fraHelp, m_fraAbout };
}

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
    connect(m_menu.mnuFileResetMB, &QAction::triggered, this, &MainWindow::mnuFileResetMB_Click);
    connect(
        m_menu.mnuHelpWorksheet, &QAction::triggered, this, &MainWindow::mnuHelpWorksheet_Click);
    connect(m_menu.mnuHelpOrviWeb, &QAction::triggered, this, &MainWindow::mnuHelpOrviWeb_Click);
    connect(m_menu.mnuHelpWeb, &QAction::triggered, this, &MainWindow::mnuHelpWeb_Click);
    connect(
        m_menu.mnuOptSizeDesktop, &QAction::triggered, this, &MainWindow::mnuOptSizeDesktop_Click);
    connect(m_menu.mnuOptSize100, &QAction::triggered, this, &MainWindow::mnuOptSize100_Click);
    connect(m_menu.mnuOptSize150, &QAction::triggered, this, &MainWindow::mnuOptSize150_Click);
    connect(m_menu.mnuOptSize200, &QAction::triggered, this, &MainWindow::mnuOptSize200_Click);

    connect(m_fraLog, &ReportPanel::showReportRequested, this, &MainWindow::mnuOptShowReport_Click);
    connect(m_fraLog, &ReportPanel::reportPrinted, m_fraMain, &PracticeScreen::focusAnswer);
    connect(m_fraWorksheet, &WorksheetScreen::optionalInformationChecked, m_fraMain,
        [this]() { m_fraMain->setScoreCardShown(true); });
    connect(m_fraGame3, &TimeTrialScreen::menusLocked, this,
        [this](bool locked) { setMenusEnabled(!locked); });
    connect(m_fraGame3, &TimeTrialScreen::browserFocusRequested, m_fraMyBrowser,
        &BrowserPanel::focusPage);
}

// The check marks follow the session's level and operation, whichever
// screen chose them. The level items do not look at whether they are
// enabled: the worksheet's list may choose a level that Division disabled.
void MainWindow::connectSession()
{
    connect(&m_session, &TutorSession::levelChanged, this, [this](Level level) {
        if (QAction *item = m_menu.levelItem(tutor::code(level)))
            item->setChecked(true);
    });
    connect(&m_session, &TutorSession::operationChanged, this, [this](Operation operation) {
        // Division is offered at the two lowest levels only; the current
        // level stays as it is, even when its item is now disabled.
        for (Level level : { Level::Intermediate, Level::Advanced, Level::Expert })
            m_menu.levelItem(tutor::code(level))->setEnabled(operation != Operation::Division);
        if (QAction *item = m_menu.operationItem(tutor::code(operation)))
            item->setChecked(true);
    });
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
    enterScreen(ScreenEntry::Start);
    m_fraMain->setScoreCardShown(true);
    m_fraMain->hideFeedback();

    m_menu.mnuOptScoreShow->setVisible(false);
    m_menu.mnuOptScoreHide->setVisible(true);
    m_menu.mnuOptHideReport->setVisible(false);

    centreOnScreen();

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

void MainWindow::enterScreen(ScreenEntry entry)
{
    const std::vector<ScreenRow> &table = screenTable();
    const auto row = std::find_if(table.begin(), table.end(),
        [entry](const ScreenRow &candidate) { return candidate.entry == entry; });
    Q_ASSERT(row != table.end());

    const std::array<QWidget *, 9> all = frames();
    if (row->hidesReport)
        mnuOptHideReport_Click();
    for (Frame frame : row->shows)
        all.at(std::size_t(frame))->show();
    for (Frame frame : row->hides)
        all.at(std::size_t(frame))->hide();

    const std::array<QAction *, 7> menus = { m_menu.mnuOptions->menuAction(),
        m_menu.levelItem(tutor::code(Level::WarmUp)), m_menu.mnuOptOperAdd, m_menu.mnuOptOperSub,
        m_menu.mnuOptOperMult, m_menu.mnuOptOperDiv, m_menu.mnuOptShowReport };
    for (MenuEntry menu : row->enables)
        menus.at(std::size_t(menu))->setEnabled(true);
    for (MenuEntry menu : row->disables)
        menus.at(std::size_t(menu))->setEnabled(false);

    for (Timer timer : row->stops) {
        switch (timer) {
        case Timer::PracticeFeedback:
            m_fraMain->stopFeedback();
            break;
        case Timer::MissingOperationFeedback:
            m_fraGame2->stopFeedback();
            break;
        case Timer::TimeTrialClock:
            m_fraGame3->stopClock();
            break;
        case Timer::WorksheetMessage:
            m_fraWorksheet->stopMessageTimer();
            break;
        }
    }
    if (row->clearsTrialClock)
        m_fraGame3->clearClock();
}

void MainWindow::mnuFileWork_Click()
{
    enterScreen(ScreenEntry::WorkMode);
    m_fraMain->hideFeedback();
    m_fraMain->focusAnswer();
    checkCurrentOperation();
    m_fraMain->NewPracticeProblem();
}

// Missing Operation takes every operation's check mark off; practice shows
// the one its problems use.
void MainWindow::checkCurrentOperation()
{
    if (QAction *current = m_menu.operationItem(state().OperationCode))
        current->setChecked(true);
}

void MainWindow::mnuFileExit_Click()
{
    close();
}

void MainWindow::mnuGamesMissingNum_Click()
{
    enterScreen(ScreenEntry::MissingNumber);
    settleOnGameOperation();
    m_fraGame1->open();
}

void MainWindow::mnuGamesMissingOper_Click()
{
    enterScreen(ScreenEntry::MissingOperation);
    m_fraGame2->hideFeedback();
    for (QAction *item : m_menu.operationItems())
        item->setChecked(false);
    m_fraGame2->open();
}

void MainWindow::mnuGamesTime_Click()
{
    enterScreen(ScreenEntry::TimeTrial);
    m_fraGame3->hideResults();
    settleOnGameOperation();
    m_fraGame3->open();
}

// A game opened while Multiplication or Division is current switches the
// whole program to Subtraction; the check mark goes on the game's operation.
void MainWindow::settleOnGameOperation()
{
    const Operation current = Operation(state().OperationCode);
    if (current == Operation::Multiplication || current == Operation::Division)
        m_session.chooseOperation(Operation::Subtraction);
    checkCurrentOperation();
}

void MainWindow::mnuOptionsWorksheet_Click()
{
    enterScreen(ScreenEntry::Worksheet);
    m_fraWorksheet->open();
}

void MainWindow::mnuHelpContents_Click()
{
    enterScreen(ScreenEntry::Help);
    m_session.setBrowserTarget(m_folders.shippedFile(QStringLiteral("help/mhelp.html")));
    m_fraHelp->showPage(state().BrowserTarget);
}

void MainWindow::mnuHelpAbout_Click()
{
    enterScreen(ScreenEntry::About);
    m_fraAbout->focusOk();
}

void MainWindow::cmdOkAbout_Click()
{
    enterScreen(ScreenEntry::AboutOk);
    checkCurrentOperation();
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
    m_session.chooseLevel(Level::WarmUp);
}

void MainWindow::mnuOptDiffLev1_Click()
{
    m_session.chooseLevel(Level::Beginner);
}

void MainWindow::mnuOptDiffLev2_Click()
{
    m_session.chooseLevel(Level::Intermediate);
}

void MainWindow::mnuOptDiffLev3_Click()
{
    m_session.chooseLevel(Level::Advanced);
}

void MainWindow::mnuOptDiffLev4_Click()
{
    m_session.chooseLevel(Level::Expert);
}

void MainWindow::mnuOptOperAdd_Click()
{
    m_session.chooseOperation(Operation::Addition);
}

void MainWindow::mnuOptOperSub_Click()
{
    m_session.chooseOperation(Operation::Subtraction);
}

void MainWindow::mnuOptOperMult_Click()
{
    m_session.chooseOperation(Operation::Multiplication);
}

void MainWindow::mnuOptOperDiv_Click()
{
    m_session.chooseOperation(Operation::Division);
}

void MainWindow::setMenusEnabled(bool enabled)
{
    for (QMenu *menu : { m_menu.mnuFile, m_menu.mnuOptions, m_menu.mnuGames, m_menu.mnuHelp })
        menu->setEnabled(enabled);
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
    m_fraMain->setScoreCardShown(shown);
    m_fraGame1->setScoreCardShown(shown);
    m_fraGame2->setScoreCardShown(shown);
    QAction *offered = shown ? m_menu.mnuOptScoreHide : m_menu.mnuOptScoreShow;
    QAction *withdrawn = shown ? m_menu.mnuOptScoreShow : m_menu.mnuOptScoreHide;
    offered->setVisible(true);
    offered->setEnabled(true);
    withdrawn->setVisible(false);
    withdrawn->setEnabled(false);
}

void MainWindow::mnuFileResetScore_Click()
{
    m_session.resetScores();
}

void MainWindow::mnuFileResetMB_Click()
{
    m_session.setBrowserTarget(m_folders.shippedFile(QStringLiteral("html/mbrows.html")));
    m_fraMyBrowser->showPage(state().BrowserTarget);
}

void MainWindow::mnuHelpWorksheet_Click()
{
    openLocalFile(this, m_folders.shippedFile(QStringLiteral("worksheets/worktutorial.html")));
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
    m_fraGame2->stopFeedback();
    m_fraGame3->stopClock();
    m_fraGame3->clearClock();
}

void MainWindow::mnuOptSizeDesktop_Click()
{
    chooseWindowSize(tutor::WindowSize::Desktop);
}

void MainWindow::mnuOptSize100_Click()
{
    chooseWindowSize(tutor::WindowSize::Percent100);
}

void MainWindow::mnuOptSize150_Click()
{
    chooseWindowSize(tutor::WindowSize::Percent150);
}

void MainWindow::mnuOptSize200_Click()
{
    chooseWindowSize(tutor::WindowSize::Percent200);
}

// The pupil's session goes on; the new size shows from the next start.
void MainWindow::chooseWindowSize(tutor::WindowSize size)
{
    const tutor::WindowSizeChoice choice = tutor::chooseWindowSize(size);
    m_menu.windowSizeItem(choice.kept)->setChecked(true);
    if (!choice.message.isEmpty())
        showMessage(this, choice.message, choice.details);
}
