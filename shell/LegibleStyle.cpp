#include "LegibleStyle.h"

#include "FocusMark.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>

namespace shell {
namespace {

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * share, a.greenF() + (b.greenF() - a.greenF()) * share,
                            a.blueF() + (b.blueF() - a.blueF()) * share);
}

class LegibleIndicators : public QProxyStyle {
public:
    explicit LegibleIndicators(QStyle *base) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element != PE_IndicatorRadioButton) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QPalette &palette = option->palette;
        const QColor window = palette.color(QPalette::Window);
        const QRectF box = QRectF(option->rect).adjusted(1, 1, -1, -1);
        const qreal side = std::min(box.width(), box.height());
        const QRectF disc(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        const bool enabled = option->state & State_Enabled;
        const QColor ink = palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
        QPen ring(outlineColour(window, ink), std::max<qreal>(1.5, side / 9));
        painter->setPen(ring);
        painter->setBrush(palette.color(option->state & State_Sunken ? QPalette::Button : QPalette::Base));
        const qreal inset = ring.widthF() / 2;
        painter->drawEllipse(disc.adjusted(inset, inset, -inset, -inset));
        if (option->state & State_On) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::Text));
            const qreal dot = side * 0.45;
            painter->drawEllipse(QRectF(disc.center().x() - dot / 2, disc.center().y() - dot / 2, dot, dot));
        }
        painter->restore();
    }
};

// One style for every option button, made from the program's style on
// first use and kept for the program's run.
QStyle *legibleIndicators()
{
    static QPointer<QStyle> style;
    if (!style) {
        QStyle *base = QStyleFactory::create(QApplication::style()->name());
        style = new LegibleIndicators(base);
        style->setParent(qApp);
    }
    return style;
}

// Whichever of black and white stands out more from the colour.
QColor blackOrWhite(const QColor &background)
{
    return contrastRatio(background, Qt::black) >= contrastRatio(background, Qt::white) ? QColor(Qt::black)
                                                                                       : QColor(Qt::white);
}

} // namespace

bool isDarkPalette(const QPalette &palette)
{
    return relativeLuminance(palette.color(QPalette::Window)) < relativeLuminance(palette.color(QPalette::WindowText));
}

QColor outlineColour(const QColor &background, const QColor &ink)
{
    for (int step = 4; step <= 20; ++step) {
        const QColor candidate = mixed(background, ink, step / 20.0);
        if (contrastRatio(candidate, background) >= MarkContrast)
            return candidate;
    }
    return ink;
}

void useLegibleIndicators(QWidget *optionButton)
{
    optionButton->setStyle(legibleIndicators());
}

QPalette progressBarPalette(const QPalette &palette)
{
    const QColor window = palette.color(QPalette::Window);
    QColor groove = window;
    for (int step = 1; step <= 20 && contrastRatio(groove, window) < 1.3; ++step)
        groove = mixed(window, Qt::black, step / 20.0);
    QColor filled = palette.color(QPalette::Highlight);
    const QColor away = blackOrWhite(groove);
    // With room to spare: the style shades the filled part lighter towards
    // its top.
    for (int step = 1; step <= 20 && contrastRatio(filled, groove) < MarkContrast + 1; ++step)
        filled = mixed(palette.color(QPalette::Highlight), away, step / 20.0);
    QPalette bar = palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        bar.setColor(group, QPalette::Base, groove);
        bar.setColor(group, QPalette::Highlight, filled);
        bar.setColor(group, QPalette::Text, blackOrWhite(groove));
        bar.setColor(group, QPalette::HighlightedText, blackOrWhite(filled));
    }
    return bar;
}

StripColours stripColours(const QPalette &palette)
{
    if (!isDarkPalette(palette))
        return {Qt::white, Qt::black};
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    if (contrastRatio(base, text) >= 7.0)
        return {base, text};
    return {Qt::black, Qt::white};
}

} // namespace shell
