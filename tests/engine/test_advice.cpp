// Pre-flop advice: what each action's table chooses for a hand text, a
// position and, in a limped pot, the number of limpers. Expectations name
// content entries by key or give the exact message.

#include <gtest/gtest.h>

#include <string>

#include "EngineFixture.h"
#include "engine/LimperCount.h"
#include "engine/Preflop.h"

using namespace enginetest;

namespace {

using Action = engine::PreflopAction;

struct AdviceCase {
    Action action;
    const char* hand; // the hand text as lblCardValue holds it
    Pos pos;
    const char* limpers;
    const char* expected; // a content key, or the exact text
};

std::string advise(const AdviceCase& c)
{
    return engine::preflopAdvice(c.action, c.hand, position(c.pos), engine::limperCount(c.limpers, platform::Money::unitedStates())).text();
}

class AdviceTable : public ::testing::TestWithParam<AdviceCase> {};

TEST_P(AdviceTable, Chooses)
{
    const AdviceCase& c = GetParam();
    EXPECT_EQ(advise(c), expectedText(c.expected)) << c.hand << " " << posName(c.pos) << " limpers \"" << c.limpers << "\"";
}

using enum engine::PreflopAction;
using enum Pos;

constexpr const char* kPosStop = "Enter correct position above.";
constexpr const char* kPosNoStop = "Enter correct position above";
constexpr const char* kHole = "Enter Hole Cards";
constexpr const char* kNotPlayable = "This is not a playable hand";

INSTANTIATE_TEST_SUITE_P(
    Unopened, AdviceTable,
    ::testing::Values(
        AdviceCase{Opened, "AA", Blinds, "", "ADV_O_02"}, AdviceCase{Opened, "AA", None, "", kPosStop},
        AdviceCase{Opened, "KK", Early, "", "ADV_O_01"}, AdviceCase{Opened, "JT", None, "", kPosNoStop},
        AdviceCase{Opened, "JT", Late, "", "ADV_O_35"}, AdviceCase{Opened, "A9", Blinds, "", "Fold"},
        AdviceCase{Opened, "A9s", Blinds, "", "ADV_O_33"}, AdviceCase{Opened, "A9", None, "", kPosNoStop},
        AdviceCase{Opened, "AAs", Late, "", kNotPlayable}, AdviceCase{Opened, "K9s", Middle, "", kNotPlayable},
        AdviceCase{Opened, "72", None, "", kNotPlayable}, AdviceCase{Opened, "aa", Early, "", kNotPlayable},
        AdviceCase{Opened, "", Late, "", kHole}, AdviceCase{Opened, "", None, "", kHole},
        AdviceCase{Opened, "KQs", Early, "", "Limp"},
        AdviceCase{Opened, "KQs", Middle, "", "Raise 4-6xBB. If you are re-raised, fold."},
        AdviceCase{Opened, "KQs", Late, "", "ADV_O_12"},
        AdviceCase{Opened, "AK", Middle, "", "Raise from any position to 4-6xBB. If you are re-raised call a normal raise."},
        AdviceCase{Opened, "AK", Blinds, "", "ADV_O_09"},
        // three different folds
        AdviceCase{Opened, "ATs", Early, "", "Fold."}, AdviceCase{Opened, "QJs", Early, "", " Fold"},
        AdviceCase{Opened, "QT", Middle, "", " Fold."}, AdviceCase{Opened, "KQ", Early, "", "Fold"},
        AdviceCase{Opened, "JTs", Middle, "", " In tighter games, open raise from late middle position. Fold to any re-raise."},
        AdviceCase{Opened, "A5s", Early, "", "Open limp, unless the table is very aggresive"},
        AdviceCase{Opened, "A8", Late, "", "Raise only from the button to a standard raise of 4-6x the BB."},
        AdviceCase{Opened, "22", Middle, "", "Raise, call a reasonable raise if you have position on the raiser."},
        AdviceCase{Opened, "T9s", Blinds, "", "ADV_O_37"}, AdviceCase{Opened, "KJ", Blinds, "", "ADV_O_13"},
        AdviceCase{Opened, "AQ", Early, "", "ADV_O_18"}, AdviceCase{Opened, "99", Early, "", "ADV_O_21"}));

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
        AdviceCase{Raised, "AA", None, "", "ADV_R_01"}, AdviceCase{Raised, "KK", Blinds, "", "ADV_R_01"},
        AdviceCase{Raised, "QQ", None, "", "ADV_R_02"}, AdviceCase{Raised, "JJ", None, "", kPosNoStop},
        AdviceCase{Raised, "JJ", Blinds, "", "Re-raise to a pot sized raise. Occasionally call to an early position raiser"},
        AdviceCase{Raised, "AKs", Blinds, "", "Re-raise to a pot sized raise."},
        AdviceCase{Raised, "22", None, "", "Call if the 5/10 rule applies"},
        AdviceCase{Raised, "77", Blinds, "", "Call if the 5/10 rule applies"}, AdviceCase{Raised, "88", None, "", kPosNoStop},
        AdviceCase{Raised, "88", Blinds, "", "ADV_R_11"},
        AdviceCase{Raised, "JTs", Late, "", "Call a reasonable raise from the CO or the button."},
        AdviceCase{Raised, "JTs", Blinds, "", "Fold. Call mini-raises when in Big Blind."},
        AdviceCase{Raised, "KQ", Blinds, "", "Call mini-raises when in BB, otherwise fold to normal raises."},
        AdviceCase{Raised, "T9", Blinds, "", "Call mini raises in Big Blind."},
        AdviceCase{Raised, "AT", None, "", "Fold this hand from all positions until you develop better reads."},
        AdviceCase{Raised, "K9s", Late, "", kNotPlayable}, AdviceCase{Raised, "AAs", Late, "", kNotPlayable},
        AdviceCase{Raised, "", Late, "", kHole},
        AdviceCase{RaisedCalled, "JTs", Late, "", "Call a reasonable raise."}, AdviceCase{RaisedCalled, "QJs", Middle, "", "Fold"},
        AdviceCase{RaisedCalled, "QJs", Blinds, "", "Fold"}, AdviceCase{RaisedCalled, "JTs", None, "", kPosNoStop},
        AdviceCase{RaisedCalled, "KJs", None, "", "Fold"}, AdviceCase{RaisedCalled, "A5s", Late, "", "Fold"},
        AdviceCase{RaisedCalled, "AJ", Blinds, "", "Fold"}, AdviceCase{RaisedCalled, "KQ", None, "", "Fold"},
        AdviceCase{RaisedCalled, "QQ", None, "", "Re-raise to the full size of the pot. If you a re re-raised, fold."},
        AdviceCase{RaisedCalled, "AA", None, "", "ADV_RC_01"}, AdviceCase{RaisedCalled, "AJs", Early, "", "ADV_RC_05"},
        AdviceCase{RaisedCalled, "88", None, "", "Call if the 5/10 rule applies"},
        AdviceCase{RaisedCalled, "AT", Late, "", "Fold this hand from all positions."},
        AdviceCase{RaisedCalled, "JT", Late, "", "Fold from all positions."},
        AdviceCase{RaisedCalled, "K9s", Late, "", kNotPlayable}, AdviceCase{RaisedCalled, "AAs", None, "", kNotPlayable},
        AdviceCase{RaisedCalled, "", None, "", kHole}));

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
        EXPECT_EQ(advise({ReRaised, c.hand, c.pos, "", ""}), c.expected) << c.hand << " " << posName(c.pos);
}

} // namespace
