// dealwright-court-sheet FOLDER OUT.png [HEIGHT]: the twelve court cards of
// an assets folder on one sheet, jacks, queens and kings in rows and the
// suits (spades, diamonds, clubs, hearts) in columns, for judging the
// figures by eye. The scalable pictures are drawn by Qt SVG at HEIGHT
// pixels (1050 unless given); HEIGHT 96 tiles the natural-size GIFs
// instead, each pixel enlarged four times.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

constexpr int CardWidth = 71;
constexpr int CardHeight = 96;
constexpr int Gap = 24;

QString cardName(int suit, int rank) { return QStringLiteral("Card%1").arg(suit * 13 + rank - 1, 2, 10, QLatin1Char('0')); }

QImage drawn(const QString &folder, int suit, int rank, int height)
{
    if (height == CardHeight) {
        const QImage gif(folder + QStringLiteral("/pictures/") + cardName(suit, rank) + QStringLiteral(".gif"));
        return gif.isNull() ? gif : gif.scaled(gif.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    QSvgRenderer renderer(folder + QStringLiteral("/scalable/") + cardName(suit, rank) + QStringLiteral(".svg"));
    if (!renderer.isValid())
        return QImage();
    QImage picture(qRound(height * double(CardWidth) / CardHeight), height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(picture.rect()));
    return picture;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: dealwright-court-sheet FOLDER OUT.png [HEIGHT]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int height = argc == 4 ? QByteArray(argv[3]).toInt() : 1050;
    if (height < 16) {
        std::fprintf(stderr, "dealwright-court-sheet: the height must be at least 16 pixels\n");
        return 2;
    }
    QList<QImage> cards;
    for (int rank = 11; rank <= 13; ++rank) {
        for (int suit = 0; suit < 4; ++suit) {
            cards.append(drawn(folder, suit, rank, height));
            if (cards.last().isNull()) {
                std::fprintf(stderr, "dealwright-court-sheet: cannot read %s\n", qPrintable(cardName(suit, rank)));
                return 1;
            }
        }
    }
    const QSize cell = cards.first().size();
    QImage sheet(4 * cell.width() + 5 * Gap, 3 * cell.height() + 4 * Gap, QImage::Format_RGB32);
    sheet.fill(QColor(40, 110, 60));
    QPainter painter(&sheet);
    for (int i = 0; i < cards.size(); ++i)
        painter.drawImage(Gap + (i % 4) * (cell.width() + Gap), Gap + (i / 4) * (cell.height() + Gap), cards[i]);
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "dealwright-court-sheet: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
