#include "Form3.h"

#include "CardExport.h"
#include "FocusLeaveCheck.h"
#include "Generation.h"
#include "PaintThrottle.h"
#include "deck/CardLabel.h"
#include "deck/Deck.h"
#include "deck/PictureSet.h"
#include "shell/ErrorReport.h"
#include "shell/Messages.h"
#include "shell/Navigator.h"
#include "shell/Platform.h"
#include "shell/Pointer.h"
#include "shell/Settings.h"
#include "shell/ShellHelpers.h"
#include "shell/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>

namespace batch {
namespace {

using shell::TwipsRect;

// The window's client area and its controls, in twips, from top to bottom.
constexpr int ClientWidth = 8100;
constexpr int ClientHeight = 6600;
constexpr int ListColumnWidth = 3500;

const QString ProgressText = QStringLiteral("Progress Bar");

// The list's click: any click on it, on an entry or beside the entries,
// once the view has chosen (or cleared) the selection.
class ClickableList : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QTreeWidget::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && onClick)
            onClick();
    }

    // The user's own moves with the keys (arrows, Home, End, the page keys)
    // preview the entry they reach, as a click on it does. A selection the
    // program makes itself leaves the preview alone.
    void keyPressEvent(QKeyEvent *event) override
    {
        const QTreeWidgetItem *before = currentItem();
        const QList<QTreeWidgetItem *> selectedBefore = selectedItems();
        QTreeWidget::keyPressEvent(event);
        if (onClick && (currentItem() != before || selectedItems() != selectedBefore))
            onClick();
    }
};

// Clears a flag when the scope ends, however it ends.
class FlagScope {
public:
    explicit FlagScope(bool &flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope &) = delete;
    FlagScope &operator=(const FlagScope &) = delete;

private:
    bool &m_flag;
};

template <class T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

Form3::Form3(shell::Navigator &navigator, QWidget *parent) : QWidget(parent), m_navigator(navigator)
{
    setObjectName(QStringLiteral("Form3"));
    createControls();
    placeControls();
}

Form3::~Form3() = default;

void Form3::createControls()
{
    // Created in the window's tab order: ProgressBar1, PushButton2, Frame1,
    // Text1, Frame2, PushButton1, PushButton3, Frame4, Text2, PushButton9,
    // ListView1, PushButton4. The bar and the frames take no focus, so the
    // focus starts on the Start button, not in the count box.
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setFormat(ProgressText);
    ProgressBar1->setTextVisible(true);
    ProgressBar1->setAlignment(Qt::AlignCenter);
    ProgressBar1->setAccessibleName(QStringLiteral("Generation progress"));
    PushButton2 = named(new QPushButton(QStringLiteral("Start Generate Random Playing Cards"), this), "PushButton2");
    Frame1 = named(new QGroupBox(QStringLiteral("Number To Generate"), this), "Frame1");
    Text1 = named(new QLineEdit(Frame1), "Text1");
    Frame2 = named(new QGroupBox(QStringLiteral("Preview"), this), "Frame2");
    Image1 = named(new deck::CardLabel(Frame2), "Image1");
    Image1->setScaledContents(false);
    PushButton1 = named(new QPushButton(QStringLiteral("Save All Cards To Image"), this), "PushButton1");
    PushButton3 = named(new QPushButton(QStringLiteral("Save Selected Card As Image"), this), "PushButton3");
    Frame4 = named(new QGroupBox(QStringLiteral("Save Results To This Folder"), this), "Frame4");
    Text2 = named(new QLineEdit(Frame4), "Text2");
    PushButton9 = named(new QPushButton(QStringLiteral("..."), Frame4), "PushButton9");
    PushButton9->setAccessibleName(QStringLiteral("Choose the output folder"));
    Text1->setAccessibleName(QStringLiteral("Number To Generate"));
    Text2->setAccessibleName(QStringLiteral("Save Results To This Folder"));
    Image1->setAccessibleName(QStringLiteral("Preview"));
    auto *list = new ClickableList(this);
    list->onClick = [this] { ListView1_Click(); };
    ListView1 = named(static_cast<QTreeWidget *>(list), "ListView1");
    ListView1->setColumnCount(1);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->header()->setStretchLastSection(false);
    ListView1->setAccessibleName(QStringLiteral("Generated cards"));
    PushButton4 = named(new QPushButton(QStringLiteral("< Back"), this), "PushButton4");
    // The card face control sits behind "< Back", out of sight: only its
    // pictures are used.
    Deck1 = named(new deck::Deck(this), "Deck1");
    Deck1->InitProperties();  // a new control shows back 0
    Deck1->stackUnder(PushButton4);
    Deck1->hide();

    QWidget *order[] = {PushButton2, Text1, PushButton1, PushButton3, Text2, PushButton9, ListView1, PushButton4};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    PushButton2->setFocus(Qt::OtherFocusReason);

    // The change handlers are in place before the load fills the boxes.
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(Text2, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
    m_countCheck = new FocusLeaveCheck(Text1, [this] { Text1_LostFocus(); });
    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(PushButton3, &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(PushButton4, &QPushButton::clicked, this, [this] { PushButton4_Click(); });
    connect(PushButton9, &QPushButton::clicked, this, [this] { PushButton9_Click(); });

    m_pointer = new shell::PointerFeedback(this);
    for (QWidget *area : {static_cast<QWidget *>(Frame1), static_cast<QWidget *>(Frame2),
                          static_cast<QWidget *>(Frame4), static_cast<QWidget *>(ListView1), ListView1->viewport()})
        m_pointer->addDefaultArea(area);
    for (QPushButton *button : {PushButton1, PushButton2, PushButton3, PushButton4, PushButton9}) {
        m_pointer->addHandArea(button);
        // Space and Enter press the button that has the focus.
        button->setAutoDefault(true);
    }
}

void Form3::placeControls()
{
    // The list is wide enough for its 3500-twip column beside its scroll bar.
    shell::setClientSizeTwips(this, ClientWidth, ClientHeight);
    shell::setTwipsGeometry(PushButton4, TwipsRect{120, 120, 7860, 450});
    shell::setTwipsGeometry(Deck1, TwipsRect{120, 120, 480, 585});
    shell::setTwipsGeometry(Frame1, TwipsRect{120, 690, 7860, 750});
    shell::setTwipsGeometry(Text1, TwipsRect{120, 330, 7620, 315});
    shell::setTwipsGeometry(PushButton2, TwipsRect{120, 1560, 7860, 450});
    shell::setTwipsGeometry(ListView1, TwipsRect{120, 2130, 3900, 2400});
    shell::setTwipsGeometry(Frame2, TwipsRect{4140, 2130, 3840, 2400});
    shell::setTwipsGeometry(Image1, TwipsRect{240, 360, 1065, 1440});
    shell::setTwipsGeometry(Frame4, TwipsRect{120, 4650, 7860, 750});
    shell::setTwipsGeometry(Text2, TwipsRect{120, 330, 7020, 315});
    shell::setTwipsGeometry(PushButton9, TwipsRect{7260, 315, 480, 345});
    shell::setTwipsGeometry(PushButton1, TwipsRect{120, 5520, 3900, 450});
    shell::setTwipsGeometry(PushButton3, TwipsRect{4140, 5520, 3840, 450});
    shell::setTwipsGeometry(ProgressBar1, TwipsRect{120, 6090, 7860, 390});
}

void Form3::Form_Load()
{
    shell::Guarded g(shell::Location::Form3_Form_Load);
    shell::LoadWindowLook(g, this, *m_pointer);
    g.step(108, [&] { Text1->setText(shell::Settings::read(shell::keys::NumberOfCards, QStringLiteral("52"))); });
    g.step(110, [&] { Text2->setText(shell::Settings::read(shell::keys::Text2, &shell::DesktopFolder)); });
    g.step(112, [&] {
        ListView1->setHeaderLabels({QStringLiteral("Card/s Generated")});
        const double perPixel = shell::twipsPerPixel(ListView1);
        ListView1->header()->resizeSection(0, shell::twipsToPixels(ListColumnWidth, perPixel));
    });
}

void Form3::Text1_Change()
{
    shell::safely([&] { shell::Settings::write(shell::keys::NumberOfCards, Text1->text()); });
}

void Form3::Text2_Change()
{
    shell::safely([&] { StoreOutputFolder(Text2->text()); });
}

void Form3::Text1_LostFocus()
{
    // A window left by "< Back" has nothing to say about its box.
    if (!isVisible())
        return;
    shell::safely([&] {
        const CountProblem problem = checkCount(Text1->text());
        if (problem == CountProblem::None)
            return;
        shell::showMessage(countMessage(problem));
        Text1->setFocus(Qt::OtherFocusReason);
    });
}

void Form3::PushButton2_Click()
{
    // A Start while a batch is being drawn (its events are processed once per
    // card) would mix two batches in one list: the running one goes on.
    if (m_generating)
        return;
    // Start checks the count itself; the focus-leave check of the same text
    // would say it a second time.
    m_countCheck->cancelPending();
    shell::Guarded g(shell::Location::Form3_PushButton2_Click);

    // A count that could never finish, or no count at all, draws nothing and
    // keeps the last batch.
    CountProblem problem = CountProblem::None;
    g.step(100, [&] { problem = checkCount(Text1->text()); });
    if (problem != CountProblem::None) {
        g.step(102, [&] {
            shell::showMessage(countMessage(problem));
            Text1->setFocus(Qt::OtherFocusReason);
        });
        return;
    }
    g.step(104, [&] { ListView1->clear(); });
    int count = 0;
    g.step(106, [&] { count = batchCount(Text1->text()); });
    g.step(108, [&] {
        FlagScope running(m_generating);
        PaintThrottle throttle({ListView1, ProgressBar1});
        generateBatch(
            count,
            [&](int i) {
                ProgressBar1->setValue(progressValue(i, Text1->text(), count));
                throttle.beforeEvents();
                QCoreApplication::processEvents();
                return !shell::endRequested();
            },
            [&](int, int card) { appendEntry(card); });
    });
    // The window was closed while the batch ran: the program is ending.
    if (shell::endRequested())
        return;
    g.step(110, [&] {
        if (QTreeWidgetItem *first = ListView1->topLevelItem(0)) {
            ListView1->setCurrentItem(first);
            first->setSelected(true);
        }
    });
    g.step(112, [&] {
        m_pointer->setStyle(shell::PointerDefault);
        ProgressBar1->setValue(0);
        ProgressBar1->setFormat(ProgressText);
    });
}

void Form3::appendEntry(int card)
{
    auto *entry = new QTreeWidgetItem(ListView1, QStringList{entryText(card)});
    entry->setData(0, Qt::AccessibleTextRole, deck::cardName(card));
}

QTreeWidgetItem *Form3::selectedEntry() const
{
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void Form3::ListView1_Click()
{
    shell::safely([&] {
        const QTreeWidgetItem *entry = selectedEntry();
        if (ListView1->topLevelItemCount() == 0 || !entry)
            return;
        Deck1->setChangeCard(cardOfEntry(entry->text(0)));
        const QImage picture = Deck1->Picture();
        Image1->setCard(picture);
        // Not stretched: the preview takes the picture's own size (71 x 96
        // pixels, 1065 x 1440 twips).
        shell::setTwipsWidth(Image1, picture.width() * shell::PictureTwipsPerPixel);
        shell::setTwipsHeight(Image1, picture.height() * shell::PictureTwipsPerPixel);
        Image1->setAccessibleName(deck::pictureName(picture));
    });
}

void Form3::PushButton4_Click()
{
    // A batch still being drawn goes on while the window is hidden, and is
    // complete when the window is shown again.
    shell::Guarded g(shell::Location::Form3_PushButton4_Click);
    g.step(100, [&] { hide(); });
    g.step(102, [&] { m_navigator.showMainWindow(); });
}

void Form3::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Once the program is ending (this window's close, or another's), a
    // further close must not store another window's number.
    if (m_unloaded || shell::endRequested())
        return;
    m_unloaded = true;
    shell::safely([] { shell::Settings::write(shell::keys::Form3Start, QStringLiteral("3")); });
    shell::platform().ender->endProgram();
}

} // namespace batch
