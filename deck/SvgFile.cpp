#include "deck/SvgFile.h"

#include <QFile>
#include <QFileInfo>
#include <cctype>
#include <zlib.h>

namespace deck {
namespace {

constexpr int Chunk = 64 * 1024;
// SVG text shows its root element within its first kilobytes, after the
// XML declaration, comments and a document type.
constexpr int HeadBytes = 64 * 1024;

bool isGzip(const QByteArray &bytes)
{
    return bytes.size() >= 2 && uchar(bytes.at(0)) == 0x1f && uchar(bytes.at(1)) == 0x8b;
}

bool looksLikeSvg(const QByteArray &text)
{
    const QByteArray head = text.left(HeadBytes);
    int start = head.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < head.size() && std::isspace(uchar(head.at(start))))
        ++start;
    return start < head.size() && head.at(start) == '<' && head.indexOf("<svg", start) >= 0;
}

QString sizeText(qint64 bytes)
{
    return QString::number(double(bytes) / (1024 * 1024), 'g', 3) + QStringLiteral(" MB");
}

QString quoted(const QString &name)
{
    return QStringLiteral("its SVG file ") + name + QLatin1Char(' ');
}

// Unpacks gzip data into `out`, stopping with a problem as soon as more
// than `limit` bytes come out. With `partial`, input that ends early is
// fine (only the file's first bytes were read) and unpacking stops once
// `limit` bytes are out.
QString inflateLimited(const QByteArray &in, qint64 limit, bool partial, QByteArray &out)
{
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return QStringLiteral("cannot be unpacked");
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.constData()));
    stream.avail_in = uInt(in.size());
    QByteArray buffer(Chunk, Qt::Uninitialized);
    QString problem;
    for (;;) {
        stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
        stream.avail_out = uInt(buffer.size());
        const int result = inflate(&stream, Z_NO_FLUSH);
        const qint64 produced = buffer.size() - qint64(stream.avail_out);
        if (out.size() + produced > limit) {
            if (partial) {
                out.append(buffer.constData(), int(limit - out.size()));
            } else {
                problem = QStringLiteral("is over ") + sizeText(limit) + QStringLiteral(" unpacked");
                out.clear();
            }
            break;
        }
        out.append(buffer.constData(), int(produced));
        if (result == Z_STREAM_END) {
            // A gzip file may hold several members one after the other.
            const QByteArray rest = QByteArray::fromRawData(reinterpret_cast<const char *>(stream.next_in), int(stream.avail_in));
            if (!isGzip(rest) || inflateReset(&stream) != Z_OK)
                break;
            continue;
        }
        if (result == Z_OK)
            continue;
        if (result == Z_BUF_ERROR && stream.avail_in == 0) {
            if (!partial)
                problem = QStringLiteral("is truncated");
        } else {
            problem = QStringLiteral("is damaged (") + QString::fromLatin1(stream.msg ? stream.msg : "bad data")
                + QLatin1Char(')');
        }
        break;
    }
    inflateEnd(&stream);
    if (!problem.isEmpty())
        out.clear();
    return problem;
}

// The checks that come before reading: "" or the problem.
QString fileProblem(const QFileInfo &info, qint64 limit)
{
    if (!info.exists())
        return QStringLiteral("is missing");
    if (!info.isFile())
        return QStringLiteral("is not a regular file");
    if (info.size() > limit)
        return QStringLiteral("is over ") + sizeText(limit);
    return QString();
}

QString readProblem(const QFile &file)
{
    return QStringLiteral("cannot be read (") + file.errorString() + QLatin1Char(')');
}

} // namespace

bool readAtMost(QFile &file, qint64 most, QByteArray *bytes)
{
    bytes->clear();
    while (bytes->size() < most) {
        const QByteArray piece = file.read(qMin<qint64>(most - bytes->size(), 1024 * 1024));
        if (file.error() != QFileDevice::NoError)
            return false;
        if (piece.isEmpty())
            break;
        bytes->append(piece);
    }
    return true;
}

SvgText unpackSvg(const QByteArray &fileBytes, const QString &shownName, qint64 limit)
{
    SvgText result;
    if (isGzip(fileBytes)) {
        const QString problem = inflateLimited(fileBytes, limit, false, result.text);
        if (!problem.isEmpty()) {
            result.problem = quoted(shownName) + problem;
            return result;
        }
    } else if (fileBytes.size() > limit) {
        result.problem = quoted(shownName) + QStringLiteral("is over ") + sizeText(limit);
        return result;
    } else {
        result.text = fileBytes;
    }
    if (!looksLikeSvg(result.text)) {
        result.text.clear();
        result.problem = quoted(shownName) + QStringLiteral("is not an SVG document");
    }
    return result;
}

SvgText readSvgFile(const QString &path, const QString &shownName, qint64 limit)
{
    SvgText result;
    const QString problem = fileProblem(QFileInfo(path), limit);
    if (!problem.isEmpty()) {
        result.problem = quoted(shownName) + problem;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.problem = quoted(shownName) + readProblem(file);
        return result;
    }
    QByteArray bytes;
    if (!readAtMost(file, limit + 1, &bytes)) {
        result.problem = quoted(shownName) + readProblem(file);
        return result;
    }
    return unpackSvg(bytes, shownName, limit);
}

QString glanceAtSvgFile(const QString &path, const QString &shownName, qint64 limit)
{
    QString problem = fileProblem(QFileInfo(path), limit);
    if (!problem.isEmpty())
        return quoted(shownName) + problem;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return quoted(shownName) + readProblem(file);
    const QByteArray head = file.read(HeadBytes);
    if (file.error() != QFileDevice::NoError)
        return quoted(shownName) + readProblem(file);
    QByteArray text = head;
    if (isGzip(head)) {
        text.clear();
        problem = inflateLimited(head, HeadBytes, true, text);
        if (!problem.isEmpty())
            return quoted(shownName) + problem;
    }
    if (!looksLikeSvg(text))
        return quoted(shownName) + QStringLiteral("is not an SVG document");
    return QString();
}

} // namespace deck
