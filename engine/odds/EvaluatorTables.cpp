#include "engine/odds/EvaluatorTables.h"

#include "engine/odds/HandEvaluator.h"

namespace engine::odds {

// Written by make_evaluator_tables at build time.
extern const std::uint64_t kEvaluatorMultiplier;
extern const std::uint32_t kEvaluatorDisplacement[std::size_t{1} << HandEvaluator::kRowBits];
extern const HandRank kEvaluatorValues[std::size_t{1} << HandEvaluator::kSlotBits];
extern const HandRank kEvaluatorFlush[8192];

const EvaluatorTables& EvaluatorTables::instance()
{
    static const EvaluatorTables tables{kEvaluatorMultiplier, kEvaluatorDisplacement, kEvaluatorValues, kEvaluatorFlush};
    return tables;
}

} // namespace engine::odds
