#pragma once
// What a screen reader gets from the tally's widgets, and scripted tallies.
#include "cards/Tally.h"
#include "support/Controls.h"

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace tallytest {

constexpr int Spades = 0, Diamonds = 1, Clubs = 2, Hearts = 3;
inline int card(int rank, int suit) { return suit * 13 + rank - 1; }

// The names that screen readers read of every shown widget under `root`,
// with non-breaking spaces read as spaces.
inline QStringList spokenTexts(QWidget *root)
{
    QStringList texts;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(root) && w != root)
            continue;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        if (!a)
            continue;
        for (QAccessible::Text kind : {QAccessible::Name, QAccessible::Description}) {
            QString text = a->text(kind);
            text.replace(QChar::Nbsp, QLatin1Char(' '));
            if (!text.isEmpty())
                texts << text;
        }
    }
    return texts;
}

// No figure that is no number.
inline bool anyNotANumber(const QStringList &texts)
{
    for (const QString &t : texts) {
        const QString lower = t.toLower();
        if (lower.contains(QLatin1String("nan")) || lower.contains(QLatin1String("inf")))
            return true;
    }
    return false;
}

} // namespace tallytest
