#include "Pointer.h"

#include "ErrorReport.h"
#include "Failure.h"
#include "ShellHelpers.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

namespace shell {

BusyPointer::BusyPointer()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        m_shown = true;
    }
}

BusyPointer::~BusyPointer()
{
    if (m_shown)
        QGuiApplication::restoreOverrideCursor();
}

namespace {

ScalableHand g_scalableHand = nullptr;

} // namespace

void setScalableHand(ScalableHand draw)
{
    g_scalableHand = draw;
}

QCursor handCursorFor(const QCursor &fromFile, qreal ratio)
{
    const QPixmap file = fromFile.pixmap();
    if (ratio <= 1 || file.isNull())
        return fromFile;
    const int width = qRound(file.width() * ratio);
    const int height = qRound(file.height() * ratio);
    QImage picture = g_scalableHand && width == height ? g_scalableHand(width) : QImage();
    if (picture.isNull())
        picture = file.toImage().scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap scaled = QPixmap::fromImage(picture);
    scaled.setDevicePixelRatio(ratio);
    // The window system takes the hotspot in the picture's own pixels.
    const QPoint hot = fromFile.hotSpot();
    return QCursor(scaled, qRound(hot.x() * ratio), qRound(hot.y() * ratio));
}

QCursor loadHandCursor(const QString &path)
{
    const std::optional<QCursor> cursor = loadCursorFile(path);
    if (!cursor)
        throw Failure(QCoreApplication::translate("shell::Pointer", "Invalid picture: %1").arg(path));
    return *cursor;
}

void loadWindowLook(Guarded &g, QWidget *window, PointerFeedback &pointer)
{
    g.step(100, [&] { applyWindowColours(window); });
    const QString cursorFile = handCursorPath();
    if (g.test(102, [&] { return fileExists(cursorFile); }))
        g.step(104, [&] { pointer.setCustomCursor(loadHandCursor(cursorFile)); });
    g.step(106, [&] {
        setCaptionAndIcon(window);
        setAppTitle();
    });
}

PointerFeedback::PointerFeedback(QWidget *window) : QObject(window), m_window(window)
{
    addDefaultArea(window);
}

void PointerFeedback::addDefaultArea(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->setProperty("pointerArea", PointerDefault);
    widget->installEventFilter(this);
}

void PointerFeedback::addHandArea(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->setProperty("pointerArea", PointerCustom);
    widget->installEventFilter(this);
}

void PointerFeedback::setCustomCursor(const std::optional<QCursor> &cursor)
{
    m_custom = cursor;
    m_scaled.reset();
    apply();
}

void PointerFeedback::setStyle(int style)
{
    m_style = style;
    apply();
}

bool PointerFeedback::eventFilter(QObject *watched, QEvent *event)
{
    const bool move = event->type() == QEvent::MouseMove;
    const int area = watched->property("pointerArea").toInt();
    if (move || (event->type() == QEvent::Enter && area == PointerCustom)) {
        // A move that a child ignored reaches its parent too: only the
        // innermost area under the pointer decides.
        if (move) {
            auto *widget = static_cast<QWidget *>(watched);
            QWidget *under = widget->childAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            for (; under && under != widget; under = under->parentWidget()) {
                if (under->property("pointerArea").isValid())
                    return QObject::eventFilter(watched, event);
            }
        }
        // A running draw keeps its hourglass.
        if (m_style != PointerHourglass && m_style != area)
            setStyle(area);
    }
    return QObject::eventFilter(watched, event);
}

QCursor PointerFeedback::customCursor()
{
    const qreal ratio = m_window->devicePixelRatioF();
    if (ratio <= 1)
        return *m_custom;
    if (!m_scaled || m_scaledRatio != ratio) {
        m_scaled = handCursorFor(*m_custom, ratio);
        m_scaledRatio = ratio;
    }
    return *m_scaled;
}

void PointerFeedback::apply()
{
    if (!m_window)
        return;
    switch (m_style) {
    case PointerHourglass:
        m_window->setCursor(Qt::WaitCursor);
        break;
    case PointerCustom:
        if (m_custom)
            m_window->setCursor(customCursor());
        else
            m_window->unsetCursor();
        break;
    default:
        m_window->unsetCursor();
        break;
    }
}

} // namespace shell
