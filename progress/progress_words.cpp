#include "progress/progress_words.h"

#include "base/invisible_characters.h"
#include "base/language.h"
#include "progress/progress_stats.h"
#include "rules/fact_schedule.h"
#include "rules/operations.h"

#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace progress {

namespace {

// The context these words are translated in.
class ProgressWords
{
    Q_DECLARE_TR_FUNCTIONS(ProgressWords)
};

const QString Missing = u"\u2013"_s; // en dash: no figure

// A fact such as "7 × 8" reads left to right in every language: in a
// right-to-left one it is kept apart (left-to-right isolate), or its
// numbers would swap places.
QString leftToRight(const QString &fact)
{
    return QGuiApplication::isRightToLeft() ? u"\u2066"_s + fact + u"\u2069"_s : fact;
}

// A grid cell's fact without its answer: "7 × 8".
QString cellFact(tutor::Operation operation, int first, int second)
{
    return leftToRight(u"%1 %2 %3"_s.arg(first).arg(tutor::writtenSign(operation)).arg(second));
}

// Right and answers of the days before the last week, within the month.
Tally earlierWeeks(const OperationProgress &operation)
{
    Tally earlier;
    earlier.answers = qMax(0, operation.lastMonth.answers - operation.lastWeek.answers);
    earlier.right = qMax(0, operation.lastMonth.right - operation.lastWeek.right);
    return earlier;
}

QString dayText(const QDate &day)
{
    //: How the day is written inside a sentence, as a QDate format: "d MMMM" gives
    //: "8 December". German "d. MMMM", Spanish and Portuguese "d 'de' MMMM".
    return language::spokenLocale().toString(day, ProgressWords::tr("d MMMM", "day and month"));
}

// A whole percentage's figure in the language's digits.
QString percentFigure(int percent)
{
    return language::spokenLocale().toString(percent);
}

QList<const DayProgress *> practisedDays(const QList<DayProgress> &days)
{
    QList<const DayProgress *> practised;
    for (const DayProgress &day : days) {
        if (day.tally.answers > 0)
            practised.append(&day);
    }
    return practised;
}

QString dayCount(qsizetype days)
{
    //: Only after "on", as in "practised on 3 days": write the count in the
    //: form that "on" asks for (German "an 3 Tagen").
    return ProgressWords::tr("%n days", nullptr, int(days));
}

} // namespace

QString operationInSentence(tutor::Operation operation)
{
    switch (operation) {
    case tutor::Operation::Addition:
        //: The operation's name inside a sentence, as in "not among the addition facts".
        return ProgressWords::tr("addition");
    case tutor::Operation::Subtraction:
        //: The operation's name inside a sentence.
        return ProgressWords::tr("subtraction");
    case tutor::Operation::Multiplication:
        //: The operation's name inside a sentence.
        return ProgressWords::tr("multiplication");
    case tutor::Operation::Division:
        //: The operation's name inside a sentence.
        return ProgressWords::tr("division");
    }
    return QString();
}

QString factStateName(FactState state)
{
    switch (state) {
    case FactState::NotSeen:
        //: The facts grid's legend: a fact (or a fact and its twin) never asked.
        return ProgressWords::tr("Not asked yet", "legend");
    case FactState::WrongLately:
        //: The facts grid's legend: the latest answer was wrong.
        return ProgressWords::tr("Missed lately", "legend");
    case FactState::RightButSlow:
        //: The facts grid's legend: asked, the latest answer right, not yet known.
        return ProgressWords::tr("Learning", "legend");
    case FactState::RightAndQuick:
        //: The facts grid's legend: right and quick, or in the last box of My Facts.
        return ProgressWords::tr("Known", "legend");
    }
    return QString();
}

namespace {

// The same inside a sentence: "7 × 8: missed lately."; a fact answered
// right says whether it was quick.
QString stateInSentence(FactState state)
{
    switch (state) {
    case FactState::NotSeen:
        // The words of a family never asked.
        return boxInSentence(-1);
    case FactState::WrongLately:
        //: A fact's state inside a sentence: "7 × 8: missed lately."
        return ProgressWords::tr("missed lately");
    case FactState::RightButSlow:
        //: A fact's state inside a sentence.
        return ProgressWords::tr("right but slow");
    case FactState::RightAndQuick:
        //: A fact's state inside a sentence.
        return ProgressWords::tr("right and quick");
    }
    return QString();
}

} // namespace

std::optional<int> percentRight(const Tally &tally)
{
    if (tally.answers <= 0)
        return std::nullopt;
    return int(std::lround(100.0 * tally.right / tally.answers));
}

QString percentPattern()
{
    //: A share right in whole percent, also beside the chart's axis.
    return ProgressWords::tr("%1 %");
}

QString percentText(const Tally &tally)
{
    const std::optional<int> percent = percentRight(tally);
    return percent ? percentPattern().arg(percentFigure(*percent)) : Missing;
}

namespace {

// Seconds to a tenth, as the language spoken writes them: "2.4", "2,4".
QString secondsFigure(qint64 millis)
{
    return language::spokenLocale().toString(double(millis) / 1000.0, 'f', 1);
}

} // namespace

QString secondsPattern()
{
    //: Seconds, shortened; also beside the chart's axis.
    return ProgressWords::tr("%1 s");
}

QString secondsText(std::optional<qint64> millis)
{
    if (!millis)
        return Missing;
    return secondsPattern().arg(secondsFigure(*millis));
}

QString secondsWords(std::optional<qint64> millis)
{
    if (!millis)
        return QString();
    // The figure always has a tenth, "1.0": its form follows the whole
    // seconds, for a language that puts a figure below 2 in the singular.
    //: %1 is a figure with one decimal: "1.0", "2.4"; the form is chosen by its
    //: whole part (1 for "1.5"). Where a decimal figure takes the plural ("1,0
    //: Sekunden"), give the plural in every form.
    return ProgressWords::tr("%1 seconds", nullptr, int(*millis / 1000))
        .arg(secondsFigure(*millis));
}

QString dateText(const QDateTime &moment)
{
    if (!moment.isValid())
        //: When a pupil last practised: never.
        return ProgressWords::tr("never");
    const QDate day = moment.toLocalTime().date();
    return language::spokenLanguage() == u"en"_s
        ? day.toString(Qt::ISODate)
        : language::spokenLocale().toString(day, QLocale::ShortFormat);
}

QString tallyCell(const Tally &tally)
{
    if (tally.answers <= 0)
        //: A table cell: no answers in that time.
        return ProgressWords::tr("none");
    return u"%1 \u00b7 %2 \u00b7 %3"_s.arg(tally.answers)
        .arg(percentText(tally), secondsText(tally.medianMillis));
}

QString tallySentence(const QString &span, const Tally &tally)
{
    //: %1 is a time: "Today", "Last 7 days".
    if (tally.answers <= 0)
        return ProgressWords::tr("%1: no answers.").arg(span);
    const QString percent = percentText(tally);
    const int n = tally.answers;
    if (!tally.medianMillis)
        return ProgressWords::tr("%1: %n answers, %2 right.", nullptr, n).arg(span, percent);
    const QString median = secondsWords(tally.medianMillis);
    //: %1 is a time: "Today"; %2 a share: "85 %"; %3 seconds: "2.4 seconds".
    return ProgressWords::tr("%1: %n answers, %2 right, median %3.", nullptr, n)
        .arg(span, percent, median);
}

QString weekSentence(const OperationProgress &operation)
{
    const QString name = tutor::operationName(operation.operation);
    const std::optional<int> week = percentRight(operation.lastWeek);
    const std::optional<int> before = percentRight(earlierWeeks(operation));
    //: %1 is an operation: "Multiplication".
    if (!week && !before)
        return ProgressWords::tr("%1: no answers in the last 30 days.").arg(name);
    if (!week) {
        return ProgressWords::tr("%1: no answers this week, %2 % right in the weeks before.")
            .arg(name)
            .arg(percentFigure(*before));
    }
    if (!before)
        return ProgressWords::tr("%1: %2 % right this week.").arg(name).arg(percentFigure(*week));
    if (*week > *before) {
        return ProgressWords::tr("%1: %2 % right this week, up from %3 %.")
            .arg(name)
            .arg(percentFigure(*week))
            .arg(percentFigure(*before));
    }
    if (*week < *before) {
        return ProgressWords::tr("%1: %2 % right this week, down from %3 %.")
            .arg(name)
            .arg(percentFigure(*week))
            .arg(percentFigure(*before));
    }
    return ProgressWords::tr("%1: %2 % right this week, the same as the weeks before.")
        .arg(name)
        .arg(percentFigure(*week));
}

QString shareChartSentence(const QList<DayProgress> &days)
{
    const QList<const DayProgress *> practised = practisedDays(days);
    if (practised.isEmpty())
        return ProgressWords::tr("Share right per day over the last 30 days: no practice yet.");
    int lowest = 100;
    int highest = 0;
    for (const DayProgress *day : practised) {
        const int percent = *percentRight(day->tally);
        lowest = qMin(lowest, percent);
        highest = qMax(highest, percent);
    }
    const DayProgress *latest = practised.last();
    //: Shares right: "85 % each day".
    QString range = lowest == highest
        ? ProgressWords::tr("%1 % each day").arg(percentFigure(lowest))
        //: Shares right: "from 60 % to 85 %".
        : ProgressWords::tr("from %1 % to %2 %").arg(percentFigure(lowest), percentFigure(highest));
    //: %1 is a count of days: "3 days"; %2 the shares: "from 60 % to 85 %"; %3 a share;
    //: %4 a day: "8 December".
    return ProgressWords::tr(
        "Share right per day over the last 30 days: practised on %1, %2, latest %3 on %4.")
        .arg(dayCount(practised.size()), range, percentText(latest->tally), dayText(latest->day));
}

QString medianChartSentence(const QList<DayProgress> &days)
{
    QList<const DayProgress *> timed;
    for (const DayProgress *day : practisedDays(days)) {
        if (day->tally.medianMillis)
            timed.append(day);
    }
    if (timed.isEmpty())
        return ProgressWords::tr("Median time per day over the last 30 days: no practice yet.");
    qint64 lowest = *timed.first()->tally.medianMillis;
    qint64 highest = lowest;
    for (const DayProgress *day : std::as_const(timed)) {
        lowest = qMin(lowest, *day->tally.medianMillis);
        highest = qMax(highest, *day->tally.medianMillis);
    }
    const DayProgress *latest = timed.last();
    //: Times: "2.4 seconds each day".
    const QString range = lowest == highest
        ? ProgressWords::tr("%1 each day").arg(secondsWords(lowest))
        //: Times: "from 2.4 seconds to 5.0 seconds".
        : ProgressWords::tr("from %1 to %2").arg(secondsWords(lowest), secondsWords(highest));
    //: %1 is a count of days: "3 days"; %2 the times: "from 2.4 seconds to 5.0 seconds";
    //: %3 a time; %4 a day: "8 December".
    return ProgressWords::tr(
        "Median time per day over the last 30 days: practised on %1, %2, latest %3 on %4.")
        .arg(dayCount(timed.size()), range, secondsWords(latest->tally.medianMillis),
            dayText(latest->day));
}

QString shortDayText(const QDate &day)
{
    //: A day under a chart, as a QDate format: "d MMM" gives "8 Dec". German "d. MMM".
    return language::spokenLocale().toString(day, ProgressWords::tr("d MMM", "day and month"));
}

QString nameInText(const QString &name)
{
    const QString visible = tutor::withoutInvisibleCharacters(name);
    for (const QChar c : visible) {
        const QChar::Direction direction = c.direction();
        if (direction == QChar::DirR || direction == QChar::DirAL)
            return u"\u2068"_s + visible + u"\u2069"_s;
    }
    return visible;
}

std::array<int, 4> factCounts(const FactGrid &grid)
{
    std::array<int, 4> counts {};
    if (grid.byBox) {
        for (const tutor::FactFamily &family : tutor::factFamilies(grid.operation))
            ++counts.at(std::size_t(cellState(grid, family.low, family.high)));
        return counts;
    }
    for (const auto &row : grid.cells) {
        for (const FactState state : row)
            ++counts.at(std::size_t(state));
    }
    return counts;
}

QString factsSentence(const FactGrid &grid)
{
    constexpr int MostListed = 10;
    const std::array<int, 4> counts = factCounts(grid);
    const auto count = [&counts](FactState state) { return counts.at(std::size_t(state)); };
    //: How many facts are known, inside a sentence.
    const QString known = ProgressWords::tr("%n known", "facts", count(FactState::RightAndQuick));
    //: How many facts are being learnt (asked, the latest answer right, not yet known),
    //: inside a sentence.
    const QString learning
        = ProgressWords::tr("%n learning", "facts", count(FactState::RightButSlow));
    //: How many facts were missed lately, inside a sentence.
    const QString missed
        = ProgressWords::tr("%n missed lately", "facts", count(FactState::WrongLately));
    //: How many facts were not asked yet, inside a sentence.
    const QString notAsked
        = ProgressWords::tr("%n not asked yet", "facts", count(FactState::NotSeen));

    QString sentence;
    QStringList wrong;
    if (grid.byBox) {
        //: %1 is an operation: "Multiplication"; %2 to %5 count its families (a fact and
        //: its twin) as the grid's legend: "3 known", "2 learning", "1 missed lately",
        //: "60 not asked yet".
        sentence = ProgressWords::tr("%1 facts in My Facts, a fact and its turned-round twin "
                                     "counted once: %2, %3, %4, %5.")
                       .arg(operationName(grid.operation), known, learning, missed, notAsked);
        for (const tutor::FactFamily &family : tutor::factFamilies(grid.operation)) {
            if (cellState(grid, family.low, family.high) == FactState::WrongLately)
                wrong << familyText(family);
        }
    } else {
        //: %1 is an operation: "Multiplication"; %2 to %5 count the facts as the grid's
        //: legend: "3 known", "2 learning", "1 missed lately", "163 not asked yet".
        sentence = ProgressWords::tr("%1 facts 0 to 12: %2, %3, %4, %5.")
                       .arg(operationName(grid.operation), known, learning, missed, notAsked);
        for (int first = 0; first < 13; ++first) {
            for (int second = 0; second < 13; ++second) {
                if (grid.cells.at(first).at(second) == FactState::WrongLately)
                    wrong << cellFact(grid.operation, first, second);
            }
        }
    }
    if (!wrong.isEmpty()) {
        const QString listed = wrong.mid(0, MostListed).join(u", "_s);
        //: %1 lists facts: "7 × 8, 6 × 9".
        sentence += u" "_s
            + (wrong.size() > MostListed
                    ? ProgressWords::tr("Missed lately: %1, and more.").arg(listed)
                    : ProgressWords::tr("Missed lately: %1.").arg(listed));
    }
    if (!grid.byBox)
        return sentence;
    // 3 and 4 make a family in every operation.
    const tutor::FactFamily example { grid.operation, 3, 4 };
    //: %1 is a fact: "3 × 4".
    return sentence + u" "_s
        + ProgressWords::tr("Rows and columns are a fact's two parts: %1 is at 3 and 4.")
              .arg(familyText(example));
}

QString factSentence(tutor::Operation operation, int first, int second, FactState state)
{
    const QString fact = cellFact(operation, first, second);
    //: %1 is a fact: "7 × 8"; %2 its state: "wrong lately".
    return ProgressWords::tr("%1: %2.").arg(fact, stateInSentence(state));
}

QString boxInSentence(int box)
{
    switch (box) {
    case 0:
        //: A box's name inside a sentence: "7 × 8 and 8 × 7: new."
        return ProgressWords::tr("new", "box");
    case 1:
        //: A box's name inside a sentence: "7 × 8 and 8 × 7: learning."
        return ProgressWords::tr("learning", "box");
    case 2:
        //: A box's name inside a sentence.
        return ProgressWords::tr("practising", "box");
    case 3:
        //: A box's name inside a sentence.
        return ProgressWords::tr("getting quick", "box");
    case 4:
        //: A box's name inside a sentence.
        return ProgressWords::tr("quick", "box");
    case 5:
        //: A box's name inside a sentence.
        return ProgressWords::tr("known", "box");
    default:
        break;
    }
    //: A box's name inside a sentence.
    return ProgressWords::tr("not asked yet", "box");
}

namespace {

// A fact and its twin in their box, each sentence whole, so that the box's
// word can agree with the two facts.
QString pairInBox(int box)
{
    switch (box) {
    case 0:
        //: %1 and %2 are a fact and its twin: "7 × 8", "8 × 7". The box's word describes both.
        return ProgressWords::tr("%1 and %2: new.");
    case 1:
        //: %1 and %2 are a fact and its twin: "7 × 8", "8 × 7".
        return ProgressWords::tr("%1 and %2: learning.");
    case 2:
        //: %1 and %2 are a fact and its twin: "7 × 8", "8 × 7".
        return ProgressWords::tr("%1 and %2: practising.");
    case 3:
        //: %1 and %2 are a fact and its twin: "7 × 8", "8 × 7".
        return ProgressWords::tr("%1 and %2: getting quick.");
    case 4:
        //: %1 and %2 are a fact and its twin: "7 × 8", "8 × 7".
        return ProgressWords::tr("%1 and %2: quick.");
    case 5:
        //: %1 and %2 are a fact and its twin: "7 × 8", "8 × 7".
        return ProgressWords::tr("%1 and %2: known.");
    default:
        break;
    }
    //: %1 and %2 are a fact and its twin: "7 × 8", "8 × 7".
    return ProgressWords::tr("%1 and %2: not asked yet.");
}

} // namespace

QString familyText(const tutor::FactFamily &family)
{
    const QList<tutor::Fact> facts = tutor::familyFacts(family);
    return facts.isEmpty() ? QString() : leftToRight(tutor::writtenSum(facts.first()));
}

QString familiesText(const QList<tutor::FactFamily> &families)
{
    QStringList texts;
    for (const tutor::FactFamily &family : families)
        texts << familyText(family);
    return texts.join(u", "_s);
}

QString boxSentence(tutor::Operation operation, int row, int column, int box, bool missed)
{
    const tutor::FactFamily family { operation, qint16(qMin(row, column)),
        qint16(qMax(row, column)) };
    const QList<tutor::FactFamily> families = tutor::factFamilies(operation);
    if (!families.contains(family)) {
        //: %1 and %2 are numbers; %3 an operation inside a sentence: "multiplication".
        return ProgressWords::tr("%1 and %2: not among the %3 facts.")
            .arg(row)
            .arg(column)
            .arg(operationInSentence(operation));
    }
    QStringList facts;
    for (const tutor::Fact &fact : tutor::familyFacts(family))
        facts << leftToRight(tutor::writtenSum(fact));
    if (missed && facts.size() == 2) {
        //: %1 and %2 are a fact and its twin: "7 × 8", "8 × 7"; the latest answer to one
        //: of them was wrong.
        return ProgressWords::tr("%1 and %2: missed lately.").arg(facts.at(0), facts.at(1));
    }
    if (missed)
        return ProgressWords::tr("%1: %2.").arg(
            facts.join(u", "_s), stateInSentence(FactState::WrongLately));
    if (facts.size() == 2)
        return pairInBox(box).arg(facts.at(0), facts.at(1));
    return ProgressWords::tr("%1: %2.").arg(facts.join(u", "_s), boxInSentence(box));
}

} // namespace progress
