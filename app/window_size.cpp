#include "app/window_size.h"

#include "base/design_scale.h"
#include "base/message_box.h"
#include "base/program_settings.h"

#include <QAction>
#include <QCoreApplication>
#include <QLayout>
#include <QScreen>
#include <QSettings>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <iterator>
#include <optional>

namespace tutor {

namespace {

const QString SizeKey = QStringLiteral("Window/Size");

// The stored texts, in the order of WindowSize.
const QString SizeTexts[] = { QStringLiteral("desktop"), QStringLiteral("100"),
    QStringLiteral("150"), QStringLiteral("200") };

// Screen pixels for each design pixel; 0 for the desktop's own scale,
// which draws the design in the desktop's logical pixels.
qreal screenPixels(WindowSize size)
{
    switch (size) {
    case WindowSize::Desktop:
        return 0;
    case WindowSize::Percent100:
        return 1;
    case WindowSize::Percent150:
        return 1.5;
    case WindowSize::Percent200:
        return 2;
    }
    return 0;
}

constexpr WindowSize AllSizes[] = { WindowSize::Desktop, WindowSize::Percent100,
    WindowSize::Percent150, WindowSize::Percent200 };

} // namespace

WindowSize storedWindowSize()
{
    const QString stored = programSettings().value(SizeKey).toString();
    for (int size = 0; size < int(std::size(SizeTexts)); ++size) {
        if (stored == SizeTexts[size])
            return WindowSize(size);
    }
    return WindowSize::Desktop;
}

bool storeWindowSize(WindowSize size)
{
    QSettings settings = programSettings();
    const QVariant before = settings.value(SizeKey);
    settings.setValue(SizeKey, SizeTexts[int(size)]);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    // Qt keeps an unwritten value for the rest of the run; what the next
    // start will read is the value before.
    if (before.isValid())
        settings.setValue(SizeKey, before);
    else
        settings.remove(SizeKey);
    return false;
}

QString settingsFilePath()
{
    return programSettings().fileName();
}

qreal pictureFactor(WindowSize size, qreal pixelRatio)
{
    const qreal pixels = screenPixels(size);
    if (pixels == 0 || pixelRatio <= 0)
        return 1;
    return pixels / pixelRatio;
}

bool fits(WindowSize size, const SizeRoom &room)
{
    const QSize window
        = designscale::scaled(room.design, pictureFactor(size, room.pixelRatio)) + room.around;
    return window.width() <= room.available.width() && window.height() <= room.available.height();
}

WindowSize sizeToShow(WindowSize wanted, const SizeRoom &room)
{
    if (fits(wanted, room))
        return wanted;
    std::optional<WindowSize> largest;
    std::optional<WindowSize> smallest;
    for (const WindowSize size : AllSizes) {
        const qreal factor = pictureFactor(size, room.pixelRatio);
        if (fits(size, room) && (!largest || factor > pictureFactor(*largest, room.pixelRatio)))
            largest = size;
        if (!smallest || factor < pictureFactor(*smallest, room.pixelRatio))
            smallest = size;
    }
    return largest ? *largest : *smallest;
}

WindowSizeChoice chooseWindowSize(WindowSize size)
{
    const WindowSize stored = storedWindowSize();
    if (size == stored || storeWindowSize(size))
        return { size, QString(), QString() };
    return { stored, QCoreApplication::translate("WindowSize", "Cannot keep the window size."),
        QCoreApplication::translate("WindowSize", "Cannot write %1.").arg(settingsFilePath()) };
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->geometry();
    const QSize outer = window->frameGeometry().size();
    window->move(available.x() + (available.width() - outer.width()) / 2,
        available.y() + (available.height() - outer.height()) / 2);
}

WindowSizer::WindowSizer(QWidget *window, QWidget *client, const QSize &design,
    std::function<QAction *(WindowSize)> items)
    : QObject(window)
    , m_window(window)
    , m_client(client)
    , m_design(design)
    , m_items(std::move(items))
{ }

WindowSizer::~WindowSizer() = default;

SizeRoom WindowSizer::room() const
{
    const QScreen *screen = m_window->screen();
    const QSize frame = m_window->frameGeometry().size() - m_window->geometry().size();
    SizeRoom room;
    room.design = m_design;
    room.around = m_window->size() - m_client->size() + frame;
    room.available = screen ? screen->availableGeometry().size() : QSize();
    room.pixelRatio = screen ? screen->devicePixelRatio() : 1;
    return room;
}

void WindowSizer::start()
{
    if (QWindow *handle = m_window->windowHandle())
        connect(handle, &QWindow::screenChanged, this, &WindowSizer::followScreen);
    followScreen(m_window->screen());
    const WindowSize stored = storedWindowSize();
    m_items(stored)->setChecked(true);
    showAt(stored);
}

void WindowSizer::followScreen(QScreen *screen)
{
    if (m_followed)
        disconnect(m_followed, nullptr, this, nullptr);
    m_followed = screen;
    if (screen)
        connect(screen, &QScreen::availableGeometryChanged, this, &WindowSizer::offerSizes);
    offerSizes();
}

void WindowSizer::offerSizes()
{
    const SizeRoom now = room();
    qreal smallest = 1;
    for (const WindowSize size : AllSizes) {
        m_items(size)->setEnabled(fits(size, now));
        smallest = qMin(smallest, pictureFactor(size, now.pixelRatio));
    }
    // The smallest size offered is as small as the window goes.
    m_client->setMinimumSize(designscale::scaled(m_design, smallest));
    // The window's own minimum follows at once, before a resize asks for it.
    if (QLayout *layout = m_window->layout())
        layout->activate();
}

void WindowSizer::choose(WindowSize size)
{
    const WindowSizeChoice choice = chooseWindowSize(size);
    m_items(size)->setChecked(true);
    showAt(size);
    if (!choice.message.isEmpty())
        showMessage(m_window, choice.message, choice.details);
}

void WindowSizer::showAt(WindowSize wanted)
{
    const SizeRoom now = room();
    const WindowSize size = sizeToShow(wanted, now);
    if (m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        m_window->setWindowState(
            m_window->windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    m_window->resize(designscale::scaled(m_design, pictureFactor(size, now.pixelRatio)) + now.around
        - (m_window->frameGeometry().size() - m_window->geometry().size()));
    // A window grown past its screen's edge comes back onto the screen.
    const QScreen *screen = m_window->screen();
    if (!screen || !m_window->isVisible())
        return;
    const QRect available = screen->availableGeometry();
    const QRect frame = m_window->frameGeometry();
    const int x = qMax(available.left(), qMin(frame.left(), available.right() + 1 - frame.width()));
    const int y = qMax(available.top(), qMin(frame.top(), available.bottom() + 1 - frame.height()));
    if (QPoint(x, y) != frame.topLeft())
        m_window->move(x, y);
}

} // namespace tutor
