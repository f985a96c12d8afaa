#pragma once
// Text conversions shared by the settings and the text boxes. They follow
// fixed rules that do not depend on the user's locale.
//
// A number is: optional blanks, an optional sign, digits with at most one
// decimal point (at least one digit in all), an optional exponent (e or E,
// optional sign, digits), optional blanks. Nothing else ("", "1,5", "0x10",
// "inf", "1e" are not numbers). Values beyond the range of a double are
// numbers of infinite size ("1e400").
#include <QString>
#include <cstdint>

namespace shell {

bool isNumber(const QString &text);

// Throws Failure("Type mismatch: ...") for a text that is not a number.
double toNumber(const QString &text);

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

// Text to whole number, rounded on the text's own decimal digits (exponent
// included), halves to even: "2.5" -> 2, "3.5" -> 4, "3.49999999999999999"
// -> 3, "5.25e1" -> 52. The result is a double so that any size compares
// safely ("1e400" -> +inf).
double toWholeNumber(const QString &text);

// Whole number that must fit 32 bits; throws Failure("Overflow: ...") when not.
std::int32_t toInt32(const QString &text);

// "True"/"False" (any case, blanks around allowed) or any number, non-zero
// meaning true. Throws Failure("Type mismatch: ...") otherwise.
bool toBool(const QString &text);

// The stored form of a truth value: "True" or "False".
QString fromBool(bool value);

} // namespace shell
