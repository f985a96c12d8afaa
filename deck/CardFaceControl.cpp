#include "deck/CardFaceControl.h"

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
        throw shell::Failure(CardFaceControl::tr("The stored property %1 is not a number.").arg(key));
    const double whole = std::nearbyint(value);  // half to even
    if (whole > INT_MAX)
        return INT_MAX;
    if (whole < INT_MIN)
        return INT_MIN;
    return int(whole);
}

} // namespace

CardFaceControl::CardFaceControl(QWidget *parent)
    : QLabel(parent)
{
    setPixmap(QPixmap::fromImage(PictureSet::instance().icon()));
    setAccessibleName(tr("Card face control"));
    keepFixedSize();
}

QImage CardFaceControl::Picture() const { return m_current; }

void CardFaceControl::setPicture(const QImage &)
{
    shell::showMessage(tr("You cannot change this property."), shell::MessageIcon::None);
}

void CardFaceControl::setChangeCard(qint64 number)
{
    if (number < 0 || number > 53) {
        //: ChangeCard is the property's name and stays as it is.
        shell::showMessage(tr("ChangeCard property must be from 0 to 53!"), shell::MessageIcon::Error);
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

void CardFaceControl::setChangeBack(qint64 number)
{
    if (number < 0 || number > 11) {
        //: ChangeBack is the property's name and stays as it is.
        shell::showMessage(tr("ChangeBack property must be from 0 to 11!"), shell::MessageIcon::Error);
        return;
    }
    m_shownNumber = std::int16_t(number);
    showPicture(PictureSet::instance().back(number));
    emit ChangeBackChanged();
}

void CardFaceControl::ChangeToO() { showPicture(PictureSet::instance().greenRing()); }
void CardFaceControl::ChangeToX() { showPicture(PictureSet::instance().redCross()); }
void CardFaceControl::ChangeToRJoker() { showPicture(PictureSet::instance().redJoker()); }
void CardFaceControl::ChangeToBJoker() { showPicture(PictureSet::instance().blackJoker()); }
void CardFaceControl::AnimAce1() { showPicture(PictureSet::instance().anim(Anim::Ace1)); }
void CardFaceControl::AnimAce2() { showPicture(PictureSet::instance().anim(Anim::Ace2)); }
void CardFaceControl::AnimBats() { showPicture(PictureSet::instance().anim(Anim::Bats)); }
void CardFaceControl::AnimRobot1() { showPicture(PictureSet::instance().anim(Anim::Robot1)); }
void CardFaceControl::AnimRobot2() { showPicture(PictureSet::instance().anim(Anim::Robot2)); }
void CardFaceControl::AnimSun1() { showPicture(PictureSet::instance().anim(Anim::Face1)); }
void CardFaceControl::AnimSun2() { showPicture(PictureSet::instance().anim(Anim::Face2)); }

void CardFaceControl::InitProperties()
{
    setChangeCard(0);
    setChangeBack(0);
}

void CardFaceControl::ReadProperties(const QVariantMap &stored)
{
    setChangeCard(storedNumber(stored, CardKey));
    setChangeBack(storedNumber(stored, BackKey));
}

QVariantMap CardFaceControl::WriteProperties() const
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

void CardFaceControl::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    keepFixedSize();
}

void CardFaceControl::showPicture(const QImage &picture)
{
    m_current = picture;
    setAccessibleDescription(pictureName(picture));
}

void CardFaceControl::keepFixedSize()
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
    const QMetaObject &meta = CardFaceControl::staticMetaObject;
    const int info = meta.indexOfClassInfo("ProgID");
    const QString progId = QString::fromLatin1(meta.classInfo(info).value());
    // Programmatic identifiers are not case-sensitive.
    if (identifier.compare(progId, Qt::CaseInsensitive) != 0)
        return nullptr;
    return new CardFaceControl(parent);
}

} // namespace deck
