// Pre-flop advice when nobody has entered the pot before the player.

#include "engine/PreflopTables.h"

namespace engine {

namespace {

using enum AdviceKey;

constexpr AdviceText kPos = kEnterPositionStop;
constexpr AdviceText kPosNoStop = kEnterPosition;
constexpr const char* kRaiseAnyPosition =
    "Raise from any position to 4-6xBB. If you are re-raised call a normal raise.";
constexpr const char* kOpenLimpUnlessAggressive = "Open limp, unless the table is very aggresive";
constexpr const char* kRaiseFoldToReRaise = "Raise 4-6xBB, if you are re-raised then fold.";
constexpr const char* kStandardRaise = "Make a standard raise of 4-6x the BB.";

constexpr AdviceRow kRows[] = {
    //  hands                          Early       Middle      Late        Blinds      none
    {"AA, KK",                         ADV_O_01,   ADV_O_01,   ADV_O_01,   ADV_O_02,   kPos},
    {"QQ, JJ",                         ADV_O_03,   ADV_O_03,   ADV_O_03,   ADV_O_04,   kPos},
    {"AKs",                            ADV_O_05,   ADV_O_05,   ADV_O_05,   ADV_O_06,   kPos},
    {"AQs",                            ADV_O_07,   ADV_O_07,   ADV_O_07,   ADV_O_08,   kPos},
    {"AK",                             kRaiseAnyPosition, kRaiseAnyPosition, kRaiseAnyPosition, ADV_O_09, kPos},
    {"AJs",                            ADV_O_10,   ADV_O_10,   ADV_O_10,   ADV_O_11,   kPos},
    {"KQs",                            "Limp",     "Raise 4-6xBB. If you are re-raised, fold.", ADV_O_12, ADV_O_13, kPos},
    {"TT",                             ADV_O_14,   ADV_O_14,   ADV_O_14,   ADV_O_15,   kPos},
    {"AQ",                             ADV_O_18,   ADV_O_17,   ADV_O_16,   ADV_O_19,   kPos},
    {"99",                             ADV_O_21,
        "Raise, if you are re-raised, call a reasonable raise remembering the 5/10 rule.",
                                                               ADV_O_20,   ADV_O_22,   kPos},
    {"ATs, KJs",                       "Fold.",    ADV_O_24,   ADV_O_23,   ADV_O_25,   kPos},
    {"JTs, QJs",                       " Fold",
        " In tighter games, open raise from late middle position. Fold to any re-raise.",
                                                               ADV_O_23,   ADV_O_26,   kPos},
    {"AJ",                             ADV_O_28,
        "Raise 4-6xBB. If you've raised and have been re-raised from any position, then fold.",
                                                               ADV_O_27,   ADV_O_29,   kPos},
    {"KQ",                             "Fold",     ADV_O_30,   "Raise 4-6xBB. Fold to any re-raise.", ADV_O_31, kPos},
    {"KJ",                             "Fold",
        "Fold unless the table is tight, then you should raise 4BB's.",
        "Raise 4-6xBB unless you have very aggressive players behind you. If so, then fold.",
                                                                           ADV_O_13,   kPos},
    {"88, 22, 33, 44, 55, 66, 77",
        "Open limp. Call a moderate raise (remember 5/10 rule).",
        "Raise, call a reasonable raise if you have position on the raiser.",
                                                               ADV_O_32,   ADV_O_22,   kPos},
    {"A8s, A9s",                       kOpenLimpUnlessAggressive, "Open limp", kStandardRaise, ADV_O_33, kPos},
    {"A2s, A3s, A4s, A5s, A6s, A7s",   kOpenLimpUnlessAggressive, "Open limp", "Open limp", ADV_O_33, kPos},
    {"AT, KTs",                        "Fold",     ADV_O_34,   kRaiseFoldToReRaise, ADV_O_13, kPos},
    {"J9s, QT, QTs, QJ",               "Fold",     " Fold.",   kRaiseFoldToReRaise, ADV_O_13, kPos},
    {"65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9, JT",
                                       ADV_O_36,   ADV_O_36,   ADV_O_35,   ADV_O_37,   kPosNoStop},
    {"A9",                             "Fold",     "Fold",     kStandardRaise, "Fold", kPosNoStop},
    {"A8",                             "Fold",     "Fold",
        "Raise only from the button to a standard raise of 4-6x the BB.",
                                                                           "Fold",     kPosNoStop},
};

} // namespace

constexpr AdviceTable kOpenedAdvice{kRows};

} // namespace engine
