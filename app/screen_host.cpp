#include "app/screen_host.h"

#include "base/accessibility.h"
#include "base/program_folders.h"
#include "base/screen.h"
#include "games/missing_number_screen.h"
#include "games/missing_operation_screen.h"
#include "games/time_trial_screen.h"
#include "help/about_screen.h"
#include "help/browser_panel.h"
#include "help/help_screen.h"
#include "practice/practice_screen.h"
#include "progress/class_screen.h"
#include "progress/progress_screen.h"
#include "report/report_panel.h"
#include "session/tutor_session.h"
#include "worksheet/worksheet_screen.h"

#include <QtGlobal>

#include <algorithm>
#include <functional>

namespace {

using S = SwitchedItem;
using Place = ScreenHost::Place;

struct ScreenKind
{
    Place place;
    // Lies over the place's current screen when shown, outside the switching.
    bool overlay;
    // Keeps time while the pupil plays it: stopped or left as others open.
    bool timed;
    const char *entryItem;
    EntryPolicy policy;
    std::function<Screen *(TutorSession &, const ProgramFolders &, QWidget *)> build;
    // The menu the window adds the entry item to, worded by the screen; none
    // for a screen whose item the menu bar already has.
    const char *entryMenu = nullptr;
};

const SwitchedItems AllSwitched = S::Options | S::WarmUp | S::Addition | S::Subtraction
    | S::Multiplication | S::Division | S::ShowReport;

// The games, Help and About leave the timed games behind; the Time Trial
// blanks its own clock as it opens.
const EntryPolicy Practice { AllSwitched, {}, OperationMarks::CheckCurrent };
const EntryPolicy GameOfTwo { S::Options | S::Addition | S::Subtraction,
    S::Multiplication | S::Division | S::ShowReport, OperationMarks::SettleOnGame };
const EntryPolicy Whole { {}, S::Options, OperationMarks::Kept, TimedGames::Stop };
const EntryPolicy Nothing {};

EntryPolicy leaving(EntryPolicy policy)
{
    policy.timedGames = TimedGames::Leave;
    return policy;
}

EntryPolicy puttingReportAway(EntryPolicy policy)
{
    policy.hidesReport = true;
    return policy;
}

// Every screen, bottom first, with where it shows, the menu item that brings
// it up and what it needs on entry.
const std::vector<ScreenKind> &screenKinds()
{
    static const std::vector<ScreenKind> kinds = {
        { Place::Left, false, false, "mnuGamesMissingNum", puttingReportAway(leaving(GameOfTwo)),
            [](TutorSession &s, const ProgramFolders &, QWidget *p) -> Screen * {
                return new MissingNumberScreen(s, p);
            } },
        { Place::Left, false, true, "mnuGamesMissingOper",
            puttingReportAway(leaving({ S::Options,
                S::Addition | S::Subtraction | S::Multiplication | S::Division | S::ShowReport,
                OperationMarks::Uncheck })),
            [](TutorSession &s, const ProgramFolders &, QWidget *p) -> Screen * {
                return new MissingOperationScreen(s, p);
            } },
        { Place::Left, false, true, "mnuGamesTime", puttingReportAway(GameOfTwo),
            [](TutorSession &s, const ProgramFolders &, QWidget *p) -> Screen * {
                return new TimeTrialScreen(s, p);
            } },
        { Place::Left, false, false, "mnuFileWork", Practice,
            [](TutorSession &s, const ProgramFolders &, QWidget *p) -> Screen * {
                return new PracticeScreen(s, p);
            } },
        { Place::Right, false, false, "", Nothing,
            [](TutorSession &, const ProgramFolders &, QWidget *p) -> Screen * {
                return new BrowserPanel(p);
            } },
        { Place::Right, true, false, "mnuOptShowReport", Nothing,
            [](TutorSession &s, const ProgramFolders &f, QWidget *p) -> Screen * {
                return new ReportPanel(s.log(), f.reportsFolder(), p);
            } },
        { Place::Whole, false, false, "mnuOptionsWorksheet", Whole,
            [](TutorSession &s, const ProgramFolders &f, QWidget *p) -> Screen * {
                return new WorksheetScreen(s, f.worksheetsFolder(), p);
            } },
        { Place::Whole, false, false, "mnuHelpContents", Whole,
            [](TutorSession &, const ProgramFolders &, QWidget *p) -> Screen * {
                return new HelpScreen(p);
            } },
        { Place::Whole, false, false, "mnuPupilProgress", Whole,
            [](TutorSession &, const ProgramFolders &, QWidget *p) -> Screen * {
                return new ProgressScreen(p);
            } },
        { Place::Whole, false, false, "mnuPupilClass", Whole,
            [](TutorSession &, const ProgramFolders &, QWidget *p) -> Screen * {
                return new ClassScreen(p);
            } },
        { Place::Whole, false, false, "mnuHelpAbout", leaving(Whole),
            [](TutorSession &, const ProgramFolders &f, QWidget *p) -> Screen * {
                return new AboutScreen(f.shippedFile(QStringLiteral("ReadMe.txt")),
                    f.shippedFile(QStringLiteral("Support.txt")), p);
            },
            "mnuHelp" },
    };
    return kinds;
}

} // namespace

ScreenPlace::ScreenPlace(const QString &name, QWidget *client)
    : QWidget(client)
{
    setObjectName(name);
    // A screen reader finds the screen in use here, not those put away.
    access::listShownPartsOnly(this);
}

ScreenPlace::~ScreenPlace() = default;

void ScreenPlace::add(Screen *screen)
{
    m_screens << screen;
}

void ScreenPlace::addOverlay(Screen *screen)
{
    m_overlays << screen;
}

void ScreenPlace::settle()
{
    QRect covered;
    for (const Screen *screen : std::as_const(m_screens))
        covered |= screen->geometry();
    for (const Screen *screen : std::as_const(m_overlays))
        covered |= screen->geometry();
    setGeometry(covered);
    for (Screen *screen : std::as_const(m_screens))
        screen->move(screen->pos() - covered.topLeft());
    for (Screen *screen : std::as_const(m_overlays))
        screen->move(screen->pos() - covered.topLeft());
}

void ScreenPlace::setCurrent(Screen *screen)
{
    Q_ASSERT(!screen || m_screens.contains(screen));
    m_current = screen;
    // Shown first, so that the keyboard leaving a hidden frame has somewhere
    // to go.
    if (screen)
        screen->show();
    for (Screen *other : std::as_const(m_screens)) {
        if (other != screen)
            other->hide();
    }
}

ScreenHost::ScreenHost(TutorSession &session, const ProgramFolders &folders, QWidget *client)
    : QObject(client)
{
    m_left = new ScreenPlace(QStringLiteral("leftPlace"), client);
    m_right = new ScreenPlace(QStringLiteral("rightPlace"), client);
    m_whole = new ScreenPlace(QStringLiteral("wholePlace"), client);
    for (const ScreenKind &kind : screenKinds()) {
        ScreenPlace *place = placeWidget(kind.place);
        Screen *screen = kind.build(session, folders, place);
        if (kind.overlay)
            place->addOverlay(screen);
        else
            place->add(screen);
        m_hosted.push_back(
            { screen, kind.place, kind.overlay, kind.timed, QString::fromLatin1(kind.entryItem),
                QString::fromLatin1(kind.entryMenu), kind.policy });
        m_screens << screen;
    }
    for (ScreenPlace *place : { m_left, m_right, m_whole })
        place->settle();
}

ScreenHost::~ScreenHost() = default;

const ScreenHost::Hosted &ScreenHost::hosted(const Screen *screen) const
{
    const auto found = std::find_if(m_hosted.begin(), m_hosted.end(),
        [screen](const Hosted &candidate) { return candidate.screen == screen; });
    Q_ASSERT(found != m_hosted.end());
    return *found;
}

ScreenPlace *ScreenHost::placeWidget(Place place) const
{
    switch (place) {
    case Place::Left:
        return m_left;
    case Place::Right:
        return m_right;
    case Place::Whole:
        break;
    }
    return m_whole;
}

QString ScreenHost::entryItem(const Screen *screen) const
{
    return hosted(screen).entryItem;
}

QString ScreenHost::entryMenu(const Screen *screen) const
{
    return hosted(screen).entryMenu;
}

QStringList ScreenHost::entryItems()
{
    QStringList items;
    for (const ScreenKind &kind : screenKinds()) {
        if (*kind.entryItem)
            items << QString::fromLatin1(kind.entryItem);
    }
    return items;
}

QList<QWidget *> ScreenHost::screensIn(Place place) const
{
    QList<QWidget *> screens;
    for (const Hosted &each : m_hosted) {
        if (each.place == place && !each.overlay)
            screens << each.screen;
    }
    return screens;
}

ScreenHost::Place ScreenHost::place(const Screen *screen) const
{
    return hosted(screen).place;
}

EntryPolicy ScreenHost::policy(const Screen *screen) const
{
    return hosted(screen).policy;
}

void ScreenHost::start(Screen *first)
{
    for (const Hosted &each : m_hosted) {
        if (each.overlay)
            each.screen->hide();
    }
    // The browser shows beside practice from the start.
    Screen *beside = nullptr;
    for (const Hosted &each : m_hosted) {
        if (each.place == Place::Right && !each.overlay && !beside)
            beside = each.screen;
    }
    m_right->setCurrent(beside);
    m_left->setCurrent(first);
    m_whole->setCurrent(nullptr);
    m_whole->hide();
    for (Screen *screen : std::as_const(m_screens))
        screen->stopTimers();
}

void ScreenHost::show(Screen *screen, Arrival arrival)
{
    const Hosted &shown = hosted(screen);
    if (shown.policy.hidesReport)
        emit reportPutAway();
    if (shown.place == Place::Whole) {
        m_whole->show();
        m_whole->setCurrent(screen);
        m_left->setCurrent(nullptr);
        m_right->setCurrent(nullptr);
        m_left->hide();
        m_right->hide();
    } else {
        m_left->show();
        m_right->show();
        // The report panel, when it is up, stays over the browser.
        for (const Hosted &each : m_hosted) {
            if (each.place == Place::Right && !each.overlay) {
                m_right->setCurrent(each.screen);
                break;
            }
        }
        if (shown.place == Place::Left)
            m_left->setCurrent(screen);
        m_whole->setCurrent(nullptr);
        m_whole->hide();
    }
    for (const Hosted &each : m_hosted) {
        if (!each.timed)
            continue;
        if (shown.policy.timedGames == TimedGames::Stop)
            each.screen->stopTimers();
        else if (shown.policy.timedGames == TimedGames::Leave)
            each.screen->leave();
    }
    emit entered(shown.policy);
    if (arrival == Arrival::Enter)
        screen->enter();
}

void ScreenHost::leaveTimedGames()
{
    for (const Hosted &each : m_hosted) {
        if (each.timed)
            each.screen->leave();
    }
}
