#include "app/splash_window.h"

#include "app/main_window.h"
#include "base/controls.h"
#include "base/fonts.h"

#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include <utility>

SplashWindow::SplashWindow(MainWindowFactory makeMainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_makeMainWindow(std::move(makeMainWindow))
{
    prepareTutorLookAndFeel();
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(398, 200);
    controls::picture(this, QStringLiteral("Image1"), QStringLiteral(":/pictures/title.png"),
        QRect(0, 0, 400, 200))
        ->setAccessibleName(QStringLiteral("Orvi Math Tutor"));

    m_timer1 = controls::timer(this, QStringLiteral("Timer1"), 3000);
    connect(m_timer1, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);

    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void SplashWindow::showEvent(QShowEvent *event)
{
    if (!m_mainWindowShown && !m_timer1->isActive())
        m_timer1->start();
    QWidget::showEvent(event);
}

void SplashWindow::doOnceShown(std::function<void()> work)
{
    m_workOnceShown = std::move(work);
}

void SplashWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // Queued, so that the title is drawn and on screen before the work begins.
    if (m_workOnceShown)
        QMetaObject::invokeMethod(this, &SplashWindow::runWorkOnceShown, Qt::QueuedConnection);
}

void SplashWindow::runWorkOnceShown()
{
    if (const std::function<void()> work = std::exchange(m_workOnceShown, nullptr))
        work();
}

void SplashWindow::closeEvent(QCloseEvent *event)
{
    // Closed by hand before its time: no main window appears afterwards.
    m_timer1->stop();
    QWidget::closeEvent(event);
}

void SplashWindow::Timer1_Timer()
{
    m_timer1->stop();
    if (m_mainWindowShown)
        return;
    m_mainWindowShown = true;
    runWorkOnceShown();
    if (MainWindow *mainWindow = m_makeMainWindow())
        mainWindow->show();
    close();
}
