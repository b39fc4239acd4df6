// One full pre-flop recomputation: the engine alone, from a query to an
// answer, and the window's, from a key press in the hole-card box
// through every result control.

#include <benchmark/benchmark.h>

#include "PreflopActionArg.h"
#include "engine/PreflopQuery.h"
#include "platform/form/Input.h"
#include "window/model/FrmPoker.h"

namespace {

// Two hands that differ in every result: group, bet and advice.
void BM_AnswerPreflop(benchmark::State& st)
{
    engine::PreflopQuery q;
    q.action = benchsupport::preflopActionArg(st);
    q.position = engine::Position::Early;
    q.bigBlind = 2;
    q.limpers = 3;
    const int hands[] = {engine::handIndex("AK"), engine::handIndex("QQ")};
    int i = 0;
    for (auto _ : st) {
        q.hand = hands[i ^= 1];
        const engine::PreflopAnswer r = engine::answerPreflop(q);
        benchmark::DoNotOptimize(r.bet.low);
        benchmark::DoNotOptimize(r.advice);
    }
    st.SetItemsProcessed(st.iterations());
}

// Backspace, then a rank, as a key press arrives from a window: each press
// recomputes once and writes every result.
void BM_KeyPressRecompute(benchmark::State& st)
{
    window::FrmPoker frm({}, platform::Money::unitedStates());
    frm.Form_Load();
    frm.txtBB.setText("$2.00");
    frm.optEarly.setValue(true);
    frm.actionOption(benchsupport::preflopActionArg(st)).setValue(true);
    frm.txtLimpers.setText("3");
    auto& box = frm.txtHoleCard;
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

BENCHMARK(BM_AnswerPreflop)->DenseRange(0, 4);
BENCHMARK(BM_KeyPressRecompute)->DenseRange(0, 4);
BENCHMARK_MAIN();
