#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class MainWindow;
class QAction;
class QPushButton;

// The commands a user can give, found in the window itself, and the table
// of their times with the goals beside each row.
namespace bench {

// One frame at 60 Hz; saves and prints may take longer or show progress.
constexpr double CommandGoalMs = 16.0;
constexpr double SaveGoalMs = 100.0;
// How much more than with an empty session a command may cost at full data.
constexpr double GrowthGoal = 1.5;
// Resident memory, idle after start and with the log and worksheet full.
constexpr double IdleMemoryGoalMiB = 32.0;
constexpr double FullMemoryGoalMiB = 50.0;

// A menu item or a button, and how a user gives it.
struct Command
{
    QString label;
    QByteArray handler;
    QString objectName;
    bool isButton = false;
    // The item or button in the window at hand (see inWindow()).
    QAction *item = nullptr;
    QPushButton *button = nullptr;
    // Writes a file or prints: may take up to 100 ms, and beyond that must
    // show its progress.
    bool saves = false;
    // Why it cannot help walking every row at full data; empty if it can.
    QString walksData;
    // For Print...: also prints the preview to a PDF file.
    bool printsToPdf = false;
    // For Exit: until the program has freed its window and data, not only
    // until the window is gone.
    bool untilFreed = false;
};

// Every item of the menu bar and every button of every screen, so that a
// new one is timed without a change here.
std::vector<Command> allCommands(MainWindow &window);
// Each window has the same commands; they are found by name.
Command inWindow(const Command &command, MainWindow &window);
// Whether a user can give the command now: the item and every menu above it
// enabled and shown, or the button shown and enabled.
bool reachable(const Command &command);

struct Timing
{
    double ms = -1; // median; below 0 when the command cannot be given
    QString place;
    int runs = 0;
    bool sawProgress = false;
};

struct Result
{
    Timing empty;
    Timing screenful; // only where the full data costs more than the goal allows
    Timing full;
};

bool grewTooMuch(double emptyMs, double fullMs);

struct Verdicts
{
    QString time;
    QString growth;
    bool met = true;
};

Verdicts judge(const Command &command, const Result &result);
// Each figure below 0 when not measured.
Verdicts judgeMemory(double idleMiB, double fullMiB);

// Milliseconds with as many places as tell something; "—" when not timed.
QString ms(double value);
QString machine();
void printLine(const QString &line);

} // namespace bench
