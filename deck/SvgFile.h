#pragma once
// Reading a card deck's SVG file, plain or gzip-compressed, with a hard
// limit on its unpacked size: a small compressed file can unpack to
// gigabytes, so the limit is enforced while unpacking, which stops as soon
// as it is passed. Each refusal comes with a one-line reason that names the
// file.
#include <QByteArray>
#include <QString>

class QFile;

namespace deck {

// The largest SVG text read, unpacked: 50 MB (50 x 2^20 bytes). The
// largest deck Debian ships unpacks to 11 MB.
constexpr qint64 MaxSvgBytes = 50LL * 1024 * 1024;

struct SvgText {
    QByteArray text;   // the unpacked SVG text; empty on refusal
    QString problem;   // "" or why the file was refused ("is truncated", ...)
};

// The whole text of the SVG file at `path` (shown in reasons by
// `shownName`), unpacked when it is gzip-compressed. Refused when missing,
// not a regular file, unreadable, over `limit` bytes (unpacked), truncated
// or damaged, or not SVG text.
SvgText readSvgFile(const QString &path, const QString &shownName, qint64 limit = MaxSvgBytes);

// `fileBytes` unpacked when they start as gzip data, else as they are,
// refused over `limit` unpacked bytes; at most `limit` plus one buffer of
// 64 KB is ever unpacked. `problem` reasons are phrased for a file named
// `shownName`.
SvgText unpackSvg(const QByteArray &fileBytes, const QString &shownName, qint64 limit = MaxSvgBytes);

// A quick look that reads only the file's first kilobytes: "" when the
// file exists, is a regular readable file and begins as SVG text (after
// unpacking those first bytes), else the reason. Used for a catalogue of
// decks without reading whole files.
QString glanceAtSvgFile(const QString &path, const QString &shownName, qint64 limit = MaxSvgBytes);

// Reads an open file to its end, but at most `most` bytes (more would not
// be used): in pieces, so that nothing is reserved for bytes that are not
// there. False when reading fails.
bool readAtMost(QFile &file, qint64 most, QByteArray *bytes);

} // namespace deck
