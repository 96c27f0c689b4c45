#pragma once

#include "rules/level_and_operation.h"

#include <QString>

#include <array>
#include <optional>

// The four operations and how each is written, said and named, all in one
// place. Every function gives an empty text for a code no menu gives out.
namespace tutor {

// The four operations in menu order.
inline constexpr std::array<Operation, 4> AllOperations = { Operation::Addition,
    Operation::Subtraction, Operation::Multiplication, Operation::Division };

// The sign as the log and the worksheet files keep it, the same in every
// language: "+", "-", "*" or "/".
QString plainSign(Operation operation);

// A Missing Operation pick as an attempt keeps it: "+", "-" or "x" (as the
// game's buttons show it), "" for no pick or any other operation.
QString attemptSign(std::optional<Operation> operation);

// The sign as the eye reads it in the language spoken, on screen and paper:
// "+", "−", "×" ("·" in German) or "÷" (":").
QString writtenSign(Operation operation);

// Which shape the written sign has: × and ÷ as usual, or the dot and colon
// some languages write instead, which pictures and the printed page draw.
enum class SignShape { Usual, Dot, Colon };
SignShape signShape(Operation operation);

// The sign's name as a screen reader says it: "plus", "minus", "times" or
// "divided by".
QString operationWord(Operation operation);

// The operation's name as the progress screens and reports show it:
// "Multiplication".
QString operationName(Operation operation);

} // namespace tutor
