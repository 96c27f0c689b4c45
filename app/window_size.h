#pragma once

#include <QObject>
#include <QSize>
#include <QString>

#include <functional>

class QAction;
class QScreen;
class QWidget;

// How large the whole window shows: the design size in the desktop's own
// pixels, or a fixed number of screen pixels for each design pixel. A choice
// resizes the window at once and is kept in the settings for the next start.
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

// The factor the design is drawn at for `size`, in the logical pixels of a
// screen with `pixelRatio` screen pixels to each.
qreal pictureFactor(WindowSize size, qreal pixelRatio);

// The sizes that fit a screen's `available` room, given the `design` size of
// the client area and what the window adds `around` it (frame and menu bar).
struct SizeRoom
{
    QSize design;
    QSize around;
    QSize available;
    qreal pixelRatio = 1;
};
bool fits(WindowSize size, const SizeRoom &room);
// `wanted` where it fits, else the largest size that does; the smallest
// size where none does.
WindowSize sizeToShow(WindowSize wanted, const SizeRoom &room);

// What choosing a size from the menu comes to: the size kept for the next
// start (the one before when the settings cannot be written), and a message
// only when it could not be kept.
struct WindowSizeChoice
{
    WindowSize kept = WindowSize::Desktop;
    QString message;
    QString details;
};
WindowSizeChoice chooseWindowSize(WindowSize size);

// Places `window`, frame included, in the middle of its screen.
void centreOnScreen(QWidget *window);

// Shows the main window at the sizes of the Window Size menu: offers the
// sizes that fit the screen the window is on, checks the one chosen last
// and gives the window the size asked for.
class WindowSizer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowSizer)

public:
    // `items` gives the menu item of each size.
    WindowSizer(QWidget *window, QWidget *client, const QSize &design,
        std::function<QAction *(WindowSize)> items);
    ~WindowSizer() override;

    // Once the window is about to show: the stored size, or the largest that
    // fits where it does not, and the sizes offered from now on.
    void start();
    // Gives the window the size, frame and menu bar around the client area,
    // kept on its screen; the largest that fits where it does not. A
    // maximised window is one no more.
    void showAt(WindowSize wanted);
    // A size chosen from the menu: checked, shown at once and kept, with a
    // message when it cannot be kept.
    void choose(WindowSize size);
    // Enables the items of the sizes that fit the window's screen now.
    void offerSizes();

private:
    SizeRoom room() const;
    void followScreen(QScreen *screen);

    QWidget *m_window = nullptr;
    QWidget *m_client = nullptr;
    QSize m_design;
    std::function<QAction *(WindowSize)> m_items;
    QScreen *m_followed = nullptr;
};

} // namespace tutor
