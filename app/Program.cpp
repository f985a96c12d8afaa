#include "app/Program.h"

#include "app/ChooserWindow.h"
#include "batch/BatchWindow.h"
#include "deck/HandPointer.h"
#include "draw/DrawWindow.h"
#include "shell/Pointer.h"

namespace app {

namespace {

// A window shown again comes up on top of the others by itself. Its name is
// its role for the window system, which session managers and scripts use to
// tell the program's windows apart (they all carry the same caption).
void bringUp(QWidget *window)
{
    if (window->windowRole().isEmpty())
        window->setWindowRole(window->objectName());
    window->show();
    window->activateWindow();
}

} // namespace

Program::Program() : m_chooser(std::make_unique<ChooserWindow>(*this))
{
    // Screens with more device pixels than logical ones get the hand drawn
    // at their size; it is drawn only when the pointer first becomes it.
    shell::setScalableHand(&deck::scalableHandPicture);
}

// The drawing windows go first: they may still refer to the navigator.
Program::~Program()
{
    m_batchWindow.reset();
    m_drawWindow.reset();
    m_chooser.reset();
}

void Program::start()
{
    m_chooser->load();
    if (!m_chooser->hiddenByLoad())
        bringUp(m_chooser.get());
}

void Program::showChooser()
{
    bringUp(m_chooser.get());
}

void Program::showDrawWindow()
{
    if (!m_drawWindow) {
        m_drawWindow = std::make_unique<draw::DrawWindow>(*this);
        m_drawWindow->load();
    }
    bringUp(m_drawWindow.get());
}

void Program::showBatchWindow()
{
    if (!m_batchWindow) {
        m_batchWindow = std::make_unique<batch::BatchWindow>(*this);
        m_batchWindow->load();
    }
    bringUp(m_batchWindow.get());
}

} // namespace app
