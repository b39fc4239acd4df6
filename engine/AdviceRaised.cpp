// Pre-flop advice facing a raise, and facing a raise and a call.

#include "engine/PreflopTables.h"

namespace engine {

namespace {

using enum AdviceKey;
using Text = AdviceText;

constexpr AdviceText kPos = kEnterPosition;
constexpr const char* kCallFoldToReRaise = "Call, if you have raised and are re-raised then fold.";
constexpr const char* kCallRemember510 = "Call, if you have raised and are re-raised then remember the 5/10 rule.";
constexpr const char* kCallReRaiseLateOpen = "Call, re-raise if you are facing an open raise from the CO or button.";
constexpr const char* kCallWideRange = "Call if your opponent raises with a wide range of hands, otherwise fold.";
constexpr const char* kCallReasonableAny = "Call a reasonable raise from any position.";
constexpr const char* kCall510 = "Call if the 5/10 rule applies";

// Facing one raise. Rows 1, 2, 15 and 16 read no position.
constexpr AdviceRow kRaiseRows[] = {
    //  hands                          Early       Middle      Late        Blinds      none
    anyPosition<Text>("AA, KK", ADV_R_01),
    anyPosition<Text>("QQ", ADV_R_02),
    {"JJ",                             ADV_R_03,   ADV_R_03,   ADV_R_03,
        "Re-raise to a pot sized raise. Occasionally call to an early position raiser",          kPos},
    {"AKs",                            ADV_R_04,   ADV_R_04,   ADV_R_04,   "Re-raise to a pot sized raise.", kPos},
    {"AK",                             ADV_R_05,   ADV_R_05,   ADV_R_05,   ADV_R_06,   kPos},
    {"AQs",                            kCallFoldToReRaise, kCallFoldToReRaise, kCallFoldToReRaise, kCallReRaiseLateOpen, kPos},
    {"TT",                             kCallRemember510, kCallRemember510, kCallRemember510, kCallReRaiseLateOpen, kPos},
    {"AJs, KQs",                       kCallWideRange, kCallWideRange, kCallWideRange, ADV_R_07, kPos},
    {"AQ, 99",                         kCallReasonableAny, kCallReasonableAny, kCallReasonableAny, ADV_R_08, kPos},
    {"JTs, QJs",                       "Fold",     "Fold",     "Call a reasonable raise from the CO or the button.",
        "Fold. Call mini-raises when in Big Blind.",                                             kPos},
    {"KJs, ATs",                       "Fold",     "Fold",     "Fold",     ADV_R_09,   kPos},
    {"AJ",                             "Fold",     "Fold",     "Fold",     ADV_R_10,   kPos},
    {"A2s, A3s, A4s, A5s, A6s, A7s, A8s, A9s, KQ, KJ",
                                       "Fold",     "Fold",     "Fold",
        "Call mini-raises when in BB, otherwise fold to normal raises.",                         kPos},
    {"88",                             kCall510,   kCall510,   kCall510,   ADV_R_11,   kPos},
    anyPosition<Text>("22, 33, 44, 55, 66, 77", kCall510),
    anyPosition<Text>("KTs, J9s, QT, QTs, QJ, AT", "Fold this hand from all positions until you develop better reads."),
    {"65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9, JT",
                                       ADV_R_13,   ADV_R_13,   ADV_R_12,   "Call mini raises in Big Blind.", kPos},
};

// Facing a raise and a call. Only the JTs and QJs row reads the position.
constexpr AdviceRow kRaiseCallRows[] = {
    anyPosition<Text>("AA, KK", ADV_RC_01),
    anyPosition<Text>("QQ", "Re-raise to the full size of the pot. If you a re re-raised, fold."),
    anyPosition<Text>("JJ", ADV_RC_02),
    anyPosition<Text>("AKs", ADV_RC_03),
    anyPosition<Text>("AK", ADV_RC_04),
    anyPosition<Text>("AQs", "Call, but play cautiously if an ace flops."),
    anyPosition<Text>("AJs", ADV_RC_05),
    anyPosition<Text>("KQs", "Call."),
    anyPosition<Text>("TT, 99", "Call a reasonable raise from any position if the 5/10 rule applies."),
    anyPosition<Text>("AQ", kCallReasonableAny),
    //  hands                          Early       Middle      Late        Blinds      none
    {"JTs, QJs",                       "Fold",     "Fold",     "Call a reasonable raise.", "Fold", kPos},
    anyPosition<Text>("KJs, ATs, A2s, A3s, A4s, A5s, A6s, A7s, A8s, A9s, KQ, KJ, AJ", "Fold"),
    anyPosition<Text>("22, 33, 44, 55, 66, 77, 88", kCall510),
    anyPosition<Text>("KTs, J9s, QT, QTs, QJ, AT", "Fold this hand from all positions."),
    anyPosition<Text>("65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9, JT", "Fold from all positions."),
};

} // namespace

constexpr AdviceTable kRaisedAdvice{kRaiseRows};
constexpr AdviceTable kRaisedCalledAdvice{kRaiseCallRows};

} // namespace engine
