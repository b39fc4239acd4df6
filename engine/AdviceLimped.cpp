// Pre-flop advice when players have only called the big blind before the
// player.

#include <optional>

#include "engine/Advice.h"
#include "engine/Hand.h"
#include "engine/Limpers.h"
#include "engine/PokerState.h"

namespace engine {

namespace {

using enum AdviceKey;

constexpr const char* kPos = "Enter correct position above";
constexpr const char* kRaiseAJs = "Raise 4-6xBB+1BB per limper. If you are re-raised, fold.";
constexpr const char* kLimpOutOfPosition = "Limp behind with this hand when out of position";
constexpr const char* kCompleteSB = "Complete the Small Blind. Call mini-raises in the Big Blind.";
constexpr const char* kLimp = "Limp with this hand.";
constexpr const char* kLimpUnlessAggressive =
    "Limp with this hand. If the players behind you are aggressive, then raise or fold.";
constexpr const char* kFoldEarly = "Fold this hand from early position.";
constexpr const char* kLimpMP2 = "Limp behind from MP2 to the button.";
constexpr const char* kLimpMP2Loose = "Limp behind from MP2 to the button if the table is playing loose.";
constexpr const char* kLimpLateSeats = "Limp behind with this hand from MP3, CO and the button.";
constexpr const char* kFoldEarlyMiddle = "Fold from early position and early middle position (MP1 and MP2).";

constexpr AdviceRow kLimpedRows[] = {
    //  hands                          Late        Middle      Early       Blinds      none
    {"AA, KK",                         ADV_L_01,   ADV_L_01,   ADV_L_01,   ADV_L_02,   kPos},
    {"QQ",                             ADV_L_03,   ADV_L_03,   ADV_L_03,   ADV_L_04,   kPos},
    {"AKs",                            ADV_L_05,   ADV_L_05,   ADV_L_05,   ADV_L_06,   kPos},
    {"JJ",                             ADV_L_07,   ADV_L_07,   ADV_L_07,   ADV_L_04,   kPos},
    {"AK",                             ADV_L_08,   ADV_L_08,   ADV_L_08,   ADV_L_09,   kPos},
    {"AQs",                            ADV_L_10,   ADV_L_10,   ADV_L_10,   ADV_L_11,   kPos},
    {"AJs",                            kRaiseAJs,  kRaiseAJs,  kRaiseAJs,  ADV_L_12,   kPos},
    {"KQs",                            ADV_L_13,   kLimpOutOfPosition, kLimpOutOfPosition, ADV_L_12, kPos},
    {"TT",                             ADV_L_14,   kLimpOutOfPosition, kLimpOutOfPosition, ADV_L_12, kPos},
    {"AQ",                             ADV_L_15,   ADV_L_16,   ADV_L_15,   kCompleteSB, kPos},
    {"99",                             kLimp,      ADV_L_17,   "From early position raise 4BB's + 1 per limper.",
        "Complete the Small Blind. Call mini-raises in the Big Blind. Remember the 5/10 rule.",     kPos},
    {"KJs, ATs",                       "Raise 4BB + 1BB per limper. If re-raised, fold",
                                                   kLimpUnlessAggressive, "Fold", kCompleteSB, kPos},
    {"JTs, QJs",                       kLimp,      kLimpUnlessAggressive, "Fold", kCompleteSB, kPos},
    {"A2s, A3s, A4s, A5s, A6s, A7s, A8s, A9s",
                                       ADV_L_18,   ADV_L_18,   ADV_L_18,   kCompleteSB, kPos},
    anyPosition("22, 33, 44, 55, 66, 77, 88", ADV_L_19),
    {"KQ",                             ADV_L_20,   ADV_L_21,   kFoldEarly, kCompleteSB, kPos},
    {"KJ, AJ",                         ADV_L_20,
        "Limp behind with this hand but if the table is very aggressive then fold.",
                                                               kFoldEarly, kCompleteSB, kPos},
    {"AT",                             ADV_L_22,   ADV_L_23,   "Fold",     kCompleteSB, kPos},
    {"J9s, QT, QTs, QJ",               kLimpMP2,   kLimpMP2,   "Fold",     kCompleteSB, kPos},
    {"KTs",                            kLimpMP2Loose, kLimpMP2Loose, "Fold", kCompleteSB, kPos, true},
    {"KT",                             kLimpMP2Loose, "Fold",  "Fold",     "Fold",     kPos, true},
    {"JT",                             kLimpLateSeats, ADV_L_24, ADV_L_24, kCompleteSB, kPos},
    {"65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9",
                                       kLimpLateSeats, kFoldEarlyMiddle, kFoldEarlyMiddle, kCompleteSB, kPos},
    {"A9",                             "Limp behind with this hand.", "Fold", "Fold", "Fold", kPos},
};

constexpr auto kLimpedIndex = rowIndex(kLimpedRows);

// KTs and KT: the advice depends on the number of limpers.
void applyLimperRule(PokerState& s, const AdviceRow& row)
{
    const std::optional<double> limpers = limperCount(s);
    const Position position = selectedPosition(s);
    if (!limpers) {
        s.adviseText.assign(kEnterAmountOfLimpersCapital);
    } else if (position == Position::Late && *limpers == 1) {
        s.adviseText.assign("Raise 4xBB + 1BB");
    } else if (position == Position::Late && *limpers > 1) {
        row.late.writeTo(s.adviseText);
    } else if (position == Position::Late) {
        s.adviseText.assign(kPos);
    } else {
        row.cell(position).writeTo(s.adviseText);
    }
}

} // namespace

void getAdviseLimped(PokerState& s)
{
    const int r = findRow(kLimpedIndex, s.lblCardValue.caption());
    if (r >= 0 && kLimpedRows[r].limperRule) {
        applyLimperRule(s, kLimpedRows[r]);
        return;
    }
    writeAdviceOrFallback(s, r < 0 ? nullptr : &kLimpedRows[r]);
}

} // namespace engine
