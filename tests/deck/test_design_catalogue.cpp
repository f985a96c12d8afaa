// The catalogue of card designs: installed decks found in the user's and the
// system's data folders with their names in the user's language; broken and
// hostile decks left out, each with one line naming its folder and the
// reason, at the quick stage or at the full check, and remembered; choosing
// a design by name, the fallback of a stored name, and the command line's
// list. Hostile files that could make a reader hang are read in a child
// process under a time limit.
#include "BrokenDecks.h"
#include "DesignFixtures.h"
#include "WarningLog.h"
#include "support/TestPlatform.h"

#include "deck/CardDesigns.h"
#include "deck/SvgFile.h"

#include <QProcess>
#include <QtTest>
#include <sys/stat.h>

using namespace designfixtures;

namespace {

const QStringList English{QStringLiteral("C")};

bool lists(const deck::DesignCatalogue &catalogue, const QString &folder)
{
    return deck::findDesign(catalogue, folder) != nullptr;
}

} // namespace

class TestDesignCatalogue : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void installedDeckIsListedWithItsFiles();
    void namesInTheUsersLanguage_data();
    void namesInTheUsersLanguage();
    void userFolderComesBeforeTheSystems();
    void brokenDeckIsLeftOutWithOneLine_data();
    void brokenDeckIsLeftOutWithOneLine();
    void deckMendedOnDiskIsCheckedAnew();
    void bombIsRefusedBeforeItsEnd();
    void choosingByName();
    void storedDesignNoLongerInstalled();
    void listForTheCommandLine();
    void hostileDecksInAChildProcess();

private:
    std::unique_ptr<testsupport::TempConfig> m_config;
    std::unique_ptr<DataFolders> m_folders;
};

void TestDesignCatalogue::init()
{
    m_config = std::make_unique<testsupport::TempConfig>();
    m_folders = std::make_unique<DataFolders>();
    deck::forgetDesignFailures();
}

void TestDesignCatalogue::cleanup()
{
    m_folders.reset();
    m_config.reset();
}

void TestDesignCatalogue::installedDeckIsListedWithItsFiles()
{
    // Written as some editors do: a byte-order mark and CR LF line ends.
    const QByteArray index = "\xEF\xBB\xBF" + indexText(QStringLiteral("Plain Rectangles"), QStringLiteral("plain.svg"),
                                                        QStringLiteral("Comment=Rectangles\\sfor\\ntests\n"))
                                                  .replace("\n", "\r\n");
    const QString directory =
        makeDeck(m_folders->systemDecks(), QStringLiteral("svg-plain"), index, QStringLiteral("plain.svg"), syntheticSvg());
    writeFile(directory + QStringLiteral("/11.png"), "not read by the catalogue");
    WarningLog log;
    const deck::DesignCatalogue catalogue = deck::scanDesigns(English);
    QCOMPARE(catalogue.designs.size(), 1);
    const deck::DesignInfo &info = catalogue.designs.first();
    QCOMPARE(info.folder, QStringLiteral("svg-plain"));
    QCOMPARE(info.name, QStringLiteral("Plain Rectangles"));
    QCOMPARE(info.comment, QStringLiteral("Rectangles for\ntests"));
    QCOMPARE(info.svgFile, directory + QStringLiteral("/plain.svg"));
    QCOMPARE(info.previewFile, directory + QStringLiteral("/11.png"));
    QVERIFY(log.lines().isEmpty());
    // The full check passes: all 52 faces are there.
    QString problem;
    const auto design = deck::openDesign(info, &problem);
    QVERIFY2(design, qPrintable(problem));
    QCOMPARE(design->elementForCard(50), QStringLiteral("queen_heart"));
    QCOMPARE(design->elementForCard(0), QStringLiteral("1_spade"));
    QCOMPARE(design->elementForCard(22), QStringLiteral("10_diamond"));
    // Without a preview file there is no preview.
    QFile::remove(directory + QStringLiteral("/11.png"));
    QVERIFY(deck::scanDesigns(English).designs.first().previewFile.isEmpty());
}

void TestDesignCatalogue::namesInTheUsersLanguage_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("comment");
    const QString english = QStringLiteral("Deck");
    QTest::newRow("German") << QStringList{"de-DE"} << QStringLiteral("Deutsch") << QStringLiteral("Kommentar");
    QTest::newRow("German, as the system names it")
        << QLocale(QStringLiteral("de_DE")).uiLanguages() << QStringLiteral("Deutsch") << QStringLiteral("Kommentar");
    QTest::newRow("Austrian before German") << QStringList{"de-AT", "de"} << QStringLiteral("Österreichisch")
                                            << QStringLiteral("Kommentar");
    QTest::newRow("Brazilian") << QStringList{"pt-BR"} << QStringLiteral("Brasileiro") << QStringLiteral("English comment");
    QTest::newRow("Portuguese") << QStringList{"pt-PT"} << QStringLiteral("Português") << QStringLiteral("English comment");
    QTest::newRow("Serbian in Latin letters") << QStringList{"sr-Latn-RS"} << QStringLiteral("Latinica")
                                              << QStringLiteral("English comment");
    QTest::newRow("Serbian") << QStringList{"sr-Cyrl-RS"} << QStringLiteral("Ћирилица") << QStringLiteral("English comment");
    QTest::newRow("French, then German") << QStringList{"fr-FR", "fr", "de-DE"} << QStringLiteral("Deutsch")
                                         << QStringLiteral("Kommentar");
    QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << english << QStringLiteral("English comment");
    QTest::newRow("no language") << English << english << QStringLiteral("English comment");
}

void TestDesignCatalogue::namesInTheUsersLanguage()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, name);
    QFETCH(QString, comment);
    const QByteArray index = "# translated names\n[KDE Backdeck]\nName=Deck\nName[de]=Deutsch\n"
                             "Name[de_AT]=Österreichisch\nName[pt]=Português\nName[pt_BR]=Brasileiro\n"
                             "Name[sr]=Ћирилица\nName[sr@latin]=Latinica\nName[fr]=\nComment=English comment\n"
                             "Comment[de]=Kommentar\nSVG=deck.svg\n[Other Group]\nName=Not this one\n";
    makeDeck(m_folders->systemDecks(), QStringLiteral("svg-deck"), index, QStringLiteral("deck.svg"), syntheticSvg());
    const deck::DesignCatalogue catalogue = deck::scanDesigns(languages);
    QCOMPARE(catalogue.designs.size(), 1);
    QCOMPARE(catalogue.designs.first().name, name);
    QCOMPARE(catalogue.designs.first().comment, comment);
    QCOMPARE(catalogue.designs.first().englishName, QStringLiteral("Deck"));
}

void TestDesignCatalogue::userFolderComesBeforeTheSystems()
{
    makeDeck(m_folders->systemDecks(), QStringLiteral("svg-both"), indexText(QStringLiteral("System"), QStringLiteral("d.svg")),
             QStringLiteral("d.svg"), syntheticSvg());
    makeDeck(m_folders->homeDecks(), QStringLiteral("svg-both"), indexText(QStringLiteral("Mine"), QStringLiteral("d.svg")),
             QStringLiteral("d.svg"), syntheticSvg());
    makeDeck(m_folders->systemDecks(), QStringLiteral("svg-a-system-one"),
             indexText(QStringLiteral("Other"), QStringLiteral("d.svg")), QStringLiteral("d.svg"), syntheticSvg());
    const deck::DesignCatalogue catalogue = deck::scanDesigns(English);
    QCOMPARE(catalogue.designs.size(), 2);
    QCOMPARE(catalogue.designs.at(0).folder, QStringLiteral("svg-a-system-one"));
    QCOMPARE(catalogue.designs.at(1).name, QStringLiteral("Mine"));
    QVERIFY(catalogue.designs.at(1).directory.startsWith(m_folders->homeDecks()));
}

void TestDesignCatalogue::brokenDeckIsLeftOutWithOneLine_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("quick");  // found by the quick catalogue, before the full check
    auto row = [](const char *name, Fault fault, const char *reason, bool quick) {
        QTest::newRow(name) << int(fault) << QString::fromUtf8(reason) << quick;
    };
    row("missing index", Fault::MissingIndex, "its index.desktop is missing", true);
    row("index without its group", Fault::IndexWithoutGroup, "its index.desktop has no [KDE Backdeck] group", true);
    row("index without SVG", Fault::IndexWithoutSvg, "its index.desktop names no SVG file", true);
    row("missing SVG", Fault::MissingSvg, "its SVG file deck.svgz is missing", true);
    row("SVG is a folder", Fault::SvgIsFolder, "its SVG file deck.svgz is not a regular file", true);
    row("unreadable SVG", Fault::UnreadableSvg, "its SVG file deck.svgz cannot be read", true);
    row("not an SVG", Fault::NotSvg, "its SVG file deck.svgz is not an SVG document", true);
    row("huge plain SVG", Fault::HugePlainSvg, "its SVG file deck.svgz is over 50 MB", true);
    // The glance unpacks only the first kilobytes: damage there shows at
    // once, a cut-off end or an excessive length only at the full check.
    row("damaged gzip", Fault::DamagedGzip, "its SVG file deck.svgz is damaged", true);
    row("truncated gzip", Fault::TruncatedGzip, "its SVG file deck.svgz is truncated", false);
    row("gzip bomb", Fault::GzipBomb, "its SVG file deck.svgz is over 50 MB unpacked", false);
    row("malformed XML", Fault::MalformedXml, "its SVG file deck.svgz is not well-formed XML", false);
    row("lacks a face", Fault::LacksOneFace, "its SVG file deck.svgz lacks the card element queen_heart", false);
}

void TestDesignCatalogue::brokenDeckIsLeftOutWithOneLine()
{
    QFETCH(int, fault);
    QFETCH(QString, reason);
    QFETCH(bool, quick);
    makeBrokenDeck(m_folders->homeDecks(), QStringLiteral("svg-broken"), Fault(fault));
    makeDeck(m_folders->homeDecks(), QStringLiteral("svg-good"), indexText(QStringLiteral("Good"), QStringLiteral("g.svg")),
             QStringLiteral("g.svg"), syntheticSvg());
    const QString directory = m_folders->homeDecks() + QStringLiteral("/svg-broken");
    const QString line = QStringLiteral("dealwright: card design %1 left out: %2").arg(directory, reason);

    WarningLog log;
    const deck::DesignCatalogue catalogue = deck::scanDesigns(English);
    QVERIFY(lists(catalogue, QStringLiteral("svg-good")));
    QCOMPARE(lists(catalogue, QStringLiteral("svg-broken")), !quick);
    const deck::DesignCatalogue checked = deck::checkedDesigns(catalogue);
    QVERIFY(lists(checked, QStringLiteral("svg-good")));
    QVERIFY(!lists(checked, QStringLiteral("svg-broken")));
    QCOMPARE(log.lines().size(), 1);
    QVERIFY2(log.lines().first().startsWith(line), qPrintable(log.lines().first()));
    QCOMPARE(checked.problems.size(), 1);
    QVERIFY(checked.problems.first().reason.startsWith(reason));

    // Remembered: later catalogues leave it out at once, without a new line.
    const deck::DesignCatalogue again = deck::scanDesigns(English);
    QVERIFY(!lists(again, QStringLiteral("svg-broken")));
    QVERIFY(!lists(deck::checkedDesigns(again), QStringLiteral("svg-broken")));
    QCOMPARE(log.lines().size(), 1);
}

void TestDesignCatalogue::deckMendedOnDiskIsCheckedAnew()
{
    makeBrokenDeck(m_folders->homeDecks(), QStringLiteral("svg-mended"), Fault::LacksOneFace);
    WarningLog log;
    QVERIFY(deck::checkedDesigns(deck::scanDesigns(English)).designs.isEmpty());
    QCOMPARE(log.lines().size(), 1);
    writeFile(m_folders->homeDecks() + QStringLiteral("/svg-mended/deck.svgz"), gzip(syntheticSvg()));
    const deck::DesignCatalogue catalogue = deck::scanDesigns(English);
    QVERIFY(lists(catalogue, QStringLiteral("svg-mended")));
    QVERIFY(deck::openDesign(catalogue.designs.first()));
}

void TestDesignCatalogue::bombIsRefusedBeforeItsEnd()
{
    // The bomb's second half is cut off: a reader that went on past the
    // limit would find it truncated instead.
    const QByteArray bomb = gzipBomb();
    const deck::SvgText text = deck::unpackSvg(bomb.left(bomb.size() / 2 + 100), QStringLiteral("bomb.svgz"));
    QCOMPARE(text.problem, QStringLiteral("its SVG file bomb.svgz is over 50 MB unpacked"));
    QVERIFY(text.text.isEmpty());
    // Within a lower limit, whole.
    const deck::SvgText small = deck::unpackSvg(gzip(syntheticSvg()), QStringLiteral("small.svgz"), 100000);
    QVERIFY(small.problem.isEmpty());
    QCOMPARE(small.text, syntheticSvg());
    // Two members one after the other make one text.
    const deck::SvgText twice =
        deck::unpackSvg(gzip(syntheticSvg()) + gzip("<!-- more -->"), QStringLiteral("two.svgz"));
    QCOMPARE(twice.text, syntheticSvg() + "<!-- more -->");
}

void TestDesignCatalogue::choosingByName()
{
    makeDeck(m_folders->homeDecks(), QStringLiteral("svg-good"), indexText(QStringLiteral("Good"), QStringLiteral("g.svg")),
             QStringLiteral("g.svg"), syntheticSvg());
    makeBrokenDeck(m_folders->homeDecks(), QStringLiteral("svg-lacking"), Fault::LacksOneFace);
    makeBrokenDeck(m_folders->homeDecks(), QStringLiteral("svg-no-index"), Fault::MissingIndex);
    WarningLog log;
    const deck::DesignCatalogue catalogue = deck::scanDesigns(English);
    for (const QString &builtIn : {QString(), QStringLiteral("dealwright"), QStringLiteral("DealWright")}) {
        const deck::DesignChoice choice = deck::chooseDesign(builtIn, catalogue);
        QCOMPARE(choice.status, deck::DesignChoice::BuiltIn);
        QVERIFY(!choice.design);
    }
    const deck::DesignChoice good = deck::chooseDesign(QStringLiteral("svg-good"), catalogue);
    QCOMPARE(good.status, deck::DesignChoice::Installed);
    QCOMPARE(good.design->info().folder, QStringLiteral("svg-good"));
    // Asked again while in use: the same design, not read anew.
    QCOMPARE(deck::chooseDesign(QStringLiteral("svg-good"), catalogue).design.get(), good.design.get());

    const deck::DesignChoice unknown = deck::chooseDesign(QStringLiteral("svg-nowhere"), catalogue);
    QCOMPARE(unknown.status, deck::DesignChoice::Unknown);
    QCOMPARE(unknown.message, QStringLiteral("no card design \"svg-nowhere\" is installed"));
    const deck::DesignChoice lacking = deck::chooseDesign(QStringLiteral("svg-lacking"), catalogue);
    QCOMPARE(lacking.status, deck::DesignChoice::Unusable);
    QVERIFY2(lacking.message.endsWith(QStringLiteral("lacks the card element queen_heart")), qPrintable(lacking.message));
    const deck::DesignChoice noIndex = deck::chooseDesign(QStringLiteral("svg-no-index"), catalogue);
    QCOMPARE(noIndex.status, deck::DesignChoice::Unusable);
    QVERIFY(noIndex.message.endsWith(QStringLiteral("its index.desktop is missing")));
    QCOMPARE(log.lines().size(), 2);  // the two broken decks, once each
}

void TestDesignCatalogue::storedDesignNoLongerInstalled()
{
    makeDeck(m_folders->homeDecks(), QStringLiteral("svg-good"), indexText(QStringLiteral("Good"), QStringLiteral("g.svg")),
             QStringLiteral("g.svg"), syntheticSvg());
    WarningLog log;
    const deck::DesignCatalogue catalogue = deck::scanDesigns(English);
    QCOMPARE(deck::storedDesign(QStringLiteral("svg-good"), catalogue)->info().folder, QStringLiteral("svg-good"));
    QVERIFY(!deck::storedDesign(QString(), catalogue));
    QVERIFY(log.lines().isEmpty());
    QVERIFY(!deck::storedDesign(QStringLiteral("svg-removed"), catalogue));
    QCOMPARE(log.lines(), QStringList{QStringLiteral(
                              "dealwright: no card design \"svg-removed\" is installed; the built-in cards are shown")});
}

void TestDesignCatalogue::listForTheCommandLine()
{
    makeDeck(m_folders->homeDecks(), QStringLiteral("svg-b"),
             indexText(QStringLiteral("Bee\tDeck"), QStringLiteral("b.svgz"),
                       QStringLiteral("Comment=Two\\nlines\\tand a tab\nComment[de]=Zwei Zeilen\n")),
             QStringLiteral("b.svgz"), gzip(syntheticSvg()));
    makeDeck(m_folders->systemDecks(), QStringLiteral("svg-a"), indexText(QStringLiteral("Ay"), QStringLiteral("a.svg")),
             QStringLiteral("a.svg"), syntheticSvg());
    makeBrokenDeck(m_folders->systemDecks(), QStringLiteral("svg-c"), Fault::TruncatedGzip);
    makeDeck(m_folders->systemDecks(), QStringLiteral("svg-\tcolumn"), indexText(QStringLiteral("Tab"), QStringLiteral("t.svg")),
             QStringLiteral("t.svg"), syntheticSvg());
    WarningLog log;
    const QString text = deck::designListText(deck::checkedDesigns(deck::scanDesigns({QStringLiteral("de-DE")})));
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4);  // three lines and the end of the last
    QVERIFY(lines.at(0).startsWith(QStringLiteral("dealwright\tDealwright\t")));
    QCOMPARE(lines.at(0).count(QLatin1Char('\t')), 2);
    QVERIFY(lines.at(0).size() > QStringLiteral("dealwright\tDealwright\t").size());
    QCOMPARE(lines.at(1), QStringLiteral("svg-a\tAy\t"));
    QCOMPARE(lines.at(2), QStringLiteral("svg-b\tBee Deck\tTwo lines and a tab"));
    QCOMPARE(lines.at(3), QString());
    QCOMPARE(log.lines().size(), 2);
    QCOMPARE(log.linesWith(QStringLiteral("left out: its folder name holds a tab or a line break")).size(), 1);
}

void TestDesignCatalogue::hostileDecksInAChildProcess()
{
    // Every hostile deck at once, read by a child that lists and draws what
    // passes: it must end, by itself and soon, with one line per bad deck.
    const QString root = m_folders->homeDecks();
    makeDeck(root, QStringLiteral("svg-good"), indexText(QStringLiteral("Good"), QStringLiteral("g.svgz")),
             QStringLiteral("g.svgz"), gzip(syntheticSvg()));
    QStringList bad;
    for (Fault fault : {Fault::UnreadableSvg, Fault::TruncatedGzip, Fault::GzipBomb, Fault::DamagedGzip,
                        Fault::LacksOneFace, Fault::NotSvg}) {
        bad << QStringLiteral("svg-bad%1").arg(int(fault));
        makeBrokenDeck(root, bad.last(), fault);
    }
    // A pipe in place of the SVG file: opening it would wait for a writer.
    makeDeck(root, QStringLiteral("svg-pipe"), indexText(QStringLiteral("Pipe"), QStringLiteral("p.svgz")), QString(), QByteArray());
    QCOMPARE(mkfifo(QFile::encodeName(root + QStringLiteral("/svg-pipe/p.svgz")).constData(), 0600), 0);
    bad << QStringLiteral("svg-pipe");
    // References that double their target forty times: 2^40 drawings.
    QByteArray doubling = "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\">"
                          "<g id=\"l0\"><rect width=\"1\" height=\"1\"/></g>";
    for (int level = 1; level <= 40; ++level)
        doubling += QStringLiteral("<g id=\"l%1\"><use xlink:href=\"#l%2\"/><use xlink:href=\"#l%2\"/></g>")
                        .arg(level).arg(level - 1).toUtf8();
    QByteArray faces = syntheticSvg();
    faces.replace("<g id=\"queen_heart\">", "<g id=\"queen_heart\"><use xlink:href=\"#l40\"/>");
    faces.replace("</svg>", doubling.mid(doubling.indexOf("<g id=\"l0\"")) + "</svg>");
    faces.replace("xmlns=\"http://www.w3.org/2000/svg\"",
                  "xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\"");
    makeDeck(root, QStringLiteral("svg-doubling"), indexText(QStringLiteral("Doubling"), QStringLiteral("d.svg")),
             QStringLiteral("d.svg"), faces);
    bad << QStringLiteral("svg-doubling");

    QProcess probe;
    probe.start(QCoreApplication::applicationDirPath() + QStringLiteral("/design_probe"), QStringList());
    QVERIFY2(probe.waitForFinished(120000), "the probe did not end within two minutes");
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), 0);
    const QString out = QString::fromUtf8(probe.readAllStandardOutput());
    QVERIFY2(out.startsWith(QStringLiteral("dealwright\tDealwright\t")), qPrintable(out));
    QVERIFY2(out.endsWith(QStringLiteral("\nsvg-good\tGood\t\ndrawn svg-good\n")), qPrintable(out));
    const QStringList errors = QString::fromUtf8(probe.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList ours = errors.filter(QStringLiteral("dealwright: card design "));
    QCOMPARE(ours.size(), bad.size());
    for (const QString &folder : bad)
        QCOMPARE(ours.filter(QStringLiteral("%1/%2 left out: ").arg(root, folder)).size(), 1);
    QCOMPARE(ours.filter(QStringLiteral("svg-doubling left out: its SVG file d.svg repeats its elements")).size(), 1);
}

QTEST_MAIN(TestDesignCatalogue)
#include "test_design_catalogue.moc"
