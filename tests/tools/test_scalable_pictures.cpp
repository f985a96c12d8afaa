// The committed SVG pictures are the same designs as the committed GIF
// pictures at the natural size, and stay sharp when enlarged, where the
// GIFs blur.
#include "PictureMeasures.h"
#include "deck/GifDecode.h"
#include "tools/artgen/ArtGen.h"

#include <QtTest>

using namespace picturemeasures;

namespace {

QImage committedGif(int index)
{
    return deck::decodeGif(readCommitted(QStringLiteral("pictures/") + artgen::cardPictureName(index) + QStringLiteral(".gif")));
}

QByteArray committedSvg(int index) { return readCommitted(QStringLiteral("scalable/") + artgen::scalableFile(index)); }

QString percent(double share) { return QString::number(share * 100, 'f', 2) + QLatin1Char('%'); }

} // namespace

class TestScalablePictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void eachSvgIsItsOwnGifAtNaturalSize();
    void enlargedSvgStaysSharpWhereTheGifBlurs();

private:
    QList<QImage> gifs;
    QList<QByteArray> svgs;
};

void TestScalablePictures::initTestCase()
{
    for (int i = 0; i < artgen::CardPictureCount; ++i) {
        gifs.append(committedGif(i));
        svgs.append(committedSvg(i));
        QVERIFY2(!gifs.last().isNull() && !svgs.last().isEmpty(), qPrintable(artgen::cardPictureName(i)));
    }
}

void TestScalablePictures::eachSvgIsItsOwnGifAtNaturalSize()
{
    // Every SVG is within the threshold of its own GIF and clearly beyond
    // it from every other GIF, and every GIF from every other SVG.
    std::vector<Softened> rendered;
    std::vector<Softened> natural;
    for (int i = 0; i < svgs.size(); ++i) {
        const QImage picture = renderSvg(svgs[i], QSize(Width, Height));
        QVERIFY2(!picture.isNull(), qPrintable(artgen::cardPictureName(i)));
        rendered.push_back(soften(picture));
        natural.push_back(soften(gifs[i]));
    }
    double worstOwn = 0;
    double nearestOther = 1;
    QStringList failures;
    for (int i = 0; i < int(rendered.size()); ++i) {
        const double own = designDifference(rendered[size_t(i)], natural[size_t(i)]);
        worstOwn = qMax(worstOwn, own);
        if (own >= SameDesign)
            failures << QStringLiteral("%1 differs from its GIF in %2").arg(artgen::cardPictureName(i), percent(own));
        for (int j = 0; j < int(rendered.size()); ++j) {
            if (j == i)
                continue;
            const double other = designDifference(rendered[size_t(i)], natural[size_t(j)]);
            nearestOther = qMin(nearestOther, other);
            if (other < 1.25 * SameDesign) {
                failures << QStringLiteral("%1 passes for %2 (%3)")
                                .arg(artgen::cardPictureName(i), artgen::cardPictureName(j), percent(other));
            }
        }
    }
    qInfo("own GIF at most %s, any other GIF at least %s", qPrintable(percent(worstOwn)), qPrintable(percent(nearestOther)));
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

void TestScalablePictures::enlargedSvgStaysSharpWhereTheGifBlurs()
{
    const QSize large(4 * Width, 4 * Height);
    // The ace of clubs: a row through the stems of the corner "A" and a row
    // through the side leaves of the big club, where its outline is upright.
    const int ace = 26;
    const QImage svg = renderSvg(svgs[ace], large);
    const QImage gif = gifs[ace].convertToFormat(QImage::Format_ARGB32).scaled(large, Qt::IgnoreAspectRatio,
                                                                               Qt::SmoothTransformation);
    for (const double row : {7.5, 50.5}) {
        const int y = int(row * 4);
        const std::vector<int> sharp = transitionWidths(svg, y);
        const std::vector<int> blurred = transitionWidths(gif, y);
        // The same edges are crossed in both.
        QVERIFY2(sharp.size() >= 2, qPrintable(QString::number(sharp.size())));
        QCOMPARE(sharp.size(), blurred.size());
        const int widestSharp = *std::max_element(sharp.begin(), sharp.end());
        const int narrowestBlurred = *std::min_element(blurred.begin(), blurred.end());
        qInfo("row %.1f: %d edges, SVG at most %d pixels between ink and paper, GIF at least %d", row,
              int(sharp.size()), widestSharp, narrowestBlurred);
        QVERIFY2(widestSharp <= 2, qPrintable(QStringLiteral("row %1").arg(row)));
        QVERIFY2(narrowestBlurred >= 4, qPrintable(QStringLiteral("row %1").arg(row)));
    }
    // Enlarged and reduced again, every picture is still its own GIF.
    double worst = 0;
    for (int i = 0; i < svgs.size(); ++i) {
        const QImage reduced = renderSvg(svgs[i], large).scaled(Width, Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double difference = designDifference(reduced, gifs[i]);
        worst = qMax(worst, difference);
        QVERIFY2(difference < SameDesign, qPrintable(artgen::cardPictureName(i) + QLatin1Char(' ') + percent(difference)));
    }
    qInfo("enlarged and reduced: at most %s from the own GIF", qPrintable(percent(worst)));
}

QTEST_MAIN(TestScalablePictures)
#include "test_scalable_pictures.moc"
