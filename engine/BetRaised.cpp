// Bet sizing facing a raise, a raise and a call, or a raise and a re-raise:
// no amounts, only words.

#include "engine/PreflopTables.h"

namespace engine {

namespace {

constexpr BetCell kReRaise = word("Re-Raise to full pot", BetClass::Raise);
constexpr BetCell kSee = kSeeAdvice;
constexpr BetCell kFoldCell = kFold;
constexpr BetCell k510 = word("Apply 5/10 Rule", BetClass::Call);
// The re-raised table spells the same words two other ways.
constexpr BetCell kSeeAdvise = word("See advise below", BetClass::Advice);
constexpr BetCell kSeeAdviceCapital = word("See Advice below", BetClass::Advice);

constexpr BetRow kRaiseRows[] = {
    //  hands                          Early       Middle      Late        Blinds      none
    {"AA, KK, QQ",                     kReRaise,   kReRaise,   kReRaise,   kReRaise,   kReRaise},
    {"AKs",                            kSee,       kSee,       kSee,       kSee,       kEmpty},
    {"TT, AQs",                        kSee,       kSee,       kSee,       kSee,       kEmpty},
    {"JJ",                             kSee,       kSee,       kSee,       kSee,       kEmpty},
    {"AJs, KQs",                       kSee,       kSee,       kSee,       kSee,       kSee},
    {"AK",                             kSee,       kSee,       kSee,       kSee,       kEmpty},
    {"99, AQ",                         kSee,       kSee,       kSee,       kSee,       kEmpty},
    {"JTs",                            kFoldCell,  kFoldCell,  kCall,      kEmpty,     kEmpty},
    {"KJs, ATs",                       kFoldCell,  kFoldCell,  kFoldCell,  kSee,       kEmpty},
    {"QJs",                            kFoldCell,  kFoldCell,  kSee,       kEmpty,     kEmpty},
    {"22, 33, 44, 55, 66, 77, 88",     k510,       k510,       k510,       k510,       k510},
    {"AJ, KQ, KJ, A2s, A3s, A4s, A5s, A6s, A7s, A8s, A9s",
                                       kFoldCell,  kFoldCell,  kFoldCell,  kSee,       kEmpty},
    {"AT, QTs, QJ, KTs, J9s, QT",      kFoldCell,  kFoldCell,  kFoldCell,  kFoldCell,  kFoldCell},
    {"JT",                             kFoldCell,  kFoldCell,  kSee,       kSee,       kEmpty},
    {"65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9",
                                       kFoldCell,  kFoldCell,  kSee,       kSee,       kEmpty},
    // any other hand text, the empty text included: "Fold"
};

constexpr BetRow kRaiseCallRows[] = {
    //  hands                          Early       Middle      Late        Blinds      none
    {"AA, KK, QQ",                     kReRaise,   kReRaise,   kReRaise,   kReRaise,   kReRaise},
    {"AKs",                            kSee,       kSee,       kSee,       kSee,       kEmpty},
    {"JJ, AJs, KQs, TT, AQs, AK",      kSee,       kSee,       kSee,       kSee,       kEmpty},
    {"99, AQ",                         kCall,      kCall,      kCall,      kCall,      kCall},
    {"JTs",                            kFoldCell,  kFoldCell,  kCall,      kFoldCell,  kFoldCell},
    {"KJs, ATs",                       kFoldCell,  kFoldCell,  kFoldCell,  kFoldCell,  kFoldCell},
    {"QJs",                            kFoldCell,  kFoldCell,  kSee,       kFoldCell,  kEmpty},
    {"22, 33, 44, 55, 66, 77, 88",     k510,       k510,       k510,       k510,       k510},
    {"AJ, KQ, KJ, A2s, A3s, A4s, A5s, A6s, A7s, A8s, A9s",
                                       kFoldCell,  kFoldCell,  kFoldCell,  kFoldCell,  kFoldCell},
    {"AT, QTs, QJ, KTs, J9s, QT",      kFoldCell,  kFoldCell,  kFoldCell,  kFoldCell,  kFoldCell},
    {"65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9, JT",
                                       kFoldCell,  kFoldCell,  kFoldCell,  kFoldCell,  kFoldCell},
    // any other hand text, the empty text included: "Fold"
};

constexpr BetRow kReRaiseRows[] = {
    //  hands                          Early       Middle      Late        Blinds      none
    {"AA, KK",                         kReRaise,   kReRaise,   kReRaise,   kReRaise,   kReRaise},
    {"AKs",                            kCall,      kCall,      kCall,      kCall,      kCall},
    {"QQ",                             kSeeAdvise, kSeeAdvise, kSeeAdvise, kSeeAdvise, kUnchanged},
    {"JJ",                             kSeeAdviceCapital, kSeeAdviceCapital, kSeeAdviceCapital, kSeeAdviceCapital,
                                                                                       kUnchanged},
    {"AJs, KQs",                       kFoldCell,  kFoldCell,  kFoldCell,  kFoldCell,  kFoldCell},
    {"TT, AQs, AK",                    kSee,       kSee,       kSee,       kSee,       kEmpty},
    {"KJs, ATs, QJs, JTs, AQ",         kFoldCell,  kFoldCell,  kFoldCell,  kFoldCell,  kFoldCell},
    {"22, 33, 44, 55, 66, 77, 88, 99", kSee,       kSee,       kSee,       kSee,       kEmpty},
    // any other hand text (the weaker hands, all unlisted hands and the empty text): "Fold"
};

} // namespace

constexpr BetTable kRaisedBets{kRaiseRows};
constexpr BetTable kRaisedCalledBets{kRaiseCallRows};
constexpr BetTable kReRaisedBets{kReRaiseRows};

} // namespace engine
