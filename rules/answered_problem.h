#pragma once

#include "rules/level_and_operation.h"

#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <array>

namespace tutor {

enum class Verdict : quint8 { Right, Wrong };

// One practice problem the pupil answered, as the session log keeps it: what
// was asked, what was typed, what was expected and how it went.
struct AnsweredProblem
{
    Operation operation = Operation::Addition;
    Level level = Level::WarmUp;
    float operand1 = 0;
    float operand2 = 0;
    QString typed;
    qint16 expected = 0;
    Verdict verdict = Verdict::Wrong;
    QDateTime answeredAt; // UTC
    qint32 thinkingMs = 0; // from the problem shown to Enter
};

// The six columns of the log, left to right, as the report panel and the
// HTML report show them.
enum class LogColumn { Number1, Sign, Number2, YourAnswer, CorrectAnswer, Verdict };
inline constexpr std::array<LogColumn, 6> LogColumns = { LogColumn::Number1, LogColumn::Sign,
    LogColumn::Number2, LogColumn::YourAnswer, LogColumn::CorrectAnswer, LogColumn::Verdict };

// The text of one column of an answered problem: "7", "+", "5", what was
// typed exactly, "12", "Right".
QString logColumnText(const AnsweredProblem &answer, LogColumn column);

// "Right" or "Wrong", as the log and the report write a verdict, in the
// language spoken.
QString verdictText(Verdict verdict);

} // namespace tutor
