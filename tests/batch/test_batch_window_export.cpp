// Saving card pictures from the batch window's buttons and the draw
// window's "Save Card As Image", and choosing the folder with "...".
#include "BmpCheck.h"
#include "BatchWindowFixture.h"
#include "batch/CardExport.h"
#include "batch/Generation.h"
#include "shell/ShellHelpers.h"
#include "deck/PictureSet.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using batchtest::compareBitmapFile;
using batchtest::BatchWindowFixture;

namespace {

const QString Done = QStringLiteral("Done.");
const QString NoFolder = QStringLiteral("Folder does not exist. Please select another folder.");

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList bmpNames(const QStringList &entries)
{
    QStringList names;
    for (const QString &entry : entries)
        names.append(entry + QStringLiteral(".bmp"));
    return sorted(names);
}

// "" when every entry's file ("Card N.bmp") holds that entry's card.
QString checkFiles(const QString &folder, const QList<int> &cards)
{
    for (const int card : cards) {
        const QString problem = compareBitmapFile(folder + QStringLiteral("/") + batch::entryFileName(card) + QStringLiteral(".bmp"),
                                                  deck::PictureSet::instance().card(card));
        if (!problem.isEmpty())
            return problem;
    }
    return QString();
}

} // namespace

class TestBatchWindowExport : public QObject {
    Q_OBJECT
private slots:
    void threeEntriesWithAndWithoutSeparator_data()
    {
        QTest::addColumn<bool>("separator");
        QTest::newRow("with separator") << true;
        QTest::newRow("without separator") << false;
    }

    void threeEntriesWithAndWithoutSeparator()
    {
        QFETCH(bool, separator);
        BatchWindowFixture f;
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkdir(folder));
        f.open();
        f.text2()->setText(separator ? folder + QDir::separator() : folder);
        f.generate(QStringLiteral("3"));
        f.click("PushButton1");
        QCOMPARE(f.messages(), QStringList{Done});
        QCOMPARE(f.platform.messages.shown.first().caption, shell::appTitle());
        QCOMPARE(filesIn(folder), bmpNames(f.entries()));
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("out")});  // nothing beside the folder
        QCOMPARE(checkFiles(folder, f.cards()), QString());
        // Each file holds what clicking its entry previews.
        for (int i = 0; i < 3; ++i) {
            f.clickEntry(f.list()->topLevelItem(i));
            QCOMPARE(f.deck1()->Picture(), deck::PictureSet::instance().card(f.cards().at(i)));
        }
    }

    void savingTwiceReplaces()
    {
        BatchWindowFixture f;
        QTemporaryDir dir;
        f.open();
        f.text2()->setText(dir.path());
        f.generate(QStringLiteral("4"));
        f.click("PushButton1");
        QFile spoiled(dir.filePath(f.entries().at(1) + QStringLiteral(".bmp")));
        QVERIFY(spoiled.open(QIODevice::WriteOnly | QIODevice::Truncate));
        spoiled.write("not a card");
        spoiled.close();
        f.click("PushButton1");
        QCOMPARE(f.messages(), (QStringList{Done, Done}));
        QCOMPARE(filesIn(dir.path()), bmpNames(f.entries()));
        QCOMPARE(checkFiles(dir.path(), f.cards()), QString());
    }

    void folderThatIsNoFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("empty text") << QString();
        QTest::newRow("a file's path") << QStringLiteral("file.txt");
        QTest::newRow("a missing folder") << QStringLiteral("missing/");
    }

    void folderThatIsNoFolder()
    {
        QFETCH(QString, folder);
        BatchWindowFixture f;
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("file.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        f.open();
        f.text2()->setText(folder.isEmpty() ? folder : dir.filePath(folder));
        f.generate(QStringLiteral("3"));
        f.click("PushButton1");
        f.click("PushButton3");
        batch::saveDrawnCard(deck::PictureSet::instance().back(0), 0, f.text2()->text());
        QCOMPARE(f.messages(), (QStringList{NoFolder, NoFolder, NoFolder}));
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("file.txt")});
        QCOMPARE(file.size(), 0);
    }

    void saveAllRightAfterAGeneration()
    {
        BatchWindowFixture f;
        QTemporaryDir dir;
        f.open();
        f.text2()->setText(dir.path() + QDir::separator());
        f.generate(QStringLiteral("52"));
        f.click("PushButton1");
        QCOMPARE(f.messages(), QStringList{Done});
        QCOMPARE(filesIn(dir.path()).size(), 52);
        QCOMPARE(checkFiles(dir.path(), f.cards()), QString());
        QCOMPARE(f.selectedEntries(), QStringList{f.entries().first()});
        // With another entry selected, that entry is selected again at the end.
        f.clickEntry(f.list()->topLevelItem(9));
        f.click("PushButton1");
        QCOMPARE(f.selectedEntries(), QStringList{f.entries().at(9)});
        QVERIFY(f.control<deck::CardImage>("Image1")->accessibleName() == deck::cardName(f.cards().at(9)));
    }

    void saveSelected()
    {
        BatchWindowFixture f;
        QTemporaryDir dir;
        f.open();
        f.text2()->setText(dir.path());
        f.generate(QStringLiteral("52"));
        // Right after the generation the first entry is the selected one.
        f.click("PushButton3");
        QCOMPARE(f.messages(), QStringList{Done});
        QCOMPARE(filesIn(dir.path()), bmpNames({f.entries().first()}));
        QCOMPARE(checkFiles(dir.path(), {f.cards().first()}), QString());
        // Entry 52 is written with card 51.
        f.clickEntry(f.entry(QStringLiteral("Card 52")));
        f.click("PushButton3");
        QCOMPARE(compareBitmapFile(dir.filePath(QStringLiteral("Card 52.bmp")), deck::PictureSet::instance().card(51)), QString());
        // No entry selected.
        f.list()->clearSelection();
        f.platform.messages.clear();
        const QStringList before = filesIn(dir.path());
        f.click("PushButton3");
        QCOMPARE(f.messages(), QStringList{QStringLiteral("No card selected.")});
        QCOMPARE(filesIn(dir.path()), before);
        // Save all with nothing selected selects nothing again.
        f.click("PushButton1");
        QCOMPARE(f.messages().last(), Done);
        QVERIFY(f.selectedEntries().isEmpty());
    }

    void emptyListSavesNothing()
    {
        BatchWindowFixture f;
        QTemporaryDir dir;
        f.open();
        f.text2()->setText(dir.path());
        f.click("PushButton1");
        f.click("PushButton3");
        f.generate(QStringLiteral("0"));
        f.click("PushButton1");
        f.click("PushButton3");
        QVERIFY(f.messages().isEmpty());
        QVERIFY(filesIn(dir.path()).isEmpty());
    }

    void browseForTheFolder()
    {
        BatchWindowFixture f;
        QTemporaryDir last;
        settings::write(settings::keys::LastFolderDot, last.path());
        f.open();
        const QString before = f.text2()->text();
        // Cancel changes nothing.
        f.click("PushButton9");
        QCOMPARE(f.platform.folders.calls.size(), 1);
        QCOMPARE(f.platform.folders.calls[0].owner, static_cast<QWidget *>(f.form.get()));
        QCOMPARE(f.platform.folders.calls[0].title, QStringLiteral("Please select folder:"));
        QCOMPARE(f.platform.folders.calls[0].startFolder, last.path());
        QCOMPARE(f.text2()->text(), before);
        QCOMPARE(settings::read(settings::keys::LastFolderDot, QString()), last.path());
        QCOMPARE(settings::read(settings::keys::Text2, QString()), before);
        // A folder gets its separator, and is where the next browse starts.
        f.platform.folders.answers = QStringList{QStringLiteral("/data/cards"), QStringLiteral("/")};
        f.click("PushButton9");
        QCOMPARE(f.text2()->text(), QStringLiteral("/data/cards") + QDir::separator());
        QCOMPARE(settings::read(settings::keys::Text2, QString()), QStringLiteral("/data/cards") + QDir::separator());
        QCOMPARE(settings::read(settings::keys::LastFolderDot, QString()), QStringLiteral("/data/cards"));
        // The last folder browsed is gone: the picker starts at the box's
        // folder. The root folder already ends with its separator.
        f.click("PushButton9");
        QCOMPARE(f.platform.folders.calls.last().startFolder, QStringLiteral("/data/cards") + QDir::separator());
        QCOMPARE(f.text2()->text(), QStringLiteral("/"));
        QCOMPARE(settings::read(settings::keys::LastFolderDot, QString()), QStringLiteral("/"));
        QVERIFY(f.messages().isEmpty());
    }

    void folderBoxIsStoredOnEveryChange()
    {
        BatchWindowFixture f;
        f.open();
        QStringList stored;
        QObject::connect(f.text2(), &QLineEdit::textChanged, [&] { stored.append(settings::read(settings::keys::Text2, QStringLiteral("?"))); });
        f.text2()->setFocus();
        f.text2()->selectAll();
        QTest::keyClicks(f.text2(), QStringLiteral("/ab"));
        QCOMPARE(stored, (QStringList{"/", "/a", "/ab"}));
        f.text2()->clear();
        QCOMPARE(settings::read(settings::keys::Text2, QStringLiteral("?")), QString());
        // The next load shows the empty box, not the desktop folder.
        f.form.reset();
        f.open();
        QCOMPARE(f.text2()->text(), QString());
    }

    void drawWindowSavesItsCard()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        QTemporaryDir dir;
        const deck::PictureSet &set = deck::PictureSet::instance();
        // Before any draw: back 0 as "Card 0.bmp".
        batch::saveDrawnCard(set.back(0), 0, dir.path());
        QCOMPARE(compareBitmapFile(dir.filePath(QStringLiteral("Card 0.bmp")), set.back(0)), QString());
        // The same count twice: the second replaces the first.
        batch::saveDrawnCard(set.card(20), 7, dir.path() + QDir::separator());
        batch::saveDrawnCard(set.card(33), 7, dir.path());
        QCOMPARE(compareBitmapFile(dir.filePath(QStringLiteral("Card 7.bmp")), set.card(33)), QString());
        // Putting back: the number goes on past 52.
        batch::saveDrawnCard(set.card(5), 53, dir.path());
        batch::saveDrawnCard(set.card(6), 120, dir.path());
        QCOMPARE(compareBitmapFile(dir.filePath(QStringLiteral("Card 120.bmp")), set.card(6)), QString());
        QCOMPARE(filesIn(dir.path()), (QStringList{"Card 0.bmp", "Card 120.bmp", "Card 53.bmp", "Card 7.bmp"}));
        QCOMPARE(platform.messages.texts(), QStringList(5, Done));
        // A failed write: the report with the step and the system's words, no "Done.".
        platform.messages.clear();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Card 9.bmp")));
        batch::saveDrawnCard(set.card(1), 9, dir.path());
        QCOMPARE(platform.messages.shown.size(), 1);
        QCOMPARE(platform.messages.reports(),
                 QList<shell::ReportOrigin>({shell::ReportOrigin{shell::Location::DrawWindowSaveCard, 108}}));
        const shell::Message report = platform.messages.shown.first();
        QVERIFY2(report.text.contains(QStringLiteral("Card 9.bmp: ")), qPrintable(report.text));
    }

    void failedFilesAreReportedOneByOne()
    {
        BatchWindowFixture f;
        QTemporaryDir dir;
        f.open();
        f.text2()->setText(dir.path());
        f.generate(QStringLiteral("5"));
        // Two entries' names are taken by folders.
        const QStringList entries = f.entries();
        QVERIFY(QDir(dir.path()).mkdir(entries.at(1) + QStringLiteral(".bmp")));
        QVERIFY(QDir(dir.path()).mkdir(entries.at(3) + QStringLiteral(".bmp")));
        f.click("PushButton1");
        QCOMPARE(f.messages().size(), 2);
        QCOMPARE(f.reports(), 2);
        QVERIFY(f.messages().at(0).contains(entries.at(1) + QStringLiteral(".bmp: ")));
        QVERIFY(f.messages().at(1).contains(entries.at(3) + QStringLiteral(".bmp: ")));
        QCOMPARE(f.platform.messages.reports(),
                 QList<shell::ReportOrigin>({shell::ReportOrigin{shell::Location::BatchWindowSaveAll, 110},
                                             shell::ReportOrigin{shell::Location::BatchWindowSaveAll, 110}}));
        QVERIFY(!f.messages().contains(Done));
        QCOMPARE(checkFiles(dir.path(), {f.cards().at(0), f.cards().at(2), f.cards().at(4)}), QString());
        QCOMPARE(filesIn(dir.path()), bmpNames(entries));
        // Save selected on a failing entry: the report, no "Done.".
        f.platform.messages.clear();
        f.clickEntry(f.list()->topLevelItem(3));
        f.click("PushButton3");
        QCOMPARE(f.reports(), 1);
        QCOMPARE(f.messages().size(), 1);
        QCOMPARE(f.platform.messages.reports(),
                 QList<shell::ReportOrigin>({shell::ReportOrigin{shell::Location::BatchWindowSaveSelected, 112}}));
    }

    void fullDiskKeepsTheOldFiles()
    {
        BatchWindowFixture f;
        QTemporaryDir dir;
        f.open();
        f.text2()->setText(dir.path());
        f.generate(QStringLiteral("3"));
        const QStringList entries = f.entries();
        QFile old(dir.filePath(entries.at(0) + QStringLiteral(".bmp")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the card of an earlier batch");
        old.close();
        struct rlimit saved;
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = saved;
        limit.rlim_cur = 4000;  // a card file is 7990 bytes
        setrlimit(RLIMIT_FSIZE, &limit);
        f.click("PushButton1");
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(f.reports(), 3);
        QCOMPARE(f.messages().size(), 3);
        for (const QString &text : f.messages())
            QVERIFY2(text.contains(QStringLiteral("File too large")), qPrintable(text));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the card of an earlier batch"));
        QCOMPARE(filesIn(dir.path()), QStringList{entries.at(0) + QStringLiteral(".bmp")});
    }

    void folderRemovedDuringTheSave()
    {
        BatchWindowFixture f;
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkdir(folder));
        f.open();
        f.text2()->setText(folder);
        f.generate(QStringLiteral("4"));
        // After the check and the first file, the folder goes away.
        int cardsSet = 0;
        QObject::connect(f.deck1(), &deck::CardFaceControl::ChangeCardChanged, [&] {
            if (++cardsSet == 2)
                QVERIFY(QDir().rename(folder, dir.filePath(QStringLiteral("moved"))));
        });
        f.click("PushButton1");
        QCOMPARE(f.reports(), 3);
        QCOMPARE(f.messages().size(), 3);
        for (const QString &text : f.messages())
            QVERIFY2(text.contains(QStringLiteral("No such file or directory")), qPrintable(text));
        const QString moved = dir.filePath(QStringLiteral("moved"));
        QCOMPARE(filesIn(moved), bmpNames({f.entries().first()}));
        QCOMPARE(checkFiles(moved, {f.cards().first()}), QString());
        QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("moved")});
    }
};

QTEST_MAIN(TestBatchWindowExport)
#include "test_batch_window_export.moc"
