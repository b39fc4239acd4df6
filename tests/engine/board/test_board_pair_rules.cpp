// The board reader's category against the help page's pair rules, written
// out here on their own: for a table of hands and for a seeded random sample
// of deals whose best hand is at most two pair.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "engine/Postflop.h"
#include "engine/board/BoardReader.h"

namespace {

using engine::PostflopCategory;
using engine::board::BoardReading;
using engine::board::DrawKind;

constexpr int kTen = 8, kJack = 9, kQueen = 10, kAce = 12;
constexpr const char* kRankChars = "23456789TJQKA";
constexpr const char* kSuitChars = "shdc";

struct PlainCard {
    int rank; // 0 two .. 12 ace
    int suit;
};

PlainCard plainCard(const std::string& text)
{
    return {static_cast<int>(std::string(kRankChars).find(text.at(0))),
            static_cast<int>(std::string(kSuitChars).find(text.at(1)))};
}

std::vector<PlainCard> plainCards(const std::string& text)
{
    std::vector<PlainCard> out;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != ' ') {
            out.push_back(plainCard(text.substr(i, 2)));
            ++i;
        }
    }
    return out;
}

std::string cardText(PlainCard c)
{
    return {kRankChars[c.rank], kSuitChars[c.suit]};
}

// What the help's rules make of a deal whose best hand is at most two pair.
struct PairRuleAnswer {
    std::optional<PostflopCategory> category;
    bool keptAgainstDraws = false; // top pair with a good kicker or better, an overpair
};

std::array<int, 13> rankCounts(const std::vector<PlainCard>& cards)
{
    std::array<int, 13> counts{};
    for (const PlainCard& c : cards)
        ++counts[static_cast<std::size_t>(c.rank)];
    return counts;
}

// The ranks held twice, highest first, at most two of them.
std::vector<int> topTwoPairRanks(const std::array<int, 13>& counts)
{
    std::vector<int> pairs;
    for (int r = kAce; r >= 0 && pairs.size() < 2; --r)
        if (counts[static_cast<std::size_t>(r)] == 2)
            pairs.push_back(r);
    return pairs;
}

// None when the best hand is trips or better (those are not the pair rules').
std::optional<PairRuleAnswer> pairRuleAnswer(const std::vector<PlainCard>& hole, const std::vector<PlainCard>& board)
{
    std::vector<PlainCard> all = board;
    all.insert(all.end(), hole.begin(), hole.end());
    const auto counts = rankCounts(all);
    if (*std::max_element(counts.begin(), counts.end()) >= 3)
        return std::nullopt;
    for (int s = 0; s < 4; ++s)
        if (std::count_if(all.begin(), all.end(), [s](PlainCard c) { return c.suit == s; }) >= 5)
            return std::nullopt;
    for (int low = -1; low <= kAce - 4; ++low) { // -1: the ace plays low
        bool run = true;
        for (int r = low; r < low + 5; ++r)
            run = run && counts[static_cast<std::size_t>(r < 0 ? kAce : r)] > 0;
        if (run)
            return std::nullopt;
    }

    const auto boardCounts = rankCounts(board);
    const auto onBoard = [&](int r) { return boardCounts[static_cast<std::size_t>(r)] > 0; };
    std::vector<int> boardRanks; // distinct, highest first
    for (int r = kAce; r >= 0; --r)
        if (onBoard(r))
            boardRanks.push_back(r);
    const int top = boardRanks[0];
    const int second = boardRanks.size() > 1 ? boardRanks[1] : -1;

    // The board's own pairs belong to everybody.
    if (topTwoPairRanks(counts) == topTwoPairRanks(boardCounts))
        return PairRuleAnswer{};
    const int a = std::max(hole[0].rank, hole[1].rank);
    const int b = std::min(hole[0].rank, hole[1].rank);
    if (a == b) {
        if (a > top)
            return PairRuleAnswer{a >= kJack ? PostflopCategory::TopPairGoodKicker : PostflopCategory::MiddlePairDecentKicker,
                                  true};
        if (a > second)
            return PairRuleAnswer{PostflopCategory::MiddlePairDecentKicker};
        return PairRuleAnswer{};
    }
    if (onBoard(a) && onBoard(b) && topTwoPairRanks(counts) == std::vector<int>{a, b})
        return PairRuleAnswer{a == top && b == second ? PostflopCategory::TopTwoPair : PostflopCategory::TwoPair, true};
    // One pair of the hand's own: the higher hole card that pairs the board.
    const int pair = onBoard(a) ? a : b;
    const int kicker = pair == a ? b : a;
    bool everyHigherRankOnBoard = true;
    for (int r = kicker + 1; r <= kAce; ++r)
        everyHigherRankOnBoard = everyHigherRankOnBoard && onBoard(r);
    const bool good = kicker >= kQueen || everyHigherRankOnBoard;
    const bool decent = good || kicker >= kTen;
    if (pair == top && pair >= kJack)
        return good ? PairRuleAnswer{PostflopCategory::TopPairGoodKicker, true}
                    : PairRuleAnswer{PostflopCategory::TopPairWeakKicker};
    if ((pair == top || pair == second) && decent)
        return PairRuleAnswer{PostflopCategory::MiddlePairDecentKicker};
    return PairRuleAnswer{};
}

bool holdsDraw(const BoardReading& r, PostflopCategory category)
{
    return std::any_of(r.draws.begin(), r.draws.end(), [&](const engine::board::Draw& d) {
        switch (category) {
        case PostflopCategory::NutFlushDraw:
            return d.kind == DrawKind::FlushDraw && d.nut;
        case PostflopCategory::NonNutFlushDraw:
            return d.kind == DrawKind::FlushDraw;
        case PostflopCategory::OpenEndedOrDoubleGutShot:
            return d.kind == DrawKind::OpenEndedStraightDraw || d.kind == DrawKind::DoubleGutShot;
        default:
            return false;
        }
    });
}

std::string categoryName(const std::optional<PostflopCategory>& c)
{
    return c ? std::string(engine::categoryText(*c)) : "none fits";
}

// The reading follows the rules: a hand they keep against draws reads as
// they say; any other reads as they say or as a draw it holds.
void expectPairRules(const std::string& hand, const std::string& board, const PairRuleAnswer& expected)
{
    const auto reading = engine::board::readBoard(hand, board);
    ASSERT_TRUE(reading.ok()) << hand << " on " << board << ": " << reading.error;
    const BoardReading& r = reading.value;
    const bool drawDecides = !expected.keptAgainstDraws && r.category && holdsDraw(r, *r.category);
    if (!drawDecides) {
        EXPECT_EQ(categoryName(r.category), categoryName(expected.category))
            << hand << " on " << board << " (" << r.holding << ", " << r.madeHand << ")";
    }
}

struct PairRuleCase {
    const char* hand;
    const char* board;
    int category; // -1: none fits
};

const PairRuleCase kPairRuleCases[] = {
    // The hole cards better the board's two pair; the hand's own pair decides.
    {"Js9s", "Jh Ts 8d 8h Td", 1},
    {"AcKd", "Ah 7c 7d 3s 3h", 0},
    {"KcQc", "Ts Tc Ks 9s 9c", 0},
    {"QsQh", "Kh 9h 9s Jh Ks", 2},
    {"JsJc", "9h 9c Ks Kc", 2},
    {"4d4c", "6c 6d 3d 3c", 2},
    {"AsQd", "Kh Kd 7c 7s Qc", 2},
    {"AsAd", "Kh Kd 7c 7s 2c", 0},
    // The board's two pair stands.
    {"Qd2s", "Kh Kd 7c 7s 2c", -1},
    {"4s4d", "Kh Kd 7c 7s", -1},
    {"Ad9s", "Kh Kd 7c 7s", -1},
    // The best kicker left: every higher rank is on the board.
    {"AsJs", "Ah Kd Qd Jd Qs", 0},
    {"AsJs", "Ah Kd Qd 5c 5s", 0},
    {"AsTs", "Ah Kd Qd 5c", 1},
    {"KsJs", "Kh Qd 7c 2d", 1},
    {"KsJs", "Kh Ad Qd 7c", 2},
    {"Ks9s", "Kh Ad Qd Jc 2d", -1},
    {"9s8d", "9h 5c 2d", -1},
    {"9sTd", "9h 5c 2d", 2},
    // Overpairs play as the nearest pair.
    {"JsJd", "Th 7c 2d", 0},
    {"TsTd", "9h 7c 2d", 2},
    {"QsQd", "Jc 7s 2h", 0},
    {"2s2d", "Kh 7c 3d", -1},
    {"9s9d", "Kh 7c 3d", 2},
    {"Kd7s", "Kh 7c 2d", 3},
    {"Kd2s", "Kh 7c 2d", 4},
    {"Kc9s", "Kh 7c 7d", 1},
};

// Names a case by its cards in test output.
[[maybe_unused]] void PrintTo(const PairRuleCase& c, std::ostream* os)
{
    *os << c.hand << " on " << c.board;
}

class PairRuleTable : public testing::TestWithParam<PairRuleCase> {};

TEST_P(PairRuleTable, TheRulesAndTheReaderAgree)
{
    const PairRuleCase& c = GetParam();
    const std::string hand = c.hand;
    const auto answer = pairRuleAnswer(plainCards(hand), plainCards(c.board));
    ASSERT_TRUE(answer) << "not a pair-rules hand";
    const std::optional<PostflopCategory> written =
        c.category < 0 ? std::nullopt : std::optional{static_cast<PostflopCategory>(c.category)};
    EXPECT_EQ(categoryName(answer->category), categoryName(written)) << "the rules as written here";
    const auto reading = engine::board::readBoard(hand, c.board);
    ASSERT_TRUE(reading.ok()) << reading.error;
    EXPECT_EQ(categoryName(reading.value.category), categoryName(written))
        << reading.value.holding << ", " << reading.value.madeHand;
}

INSTANTIATE_TEST_SUITE_P(Hands, PairRuleTable, testing::ValuesIn(kPairRuleCases));

TEST(PairRuleSample, SeededDealsFollowTheRules)
{
    std::mt19937 random(20261209u);
    std::vector<PlainCard> deck;
    for (int r = 0; r < 13; ++r)
        for (int s = 0; s < 4; ++s)
            deck.push_back({r, s});

    std::map<std::string, int> seen; // expected category -> deals
    int betterTwoPair = 0;
    constexpr int kDeals = 6000;
    for (int deal = 0; deal < kDeals; ++deal) {
        for (std::size_t i = deck.size() - 1; i > 0; --i)
            std::swap(deck[i], deck[random() % (i + 1)]);
        const std::size_t boardSize = 3 + static_cast<std::size_t>(deal % 3);
        const std::vector<PlainCard> hole(deck.begin(), deck.begin() + 2);
        const std::vector<PlainCard> board(deck.begin() + 2, deck.begin() + 2 + static_cast<std::ptrdiff_t>(boardSize));
        const auto answer = pairRuleAnswer(hole, board);
        if (!answer)
            continue;
        std::string hand, boardText;
        for (const PlainCard& c : hole)
            hand += cardText(c);
        for (const PlainCard& c : board)
            boardText += cardText(c) + " ";
        expectPairRules(hand, boardText, *answer);
        ++seen[categoryName(answer->category)];
        std::vector<PlainCard> all = board;
        all.insert(all.end(), hole.begin(), hole.end());
        betterTwoPair += topTwoPairRanks(rankCounts(board)).size() == 2 &&
                         topTwoPairRanks(rankCounts(all)) != topTwoPairRanks(rankCounts(board));
        if (testing::Test::HasFailure())
            break;
    }
    // The sample reaches every answer the rules give, and the boards of two
    // pair that a hand betters.
    for (std::size_t c = 0; c <= static_cast<std::size_t>(PostflopCategory::TwoPair); ++c)
        EXPECT_GE(seen[std::string(engine::kPostFlopCategories[c])], 20) << engine::kPostFlopCategories[c];
    EXPECT_GE(seen["none fits"], 1000);
    EXPECT_GE(betterTwoPair, 5);
}

} // namespace
