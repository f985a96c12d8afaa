#pragma once
// Command-line arguments are bytes. They are carried as text so that the
// option parser can read them: UTF-8 where the bytes are UTF-8, and each
// byte that is not part of a valid sequence as the lone surrogate
// U+DC80..U+DCFF, which no UTF-8 text can hold. argumentBytes() gives back
// exactly the bytes that were given, so a folder named in any encoding is
// passed to the file system as it was written, and a count holding such a
// byte is not a number.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace app {

QString argumentText(QByteArrayView bytes);
QByteArray argumentBytes(QStringView text);

// The text for a message: each byte that is not text shown as U+FFFD.
QString shownArgument(QStringView text);

} // namespace app
