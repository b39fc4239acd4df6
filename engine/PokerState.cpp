#include "engine/PokerState.h"

namespace engine {

PokerState::PokerState(const platform::Money& m) : money(m)
{
    lblCardSort.setVisible(false);
    lblCardValue.setVisible(false);
    txtPreFlop.setMultiLine(true);
    txtFlop.setMultiLine(true);
}

} // namespace engine
