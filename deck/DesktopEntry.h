#pragma once
// Reading the index file of an installed card deck ("index.desktop"): the
// desktop-entry text format of [groups] and key=value lines, with
// translations as keys of their own ("Name[de]=...").
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace deck {

// The keys of one group with their values, escapes undone (\s \n \t \r \\).
// Comment lines and other groups are skipped; a key given twice keeps its
// first value. Empty when the group is absent. `found` tells an absent
// group from an empty one.
QHash<QString, QString> desktopGroup(const QByteArray &text, const QString &group, bool *found = nullptr);

// The names under which a desktop entry translates for a user-interface
// language as QLocale::uiLanguages() gives it, best first: "de-DE" gives
// de_DE and de; "sr-Latn-RS" gives sr_RS@latin, sr_RS, sr@latin and sr.
QStringList entryLanguages(const QString &uiLanguage);

// The value of `key` in the first of `uiLanguages` that the group
// translates (each with the fallbacks of entryLanguages()), else the
// untranslated value, which is English: an English language without its
// own translation ends the search. "" when the key is absent.
QString localizedValue(const QHash<QString, QString> &group, const QString &key, const QStringList &uiLanguages);

} // namespace deck
