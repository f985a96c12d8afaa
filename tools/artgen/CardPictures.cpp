// The list of card-sized pictures and their two forms.
#include "tools/artgen/ArtGen.h"
#include "tools/artgen/Designs.h"

namespace artgen {
namespace {

constexpr int Faces = 52;
constexpr int Jokers = Faces;
constexpr int GreenRing = Jokers + 2;
constexpr int RedCross = GreenRing + 1;
constexpr int Backs = RedCross + 1;

void paintCardPicture(CardSurface &card, int index)
{
    if (index < Jokers)
        paintFace(card, index);
    else if (index < GreenRing)
        paintJoker(card, index == Jokers);
    else if (index == GreenRing)
        paintGreenRing(card);
    else if (index == RedCross)
        paintRedCross(card);
    else
        paintBack(card, index - Backs);
}

} // namespace

QString cardPictureName(int index)
{
    const auto twoDigits = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    if (index < Jokers)
        return QStringLiteral("Card") + twoDigits(index);
    if (index < GreenRing)
        return index == Jokers ? QStringLiteral("Joker1") : QStringLiteral("Joker2");
    if (index == GreenRing)
        return QStringLiteral("gO");
    if (index == RedCross)
        return QStringLiteral("rX");
    return QStringLiteral("Back") + twoDigits(index - Backs);
}

QImage drawCardPicture(int index)
{
    RasterSurface card;
    paintCardPicture(card, index);
    return card.finished();
}

QByteArray cardPictureSvg(int index)
{
    VectorSurface card;
    paintCardPicture(card, index);
    return card.svg();
}

QImage drawFace(int number) { return drawCardPicture(number); }
QImage drawJoker(bool red) { return drawCardPicture(red ? Jokers : Jokers + 1); }
QImage drawGreenRing() { return drawCardPicture(GreenRing); }
QImage drawRedCross() { return drawCardPicture(RedCross); }
QImage drawBack(int number) { return drawCardPicture(Backs + number); }

} // namespace artgen
