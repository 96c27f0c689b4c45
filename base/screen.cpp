#include "base/screen.h"

#include "base/controls.h"

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

void Screen::leave()
{
    stopTimers();
}

void Screen::setScoreCardShown(bool) { }

void Screen::retranslate() { }

void Screen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}
