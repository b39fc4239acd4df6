#pragma once
// The drill's random numbers: the same seed draws the same questions with any
// standard library (the distributions of <random> are not the same
// everywhere; the engine mt19937_64 is).

#include <cstdint>
#include <random>

namespace practice {

class DrillRandom {
public:
    explicit DrillRandom(std::uint64_t seed) : engine_(seed) {}

    // A whole number in [0, n), n > 0; without bias.
    int below(int n);
    // A number in [0, 1).
    double unit();

private:
    std::mt19937_64 engine_;
};

} // namespace practice
