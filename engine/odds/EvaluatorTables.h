#pragma once
// The evaluator's lookup tables, compiled into the program: nothing is built
// at run time.

#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/odds/HandRank.h"

namespace engine::odds {

struct EvaluatorTables {
    std::uint64_t multiplier = 0;
    std::span<const std::uint32_t> displacement; // per hash row
    std::span<const HandRank> values;            // per hash slot
    std::span<const HandRank> flush;             // per 13-bit rank mask

    static const EvaluatorTables& instance();

    std::size_t bytes() const
    {
        return displacement.size_bytes() + values.size_bytes() + flush.size_bytes();
    }
};

} // namespace engine::odds
