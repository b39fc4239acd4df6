#pragma once
// The --seed option of the commands that deal random cards: a seed given
// repeats a run; without one, each run deals from the clock.

#include <cstdint>

#include "cli/Args.h"

namespace cli {

// Seeds stay exact in any JSON reader (2^53 - 1).
inline constexpr std::uint64_t kLargestSeed = (std::uint64_t{1} << 53) - 1;

// The seed given with --seed, or one from the clock; throws UsageError for
// anything but a whole number from 0 to kLargestSeed.
std::uint64_t seedOption(const Args& args);

} // namespace cli
