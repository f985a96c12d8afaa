#include "draw/Form2.h"

#include "batch/CardExport.h"
#include "cards/DrawState.h"
#include "deck/Deck.h"
#include "draw/DrawAnnouncement.h"
#include "draw/Form4.h"
#include "draw/ImageBox.h"
#include "draw/WidgetDisplay.h"
#include "shell/Convert.h"
#include "shell/ErrorReport.h"
#include "shell/Navigator.h"
#include "shell/Platform.h"
#include "shell/Pointer.h"
#include "shell/Settings.h"
#include "shell/ShellHelpers.h"
#include "shell/Twips.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace draw {

namespace {

// The client area in twips.
constexpr int ClientWidth = 8280;
constexpr int ClientHeight = 6960;

template <class W>
W *place(W *widget, const char *name, const shell::TwipsRect &rect)
{
    widget->setObjectName(QString::fromLatin1(name));
    shell::setTwipsGeometry(widget, rect);
    return widget;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const shell::TwipsRect &rect)
{
    auto *button = place(new QPushButton(caption, parent), name, rect);
    // Reachable with Tab, pressed with Space or Enter.
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoDefault(true);
    return button;
}

ImageBox *makeImage(QWidget *parent, const char *name, const shell::TwipsRect &rect)
{
    return place(new ImageBox(parent), name, rect);
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

QString countText(std::int32_t count)
{
    return QStringLiteral("Cards drawn: ") + QString::number(count);
}

} // namespace

// The renderer of the drawing engine: the card face control Deck1.
class Form2::DeckRenderer : public cards::Renderer {
public:
    explicit DeckRenderer(deck::Deck &deck) : m_deck(deck) {}
    void setChangeBack(int back) override { m_deck.setChangeBack(back); }
    void setChangeCard(int card) override { m_deck.setChangeCard(card); }
    QImage picture() const override { return m_deck.Picture(); }

private:
    deck::Deck &m_deck;
};

Form2::Form2(shell::Navigator &navigator, QWidget *parent) : QWidget(parent), m_navigator(navigator)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(shell::ProductName);
    createControls();
    m_renderer = std::make_unique<DeckRenderer>(*m_deck1);
    m_display = std::make_unique<WidgetDisplay>(m_image1, m_image2, m_image3, m_label1);
    m_viewer = std::make_unique<Form4>(*this, [this] { showDrawWindowAgain(); });

    m_pointer = new shell::PointerFeedback(this);
    for (QWidget *frame : {static_cast<QWidget *>(m_frame2), static_cast<QWidget *>(m_frame3),
                           static_cast<QWidget *>(m_frame4)})
        m_pointer->addDefaultArea(frame);
    for (QPushButton *button : {m_pushButton1, m_pushButton2, m_pushButton3, m_pushButton4, m_pushButton5,
                                m_pushButton9})
        m_pointer->addHandArea(button);

    // Connected before the load fills the controls: the load's own changes
    // run the same handlers (and store their values) as the user's.
    connectHandlers();
}

Form2::~Form2()
{
    // The viewer refers to this window; it goes first.
    m_viewer.reset();
}

void Form2::createControls()
{
    // The window's size first: it decides how large the controls are shown.
    shell::setClientSizeTwips(this, ClientWidth, ClientHeight);
    // From top to bottom; the order of creation is the order of Tab.
    m_pushButton4 = makeButton(this, "PushButton4", QStringLiteral("< Back"), {120, 120, 8040, 375});

    m_frame3 = place(new QGroupBox(QStringLiteral("Generate Option"), this), "Frame3", {120, 600, 8040, 975});
    m_option1 = place(new QRadioButton(QStringLiteral("Show next card and do not put back in deck"), m_frame3),
                      "Option1", {240, 270, 7680, 285});
    m_option2 = place(new QRadioButton(
                          QStringLiteral("Show next card and then put it back in deck to be possibly selected again"),
                          m_frame3),
                      "Option2", {240, 600, 7680, 285});

    m_frame2 = place(new QGroupBox(QStringLiteral("Card Area"), this), "Frame2", {120, 1650, 8040, 2400});
    m_image2 = makeImage(m_frame2, "Image2", {480, 300, 1065, 1440});
    m_image2->setFixedName(QStringLiteral("Deck"));
    m_image1 = makeImage(m_frame2, "Image1", {1800, 300, 1065, 1440});
    m_image3 = makeImage(m_frame2, "Image3", {1995, 300, 1065, 1440});
    m_image3->setProperty("index", 0);
    m_image3->hide();

    m_pushButton2 = makeButton(this, "PushButton2", QStringLiteral("Show Next Card"), {120, 4140, 3960, 375});
    m_pushButton1 = makeButton(this, "PushButton1", QStringLiteral("Reset"), {4200, 4140, 3960, 375});
    m_label1 = place(new QLabel(QStringLiteral("Cards drawn: 1"), this), "Label1", {120, 4605, 8040, 255});
    m_pushButton5 =
        makeButton(this, "PushButton5", QStringLiteral("Show Cards On Full Screen"), {120, 4950, 8040, 375});

    m_frame4 = place(new QGroupBox(QStringLiteral("Save Results To This Folder"), this), "Frame4",
                     {120, 5415, 8040, 855});
    m_text2 = place(new QLineEdit(m_frame4), "Text2", {240, 330, 7080, 345});
    m_text2->setAccessibleName(QStringLiteral("Save Results To This Folder"));
    m_pushButton9 = makeButton(m_frame4, "PushButton9", QStringLiteral("..."), {7440, 315, 480, 375});
    m_pushButton9->setAccessibleName(QStringLiteral("Choose the output folder"));

    m_pushButton3 = makeButton(this, "PushButton3", QStringLiteral("Save Card As Image"), {120, 6390, 8040, 375});
    // Space draws from the first moment: the focus starts on "Show Next Card".
    m_pushButton2->setFocus(Qt::OtherFocusReason);

    // The renderer; its own small surface shows no card, so it stays out of
    // sight.
    m_deck1 = new deck::Deck(this);
    m_deck1->setObjectName(QStringLiteral("Deck1"));
    m_deck1->hide();

    setFixedSize(size());
}

void Form2::connectHandlers()
{
    connect(m_pushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(m_pushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(m_pushButton3, &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(m_pushButton4, &QPushButton::clicked, this, [this] { PushButton4_Click(); });
    connect(m_pushButton5, &QPushButton::clicked, this, [this] { PushButton5_Click(); });
    connect(m_pushButton9, &QPushButton::clicked, this, [this] { PushButton9_Click(); });
    connect(m_text2, &QLineEdit::textChanged, this, [this](const QString &text) { Text2_Change(text); });
    // The mode handler runs once whenever an option becomes selected (click,
    // key or code), never for a click on the option that is already on.
    for (QRadioButton *option : {m_option1, m_option2}) {
        connect(option, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                Option_Click();
        });
    }
}

void Form2::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    shell::Guarded g(shell::Location::Form2_Form_Load);
    shell::LoadWindowLook(g, this, *m_pointer);
    g.step(108, [&] { m_text2->setText(shell::Settings::read(shell::keys::Text2, &shell::DesktopFolder)); });
    g.step(110, [&] { setOptionValue(m_option1, shell::ToBool(shell::Settings::read(shell::keys::Option1, 1))); });
    g.step(112, [&] { setOptionValue(m_option2, shell::ToBool(shell::Settings::read(shell::keys::Option2, 0))); });
    g.step(114, [&] { cards::state().DrawCount = 0; });
    g.step(116, [&] { cards::InitDrawnCards(); });
    g.step(118, [&] { shell::SetWhiteLabelBackground(m_label1); });
    g.step(120, [&] { m_label1->setText(countText(cards::state().DrawCount)); });
    g.step(122, [&] { m_deck1->setChangeBack(0); });
    g.step(124, [&] { m_image2->setPicture(m_deck1->Picture()); });
}

void Form2::PushButton1_Click()
{
    shell::Guarded g(shell::Location::Form2_PushButton1_Click);
    g.step(100, [&] { cards::ResetCards(*this); });
}

void Form2::PushButton2_Click()
{
    const std::int32_t before = cards::state().DrawCount;
    {
        shell::Guarded g(shell::Location::Form2_PushButton2_Click);
        g.step(100, [&] { cards::DrawCards(*this); });
    }
    // A screen reader hears the card, through the focus ("Show Next Card").
    QWidget *focused = focusWidget();
    announceDraw(focused ? focused : m_pushButton2, before);
}

void Form2::PushButton3_Click()
{
    shell::safely([&] { batch::SaveDrawnCard(m_deck1->Picture(), cards::state().DrawCount, m_text2->text()); });
}

void Form2::PushButton4_Click()
{
    shell::Guarded g(shell::Location::Form2_PushButton4_Click);
    g.step(100, [&] { hide(); });
    g.step(102, [&] { m_navigator.showMainWindow(); });
}

void Form2::PushButton5_Click()
{
    shell::Guarded g(shell::Location::Form2_PushButton5_Click);
    g.step(100, [&] {
        m_viewer->Form_Load();
        m_viewer->showFullScreenOn(screen());
        m_viewer->raise();
        m_viewer->activateWindow();
    });
    g.step(102, [&] { hide(); });
}

void Form2::PushButton9_Click()
{
    shell::safely([&] { batch::BrowseOutputFolder(this, m_text2, shell::Location::Form2_PushButton9_Click); });
}

void Form2::Text2_Change(const QString &text)
{
    shell::safely([&] { batch::StoreOutputFolder(text); });
}

void Form2::Option_Click()
{
    PushButton1_Click();
    shell::safely([&] {
        shell::Settings::write(shell::keys::Option1, shell::FromBool(m_option1->isChecked()));
        shell::Settings::write(shell::keys::Option2, shell::FromBool(m_option2->isChecked()));
    });
}

bool Form2::option1Selected() const { return m_option1->isChecked(); }
bool Form2::option2Selected() const { return m_option2->isChecked(); }
cards::Renderer &Form2::renderer() { return *m_renderer; }
cards::CardDisplay &Form2::drawDisplay() { return *m_display; }

cards::CardDisplay &Form2::viewerDisplay()
{
    m_viewer->Form_Load();
    return m_viewer->display();
}

void Form2::setPointer(int style) { m_pointer->setStyle(style); }

void Form2::showDrawWindowAgain()
{
    show();
    raise();
    activateWindow();
}

// Form_Unload: the next start reopens this window; then the program ends.
void Form2::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (shell::endRequested())
        return;
    shell::safely([] { shell::Settings::write(shell::keys::Form3Start, QStringLiteral("2")); });
    shell::safely([] { shell::platform().ender->endProgram(); });
}

} // namespace draw
