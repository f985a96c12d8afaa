// The lines of the settings file: where a key stands, and the file with
// one key set and every other byte as it was.
#include "settings/IniText.h"

#include "settings/IniChars.h"

#include <algorithm>

namespace settings::ini {
namespace {

using namespace chars;

// One physical line: its text runs from `begin` to `end`, its line ending
// ("\n", "\r\n", a lone "\r", or none on a last line) from `end` to `next`.
struct Line {
    qsizetype begin;
    qsizetype end;
    qsizetype next;
};

// What a line means to the reader.
struct Meaning {
    enum Kind { Blank, Comment, Section, Setting, Unreadable } kind;
    QByteArrayView name;   // the section or key, as written
    QByteArrayView value;  // the value, as written
};

Meaning meaningOf(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    if (text.isEmpty())
        return {Meaning::Blank, {}, {}};
    if (text.front() == ';' || text.front() == '#')
        return {Meaning::Comment, {}, {}};
    if (text.front() == '[') {
        const qsizetype close = text.indexOf(']');
        if (close < 0)
            return {Meaning::Unreadable, {}, {}};
        return {Meaning::Section, trimmed(text.sliced(1, close - 1)), {}};
    }
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return {Meaning::Unreadable, {}, {}};
    return {Meaning::Setting, trimmed(text.first(equals)), text.sliced(equals + 1)};
}

// Calls visit(line, meaning) for each line until it returns false.
template <class Visit>
void forEachLine(QByteArrayView file, Visit &&visit)
{
    // A byte order mark belongs to no line.
    qsizetype pos = file.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < file.size()) {
        qsizetype end = pos;
        while (end < file.size() && file[end] != '\n' && file[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < file.size())
            next += (file[next] == '\r' && next + 1 < file.size() && file[next + 1] == '\n') ? 2 : 1;
        if (!visit(Line{pos, end, next}, meaningOf(file.sliced(pos, end - pos))))
            return;
        pos = next;
    }
}

bool isAsciiLetterOrSign(char16_t c) { return c < 0x80 && c != '%' && c != '\\'; }

bool sameName(QByteArrayView written, QStringView wanted)
{
    // Unescaping never makes a name longer.
    if (written.size() < wanted.size())
        return false;
    // Most names are plain ASCII without escapes: compared as they stand,
    // without making a copy (a file of a megabyte may hold 100,000 of them).
    const bool plain = std::all_of(written.begin(), written.end(), [](char c) { return isAsciiLetterOrSign(uchar(c)); })
        && std::all_of(wanted.begin(), wanted.end(), [](QChar c) { return isAsciiLetterOrSign(c.unicode()); });
    if (plain) {
        const auto lower = [](char16_t c) { return (c >= 'A' && c <= 'Z') ? char16_t(c | 0x20) : c; };
        if (written.size() != wanted.size())
            return false;
        for (qsizetype i = 0; i < written.size(); ++i) {
            if (lower(uchar(written[i])) != lower(wanted[i].unicode()))
                return false;
        }
        return true;
    }
    return unescapedKey(written).compare(wanted, Qt::CaseInsensitive) == 0;
}

// Where a write goes: the key's own line, else the last line of the first
// section that is neither blank nor a comment (the section's own header
// when it holds nothing else). Comments and blank lines at the end of a
// section usually lead into the next one, so a new key goes before them.
struct Place {
    std::optional<Line> keyLine;
    std::optional<Line> sectionEnd;
    QByteArrayView keyValue;
    bool lastLineBlank = true;
};

Place locate(QByteArrayView file, QStringView section, QStringView key)
{
    Place place;
    bool inSection = false;
    bool inFirstSection = false;
    forEachLine(file, [&](const Line &line, const Meaning &m) {
        place.lastLineBlank = m.kind == Meaning::Blank;
        switch (m.kind) {
        case Meaning::Section:
            inSection = sameName(m.name, section);
            inFirstSection = inSection && !place.sectionEnd;
            if (inFirstSection)
                place.sectionEnd = line;
            return true;
        case Meaning::Setting:
            if (inSection && sameName(m.name, key)) {
                place.keyLine = line;
                place.keyValue = m.value;
                return false;
            }
            [[fallthrough]];
        case Meaning::Unreadable:
            if (inFirstSection)
                place.sectionEnd = line;
            return true;
        case Meaning::Blank:
        case Meaning::Comment:
            return true;
        }
        return true;
    });
    return place;
}

// The line ending new lines take: the one of the line they follow, else
// the file's first, else "\n".
QByteArray lineEnding(QByteArrayView file, const std::optional<Line> &after)
{
    if (after && after->next > after->end)
        return file.sliced(after->end, after->next - after->end).toByteArray();
    const qsizetype at = [&] {
        for (qsizetype i = 0; i < file.size(); ++i) {
            if (file[i] == '\n' || file[i] == '\r')
                return i;
        }
        return qsizetype(-1);
    }();
    if (at < 0)
        return QByteArrayLiteral("\n");
    if (file[at] == '\r')
        return (at + 1 < file.size() && file[at + 1] == '\n') ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\r");
    return QByteArrayLiteral("\n");
}

} // namespace

std::optional<QString> value(QByteArrayView file, QStringView section, QStringView key)
{
    const Place place = locate(file, section, key);
    if (!place.keyLine)
        return std::nullopt;
    return unescapedValue(place.keyValue);
}

QByteArray withValue(QByteArrayView file, QStringView section, QStringView key, const QString &value)
{
    const QByteArray line = escapedKey(key) + '=' + escapedValue(value);
    const Place place = locate(file, section, key);
    QByteArray out;
    out.reserve(file.size() + line.size() + section.size() + 8);
    if (place.keyLine) {
        // The line's text is replaced; its line ending stays.
        out += file.first(place.keyLine->begin);
        out += line;
        out += file.sliced(place.keyLine->end);
    } else if (place.sectionEnd) {
        const Line &last = *place.sectionEnd;
        const QByteArray ending = lineEnding(file, last);
        out += file.first(last.next);
        if (last.next == last.end)  // the file's last line, with no ending
            out += ending;
        out += line + ending;
        out += file.sliced(last.next);
    } else {
        const QByteArray ending = lineEnding(file, std::nullopt);
        out += file;
        const bool hasText = file.size() > (file.startsWith("\xEF\xBB\xBF") ? 3 : 0);
        if (hasText && file.back() != '\n' && file.back() != '\r')
            out += ending;
        if (hasText && !place.lastLineBlank)
            out += ending;  // a blank line between sections
        out += '[' + escapedKey(section) + ']' + ending + line + ending;
    }
    return out;
}

} // namespace settings::ini
