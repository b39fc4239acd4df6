#pragma once
// The pre-flop position as the decision tables read it.

#include "engine/PokerState.h"

namespace engine {

enum class Position { Late, Middle, Early, Blinds, None };

// The selected position option, examined Late, Middle, Early, Blinds; None
// when no option is selected.
inline Position selectedPosition(const PokerState& s)
{
    if (s.optLate.value())
        return Position::Late;
    if (s.optMiddle.value())
        return Position::Middle;
    if (s.optEarly.value())
        return Position::Early;
    if (s.optBlinds.value())
        return Position::Blinds;
    return Position::None;
}

} // namespace engine
