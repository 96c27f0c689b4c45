#pragma once

#include "rules/level_and_operation.h"

#include <QString>
#include <QtGlobal>

// Sums as a screen reader says them. Each is made from one whole sentence
// with placeholders for what changes, so its words stay together.
namespace tutor {

// "6 plus 1 equals what?"
QString spokenSum(const QString &first, Operation operation, const QString &second);

// The Missing Number game's sum: "7 plus what equals 12?"
QString spokenMissingNumber(const QString &top, Operation operation, const QString &bottom);

// The Missing Operation game's sum: "12 what 4 equals 16? Addition,
// Subtraction or Multiplication?"
QString spokenMissingOperation(const QString &first, const QString &second, const QString &result);

// "3 right, 1 wrong."
QString spokenScore(qint16 right, qint16 wrong);

// A sum with its answer, as said when the pupil missed it: "7 times 8
// equals 56."
QString spokenRightSum(
    const QString &first, Operation operation, const QString &second, const QString &answer);

// What follows a missed answer when the right sum is said with it: "Try
// Again. 7 times 8 equals 56. 3 right, 1 wrong. Next: 6 times 7 equals what?"
QString spokenMissWithRightSum(const QString &rightSum, const QString &score, const QString &sum);

// What follows an answer: "Correct! 3 right, 1 wrong. Next: 3 plus 4 equals
// what?"; without "Next:" when the same sum is to be tried again.
QString spokenVerdict(bool right, const QString &score, const QString &sum, bool newSum = true);

} // namespace tutor
