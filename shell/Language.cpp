#include "Language.h"

#include "ShellHelpers.h"
#include "TranslationCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace shell {
namespace {

const char *const Context = "shell::Language";

// Set by the build from translations/Languages.cmake: "de,fr,...".
const char *const Shipped = DEALWRIGHT_LANGUAGES;

//: The direction of this language's script: "LTR" (left to right) or "RTL"
//: (right to left, as Arabic is written). The windows mirror for "RTL".
const char *const LayoutDirectionKey = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// One line each on standard error, "%1" being the file.
//: A translation file of the program is not there; %1 is its path.
const char *const ProgramFileMissing =
    QT_TRANSLATE_NOOP("shell::Language", "%1 is missing: the program's texts stay in English.");
//: A translation file of the program cannot be used; %1 is its path.
const char *const ProgramFileDamaged =
    QT_TRANSLATE_NOOP("shell::Language", "%1 is damaged: the program's texts stay in English.");
//: Qt's translation of its own dialogs (buttons, the folder picker) is not there; %1 is its path.
const char *const QtFileMissing =
    QT_TRANSLATE_NOOP("shell::Language", "%1 is missing: Qt's own dialogs stay in English.");
//: Qt's translation of its own dialogs cannot be used; %1 is its path.
const char *const QtFileDamaged =
    QT_TRANSLATE_NOOP("shell::Language", "%1 is damaged: Qt's own dialogs stay in English.");

// One translation in force: the file's bytes, read once and checked, and
// the translator that reads them where they are.
struct Translation {
    QByteArray bytes;
    QTranslator *translator = nullptr;

    void clear()
    {
        delete translator;  // a translator in force takes itself out
        translator = nullptr;
        bytes.clear();
    }
};

// The translations in force: they live until another language replaces
// them or the program ends.
struct Loaded {
    QString language;
    Translation program;
    Translation qt;
    bool directionSet = false;
};

Loaded &loaded()
{
    static Loaded current;
    return current;
}

// Takes one translation file; false when it is missing, cut short or
// damaged, with the reason in `problem`.
bool loadFile(const QString &path, Translation &into, const char *missing, const char *damaged, QString *problem)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        *problem = translateEarly(Context, missing).arg(QDir::toNativeSeparators(path));
        return false;
    }
    into.bytes = file.readAll();
    into.translator = new QTranslator;
    if (file.error() != QFileDevice::NoError || !isIntactTranslation(into.bytes)
        || !into.translator->load(reinterpret_cast<const uchar *>(into.bytes.constData()), int(into.bytes.size()))) {
        into.clear();
        *problem = translateEarly(Context, damaged).arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

bool isCLocale(QString name)
{
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

} // namespace

QStringList shippedLanguages()
{
    return QString::fromLatin1(Shipped).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QString chooseLanguage(const QStringList &uiLanguages, const QStringList &shipped)
{
    for (const QString &name : uiLanguages) {
        if (name.isEmpty() || isCLocale(name))
            continue;
        const QLocale wanted(name);
        if (wanted.language() == QLocale::C || wanted.language() == QLocale::AnyLanguage)
            continue;  // not a language: "xx_YY"
        if (wanted.language() == QLocale::English)
            return QString();
        QString byLanguage;
        QString byScript;
        for (const QString &code : shipped) {
            const QLocale offered(code);
            if (offered.language() != wanted.language())
                continue;
            const bool withTerritory = code.contains(QLatin1Char('_'));
            if (withTerritory && offered.territory() == wanted.territory() && offered.script() == wanted.script())
                return code;
            if (!withTerritory && byLanguage.isEmpty())
                byLanguage = code;
            else if (withTerritory && offered.script() == wanted.script() && byScript.isEmpty())
                byScript = code;
        }
        if (!byLanguage.isEmpty())
            return byLanguage;
        if (!byScript.isEmpty())
            return byScript;
    }
    return QString();
}

QStringList userLanguages()
{
    // The locale of messages decides whether LANGUAGE counts at all.
    QString messages;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(variable);
        if (!messages.isEmpty())
            break;
    }
    if (messages.isEmpty() || isCLocale(messages))
        return {};
    return QLocale::system().uiLanguages();
}

QString programTranslationFile(const QString &language)
{
    const QString besideProgram = programFilePath(QStringLiteral("translations/dealwright_%1.qm").arg(language));
    if (QFileInfo::exists(besideProgram))
        return besideProgram;
    return QDir::cleanPath(programFolder() + QStringLiteral("/../../share/locale/%1/LC_MESSAGES/dealwright.qm").arg(language));
}

QString qtTranslationFile(const QString &language)
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_%1.qm").arg(language);
}

QStringList loadLanguage(const QString &language)
{
    Loaded &current = loaded();
    current.program.clear();
    current.qt.clear();
    current.language = language;
    QStringList problems;
    if (language.isEmpty())
        return problems;
    QString problem;
    if (!loadFile(programTranslationFile(language), current.program, ProgramFileMissing, ProgramFileDamaged, &problem))
        problems << problem;
    if (!loadFile(qtTranslationFile(language), current.qt, QtFileMissing, QtFileDamaged, &problem))
        problems << problem;
    return problems;
}

QString loadedLanguage() { return loaded().language; }

void installLanguage()
{
    Loaded &current = loaded();
    if (!QCoreApplication::instance())
        return;
    // Qt's first, the program's last: the translation installed last is
    // asked first.
    for (QTranslator *translator : {current.qt.translator, current.program.translator}) {
        if (translator)
            QCoreApplication::installTranslator(translator);
    }
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    if (!current.language.isEmpty()) {
        // The program's own translation decides: with it missing, the
        // texts are English and so is their direction.
        const QTranslator *own = current.program.translator;
        const bool rightToLeft = own && own->translate("QGuiApplication", LayoutDirectionKey) == QLatin1String("RTL");
        QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        current.directionSet = true;
    } else if (current.directionSet) {
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        current.directionSet = false;
    }
}

void loadUserLanguage()
{
    for (const QString &problem : loadLanguage(chooseLanguage(userLanguages()))) {
        std::fprintf(stderr, "dealwright: %s\n", problem.toLocal8Bit().constData());
        std::fflush(stderr);
    }
}

QString translateEarly(const char *context, const char *source)
{
    const Loaded &current = loaded();
    if (current.program.translator) {
        const QString text = current.program.translator->translate(context, source);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

} // namespace shell
