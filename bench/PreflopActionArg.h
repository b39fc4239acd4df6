#pragma once
// Benchmarks timed once per pre-flop action: the argument is the action's
// number (register them with DenseRange(0, 4)), the label its name.

#include <benchmark/benchmark.h>

#include <string>

#include "engine/Situation.h"

namespace benchsupport {

inline engine::PreflopAction preflopActionArg(benchmark::State& st)
{
    const auto action = static_cast<engine::PreflopAction>(st.range(0));
    st.SetLabel(std::string(engine::actionName(action)));
    return action;
}

} // namespace benchsupport
