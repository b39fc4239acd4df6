// Post-flop advice by category and the three option pairs.

#include <gtest/gtest.h>

#include <string>

#include "EngineFixture.h"
#include "engine/Postflop.h"

using namespace enginetest;

namespace {

struct FlopCase {
    const char* category;
    const char* options; // any of "I" in, "O" out, "R" raised, "L" limped, "H" heads-up, "M" multi-way
    const char* expected;
};

class FlopTable : public ::testing::TestWithParam<FlopCase> {};

engine::PostflopSituation situation(std::string_view category, std::string_view options)
{
    engine::PostflopSituation s;
    s.category = engine::categoryFromText(category);
    for (char o : options) {
        switch (o) {
        case 'I': s.side = engine::PostflopSide::In; break;
        case 'O': s.side = engine::PostflopSide::Out; break;
        case 'R': s.pot = engine::PostflopPot::Raised; break;
        case 'L': s.pot = engine::PostflopPot::Limped; break;
        case 'H': s.players = engine::PostflopPlayers::HeadsUp; break;
        case 'M': s.players = engine::PostflopPlayers::MultiWay; break;
        default: break;
        }
    }
    return s;
}

// The advice, or "prev" when the recommendation leaves the shown advice.
std::string advise(std::string_view category, std::string_view options)
{
    // The window leaves its advice for a text that is no category.
    if (!category.empty() && !engine::categoryFromText(category))
        return "prev";
    return engine::advisePostflop(situation(category, options)).advice->text();
}

TEST_P(FlopTable, Chooses)
{
    const FlopCase& c = GetParam();
    const std::string expected = std::string(c.expected) == "prev" ? "prev" : expectedText(c.expected);
    EXPECT_EQ(advise(c.category, c.options), expected) << c.category << " [" << c.options << "]";
}

constexpr const char* kOptions = "Enter the correct options above";
constexpr const char* kWeak = "Top Pair - Jacks or Better w/ Weak Kicker";
constexpr const char* kMiddle = "Middle Pair - Tens and Below w/ Decent Kicker";
constexpr const char* kNonNut = "Non-Nut Flush Draw";

INSTANTIATE_TEST_SUITE_P(
    Cases, FlopTable,
    ::testing::Values(
        FlopCase{"Nut Flush", "", "ADV_F_18"}, FlopCase{"Flush", "", "ADV_F_21"}, FlopCase{"Trips", "", "ADV_F_30"},
        FlopCase{"Trips", "OLM", "ADV_F_30"},
        FlopCase{"Two Pair", "R", "Raise any bet that is in front of you to a near pot sized bet."},
        FlopCase{"Two Pair", "IRH", "Raise any bet that is in front of you to a near pot sized bet."},
        FlopCase{"Two Pair", "L", "ADV_F_17"}, FlopCase{"Two Pair", "IH", kOptions},
        FlopCase{kNonNut, "ORH", kOptions}, FlopCase{kNonNut, "ORM", kOptions}, FlopCase{kNonNut, "OL", kOptions},
        FlopCase{kNonNut, "OLH", "ADV_F_24"}, FlopCase{kNonNut, "OLM", "ADV_F_25"}, FlopCase{kNonNut, "IL", "ADV_F_23"},
        FlopCase{kNonNut, "IR", "ADV_F_22"}, FlopCase{kNonNut, "IRM", "ADV_F_22"}, FlopCase{kNonNut, "", kOptions},
        FlopCase{kWeak, "IL", kOptions}, FlopCase{kWeak, "ILM", "ADV_F_06"}, FlopCase{kWeak, "IRH", "ADV_F_03"},
        FlopCase{kWeak, "IRM", "ADV_F_04"}, FlopCase{kWeak, "ILH", "ADV_F_05"}, FlopCase{kWeak, "ORH", "ADV_F_07"},
        FlopCase{kWeak, "ORM", "ADV_F_08"}, FlopCase{kWeak, "OLH", "ADV_F_09"}, FlopCase{kWeak, "OLM", "ADV_F_10"},
        FlopCase{kWeak, "RM", kOptions}, FlopCase{kMiddle, "IR", "ADV_F_11"}, FlopCase{kMiddle, "ILH", "ADV_F_12"},
        FlopCase{kMiddle, "ORM", "ADV_F_13"}, FlopCase{kMiddle, "OL", "ADV_F_14"}, FlopCase{kMiddle, "O", kOptions},
        FlopCase{kMiddle, "LH", kOptions}, FlopCase{"Top Pair - Jacks or Better w/ Good Kicker", "R", "ADV_F_01"},
        FlopCase{"Top Pair - Jacks or Better w/ Good Kicker", "OL", "ADV_F_02"},
        FlopCase{"Top Pair - Jacks or Better w/ Good Kicker", "IH", kOptions},
        FlopCase{"Top Two Pair", "R", "ADV_F_15"}, FlopCase{"Top Two Pair", "L", "ADV_F_16"},
        FlopCase{"Nut Flush Draw", "R", "ADV_F_19"}, FlopCase{"Nut Flush Draw", "L", "ADV_F_20"},
        FlopCase{"Straight", "R", "ADV_F_26"}, FlopCase{"Straight", "L", "ADV_F_27"},
        FlopCase{"Open-Ended Straight Draw or Double Gut-Shot", "R", "ADV_F_28"},
        FlopCase{"Open-Ended Straight Draw or Double Gut-Shot", "L", "ADV_F_29"},
        FlopCase{"Full House", "R", "ADV_F_31"},
        FlopCase{"Full House", "L", "If it is checked to you, bet around 1/2 the pot size."},
        FlopCase{"Full House", "I", kOptions},
        // an empty category clears; an unknown one keeps the advice
        FlopCase{"", "IR", ""}, FlopCase{"top two pair", "R", "prev"}, FlopCase{"Top Two Pair ", "R", "prev"},
        FlopCase{"Pair", "", "prev"}));

TEST(FlopCategories, ListAndTableAgree)
{
    // Every listed category has a rule of its own: with every option selected
    // none of them keeps a stale advice.
    for (std::string_view category : engine::kPostFlopCategories)
        EXPECT_NE(advise(category, "ORM"), "prev") << category;
}

} // namespace
