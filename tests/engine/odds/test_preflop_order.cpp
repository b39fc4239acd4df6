#include <gtest/gtest.h>

#include <cmath>

#include "engine/Hand.h"
#include "engine/cards/HandClass.h"
#include "engine/cards/PreflopOrder.h"
#include "engine/odds/Equity.h"

using namespace engine::cards;
using namespace engine::odds;

// The stored table against a fresh run of the evaluator: a Monte Carlo run
// of its own seed lies within four of its standard errors, plus the table's
// own error (about 0.0004 at most), of each stored equity.
class StoredPreflopEquity : public testing::TestWithParam<const char*> {};

TEST_P(StoredPreflopEquity, AgreesWithTheEvaluator)
{
    const int handClass = engine::handIndex(GetParam());
    ASSERT_GE(handClass, 0);
    EquityRequest request;
    request.hand = combosOfClass(handClass).back();
    request.method = EquityMethod::MonteCarlo;
    request.trials = 1'000'000;
    request.seed = 2026;
    const EquityResult result = computeEquity(request);
    ASSERT_EQ(result.status, EquityStatus::Done) << result.error;
    EXPECT_NEAR(preflopEquity(handClass), result.equity, 4 * result.standardError + 0.0004) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Classes, StoredPreflopEquity,
                         testing::Values("AA", "KK", "22", "AKs", "AK", "T9s", "72", "32", "K2s", "J8"));
