#include "deck/DesktopEntry.h"

namespace deck {
namespace {

QString unescaped(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's': out += QLatin1Char(' '); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 't': out += QLatin1Char('\t'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case '\\': out += QLatin1Char('\\'); break;
        default: out += c; out += next; break;
        }
    }
    return out;
}

bool isCountry(const QString &part)
{
    if (part.size() == 2)
        return part.at(0).isUpper() && part.at(1).isUpper();
    return part.size() == 3 && part.at(0).isDigit() && part.at(1).isDigit() && part.at(2).isDigit();
}

} // namespace

QHash<QString, QString> desktopGroup(const QByteArray &text, const QString &group, bool *found)
{
    QHash<QString, QString> keys;
    bool inGroup = false;
    bool seen = false;
    const QString header = QLatin1Char('[') + group + QLatin1Char(']');
    const QByteArray bom("\xEF\xBB\xBF");
    for (const QByteArray &raw : (text.startsWith(bom) ? text.mid(bom.size()) : text).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == header;
            seen = seen || inGroup;
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!inGroup || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!keys.contains(key))
            keys.insert(key, unescaped(line.mid(equals + 1).trimmed()));
    }
    if (found)
        *found = seen;
    return keys;
}

QStringList entryLanguages(const QString &uiLanguage)
{
    const QStringList parts = QString(uiLanguage).replace(QLatin1Char('_'), QLatin1Char('-')).split(QLatin1Char('-'));
    const QString language = parts.value(0);
    if (language.isEmpty())
        return {};
    QString country;
    QString modifier;
    for (int i = 1; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        if (isCountry(part))
            country = part;
        else if (part == QLatin1String("Latn"))
            modifier = QStringLiteral("latin");
        else if (part.size() >= 5)
            modifier = part.toLower();  // a variant such as "valencia"
    }
    QStringList names;
    if (!country.isEmpty() && !modifier.isEmpty())
        names << language + QLatin1Char('_') + country + QLatin1Char('@') + modifier;
    if (!country.isEmpty())
        names << language + QLatin1Char('_') + country;
    if (!modifier.isEmpty())
        names << language + QLatin1Char('@') + modifier;
    names << language;
    return names;
}

QString localizedValue(const QHash<QString, QString> &group, const QString &key, const QStringList &uiLanguages)
{
    for (const QString &uiLanguage : uiLanguages) {
        for (const QString &name : entryLanguages(uiLanguage)) {
            const auto found = group.constFind(key + QLatin1Char('[') + name + QLatin1Char(']'));
            if (found != group.constEnd() && !found->isEmpty())
                return *found;
        }
        // The untranslated values are English: an English-speaking user
        // without a translation of his own reads them before any other.
        const QString language = entryLanguages(uiLanguage).value(0).section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C"))
            break;
    }
    return group.value(key);
}

} // namespace deck
