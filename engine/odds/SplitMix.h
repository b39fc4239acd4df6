#pragma once
// SplitMix64: a small, fast generator, good enough to deal cards and to try
// hash multipliers.

#include <cstddef>
#include <cstdint>

namespace engine::odds {

class SplitMix {
public:
    explicit SplitMix(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, n) for small n (bias below 2^-26).
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(((next() >> 32) * n) >> 32); }

private:
    std::uint64_t state_;
};

// What is left of a random number once a position was drawn from it by a
// multiply-shift (the low word of the product): enough for `positions` more
// positions below 52 with a bias below 2^-26.
struct SpareRandom {
    std::uint64_t bits = 0;
    std::size_t positions = 0;
};

// The generator of one batch of a seeded run: each batch draws its own
// numbers, whichever thread plays it and in whatever order.
inline SplitMix batchRandom(std::uint64_t seed, std::uint64_t batch)
{
    SplitMix random(seed ^ (batch * 0xD1B54A32D192ED03ull + 0x8CB92BA72F3D8DD7ull));
    random.next();
    return random;
}

} // namespace engine::odds
