#include "menus/ManualWindow.h"

#include "shell/ShellHelpers.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace menus {

namespace {

QPointer<ManualWindow> &theWindow()
{
    static QPointer<ManualWindow> window;
    return window;
}

} // namespace

QString manualText()
{
    QFile file(QStringLiteral(":/menus/dealwright.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

ManualWindow::ManualWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ManualWindow"));
    shell::setCaptionAndIcon(this);
    setAccessibleName(tr("Dealwright: manual"));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("manualText"));
    m_text->setReadOnly(true);
    // Read-only, the text still takes the focus and a cursor, so that the
    // keyboard scrolls it and a screen reader reads it line by line.
    m_text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setAccessibleName(tr("Manual"));
    m_text->setPlainText(manualText());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("manualButtons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);

    // The page is 78 columns wide: room for all of them and 40 lines, within
    // the screen.
    const QFontMetrics metrics(m_text->font());
    QSize wanted(metrics.horizontalAdvance(QLatin1Char('M')) * 84 + 40, metrics.lineSpacing() * 40 + 60);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableSize() * 9 / 10);
    resize(wanted);
}

ManualWindow *ManualWindow::instance()
{
    return theWindow().data();
}

ManualWindow *ManualWindow::showFor(QWidget *owner)
{
    QPointer<ManualWindow> &window = theWindow();
    if (!window)
        window = new ManualWindow(owner ? owner->window() : nullptr);
    window->show();
    window->raise();
    window->activateWindow();
    window->m_text->setFocus(Qt::OtherFocusReason);
    return window;
}

} // namespace menus
