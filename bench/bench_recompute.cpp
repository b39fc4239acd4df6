// One full recomputation in the headless window: a hole-card change runs the
// bet routine of the selected action through every result control.

#include <benchmark/benchmark.h>

#include "platform/form/Input.h"
#include "window/model/FrmPoker.h"

namespace {

const platform::Money& usMoney()
{
    static const platform::Money m(platform::MoneyLocale::unitedStates());
    return m;
}

void prepare(window::FrmPoker& frm, platform::OptionButton& action)
{
    frm.Form_Load();
    auto& s = frm.state;
    s.txtBB.setText("$2.00");
    s.optEarly.setValue(true);
    action.setValue(true);
    s.txtLimpers.setText("3");
}

void recompute(benchmark::State& st, platform::OptionButton& (*action)(engine::PokerState&))
{
    window::FrmPoker frm({}, usMoney());
    prepare(frm, action(frm.state));
    // Two hands that differ in every result: group, bet and advice.
    const char* hands[] = {"AK", "QQ"};
    int i = 0;
    for (auto _ : st) {
        frm.state.txtHoleCard.setText(hands[i ^= 1]);
        benchmark::DoNotOptimize(frm.state.lblBetAmount.caption().data());
    }
    st.SetItemsProcessed(st.iterations());
}

void BM_RecomputeOpened(benchmark::State& st)
{
    recompute(st, [](engine::PokerState& s) -> platform::OptionButton& { return s.optOpened; });
}
void BM_RecomputeLimped(benchmark::State& st)
{
    recompute(st, [](engine::PokerState& s) -> platform::OptionButton& { return s.optLimped; });
}
void BM_RecomputeReRaised(benchmark::State& st)
{
    recompute(st, [](engine::PokerState& s) -> platform::OptionButton& { return s.optRaiseReRaise; });
}

// The same through the input API, as a key press arrives from a window:
// Backspace then a rank, so each press recomputes once.
void BM_KeyPressRecompute(benchmark::State& st)
{
    window::FrmPoker frm({}, usMoney());
    prepare(frm, frm.state.optOpened);
    auto& box = frm.state.txtHoleCard;
    box.setText("AK");
    platform::input::moveFocus(box);
    const int keys[] = {platform::KeyBackspace, 'Q', platform::KeyBackspace, 'K'};
    std::size_t i = 0;
    for (auto _ : st) {
        box.setSelection(2, 0);
        platform::input::keyPress(box, keys[i++ & 3]);
    }
    st.SetItemsProcessed(st.iterations());
}

} // namespace

BENCHMARK(BM_RecomputeOpened);
BENCHMARK(BM_RecomputeLimped);
BENCHMARK(BM_RecomputeReRaised);
BENCHMARK(BM_KeyPressRecompute);
BENCHMARK_MAIN();
