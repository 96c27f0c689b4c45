#include "rules/number_reader.h"

#include <QtGlobal>

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace tutor {

namespace {

bool isSkippedBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// Only ASCII digits count: QChar::isDigit() would also accept digits from
// other scripts, which the conversion below cannot read.
int decimalDigit(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'0' && u <= u'9' ? u - u'0' : -1;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

int octalDigit(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'0' && u <= u'7' ? u - u'0' : -1;
}

// Hands out the characters of the text one by one with the skipped blanks
// already left out, so the grammar below never has to think about them.
class Cursor
{
public:
    explicit Cursor(QStringView text)
        : m_text(text)
    {
        skipBlanks();
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_pos]; }
    void advance()
    {
        ++m_pos;
        skipBlanks();
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && isSkippedBlank(m_text[m_pos]))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

// Digits after "&H" or "&O"; nothing when no digit follows the prefix. A
// double holds every value a pupil could sensibly type and simply turns into
// infinity for absurdly long input.
std::optional<double> readRadixDigits(Cursor &cursor, int radix, int (*digitValue)(QChar))
{
    if (digitValue(cursor.peek()) < 0)
        return std::nullopt;
    double value = 0;
    for (int d = digitValue(cursor.peek()); d >= 0; d = digitValue(cursor.peek())) {
        value = value * radix + d;
        cursor.advance();
    }
    return value;
}

// Out of range for a double: decides from the decimal position of the first
// significant digit whether the number was huge (infinity) or tiny (zero).
double outOfRangeValue(
    const std::string &digits, qint64 digitsBeforePoint, qint64 exponent, bool negative)
{
    const auto firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos)
        return negative ? -0.0 : 0.0;
    const qint64 magnitude = digitsBeforePoint - qint64(firstSignificant) + exponent;
    const double value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

// The number at the start of the text, or nothing when it does not begin
// with one.
std::optional<double> readLeadingNumber(QStringView text)
{
    Cursor cursor(text);

    if (cursor.peek() == u'&') {
        cursor.advance();
        const QChar kind = cursor.peek();
        if (kind == u'H' || kind == u'h') {
            cursor.advance();
            return readRadixDigits(cursor, 16, hexDigit);
        }
        if (kind == u'O' || kind == u'o') {
            cursor.advance();
            return readRadixDigits(cursor, 8, octalDigit);
        }
        return std::nullopt;
    }

    bool negative = false;
    if (cursor.peek() == u'+' || cursor.peek() == u'-') {
        negative = cursor.peek() == u'-';
        cursor.advance();
    }

    // The accepted characters are copied into plain ASCII so a locale-free
    // conversion can read them; std::strtod would follow the C locale, which
    // Qt sets from the environment (a German one reads "," as the point).
    std::string digits;
    qint64 digitsBeforePoint = 0;
    while (decimalDigit(cursor.peek()) >= 0) {
        digits += char(cursor.peek().unicode());
        ++digitsBeforePoint;
        cursor.advance();
    }
    if (cursor.peek() == u'.') {
        cursor.advance();
        while (decimalDigit(cursor.peek()) >= 0) {
            digits += char(cursor.peek().unicode());
            cursor.advance();
        }
    }
    if (digits.empty())
        return std::nullopt;

    // Rebuilt in the plainest form, such as "-0.5e3": "0" stands in for
    // missing whole digits and the point goes in only when fraction digits
    // follow, so ".5" and "5." need no extra care in the conversion.
    std::string number = negative ? "-" : "";
    number += digitsBeforePoint > 0 ? digits.substr(0, std::size_t(digitsBeforePoint)) : "0";
    if (std::size_t(digitsBeforePoint) < digits.size())
        number += '.' + digits.substr(std::size_t(digitsBeforePoint));

    // "1e" and "1e+" keep their 1: the exponent counts only with digits.
    qint64 exponent = 0;
    if (cursor.peek() == u'E' || cursor.peek() == u'e') {
        cursor.advance();
        bool negativeExponent = false;
        if (cursor.peek() == u'+' || cursor.peek() == u'-') {
            negativeExponent = cursor.peek() == u'-';
            cursor.advance();
        }
        std::string exponentDigits;
        // The clamp only keeps the sum in outOfRangeValue() from overflowing;
        // the conversion itself sees every digit.
        constexpr qint64 exponentLimit = 1'000'000'000;
        for (int d = decimalDigit(cursor.peek()); d >= 0; d = decimalDigit(cursor.peek())) {
            exponentDigits += char('0' + d);
            exponent = qMin(exponent * 10 + d, exponentLimit);
            cursor.advance();
        }
        if (!exponentDigits.empty()) {
            number += negativeExponent ? "e-" : "e";
            number += exponentDigits;
            if (negativeExponent)
                exponent = -exponent;
        } else {
            exponent = 0;
        }
    }

    double value = 0;
    const char *const end = number.data() + number.size();
    const auto result = std::from_chars(number.data(), end, value);
    if (result.ec == std::errc::result_out_of_range)
        return outOfRangeValue(digits, digitsBeforePoint, exponent, negative);
    if (result.ec != std::errc())
        return 0; // cannot happen for the text built above; 0 is the safe answer
    return value;
}

} // namespace

double readTypedNumber(QStringView text)
{
    return readLeadingNumber(text).value_or(0);
}

std::optional<double> readTypedAnswer(QStringView text)
{
    if (const std::optional<double> number = readLeadingNumber(text))
        return number;
    // "x5" holds a digit and reads as 0, as typed numbers always have.
    for (const QChar c : text) {
        if (decimalDigit(c) >= 0)
            return 0.0;
    }
    return std::nullopt;
}

} // namespace tutor
