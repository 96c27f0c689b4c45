#include "rules/fact_schedule.h"

#include "rules/operations.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace tutor {

namespace {

qint16 largestNumber(Operation operation)
{
    return operation == Operation::Addition || operation == Operation::Subtraction ? LargestAddend
                                                                                   : LargestFactor;
}

std::optional<qint16> wholeIn(double value, qint16 largest)
{
    if (!(value >= 0 && value <= largest) || std::floor(value) != value)
        return std::nullopt;
    return qint16(value);
}

std::optional<FactFamily> family(
    Operation operation, std::optional<qint16> a, std::optional<qint16> b)
{
    if (!a || !b)
        return std::nullopt;
    return FactFamily { operation, std::min(*a, *b), std::max(*a, *b) };
}

} // namespace

bool hasFacts(Operation operation)
{
    switch (operation) {
    case Operation::Addition:
    case Operation::Subtraction:
    case Operation::Multiplication:
    case Operation::Division:
        return true;
    }
    return false;
}

bool isFactFamily(const FactFamily &family)
{
    return hasFacts(family.operation) && family.low >= 0 && family.low <= family.high
        && family.high <= largestNumber(family.operation)
        && !(family.operation == Operation::Division && family.high == 0);
}

QList<FactFamily> factFamilies(Operation operation)
{
    QList<FactFamily> families;
    const qint16 largest = largestNumber(operation);
    for (qint16 high = 0; high <= largest; ++high) {
        for (qint16 low = 0; low <= high; ++low) {
            if (operation == Operation::Division && high == 0)
                continue; // 0 / 0 has no answer
            families.append({ operation, low, high });
        }
    }
    return families;
}

QList<Fact> familyFacts(const FactFamily &family)
{
    const qint16 a = family.low;
    const qint16 b = family.high;
    QList<Fact> facts;
    const auto add = [&facts, &family](qint16 first, qint16 second, qint16 answer) {
        const Fact fact { family.operation, first, second, answer };
        if (!facts.contains(fact))
            facts.append(fact);
    };
    switch (family.operation) {
    case Operation::Addition:
        add(a, b, qint16(a + b));
        add(b, a, qint16(a + b));
        break;
    case Operation::Subtraction:
        add(qint16(a + b), a, b);
        add(qint16(a + b), b, a);
        break;
    case Operation::Multiplication:
        add(a, b, qint16(a * b));
        add(b, a, qint16(a * b));
        break;
    case Operation::Division:
        if (a != 0)
            add(qint16(a * b), a, b);
        if (b != 0)
            add(qint16(a * b), b, a);
        break;
    }
    return facts;
}

std::optional<FactFamily> familyOf(Operation operation, double first, double second)
{
    const qint16 largest = largestNumber(operation);
    switch (operation) {
    case Operation::Addition:
    case Operation::Multiplication:
        return family(operation, wholeIn(first, largest), wholeIn(second, largest));
    case Operation::Subtraction:
        return family(operation, wholeIn(first - second, largest), wholeIn(second, largest));
    case Operation::Division:
        if (second == 0)
            return std::nullopt;
        return family(operation, wholeIn(first / second, largest), wholeIn(second, largest));
    }
    return std::nullopt;
}

std::optional<Fact> factOf(Operation operation, double first, double second)
{
    const std::optional<FactFamily> member = familyOf(operation, first, second);
    if (!member)
        return std::nullopt;
    for (const Fact &fact : familyFacts(*member)) {
        if (fact.first == first && fact.second == second)
            return fact;
    }
    return std::nullopt;
}

QString writtenSum(const Fact &fact)
{
    return QStringLiteral("%1 %2 %3")
        .arg(fact.first)
        .arg(writtenSign(fact.operation))
        .arg(fact.second);
}

QString writtenFact(const Fact &fact)
{
    return QStringLiteral("%1 = %2").arg(writtenSum(fact)).arg(fact.answer);
}

int boxAfterRecall(int box, qint64 daysAway)
{
    // Days away count: a fact recalled quickly after a long gap has shown it
    // is held that long, up to two boxes at once.
    int proven = box + 1;
    while (proven < box + 2 && proven + 1 < BoxCount
        && BoxGapDays.at(std::size_t(proven + 1)) <= daysAway)
        ++proven;
    return std::min(proven, BoxCount - 1);
}

void applyAnswer(FactCard &card, bool right, bool quick, const QDate &day)
{
    const bool firstToday = card.lastSeen != day;
    if (firstToday)
        card.dayMisses = 0;
    // A new fact is due at once; box 0 is asked again the same day.
    const bool due = !card.seen() || (card.due <= day && (firstToday || card.box == 0));
    if (!card.seen())
        card.firstSeen = day;
    ++card.answers;
    if (!right) {
        card.box = 1;
        ++card.misses;
        ++card.missesSinceKnown;
        ++card.dayMisses;
        card.quickDays = 0;
        // Right after being shown the answer is not knowing it.
        card.lastQuickDay = day;
        card.comebacksOwed = card.dayMisses >= MissesToLeaveForTheDay ? 0 : ComebacksAfterMiss;
        card.due = day.addDays(BoxGapDays.at(1));
        card.lastSeen = day;
        return;
    }
    // A comeback right after a miss says nothing new of the box.
    const bool comeback = card.comebacksOwed > 0;
    if (comeback)
        --card.comebacksOwed;
    if (quick) {
        if (due && !comeback)
            card.box = boxAfterRecall(card.box, card.lastSeen.daysTo(day));
        if (card.lastQuickDay != day) {
            ++card.quickDays;
            card.lastQuickDay = day;
        }
        if (card.known())
            card.missesSinceKnown = 0;
    }
    card.box = std::clamp(card.box, 0, BoxCount - 1);
    if (due || !card.due.isValid())
        card.due = day.addDays(BoxGapDays.at(std::size_t(card.box)));
    card.lastSeen = day;
}

void countMissElsewhere(FactCard &card)
{
    ++card.misses;
    ++card.missesSinceKnown;
    card.quickDays = 0;
}

QList<FactCard> cardsFromAnswers(const QList<LoggedAnswer> &answers)
{
    std::map<FactFamily, FactCard> cards;
    for (const LoggedAnswer &logged : answers) {
        const Attempt &attempt = logged.attempt;
        const std::optional<FactFamily> family
            = familyOf(attempt.operation, attempt.first, attempt.second);
        if (!family)
            continue;
        const auto found = cards.find(*family);
        if (attempt.mode == AnswerMode::MyFacts) {
            FactCard &card = found != cards.end() ? found->second : cards[*family];
            card.family = *family;
            const bool quick = attempt.millis < qint64(logged.quickSeconds) * 1000;
            applyAnswer(card, attempt.correct, quick, attempt.answeredAt.toLocalTime().date());
        } else if (!attempt.correct && attempt.mode != AnswerMode::MissingOperation
            && found != cards.end() && factOf(attempt.operation, attempt.first, attempt.second)) {
            // Elsewhere only a miss counts, and only for a fact already met.
            countMissElsewhere(found->second);
        }
    }
    QList<FactCard> made;
    for (const auto &[family, card] : cards)
        made.append(card);
    return made;
}

QList<FactCard> weakestFirst(QList<FactCard> cards)
{
    cards.removeIf([](const FactCard &card) { return !card.seen(); });
    std::stable_sort(cards.begin(), cards.end(), [](const FactCard &a, const FactCard &b) {
        return std::tuple(a.box, -a.misses, a.lastSeen, a.family)
            < std::tuple(b.box, -b.misses, b.lastSeen, b.family);
    });
    return cards;
}

FactSchedule::FactSchedule(Operation operation, const QList<FactCard> &cards)
    : m_operation(operation)
    , m_order(factFamilies(operation))
{
    for (const FactFamily &family : std::as_const(m_order)) {
        FactCard card;
        card.family = family;
        m_cards.insert(family, card);
    }
    for (const FactCard &card : cards) {
        if (m_cards.contains(card.family))
            m_cards.insert(card.family, card);
    }
    // A first comeback still owed when the program last closed comes at
    // once, the longest waiting first; a second one as it would have.
    QList<FactCard> owed;
    for (const FactFamily &family : std::as_const(m_order)) {
        const FactCard &card = m_cards[family];
        // Right and quick on its last day without a miss: not still being
        // learnt, as far as a new run can tell.
        if (card.seen() && card.lastQuickDay == card.lastSeen && card.dayMisses == 0)
            m_streaks.insert(family, 2);
        if (card.comebacksOwed >= ComebacksAfterMiss)
            owed.append(card);
        else if (card.comebacksOwed > 0)
            m_laterComebacks.insert(ComeBackAgainWithin / 2, family);
    }
    std::stable_sort(owed.begin(), owed.end(),
        [](const FactCard &a, const FactCard &b) { return a.lastSeen < b.lastSeen; });
    for (qsizetype at = 0; at < owed.size(); ++at)
        m_firstComebacks.insert(at - owed.size(), owed.at(at).family);
}

void FactSchedule::startRound(const QDate &day)
{
    if (m_day == day)
        return;
    m_answersToday = 0;
    m_askedToday.clear();
    // A run that starts in the middle of a practice day goes on from the
    // families the file says were asked that day, once each at least, so
    // a restart does not put off the day's first new fact.
    for (const FactCard &card : std::as_const(m_cards)) {
        if (card.seen() && card.lastSeen == day) {
            ++m_answersToday;
            m_askedToday.insert(card.family, 1);
        }
    }
    m_day = day;
}

bool FactSchedule::broughtInToday() const
{
    return std::any_of(m_cards.cbegin(), m_cards.cend(),
        [this](const FactCard &card) { return card.firstSeen == m_day; });
}

bool FactSchedule::isBeingLearnt(const FactCard &card) const
{
    return card.seen() && card.box <= 1 && m_streaks.value(card.family) < 2;
}

bool FactSchedule::mayBringIn(bool nothingDue) const
{
    if (!broughtInToday())
        return true; // one a day, however the pupil does
    const auto learning = std::count_if(m_cards.cbegin(), m_cards.cend(),
        [this](const FactCard &card) { return isBeingLearnt(card); });
    // As if two more answers had been right, so one early miss is not "many".
    const double missShare = double(m_paceMisses.count(true)) / double(m_paceMisses.size() + 2);
    // Once the due facts are done, misses hold back only a full working set,
    // and a full set only a pupil who misses much: one who goes on
    // practising well meets new facts rather than early reviews.
    if (nothingDue)
        return learning < WorkingSet
            || (missShare < MissShareForNew / 2 && learning < 2 * WorkingSet);
    return learning < WorkingSet && missShare < MissShareForNew;
}

int FactSchedule::seenCount() const
{
    return int(std::count_if(
        m_cards.cbegin(), m_cards.cend(), [](const FactCard &card) { return card.seen(); }));
}

// The last few facts are not asked again at once, unless there are too few
// to choose from.
bool FactSchedule::recentlyAsked(const FactFamily &family) const
{
    const int window = std::min<int>(RetryWithin, seenCount() - 1);
    return m_recent.mid(0, std::max(0, window)).contains(family);
}

Fact FactSchedule::factToAsk(const FactCard &card) const
{
    // The twins take turns.
    const QList<Fact> facts = familyFacts(card.family);
    return facts.at(card.answers % facts.size());
}

std::optional<FactFamily> FactSchedule::comebackNow() const
{
    if (!m_firstComebacks.isEmpty() && m_firstComebacks.firstKey() <= m_asked)
        return m_firstComebacks.first();
    if (!m_laterComebacks.isEmpty() && m_laterComebacks.firstKey() <= m_asked)
        return m_laterComebacks.first();
    return std::nullopt;
}

void FactSchedule::planComebacks(const FactCard &card)
{
    m_firstComebacks.removeIf([&card](const auto &entry) { return entry.value() == card.family; });
    m_laterComebacks.removeIf([&card](const auto &entry) { return entry.value() == card.family; });
    if (card.comebacksOwed >= ComebacksAfterMiss)
        m_firstComebacks.insert(m_asked + RetryWithin, card.family);
    else if (card.comebacksOwed > 0)
        m_laterComebacks.insert(m_asked + ComeBackAgainWithin, card.family);
}

const FactCard *FactSchedule::longestUnasked() const
{
    const FactCard *longest = nullptr;
    const auto rank = [this](const FactCard &card) {
        return std::tuple(m_lastAsked.value(card.family, -1), card.lastSeen);
    };
    for (const FactFamily &family : m_order) {
        const FactCard &card = *m_cards.constFind(family);
        if (card.seen() && !recentlyAsked(family) && (!longest || rank(card) < rank(*longest)))
            longest = &card;
    }
    return longest;
}

Fact FactSchedule::next(const QDate &day)
{
    startRound(day);
    if (const std::optional<FactFamily> comeback = comebackNow())
        return factToAsk(m_cards[*comeback]);

    const FactCard *dueUnknown = nullptr;
    const FactCard *dueKnown = nullptr;
    const FactCard *aheadUnknown = nullptr;
    const FactCard *aheadKnown = nullptr;
    const FactCard *firstNew = nullptr;
    // Known facts earliest due first. Facts still being learnt the latest
    // seen first: a pupil with more of them due than a day's practice holds
    // works on a few until they climb, rather than going round them all
    // with gaps too long to remember any.
    const auto dueSooner
        = [](const FactCard *a, const FactCard &b) { return !a || b.due < a->due; };
    const auto seenLater = [](const FactCard *a, const FactCard &b) {
        return !a || std::tuple(b.lastSeen, a->due) > std::tuple(a->lastSeen, b.due);
    };
    // Facts not due are asked when seen longest ago, so idle practice spreads
    // over them all.
    const auto aheadSooner = [this](const FactCard *a, const FactCard &b) {
        const auto rank = [this](const FactCard &card) {
            return std::tuple(m_lastAsked.value(card.family, -1), card.lastSeen, card.due);
        };
        return !a || rank(b) < rank(*a);
    };
    for (const FactFamily &family : std::as_const(m_order)) {
        const FactCard &card = m_cards[family];
        if (!card.seen()) {
            if (!firstNew)
                firstNew = &card;
            continue;
        }
        if (recentlyAsked(family) || card.isLeftForDay(day) || card.comebacksOwed > 0
            || m_askedToday.value(family) >= MostAskedADay)
            continue;
        const bool unknown = card.box <= 1;
        if (card.isDue(day)) {
            if (unknown ? seenLater(dueUnknown, card) : dueSooner(dueKnown, card))
                (unknown ? dueUnknown : dueKnown) = &card;
        } else {
            const FactCard *&best = unknown ? aheadUnknown : aheadKnown;
            if (aheadSooner(best, card))
                best = &card;
        }
    }

    const bool unknownsTurn = m_sinceUnknown >= KnownPerUnknown;
    const FactCard *chosen = nullptr;
    // A day's first new fact does not wait for every due one.
    if (firstNew && unknownsTurn && m_answersToday >= FirstNewAfter && !broughtInToday())
        chosen = firstNew;
    else if (dueUnknown && (unknownsTurn || !dueKnown))
        chosen = dueUnknown;
    else if (dueKnown)
        chosen = dueKnown;
    else if (firstNew && (unknownsTurn || !aheadKnown) && mayBringIn(!dueUnknown && !dueKnown))
        chosen = firstNew;
    else if (aheadKnown && (!unknownsTurn || !aheadUnknown))
        chosen = aheadKnown;
    else if (aheadUnknown)
        chosen = aheadUnknown;
    else if (!m_firstComebacks.isEmpty())
        chosen = &m_cards[m_firstComebacks.first()]; // early rather than a new fact too many
    else if (!m_laterComebacks.isEmpty())
        chosen = &m_cards[m_laterComebacks.first()];
    else if (const FactCard *longest = longestUnasked())
        chosen = longest; // all left for the day: better again than a pile of new ones
    else
        chosen = firstNew ? firstNew : &m_cards[m_order.first()];
    return factToAsk(*chosen);
}

FactCard FactSchedule::answer(const Fact &fact, bool right, bool quick, const QDate &day)
{
    startRound(day);
    const std::optional<FactFamily> family = familyOf(fact.operation, fact.first, fact.second);
    if (!family || !m_cards.contains(*family))
        return FactCard {};
    FactCard &card = m_cards[*family];

    // Right just after being shown says little of what the pupil knows.
    const bool comeback = card.comebacksOwed > 0;
    if (card.seen() && !comeback) {
        m_paceMisses.append(!right);
        if (m_paceMisses.size() > PaceAnswers)
            m_paceMisses.removeFirst();
    }
    if (!right || !quick)
        m_streaks.insert(*family, 0);
    else // known at first sight counts as learnt
        m_streaks.insert(*family, card.seen() ? m_streaks.value(*family) + 1 : 2);
    const bool unknown = card.seen() ? card.box <= 1 : !(right && quick);
    m_sinceUnknown = unknown && !comeback ? 0 : m_sinceUnknown + 1;

    applyAnswer(card, right, quick, day);
    planComebacks(card);
    m_lastAsked.insert(*family, m_asked);
    ++m_answersToday;
    ++m_askedToday[*family];
    ++m_asked;
    m_recent.removeAll(*family);
    m_recent.prepend(*family);
    m_recent.resize(std::min<qsizetype>(m_recent.size(), RetryWithin));
    return card;
}

QList<FactCard> FactSchedule::cards() const
{
    QList<FactCard> cards;
    cards.reserve(m_order.size());
    for (const FactFamily &family : m_order)
        cards.append(m_cards.value(family));
    return cards;
}

const FactCard &FactSchedule::card(const FactFamily &family) const
{
    static const FactCard none;
    const auto found = m_cards.constFind(family);
    return found == m_cards.cend() ? none : *found;
}

void FactSchedule::takeKept(const FactCard &card)
{
    const auto found = m_cards.find(card.family);
    if (found == m_cards.end())
        return;
    const bool owedChanged = found->comebacksOwed != card.comebacksOwed;
    *found = card;
    if (owedChanged)
        planComebacks(card);
}

} // namespace tutor
