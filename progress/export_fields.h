#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// The fields of the class export as a teacher's spreadsheet reads them: no
// widgets and no database, so each form is tested on its own.
namespace progress {

// The export's first bytes: with them every spreadsheet reads the file as
// UTF-8 instead of guessing an older code page.
inline constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

// Appends one field. Text a spreadsheet would run as a formula (starting
// with = + - @, a tab or a carriage return) is given a leading ' so it
// stays text; then a field holding a comma, a quote or a line break is
// quoted with its quotes doubled (RFC 4180).
void appendCsvField(QByteArray &line, QByteArrayView utf8);
QByteArray csvField(const QString &text);
// A whole line of fields, each as csvField() makes it, ending in CR LF.
QByteArray csvLine(const QStringList &fields);

// A sum's number in the file's one form: "7", "-3", "2.5", whatever
// language the computer speaks.
QByteArray csvNumber(double value);

// Seconds taken, with as many decimals as the milliseconds need ("2.5",
// "12.034", "3"). Always a decimal point: the comma parts the fields, so
// the point keeps figures unquoted and in the one form the file's other
// figures have, whatever language the teacher's computer speaks.
QByteArray csvSeconds(qint64 millis);

// A moment (milliseconds since 1970 UTC) as its local date and time with
// the offset from UTC in force then, to the millisecond (ISO 8601):
// "2026-12-09T09:30:05.250+01:00".
QByteArray csvLocalTime(qint64 utcMillis, int offsetSeconds);

// The computer's local times of many moments, as csvLocalTime() writes
// them. Asking the system for the offset is slow, so it is asked once per
// local day, and for every moment of a day on which the clocks change.
class LocalTimes
{
public:
    void append(QByteArray &line, qint64 utcMillis);

private:
    qint64 m_from = 0; // the local day whose offset is kept, in UTC
    qint64 m_until = 0;
    int m_offset = 0;
};

} // namespace progress
