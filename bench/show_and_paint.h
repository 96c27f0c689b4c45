#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

// Shows `window` and returns once its painting has begun; the events being
// handled then finish it, title picture and all. Header only, so that the
// empty window, which links nothing of the tutor's, shows itself the same way.
inline void showAndPaint(QWidget &window)
{
    class PaintSeen : public QObject
    {
    public:
        bool seen = false;

    protected:
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            seen = seen || event->type() == QEvent::Paint;
            return QObject::eventFilter(watched, event);
        }
    };
    PaintSeen painting;
    window.installEventFilter(&painting);
    window.show();
    while (!painting.seen)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.removeEventFilter(&painting);
}
