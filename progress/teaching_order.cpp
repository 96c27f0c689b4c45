#include "progress/teaching_order.h"

#include <algorithm>
#include <tuple>

namespace progress {

QList<tutor::FactFamily> familiesToTeach(QList<tutor::FactCard> cards)
{
    cards.removeIf([](const tutor::FactCard &card) { return !card.needsTeaching(); });
    const auto order = [](const tutor::FactCard &card) {
        return std::tuple(-card.missesSinceKnown, tutor::code(card.family.operation),
            card.family.high, card.family.low);
    };
    std::stable_sort(cards.begin(), cards.end(),
        [&order](const auto &a, const auto &b) { return order(a) < order(b); });
    QList<tutor::FactFamily> families;
    for (const tutor::FactCard &card : std::as_const(cards))
        families << card.family;
    return families;
}

} // namespace progress
