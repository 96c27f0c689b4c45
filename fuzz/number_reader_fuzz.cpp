// Checks the reading of typed answers and the 16-bit conversion against a
// slow second reading written straight from the rules in the headers. Built
// as a libFuzzer target by `make fuzz`, and by the normal build as a replay
// of the saved inputs in fuzz/corpus.
//
// The input bytes are typed text twice over: read as UTF-8, and read as raw
// UTF-16 code units, which reach lone surrogates and every character a pupil
// could paste. The first eight bytes are also tried as a double of their own,
// so the conversion sees NaN and values no text reads as.

#include "rules/number_reader.h"
#include "rules/whole_number.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <optional>
#include <string>

namespace {

// ---- The second reading, from the rules alone --------------------------

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

// The text without blanks, tabs and line feeds, as plain ASCII. Every other
// character becomes "~", which no part of a number accepts.
std::string squeezed(QStringView text)
{
    std::string result;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t' || u == u'\n')
            continue;
        result += u < 0x80 ? char(u) : '~';
    }
    return result;
}

std::string takeWhile(const std::string &text, std::size_t &at, bool (*accepts)(char))
{
    std::string taken;
    while (at < text.size() && accepts(text[at]))
        taken += text[at++];
    return taken;
}

// The C library's reading, always in the C locale whatever the environment
// says. It rounds to the nearest double, also for long hexadecimal digit
// strings, and overflows to infinity.
double cLocaleNumber(const std::string &text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(text.c_str(), nullptr, cLocale);
}

// Octal digits as the same whole number in hexadecimal, three bits a digit.
std::string octalToHex(const std::string &octal)
{
    std::string bits;
    for (const char c : octal) {
        const int d = c - '0';
        bits += (d & 4) ? '1' : '0';
        bits += (d & 2) ? '1' : '0';
        bits += (d & 1) ? '1' : '0';
    }
    while (bits.size() % 4 != 0)
        bits.insert(0, 1, '0');
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2
            + (bits[i + 3] - '0');
        hex += "0123456789abcdef"[nibble];
    }
    return hex;
}

struct Reading
{
    bool found = false;
    bool radix = false; // a "&H" or "&O" number
    double value = 0;
};

Reading referenceLeadingNumber(const std::string &text)
{
    std::size_t at = 0;
    if (text.compare(0, 2, "&H") == 0 || text.compare(0, 2, "&h") == 0) {
        at = 2;
        const std::string digits = takeWhile(text, at, isHexDigit);
        if (digits.empty())
            return {};
        return { true, true, cLocaleNumber("0x" + digits) };
    }
    if (text.compare(0, 2, "&O") == 0 || text.compare(0, 2, "&o") == 0) {
        at = 2;
        const std::string digits = takeWhile(text, at, isOctalDigit);
        if (digits.empty())
            return {};
        return { true, true, cLocaleNumber("0x" + octalToHex(digits)) };
    }

    std::string sign;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        sign = text[at++];
    const std::string whole = takeWhile(text, at, isDigit);
    std::string fraction;
    if (at < text.size() && text[at] == '.') {
        ++at;
        fraction = takeWhile(text, at, isDigit);
    }
    if (whole.empty() && fraction.empty())
        return {};

    std::string exponent;
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        ++at;
        std::string exponentSign;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            exponentSign = text[at++];
        const std::string digits = takeWhile(text, at, isDigit);
        if (!digits.empty())
            exponent = "e" + exponentSign + digits;
    }
    return { true, false,
        cLocaleNumber(sign + (whole.empty() ? "0" : whole) + "." + fraction + exponent) };
}

std::optional<qint16> referenceRound(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // Round to nearest is the mode whose ties go to the even neighbour.
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return qint16(rounded);
}

// ---- Comparing ------------------------------------------------------------

QByteArray described(QStringView text)
{
    QByteArray units;
    for (const QChar c : text)
        units += QByteArray::number(c.unicode(), 16) + ' ';
    return '"' + text.toUtf8() + "\" (UTF-16: " + units.trimmed() + ')';
}

[[noreturn]] void mismatch(
    QStringView text, const char *what, const QByteArray &production, const QByteArray &reference)
{
    std::fprintf(stderr, "Mismatch in %s for %s\n  production: %s\n  reference:  %s\n", what,
        described(text).constData(), production.constData(), reference.constData());
    std::abort();
}

QByteArray shown(double value)
{
    return QByteArray::number(value, 'g', 17) + (std::signbit(value) ? " (sign set)" : "");
}

QByteArray shown(std::optional<double> value)
{
    return value ? shown(*value) : QByteArray("nothing");
}

QByteArray shown(std::optional<qint16> value)
{
    return value ? QByteArray::number(*value) : QByteArray("nothing");
}

bool sameValue(double production, const Reading &reference)
{
    // A decimal number reads as the one double nearest to it, so even the
    // sign of a zero must agree.
    if (!reference.radix || std::fabs(reference.value) <= 0x1p53)
        return production == reference.value
            && std::signbit(production) == std::signbit(reference.value);
    // Past 2^53 a "&H"/"&O" number may round once a digit (< 2^-43 in all); no more is promised.
    const auto widened = [](double v) { return std::isinf(v) ? 0x1p1024L : (long double)v; };
    const long double a = widened(production);
    const long double b = widened(reference.value);
    return std::fabs(a - b) <= std::fmax(std::fabs(a), std::fabs(b)) * 0x1p-43L;
}

void checkRounding(QStringView text, double value)
{
    const std::optional<qint16> production = tutor::roundToInt16(value);
    const std::optional<qint16> reference = referenceRound(value);
    if (production != reference)
        mismatch(text,
            QByteArray("roundToInt16(" + QByteArray::number(value, 'g', 17) + ")").constData(),
            shown(production), shown(reference));
}

void checkText(QStringView text)
{
    const std::string plain = squeezed(text);
    Reading reading = referenceLeadingNumber(plain);

    const double number = tutor::readTypedNumber(text);
    if (!sameValue(number, reading.found ? reading : Reading {}))
        mismatch(text, "readTypedNumber", shown(number), shown(reading.value));

    // Without a number at its start the text answers 0 when it holds an ASCII
    // digit anywhere, and nothing otherwise.
    if (!reading.found && plain.find_first_of("0123456789") != std::string::npos)
        reading.found = true;
    const std::optional<double> answer = tutor::readTypedAnswer(text);
    const std::optional<double> expected
        = reading.found ? std::optional<double>(reading.value) : std::nullopt;
    if (answer.has_value() != reading.found || (answer && !sameValue(*answer, reading)))
        mismatch(text, "readTypedAnswer", shown(answer), shown(expected));

    checkRounding(text, number);
    checkRounding(text, reading.value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const char *const bytes = reinterpret_cast<const char *>(data);
    checkText(QString::fromUtf8(bytes, qsizetype(size)));

    std::u16string units(size / 2, u'\0');
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * 2);
    checkText(QStringView(units));

    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkRounding(u"(the first eight bytes as a double)", value);
    }
    return 0;
}
