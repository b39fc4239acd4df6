// `tablewise replay` over seeded random sessions of a million actions, as a
// user acts at the window (typing with the odd wrong key, backspaces, clicks,
// list choices, focus moves, Reset), with a dump every 50 actions.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "cli/Replay.h"
#include "tests/support/RandomWalk.h"

namespace {

void BM_Replay(benchmark::State& st)
{
    const auto actions = static_cast<unsigned>(st.range(0));
    std::string text = clitest::randomWalk(42, actions, 50);
    std::FILE* sink = std::fopen("/dev/null", "w");
    for (auto _ : st) {
        std::FILE* in = fmemopen(text.data(), text.size(), "r");
        benchmark::DoNotOptimize(cli::replay(in, sink, stderr));
        std::fclose(in);
    }
    std::fclose(sink);
    st.SetItemsProcessed(st.iterations() * static_cast<std::int64_t>(actions));
}

} // namespace

BENCHMARK(BM_Replay)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
