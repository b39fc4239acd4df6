// Hand notation: normalising the typed hole cards into the canonical hand and
// the hand text, and the 169 hand texts of the grid.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/Hand.h"

namespace {

struct NormaliseCase {
    const char* previous; // a hand recognised before, or ""
    const char* typed;
    int suited;
    const char* sorted;   // the canonical hand afterwards
    const char* value;    // the hand text afterwards
    int suitedAfter;
};

class Normalise : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(Normalise, PublishesTheCanonicalHand)
{
    const NormaliseCase& c = GetParam();
    std::string last;
    if (*c.previous)
        last = engine::readHand(c.previous, false, "").sortedHand.view();
    const engine::HandReading r = engine::readHand(c.typed, c.suited == 1, last);
    EXPECT_EQ(r.sortedHand.view(), c.sorted);
    EXPECT_EQ(r.handText.view(), c.value);
    EXPECT_EQ(r.suited ? 1 : 0, c.suitedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Normalise,
    ::testing::Values(NormaliseCase{"", "AK", 1, "AK", "AKs", 1}, NormaliseCase{"", "KA", 1, "AK", "AKs", 1},
                      NormaliseCase{"", "KA", 0, "AK", "AK", 0}, NormaliseCase{"", "QQ", 1, "QQ", "QQ", 0},
                      NormaliseCase{"", "27", 0, "72", "72", 0}, NormaliseCase{"", "9T", 0, "T9", "T9", 0},
                      NormaliseCase{"", "T9", 1, "T9", "T9s", 1}, NormaliseCase{"", "TJ", 0, "JT", "JT", 0},
                      // not recognised: the last recognised hand stays in force
                      NormaliseCase{"QJ", "A", 0, "QJ", "QJ", 0}, NormaliseCase{"QJ", "A1", 1, "QJ", "QJs", 1},
                      NormaliseCase{"QJ", "A0", 0, "QJ", "QJ", 0}, NormaliseCase{"QJ", "AKQ", 0, "QJ", "QJ", 0},
                      // read in capitals, as the box is rewritten
                      NormaliseCase{"QJ", "ak", 0, "AK", "AK", 0}, NormaliseCase{"", "tt", 1, "TT", "TT", 0},
                      NormaliseCase{"QJ", "", 0, "QJ", "QJ", 0},
                      // a stale pair with Suited ticked gets the "s" nobody can type
                      NormaliseCase{"QQ", "Q", 1, "QQ", "QQs", 1},
                      // first use: nothing recognised yet
                      NormaliseCase{"", "", 0, "", "", 0}, NormaliseCase{"", "", 1, "", "s", 1},
                      NormaliseCase{"", "AKQ", 0, "", "", 0}));

TEST(Normalise, RewritesTheTypedTextInCapitalsAndTellsAPair)
{
    const engine::HandReading r = engine::readHand("q7", true, "");
    EXPECT_EQ(r.holeCards, "Q7");
    EXPECT_FALSE(r.isPair);
    EXPECT_TRUE(engine::readHand("jj", true, "").isPair);
    EXPECT_FALSE(engine::readHand("j", true, "").isPair);
    EXPECT_EQ(engine::readHand("a1x", false, "").holeCards, "A1X");
}

// A last hand of three characters leaves no room for the Suited "s": the
// hand keeps its three and nothing is written past them.
TEST(Normalise, AStaleHandOfThreeCharactersTakesNoFourth)
{
    for (const char* last : {"AKs", "QQs", "AKQ"}) {
        const engine::HandReading r = engine::readHand("", true, last);
        EXPECT_EQ(r.sortedHand.view(), last);
        EXPECT_EQ(r.handText.view(), last);
    }
}

TEST(HandGrid, EveryCellHasOneHandTextAndBack)
{
    std::set<std::string> texts;
    int pairs = 0, suited = 0, offsuit = 0;
    for (int i = 0; i < engine::kHandCount; ++i) {
        const std::string t(engine::handText(i));
        EXPECT_EQ(engine::handIndex(t), i) << t;
        texts.insert(t);
        const int row = i / 13, col = i % 13;
        if (row == col) {
            ++pairs;
            EXPECT_EQ(t.size(), 2u);
            EXPECT_EQ(t[0], t[1]);
        } else if (row < col) {
            ++suited;
            EXPECT_EQ(t.back(), 's');
        } else {
            ++offsuit;
            EXPECT_EQ(t.size(), 2u);
        }
        EXPECT_LT(engine::rankIndex(t[0]), engine::rankIndex(t[1]) + (t[0] == t[1] ? 1 : 0)) << "higher rank first";
    }
    EXPECT_EQ(texts.size(), 169u);
    EXPECT_EQ(pairs, 13);
    EXPECT_EQ(suited, 78);
    EXPECT_EQ(offsuit, 78);
}

TEST(HandGrid, OnlyExactHandTextsAreRecognised)
{
    for (const char* t : {"", "s", "A", "AKo", "KA", "KAs", "AAs", "ak", "Ak", "AKS", "A1", "T10", "AK ", " AK", "AKss"})
        EXPECT_EQ(engine::handIndex(t), -1) << t;
    EXPECT_EQ(engine::handText(-1), "");
    EXPECT_EQ(engine::handText(169), "");
}

} // namespace
