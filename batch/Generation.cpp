#include "batch/Generation.h"

#include "shell/Convert.h"
#include "shell/Failure.h"
#include "shell/Random.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace batch {

CountProblem checkCount(const QString &text)
{
    if (!shell::isNumber(text))
        return CountProblem::NotNumber;
    // A double compares safely at any size ("1e10", "1e400").
    if (shell::toWholeNumber(text) > MaxBatch)
        return CountProblem::TooMany;
    return CountProblem::None;
}

QString countMessage(CountProblem problem)
{
    switch (problem) {
    case CountProblem::NotNumber:
        return QCoreApplication::translate("batch::Generation", "Must be a numerical value.");
    case CountProblem::TooMany:
        return QCoreApplication::translate("batch::Generation", "Up to 52 cards allowed");
    case CountProblem::None:
        break;
    }
    return QString();
}

int batchCount(const QString &text)
{
    if (checkCount(text) != CountProblem::None)
        throw shell::Failure(countMessage(checkCount(text)));
    const double count = shell::toWholeNumber(text);
    return count < 1 ? 0 : static_cast<int>(count);
}

int progressValue(int i, const QString &countText, int startCount)
{
    double m = startCount;
    if (shell::isNumber(countText)) {
        const double now = shell::toWholeNumber(countText);
        if (now >= 1)
            m = now;
    }
    if (!(m >= 1))
        return 0;
    const double value = shell::roundHalfEven(i * 100.0 / m);
    return static_cast<int>(std::clamp(value, 0.0, 100.0));
}

std::vector<int> generateBatch(int count, const std::function<bool(int)> &beforeEach)
{
    return generateBatch(count, beforeEach, {});
}

std::vector<int> generateBatch(int count, const std::function<bool(int)> &beforeEach,
                               const std::function<void(int, int)> &drawn)
{
    // Distinct cards: more than the deck holds could never be drawn.
    count = std::min(count, MaxBatch);
    std::vector<int> cards;
    if (count <= 0)
        return cards;
    cards.reserve(static_cast<std::size_t>(count));
    std::array<bool, MaxBatch> listed{};
    for (int i = 1; i <= count; ++i) {
        if (beforeEach && !beforeEach(i))
            break;
        int card;
        do {
            card = shell::randomPick(MaxBatch);
        } while (listed[static_cast<std::size_t>(card)]);
        listed[static_cast<std::size_t>(card)] = true;
        cards.push_back(card);
        if (drawn)
            drawn(i, card);
    }
    return cards;
}

QString entryText(int card)
{
    //: An entry of the batch window's list; %1 is its number, 1 to 52.
    return QCoreApplication::translate("batch::Generation", "Card %1").arg(QString::number(card + 1));
}

QString entryFileName(int card)
{
    return QStringLiteral("Card ") + QString::number(card + 1);
}

} // namespace batch
