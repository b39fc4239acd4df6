#pragma once
// The evaluator's lookup tables, built once per process.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/odds/HandRank.h"

namespace engine::odds {

struct EvaluatorTables {
    std::uint64_t multiplier = 0;
    std::vector<std::uint32_t> displacement; // per hash row
    std::vector<HandRank> values;            // per hash slot
    std::vector<HandRank> flush;             // per 13-bit rank mask

    static const EvaluatorTables& instance();

    std::size_t bytes() const
    {
        return displacement.size() * sizeof(displacement[0]) + values.size() * sizeof(values[0]) +
               flush.size() * sizeof(flush[0]);
    }
};

} // namespace engine::odds
