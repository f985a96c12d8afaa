#pragma once
// The program's windows: one object that owns the single instance of each
// window and shows them for one another. The chooser exists from the
// start; the draw window and the batch window are created and loaded the
// first time they are shown, and afterwards only hidden and shown again.
#include "shell/Navigator.h"

#include <memory>

namespace draw {
class DrawWindow;
}
namespace batch {
class BatchWindow;
}

namespace app {

class ChooserWindow;

class Program : public shell::Navigator {
public:
    Program();
    ~Program() override;
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Starting the program: the chooser's load (the start-up sequence),
    // then the chooser is shown unless the load reopened another window.
    void start();

    void showChooser() override;
    void showDrawWindow() override;
    void showBatchWindow() override;

    ChooserWindow &chooser() { return *m_chooser; }
    // Null until first shown.
    draw::DrawWindow *drawWindow() { return m_drawWindow.get(); }
    batch::BatchWindow *batchWindow() { return m_batchWindow.get(); }

private:
    std::unique_ptr<ChooserWindow> m_chooser;
    std::unique_ptr<draw::DrawWindow> m_drawWindow;
    std::unique_ptr<batch::BatchWindow> m_batchWindow;
};

} // namespace app
