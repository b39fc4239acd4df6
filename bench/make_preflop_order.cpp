// Writes the table of engine/cards/PreflopOrder.cpp: the all-in equity of
// each of the 169 hand classes against one random hand, pre-flop, by a fixed
// Monte Carlo run of our own evaluator on one thread. Equity does not depend
// on the suits a class is dealt in, so one combination stands for its class.
//
//   make_preflop_order [TRIALS]    (default 4,000,000 per class)

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/Hand.h"
#include "engine/cards/HoleCards.h"
#include "engine/odds/Equity.h"

namespace {

using namespace engine::cards;
using namespace engine::odds;

// The grid counts ranks from the ace down; cards count them from the two up.
HoleCards representative(int index)
{
    const int row = index / 13;
    const int column = index % 13;
    if (row == column)
        return {Card(kAce - row, 0), Card(kAce - row, 1)};
    if (row < column) // suited, above the diagonal
        return {Card(kAce - row, 0), Card(kAce - column, 0)};
    return {Card(kAce - column, 0), Card(kAce - row, 1)};
}

} // namespace

int main(int argc, char** argv)
{
    const std::uint64_t trials = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 4'000'000;
    std::printf("// %llu trials per class, seed 0x5EED plus the class's index, one thread.\n",
                static_cast<unsigned long long>(trials));
    for (int index = 0; index < engine::kHandCount; ++index) {
        EquityRequest request;
        request.hand = representative(index);
        request.method = EquityMethod::MonteCarlo;
        request.trials = trials;
        request.seed = 0x5EED + static_cast<std::uint64_t>(index);
        request.threads = 1;
        const EquityResult result = computeEquity(request);
        if (result.status != EquityStatus::Done) {
            std::fprintf(stderr, "make_preflop_order: %s\n", result.error.c_str());
            return 1;
        }
        const std::string text(engine::handText(index));
        std::printf("    %.5f, // %s\n", result.equity, text.c_str());
        std::fflush(stdout);
    }
    return 0;
}
