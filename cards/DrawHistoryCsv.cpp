#include "cards/DrawHistoryCsv.h"

namespace cards {

QByteArray drawHistoryCsv(const std::vector<std::int16_t> &drawnCards, DrawMode mode)
{
    // No field holds a comma, a quote or a line break, so none is quoted.
    const QByteArray modeField = modeName(mode).toUtf8();
    QByteArray csv = QByteArrayLiteral("draw,card,rank,suit,colour,mode\n");
    csv.reserve(csv.size() + qsizetype(drawnCards.size()) * 48);
    for (size_t position = 1; position < drawnCards.size(); ++position) {
        const int card = drawnCards[position];
        if (card < 0 || card >= 52)
            continue;
        csv += QByteArray::number(qulonglong(position));
        csv += ',';
        csv += englishCardName(card).toUtf8();
        csv += ',';
        csv += rankName(rankOf(card)).toUtf8();
        csv += ',';
        csv += suitName(suitIndexOf(card)).toUtf8();
        csv += ',';
        csv += colourName(colourOfCard(card)).toUtf8();
        csv += ',';
        csv += modeField;
        csv += '\n';
    }
    return csv;
}

} // namespace cards
