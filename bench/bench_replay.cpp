// `tablewise replay` over a million actions, with a dump every 50 actions:
// a session of typing, backspaces and clicks that goes through every handler
// (twenty actions, repeated), and seeded random sessions as a user acts at
// the window (typing with the odd wrong key, backspaces, clicks, list
// choices, focus moves, Reset).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "cli/Replay.h"
#include "tests/support/RandomWalk.h"

namespace {

std::string everyHandler(std::size_t actions)
{
    static const char* const block[] = {
        "type txtBB 2",          "type txtHoleCard ak",   "click chkSuited",       "click optEarly",
        "click optOpened",       "click optLimped",       "type txtLimpers 3",     "click optBlinds",
        "click optRaised",       "click optRaisedCalled", "click optRaiseReRaise", "backspace txtHoleCard 2",
        "type txtHoleCard 9t",   "click optLate",         "select cmbPostFlop 9",  "click optIn",
        "click optLimpedPost",   "click optMultiWay",     "backspace txtBB 5",     "click cmdResetPartial",
    };
    std::string s;
    s.reserve(actions * 20);
    for (std::size_t i = 0; i < actions; ++i) {
        s += block[i % std::size(block)];
        s += '\n';
        if ((i + 1) % 50 == 0)
            s += "dump\n";
    }
    return s;
}

void replay(benchmark::State& st, std::string text, std::int64_t actions)
{
    std::FILE* sink = std::fopen("/dev/null", "w");
    for (auto _ : st) {
        std::FILE* in = fmemopen(text.data(), text.size(), "r");
        benchmark::DoNotOptimize(cli::replay(in, sink, stderr));
        std::fclose(in);
    }
    std::fclose(sink);
    st.SetItemsProcessed(st.iterations() * actions);
}

void BM_ReplayEveryHandler(benchmark::State& st)
{
    replay(st, everyHandler(static_cast<std::size_t>(st.range(0))), st.range(0));
}

void BM_ReplayRandomSessions(benchmark::State& st)
{
    replay(st, clitest::randomWalk(42, static_cast<unsigned>(st.range(0)), 50), st.range(0));
}

} // namespace

BENCHMARK(BM_ReplayEveryHandler)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplayRandomSessions)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
