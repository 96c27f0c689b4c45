#pragma once

#include "rules/level_and_operation.h"

#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace tutor {

// Where an answer was given.
enum class AnswerMode : qint16 {
    Practice = 1,
    MissingNumber = 2,
    MissingOperation = 3,
    TimeTrial = 4,
    // Practice of the pupil's own facts: no level was in force. Answers kept
    // before this mode existed stand as Practice.
    MyFacts = 5,
};

// One answer of a pupil's, in any game or in practice, as it is kept across
// sessions. The typed text is what the pupil gave: the digits typed, or the
// sign picked in Missing Operation ("+", "-", "x", or "" for none); the
// expected text is the answer that was right, written the same way.
struct Attempt
{
    QDateTime answeredAt; // UTC
    AnswerMode mode = AnswerMode::Practice;
    Level level = Level::WarmUp;
    Operation operation = Operation::Addition;
    double first = 0;
    double second = 0;
    QString typed;
    QString expected;
    bool correct = false;
    qint64 millis = 0; // from the problem shown to the answer
};

} // namespace tutor
