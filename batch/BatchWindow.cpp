#include "batch/BatchWindow.h"

#include "batch/CardExport.h"
#include "batch/EntryList.h"
#include "batch/FocusLeaveCheck.h"
#include "batch/Generation.h"
#include "batch/PaintThrottle.h"
#include "cards/CardNames.h"
#include "deck/CardFaceControl.h"
#include "deck/CardImage.h"
#include "deck/PictureSet.h"
#include "menus/ChosenDesign.h"
#include "menus/DesignMenu.h"
#include "menus/MenuBar.h"
#include "settings/SettingsStore.h"
#include "shell/CaptionFit.h"
#include "shell/ErrorReport.h"
#include "shell/Messages.h"
#include "shell/Navigator.h"
#include "shell/Platform.h"
#include "shell/Pointer.h"
#include "shell/ShellHelpers.h"
#include "shell/Twips.h"
#include "shell/KeyboardMoves.h"
#include "shell/LegibleStyle.h"
#include "shell/WindowPlace.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>

namespace batch {
namespace {

using shell::placed;

// The window's client area and the list's column, in twips.
constexpr int ClientWidth = 8100;
constexpr int ClientHeight = 6600;
constexpr int ListColumnWidth = 3500;

} // namespace

// The bar's text while no batch is being drawn.
QString BatchWindow::progressText()
{
    return tr("Progress Bar");
}

BatchWindow::BatchWindow(shell::Navigator &navigator, QWidget *parent) : QWidget(parent), m_navigator(navigator)
{
    setObjectName(QStringLiteral("Form3"));
    // The caption is the product's, as in every window; a screen reader
    // tells the windows apart by their names.
    setAccessibleName(tr("%1: batch of cards").arg(shell::ProductName));
    createControls();
    connectHandlers();
    // The controls keep their designed places: the window keeps its size.
    shell::fixWindowSize(this);
    shell::keepWindowPlace(this);
}

BatchWindow::~BatchWindow() = default;

void BatchWindow::createControls()
{
    // The window's size first: it decides how large the controls are shown.
    // The list is wide enough for its 3500-twip column beside its scroll bar.
    // The designed client area lies below the menu bar.
    const menus::MenuBarFrame menuBar = menus::addMenuBar(this, ClientWidth, ClientHeight);
    m_viewMenu = menuBar.view;
    QWidget *body = menuBar.body;
    QAction *close = menus::addEntry(menuBar.file, "closeEntry", tr("&Close"));
    connect(close, &QAction::triggered, this, &QWidget::close);
    menus::addDesignMenu(m_viewMenu);
    // Created in the window's tab order: ProgressBar1, PushButton2, Frame1,
    // Text1, Frame2, PushButton1, PushButton3, Frame4, Text2, PushButton9,
    // ListView1, PushButton4. The bar and the frames take no focus, so the
    // focus starts on the Start button, not in the count box.
    m_progressBar = placed(new QProgressBar(body), "ProgressBar1", {120, 6090, 7860, 390});
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setFormat(progressText());
    m_progressBar->setTextVisible(true);
    m_progressBar->setAlignment(Qt::AlignCenter);
    m_progressBar->setAccessibleName(tr("Generation progress"));
    // Qt's Fusion style draws no text on a bar that fills from the right
    // while it stands at its minimum: a right-to-left bar at rest is drawn
    // the other way round (it shows no filling then), so that its text shows.
    const auto keepText = [this](int value) {
        m_progressBar->setInvertedAppearance(m_progressBar->isRightToLeft() && value == m_progressBar->minimum());
    };
    connect(m_progressBar, &QProgressBar::valueChanged, this, keepText);
    keepText(m_progressBar->value());
    m_startButton = placed(new QPushButton(tr("Start Generate Random Playing Cards"), body), "PushButton2",
                           {120, 1560, 7860, 450});
    m_countFrame = placed(new QGroupBox(tr("Number To Generate"), body), "Frame1", {120, 690, 7860, 750});
    m_countBox = placed(new QLineEdit(m_countFrame), "Text1", {120, 330, 7620, 315});
    m_countBox->setAccessibleName(tr("Number To Generate"));
    m_previewFrame = placed(new QGroupBox(tr("Preview"), body), "Frame2", {4140, 2130, 3840, 2400});
    // Not stretched: the preview takes the picture's own size (71 x 96
    // pixels, 1065 x 1440 twips).
    m_preview = placed(new deck::CardImage(m_previewFrame), "Image1", {240, 360, 1065, 1440});
    m_preview->setAccessibleName(tr("Preview"));
    m_saveAllButton =
        placed(new QPushButton(tr("Save All Cards To Image"), body), "PushButton1", {120, 5520, 3900, 450});
    m_saveSelectedButton = placed(new QPushButton(tr("Save Selected Card As Image"), body), "PushButton3",
                                  {4140, 5520, 3840, 450});
    m_folderFrame =
        placed(new QGroupBox(tr("Save Results To This Folder"), body), "Frame4", {120, 4650, 7860, 750});
    m_folderBox = placed(new QLineEdit(m_folderFrame), "Text2", {120, 330, 7020, 315});
    m_folderBox->setAccessibleName(tr("Save Results To This Folder"));
    m_browseButton = placed(new QPushButton(QStringLiteral("..."), m_folderFrame), "PushButton9", {7260, 315, 480, 345});
    m_browseButton->setAccessibleName(tr("Choose the output folder"));
    auto *list = placed(new EntryList(body), "ListView1", {120, 2130, 3900, 2400});
    connect(list, &EntryList::previewRequested, this, &BatchWindow::onListClicked);
    m_list = list;
    m_list->setAccessibleName(tr("Generated cards"));
    m_backButton = placed(new QPushButton(tr("< Back"), body), "PushButton4", {120, 120, 7860, 450});
    m_backButton->setAccessibleName(tr("Back"));
    // The card face control sits behind "< Back", out of sight: only its
    // pictures are used.
    m_faceControl = placed(new deck::CardFaceControl(body), "Deck1", {120, 120, 480, 585});
    m_faceControl->InitProperties();  // a new control shows back 0
    m_faceControl->stackUnder(m_backButton);
    m_faceControl->hide();

    QWidget *order[] = {m_startButton, m_countBox,     m_saveAllButton, m_saveSelectedButton,
                        m_folderBox,   m_browseButton, m_list,          m_backButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_startButton->setFocus(Qt::OtherFocusReason);
    // Longer captions than the English ones (German, ...) grow the window.
    shell::fitCaptions(this);

    m_pointer = new shell::PointerFeedback(this);
    for (QWidget *area : {body, static_cast<QWidget *>(m_countFrame), static_cast<QWidget *>(m_previewFrame),
                          static_cast<QWidget *>(m_folderFrame), static_cast<QWidget *>(m_list), m_list->viewport()})
        m_pointer->addDefaultArea(area);
    for (QPushButton *button : {m_saveAllButton, m_startButton, m_saveSelectedButton, m_backButton, m_browseButton}) {
        m_pointer->addHandArea(button);
        // Space and Enter press the button that has the focus; the arrows
        // go to the control that lies that way.
        button->setAutoDefault(true);
        shell::moveFocusBySight(button);
    }
}

void BatchWindow::connectHandlers()
{
    // The change handlers are in place before the load fills the boxes.
    connect(m_countBox, &QLineEdit::textChanged, this, &BatchWindow::onCountTextChanged);
    connect(m_folderBox, &QLineEdit::textChanged, this, &BatchWindow::onFolderTextChanged);
    m_countCheck = new FocusLeaveCheck(m_countBox, [this] { onCountBoxLeft(); });
    connect(m_saveAllButton, &QPushButton::clicked, this, &BatchWindow::onSaveAllClicked);
    connect(m_startButton, &QPushButton::clicked, this, &BatchWindow::onStartClicked);
    connect(m_saveSelectedButton, &QPushButton::clicked, this, &BatchWindow::onSaveSelectedClicked);
    connect(m_backButton, &QPushButton::clicked, this, &BatchWindow::onBackClicked);
    connect(m_browseButton, &QPushButton::clicked, this, &BatchWindow::onBrowseClicked);
}

void BatchWindow::load()
{
    // The card design kept in the settings, when this is the first window
    // that shows cards.
    menus::loadChosenDesign();
    shell::Guarded g(shell::Location::BatchWindowLoad);
    shell::loadWindowLook(g, this, *m_pointer);
    // The boxes' change handlers store only what is not stored yet: a stored
    // value goes back only once the user changes it.
    g.step(108, [&] {
        const QScopedValueRollback<bool> filling(m_filling, true);
        m_countBox->setText(settings::read(settings::keys::NumberOfCards, QStringLiteral("52")));
    });
    g.step(110, [&] {
        const QScopedValueRollback<bool> filling(m_filling, true);
        m_folderBox->setText(settings::read(settings::keys::Text2, &shell::desktopFolder));
    });
    // A groove with a filled part, in the desktop's palette.
    m_progressBar->setPalette(shell::progressBarPalette(m_progressBar->palette()));
    g.step(112, [&] {
        m_list->setHeaderLabels({tr("Card/s Generated")});
        // Said as words, without the slash.
        m_list->headerItem()->setData(0, Qt::AccessibleTextRole, tr("Cards generated"));
        const double perPixel = shell::twipsPerPixel(m_list);
        m_list->header()->resizeSection(0, shell::twipsToPixels(ListColumnWidth, perPixel));
    });
}

void BatchWindow::onCountTextChanged()
{
    shell::safely([&] {
        (m_filling ? settings::writeIfMissing : settings::write)(settings::keys::NumberOfCards, m_countBox->text());
    });
}

void BatchWindow::onFolderTextChanged()
{
    shell::safely([&] { storeOutputFolder(m_folderBox->text(), m_filling); });
}

void BatchWindow::onCountBoxLeft()
{
    // A window left by "< Back" has nothing to say about its box.
    if (!isVisible())
        return;
    shell::safely([&] {
        const CountProblem problem = checkCount(m_countBox->text());
        if (problem == CountProblem::None)
            return;
        shell::showMessage(countMessage(problem));
        m_countBox->setFocus(Qt::OtherFocusReason);
    });
}

void BatchWindow::onStartClicked()
{
    // A Start while a batch is being drawn (its events are processed once per
    // card) would mix two batches in one list: the running one goes on.
    if (m_generating)
        return;
    // Start checks the count itself; the focus-leave check of the same text
    // would say it a second time.
    m_countCheck->cancelPending();
    shell::Guarded g(shell::Location::BatchWindowStart);

    // A count that could never finish, or no count at all, draws nothing and
    // keeps the last batch.
    CountProblem problem = CountProblem::None;
    g.step(100, [&] { problem = checkCount(m_countBox->text()); });
    if (problem != CountProblem::None) {
        g.step(102, [&] {
            shell::showMessage(countMessage(problem));
            m_countBox->setFocus(Qt::OtherFocusReason);
        });
        return;
    }
    g.step(104, [&] { m_list->clear(); });
    int count = 0;
    g.step(106, [&] { count = batchCount(m_countBox->text()); });
    g.step(108, [&] {
        const QScopedValueRollback<bool> running(m_generating, true);
        PaintThrottle throttle({m_list, m_progressBar});
        generateBatch(
            count,
            [&](int i) {
                m_progressBar->setValue(progressValue(i, m_countBox->text(), count));
                throttle.beforeEvents();
                QCoreApplication::processEvents();
                return !shell::endRequested();
            },
            [&](int, int card) { appendEntry(card); });
    });
    // The window was closed while the batch ran: the program is ending.
    if (shell::endRequested())
        return;
    // Selected, not focused: the focus stays where it is.
    g.step(110, [&] { m_list->selectEntry(m_list->topLevelItem(0)); });
    g.step(112, [&] {
        m_pointer->setStyle(shell::PointerDefault);
        m_progressBar->setValue(0);
        m_progressBar->setFormat(progressText());
    });
}

void BatchWindow::appendEntry(int card)
{
    auto *entry = new QTreeWidgetItem(m_list, QStringList{entryText(card)});
    entry->setData(0, CardRole, card);
    // Heard as shown, with the card it stands for: "Card 12, Queen of Spades".
    entry->setData(0, Qt::AccessibleTextRole, tr("%1, %2").arg(entryText(card), cards::displayCardName(card)));
}

QTreeWidgetItem *BatchWindow::selectedEntry() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void BatchWindow::onListClicked()
{
    shell::safely([&] {
        const QTreeWidgetItem *entry = selectedEntry();
        if (m_list->topLevelItemCount() == 0 || !entry)
            return;
        m_faceControl->setChangeCard(entry->data(0, CardRole).toInt());
        m_preview->setPicture(m_faceControl->Picture());
    });
}

void BatchWindow::onBackClicked()
{
    // A batch still being drawn goes on while the window is hidden, and is
    // complete when the window is shown again.
    shell::Guarded g(shell::Location::BatchWindowBack);
    g.step(100, [&] { hide(); });
    g.step(102, [&] { m_navigator.showChooser(); });
}

void BatchWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Once the program is ending (this window's close, or another's), a
    // further close must not store another window's number.
    if (m_unloaded || shell::endRequested())
        return;
    m_unloaded = true;
    shell::safely([] { settings::write(settings::keys::Form3Start, QStringLiteral("3")); });
    shell::platform().ender->endProgram();
}

} // namespace batch
