#include "tally/TallyWindow.h"

#include "shell/ShellHelpers.h"
#include "tally/TallyPanel.h"
#include "tally/TallyText.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tally {

TallyWindow::TallyWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TallyWindow"));
    shell::setCaptionAndIcon(this);
    setAccessibleName(tr("Dealwright: tally of draws"));

    auto *layout = new QVBoxLayout(this);
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_panel = new TallyPanel;
    m_scroll->setWidget(m_panel);
    layout->addWidget(m_scroll, 1);

    m_note = new QLabel(TallyText::verdictNote(), this);
    m_note->setObjectName(QStringLiteral("verdictNote"));
    m_note->setTextFormat(Qt::PlainText);
    m_note->setWordWrap(true);
    layout->addWidget(m_note);

    m_drawMany = new QWidget(this);
    auto *buttons = new QHBoxLayout(m_drawMany);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto *explain = new QLabel(tr("Draw many cards at once, putting each back:"), m_drawMany);
    buttons->addWidget(explain);
    const std::pair<int, QString> counts[] = {{10, tr("Draw 10")}, {100, tr("Draw 100")}, {1000, tr("Draw 1000")}};
    for (const auto &[count, caption] : counts) {
        auto *button = new QPushButton(caption, m_drawMany);
        button->setObjectName(QStringLiteral("Draw%1").arg(count));
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAutoDefault(true);
        button->setAccessibleDescription(tr("Adds %n draws with putting back.", nullptr, count));
        const int n = count;
        connect(button, &QPushButton::clicked, this, [this, n] { emit drawManyRequested(n); });
        buttons->addWidget(button);
        m_drawButtons.push_back(button);
    }
    buttons->addStretch(1);
    layout->addWidget(m_drawMany);
    showMode();
}

void TallyWindow::showEvent(QShowEvent *event)
{
    if (!m_sized) {
        // At its first showing as large as the panel wants, within the
        // screen's available area.
        m_sized = true;
        resize(wantedSize());
    }
    QWidget::showEvent(event);
}

QSize TallyWindow::wantedSize() const
{
    const QMargins margins = layout()->contentsMargins();
    const int panelWidth = m_panel->sizeHint().width();
    const int spacing = layout()->spacing();
    const int height = m_panel->heightForWidth(panelWidth) + m_drawMany->sizeHint().height() + spacing +
                       (m_note->isHidden() ? 0 : m_note->heightForWidth(panelWidth) + spacing);
    const QSize wanted(panelWidth + margins.left() + margins.right(), height + margins.top() + margins.bottom());
    const QScreen *target = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize room = target ? target->availableSize() * 9 / 10 : wanted;
    return wanted.boundedTo(room);
}

void TallyWindow::setTally(const cards::Tally *tally)
{
    m_tally = tally;
    m_panel->setTally(tally);
    showMode();
}

void TallyWindow::tallyChanged()
{
    m_panel->tallyChanged();
    showMode();
}

void TallyWindow::showMode()
{
    const bool putBack = m_tally && m_tally->mode() == cards::DrawMode::PutBack;
    for (QPushButton *button : m_drawButtons) {
        if (button->isEnabled() != putBack)
            button->setEnabled(putBack);
    }
    if (m_note->isHidden() == putBack)
        m_note->setVisible(putBack);
    // The other mode shows other sections: a window already on the screen
    // grows to show them (within the screen), and never shrinks by itself.
    if (m_sized && m_shownMode != putBack) {
        const QSize wanted = wantedSize();
        if (wanted.width() > width() || wanted.height() > height())
            resize(size().expandedTo(wanted));
    }
    m_shownMode = putBack;
}

} // namespace tally
