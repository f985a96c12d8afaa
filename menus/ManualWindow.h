#pragma once
// The manual window: the manual page as text, for a desktop that cannot
// open manual pages itself. One window, made when first asked for and kept.
#include <QString>
#include <QWidget>

class QPlainTextEdit;

namespace menus {

// The manual page as text, as the program carries it.
QString manualText();

class ManualWindow : public QWidget {
    Q_OBJECT
public:
    explicit ManualWindow(QWidget *parent = nullptr);

    // Shows the one manual window (made the first time, owned by `owner`'s
    // window) and brings it to the front.
    static ManualWindow *showFor(QWidget *owner);
    // The manual window, or null when none has been made.
    static ManualWindow *instance();

    QPlainTextEdit *text() const { return m_text; }

private:
    QPlainTextEdit *m_text;
};

} // namespace menus
