#pragma once
// The tally of the card-by-card draw (cards/Tally.h) for the windows that
// show it: the tally window and the full-screen view's overlay. Nothing of
// it exists until it is first shown; it is then made from the draw so far
// and from there on follows every draw and reset (a reset or a change of
// mode starts it again).
#include "cards/Tally.h"
#include "tally/TallyWindow.h"

#include <QObject>
#include <QPointer>
#include <memory>

class QWidget;

namespace cards {
class DrawHost;
}

namespace draw {

class DrawTally : public QObject {
    Q_OBJECT
public:
    // `host` is the draw window (its history's mode); the tally window is
    // made as a window of `owner`.
    DrawTally(cards::DrawHost &host, QWidget *owner);
    ~DrawTally() override;

    // The tally of the draw as it stands (made the first time).
    const cards::Tally &tally();
    bool started() const { return bool(m_tally); }

    // The tally window (made the first time), shown and brought to the front.
    tally::TallyWindow &showWindow();
    // Null until the window is first shown.
    tally::TallyWindow *window() const { return m_window.data(); }

    // After a draw or a reset: the tally catches up (nothing happens before
    // it is first shown) and what shows it follows.
    void follow();

signals:
    // The tally changed (the window is already up to date).
    void changed();
    // "Draw 10/100/1000" in the tally window.
    void drawManyRequested(int count);

private:
    cards::DrawHost &m_host;
    QWidget *m_owner;
    std::unique_ptr<cards::Tally> m_tally;
    QPointer<tally::TallyWindow> m_window;
};

} // namespace draw
