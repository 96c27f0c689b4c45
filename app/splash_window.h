#pragma once

#include <QWidget>

#include <functional>

class MainWindow;
class QTimer;

// The title picture shown for three seconds at start-up. The main window is
// built only when the splash timer fires, so the splash appears at once.
class SplashWindow : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SplashWindow)

public:
    using MainWindowFactory = std::function<MainWindow *()>;

    explicit SplashWindow(MainWindowFactory makeMainWindow);

    // Work that need not hold up the title, such as looking the window icon
    // up in the desktop's icon theme: done once the splash has been painted,
    // or before the main window is built if that comes first.
    void doOnceShown(std::function<void()> work);

public slots:
    // Builds and shows the main window, then closes the splash.
    void Timer1_Timer();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void runWorkOnceShown();

    MainWindowFactory m_makeMainWindow;
    std::function<void()> m_workOnceShown;
    QTimer *m_timer1 = nullptr;
    bool m_mainWindowShown = false;
};
