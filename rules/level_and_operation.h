#pragma once

#include <QtGlobal>

#include <array>

namespace tutor {

// The difficulty levels by the codes the session record keeps. The record
// holds a plain 16-bit code, so rules that read it still meet codes outside
// these five and say what they do with them.
enum class Level : qint16 {
    WarmUp = 0,
    Beginner = 1,
    Intermediate = 2,
    Advanced = 3,
    Expert = 4,
};

// The four operations by the codes the record and the menus use.
enum class Operation : qint16 {
    Addition = 1,
    Subtraction = 2,
    Multiplication = 3,
    Division = 4,
};

inline constexpr std::array<Level, 5> AllLevels
    = { Level::WarmUp, Level::Beginner, Level::Intermediate, Level::Advanced, Level::Expert };

constexpr qint16 code(Level level)
{
    return static_cast<qint16>(level);
}

constexpr qint16 code(Operation operation)
{
    return static_cast<qint16>(operation);
}

// The two operations the Missing Number game and the Time Trial deal in.
constexpr bool isGameOperation(Operation operation)
{
    return operation == Operation::Addition || operation == Operation::Subtraction;
}

} // namespace tutor
