#include "draw/WarmFaces.h"

#include "cards/CardDisplay.h"
#include "deck/CardPixmaps.h"
#include "deck/DesignPixmaps.h"

#include <QWidget>

namespace draw {

WarmFaces::WarmFaces(QWidget *view, const cards::DrawHost &host, const QWidget *pile)
    : QObject(view), m_view(view), m_host(host), m_pile(pile)
{
    // Progress comes at most 25 times a second (Qt's limit), and once more
    // with the last face.
    connect(&m_watcher, &QFutureWatcher<void>::progressValueChanged, m_view, [this] { m_view->update(); });
    connect(&m_watcher, &QFutureWatcher<void>::finished, m_view, [this] { m_view->update(); });
}

void WarmFaces::prepare()
{
    const auto design = deck::activeDesign();
    if (!design || m_pile->size().isEmpty() || !m_host.withoutPuttingBackChosen())
        return;
    const QFuture<void> faces =
        deck::warmDesignFaces(design, deck::devicePixelSize(m_pile->size(), m_view->devicePixelRatioF()));
    if (!faces.isFinished())
        m_watcher.setFuture(faces);
}

} // namespace draw
