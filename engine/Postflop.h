#pragma once
// Post-flop advice for a made hand or a draw, by position, kind of pot and
// number of opponents.

#include <array>
#include <string_view>

namespace engine {

struct PokerState;

// The categories, in the order of the combo box's list (after its empty item).
inline constexpr std::array<std::string_view, 13> kPostFlopCategories = {
    "Top Pair - Jacks or Better w/ Good Kicker",
    "Top Pair - Jacks or Better w/ Weak Kicker",
    "Middle Pair - Tens and Below w/ Decent Kicker",
    "Top Two Pair",
    "Two Pair",
    "Nut Flush",
    "Nut Flush Draw",
    "Flush",
    "Non-Nut Flush Draw",
    "Straight",
    "Open-Ended Straight Draw or Double Gut-Shot",
    "Trips",
    "Full House",
};

inline constexpr const char* kEnterCorrectOptions = "Enter the correct options above";

// Chooses flopAdviseText from the text of cmbPostFlop and the six post-flop
// options, and shows it in txtFlop. An empty category clears the advice; an
// unknown one keeps it.
void getFlopAdvise(PokerState& s);

} // namespace engine
