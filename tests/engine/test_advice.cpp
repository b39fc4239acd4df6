// Pre-flop advice: what each advice routine chooses for a hand text, a
// position and, in a limped pot, the number of limpers. Expectations name
// content entries by key or give the exact message.

#include <gtest/gtest.h>

#include <string>

#include "EngineFixture.h"
#include "engine/Advice.h"

using namespace enginetest;

namespace {

enum class Action { Open, Limped, Raise, RaiseCall, ReRaise };

struct AdviceCase {
    Action action;
    const char* hand; // the hand text as lblCardValue holds it
    Pos pos;
    const char* limpers;
    const char* expected; // a content key, or the exact text
};

std::string advise(const AdviceCase& c)
{
    State s;
    s.lblCardValue.setCaption(c.hand);
    s.position(c.pos);
    s.txtLimpers.setText(c.limpers);
    s.adviseText = "stale";
    switch (c.action) {
    case Action::Open: engine::getAdviseOpen(s); break;
    case Action::Limped: engine::getAdviseLimped(s); break;
    case Action::Raise: engine::getAdviseRaise(s); break;
    case Action::RaiseCall: engine::getAdviseRaiseCall(s); break;
    case Action::ReRaise: engine::getAdviseReRaise(s); break;
    }
    return s.adviseText;
}

class AdviceTable : public ::testing::TestWithParam<AdviceCase> {};

TEST_P(AdviceTable, Chooses)
{
    const AdviceCase& c = GetParam();
    EXPECT_EQ(advise(c), expectedText(c.expected)) << c.hand << " " << posName(c.pos) << " limpers \"" << c.limpers << "\"";
}

using enum Action;
using enum Pos;

constexpr const char* kPosStop = "Enter correct position above.";
constexpr const char* kPosNoStop = "Enter correct position above";
constexpr const char* kHole = "Enter Hole Cards";
constexpr const char* kNotPlayable = "This is not a playable hand";

INSTANTIATE_TEST_SUITE_P(
    Unopened, AdviceTable,
    ::testing::Values(
        AdviceCase{Open, "AA", Blinds, "", "ADV_O_02"}, AdviceCase{Open, "AA", None, "", kPosStop},
        AdviceCase{Open, "KK", Early, "", "ADV_O_01"}, AdviceCase{Open, "JT", None, "", kPosNoStop},
        AdviceCase{Open, "JT", Late, "", "ADV_O_35"}, AdviceCase{Open, "A9", Blinds, "", "Fold"},
        AdviceCase{Open, "A9s", Blinds, "", "ADV_O_33"}, AdviceCase{Open, "A9", None, "", kPosNoStop},
        AdviceCase{Open, "AAs", Late, "", kNotPlayable}, AdviceCase{Open, "K9s", Middle, "", kNotPlayable},
        AdviceCase{Open, "72", None, "", kNotPlayable}, AdviceCase{Open, "aa", Early, "", kNotPlayable},
        AdviceCase{Open, "", Late, "", kHole}, AdviceCase{Open, "", None, "", kHole},
        AdviceCase{Open, "KQs", Early, "", "Limp"},
        AdviceCase{Open, "KQs", Middle, "", "Raise 4-6xBB. If you are re-raised, fold."},
        AdviceCase{Open, "KQs", Late, "", "ADV_O_12"},
        AdviceCase{Open, "AK", Middle, "", "Raise from any position to 4-6xBB. If you are re-raised call a normal raise."},
        AdviceCase{Open, "AK", Blinds, "", "ADV_O_09"},
        // three different folds
        AdviceCase{Open, "ATs", Early, "", "Fold."}, AdviceCase{Open, "QJs", Early, "", " Fold"},
        AdviceCase{Open, "QT", Middle, "", " Fold."}, AdviceCase{Open, "KQ", Early, "", "Fold"},
        AdviceCase{Open, "JTs", Middle, "", " In tighter games, open raise from late middle position. Fold to any re-raise."},
        AdviceCase{Open, "A5s", Early, "", "Open limp, unless the table is very aggresive"},
        AdviceCase{Open, "A8", Late, "", "Raise only from the button to a standard raise of 4-6x the BB."},
        AdviceCase{Open, "22", Middle, "", "Raise, call a reasonable raise if you have position on the raiser."},
        AdviceCase{Open, "T9s", Blinds, "", "ADV_O_37"}, AdviceCase{Open, "KJ", Blinds, "", "ADV_O_13"},
        AdviceCase{Open, "AQ", Early, "", "ADV_O_18"}, AdviceCase{Open, "99", Early, "", "ADV_O_21"}));

INSTANTIATE_TEST_SUITE_P(
    Limped, AdviceTable,
    ::testing::Values(
        // KTs and KT follow the number of limpers
        AdviceCase{Limped, "KTs", Late, "1", "Raise 4xBB + 1BB"},
        AdviceCase{Limped, "KTs", Late, "2", "Limp behind from MP2 to the button if the table is playing loose."},
        AdviceCase{Limped, "KTs", Late, "9", "Limp behind from MP2 to the button if the table is playing loose."},
        AdviceCase{Limped, "KTs", Late, "0", kPosNoStop}, AdviceCase{Limped, "KTs", Late, "", "Enter amount of Limpers"},
        AdviceCase{Limped, "KTs", None, "", "Enter amount of Limpers"}, AdviceCase{Limped, "KTs", None, "3", kPosNoStop},
        AdviceCase{Limped, "KTs", Middle, "1", "Limp behind from MP2 to the button if the table is playing loose."},
        AdviceCase{Limped, "KTs", Early, "2", "Fold"},
        AdviceCase{Limped, "KTs", Blinds, "1", "Complete the Small Blind. Call mini-raises in the Big Blind."},
        AdviceCase{Limped, "KT", Middle, "1", "Fold"}, AdviceCase{Limped, "KT", Blinds, "5", "Fold"},
        AdviceCase{Limped, "KT", Late, "1", "Raise 4xBB + 1BB"}, AdviceCase{Limped, "KT", Late, "00", kPosNoStop},
        AdviceCase{Limped, "KT", Late, "001", "Raise 4xBB + 1BB"},
        // other hands never read the count
        AdviceCase{Limped, "AA", Late, "", "ADV_L_01"}, AdviceCase{Limped, "AA", Blinds, "", "ADV_L_02"},
        AdviceCase{Limped, "22", None, "", "ADV_L_19"}, AdviceCase{Limped, "88", Blinds, "", "ADV_L_19"},
        AdviceCase{Limped, "55", Early, "", "ADV_L_19"}, AdviceCase{Limped, "JJ", Blinds, "", "ADV_L_04"},
        AdviceCase{Limped, "QQ", Blinds, "", "ADV_L_04"}, AdviceCase{Limped, "A9", Blinds, "", "Fold"},
        AdviceCase{Limped, "A9s", Blinds, "", "Complete the Small Blind. Call mini-raises in the Big Blind."},
        AdviceCase{Limped, "AQ", Middle, "", "ADV_L_16"}, AdviceCase{Limped, "AQ", Early, "", "ADV_L_15"},
        AdviceCase{Limped, "KJs", Late, "", "Raise 4BB + 1BB per limper. If re-raised, fold"},
        AdviceCase{Limped, "99", Blinds, "",
                   "Complete the Small Blind. Call mini-raises in the Big Blind. Remember the 5/10 rule."},
        AdviceCase{Limped, "TT", None, "", kPosNoStop}, AdviceCase{Limped, "", Late, "3", kHole},
        AdviceCase{Limped, "QQs", Late, "3", kNotPlayable},
        AdviceCase{Limped, "98", Middle, "", "Fold from early position and early middle position (MP1 and MP2)."}));

INSTANTIATE_TEST_SUITE_P(
    Raised, AdviceTable,
    ::testing::Values(
        AdviceCase{Raise, "AA", None, "", "ADV_R_01"}, AdviceCase{Raise, "KK", Blinds, "", "ADV_R_01"},
        AdviceCase{Raise, "QQ", None, "", "ADV_R_02"}, AdviceCase{Raise, "JJ", None, "", kPosNoStop},
        AdviceCase{Raise, "JJ", Blinds, "", "Re-raise to a pot sized raise. Occasionally call to an early position raiser"},
        AdviceCase{Raise, "AKs", Blinds, "", "Re-raise to a pot sized raise."},
        AdviceCase{Raise, "22", None, "", "Call if the 5/10 rule applies"},
        AdviceCase{Raise, "77", Blinds, "", "Call if the 5/10 rule applies"}, AdviceCase{Raise, "88", None, "", kPosNoStop},
        AdviceCase{Raise, "88", Blinds, "", "ADV_R_11"},
        AdviceCase{Raise, "JTs", Late, "", "Call a reasonable raise from the CO or the button."},
        AdviceCase{Raise, "JTs", Blinds, "", "Fold. Call mini-raises when in Big Blind."},
        AdviceCase{Raise, "KQ", Blinds, "", "Call mini-raises when in BB, otherwise fold to normal raises."},
        AdviceCase{Raise, "T9", Blinds, "", "Call mini raises in Big Blind."},
        AdviceCase{Raise, "AT", None, "", "Fold this hand from all positions until you develop better reads."},
        AdviceCase{Raise, "K9s", Late, "", kNotPlayable}, AdviceCase{Raise, "AAs", Late, "", kNotPlayable},
        AdviceCase{Raise, "", Late, "", kHole},
        AdviceCase{RaiseCall, "JTs", Late, "", "Call a reasonable raise."}, AdviceCase{RaiseCall, "QJs", Middle, "", "Fold"},
        AdviceCase{RaiseCall, "QJs", Blinds, "", "Fold"}, AdviceCase{RaiseCall, "JTs", None, "", kPosNoStop},
        AdviceCase{RaiseCall, "KJs", None, "", "Fold"}, AdviceCase{RaiseCall, "A5s", Late, "", "Fold"},
        AdviceCase{RaiseCall, "AJ", Blinds, "", "Fold"}, AdviceCase{RaiseCall, "KQ", None, "", "Fold"},
        AdviceCase{RaiseCall, "QQ", None, "", "Re-raise to the full size of the pot. If you a re re-raised, fold."},
        AdviceCase{RaiseCall, "AA", None, "", "ADV_RC_01"}, AdviceCase{RaiseCall, "AJs", Early, "", "ADV_RC_05"},
        AdviceCase{RaiseCall, "88", None, "", "Call if the 5/10 rule applies"},
        AdviceCase{RaiseCall, "AT", Late, "", "Fold this hand from all positions."},
        AdviceCase{RaiseCall, "JT", Late, "", "Fold from all positions."},
        AdviceCase{RaiseCall, "K9s", Late, "", kNotPlayable}, AdviceCase{RaiseCall, "AAs", None, "", kNotPlayable},
        AdviceCase{RaiseCall, "", None, "", kHole}));

// The joined re-raise texts, built from the entries as the table says.
std::string joined(std::initializer_list<const char*> parts)
{
    std::string s;
    for (const char* p : parts)
        s += expectedText(p);
    return s;
}

TEST(ReRaiseAdvice, JoinsLeadHeadingAndNotes)
{
    const char* H = "Your equity in the pot: A quick note";
    const char* N = "\r\n";
    struct {
        const char* hand;
        Pos pos;
        std::string expected;
    } cases[] = {
        {"QQ", Middle, joined({"ADV_RR_02", N, N, H, N, "ADV_RR_04"})},
        {"QQ", Early, joined({"ADV_RR_02", N, N, H, N, "ADV_RR_04"})},
        {"QQ", Blinds, joined({"ADV_RR_03", N, N, H, N, "ADV_RR_04"})},
        {"JJ", Late, joined({"ADV_RR_05", N, N, H, N, "ADV_RR_06", N, N, "ADV_RR_07"})},
        {"JJ", Blinds, joined({"ADV_RR_08", N, N, H, N, "ADV_RR_09", N, N, "ADV_RR_10"})},
        {"AK", Early, joined({"ADV_RR_12"})},
        {"AK", Blinds, joined({"ADV_RR_13", N, N, "ADV_RR_14"})},
        {"QQ", None, ""},
        {"JJ", None, ""},
        {"AK", None, ""},
        {"AA", None, joined({"ADV_RR_01"})},
        {"AKs", None, joined({"ADV_RR_11"})},
        {"TT", None, joined({"ADV_RR_15"})},
        {"22", Blinds, joined({"ADV_RR_15"})},
        {"AQs", Late, "Fold."},
        {"AJ", Late, "Fold"},
        {"KTs", Blinds, "Fold this hand from all positions."},
        {"65s", Early, "Fold from all positions."},
        {"", Early, kHole},
        {"K9s", Early, kNotPlayable},
    };
    for (const auto& c : cases)
        EXPECT_EQ(advise({ReRaise, c.hand, c.pos, "", ""}), c.expected) << c.hand << " " << posName(c.pos);
}

} // namespace
