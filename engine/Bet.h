#pragma once
// Bets: the cells of the bet tables, and the bet a recommendation carries.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/DecisionTable.h"

namespace platform {
class Money;
}

namespace engine {

// What a player reads from a bet at a glance.
enum class BetClass : std::uint8_t {
    Raise,  // an amount above one big blind, or a re-raise
    Call,   // one big blind, a call, completing the small blind, the 5/10 rule
    Fold,
    Advice, // "see the advice" in any spelling, or no bet
};

// The bet of a recommendation. Amounts are money values; whoever shows the
// bet writes them in its own format (appendBetText for the window's).
struct Bet {
    enum class Kind : std::uint8_t {
        Unchanged,  // leave what is shown
        Word,       // "Fold", "Call", "See advice below", "" ...
        Amount,     // low
        Range,      // low to high
        ZeroPrompt, // zero in the money format, shown beside a prompt for missing input
    };
    Kind kind = Kind::Unchanged;
    BetClass betClass = BetClass::Advice;
    std::string_view word;
    double low = 0;
    double high = 0;

    static constexpr Bet zeroPrompt() { return {Kind::ZeroPrompt, BetClass::Advice, {}, 0, 0}; }

    friend bool operator==(const Bet&, const Bet&) = default;
};

// Appends the bet as the window shows it: an amount in the money format, a
// range as "<low> to <high>", a word as it is; nothing for Unchanged.
void appendBetText(std::string& out, const Bet& bet, const platform::Money& money);
std::string betText(const Bet& bet, const platform::Money& money);
// The same with amounts counted in big blinds, for a bet worked out on a big
// blind of one: "4 BB to 6 BB", "3.5 BB".
std::string betTextInBigBlinds(const Bet& bet);

// A cell of a bet table: a word, or amounts as factors of the big blind.
struct BetCell {
    Bet::Kind kind = Bet::Kind::Unchanged;
    BetClass betClass = BetClass::Advice;
    const char* word = nullptr;
    double low = 0;            // factor of the big blind
    double high = 0;           // factor of the upper end of a range
    bool perLimper = false;    // one big blind added per limper
    bool needsLimpers = false; // taken only when there is a limper count

    bool operator==(const BetCell& other) const;
};

constexpr BetCell kUnchanged{};
constexpr BetCell word(const char* w, BetClass c) { return {Bet::Kind::Word, c, w, 0, 0, false, false}; }
constexpr BetCell kEmpty = word("", BetClass::Advice);
// f x BB to g x BB
constexpr BetCell range(double f, double g) { return {Bet::Kind::Range, BetClass::Raise, nullptr, f, g, false, false}; }
// 1 x BB: the big blind itself, a limp or a call
constexpr BetCell oneBB() { return {Bet::Kind::Amount, BetClass::Call, nullptr, 1, 0, false, false}; }
// f x BB + L, and f x BB + L to g x BB + L, where L is one big blind per
// limper; both need the limper count.
constexpr BetCell amountL(double f) { return {Bet::Kind::Amount, BetClass::Raise, nullptr, f, 0, true, true}; }
constexpr BetCell rangeL(double f, double g) { return {Bet::Kind::Range, BetClass::Raise, nullptr, f, g, true, true}; }
// The cell, taken only when there is a limper count (it does not use it).
constexpr BetCell needsLimperCount(BetCell c)
{
    c.needsLimpers = true;
    return c;
}

// The words of the bet tables.
inline constexpr BetCell kFold = word("Fold", BetClass::Fold);
inline constexpr BetCell kSeeAdvice = word("See advice below", BetClass::Advice);
inline constexpr BetCell kCall = word("Call", BetClass::Call);

using BetRow = PositionRow<BetCell>;
using BetTable = DecisionTable<BetRow>;

} // namespace engine
