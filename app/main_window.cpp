#include "app/main_window.h"

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
#include "progress/pupil_dialog.h"
#include "report/report_panel.h"
#include "worksheet/worksheet_screen.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>

#include <array>

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
    m_fraMyBrowser = m_host->screen<BrowserPanel>();
    m_fraWorksheet = m_host->screen<WorksheetScreen>();
    m_fraHelp = m_host->screen<HelpScreen>();
    m_fraProgress = m_host->screen<ProgressScreen>();
    m_fraClass = m_host->screen<ClassScreen>();
    m_fraAbout = m_host->screen<AboutScreen>();
    m_fraLog->setCoveringScreens(
        { m_fraWorksheet, m_fraHelp, m_fraProgress, m_fraClass, m_fraAbout });
    m_fraLog->setCoveredScreens({ m_fraMyBrowser });
    connect(m_host, &ScreenHost::reportPutAway, this, &MainWindow::mnuOptHideReport_Click);
    connect(m_host, &ScreenHost::entered, this, &MainWindow::followEntry);

    m_progressActions = new progress::ProgressActions(
        m_pupil, m_fraProgress, m_fraClass, m_folders.reportsFolder(), this);
    m_progressActions->setClock([this]() { return m_session.now(); });
    connect(
        m_progressActions, &progress::ProgressActions::pupilChosen, this, &MainWindow::choosePupil);
    connect(m_progressActions, &progress::ProgressActions::nobodyChosen, this,
        &MainWindow::chooseNoPupil);
    connect(m_progressActions, &progress::ProgressActions::currentPupilChanged, this,
        &MainWindow::showPupilInTitle);
    connect(m_progressActions, &progress::ProgressActions::currentPupilChanged, this,
        &MainWindow::followPupil);
    connect(m_progressActions, &progress::ProgressActions::pupilDeleted, &m_session,
        &TutorSession::forgetPupil);
    connect(m_progressActions, &progress::ProgressActions::progressLeftEmpty, this,
        &MainWindow::mnuFileWork_Click);
    connect(m_progressActions, &progress::ProgressActions::pupilDeleted, this,
        &MainWindow::showWhetherAnswersAreKept);

    m_myFacts = new progress::MyFacts(m_pupil, m_session, this);
    connect(m_myFacts, &progress::MyFacts::switched, this, &MainWindow::showMyFacts);
    // A progress screen shown follows what the restored file holds.
    m_pupil.setOnRestored([this]() {
        showPupilInTitle();
        followPupil();
    });

    connectMenu();
    connectSession();
    connect(m_fraAbout, &AboutScreen::okClicked, this, &MainWindow::cmdOkAbout_Click);
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
    connect(m_menu.mnuOptMyFacts, &QAction::triggered, this, &MainWindow::mnuOptMyFacts_Click);
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
    connect(m_menu.mnuOptLanguageSystem, &QAction::triggered, this,
        [this]() { chooseLanguage(QString()); });
    for (QAction *item : std::as_const(m_menu.languageItems)) {
        connect(item, &QAction::triggered, this,
            [this, item]() { chooseLanguage(item->data().toString()); });
    }
    m_menu.languageItem(language::chosenLanguage())->setChecked(true);
    connect(m_menu.mnuPupilChoose, &QAction::triggered, this, &MainWindow::mnuPupilChoose_Click);
    connect(
        m_menu.mnuPupilProgress, &QAction::triggered, this, &MainWindow::mnuPupilProgress_Click);
    connect(m_menu.mnuPupilClass, &QAction::triggered, this, &MainWindow::mnuPupilClass_Click);
    connect(m_menu.mnuPupilRestore, &QAction::triggered, this, &MainWindow::mnuPupilRestore_Click);
    // Once the menu has closed, the keyboard is back on the screen.
    connect(
        menuBar(), &QMenuBar::triggered, this,
        [this]() { Screen::settleKeyboard(centralWidget()); }, Qt::QueuedConnection);

    connect(m_fraLog, &ReportPanel::showReportRequested, this, &MainWindow::mnuOptShowReport_Click);
    connect(m_fraLog, &ReportPanel::reportPrinted, m_fraMain, &PracticeScreen::focusAnswer);
    connect(m_fraWorksheet, &WorksheetScreen::optionalInformationChecked, m_fraMain,
        [this]() { m_fraMain->setScoreCardShown(true); });
    connect(m_fraGame3, &TimeTrialScreen::menusLocked, this,
        [this](bool locked) { setMenusEnabled(!locked); });
    connect(m_fraWorksheet, &WorksheetScreen::myFactsWorksheetRequested, this,
        [this]() { m_fraWorksheet->addProblems(m_myFacts->weakestFacts()); });
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
        // The current level stays as it is, even when its item is now
        // disabled.
        enableLevelItems();
        if (QAction *item = m_menu.operationItem(tutor::code(operation)))
            item->setChecked(true);
    });
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
            showWhetherAnswersAreKept();
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
    m_menu.mnuOptHideReport->setVisible(false);

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
        showPupilInTitle();
        followLanguageInPages();
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
    switch (policy.marks) {
    case OperationMarks::Kept:
        break;
    case OperationMarks::CheckCurrent:
        checkCurrentOperation();
        break;
    case OperationMarks::SettleOnGame:
        settleOnGameOperation();
        break;
    case OperationMarks::Uncheck:
        for (QAction *item : m_menu.operationItems())
            item->setChecked(false);
        break;
    }
}

void MainWindow::mnuFileWork_Click()
{
    m_host->show(m_fraMain);
}

// Missing Operation takes every operation's check mark off; practice shows
// the one its problems use.
void MainWindow::checkCurrentOperation()
{
    if (QAction *current = m_menu.operationItem(tutor::code(m_session.operation())))
        current->setChecked(true);
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
// whole program to Subtraction; the check mark goes on the game's operation.
void MainWindow::settleOnGameOperation()
{
    const Operation current = m_session.operation();
    if (current == Operation::Multiplication || current == Operation::Division)
        m_session.chooseOperation(Operation::Subtraction);
    checkCurrentOperation();
}

void MainWindow::mnuOptionsWorksheet_Click()
{
    m_host->show(m_fraWorksheet);
}

void MainWindow::mnuHelpContents_Click()
{
    m_host->show(m_fraHelp);
    m_fraHelp->showPage(browseTo(QStringLiteral("help/mhelp.html")));
}

QString MainWindow::browseTo(const QString &shippedFile)
{
    m_browserTarget = m_folders.shippedFile(shippedFile);
    return m_browserTarget;
}

// A page shown stays the same page, now in the language spoken when it has
// one; a page that would not change is left as it is, scrolled where it was.
void MainWindow::followLanguageInPages()
{
    m_fraAbout->setShippedTexts(m_folders.shippedFile(QStringLiteral("ReadMe.txt")),
        m_folders.shippedFile(QStringLiteral("Support.txt")));
    if (!m_browserTarget.isEmpty())
        m_browserTarget = m_folders.shippedFileAgain(m_browserTarget);
    auto follow = [this](auto *pages) {
        const QString shown = pages->shownPage();
        const QString again = m_folders.shippedFileAgain(shown);
        if (!shown.isEmpty() && again != shown)
            pages->showPage(again);
    };
    follow(m_fraHelp);
    follow(m_fraMyBrowser);
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
    tellChoice(m_menu.levelItem(0));
}

void MainWindow::mnuOptDiffLev1_Click()
{
    m_session.chooseLevel(Level::Beginner);
    tellChoice(m_menu.levelItem(1));
}

void MainWindow::mnuOptDiffLev2_Click()
{
    m_session.chooseLevel(Level::Intermediate);
    tellChoice(m_menu.levelItem(2));
}

void MainWindow::mnuOptDiffLev3_Click()
{
    m_session.chooseLevel(Level::Advanced);
    tellChoice(m_menu.levelItem(3));
}

void MainWindow::mnuOptDiffLev4_Click()
{
    m_session.chooseLevel(Level::Expert);
    tellChoice(m_menu.levelItem(4));
}

void MainWindow::mnuOptOperAdd_Click()
{
    m_session.chooseOperation(Operation::Addition);
    tellChoice(m_menu.mnuOptOperAdd);
}

void MainWindow::mnuOptOperSub_Click()
{
    m_session.chooseOperation(Operation::Subtraction);
    tellChoice(m_menu.mnuOptOperSub);
}

void MainWindow::mnuOptOperMult_Click()
{
    m_session.chooseOperation(Operation::Multiplication);
    tellChoice(m_menu.mnuOptOperMult);
}

void MainWindow::mnuOptOperDiv_Click()
{
    m_session.chooseOperation(Operation::Division);
    tellChoice(m_menu.mnuOptOperDiv);
}

// The level and operation keys change what is asked without a word on
// screen near the keyboard; the control that has it says what was chosen,
// and keeps saying what it said before.
void MainWindow::tellChoice(const QAction *item)
{
    if (QWidget *focused = focusWidget())
        //: Heard after a level or operation was chosen by its key; %1 is its name as the
        //: menu shows it, a level ("Expert") or an operation ("Multiplication"). Word it so
        //: that it reads right with either.
        access::tell(focused, tr("You chose %1.").arg(item->text().remove(u'&')));
}

void MainWindow::setMenusEnabled(bool enabled)
{
    for (QMenu *menu :
        { m_menu.mnuFile, m_menu.mnuOptions, m_menu.mnuGames, m_menu.mnuPupil, m_menu.mnuHelp })
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
    for (Screen *screen : m_host->screens())
        screen->setScoreCardShown(shown);
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
    m_fraMyBrowser->showPage(browseTo(QStringLiteral("html/mbrows.html")));
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
    m_host->leaveTimedGames();
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

// The pupil's session goes on in the window at its new size.
void MainWindow::chooseWindowSize(tutor::WindowSize size)
{
    const tutor::WindowSizeChoice choice = tutor::chooseWindowSize(size);
    m_menu.windowSizeItem(size)->setChecked(true);
    m_sizer->showAt(size);
    if (!choice.message.isEmpty())
        showMessage(this, choice.message, choice.details);
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
    if (!m_pupil.choose(name))
        return;
    showPupilInTitle();
    followPupil();
}

void MainWindow::chooseNoPupil()
{
    m_pupil.chooseNobody();
    showPupilInTitle();
    followPupil();
}

// Where the pupil looks, whether their answers are kept; a computer that
// keeps no pupils shows nothing.
void MainWindow::showWhetherAnswersAreKept()
{
    m_fraMain->setNobodyChosenShown(!m_pupil.isChosen() && m_pupil.anyPupilKept());
}

// Each pupil has a session of their own in this run; nobody chosen is the
// run without a pupil.
void MainWindow::followPupil()
{
    showWhetherAnswersAreKept();
    if (m_session.pupilId() != m_pupil.id()) {
        m_fraGame3->endRunningTrial();
        m_session.switchPupil(m_pupil.id());
    }
    m_menu.mnuOptMyFacts->setEnabled(m_pupil.isChosen());
    m_fraWorksheet->setMyFactsAvailable(m_pupil.isChosen());
    m_myFacts->followPupil();
    m_progressActions->followPupil();
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

void MainWindow::showPupilInTitle()
{
    if (!m_pupil.isChosen()) {
        setWindowTitle(ProgramTitle);
        return;
    }
    // "[*]" in a title stands for the modified mark; doubled, it shows as itself.
    QString shown = progress::shownPupilName(m_pupil.name());
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    //: The window's title while a pupil is chosen; %1 is the pupil's name.
    setWindowTitle(tr("Orvi Math Tutor - %1").arg(shown));
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
