#pragma once

#include "rules/attempt.h"
#include "rules/level_and_operation.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

#include <array>
#include <tuple>
#include <optional>

// "My Facts": the number facts of each operation, what a pupil knows of each,
// and the order they are asked in. Facts are kept by family: a fact and its
// turned-round twin (3 x 4 and 4 x 3, or 7 - 3 and 7 - 4) share what is
// known of them, but both are asked.
namespace tutor {

// The two numbers a family is made of, the smaller first: a + b and a x b
// for Addition and Multiplication, (a + b) - a and (a x b) / a for their
// inverses.
struct FactFamily
{
    Operation operation = Operation::Addition;
    qint16 low = 0;
    qint16 high = 0;

    friend bool operator==(const FactFamily &a, const FactFamily &b)
    {
        return a.operation == b.operation && a.low == b.low && a.high == b.high;
    }
    friend bool operator!=(const FactFamily &a, const FactFamily &b) { return !(a == b); }
    friend bool operator<(const FactFamily &a, const FactFamily &b)
    {
        return std::tuple(code(a.operation), a.low, a.high)
            < std::tuple(code(b.operation), b.low, b.high);
    }
};

inline size_t qHash(const FactFamily &family, size_t seed = 0)
{
    return ::qHash(
        quint32(code(family.operation)) << 16 | quint32(family.low) << 8 | quint32(family.high),
        seed);
}

// One fact as it is asked: "first operation second = answer".
struct Fact
{
    Operation operation = Operation::Addition;
    qint16 first = 0;
    qint16 second = 0;
    qint16 answer = 0;

    friend bool operator==(const Fact &a, const Fact &b)
    {
        return a.operation == b.operation && a.first == b.first && a.second == b.second;
    }
};

// Addition a + b with a, b from 0 to 10; Subtraction c - b with c up to 20;
// Multiplication a x b with a, b from 0 to 12; Division c / b with b not 0.
inline constexpr qint16 LargestAddend = 10;
inline constexpr qint16 LargestFactor = 12;

// Whether the operation has facts: the four of the menus do.
bool hasFacts(Operation operation);
// Whether a family is one of its operation's: its numbers in order and in
// range, and no division by 0.
bool isFactFamily(const FactFamily &family);

// The operation's families, easiest first (smaller numbers first): the order
// new facts are brought in.
QList<FactFamily> factFamilies(Operation operation);
// The one or two facts of a family (one when both numbers are the same, or
// for 0 / b, whose twin would divide by 0).
QList<Fact> familyFacts(const FactFamily &family);
// The family a problem belongs to; none for a problem that is not a fact.
std::optional<FactFamily> familyOf(Operation operation, double first, double second);
// The fact without its answer: "7 × 8".
QString writtenSum(const Fact &fact);
// The problem as a fact with its answer; none for a problem that is not a
// fact.
std::optional<Fact> factOf(Operation operation, double first, double second);
// The fact as the eye reads it: "7 × 8 = 56", "9 − 4 = 5", "56 ÷ 8 = 7".
QString writtenFact(const Fact &fact);

// The boxes a family moves through, and the days until it is asked again
// from each.
inline constexpr int BoxCount = 6;
inline constexpr std::array<int, BoxCount> BoxGapDays = { 0, 1, 3, 7, 14, 30 };
// Quick right answers on this many different days make a fact known.
inline constexpr int DaysToKnow = 3;
// A fact missed this often since it was last known needs a teacher's help.
inline constexpr int MissesToFlag = 6;
// After a miss a fact comes back this often within the session; missed this
// often in one day, it is left until the next practice day.
inline constexpr int ComebacksAfterMiss = 2;
inline constexpr int MissesToLeaveForTheDay = 2;

// What is known of one family for one pupil. Days are the local calendar's.
struct FactCard
{
    FactFamily family;
    int box = 0;
    QDate due; // first day it is asked again
    QDate firstSeen; // invalid: never asked
    QDate lastSeen;
    int quickDays = 0; // different days with a quick right answer since the last miss
    QDate lastQuickDay;
    int misses = 0; // every wrong answer
    int answers = 0; // every answer
    int missesSinceKnown = 0; // wrong answers anywhere since the fact was last known
    int dayMisses = 0; // wrong answers on lastSeen's day
    int comebacksOwed = 0; // times a missed fact is still to come back this session

    bool seen() const { return firstSeen.isValid(); }
    bool known() const { return quickDays >= DaysToKnow; }
    bool needsTeaching() const { return missesSinceKnown >= MissesToFlag; }
    bool isDue(const QDate &day) const { return seen() && due <= day; }
    // Missed too often today to be asked again before the next practice day.
    bool isLeftForDay(const QDate &day) const
    {
        return lastSeen == day && dayMisses >= MissesToLeaveForTheDay;
    }
};

// Moves a card for one answer on `day`. Right and quick: up one box, once a
// day and only when the fact was due (or new), so asking early does not skip
// boxes. Wrong: back to box 1, due the next day, and owed its comebacks.
// Right but slow: it stays. Only an answer on or after the due day sets the
// next one: an early answer keeps the fact's place.
void applyAnswer(FactCard &card, bool right, bool quick, const QDate &day);
// The box a fact in `box` climbs to when recalled quickly on or after its
// due day, `daysAway` days after it was last asked: one up, or two when the
// gap was as long as the box above's.
int boxAfterRecall(int box, qint64 daysAway);
// Counts a miss to the fact given outside My Facts (a level's practice or a
// game): the fact is no longer known, but its place is kept.
void countMissElsewhere(FactCard &card);

// One answer of a pupil's, with the quick-answer time in force when it was
// given.
struct LoggedAnswer
{
    Attempt attempt;
    int quickSeconds = 3;
};
// The cards a pupil's answers make, given oldest first, as practice moved
// them one answer at a time: the same on every computer that holds the same
// answers. Days are the local calendar's.
QList<FactCard> cardsFromAnswers(const QList<LoggedAnswer> &answers);

// The pupil's weakest families first: lowest box, then most missed, then
// longest unseen. Unseen families are left out.
QList<FactCard> weakestFirst(QList<FactCard> cards);

// Which fact of one operation to ask next, for one pupil. A round is a day's
// practice: due facts first (those still being learnt the latest seen
// first); new facts whenever fewer than WorkingSet facts
// are still being learnt and the pupil's recent answers are mostly right (and
// one a day whatever; once nothing is due, up to twice as many for a pupil
// who misses little); each new or unknown fact among about KnownPerUnknown
// known ones; a missed fact again within RetryWithin problems, once more
// within ComeBackAgainWithin, and (from box 1) on the next day, the family's
// other fact when it has one. With nothing due and no new fact to bring in,
// the facts seen longest ago.
class FactSchedule
{
public:
    // Facts new or in the lowest boxes, not yet right and quick twice in a
    // row, that the pupil works on at a time.
    static constexpr int WorkingSet = 5;
    // The latest answers to facts seen before that set the pace.
    static constexpr int PaceAnswers = 20;
    static constexpr int KnownPerUnknown = 2;
    // New facts come while fewer of the latest answers than this share
    // were misses.
    static constexpr double MissShareForNew = 0.4;
    // A fact is asked at most this often a day beyond its comebacks, so
    // none takes over a short session.
    static constexpr int MostAskedADay = 2;
    // A day's first new fact comes after at most this many due ones.
    static constexpr int FirstNewAfter = 7;
    static constexpr int RetryWithin = 3;
    static constexpr int ComeBackAgainWithin = 10;

    // `cards` are what is kept for the operation's families; families not
    // among them are new.
    FactSchedule(Operation operation, const QList<FactCard> &cards);

    Operation operation() const { return m_operation; }
    // The fact to ask next on `day`.
    Fact next(const QDate &day);
    // Counts the answer to `fact` given on `day` and returns its family's card
    // as it now stands, to be kept.
    FactCard answer(const Fact &fact, bool right, bool quick, const QDate &day);

    // Every family of the operation, asked or not, in the order new ones are
    // brought in.
    QList<FactCard> cards() const;
    const FactCard &card(const FactFamily &family) const;
    // The card as it was kept, which another copy of the program may have
    // moved too, in place of the one worked out here.
    void takeKept(const FactCard &card);

private:
    void startRound(const QDate &day);
    bool mayBringIn(bool nothingDue) const;
    bool broughtInToday() const;
    bool isBeingLearnt(const FactCard &card) const;
    Fact factToAsk(const FactCard &card) const;
    bool recentlyAsked(const FactFamily &family) const;
    int seenCount() const;
    // The family waiting to come back now, if any.
    std::optional<FactFamily> comebackNow() const;
    void planComebacks(const FactCard &card);
    // The seen family asked longest ago in this run, or never.
    const FactCard *longestUnasked() const;

    Operation m_operation;
    QList<FactFamily> m_order;
    QHash<FactFamily, FactCard> m_cards;
    // The round's day, and the latest answers to facts seen before: missed
    // or not, the latest last.
    QDate m_day;
    int m_answersToday = 0;
    QList<bool> m_paceMisses;
    // Right and quick answers in a row in this run, by family.
    QHash<FactFamily, int> m_streaks;
    // Problems asked since the last unknown fact.
    int m_sinceUnknown = KnownPerUnknown;
    // Counts every problem asked; missed facts wait for their number here,
    // the first comeback in a queue of its own so that none is late.
    qint64 m_asked = 0;
    QMultiMap<qint64, FactFamily> m_firstComebacks;
    QMultiMap<qint64, FactFamily> m_laterComebacks;
    QList<FactFamily> m_recent; // the latest first
    QHash<FactFamily, qint64> m_lastAsked; // by the count of problems asked
    QHash<FactFamily, int> m_askedToday;
};

} // namespace tutor
