#pragma once
// A player's first pre-flop decision in a hand, held against the advisor:
// the situation he faced (position, what happened before him), what he did,
// what the advisor recommends there, and the verdict.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Bet.h"
#include "engine/Situation.h"
#include "history/model/HandHistory.h"

namespace history {

enum class Move : std::uint8_t { Fold, Check, Call, Raise };
enum class Verdict : std::uint8_t { Follows, Tighter, Looser, Ungraded };
enum class SizeVerdict : std::uint8_t { Below, Within, Above };

struct Decision {
    int playerIndex = 0;          // into HandHistory::players
    std::string player;
    HoleCards cards;
    int handIndex = 0;            // the hand class as engine::handIndex: "AKs", "AK", "QQ"
    int players = 0;              // dealt in
    std::string_view seat;        // "UTG", "UTG+1" ... "LJ", "HJ", "CO", "BTN", "SB", "BB"
    std::optional<engine::Position> position; // none heads-up
    engine::PreflopAction before = engine::PreflopAction::Opened;
    int limpers = 0;
    double bigBlind = 0;          // in the hand's money
    Move action = Move::Fold;
    double toBB = 0;              // called or raised to, in big blinds; 0 for fold and check
    engine::BetClass advice = engine::BetClass::Advice;
    std::optional<double> adviceLowBB, adviceHighBB; // the advisor's amounts in big blinds
    std::optional<SizeVerdict> size;                // for a raise against a raise with amounts
    Verdict verdict = Verdict::Ungraded;
    std::string_view reason;      // "" when graded: "heads-up", "straddle", "advice in words" ...
    std::optional<double> netBB;  // the hand's net result in big blinds, when known
};

// Every decision of the hand worth listing: one for each player whose two
// cards are known and who had a pre-flop decision (a big blind whose option
// comes with nobody in the pot has none).
std::vector<Decision> gradeHand(const HandHistory& hand);

// Spellings used by the command's output and the store.
std::string_view moveName(Move m);             // "fold", "check", "call", "raise"
std::string_view verdictName(Verdict v);       // "follows", "tighter", "looser", "ungraded"
std::string_view sizeName(SizeVerdict s);      // "below", "within", "above"
std::string_view beforeName(engine::PreflopAction a); // "Opened", "Limped", "Raised", "RaisedCalled", "ReRaised"
std::string_view adviceClassName(engine::BetClass c); // "raise", "call", "fold", "advice"

} // namespace history
