#pragma once
// The evaluator's lookup tables, built once per process.

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
};

} // namespace engine::odds
