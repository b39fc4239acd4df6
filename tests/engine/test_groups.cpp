// Hand groups: the lookup, and the shape of the whole table measured in card
// combinations.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "engine/Groups.h"
#include "engine/Hand.h"

namespace {

std::string groupOf(std::string_view handText)
{
    return std::string(engine::groupText(engine::groupOf(handText)));
}

struct GroupCase {
    const char* hand;
    const char* group;
};

class GroupLookup : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GroupLookup, Finds)
{
    EXPECT_EQ(groupOf(GetParam().hand), GetParam().group);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GroupLookup,
    ::testing::Values(GroupCase{"T8s", "5"}, GroupCase{"T8", "8"}, GroupCase{"T7s", "7"}, GroupCase{"T7", "Not Ranked"},
                      GroupCase{"A9s", "5"}, GroupCase{"A9", "8"}, GroupCase{"A8", "Not Ranked"}, GroupCase{"22", "7"},
                      GroupCase{"55", "6"}, GroupCase{"AKs", "1"}, GroupCase{"AK", "2"}, GroupCase{"AA", "1"},
                      GroupCase{"32s", "8"}, GroupCase{"32", "Not Ranked"}, GroupCase{"", "Not Ranked"},
                      GroupCase{"s", "Not Ranked"}, GroupCase{"QQs", "Not Ranked"}, GroupCase{"aks", "Not Ranked"},
                      GroupCase{"KA", "Not Ranked"}));

TEST(GroupTable, CardCombinationsPerGroup)
{
    // 6 combinations per pair, 4 per suited hand, 12 per offsuit hand.
    std::map<std::string, int> combos;
    for (int i = 0; i < engine::kHandCount; ++i) {
        const std::string_view t = engine::handText(i);
        const int n = t.size() == 3 ? 4 : (t[0] == t[1] ? 6 : 12);
        combos[groupOf(t)] += n;
    }
    const std::map<std::string, int> expected{{"1", 28},  {"2", 30},  {"3", 34},  {"4", 50},         {"5", 102},
                                              {"6", 64},  {"7", 102}, {"8", 132}, {"Not Ranked", 784}};
    EXPECT_EQ(combos, expected);
}

TEST(GroupTable, ExactlyTheseHandsAreNotRanked)
{
    const std::string notRanked =
        "A8 A7 A6 A5 A4 A3 A2 K8 K7 K6 K5 K4 K3 K2 Q8 Q7s Q7 Q6s Q6 Q5s Q5 Q4s Q4 Q3s Q3 Q2s Q2 J7 J6s J6 J5s J5 "
        "J4s J4 J3s J3 J2s J2 T7 T6s T6 T5s T5 T4s T4 T3s T3 T2s T2 97 96 95s 95 94s 94 93s 93 92s 92 86 85 84s 84 "
        "83s 83 82s 82 75 74 73s 73 72s 72 64 63s 63 62s 62 53 52s 52 43 42 32";
    std::istringstream in(notRanked);
    std::string hand;
    int listed = 0;
    while (in >> hand) {
        ++listed;
        EXPECT_EQ(groupOf(hand), "Not Ranked") << hand;
    }
    EXPECT_EQ(listed, 84);
    int ranked = 0;
    for (int i = 0; i < engine::kHandCount; ++i)
        ranked += groupOf(engine::handText(i)) != "Not Ranked";
    EXPECT_EQ(ranked, 169 - 84);
    // Every pair is ranked.
    for (char r : engine::kRanks)
        EXPECT_NE(groupOf(std::string(2, r)), "Not Ranked") << r;
}

} // namespace
