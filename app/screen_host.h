#pragma once

#include <QFlags>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class ProgramFolders;
class Screen;
class TutorSession;

// The menu items entering a screen enables or disables.
enum class SwitchedItem {
    Options = 0x1,
    WarmUp = 0x2,
    Addition = 0x4,
    Subtraction = 0x8,
    Multiplication = 0x10,
    Division = 0x20,
    ShowReport = 0x40,
};
Q_DECLARE_FLAGS(SwitchedItems, SwitchedItem)
Q_DECLARE_OPERATORS_FOR_FLAGS(SwitchedItems)

// What becomes of the operation check marks as a screen is entered.
enum class OperationMarks {
    Kept,
    // The operation in force gets its check mark back.
    CheckCurrent,
    // Multiplication or Division gives way to Subtraction, which the game
    // can show, and the check mark follows.
    SettleOnGame,
    // No operation item is checked: the pupil finds the operation.
    Uncheck,
};

// What becomes of the timed games (Missing Operation, Time Trial) as another
// screen is entered.
enum class TimedGames { KeepRunning, Stop, Leave };

// What a screen needs on entry beyond being shown. Items named in neither
// set keep their state.
struct EntryPolicy
{
    SwitchedItems enables;
    SwitchedItems disables;
    OperationMarks marks = OperationMarks::Kept;
    TimedGames timedGames = TimedGames::KeepRunning;
    // The report panel is put away, through Hide Report, before anything else.
    bool hidesReport = false;
};

// One place of the window where screens show, exactly one of them current
// (or none while the place is not in use). A frame that is not current is
// hidden. The place covers all its frames, each where it was built.
class ScreenPlace : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScreenPlace)

public:
    explicit ScreenPlace(const QString &name, QWidget *client);
    ~ScreenPlace() override;

    // Takes a frame built on this place at its client coordinates.
    void add(Screen *screen);
    // Grows over every frame added, each keeping its place in the client.
    void settle();
    // Shows `screen` (one of this place's, or nullptr for none) and hides
    // the others; frames lying over the current one are left as they are.
    void setCurrent(Screen *screen);
    Screen *current() const { return m_current; }
    void addOverlay(Screen *screen);

private:
    QList<Screen *> m_screens;
    QList<Screen *> m_overlays;
    Screen *m_current = nullptr;
};

// Owns where every screen shows: a left place (practice and the games), a
// right place (the browser, with the report panel lying over it when it is
// up) and a whole place (the screens covering the whole client area). The
// whole place hides the other two, so nothing underneath keeps the keyboard.
class ScreenHost : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScreenHost)

public:
    enum class Place { Left, Right, Whole };
    // How a screen is come to: entered afresh, or returned to as it was left.
    enum class Arrival { Enter, Return };

    // Builds every screen on `client`, bottom first.
    ScreenHost(TutorSession &session, const ProgramFolders &folders, QWidget *client);
    ~ScreenHost() override;

    // Every screen, bottom first: a later one lies over an earlier one.
    const QList<Screen *> &screens() const { return m_screens; }
    template<class T> T *screen() const
    {
        for (Screen *candidate : m_screens) {
            if (auto *found = qobject_cast<T *>(candidate))
                return found;
        }
        return nullptr;
    }
    // The object name of the menu item that brings `screen` up; empty for
    // the browser, which comes with the screens on the left.
    QString entryItem(const Screen *screen) const;
    // The object name of the menu the window adds that item to, worded by
    // the screen's entryText(); empty where the menu bar has the item.
    QString entryMenu(const Screen *screen) const;
    // Those menu items, one a screen that has one, bottom first: what walks
    // every screen, without a window built.
    static QStringList entryItems();
    Place place(const Screen *screen) const;
    // The screens of a place, overlays left out, bottom first.
    QList<QWidget *> screensIn(Place place) const;
    EntryPolicy policy(const Screen *screen) const;

    // The first screen: practice beside the browser, every timer stopped.
    void start(Screen *first);
    // Makes `screen` current in its place and leaves the timed games as its
    // policy says; entered afresh, the screen then takes its own steps.
    void show(Screen *screen, Arrival arrival = Arrival::Enter);
    // The timed games are left where they are shown (an outside link).
    void leaveTimedGames();

signals:
    // Before anything else, when the screen shown puts the report away.
    void reportPutAway();
    // Once the frames show and the timed games stopped, before the screen's
    // own steps: the menus follow `policy`.
    void entered(const EntryPolicy &policy);

private:
    struct Hosted
    {
        Screen *screen = nullptr;
        Place place = Place::Left;
        bool overlay = false;
        bool timed = false;
        QString entryItem;
        QString entryMenu;
        EntryPolicy policy;
    };
    const Hosted &hosted(const Screen *screen) const;
    ScreenPlace *placeWidget(Place place) const;

    std::vector<Hosted> m_hosted;
    QList<Screen *> m_screens;
    ScreenPlace *m_left = nullptr;
    ScreenPlace *m_right = nullptr;
    ScreenPlace *m_whole = nullptr;
};
