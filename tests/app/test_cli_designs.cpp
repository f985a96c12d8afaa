// Card designs on the command line, through the real executable: the list
// (--list-designs), cards drawn in a design with --height (against an
// independent SVG renderer for an installed deck), the 71 x 96 files the
// built-in pictures whatever the design, the design kept in the settings,
// and names that cannot be used.
#include "ProgramRun.h"
#include "batch/Bitmap.h"
#include "batch/CardFormats.h"
#include "deck/CardDesigns.h"
#include "deck/DesignFixtures.h"
#include "deck/PictureSet.h"
#include "deck/RsvgCompare.h"
#include "settings/SettingsStore.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace designfixtures;

namespace {

const QString SystemDecks = QStringLiteral("/usr/share/carddecks");
const QString BuiltInLine = QStringLiteral("dealwright\tDealwright\tThe program's own cards, sharp at every size");

QStringList lines(const QString &text) { return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The card of a printed line ("Card 51<TAB>...") and its file.
int cardOf(const QString &line) { return testsupport::cardOfEntryText(line.section(QLatin1Char('\t'), 0, 0)); }
QString fileOf(const QString &line) { return line.section(QLatin1Char('\t'), 2); }

QColor centreOf(const QString &path)
{
    const QImage image(path);
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

struct Folders {
    Folders()
    {
        const QString extra = QStringLiteral("Name[de]=Blau\nComment=Plain\\tblue cards\n");
        makeDeck(data.homeDecks(), QStringLiteral("svg-blue"), indexText(QStringLiteral("Blue"), QStringLiteral("b.svgz"), extra),
                 QStringLiteral("b.svgz"), gzip(syntheticSvg()));
        SyntheticDeck lacking;
        lacking.leaveOut << QStringLiteral("king_spade");
        makeDeck(data.homeDecks(), QStringLiteral("svg-lacking"), indexText(QStringLiteral("Lacking"), QStringLiteral("l.svg")),
                 QStringLiteral("l.svg"), syntheticSvg(lacking));
        makeDeck(data.systemDecks(), QStringLiteral("svg-no-index"), QByteArray(), QString(), QByteArray());
    }
    DataFolders data;
    testsupport::TempConfig config;
    QTemporaryDir out;
};

// The windows on the offscreen platform, ended once the first is shown,
// with every message box and web visit on standard error.
QProcessEnvironment windowsEnvironment()
{
    QProcessEnvironment env = apptest::withoutDisplay();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("DEALWRIGHT_EXIT_AFTER_SHOW"), QStringLiteral("1"));
    env.insert(QStringLiteral("DEALWRIGHT_LOG_MESSAGES"), QStringLiteral("1"));
    return env;
}

apptest::ProgramRun batchRun(const QString &folder, const QStringList &more)
{
    return apptest::runProgram(QStringList{QStringLiteral("--batch"), QStringLiteral("52"), QStringLiteral("--out"), folder} + more);
}

} // namespace

class TestCliDesigns : public QObject {
    Q_OBJECT

private slots:
    void theListShowsTheUsableDesignsBuiltInFirst()
    {
        Folders f;
        QProcessEnvironment german = apptest::withoutDisplay();
        german.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
        german.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
        const apptest::ProgramRun run = apptest::runProgram({QStringLiteral("--list-designs")}, german);
        QCOMPARE(run.status, 0);
        // English names, a tab inside a text made a space.
        QCOMPARE(lines(run.out), (QStringList{BuiltInLine, QStringLiteral("svg-blue\tBlue\tPlain blue cards")}));
        // Each deck left out says why, once, on standard error.
        QCOMPARE(lines(run.err).filter(QStringLiteral("svg-lacking")).size(), 1);
        QVERIFY(run.err.contains(QStringLiteral("king_spade")));
        QCOMPARE(lines(run.err).filter(QStringLiteral("svg-no-index")).size(), 1);
        QCOMPARE(lines(run.err).size(), 2);
    }

    void theListShowsTheInstalledDecks()
    {
        if (!QDir(SystemDecks).exists())
            QSKIP("no card decks are installed (Debian package kdegames-card-data-kf5)");
        Folders f;
        qputenv("XDG_DATA_DIRS", "/usr/share");
        const apptest::ProgramRun run = apptest::runProgram({QStringLiteral("--list-designs")});
        QCOMPARE(run.status, 0);
        const QStringList listed = lines(run.out);
        QCOMPARE(listed.first(), BuiltInLine);
        QStringList folders;
        for (const QString &line : listed.mid(1))
            folders << line.section(QLatin1Char('\t'), 0, 0);
        // The user's deck among the system's, in order of folder names.
        QStringList expected = QDir(SystemDecks).entryList(QDir::Dirs | QDir::NoDotAndDotDot) << QStringLiteral("svg-blue");
        expected.sort();
        QCOMPARE(folders, expected);
        QVERIFY(listed.contains(QStringLiteral("svg-nicu-white\tNicu White\t")));
    }

    // The whole deck, each card against rsvg-convert's drawing of its element.
    void cardsAboveNaturalSizeMatchTheDecksOwnElements()
    {
        if (!QDir(SystemDecks).exists())
            QSKIP("no card decks are installed (Debian package kdegames-card-data-kf5)");
        Folders f;
        qputenv("XDG_DATA_DIRS", "/usr/share");
        const apptest::ProgramRun run = apptest::runProgram(
            {QStringLiteral("--batch"), QStringLiteral("52"), QStringLiteral("--out"), f.out.path(), QStringLiteral("--design"),
             QStringLiteral("svg-nicu-white"), QStringLiteral("--format"), QStringLiteral("png"), QStringLiteral("--height"),
             QStringLiteral("1050")});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        QCOMPARE(lines(run.out).size(), 52);
        const QString svg = QStringLiteral("/usr/share/carddecks/svg-nicu-white/white.svgz");
        for (const QString &line : lines(run.out)) {
            const int card = cardOf(line);
            const QImage written(fileOf(line));
            QCOMPARE(written.size(), QSize(777, 1050));
            QString problem;
            const QImage theirs = rsvgElement(svg, deck::faceElementId(card), 1050, &problem);
            QVERIFY2(!theirs.isNull(), qPrintable(problem));
            const QImage ours = onWhiteAtCardSize(opaquePart(written));
            const QImage builtIn =
                onWhiteAtCardSize(deck::PictureSet::instance().card(card).convertToFormat(QImage::Format_ARGB32));
            const double same = meanDifference(ours, theirs);
            const double other = meanDifference(ours, builtIn);
            qInfo("%s: mean difference per channel %.2f against rsvg-convert, %.2f against the built-in card",
                  qPrintable(deck::faceElementId(card)), same, other);
            // Two renderers smooth edges differently (a few levels); another
            // design differs by ten times that.
            // Cut to the card and reduced alike, the two renderers differ
            // only in how they smooth edges: under 1 of 255 per channel on
            // average (0.3 to 0.9 measured); the built-in faces differ by
            // 18 to 67.
            QVERIFY2(same < 2, qPrintable(QString::number(same)));
            QVERIFY2(other > 10, qPrintable(QString::number(other)));
        }
    }

    void naturalSizeFilesAreTheBuiltInPicturesWhateverTheDesign()
    {
        Folders f;
        // The whole deck each time: every "Card N" file comes in every run.
        const auto written = [&](const QString &name, const QStringList &more) {
            const QString folder = f.out.filePath(name);
            QDir().mkpath(folder);
            const apptest::ProgramRun run = batchRun(folder, more);
            QHash<QString, QByteArray> files;
            for (const QString &file : filesIn(folder))
                files.insert(file, contents(folder + QLatin1Char('/') + file));
            return run.status == 0 && files.size() == 52 ? files : QHash<QString, QByteArray>();
        };
        for (const QString &format : {QStringLiteral("bmp"), QStringLiteral("png")}) {
            const QStringList asFormat{QStringLiteral("--format"), format};
            const QHash<QString, QByteArray> builtIn = written(format + QStringLiteral("-none"), asFormat);
            QCOMPARE(builtIn.size(), 52);
            QCOMPARE(written(format + QStringLiteral("-named"), asFormat + QStringList{QStringLiteral("--design"), QStringLiteral("svg-blue")}),
                     builtIn);
            settings::write(settings::keys::CardDesign, QStringLiteral("svg-blue"));
            QCOMPARE(written(format + QStringLiteral("-stored"), asFormat), builtIn);
            QCOMPARE(written(format + QStringLiteral("-96"), asFormat + QStringList{QStringLiteral("--height"), QStringLiteral("96")}),
                     builtIn);
            settings::write(settings::keys::CardDesign, QString());
        }
        // Those of "Save All Cards To Image", picture for picture.
        const QImage ace = QImage(f.out.filePath(QStringLiteral("bmp-stored/Card 1.bmp")));
        QCOMPARE(ace.convertToFormat(QImage::Format_RGB32),
                 deck::PictureSet::instance().card(0).convertToFormat(QImage::Format_RGB32));
    }

    void largerCardsComeInTheNamedOrTheStoredDesign()
    {
        Folders f;
        const QStringList larger{QStringLiteral("--format"), QStringLiteral("png"), QStringLiteral("--height"), QStringLiteral("200")};
        const auto centres = [&](const QStringList &more, QString *err) {
            const QString folder = f.out.filePath(QString::number(qHash(more.join(QLatin1Char(' ')))));
            QDir().mkpath(folder);
            const apptest::ProgramRun run = batchRun(folder, larger + more);
            *err = run.err;
            QList<bool> inDesign;
            for (const QString &line : lines(run.out))
                inDesign << (centreOf(fileOf(line)) == QColor(faceColour(cardOf(line))));
            return run.status == 0 && inDesign.size() == 52 ? inDesign : QList<bool>();
        };
        const QList<bool> all(52, true), none(52, false);
        QString err;
        QCOMPARE(centres({}, &err), none);
        QCOMPARE(centres({QStringLiteral("--design"), QStringLiteral("svg-blue")}, &err), all);
        QVERIFY(settings::find(settings::keys::CardDesign) == std::nullopt);   // not stored

        settings::write(settings::keys::CardDesign, QStringLiteral("svg-blue"));
        QCOMPARE(centres({}, &err), all);
        // Only the decks left out say so.
        QVERIFY2(!err.contains(QStringLiteral("svg-blue")), qPrintable(err));
        QCOMPARE(centres({QStringLiteral("--design=dealwright")}, &err), none);

        // A stored deck that is gone: the built-in set, one line, kept.
        settings::write(settings::keys::CardDesign, QStringLiteral("svg-gone"));
        QCOMPARE(centres({}, &err), none);
        QCOMPARE(lines(err).filter(QStringLiteral("svg-gone")).size(), 1);
        QCOMPARE(settings::read(settings::keys::CardDesign, QString()), QStringLiteral("svg-gone"));
    }

    void aDesignThatCannotBeUsedWritesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("unknown") << QStringLiteral("svg-nope");
        QTest::newRow("fails its check") << QStringLiteral("svg-lacking");
        QTest::newRow("no index") << QStringLiteral("svg-no-index");
    }

    void aDesignThatCannotBeUsedWritesNothing()
    {
        QFETCH(QString, name);
        Folders f;
        for (const QString &height : {QStringLiteral("96"), QStringLiteral("300")}) {
            const apptest::ProgramRun run =
                batchRun(f.out.path(), {QStringLiteral("--height"), height, QStringLiteral("--design"), name});
            QCOMPARE(run.status, 2);
            QVERIFY(run.out.isEmpty());
            QVERIFY2(lines(run.err).filter(QStringLiteral("--design ") + name).size() == 1, qPrintable(run.err));
            QCOMPARE(filesIn(f.out.path()), QStringList());
        }
        // The windows do not open either.
        const QProcessEnvironment windows = windowsEnvironment();
        const apptest::ProgramRun shown = apptest::runProgram({QStringLiteral("--design"), name}, windows);
        QCOMPARE(shown.status, 2);
        QVERIFY2(shown.err.contains(QStringLiteral("--design ") + name), qPrintable(shown.err));
        QVERIFY(!shown.err.contains(QStringLiteral("shown ")));
        // A usable one opens them (and is not stored).
        const apptest::ProgramRun opened = apptest::runProgram({QStringLiteral("--design"), QStringLiteral("svg-blue")}, windows);
        QCOMPARE(opened.status, 0);
        QVERIFY2(opened.err.contains(QStringLiteral("shown ")), qPrintable(opened.err));
        QVERIFY(!settings::find(settings::keys::CardDesign));
    }

    void theOptionsAreOnTheCommandLinesTerms()
    {
        Folders f;
        const apptest::ProgramRun help = apptest::runProgram({QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains(QStringLiteral("--design <name>")));
        QVERIFY(help.out.contains(QStringLiteral("--list-designs")));
        const QList<QStringList> wrong{
            {QStringLiteral("--design"), QStringLiteral("svg-blue"), QStringLiteral("--design"), QStringLiteral("dealwright")},
            {QStringLiteral("--list-designs"), QStringLiteral("--batch"), QStringLiteral("3")},
            {QStringLiteral("--list-designs"), QStringLiteral("--design"), QStringLiteral("svg-blue")},
            {QStringLiteral("--design")},
        };
        // With a screen, so that each reaches the option parser.
        for (const QStringList &arguments : wrong) {
            const apptest::ProgramRun run = apptest::runProgram(arguments, windowsEnvironment());
            QVERIFY2(run.status == 2, qPrintable(arguments.join(QLatin1Char(' '))));
            QVERIFY(run.out.isEmpty());
            QVERIFY(run.err.contains(QStringLiteral("--help")));
        }
    }
};

QTEST_MAIN(TestCliDesigns)
#include "test_cli_designs.moc"
