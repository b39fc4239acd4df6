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

// Rows the raised and the raised-and-called pots share.
constexpr BetRow kBigPairsReRaise = anyPosition("AA, KK, QQ", kReRaise);
constexpr BetRow kSmallPairs510 = anyPosition("22, 33, 44, 55, 66, 77, 88", k510);

constexpr BetRow kRaiseRows[] = {
    kBigPairsReRaise,
    anySeat("JJ, TT, 99, AKs, AK, AQs, AQ", kSee, kEmpty),
    anyPosition("AJs, KQs", kSee),
    //  hands                          Early       Middle      Late        Blinds      none
    {"JTs",                            kFoldCell,  kFoldCell,  kCall,      kEmpty,     kEmpty},
    {"QJs",                            kFoldCell,  kFoldCell,  kSee,       kEmpty,     kEmpty},
    {"KJs, ATs, AJ, KQ, KJ, A2s, A3s, A4s, A5s, A6s, A7s, A8s, A9s",
                                       kFoldCell,  kFoldCell,  kFoldCell,  kSee,       kEmpty},
    {"JT, 65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9",
                                       kFoldCell,  kFoldCell,  kSee,       kSee,       kEmpty},
    kSmallPairs510,
    anyPosition("AT, QTs, QJ, KTs, J9s, QT", kFoldCell),
    // any other hand text, the empty text included: "Fold"
};

constexpr BetRow kRaiseCallRows[] = {
    kBigPairsReRaise,
    anySeat("JJ, TT, AKs, AK, AQs, AJs, KQs", kSee, kEmpty),
    anyPosition("99, AQ", kCall),
    //  hands                          Early       Middle      Late        Blinds      none
    {"JTs",                            kFoldCell,  kFoldCell,  kCall,      kFoldCell,  kFoldCell},
    {"QJs",                            kFoldCell,  kFoldCell,  kSee,       kFoldCell,  kEmpty},
    kSmallPairs510,
    anyPosition("KJs, ATs, AJ, KQ, KJ, A2s, A3s, A4s, A5s, A6s, A7s, A8s, A9s, AT, QTs, QJ, KTs, J9s, QT, "
                "65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9, JT",
                kFoldCell),
    // any other hand text, the empty text included: "Fold"
};

constexpr BetRow kReRaiseRows[] = {
    anyPosition("AA, KK", kReRaise),
    anyPosition("AKs", kCall),
    anySeat("QQ", kSeeAdvise, kUnchanged),
    anySeat("JJ", kSeeAdviceCapital, kUnchanged),
    anySeat("TT, 99, 88, 77, 66, 55, 44, 33, 22, AK, AQs", kSee, kEmpty),
    anyPosition("AJs, KQs, KJs, ATs, QJs, JTs, AQ", kFoldCell),
    // any other hand text (the weaker hands, all unlisted hands and the empty text): "Fold"
};

} // namespace

constexpr BetTable kRaisedBets{kRaiseRows};
constexpr BetTable kRaisedCalledBets{kRaiseCallRows};
constexpr BetTable kReRaisedBets{kReRaiseRows};

} // namespace engine
