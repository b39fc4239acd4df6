#pragma once
// The strategy chart: what the advisor recommends for all 169 hands in one
// pre-flop situation.

#include <array>
#include <string>
#include <string_view>

#include "engine/Bet.h"
#include "engine/Groups.h"
#include "engine/Hand.h"
#include "engine/Situation.h"
#include "platform/money/Money.h"

namespace engine {

struct ChartSituation {
    PreflopAction action = PreflopAction::Opened;
    Position position = Position::Early;
    double bigBlind = 1;
    double limpers = 1; // used with Limped
    // Bets told in big blinds ("4 BB to 6 BB"), worked out on a big blind of
    // one, instead of in the money format.
    bool inBigBlinds = false;
};

struct ChartCell {
    std::string hand;   // "AKs", "AK", "QQ"
    HandGroup group = HandGroup::NotRanked;
    std::string bet;    // the bet text, as the window shows it (or in big blinds)
    std::string advice; // the advice text, as the window shows it
    BetClass betClass = BetClass::Advice;
};

// Cells in the 13x13 grid order of handIndex: aces first, pairs on the
// diagonal, suited hands above it, offsuit below.
struct Chart {
    ChartSituation situation;
    std::array<ChartCell, kHandCount> cells;

    const ChartCell& at(int row, int column) const { return cells[static_cast<std::size_t>(row * 13 + column)]; }
};

// Each hand as the advisor answers it in the situation, the bet as the window
// shows it (or in big blinds).
Chart computeChart(const ChartSituation& situation, const platform::Money& money = platform::Money::process());

std::string_view betClassName(BetClass c);       // "raise", "limp/call", "fold", "read the advice"
std::string_view betClassDescription(BetClass c); // one line for the legend

// The first sentence of an advice text: up to the first full stop, question
// or exclamation mark that ends a sentence, or the first line break.
std::string_view firstSentence(std::string_view advice);

} // namespace engine
