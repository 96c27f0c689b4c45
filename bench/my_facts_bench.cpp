// How many questions a pupil needs to learn the multiplication facts with
// My Facts, against drawing every question at random, for a simulated
// learner that is fixed here so that only the schedule can be tuned.
//
// Every fact family has a memory strength S in days (0 when never seen). A
// family last seen dt days ago is answered right with probability
// exp(-dt / S) (0 when S = 0), and quickly when that probability is above
// 0.8. After each question S becomes max(1, 2.5 S) when right and 0.5 when
// wrong (the right answer was shown). 50 questions a day, one round a day.
// Learned: 90 % of the 91 families would be answered right the next day
// with probability 0.9 or more.

#include "rules/fact_schedule.h"

#include <QDate>
#include <QHash>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>

namespace {

using tutor::Fact;
using tutor::FactFamily;
using tutor::Operation;

constexpr int QuestionsPerDay = 50;
constexpr int Seeds = 20;
constexpr double SecondsPerQuestion = 10;
constexpr long long GiveUpAfter = 200000;

struct Memory
{
    double strength = 0; // days
    double lastSeen = 0; // days since the start
};

class Learner
{
public:
    explicit Learner(std::mt19937_64 &random)
        : m_random(random)
    { }

    struct Answer
    {
        bool right = false;
        bool quick = false;
    };

    Answer answer(const FactFamily &family, double now)
    {
        Memory &memory = m_memory[family];
        const double chance
            = memory.strength > 0 ? std::exp(-(now - memory.lastSeen) / memory.strength) : 0.0;
        const bool right = std::uniform_real_distribution<double>(0, 1)(m_random) < chance;
        memory.strength = right ? std::max(1.0, 2.5 * memory.strength) : 0.5;
        memory.lastSeen = now;
        return { right, right && chance > 0.8 };
    }

    bool learned(const QList<FactFamily> &families, double nextDay) const
    {
        int sure = 0;
        for (const FactFamily &family : families) {
            const Memory memory = m_memory.value(family);
            if (memory.strength > 0
                && std::exp(-(nextDay - memory.lastSeen) / memory.strength) >= 0.9)
                ++sure;
        }
        return sure * 10 >= int(families.size()) * 9;
    }

private:
    std::mt19937_64 &m_random;
    QHash<FactFamily, Memory> m_memory;
};

struct Run
{
    long long questions = 0;
    long long retriesLate = 0; // missed facts not asked again within 3 problems
};

// Asks `pick`'s facts, 50 a day, until the learner has learned them all.
Run learn(unsigned seed, const std::function<Fact(const QDate &)> &pick,
    const std::function<void(const Fact &, bool, bool, const QDate &)> &told)
{
    std::mt19937_64 random(seed);
    Learner learner(random);
    const QList<FactFamily> families = tutor::factFamilies(Operation::Multiplication);
    const QDate firstDay(2026, 1, 5);
    Run run;
    QList<std::pair<Fact, long long>> missed;
    for (int day = 0; run.questions < GiveUpAfter; ++day) {
        const QDate date = firstDay.addDays(day);
        // A fact missed twice in a day is left for the day.
        QHash<FactFamily, int> missesToday;
        for (int asked = 0; asked < QuestionsPerDay; ++asked) {
            const Fact fact = pick(date);
            const auto family = tutor::familyOf(fact.operation, fact.first, fact.second);
            missed.removeIf([&](const std::pair<Fact, long long> &miss) {
                // The twin coming back counts.
                if (tutor::familyOf(miss.first.operation, miss.first.first, miss.first.second)
                    == family)
                    return true;
                if (run.questions - miss.second >= tutor::FactSchedule::RetryWithin) {
                    ++run.retriesLate;
                    return true;
                }
                return false;
            });
            const double now = day + asked * SecondsPerQuestion / 86400;
            const Learner::Answer answer = learner.answer(*family, now);
            if (!answer.right && ++missesToday[*family] < tutor::MissesToLeaveForTheDay)
                missed.append({ fact, run.questions });
            ++run.questions;
            if (told)
                told(fact, answer.right, answer.quick, date);
            if (learner.learned(families, day + 1))
                return run;
        }
    }
    return run;
}

Run withMyFacts(unsigned seed)
{
    tutor::FactSchedule schedule(Operation::Multiplication, {});
    return learn(
        seed, [&schedule](const QDate &day) { return schedule.next(day); },
        [&schedule](const Fact &fact, bool right, bool quick, const QDate &day) {
            schedule.answer(fact, right, quick, day);
        });
}

Run atRandom(unsigned seed)
{
    std::mt19937_64 draw(seed ^ 0x5eedU);
    std::uniform_int_distribution<int> number(0, tutor::LargestFactor);
    return learn(seed,
        [&](const QDate &) {
            const auto first = qint16(number(draw));
            const auto second = qint16(number(draw));
            return Fact { Operation::Multiplication, first, second, qint16(first * second) };
        },
        {});
}

} // namespace

int main()
{
    const auto started = std::chrono::steady_clock::now();
    double myFacts = 0;
    double random = 0;
    long long late = 0;
    bool allLearned = true;
    for (unsigned seed = 1; seed <= Seeds; ++seed) {
        const Run mine = withMyFacts(seed);
        const Run drawn = atRandom(seed);
        allLearned = allLearned && mine.questions < GiveUpAfter && drawn.questions < GiveUpAfter;
        myFacts += double(mine.questions) / Seeds;
        random += double(drawn.questions) / Seeds;
        late += mine.retriesLate;
    }
    const double fewer = 1 - myFacts / random;
    const double seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf(
        "My Facts, simulated learner, multiplication 0-12, %d seeds (%.1f s)\n", Seeds, seconds);
    std::printf("  questions until 90 %% of the 91 facts are learned:\n");
    std::printf("    My Facts          %8.0f\n", myFacts);
    std::printf("    drawn at random   %8.0f\n", random);
    std::printf("  My Facts needs %.0f %% fewer (goal: at least 30 %%)\n", 100 * fewer);
    std::printf("  missed facts not asked again within %d problems: %lld (goal: 0)\n",
        tutor::FactSchedule::RetryWithin, late);
    const bool met = allLearned && fewer >= 0.30 && late == 0;
    std::printf("  %s\n", met ? "goal met" : "GOAL NOT MET");
    return met ? 0 : 1;
}
