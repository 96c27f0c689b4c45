#include "progress/export_fields.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

#include <cmath>
#include <cstdlib>

namespace progress {

namespace {

constexpr qint64 MillisPerDay = 24 * 3600 * 1000;
constexpr qint64 JulianDayOf1970 = 2440588;

// Writes `value` as `width` digits, zeros in front, at `at`.
char *digits(char *at, qint64 value, int width)
{
    for (int place = width - 1; place >= 0; --place) {
        at[place] = char('0' + value % 10);
        value /= 10;
    }
    return at + width;
}

void appendLocalTime(QByteArray &line, qint64 utcMillis, int offsetSeconds)
{
    const qint64 local = utcMillis + qint64(offsetSeconds) * 1000;
    qint64 day = local / MillisPerDay;
    if (local % MillisPerDay < 0)
        --day;
    const qint64 time = local - day * MillisPerDay;
    int year = 0;
    int month = 0;
    int dayOfMonth = 0;
    QDate::fromJulianDay(day + JulianDayOf1970).getDate(&year, &month, &dayOfMonth);
    if (year < 0 || year > 9999)
        return; // no such answer; ISO 8601 needs four digits
    char text[29];
    char *at = digits(text, year, 4);
    *at++ = '-';
    at = digits(at, month, 2);
    *at++ = '-';
    at = digits(at, dayOfMonth, 2);
    *at++ = 'T';
    at = digits(at, time / 3600000, 2);
    *at++ = ':';
    at = digits(at, time / 60000 % 60, 2);
    *at++ = ':';
    at = digits(at, time / 1000 % 60, 2);
    *at++ = '.';
    at = digits(at, time % 1000, 3);
    // Every zone of the last hundred years is whole minutes off UTC.
    const int minutes = std::abs(offsetSeconds) / 60;
    *at++ = offsetSeconds < 0 ? '-' : '+';
    at = digits(at, minutes / 60, 2);
    *at++ = ':';
    at = digits(at, minutes % 60, 2);
    line.append(text, at - text);
}

} // namespace

void appendCsvField(QByteArray &line, QByteArrayView utf8)
{
    bool formula = false;
    if (!utf8.isEmpty()) {
        const char first = utf8.front();
        formula = first == '=' || first == '+' || first == '-' || first == '@' || first == '\t'
            || first == '\r';
    }
    bool quote = false;
    for (const char byte : utf8) {
        if (byte == ',' || byte == '"' || byte == '\r' || byte == '\n') {
            quote = true;
            break;
        }
    }
    if (quote)
        line += '"';
    if (formula)
        line += '\'';
    if (!quote) {
        line += utf8;
        return;
    }
    for (const char byte : utf8) {
        if (byte == '"')
            line += '"';
        line += byte;
    }
    line += '"';
}

QByteArray csvField(const QString &text)
{
    QByteArray field;
    appendCsvField(field, text.toUtf8());
    return field;
}

QByteArray csvLine(const QStringList &fields)
{
    QByteArray line;
    for (qsizetype column = 0; column < fields.size(); ++column) {
        if (column > 0)
            line += ',';
        appendCsvField(line, fields.at(column).toUtf8());
    }
    return line + "\r\n";
}

QByteArray csvNumber(double value)
{
    // Whole numbers, nearly all of them, the quick way.
    if (value >= -1e15 && value <= 1e15 && std::floor(value) == value)
        return QByteArray::number(qint64(value));
    return QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

QByteArray csvSeconds(qint64 millis)
{
    QByteArray text = millis < 0 ? QByteArray("-") : QByteArray();
    const quint64 magnitude = millis < 0 ? 0 - quint64(millis) : quint64(millis);
    text += QByteArray::number(magnitude / 1000);
    quint64 thousandths = magnitude % 1000;
    if (thousandths == 0)
        return text;
    int places = 3;
    while (thousandths % 10 == 0) {
        thousandths /= 10;
        --places;
    }
    text += '.';
    char fraction[3];
    digits(fraction, qint64(thousandths), places);
    text.append(fraction, places);
    return text;
}

QByteArray csvLocalTime(qint64 utcMillis, int offsetSeconds)
{
    QByteArray text;
    appendLocalTime(text, utcMillis, offsetSeconds);
    return text;
}

void LocalTimes::append(QByteArray &line, qint64 utcMillis)
{
    if (utcMillis >= m_from && utcMillis < m_until) {
        appendLocalTime(line, utcMillis, m_offset);
        return;
    }
    const QDateTime moment = QDateTime::fromMSecsSinceEpoch(utcMillis, Qt::LocalTime);
    const int offset = moment.offsetFromUtc();
    appendLocalTime(line, utcMillis, offset);
    const QDate day = moment.date();
    const qint64 from = day.startOfDay().toMSecsSinceEpoch();
    const qint64 until = day.addDays(1).startOfDay().toMSecsSinceEpoch();
    // A day whose offset is the same at its start and its end has no change
    // of the clocks in it.
    const bool steady
        = QDateTime::fromMSecsSinceEpoch(from, Qt::LocalTime).offsetFromUtc() == offset
        && QDateTime::fromMSecsSinceEpoch(until - 1, Qt::LocalTime).offsetFromUtc() == offset;
    if (steady && from <= utcMillis && utcMillis < until) {
        m_from = from;
        m_until = until;
        m_offset = offset;
    }
}

} // namespace progress
