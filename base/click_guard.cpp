#include "base/click_guard.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QStyleHints>

#include <chrono>

namespace {

ClickGuard::Clock &replacedClock()
{
    static ClickGuard::Clock clock;
    return clock;
}

qint64 now()
{
    if (const ClickGuard::Clock &clock = replacedClock())
        return clock();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

void ClickGuard::route(
    QAbstractButton *button, std::function<void()> handler, std::function<void()> ignored)
{
    QObject::connect(button, &QAbstractButton::clicked, button,
        [this, handler = std::move(handler), ignored = std::move(ignored)]() {
            if (admitsClick())
                handler();
            else if (ignored)
                ignored();
        });
}

void ClickGuard::setClock(Clock clock)
{
    replacedClock() = std::move(clock);
}

bool ClickGuard::admitsClick()
{
    // Read at every click: the desktop's setting may change while we run.
    const qint64 interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const qint64 time = now();
    // Measured from the last click that counted, so clicking on and on
    // still counts a click now and then.
    if (m_lastCounted && time - *m_lastCounted < interval)
        return false;
    m_lastCounted = time;
    return true;
}
