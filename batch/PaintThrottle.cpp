#include "batch/PaintThrottle.h"

#include <QAbstractEventDispatcher>

namespace batch {

PaintThrottle::PaintThrottle(const QList<QWidget *> &controls)
{
    for (QWidget *control : controls)
        m_controls.append(control);
    m_sincePaint.start();
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    if (dispatcher && !controls.isEmpty())
        m_waiting = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, controls.first(),
                                     [this] { setPainting(true); });
}

PaintThrottle::~PaintThrottle()
{
    QObject::disconnect(m_waiting);
    setPainting(true);
}

void PaintThrottle::setPainting(bool painting)
{
    for (const QPointer<QWidget> &control : m_controls) {
        if (control && control->updatesEnabled() != painting)
            control->setUpdatesEnabled(painting);
    }
}

bool PaintThrottle::beforeEvents()
{
    const bool paint = m_sincePaint.elapsed() >= FrameMilliseconds;
    if (paint)
        m_sincePaint.start();
    setPainting(paint);
    return paint;
}

} // namespace batch
