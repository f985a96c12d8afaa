// The drawing engine: DrawCards, ResetCards, drawMany and randomNumber.
//
// Both procedures are guarded: every numbered step that fails shows the
// error report with the procedure's location and the step number, and the
// procedure goes on with the next step. Every change is written into both
// card displays, the draw window's and the full-screen view's.
#include "cards/CardDisplay.h"
#include "cards/DrawState.h"

#include "shell/ErrorReport.h"
#include "shell/Failure.h"
#include "shell/Messages.h"
#include "shell/Pointer.h"
#include "shell/Random.h"

#include <QCoreApplication>
#include <QString>
#include <limits>

namespace cards {

namespace {

std::vector<std::int16_t> &history()
{
    auto &drawn = state().drawnCards;
    if (!drawn)
        throw shell::Failure(QCoreApplication::translate("cards::Engine", "Subscript out of range"));
    return *drawn;
}

// Steps 110/198: the history grows by one element (amortised, so a long
// run of put-back draws stays as fast as the first).
void lengthenHistory()
{
    auto &drawn = history();
    if (drawn.size() > std::size_t(std::numeric_limits<std::int32_t>::max()))
        throw shell::Failure(QCoreApplication::translate("cards::Engine", "Overflow"));
    drawn.push_back(0);
}

void storeLast(std::int16_t card)
{
    auto &drawn = history();
    drawn.back() = card;
}

void countOne()
{
    auto &count = state().drawCount;
    if (count == std::numeric_limits<std::int32_t>::max())
        throw shell::Failure(QCoreApplication::translate("cards::Engine", "Overflow"));
    ++count;
}

// Step 220 always runs; should anything escape the guard itself (the report
// box failing), the pointer still comes back.
class PointerRestore {
public:
    explicit PointerRestore(DrawHost &host) : m_host(host) {}
    ~PointerRestore()
    {
        if (!m_done) {
            try {
                m_host.setPointer(shell::PointerDefault);
            } catch (...) {
            }
        }
    }
    void done() { m_done = true; }

private:
    DrawHost &m_host;
    bool m_done = false;
};

void drawWithoutPuttingBack(shell::Guarded &g, DrawHost &host)
{
    DrawState &s = state();
    std::int16_t card = 0;
    int i = 0;
    for (;;) {
        const int reportsBefore = g.reportCount();
        g.step(104, [&] { card = std::int16_t(randomNumber(DeckSize)); });
        // A pick that failed would fail again: going back to it would only
        // repeat the report for ever.
        if (g.reportCount() != reportsBefore)
            break;
        if (!g.jumpTest(106, [&] { return isCardDrawn(card) && s.drawCount < DeckSize; }))
            break;
    }

    if (g.test(108, [&] { return s.drawCount < DeckSize; })) {
        g.step(110, [&] { lengthenHistory(); });
        g.step(112, [&] { storeLast(card); });
        g.step(114, [&] { countOne(); });
        // From here on drawCount is this card's place in the draw: 1 the
        // first card, 2 row element 0, 3 and up the elements made for them.
        g.step(116, [&] { host.renderer().setChangeBack(0); });
        g.step(118, [&] { host.drawDisplay().setPilePicture(host.renderer().picture()); });
        g.step(120, [&] { host.fullScreenDisplay().setPilePicture(host.renderer().picture()); });
        if (g.test(122, [&] { return s.drawCount > 51; })) {
            g.step(124, [&] { host.drawDisplay().clearPile(); });
            g.step(126, [&] { host.fullScreenDisplay().clearPile(); });
        }
        g.step(128, [&] { host.renderer().setChangeCard(card); });
        if (g.test(130, [&] { return s.drawCount < 2; })) {
            g.step(132, [&] { host.drawDisplay().setFirstPicture(host.renderer().picture()); });
            g.step(134, [&] { host.fullScreenDisplay().setFirstPicture(host.renderer().picture()); });
        } else if (g.test(136, [&] { return s.drawCount < 3; })) {
            g.step(138, [&] { host.drawDisplay().setRowVisible(0, true); });
            g.step(140, [&] { host.drawDisplay().setRowPicture(0, host.renderer().picture()); });
            g.step(142, [&] { host.fullScreenDisplay().setRowPicture(0, host.renderer().picture()); });
        } else {
            g.step(144, [&] { i = host.drawDisplay().rowCount(); });
            g.step(146, [&] { host.drawDisplay().createRowElement(i); });
            g.step(148, [&] { host.drawDisplay().setRowVisible(i, true); });
            g.step(150, [&] { host.drawDisplay().bringRowToFront(i); });

            g.step(152, [&] { host.fullScreenDisplay().createRowElement(i); });
            g.step(154, [&] { host.fullScreenDisplay().setRowStretch(i, true); });
            g.step(156, [&] { host.fullScreenDisplay().setRowWidth(i, host.fullScreenDisplay().rowWidth(0)); });
            g.step(158, [&] { host.fullScreenDisplay().setRowHeight(i, host.fullScreenDisplay().rowHeight(0)); });
            g.step(160, [&] { host.fullScreenDisplay().setRowVisible(i, true); });

            // The draw window: a fanned hand, 200 twips per card; the 27th
            // card opens a second row 500 twips lower at the left of Image1.
            if (g.test(162, [&] { return s.drawCount >= 27; }))
                g.step(166, [&] { host.drawDisplay().setRowTop(i, host.drawDisplay().rowTop(0) + 500); });
            else
                g.step(164, [&] { host.drawDisplay().setRowTop(i, host.drawDisplay().rowTop(0)); });
            if (g.test(168, [&] { return s.drawCount == 27; }))
                g.step(170, [&] { host.drawDisplay().setRowLeft(i, host.drawDisplay().firstLeft()); });
            else
                g.step(172, [&] { host.drawDisplay().setRowLeft(i, host.drawDisplay().rowLeft(i - 1) + 200); });

            // The full-screen view: side by side in rows of 13 (draws 1-13, 14-26, ...).
            if (g.test(174, [&] { return s.drawCount % 13 != 1; })) {
                g.step(176, [&] { host.fullScreenDisplay().setRowTop(i, host.fullScreenDisplay().rowTop(i - 1)); });
                g.step(178, [&] {
                    host.fullScreenDisplay().setRowLeft(i, host.fullScreenDisplay().rowLeft(i - 1) + host.fullScreenDisplay().rowWidth(i - 1) + 10);
                });
            } else {
                g.step(180, [&] { host.fullScreenDisplay().setRowLeft(i, host.fullScreenDisplay().firstLeft()); });
                g.step(182, [&] {
                    host.fullScreenDisplay().setRowTop(i, host.fullScreenDisplay().rowTop(i - 1) + host.fullScreenDisplay().rowHeight(i - 1) + 100);
                });
            }
            g.step(184, [&] { host.drawDisplay().setRowPicture(i, host.renderer().picture()); });
            g.step(186, [&] { host.fullScreenDisplay().setRowPicture(i, host.renderer().picture()); });
        }
        g.step(188, [&] { host.drawDisplay().setCountText(countText(s.drawCount)); });
        g.step(190, [&] { host.fullScreenDisplay().setCountText(countText(s.drawCount)); });
    } else {
        g.step(192, [&] {
            shell::showMessage(QCoreApplication::translate("cards::Engine", "No more cards, please reset."));
        });
    }
}

void drawPuttingBack(shell::Guarded &g, DrawHost &host)
{
    DrawState &s = state();
    std::int16_t card = 0;
    g.step(196, [&] { card = std::int16_t(randomNumber(DeckSize)); });
    g.step(198, [&] { lengthenHistory(); });
    g.step(200, [&] { storeLast(card); });
    g.step(202, [&] { countOne(); });
    g.step(204, [&] { host.renderer().setChangeBack(0); });
    g.step(206, [&] { host.drawDisplay().setPilePicture(host.renderer().picture()); });
    g.step(208, [&] { host.fullScreenDisplay().setPilePicture(host.renderer().picture()); });
    g.step(210, [&] { host.renderer().setChangeCard(card); });
    g.step(212, [&] { host.drawDisplay().setFirstPicture(host.renderer().picture()); });
    g.step(214, [&] { host.fullScreenDisplay().setFirstPicture(host.renderer().picture()); });
    g.step(216, [&] { host.drawDisplay().setCountText(countText(s.drawCount)); });
    g.step(218, [&] { host.fullScreenDisplay().setCountText(countText(s.drawCount)); });
}

} // namespace

std::int32_t randomNumber(std::int32_t limit)
{
    return shell::randomPick(limit);
}

void DrawCards(DrawHost &host)
{
    shell::Guarded g(shell::Location::DrawCards);
    PointerRestore restore(host);
    g.step(100, [&] { host.setPointer(shell::PointerHourglass); });
    if (g.test(102, [&] { return host.withoutPuttingBackChosen(); }))
        drawWithoutPuttingBack(g, host);
    else if (g.test(194, [&] { return host.puttingBackChosen(); }))
        drawPuttingBack(g, host);
    g.step(220, [&] { host.setPointer(shell::PointerDefault); });
    restore.done();
    host.drawChanged();
}

int drawMany(DrawHost &host, int count)
{
    int made = 0;
    for (; made < count; ++made) {
        const std::int32_t before = state().drawCount;
        const int reportsBefore = shell::errorReportsShown();
        DrawCards(host);
        if (state().drawCount == before || shell::errorReportsShown() != reportsBefore) {
            made += state().drawCount != before ? 1 : 0;
            break;
        }
    }
    return made;
}

void ResetCards(DrawHost &host)
{
    shell::Guarded g(shell::Location::ResetCards);
    DrawState &s = state();
    g.step(100, [&] { s.drawCount = 0; });
    g.step(102, [&] {
        if (s.drawnCards)
            s.drawnCards->assign(1, 0);
        else
            s.drawnCards.emplace(1, std::int16_t(0));
    });
    g.step(104, [&] { history()[0] = Sentinel; });
    g.step(106, [&] { host.drawDisplay().clearPile(); });
    g.step(108, [&] { host.drawDisplay().clearFirst(); });
    g.step(110, [&] { host.fullScreenDisplay().clearPile(); });
    g.step(112, [&] { host.fullScreenDisplay().clearFirst(); });
    g.step(114, [&] { host.drawDisplay().setCountText(countText(s.drawCount)); });
    g.step(116, [&] { host.renderer().setChangeBack(0); });
    g.step(118, [&] { host.fullScreenDisplay().setCountText(countText(s.drawCount)); });
    g.step(120, [&] { host.drawDisplay().setPilePicture(host.renderer().picture()); });
    g.step(122, [&] { host.fullScreenDisplay().setPilePicture(host.renderer().picture()); });

    // Steps 124-128 and 130-134: the row elements from the last down to
    // element 1; element 0 is part of the design and stays.
    int last = 0;
    g.step(124, [&] { last = host.drawDisplay().rowCount() - 1; });
    for (int i = last; i >= 1; --i)
        g.step(126, [&] { host.drawDisplay().removeRowElement(i); });
    g.step(130, [&] { last = host.fullScreenDisplay().rowCount() - 1; });
    for (int i = last; i >= 1; --i)
        g.step(132, [&] { host.fullScreenDisplay().removeRowElement(i); });

    g.step(136, [&] { host.drawDisplay().clearRowPicture(0); });
    g.step(138, [&] { host.drawDisplay().setRowVisible(0, false); });
    g.step(140, [&] { host.fullScreenDisplay().clearRowPicture(0); });
    g.step(142, [&] { s.fullScreenLaidOut = false; });
    host.drawChanged();
}

} // namespace cards
