// Folders, existence tests, the look of the windows, the application
// title, the web-site visit, twips and the pointer feedback.
#include "shell/ErrorReport.h"
#include "shell/KeyboardMoves.h"
#include "shell/WindowPlace.h"
#include "shell/Failure.h"
#include "shell/Platform.h"
#include "shell/Pointer.h"
#include "shell/PngRead.h"
#include "shell/ShellHelpers.h"
#include "shell/Twips.h"
#include "support/TestPlatform.h"

#include <QtTest>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace shell;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Points the program folder at a temporary folder for one test.
struct ProgramDir {
    QTemporaryDir dir;
    QByteArray saved = qgetenv("DEALWRIGHT_PROGRAM_DIR");
    ProgramDir() { qputenv("DEALWRIGHT_PROGRAM_DIR", dir.path().toLocal8Bit()); }
    ~ProgramDir() { qputenv("DEALWRIGHT_PROGRAM_DIR", saved); }
};

} // namespace

class TestShellHelpers : public QObject {
    Q_OBJECT
private slots:
    void desktopFolderHasExactlyOneTrailingSeparator()
    {
        testsupport::TempConfig config;
        const QString desktop = config.path() + QStringLiteral("/My Desk");
        QVERIFY(QDir().mkpath(desktop));
        writeFile(config.path() + QStringLiteral("/user-dirs.dirs"),
                  QByteArray("XDG_DESKTOP_DIR=\"") + desktop.toUtf8() + "//\"\n");
        QCOMPARE(desktopFolder(), desktop + QLatin1Char('/'));
        QVERIFY(!desktopFolder().endsWith(QLatin1String("//")));
    }

    void homeStandsInForAMissingDesktop()
    {
        testsupport::TempConfig config;
        QTemporaryDir home;
        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        writeFile(config.path() + QStringLiteral("/user-dirs.dirs"), "XDG_DESKTOP_DIR=\"$HOME/Nowhere\"\n");
        const QString folder = desktopFolder();
        qputenv("HOME", savedHome);
        QCOMPARE(folder, home.path() + QLatin1Char('/'));
    }

    void existenceTests()
    {
        QTemporaryDir dir;
        const QString file = dir.path() + QStringLiteral("/a file.txt");
        writeFile(file, "x");
        QVERIFY(fileExists(file));
        QVERIFY(fileExists(dir.path()));
        QVERIFY(!fileExists(dir.path() + QStringLiteral("/missing")));
        QVERIFY(!fileExists(QString()));
        QCOMPARE(isFolder(dir.path()), std::optional<bool>(true));
        QCOMPARE(isFolder(file), std::optional<bool>(false));
        QCOMPARE(isFolder(dir.path() + QStringLiteral("/missing")), std::nullopt);
        QCOMPARE(isFolder(file + QStringLiteral("/below a file")), std::nullopt);
        QCOMPARE(isFolder(QString()), std::nullopt);
        QCOMPARE(isFolder(QStringLiteral("/proc/self")), std::optional<bool>(true));
    }

    void folderDialogRules()
    {
        QTemporaryDir dir;
        const QString file = dir.path() + QStringLiteral("/f");
        writeFile(file, "x");
        QCOMPARE(pickerStartFolder(QString()), QString());
        QCOMPARE(pickerStartFolder(dir.path() + QStringLiteral("/gone")), QString());
        QCOMPARE(pickerStartFolder(file), QString());
        QCOMPARE(pickerStartFolder(dir.path() + QLatin1Char('/')), dir.path());
        QCOMPARE(pickedFolderPath(QString()), QString());
        QCOMPARE(pickedFolderPath(QStringLiteral("/")), QStringLiteral("/"));
        QCOMPARE(pickedFolderPath(QStringLiteral("/tmp/")), QStringLiteral("/tmp"));
        QCOMPARE(pickedFolderPath(QStringLiteral("/tmp//cards/")), QStringLiteral("/tmp/cards"));
        QCOMPARE(pickedFolderPath(QStringLiteral("/home/ana/My Cards")), QStringLiteral("/home/ana/My Cards"));
    }

    void appTitleCutRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("one word") << "Dealwright" << "Dealwright";
        QTest::newRow("two words") << "Deal Wright" << "Deal";
        QTest::newRow("three words") << "Card Dealer Pro" << "Card Dealer";
        QTest::newRow("long") << "Alpha Beta Gamma Delta Epsilon Zeta Eta Theta Iota"
                              << "Alpha Beta Gamma Delta Epsilon Zeta Eta";
        QTest::newRow("long without blanks") << QString(50, QLatin1Char('x')) << QString(50, QLatin1Char('x'));
        QTest::newRow("empty") << "" << "";
    }
    void appTitleCutRule()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QCOMPARE(appTitleFor(name), title);
    }

    void setAppTitleNamesTheApplication()
    {
        setAppTitle(QStringLiteral("Deal Wright"));
        QCOMPARE(appTitle(), QStringLiteral("Deal"));
        // Not Qt's display name, which the window system would append to
        // the "Application Error" caption.
        QVERIFY(QGuiApplication::applicationDisplayName() != QLatin1String("Deal"));
        setAppTitle();
        QCOMPARE(appTitle(), QStringLiteral("Dealwright"));
    }

    void skinIsAppliedOnlyWhenTheFileIsThere()
    {
        ProgramDir program;
        QWidget missing;
        applySkin(&missing);
        QVERIFY(missing.styleSheet().isEmpty());

        QDir().mkpath(program.dir.path() + QStringLiteral("/x/o.cjs"));  // a folder, not a skin
        QWidget folder;
        applySkin(&folder);
        QVERIFY(folder.styleSheet().isEmpty());
        QDir(program.dir.path() + QStringLiteral("/x/o.cjs")).removeRecursively();

        writeFile(program.dir.path() + QStringLiteral("/x/o.cjs"), "QWidget { color: #123456; }");
        QWidget skinned;
        applySkin(&skinned);
        QCOMPARE(skinned.styleSheet(), QStringLiteral("QWidget { color: #123456; }"));
        QCOMPARE(programFilePath(QStringLiteral("x/o.cjs")), program.dir.path() + QStringLiteral("/x/o.cjs"));
    }

    void windowColoursReachTheRightControls()
    {
        QWidget window;
        auto *label = new QLabel(QStringLiteral("Cards drawn: 0"), &window);
        // A label that shows a picture (the card face control's icon) keeps
        // its own background.
        auto *image = new QLabel(&window);
        image->setPixmap(QPixmap(4, 4));
        auto *frame = new QGroupBox(QStringLiteral("Card Area"), &window);
        auto *option = new QRadioButton(frame);
        auto *check = new QCheckBox(&window);
        auto *button = new QPushButton(&window);
        applyWindowColours(&window);
        const QColor face = QApplication::palette().color(QPalette::Button);
        for (QWidget *w : std::initializer_list<QWidget *>{&window, label, frame, option, check}) {
            QCOMPARE(w->palette().color(QPalette::Window), face);
            QVERIFY(w->autoFillBackground());
        }
        QVERIFY(!image->autoFillBackground());
        QVERIFY(!button->autoFillBackground());
    }

    void theWebSiteOpensOnAboutOneStartInAHundred()
    {
        testsupport::TestPlatform p;
        p.clock.running = true;
        int opened = 0;
        for (int i = 0; i < 20000; ++i)
            opened += maybeOpenWebSite();
        QCOMPARE(p.web.opened.size(), opened);
        QVERIFY2(opened > 140 && opened < 260, qPrintable(QString::number(opened)));
        QCOMPARE(p.web.opened.first(), QUrl(QString::fromLatin1(WebSiteAddress)));
        QVERIFY(p.web.opened.first().host().endsWith(QLatin1String(".example")));
    }

    void twipsBecomePixelsByTheScreensDpi()
    {
        QWidget window;
        QCOMPARE(twipsPerPixel(&window), 15.0);
        auto *child = new QLabel(&window);
        setTwipsGeometry(child, TwipsRect{1800, 300, 1065, 1440});
        QCOMPARE(child->geometry(), QRect(120, 20, 71, 96));
        setTwipsLeft(child, 2013);  // not a whole number of pixels: the twips stay exact
        QCOMPARE(twipsGeometry(child).left, 2013);
        QCOMPARE(child->x(), 134);
        setClientSizeTwips(&window, 8280, 6960);
        QCOMPARE(window.size(), QSize(552, 464));
    }

    void pointerFeedbackLeavesTheHourglassAlone()
    {
        QWidget window;
        window.resize(300, 200);
        auto *button = new QPushButton(QStringLiteral("Reset"), &window);
        button->setGeometry(10, 10, 100, 30);
        auto *frame = new QGroupBox(&window);
        frame->setGeometry(10, 100, 200, 80);
        PointerFeedback feedback(&window);
        feedback.addHandArea(button);
        feedback.addDefaultArea(frame);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mouseMove(button, QPoint(20, 10));
        QTRY_COMPARE(feedback.style(), int(PointerCustom));
        QTest::mouseMove(&window, QPoint(250, 50));
        QTRY_COMPARE(feedback.style(), int(PointerDefault));
        QTest::mouseMove(button, QPoint(30, 12));
        QTRY_COMPARE(feedback.style(), int(PointerCustom));
        QTest::mouseMove(frame, QPoint(50, 40));
        QTRY_COMPARE(feedback.style(), int(PointerDefault));

        feedback.setStyle(PointerHourglass);
        QCOMPARE(window.cursor().shape(), Qt::WaitCursor);
        QTest::mouseMove(button, QPoint(40, 15));
        QTest::mouseMove(&window, QPoint(260, 60));
        QCOMPARE(feedback.style(), int(PointerHourglass));
        QVERIFY(!loadCursorFile(QStringLiteral("/nonexistent/HAND-M.CUR")).has_value());
    }

    // The window icon is decoded with libpng, not Qt's reader: every pixel,
    // its alpha included, must come out as Qt's own decoder gives it, and
    // the icon must hold each of its sizes.
    void windowIconIsDecodedExactly()
    {
        for (int size : {16, 32, 48}) {
            QFile file(QStringLiteral(":/dealwright/icon/dealwright-%1.png").arg(size));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray png = file.readAll();
            const QImage ours = decodePng(png).convertToFormat(QImage::Format_ARGB32);
            const QImage qts = QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(ours.size(), QSize(size, size));
            QCOMPARE(ours, qts);
            QVERIFY(ours.pixelColor(0, 0).alpha() < 255);  // the rounded corner
            QVERIFY(programIcon().availableSizes().contains(QSize(size, size)));
        }
        QVERIFY(decodePng(QByteArray("not a picture")).isNull());
        QFile file(QStringLiteral(":/dealwright/icon/dealwright-16.png"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(decodePng(file.readAll().chopped(40)).isNull());  // cut off
    }

    // The arrow keys' rule: the nearest control lying wholly that way, the
    // distance across counting double; nothing when none lies that way.
    // (The batch window: Start, the count box above it, the list and the
    // preview's frame below, the save buttons further down.)
    void arrowsGoToTheNearestControlThatWay()
    {
        const QRect start(8, 104, 524, 30);
        const QList<QRect> others{{16, 68, 508, 21},    // count box, above
                                  {8, 142, 260, 160},   // list, below on the left
                                  {276, 142, 256, 160}, // frame, below on the right
                                  {8, 368, 260, 30},    // "Save All", far below
                                  {540, 104, 40, 30}};  // something to the right
        QCOMPARE(nearestInDirection(start, others, Direction::Up), 0);
        QCOMPARE(nearestInDirection(start, others, Direction::Down), 1);
        QCOMPARE(nearestInDirection(start, others, Direction::Right), 4);
        QCOMPARE(nearestInDirection(start, others, Direction::Left), -1);
        // Across counts: of two at the same gap, the one in line wins.
        const QRect button(100, 100, 40, 20);
        QCOMPARE(nearestInDirection(button, {{300, 130, 40, 20}, {100, 130, 40, 20}}, Direction::Down), 1);
        // Overlapping is not "that way".
        QCOMPARE(nearestInDirection(button, {{110, 110, 40, 40}}, Direction::Down), -1);
    }

    void aWindowIsCentredInTheAvailableArea()
    {
        QCOMPARE(centredPosition(QRect(0, 0, 1280, 1024), QSize(536, 76)), QPoint(372, 474));
        QCOMPARE(centredPosition(QRect(1920, 30, 1920, 1050), QSize(540, 440)), QPoint(2610, 335));
    }
};

QTEST_MAIN(TestShellHelpers)
#include "test_shell_helpers.moc"
