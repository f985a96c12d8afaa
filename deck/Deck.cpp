#include "deck/Deck.h"

#include "deck/PictureSet.h"
#include "shell/Failure.h"
#include "shell/Messages.h"
#include "shell/Twips.h"

#include <QMetaClassInfo>
#include <QPixmap>
#include <QResizeEvent>
#include <climits>
#include <cmath>

namespace deck {
namespace {

constexpr int WidthTwips = 480;
constexpr int HeightTwips = 585;

const QString CardKey = QStringLiteral("ChangeCard");
const QString BackKey = QStringLiteral("ChangeBack");
const QString PictureKey = QStringLiteral("Picture");

// A stored 16-bit number: missing reads as the default 0. A number outside
// the 16-bit range is handed on unchanged (clamped only to int) so that the
// property refuses it with its range message instead of wrapping it.
int storedNumber(const QVariantMap &stored, const QString &key)
{
    const auto found = stored.constFind(key);
    if (found == stored.constEnd() || !found->isValid() || found->isNull())
        return 0;
    bool ok = false;
    const double value = found->toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw shell::Failure(QStringLiteral("The stored property %1 is not a number.").arg(key));
    const double whole = std::nearbyint(value);  // half to even
    if (whole > INT_MAX)
        return INT_MAX;
    if (whole < INT_MIN)
        return INT_MIN;
    return int(whole);
}

} // namespace

Deck::Deck(QWidget *parent)
    : QLabel(parent)
{
    setPixmap(QPixmap::fromImage(PictureSet::instance().icon()));
    setAccessibleName(QStringLiteral("Card face control"));
    keepFixedSize();
}

QImage Deck::Picture() const { return m_current; }

void Deck::setPicture(const QImage &)
{
    shell::showMessage(QStringLiteral("You cannot change this property."), shell::MessageIcon::None);
}

void Deck::setChangeCard(qint64 number)
{
    if (number < 0 || number > 53) {
        shell::showMessage(QStringLiteral("ChangeCard property must be from 0 to 53!"), shell::MessageIcon::Error);
        return;
    }
    const PictureSet &set = PictureSet::instance();
    m_shownNumber = std::int16_t(number);
    if (number == 52)
        showPicture(set.redJoker());
    else if (number == 53)
        showPicture(set.blackJoker());
    else
        showPicture(set.card(number));
    emit ChangeCardChanged();
}

void Deck::setChangeBack(qint64 number)
{
    if (number < 0 || number > 11) {
        shell::showMessage(QStringLiteral("ChangeBack property must be from 0 to 11!"), shell::MessageIcon::Error);
        return;
    }
    m_shownNumber = std::int16_t(number);
    showPicture(PictureSet::instance().back(number));
    emit ChangeBackChanged();
}

void Deck::ChangeToO() { showPicture(PictureSet::instance().greenRing()); }
void Deck::ChangeToX() { showPicture(PictureSet::instance().redCross()); }
void Deck::ChangeToRJoker() { showPicture(PictureSet::instance().redJoker()); }
void Deck::ChangeToBJoker() { showPicture(PictureSet::instance().blackJoker()); }
void Deck::AnimAce1() { showPicture(PictureSet::instance().anim(Anim::Ace1)); }
void Deck::AnimAce2() { showPicture(PictureSet::instance().anim(Anim::Ace2)); }
void Deck::AnimBats() { showPicture(PictureSet::instance().anim(Anim::Bats)); }
void Deck::AnimRobot1() { showPicture(PictureSet::instance().anim(Anim::Robot1)); }
void Deck::AnimRobot2() { showPicture(PictureSet::instance().anim(Anim::Robot2)); }
void Deck::AnimSun1() { showPicture(PictureSet::instance().anim(Anim::Face1)); }
void Deck::AnimSun2() { showPicture(PictureSet::instance().anim(Anim::Face2)); }

void Deck::InitProperties()
{
    setChangeCard(0);
    setChangeBack(0);
}

void Deck::ReadProperties(const QVariantMap &stored)
{
    setChangeCard(storedNumber(stored, CardKey));
    setChangeBack(storedNumber(stored, BackKey));
}

QVariantMap Deck::WriteProperties() const
{
    // Keys equal to their defaults are left out: "(None)" for the picture,
    // 0 for the numbers.
    QVariantMap stored;
    if (!m_current.isNull())
        stored.insert(PictureKey, m_current);
    if (m_shownNumber != 0) {
        stored.insert(CardKey, int(m_shownNumber));
        stored.insert(BackKey, int(m_shownNumber));
    }
    return stored;
}

void Deck::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    keepFixedSize();
}

void Deck::showPicture(const QImage &picture)
{
    m_current = picture;
    setAccessibleDescription(pictureName(picture));
}

void Deck::keepFixedSize()
{
    if (m_keepingSize)
        return;
    m_keepingSize = true;
    // Height first, then width; the fixed size keeps any host from
    // stretching the control in between.
    const double perPixel = shell::twipsPerPixel(this);
    setFixedSize(shell::twipsToPixels(WidthTwips, perPixel), shell::twipsToPixels(HeightTwips, perPixel));
    shell::setTwipsHeight(this, HeightTwips);
    shell::setTwipsWidth(this, WidthTwips);
    m_keepingSize = false;
}

QWidget *createControl(const QString &identifier, QWidget *parent)
{
    const QMetaObject &meta = Deck::staticMetaObject;
    const int info = meta.indexOfClassInfo("ProgID");
    const QString progId = QString::fromLatin1(meta.classInfo(info).value());
    // Programmatic identifiers are not case-sensitive.
    if (identifier.compare(progId, Qt::CaseInsensitive) != 0)
        return nullptr;
    return new Deck(parent);
}

} // namespace deck
