#pragma once

#include <QFrame>

class QRect;
class QString;

// One of the main window's screen frames, as the window switches between
// them: every screen is entered, stopped, left and asked to show its score
// card alike. A screen without a step leaves its hook empty.
class Screen : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Screen)

public:
    // Names and places the frame; it paints its own background, so it hides
    // whatever lies below it.
    Screen(const QString &name, const QRect &geometry, QWidget *parent);
    ~Screen() override;

    // The screen's own steps once the switch has shown it: a fresh score, a
    // new problem, the keyboard where the pupil starts.
    virtual void enter();
    // Stops whatever ticks on the screen: a verdict's flash, a clock, a
    // message's time-out.
    virtual void stopTimers();
    // The pupil has gone elsewhere: the timers stop and whatever would show a
    // stale value on return is blanked.
    virtual void leave();
    virtual void setScoreCardShown(bool shown);
    // The text of the menu item that brings the screen up, where the window
    // makes that item from the screen host's list; empty for the others.
    virtual QString entryText() const;

    // After a menu's command the keyboard stays on a control it can see in
    // `client`, else goes to the first control of the screen in front, and a
    // screen reader is told where it is: the menu gave it back to the window.
    static void settleKeyboard(QWidget *client);

protected:
    // The control the keyboard starts on: the first in Tab order unless the
    // screen says otherwise.
    virtual void focusFirstControl();
    // Whether the keyboard can work on this screen: panels beside or over
    // the screens that the pupil answers on leave the keyboard to them.
    virtual bool takesKeyboard() const;
    // Whether a control of this panel keeps the keyboard it holds, though the
    // panel does not take it.
    virtual bool keepsKeyboard() const;
    // Sets every text the screen shows in the language spoken now, the
    // texts worked out from what the screen shows included. Each screen
    // calls its own at the end of its constructor; the base calls it again
    // whenever the language changes.
    virtual void retranslate();
    void changeEvent(QEvent *event) override;
};
