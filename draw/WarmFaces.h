#pragma once
// The full-screen view's faces in a card design: a deck can take a second
// to draw its 52 faces, so before the small cards of a draw without putting
// back are first shown at a new size, their faces are prepared on worker
// threads (deck::warmDesignFaces). The view's card images wait for none of
// them (deck::CardImage::setShowWhenReady): the view shows the faces that
// are ready and paints again as the others land, so that it never stops
// answering. With putting back the view shows one large card at a time,
// drawn when it comes.
#include <QFutureWatcher>
#include <QObject>

class QWidget;

namespace cards {
class DrawHost;
}

namespace draw {

class WarmFaces : public QObject {
public:
    // `view` is painted again as faces land; `host` tells the mode, and
    // `pile` has the size every card of the view has.
    WarmFaces(QWidget *view, const cards::DrawHost &host, const QWidget *pile);

    // Once the view is laid out: starts preparing the chosen design's faces
    // at the cards' size; nothing for the built-in set, with putting back,
    // or when they are ready already.
    void prepare();

private:
    QWidget *m_view;
    const cards::DrawHost &m_host;
    const QWidget *m_pile;
    QFutureWatcher<void> m_watcher;
};

} // namespace draw
