// The error report's text and the resume rule of guarded procedures.
#include "shell/ErrorReport.h"
#include "shell/Failure.h"
#include "shell/Platform.h"
#include "support/TestPlatform.h"

#include <QLabel>
#include <QMessageBox>
#include <QtTest>
#include <stdexcept>

using namespace shell;

namespace {

// A helper without a guard of its own: its failure reaches the caller.
void failingHelper()
{
    throw Failure(QStringLiteral("Invalid procedure call or argument"));
}

} // namespace

class TestErrorReport : public QObject {
    Q_OBJECT
private slots:
    void reportTextByteForByte()
    {
        const QString text = errorReportText(QStringLiteral("Type mismatch"),
                                             locationText(Location::ChooserLoad), 128);
        const QByteArray expected = "Type mismatch\r\nin Kestrelby2021/08/31.Form1.Form_Load at line 128\r\r"
                                    "Please email screenshot of this message to support@dealwright.example";
        QCOMPARE(text.toUtf8(), expected);
    }

    void locationTexts()
    {
        QSet<QString> seen;
        for (int i = 0; i < LocationCount; ++i) {
            const QString text = locationText(static_cast<Location>(i));
            QVERIFY(text.startsWith(QLatin1String("in Kestrelby2021/08/31.")));
            QVERIFY(text.endsWith(QLatin1Char(' ')));
            QVERIFY(!text.endsWith(QLatin1String("  ")));
            seen.insert(text);
        }
        QCOMPARE(seen.size(), LocationCount);
        QCOMPARE(locationText(Location::ResetCards), QStringLiteral("in Kestrelby2021/08/31.Cards.ResetCards "));
        QCOMPARE(locationText(Location::FullScreenArrange), QStringLiteral("in Kestrelby2021/08/31.Form4.Form_Activate "));
        QCOMPARE(locationText(Location::BatchWindowBrowse), QStringLiteral("in Kestrelby2021/08/31.Form3.PushButton9_Click "));
    }

    void showErrorReportUsesExclamationAndCaption()
    {
        testsupport::TestPlatform p;
        showErrorReport(Location::DrawWindowLoad, 108, QStringLiteral("Overflow"));
        QCOMPARE(p.messages.shown.size(), 1);
        QCOMPARE(p.messages.reports(), QList<ReportOrigin>({ReportOrigin{Location::DrawWindowLoad, 108}}));
        QCOMPARE(p.messages.shown[0].caption, QStringLiteral("Application Error"));
        QCOMPARE(p.messages.shown[0].icon, MessageIcon::Exclamation);
        QVERIFY(p.messages.shown[0].text.startsWith(QLatin1String("Overflow\r\nin Kestrelby2021/08/31.Form2.Form_Load at line 108\r\r")));
    }

    // Two failing steps give two reports in step order; the procedure runs
    // to its end; the handler stays armed; earlier work is not undone.
    // The real box shows every text as it stands: markup in a stored value
    // stays text, and the report keeps its line breaks.
    void theBoxShowsPlainText()
    {
        const QString text = errorReportText(QStringLiteral("Path not found: <b>x</b> & <i>y</i>"),
                                             locationText(Location::DrawWindowLoad), 108);
        const auto box = buildMessageBox(Message{text, QStringLiteral("Application Error"), MessageIcon::Exclamation, std::nullopt},
                                         nullptr);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->windowTitle(), QStringLiteral("Application Error"));
        auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->text().split(QLatin1Char('\n')),
                 (QStringList{QStringLiteral("Path not found: <b>x</b> & <i>y</i>"),
                              QStringLiteral("in Kestrelby2021/08/31.Form2.Form_Load at line 108"), QString(),
                              QStringLiteral("Please email screenshot of this message to support@dealwright.example")}));
        // Four lines on screen, not one run-together line.
        QVERIFY(label->sizeHint().height() >= 4 * label->fontMetrics().lineSpacing());
    }

    void failingStepsAreReportedAndTheNextStepRuns()
    {
        testsupport::TestPlatform p;
        QStringList ran;
        Guarded g(Location::BatchWindowStart);
        g.step(100, [&] { ran << "100"; });
        g.step(102, [&] { ran << "102"; throw Failure(QStringLiteral("first")); });
        g.step(104, [&] { ran << "104"; });
        g.step(106, [&] { throw std::runtime_error("second"); });
        g.step(108, [&] { ran << "108"; });
        QCOMPARE(ran, QStringList({"100", "102", "104", "108"}));
        QCOMPARE(p.messages.shown.size(), 2);
        QVERIFY(p.messages.shown[0].text.startsWith(QLatin1String("first\r\nin Kestrelby2021/08/31.Form3.PushButton2_Click at line 102")));
        QVERIFY(p.messages.shown[1].text.startsWith(QLatin1String("second\r\nin Kestrelby2021/08/31.Form3.PushButton2_Click at line 106")));
        QCOMPARE(g.reportCount(), 2);
    }

    void failingTestEntersTheBranch()
    {
        testsupport::TestPlatform p;
        Guarded g(Location::ChooserLoad);
        bool branch = false;
        if (g.test(128, [&]() -> bool { throw Failure(QStringLiteral("Type mismatch")); }))
            branch = true;
        QVERIFY(branch);
        QCOMPARE(p.messages.shown.size(), 1);
        QVERIFY(p.messages.shown[0].text.contains(QLatin1String("at line 128")));
        // A test that answers normally is not disturbed.
        QVERIFY(!g.test(130, [] { return false; }));
        QCOMPARE(p.messages.shown.size(), 1);
    }

    void failingJumpTestDoesNotJump()
    {
        testsupport::TestPlatform p;
        Guarded g(Location::DrawCards);
        int attempts = 0;
        // "if drawn, go back to step 104": a failing test falls through.
        do {
            ++attempts;
        } while (g.jumpTest(106, [&]() -> bool { throw Failure(QStringLiteral("Subscript out of range")); }));
        QCOMPARE(attempts, 1);
        QCOMPARE(p.messages.shown.size(), 1);
        QVERIFY(p.messages.shown[0].text.contains(QLatin1String("in Kestrelby2021/08/31.Cards.DrawCards at line 106")));
    }

    void helperFailureIsReportedWithTheCallersStep()
    {
        testsupport::TestPlatform p;
        Guarded g(Location::DrawWindowLoad);
        g.step(106, [] { failingHelper(); });
        QCOMPARE(p.messages.shown.size(), 1);
        const QString text = p.messages.shown[0].text;
        QVERIFY(text.startsWith(QLatin1String("Invalid procedure call or argument\r\nin Kestrelby2021/08/31.Form2.Form_Load at line 106\r\r")));
        QVERIFY(!text.contains(QLatin1String("failingHelper")));
    }

    void unknownFailuresStillHaveADescription()
    {
        testsupport::TestPlatform p;
        Guarded g(Location::ChooserNewMethod);
        g.step(100, [] { throw 42; });
        QVERIFY(p.messages.shown[0].text.startsWith(QLatin1String("Unknown failure\r\n")));
    }

    void safelyShowsOncePlainAndGoesOn()
    {
        testsupport::TestPlatform p;
        safely([] { throw Failure(QStringLiteral("The setting could not be saved")); });
        QCOMPARE(p.messages.shown.size(), 1);
        QCOMPARE(p.messages.shown[0].text, QStringLiteral("The setting could not be saved"));
        QCOMPARE(p.messages.shown[0].icon, MessageIcon::None);
        QCOMPARE(p.messages.shown[0].caption, QStringLiteral("Dealwright"));
    }

    // A message box that itself fails must not take the program down.
    void aFailingReportDoesNotEscape()
    {
        testsupport::TestPlatform p;
        p.messages.onShow = [](const Message &) { throw std::runtime_error("box failed"); };
        Guarded g(Location::ChooserLoad);
        bool next = false;
        g.step(100, [] { throw Failure(QStringLiteral("x")); });
        g.step(102, [&] { next = true; });
        QVERIFY(next);
        safely([] { throw Failure(QStringLiteral("y")); });
    }
};

QTEST_MAIN(TestErrorReport)
#include "test_error_report.moc"
