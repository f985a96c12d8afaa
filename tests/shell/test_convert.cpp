// Text conversions on awkward texts, and their independence of the locale.
#include "shell/Convert.h"
#include "shell/Failure.h"

#include <QtTest>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

using namespace shell;

class TestConvert : public QObject {
    Q_OBJECT
private slots:
    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<double>("value");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("integer") << "52" << true << 52.0;
        QTest::newRow("blanks") << "  7\t" << true << 7.0;
        QTest::newRow("plus") << "+3" << true << 3.0;
        QTest::newRow("minus") << "-3" << true << -3.0;
        QTest::newRow("point") << "2.5" << true << 2.5;
        QTest::newRow("leading point") << ".5" << true << 0.5;
        QTest::newRow("trailing point") << "5." << true << 5.0;
        QTest::newRow("exponent") << "1e10" << true << 1e10;
        QTest::newRow("signed exponent") << "25E-1" << true << 2.5;
        QTest::newRow("huge") << "1e400" << true << inf;
        QTest::newRow("huge negative") << "-1e400" << true << -inf;
        QTest::newRow("tiny") << "1e-400" << true << 0.0;
        QTest::newRow("huge exponent digits") << "1e99999999999999999999999" << true << inf;
        QTest::newRow("zero with huge exponent") << "0e99999" << true << 0.0;
        QTest::newRow("many digits") << QString(5000, QLatin1Char('9')) << true << inf;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blank") << "   " << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("decimal comma") << "2,5" << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("sign only") << "-" << false << 0.0;
        QTest::newRow("point only") << "." << false << 0.0;
        QTest::newRow("dangling exponent") << "1e" << false << 0.0;
        QTest::newRow("hex") << "0x10" << false << 0.0;
        QTest::newRow("inf word") << "inf" << false << 0.0;
        QTest::newRow("nan word") << "nan" << false << 0.0;
        QTest::newRow("inner blank") << "1 2" << false << 0.0;
        QTest::newRow("trailing letters") << "12abc" << false << 0.0;
        QTest::newRow("double sign") << "+-1" << false << 0.0;
        QTest::newRow("nul inside") << QString::fromUtf16(u"1\u00002", 3) << false << 0.0;
        QTest::newRow("arabic digits") << QString::fromUtf16(u"\u0661\u0662") << false << 0.0;
        QTest::newRow("long garbage") << QString(100000, QLatin1Char('x')) << false << 0.0;
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(double, value);
        QCOMPARE(isNumber(text), number);
        if (number) {
            QCOMPARE(toNumber(text), value);
        } else {
            try {
                toNumber(text);
                QFAIL("a text that is not a number converted");
            } catch (const Failure &f) {
                QVERIFY(f.description().startsWith(QLatin1String("Type mismatch")));
                QVERIFY(f.description().size() < 120);  // long texts are cut in the message
            }
        }
    }

    void wholeNumbersRoundHalvesToEven_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("whole");
        QTest::newRow("2.5") << "2.5" << 2.0;
        QTest::newRow("3.5") << "3.5" << 4.0;
        QTest::newRow("52.5") << "52.5" << 52.0;
        QTest::newRow("52.6") << "52.6" << 53.0;
        QTest::newRow("-2.5") << "-2.5" << -2.0;
        QTest::newRow("-3.5") << "-3.5" << -4.0;
        QTest::newRow("0.5") << "0.5" << 0.0;
        QTest::newRow("1.4999") << "1.4999" << 1.0;
        QTest::newRow("huge") << "1e400" << std::numeric_limits<double>::infinity();
        // Rounded on the decimal digits, not on the nearest double.
        QTest::newRow("just below a half") << "3.49999999999999999" << 3.0;
        QTest::newRow("just above a half") << "52.500000000000001" << 53.0;
        QTest::newRow("half far down") << "2.50000000000000000000000000001" << 3.0;
        QTest::newRow("exponent half") << "5.25e1" << 52.0;
        QTest::newRow("exponent odd half") << "535e-1" << 54.0;
        QTest::newRow("exponent whole") << "0.052e3" << 52.0;
        QTest::newRow("carry") << "99.5" << 100.0;
        QTest::newRow("small") << "0.05" << 0.0;
        QTest::newRow("negative just below a half") << "-0.49999999999999999" << 0.0;
        QTest::newRow("long whole") << "123456789012345678901234567890.5" << 123456789012345678901234567890.0;
    }
    void wholeNumbersRoundHalvesToEven()
    {
        QFETCH(QString, text);
        QFETCH(double, whole);
        QCOMPARE(toWholeNumber(text), whole);
    }

    void int32Overflows()
    {
        QCOMPARE(toInt32(QStringLiteral("2147483647")), 2147483647);
        QCOMPARE(toInt32(QStringLiteral("-2147483648")), -2147483647 - 1);
        for (const char *text : {"2147483648", "1e10", "1e400", "-1e400"}) {
            try {
                toInt32(QString::fromLatin1(text));
                QFAIL(text);
            } catch (const Failure &f) {
                QVERIFY(f.description().startsWith(QLatin1String("Overflow")));
            }
        }
    }

    void truthValues()
    {
        QCOMPARE(toBool(QStringLiteral("True")), true);
        QCOMPARE(toBool(QStringLiteral("false")), false);
        QCOMPARE(toBool(QStringLiteral(" TRUE ")), true);
        QCOMPARE(toBool(QStringLiteral("1")), true);
        QCOMPARE(toBool(QStringLiteral("0")), false);
        QCOMPARE(toBool(QStringLiteral("-1")), true);
        QCOMPARE(toBool(QStringLiteral("0.0")), false);
        QCOMPARE(toBool(QStringLiteral("2.5")), true);
        QCOMPARE(fromBool(true), QStringLiteral("True"));
        QCOMPARE(fromBool(false), QStringLiteral("False"));
        for (const char *text : {"", "yes", "Tru", "Truee", "on", "\nTrue"}) {
            try {
                toBool(QString::fromLatin1(text));
                QFAIL(text);
            } catch (const Failure &f) {
                QVERIFY(f.description().startsWith(QLatin1String("Type mismatch")));
            }
        }
    }

    // Qt sets the C library's locale from the environment; under a
    // decimal-comma locale the conversions must still read "2.5" as 2.5.
    void independentOfTheDecimalCommaLocale()
    {
        const char *previous = std::setlocale(LC_ALL, nullptr);
        const QByteArray saved = previous ? QByteArray(previous) : QByteArray("C");
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            QSKIP("the de_DE.UTF-8 locale is not installed (the test command generates it)");
        QCOMPARE(std::strtod("2.5", nullptr), 2.0);  // the locale really reads commas
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(toNumber(QStringLiteral("2.5")), 2.5);
        QVERIFY(!isNumber(QStringLiteral("2,5")));
        QCOMPARE(toWholeNumber(QStringLiteral("52.5")), 52.0);
        QCOMPARE(toBool(QStringLiteral("0.5")), true);
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, saved.constData());
    }
};

QTEST_MAIN(TestConvert)
#include "test_convert.moc"
