#pragma once
// The strategy chart: what the advisor recommends for all 169 hands in one
// pre-flop situation, computed by the engine's own routines on a scratch
// window state.

#include <array>
#include <string>
#include <string_view>

#include "engine/Hand.h"
#include "platform/money/Money.h"

namespace engine {

enum class PreflopAction { Opened, Limped, Raised, RaisedCalled, ReRaised };
enum class ChartPosition { Early, Middle, Late, Blinds };

struct ChartSituation {
    PreflopAction action = PreflopAction::Opened;
    ChartPosition position = ChartPosition::Early;
    std::string bigBlind = "1"; // as typed or as the window shows it
    std::string limpers = "1";  // used with Limped
};

// What a player reads from a cell at a glance.
enum class BetClass {
    Raise,   // an amount or range above one big blind, or a re-raise
    Call,    // one big blind, a call, completing the small blind, the 5/10 rule
    Fold,
    Advice,  // "see the advice" in any spelling, or no bet
};

struct ChartCell {
    std::string hand;   // "AKs", "AK", "QQ"
    std::string group;  // "1" to "8" or "Not Ranked"
    std::string bet;    // the bet text, as lblBetAmount shows it
    std::string advice; // the advice text, as txtPreFlop shows it
    BetClass betClass = BetClass::Advice;
};

// Cells in the 13x13 grid order of handIndex: aces first, pairs on the
// diagonal, suited hands above it, offsuit below.
struct Chart {
    ChartSituation situation;
    std::array<ChartCell, kHandCount> cells;

    const ChartCell& at(int row, int column) const { return cells[static_cast<std::size_t>(row * 13 + column)]; }
};

Chart computeChart(const ChartSituation& situation, const platform::Money& money = platform::Money::process());

// Classes a bet text; amounts are compared with the big blind.
BetClass classifyBet(std::string_view bet, double bigBlind, const platform::Money& money);

std::string_view betClassName(BetClass c);       // "raise", "limp/call", "fold", "read the advice"
std::string_view betClassDescription(BetClass c); // one line for the legend
std::string_view actionName(PreflopAction a);     // "Opened", "Limped", "Raise", "Raise and Call", "Raise and Re-Raise"
std::string_view positionName(ChartPosition p);   // "Early", ...

// The first sentence of an advice text: up to the first full stop, question
// or exclamation mark that ends a sentence, or the first line break.
std::string_view firstSentence(std::string_view advice);

} // namespace engine
