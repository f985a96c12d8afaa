#pragma once
// Card decks broken on purpose, each in one way, for the card-design tests.
#include "DesignFixtures.h"

#include "deck/SvgFile.h"

#include <unistd.h>

namespace designfixtures {

// How a broken deck is made.
enum class Fault {
    MissingIndex, IndexWithoutGroup, IndexWithoutSvg, MissingSvg, SvgIsFolder, UnreadableSvg, NotSvg,
    HugePlainSvg, TruncatedGzip, DamagedGzip, GzipBomb, MalformedXml, LacksOneFace,
};

// 100 MB of spaces inside an SVG element: 100 KB compressed.
inline QByteArray gzipBomb()
{
    const QByteArray head = "<svg xmlns=\"http://www.w3.org/2000/svg\"><desc>";
    return gzipStream(100LL * 1024 * 1024, [&](char *to, int n, qint64 from) {
        memset(to, ' ', size_t(n));
        if (from == 0)
            memcpy(to, head.constData(), size_t(head.size()));
    });
}

inline void makeBrokenDeck(const QString &root, const QString &folder, Fault fault)
{
    const QByteArray index = indexText(folder, QStringLiteral("deck.svgz"));
    const QByteArray good = gzip(syntheticSvg());
    const QString directory = root + QLatin1Char('/') + folder;
    switch (fault) {
    case Fault::MissingIndex: makeDeck(root, folder, QByteArray(), QStringLiteral("deck.svgz"), good); break;
    case Fault::IndexWithoutGroup:
        makeDeck(root, folder, "[Desktop Entry]\nName=x\nSVG=deck.svgz\n", QStringLiteral("deck.svgz"), good);
        break;
    case Fault::IndexWithoutSvg: makeDeck(root, folder, "[KDE Backdeck]\nName=x\n", QStringLiteral("deck.svgz"), good); break;
    case Fault::MissingSvg: makeDeck(root, folder, index, QString(), QByteArray()); break;
    case Fault::SvgIsFolder:
        makeDeck(root, folder, index, QString(), QByteArray());
        QDir().mkpath(directory + QStringLiteral("/deck.svgz"));
        break;
    case Fault::UnreadableSvg:
        makeDeck(root, folder, index, QString(), QByteArray());
        if (geteuid() == 0) {
            // Permissions do not stop root: a file whose reading fails.
            QFile::link(QStringLiteral("/proc/self/mem"), directory + QStringLiteral("/deck.svgz"));
        } else {
            writeFile(directory + QStringLiteral("/deck.svgz"), good);
            QFile::setPermissions(directory + QStringLiteral("/deck.svgz"), QFileDevice::Permissions());
        }
        break;
    case Fault::NotSvg: makeDeck(root, folder, index, QStringLiteral("deck.svgz"), "\x89PNG\r\n\x1a\n not a picture"); break;
    case Fault::HugePlainSvg: {
        makeDeck(root, folder, index, QStringLiteral("deck.svgz"), syntheticSvg());
        QFile file(directory + QStringLiteral("/deck.svgz"));
        file.resize(deck::MaxSvgBytes + 1);  // sparse: takes no room on disk
        break;
    }
    case Fault::TruncatedGzip: makeDeck(root, folder, index, QStringLiteral("deck.svgz"), good.left(good.size() / 2)); break;
    case Fault::DamagedGzip: {
        QByteArray damaged = good;
        for (int i = damaged.size() / 3; i < damaged.size() / 3 + 40; ++i)
            damaged[i] = char(damaged[i] ^ 0x5a);
        makeDeck(root, folder, index, QStringLiteral("deck.svgz"), damaged);
        break;
    }
    case Fault::GzipBomb: makeDeck(root, folder, index, QStringLiteral("deck.svgz"), gzipBomb()); break;
    case Fault::MalformedXml:
        makeDeck(root, folder, index, QStringLiteral("deck.svgz"), gzip(syntheticSvg().replace("</svg>", "</g></svg>")));
        break;
    case Fault::LacksOneFace: {
        SyntheticDeck lacking;
        lacking.leaveOut << QStringLiteral("queen_heart");
        makeDeck(root, folder, index, QStringLiteral("deck.svgz"), gzip(syntheticSvg(lacking)));
        break;
    }
    }
}

} // namespace designfixtures
