#pragma once

#include "rules/answered_problem.h"

#include <QString>

// The session log as a screen reader says it: each row one sentence, so a
// pupil hears a whole answered problem where the eye reads six columns.
namespace tutor {

// "Row 3: 7 plus 8, you answered 15, right answer 15, Right"; `rowNumber`
// counts from 1. The typed text is said without its outer blanks, and an
// answer of nothing but blanks as "nothing".
QString spokenLogRow(int rowNumber, const AnsweredProblem &answer);

// What the report panel holds as it comes up: "Report shown: 3 answers."
QString spokenLogShown(int answers);

} // namespace tutor
