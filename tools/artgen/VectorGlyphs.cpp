// The outlined letters of the scalable pictures: the centre lines of the
// pixel letters (Glyphs.cpp), drawn with an oval nib.
#include "tools/artgen/Glyphs.h"

#include <QPainterPathStroker>
#include <QTransform>
#include <map>

namespace artgen {
namespace {

// Centre lines in the letter's pixel box (x 0..width, y 0..9), written as
// absolute SVG-like commands: M x y, L x y, Q cx cy x y, Z. Upright strokes
// run through the middle of their two pixel columns (x 1 and 6 for the
// stems of a seven-wide letter), level ones through their pixel row
// (y 0.5 at the top, 8.5 at the bottom).
const std::map<QChar, const char *> &centreLines()
{
    static const std::map<QChar, const char *> table = {
        {'A', "M1 8.5 L1 3 Q1 .5 3.5 .5 Q6 .5 6 3 L6 8.5 M1 5.5 L6 5.5"},
        {'2', "M1 1.6 Q1.5 .5 3.5 .5 Q6 .5 6 2.3 Q6 3.3 5 4 L1 7.6 L1 8.5 L6 8.5"},
        {'3', "M1 1.5 Q1.5 .5 3.5 .5 Q6 .5 6 2.5 Q6 4.5 3.5 4.5 L3 4.5 M3.5 4.5 Q6 4.5 6 6.5 Q6 8.5 3.5 8.5 "
              "Q1.5 8.5 1 7.5"},
        {'4', "M5 8.5 L5 .5 L1 4.6 L1 5.5 L6 5.5"},
        {'5', "M6 .5 L1 .5 L1 3.5 L4 3.5 Q6 3.5 6 5.5 L6 6.5 Q6 8.5 3.5 8.5 Q1.5 8.5 1 7.5"},
        {'6', "M5.5 .5 L4 .5 Q1 .5 1 4 L1 6.5 Q1 8.5 3.5 8.5 Q6 8.5 6 6.5 L6 5.5 Q6 3.5 4 3.5 L1 3.5"},
        {'7', "M1 .5 L6 .5 L6 1.2 Q6 2.2 5 3.5 Q3 6 3 7.5 L3 8.5"},
        {'8', "M2.5 4.5 Q1 4.5 1 3 L1 2 Q1 .5 2.5 .5 L4.5 .5 Q6 .5 6 2 L6 3 Q6 4.5 4.5 4.5 Z "
              "M2.5 4.5 Q1 4.5 1 6 L1 7 Q1 8.5 2.5 8.5 L4.5 8.5 Q6 8.5 6 7 L6 6 Q6 4.5 4.5 4.5 Z"},
        {'9', "M1.5 8.5 L3 8.5 Q6 8.5 6 5 L6 2.5 Q6 .5 3.5 .5 Q1 .5 1 2.5 L1 3 Q1 4.5 2.5 4.5 L6 4.5"},
        {'1', "M1 1.5 L2 .5 L2 8.5"},
        {'0', "M2.5 .5 L3.5 .5 Q5 .5 5 2 L5 7 Q5 8.5 3.5 8.5 L2.5 8.5 Q1 8.5 1 7 L1 2 Q1 .5 2.5 .5 Z"},
        {'J', "M3 .5 L6 .5 M5 .5 L5 6.5 Q5 8.5 3 8.5 Q1 8.5 1 6.5"},
        {'Q', "M3.5 .5 Q6 .5 6 2.5 L6 5.5 Q6 7.5 3.5 7.5 Q1 7.5 1 5.5 L1 2.5 Q1 .5 3.5 .5 Z M3.5 5.5 L6.2 8.5"},
        {'K', "M1 .5 L1 8.5 M6 .5 L2 4.5 M3.2 3.8 L6 8.5"},
        {'O', "M3.5 .5 Q6 .5 6 2.5 L6 6.5 Q6 8.5 3.5 8.5 Q1 8.5 1 6.5 L1 2.5 Q1 .5 3.5 .5 Z"},
        {'E', "M6 .5 L1 .5 L1 8.5 L6 8.5 M1 4.5 L5 4.5"},
        {'R', "M1 8.5 L1 .5 L4.5 .5 Q6 .5 6 2 L6 3 Q6 4.5 4.5 4.5 L1 4.5 M3.5 5 L6 8.5"},
    };
    return table;
}

QPainterPath parse(const char *commands)
{
    QStringList words = QString::fromLatin1(commands).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QPainterPath path;
    int i = 0;
    const auto next = [&] {
        const QPointF p(words.at(i).toDouble(), words.at(i + 1).toDouble());
        i += 2;
        return p;
    };
    while (i < words.size()) {
        const QString command = words.at(i).left(1);
        words[i] = words.at(i).mid(1);
        if (command == QLatin1String("Z")) {
            path.closeSubpath();
            ++i;
        } else if (command == QLatin1String("M")) {
            path.moveTo(next());
        } else if (command == QLatin1String("L")) {
            path.lineTo(next());
        } else {
            const QPointF control = next();
            path.quadTo(control, next());
        }
    }
    return path;
}

QPainterPath letterOutline(QChar letter)
{
    const auto found = centreLines().find(letter);
    if (found == centreLines().end())
        return QPainterPath();
    // The oval nib: stroke with a round pen one unit wide in a space
    // squeezed to half the width, then stretch back.
    QPainterPathStroker nib;
    nib.setWidth(1.0);
    nib.setCapStyle(Qt::RoundCap);
    nib.setJoinStyle(Qt::RoundJoin);
    const QPainterPath squeezed = QTransform::fromScale(0.5, 1).map(parse(found->second));
    return QTransform::fromScale(2, 1).map(nib.createStroke(squeezed));
}

} // namespace

QPainterPath textOutline(const QString &text)
{
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    int left = 0;
    for (QChar letter : text) {
        const int width = letterWidth(letter);
        if (width < 0)
            continue;
        outline.addPath(letterOutline(letter).translated(left, 0));
        left += width + LetterGap;
    }
    return outline;
}

} // namespace artgen
