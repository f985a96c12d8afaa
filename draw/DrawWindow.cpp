#include "draw/DrawWindow.h"

#include "batch/CardExport.h"
#include "cards/DrawState.h"
#include "deck/CardFaceControl.h"
#include "deck/CardImage.h"
#include "draw/DrawAnnouncement.h"
#include "draw/DrawTally.h"
#include "draw/FullScreenView.h"
#include "draw/WidgetDisplay.h"
#include "menus/ChosenDesign.h"
#include "menus/MenuBar.h"
#include "settings/SettingsStore.h"
#include "shell/CaptionFit.h"
#include "shell/Convert.h"
#include "shell/ErrorReport.h"
#include "shell/Navigator.h"
#include "shell/Platform.h"
#include "shell/Pointer.h"
#include "shell/ShellHelpers.h"
#include "shell/Twips.h"
#include "shell/WindowPlace.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QScopedValueRollback>

namespace draw {

namespace {

// The client area in twips.
constexpr int ClientWidth = 8280;
constexpr int ClientHeight = 6960;

using shell::placed;

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const shell::TwipsRect &rect)
{
    auto *button = placed(new QPushButton(caption, parent), name, rect);
    // Reachable with Tab, pressed with Space or Enter.
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoDefault(true);
    return button;
}

deck::CardImage *makeImage(QWidget *parent, const char *name, const shell::TwipsRect &rect)
{
    return placed(new deck::CardImage(parent), name, rect);
}

// Selecting an option from code: an auto-exclusive button can only be
// cleared while its exclusivity is lifted.
void setOptionValue(QRadioButton *option, bool selected)
{
    if (selected) {
        option->setChecked(true);
    } else if (option->isChecked()) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

} // namespace

// The renderer of the drawing engine: the card face control "Deck1".
class DrawWindow::FaceRenderer : public cards::Renderer {
public:
    explicit FaceRenderer(deck::CardFaceControl &control) : m_control(control) {}
    void setChangeBack(int back) override { m_control.setChangeBack(back); }
    void setChangeCard(int card) override { m_control.setChangeCard(card); }
    QImage picture() const override { return m_control.Picture(); }

private:
    deck::CardFaceControl &m_control;
};

DrawWindow::DrawWindow(shell::Navigator &navigator, QWidget *parent) : QWidget(parent), m_navigator(navigator)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(shell::ProductName);
    // The caption is the product's, as in every window; a screen reader
    // tells the windows apart by their names.
    setAccessibleName(tr("%1: draw cards").arg(shell::ProductName));
    createControls();
    m_renderer = std::make_unique<FaceRenderer>(*m_faceControl);
    m_display = std::make_unique<WidgetDisplay>(m_firstCard, m_pile, m_row, m_countLabel);
    m_drawTally = std::make_unique<DrawTally>(*this, this);
    m_fullScreenView = std::make_unique<FullScreenView>(*this, *m_drawTally, [this] { showAgain(); });

    m_pointer = new shell::PointerFeedback(this);
    m_pointer->addDefaultArea(m_cardFrame->parentWidget());
    for (QGroupBox *frame : {m_cardFrame, m_modeFrame, m_folderFrame})
        m_pointer->addDefaultArea(frame);
    for (QPushButton *button : {m_resetButton, m_nextCardButton, m_saveCardButton, m_backButton, m_fullScreenButton,
                                m_browseButton})
        m_pointer->addHandArea(button);

    // Connected before the load fills the controls: the load's own changes
    // run the same handlers (and store their values) as the user's.
    connectHandlers();
    // The tally window's "Draw 10/100/1000": said through its button.
    connect(m_drawTally.get(), &DrawTally::drawManyRequested, this, [this](int count) {
        drawMany(count, m_drawTally->window() ? m_drawTally->window()->focusWidget() : nullptr);
    });
}

DrawWindow::~DrawWindow()
{
    // The full-screen view refers to this window and the tally; it goes first.
    m_fullScreenView.reset();
}

void DrawWindow::createControls()
{
    // The window's size first: it decides how large the controls are shown.
    // The designed client area lies below the menu bar.
    const menus::MenuBarFrame menuBar = menus::addMenuBar(this, ClientWidth, ClientHeight);
    QWidget *body = menuBar.body;
    // From top to bottom; the order of creation is the order of Tab.
    m_backButton = makeButton(body, "PushButton4", tr("< Back"), {120, 120, 8040, 375});
    m_backButton->setAccessibleName(tr("Back"));

    m_modeFrame = placed(new QGroupBox(tr("Generate Option"), body), "Frame3", {120, 600, 8040, 975});
    m_withoutPuttingBack = placed(new QRadioButton(tr("Show next card and do not put back in deck"), m_modeFrame),
                                  "Option1", {240, 270, 7680, 285});
    m_puttingBack = placed(
        new QRadioButton(tr("Show next card and then put it back in deck to be possibly selected again"), m_modeFrame),
        "Option2", {240, 600, 7680, 285});

    m_cardFrame = placed(new QGroupBox(tr("Card Area"), body), "Frame2", {120, 1650, 8040, 2400});
    m_pile = makeImage(m_cardFrame, "Image2", {480, 300, 1065, 1440});
    //: The pile of cards not drawn yet, as a screen reader names it.
    m_pile->setFixedName(tr("Deck"));
    m_firstCard = makeImage(m_cardFrame, "Image1", {1800, 300, 1065, 1440});
    m_row = makeImage(m_cardFrame, "Image3", {1995, 300, 1065, 1440});
    m_row->setProperty("index", 0);
    m_row->hide();

    m_nextCardButton = makeButton(body, "PushButton2", tr("Show Next Card"), {120, 4140, 3960, 375});
    m_resetButton = makeButton(body, "PushButton1", tr("Reset"), {4200, 4140, 3960, 375});
    m_countLabel = placed(new QLabel(cards::countText(1), body), "Label1", {120, 4605, 8040, 255});
    m_fullScreenButton =
        makeButton(body, "PushButton5", tr("Show Cards On Full Screen"), {120, 4950, 8040, 375});

    m_folderFrame = placed(new QGroupBox(tr("Save Results To This Folder"), body), "Frame4",
                           {120, 5415, 8040, 855});
    m_folderBox = placed(new QLineEdit(m_folderFrame), "Text2", {240, 330, 7080, 345});
    m_folderBox->setAccessibleName(tr("Save Results To This Folder"));
    m_browseButton = makeButton(m_folderFrame, "PushButton9", QStringLiteral("..."), {7440, 315, 480, 375});
    m_browseButton->setAccessibleName(tr("Choose the output folder"));

    m_saveCardButton = makeButton(body, "PushButton3", tr("Save Card As Image"), {120, 6390, 8040, 375});
    // Space draws from the first moment: the focus starts on "Show Next Card".
    m_nextCardButton->setFocus(Qt::OtherFocusReason);

    // The renderer; its own small surface shows no card, so it stays out of
    // sight.
    m_faceControl = new deck::CardFaceControl(body);
    m_faceControl->setObjectName(QStringLiteral("Deck1"));
    m_faceControl->hide();

    m_viewMenu = menuBar.view;
    createMenus(menuBar.file, menuBar.view);
    // Longer captions than the English ones (German, ...) grow the window.
    shell::fitCaptions(this);
    // The card area and the controls keep their designed places.
    shell::fixWindowSize(this);
    shell::keepWindowPlace(this);
}

void DrawWindow::connectHandlers()
{
    connect(m_resetButton, &QPushButton::clicked, this, &DrawWindow::onResetClicked);
    connect(m_nextCardButton, &QPushButton::clicked, this, &DrawWindow::onNextCardClicked);
    connect(m_saveCardButton, &QPushButton::clicked, this, &DrawWindow::onSaveCardClicked);
    connect(m_backButton, &QPushButton::clicked, this, &DrawWindow::onBackClicked);
    connect(m_fullScreenButton, &QPushButton::clicked, this, &DrawWindow::onFullScreenClicked);
    connect(m_browseButton, &QPushButton::clicked, this, &DrawWindow::onBrowseClicked);
    connect(m_folderBox, &QLineEdit::textChanged, this, &DrawWindow::onFolderTextChanged);
    // The mode handler runs once whenever an option becomes selected (click,
    // key or code), never for a click on the option that is already on.
    for (QRadioButton *option : {m_withoutPuttingBack, m_puttingBack}) {
        connect(option, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                onModeChosen();
        });
    }
}

void DrawWindow::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    // The card design kept in the settings, when this is the first window
    // that shows cards.
    menus::loadChosenDesign();
    shell::Guarded g(shell::Location::DrawWindowLoad);
    shell::loadWindowLook(g, this, *m_pointer);
    // The handlers that these steps' changes run store only what is not
    // stored yet: a stored value goes back only once the user changes it.
    g.step(108, [&] {
        const QScopedValueRollback<bool> filling(m_filling, true);
        m_folderBox->setText(settings::read(settings::keys::Text2, &shell::desktopFolder));
    });
    g.step(110, [&] {
        const QScopedValueRollback<bool> filling(m_filling, true);
        setOptionValue(m_withoutPuttingBack, shell::toBool(settings::read(settings::keys::Option1, 1)));
    });
    g.step(112, [&] {
        const QScopedValueRollback<bool> filling(m_filling, true);
        setOptionValue(m_puttingBack, shell::toBool(settings::read(settings::keys::Option2, 0)));
    });
    g.step(114, [&] { cards::state().drawCount = 0; });
    g.step(116, [&] { cards::initDrawnCards(); });
    g.step(118, [&] { shell::setWhiteLabelBackground(m_countLabel); });
    g.step(120, [&] { m_countLabel->setText(cards::countText(cards::state().drawCount)); });
    g.step(122, [&] { m_faceControl->setChangeBack(0); });
    g.step(124, [&] { m_pile->setPicture(m_faceControl->Picture()); });
}

void DrawWindow::resetDraw()
{
    shell::Guarded g(shell::Location::DrawWindowReset);
    g.step(100, [&] { cards::ResetCards(*this); });
}

void DrawWindow::onResetClicked()
{
    resetDraw();
    announceReset(resetAnnouncement());
}

void DrawWindow::announceReset(const QString &text)
{
    // The load's own reset (the window not yet shown) is nobody's news.
    if (!isVisible()) {
        refreshAnnouncements();
        return;
    }
    QWidget *focused = focusWidget();
    announceChange(focused ? focused : m_nextCardButton, text);
}

void DrawWindow::onNextCardClicked()
{
    const std::int32_t before = cards::state().drawCount;
    {
        shell::Guarded g(shell::Location::DrawWindowNextCard);
        g.step(100, [&] { cards::DrawCards(*this); });
    }
    // A screen reader hears the card, through the focus ("Show Next Card").
    QWidget *focused = focusWidget();
    announceDraw(focused ? focused : m_nextCardButton, before);
}

void DrawWindow::onSaveCardClicked()
{
    shell::safely([&] { batch::saveDrawnCard(m_faceControl->Picture(), cards::state().drawCount, m_folderBox->text()); });
}

void DrawWindow::onBackClicked()
{
    shell::Guarded g(shell::Location::DrawWindowBack);
    g.step(100, [&] { hide(); });
    g.step(102, [&] { m_navigator.showChooser(); });
}

void DrawWindow::onFullScreenClicked()
{
    shell::Guarded g(shell::Location::DrawWindowFullScreen);
    g.step(100, [&] {
        m_fullScreenView->load();
        m_fullScreenView->showFullScreenOn(screen());
        m_fullScreenView->raise();
        m_fullScreenView->activateWindow();
    });
    g.step(102, [&] { hide(); });
}

void DrawWindow::onBrowseClicked()
{
    shell::safely([&] { batch::browseOutputFolder(this, m_folderBox, shell::Location::DrawWindowBrowse); });
}

void DrawWindow::onFolderTextChanged(const QString &text)
{
    shell::safely([&] { batch::storeOutputFolder(text, m_filling); });
}

void DrawWindow::onModeChosen()
{
    resetDraw();
    shell::safely([&] {
        const auto store = m_filling ? &settings::writeIfMissing : &settings::write;
        store(settings::keys::Option1, shell::fromBool(m_withoutPuttingBack->isChecked()));
        store(settings::keys::Option2, shell::fromBool(m_puttingBack->isChecked()));
    });
    const QRadioButton *chosen = m_puttingBack->isChecked() ? m_puttingBack : m_withoutPuttingBack;
    const QString text = modeAnnouncement(chosen->text());
    if (!isVisible()) {
        refreshAnnouncements();
        return;
    }
    // An arrow key in the mode group chooses the option before the focus
    // moves to it: the reset is said once the focus is there.
    QTimer::singleShot(0, this, [this, text] { announceReset(text); });
}

bool DrawWindow::withoutPuttingBackChosen() const { return m_withoutPuttingBack->isChecked(); }
bool DrawWindow::puttingBackChosen() const { return m_puttingBack->isChecked(); }
cards::Renderer &DrawWindow::renderer() { return *m_renderer; }
cards::CardDisplay &DrawWindow::drawDisplay() { return *m_display; }

cards::CardDisplay &DrawWindow::fullScreenDisplay()
{
    m_fullScreenView->load();
    return m_fullScreenView->display();
}

void DrawWindow::setPointer(int style)
{
    // A run of draws keeps its hourglass from its first draw to its last.
    if (!m_quiet)
        m_pointer->setStyle(style);
}

void DrawWindow::drawChanged()
{
    if (m_quiet) {
        m_changedQuietly = true;
        return;
    }
    shell::safely([&] { m_drawTally->follow(); });
}

void DrawWindow::showAgain()
{
    show();
    raise();
    activateWindow();
}

// Closing the window: the next start reopens it; then the program ends.
void DrawWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (shell::endRequested())
        return;
    shell::safely([] { settings::write(settings::keys::Form3Start, QStringLiteral("2")); });
    shell::safely([] { shell::platform().ender->endProgram(); });
}

} // namespace draw
