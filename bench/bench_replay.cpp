// `tablewise replay` over a long script of typing, clicks and Reset with a
// single dump at the end.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "cli/Replay.h"

namespace {

// About twenty actions that exercise every handler, repeated.
std::string script(std::size_t actions)
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
    }
    s += "dump\n";
    return s;
}

void BM_Replay(benchmark::State& st)
{
    const auto actions = static_cast<std::size_t>(st.range(0));
    std::string text = script(actions);
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
