#pragma once
// Computes the evaluator's lookup tables from the rules of the hands. The
// build runs it once and compiles the result into the program (see
// MakeEvaluatorTables.cpp); tests run it to check the compiled tables.

#include <cstdint>
#include <vector>

#include "engine/odds/HandRank.h"

namespace engine::odds {

struct BuiltEvaluatorTables {
    std::uint64_t multiplier = 0;
    std::vector<std::uint32_t> displacement; // per hash row
    std::vector<HandRank> values;            // per hash slot
    std::vector<HandRank> flush;             // per 13-bit rank mask
};

BuiltEvaluatorTables buildEvaluatorTables();

} // namespace engine::odds
