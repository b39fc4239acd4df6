#pragma once
// The main window's pre-flop boxes read for the advisor: the typed hole cards
// with the stale-hand rule, the limper box, the numeric test of the big blind.
// What the boxes make of a hand class is asked of the engine with values.

#include <optional>
#include <string_view>

#include "engine/AdviceText.h"
#include "engine/Bet.h"
#include "engine/Groups.h"
#include "engine/Hand.h"
#include "engine/Situation.h"
#include "platform/money/Money.h"

namespace window {

// The pre-flop inputs as the window holds them, plus what the last
// computation left that the rules read again.
struct PreflopBoxes {
    engine::PreflopAction action = engine::PreflopAction::Opened;
    std::string_view holeCards;       // as typed, in either case
    bool suited = false;
    std::optional<engine::Position> position;
    std::string_view limpers;         // the limper box's text
    std::string_view bigBlind;        // the big-blind box's text
    // The canonical hand of the last computation that recognised one ("" when
    // none did yet): a text that is no hand leaves that hand in force.
    std::string_view lastHand;
};

struct PreflopRecommendation {
    engine::HandReading hand;
    engine::HandGroup group = engine::HandGroup::NotRanked;
    const engine::AdviceText* advice = &engine::kNoAdvice;
    engine::Bet bet;
    // The big blind the bet was built on, as the window remembers it: the
    // box's text when it holds an amount, "0" otherwise.
    std::string_view bigBlindText;
};

// Reads the hole cards, the limper count (KTs and KT in a limped pot read
// it) and the big blind (a text that is no amount counts as zero), and asks
// the advisor for the hand. A hand text that is no hand class (nothing typed
// yet, or a pair left suited by the stale-hand rule) is in no table.
PreflopRecommendation advisePreflop(const PreflopBoxes& boxes, const platform::Money& money);

} // namespace window
