#include "CaptionFit.h"

#include "Twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace shell {

QString captionOf(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->pixmap().isNull() ? label->text() : QString();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *box = qobject_cast<const QGroupBox *>(control))
        return box->title();
    return QString();
}

int captionWidthNeeded(const QWidget *control)
{
    const QString caption = captionOf(control);
    if (caption.isEmpty())
        return 0;
    const int text = control->fontMetrics().horizontalAdvance(caption);
    const QStyle *style = control->style();
    if (qobject_cast<const QRadioButton *>(control))
        return text + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, control)
            + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, control);
    if (qobject_cast<const QCheckBox *>(control))
        return text + style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, control)
            + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, control);
    if (qobject_cast<const QPushButton *>(control))
        return text + 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control);
    if (qobject_cast<const QGroupBox *>(control))
        return text + 2 * style->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, control);
    return text;
}

double captionScale(const QWidget *window)
{
    const QScreen *screen = window->screen();
    const double dpi = screen && screen->logicalDotsPerInch() > 0 ? screen->logicalDotsPerInch() : 96.0;
    // Pixels per twip at scale 1.
    const double perTwip = dpi / TwipsPerInch;
    double scale = 1.0;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->property("twips").isValid())
            continue;  // not placed in twips: it does not grow with the window
        const int width = captionWidthNeeded(control);
        if (width == 0)
            continue;
        const TwipsRect box = twipsGeometry(control);
        if (box.width <= 0 || box.height <= 0)
            continue;
        // One pixel to spare against the rounding of the box to pixels.
        scale = std::max(scale, (width + 1) / (box.width * perTwip));
        scale = std::max(scale, control->fontMetrics().height() / (box.height * perTwip));
    }
    return scale;
}

void fitCaptions(QWidget *window)
{
    growToScale(window, captionScale(window));
}

} // namespace shell
