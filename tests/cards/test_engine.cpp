// The drawing engine without widgets: a recording host stands in for the
// two windows (their displays in twips, the renderer and the pointer).
#include "cards/CardDisplay.h"
#include "cards/DrawState.h"
#include "shell/ErrorReport.h"
#include "support/TestPlatform.h"

#include <QColor>
#include <QSet>
#include <QtTest>
#include <functional>
#include <limits>
#include <vector>

namespace {

// A renderer whose pictures say what they show (text key "shows").
class FakeRenderer : public cards::Renderer {
public:
    void setChangeBack(int back) override { m_current = make(QStringLiteral("back %1").arg(back)); }
    void setChangeCard(int card) override { m_current = make(QStringLiteral("card %1").arg(card)); }
    QImage picture() const override { return m_current; }

private:
    static QImage make(const QString &shows)
    {
        QImage image(71, 96, QImage::Format_RGB32);
        image.fill(QColor(qHash(shows) & 0xffffff));
        image.setText(QStringLiteral("shows"), shows);
        return image;
    }
    QImage m_current;
};

QString shows(const QImage &image)
{
    return image.isNull() ? QString() : image.text(QStringLiteral("shows"));
}

struct Element {
    QImage picture;
    bool visible = false;
    bool stretch = false;
    int left = 0, top = 0, width = 1065, height = 1440;
    int stacking = 0;
    bool operator==(const Element &o) const
    {
        return shows(picture) == shows(o.picture) && visible == o.visible && stretch == o.stretch &&
               left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

// One window's display, as plain values. `failWhen` lets a test make one
// operation fail, as a control might.
class FakeDisplay : public cards::CardDisplay {
public:
    FakeDisplay(int firstLeft, Element design) : m_firstLeft(firstLeft) { row.push_back(design); }

    void setPilePicture(const QImage &p) override { check("pile", 0); pile = p; }
    void clearPile() override { check("clearPile", 0); pile = QImage(); }
    void setFirstPicture(const QImage &p) override { check("first", 0); first = p; }
    void clearFirst() override { check("clearFirst", 0); first = QImage(); }
    int firstLeft() const override { return m_firstLeft; }
    int rowCount() const override { return int(row.size()); }
    void createRowElement(int index) override
    {
        check("create", index);
        if (index != int(row.size()))
            throw shell::Failure(QStringLiteral("Object already loaded"));
        Element e = row.front();
        e.picture = QImage();
        e.visible = false;
        row.push_back(e);
    }
    void removeRowElement(int index) override
    {
        check("remove", index);
        if (index < 1 || index != int(row.size()) - 1)
            throw shell::Failure(QStringLiteral("bad remove"));
        row.pop_back();
    }
    void setRowPicture(int i, const QImage &p) override { check("rowPicture", i); at(i).picture = p; }
    void clearRowPicture(int i) override { check("clearRow", i); at(i).picture = QImage(); }
    void setRowVisible(int i, bool v) override { check("visible", i); at(i).visible = v; }
    void bringRowToFront(int i) override { check("front", i); at(i).stacking = ++m_stack; }
    void setRowStretch(int i, bool s) override { check("stretch", i); at(i).stretch = s; }
    int rowLeft(int i) const override { return cat(i).left; }
    int rowTop(int i) const override { return cat(i).top; }
    int rowWidth(int i) const override { return cat(i).width; }
    int rowHeight(int i) const override { return cat(i).height; }
    void setRowLeft(int i, int t) override { check("left", i); at(i).left = t; }
    void setRowTop(int i, int t) override { check("top", i); at(i).top = t; }
    void setRowWidth(int i, int t) override { check("width", i); at(i).width = t; }
    void setRowHeight(int i, int t) override { check("height", i); at(i).height = t; }
    void setCountText(const QString &text) override { check("count", 0); count = text; }

    bool sameAs(const FakeDisplay &o) const
    {
        return shows(pile) == shows(o.pile) && shows(first) == shows(o.first) && row == o.row && count == o.count;
    }

    QImage pile, first;
    std::vector<Element> row;
    QString count;
    std::function<bool(const char *what, int index)> failWhen;

private:
    void check(const char *what, int index)
    {
        if (failWhen && failWhen(what, index))
            throw shell::Failure(QStringLiteral("Invalid property value"));
    }
    Element &at(int i) { return row.at(std::size_t(i)); }
    const Element &cat(int i) const { return row.at(std::size_t(i)); }
    int m_firstLeft;
    int m_stack = 0;
};

// The draw window's design (twips, in the frame "Card Area") and the
// viewer's design.
Element drawDesign() { Element e; e.left = 1995; e.top = 300; return e; }
Element viewerDesign() { Element e; e.left = 2520; e.top = 405; e.visible = true; e.stretch = true; return e; }

class FakeHost : public cards::DrawHost {
public:
    bool option1Selected() const override
    {
        if (failOption1)
            throw shell::Failure(QStringLiteral("Object required"));
        return option1;
    }
    bool option2Selected() const override { return option2; }
    cards::Renderer &renderer() override { return deck; }
    cards::CardDisplay &drawDisplay() override { return draw; }
    cards::CardDisplay &viewerDisplay() override { return viewer; }
    void setPointer(int style) override { pointer.push_back(style); }

    bool option1 = true, option2 = false, failOption1 = false;
    FakeRenderer deck;
    FakeDisplay draw{1800, drawDesign()};
    FakeDisplay viewer{1320, viewerDesign()};
    std::vector<int> pointer;
};

const QString DrawLocation = QStringLiteral("in Kestrelby2021/08/31.Cards.DrawCards ");
const QString ResetLocation = QStringLiteral("in Kestrelby2021/08/31.Cards.ResetCards ");

QString cardShown(int position)
{
    return QStringLiteral("card %1").arg(cards::state().DrawnCards->at(std::size_t(position)));
}

} // namespace

class TestEngine : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testsupport::TestPlatform> platform;

    void draw(FakeHost &host, int times)
    {
        for (int i = 0; i < times; ++i)
            cards::DrawCards(host);
    }

private slots:
    void init()
    {
        platform = std::make_unique<testsupport::TestPlatform>();
        platform->clock.running = true;
        cards::state() = cards::DrawState{};
        cards::InitDrawnCards();
    }
    void cleanup() { platform.reset(); }

    void firstAndSecondCardInBothDisplays()
    {
        FakeHost host;
        cards::ResetCards(host);
        host.pointer.clear();
        cards::DrawCards(host);
        QCOMPARE(host.pointer, (std::vector<int>{11, 0}));
        QCOMPARE(cards::state().DrawCount, 1);
        QCOMPARE(shows(host.draw.first), cardShown(1));
        QCOMPARE(shows(host.viewer.first), cardShown(1));
        QCOMPARE(shows(host.draw.pile), QStringLiteral("back 0"));
        QCOMPARE(shows(host.viewer.pile), QStringLiteral("back 0"));
        QCOMPARE(host.draw.count, QStringLiteral("Cards drawn: 1"));
        QCOMPARE(host.viewer.count, QStringLiteral("Cards drawn: 1"));
        QVERIFY(!host.draw.row[0].visible);
        QVERIFY(host.draw.row[0].picture.isNull());

        cards::DrawCards(host);
        QCOMPARE(host.draw.row.size(), std::size_t(1));
        QVERIFY(host.draw.row[0].visible);
        QCOMPARE(shows(host.draw.row[0].picture), cardShown(2));
        QCOMPARE(shows(host.viewer.row[0].picture), cardShown(2));
        QCOMPARE(host.draw.row[0].left, 1995);   // its design place
        QCOMPARE(host.draw.row[0].top, 300);
        QCOMPARE(shows(host.draw.first), cardShown(1));   // the first card stays
        QVERIFY(platform->messages.shown.isEmpty());
    }

    void fullDeckLayoutAndExhaustion()
    {
        FakeHost host;
        cards::ResetCards(host);
        draw(host, 52);
        const auto &drawn = *cards::state().DrawnCards;
        QCOMPARE(drawn.size(), std::size_t(53));
        QCOMPARE(drawn[0], std::int16_t(99));
        QSet<int> distinct;
        for (std::size_t i = 1; i < drawn.size(); ++i) {
            QVERIFY(drawn[i] >= 0 && drawn[i] <= 51);
            distinct.insert(drawn[i]);
        }
        QCOMPARE(distinct.size(), 52);
        QCOMPARE(host.draw.row.size(), std::size_t(51));
        QCOMPARE(host.viewer.row.size(), std::size_t(51));

        // The draw window: 200 twips per card; the 27th card (element 25)
        // opens a second row at the left of Image1, 500 lower.
        QCOMPARE(host.draw.row[1].left, 1995 + 200);
        QCOMPARE(host.draw.row[24].left, 1995 + 24 * 200);
        QCOMPARE(host.draw.row[24].top, 300);
        QCOMPARE(host.draw.row[25].left, 1800);
        QCOMPARE(host.draw.row[25].top, 800);
        QCOMPARE(host.draw.row[26].left, 2000);
        QCOMPARE(host.draw.row[26].top, 800);
        QCOMPARE(host.draw.row[50].left, 1800 + 25 * 200);
        // Each new card lies on top of the ones before.
        for (std::size_t i = 2; i < host.draw.row.size(); ++i)
            QVERIFY(host.draw.row[i].stacking > host.draw.row[i - 1].stacking);

        // The viewer: rows of 13, the 14th, 27th and 40th cards open a row.
        QCOMPARE(host.viewer.row[1].left, 2520 + 1065 + 10);
        QCOMPARE(host.viewer.row[1].top, 405);
        QCOMPARE(host.viewer.row[12].left, 1320);
        QCOMPARE(host.viewer.row[12].top, 405 + 1440 + 100);
        QCOMPARE(host.viewer.row[25].left, 1320);
        QCOMPARE(host.viewer.row[25].top, 405 + 2 * 1540);
        QCOMPARE(host.viewer.row[38].top, 405 + 3 * 1540);
        QCOMPARE(host.viewer.row[50].left, 1320 + 12 * 1075);
        for (std::size_t i = 1; i < host.viewer.row.size(); ++i) {
            QVERIFY(host.viewer.row[i].visible && host.viewer.row[i].stretch);
            QCOMPARE(host.viewer.row[i].width, 1065);
            QCOMPARE(shows(host.viewer.row[i].picture), cardShown(int(i) + 2));
            QCOMPARE(shows(host.draw.row[i].picture), cardShown(int(i) + 2));
        }

        // The 52nd card empties both piles.
        QVERIFY(host.draw.pile.isNull());
        QVERIFY(host.viewer.pile.isNull());
        QCOMPARE(host.draw.count, QStringLiteral("Cards drawn: 52"));
        QCOMPARE(host.viewer.count, QStringLiteral("Cards drawn: 52"));

        // A 53rd draw: the message, nothing else; the pointer comes back.
        const FakeDisplay drawBefore = host.draw, viewerBefore = host.viewer;
        const auto historyBefore = drawn;
        host.pointer.clear();
        cards::DrawCards(host);
        cards::DrawCards(host);
        QCOMPARE(platform->messages.texts(), QStringList({"No more cards, please reset.", "No more cards, please reset."}));
        QCOMPARE(platform->messages.shown[0].icon, shell::MessageIcon::None);
        QCOMPARE(host.pointer, (std::vector<int>{11, 0, 11, 0}));
        QCOMPARE(cards::state().DrawCount, 52);
        QCOMPARE(*cards::state().DrawnCards, historyBefore);
        QVERIFY(host.draw.sameAs(drawBefore));
        QVERIFY(host.viewer.sameAs(viewerBefore));
    }

    void resetTwiceIsOneReset()
    {
        FakeHost host;
        cards::ResetCards(host);
        draw(host, 30);
        cards::state().ViewerLaidOut = true;
        host.pointer.clear();
        cards::ResetCards(host);
        const FakeDisplay drawOnce = host.draw, viewerOnce = host.viewer;
        cards::ResetCards(host);
        QVERIFY(host.draw.sameAs(drawOnce));
        QVERIFY(host.viewer.sameAs(viewerOnce));

        QCOMPARE(cards::state().DrawCount, 0);
        QCOMPARE(*cards::state().DrawnCards, std::vector<std::int16_t>{99});
        QVERIFY(!cards::state().ViewerLaidOut);
        for (int card = 0; card < 52; ++card)
            QVERIFY(!cards::IsCardDrawn(std::int16_t(card)));
        QCOMPARE(host.draw.row.size(), std::size_t(1));
        QCOMPARE(host.viewer.row.size(), std::size_t(1));
        QVERIFY(!host.draw.row[0].visible && host.draw.row[0].picture.isNull());
        QVERIFY(host.viewer.row[0].visible && host.viewer.row[0].picture.isNull());
        QVERIFY(host.draw.first.isNull() && host.viewer.first.isNull());
        QCOMPARE(shows(host.draw.pile), QStringLiteral("back 0"));
        QCOMPARE(shows(host.viewer.pile), QStringLiteral("back 0"));
        QCOMPARE(host.draw.count, QStringLiteral("Cards drawn: 0"));
        QCOMPARE(host.viewer.count, QStringLiteral("Cards drawn: 0"));
        QVERIFY(host.pointer.empty());   // a reset leaves the pointer alone

        // A new cycle after the reset starts at card 1 again.
        cards::DrawCards(host);
        QCOMPARE(host.draw.count, QStringLiteral("Cards drawn: 1"));
        QCOMPARE(shows(host.draw.first), cardShown(1));
    }

    void putBackModeRepeatsAndGrowsWithoutLimit()
    {
        FakeHost host;
        host.option1 = false;
        host.option2 = true;
        cards::ResetCards(host);
        bool repeatInARow = false;
        int draws = 0;
        while (draws < 40000) {   // well past what a 16-bit count could hold
            cards::DrawCards(host);
            ++draws;
            const auto &drawn = *cards::state().DrawnCards;
            if (draws > 1 && drawn[std::size_t(draws)] == drawn[std::size_t(draws) - 1])
                repeatInARow = true;
        }
        QVERIFY(repeatInARow);
        QCOMPARE(cards::state().DrawCount, 40000);
        QCOMPARE(cards::state().DrawnCards->size(), std::size_t(40001));
        QVERIFY(platform->messages.shown.isEmpty());
        QCOMPARE(host.draw.count, QStringLiteral("Cards drawn: 40000"));
        QCOMPARE(host.viewer.count, QStringLiteral("Cards drawn: 40000"));
        // Only Image1 changes: the latest card; the rows stay empty, the
        // pile keeps the back.
        QCOMPARE(shows(host.draw.first), cardShown(40000));
        QCOMPARE(shows(host.viewer.first), cardShown(40000));
        QCOMPARE(shows(host.draw.pile), QStringLiteral("back 0"));
        QCOMPARE(host.draw.row.size(), std::size_t(1));
        QVERIFY(!host.draw.row[0].visible && host.draw.row[0].picture.isNull());
        QVERIFY(host.viewer.row[0].picture.isNull());
    }

    void neitherOptionDrawsNothing()
    {
        FakeHost host;
        host.option1 = host.option2 = false;
        cards::ResetCards(host);
        const FakeDisplay before = host.draw;
        draw(host, 3);
        QCOMPARE(host.pointer, (std::vector<int>{11, 0, 11, 0, 11, 0}));
        QCOMPARE(cards::state().DrawCount, 0);
        QVERIFY(host.draw.sameAs(before));
        QVERIFY(platform->messages.shown.isEmpty());
    }

    void failingStepsAreReportedAndTheProcedureGoesOn()
    {
        FakeHost host;
        cards::ResetCards(host);
        draw(host, 2);
        // Step 148: making the new row element visible fails.
        host.draw.failWhen = [](const char *what, int index) { return qstrcmp(what, "visible") == 0 && index == 1; };
        cards::DrawCards(host);
        QCOMPARE(platform->messages.shown.size(), 1);
        const shell::Message report = platform->messages.shown[0];
        QCOMPARE(report.caption, QStringLiteral("Application Error"));
        QCOMPARE(report.icon, shell::MessageIcon::Exclamation);
        QVERIFY2(report.text.contains(DrawLocation + QStringLiteral("at line 148\r\r")), qPrintable(report.text));
        QVERIFY(report.text.startsWith(QStringLiteral("Invalid property value\r\n")));
        // The draw went on: the element got its place and picture, the
        // counts and the pointer are right.
        QCOMPARE(host.draw.row.size(), std::size_t(2));
        QCOMPARE(host.draw.row[1].left, 2195);
        QCOMPARE(shows(host.draw.row[1].picture), cardShown(3));
        QCOMPARE(host.viewer.count, QStringLiteral("Cards drawn: 3"));
        QCOMPARE(host.pointer.back(), 0);

        // A failing test of a conditional runs its branch (step 102).
        host.draw.failWhen = nullptr;
        host.failOption1 = true;
        host.option1 = false;
        platform->messages.clear();
        cards::DrawCards(host);
        QCOMPARE(platform->messages.shown.size(), 1);
        QVERIFY(platform->messages.shown[0].text.contains(DrawLocation + QStringLiteral("at line 102\r\r")));
        QCOMPARE(cards::state().DrawCount, 4);

        // ResetCards: each failing removal gives its own report (step 126)
        // and the reset still finishes.
        host.failOption1 = false;
        platform->messages.clear();
        cards::state().ViewerLaidOut = true;
        host.draw.failWhen = [](const char *what, int index) { return qstrcmp(what, "remove") == 0 && index == 2; };
        cards::ResetCards(host);
        // Element 2 cannot go, so element 1 is not the last one either.
        QCOMPARE(platform->messages.shown.size(), 2);
        for (const shell::Message &m : platform->messages.shown)
            QVERIFY(m.text.contains(ResetLocation + QStringLiteral("at line 126\r\r")));
        QVERIFY(!cards::state().ViewerLaidOut);
        QCOMPARE(host.viewer.row.size(), std::size_t(1));
        QCOMPARE(host.viewer.count, QStringLiteral("Cards drawn: 0"));
    }

    // A pick that fails every time (no entropy to key the generator) is
    // reported once; the draw does not go back to it for ever.
    void aFailingPickEndsTheRetryLoop()
    {
        struct NoEntropy : shell::Entropy {
            void fill(unsigned char *, std::size_t) override { throw shell::Failure(QStringLiteral("No entropy")); }
        } none;
        FakeHost host;
        cards::ResetCards(host);
        cards::state().DrawnCards->push_back(0);  // card 0 is out, and 0 is what a failed pick leaves
        cards::state().DrawCount = 1;
        shell::platform().entropy = &none;
        shell::resetProgramRandom(nullptr);
        cards::DrawCards(host);
        shell::platform().entropy = &platform->entropy;
        QCOMPARE(platform->messages.shown.size(), 1);
        QVERIFY(platform->messages.shown[0].text.startsWith(QStringLiteral("No entropy\r\n") + DrawLocation
                                                             + QStringLiteral("at line 104\r\r")));
        QCOMPARE(host.pointer.back(), 0);
    }

    void countNeverWraps()
    {
        FakeHost host;
        host.option1 = false;
        host.option2 = true;
        cards::state().DrawCount = std::numeric_limits<std::int32_t>::max();
        cards::DrawCards(host);
        QCOMPARE(cards::state().DrawCount, std::numeric_limits<std::int32_t>::max());
        QCOMPARE(platform->messages.shown.size(), 1);
        QVERIFY(platform->messages.shown[0].text.startsWith(QStringLiteral("Overflow\r\n")));
        QVERIFY(platform->messages.shown[0].text.contains(DrawLocation + QStringLiteral("at line 202")));
        QCOMPARE(host.pointer.back(), 0);
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "test_engine.moc"
