#pragma once
// What the draw window tests share: a recording navigator, a fresh draw
// state and settings per test, and the card images of a window.
#include "cards/DrawState.h"
#include "deck/CardImage.h"
#include "draw/DrawWindow.h"
#include "draw/FullScreenView.h"
#include "shell/Navigator.h"
#include "shell/Twips.h"
#include "support/Controls.h"
#include "support/TestPlatform.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <memory>

namespace drawtest {

using testsupport::control;
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

inline std::unique_ptr<draw::DrawWindow> openDrawWindow(World &world)
{
    auto window = std::make_unique<draw::DrawWindow>(world.navigator);
    window->load();
    window->show();
    return window;
}

inline deck::CardImage *image(QWidget *window, const char *name) { return control<deck::CardImage>(window, name); }

// The Image3 row of a window, by element index.
inline QList<deck::CardImage *> row(QWidget *window)
{
    QList<deck::CardImage *> elements = window->findChildren<deck::CardImage *>(QStringLiteral("Image3"));
    std::sort(elements.begin(), elements.end(), [](deck::CardImage *a, deck::CardImage *b) {
        return a->property("index").toInt() < b->property("index").toInt();
    });
    return elements;
}

inline shell::TwipsRect twips(const QWidget *widget) { return shell::twipsGeometry(widget); }

inline void click(QWidget *window, const char *button)
{
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
}

inline void clickDraw(draw::DrawWindow &window, int times = 1)
{
    auto *button = control<QPushButton>(&window, "PushButton2");
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(button, Qt::LeftButton);
}

inline QString countText(QWidget *window)
{
    return control<QLabel>(window, "Label1")->text();
}

} // namespace drawtest
