#include "app/ChooserWindow.h"

#include "menus/HelpMenu.h"
#include "shell/CaptionFit.h"
#include "shell/Convert.h"
#include "shell/ErrorReport.h"
#include "shell/Failure.h"
#include "shell/Navigator.h"
#include "shell/Platform.h"
#include "shell/Pointer.h"
#include "settings/SettingsStore.h"
#include "shell/ShellHelpers.h"
#include "shell/Twips.h"
#include "shell/WindowPlace.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace app {

namespace {

QFont buttonFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11.25);
    font.setBold(true);
    return font;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, const shell::TwipsRect &rect)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    QFont font = buttonFont();
    // The caption grows with the window on a desktop with a larger font.
    font.setPointSizeF(font.pointSizeF() * shell::windowScale(parent));
    button->setFont(font);
    // Space and Enter press the button that has the focus.
    button->setAutoDefault(true);
    shell::setTwipsGeometry(button, rect);
    return button;
}

} // namespace

ChooserWindow::ChooserWindow(shell::Navigator &navigator, QWidget *parent)
    : QWidget(parent), m_navigator(navigator)
{
    setObjectName(QStringLiteral("Form1"));
    // The caption is the product's, as in every window; a screen reader
    // tells the windows apart by their names.
    setAccessibleName(tr("%1: choose how to draw").arg(shell::ProductName));
    shell::setClientSizeTwips(this, 8040, 1140);
    // The two buttons keep their designed places: the window keeps its size.
    shell::fixWindowSize(this);
    shell::keepWindowPlace(this);

    // Creation order as designed: Text1, PushButton2, PushButton1. Text1 is
    // made after the window's first frame (createHiddenBox).
    //: The chooser's second button: it opens the batch window, which draws up to 52 cards at once.
    m_oldMethodButton = makeButton(this, QStringLiteral("PushButton2"), tr("Old Method"), {120, 630, 7800, 405});
    //: The chooser's first button: it opens the draw window, which draws one card at a time.
    m_newMethodButton = makeButton(this, QStringLiteral("PushButton1"), tr("New Method"), {120, 120, 7800, 405});
    shell::fitCaptions(this);
    // What each opens, for the pointer and for screen readers.
    const QString newMethod = tr("Opens the draw window: cards one at a time, with or without putting each back.");
    const QString oldMethod = tr("Opens the batch window: a batch of up to 52 different cards at once.");
    m_newMethodButton->setToolTip(newMethod);
    m_newMethodButton->setAccessibleDescription(newMethod);
    m_oldMethodButton->setToolTip(oldMethod);
    m_oldMethodButton->setAccessibleDescription(oldMethod);

    // Tab order: Text1 (0), PushButton1 (1), PushButton2 (2). The window
    // holds the first focus: Tab then goes to "New Method".
    setTabOrder(m_newMethodButton, m_oldMethodButton);
    setFocusPolicy(Qt::StrongFocus);
    setFocus(Qt::OtherFocusReason);

    m_pointer = new shell::PointerFeedback(this);
    m_pointer->addHandArea(m_newMethodButton);
    m_pointer->addHandArea(m_oldMethodButton);

    connect(m_newMethodButton, &QPushButton::clicked, this, &ChooserWindow::onNewMethodClicked);
    connect(m_oldMethodButton, &QPushButton::clicked, this, &ChooserWindow::onOldMethodClicked);
}

void ChooserWindow::createHiddenBox()
{
    m_hiddenBox = new QLineEdit(QStringLiteral("Text1"), this);
    m_hiddenBox->setObjectName(QStringLiteral("Text1"));
    // Below the visible client area. It was there only to take the first
    // focus, so that neither button starts with a focus mark; an invisible
    // edit box with the focus took typing and was announced to screen
    // readers, so the window itself takes that first focus instead and the
    // box is out of reach of the keyboard and of assistive technology.
    m_hiddenBox->setFocusPolicy(Qt::NoFocus);
    m_hiddenBox->setReadOnly(true);
    m_hiddenBox->hide();
    shell::setTwipsGeometry(m_hiddenBox, {1680, 1440, 1215, 690});
    // First in the tab order, before the buttons (placing PushButton1
    // after it takes it out of its place, so PushButton2 is put back
    // after PushButton1).
    setTabOrder(m_hiddenBox, m_newMethodButton);
    setTabOrder(m_newMethodButton, m_oldMethodButton);
}

bool ChooserWindow::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    // The hidden box is made once the first frame is on the screen: an edit
    // box lays out its text in the application's font as it is made, and
    // loading that font (the window shows none of it) would delay the
    // first frame.
    if (event->type() == QEvent::Paint && !m_hiddenBoxPending) {
        m_hiddenBoxPending = true;
        QTimer::singleShot(0, this, [this] { createHiddenBox(); });
    }
    return handled;
}

void ChooserWindow::load()
{
    namespace keys = settings::keys;

    m_loading = true;
    shell::Guarded g(shell::Location::ChooserLoad);

    g.step(100, [&] { shell::applySkin(this); });
    const QString cursorFile = shell::handCursorPath();
    if (g.test(102, [&] { return shell::fileExists(cursorFile); }))
        g.step(104, [&] { m_pointer->setCustomCursor(shell::loadHandCursor(cursorFile)); });
    g.step(106, [&] {
        shell::setCaptionAndIcon(this);
        // Windows and boxes created later carry the same icon.
        QGuiApplication::setWindowIcon(shell::programIcon());
        shell::setAppTitle();
    });
    // "Web Visit" set to 0 turns the occasional visit off; another text
    // that is not a number fails the step, as any value of the wrong form.
    g.step(108, [&] {
        if (shell::toNumber(settings::read(keys::WebVisit, 1)) != 0)
            shell::maybeOpenWebSite();
    });

    // A stored value that is not a number fails the test of step 128; the
    // branch then runs as if the value had been 2, and step 134 (the other
    // branch of the same test) does not.
    if (g.test(128, [&] { return shell::toNumber(settings::read(keys::Form3Start, 0)) == 2; })) {
        g.step(130, [&] { m_navigator.showDrawWindow(); });
        g.step(132, [&] { hideChooser(); });
    } else if (g.test(134, [&] { return shell::toNumber(settings::read(keys::Form3Start, 0)) == 3; })) {
        g.step(136, [&] { m_navigator.showBatchWindow(); });
        g.step(138, [&] { hideChooser(); });
    }
    // A store that already holds "0" is left as it is: rewriting the same
    // text would only cost a synchronous disk write before the first window.
    g.step(140, [&] {
        if (settings::read(keys::Form3Start, QString()) != QLatin1String("0"))
            settings::write(keys::Form3Start, QStringLiteral("0"));
    });
    m_loading = false;
}

void ChooserWindow::onNewMethodClicked()
{
    shell::Guarded g(shell::Location::ChooserNewMethod);
    g.step(100, [&] { m_navigator.showDrawWindow(); });
    g.step(102, [&] { hideChooser(); });
}

void ChooserWindow::onOldMethodClicked()
{
    shell::Guarded g(shell::Location::ChooserOldMethod);
    g.step(100, [&] { m_navigator.showBatchWindow(); });
    g.step(102, [&] { hideChooser(); });
}

void ChooserWindow::hideChooser()
{
    if (m_loading)
        m_hiddenByLoad = true;
    hide();
}

void ChooserWindow::keyPressEvent(QKeyEvent *event)
{
    // The keys the buttons leave: F1 the manual, Shift+F10 the context menu
    // (the context-menu key comes as a context-menu event).
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        shell::safely([&] { menus::showManual(this); });
    } else if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QWidget *focused = focusWidget() ? focusWidget() : this;
        showContextMenu(focused->mapToGlobal(focused->rect().center()));
    } else {
        QWidget::keyPressEvent(event);
    }
}

void ChooserWindow::contextMenuEvent(QContextMenuEvent *event)
{
    showContextMenu(event->globalPos());
}

void ChooserWindow::showContextMenu(const QPoint &place)
{
    // Made when first asked for: the start-up makes no menu.
    if (!m_contextMenu) {
        m_contextMenu = new QMenu(this);
        m_contextMenu->setObjectName(QStringLiteral("contextMenu"));
        m_contextMenu->setTitle(tr("Help"));
        menus::fillHelpMenu(m_contextMenu, this);
    }
    m_contextMenu->popup(place);
}

void ChooserWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    shell::safely([] { shell::platform().ender->endProgram(); });
}

} // namespace app
