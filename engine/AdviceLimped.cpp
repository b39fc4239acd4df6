// Pre-flop advice when players have only called the big blind before the
// player.

#include "engine/PreflopTables.h"

namespace engine {

namespace {

using enum AdviceKey;

constexpr AdviceText kPos = kEnterPosition;
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

constexpr AdviceRow kRows[] = {
    //  hands                          Early       Middle      Late        Blinds      none
    {"AA, KK",                         ADV_L_01,   ADV_L_01,   ADV_L_01,   ADV_L_02,   kPos},
    {"QQ",                             ADV_L_03,   ADV_L_03,   ADV_L_03,   ADV_L_04,   kPos},
    {"AKs",                            ADV_L_05,   ADV_L_05,   ADV_L_05,   ADV_L_06,   kPos},
    {"JJ",                             ADV_L_07,   ADV_L_07,   ADV_L_07,   ADV_L_04,   kPos},
    {"AK",                             ADV_L_08,   ADV_L_08,   ADV_L_08,   ADV_L_09,   kPos},
    {"AQs",                            ADV_L_10,   ADV_L_10,   ADV_L_10,   ADV_L_11,   kPos},
    {"AJs",                            kRaiseAJs,  kRaiseAJs,  kRaiseAJs,  ADV_L_12,   kPos},
    {"KQs",                            kLimpOutOfPosition, kLimpOutOfPosition, ADV_L_13, ADV_L_12, kPos},
    {"TT",                             kLimpOutOfPosition, kLimpOutOfPosition, ADV_L_14, ADV_L_12, kPos},
    {"AQ",                             ADV_L_15,   ADV_L_16,   ADV_L_15,   kCompleteSB, kPos},
    {"99",                             "From early position raise 4BB's + 1 per limper.", ADV_L_17, kLimp,
        "Complete the Small Blind. Call mini-raises in the Big Blind. Remember the 5/10 rule.",     kPos},
    {"KJs, ATs",                       "Fold",     kLimpUnlessAggressive,
        "Raise 4BB + 1BB per limper. If re-raised, fold",                  kCompleteSB, kPos},
    {"JTs, QJs",                       "Fold",     kLimpUnlessAggressive, kLimp, kCompleteSB, kPos},
    {"A2s, A3s, A4s, A5s, A6s, A7s, A8s, A9s",
                                       ADV_L_18,   ADV_L_18,   ADV_L_18,   kCompleteSB, kPos},
    anyPosition<AdviceText>("22, 33, 44, 55, 66, 77, 88", ADV_L_19),
    {"KQ",                             kFoldEarly, ADV_L_21,   ADV_L_20,   kCompleteSB, kPos},
    {"KJ, AJ",                         kFoldEarly,
        "Limp behind with this hand but if the table is very aggressive then fold.",
                                                               ADV_L_20,   kCompleteSB, kPos},
    {"AT",                             "Fold",     ADV_L_23,   ADV_L_22,   kCompleteSB, kPos},
    {"J9s, QT, QTs, QJ",               "Fold",     kLimpMP2,   kLimpMP2,   kCompleteSB, kPos},
    {"KTs",                            "Fold",     kLimpMP2Loose, kLimpMP2Loose, kCompleteSB, kPos, true},
    {"KT",                             "Fold",     "Fold",     kLimpMP2Loose, "Fold",  kPos, true},
    {"JT",                             ADV_L_24,   ADV_L_24,   kLimpLateSeats, kCompleteSB, kPos},
    {"65s, 76s, 87s, 98s, T9s, 65, 76, 87, 98, T9",
                                       kFoldEarlyMiddle, kFoldEarlyMiddle, kLimpLateSeats, kCompleteSB, kPos},
    {"A9",                             "Fold",     "Fold",     "Limp behind with this hand.", "Fold", kPos},
};

constexpr AdviceText kRaiseOneLimper = "Raise 4xBB + 1BB";

} // namespace

constexpr AdviceTable kLimpedAdvice{kRows};

const AdviceText& limperRuleAdvice(const AdviceRow& row, std::optional<Position> position,
                                   std::optional<double> limpers)
{
    if (!limpers)
        return kEnterAmountOfLimpersCapital;
    if (position != Position::Late)
        return row.cell(position);
    if (*limpers == 1)
        return kRaiseOneLimper;
    if (*limpers > 1)
        return row.late;
    return kEnterPosition;
}

} // namespace engine
