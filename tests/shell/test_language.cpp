// The user's language: which shipped language serves which of the user's
// languages, the two files of that language loaded and put into force
// (with the layout direction the language asks for), and a missing or
// damaged file left out with one line while the rest goes on, never a
// crash. The compiled translations are the build's own, beside the program.
#include "shell/Language.h"
#include "shell/TranslationCheck.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtEndian>
#include <QtTest>

using shell::chooseLanguage;

namespace {

const QStringList Shipped = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                             QStringLiteral("it"), QStringLiteral("pt_BR"), QStringLiteral("nl"),
                             QStringLiteral("pl"), QStringLiteral("uk"), QStringLiteral("zh_CN"),
                             QStringLiteral("ja"), QStringLiteral("ar")};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString queenOfHearts() { return QCoreApplication::translate("CardNames", "Queen of Hearts"); }

// A program folder of its own for the program's translations, for the
// time of one test.
class ProgramFolder {
public:
    ProgramFolder() : m_saved(qgetenv("DEALWRIGHT_PROGRAM_DIR"))
    {
        QDir(m_folder.path()).mkpath(QStringLiteral("translations"));
        qputenv("DEALWRIGHT_PROGRAM_DIR", m_folder.path().toLocal8Bit());
    }
    ~ProgramFolder()
    {
        qputenv("DEALWRIGHT_PROGRAM_DIR", m_saved);
        shell::loadLanguage(QString());
        shell::installLanguage();
    }
    QString file(const QString &language) const
    {
        return m_folder.filePath(QStringLiteral("translations/dealwright_%1.qm").arg(language));
    }
    void write(const QString &language, const QByteArray &bytes) const
    {
        QFile out(file(language));
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(out.write(bytes), bytes.size());
    }

private:
    QByteArray m_saved;
    QTemporaryDir m_folder;
};

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        shell::loadLanguage(QString());
        shell::installLanguage();
    }

    void theUserLanguageChoosesAShippedLanguage_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        const auto row = [](const char *name, std::initializer_list<const char *> ui, const char *chosen) {
            QStringList names;
            for (const char *n : ui)
                names << QString::fromLatin1(n);
            QTest::newRow(name) << names << QString::fromLatin1(chosen);
        };
        row("German of Germany", {"de-DE"}, "de");
        row("German of Austria", {"de-AT", "de"}, "de");
        row("as LANG names it", {"de_DE.UTF-8"}, "de");
        row("Brazilian Portuguese", {"pt-BR"}, "pt_BR");
        row("Portuguese of Portugal reads Brazilian", {"pt-PT"}, "pt_BR");
        row("Simplified Chinese", {"zh-Hans-CN"}, "zh_CN");
        row("Chinese of Singapore, simplified too", {"zh-SG"}, "zh_CN");
        row("Traditional Chinese is not served", {"zh-TW"}, "");
        row("Hong Kong is not served", {"zh-Hant-HK"}, "");
        row("Arabic of Egypt", {"ar-EG"}, "ar");
        row("Japanese", {"ja-JP"}, "ja");
        row("Ukrainian", {"uk-UA"}, "uk");
        row("the first served language in order", {"ru-RU", "fr-CA", "de-DE"}, "fr");
        row("English first is English", {"en-US", "de-DE"}, "");
        row("no language", {}, "");
        row("the C locale", {"C"}, "");
        row("POSIX", {"POSIX"}, "");
        row("a malformed locale", {"xx_YY"}, "");
        row("a malformed locale before German", {"xx_YY", "de-CH"}, "de");
        row("nonsense", {"!!!", ""}, "");
    }

    void theUserLanguageChoosesAShippedLanguage()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        QCOMPARE(chooseLanguage(uiLanguages, Shipped), chosen);
        QCOMPARE(shell::shippedLanguages(), Shipped);
    }

    // As GNU gettext does: LANGUAGE counts only when the locale of
    // messages is not C (the tests run under LC_ALL=C.UTF-8).
    void theCLocaleKeepsEnglishWhateverLanguageSays()
    {
        const QByteArray saved = qgetenv("LANGUAGE");
        qputenv("LANGUAGE", "de:fr");
        const QStringList languages = shell::userLanguages();
        qputenv("LANGUAGE", saved);
        QVERIFY2(languages.isEmpty(), qPrintable(languages.join(u',')));
    }

    // Every shipped language loads both its files and puts them into
    // force: the program's texts, Qt's own, and the direction; English
    // afterwards takes them out again.
    void everyShippedLanguageLoads()
    {
        for (const QString &language : shell::shippedLanguages()) {
            const QStringList problems = shell::loadLanguage(language);
            QVERIFY2(problems.isEmpty(), qPrintable(language + QLatin1String(": ") + problems.join(u'\n')));
            shell::installLanguage();
            QCOMPARE(shell::loadedLanguage(), language);
            QVERIFY2(queenOfHearts() != QLatin1String("Queen of Hearts"), qPrintable(language));
            QVERIFY2(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"),
                     qPrintable(language));
            QCOMPARE(QGuiApplication::layoutDirection(),
                     language == QLatin1String("ar") ? Qt::RightToLeft : Qt::LeftToRight);
        }
        shell::loadLanguage(QString());
        shell::installLanguage();
        QCOMPARE(queenOfHearts(), QStringLiteral("Queen of Hearts"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    }

    void cardNamesAreWholeNamesOfEachLanguage()
    {
        const std::pair<const char *, const char *> expected[] = {
            {"de", "Herz-Dame"}, {"fr", "Dame de c\u0153ur"}, {"es", "Reina de corazones"},
            {"it", "Donna di cuori"}, {"pt_BR", "Dama de copas"}, {"nl", "Hartenvrouw"},
            {"pl", "Dama kier"}, {"uk", "\u0427\u0435\u0440\u0432\u043e\u0432\u0430 \u0434\u0430\u043c\u0430"},
            {"zh_CN", "\u7ea2\u6843Q"}, {"ja", "\u30cf\u30fc\u30c8\u306e\u30af\u30a4\u30fc\u30f3"},
            {"ar", "\u0645\u0644\u0643\u0629 \u0627\u0644\u0642\u0644\u0648\u0628"}};
        for (const auto &[language, name] : expected) {
            QVERIFY(shell::loadLanguage(QString::fromLatin1(language)).isEmpty());
            shell::installLanguage();
            QCOMPARE(queenOfHearts(), QString::fromUtf8(name));
        }
    }

    // Each language's plural forms by its own rules.
    void pluralFormsFollowEachLanguage()
    {
        const auto adds = [](int n) {
            return QCoreApplication::translate("tally::TallyWindow", "Adds %n draws with putting back.", nullptr, n);
        };
        QVERIFY(shell::loadLanguage(QStringLiteral("de")).isEmpty());
        shell::installLanguage();
        QCOMPARE(adds(1), QStringLiteral("Fügt 1 Ziehung mit Zurücklegen hinzu."));
        QCOMPARE(adds(10), QStringLiteral("Fügt 10 Ziehungen mit Zurücklegen hinzu."));
        QVERIFY(shell::loadLanguage(QStringLiteral("pl")).isEmpty());
        shell::installLanguage();
        QCOMPARE(adds(1), QStringLiteral("Dodaje 1 losowanie ze zwracaniem."));
        QCOMPARE(adds(3), QStringLiteral("Dodaje 3 losowania ze zwracaniem."));
        QCOMPARE(adds(22), QStringLiteral("Dodaje 22 losowania ze zwracaniem."));
        QCOMPARE(adds(12), QStringLiteral("Dodaje 12 losowań ze zwracaniem."));
        QCOMPARE(adds(100), QStringLiteral("Dodaje 100 losowań ze zwracaniem."));
        QVERIFY(shell::loadLanguage(QStringLiteral("ar")).isEmpty());
        shell::installLanguage();
        QCOMPARE(adds(1), QString::fromUtf8("يضيف سحبة واحدة مع الإعادة."));
        QCOMPARE(adds(2), QString::fromUtf8("يضيف سحبتين مع الإعادة."));
        QCOMPARE(adds(10), QString::fromUtf8("يضيف 10 سحبات مع الإعادة."));
        QCOMPARE(adds(100), QString::fromUtf8("يضيف 100 سحبة مع الإعادة."));
        QCOMPARE(adds(1000), QString::fromUtf8("يضيف 1000 سحبة مع الإعادة."));
    }

    // A missing, cut short or damaged translation of the program: English
    // for the program's texts, one line naming the file, Qt's own still in
    // the language.
    void aBrokenProgramTranslationLeavesItsPartEnglish_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("missing") << QStringLiteral("missing");
        QTest::newRow("empty") << QStringLiteral("empty");
        QTest::newRow("not a translation") << QStringLiteral("garbage");
        QTest::newRow("cut short") << QStringLiteral("truncated");
        QTest::newRow("a table pointing outside the file") << QStringLiteral("table");
    }

    void aBrokenProgramTranslationLeavesItsPartEnglish()
    {
        QFETCH(QString, damage);
        const QByteArray good = fileBytes(shell::programTranslationFile(QStringLiteral("de")));
        QVERIFY(shell::isIntactTranslation(good));
        ProgramFolder folder;
        if (damage == QLatin1String("empty"))
            folder.write(QStringLiteral("de"), QByteArray());
        else if (damage == QLatin1String("garbage"))
            folder.write(QStringLiteral("de"), QByteArray("not a translation\n"));
        else if (damage == QLatin1String("truncated"))
            folder.write(QStringLiteral("de"), good.left(good.size() / 2));
        else if (damage == QLatin1String("table")) {
            // Every message offset of the hash table points far beyond the
            // messages: QTranslator alone would read outside the file.
            QByteArray bad = good;
            const int hashes = bad.indexOf(char(0x42), 16);
            QVERIFY(hashes > 0);
            const int start = hashes + 5;
            const quint32 length = qFromBigEndian<quint32>(bad.constData() + hashes + 1);
            for (quint32 entry = 0; entry + 8 <= length; entry += 8)
                qToBigEndian<quint32>(0x7ffffff0u, bad.data() + start + entry + 4);
            folder.write(QStringLiteral("de"), bad);
        }
        const QStringList problems = shell::loadLanguage(QStringLiteral("de"));
        shell::installLanguage();
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().contains(QDir::toNativeSeparators(folder.file(QStringLiteral("de"))))
                     || damage == QLatin1String("missing"),
                 qPrintable(problems.first()));
        QVERIFY(problems.first().contains(damage == QLatin1String("missing") ? QLatin1String("is missing")
                                                                             : QLatin1String("is damaged")));
        QCOMPARE(queenOfHearts(), QStringLiteral("Queen of Hearts"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }

    // Damaged files of every kind: the check lets through only files that
    // QTranslator reads within their bounds (under the sanitizers, a
    // lookup outside would stop the test), and every intact file passes.
    void damagedFilesNeverReadOutsideThemselves()
    {
        QStringList files;
        for (const QString &language : shell::shippedLanguages())
            files << shell::programTranslationFile(language) << shell::qtTranslationFile(language);
        QList<QPair<QByteArray, QByteArray>> texts = {{"CardNames", "Queen of Hearts"},
                                                      {"cards::DrawState", "Cards drawn: %1"},
                                                      {"tally::TallyWindow", "Adds %n draws with putting back."},
                                                      {"QPlatformTheme", "Cancel"}};
        QRandomGenerator random(17);
        for (const QString &path : files) {
            const QByteArray good = fileBytes(path);
            QVERIFY2(shell::isIntactTranslation(good), qPrintable(path));
            for (int variant = 0; variant < 300; ++variant) {
                QByteArray bytes = variant < 60 ? good.left(qsizetype(random.bounded(good.size()))) : good;
                for (int flip = 0, flips = variant < 60 ? 0 : 1 + random.bounded(6); flip < flips; ++flip)
                    bytes[qsizetype(random.bounded(bytes.size()))] = char(random.bounded(256));
                if (!shell::isIntactTranslation(bytes))
                    continue;
                QTranslator translator;
                if (!translator.load(reinterpret_cast<const uchar *>(bytes.constData()), int(bytes.size())))
                    continue;
                for (const auto &[context, source] : texts) {
                    translator.translate(context.constData(), source.constData());
                    translator.translate(context.constData(), source.constData(), nullptr, 2);
                }
            }
        }
        QVERIFY(!shell::isIntactTranslation(QByteArray()));
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
