#include "ShellHelpers.h"

#include "Accessibility.h"
#include "ErrorReport.h"
#include "LegibleStyle.h"
#include "Failure.h"
#include "Platform.h"
#include "PngRead.h"
#include "Random.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QPixmap>
#include <QLabel>
#include <QRadioButton>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

namespace shell {
namespace {

QString g_appTitle = ProductName;

QString withOneTrailingSeparator(QString path)
{
    path = QDir::toNativeSeparators(path);
    while (path.endsWith(QDir::separator()))
        path.chop(1);
    return path + QDir::separator();
}

// The system button-face colour, and the text colour that goes with it.
QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

QColor buttonText()
{
    return QApplication::palette().color(QPalette::ButtonText);
}

// The background and, from the same palette, the text drawn on it: a dark
// desktop whose window text is light on a light button face stays legible.
void paintBackground(QWidget *widget, const QColor &colour, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A label that shows a picture (the card face control's icon) is no label
// in the window's sense and keeps its own background.
bool isTextLabel(const QLabel *label)
{
    return label->pixmap().isNull();
}

// The style engine's complaint about a style sheet, caught from Qt's
// messages while `apply` runs; other messages pass on as usual.
QtMessageHandler g_outerHandler = nullptr;
QString *g_complaint = nullptr;

void catchComplaint(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (g_complaint && type == QtWarningMsg && text.contains(QLatin1String("Could not parse"))
        && text.contains(QLatin1String("stylesheet"), Qt::CaseInsensitive)) {
        if (g_complaint->isEmpty())
            *g_complaint = text;
        return;
    }
    if (g_outerHandler)
        g_outerHandler(type, context, text);
}

template <class F>
QString styleSheetComplaint(F &&apply)
{
    QString complaint;
    g_complaint = &complaint;
    g_outerHandler = qInstallMessageHandler(catchComplaint);
    try {
        apply();
    } catch (...) {
        qInstallMessageHandler(g_outerHandler);
        g_complaint = nullptr;
        throw;
    }
    qInstallMessageHandler(g_outerHandler);
    g_complaint = nullptr;
    return complaint;
}

} // namespace

QString specialFolderPath(int folderId)
{
    if (folderId == DesktopFolderId)
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QString();
}

QString desktopFolder()
{
    QString path = specialFolderPath(DesktopFolderId);
    if (!path.isEmpty() && !QFileInfo(path).isDir())
        path = QDir::homePath();
    if (path.isEmpty())
        throw Failure(QCoreApplication::translate("shell::ShellHelpers",
                                                  "Invalid procedure call or argument: the system names no desktop folder"));
    return withOneTrailingSeparator(path);
}

bool fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

std::optional<bool> isFolder(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    return info.isDir();
}

namespace {

// The executable's folder; before the application object exists (the
// translations are read then) from the link the kernel keeps to it.
QString executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
}

} // namespace

QString programFolder()
{
    const QByteArray overridden = qgetenv("DEALWRIGHT_PROGRAM_DIR");
    QString folder = overridden.isEmpty() ? executableFolder() : QString::fromLocal8Bit(overridden);
    folder = QDir::toNativeSeparators(folder);
    while (folder.size() > 1 && folder.endsWith(QDir::separator()))
        folder.chop(1);
    return folder;
}

QString programFilePath(const QString &name)
{
    return programFolder() + QDir::separator() + QDir::toNativeSeparators(name);
}

void applySkin(QWidget *mainWindow)
{
    const QFileInfo skin(programFilePath(SkinFileName));
    if (!skin.exists() || skin.isHidden() || !skin.isFile())
        return;
    QFile file(skin.filePath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw Failure(QCoreApplication::translate("shell::ShellHelpers", "The skin file %1 cannot be read: %2")
                          .arg(skin.filePath(), file.errorString()));
    const QString sheet = QString::fromUtf8(file.readAll());
    applyWindowColours(mainWindow);
    // Qt's style engine says only through a warning, while the sheet is
    // applied, that it could not parse it; it then ignores the sheet.
    const QString complaint = styleSheetComplaint([&] {
        mainWindow->setStyleSheet(sheet);
        mainWindow->ensurePolished();
        for (QWidget *child : mainWindow->findChildren<QWidget *>())
            child->ensurePolished();
    });
    if (!complaint.isEmpty()) {
        mainWindow->setStyleSheet(QString());
        throw Failure(QCoreApplication::translate("shell::ShellHelpers",
                                                  "The skin file %1 is not a valid style sheet: %2")
                          .arg(QDir::toNativeSeparators(skin.filePath()), complaint));
    }
}

void setWhiteLabelBackground(QWidget *label)
{
    // White with black text; a white strip would glare in a dark window,
    // which takes the palette's own field colours (LegibleStyle.h).
    const StripColours colours = stripColours(QApplication::palette());
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colours.background);
    palette.setColor(QPalette::WindowText, colours.text);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void applyWindowColours(QWidget *window)
{
    const QColor colour = buttonFace();
    const QColor text = buttonText();
    paintBackground(window, colour, text);
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (qobject_cast<QRadioButton *>(child)) {
            paintBackground(child, colour, text);
            useLegibleIndicators(child);
        } else if (qobject_cast<QCheckBox *>(child) || qobject_cast<QGroupBox *>(child)) {
            paintBackground(child, colour, text);
        } else if (auto *label = qobject_cast<QLabel *>(child); label && isTextLabel(label)) {
            paintBackground(child, colour, text);
        }
    }
}

QString appTitleFor(const QString &productName)
{
    QString title = productName;
    do {
        const int blank = title.lastIndexOf(QLatin1Char(' '));
        if (blank < 0)
            break;
        title.truncate(blank);
    } while (title.size() > 40);
    return title;
}

void setAppTitle(const QString &productName)
{
    // Kept here rather than as Qt's application display name: X11 and
    // Wayland append that name to every window title not ending with it, so
    // the error report's "Application Error" would read "Application Error
    // - Dealwright". The windows themselves are captioned with the product
    // name, which is what task lists show.
    g_appTitle = appTitleFor(productName);
}

QString appTitle()
{
    return g_appTitle;
}

bool maybeOpenWebSite()
{
    RandomGenerator &generator = programRandom();
    generator.reseed(static_cast<float>(platform().clock->secondsSinceMidnight()));
    const int n = static_cast<int>(generator.uniform(100)) + 1;
    if (n != 7)
        return false;
    platform().web->open(QUrl(QString::fromLatin1(WebSiteAddress)));
    return true;
}

QIcon programIcon()
{
    // Window icons need only the small sizes (the large ones are installed
    // for the desktop's menus); decoding 128 and 256 pixels at every start
    // would cost more than the rest of the start-up's own work.
    static const QIcon icon = [] {
        QIcon result;
        for (int size : {16, 32, 48}) {
            QFile file(QStringLiteral(":/dealwright/icon/dealwright-%1.png").arg(size));
            const QImage image = file.open(QIODevice::ReadOnly) ? decodePng(file.readAll()) : QImage();
            if (!image.isNull())
                result.addPixmap(QPixmap::fromImage(image));
        }
        return result;
    }();
    return icon;
}

void setCaptionAndIcon(QWidget *window)
{
    // Screen readers present the window as a window named by its caption.
    installAccessibility();
    window->setWindowTitle(ProductName);
    window->setWindowIcon(programIcon());
}

QString handCursorPath()
{
    return programFilePath(HandCursorFileName);
}

} // namespace shell
