#pragma once
// A loaded and shown batch generator window on its own settings and
// recording platform, and the few ways a user reaches its controls.
#include "batch/Form3.h"
#include "deck/Deck.h"
#include "shell/Navigator.h"
#include "shell/Settings.h"
#include "support/TestPlatform.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

namespace batchtest {

using FakeNavigator = testsupport::RecordingNavigator;

class Form3Fixture {
public:
    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    FakeNavigator navigator;
    std::unique_ptr<batch::Form3> form;

    // Settings written before the window loads stand for an earlier run.
    void open()
    {
        form = std::make_unique<batch::Form3>(navigator);
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    template <class T = QWidget>
    T *child(const char *name) const
    {
        T *found = form->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QTreeWidget *list() const { return child<QTreeWidget>("ListView1"); }
    QLineEdit *text1() const { return child<QLineEdit>("Text1"); }
    QLineEdit *text2() const { return child<QLineEdit>("Text2"); }
    QProgressBar *bar() const { return child<QProgressBar>("ProgressBar1"); }
    deck::Deck *deck1() const { return child<deck::Deck>("Deck1"); }

    void click(const char *button) const { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }

    QStringList entries() const
    {
        QStringList texts;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            texts.append(list()->topLevelItem(i)->text(0));
        return texts;
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
    int reports() const
    {
        int n = 0;
        for (const shell::Message &m : platform.messages.shown)
            n += m.caption == QStringLiteral("Application Error") ? 1 : 0;
        return n;
    }
};

} // namespace batchtest
