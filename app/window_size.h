#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class QProcessEnvironment;
class QWidget;

// How large the whole window shows: the desktop's own scale, or a fixed
// number of screen pixels for each of the window's own. Qt reads its scale
// once, while the application object is built, so a choice is kept in the
// settings and takes effect at the next start.
namespace tutor {

enum class WindowSize { Desktop, Percent100, Percent150, Percent200 };

// The choice kept in the user's settings; the desktop's own scale when none
// was made or the stored value names no size offered.
WindowSize storedWindowSize();

// Keeps the choice for the next start; false when the settings file cannot
// be written, so the next start will not see it.
bool storeWindowSize(WindowSize size);

// The settings file, named in a message when it cannot be written.
QString settingsFilePath();

struct EnvironmentVariable
{
    QByteArray name;
    QByteArray value;
};

// Qt's scaling variables a start at `size` sets, given the environment the
// program was started with. A fixed size turns the desktop's scaling off, so
// its factor is the whole factor, and counts text points at 96 to the inch,
// so text keeps its place in the fixed layout whatever the desktop's font
// resolution. None for the desktop's own scale, and none when the
// environment already holds one of Qt's scaling variables: whoever set it
// meant it for this run.
std::vector<EnvironmentVariable> scalingVariables(
    WindowSize size, const QProcessEnvironment &environment);

// Sets the scaling variables for the stored choice and the environment the
// program was started with; to be called before the application object is
// built, which reads them. Returns what it set.
std::vector<EnvironmentVariable> setScalingForStoredSize();
// Takes them away again once Qt has read them, so that the browser or
// editor the tutor opens starts at the desktop's own scale.
void clearEnvironment(const std::vector<EnvironmentVariable> &variables);

// What choosing a size from the menu comes to: the size kept for the next
// start (the one before when the settings cannot be written) and what the
// teacher is told, nothing when the size was chosen already. The message
// also says when Qt's scaling variables in the environment decide the size.
struct WindowSizeChoice
{
    WindowSize kept = WindowSize::Desktop;
    QString message;
    QString details;
};
WindowSizeChoice chooseWindowSize(WindowSize size);

// Places `window`, frame included, in the middle of its screen.
void centreOnScreen(QWidget *window);

} // namespace tutor
