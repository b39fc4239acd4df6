// A range on a board: its split, a hand's equity against each of its hand
// classes, and the hand's equity by the next card, for a range of about two
// hundred combinations on a flop.

#include <benchmark/benchmark.h>

#include "engine/board/ClassBreakdown.h"
#include "engine/board/NextCardEquity.h"
#include "engine/board/RangeSplit.h"
#include "engine/cards/CardParser.h"

namespace {

using namespace engine::cards;

constexpr const char* kRange = "22+, A2s+, K9s+, QTs+, JTs, T9s, 98s, ATo+";
// The same hands, some held only part of the time.
constexpr const char* kWeightedRange = "22+, A2s+:0.5, K9s+:0.75, QTs+, JTs:0.3, T9s, 98s, ATo+:0.6";

Range range(const char* text = kRange)
{
    return parseRange(text).value;
}

void BM_RangeSplitOnFlop(benchmark::State& st)
{
    const Range r = range();
    const auto board = parseCards("Jh Th 4c").value;
    for (auto _ : st)
        benchmark::DoNotOptimize(engine::board::splitRange(r, board).value.total.weight);
    st.SetItemsProcessed(st.iterations() * static_cast<std::int64_t>(r.combos().size()));
}
BENCHMARK(BM_RangeSplitOnFlop)->Unit(benchmark::kMillisecond);

void breakdown(benchmark::State& st, const char* board)
{
    engine::board::ClassBreakdownRequest request;
    request.hand = parseHoleCards("AhKh").value;
    request.board = parseCards(board).value;
    request.range = range();
    for (auto _ : st)
        benchmark::DoNotOptimize(engine::board::breakdownByClass(request).equity);
}

void BM_ClassBreakdownOnFlop(benchmark::State& st)
{
    breakdown(st, "Qh 7s 2d");
}
BENCHMARK(BM_ClassBreakdownOnFlop)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ClassBreakdownOnRiver(benchmark::State& st)
{
    breakdown(st, "Qh 7s 2d 9c 3h");
}
BENCHMARK(BM_ClassBreakdownOnRiver)->Unit(benchmark::kMillisecond)->UseRealTime();

void nextCard(benchmark::State& st, const char* rangeText)
{
    engine::odds::EquityRequest request;
    request.hand = parseHoleCards("AhKh").value;
    request.board = parseCards("Qh 7s 2d").value;
    if (rangeText)
        request.opponentRange = range(rangeText);
    request.method = engine::odds::EquityMethod::Exact;
    for (auto _ : st)
        benchmark::DoNotOptimize(engine::board::equityByNextCard(request).equity);
}

void BM_NextCardAgainstRangeOnFlop(benchmark::State& st)
{
    nextCard(st, kRange);
}
BENCHMARK(BM_NextCardAgainstRangeOnFlop)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_NextCardAgainstWeightedRangeOnFlop(benchmark::State& st)
{
    nextCard(st, kWeightedRange);
}
BENCHMARK(BM_NextCardAgainstWeightedRangeOnFlop)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_NextCardAgainstOneRandomOnFlop(benchmark::State& st)
{
    nextCard(st, nullptr);
}
BENCHMARK(BM_NextCardAgainstOneRandomOnFlop)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
