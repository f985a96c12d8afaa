#pragma once
// The random pick of the program: exactly uniform over 0..limit-1, drawn
// from a ChaCha20 stream (libsodium) whose 256-bit key comes from the
// operating system's entropy. Before every pick the clock reading is mixed
// into the key; the key only ever moves forward, so the same clock value
// never restarts a sequence.
#include <array>
#include <cstdint>

namespace shell {

class RandomGenerator {
public:
    using Key = std::array<unsigned char, 32>;

    // Keyed from platform().entropy.
    RandomGenerator();
    explicit RandomGenerator(const Key &key);

    // Mixes a clock reading (seconds since midnight) into the key.
    void reseed(float secondsSinceMidnight);
    // A whole number from 0 to limit - 1, every value equally likely.
    // Throws Failure for a limit below 1.
    std::uint32_t uniform(std::uint32_t limit);

private:
    void refill();

    Key m_key;
    std::array<unsigned char, 256> m_buffer{};
    std::size_t m_used;
};

// The program's one generator (created from the entropy seam on first use).
RandomGenerator &programRandom();
// Replaces the program's generator (tests give it a fixed key).
void resetProgramRandom(const RandomGenerator::Key *key = nullptr);

// Re-seed from the time of day, then a uniform whole number 0..limit-1.
// Both drawing windows pick their cards with this.
std::int32_t randomPick(std::int32_t limit);

// What randomPick answers instead of the generator, while one is installed:
// tests give the draw a scripted sequence of cards.
class Picker {
public:
    virtual ~Picker() = default;
    // A whole number 0..limit-1 (limit is at least 1).
    virtual std::int32_t pick(std::int32_t limit) = 0;
};
// Installs `picker` (not owned); nullptr gives the pick back to the generator.
void replacePick(Picker *picker);

} // namespace shell
