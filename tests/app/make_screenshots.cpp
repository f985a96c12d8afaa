// Pictures of the program's windows for the README, made by walking the
// real windows under the offscreen platform with a fixed random generator
// (run from the source folder, the screen file of the tests): the chooser,
// the draw window, the full-screen view, the tally window in both modes,
// the full-screen view with its tally (T) and the batch window.
//
//   QT_QPA_PLATFORM=offscreen:configfile=tests/support/screen-1920x1080.json \
//   DEALWRIGHT_PROGRAM_DIR=<build>/program DEALWRIGHT_MODULE_DIR=<build>/program/plugins \
//   <build>/tests/make_screenshots docs/screenshots [LANGUAGE]
//
// Without the two folders the cards are scaled from their pictures and the
// languages are not found.
//
// With a shipped language ("de", "ja", "ar") the windows are shown in it and
// the pictures' names end in "-<language>" (draw-window-de.png).
#include "app/ChooserWindow.h"
#include "app/Program.h"
#include "batch/BatchWindow.h"
#include "cards/DrawState.h"
#include "draw/DrawTally.h"
#include "draw/DrawWindow.h"
#include "draw/FullScreenView.h"
#include "settings/SettingsStore.h"
#include "shell/Language.h"
#include "support/TestPlatform.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QTreeWidget>

#include <cstdio>

namespace {

int g_failures = 0;
QString g_suffix;

QWidget *topLevel(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name)
            return w;
    }
    return nullptr;
}

void click(QWidget *window, const char *name)
{
    auto *button = window ? window->findChild<QAbstractButton *>(QLatin1String(name)) : nullptr;
    if (!button) {
        std::fprintf(stderr, "no button %s\n", name);
        ++g_failures;
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

void save(QWidget *window, const QString &folder, const QString &name)
{
    if (!window || !window->isVisible()) {
        std::fprintf(stderr, "%s is not showing\n", qPrintable(name));
        ++g_failures;
        return;
    }
    if (!QTest::qWaitForWindowExposed(window))
        std::fprintf(stderr, "%s was not exposed\n", qPrintable(name));
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + g_suffix + QStringLiteral(".png"));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++g_failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_screenshots FOLDER [LANGUAGE]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    if (argc == 3) {
        const QString language = QString::fromLocal8Bit(argv[2]);
        for (const QString &problem : shell::loadLanguage(language)) {
            std::fprintf(stderr, "%s\n", qPrintable(problem));
            ++g_failures;
        }
        shell::installLanguage();
        QLocale::setDefault(QLocale(language));
        g_suffix = QLatin1Char('-') + language;
    }

    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    platform.clock.running = true;
    settings::write(settings::keys::Text2, QStringLiteral("/home/ana/Pictures/Cards/"));

    app::Program program;
    program.start();
    save(&program.chooser(), folder, QStringLiteral("main-window"));

    click(&program.chooser(), "PushButton1");  // "New Method"
    QWidget *drawWindow = program.drawWindow();
    for (int i = 0; i < 9; ++i)
        click(drawWindow, "PushButton2");  // "Show Next Card"
    save(drawWindow, folder, QStringLiteral("draw-window"));

    click(drawWindow, "PushButton5");  // "Show Cards On Full Screen"
    QWidget *form4 = topLevel(QStringLiteral("Form4"));
    save(form4, folder, QStringLiteral("full-screen"));
    if (form4)
        QTest::keyClick(form4, Qt::Key_Escape);

    // The tally of draws: after 17 cards without putting back, then after
    // 600 with putting back ("Draw 100" six times), and over the
    // full-screen view (T).
    if (auto *form2 = program.drawWindow()) {
        for (int i = 0; i < 8; ++i)
            click(form2, "PushButton2");
        if (auto *entry = form2->findChild<QAction *>(QStringLiteral("tallyEntry")))
            entry->trigger();
        QWidget *tallyWindow = form2->drawTally().window();
        save(tallyWindow, folder, QStringLiteral("tally-window-no-put-back"));
        click(form2, "Option2");
        for (int i = 0; i < 6; ++i)
            click(tallyWindow, "Draw100");
        save(tallyWindow, folder, QStringLiteral("tally-window-put-back"));
        if (tallyWindow)
            tallyWindow->hide();
        click(form2, "PushButton5");
        if (form4) {
            QTest::keyClick(form4, Qt::Key_T);
            save(form4, folder, QStringLiteral("full-screen-tally"));
            QTest::keyClick(form4, Qt::Key_T);
            QTest::keyClick(form4, Qt::Key_Escape);
        }
    }

    click(drawWindow, "PushButton4");  // "< Back"
    click(&program.chooser(), "PushButton2");  // "Old Method"
    QWidget *batchWindow = program.batchWindow();
    if (auto *count = batchWindow ? batchWindow->findChild<QLineEdit *>(QStringLiteral("Text1")) : nullptr)
        count->setText(QStringLiteral("12"));
    click(batchWindow, "PushButton2");  // "Start Generate Random Playing Cards"
    if (auto *list = batchWindow ? batchWindow->findChild<QTreeWidget *>(QStringLiteral("ListView1")) : nullptr) {
        if (list->topLevelItemCount() > 3) {
            QTreeWidgetItem *entry = list->topLevelItem(3);
            list->scrollToItem(entry);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(entry).center());
        }
    }
    save(batchWindow, folder, QStringLiteral("batch-generator"));

    if (!platform.messages.shown.isEmpty()) {
        for (const shell::Message &m : platform.messages.shown)
            std::fprintf(stderr, "message: %s\n", qPrintable(m.text));
        ++g_failures;
    }
    return g_failures == 0 ? 0 : 1;
}
