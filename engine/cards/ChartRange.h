#pragma once
// The advisor's chart as a range: "chart(raised, late):raise" holds the
// hands whose recommendation in that situation has that bet class. The
// words are the chart command's: an action (opened, limped, raised,
// raised-called, re-raised), a position (early, middle, late, blinds), with
// limped the number of limpers (1 when not given), and a class (raise, call
// or limp/call, fold, advice). Case never matters.

#include <string_view>
#include <utility>
#include <vector>

#include "engine/Bet.h"
#include "engine/Situation.h"
#include "engine/cards/Parsed.h"

namespace engine::cards {

using ActionWords = std::vector<std::pair<std::string_view, PreflopAction>>;
using PositionWords = std::vector<std::pair<std::string_view, Position>>;
using BetClassWords = std::vector<std::pair<std::string_view, BetClass>>;

const ActionWords& chartActionWords();
const PositionWords& chartPositionWords();
const BetClassWords& chartClassWords();

// "chart(" in any case: the item is a chart range.
bool isChartItem(std::string_view item);

// Reads a chart item without its weight into the grid indices of its hand
// classes (engine::handIndex), in grid order; the error says what is wrong.
Parsed<std::vector<int>> readChartItem(std::string_view item);

} // namespace engine::cards
