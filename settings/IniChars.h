#pragma once
// Character helpers shared by the settings file's line reader (IniText.cpp)
// and its escaping (IniEscape.cpp).
#include <QByteArrayView>

namespace settings::ini::chars {

inline constexpr char HexDigits[] = "0123456789ABCDEF";

inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }
inline bool isHexDigit(char16_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
inline int hexValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

inline QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

} // namespace settings::ini::chars
