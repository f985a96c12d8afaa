// The random pick and the draw-history search, the two operations every
// draw repeats.
#include "cards/DrawState.h"
#include "shell/Platform.h"
#include "shell/Random.h"

#include <benchmark/benchmark.h>

namespace {

void BM_RandomPick52(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(shell::RandomPick(52));
}
BENCHMARK(BM_RandomPick52);

void BM_UniformWithoutReseed(benchmark::State &state)
{
    shell::RandomGenerator generator(shell::RandomGenerator::Key{});
    for (auto _ : state)
        benchmark::DoNotOptimize(generator.uniform(52));
}
BENCHMARK(BM_UniformWithoutReseed);

// The worst case of the search: a full deck drawn, the card not found
// (the sentinel's value is never a card, so every element is compared).
void BM_IsCardDrawnFullHistory(benchmark::State &state)
{
    cards::state().DrawnCards = std::vector<std::int16_t>{cards::Sentinel};
    for (std::int16_t c = 0; c < 52; ++c)
        cards::state().DrawnCards->push_back(c);
    cards::state().DrawCount = 52;
    for (auto _ : state)
        benchmark::DoNotOptimize(cards::IsCardDrawn(98));
}
BENCHMARK(BM_IsCardDrawnFullHistory);

} // namespace

int main(int argc, char **argv)
{
    shell::installQtPlatform();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
