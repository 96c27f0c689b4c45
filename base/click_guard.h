#pragma once

#include <QtGlobal>

#include <functional>
#include <optional>

class QAbstractButton;

// Clicks on a group of buttons count once per double-click interval. The
// second click of a double click lands on the problem or the button that the
// first click has just put there, before the pupil can have seen it, so it is
// ignored, whichever button of the group it reaches. Handlers called directly
// are not guarded: the guard sits between a button's click and its handler.
class ClickGuard
{
public:
    // Milliseconds on a clock that never runs back.
    using Clock = std::function<qint64()>;

    // Hands the button's clicks that count to `handler`. An ignored click
    // runs `ignored`, when given, to undo what the click did to the button
    // itself (an option button it selected).
    void route(
        QAbstractButton *button, std::function<void()> handler, std::function<void()> ignored = {});

    // Replaces the steady clock for every guard, so that tests place clicks
    // in time without waiting; an empty clock brings the steady one back.
    static void setClock(Clock clock);

private:
    // Whether a click now counts; one that counts starts a new interval.
    bool admitsClick();

    std::optional<qint64> m_lastCounted;
};
