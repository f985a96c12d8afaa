#pragma once
// What the draw window tests share: a recording navigator, a fresh draw
// state and settings per test, and finding the card images of a window.
#include "cards/DrawState.h"
#include "draw/Form2.h"
#include "draw/Form4.h"
#include "draw/ImageBox.h"
#include "shell/Navigator.h"
#include "shell/Twips.h"
#include "support/TestPlatform.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <memory>

namespace drawtest {

using testsupport::RecordingNavigator;

// One test's world: recording platform, empty settings, a new draw.
struct World {
    World()
    {
        platform.clock.running = true;
        cards::state() = cards::DrawState{};
    }
    testsupport::TempConfig config;
    testsupport::TestPlatform platform;
    RecordingNavigator navigator;
};

inline std::unique_ptr<draw::Form2> openForm2(World &world)
{
    auto form = std::make_unique<draw::Form2>(world.navigator);
    form->Form_Load();
    form->show();
    return form;
}

template <class T = QWidget>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

inline draw::ImageBox *image(QWidget *window, const char *name) { return child<draw::ImageBox>(window, name); }

// The Image3 row of a window, by element index.
inline QList<draw::ImageBox *> row(QWidget *window)
{
    QList<draw::ImageBox *> elements = window->findChildren<draw::ImageBox *>(QStringLiteral("Image3"));
    std::sort(elements.begin(), elements.end(), [](draw::ImageBox *a, draw::ImageBox *b) {
        return a->property("index").toInt() < b->property("index").toInt();
    });
    return elements;
}

inline shell::TwipsRect twips(const QWidget *widget) { return shell::twipsGeometry(widget); }

inline void clickDraw(draw::Form2 &form, int times = 1)
{
    auto *button = child<QPushButton>(&form, "PushButton2");
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(button, Qt::LeftButton);
}

inline QString countText(QWidget *window)
{
    return child<QLabel>(window, "Label1")->text();
}

} // namespace drawtest
