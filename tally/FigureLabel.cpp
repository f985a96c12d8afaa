#include "tally/FigureLabel.h"

#include "shell/Accessibility.h"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace tally {

FigureLabel::FigureLabel(QWidget *parent, Qt::Alignment alignment) : QWidget(parent), m_alignment(alignment)
{
    shell::presentAs(this, QAccessible::StaticText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void FigureLabel::setFigure(const QString &text, const QString &spoken)
{
    if (accessibleName() != spoken)
        setAccessibleName(spoken);
    if (text == m_text)
        return;
    m_text = text;
    update();
    if (m_wrap) {
        // A sentence that needs another line at its width asks for it.
        if (heightForWidth(width()) != height())
            updateGeometry();
        return;
    }
    const QSize needed = textSize();
    if (needed.width() > m_hint.width() || needed.height() != m_hint.height()) {
        m_hint = m_hint.expandedTo(needed);
        m_hint.setHeight(needed.height());
        updateGeometry();
    }
}

void FigureLabel::setWordWrap(bool wrap)
{
    m_wrap = wrap;
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(wrap);
    setSizePolicy(policy);
    updateGeometry();
}

int FigureLabel::textFlags() const
{
    return int(m_alignment) | (m_wrap ? Qt::TextWordWrap : 0);
}

QSize FigureLabel::textSize() const
{
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.horizontalAdvance(m_text) + metrics.height() / 8, metrics.height());
}

QSize FigureLabel::sizeHint() const
{
    if (!m_wrap) {
        if (!m_hint.isValid())
            m_hint = textSize();
        return m_hint;
    }
    // A wrapping sentence asks for a moderate width and the lines it then takes.
    const int width = std::min(textSize().width(), fontMetrics().height() * 20);
    return QSize(width, heightForWidth(width));
}

QSize FigureLabel::minimumSizeHint() const
{
    if (!m_wrap)
        return sizeHint();
    const int width = std::min(textSize().width(), fontMetrics().height() * 12);
    return QSize(width, heightForWidth(width));
}

int FigureLabel::heightForWidth(int width) const
{
    if (!m_wrap)
        return textSize().height();
    const QRect needed = fontMetrics().boundingRect(QRect(0, 0, std::max(1, width), 1 << 20), textFlags(), m_text);
    return std::max(fontMetrics().height(), needed.height());
}

void FigureLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), textFlags(), m_text);
}

void FigureLabel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_hint = QSize();
        updateGeometry();
    }
}

void FigureLabel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A wrapping sentence given another width may need other lines.
    if (m_wrap && heightForWidth(width()) != height())
        updateGeometry();
}

QLabel *sectionHeading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(QStringLiteral("heading"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace tally
