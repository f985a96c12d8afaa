#pragma once
// How the look tests measure a window's captions: where a control draws
// its caption, the width it needs there in the control's own font, and the
// contrast of a text in a grabbed area.
#include "support/Contrast.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace testsupport {

// The contrast of a text in a grabbed area: the background is the area's
// most common colour; the text's own pixels are the ones most unlike it.
inline double textContrast(const QImage &area)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            ++counts[area.pixel(x, y) | 0xff000000u];
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(it.key(), background));
    return best;
}

// Where a control draws its caption, in its own coordinates.
inline QRect captionArea(QWidget *widget)
{
    if (auto *box = qobject_cast<QGroupBox *>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    }
    if (auto *radio = qobject_cast<QRadioButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        return radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
    }
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return button->rect().adjusted(3, 3, -3, -3);  // inside the button's frame
    return widget->rect();
}

inline QString captionOf(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->pixmap().isNull() ? label->text() : QString();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        return box->title();
    return QString();
}

// The width a caption needs in its control, beside the control's own parts.
inline int neededWidth(QWidget *widget, const QString &caption)
{
    const int text = widget->fontMetrics().horizontalAdvance(caption);
    QStyle *style = widget->style();
    if (qobject_cast<QRadioButton *>(widget))
        return text + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, widget)
            + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, widget);
    if (qobject_cast<QPushButton *>(widget))
        return text + 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget);
    if (qobject_cast<QGroupBox *>(widget))
        return text + 2 * style->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, widget);
    return text;
}

// The size a caption needs in its control: one line of the control's font;
// a label that breaks its lines (a message box's) as wide as its longest
// word and as high as its lines at its width, as the label itself measures
// them; a button of Qt's own boxes (laid out by Qt) as wide as its text in
// the place the style gives the text.
inline QSize neededSize(QWidget *widget, const QString &caption)
{
    const QFontMetrics metrics = widget->fontMetrics();
    auto *label = qobject_cast<QLabel *>(widget);
    if (label && label->wordWrap())
        return QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()));
    if (label && caption.contains(u'\n'))
        return metrics.boundingRect(QRect(0, 0, 100000, 100000), int(label->alignment()), caption).size();
    auto *button = qobject_cast<QPushButton *>(widget);
    if (button && qobject_cast<QDialogButtonBox *>(button->parent())) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = caption;
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return QSize(metrics.horizontalAdvance(caption) + button->width() - contents.width(), metrics.height());
    }
    return QSize(neededWidth(widget, caption), metrics.height());
}

// "window/control "caption": needs WxH, has WxH" for each visible caption
// of `window` that does not fit its control, in width or in height.
inline QStringList clippedCaptions(QWidget *window)
{
    QStringList clipped;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QString caption = captionOf(control);
        if (caption.isEmpty() || !control->isVisibleTo(window))
            continue;
        const QSize needed = neededSize(control, caption);
        if (needed.width() > control->width() || needed.height() > control->height())
            clipped << QStringLiteral("%1/%2 \"%3\": needs %4x%5, has %6x%7")
                           .arg(window->objectName(), control->objectName(), caption)
                           .arg(needed.width()).arg(needed.height()).arg(control->width()).arg(control->height());
    }
    return clipped;
}

} // namespace testsupport
