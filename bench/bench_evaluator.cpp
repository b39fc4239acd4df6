// The hand evaluator on one core: every seven-card hand in sequence, built
// card by card as an enumeration does, and random hands from an array larger
// than the caches.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <vector>

#include "engine/odds/HandEvaluator.h"

namespace {

using engine::cards::Card;
using engine::cards::kCardCount;
using engine::odds::HandEvaluator;
using engine::odds::HandKey;

constexpr std::int64_t kSevenCardHands = 133784560;

void BM_SevenCardSequential(benchmark::State& st)
{
    const HandEvaluator evaluator;
    std::array<HandKey, kCardCount> keys{};
    for (int i = 0; i < kCardCount; ++i)
        keys[static_cast<std::size_t>(i)] = HandKey{0, 0}.plus(Card::fromIndex(i));
    for (auto _ : st) {
        std::uint64_t sum = 0;
        const HandKey empty;
        for (std::size_t a = 0; a < kCardCount; ++a) {
            const HandKey k1 = empty.plus(keys[a]);
            for (std::size_t b = a + 1; b < kCardCount; ++b) {
                const HandKey k2 = k1.plus(keys[b]);
                for (std::size_t c = b + 1; c < kCardCount; ++c) {
                    const HandKey k3 = k2.plus(keys[c]);
                    for (std::size_t d = c + 1; d < kCardCount; ++d) {
                        const HandKey k4 = k3.plus(keys[d]);
                        for (std::size_t e = d + 1; e < kCardCount; ++e) {
                            const HandKey k5 = k4.plus(keys[e]);
                            for (std::size_t f = e + 1; f < kCardCount; ++f) {
                                const HandKey k6 = k5.plus(keys[f]);
                                for (std::size_t g = f + 1; g < kCardCount; ++g)
                                    sum += evaluator.rank(k6.plus(keys[g]));
                            }
                        }
                    }
                }
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    st.SetItemsProcessed(st.iterations() * kSevenCardHands);
}
BENCHMARK(BM_SevenCardSequential)->Unit(benchmark::kMillisecond);

// 48 M hands of 7 cards (8 bytes each, 384 MiB).
const std::vector<std::array<Card, 8>>& randomHands()
{
    static const std::vector<std::array<Card, 8>> hands = [] {
        std::vector<std::array<Card, 8>> v(48u << 20);
        std::uint64_t state = 0x0DDBA11;
        std::array<std::uint8_t, kCardCount> deck{};
        for (std::size_t i = 0; i < deck.size(); ++i)
            deck[i] = static_cast<std::uint8_t>(i);
        for (auto& hand : v) {
            for (std::size_t i = 0; i < 7; ++i) {
                state = state * 6364136223846793005ull + 1442695040888963407ull;
                const std::size_t j = i + static_cast<std::size_t>((state >> 33) % (kCardCount - i));
                std::swap(deck[i], deck[j]);
                hand[i] = Card::fromIndex(deck[i]);
            }
        }
        return v;
    }();
    return hands;
}

void BM_SevenCardRandom(benchmark::State& st)
{
    const HandEvaluator evaluator;
    const auto& hands = randomHands();
    for (auto _ : st) {
        std::uint64_t sum = 0;
        for (const auto& h : hands)
            sum += evaluator.rank(std::span<const Card>(h.data(), 7));
        benchmark::DoNotOptimize(sum);
    }
    st.SetItemsProcessed(st.iterations() * static_cast<std::int64_t>(hands.size()));
}
BENCHMARK(BM_SevenCardRandom)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
