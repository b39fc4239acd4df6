// Pre-flop advice facing a raise, and facing a raise and a call.

#include "engine/Advice.h"
#include "engine/Hand.h"
#include "engine/PokerState.h"

namespace engine {

namespace {

using enum AdviceKey;

constexpr const char* kPos = "Enter correct position above";
constexpr const char* kCallFoldToReRaise = "Call, if you have raised and are re-raised then fold.";
constexpr const char* kCallRemember510 = "Call, if you have raised and are re-raised then remember the 5/10 rule.";
constexpr const char* kCallReRaiseLateOpen = "Call, re-raise if you are facing an open raise from the CO or button.";
constexpr const char* kCallWideRange = "Call if your opponent raises with a wide range of hands, otherwise fold.";
constexpr const char* kCallReasonableAny = "Call a reasonable raise from any position.";
constexpr const char* kCall510 = "Call if the 5/10 rule applies";

// Facing one raise. Rows 1, 2, 15 and 16 read no position.
constexpr AdviceRow kRaiseRows[] = {
    //  hands                          Late        Middle      Early       Blinds      none
    anyPosition("AA, KK", ADV_R_01),
    anyPosition("QQ", ADV_R_02),
    {"JJ",                             ADV_R_03,   ADV_R_03,   ADV_R_03,
        "Re-raise to a pot sized raise. Occasionally call to an early position raiser",          kPos},
    {"AKs",                            ADV_R_04,   ADV_R_04,   ADV_R_04,   "Re-raise to a pot sized raise.", kPos},
    {"AK",                             ADV_R_05,   ADV_R_05,   ADV_R_05,   ADV_R_06,   kPos},
    {"AQs",                            kCallFoldToReRaise, kCallFoldToReRaise, kCallFoldToReRaise, kCallReRaiseLateOpen, kPos},
    {"TT",                             kCallRemember510, kCallRemember510, kCallRemember510, kCallReRaiseLateOpen, kPos},
    {"AJs, KQs",                       kCallWideRange, kCallWideRange, kCallWideRange, ADV_R_07, kPos},
    {"AQ, 99",                         kCallReasonableAny, kCallReasonableAny, kCallReasonableAny, ADV_R_08, kPos},
    {"JTs, QJs",                       "Call a reasonable raise from the CO or the button.", "Fold", "Fold",
        "Fold. Call mini-raises when in Big Blind.",                                             kPos},
    {"KJs, ATs",                       "Fold",     "Fold",     "Fold",     ADV_R_09,   kPos},
    {"AJ",                             "Fold",     "Fold",     "Fold",     ADV_R_10,   kPos},
    {"A2s, A3s, A4s, A5s, A6s, A7s, A8s, A9s, KQ, KJ",
                                       "Fold",     "Fold",     "Fold",
        "Call mini-raises when in BB, otherwise fold to normal raises.",                         kPos},
    {"88",                             kCall510,   kCall510,   kCall510,   ADV_R_11,   kPos},
    anyPosition("22, 33, 44, 55, 66, 77", kCall510),
    anyPosition("KTs, J9s, QT, QTs, QJ, AT", "Fold this hand from all positions until you develop better reads."),
    {"65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9, JT",
                                       ADV_R_12,   ADV_R_13,   ADV_R_13,   "Call mini raises in Big Blind.", kPos},
};

// Facing a raise and a call. Only row 12 reads the position.
constexpr AdviceRow kRaiseCallRows[] = {
    anyPosition("AA, KK", ADV_RC_01),
    anyPosition("QQ", "Re-raise to the full size of the pot. If you a re re-raised, fold."),
    anyPosition("JJ", ADV_RC_02),
    anyPosition("AKs", ADV_RC_03),
    anyPosition("AK", ADV_RC_04),
    anyPosition("AQs", "Call, but play cautiously if an ace flops."),
    anyPosition("AJs", ADV_RC_05),
    anyPosition("KQs", "Call."),
    anyPosition("TT", "Call a reasonable raise from any position if the 5/10 rule applies."),
    anyPosition("AQ", kCallReasonableAny),
    anyPosition("99", "Call a reasonable raise from any position if the 5/10 rule applies."),
    //  hands                          Late        Middle      Early       Blinds      none
    {"JTs, QJs",                       "Call a reasonable raise.", "Fold", "Fold", "Fold", kPos},
    anyPosition("KJs, ATs, A2s, A3s, A4s, A5s, A6s, A7s, A8s, A9s, KQ, KJ, AJ", "Fold"),
    anyPosition("22, 33, 44, 55, 66, 77, 88", kCall510),
    anyPosition("KTs, J9s, QT, QTs, QJ, AT", "Fold this hand from all positions."),
    anyPosition("65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9, JT", "Fold from all positions."),
};

constexpr auto kRaiseIndex = rowIndex(kRaiseRows);
constexpr auto kRaiseCallIndex = rowIndex(kRaiseCallRows);

} // namespace

void getAdviseRaise(PokerState& s)
{
    const int row = findRow(kRaiseIndex, s.lblCardValue.caption());
    writeAdviceOrFallback(s, row < 0 ? nullptr : &kRaiseRows[row]);
}

void getAdviseRaiseCall(PokerState& s)
{
    const int row = findRow(kRaiseCallIndex, s.lblCardValue.caption());
    writeAdviceOrFallback(s, row < 0 ? nullptr : &kRaiseCallRows[row]);
}

} // namespace engine
