// The real services: Qt message boxes, folder and save dialogs, the
// desktop's web browser and help viewer, the event loop's end, the wall
// clock and the kernel's entropy.
#include "Platform.h"

#include "Accessibility.h"
#include "Failure.h"
#include "Messages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QMessageBox>
#include <QMetaObject>
#include <QTime>
#include <QUrl>
#include <QWidget>

#include <sodium.h>
#include <cstdio>

namespace shell {
namespace {

// A box owned by a hidden window can open behind the window the user sees,
// so the owner is the active window, else any visible top-level window.
QWidget *visibleOwner()
{
    QWidget *active = QApplication::activeWindow();
    if (active && active->isVisible())
        return active;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !qobject_cast<QMessageBox *>(w) && w->isWindow())
            return w;
    }
    return nullptr;
}

class QtMessages : public MessageService {
public:
    void show(const Message &message) override
    {
        if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
            // No widgets (headless use): the message goes to standard error.
            std::fprintf(stderr, "%s: %s\n", qPrintable(message.caption), qPrintable(message.text));
            return;
        }
        buildMessageBox(message, visibleOwner())->exec();
    }

    void showAboutQt(QWidget *owner) override
    {
        QMessageBox::aboutQt(owner && owner->isVisible() ? owner : visibleOwner());
    }
};

// Esc closes the folder dialog at once, whichever of its controls has the
// focus: some of them (the folder list, the side bar) would keep the key
// for themselves. A popup of the dialog (the completion list, an open
// drop-down) is closed first, as its own Esc does.
class EscapeCloses : public QObject {
public:
    explicit EscapeCloses(QDialog &dialog) : m_dialog(dialog) { qApp->installEventFilter(this); }
    ~EscapeCloses() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier || QApplication::activePopupWidget())
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != &m_dialog)
            return false;
        if (type == QEvent::ShortcutOverride) {
            // Claimed here, so that no shortcut of the dialog takes it.
            event->accept();
            return true;
        }
        m_dialog.reject();
        return true;
    }

private:
    QDialog &m_dialog;
};

class QtFolders : public FolderPicker {
public:
    QString browseForFolder(QWidget *owner, const QString &title, const QString &startFolder) override
    {
        const QString start = pickerStartFolder(startFolder);
        QFileDialog dialog(owner, title, start.isEmpty() ? pickerDefaultFolder() : start);
        dialog.setObjectName(QStringLiteral("FolderDialog"));
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        const EscapeCloses escape(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return pickedFolderPath(dialog.selectedFiles().constFirst());
    }
};

class QtSaver : public FileSaver {
public:
    QString saveFileName(QWidget *owner, const QString &title, const QString &suggested, const QString &filter) override
    {
        return QFileDialog::getSaveFileName(owner, title, suggested, filter);
    }
};

class QtWeb : public WebOpener {
public:
    void open(const QUrl &address) override
    {
        // The desktop's opener starts in the background and cannot say
        // whether anything took the address: a scheme that no program is
        // registered for is refused here, so that the caller can fall back.
        if (!desktopOpensScheme(address.scheme())) {
            throw Failure(QStringLiteral("%1 could not be opened: the desktop has no program for it")
                              .arg(address.toDisplayString()));
        }
        if (!QDesktopServices::openUrl(address)) {
            throw Failure(QCoreApplication::translate("shell::Platform",
                                                      "The web site %1 could not be opened: no web browser could be started")
                              .arg(address.toDisplayString()));
        }
    }
};

class QtEnder : public ProgramEnder {
public:
    void endProgram() override
    {
        setEndRequested(true);
        // Hiding (not closing) the windows: a close would run their unload
        // handlers again.
        if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
            for (QWidget *w : QApplication::topLevelWidgets())
                w->hide();
        }
        // exit() ends a running event loop; the queued quit covers a call
        // made before the loop has started.
        QCoreApplication::exit(0);
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    }
};

class WallClock : public Clock {
public:
    double secondsSinceMidnight() override { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }
};

class KernelEntropy : public Entropy {
public:
    void fill(unsigned char *buffer, std::size_t size) override
    {
        if (sodium_init() < 0)
            throw Failure(QCoreApplication::translate("shell::Random",
                                                      "The random number library could not be started"));
        randombytes_buf(buffer, size);
    }
};

bool g_endRequested = false;

} // namespace

std::unique_ptr<QMessageBox> buildMessageBox(const Message &message, QWidget *owner)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (message.icon == MessageIcon::Error)
        icon = QMessageBox::Critical;
    else if (message.icon == MessageIcon::Exclamation)
        icon = QMessageBox::Warning;
    auto box = std::make_unique<QMessageBox>(icon, message.caption, QString(), QMessageBox::Ok, owner);
    box->setObjectName(QStringLiteral("MessageBox"));
    // Every text is shown as it stands: a stored value such as "<b>x</b>"
    // in an error report must not turn into markup, nor lose its line breaks.
    // The report's carriage returns are its line breaks.
    box->setTextFormat(Qt::PlainText);
    QString text = message.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box->setText(text);
    return box;
}

QString pickerStartFolder(const QString &startFolder)
{
    const QFileInfo start(startFolder);
    return (!startFolder.isEmpty() && start.isDir()) ? QDir(startFolder).absolutePath() : QString();
}

QString pickerDefaultFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return !desktop.isEmpty() && QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
}

QString pickedFolderPath(const QString &chosen)
{
    if (chosen.isEmpty())
        return QString();
    QString path = QDir::toNativeSeparators(QDir::cleanPath(chosen));
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    while (path.size() > 1 && path.endsWith(QDir::separator()) && path != root)
        path.chop(1);
    return path;
}

namespace {

Platform &slot()
{
    static Platform current;
    return current;
}

} // namespace

Platform &platform()
{
    Platform &current = slot();
    if (!current.messages)
        installQtPlatform();
    return current;
}

void installQtPlatform()
{
    static QtMessages messages;
    static QtFolders folders;
    static QtWeb web;
    static QtEnder ender;
    static WallClock clock;
    static KernelEntropy entropy;
    static QtSaver saver;
    slot() = Platform{&messages, &folders, &web, &ender, &clock, &entropy, &saver};
    installAccessibility();
}

bool endRequested() { return g_endRequested; }
void setEndRequested(bool requested) { g_endRequested = requested; }

} // namespace shell
