#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string_view>
#include <string>

#include "engine/Postflop.h"
#include "engine/board/BoardReader.h"
#include "engine/cards/CardParser.h"

using namespace engine::board;

namespace {

struct BoardCase {
    const char* hand;
    const char* board;
    int category; // -1: none fits
    const char* holding;
    const char* madeHand;
    const char* draws; // names joined by ", "
    int outs;
};

std::string drawNames(const BoardReading& r)
{
    std::string names;
    for (const Draw& d : r.draws)
        names += (names.empty() ? "" : ", ") + d.name;
    return names;
}

const BoardCase kCases[] = {
    {"AsKd", "Kh7c2d", 0, "top pair, good kicker", "a pair of kings", "", 0},
    {"AsJd", "AhKcQd", 0, "top pair, good kicker", "a pair of aces", "gutshot", 4},
    {"Kd8s", "Kh7c2d", 1, "top pair, weak kicker", "a pair of kings", "", 0},
    {"Kd9s", "Kh7c7d", 1, "top pair, weak kicker", "two pair, kings and sevens", "", 0},
    {"Ad7s", "Kh7c2d", 2, "middle pair, decent kicker", "a pair of sevens", "", 0},
    {"As9c", "9h5d2c", 2, "top pair below jacks, decent kicker", "a pair of nines", "backdoor straight draw", 0},
    {"9s9d", "Kh7c2d", 2, "middle pair, a pocket pair", "a pair of nines", "", 0},
    {"Kd7s", "Kh7c2d", 3, "top two pair", "two pair, kings and sevens", "", 0},
    {"Kd2s", "Kh7c2d", 4, "two pair", "two pair, kings and twos", "", 0},
    {"AhTh", "Kh7h2h", 5, "the nut flush", "a flush, ace high", "", 0},
    {"KhTh", "Ah7h2h", 5, "the nut flush", "a flush, ace high", "", 0},
    {"AhKh", "9h7h2c", 6, "nothing", "high card, ace", "nut flush draw", 9},
    {"KhQh", "Ah7h2c", 6, "nothing", "high card, ace", "nut flush draw, backdoor straight draw", 9},
    {"AhQh", "KhKc7h7c", 6, "the board plays: two pair, kings and sevens", "two pair, kings and sevens", "nut flush draw", 9},
    {"Ah4h", "Ac9h2h", 6, "top pair, weak kicker", "a pair of aces", "nut flush draw, backdoor straight draw", 9},
    {"QhTh", "Kh7h2h", 7, "a flush", "a flush, king high", "", 0},
    {"5h2c", "AhKhQh9h", 7, "a flush", "a flush, ace high", "", 0},
    {"Jh9h", "Jd6h2h", 8, "top pair, weak kicker", "a pair of jacks", "flush draw", 9},
    {"Qh9h", "Kh7h2c", 8, "nothing", "high card, king", "flush draw, backdoor straight draw", 9},
    {"JhTh", "9h2hKc3d", 8, "nothing", "high card, king", "flush draw, gutshot", 12},
    {"9s8d", "7h6c5d", 9, "a straight", "a straight, nine high", "", 0},
    {"As2d", "3h4c5d", 9, "a straight", "a straight, five high", "", 0},
    {"Tc2d", "9h8c7d6s5h", 9, "a straight", "a straight, ten high", "", 0},
    {"9s8d", "7h6c2d", 10, "nothing", "high card, nine", "open-ended straight draw", 8},
    {"9s7d", "Jh8c5d", 10, "nothing", "high card, jack", "double gut-shot", 8},
    {"9s8d", "7h6c2dKs", 10, "nothing", "high card, king", "open-ended straight draw", 8},
    {"8s6d", "9h8c7d", 10, "middle pair, weak kicker", "a pair of eights", "open-ended straight draw", 8},
    {"7s7d", "Kh7c2d", 11, "a set", "three of a kind, sevens", "", 0},
    {"Kd9s", "KhKc2d", 11, "trips", "three of a kind, kings", "", 0},
    {"Kd7s", "KhKc7d", 12, "a full house", "a full house, kings full of sevens", "", 0},
    {"7s7d", "KhKc7c", 12, "a full house", "a full house, sevens full of kings", "", 0},
    {"7s4d", "Kh7c2d", -1, "middle pair, weak kicker", "a pair of sevens", "", 0},
    {"AsAd", "Kh7c2d", 0, "an overpair", "a pair of aces", "", 0},
    {"AhAd", "Kh7h2h", 0, "an overpair", "a pair of aces", "nut flush draw", 9},
    {"4s4d", "Kh7c6d", -1, "an underpair", "a pair of fours", "backdoor straight draw", 0},
    {"Ad2s", "Kh7c2d", -1, "bottom pair", "a pair of twos", "", 0},
    {"KdKs", "KhKc7d", 12, "quads", "four of a kind, kings", "", 0},
    {"9s8d", "Jh7c2d", -1, "nothing", "high card, jack", "gutshot", 4},
    {"2c2d", "9h8c7d6s5h", -1, "the board plays: a straight, nine high", "a straight, nine high", "", 0},
    {"AhKh", "9h7h2c3d4s", -1, "nothing", "high card, ace", "", 0},
    {"AsQd", "KhKc7d", -1, "the board plays: a pair of kings", "a pair of kings", "backdoor straight draw", 0},
    {"AsQd", "KhKcKd", -1, "the board plays: three of a kind, kings", "three of a kind, kings", "backdoor straight draw", 0},
    {"9h8h", "7h6h5h", 5, "a straight flush", "a straight flush, nine high", "", 0},
    {"AhKh", "QhJhTh", 5, "a straight flush", "a royal flush", "", 0},
    {"TsTd", "9h7c2d", 2, "an overpair", "a pair of tens", "backdoor straight draw", 0},
    {"TsTd", "9h8c7d", 2, "an overpair", "a pair of tens", "open-ended straight draw", 8},
    {"JsJd", "Th7h2c", 0, "an overpair", "a pair of jacks", "backdoor straight draw", 0},
    {"JhQs", "Th9h8h7h6h", 5, "a straight flush", "a straight flush, jack high", "", 0},
    {"7s7d", "7h7c2d", 12, "quads", "four of a kind, sevens", "", 0},
    {"Ad2s", "KhKcKdKs", -1, "the board plays: four of a kind, kings", "four of a kind, kings", "", 0},
    {"Js9s", "JhTs8d8hTd", 1, "top pair, weak kicker", "two pair, jacks and tens", "", 0},
    {"AcKd", "Ah7c7d3s3h", 0, "top pair, good kicker", "two pair, aces and sevens", "", 0},
    {"JsJc", "9h9cKsKc", 2, "middle pair, a pocket pair", "two pair, kings and jacks", "", 0},
    {"Qd2s", "KhKd7c7s2c", -1, "the board plays: two pair, kings and sevens", "two pair, kings and sevens", "", 0},
    {"AsJs", "AhKdQdJdQs", 0, "top pair, good kicker", "two pair, aces and queens", "", 0},
};

// Names a case by its cards in test output.
[[maybe_unused]] void PrintTo(const BoardCase& c, std::ostream* os)
{
    *os << c.hand << " on " << c.board;
}

} // namespace

class BoardReaderCase : public testing::TestWithParam<BoardCase> {};

TEST_P(BoardReaderCase, ReadsTheHand)
{
    const BoardCase& c = GetParam();
    const auto reading = readBoard(c.hand, c.board);
    ASSERT_TRUE(reading.ok()) << reading.error;
    const BoardReading& r = reading.value;
    const std::string where = std::string(c.hand) + " on " + c.board;
    EXPECT_EQ(r.category ? static_cast<int>(*r.category) : -1, c.category) << where << ": " << r.categoryText();
    EXPECT_EQ(r.holding, c.holding) << where;
    EXPECT_EQ(r.madeHand, c.madeHand) << where;
    EXPECT_EQ(drawNames(r), c.draws) << where;
    EXPECT_EQ(r.outCount(), c.outs) << where << ": " << r.outs.text();
    if (c.category >= 0)
        EXPECT_EQ(r.categoryText(), engine::kPostFlopCategories[static_cast<std::size_t>(c.category)]);
    else
        EXPECT_EQ(r.categoryText(), "none fits");
}

INSTANTIATE_TEST_SUITE_P(Hands, BoardReaderCase, testing::ValuesIn(kCases));

TEST(BoardReader, TheTableCoversEveryCategoryAndNoneFits)
{
    std::set<int> categories;
    int noneFits = 0;
    for (const BoardCase& c : kCases) {
        categories.insert(c.category);
        noneFits += c.category < 0;
    }
    EXPECT_EQ(categories.size(), engine::kPostFlopCategories.size() + 1);
    EXPECT_GE(noneFits, 5);
}

engine::cards::CardSet cardSet(std::string_view text)
{
    engine::cards::CardSet set;
    for (const engine::cards::Card c : engine::cards::parseCards(text).value)
        set.insert(c);
    return set;
}

TEST(BoardReader, OutsAreUnseenCardsThatCompleteADraw)
{
    const auto r = readBoard("JhTh", "9h2hKc3d").value;
    EXPECT_EQ(r.outs, cardSet("Ah Kh Qc Qd Qh Qs 8h 7h 6h 5h 4h 3h")) << r.outs.text();
    EXPECT_EQ(r.draws.at(0).outs.size(), 9);
    EXPECT_FALSE(r.draws.at(0).nut);
    EXPECT_EQ(r.draws.at(1).outs, cardSet("Qc Qd Qh Qs")) << r.draws.at(1).outs.text();
}

struct RefusedBoard {
    const char* hand;
    const char* board;
    const char* message;
};

class RefusedBoardCase : public testing::TestWithParam<RefusedBoard> {};

TEST_P(RefusedBoardCase, NamesTheProblem)
{
    const auto reading = readBoard(GetParam().hand, GetParam().board);
    EXPECT_FALSE(reading.ok());
    EXPECT_EQ(reading.error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Inputs, RefusedBoardCase, testing::Values(
    RefusedBoard{"AhKh", "Qh7h", "the board has 2 cards; it takes 3 to 5"},
    RefusedBoard{"AhKh", "Qh7h2c3c4c5c", "the board has 6 cards; it takes 3 to 5"},
    RefusedBoard{"AhKh", "Kh7h2c", "\"Kh\" is in the hand and on the board"},
    RefusedBoard{"AhKh", "Qh7hQh", "duplicate card \"Qh\""},
    RefusedBoard{"Ah", "Qh7h2c", "a hand is two cards, not 1"},
    RefusedBoard{"AhKx", "Qh7h2c", "\"Kx\" is not a card"}));
