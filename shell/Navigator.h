#pragma once
// How the windows reach one another without knowing one another's classes:
// the start-up code implements it and hands it to each window it creates.
// Every window is a single instance, created and loaded when first shown.
class QWidget;

namespace shell {

class Navigator {
public:
    virtual ~Navigator() = default;
    virtual void showChooser() = 0;
    virtual void showDrawWindow() = 0;   // created and loaded on first use
    virtual void showBatchWindow() = 0;  // created and loaded on first use
};

} // namespace shell
