#include "tally/TallyLook.h"

#include <QPalette>
#include <QWidget>

namespace tally {

int overlayTextHeight(int screenHeight)
{
    return std::max(1, (screenHeight + 39) / 40);
}

TallyLook overlayLook(int screenHeight)
{
    TallyLook look;
    look.dark = true;
    look.textHeight = overlayTextHeight(screenHeight);
    look.keepLow = true;
    return look;
}

ChartColours chartColours(const TallyLook &look, const QPalette &palette)
{
    ChartColours c;
    if (look.dark) {
        // Light colours that keep their contrast on black; the four suits
        // as on a four-colour deck.
        c.text = Qt::white;
        c.faint = QColor(0x70, 0x70, 0x70);
        c.track = QColor(0x30, 0x30, 0x30);
        c.bar = QColor(0x5a, 0xa0, 0xff);
        c.expected = QColor(0xff, 0xc0, 0x30);
        c.marked = QColor(0x1e, 0x4a, 0x8a);
        c.latest = QColor(0xff, 0xc0, 0x30);
        c.suits = {QColor(0xf0, 0xf0, 0xf0), QColor(0x6a, 0xb0, 0xff), QColor(0x60, 0xe0, 0x70), QColor(0xff, 0x60, 0x60)};
    } else {
        c.text = palette.color(QPalette::WindowText);
        c.faint = palette.color(QPalette::Mid);
        c.track = palette.color(QPalette::Midlight);
        c.bar = QColor(0x2f, 0x6f, 0xc0);
        c.expected = QColor(0xd0, 0x40, 0x00);
        c.marked = QColor(0xc8, 0xdc, 0xf5);
        c.latest = QColor(0xd0, 0x40, 0x00);
        c.suits = {QColor(0x20, 0x20, 0x20), QColor(0x10, 0x50, 0xd0), QColor(0x10, 0x80, 0x20), QColor(0xd0, 0x10, 0x10)};
    }
    return c;
}

void applyLook(QWidget *widget, const TallyLook &look)
{
    if (look.textHeight > 0) {
        QFont font = widget->font();
        font.setPixelSize(look.textHeight);
        widget->setFont(font);
    } else {
        // An empty font: the widget takes its parent's again.
        widget->setFont(QFont());
    }
    if (look.dark) {
        QPalette dark = widget->palette();
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            dark.setColor(role, Qt::black);
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, Qt::white);
        dark.setColor(QPalette::Mid, QColor(0x70, 0x70, 0x70));
        widget->setPalette(dark);
        widget->setAutoFillBackground(true);
    } else {
        widget->setPalette(QPalette());
        widget->setAutoFillBackground(false);
    }
}

} // namespace tally
