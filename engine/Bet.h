#pragma once
// Bet sizing: the cells of the bet decision tables, the common frame every bet
// routine runs, and the five routines, one per pre-flop action.

#include <string_view>

#include "engine/Position.h"

namespace engine {

struct PokerState;

// A bet cell: what goes into lblBetAmount.
struct BetCell {
    enum class Kind { Unchanged, Empty, Word, Amount, Range };

    Kind kind = Kind::Unchanged;
    double low = 0;          // factor of the big blind
    double high = 0;         // factor of the upper end of a range
    bool perLimper = false;  // one big blind added per limper (+L)
    bool needsLimpers = false; // taken only when the limper count is there (†)
    const char* word = nullptr;
};

constexpr BetCell kUnchanged{};
constexpr BetCell kEmpty{BetCell::Kind::Empty};
constexpr BetCell word(const char* w) { return {BetCell::Kind::Word, 0, 0, false, false, w}; }
// f x BB to g x BB
constexpr BetCell range(double f, double g) { return {BetCell::Kind::Range, f, g}; }
// 1 x BB: the big blind itself
constexpr BetCell oneBB() { return {BetCell::Kind::Amount, 1}; }
// f x BB + L, and f x BB + L to g x BB + L; both need the limper count.
constexpr BetCell amountL(double f) { return {BetCell::Kind::Amount, f, 0, true, true}; }
constexpr BetCell rangeL(double f, double g) { return {BetCell::Kind::Range, f, g, true, true}; }
// A cell that needs the limper count without using it.
constexpr BetCell dagger(BetCell c)
{
    c.needsLimpers = true;
    return c;
}

struct BetRow {
    std::string_view hands;
    BetCell early;
    BetCell middle;
    BetCell late;
    BetCell blinds;
    BetCell none;
    // KTs and KT in a limped pot: Late follows the limper rule.
    bool limperRule = false;

    const BetCell& cell(Position p) const
    {
        switch (p) {
        case Position::Early: return early;
        case Position::Middle: return middle;
        case Position::Late: return late;
        case Position::Blinds: return blinds;
        case Position::None: break;
        }
        return none;
    }
};

// The words of the bet tables.
inline constexpr const char* kFold = "Fold";
inline constexpr const char* kSeeAdvice = "See advice below";

// The full pre-flop recomputation of each action.
void getBetAmtOpen(PokerState& s);
void getBetAmtLimped(PokerState& s);
void getBetAmtRaise(PokerState& s);
void getBetAmtRaiseCall(PokerState& s);
void getBetAmtRaiseReRaise(PokerState& s);

} // namespace engine
