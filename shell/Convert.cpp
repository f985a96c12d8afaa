#include "Convert.h"

#include "Failure.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace shell {
namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Whether the text is a number by the rules in the header, and if so its
// sign, mantissa and exponent without the surrounding blanks.
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
    const auto skipSign = [&] {
        if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ++i;
    };
    const auto skipDigits = [&] {
        const int first = i;
        while (i < end && isDigit(text[i]))
            ++i;
        return i - first;
    };
    skipSign();
    int digits = skipDigits();
    if (i < end && text[i] == QLatin1Char('.')) {
        ++i;
        digits += skipDigits();
    }
    if (digits == 0)
        return {};
    if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        skipSign();
        if (skipDigits() == 0)
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

QString notANumber(const QString &text)
{
    //: %1 is the text in question, in double quotes.
    return QCoreApplication::translate("shell::Convert", "Type mismatch: %1 is not a number").arg(quoted(text));
}

// A number's decimal text taken apart: its value is
// (negative ? -1 : 1) x digits x 10^(exponent - fractionDigits), where
// `digits` has no leading zeros ("" for zero).
struct Decimal {
    bool negative = false;
    std::string digits;
    long long fractionDigits = 0;
    long long exponent = 0;
    // How many of the digits stand before the decimal point (negative or
    // beyond the digits for very small or very large values).
    long long integerDigits() const { return static_cast<long long>(digits.size()) + exponent - fractionDigits; }
};

Decimal decompose(const std::string &body)
{
    Decimal d;
    std::size_t i = 0;
    if (i < body.size() && (body[i] == '+' || body[i] == '-'))
        d.negative = body[i++] == '-';
    bool inFraction = false;
    for (; i < body.size() && body[i] != 'e' && body[i] != 'E'; ++i) {
        if (body[i] == '.') {
            inFraction = true;
            continue;
        }
        d.digits.push_back(body[i]);
        if (inFraction)
            ++d.fractionDigits;
    }
    if (i < body.size()) {
        ++i;
        bool expNegative = false;
        if (i < body.size() && (body[i] == '+' || body[i] == '-'))
            expNegative = body[i++] == '-';
        // Exponents beyond any digit count saturate; they only tell "huge"
        // from "tiny".
        for (; i < body.size(); ++i) {
            if (d.exponent < 1000000000000LL)
                d.exponent = d.exponent * 10 + (body[i] - '0');
        }
        if (expNegative)
            d.exponent = -d.exponent;
    }
    const std::size_t firstNonZero = d.digits.find_first_not_of('0');
    d.digits.erase(0, firstNonZero == std::string::npos ? d.digits.size() : firstNonZero);
    return d;
}

double withSign(const Decimal &d, double magnitude) { return d.negative ? -magnitude : magnitude; }

// For a value too large or too small for a double: the size of its decimal
// magnitude tells which (1e400 is infinite, 1e-400 is zero).
double outOfRange(const std::string &body)
{
    const Decimal d = decompose(body);
    const bool huge = !d.digits.empty() && d.integerDigits() > 1;
    return withSign(d, huge ? std::numeric_limits<double>::infinity() : 0.0);
}

// Adds one to a whole number written in decimal digits.
void addOne(std::string &integer)
{
    std::size_t k = integer.size();
    while (k > 0 && integer[k - 1] == '9')
        integer[--k] = '0';
    if (k == 0)
        integer.insert(integer.begin(), '1');
    else
        ++integer[k - 1];
}

// Rounds the decimal text of a number (sign, mantissa, exponent, as parse()
// accepts it) to a whole number on its own digits, halves to even. A double
// would first round the text to the nearest binary fraction, which turns
// "3.49999999999999999" into 3.5 and "52.500000000000001" into 52.5.
double roundDecimal(const std::string &body)
{
    const Decimal d = decompose(body);
    const long long integerDigits = d.integerDigits();
    if (d.digits.empty() || integerDigits < 0)
        return withSign(d, 0.0);  // zero, or below 0.1
    if (integerDigits > 400)
        return withSign(d, std::numeric_limits<double>::infinity());
    const std::size_t cut = static_cast<std::size_t>(std::min<long long>(integerDigits, d.digits.size()));
    std::string integer = d.digits.substr(0, cut);
    integer.append(static_cast<std::size_t>(integerDigits) - cut, '0');
    const std::string fraction = d.digits.substr(cut);
    if (integer.empty())
        integer = "0";
    if (!fraction.empty()) {
        const bool aboveHalf = fraction[0] > '5'
            || (fraction[0] == '5' && fraction.find_first_not_of('0', 1) != std::string::npos);
        const bool half = fraction[0] == '5' && !aboveHalf;
        const bool odd = (integer.back() - '0') % 2 == 1;
        if (aboveHalf || (half && odd))
            addOne(integer);
    }
    // A whole number of up to 15 digits is exact in a double; longer ones
    // only need to compare as large.
    double whole = 0;
    const auto result = std::from_chars(integer.data(), integer.data() + integer.size(), whole);
    if (result.ec == std::errc::result_out_of_range)
        whole = std::numeric_limits<double>::infinity();
    return withSign(d, whole);
}

} // namespace

bool isNumber(const QString &text)
{
    return parse(text).ok;
}

double toNumber(const QString &text)
{
    const Parsed parsed = parse(text);
    if (!parsed.ok)
        throw Failure(notANumber(text));
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
        throw Failure(notANumber(text));
    return value;
}

double roundHalfEven(double value)
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

double toWholeNumber(const QString &text)
{
    const Parsed parsed = parse(text);
    if (!parsed.ok)
        throw Failure(notANumber(text));
    return roundDecimal(parsed.body.toStdString());
}

std::int32_t toInt32(const QString &text)
{
    const double whole = toWholeNumber(text);
    if (!(whole >= std::numeric_limits<std::int32_t>::min() && whole <= std::numeric_limits<std::int32_t>::max()))
        throw Failure(QCoreApplication::translate("shell::Convert", "Overflow: %1 is too large for a whole number")
                          .arg(quoted(text)));
    return static_cast<std::int32_t>(whole);
}

bool toBool(const QString &text)
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
    if (isNumber(text))
        return toNumber(text) != 0.0;
    throw Failure(QCoreApplication::translate("shell::Convert", "Type mismatch: %1 is not a truth value")
        .arg(quoted(text)));
}

QString fromBool(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace shell
