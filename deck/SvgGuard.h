#pragma once
// A look at an SVG text's structure before the renderer parses it. The
// renderer draws an element once for every reference (<use>) that reaches
// it, so a small file whose references double their targets level after
// level asks for billions of drawings: a rendering that never ends. Such a
// file is refused here, in one pass over its XML, by counting the elements
// a full drawing would visit.
#include <QByteArray>
#include <QString>

namespace deck {

// The most elements a drawing of a deck may visit, references followed:
// Debian's decks visit from 60 to 60,000 (XSkat German); two million take
// seconds to draw.
constexpr qint64 MaxDrawnElements = 2'000'000;

// "" when the text is well-formed XML whose drawing visits at most `limit`
// elements, else the reason, naming the file as `shownName` ("its SVG file
// deck.svg is not well-formed XML (line 3: ...)", "its SVG file deck.svg
// repeats its elements through references beyond 2000000").
QString svgStructureProblem(const QByteArray &text, const QString &shownName, qint64 limit = MaxDrawnElements);

} // namespace deck
