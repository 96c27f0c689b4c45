#pragma once

#include "app/main_window.h"
#include "rules/answered_problem.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <utility>
#include <vector>

// What the command benchmark needs to bring a main window to any screen
// with any amount of data, and to time what it then does.
namespace bench {

// Processor time of the whole process, every thread included: other builds
// on a shared machine slow the wall clock, not this.
qint64 processCpuNs();
double median(std::vector<double> values);
double toMs(qint64 ns);

// The screens and situations a command can be given in.
enum class Place {
    Practice,
    PracticeWithReport,
    ScoreCardsHidden,
    NameTyped,
    Worksheet,
    WorksheetOneShort, // the last problem still to come
    Help,
    About,
    MissingNumber,
    MissingOperation,
    TimeTrial,
    TimeTrialRunning,
    TimeTrialOver,
};

// Every place with the name the table gives it, in the order they are tried.
const std::vector<std::pair<Place, const char *>> &places();
QString placeName(Place place);

// How much the session holds: nothing, a screenful (every list on screen
// full, nothing more), or the log and worksheet at their limits.
enum class Size { Empty, Screenful, Full };

struct Amount
{
    int log;
    int problems;
};

Amount amount(Size size);

// One row of the full log: an Expert multiplication, now and then wrong.
tutor::AnsweredProblem logRow(int k);

// A main window on a fresh temporary application folder, as the tests
// build it, but torn down on its own so that quitting can be timed.
class Tutor
{
public:
    Tutor();
    ~Tutor();

    MainWindow &window() { return *m_window; }
    QString folder() const { return m_folder.path(); }
    void destroyWindow() { m_window.reset(); }

    void call(const char *handler);
    int worksheetRows();
    bool shown(const char *name);

    // The rows come one by one, as answers add them, with the event loop
    // running now and then as between a pupil's answers: the rows lie in
    // memory as they would after a real session, which is what freeing and
    // reading them costs most with.
    void fillLog(int rows);
    // A new worksheet of Expert Multiplication, the longest rows, created
    // problem by problem as clicks do.
    void fillWorksheet(int problems);

    // Brings the window to `place` with as many rows as `size` asks, from
    // whatever the last command left. True when rows had to be made anew.
    bool reach(Place place, Size size);

private:
    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace bench
