#include "deck/PictureSet.h"

#include "cards/CardNames.h"
#include "deck/GifDecode.h"
#include "deck/PictureFiles.h"
#include "shell/Failure.h"

#include <QCoreApplication>
#include <QFile>
#include <array>

namespace deck {
namespace {

// What a picture shows, in English (its name in every language comes from
// pictureName()); a card's face also carries its card number.
const QString DescriptionKey = QStringLiteral("Description");
const QString CardKey = QStringLiteral("Card");
const char *const Context = "deck::PictureSet";
// The name of a card-sized picture's scalable source (CardPixmaps.h).
const QString ScalableKey = QStringLiteral("Scalable");

QByteArray resourceBytes(const QString &name)
{
    QFile file(QStringLiteral(":/deck/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw shell::Failure(QCoreApplication::translate("deck::PictureSet", "The card picture %1 is missing.")
            .arg(name));
    return file.readAll();
}

QString twoDigits(int number) { return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')); }

const char *const AnimFiles[7] = {"aniAce1", "aniAce2", "aniBats", "aniFace1", "aniFace2", "aniRobot1", "aniRobot2"};
const char *const AnimNames[7] = {QT_TRANSLATE_NOOP("deck::PictureSet", "Card coming out of a cuff, first frame"),
                                  QT_TRANSLATE_NOOP("deck::PictureSet", "Card coming out of a cuff, second frame"),
                                  QT_TRANSLATE_NOOP("deck::PictureSet", "Bats"),
                                  QT_TRANSLATE_NOOP("deck::PictureSet", "Sun face with sunglasses"),
                                  QT_TRANSLATE_NOOP("deck::PictureSet", "Sun face with its tongue out"),
                                  QT_TRANSLATE_NOOP("deck::PictureSet", "Robot chest panel, first frame"),
                                  QT_TRANSLATE_NOOP("deck::PictureSet", "Robot chest panel, second frame")};
const char *const RedJokerName = QT_TRANSLATE_NOOP("deck::PictureSet", "Red Joker");
const char *const BlackJokerName = QT_TRANSLATE_NOOP("deck::PictureSet", "Black Joker");
//: The green ring picture of the card face control, a marker laid on a card.
const char *const GreenRingName = QT_TRANSLATE_NOOP("deck::PictureSet", "Green ring marker");
//: The red cross picture of the card face control, a marker laid on a card.
const char *const RedCrossName = QT_TRANSLATE_NOOP("deck::PictureSet", "Red cross marker");
const char *const BackName = QT_TRANSLATE_NOOP("deck::PictureSet", "Card back");
//: The card face control's own small picture.
const char *const ControlName = QT_TRANSLATE_NOOP("deck::PictureSet", "Card face control");

} // namespace

QImage loadPicture(const QString &file, const QString &description)
{
    const QByteArray bytes = resourceBytes(file);
    QImage picture = file.endsWith(QLatin1String(".gif")) ? decodeGif(bytes) : QImage::fromData(bytes, "BMP");
    if (picture.isNull())
        throw shell::Failure(QCoreApplication::translate("deck::PictureSet", "The card picture %1 cannot be read.")
            .arg(file));
    picture.setText(DescriptionKey, description);
    // The card-sized pictures (the GIFs) have a scalable source of the same name.
    if (file.endsWith(QLatin1String(".gif")))
        picture.setText(ScalableKey, file.chopped(4));
    return picture;
}

QStringList pictureFiles()
{
    QStringList files{QStringLiteral("Image1.bmp")};
    for (int n = 0; n < 52; ++n)
        files << QStringLiteral("Card%1.gif").arg(twoDigits(n));
    files << QStringLiteral("Joker1.gif") << QStringLiteral("Joker2.gif") << QStringLiteral("gO.gif")
          << QStringLiteral("rX.gif");
    for (int b = 0; b < 12; ++b)
        files << QStringLiteral("Back%1.gif").arg(twoDigits(b));
    for (const char *anim : AnimFiles)
        files << QString::fromLatin1(anim) + QStringLiteral(".bmp");
    return files;
}

struct PictureSet::Data {
    std::array<QImage, 52> cards;
    QImage redJoker;
    QImage blackJoker;
    QImage greenRing;
    QImage redCross;
    std::array<QImage, 12> backs;
    std::array<QImage, 7> anims;
    QImage icon;
};

PictureSet::PictureSet()
{
    auto data = std::make_unique<Data>();
    for (int n = 0; n < 52; ++n) {
        data->cards[size_t(n)] = loadPicture(QStringLiteral("Card%1.gif").arg(twoDigits(n)), cardName(n));
        data->cards[size_t(n)].setText(CardKey, QString::number(n));
    }
    data->redJoker = loadPicture(QStringLiteral("Joker1.gif"), QString::fromLatin1(RedJokerName));
    data->blackJoker = loadPicture(QStringLiteral("Joker2.gif"), QString::fromLatin1(BlackJokerName));
    data->greenRing = loadPicture(QStringLiteral("gO.gif"), QString::fromLatin1(GreenRingName));
    data->redCross = loadPicture(QStringLiteral("rX.gif"), QString::fromLatin1(RedCrossName));
    for (int b = 0; b < 12; ++b)
        data->backs[size_t(b)] = loadPicture(QStringLiteral("Back%1.gif").arg(twoDigits(b)), QString::fromLatin1(BackName));
    for (int a = 0; a < 7; ++a)
        data->anims[size_t(a)] =
            loadPicture(QString::fromLatin1(AnimFiles[a]) + QStringLiteral(".bmp"), QString::fromLatin1(AnimNames[a]));
    data->icon = loadPicture(QStringLiteral("Image1.bmp"), QString::fromLatin1(ControlName));
    m_data = data.release();
}

const PictureSet &PictureSet::instance()
{
    // Lives until the program ends; the pictures are handed out by reference.
    static const PictureSet *const set = new PictureSet();
    return *set;
}

const QImage &PictureSet::card(int number) const
{
    if (number < 0 || number > 51)
        throw shell::Failure(QCoreApplication::translate("deck::PictureSet", "There is no card number %1.")
            .arg(number));
    return m_data->cards[size_t(number)];
}

const QImage &PictureSet::redJoker() const { return m_data->redJoker; }
const QImage &PictureSet::blackJoker() const { return m_data->blackJoker; }
const QImage &PictureSet::greenRing() const { return m_data->greenRing; }
const QImage &PictureSet::redCross() const { return m_data->redCross; }

const QImage &PictureSet::back(int number) const
{
    if (number < 0 || number > 11)
        throw shell::Failure(QCoreApplication::translate("deck::PictureSet", "There is no card back number %1.")
            .arg(number));
    return m_data->backs[size_t(number)];
}

const QImage &PictureSet::anim(Anim which) const { return m_data->anims[size_t(which)]; }
const QImage &PictureSet::icon() const { return m_data->icon; }

QString cardName(int number)
{
    return cards::englishCardName(number);
}

QString scalableSourceOf(const QImage &picture)
{
    return picture.isNull() ? QString() : picture.text(ScalableKey);
}

QString pictureName(const QImage &picture)
{
    if (picture.isNull())
        return QString();
    const QString card = picture.text(CardKey);
    if (!card.isEmpty())
        return cards::displayCardName(card.toInt());
    return QCoreApplication::translate(Context, picture.text(DescriptionKey).toUtf8().constData());
}

} // namespace deck
