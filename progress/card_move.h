#pragma once

#include "rules/fact_schedule.h"

#include <QDate>

namespace progress {

// How one My Facts answer moves its family's card: on `day` (the local
// calendar's), quick or not, right as the answer was. An answer given outside
// My Facts (a level's practice, a game) only counts a miss on a card kept.
struct CardMove
{
    tutor::FactFamily family;
    bool quick = false;
    QDate day;
    bool inMyFacts = true;
};

} // namespace progress
