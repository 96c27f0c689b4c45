#pragma once

#include "app/screen_host.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <utility>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class TutorSession;
namespace tutor {
enum class WindowSize;
}

// The main window's menu bar. Every menu and item carries its design name as
// objectName; the level, operation and window size items are checkable
// radio groups.
struct MainMenu
{
    Q_DECLARE_TR_FUNCTIONS(MainMenu)

public:
    QMenu *mnuFile = nullptr;
    QAction *mnuFileWork = nullptr;
    QAction *mnuFileResetScore = nullptr;
    QAction *mnuFileResetMB = nullptr;
    QAction *mnuFileExit = nullptr;

    QMenu *mnuOptions = nullptr;
    QMenu *mnuOptDiff = nullptr;
    std::array<QAction *, 5> levels {}; // mnuOptDiffLev0 .. mnuOptDiffLev4, by level code
    QMenu *mnuOptOper = nullptr;
    QAction *mnuOptOperAdd = nullptr;
    QAction *mnuOptOperSub = nullptr;
    QAction *mnuOptOperMult = nullptr;
    QAction *mnuOptOperDiv = nullptr;
    QAction *mnuOptMyFacts = nullptr;
    QMenu *mnuOptScore = nullptr;
    QAction *mnuOptScoreHide = nullptr;
    QAction *mnuOptScoreShow = nullptr;
    QAction *mnuOptShowReport = nullptr;
    QAction *mnuOptHideReport = nullptr;
    QAction *mnuOptionsWorksheet = nullptr;
    QMenu *mnuOptWindowSize = nullptr;
    QAction *mnuOptSizeDesktop = nullptr;
    QAction *mnuOptSize100 = nullptr;
    QAction *mnuOptSize150 = nullptr;
    QAction *mnuOptSize200 = nullptr;
    QMenu *mnuOptLanguage = nullptr;
    QAction *mnuOptLanguageSystem = nullptr;
    // One item a shipped language, in its own name, carrying its code as data.
    QList<QAction *> languageItems;

    QMenu *mnuGames = nullptr;
    QAction *mnuGamesMissingNum = nullptr;
    QAction *mnuGamesMissingOper = nullptr;
    QAction *mnuGamesTime = nullptr;

    QMenu *mnuPupil = nullptr;
    QAction *mnuPupilChoose = nullptr;
    QAction *mnuPupilProgress = nullptr;
    QAction *mnuPupilClass = nullptr;
    QAction *mnuPupilRestore = nullptr;

    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpContents = nullptr;
    QAction *mnuHelpWorksheet = nullptr;
    QAction *mnuHelpOrviWeb = nullptr;
    QAction *mnuHelpWeb = nullptr;

    // Entry items made from the screen host's list, with their screens.
    QList<std::pair<QAction *, const Screen *>> screenItems;

    // The item of an operation code 1..4, or nullptr for any other code.
    QAction *operationItem(qint16 operationCode) const;
    // The item of a level code 0..4, or nullptr for any other code.
    QAction *levelItem(qint16 levelCode) const;
    // The four operation items, Addition first.
    std::array<QAction *, 4> operationItems() const;
    // The item of a language code, the desktop's for an empty one.
    QAction *languageItem(const QString &code) const;
    // The item of a window size.
    QAction *windowSizeItem(tutor::WindowSize size) const;
    // The level items a user may choose: none while My Facts asks the
    // pupil's own facts (their tips then say why), and with Division only
    // the two lowest.
    void enableLevelItems(bool myFacts, bool division) const;
    // Enables or disables the items a screen's entry switches.
    void switchItems(SwitchedItems items, bool enabled) const;
    // The operation check marks as a screen's entry leaves them; the current
    // operation is given by its code.
    void markOperations(OperationMarks marks, qint16 currentOperationCode) const;
    // Offers Hide Report while the report shows, else Show Report.
    void offerReportItem(bool reportShown) const;
    // Offers hiding the score cards while they show, else showing them.
    void offerScoreItem(bool cardsShown) const;
    // Every menu of the bar at once, as the Time Trial locks them.
    void setMenusEnabled(bool enabled) const;
    // Adds the entry items the screen host asks for at the end of their
    // menus; each shows its screen through `show` when chosen.
    void addScreenItems(const ScreenHost &host, const std::function<void(Screen *)> &show);
    // The level and operation keys change what is asked without a word on
    // screen near the keyboard; the control that has it (`focused`) says what
    // was chosen, and keeps saying what it said before.
    void tellChoice(QWidget *focused, const QAction *item) const;
    // Each language item, the desktop's included, calls `choose` with its
    // code; the language chosen before is checked.
    void connectLanguageItems(const std::function<void(const QString &)> &choose) const;
    // The check marks follow the session's level and operation, whichever
    // screen chose them; `enableLevelItems` runs first when the operation
    // changes.
    void followSession(TutorSession &session, const std::function<void()> &enableLevelItems) const;
    // Sets every caption and tip in the language spoken now; the language
    // items keep their own names.
    void retranslate();
};

MainMenu buildMainMenu(QMenuBar *bar);
