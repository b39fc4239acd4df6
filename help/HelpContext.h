#pragma once
// The help file's context numbers, shared with the help file's own map.

#include "help/chm/context.h"

namespace help {

// The topic of the main window, which F1 and the Help button show.
inline constexpr long kHelpContextMainWindow = IDH_MAIN_WINDOW;
// The topic of the strategy chart window, which F1 there shows.
inline constexpr long kHelpContextStrategyChart = IDH_STRATEGY_CHART;
// The cards and board window's topic, which F1 there shows.
inline constexpr long kHelpContextCardsBoard = IDH_CARDS_BOARD;
// The review window's topic, which F1 there shows.
inline constexpr long kHelpContextReviewHands = IDH_REVIEW_HANDS;
// The practice window's topic, which F1 there shows.
inline constexpr long kHelpContextPractice = IDH_PRACTICE;

} // namespace help
