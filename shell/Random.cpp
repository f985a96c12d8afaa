#include "Random.h"

#include "Failure.h"
#include "Platform.h"

#include <QCoreApplication>

#include <sodium.h>
#include <cstring>
#include <memory>

namespace shell {
namespace {

void startSodium()
{
    static const bool started = sodium_init() >= 0;
    if (!started)
        throw Failure(QCoreApplication::translate("shell::Random", "The random number library could not be started"));
}

Picker *g_picker = nullptr;

std::unique_ptr<RandomGenerator> &programGenerator()
{
    static std::unique_ptr<RandomGenerator> generator;
    return generator;
}

} // namespace

RandomGenerator::RandomGenerator() : m_used(m_buffer.size())
{
    startSodium();
    platform().entropy->fill(m_key.data(), m_key.size());
}

RandomGenerator::RandomGenerator(const Key &key) : m_key(key), m_used(m_buffer.size())
{
    startSodium();
}

void RandomGenerator::reseed(float secondsSinceMidnight)
{
    // new key = BLAKE2b(old key, clock reading): the clock adds to the state
    // and never replaces it, so equal readings still give new sequences.
    unsigned char input[sizeof(float)];
    std::memcpy(input, &secondsSinceMidnight, sizeof input);
    Key next;
    crypto_generichash(next.data(), next.size(), input, sizeof input, m_key.data(), m_key.size());
    m_key = next;
    sodium_memzero(next.data(), next.size());
    m_used = m_buffer.size();
}

void RandomGenerator::refill()
{
    // One ChaCha20 block run: the first 32 bytes become the next key (so
    // past output cannot be recovered from the state), the rest is output.
    unsigned char block[sizeof(Key) + sizeof(m_buffer)];
    randombytes_buf_deterministic(block, sizeof block, m_key.data());
    std::memcpy(m_key.data(), block, m_key.size());
    std::memcpy(m_buffer.data(), block + m_key.size(), m_buffer.size());
    sodium_memzero(block, sizeof block);
    m_used = 0;
}

std::uint32_t RandomGenerator::uniform(std::uint32_t limit)
{
    if (limit < 1)
        throw Failure(QCoreApplication::translate(
            "shell::Random", "Invalid procedure call or argument: the limit of a random pick must be at least 1"));
    // Rejection sampling: values below the threshold would make the low
    // results more likely than the high ones.
    const std::uint32_t threshold = (0u - limit) % limit;
    for (;;) {
        if (m_used + sizeof(std::uint32_t) > m_buffer.size())
            refill();
        std::uint32_t value;
        std::memcpy(&value, m_buffer.data() + m_used, sizeof value);
        m_used += sizeof value;
        if (value >= threshold)
            return value % limit;
    }
}

RandomGenerator &programRandom()
{
    auto &generator = programGenerator();
    if (!generator)
        generator = std::make_unique<RandomGenerator>();
    return *generator;
}

void resetProgramRandom(const RandomGenerator::Key *key)
{
    auto &generator = programGenerator();
    if (key)
        generator = std::make_unique<RandomGenerator>(*key);
    else
        generator.reset();
}

std::int32_t randomPick(std::int32_t limit)
{
    if (limit < 1)
        throw Failure(QCoreApplication::translate(
            "shell::Random", "Invalid procedure call or argument: the limit of a random pick must be at least 1"));
    if (g_picker)
        return g_picker->pick(limit);
    RandomGenerator &generator = programRandom();
    generator.reseed(static_cast<float>(platform().clock->secondsSinceMidnight()));
    return static_cast<std::int32_t>(generator.uniform(static_cast<std::uint32_t>(limit)));
}

void replacePick(Picker *picker)
{
    g_picker = picker;
}

} // namespace shell
