#pragma once

#include "rules/fact_schedule.h"

#include <QList>

namespace progress {

// The families of the cards that need teaching, in the one order a teacher
// meets them everywhere: most missed since last known first, then by
// operation, then by the larger number and the smaller.
QList<tutor::FactFamily> familiesToTeach(QList<tutor::FactCard> cards);

} // namespace progress
