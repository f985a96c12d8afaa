#include "draw/Form4.h"

#include "cards/CardDisplay.h"
#include "cards/DrawState.h"
#include "draw/DrawAnnouncement.h"
#include "draw/ImageBox.h"
#include "draw/ViewerLayout.h"
#include "shell/ErrorReport.h"
#include "shell/Platform.h"
#include "shell/Pointer.h"
#include "shell/ShellHelpers.h"
#include "shell/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace draw {

namespace {

// The window's size at design; the full-screen size replaces it when shown.
constexpr int DesignWidth = 8370;
constexpr int DesignHeight = 3965;

QLabel *makeLabel(QWidget *parent, const char *name, const shell::TwipsRect &place)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    // Arial where it exists; elsewhere the font system's metric-compatible
    // substitute (Liberation Sans).
    QFont font(QStringLiteral("Arial"), 9, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    label->setFont(font);
    shell::setTwipsGeometry(label, place);
    return label;
}

ImageBox *makeImage(QWidget *parent, const char *name, const shell::TwipsRect &place)
{
    auto *image = new ImageBox(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setStretch(true);
    shell::setTwipsGeometry(image, place);
    return image;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A size below zero is refused, as the window system would refuse it.
int checkedSize(int twips)
{
    if (twips < 0)
        throw shell::Failure(QStringLiteral("Invalid property value"));
    return twips;
}

} // namespace

Form4::Form4(cards::DrawHost &host, std::function<void()> showDrawWindow, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_host(host),
      m_showDrawWindow(std::move(showDrawWindow)),
      m_label2(makeLabel(this, "Label2", {120, 45, 8010, 255})),
      m_label1(makeLabel(this, "Label1", {120, 3510, 8040, 255})),
      m_image1(makeImage(this, "Image1", {1320, 405, 1065, 1440})),
      m_image2(makeImage(this, "Image2", {120, 405, 1065, 1440})),
      m_image3(makeImage(this, "Image3", {2520, 405, 1065, 1440})),
      m_display(m_image1, m_image2, m_image3, m_label1),
      m_pointer(new shell::PointerFeedback(this))
{
    setObjectName(QStringLiteral("Form4"));
    // Full screen whatever the desktop font: no larger design to scale. The
    // controls made above take their pixels again by that rule.
    shell::keepPlainScale(this);
    shell::reapplyTwips(this);
    setFocusPolicy(Qt::StrongFocus);
    m_image3->setProperty("index", 0);
    m_image2->setFixedName(QStringLiteral("Deck"));
    m_label2->setText(QStringLiteral("Press 'Space' to show next card, ESC to exit"));
    setBackground(this, Qt::black);
    shell::setClientSizeTwips(this, DesignWidth, DesignHeight);
}

Form4::~Form4() = default;

int Form4::windowWidthTwips() const
{
    return shell::pixelsToTwips(width(), shell::twipsPerPixel(this));
}

int Form4::windowHeightTwips() const
{
    return shell::pixelsToTwips(height(), shell::twipsPerPixel(this));
}

void Form4::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    shell::Guarded g(shell::Location::Form4_Form_Load);
    shell::LoadWindowLook(g, this, *m_pointer);
    g.step(108, [&] { shell::SetWhiteLabelBackground(m_label1); });
    g.step(110, [&] {
        m_label1->setText(QStringLiteral("Cards drawn: ") + QString::number(cards::state().DrawCount));
    });
    g.step(112, [&] {
        shell::SetWhiteLabelBackground(m_label2);
        setBackground(this, Qt::black);
    });
}

void Form4::Form_Activate()
{
    shell::Guarded g(shell::Location::Form4_Form_Activate);
    if (g.test(100, [&] { return m_host.option1Selected(); })) {
        // Sized by the window's width; a screen too wide for four rows of
        // such cards sizes them by the height that fits instead.
        CardSize small;
        g.step(102, [&] {
            small = smallCardSize(windowWidthTwips(), shell::twipsGeometry(m_label1).top);
            shell::setTwipsWidth(m_image2, checkedSize(small.width));
        });
        g.step(104, [&] {
            const int width = shell::twipsGeometry(m_image2).width;
            shell::setTwipsHeight(m_image2, width == small.width ? small.height : cardHeightForWidth(width));
        });
    } else {
        g.step(106, [&] {
            const int label1Height = shell::twipsGeometry(m_label1).height;
            shell::setTwipsHeight(m_image2, checkedSize(largeCardSize(windowHeightTwips(), label1Height).height));
        });
        g.step(108, [&] {
            shell::setTwipsWidth(m_image2, cardWidthForHeight(shell::twipsGeometry(m_image2).height));
        });
    }
    g.step(110, [&] { shell::setTwipsWidth(m_image1, shell::twipsGeometry(m_image2).width); });
    g.step(112, [&] { shell::setTwipsHeight(m_image1, shell::twipsGeometry(m_image2).height); });
    g.step(114, [&] {
        const shell::TwipsRect pile = shell::twipsGeometry(m_image2);
        shell::setTwipsLeft(m_image1, pile.left + pile.width + 120);
    });
    if (g.jumpTest(116, [&] { return cards::state().ViewerLaidOut; }))
        return;

    int count = 0;
    g.step(118, [&] { count = m_display.rowCount(); });
    for (int i = 0; i < count; ++i) {
        shell::TwipsRect first;
        g.step(120, [&] { m_display.setRowWidth(i, shell::twipsGeometry(m_image1).width); });
        g.step(122, [&] { m_display.setRowHeight(i, shell::twipsGeometry(m_image1).height); });
        if (g.test(124, [&] { return i <= 11; })) {
            // The first row (draws 2 to 13): beside Image1, 10 twips apart;
            // the tops stay where they are.
            first = shell::twipsGeometry(m_image1);
            if (i == 0)
                g.step(126, [&] { m_display.setRowLeft(0, first.left + first.width + 10); });
            else
                g.step(128, [&] { m_display.setRowLeft(i, m_display.rowLeft(i - 1) + first.width + 10); });
        } else {
            // Later rows (draws 14 and up, present when more than 13 cards
            // were drawn before the first view): rows of 13 from the left of
            // Image1, each one card height plus 100 below the one before, as
            // the drawing engine places the cards that come later.
            g.step(130, [&] {
                const RowPlace place = nextRowPlace(i, m_display.rowLeft(i - 1), m_display.rowTop(i - 1),
                                                    m_display.rowWidth(i - 1), m_display.rowHeight(i - 1),
                                                    shell::twipsGeometry(m_image1).left);
                m_display.setRowLeft(i, place.left);
                m_display.setRowTop(i, place.top);
            });
        }
    }
    g.step(132, [&] { cards::state().ViewerLaidOut = true; });
}

void Form4::Form_Resize()
{
    const int width = windowWidthTwips();
    const int height = windowHeightTwips();
    shell::setTwipsWidth(m_label2, checkedSize(width - 360));
    shell::setTwipsWidth(m_label1, shell::twipsGeometry(m_label2).width);
    shell::setTwipsTop(m_label1, height - shell::twipsGeometry(m_label1).height - 200);
}

void Form4::Form_KeyDown(int key)
{
    if (key == Qt::Key_Space) {
        const std::int32_t before = cards::state().DrawCount;
        cards::DrawCards(m_host);
        // The window keeps the focus and its name; it says the card.
        announceDraw(this, before);
    } else if (key == Qt::Key_Escape) {
        backToDrawWindow();
    }
}

void Form4::backToDrawWindow()
{
    hide();
    if (m_showDrawWindow)
        m_showDrawWindow();
}

void Form4::keyPressEvent(QKeyEvent *event)
{
    // Held keys repeat: every key-down event counts, the shift state not.
    const int key = event->key();
    shell::safely([&] { Form_KeyDown(key); });
    event->accept();
}

// The card layout runs once the shown window has its full-screen size (and
// again, row elements included, when that size changes later), never for a
// mere return of the focus from one of the program's message boxes.
void Form4::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_activatePending = true;
    activateWhenFullSize(false);
}

void Form4::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    shell::safely([&] { Form_Resize(); });
    if (!isVisible())
        return;
    if (m_activatePending) {
        activateWhenFullSize(false);
    } else if (size() != m_laidOutSize) {
        m_laidOutSize = size();
        cards::state().ViewerLaidOut = false;
        Form_Activate();
    }
}

void Form4::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Should the window system never give the window the screen's size, the
    // layout runs with the size it has once the window is active.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_activatePending)
        activateWhenFullSize(true);
}

void Form4::showFullScreenOn(QScreen *target)
{
    // The window covers the screen by itself: without a window manager (a
    // kiosk, a bare X session) nobody honours a request for full screen.
    // A window that is already full screen also keeps its old geometry when
    // it is only moved to another screen.
    if (target && target != screen())
        setScreen(target);
    if (QScreen *shown = target ? target : screen())
        setGeometry(shown->geometry());
    showFullScreen();
}

void Form4::activateWhenFullSize(bool anySize)
{
    if (!isVisible())
        return;
    const QScreen *shown = screen();
    if (!anySize && shown && size() != shown->geometry().size())
        return;
    m_activatePending = false;
    // Shown again at another size (another screen, a new resolution): the
    // row is laid out anew, as on a change of size while showing.
    if (m_laidOutSize.isValid() && size() != m_laidOutSize)
        cards::state().ViewerLaidOut = false;
    m_laidOutSize = size();
    Form_Activate();
}

// The viewer has no close control. Should the window system close it
// anyway, it behaves as Esc does, so the draw window is never left hidden;
// only the end of the program closes it for good.
void Form4::closeEvent(QCloseEvent *event)
{
    if (shell::endRequested()) {
        event->accept();
        return;
    }
    event->ignore();
    shell::safely([&] { backToDrawWindow(); });
}

} // namespace draw
