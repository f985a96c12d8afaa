// The draw and batch windows fill their boxes and options from the settings
// at load; a stored value they put there is written back only once the user
// changes it, so a value the boxes cannot hold as it is (bytes that are not
// UTF-8, more than a text box takes, data forms) is never damaged by
// opening a window. A value not stored yet is written at load, as always.
#include "batch/BatchWindow.h"
#include "draw/DrawWindow.h"
#include "settings/SettingsStore.h"
#include "shell/ShellHelpers.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace {

using testsupport::control;

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Both windows made and loaded, as the program opens them.
struct Windows {
    testsupport::RecordingNavigator navigator;
    draw::DrawWindow draw{navigator};
    batch::BatchWindow batch{navigator};
    Windows()
    {
        draw.load();
        batch.load();
    }
};

QByteArray randomValue(QRandomGenerator &random)
{
    static const QList<QByteArray> starts = {"", "\xEF\xBB\xBF", "\xEF\xBB\xBF@Variant(", "@Variant(", "@ByteArray(", "\""};
    QByteArray value = starts[random.bounded(starts.size())];
    for (int length = random.bounded(30); length > 0; --length) {
        const char c = char(random.bounded(1, 256));
        value += (c == '\n' || c == '\r') ? 'n' : c;
    }
    return value;
}

} // namespace

class TestStoredValues : public QObject {
    Q_OBJECT
private slots:
    void openingTheWindowsChangesNoStoredByte_data()
    {
        QTest::addColumn<QByteArray>("text2");
        QTest::addColumn<QByteArray>("numberOfCards");
        QTest::addColumn<QByteArray>("options");  // Option1, Option2
        QTest::newRow("a folder named in Latin-1") << QByteArray("/home/ana/Gr\xfc\xdf" "e/") << QByteArray("12")
                                                   << QByteArray("1,0");
        QTest::newRow("longer than a text box holds") << "/" + QByteArray(40000, 'a') << QByteArray("52")
                                                      << QByteArray("0,1");
        QTest::newRow("a byte array with a byte that is no text") << QByteArray("@ByteArray(/tmp/\xff)")
                                                                  << QByteArray("\xbd") << QByteArray("True,False");
        QTest::newRow("a byte order mark") << QByteArray("\xEF\xBB\xBF/tmp/x/") << QByteArray("\xEF\xBB\xBF" "7")
                                           << QByteArray("-1,0");
        QTest::newRow("data after a byte order mark")
            << QByteArray("\xEF\xBB\xBF@Variant(\\0\\0\\0\\n\\0\\0\\0\\x2\\0x)")
            << QByteArray("@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)") << QByteArray("yes,no");
        QTest::newRow("quoted, with escapes") << QByteArray("\" /a, b;c \\x41\"  ; note") << QByteArray("  5  ")
                                              << QByteArray("\"True\",FALSE");
    }

    void openingTheWindowsChangesNoStoredByte()
    {
        QFETCH(QByteArray, text2);
        QFETCH(QByteArray, numberOfCards);
        QFETCH(QByteArray, options);
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        const QList<QByteArray> option = options.split(',');
        const QByteArray file = "; mine\n[Dealwright]\nText2=" + text2 + "\nNumber Of Cards=" + numberOfCards
            + "\nOption1=" + option[0] + "\nOption2=" + option[1] + "\n";
        writeFile(config.settingsFile(), file);
        const QString shown = settings::read(settings::keys::Text2, QString()).left(32767);
        {
            Windows windows;
            QCOMPARE(control<QLineEdit>(&windows.draw, "Text2")->text(), shown);
            QCOMPARE(control<QLineEdit>(&windows.batch, "Text2")->text(), shown);
        }
        QCOMPARE(bytesOf(config.settingsFile()), file);
    }

    void randomStoredBytesStayAsTheyAre()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        QRandomGenerator random(31);
        for (int round = 0; round < 100; ++round) {
            const QByteArray file = "[Dealwright]\nText2=" + randomValue(random) + "\nNumber%20Of%20Cards="
                + randomValue(random) + "\nOption1=" + randomValue(random) + "\nOption2=" + randomValue(random) + "\n";
            writeFile(config.settingsFile(), file);
            { Windows windows; }
            QCOMPARE(bytesOf(config.settingsFile()), file);
        }
    }

    // What is not stored yet comes into being at the load; what the user
    // changes afterwards is stored at once.
    void missingValuesAreStoredAndChangesAreStoredAtOnce()
    {
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        writeFile(config.settingsFile(), "[Dealwright]\nText2=/cards/\n");
        Windows windows;
        QCOMPARE(settings::read(settings::keys::NumberOfCards, QString()), QStringLiteral("52"));
        QCOMPARE(settings::read(settings::keys::Option1, QString()), QStringLiteral("True"));
        QCOMPARE(settings::read(settings::keys::Option2, QString()), QStringLiteral("False"));
        QCOMPARE(settings::read(settings::keys::Text2, QString()), QStringLiteral("/cards/"));
        QTest::keyClicks(control<QLineEdit>(&windows.batch, "Text2"), QStringLiteral("x"));
        QCOMPARE(settings::read(settings::keys::Text2, QString()), QStringLiteral("/cards/x"));
        QTest::keyClicks(control<QLineEdit>(&windows.batch, "Text1"), QStringLiteral("3"));
        QCOMPARE(settings::read(settings::keys::NumberOfCards, QString()), QStringLiteral("523"));
        control<QRadioButton>(&windows.draw, "Option2")->click();
        QCOMPARE(settings::read(settings::keys::Option1, QString()), QStringLiteral("False"));
        QCOMPARE(settings::read(settings::keys::Option2, QString()), QStringLiteral("True"));
    }
};

QTEST_MAIN(TestStoredValues)
#include "test_stored_values.moc"
