#pragma once
// Preparing a card design's 52 faces at one size on worker threads, for
// deck/DesignPixmaps.cpp. The faces are shared out between the workers and
// the thread that shows them: whoever comes first to a face draws it, and a
// face the showing thread asks for goes to the head of the workers' queue.
//
// Each thread that draws needs a parsed copy of the document of its own, and
// parsing one can cost as much as drawing all 52 faces. So one worker
// starts; after its first face, further workers join only when the faces
// left would take longer to draw than parsing another copy.
#include "deck/CardDesign.h"

#include <QFuture>
#include <QImage>
#include <QPromise>
#include <QSize>

#include <array>
#include <condition_variable>
#include <memory>
#include <mutex>

class QThreadPool;

namespace deck {

class DesignWarmUp {
public:
    // Faces marked `done` (already shown) are not drawn.
    DesignWarmUp(std::shared_ptr<const CardDesign> design, const QSize &size, const std::array<bool, 52> &done);

    // Starts the first worker on `pool` (further ones join there).
    static void start(const std::shared_ptr<DesignWarmUp> &warmUp, QThreadPool *pool);

    // Finishes when all 52 faces are drawn, or once cancelled when its
    // workers have stopped. Its progress counts the faces drawn.
    QFuture<void> future() { return m_promise.future(); }
    void cancel();

    // On the showing thread: the face, waited for while a worker is on its
    // way to it, else drawn here. A null image for a face already taken.
    QImage take(int card);
    // The face if it is drawn, else a null image; never waits.
    QImage takeIfDrawn(int card);
    // Whether a worker is drawing the face, or is running and will: a
    // showing thread that must not wait leaves its place empty meanwhile.
    // False for a face drawn or taken, and while no worker runs (the
    // showing thread draws the face itself then).
    bool onItsWay(int card) const;
    bool allTaken() const;
    const CardDesign &design() const { return *m_design; }

private:
    enum State : char { Waiting, Drawing, Drawn, Taken };

    void work();
    // After the first face: how many more workers pay for their parse.
    int extraWorkers(qint64 faceNanoseconds) const;
    void addWorkers(int count);
    void land(int card, QImage image);
    void finishLocked();
    QImage takeLocked(int card);

    const std::shared_ptr<const CardDesign> m_design;
    const QSize m_size;
    std::weak_ptr<DesignWarmUp> m_self;
    QThreadPool *m_pool = nullptr;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    QPromise<void> m_promise;
    std::array<State, 52> m_state;
    std::array<QImage, 52> m_images;
    int m_wanted = -1;       // the face the showing thread waits for
    int m_workers = 0;       // workers started and not yet ended
    int m_promised = 0;      // of them, those sure to run soon or running
    bool m_judged = false;   // whether more workers were considered
    int m_drawn = 0;
    int m_taken = 0;
    bool m_finished = false;
};

} // namespace deck
