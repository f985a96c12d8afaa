#include "app/Arguments.h"

namespace app {
namespace {

constexpr char16_t FirstByteMark = 0xDC80;  // U+DC80 + (byte - 0x80)

bool isByteMark(char16_t c) { return c >= FirstByteMark && c <= 0xDCFF; }
bool isContinuation(uchar byte) { return (byte & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at `at` and its code point, or 0.
int sequenceAt(QByteArrayView bytes, qsizetype at, char32_t &code)
{
    const uchar lead = uchar(bytes[at]);
    int length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        const uchar next = uchar(bytes[at + i]);
        if (!isContinuation(next))
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are no text.
    if (code < least || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

QString argumentText(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const uchar byte = uchar(bytes[at]);
        if (byte < 0x80) {
            text += QChar(byte);
            ++at;
            continue;
        }
        char32_t code = 0;
        if (const int length = sequenceAt(bytes, at, code)) {
            // Appended as characters: a conversion from UTF-32 would take a
            // leading U+FEFF for a byte order mark and drop it.
            if (QChar::requiresSurrogates(code)) {
                text += QChar(QChar::highSurrogate(code));
                text += QChar(QChar::lowSurrogate(code));
            } else {
                text += QChar(char16_t(code));
            }
            at += length;
        } else {
            text += QChar(char16_t(FirstByteMark + (byte - 0x80)));
            ++at;
        }
    }
    return text;
}

QByteArray argumentBytes(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype runStart = 0;  // the text since the last byte mark
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        // A low surrogate after a high one is half of a pair, never a byte.
        if (!isByteMark(c) || (i > 0 && text[i - 1].isHighSurrogate()))
            continue;
        bytes += text.sliced(runStart, i - runStart).toUtf8();
        bytes += char(0x80 + (c - FirstByteMark));
        runStart = i + 1;
    }
    bytes += text.sliced(runStart).toUtf8();
    return bytes;
}

QString shownArgument(QStringView text)
{
    QString shown = text.toString();
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const char16_t c = shown[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < shown.size() && shown[i + 1].isLowSurrogate())
            ++i;
        else if (QChar::isSurrogate(c))
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

} // namespace app
