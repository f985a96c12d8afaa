#pragma once
// The pointer feedback that every window shares: style 0 (default) over the
// window surface, frames and lists; 99 (the custom hand) over push buttons;
// 11 (hourglass, during a draw) is never touched by the hover handlers.
#include <QCursor>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <optional>

class QWidget;

namespace shell {

enum PointerStyle { PointerDefault = 0, PointerHourglass = 11, PointerCustom = 99 };

// Reads a Windows cursor file (.CUR) with its hotspot. Returns nothing for a
// missing, unreadable or malformed file.
std::optional<QCursor> loadCursorFile(const QString &path);
// The windows' hand pointer: throws Failure ("Invalid picture") for a file
// that exists but is no cursor, so that the window's load reports it and
// keeps the standard pointer.
QCursor loadHandCursor(const QString &path);

// The hand pointer drawn from a scalable source into a square of `side`
// device pixels, or a null image when it cannot be drawn. The program
// installs the art generator's hand (deck/HandPointer.h).
using ScalableHand = QImage (*)(int side);
void setScalableHand(ScalableHand draw);

// The hand cursor for a screen's device pixel ratio: at 1 the cursor file
// itself; above 1 the hand drawn at the device's size (the file's square
// times the ratio) with the file's hotspot scaled, from the scalable source
// when there is one, else from the file's picture.
QCursor handCursorFor(const QCursor &fromFile, qreal ratio);

class Guarded;
class PointerFeedback;

// The busy pointer over every window of the program while it lives (a
// wait the user should see); nothing without a graphical application.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    bool m_shown = false;
};

// The first steps that the drawing windows' loads share: 100 the window
// colours, 102/104 the hand pointer when its file is beside the program,
// 106 caption, icon and application title.
void loadWindowLook(Guarded &g, QWidget *window, PointerFeedback &pointer);

class PointerFeedback : public QObject {
    Q_OBJECT
public:
    explicit PointerFeedback(QWidget *window);

    // Widgets over which the pointer becomes the default / the hand.
    void addDefaultArea(QWidget *widget);
    void addHandArea(QWidget *widget);

    // The custom pointer picture (MouseIcon); without one, style 99 shows
    // the standard arrow.
    void setCustomCursor(const std::optional<QCursor> &cursor);
    bool hasCustomCursor() const { return m_custom.has_value(); }

    int style() const { return m_style; }
    void setStyle(int style);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();
    // The custom hand at the window's device pixel ratio.
    QCursor customCursor();

    QPointer<QWidget> m_window;
    std::optional<QCursor> m_custom;
    // The hand for the window's last device pixel ratio.
    std::optional<QCursor> m_scaled;
    qreal m_scaledRatio = 1;
    int m_style = PointerDefault;
};

} // namespace shell
