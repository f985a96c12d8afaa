// The draw window's menus and what they lead to: the draw history saved as
// a file, the tally of draws, the card design, and the runs of draws that
// the tally window asks for.
#include "draw/DrawWindow.h"

#include "batch/HistoryFile.h"
#include "cards/DrawHistoryCsv.h"
#include "cards/DrawState.h"
#include "draw/DrawAnnouncement.h"
#include "draw/DrawTally.h"
#include "draw/FullScreenView.h"
#include "menus/DesignMenu.h"
#include "menus/MenuBar.h"
#include "shell/ErrorReport.h"
#include "shell/Pointer.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <array>

namespace draw {

class DrawWindow::QuietRun {
public:
    explicit QuietRun(DrawWindow &window) : m_window(window)
    {
        m_window.m_pointer->setStyle(shell::PointerHourglass);
        m_window.m_quiet = true;
        m_window.m_changedQuietly = false;
        for (QWidget *shown : windows())
            shown->setUpdatesEnabled(false);
    }
    ~QuietRun()
    {
        m_window.m_quiet = false;
        for (QWidget *shown : windows())
            shown->setUpdatesEnabled(true);
        m_window.m_pointer->setStyle(shell::PointerDefault);
        if (m_window.m_changedQuietly)
            m_window.drawChanged();
    }
    QuietRun(const QuietRun &) = delete;
    QuietRun &operator=(const QuietRun &) = delete;

private:
    std::array<QWidget *, 2> windows() const { return {&m_window, m_window.m_fullScreenView.get()}; }
    DrawWindow &m_window;
};

void DrawWindow::createMenus(QMenu *file, QMenu *view)
{
    QAction *saveHistory = menus::addEntry(file, "saveHistoryEntry", tr("Save &History..."));
    connect(saveHistory, &QAction::triggered, this, &DrawWindow::onSaveHistoryClicked);
    file->addSeparator();
    QAction *close = menus::addEntry(file, "closeEntry", tr("&Close"));
    connect(close, &QAction::triggered, this, &QWidget::close);

    QAction *tally = menus::addEntry(view, "tallyEntry", tr("&Tally of Draws"), QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(tally, &QAction::triggered, this, &DrawWindow::onTallyClicked);
    QAction *fullScreen =
        menus::addEntry(view, "fullScreenEntry", tr("Show Cards On &Full Screen"), QKeySequence(Qt::Key_F11));
    connect(fullScreen, &QAction::triggered, this, &DrawWindow::onFullScreenClicked);
    view->addSeparator();
    menus::addDesignMenu(view);
}

void DrawWindow::onSaveHistoryClicked()
{
    shell::safely([&] {
        const auto &drawn = cards::state().drawnCards;
        const std::vector<std::int16_t> none{cards::Sentinel};
        batch::saveHistory(this, cards::drawHistoryCsv(drawn ? *drawn : none, cards::drawModeOf(*this)),
                           m_folderBox->text());
    });
}

void DrawWindow::onTallyClicked()
{
    shell::safely([&] { m_drawTally->showWindow(); });
}

void DrawWindow::drawMany(int count, QWidget *sayThrough)
{
    if (m_quiet || count <= 0 || cards::drawModeOf(*this) != cards::DrawMode::PutBack)
        return;
    const std::int32_t before = cards::state().drawCount;
    {
        const QuietRun run(*this);
        cards::drawMany(*this, count);
    }
    // Said once, at the end.
    QWidget *focused = sayThrough ? sayThrough : QApplication::focusWidget();
    announceDraw(focused ? focused : m_nextCardButton, before);
}

} // namespace draw
