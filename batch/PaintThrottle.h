#pragma once
// Repaints the controls that a long procedure changes at every step at most
// once per display frame, while the procedure processes its events once per
// step: the events (clicks, typing, closing) are handled at every step, the
// controls' pictures are brought up to date when a frame has passed, and at
// the end. Painting them at every step would cost far more than the steps.
// Whenever an event loop inside the steps waits for the user (a message box,
// the folder dialog), the controls paint again as usual.
#include <QElapsedTimer>
#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

namespace batch {

class PaintThrottle {
public:
    static constexpr int FrameMilliseconds = 16;

    explicit PaintThrottle(const QList<QWidget *> &controls);
    ~PaintThrottle();  // paints as usual again
    PaintThrottle(const PaintThrottle &) = delete;
    PaintThrottle &operator=(const PaintThrottle &) = delete;

    // Call before each processing of events: true when this pass paints.
    bool beforeEvents();

private:
    void setPainting(bool painting);

    QList<QPointer<QWidget>> m_controls;
    QElapsedTimer m_sincePaint;
    QMetaObject::Connection m_waiting;
};

} // namespace batch
