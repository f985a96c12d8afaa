#include "draw/FullScreenView.h"

#include "cards/CardDisplay.h"
#include "cards/DrawState.h"
#include "deck/CardImage.h"
#include "draw/DrawAnnouncement.h"
#include "draw/DrawTally.h"
#include "draw/FullScreenLayout.h"
#include "draw/WarmFaces.h"
#include "shell/ErrorReport.h"
#include "shell/Platform.h"
#include "shell/Pointer.h"
#include "shell/ShellHelpers.h"
#include "shell/Twips.h"
#include "tally/TallyLook.h"
#include "tally/TallyPanel.h"

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

// Arial where it exists; elsewhere the font system's metric-compatible
// substitute (Liberation Sans).
void setLabelFont(QLabel *label, double points)
{
    QFont font(QStringLiteral("Arial"), 9, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    if (label->font() != font)
        label->setFont(font);
}

QLabel *makeLabel(QWidget *parent, const char *name, const shell::TwipsRect &place)
{
    auto *label = shell::placed(new QLabel(parent), name, place);
    setLabelFont(label, LabelStrips().fontPoints);
    return label;
}

deck::CardImage *makeImage(QWidget *parent, const char *name, const shell::TwipsRect &place)
{
    auto *image = shell::placed(new deck::CardImage(parent), name, place);
    image->setStretch(true);
    image->setShowWhenReady(true);
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
        throw shell::Failure(FullScreenView::tr("Invalid property value"));
    return twips;
}

} // namespace

FullScreenView::FullScreenView(cards::DrawHost &host, DrawTally &tally, std::function<void()> showDrawWindow,
                               QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_host(host),
      m_drawTally(tally),
      m_showDrawWindow(std::move(showDrawWindow)),
      m_instructionLabel(makeLabel(this, "Label2", {120, 45, 8010, 255})),
      m_countLabel(makeLabel(this, "Label1", {120, 3510, 8040, 255})),
      m_firstCard(makeImage(this, "Image1", {1320, 405, 1065, 1440})),
      m_pile(makeImage(this, "Image2", {120, 405, 1065, 1440})),
      m_row(makeImage(this, "Image3", {2520, 405, 1065, 1440})),
      m_display(m_firstCard, m_pile, m_row, m_countLabel),
      m_pointer(new shell::PointerFeedback(this)),
      m_warmFaces(new WarmFaces(this, host, m_pile))
{
    setObjectName(QStringLiteral("Form4"));
    // Full screen whatever the desktop font: no larger design to scale. The
    // controls made above take their pixels again by that rule.
    shell::keepPlainScale(this);
    shell::reapplyTwips(this);
    setFocusPolicy(Qt::StrongFocus);
    m_row->setProperty("index", 0);
    //: The pile of cards not drawn yet, as a screen reader names it.
    m_pile->setFixedName(tr("Deck"));
    m_instructionLabel->setText(tr("Press 'Space' to show next card, ESC to exit"));
    setAccessibleName(tr("%1: full screen").arg(shell::ProductName));
    setBackground(this, Qt::black);
    shell::setClientSizeTwips(this, DesignWidth, DesignHeight);
}

FullScreenView::~FullScreenView() = default;

int FullScreenView::windowWidthTwips() const
{
    return shell::pixelsToTwips(width(), shell::twipsPerPixel(this));
}

int FullScreenView::windowHeightTwips() const
{
    return shell::pixelsToTwips(height(), shell::twipsPerPixel(this));
}

void FullScreenView::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    shell::Guarded g(shell::Location::FullScreenLoad);
    shell::loadWindowLook(g, this, *m_pointer);
    g.step(108, [&] { shell::setWhiteLabelBackground(m_countLabel); });
    g.step(110, [&] {
        m_countLabel->setText(cards::countText(cards::state().drawCount));
    });
    g.step(112, [&] {
        shell::setWhiteLabelBackground(m_instructionLabel);
        setBackground(this, Qt::black);
    });
}

void FullScreenView::arrangeCards()
{
    shell::Guarded g(shell::Location::FullScreenArrange);
    // The top of the cards: 405 as designed, lower below the grown label of
    // a screen taller than 1080 pixels.
    const int cardsTop = labelStrips(height()).cardsTop;
    if (g.test(100, [&] { return m_host.withoutPuttingBackChosen(); })) {
        // Sized by the window's width; a screen too wide for four rows of
        // such cards sizes them by the height that fits instead.
        CardSize small;
        g.step(102, [&] {
            small = smallCardSize(windowWidthTwips(), shell::twipsGeometry(m_countLabel).top, cardsTop);
            shell::setTwipsWidth(m_pile, checkedSize(small.width));
        });
        g.step(104, [&] {
            const int width = shell::twipsGeometry(m_pile).width;
            shell::setTwipsHeight(m_pile, width == small.width ? small.height : cardHeightForWidth(width));
        });
    } else {
        g.step(106, [&] {
            const int label1Height = shell::twipsGeometry(m_countLabel).height;
            shell::setTwipsHeight(m_pile, checkedSize(largeCardSize(windowHeightTwips(), label1Height).height));
        });
        g.step(108, [&] {
            shell::setTwipsWidth(m_pile, cardWidthForHeight(shell::twipsGeometry(m_pile).height));
        });
    }
    g.step(110, [&] { shell::setTwipsWidth(m_firstCard, shell::twipsGeometry(m_pile).width); });
    g.step(112, [&] { shell::setTwipsHeight(m_firstCard, shell::twipsGeometry(m_pile).height); });
    g.step(114, [&] {
        const shell::TwipsRect pile = shell::twipsGeometry(m_pile);
        shell::setTwipsLeft(m_firstCard, pile.left + pile.width + 120);
        for (QWidget *card : {static_cast<QWidget *>(m_pile), static_cast<QWidget *>(m_firstCard)}) {
            if (shell::twipsGeometry(card).top != cardsTop)
                shell::setTwipsTop(card, cardsTop);
        }
    });
    if (g.jumpTest(116, [&] { return cards::state().fullScreenLaidOut; }))
        return;

    int count = 0;
    g.step(118, [&] { count = m_display.rowCount(); });
    for (int i = 0; i < count; ++i) {
        shell::TwipsRect first;
        g.step(120, [&] { m_display.setRowWidth(i, shell::twipsGeometry(m_firstCard).width); });
        g.step(122, [&] { m_display.setRowHeight(i, shell::twipsGeometry(m_firstCard).height); });
        if (g.test(124, [&] { return i <= 11; })) {
            // The first row (draws 2 to 13): beside Image1, 10 twips apart,
            // at the cards' top.
            first = shell::twipsGeometry(m_firstCard);
            const auto placeAt = [&](int left) {
                m_display.setRowLeft(i, left);
                if (m_display.rowTop(i) != first.top)
                    m_display.setRowTop(i, first.top);
            };
            if (i == 0)
                g.step(126, [&] { placeAt(first.left + first.width + 10); });
            else
                g.step(128, [&] { placeAt(m_display.rowLeft(i - 1) + first.width + 10); });
        } else {
            // Later rows (draws 14 and up, present when more than 13 cards
            // were drawn before the first view): rows of 13 from the left of
            // Image1, each one card height plus 100 below the one before, as
            // the drawing engine places the cards that come later.
            g.step(130, [&] {
                const RowPlace place = nextRowPlace(i, m_display.rowLeft(i - 1), m_display.rowTop(i - 1),
                                                    m_display.rowWidth(i - 1), m_display.rowHeight(i - 1),
                                                    shell::twipsGeometry(m_firstCard).left);
                m_display.setRowLeft(i, place.left);
                m_display.setRowTop(i, place.top);
            });
        }
    }
    g.step(132, [&] { cards::state().fullScreenLaidOut = true; });
}

void FullScreenView::arrangeLabels()
{
    const int width = windowWidthTwips();
    const int height = windowHeightTwips();
    // The strips as designed, or grown with a screen taller than 1080 pixels.
    const LabelStrips strips = labelStrips(this->height());
    for (QLabel *label : {m_instructionLabel, m_countLabel}) {
        setLabelFont(label, strips.fontPoints);
        if (shell::twipsGeometry(label).height != strips.height)
            shell::setTwipsHeight(label, strips.height);
    }
    if (shell::twipsGeometry(m_instructionLabel).top != strips.instructionTop)
        shell::setTwipsTop(m_instructionLabel, strips.instructionTop);
    shell::setTwipsWidth(m_instructionLabel, checkedSize(width - 360));
    shell::setTwipsWidth(m_countLabel, shell::twipsGeometry(m_instructionLabel).width);
    shell::setTwipsTop(m_countLabel, height - shell::twipsGeometry(m_countLabel).height - strips.bottomGap);
    placeTally();
}

bool FullScreenView::tallyShown() const
{
    return m_tallyPanel && !m_tallyPanel->isHidden();
}

void FullScreenView::toggleTally()
{
    if (!m_tallyPanel) {
        // Made the first time it is asked for, with the tally of the draw
        // so far; from then on it follows the draw.
        m_tallyPanel = new tally::TallyPanel(this);
        m_tallyPanel->hide();
        m_tallyPanel->setObjectName(QStringLiteral("tallyOverlay"));
        m_tallyPanel->setAccessibleName(tr("Tally of draws"));
        m_tallyPanel->setLook(tally::overlayLook(height()));
        m_tallyPanel->setTally(&m_drawTally.tally());
        connect(&m_drawTally, &DrawTally::changed, m_tallyPanel, [this] {
            m_tallyPanel->tallyChanged();
            placeTally();
        });
    }
    m_tallyPanel->setVisible(m_tallyPanel->isHidden());
    placeTally();
}

void FullScreenView::placeTally()
{
    if (!tallyShown())
        return;
    if (m_tallyPanel->look().textHeight != tally::overlayTextHeight(height()))
        m_tallyPanel->setLook(tally::overlayLook(height()));
    const double perPixel = shell::twipsPerPixel(this);
    const int margin = std::max(1, shell::twipsToPixels(120 * labelStrips(height()).scale, perPixel));
    const int keepVisible = m_pile->geometry().bottom() + 1;
    const int width = std::max(0, this->width() - 2 * margin);
    const OverlayPlace place = overlayPlace(this->width(), m_countLabel->geometry().top(), keepVisible,
                                            m_tallyPanel->heightForWidth(width), margin);
    m_tallyPanel->setGeometry(place.left, place.top, place.width, place.height);
    m_tallyPanel->raise();
}

bool FullScreenView::event(QEvent *event)
{
    // The tally's figures grew (more lines, wider numbers): its height again.
    if (event->type() == QEvent::LayoutRequest)
        shell::safely([&] { placeTally(); });
    return QWidget::event(event);
}

void FullScreenView::handleKey(int key)
{
    if (key == Qt::Key_Space) {
        const std::int32_t before = cards::state().drawCount;
        cards::DrawCards(m_host);
        // The window keeps the focus and its name; it says the card.
        announceDraw(this, before);
    } else if (key == Qt::Key_Escape) {
        backToDrawWindow();
    } else if (key == Qt::Key_T) {
        toggleTally();
    }
}

void FullScreenView::backToDrawWindow()
{
    hide();
    if (m_showDrawWindow)
        m_showDrawWindow();
}

void FullScreenView::keyPressEvent(QKeyEvent *event)
{
    // Held keys repeat: every key-down event counts, the shift state not.
    const int key = event->key();
    shell::safely([&] { handleKey(key); });
    event->accept();
}

// The card layout runs once the shown window has its full-screen size (and
// again, row elements included, when that size changes later), never for a
// mere return of the focus from one of the program's message boxes.
void FullScreenView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_instructionPending = true;
    m_arrangePending = true;
    arrangeWhenFullSize(false);
}

void FullScreenView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    shell::safely([&] { arrangeLabels(); });
    if (!isVisible())
        return;
    if (m_arrangePending) {
        arrangeWhenFullSize(false);
    } else if (size() != m_laidOutSize) {
        m_laidOutSize = size();
        cards::state().fullScreenLaidOut = false;
        arrangeCards();
        m_warmFaces->prepare();
        placeTally();
    }
}

void FullScreenView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Should the window system never give the window the screen's size, the
    // layout runs with the size it has once the window is active.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_arrangePending)
        arrangeWhenFullSize(true);
    // Once the view has the focus, a screen reader says what the keys do
    // (the window has no control that would say it when focused).
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_instructionPending) {
        m_instructionPending = false;
        announceChange(this, m_instructionLabel->text());
    }
}

void FullScreenView::showFullScreenOn(QScreen *target)
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

void FullScreenView::arrangeWhenFullSize(bool anySize)
{
    if (!isVisible())
        return;
    const QScreen *shown = screen();
    if (!anySize && shown && size() != shown->geometry().size())
        return;
    m_arrangePending = false;
    // Shown again at another size (another screen, a new resolution): the
    // row is laid out anew, as on a change of size while showing.
    if (m_laidOutSize.isValid() && size() != m_laidOutSize)
        cards::state().fullScreenLaidOut = false;
    m_laidOutSize = size();
    arrangeCards();
    m_warmFaces->prepare();
    placeTally();
}

// The full-screen view has no close control. Should the window system close it
// anyway, it behaves as Esc does, so the draw window is never left hidden;
// only the end of the program closes it for good.
void FullScreenView::closeEvent(QCloseEvent *event)
{
    if (shell::endRequested()) {
        event->accept();
        return;
    }
    event->ignore();
    shell::safely([&] { backToDrawWindow(); });
}

} // namespace draw
