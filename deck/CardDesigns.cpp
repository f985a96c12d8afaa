#include "deck/CardDesigns.h"

#include "deck/DesktopEntry.h"
#include "deck/SvgFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStandardPaths>
#include <QThreadPool>

#include <algorithm>
#include <vector>
#include <mutex>

namespace deck {

namespace {

const char Context[] = "deck::CardDesigns";
const char BuiltInName[] = "Dealwright";
const char BuiltInComment[] = QT_TRANSLATE_NOOP("deck::CardDesigns", "The program's own cards, sharp at every size");
const char IndexName[] = "index.desktop";
constexpr qint64 MaxIndexBytes = 1024 * 1024;

// What this run has learnt about decks, shared by all threads.
struct Store {
    std::mutex mutex;
    QHash<QString, QString> failures;                              // by file identity
    QHash<QString, std::weak_ptr<const CardDesign>> designs;       // by file identity
    QSet<QString> reported;                                        // lines written
};

Store &store()
{
    static Store *const instance = new Store;
    return *instance;
}

// A file changed or replaced since is checked anew.
QString identityOf(const QString &file)
{
    const QFileInfo info(file);
    return file + QLatin1Char('|') + QString::number(info.size()) + QLatin1Char('|')
        + QString::number(info.lastModified().toMSecsSinceEpoch());
}

void report(const QString &line)
{
    Store &s = store();
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        if (s.reported.contains(line))
            return;
        s.reported.insert(line);
    }
    qWarning("%s", qUtf8Printable(line));
}

void reportLeftOut(const QString &directory, const QString &reason)
{
    //: One line on standard error: %1 is the deck's folder, %2 the reason ("its index.desktop is missing").
    report(QStringLiteral("dealwright: ")
           + QCoreApplication::translate("deck::CardDesigns", "card design %1 left out: %2")
                 .arg(QDir::toNativeSeparators(directory), reason));
}

QString rememberedFailure(const QString &identity)
{
    Store &s = store();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.failures.value(identity);
}

QString indexProblem(const QFileInfo &index, QByteArray *bytes)
{
    if (!index.exists())
        return QCoreApplication::translate("deck::CardDesigns", "its index.desktop is missing");
    if (!index.isFile())
        return QCoreApplication::translate("deck::CardDesigns", "its index.desktop is not a regular file");
    if (index.size() > MaxIndexBytes)
        return QCoreApplication::translate("deck::CardDesigns", "its index.desktop is over 1 MB");
    QFile file(index.filePath());
    if (!file.open(QIODevice::ReadOnly) || !readAtMost(file, MaxIndexBytes + 1, bytes))
        return QCoreApplication::translate("deck::CardDesigns", "its index.desktop cannot be read (%1)")
            .arg(file.errorString());
    if (bytes->size() > MaxIndexBytes)
        return QCoreApplication::translate("deck::CardDesigns", "its index.desktop is over 1 MB");
    return QString();
}

// The entry for the deck in `directory`, or the reason it is left out.
QString readDeck(const QDir &directory, const QString &folder, const QStringList &uiLanguages, DesignInfo *info)
{
    // The folder name goes into tab-separated lines.
    if (folder.contains(QLatin1Char('\t')) || folder.contains(QLatin1Char('\n')) || folder.contains(QLatin1Char('\r')))
        return QCoreApplication::translate("deck::CardDesigns", "its folder name holds a tab or a line break");
    QByteArray bytes;
    const QString problem = indexProblem(QFileInfo(directory.filePath(QLatin1String(IndexName))), &bytes);
    if (!problem.isEmpty())
        return problem;
    bool found = false;
    const QHash<QString, QString> group = desktopGroup(bytes, QStringLiteral("KDE Backdeck"), &found);
    if (!found)
        return QCoreApplication::translate("deck::CardDesigns", "its index.desktop has no [KDE Backdeck] group");
    const QString svg = group.value(QStringLiteral("SVG"));
    if (svg.isEmpty())
        return QCoreApplication::translate("deck::CardDesigns", "its index.desktop names no SVG file");
    info->folder = folder;
    info->directory = directory.absolutePath();
    info->englishName = group.value(QStringLiteral("Name"));
    if (info->englishName.isEmpty())
        info->englishName = folder;
    info->englishComment = group.value(QStringLiteral("Comment"));
    info->name = localizedValue(group, QStringLiteral("Name"), uiLanguages);
    if (info->name.isEmpty())
        info->name = info->englishName;
    info->comment = localizedValue(group, QStringLiteral("Comment"), uiLanguages);
    info->svgFile = QDir::cleanPath(directory.absoluteFilePath(svg));
    const QString preview = group.value(QStringLiteral("Preview"));
    const QFileInfo previewInfo(QDir::cleanPath(directory.absoluteFilePath(preview)));
    info->previewFile = !preview.isEmpty() && previewInfo.isFile() ? previewInfo.filePath() : QString();
    const QString glance = glanceAtSvgFile(info->svgFile, svg);
    if (!glance.isEmpty())
        return glance;
    return rememberedFailure(identityOf(info->svgFile));
}

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified();
}

} // namespace

QStringList designRoots()
{
    QStringList roots;
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        roots << QDir(data).filePath(QStringLiteral("carddecks"));
    roots.removeDuplicates();
    return roots;
}

DesignCatalogue scanDesigns(const QStringList &uiLanguages)
{
    return scanDesignsIn(designRoots(), uiLanguages);
}

DesignCatalogue scanDesignsIn(const QStringList &roots, const QStringList &uiLanguages)
{
    DesignCatalogue catalogue;
    QSet<QString> seen;
    for (const QString &root : roots) {
        const QDir rootDir(root);
        for (const QString &folder : rootDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            if (seen.contains(folder))
                continue;
            seen.insert(folder);
            const QDir directory(rootDir.filePath(folder));
            DesignInfo info;
            const QString problem = readDeck(directory, folder, uiLanguages, &info);
            if (problem.isEmpty()) {
                catalogue.designs << info;
            } else {
                catalogue.problems << DesignProblem{directory.absolutePath(), problem};
                reportLeftOut(directory.absolutePath(), problem);
            }
        }
    }
    std::sort(catalogue.designs.begin(), catalogue.designs.end(),
              [](const DesignInfo &a, const DesignInfo &b) { return a.folder < b.folder; });
    return catalogue;
}

std::shared_ptr<const CardDesign> openDesign(const DesignInfo &info, QString *problem)
{
    const QString identity = identityOf(info.svgFile);
    Store &s = store();
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        const auto failed = s.failures.constFind(identity);
        if (failed != s.failures.constEnd()) {
            if (problem)
                *problem = *failed;
            return nullptr;
        }
        if (std::shared_ptr<const CardDesign> held = s.designs.value(identity).lock())
            return held;
    }
    QString reason;
    std::shared_ptr<const CardDesign> design = CardDesign::open(info, &reason);
    if (problem)
        *problem = reason;
    if (!design) {
        {
            std::lock_guard<std::mutex> lock(s.mutex);
            s.failures.insert(identity, reason);
        }
        reportLeftOut(info.directory, reason);
        return nullptr;
    }
    std::lock_guard<std::mutex> lock(s.mutex);
    // Opened on two threads at once: both get the first one kept.
    if (std::shared_ptr<const CardDesign> held = s.designs.value(identity).lock())
        return held;
    s.designs.insert(identity, design);
    return design;
}

DesignCatalogue checkedDesigns(const DesignCatalogue &catalogue)
{
    std::vector<QString> problems(std::size_t(catalogue.designs.size()));
    {
        QThreadPool pool;
        for (int i = 0; i < catalogue.designs.size(); ++i)
            pool.start([&, i] {
                openDesign(catalogue.designs.at(i), &problems[std::size_t(i)]);
            });
        pool.waitForDone();
    }
    DesignCatalogue checked;
    checked.problems = catalogue.problems;
    for (int i = 0; i < catalogue.designs.size(); ++i) {
        if (problems[std::size_t(i)].isEmpty())
            checked.designs << catalogue.designs.at(i);
        else
            checked.problems << DesignProblem{catalogue.designs.at(i).directory, problems[std::size_t(i)]};
    }
    return checked;
}

const DesignInfo *findDesign(const DesignCatalogue &catalogue, const QString &folder)
{
    for (const DesignInfo &info : catalogue.designs)
        if (info.folder == folder)
            return &info;
    return nullptr;
}

bool namesBuiltInDesign(const QString &name)
{
    return name.isEmpty() || name.compare(QLatin1String(BuiltInDesign), Qt::CaseInsensitive) == 0;
}

DesignChoice chooseDesign(const QString &name, const DesignCatalogue &catalogue)
{
    DesignChoice choice;
    if (namesBuiltInDesign(name))
        return choice;
    const DesignInfo *info = findDesign(catalogue, name);
    QString problem;
    if (info)
        choice.design = openDesign(*info, &problem);
    else
        for (const DesignProblem &leftOut : catalogue.problems)
            if (QFileInfo(leftOut.directory).fileName() == name)
                problem = leftOut.reason;
    if (choice.design) {
        choice.status = DesignChoice::Installed;
    } else if (problem.isEmpty()) {
        choice.status = DesignChoice::Unknown;
        choice.message = QCoreApplication::translate("deck::CardDesigns", "no card design \"%1\" is installed")
            .arg(name);
    } else {
        choice.status = DesignChoice::Unusable;
        choice.message = QCoreApplication::translate("deck::CardDesigns", "the card design \"%1\" cannot be used: %2")
            .arg(name, problem);
    }
    return choice;
}

std::shared_ptr<const CardDesign> storedDesign(const QString &name, const DesignCatalogue &catalogue)
{
    const DesignChoice choice = chooseDesign(name, catalogue);
    if (choice.status == DesignChoice::Unknown || choice.status == DesignChoice::Unusable)
        report(QStringLiteral("dealwright: ")
               + QCoreApplication::translate("deck::CardDesigns", "%1; the built-in cards are shown")
                   .arg(choice.message));
    return choice.design;
}

QString designListText(const DesignCatalogue &checked)
{
    QString text = QLatin1String(BuiltInDesign) + QLatin1Char('\t') + QLatin1String(BuiltInName) + QLatin1Char('\t')
        + QLatin1String(BuiltInComment) + QLatin1Char('\n');
    for (const DesignInfo &info : checked.designs)
        text += info.folder + QLatin1Char('\t') + oneLine(info.englishName) + QLatin1Char('\t')
            + oneLine(info.englishComment) + QLatin1Char('\n');
    return text;
}

QString builtInDesignName()
{
    return QLatin1String(BuiltInName);
}

QString builtInDesignComment()
{
    return QCoreApplication::translate(Context, BuiltInComment);
}

void forgetDesignFailures()
{
    Store &s = store();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.failures.clear();
    s.reported.clear();
}

} // namespace deck
