#pragma once

#include "rules/level_and_operation.h"

#include <QColor>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace tutor {

class ClockSeededRandom;

// The two numbers of a Time Trial problem, first above second.
struct TimeTrialProblem
{
    qint16 first = 0;
    qint16 second = 0;
};

// Draws the first number, then the second, from the level's range; for
// Subtraction the larger comes first, so no answer is ever negative.
TimeTrialProblem drawTimeTrialProblem(Level level, Operation operation, ClockSeededRandom &random);

// first + second for Addition, first - second for Subtraction; empty for any
// other operation, which the game never offers.
std::optional<double> timeTrialAnswer(const TimeTrialProblem &problem, Operation operation);

// The typed text read as a number and compared with the answer; a text
// without a digit (an empty box, "x") is never right.
bool isRightTimeTrialAnswer(
    QStringView typed, const TimeTrialProblem &problem, Operation operation);

// A right answer scores a point, up to 32767; a wrong one takes a point off,
// never going below 0.
qint16 timeTrialScoreAfter(qint16 score, bool right);

// The clock's colour while no trial runs.
inline const QColor IdleClockColour { 255, 192, 128 };

// The colour the clock takes on the tick that finds this many seconds left,
// before it counts one down: pale red as it comes to show 10, redder at 5,
// red at 3. Empty on every other tick, which keeps the colour it has.
std::optional<QColor> clockColourBeforeTick(float secondsLeft);

} // namespace tutor
