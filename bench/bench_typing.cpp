// Typing into a multi-line text box of the form model, as a player typing a
// long note into the advice box does: N characters at the caret, then N
// Backspaces. The cost of one key is shown per key; it should not grow with
// the text's length.

#include <benchmark/benchmark.h>

#include <cstddef>

#include "platform/form/Input.h"

namespace {

struct AdviceBox {
    platform::Form form{"frmBench"};
    platform::TextBox box{form, "txtBench"};
    AdviceBox() { box.setMultiLine(true); }
};

// Letters and, now and then, a two- or three-byte character and a line break.
int keyNumber(std::size_t i)
{
    if (i % 61 == 60)
        return platform::KeyReturn;
    if (i % 17 == 16)
        return i % 2 == 0 ? 0xE9 : 0x20AC;
    return 'a' + static_cast<int>(i % 26);
}

void perKey(benchmark::State& state, std::size_t keys)
{
    state.counters["per_key"] = benchmark::Counter(static_cast<double>(keys),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

void BM_TypeCharacters(benchmark::State& state)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        AdviceBox advice;
        for (std::size_t i = 0; i < n; ++i)
            platform::input::keyPress(advice.box, keyNumber(i));
        benchmark::DoNotOptimize(advice.box.text().data());
    }
    perKey(state, n);
}
BENCHMARK(BM_TypeCharacters)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_BackspaceCharacters(benchmark::State& state)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        AdviceBox advice;
        std::string text;
        for (std::size_t i = 0; i < n; ++i)
            text += static_cast<char>('a' + i % 26);
        advice.box.setText(text);
        state.ResumeTiming();
        for (std::size_t i = 0; i < n; ++i)
            platform::input::keyPress(advice.box, platform::KeyBackspace);
        benchmark::DoNotOptimize(advice.box.text().data());
    }
    perKey(state, n);
}
BENCHMARK(BM_BackspaceCharacters)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
