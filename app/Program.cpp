#include "Program.h"

#include "Form1.h"
#include "batch/Form3.h"
#include "draw/Form2.h"

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

Program::Program() : m_form1(std::make_unique<Form1>(*this)) {}

// The drawing windows go first: they may still refer to the navigator.
Program::~Program()
{
    m_form3.reset();
    m_form2.reset();
    m_form1.reset();
}

void Program::start()
{
    m_form1->Form_Load();
    if (!m_form1->hiddenByLoad())
        bringUp(m_form1.get());
}

void Program::showMainWindow()
{
    bringUp(m_form1.get());
}

void Program::showDrawWindow()
{
    if (!m_form2) {
        m_form2 = std::make_unique<draw::Form2>(*this);
        m_form2->Form_Load();
    }
    bringUp(m_form2.get());
}

void Program::showBatchWindow()
{
    if (!m_form3) {
        m_form3 = std::make_unique<batch::Form3>(*this);
        m_form3->Form_Load();
    }
    bringUp(m_form3.get());
}

} // namespace app
