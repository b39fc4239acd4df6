#pragma once
// The texts the cards and board window shows: the hand on the board, the
// equity and the pot odds. Percentages are written with the decimal point of
// the money format, as its amounts are: "45.7%" beside "$2.00", "45,7%" beside
// "2,00 €".

#include <string>
#include <vector>

#include "engine/board/BoardReading.h"
#include "engine/odds/EquityRequest.h"
#include "platform/money/Money.h"
#include "window/cards/PotOdds.h"

namespace window::cards {

// 0.4567 -> "45.7%" ("45,7%" in de_DE)
std::string percentText(double share, const platform::Money& money = platform::Money::process());

// "Made hand: <in words> (<what the hole cards make of it>)", "Draws: ..."
// (with the outs of each), "Outs: N (<the cards>)", "Post-flop: <category>"
// or "Post-flop: none fits".
std::vector<std::string> readingLines(const engine::board::BoardReading& reading);

// "Win 45.2%   Tie 1.1%   Equity 45.8%" with " ± 0.1%" for Monte Carlo.
std::string equityLine(const engine::odds::EquityResult& result,
                       const platform::Money& money = platform::Money::process());
// One player's numbers in a result of several players, as equityLine writes them.
std::string equityLine(const engine::odds::PlayerEquity& player, engine::odds::EquityMethod method,
                       const platform::Money& money = platform::Money::process());
// "exact, 1 070 190 deals" or "Monte Carlo, 250 000 deals".
std::string methodLine(const engine::odds::EquityResult& result);

// "Pot $100.00, bet $25.00: a call needs 20.0% equity, you have 45.8%."
// followed by the verdict on the odds alone.
std::string potOddsLine(const PotOdds& odds, const engine::odds::EquityResult& result, const platform::Money& money);

} // namespace window::cards
