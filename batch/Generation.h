#pragma once
// The batch window's rules, without widgets, so that the window and the
// headless command line draw alike.
#include <QString>
#include <functional>
#include <vector>

namespace batch {

// The most cards one batch can hold: the whole deck, each card once.
constexpr int MaxBatch = 52;

enum class CountProblem { None, NotNumber, TooMany };
// The count box's rules: not a number, or more than 52 after rounding halves
// to even (however large); zero and negative counts pass.
CountProblem checkCount(const QString &text);
// The message for a problem ("Must be a numerical value.", "Up to 52 cards allowed").
QString countMessage(CountProblem problem);

// Draws `count` distinct card numbers (0..51) in draw order with
// shell::randomPick, retrying a card already drawn. `beforeEach(i)` runs
// before card i (1-based) is drawn; returning false stops the batch.
std::vector<int> generateBatch(int count, const std::function<bool(int)> &beforeEach = {});
// The same, and `drawn(i, card)` runs right after card i has been drawn. A
// count above 52 draws 52 (callers refuse it first with checkCount).
std::vector<int> generateBatch(int count, const std::function<bool(int)> &beforeEach,
                               const std::function<void(int, int)> &drawn);

// The number of cards a count text asks for: rounded halves to even, 0 for
// zero and negative counts. Throws shell::Failure (with the count box's
// message) for a text that checkCount refuses.
int batchCount(const QString &text);

// The progress bar before card i (1-based): i x 100 / m rounded halves to
// even, within 0..100, where m is the count box's number at that moment; when
// the box holds no usable number (not a number, or below 1) the count read at
// the start stands in.
int progressValue(int i, const QString &countText, int startCount);

// A card's entry in the list, in the user's language ("Card 12", "Karte 12"),
// and the base of its file's name, the same in every language ("Card 12";
// also what the command line prints): both from the card number + 1.
QString entryText(int card);
QString entryFileName(int card);

} // namespace batch
