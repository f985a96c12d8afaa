// The real program started in a language, as a user starts it: --help and
// the command line's messages on standard error in the language, standard
// output English for the scripts that read it (card names too), and a
// damaged translation or a malformed locale English, with one line on
// standard error for the damaged file and none for the locale.
#include "app/ProgramRun.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using apptest::runProgram;

namespace {

QProcessEnvironment inLanguage(const QString &lang)
{
    QProcessEnvironment env = apptest::withoutDisplay();
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.remove(QStringLiteral("LANGUAGE"));
    env.insert(QStringLiteral("LANG"), lang);
    return env;
}

QStringList lines(const QString &text) { return text.split(u'\n', Qt::SkipEmptyParts); }

// A program folder holding the program's translations as the build made
// them, one of them replaced.
class Folder {
public:
    Folder()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("translations"));
        const QDir built(testsupport::programDir() + QStringLiteral("/translations"));
        for (const QString &file : built.entryList({QStringLiteral("*.qm")}))
            QFile::copy(built.filePath(file), m_dir.filePath(QStringLiteral("translations/") + file));
    }
    QString path() const { return m_dir.path(); }
    QString file(const char *language) const
    {
        return m_dir.filePath(QStringLiteral("translations/dealwright_%1.qm").arg(QLatin1String(language)));
    }

private:
    QTemporaryDir m_dir;
};

} // namespace

class TestLanguageStart : public QObject {
    Q_OBJECT
private slots:
    void helpAndMessagesInTheLanguageOutputEnglish()
    {
        QTemporaryDir out;
        const QProcessEnvironment german = inLanguage(QStringLiteral("de_DE.UTF-8"));
        const apptest::ProgramRun help = runProgram({QStringLiteral("--help")}, german);
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.contains(QStringLiteral("Zieht zufällige Spielkarten")), qPrintable(help.out));
        QVERIFY(help.out.contains(QStringLiteral("--batch <Anzahl>")));
        QVERIFY(help.out.contains(QStringLiteral("Optionen:")));  // Qt's own part

        const apptest::ProgramRun refused = runProgram({QStringLiteral("--batch"), QStringLiteral("99"), QStringLiteral("--out"), out.path()}, german);
        QCOMPARE(refused.status, 2);
        QCOMPARE(refused.err, QStringLiteral("dealwright: --batch 99: Höchstens 52 Karten erlaubt\n"));

        const apptest::ProgramRun unknown = runProgram({QStringLiteral("--frob")}, german);
        QCOMPARE(lines(unknown.err).last(), QStringLiteral("„dealwright --help“ gibt weitere Informationen."));

        // What scripts read stays English: "Card N", the card's English
        // name and the file's path; the files are named in English too.
        const apptest::ProgramRun batch = runProgram({QStringLiteral("--batch"), QStringLiteral("3"), QStringLiteral("--out"), out.path()}, german);
        QCOMPARE(batch.status, 0);
        QCOMPARE(batch.err, QString());
        const QStringList printed = lines(batch.out);
        QCOMPARE(printed.size(), 3);
        for (const QString &line : printed) {
            const QStringList fields = line.split(u'\t');
            QCOMPARE(fields.size(), 3);
            const int card = testsupport::cardOfEntryText(fields[0]);
            QVERIFY2(card >= 0, qPrintable(line));
            QVERIFY2(QRegularExpression(QStringLiteral("^(Ace|Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|Queen|King) of "
                                                       "(Spades|Diamonds|Clubs|Hearts)$")).match(fields[1]).hasMatch(),
                     qPrintable(line));
            QCOMPARE(QFileInfo(fields[2]).fileName(), fields[0] + QStringLiteral(".bmp"));
            QVERIFY(QFileInfo::exists(fields[2]));
        }
    }

    void aDamagedTranslationIsEnglishWithOneLine()
    {
        Folder folder;
        QFile damaged(folder.file("fr"));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("not a translation");
        damaged.close();
        QProcessEnvironment french = inLanguage(QStringLiteral("fr_FR.UTF-8"));
        french.insert(QStringLiteral("DEALWRIGHT_PROGRAM_DIR"), folder.path());
        QTemporaryDir out;
        const apptest::ProgramRun run = runProgram({QStringLiteral("--batch"), QStringLiteral("99"), QStringLiteral("--out"), out.path()}, french);
        QCOMPARE(run.status, 2);
        const QStringList said = lines(run.err);
        QCOMPARE(said.size(), 2);
        QCOMPARE(said.at(0), QStringLiteral("dealwright: %1 is damaged: the program's texts stay in English.")
                                 .arg(QDir::toNativeSeparators(folder.file("fr"))));
        QCOMPARE(said.at(1), QStringLiteral("dealwright: --batch 99: Up to 52 cards allowed"));
    }

    void aMalformedLocaleIsEnglishWithoutAWord()
    {
        QTemporaryDir out;
        for (const QString &lang : {QStringLiteral("xx_YY"), QStringLiteral("xx_YY.UTF-8"), QStringLiteral("C.UTF-8")}) {
            const apptest::ProgramRun run =
                runProgram({QStringLiteral("--batch"), QStringLiteral("99"), QStringLiteral("--out"), out.path()}, inLanguage(lang));
            QCOMPARE(run.status, 2);
            QCOMPARE(run.err, QStringLiteral("dealwright: --batch 99: Up to 52 cards allowed\n"));
        }
    }

    // LANGUAGE picks among several languages; LC_ALL and LC_MESSAGES go
    // before LANG.
    void theLanguageFollowsTheEnvironment()
    {
        QTemporaryDir out;
        const QStringList arguments{QStringLiteral("--batch"), QStringLiteral("99"), QStringLiteral("--out"), out.path()};
        QProcessEnvironment env = inLanguage(QStringLiteral("de_DE.UTF-8"));
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("ja:de"));
        QCOMPARE(runProgram(arguments, env).err, QStringLiteral("dealwright: --batch 99: 52 枚まで指定できます\n"));
        env = inLanguage(QStringLiteral("de_DE.UTF-8"));
        env.insert(QStringLiteral("LC_MESSAGES"), QStringLiteral("pl_PL.UTF-8"));
        QCOMPARE(runProgram(arguments, env).err, QStringLiteral("dealwright: --batch 99: Dozwolone najwyżej 52 karty\n"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("es_ES.UTF-8"));
        QCOMPARE(runProgram(arguments, env).err, QStringLiteral("dealwright: --batch 99: Se permiten hasta 52 cartas\n"));
    }
};

QTEST_GUILESS_MAIN(TestLanguageStart)
#include "test_language_start.moc"
