// Bet sizing when nobody has entered the pot before the player.

#include "engine/PreflopTables.h"

namespace engine {

namespace {

constexpr BetCell kRaise = range(4, 6);      // from Early, Middle or Late
constexpr BetCell kBlinds = range(3.5, 4);   // from the blinds
constexpr BetCell kSee = kSeeAdvice;
constexpr BetCell kFoldCell = kFold;

constexpr BetRow kRows[] = {
    //  hands                          Early       Middle      Late        Blinds      none
    {"AA, KK, QQ, JJ, TT, AKs, AK, AQs, AQ, AJs",
                                       kRaise,     kRaise,     kRaise,     kBlinds,    kEmpty},
    {"KQs, AJ, ATs",                   oneBB(),    kRaise,     kRaise,     kBlinds,    kEmpty},
    {"KJs, KQ, AT",                    kFoldCell,  kRaise,     kRaise,     kBlinds,    kEmpty},
    {"QJs, JTs",                       kFoldCell,  oneBB(),    kRaise,     kBlinds,    kEmpty},
    {"99",                             kSee,       kSee,       kRaise,     kBlinds,    kEmpty},
    {"KJ, KTs",                        kFoldCell,  kSee,       kRaise,     kBlinds,    kEmpty},
    {"A2s, A3s, A4s, A5s, A6s, A7s",   oneBB(),    oneBB(),    oneBB(),    kBlinds,    kEmpty},
    {"A8s, A9s",                       oneBB(),    oneBB(),    kRaise,     kBlinds,    kEmpty},
    {"88, 22, 33, 44, 55, 66, 77",     oneBB(),    kSee,       kRaise,     kBlinds,    kEmpty},
    {"QTs, QJ, J9s, QT",               kFoldCell,  kFoldCell,  kRaise,     kBlinds,    kEmpty},
    {"65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9, JT",
                                       kSee,       kSee,       kSee,       kSee,       kUnchanged},
    {"A9, A8",                         kFoldCell,  kFoldCell,  kRaise,     kFoldCell,  kEmpty},
    // any other hand text, the empty text included: "Fold"
};

} // namespace

constexpr BetTable kOpenedBets{kRows};

} // namespace engine
