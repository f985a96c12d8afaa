#pragma once
// The state of the card-by-card draw: one for the whole run of the program.
//
// Card number: 0..51; suit = number / 13 (0 spades, 1 diamonds, 2 clubs,
// 3 hearts); rank = number % 13 + 1 (1 ace ... 11 jack, 12 queen, 13 king).
// Position 0 of the history holds the sentinel 99 once the history exists.
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace cards {

constexpr std::int16_t Sentinel = 99;
constexpr int DeckSize = 52;

enum class Suit { Spades = 0, Diamonds = 1, Clubs = 2, Hearts = 3 };
inline Suit suitOf(int card) { return static_cast<Suit>(card / 13); }
inline int rankOf(int card) { return card % 13 + 1; }

struct DrawState {
    // Without storage at program start (nullopt); [99, cards...] afterwards.
    std::optional<std::vector<std::int16_t>> drawnCards;
    std::int32_t drawCount = 0;
    bool fullScreenLaidOut = false;
};

// The module-level state.
DrawState &state();

// Gives the history its first form [99] if it has none; a history with
// storage is left as it is (this is not a reset).
void initDrawnCards();

// The count labels' text: "Cards drawn: 5".
QString countText(std::int32_t count);

// True when the card is in the history (position 0 included, which never
// matches). Throws shell::Failure when the history has no storage.
bool isCardDrawn(std::int16_t card);

} // namespace cards
