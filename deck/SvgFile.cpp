#include "deck/SvgFile.h"

#include <QCoreApplication>
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

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024 * 1024), 'g', 3);
}

// What is wrong with a file, said in one sentence that names it (the end
// of "card design <folder> left out: ..." on standard error).
enum class Fault { None, CannotUnpack, OverUnpacked, Truncated, Damaged, Missing, NotRegular, Over, CannotRead, NotSvg };

struct Problem {
    Fault fault = Fault::None;
    QString detail;  // the library's or the system's words
    explicit operator bool() const { return fault != Fault::None; }
};

QString described(const Problem &problem, const QString &name, qint64 limit)
{
    switch (problem.fault) {
    case Fault::CannotUnpack:
        return QCoreApplication::translate("deck::SvgFile", "its SVG file %1 cannot be unpacked").arg(name);
    case Fault::OverUnpacked:
        //: %1 is the file, %2 the limit in megabytes (MB).
        return QCoreApplication::translate("deck::SvgFile", "its SVG file %1 is over %2 MB unpacked")
            .arg(name, megabytes(limit));
    case Fault::Truncated:
        return QCoreApplication::translate("deck::SvgFile", "its SVG file %1 is truncated").arg(name);
    case Fault::Damaged:
        //: %1 is the file, %2 what the unpacking library says.
        return QCoreApplication::translate("deck::SvgFile", "its SVG file %1 is damaged (%2)")
            .arg(name, problem.detail);
    case Fault::Missing:
        return QCoreApplication::translate("deck::SvgFile", "its SVG file %1 is missing").arg(name);
    case Fault::NotRegular:
        return QCoreApplication::translate("deck::SvgFile", "its SVG file %1 is not a regular file").arg(name);
    case Fault::Over:
        //: %1 is the file, %2 the limit in megabytes (MB).
        return QCoreApplication::translate("deck::SvgFile", "its SVG file %1 is over %2 MB")
            .arg(name, megabytes(limit));
    case Fault::CannotRead:
        //: %1 is the file, %2 the system's reason.
        return QCoreApplication::translate("deck::SvgFile", "its SVG file %1 cannot be read (%2)")
            .arg(name, problem.detail);
    case Fault::NotSvg:
        return QCoreApplication::translate("deck::SvgFile", "its SVG file %1 is not an SVG document").arg(name);
    case Fault::None:
        break;
    }
    return QString();
}

// Unpacks gzip data into `out`, stopping with a problem as soon as more
// than `limit` bytes come out. With `partial`, input that ends early is
// fine (only the file's first bytes were read) and unpacking stops once
// `limit` bytes are out.
Problem inflateLimited(const QByteArray &in, qint64 limit, bool partial, QByteArray &out)
{
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return Problem{Fault::CannotUnpack, {}};
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.constData()));
    stream.avail_in = uInt(in.size());
    QByteArray buffer(Chunk, Qt::Uninitialized);
    Problem problem;
    for (;;) {
        stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
        stream.avail_out = uInt(buffer.size());
        const int result = inflate(&stream, Z_NO_FLUSH);
        const qint64 produced = buffer.size() - qint64(stream.avail_out);
        if (out.size() + produced > limit) {
            if (partial) {
                out.append(buffer.constData(), int(limit - out.size()));
            } else {
                problem = Problem{Fault::OverUnpacked, {}};
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
                problem = Problem{Fault::Truncated, {}};
        } else {
            problem = Problem{Fault::Damaged, QString::fromLatin1(stream.msg ? stream.msg : "bad data")};
        }
        break;
    }
    inflateEnd(&stream);
    if (problem)
        out.clear();
    return problem;
}

// The checks that come before reading.
Problem fileProblem(const QFileInfo &info, qint64 limit)
{
    if (!info.exists())
        return Problem{Fault::Missing, {}};
    if (!info.isFile())
        return Problem{Fault::NotRegular, {}};
    if (info.size() > limit)
        return Problem{Fault::Over, {}};
    return Problem{};
}

Problem readProblem(const QFile &file)
{
    return Problem{Fault::CannotRead, file.errorString()};
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
        const Problem problem = inflateLimited(fileBytes, limit, false, result.text);
        if (problem) {
            result.problem = described(problem, shownName, limit);
            return result;
        }
    } else if (fileBytes.size() > limit) {
        result.problem = described(Problem{Fault::Over, {}}, shownName, limit);
        return result;
    } else {
        result.text = fileBytes;
    }
    if (!looksLikeSvg(result.text)) {
        result.text.clear();
        result.problem = described(Problem{Fault::NotSvg, {}}, shownName, limit);
    }
    return result;
}

SvgText readSvgFile(const QString &path, const QString &shownName, qint64 limit)
{
    SvgText result;
    const Problem problem = fileProblem(QFileInfo(path), limit);
    if (problem) {
        result.problem = described(problem, shownName, limit);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.problem = described(readProblem(file), shownName, limit);
        return result;
    }
    QByteArray bytes;
    if (!readAtMost(file, limit + 1, &bytes)) {
        result.problem = described(readProblem(file), shownName, limit);
        return result;
    }
    return unpackSvg(bytes, shownName, limit);
}

QString glanceAtSvgFile(const QString &path, const QString &shownName, qint64 limit)
{
    Problem problem = fileProblem(QFileInfo(path), limit);
    if (problem)
        return described(problem, shownName, limit);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return described(readProblem(file), shownName, limit);
    const QByteArray head = file.read(HeadBytes);
    if (file.error() != QFileDevice::NoError)
        return described(readProblem(file), shownName, limit);
    QByteArray text = head;
    if (isGzip(head)) {
        text.clear();
        problem = inflateLimited(head, HeadBytes, true, text);
        if (problem)
            return described(problem, shownName, limit);
    }
    if (!looksLikeSvg(text))
        return described(Problem{Fault::NotSvg, {}}, shownName, limit);
    return QString();
}

} // namespace deck
