#include "Form1.h"

#include "shell/Convert.h"
#include "shell/ErrorReport.h"
#include "shell/Failure.h"
#include "shell/Navigator.h"
#include "shell/Platform.h"
#include "shell/Pointer.h"
#include "shell/Settings.h"
#include "shell/ShellHelpers.h"
#include "shell/Twips.h"

#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
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

Form1::Form1(shell::Navigator &navigator, QWidget *parent)
    : QWidget(parent), m_navigator(navigator)
{
    setObjectName(QStringLiteral("Form1"));
    shell::setClientSizeTwips(this, 8040, 1140);

    // Creation order as designed: Text1, PushButton2, PushButton1. Text1 is
    // made after the window's first frame (createText1).
    m_pushButton2 = makeButton(this, QStringLiteral("PushButton2"), QStringLiteral("Old Method"), {120, 630, 7800, 405});
    m_pushButton1 = makeButton(this, QStringLiteral("PushButton1"), QStringLiteral("New Method"), {120, 120, 7800, 405});

    // Tab order: Text1 (0), PushButton1 (1), PushButton2 (2). The window
    // holds the first focus: Tab then goes to "New Method".
    setTabOrder(m_pushButton1, m_pushButton2);
    setFocusPolicy(Qt::StrongFocus);
    setFocus(Qt::OtherFocusReason);

    m_pointer = new shell::PointerFeedback(this);
    m_pointer->addHandArea(m_pushButton1);
    m_pointer->addHandArea(m_pushButton2);

    connect(m_pushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(m_pushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
}

void Form1::createText1()
{
    m_text1 = new QLineEdit(QStringLiteral("Text1"), this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    // Below the visible client area. It was there only to take the first
    // focus, so that neither button starts with a focus mark; an invisible
    // edit box with the focus took typing and was announced to screen
    // readers, so the window itself takes that first focus instead and the
    // box is out of reach of the keyboard and of assistive technology.
    m_text1->setFocusPolicy(Qt::NoFocus);
    m_text1->setReadOnly(true);
    m_text1->hide();
    shell::setTwipsGeometry(m_text1, {1680, 1440, 1215, 690});
    // First in the tab order, before the buttons (placing PushButton1
    // after it takes it out of its place, so PushButton2 is put back
    // after PushButton1).
    setTabOrder(m_text1, m_pushButton1);
    setTabOrder(m_pushButton1, m_pushButton2);
}

bool Form1::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    // The hidden box is made once the first frame is on the screen: an edit
    // box lays out its text in the application's font as it is made, and
    // loading that font (the window shows none of it) would delay the
    // first frame.
    if (event->type() == QEvent::Paint && !m_text1Pending) {
        m_text1Pending = true;
        QTimer::singleShot(0, this, [this] { createText1(); });
    }
    return handled;
}

void Form1::Form_Load()
{
    using shell::Settings;
    namespace keys = shell::keys;

    m_loading = true;
    shell::Guarded g(shell::Location::Form1_Form_Load);

    g.step(100, [&] { shell::ApplySkin(this); });
    const QString cursorFile = shell::HandCursorPath();
    if (g.test(102, [&] { return shell::FileExists(cursorFile); }))
        g.step(104, [&] { m_pointer->setCustomCursor(shell::LoadHandCursor(cursorFile)); });
    g.step(106, [&] {
        shell::SetCaptionAndIcon(this);
        // Windows and boxes created later carry the same icon.
        QGuiApplication::setWindowIcon(shell::ProgramIcon());
        shell::SetAppTitle();
    });
    g.step(108, [&] { shell::MaybeOpenWebSite(); });

    // A stored value that is not a number fails the test of step 128; the
    // branch then runs as if the value had been 2, and step 134 (the other
    // branch of the same test) does not.
    if (g.test(128, [&] { return shell::ToNumber(Settings::read(keys::Form3Start, 0)) == 2; })) {
        g.step(130, [&] { m_navigator.showDrawWindow(); });
        g.step(132, [&] { hideMainWindow(); });
    } else if (g.test(134, [&] { return shell::ToNumber(Settings::read(keys::Form3Start, 0)) == 3; })) {
        g.step(136, [&] { m_navigator.showBatchWindow(); });
        g.step(138, [&] { hideMainWindow(); });
    }
    // A store that already holds "0" is left as it is: rewriting the same
    // text would only cost a synchronous disk write before the first window.
    g.step(140, [&] {
        if (Settings::read(keys::Form3Start, QString()) != QLatin1String("0"))
            Settings::write(keys::Form3Start, QStringLiteral("0"));
    });
    m_loading = false;
}

void Form1::PushButton1_Click()
{
    shell::Guarded g(shell::Location::Form1_PushButton1_Click);
    g.step(100, [&] { m_navigator.showDrawWindow(); });
    g.step(102, [&] { hideMainWindow(); });
}

void Form1::PushButton2_Click()
{
    shell::Guarded g(shell::Location::Form1_PushButton2_Click);
    g.step(100, [&] { m_navigator.showBatchWindow(); });
    g.step(102, [&] { hideMainWindow(); });
}

void Form1::hideMainWindow()
{
    if (m_loading)
        m_hiddenByLoad = true;
    hide();
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    shell::safely([] { shell::platform().ender->endProgram(); });
}

} // namespace app
