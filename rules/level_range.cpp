#include "rules/level_range.h"

#include <QCoreApplication>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>

namespace tutor {

LevelRange levelRange(Level level)
{
    switch (level) {
    case Level::WarmUp:
        return { 10, 1 };
    case Level::Beginner:
        return { 25, 1 };
    case Level::Intermediate:
        return { 41, 1 };
    case Level::Advanced:
        return { 66, 10 };
    default: // Expert, also for codes that were never given out
        return { 91, 10 };
    }
}

Level knownLevel(Level level)
{
    const bool known = code(level) >= code(Level::WarmUp) && code(level) <= code(Level::Expert);
    return known ? level : Level::Expert;
}

QString levelName(Level level)
{
    switch (level) {
    case Level::WarmUp:
        //: The easiest of the five difficulty levels.
        return QCoreApplication::translate("Levels", "Warm Up");
    case Level::Beginner:
        return QCoreApplication::translate("Levels", "Beginner");
    case Level::Intermediate:
        return QCoreApplication::translate("Levels", "Intermediate");
    case Level::Advanced:
        return QCoreApplication::translate("Levels", "Advanced");
    case Level::Expert:
        //: The hardest of the five difficulty levels.
        return QCoreApplication::translate("Levels", "Expert");
    default:
        return QString();
    }
}

int levelNumber(Level level, double r)
{
    const LevelRange range = levelRange(level);
    const double number = std::floor(r * range.count + range.lowest);
    // Rounding in the product could reach highest + 1 for r just below 1;
    // the clamp also keeps an r outside [0, 1) or NaN from an unchecked cast.
    if (!(number >= range.lowest))
        return range.lowest;
    if (number > range.highest())
        return range.highest();
    return static_cast<int>(number);
}

namespace {

// Two generators made within one clock tick still get different seeds.
std::atomic<std::uint64_t> generatorsMade { 0 };

std::atomic<bool> seedIsFixed { false };
std::atomic<std::uint64_t> fixedSeed { 0 };

} // namespace

ClockSeededRandom::ClockSeededRandom()
{
    const auto base = seedIsFixed.load(std::memory_order_relaxed)
        ? fixedSeed.load(std::memory_order_relaxed)
        : static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const std::uint64_t serial = generatorsMade.fetch_add(1, std::memory_order_relaxed);
    std::seed_seq seed { static_cast<std::uint32_t>(base), static_cast<std::uint32_t>(base >> 32),
        static_cast<std::uint32_t>(serial), static_cast<std::uint32_t>(serial >> 32) };
    m_engine.seed(seed);
}

void useFixedSeed(quint64 seed)
{
    fixedSeed.store(seed, std::memory_order_relaxed);
    generatorsMade.store(0, std::memory_order_relaxed);
    seedIsFixed.store(true, std::memory_order_relaxed);
}

double ClockSeededRandom::unit()
{
    // The top 53 bits fill a double's mantissa exactly: every value is a
    // multiple of 2^-53 below 1, so 1.0 itself can never come out (unlike
    // std::uniform_real_distribution<float>, which can round up to it).
    constexpr double twoToMinus53 = 1.0 / 9007199254740992.0;
    return static_cast<double>(m_engine() >> 11) * twoToMinus53;
}

int ClockSeededRandom::levelNumber(Level level)
{
    return tutor::levelNumber(level, unit());
}

} // namespace tutor
