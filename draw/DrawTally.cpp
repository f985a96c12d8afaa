#include "draw/DrawTally.h"

#include "cards/CardDisplay.h"
#include "cards/DrawState.h"
#include "tally/TallyWindow.h"

namespace draw {

namespace {

const std::vector<std::int16_t> &history()
{
    static const std::vector<std::int16_t> none{cards::Sentinel};
    const auto &drawn = cards::state().drawnCards;
    return drawn ? *drawn : none;
}

} // namespace

DrawTally::DrawTally(cards::DrawHost &host, QWidget *owner) : m_host(host), m_owner(owner) {}

// The window shows the tally: it goes first.
DrawTally::~DrawTally()
{
    delete m_window.data();
}

const cards::Tally &DrawTally::tally()
{
    if (!m_tally)
        m_tally = std::make_unique<cards::Tally>(cards::Tally::fromHistory(history(), cards::drawModeOf(m_host)));
    return *m_tally;
}

tally::TallyWindow &DrawTally::showWindow()
{
    if (!m_window) {
        m_window = new tally::TallyWindow(m_owner);
        m_window->setTally(&tally());
        connect(m_window, &tally::TallyWindow::drawManyRequested, this, &DrawTally::drawManyRequested);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return *m_window;
}

void DrawTally::follow()
{
    if (!m_tally || !m_tally->follow(history(), cards::drawModeOf(m_host)))
        return;
    if (m_window)
        m_window->tallyChanged();
    emit changed();
}

} // namespace draw
