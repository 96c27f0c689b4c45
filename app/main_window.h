#pragma once

#include "app/main_menu.h"
#include "app/screen_host.h"
#include "base/program_folders.h"
#include "progress/current_pupil.h"
#include "rules/level_and_operation.h"
#include "session/tutor_session.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class AboutScreen;
class BrowserPanel;
class ClassScreen;
class HelpScreen;
class MissingNumberScreen;
class MissingOperationScreen;
class PracticeScreen;
class ClassServerStatus;
class PupilWiring;
class ShownPages;
class ProgressScreen;
class ReportPanel;
class Screen;
class TimeTrialScreen;
class WorksheetScreen;
namespace progress {
class MyFacts;
class ProgressActions;
} // namespace progress
namespace tutor {
enum class WindowSize;
class WindowSizer;
} // namespace tutor

// The one main window: builds every screen at its fixed place, the menu bar
// and the switching between screens, and owns the run's session.
class MainWindow : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    explicit MainWindow(const QString &applicationFolder, QWidget *parent = nullptr);
    ~MainWindow() override;

    const TutorState &state() const { return m_session.state(); }
    TutorSession &session() { return m_session; }
    // The page the help screen or the browser panel was last sent to.
    QString browserTarget() const;
    // Who is practising, and the progress file their answers go to.
    progress::CurrentPupil &pupil() { return m_pupil; }
    // Where every screen shows, and the list of them.
    const ScreenHost &screenHost() const { return *m_host; }

public slots:
    void mnuFileWork_Click();
    void mnuFileExit_Click();
    void mnuGamesMissingNum_Click();
    void mnuGamesMissingOper_Click();
    void mnuGamesTime_Click();
    void mnuOptionsWorksheet_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    void cmdOkAbout_Click();
    void mnuOptShowReport_Click();
    void mnuOptHideReport_Click();

    void mnuOptDiffLev0_Click();
    void mnuOptDiffLev1_Click();
    void mnuOptDiffLev2_Click();
    void mnuOptDiffLev3_Click();
    void mnuOptDiffLev4_Click();
    void mnuOptOperAdd_Click();
    void mnuOptOperSub_Click();
    void mnuOptOperMult_Click();
    void mnuOptOperDiv_Click();
    void mnuOptMyFacts_Click();
    void mnuOptScoreHide_Click();
    void mnuOptScoreShow_Click();
    void mnuFileResetScore_Click();

    void mnuFileResetMB_Click();
    void mnuHelpWorksheet_Click();
    void mnuHelpOrviWeb_Click();
    void mnuHelpWeb_Click();

    void mnuOptSizeDesktop_Click();
    void mnuOptSize100_Click();
    void mnuOptSize150_Click();
    void mnuOptSize200_Click();

    void mnuPupilChoose_Click();
    void mnuPupilProgress_Click();
    void mnuPupilClass_Click();
    void mnuPupilRestore_Click();
    // Makes the named pupil current, adding them when new; the dialog of
    // "Choose Pupil..." calls it.
    void choosePupil(const QString &name);
    // Practice goes on with nobody chosen, and nothing is kept; "No Pupil"
    // in that dialog calls it.
    void chooseNoPupil();
    // Speaks a shipped language (empty: the desktop's) from now on, and
    // keeps the choice for the next start; Options -> Language calls it.
    void chooseLanguage(const QString &code);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void formLoad();
    void connectMenu();
    void connectSession();
    void followEntry(const EntryPolicy &policy);
    void setScoreCardsShown(bool shown);
    void settleOnGameOperation();
    // My Facts turned on or off: its menu item, the level items and the
    // practice screen.
    void showMyFacts(bool on);
    // The level items a user may choose now.
    void enableLevelItems();

    const ProgramFolders m_folders;
    TutorSession m_session;
    progress::CurrentPupil m_pupil;
    MainMenu m_menu;
    bool m_loaded = false;

    ScreenHost *m_host = nullptr;
    // The screens the window wires or steers beyond showing them.
    MissingNumberScreen *m_fraGame1 = nullptr;
    TimeTrialScreen *m_fraGame3 = nullptr;
    PracticeScreen *m_fraMain = nullptr;
    ReportPanel *m_fraLog = nullptr;
    WorksheetScreen *m_fraWorksheet = nullptr;
    HelpScreen *m_fraHelp = nullptr;
    AboutScreen *m_fraAbout = nullptr;
    ProgressScreen *m_fraProgress = nullptr;
    ClassScreen *m_fraClass = nullptr;
    progress::ProgressActions *m_progressActions = nullptr;
    progress::MyFacts *m_myFacts = nullptr;
    PupilWiring *m_pupils = nullptr;
    ClassServerStatus *m_classServer = nullptr;
    std::unique_ptr<ShownPages> m_pages;
    tutor::WindowSizer *m_sizer = nullptr;
};
