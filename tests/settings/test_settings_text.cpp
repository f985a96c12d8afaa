// The settings file's text: a write changes its key's line and no other
// byte; values of every shape come back as written; files QSettings wrote
// (the program's store until now) read as QSettings read them; hand-edited
// lines read sensibly.
#include "SettingsTestSupport.h"
#include "settings/SettingsStore.h"
#include "support/TestPlatform.h"

#include <QDateTime>
#include <QSettings>
#include <QtTest>

using namespace shell;
using namespace settings;
using namespace settingstest;

namespace {

QList<QString> shapes()
{
    return {QString(), QStringLiteral(" "), QStringLiteral("a,b"), QStringLiteral("say \"hi\""), QStringLiteral(" lead"),
            QStringLiteral("trail "), QStringLiteral("a;b"), QStringLiteral("#x"), QStringLiteral("a=b"),
            QStringLiteral("C:\\dir\\"), QStringLiteral("l1\nl2\r\n"), QStringLiteral("t\tab\t"), QStringLiteral("@"),
            QStringLiteral("@at"), QStringLiteral("@@two"), QStringLiteral("@ByteArray(x)"), QStringLiteral("@Invalid()"),
            QStringLiteral("@String(x)"), QStringLiteral("[Dealwright]"), QStringLiteral("%20\\x41"),
            QStringLiteral("ü ö € 😀"), QString(QChar(0)) + QStringLiteral("0abc"), QStringLiteral("\x01" "f\x1b[0m"),
            QStringLiteral("\a\b\f\v\x7f"), QStringLiteral("\"unclosed")};
}

} // namespace

class TestSettingsText : public QObject {
    Q_OBJECT
private slots:
    void aWriteChangesOnlyItsKeysLine()
    {
        testsupport::TempConfig config;
        const QString file = config.settingsFile();
        QVERIFY(writeBytes(file, "; Marrowfen settings\r\n"
                                 "# kept by hand\n"
                                 "\n"
                                 "[Other]\n"
                                 "list=a,b\n"
                                 "Text2=not ours\n"
                                 "\n"
                                 "[dealwright]   ; the program's own\r\n"
                                 "  Option1 = True  \r\n"
                                 "form3start=3\n"
                                 "this line is no setting\n"
                                 "[Dealwright\n"
                                 "Text2 = \"/home/ana/My Cards, old\"   \n"
                                 "Option2=\"False\n"
                                 "number%20of%20cards=7\n"
                                 "Caption=\xE9t\xE9\n"
                                 "FORM3START=9\n"
                                 "\n"
                                 "[Third]\n"
                                 "k=v"));
        QCOMPARE(settings::read(keys::Form3Start, 0), QStringLiteral("3"));
        QCOMPARE(settings::read(keys::Option1, 0), QStringLiteral("True"));
        QCOMPARE(settings::read(keys::Option2, 0), QStringLiteral("False"));
        QCOMPARE(settings::read(keys::Text2, 0), QStringLiteral("/home/ana/My Cards, old"));
        QCOMPARE(settings::read(keys::NumberOfCards, 0), QStringLiteral("7"));

        struct Write {
            QString key;
            QByteArray line;  // the key's first line; for a new key, the line it follows, with its ending
            QString value;
        };
        const QList<Write> writes = {
            {keys::Form3Start, "form3start=3", QStringLiteral("2")},
            {keys::Option1, "  Option1 = True  ", QStringLiteral("False")},
            {keys::Option2, "Option2=\"False", QStringLiteral("True")},
            {keys::Text2, "Text2 = \"/home/ana/My Cards, old\"   ", QStringLiteral(" /new, \"x\";#=\\ ")},
            {keys::NumberOfCards, "number%20of%20cards=7", QStringLiteral("52")},
            {keys::LastFolderDot, "FORM3START=9\n", QStringLiteral("/home/ana")},
        };
        for (const Write &w : writes) {
            const QByteArray before = bytesOf(file);
            settings::write(w.key, w.value);
            const QByteArray after = bytesOf(file);
            const bool added = w.line.endsWith('\n');
            const qsizetype begin = before.indexOf("\n" + w.line) + 1 + (added ? w.line.size() : 0);
            const qsizetype end = added ? begin : begin + w.line.size();
            QCOMPARE(after.left(begin), before.left(begin));
            QCOMPARE(after.mid(after.size() - (before.size() - end)), before.mid(end));
            const QByteArray written = after.mid(begin, after.size() - before.size() + end - begin);
            QVERIFY2(written.startsWith(w.key.toUtf8() + '='), written.constData());
            QCOMPARE(written.count('\n') + written.count('\r'), added ? 1 : 0);
            QCOMPARE(settings::read(w.key, QString()), w.value);
        }
    }

    void aMissingSectionIsAddedAtTheEnd_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("no final newline") << QByteArray("[Other]\nk=v");
        QTest::newRow("CRLF lines") << QByteArray("; mine\r\n[Other]\r\nk=v\r\n");
        QTest::newRow("a header without its bracket") << QByteArray("[Dealwright\nForm3Start=2\n");
    }

    void aMissingSectionIsAddedAtTheEnd()
    {
        QFETCH(QByteArray, before);
        testsupport::TempConfig config;
        if (!before.isNull())
            QVERIFY(writeBytes(config.settingsFile(), before));
        QCOMPARE(settings::read(keys::Form3Start, 0), QStringLiteral("0"));
        settings::write(keys::Form3Start, QStringLiteral("3"));
        const QByteArray after = bytesOf(config.settingsFile());
        QVERIFY(after.startsWith(before));
        const QByteArray added = after.mid(before.size());
        const QByteArray ending = before.contains("\r\n") ? "\r\n" : "\n";
        QCOMPARE(added.count(ending), added.count('\n'));
        if (!before.isEmpty() && !before.endsWith('\n'))
            QVERIFY(added.startsWith(ending));
        QCOMPARE(settings::read(keys::Form3Start, 0), QStringLiteral("3"));
        QCOMPARE(QSettings(config.settingsFile(), QSettings::IniFormat).value(QStringLiteral("Dealwright/Form3Start")),
                 QVariant(QStringLiteral("3")));
    }

    void valuesOfEveryShapeRoundTrip()
    {
        testsupport::TempConfig config;
        settings::write(keys::Option1, QStringLiteral("True"));
        QList<QString> values = shapes();
        values << QString(QChar(0xD800)) << QString(QChar(0xDC00)) + QStringLiteral("f");  // halves of a pair
        // A byte order mark is a character of the value like any other, also
        // before what looks like data.
        const QString mark(QChar(0xFEFF));
        values << mark << mark + QStringLiteral("@Variant(\0\0\0\x2\0\0\0\x5)") << mark + mark + QStringLiteral("x");
        QRandomGenerator random(5);
        for (int i = 0; i < 400; ++i)
            values << randomText(random, true) << mark + randomText(random, false);
        for (const QString &value : values) {
            settings::write(keys::Text2, value);
            QCOMPARE(settings::read(keys::Text2, QStringLiteral("missing")), value);
            QCOMPARE(settings::read(keys::Option1, QStringLiteral("missing")), QStringLiteral("True"));
            QCOMPARE(bytesOf(config.settingsFile()).count('\n'), 3);  // no value breaks its line
        }
    }

    // Any bytes where a value stands, a byte order mark and "@Variant(" after
    // it among them: they read as text, that text written reads back the
    // same, and writing it again changes no byte.
    void anyStoredBytesReadAsText()
    {
        testsupport::TempConfig config;
        const QList<QByteArray> starts = {"", "\xEF\xBB\xBF", "\xEF\xBB\xBF@Variant(", "@Variant(", "@ByteArray(",
                                          "@String(", "@DateTime(", "\"", "@@"};
        QRandomGenerator random(17);
        for (int i = 0; i < 1500; ++i) {
            QByteArray value = starts[random.bounded(starts.size())];
            for (int length = random.bounded(40); length > 0; --length) {
                const char c = char(random.bounded(256));
                value += (c == '\n' || c == '\r') ? '\\' : c;
            }
            if (random.bounded(2) == 0)
                value += ')';
            QVERIFY(writeBytes(config.settingsFile(), "[Dealwright]\nText2=" + value + "\nOption1=True\n"));
            const QString read = settings::read(keys::Text2, QStringLiteral("missing"));
            if (value.startsWith("\xEF\xBB\xBF"))
                QVERIFY(read.startsWith(QChar(0xFEFF)));
            settings::write(keys::Text2, read);
            QCOMPARE(settings::read(keys::Text2, QStringLiteral("missing")), read);
            const QByteArray once = bytesOf(config.settingsFile());
            settings::write(keys::Text2, read);
            QCOMPARE(bytesOf(config.settingsFile()), once);
            QCOMPARE(settings::read(keys::Option1, QStringLiteral("missing")), QStringLiteral("True"));
        }
    }

    // The store's own write of the same value leaves QSettings' file as it is:
    // the escaping is the same. Values QSettings stored as other data (a
    // date, a size) are not decoded: they read as the text that
    // stands in the file.
    void filesQSettingsWroteReadTheSame()
    {
        testsupport::TempConfig config;
        QList<QVariant> values;
        for (const QString &shape : shapes())
            values << shape;
        QRandomGenerator random(3);
        for (int i = 0; i < 400; ++i)
            values << randomText(random, false);
        const int texts = values.size();
        values << QByteArray("b\xc3\xbc\x01z") << 5 << true << 1.5 << QVariant();
        const int asText = values.size();
        values << QDateTime(QDate(2021, 8, 31), QTime(1, 2, 3)) << QVariant(QSize(3, 4));
        for (int i = 0; i < values.size(); ++i) {
            QFile::remove(config.settingsFile());
            {
                QSettings qt(config.settingsFile(), QSettings::IniFormat);
                qt.setValue(QStringLiteral("Dealwright/Text2"), values[i]);
            }
            const QByteArray written = bytesOf(config.settingsFile());
            const QString read = settings::read(keys::Text2, QStringLiteral("missing"));
            if (i >= asText) {
                QVERIFY2(read.startsWith(QLatin1Char('@')) && read.endsWith(QLatin1Char(')')), qPrintable(read));
                settings::write(keys::Text2, read);  // a text like any other
                QCOMPARE(settings::read(keys::Text2, QString()), read);
                continue;
            }
            QCOMPARE(read, values[i].toString());
            if (i < texts) {
                settings::write(keys::Text2, values[i].toString());
                QCOMPARE(bytesOf(config.settingsFile()), written);
            }
        }
    }

    void handWrittenLinesReadSensibly_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text2");
        const auto line = [](const char *name, const QByteArray &text2Line, const QString &expected) {
            QTest::newRow(name) << "[Dealwright]\n" + text2Line + "\nOption1=True\n" << expected;
        };
        line("a comma is text", "Text2=/home/u/a,b", QStringLiteral("/home/u/a,b"));
        line("comma and blank", "Text2=/home/u/a, b ", QStringLiteral("/home/u/a, b"));
        line("a stray quote", "Text2=\"/home/u", QStringLiteral("/home/u"));
        line("a backslash at the end", "Text2=abc\\", QStringLiteral("abc"));
        line("a comment after the value", "Text2=abc ; note", QStringLiteral("abc"));
        line("padding outside quotes", "  Text2 =  \"  x  \"  ", QStringLiteral("  x  "));
        line("an escaped key", "T%65xt%U0032=x", QStringLiteral("x"));
        line("hex and octal escapes", "Text2=\\x41\\102\\t", QStringLiteral("AB\t"));
        line("a byte array", "Text2=@ByteArray(abc)", QStringLiteral("abc"));
        line("a doubled @", "Text2=@@x", QStringLiteral("@x"));
        line("a single @", "Text2=@x", QStringLiteral("@x"));
        line("nothing stored", "Text2=@Invalid()", QString());
        line("empty", "Text2=", QString());
        QTest::newRow("CR line endings") << QByteArray("[Dealwright]\rText2=a\rOption1=True") << QStringLiteral("a");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[Dealwright]\nText2=a\nOption1=True\n")
                                         << QStringLiteral("a");
    }

    void handWrittenLinesReadSensibly()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, text2);
        testsupport::TempConfig config;
        QVERIFY(writeBytes(config.settingsFile(), file));
        QCOMPARE(settings::read(keys::Text2, QStringLiteral("missing")), text2);
        QCOMPARE(settings::read(keys::Option1, QStringLiteral("missing")), QStringLiteral("True"));
    }
};

QTEST_MAIN(TestSettingsText)
#include "test_settings_text.moc"
