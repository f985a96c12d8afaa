// The escaping of keys and values in the settings file, as Qt's INI files
// have it (IniText.h says where this reader is plainer).
#include "settings/IniText.h"

#include "settings/IniChars.h"

#include <QStringDecoder>

namespace settings::ini {
namespace {

using namespace chars;

void appendUtf8(QByteArray &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

void appendHexEscape(QByteArray &out, char16_t c)
{
    out += "\\x";
    out += QByteArray::number(uint(c), 16);
}

// The text between the quotes and escapes, before the "@" forms are read.
QString unescapedText(QByteArrayView s)
{
    static const char Escapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'},  {'n', '\n'},  {'r', '\r'}, {'t', '\t'},
                                      {'v', '\v'}, {'"', '"'},  {'?', '?'},   {'\'', '\''}, {'\\', '\\'}};
    QString text;
    text.reserve(s.size());
    // Each stretch between escapes is decoded on its own, a byte order mark
    // at its start kept as the character it is.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    bool inQuotes = false;
    bool quoted = false;           // any quote at all: nothing is trimmed at the end
    qsizetype keepFrom = 0;        // escaped characters are never trimmed
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
            ++i;
    };
    skipBlanks();
    while (i < s.size()) {
        const char c = s[i];
        if (c == '\\') {
            if (++i >= s.size())
                return text;  // a lone backslash at the end is dropped, nothing trimmed
            const char e = s[i++];
            bool known = false;
            for (const auto &escape : Escapes) {
                if (e == escape[0]) {
                    text += QLatin1Char(escape[1]);
                    known = true;
                    break;
                }
            }
            if (e == 'x') {
                // Any number of hex digits; the character keeps the low 16 bits.
                if (i >= s.size())
                    return text;
                if (isHexDigit(char16_t(uchar(s[i])))) {
                    quint32 code = 0;
                    while (i < s.size() && isHexDigit(char16_t(uchar(s[i]))))
                        code = (code << 4) + quint32(hexValue(s[i++]));
                    text += QChar(char16_t(code));
                }
            } else if (!known && e >= '0' && e <= '7') {
                quint32 code = quint32(e - '0');
                while (i < s.size() && s[i] >= '0' && s[i] <= '7')
                    code = (code << 3) + quint32(s[i++] - '0');
                text += QChar(char16_t(code));
            }
            // Any other character after a backslash is dropped with it.
            keepFrom = text.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (c == ';' && !inQuotes) {
            break;  // the rest of the line is a comment
        } else {
            qsizetype j = i + 1;
            while (j < s.size() && s[j] != '\\' && s[j] != '"' && s[j] != ';')
                ++j;
            text += utf8(s.sliced(i, j - i));
            i = j;
        }
    }
    if (!quoted) {
        qsizetype end = text.size();
        while (end > keepFrom && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
            --end;
        text.truncate(end);
    }
    return text;
}

} // namespace

QString unescapedKey(QByteArrayView key)
{
    const QString in = QString::fromUtf8(key);
    QString out;
    out.reserve(in.size());
    qsizetype i = 0;
    while (i < in.size()) {
        const QChar c = in[i];
        if (c == u'\\') {
            out += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i == in.size() - 1) {
            out += c;
            ++i;
            continue;
        }
        // %XX: a character up to U+00FF; %UXXXX: any other.
        const bool wide = in[i + 1] == u'U';
        const qsizetype first = i + (wide ? 2 : 1);
        const qsizetype digits = wide ? 4 : 2;
        bool ok = false;
        const ushort code = first + digits <= in.size() ? QStringView(in).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            out += u'%';
            ++i;
            continue;
        }
        out += QChar(code);
        i = first + digits;
    }
    return out;
}

QByteArray escapedKey(QStringView key)
{
    QByteArray out;
    out.reserve(key.size());
    for (qsizetype i = 0; i < key.size(); ++i) {
        const char16_t c = key[i].unicode();
        const bool innerBlank = c == ' ' && i > 0 && i < key.size() - 1;
        if (c == '/') {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
                   || c == '.' || innerBlank) {
            out += char(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += HexDigits[c >> 4];
            out += HexDigits[c & 15];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += HexDigits[(c >> shift) & 15];
        }
    }
    return out;
}

QByteArray escapedValue(const QString &value)
{
    QString text = value;
    if (text.contains(QChar(0)))
        text = QStringLiteral("@String(") + text + u')';
    else if (text.startsWith(u'@'))
        text.prepend(u'@');

    QByteArray out;
    out.reserve(text.size() + text.size() / 2 + 2);
    bool needsQuotes = false;
    // After \0 or \xHH a hex digit would run on into the escape: it is
    // escaped itself.
    bool escapeHexDigit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeHexDigit && isHexDigit(c)) {
            appendHexEscape(out, c);
            continue;
        }
        escapeHexDigit = false;
        switch (c) {
        case 0: out += "\\0"; escapeHexDigit = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(c);
            break;
        default:
            if (c <= 0x1F) {
                appendHexEscape(out, c);
                escapeHexDigit = true;
            } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                appendUtf8(out, QChar::surrogateToUcs4(c, text[i + 1].unicode()));
                ++i;
            } else if (QChar::isSurrogate(c)) {
                // Half a pair has no UTF-8 form; the escape keeps it.
                appendHexEscape(out, c);
                escapeHexDigit = true;
            } else {
                appendUtf8(out, c);
            }
        }
    }
    if (needsQuotes || (!out.isEmpty() && (out.front() == ' ' || out.back() == ' '))) {
        out.prepend('"');
        out.append('"');
    }
    return out;
}

// The program's values are text. The forms that carry other kinds of data
// ("@Variant(...)", "@DateTime(...)", ...) are not decoded: such a value
// reads as the text it is, a value of the wrong form for every key, which
// the place that converts it refuses like any other.
QString unescapedValue(QByteArrayView value)
{
    const QString s = unescapedText(value);
    if (!s.startsWith(u'@'))
        return s;
    if (s.endsWith(u')')) {
        if (s.startsWith(QLatin1String("@ByteArray(")))
            return QString::fromUtf8(QStringView(s).sliced(11).chopped(1).toLatin1());
        if (s.startsWith(QLatin1String("@String(")))
            return s.sliced(8).chopped(1);
        if (s == QLatin1String("@Invalid()"))
            return QString();
    }
    if (s.startsWith(QLatin1String("@@")))
        return s.sliced(1);
    return s;
}

} // namespace settings::ini
