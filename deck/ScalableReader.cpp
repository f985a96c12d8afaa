#include "deck/ScalableReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace deck {

namespace {

// The module's file name without the platform's suffix: QPluginLoader adds
// ".so", ".dll" or ".dylib" itself.
const char ModuleName[] = "dealwright-svg";

QString &namedFolder()
{
    static QString folder;
    return folder;
}

const ScalableReader *loadReader()
{
    const QString folder = namedFolder().isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/plugins")
                                                   : namedFolder();
    const QString path = QDir(folder).filePath(QLatin1String(ModuleName));
    QPluginLoader loader(path);
    loader.setLoadHints(QLibrary::PreventUnloadHint);
    QObject *instance = loader.instance();
    const auto *reader = qobject_cast<ScalableReader *>(instance);
    if (!reader)
        qWarning("dealwright: cards are scaled from their pictures: the module %s cannot be loaded: %s",
                 qPrintable(QDir::toNativeSeparators(path)), qPrintable(loader.errorString()));
    return reader;
}

} // namespace

void setModuleFolder(const QString &folder)
{
    namedFolder() = folder;
}

const ScalableReader *scalableReader()
{
    // Loaded once, also when the first use is on a worker thread.
    static const ScalableReader *const reader = loadReader();
    return reader;
}

} // namespace deck
