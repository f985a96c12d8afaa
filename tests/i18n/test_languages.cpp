// Every window in every shipped language, as its user finds it on a
// 1920 x 1080 screen with a desktop font of DEALWRIGHT_TEST_FONT_POINTS (10
// points unless given; the test runs at 10 and at 16): the chooser, the
// draw window, the full-screen view with both its labels, the batch window,
// the error report and a validation message. Every caption fits its
// control and none is left in English, every menu entry keeps a mnemonic
// of its own in its menu; under Arabic every window is the
// mirror of its English self and the fan grows to the left. Also: Qt's own
// dialogs in the language, file names English, numbers in the language.
#include "app/ChooserWindow.h"
#include "app/Program.h"
#include "batch/BatchWindow.h"
#include "cards/CardNames.h"
#include "cards/DrawState.h"
#include "draw/DrawAnnouncement.h"
#include "draw/DrawWindow.h"
#include "draw/FullScreenView.h"
#include "settings/SettingsStore.h"
#include "shell/ErrorReport.h"
#include "shell/Language.h"
#include "shell/Messages.h"
#include "support/Captions.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"
#include "tally/TallyText.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

void useLanguage(const QString &language)
{
    const QStringList problems = shell::loadLanguage(language);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    shell::installLanguage();
    QLocale::setDefault(language.isEmpty() ? QLocale::c() : QLocale(language));
}

void click(QWidget *window, const char *name)
{
    QTest::mouseClick(testsupport::control<QPushButton>(window, name), Qt::LeftButton);
}

// The program's windows in the language in force, filled as a user finds
// them: three cards drawn and shown full screen, a batch of twelve, an
// error report and the count box's message, shown without a modal loop.
struct Windows {
    Windows()
    {
        cards::state() = cards::DrawState{};
        program.start();
        program.showDrawWindow();
        for (int i = 0; i < 3; ++i)
            click(program.drawWindow(), "PushButton2");
        click(program.drawWindow(), "PushButton5");
        QTRY_VERIFY(fullScreen()->isVisible());
        program.showBatchWindow();
        auto *count = testsupport::control<QLineEdit>(program.batchWindow(), "Text1");
        count->setText(QStringLiteral("12"));
        click(program.batchWindow(), "PushButton2");
        count->setText(QStringLiteral("many"));
        click(program.batchWindow(), "PushButton2");
        shell::showErrorReport(shell::Location::DrawWindowSaveCard, 108,
                               shell::describeFailure(std::make_exception_ptr(std::bad_alloc())));
        for (const shell::Message &message : platform.messages.shown) {
            auto box = shell::buildMessageBox(message, nullptr);
            box->setObjectName(message.origin ? QStringLiteral("ErrorReport") : QStringLiteral("Validation"));
            box->setModal(false);
            box->show();
            boxes.push_back(std::move(box));
        }
        program.showChooser();
    }
    ~Windows() { cards::state() = cards::DrawState{}; }

    QWidget *fullScreen() { return &program.drawWindow()->fullScreenView(); }
    QList<QWidget *> all()
    {
        QList<QWidget *> windows{&program.chooser(), program.drawWindow(), fullScreen(), program.batchWindow()};
        for (const auto &box : boxes)
            windows << box.get();
        return windows;
    }

    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    app::Program program;
    std::vector<std::unique_ptr<QMessageBox>> boxes;
};

QString keyOf(const QWidget *window, const QWidget *control)
{
    const QVariant index = control->property("index");
    return window->objectName() + u'/' + control->objectName()
        + (index.isValid() ? QStringLiteral("[%1]").arg(index.toInt()) : QString());
}

// The captions a user reads, by window and control; the buttons of Qt's
// own boxes are Qt's texts ("OK"), checked with Qt's dialogs below.
QMap<QString, QString> captions(Windows &shown)
{
    QMap<QString, QString> found;
    for (QWidget *window : shown.all()) {
        for (QWidget *control : window->findChildren<QWidget *>()) {
            const QString caption = testsupport::captionOf(control);
            if (caption.isEmpty() || !control->isVisibleTo(window) || qobject_cast<QDialogButtonBox *>(control->parent()))
                continue;
            found.insert(keyOf(window, control), caption);
        }
    }
    auto *bar = testsupport::control<QProgressBar>(shown.program.batchWindow(), "ProgressBar1");
    found.insert(QStringLiteral("Form3/ProgressBar1"), bar->text());
    auto *list = testsupport::control<QTreeWidget>(shown.program.batchWindow(), "ListView1");
    found.insert(QStringLiteral("Form3/ListView1/header"), list->headerItem()->text(0));
    found.insert(QStringLiteral("Form3/ListView1/entry"), list->topLevelItem(0)->text(0));
    return found;
}

// A translated menu whose entries (or a bar whose titles) lack a mnemonic
// or share one cannot be worked by keyboard.
QStringList mnemonicProblems(QWidget *window)
{
    QStringList problems;
    const auto check = [&](const QString &where, const QList<QAction *> &entries) {
        QSet<QString> keys;
        for (const QAction *entry : entries) {
            if (entry->isSeparator() || !entry->isVisible())
                continue;
            const QString key = QKeySequence::mnemonic(entry->text()).toString().toLower();
            if (key.isEmpty())
                problems << QStringLiteral("%1: \"%2\" has no mnemonic").arg(where, entry->text());
            else if (keys.contains(key))
                problems << QStringLiteral("%1: \"%2\" repeats the mnemonic %3").arg(where, entry->text(), key);
            keys.insert(key);
        }
    };
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>())
        check(window->objectName() + u'/' + bar->objectName(), bar->actions());
    for (const QMenu *menu : window->findChildren<QMenu *>())
        check(window->objectName() + u'/' + menu->objectName(), menu->actions());
    return problems;
}

// Where every control placed in twips stands in its parent.
struct Place {
    QRect rect;
    int parentWidth = 0;
};

QMap<QString, Place> places(Windows &shown)
{
    QMap<QString, Place> found;
    for (QWidget *window : shown.all()) {
        for (QWidget *control : window->findChildren<QWidget *>()) {
            // The card face control's own surface is never shown.
            if (control->property("twips").isValid() && control->isVisibleTo(window))
                found.insert(keyOf(window, control), Place{control->geometry(), control->parentWidget()->width()});
        }
        found.insert(window->objectName(), Place{window->rect(), 0});
    }
    return found;
}

int leftOf(QWidget *window, const char *name, int index = -1)
{
    for (QWidget *image : window->findChildren<QWidget *>(QString::fromLatin1(name))) {
        if (index < 0 || image->property("index").toInt() == index)
            return image->geometry().left();
    }
    return -1;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
private:
    QMap<QString, QString> m_englishCaptions;
    QMap<QString, Place> m_englishPlaces;

private slots:
    void initTestCase()
    {
        const int points = qEnvironmentVariableIntValue("DEALWRIGHT_TEST_FONT_POINTS");
        if (points > 0) {
            QFont font = QApplication::font();
            font.setPointSize(points);
            QApplication::setFont(font);
        }
        useLanguage(QString());
        Windows english;
        m_englishCaptions = captions(english);
        m_englishPlaces = places(english);
        QVERIFY(m_englishCaptions.size() > 25);
    }

    void cleanup() { useLanguage(QString()); }

    void everyLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : shell::shippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    // No caption clipped, no window beyond the screen, every caption the
    // language's own (a copied English file fails), the progress bar's
    // text drawn and the list's header in its column.
    void everyLanguage()
    {
        QFETCH(QString, language);
        useLanguage(language);
        Windows shown;
        QStringList problems;
        for (QWidget *window : shown.all()) {
            problems << testsupport::clippedCaptions(window) << mnemonicProblems(window);
            const QRect available = window->screen()->availableGeometry();
            if (window != shown.fullScreen() && (window->frameGeometry().width() > available.width()
                                                 || window->frameGeometry().height() > available.height()))
                problems << window->objectName() + QLatin1String(" is larger than the screen");
        }
        auto *list = testsupport::control<QTreeWidget>(shown.program.batchWindow(), "ListView1");
        if (list->header()->fontMetrics().horizontalAdvance(list->headerItem()->text(0)) + 8 > list->header()->sectionSize(0))
            problems << QStringLiteral("the list's header \"%1\" is clipped").arg(list->headerItem()->text(0));
        const QMap<QString, QString> translated = captions(shown);
        QCOMPARE(translated.keys(), m_englishCaptions.keys());
        for (auto it = translated.cbegin(); it != translated.cend(); ++it) {
            const QString english = m_englishCaptions.value(it.key());
            if (it.value() == english && english != QLatin1String("..."))
                problems << QStringLiteral("%1 is still English: \"%2\"").arg(it.key(), english);
        }
        // The bar's text is drawn (Fusion draws none on a bar filled from
        // the right at its minimum).
        auto *bar = testsupport::control<QProgressBar>(shown.program.batchWindow(), "ProgressBar1");
        QImage barImage = bar->grab().toImage();
        if (testsupport::textContrast(barImage.copy(barImage.rect().adjusted(4, 4, -4, -4))) < 3.0)
            problems << QStringLiteral("the progress bar shows no text");
        QVERIFY2(problems.isEmpty(), qPrintable(language + QLatin1String(":\n") + problems.join(u'\n')));
    }

    // Under Arabic every control stands where the English one would in a
    // mirror of its parent (x' = W - x - w), and the cards fan out to the
    // left of the pile, on the right.
    void arabicMirrorsEveryWindow()
    {
        useLanguage(QStringLiteral("ar"));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        Windows shown;
        const QMap<QString, Place> arabic = places(shown);
        QStringList problems;
        for (auto it = m_englishPlaces.cbegin(); it != m_englishPlaces.cend(); ++it) {
            if (it.key().startsWith(QLatin1String("ErrorReport")) || it.key().startsWith(QLatin1String("Validation")))
                continue;  // Qt lays its boxes out itself
            if (!arabic.contains(it.key())) {
                problems << it.key() + QLatin1String(" is missing");
                continue;
            }
            const Place english = it.value();
            const Place mirrored = arabic.value(it.key());
            const QRect expected = english.parentWidth == 0
                ? english.rect
                : QRect(english.parentWidth - english.rect.x() - english.rect.width(), english.rect.y(),
                        english.rect.width(), english.rect.height());
            if (mirrored.rect != expected || mirrored.parentWidth != english.parentWidth)
                problems << QStringLiteral("%1: at (%2,%3 %4x%5), the mirror of the English one is (%6,%7 %8x%9)")
                                .arg(it.key()).arg(mirrored.rect.x()).arg(mirrored.rect.y()).arg(mirrored.rect.width())
                                .arg(mirrored.rect.height()).arg(expected.x()).arg(expected.y()).arg(expected.width())
                                .arg(expected.height());
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        for (QWidget *window : {static_cast<QWidget *>(shown.program.drawWindow()), shown.fullScreen()}) {
            const int pile = leftOf(window, "Image2"), first = leftOf(window, "Image1");
            const int second = leftOf(window, "Image3", 0), third = leftOf(window, "Image3", 1);
            QVERIFY2(pile > first && first > second && second > third,
                     qPrintable(QStringLiteral("%1: pile %2, cards %3, %4, %5")
                                    .arg(window->objectName()).arg(pile).arg(first).arg(second).arg(third)));
        }
    }

    // The entries are the language's ("Karte 12") but the files keep their
    // English names from the card number each entry keeps ("Card 12.bmp").
    void fileNamesStayEnglish()
    {
        useLanguage(QStringLiteral("de"));
        QTemporaryDir folder;
        testsupport::TempConfig config;
        testsupport::TestPlatform platform;
        settings::write(settings::keys::Text2, folder.path() + u'/');
        app::Program program;
        program.start();
        program.showBatchWindow();
        batch::BatchWindow *window = program.batchWindow();
        testsupport::control<QLineEdit>(window, "Text1")->setText(QStringLiteral("5"));
        click(window, "PushButton2");
        click(window, "PushButton1");
        auto *list = testsupport::control<QTreeWidget>(window, "ListView1");
        QStringList expected;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *entry = list->topLevelItem(i);
            const int card = entry->data(0, batch::BatchWindow::CardRole).toInt();
            QCOMPARE(entry->text(0), QStringLiteral("Karte %1").arg(card + 1));
            // Heard as shown with the card it stands for, in the language.
            const QString heard = entry->data(0, Qt::AccessibleTextRole).toString();
            QVERIFY2(heard.startsWith(entry->text(0)) && heard.endsWith(cards::displayCardName(card)), qPrintable(heard));
            expected << QStringLiteral("Card %1.bmp").arg(card + 1);
        }
        expected.sort();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name), expected);
        QCOMPARE(platform.messages.shown.size(), 1);
        QCOMPARE(platform.messages.shown.first().text, QStringLiteral("Fertig."));
    }

    // Qt's own texts in the language: a message box's buttons and the
    // folder picker's (shown without a modal loop).
    void qtDialogsSpeakTheLanguage()
    {
        const auto buttonTexts = [] {
            QStringList texts;
            QMessageBox box(QMessageBox::Question, QStringLiteral("Dealwright"), QStringLiteral("?"),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setModal(false);
            box.show();
            for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
                texts << box.button(button)->text();
            QFileDialog picker(nullptr, QStringLiteral("Dealwright"));
            picker.setOption(QFileDialog::DontUseNativeDialog);
            picker.setFileMode(QFileDialog::Directory);
            picker.setModal(false);
            picker.show();
            const QDialogButtonBox *buttons = picker.findChild<QDialogButtonBox *>();
            texts << buttons->button(QDialogButtonBox::Open)->text() << buttons->button(QDialogButtonBox::Cancel)->text();
            return texts;
        };
        const QStringList english = buttonTexts();
        QCOMPARE(english.at(2), QStringLiteral("Cancel"));
        useLanguage(QStringLiteral("de"));
        const QStringList german = buttonTexts();
        QCOMPARE(german.at(0), QStringLiteral("&Ja"));
        QCOMPARE(german.at(1), QStringLiteral("&Nein"));
        QCOMPARE(german.at(2), QStringLiteral("Abbrechen"));
        QCOMPARE(german.at(4), QStringLiteral("Abbrechen"));
        QVERIFY2(german.at(3) != english.at(3), qPrintable(german.at(3)));
    }

    // Numbers shown follow the language; counts have no group separators;
    // a draw is announced as one sentence of the language.
    void numbersAndTheAnnouncementFollowTheLanguage()
    {
        useLanguage(QStringLiteral("de"));
        QCOMPARE(cards::countText(1000), QStringLiteral("Gezogene Karten: 1000"));
        QCOMPARE(tally::TallyText().percent(0.234), QStringLiteral("23,4\u00a0%"));
        cards::state() = cards::DrawState{};
        cards::state().drawnCards = std::vector<std::int16_t>{99, 50};
        cards::state().drawCount = 1;
        QCOMPARE(draw::drawAnnouncement(), QStringLiteral("Herz-Dame. Gezogene Karten: 1"));
        useLanguage(QStringLiteral("fr"));
        QCOMPARE(tally::TallyText().percent(0.234), QStringLiteral("23,4\u202f%"));
        QCOMPARE(draw::drawAnnouncement(), QStringLiteral("Dame de c\u0153ur. Cartes tir\u00e9es\u202f: 1"));
        cards::state() = cards::DrawState{};
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
