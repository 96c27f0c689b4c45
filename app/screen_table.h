#pragma once

#include <QFlags>

#include <cstddef>
#include <vector>

// The screen frames, bottom first: a later one lies on top.
enum class Frame {
    Game1,
    Game2,
    Game3,
    Main,
    MyBrowser,
    Log,
    Worksheet,
    Help,
    Progress,
    Class,
    About,
    Count
};
inline constexpr std::size_t FrameCount = std::size_t(Frame::Count);

// The menus and menu items a screen entry enables or disables.
enum class MenuEntry {
    Options,
    WarmUp,
    Addition,
    Subtraction,
    Multiplication,
    Division,
    ShowReport,
    Count
};
inline constexpr std::size_t MenuEntryCount = std::size_t(MenuEntry::Count);

// The commands that enter a screen, each with its row of the screen table.
enum class ScreenEntry {
    Start,
    WorkMode,
    MissingNumber,
    MissingOperation,
    TimeTrial,
    Worksheet,
    Help,
    Progress,
    Class,
    About,
    AboutOk,
};

// An entry's steps beyond showing, hiding, enabling and stopping.
enum class EntryStep {
    // Through "Hide Report" itself, before anything else: only the game
    // entries put the report panel away; the whole-window screens cover it.
    HideReport = 0x1,
    // The operation in force gets its check mark back.
    CheckCurrentOperation = 0x2,
    // Multiplication or Division gives way to Subtraction, which the game
    // can show, and the check mark follows.
    SettleOnGameOperation = 0x4,
    // No operation item is checked: the pupil finds the operation.
    UncheckOperations = 0x8,
    // Last, the first frame shown takes its own entry steps.
    EnterScreen = 0x10,
};
Q_DECLARE_FLAGS(EntrySteps, EntryStep)
Q_DECLARE_OPERATORS_FOR_FLAGS(EntrySteps)

// What entering a screen switches, in this order. Frames and menus not named
// keep their state.
struct ScreenRow
{
    ScreenEntry entry;
    std::vector<Frame> shows;
    std::vector<Frame> hides;
    std::vector<MenuEntry> enables;
    std::vector<MenuEntry> disables;
    std::vector<Frame> stops; // their timers stop
    std::vector<Frame> leaves; // they are left: timers stop, stale values blank
    EntrySteps steps;
};

const ScreenRow &screenRow(ScreenEntry entry);
