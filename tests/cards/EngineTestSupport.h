#pragma once
// The drawing engine's tests without widgets: a recording host stands in
// for the two windows (their displays in twips, the renderer and the
// pointer), and each test starts from a fresh draw on its own platform.
#include "cards/CardDisplay.h"
#include "cards/DrawState.h"
#include "shell/ErrorReport.h"
#include "support/TestPlatform.h"

#include <QColor>
#include <QSet>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

namespace enginetest {


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

inline QString shows(const QImage &image)
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
// full-screen view's design.
inline Element drawDesign() { Element e; e.left = 1995; e.top = 300; return e; }
inline Element fullScreenDesign() { Element e; e.left = 2520; e.top = 405; e.visible = true; e.stretch = true; return e; }

class FakeHost : public cards::DrawHost {
public:
    bool withoutPuttingBackChosen() const override
    {
        if (failOption1)
            throw shell::Failure(QStringLiteral("Object required"));
        return option1;
    }
    bool puttingBackChosen() const override { return option2; }
    cards::Renderer &renderer() override { return deck; }
    cards::CardDisplay &drawDisplay() override { return draw; }
    cards::CardDisplay &fullScreenDisplay() override { return fullScreenView; }
    void setPointer(int style) override { pointer.push_back(style); }
    void drawChanged() override
    {
        ++changes;
        if (onChange)
            onChange();
    }

    bool option1 = true, option2 = false, failOption1 = false;
    int changes = 0;
    std::function<void()> onChange;
    FakeRenderer deck;
    FakeDisplay draw{1800, drawDesign()};
    FakeDisplay fullScreenView{1320, fullScreenDesign()};
    std::vector<int> pointer;
};

inline QList<shell::ReportOrigin> reportsAt(shell::Location location, std::initializer_list<int> steps)
{
    QList<shell::ReportOrigin> origins;
    for (const int step : steps)
        origins.append(shell::ReportOrigin{location, step});
    return origins;
}

inline QString cardShown(int position)
{
    return QStringLiteral("card %1").arg(cards::state().drawnCards->at(std::size_t(position)));
}


// A fresh draw on a recording platform for each test.
class EngineTest : public QObject {
    Q_OBJECT

protected:
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
        cards::initDrawnCards();
    }
    void cleanup() { platform.reset(); }
};

} // namespace enginetest
