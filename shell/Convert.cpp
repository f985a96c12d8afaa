#include "Convert.h"

#include "Failure.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace shell {
namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The text without its surrounding blanks, if it is a number by the rules
// in the header; also the position of the first digit of the mantissa
// (after the sign).
struct Parsed {
    bool ok = false;
    QString body;  // sign, mantissa, exponent
};

Parsed parse(const QString &text)
{
    int begin = 0;
    int end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    int i = begin;
    if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    while (i < end && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < end && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < end && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return {};
    if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ++i;
        int expDigits = 0;
        while (i < end && isDigit(text[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return {};
    }
    if (i != end)
        return {};
    return {true, text.mid(begin, end - begin)};
}

// Short enough to quote in a message, however long the text.
QString quoted(const QString &text)
{
    const int limit = 40;
    if (text.size() <= limit)
        return QLatin1Char('"') + text + QLatin1Char('"');
    return QLatin1Char('"') + text.left(limit) + QStringLiteral("...\"");
}

// For a value too large or too small for a double: the sign of its decimal
// magnitude tells which (1e400 is infinite, 1e-400 is zero).
double outOfRange(const std::string &body)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < body.size() && (body[i] == '+' || body[i] == '-'))
        negative = body[i++] == '-';
    long long magnitude = 0;
    bool seenNonZero = false;
    long long intDigits = 0;
    long long leadingFractionZeros = 0;
    bool inFraction = false;
    for (; i < body.size() && body[i] != 'e' && body[i] != 'E'; ++i) {
        if (body[i] == '.') {
            inFraction = true;
            continue;
        }
        if (!seenNonZero && body[i] == '0') {
            if (inFraction)
                ++leadingFractionZeros;
            continue;
        }
        if (!seenNonZero)
            seenNonZero = true;
        if (!inFraction)
            ++intDigits;
    }
    if (!seenNonZero)
        return negative ? -0.0 : 0.0;
    long long exponent = 0;
    if (i < body.size()) {
        ++i;
        bool expNegative = false;
        if (i < body.size() && (body[i] == '+' || body[i] == '-'))
            expNegative = body[i++] == '-';
        for (; i < body.size(); ++i) {
            if (exponent < 1000000000000LL)
                exponent = exponent * 10 + (body[i] - '0');
        }
        if (expNegative)
            exponent = -exponent;
    }
    magnitude = (intDigits > 0 ? intDigits - 1 : -(leadingFractionZeros + 1)) + exponent;
    const double size = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -size : size;
}

} // namespace

bool IsNumber(const QString &text)
{
    return parse(text).ok;
}

double ToNumber(const QString &text)
{
    const Parsed parsed = parse(text);
    if (!parsed.ok)
        throw Failure(QStringLiteral("Type mismatch: %1 is not a number").arg(quoted(text)));
    std::string body = parsed.body.toStdString();
    // from_chars takes no leading plus sign.
    const char *first = body.data();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto result = std::from_chars(first, body.data() + body.size(), value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        return outOfRange(body);
    if (result.ec != std::errc() || result.ptr != body.data() + body.size())
        throw Failure(QStringLiteral("Type mismatch: %1 is not a number").arg(quoted(text)));
    return value;
}

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double diff = value - below;
    if (diff < 0.5)
        return below;
    if (diff > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

double ToWholeNumber(const QString &text)
{
    return RoundHalfEven(ToNumber(text));
}

std::int32_t ToInt32(const QString &text)
{
    const double whole = ToWholeNumber(text);
    if (!(whole >= std::numeric_limits<std::int32_t>::min() && whole <= std::numeric_limits<std::int32_t>::max()))
        throw Failure(QStringLiteral("Overflow: %1 is too large for a whole number").arg(quoted(text)));
    return static_cast<std::int32_t>(whole);
}

bool ToBool(const QString &text)
{
    // The same blanks as around a number: spaces and tabs.
    int begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const QString trimmed = text.mid(begin, end - begin);
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (IsNumber(text))
        return ToNumber(text) != 0.0;
    throw Failure(QStringLiteral("Type mismatch: %1 is not a truth value").arg(quoted(text)));
}

QString FromBool(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace shell
