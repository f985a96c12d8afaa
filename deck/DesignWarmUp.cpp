#include "deck/DesignWarmUp.h"

#include <QElapsedTimer>
#include <QThreadPool>

#include <algorithm>

namespace deck {

DesignWarmUp::DesignWarmUp(std::shared_ptr<const CardDesign> design, const QSize &size, const std::array<bool, 52> &done)
    : m_design(std::move(design)), m_size(size)
{
    for (int card = 0; card < 52; ++card)
        m_state[card] = done[card] ? Taken : Waiting;
    m_drawn = m_taken = int(std::count(done.begin(), done.end(), true));
    m_promise.setProgressRange(0, 52);
    m_promise.start();
    m_promise.setProgressValue(m_drawn);
}

void DesignWarmUp::start(const std::shared_ptr<DesignWarmUp> &warmUp, QThreadPool *pool)
{
    warmUp->m_self = warmUp;
    warmUp->m_pool = pool;
    {
        std::lock_guard<std::mutex> lock(warmUp->m_mutex);
        ++warmUp->m_workers;
        ++warmUp->m_promised;
    }
    if (pool->tryStart([warmUp] { warmUp->work(); }))
        return;
    // The pool is busy: the worker waits its turn, and until it runs the
    // showing thread draws what it needs itself.
    {
        std::lock_guard<std::mutex> lock(warmUp->m_mutex);
        --warmUp->m_promised;
    }
    pool->start([warmUp] {
        {
            std::lock_guard<std::mutex> lock(warmUp->m_mutex);
            ++warmUp->m_promised;
        }
        warmUp->work();
    });
}

void DesignWarmUp::addWorkers(int count)
{
    const std::shared_ptr<DesignWarmUp> self = m_self.lock();
    for (int i = 0; i < count && self; ++i) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            ++m_workers;
            ++m_promised;
        }
        if (!m_pool->tryStart([self] { self->work(); })) {
            std::lock_guard<std::mutex> lock(m_mutex);
            --m_workers;
            --m_promised;
            return;
        }
    }
}

int DesignWarmUp::extraWorkers(qint64 faceNanoseconds) const
{
    int waiting = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        waiting = int(std::count(m_state.begin(), m_state.end(), Waiting));
    }
    // With n more workers, each parsing a copy first, the faces left take
    // about (draw all + n parses) / (n + 1).
    const double draw = double(faceNanoseconds) * waiting;
    const double parse = double(m_design->parseNanoseconds());
    const int most = qMin(waiting, m_pool->maxThreadCount() - 1);
    int best = 0;
    for (int n = 1; n <= most; ++n)
        if ((draw + n * parse) / (n + 1) < (draw + best * parse) / (best + 1))
            best = n;
    return best;
}

void DesignWarmUp::work()
{
    for (;;) {
        int card = -1;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_promise.isCanceled()) {
                if (m_wanted >= 0 && m_state[m_wanted] == Waiting)
                    card = m_wanted;
                for (int i = 0; i < 52 && card < 0; ++i)
                    if (m_state[i] == Waiting)
                        card = i;
            }
            if (card < 0) {
                --m_promised;
                // Faces still being drawn by the showing thread finish the
                // warm-up when they land; a cancelled one ends with its
                // last worker.
                if (--m_workers == 0 && m_promise.isCanceled())
                    finishLocked();
            } else {
                m_state[card] = Drawing;
            }
        }
        if (card < 0) {
            m_changed.notify_all();
            return;
        }
        QElapsedTimer timer;
        timer.start();
        QImage image = m_design->render(faceElementId(card), m_size);
        const qint64 took = timer.nsecsElapsed();
        land(card, std::move(image));
        bool judge = false;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            judge = !m_judged;
            m_judged = true;
        }
        if (judge)
            addWorkers(extraWorkers(took));
    }
}

void DesignWarmUp::cancel()
{
    m_promise.future().cancel();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_workers == 0)
            finishLocked();
    }
    m_changed.notify_all();
}

QImage DesignWarmUp::take(int card)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        if (m_state[card] >= Drawn)
            return takeLocked(card);
        if (m_state[card] == Waiting) {
            if (m_promised == 0) {
                m_state[card] = Drawing;
                lock.unlock();
                land(card, m_design->render(faceElementId(card), m_size));
                lock.lock();
                continue;
            }
            m_wanted = card;
        }
        m_changed.wait(lock);
    }
}

QImage DesignWarmUp::takeIfDrawn(int card)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state[card] >= Drawn ? takeLocked(card) : QImage();
}

bool DesignWarmUp::onItsWay(int card) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state[card] == Drawing || (m_state[card] == Waiting && m_promised > 0);
}

bool DesignWarmUp::allTaken() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_taken == 52;
}

void DesignWarmUp::land(int card, QImage image)
{
    bool last = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_images[card] = std::move(image);
        m_state[card] = Drawn;
        last = ++m_drawn == 52;
        m_promise.setProgressValue(m_drawn);
        if (last)
            finishLocked();
    }
    m_changed.notify_all();
    if (last)
        m_design->trimDocuments();
}

void DesignWarmUp::finishLocked()
{
    if (!m_finished)
        m_promise.finish();
    m_finished = true;
}

QImage DesignWarmUp::takeLocked(int card)
{
    if (m_state[card] == Taken)
        return QImage();
    m_state[card] = Taken;
    ++m_taken;
    return std::move(m_images[card]);
}

} // namespace deck
