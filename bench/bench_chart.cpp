// Computing the strategy chart of one situation: 169 hands through the bet
// routines on a scratch window state.

#include <benchmark/benchmark.h>

#include "engine/Chart.h"

namespace {

void BM_Chart(benchmark::State& st)
{
    static const platform::Money money(platform::MoneyLocale::unitedStates());
    engine::ChartSituation sit;
    sit.action = static_cast<engine::PreflopAction>(st.range(0));
    sit.position = engine::ChartPosition::Late;
    sit.bigBlind = "2";
    sit.limpers = "3";
    for (auto _ : st)
        benchmark::DoNotOptimize(engine::computeChart(sit, money));
}

} // namespace

BENCHMARK(BM_Chart)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
