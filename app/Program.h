#pragma once
// The program's windows: one object that owns the single instance of each
// window and shows them for one another. The main window exists from the
// start; the draw window and the batch generator are created and loaded the
// first time they are shown, and afterwards only hidden and shown again.
#include "shell/Navigator.h"

#include <memory>

namespace draw {
class Form2;
}
namespace batch {
class Form3;
}

namespace app {

class Form1;

class Program : public shell::Navigator {
public:
    Program();
    ~Program() override;
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Starting the program: the main window's load (the start-up sequence),
    // then the main window is shown unless the load reopened another window.
    void start();

    void showMainWindow() override;
    void showDrawWindow() override;
    void showBatchWindow() override;

    Form1 &form1() { return *m_form1; }
    // Null until first shown.
    draw::Form2 *form2() { return m_form2.get(); }
    batch::Form3 *form3() { return m_form3.get(); }

private:
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<draw::Form2> m_form2;
    std::unique_ptr<batch::Form3> m_form3;
};

} // namespace app
