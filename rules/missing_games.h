#pragma once

#include "rules/level_and_operation.h"

#include <QStringView>
#include <QtGlobal>

// The rules of the Missing Number and Missing Operation games, apart from
// their screens. Every draw takes its uniform values in [0, 1) as arguments,
// so a test can name the exact problem it wants.
namespace tutor {

// top + ? = bottom for Addition, top - ? = bottom otherwise.
struct MissingNumberProblem
{
    qint16 top = 0;
    qint16 bottom = 0;
};

// Draws the first number from `first`, then the second from `second`, in the
// level's range, and orders them so the hidden number is never negative:
// Addition puts the smaller on top, any other operation (or code) the larger.
MissingNumberProblem missingNumberProblem(
    Level level, Operation operation, double first, double second);

// The hidden number of a problem ordered as above for the same operation.
qint16 missingNumber(const MissingNumberProblem &problem, Operation operation);

// Whether the typed text reads as the hidden number. Reading takes the number
// at the start of the text, so "04" and "4.0" are 4, while "4.5" is not; a
// text without a digit ("four", an empty box) is never the hidden number.
bool isMissingNumber(QStringView typed, qint16 hidden);

// first (operation) second = result, the operation being Addition,
// Subtraction or Multiplication.
struct MissingOperationProblem
{
    qint16 first = 0;
    qint16 second = 0;
    qint16 result = 0;
    Operation operation {};
};

// Draws the two numbers from `first` and `second` in the level's range and the
// operation from `operation`, whatever the level: k from 10 to 100, then k mod
// 3 picks Addition (0), Subtraction (1) or Multiplication (2). Subtraction
// puts the larger number first, so no result is negative.
MissingOperationProblem missingOperationProblem(
    Level level, double first, double second, double operation);

// Whether the chosen operation applied to the two numbers gives the result:
// 2 and 2 with 4 fit both Addition and Multiplication. Division, or any other
// code (0 for no choice at all), fits nothing.
bool operationGivesResult(const MissingOperationProblem &problem, Operation chosen);

} // namespace tutor
