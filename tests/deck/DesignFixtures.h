#pragma once
// Card decks made on the spot for the card-design tests: a temporary data
// folder (XDG_DATA_HOME) with its "carddecks", the system's data folders
// (XDG_DATA_DIRS) pointed at an empty folder, and decks of plain coloured
// rectangles written into it, well-formed or broken on purpose.
#include "deck/CardDesign.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <zlib.h>

namespace designfixtures {

// The data folders for as long as it lives; the previous ones come back.
class DataFolders {
public:
    DataFolders() : m_home(qgetenv("XDG_DATA_HOME")), m_dirs(qgetenv("XDG_DATA_DIRS"))
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("home/carddecks"));
        QDir(m_dir.path()).mkpath(QStringLiteral("system/carddecks"));
        qputenv("XDG_DATA_HOME", home().toLocal8Bit());
        qputenv("XDG_DATA_DIRS", QString(m_dir.path() + QStringLiteral("/system")).toLocal8Bit());
    }
    ~DataFolders()
    {
        restore("XDG_DATA_HOME", m_home);
        restore("XDG_DATA_DIRS", m_dirs);
    }
    QString home() const { return m_dir.path() + QStringLiteral("/home"); }
    QString homeDecks() const { return home() + QStringLiteral("/carddecks"); }
    QString systemDecks() const { return m_dir.path() + QStringLiteral("/system/carddecks"); }

private:
    static void restore(const char *name, const QByteArray &value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    QTemporaryDir m_dir;
    QByteArray m_home;
    QByteArray m_dirs;
};

// The colour a synthetic deck paints card `card` (faces 0..51), distinct
// for every face.
inline QString faceColour(int card)
{
    return QStringLiteral("#%1%2%3")
        .arg(40 + card * 4, 2, 16, QLatin1Char('0'))
        .arg(200 - card * 3, 2, 16, QLatin1Char('0'))
        .arg((card * 37) % 200 + 30, 2, 16, QLatin1Char('0'));
}

struct SyntheticDeck {
    QStringList leaveOut;             // element ids not to write
    bool jokers = false;              // red_joker and black_joker
    bool sharedJoker = false;         // one "joker" for both
    int width = 50;                   // each element's size in SVG units
    int height = 100;
};

// An SVG text with one group per element, each a rectangle of its own
// colour, side by side on a large canvas.
inline QByteArray syntheticSvg(const SyntheticDeck &deck = SyntheticDeck())
{
    QStringList ids;
    QStringList colours;
    for (int card = 0; card < 52; ++card) {
        ids << deck::faceElementId(card);
        colours << faceColour(card);
    }
    ids << QStringLiteral("back");
    colours << QStringLiteral("#2040c0");
    if (deck.jokers) {
        ids << QStringLiteral("red_joker") << QStringLiteral("black_joker");
        colours << QStringLiteral("#ff0000") << QStringLiteral("#000000");
    }
    if (deck.sharedJoker) {
        ids << QStringLiteral("joker");
        colours << QStringLiteral("#808000");
    }
    QString text = QStringLiteral("<?xml version=\"1.0\"?>\n<!-- made by the tests -->\n"
                                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\">\n")
                       .arg(ids.size() * (deck.width + 10))
                       .arg(deck.height);
    for (int i = 0; i < ids.size(); ++i) {
        if (deck.leaveOut.contains(ids.at(i)))
            continue;
        text += QStringLiteral("<g id=\"%1\"><rect x=\"%2\" y=\"0\" width=\"%3\" height=\"%4\" fill=\"%5\"/></g>\n")
                    .arg(ids.at(i))
                    .arg(i * (deck.width + 10))
                    .arg(deck.width)
                    .arg(deck.height)
                    .arg(colours.at(i));
    }
    text += QStringLiteral("</svg>\n");
    return text.toUtf8();
}

// `bytes` gzip-compressed, or `size` bytes made by `fill` compressed as
// they are made (large texts without holding them).
inline QByteArray gzipStream(qint64 size, const std::function<void(char *, int, qint64)> &fill)
{
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray out;
    QByteArray in(1 << 20, '\0');
    QByteArray buffer(1 << 16, '\0');
    for (qint64 done = 0; done < size || stream.avail_in > 0;) {
        if (stream.avail_in == 0) {
            const int n = int(qMin<qint64>(in.size(), size - done));
            fill(in.data(), n, done);
            done += n;
            stream.next_in = reinterpret_cast<Bytef *>(in.data());
            stream.avail_in = uInt(n);
        }
        const int flush = done < size ? Z_NO_FLUSH : Z_FINISH;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
            stream.avail_out = uInt(buffer.size());
            deflate(&stream, flush);
            out.append(buffer.constData(), buffer.size() - int(stream.avail_out));
        } while (stream.avail_out == 0);
        if (flush == Z_FINISH)
            break;
    }
    deflateEnd(&stream);
    return out;
}

inline QByteArray gzip(const QByteArray &bytes)
{
    return gzipStream(bytes.size(), [&](char *to, int n, qint64 from) { memcpy(to, bytes.constData() + from, size_t(n)); });
}

inline QByteArray indexText(const QString &name, const QString &svgFile, const QString &extra = QString())
{
    return QStringLiteral("[KDE Backdeck]\nName=%1\nSVG=%2\nPreview=11.png\n%3").arg(name, svgFile, extra).toUtf8();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A deck folder `folder` in `root` with this index text and SVG file bytes
// (either may be null to leave the file out). Its folder's path.
inline QString makeDeck(const QString &root, const QString &folder, const QByteArray &index, const QString &svgName,
                        const QByteArray &svg)
{
    const QString directory = root + QLatin1Char('/') + folder;
    QDir().mkpath(directory);
    if (!index.isNull())
        writeFile(directory + QStringLiteral("/index.desktop"), index);
    if (!svg.isNull())
        writeFile(directory + QLatin1Char('/') + svgName, svg);
    return directory;
}

} // namespace designfixtures
