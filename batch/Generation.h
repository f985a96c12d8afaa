#pragma once
// The batch generator's rules, without widgets, so that the window and the
// headless command line draw alike.
#include <QString>
#include <functional>
#include <vector>

namespace batch {

enum class CountProblem { None, NotNumber, TooMany };
// The count box's rules: not a number, or more than 52 after rounding halves
// to even (however large); zero and negative counts pass.
CountProblem checkCount(const QString &text);
// The message for a problem ("Must be a numerical value.", "Up to 52 cards allowed").
QString countMessage(CountProblem problem);

// Draws `count` distinct card numbers (0..51) in draw order with
// shell::RandomPick, retrying a card already drawn. `beforeEach(i)` runs
// before card i (1-based) is drawn; returning false stops the batch.
std::vector<int> generateBatch(int count, const std::function<bool(int)> &beforeEach = {});

// "Card " + (card + 1), and back.
QString entryText(int card);
int cardOfEntry(const QString &entryText);

} // namespace batch
