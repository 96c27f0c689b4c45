#include "progress/progress_words.h"

#include "base/invisible_characters.h"
#include "rules/fact_schedule.h"

#include <QDate>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace progress {

namespace {

const QString Missing = u"\u2013"_s; // en dash: no figure

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
    return QLocale().toString(day, u"d MMMM"_s);
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
    return days == 1 ? u"1 day"_s : u"%1 days"_s.arg(days);
}

} // namespace

QString operationName(tutor::Operation operation)
{
    switch (operation) {
    case tutor::Operation::Addition:
        return u"Addition"_s;
    case tutor::Operation::Subtraction:
        return u"Subtraction"_s;
    case tutor::Operation::Multiplication:
        return u"Multiplication"_s;
    case tutor::Operation::Division:
        return u"Division"_s;
    }
    return QString();
}

QString factStateName(FactState state)
{
    switch (state) {
    case FactState::NotSeen:
        return u"Not seen"_s;
    case FactState::WrongLately:
        return u"Wrong lately"_s;
    case FactState::RightButSlow:
        return u"Right but slow"_s;
    case FactState::RightAndQuick:
        return u"Right and quick"_s;
    }
    return QString();
}

std::optional<int> percentRight(const Tally &tally)
{
    if (tally.answers <= 0)
        return std::nullopt;
    return int(std::lround(100.0 * tally.right / tally.answers));
}

QString percentText(const Tally &tally)
{
    const std::optional<int> percent = percentRight(tally);
    return percent ? u"%1 %"_s.arg(*percent) : Missing;
}

QString secondsText(std::optional<qint64> millis)
{
    if (!millis)
        return Missing;
    return QLocale().toString(double(*millis) / 1000.0, 'f', 1) + u" s"_s;
}

QString secondsWords(std::optional<qint64> millis)
{
    if (!millis)
        return QString();
    const QString figure = QLocale().toString(double(*millis) / 1000.0, 'f', 1);
    return figure + (*millis == 1000 ? u" second"_s : u" seconds"_s);
}

QString dateText(const QDateTime &moment)
{
    if (!moment.isValid())
        return u"never"_s;
    return moment.toLocalTime().date().toString(Qt::ISODate);
}

QString tallyCell(const Tally &tally)
{
    if (tally.answers <= 0)
        return u"none"_s;
    return u"%1 \u00b7 %2 \u00b7 %3"_s.arg(tally.answers)
        .arg(percentText(tally), secondsText(tally.medianMillis));
}

QString tallySentence(const QString &span, const Tally &tally)
{
    if (tally.answers <= 0)
        return span + u": no answers."_s;
    QString sentence = span + u": "_s
        + (tally.answers == 1 ? u"1 answer"_s : u"%1 answers"_s.arg(tally.answers)) + u", "_s
        + percentText(tally) + u" right"_s;
    if (tally.medianMillis)
        sentence += u", median "_s + secondsWords(tally.medianMillis);
    return sentence + u"."_s;
}

QString weekSentence(const OperationProgress &operation)
{
    const QString name = operationName(operation.operation);
    const std::optional<int> week = percentRight(operation.lastWeek);
    const std::optional<int> before = percentRight(earlierWeeks(operation));
    if (!week && !before)
        return name + u": no answers in the last 30 days."_s;
    if (!week)
        return name + u": no answers this week, %1 % right in the weeks before."_s.arg(*before);
    const QString start = name + u": %1 % right this week"_s.arg(*week);
    if (!before)
        return start + u"."_s;
    if (*week > *before)
        return start + u", up from %1 %."_s.arg(*before);
    if (*week < *before)
        return start + u", down from %1 %."_s.arg(*before);
    return start + u", the same as the weeks before."_s;
}

QString shareChartSentence(const QList<DayProgress> &days)
{
    const QString start = u"Share right per day over the last 30 days: "_s;
    const QList<const DayProgress *> practised = practisedDays(days);
    if (practised.isEmpty())
        return start + u"no practice yet."_s;
    int lowest = 100;
    int highest = 0;
    for (const DayProgress *day : practised) {
        const int percent = *percentRight(day->tally);
        lowest = qMin(lowest, percent);
        highest = qMax(highest, percent);
    }
    const DayProgress *latest = practised.last();
    QString range = lowest == highest ? u"%1 % each day"_s.arg(lowest)
                                      : u"from %1 % to %2 %"_s.arg(lowest).arg(highest);
    return start + u"practised on "_s + dayCount(practised.size()) + u", "_s + range
        + u", latest "_s + percentText(latest->tally) + u" on "_s + dayText(latest->day) + u"."_s;
}

QString medianChartSentence(const QList<DayProgress> &days)
{
    const QString start = u"Median time per day over the last 30 days: "_s;
    QList<const DayProgress *> timed;
    for (const DayProgress *day : practisedDays(days)) {
        if (day->tally.medianMillis)
            timed.append(day);
    }
    if (timed.isEmpty())
        return start + u"no practice yet."_s;
    qint64 lowest = *timed.first()->tally.medianMillis;
    qint64 highest = lowest;
    for (const DayProgress *day : std::as_const(timed)) {
        lowest = qMin(lowest, *day->tally.medianMillis);
        highest = qMax(highest, *day->tally.medianMillis);
    }
    const DayProgress *latest = timed.last();
    const QString range = lowest == highest
        ? QString(secondsWords(lowest) + u" each day"_s)
        : QString(u"from "_s + secondsWords(lowest) + u" to "_s + secondsWords(highest));
    return start + u"practised on "_s + dayCount(timed.size()) + u", "_s + range + u", latest "_s
        + secondsWords(latest->tally.medianMillis) + u" on "_s + dayText(latest->day) + u"."_s;
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

namespace {

// The operation's families by their two numbers, as a grid by box holds them.
int boxOf(const FactGrid &grid, const tutor::FactFamily &family)
{
    return grid.boxes.at(std::size_t(family.low)).at(std::size_t(family.high));
}

QString boxesSentence(const FactGrid &grid)
{
    const QList<tutor::FactFamily> families = tutor::factFamilies(grid.operation);
    std::array<int, tutor::BoxCount> counts {};
    int asked = 0;
    for (const tutor::FactFamily &family : families) {
        const int box = boxOf(grid, family);
        if (box >= 0 && box < tutor::BoxCount) {
            ++counts.at(std::size_t(box));
            ++asked;
        }
    }
    QStringList boxes;
    for (int box = tutor::BoxCount - 1; box >= 0; --box) {
        if (counts.at(std::size_t(box)) > 0)
            boxes << u"%1 %2"_s.arg(counts.at(std::size_t(box))).arg(boxName(box).toLower());
    }
    QString sentence = operationName(grid.operation)
        + u" facts by box, a fact and its turned-round twin counted once: %1 of %2 asked"_s
              .arg(asked)
              .arg(families.size());
    if (!boxes.isEmpty())
        sentence += u", "_s + boxes.join(u", "_s);
    // 3 and 4 make a family in every operation.
    const tutor::FactFamily example { grid.operation, 3, 4 };
    return sentence
        + u". Rows and columns are a fact's two parts: %1 is at 3 and 4."_s.arg(
            familyText(example));
}

} // namespace

std::array<int, 4> factCounts(const FactGrid &grid)
{
    std::array<int, 4> counts {};
    for (const auto &row : grid.cells) {
        for (const FactState state : row)
            ++counts.at(std::size_t(state));
    }
    return counts;
}

QString factsSentence(const FactGrid &grid)
{
    if (grid.byBox)
        return boxesSentence(grid);
    constexpr int MostListed = 10;
    const std::array<int, 4> counts = factCounts(grid);
    const auto count = [&counts](FactState state) { return counts.at(std::size_t(state)); };
    QString sentence = operationName(grid.operation)
        + u" facts 0 to 12: %1 right and quick, %2 right but slow, %3 wrong lately, %4 not seen."_s
              .arg(count(FactState::RightAndQuick))
              .arg(count(FactState::RightButSlow))
              .arg(count(FactState::WrongLately))
              .arg(count(FactState::NotSeen));
    QStringList wrong;
    for (int first = 0; first < 13; ++first) {
        for (int second = 0; second < 13; ++second) {
            if (grid.cells.at(first).at(second) == FactState::WrongLately)
                wrong
                    << u"%1 %2 %3"_s.arg(first).arg(tutor::writtenSign(grid.operation)).arg(second);
        }
    }
    if (wrong.isEmpty())
        return sentence;
    const bool more = wrong.size() > MostListed;
    sentence += u" Wrong lately: "_s + wrong.mid(0, MostListed).join(u", "_s);
    return sentence + (more ? u", and more."_s : u"."_s);
}

QString factSentence(tutor::Operation operation, int first, int second, FactState state)
{
    return u"%1 %2 %3: %4."_s.arg(first)
        .arg(tutor::writtenSign(operation))
        .arg(second)
        .arg(factStateName(state).toLower());
}

QString boxName(int box)
{
    switch (box) {
    case 0:
        return u"New"_s;
    case 1:
        return u"Learning"_s;
    case 2:
        return u"Practising"_s;
    case 3:
        return u"Getting quick"_s;
    case 4:
        return u"Quick"_s;
    case 5:
        return u"Known"_s;
    default:
        break;
    }
    return u"Not asked yet"_s;
}

QString familyText(const tutor::FactFamily &family)
{
    const QList<tutor::Fact> facts = tutor::familyFacts(family);
    return facts.isEmpty() ? QString() : tutor::writtenSum(facts.first());
}

QString familiesText(const QList<tutor::FactFamily> &families)
{
    QStringList texts;
    for (const tutor::FactFamily &family : families)
        texts << familyText(family);
    return texts.join(u", "_s);
}

QString boxSentence(tutor::Operation operation, int row, int column, int box)
{
    const tutor::FactFamily family { operation, qint16(qMin(row, column)),
        qint16(qMax(row, column)) };
    const QList<tutor::FactFamily> families = tutor::factFamilies(operation);
    if (!families.contains(family)) {
        return u"%1 and %2: not among the %3 facts."_s.arg(row).arg(column).arg(
            operationName(operation).toLower());
    }
    QStringList facts;
    for (const tutor::Fact &fact : tutor::familyFacts(family))
        facts << tutor::writtenSum(fact);
    return facts.join(u" and "_s) + u": "_s + boxName(box).toLower() + u"."_s;
}

} // namespace progress
