#pragma once

#include "rules/level_and_operation.h"

#include <QString>
#include <QtGlobal>

#include <random>

namespace tutor {

// The whole numbers a difficulty level draws from: count values starting at
// lowest. Warm Up 1..10, Beginner 1..25, Intermediate 1..41, Advanced 10..75,
// Expert 10..100. A level holding a code outside 0..4 is treated as Expert.
struct LevelRange
{
    int count = 0;
    int lowest = 0;
    int highest() const { return lowest + count - 1; }
};

LevelRange levelRange(Level level);

// The level a game keeps after drawing: the level itself for codes 0..4, and
// Expert for any other code, so it always names a real level.
Level knownLevel(Level level);

// The level's name as the pupil sees it, in the language spoken: "Warm Up",
// "Beginner", "Intermediate", "Advanced" or "Expert"; empty for any other code.
QString levelName(Level level);

// Int(r * count + lowest) for a uniform r in [0, 1): the level's number for r.
int levelNumber(Level level, double r);

// Uniform values in [0, 1) from a generator seeded afresh, from the
// high-resolution clock and a running count, each time one is made. Every
// problem generator makes one per call, so two problems drawn within one
// second (or even one clock tick) still differ.
class ClockSeededRandom
{
public:
    ClockSeededRandom();

    double unit();
    int levelNumber(Level level);

private:
    std::mt19937_64 m_engine;
};

// From now on every ClockSeededRandom is seeded from `seed` and the running
// count, which starts again at zero, instead of the clock: the same steps
// then draw the same problems. For pictures of the screens, never for pupils.
void useFixedSeed(quint64 seed);

} // namespace tutor
