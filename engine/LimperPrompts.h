#pragma once
// The hands for which the window asks for the number of limpers before it
// gives any advice in a limped pot.

#include <string_view>

namespace engine {

enum class LimperPrompt {
    OnChoosingLimped,  // when Limped is chosen and the count box is empty
    OnPositionChange,  // when the position changes in a limped pot with no count
};

bool asksForLimpers(LimperPrompt when, std::string_view handText);

} // namespace engine
