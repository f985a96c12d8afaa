#pragma once
// The text of the settings file, as bytes: finding a key in a section and
// setting one key while every other byte stays as it was.
//
// The escaping is the one the file has always had (it was first written by
// Qt's QSettings): keys with %XX / %UXXXX escapes and "\" for "/"; values
// optionally in double quotes, with backslash escapes (\\ \" \n \r \t \0
// \a \b \f \v \xHH... \ooo), a leading "@" doubled and the "@ByteArray(...)",
// "@String(...)" and "@Invalid()" forms. The values are text: the forms of
// other data ("@Variant(...)", "@DateTime(...)") are read as the text they
// are, never decoded into data.
// Where a hand-edited file would read badly under those rules, this reader
// is plainer:
// - a comma outside quotes is part of the text (the program keeps no lists);
// - a line is one line: a stray quote or a backslash at the end of a line
//   never joins the lines that follow;
// - lines it cannot read are left alone and take no part.
// Sections and keys are matched without regard to case; where a key stands
// more than once, the first one in the file counts.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace settings::ini {

// The value of `key` in `section`, or nothing when the key is not there.
std::optional<QString> value(QByteArrayView file, QStringView section, QStringView key);

// The file with `key` set to `value`: the key's line is replaced, or a line
// is added at the end of the section, or the section is added at the end of
// the file. Nothing else changes.
QByteArray withValue(QByteArrayView file, QStringView section, QStringView key, const QString &value);

// One key or value as it stands in the file, and back.
QByteArray escapedKey(QStringView key);
QString unescapedKey(QByteArrayView key);
QByteArray escapedValue(const QString &value);
QString unescapedValue(QByteArrayView value);

} // namespace settings::ini
