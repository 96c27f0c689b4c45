#pragma once

#include <QString>
#include <QtGlobal>

// Everything the program remembers of a pupil's run. One instance, owned by
// the TutorSession; nothing of it is ever saved, so every start begins from
// these zero or empty values.
struct TutorState
{
    float Operand1 = 0;
    float Operand2 = 0;
    float TimeLimitSeconds = 0;
    qint16 OperationCode = 0; // 1 Addition, 2 Subtraction, 3 Multiplication, 4 Division
    qint16 LevelCode = 0; // 0 Warm Up .. 4 Expert
    QString TimeTrialLimitText;
    qint16 MissingNumberAnswer = 0;
    qint16 MissingNumberCorrectCount = 0;
    qint16 MissingNumberIncorrectCount = 0;
    qint16 CorrectCount = 0;
    qint16 IncorrectCount = 0;
    qint16 MissingNumberTop = 0;
    qint16 MissingNumberBottom = 0;
    qint16 MissingOperationResult = 0;
    qint16 MissingOperationFirst = 0;
    qint16 MissingOperationSecond = 0;
    qint16 MissingOperationCode = 0;
    qint16 MissingOperationCorrectCount = 0;
    qint16 MissingOperationIncorrectCount = 0;
    qint16 TimeTrialFirst = 0;
    qint16 TimeTrialSecond = 0;
    qint16 TimeTrialScore = 0;
    QString LastVerdict;
    qint16 LoggedCorrectAnswer = 0;
    qint16 WorksheetProblemCount = 0;
    QString WorksheetOperationChosen;
    QString WorksheetLevelChosen;
};
