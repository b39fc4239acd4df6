// Equity on every core: the cases the calculator is measured by.

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <string_view>

#include "engine/cards/CardParser.h"
#include "engine/cards/Range.h"
#include "bench/PlayersRequest.h"
#include "engine/odds/Equity.h"

namespace {

using namespace engine::cards;
using namespace engine::odds;

EquityRequest request(const char* hand, const char* board, int opponents, const char* range)
{
    EquityRequest r;
    r.hand = parseHoleCards(hand).value;
    r.board = parseCards(board).value;
    r.opponents = opponents;
    if (range != nullptr)
        r.opponentRange = parseRange(range).value;
    r.method = EquityMethod::Exact;
    return r;
}

void run(benchmark::State& st, const EquityRequest& r)
{
    computeEquity(r); // builds the evaluator's tables
    std::uint64_t deals = 0;
    for (auto _ : st) {
        const EquityResult result = computeEquity(r);
        deals += result.deals;
        benchmark::DoNotOptimize(result.equity);
    }
    st.SetItemsProcessed(static_cast<std::int64_t>(deals));
}

void BM_AcesAgainstKingsPreflopExact(benchmark::State& st)
{
    run(st, request("AhAs", "", 1, "KdKc"));
}
BENCHMARK(BM_AcesAgainstKingsPreflopExact)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SuitedAceKingAgainstOneRandomOnFlopExact(benchmark::State& st)
{
    run(st, request("AsKs", "Qs7h2d", 1, nullptr));
}
BENCHMARK(BM_SuitedAceKingAgainstOneRandomOnFlopExact)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SuitedAceKingAgainstTwoRandomOnFlopExact(benchmark::State& st)
{
    run(st, request("AsKs", "Qs7h2d", 2, nullptr));
}
BENCHMARK(BM_SuitedAceKingAgainstTwoRandomOnFlopExact)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MonteCarloHeadsUpAgainstRandom(benchmark::State& st)
{
    EquityRequest r = request("AsKs", "", 1, nullptr);
    r.method = EquityMethod::MonteCarlo;
    r.trials = 10'000'000;
    run(st, r);
}
BENCHMARK(BM_MonteCarloHeadsUpAgainstRandom)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AcesAgainstKingsEveryComboPreflopExact(benchmark::State& st)
{
    run(st, playersRequest({"AA", "KK"}, "", EquityMethod::Exact));
}
BENCHMARK(BM_AcesAgainstKingsEveryComboPreflopExact)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HandAgainstTwoRangesOnFlopExact(benchmark::State& st)
{
    run(st, playersRequest({"AhKh", "QQ+, AK", "22+, A2s+, KTs+"}, "Qh7s2d", EquityMethod::Exact));
}
BENCHMARK(BM_HandAgainstTwoRangesOnFlopExact)->Unit(benchmark::kMillisecond)->UseRealTime();

// Until every player's standard error is 0.1 % or less.
void BM_ThreePlayersPreflopToStandardError(benchmark::State& st)
{
    EquityRequest r = playersRequest({"QQ+, AKs", "TT-77, AQs-ATs", "random"}, "", EquityMethod::MonteCarlo);
    r.targetStandardError = 0.001;
    run(st, r);
}
BENCHMARK(BM_ThreePlayersPreflopToStandardError)->Unit(benchmark::kMillisecond)->UseRealTime();

// Items processed are hands dealt: trials times six players.
void BM_MonteCarloSixRandomPlayers(benchmark::State& st)
{
    EquityRequest r = playersRequest({"random", "random", "random", "random", "random", "random"}, "",
                              EquityMethod::MonteCarlo);
    r.trials = 2'000'000;
    computeEquity(r);
    std::uint64_t hands = 0;
    for (auto _ : st) {
        const EquityResult result = computeEquity(r);
        hands += result.deals * 6;
        benchmark::DoNotOptimize(result.equity);
    }
    st.SetItemsProcessed(static_cast<std::int64_t>(hands));
}
BENCHMARK(BM_MonteCarloSixRandomPlayers)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
