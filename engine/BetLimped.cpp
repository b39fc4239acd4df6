// Bet sizing when players have only called the big blind before the player:
// raises grow by one big blind per limper.

#include "engine/PreflopTables.h"

namespace engine {

namespace {

constexpr BetCell kRaise = rangeL(4, 6);     // 4 x BB + L to 6 x BB + L
constexpr BetCell kBlinds = rangeL(5, 6);    // 5 x BB + L to 6 x BB + L
constexpr BetCell kSee = kSeeAdvice;
constexpr BetCell kFoldCell = kFold;
constexpr BetCell kCompleteSB = word("Complete SB", BetClass::Call);

constexpr BetRow kRows[] = {
    //  hands                          Early       Middle      Late        Blinds      none
    {"AA, KK, QQ, AKs, AK, AQs, AJs",  kRaise,     kRaise,     kRaise,     kBlinds,    kEmpty},
    {"JJ",                             kSee,       kSee,       needsLimperCount(kSee), kBlinds, kEmpty},
    {"AQ",                             amountL(4), kRaise,     amountL(4),
        needsLimperCount(word("See Advice below", BetClass::Advice)),                  kEmpty},
    {"TT, KQs",                        oneBB(),    oneBB(),    kSee,       kBlinds,    kEmpty},
    {"ATs, KJs",                       kFoldCell,  kSee,       amountL(4), kCompleteSB, kEmpty},
    {"QJs, JTs, AJ",                   kFoldCell,  kSee,       kSee,       kCompleteSB, kEmpty},
    {"99",                             amountL(4), oneBB(),    oneBB(),    kCompleteSB, kEmpty},
    {"22, 33, 44, 55, 66, 77, 88, A2s, A3s, A4s, A5s, A6s, A7s, A8s, A9s",
                                       oneBB(),    oneBB(),    oneBB(),    kCompleteSB, kEmpty},
    {"KJ",                             oneBB(),    oneBB(),    kSee,       kCompleteSB, kEmpty},
    {"KQ",                             kFoldCell,  oneBB(),    kSee,       kCompleteSB, kEmpty},
    {"AT",                             kFoldCell,  amountL(4), amountL(4), kCompleteSB, kUnchanged},
    {"QTs, QJ, J9s, QT",               kFoldCell,  oneBB(),    oneBB(),    kEmpty,     kEmpty},
    // KTs and KT: Late follows the limper rule.
    {"KTs",                            kFoldCell,  oneBB(),    kEmpty,     kSee,       kEmpty,     true},
    {"KT",                             kFoldCell,  kFoldCell,  kEmpty,     kFoldCell,  kEmpty,     true},
    {"65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9, JT",
                                       kFoldCell,  kFoldCell,  oneBB(),    kSee,       kEmpty},
    {"A9",                             kFoldCell,  kFoldCell,  oneBB(),    kFoldCell,  kEmpty},
    // any other hand text, the empty text included: "Fold"
};

} // namespace

constexpr BetTable kLimpedBets{kRows};

} // namespace engine
