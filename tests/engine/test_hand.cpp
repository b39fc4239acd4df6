// Hand notation: normalising the typed hole cards into the canonical hand and
// the hand text, and the 169 hand texts of the grid.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "EngineFixture.h"
#include "engine/Hand.h"

using namespace enginetest;

namespace {

struct NormaliseCase {
    const char* previous; // a hand recognised before, or ""
    const char* typed;    // upper case, as the callers leave it
    int suited;
    const char* sorted;   // lblCardSort afterwards
    const char* value;    // lblCardValue afterwards
    int suitedAfter;
};

class Normalise : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(Normalise, PublishesTheCanonicalHand)
{
    const NormaliseCase& c = GetParam();
    State s;
    if (*c.previous) {
        s.txtHoleCard.setText(c.previous);
        engine::sortCard(s);
    }
    s.txtHoleCard.setText(c.typed);
    s.chkSuited.setValue(c.suited);
    engine::sortCard(s);
    engine::addCheck(s);
    EXPECT_EQ(s.lblCardSort.caption(), c.sorted);
    EXPECT_EQ(s.sortedCard, c.sorted);
    EXPECT_EQ(s.lblCardValue.caption(), c.value);
    EXPECT_EQ(s.chkSuited.value(), c.suitedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Normalise,
    ::testing::Values(NormaliseCase{"", "AK", 1, "AK", "AKs", 1}, NormaliseCase{"", "KA", 1, "AK", "AKs", 1},
                      NormaliseCase{"", "KA", 0, "AK", "AK", 0}, NormaliseCase{"", "QQ", 1, "QQ", "QQ", 0},
                      NormaliseCase{"", "27", 0, "72", "72", 0}, NormaliseCase{"", "9T", 0, "T9", "T9", 0},
                      NormaliseCase{"", "T9", 1, "T9", "T9s", 1}, NormaliseCase{"", "TJ", 0, "JT", "JT", 0},
                      // not recognised: the last recognised hand stays in force
                      NormaliseCase{"QJ", "A", 0, "QJ", "QJ", 0}, NormaliseCase{"QJ", "A1", 1, "QJ", "QJs", 1},
                      NormaliseCase{"QJ", "A0", 0, "QJ", "QJ", 0}, NormaliseCase{"QJ", "ak", 0, "QJ", "QJ", 0},
                      NormaliseCase{"QJ", "", 0, "QJ", "QJ", 0},
                      // a stale pair with Suited ticked gets the "s" nobody can type
                      NormaliseCase{"QQ", "Q", 1, "QQ", "QQs", 1},
                      // first use: nothing recognised yet
                      NormaliseCase{"", "", 0, "", "", 0}, NormaliseCase{"", "", 1, "", "s", 1},
                      NormaliseCase{"", "AKQ", 0, "", "", 0}));

TEST(Normalise, UntickingSuitedForAPairRaisesItsClickInsideAddCheck)
{
    State s;
    std::string seenInsideClick = "not run";
    s.chkSuited.setValue(1);
    s.chkSuited.click.connect([&] { seenInsideClick = s.lblCardSort.caption(); });
    s.txtHoleCard.setText("JJ");
    engine::sortCard(s);
    engine::addCheck(s);
    // The click ran before addCheck wrote the labels.
    EXPECT_EQ(seenInsideClick, "");
    EXPECT_EQ(s.lblCardValue.caption(), "JJ");
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
