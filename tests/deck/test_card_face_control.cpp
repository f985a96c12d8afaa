// The card face control: numbers to pictures, the range messages with the
// state left alone, the one shared ShownNumber, the picture methods, the
// fixed size, the stored property set, and use by identifier and by name.
#include "support/TestPlatform.h"
#include "deck/CardFaceControl.h"
#include "deck/PictureSet.h"
#include "shell/Failure.h"
#include "shell/Twips.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

using deck::CardFaceControl;
using deck::PictureSet;

namespace {

const PictureSet &set() { return PictureSet::instance(); }

bool sameObject(const QImage &a, const QImage &b) { return !a.isNull() && a.cacheKey() == b.cacheKey(); }

const QString CardRange = QStringLiteral("ChangeCard property must be from 0 to 53!");
const QString BackRange = QStringLiteral("ChangeBack property must be from 0 to 11!");

} // namespace

class TestCardFaceControl : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_platform = std::make_unique<testsupport::TestPlatform>();
        m_deck = std::make_unique<CardFaceControl>();
    }

    void cleanup()
    {
        m_deck.reset();
        m_platform.reset();
    }

    void freshControl()
    {
        QCOMPARE(m_deck->ChangeCard(), 0);
        QVERIFY(m_deck->Picture().isNull());
        // Its surface shows only the icon.
        QCOMPARE(m_deck->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 set().icon().convertToFormat(QImage::Format_RGB32));
        QVERIFY(m_platform->messages.shown.isEmpty());
    }

    void cardNumbersGiveTheirFaces()
    {
        for (int n = 0; n < 52; ++n) {
            m_deck->setChangeCard(n);
            QVERIFY2(sameObject(m_deck->Picture(), set().card(n)), qPrintable(QString::number(n)));
            QCOMPARE(m_deck->ChangeCard(), n);
        }
        m_deck->setChangeCard(0);
        QCOMPARE(deck::pictureName(m_deck->Picture()), QStringLiteral("Ace of Spades"));
        m_deck->setChangeCard(12);
        QCOMPARE(deck::pictureName(m_deck->Picture()), QStringLiteral("King of Spades"));
        m_deck->setChangeCard(13);
        QCOMPARE(deck::pictureName(m_deck->Picture()), QStringLiteral("Ace of Diamonds"));
        m_deck->setChangeCard(51);
        QCOMPARE(deck::pictureName(m_deck->Picture()), QStringLiteral("King of Hearts"));
        QVERIFY(m_platform->messages.shown.isEmpty());
    }

    void jokersByNumber()
    {
        m_deck->setChangeCard(52);
        QVERIFY(sameObject(m_deck->Picture(), set().redJoker()));
        QCOMPARE(m_deck->ChangeCard(), 52);
        m_deck->setChangeCard(53);
        QVERIFY(sameObject(m_deck->Picture(), set().blackJoker()));
        QCOMPARE(m_deck->ChangeCard(), 53);
        QCOMPARE(m_deck->ChangeBack(), 53);
    }

    void backsByNumber()
    {
        for (int b = 0; b < 12; ++b) {
            m_deck->setChangeBack(b);
            QVERIFY(sameObject(m_deck->Picture(), set().back(b)));
            QCOMPARE(m_deck->ChangeBack(), b);
        }
        QVERIFY(m_platform->messages.shown.isEmpty());
    }

    void outOfRangeNumbersAreRefused_data()
    {
        QTest::addColumn<bool>("card");
        QTest::addColumn<QVariant>("number");
        QTest::newRow("card -1") << true << QVariant(-1);
        QTest::newRow("card 54") << true << QVariant(54);
        QTest::newRow("card 99") << true << QVariant(99);
        // Numbers that a 16-bit store would wrap into the range.
        QTest::newRow("card 65536") << true << QVariant(65536);
        QTest::newRow("card 65537") << true << QVariant(65537);
        QTest::newRow("card -65536") << true << QVariant(-65536);
        QTest::newRow("card int max") << true << QVariant(INT_MAX);
        QTest::newRow("card int min") << true << QVariant(INT_MIN);
        // A 64-bit number given by name must not lose its high bits on the way.
        QTest::newRow("card 2^32 + 5") << true << QVariant(qlonglong(1) << 32 | 5);
        QTest::newRow("back 2^40 + 3") << false << QVariant(qlonglong(1) << 40 | 3);
        QTest::newRow("back -1") << false << QVariant(-1);
        QTest::newRow("back 12") << false << QVariant(12);
        QTest::newRow("back 65539") << false << QVariant(65539);
        QTest::newRow("back -32768") << false << QVariant(-32768);
    }

    void outOfRangeNumbersAreRefused()
    {
        QFETCH(bool, card);
        QFETCH(QVariant, number);
        m_deck->setChangeCard(7);
        const QImage before = m_deck->Picture();
        QSignalSpy cardSpy(m_deck.get(), &CardFaceControl::ChangeCardChanged);
        QSignalSpy backSpy(m_deck.get(), &CardFaceControl::ChangeBackChanged);
        // Both through the C++ setter and by name.
        if (card)
            m_deck->setChangeCard(number.toLongLong());
        else
            m_deck->setChangeBack(number.toLongLong());
        QVERIFY(m_deck->setProperty(card ? "ChangeCard" : "ChangeBack", number));
        QCOMPARE(m_platform->messages.shown.size(), 2);
        for (const shell::Message &message : m_platform->messages.shown) {
            QCOMPARE(message.text, card ? CardRange : BackRange);
            QCOMPARE(message.icon, shell::MessageIcon::Error);
        }
        QCOMPARE(m_deck->ChangeCard(), 7);
        QCOMPARE(m_deck->ChangeBack(), 7);
        QVERIFY(sameObject(m_deck->Picture(), before));
        QCOMPARE(cardSpy.size(), 0);
        QCOMPARE(backSpy.size(), 0);
    }

    void pictureCannotBeAssigned()
    {
        m_deck->setChangeBack(4);
        m_deck->setPicture(set().card(3));
        m_deck->setProperty("Picture", QVariant::fromValue(set().card(9)));
        QCOMPARE(m_platform->messages.texts(),
                 QStringList({QStringLiteral("You cannot change this property."), QStringLiteral("You cannot change this property.")}));
        QCOMPARE(m_platform->messages.shown.first().icon, shell::MessageIcon::None);
        QVERIFY(sameObject(m_deck->Picture(), set().back(4)));
        QCOMPARE(m_deck->ChangeCard(), 4);
    }

    void oneShownNumberServesBothProperties()
    {
        m_deck->setChangeCard(30);
        QCOMPARE(m_deck->ChangeBack(), 30);
        m_deck->setChangeBack(2);
        QCOMPARE(m_deck->ChangeCard(), 2);
        QCOMPARE(m_deck->property("ChangeCard").toInt(), 2);
        QVERIFY(sameObject(m_deck->Picture(), set().back(2)));
    }

    void methodsLeaveTheShownNumberAlone()
    {
        const struct {
            const char *method;
            const QImage *picture;
        } methods[] = {
            {"ChangeToO", &set().greenRing()},
            {"ChangeToX", &set().redCross()},
            {"ChangeToRJoker", &set().redJoker()},
            {"ChangeToBJoker", &set().blackJoker()},
            {"AnimAce1", &set().anim(deck::Anim::Ace1)},
            {"AnimAce2", &set().anim(deck::Anim::Ace2)},
            {"AnimBats", &set().anim(deck::Anim::Bats)},
            {"AnimRobot1", &set().anim(deck::Anim::Robot1)},
            {"AnimRobot2", &set().anim(deck::Anim::Robot2)},
            {"AnimSun1", &set().anim(deck::Anim::Face1)},
            {"AnimSun2", &set().anim(deck::Anim::Face2)},
        };
        m_deck->setChangeCard(5);
        QSignalSpy cardSpy(m_deck.get(), &CardFaceControl::ChangeCardChanged);
        QSignalSpy backSpy(m_deck.get(), &CardFaceControl::ChangeBackChanged);
        for (const auto &m : methods) {
            QVERIFY2(QMetaObject::invokeMethod(m_deck.get(), m.method), m.method);
            QVERIFY2(sameObject(m_deck->Picture(), *m.picture), m.method);
            QCOMPARE(m_deck->ChangeCard(), 5);
        }
        QCOMPARE(cardSpy.size(), 0);
        QCOMPARE(backSpy.size(), 0);
        QVERIFY(m_platform->messages.shown.isEmpty());
        // Called directly too.
        m_deck->ChangeToO();
        QCOMPARE(deck::pictureName(m_deck->Picture()), QStringLiteral("Green ring marker"));
        QCOMPARE(m_deck->ChangeCard(), 5);
    }

    void placedPictureStaysWhenTheControlChanges()
    {
        m_deck->setChangeCard(0);
        const QImage placed = m_deck->Picture();
        const QImage copyOfPixels = placed.copy();
        m_deck->setChangeCard(51);
        m_deck->ChangeToX();
        QCOMPARE(deck::pictureName(placed), QStringLiteral("Ace of Spades"));
        QCOMPARE(placed, copyOfPixels);
        QVERIFY(sameObject(placed, set().card(0)));
    }

    void changeNotification()
    {
        QSignalSpy cardSpy(m_deck.get(), &CardFaceControl::ChangeCardChanged);
        QSignalSpy backSpy(m_deck.get(), &CardFaceControl::ChangeBackChanged);
        QVERIFY(m_deck->setProperty("ChangeCard", 5));
        QCOMPARE(cardSpy.size(), 1);
        QCOMPARE(backSpy.size(), 0);
        m_deck->setChangeCard(5);  // every accepted assignment reports, even the same number
        QCOMPARE(cardSpy.size(), 2);
        QVERIFY(m_deck->setProperty("ChangeBack", 3));
        QCOMPARE(backSpy.size(), 1);
        QCOMPARE(cardSpy.size(), 2);
        // The properties say so to the meta-object system.
        const QMetaObject *meta = m_deck->metaObject();
        QCOMPARE(QString::fromLatin1(meta->property(meta->indexOfProperty("ChangeCard")).notifySignal().name()),
                 QStringLiteral("ChangeCardChanged"));
        QCOMPARE(QString::fromLatin1(meta->property(meta->indexOfProperty("ChangeBack")).notifySignal().name()),
                 QStringLiteral("ChangeBackChanged"));
    }

    void sizeIsFixed()
    {
        const QSize fixed(32, 39);  // 480 x 585 twips at 96 DPI
        QCOMPARE(m_deck->size(), fixed);
        m_deck->resize(200, 300);
        QCOMPARE(m_deck->size(), fixed);
        m_deck->setGeometry(10, 20, 5, 5);
        QCOMPARE(m_deck->size(), fixed);
        QCOMPARE(m_deck->pos(), QPoint(10, 20));  // moving is allowed
        shell::setTwipsGeometry(m_deck.get(), shell::TwipsRect{150, 300, 1065, 1440});
        QCOMPARE(m_deck->size(), fixed);
        m_deck->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_deck.get()));
        m_deck->resize(71, 96);
        QCOMPARE(m_deck->size(), fixed);
        const shell::TwipsRect twips = shell::twipsGeometry(m_deck.get());
        QCOMPARE(twips.width, 480);
        QCOMPARE(twips.height, 585);
        // Inside a host's layout, too.
        QWidget host;
        auto *placed = new CardFaceControl(&host);
        placed->setGeometry(0, 0, 400, 400);
        host.resize(500, 500);
        host.show();
        QCOMPARE(placed->size(), fixed);
    }

    void storedProperties()
    {
        // A new instance placed in a host.
        m_deck->setChangeCard(40);
        m_deck->InitProperties();
        QCOMPARE(m_deck->ChangeCard(), 0);
        QVERIFY(sameObject(m_deck->Picture(), set().back(0)));
        // Loading "ChangeCard" 7 and "ChangeBack" 3: card first, then back.
        CardFaceControl loaded;
        QSignalSpy cardSpy(&loaded, &CardFaceControl::ChangeCardChanged);
        QSignalSpy backSpy(&loaded, &CardFaceControl::ChangeBackChanged);
        loaded.ReadProperties(QVariantMap{{QStringLiteral("ChangeCard"), 7}, {QStringLiteral("ChangeBack"), 3}});
        QVERIFY(sameObject(loaded.Picture(), set().back(3)));
        QCOMPARE(loaded.ChangeCard(), 3);
        QCOMPARE(cardSpy.size(), 1);
        QCOMPARE(backSpy.size(), 1);
        // Missing keys read as 0; the key "Picture" is not read.
        CardFaceControl empty;
        empty.ReadProperties(QVariantMap{{QStringLiteral("Picture"), QVariant::fromValue(set().card(9))}});
        QVERIFY(sameObject(empty.Picture(), set().back(0)));
        QCOMPARE(empty.ChangeCard(), 0);
        // Saving with ShownNumber 0 leaves both number keys out.
        const QVariantMap saved = empty.WriteProperties();
        QVERIFY(!saved.contains(QStringLiteral("ChangeCard")));
        QVERIFY(!saved.contains(QStringLiteral("ChangeBack")));
        QVERIFY(sameObject(saved.value(QStringLiteral("Picture")).value<QImage>(), set().back(0)));
        // A fresh instance has no picture: "(None)" is the default, left out too.
        CardFaceControl fresh;
        QVERIFY(fresh.WriteProperties().isEmpty());
        // Numbers as stored text are read as numbers.
        CardFaceControl fromText;
        fromText.ReadProperties(QVariantMap{{QStringLiteral("ChangeCard"), QStringLiteral("12")}});
        QVERIFY(sameObject(fromText.Picture(), set().back(0)));
        QCOMPARE(fromText.WriteProperties().size(), 1);
        QVERIFY(m_platform->messages.shown.isEmpty());
        // A stored value that is no number is a failure for the host to report.
        CardFaceControl broken;
        QVERIFY_THROWS_EXCEPTION(shell::Failure,
                                 broken.ReadProperties(QVariantMap{{QStringLiteral("ChangeBack"), QStringLiteral("red")}}));
    }

    void storedNumbersOutOfRange()
    {
        // Never wrapped into the range: 65539 would be 3 as a 16-bit number.
        CardFaceControl loaded;
        loaded.ReadProperties(QVariantMap{{QStringLiteral("ChangeCard"), 65536 + 7},
                                          {QStringLiteral("ChangeBack"), qlonglong(1) << 32 | 3}});
        QCOMPARE(m_platform->messages.texts(), QStringList({CardRange, BackRange}));
        QCOMPARE(loaded.ChangeCard(), 0);
        QVERIFY(loaded.Picture().isNull());
        // A valid card with an invalid back keeps the card.
        m_platform->messages.clear();
        CardFaceControl cardOnly;
        cardOnly.ReadProperties(QVariantMap{{QStringLiteral("ChangeCard"), 20}, {QStringLiteral("ChangeBack"), 12}});
        QCOMPARE(m_platform->messages.texts(), QStringList({BackRange}));
        QVERIFY(sameObject(cardOnly.Picture(), set().card(20)));
        QCOMPARE(cardOnly.ChangeBack(), 20);
    }

    void storedRoundTrip()
    {
        m_deck->setChangeCard(44);
        m_deck->setChangeBack(9);
        const QVariantMap saved = m_deck->WriteProperties();
        QCOMPARE(saved.value(QStringLiteral("ChangeCard")).toInt(), 9);
        QCOMPARE(saved.value(QStringLiteral("ChangeBack")).toInt(), 9);
        CardFaceControl again;
        again.ReadProperties(saved);
        QCOMPARE(again.ChangeCard(), 9);
        QVERIFY(sameObject(again.Picture(), set().back(9)));
        QCOMPARE(again.WriteProperties().keys(), saved.keys());
    }

    void createdByIdentifierAndUsedByName()
    {
        QWidget host;
        QWidget *control = deck::createControl(QStringLiteral("Kestrelby.Deck"), &host);
        QVERIFY(control);
        QCOMPARE(control->parentWidget(), &host);
        QVERIFY(qobject_cast<CardFaceControl *>(control));
        QVERIFY(deck::createControl(QStringLiteral("kestrelby.deck"), &host));
        QVERIFY(!deck::createControl(QStringLiteral("Kestrelby.Dice"), &host));
        QVERIFY(!deck::createControl(QString(), &host));

        // Everything by name only.
        QVERIFY(control->setProperty("ChangeCard", 52));
        QCOMPARE(deck::pictureName(control->property("Picture").value<QImage>()), QStringLiteral("Red Joker"));
        QVERIFY(QMetaObject::invokeMethod(control, "ChangeToO"));
        QCOMPARE(deck::pictureName(control->property("Picture").value<QImage>()), QStringLiteral("Green ring marker"));
        QCOMPARE(control->property("ChangeBack").toInt(), 52);

        // The public members in their order.
        const QMetaObject *meta = control->metaObject();
        QStringList properties;
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            properties << QString::fromLatin1(meta->property(i).name());
        QCOMPARE(properties, QStringList({"Picture", "ChangeCard", "ChangeBack"}));
        QStringList methods;
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
            if (meta->method(i).methodType() == QMetaMethod::Method)
                methods << QString::fromLatin1(meta->method(i).name());
        QCOMPARE(methods, QStringList({"ChangeToO", "ChangeToX", "ChangeToRJoker", "ChangeToBJoker", "AnimAce1", "AnimAce2",
                                       "AnimBats", "AnimRobot1", "AnimRobot2", "AnimSun1", "AnimSun2"}));
        QCOMPARE(QString::fromLatin1(meta->classInfo(meta->indexOfClassInfo("ProgID")).value()),
                 QStringLiteral("Kestrelby.Deck"));
    }

private:
    std::unique_ptr<testsupport::TestPlatform> m_platform;
    std::unique_ptr<CardFaceControl> m_deck;
};

QTEST_MAIN(TestCardFaceControl)
#include "test_card_face_control.moc"
