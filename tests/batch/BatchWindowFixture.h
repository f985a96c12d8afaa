#pragma once
// A loaded and shown batch window window on its own settings and
// recording platform, and the few ways a user reaches its controls.
#include "batch/BatchWindow.h"
#include "batch/FocusLeaveCheck.h"
#include "deck/CardFaceControl.h"
#include "deck/CardImage.h"
#include "shell/Navigator.h"
#include "settings/SettingsStore.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

namespace batchtest {

using FakeNavigator = testsupport::RecordingNavigator;

class BatchWindowFixture {
public:
    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    FakeNavigator navigator;
    std::unique_ptr<batch::BatchWindow> form;

    // Settings written before the window loads stand for an earlier run.
    void open()
    {
        form = std::make_unique<batch::BatchWindow>(navigator);
        form->load();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    template <class T = QWidget>
    T *control(const char *name) const
    {
        return testsupport::control<T>(form.get(), name);
    }
    QTreeWidget *list() const { return control<QTreeWidget>("ListView1"); }
    QLineEdit *text1() const { return control<QLineEdit>("Text1"); }
    QLineEdit *text2() const { return control<QLineEdit>("Text2"); }
    QProgressBar *bar() const { return control<QProgressBar>("ProgressBar1"); }
    // The check that runs once the focus has left the count box: pending
    // from the leave until it has run.
    batch::FocusLeaveCheck *countCheck() const { return text1()->findChild<batch::FocusLeaveCheck *>(); }
    deck::CardFaceControl *deck1() const { return control<deck::CardFaceControl>("Deck1"); }

    void click(const char *button) const { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

    QStringList entries() const
    {
        QStringList texts;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            texts.append(list()->topLevelItem(i)->text(0));
        return texts;
    }
    // The card number each entry keeps, in list order.
    QList<int> cards() const
    {
        QList<int> numbers;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            numbers.append(cardOf(list()->topLevelItem(i)));
        return numbers;
    }
    QStringList selectedEntries() const
    {
        QStringList texts;
        for (const QTreeWidgetItem *item : list()->selectedItems())
            texts.append(item->text(0));
        return texts;
    }

    // Types the count as the user would and presses Start.
    void generate(const QString &count) const
    {
        text1()->setText(count);
        click("PushButton2");
    }

    QTreeWidgetItem *entry(const QString &text) const
    {
        const QList<QTreeWidgetItem *> found = list()->findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }

    void clickEntry(QTreeWidgetItem *item) const
    {
        list()->scrollToItem(item);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(item).center());
    }

    QStringList messages() const { return platform.messages.texts(); }
    int reports() const { return int(platform.messages.reports().size()); }

    // The card number an entry keeps.
    static int cardOf(const QTreeWidgetItem *entry) { return entry->data(0, batch::BatchWindow::CardRole).toInt(); }
};

} // namespace batchtest
