#include "base/screen.h"

#include "base/accessibility.h"
#include "base/controls.h"

#include <QAccessible>
#include <QEvent>
#include <QRect>
#include <QString>

Screen::Screen(const QString &name, const QRect &geometry, QWidget *parent)
    : QFrame(parent)
{
    controls::setUpScreen(this, name, geometry);
}

Screen::~Screen() = default;

void Screen::enter() { }

void Screen::stopTimers() { }

QString Screen::entryText() const
{
    return {};
}

void Screen::leave()
{
    stopTimers();
}

void Screen::setScoreCardShown(bool) { }

void Screen::settleKeyboard(QWidget *client)
{
    QWidget *window = client->window();
    // The menu may have left the window without the keyboard, or the
    // keyboard on a control a hidden screen handed on to the next in line.
    QWidget *focused = window->focusWidget();
    const auto shown = [client](const Screen *screen) { return screen->isVisibleTo(client); };
    const auto keeps = [focused, &shown](const Screen *screen) {
        return shown(screen) && focused && focused->isVisible() && screen->isAncestorOf(focused);
    };
    // Bottom first, whatever place of the client holds them.
    const QList<Screen *> screens = client->findChildren<Screen *>();
    bool kept = false;
    // Raised last, lying on top.
    for (auto screen = screens.crbegin(); screen != screens.crend(); ++screen) {
        if ((*screen)->keepsKeyboard() && keeps(*screen))
            kept = true;
        if (!kept && shown(*screen) && (*screen)->takesKeyboard()) {
            kept = keeps(*screen);
            if (!kept)
                (*screen)->focusFirstControl();
            break;
        }
    }
    if (!window->isActiveWindow())
        window->activateWindow();
    if ((focused = window->focusWidget())) {
        // The command's news has been heard; the control says its own words.
        access::takeBackNews(focused);
        QAccessibleEvent news(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&news);
    }
}

void Screen::focusFirstControl()
{
    for (QWidget *next = nextInFocusChain(); next != this; next = next->nextInFocusChain()) {
        if (isAncestorOf(next) && next->isVisible() && next->isEnabled()
            && (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

bool Screen::takesKeyboard() const
{
    return true;
}

bool Screen::keepsKeyboard() const
{
    return false;
}

void Screen::retranslate() { }

void Screen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}
