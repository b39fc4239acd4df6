#include "engine/odds/HeadsUpBoards.h"

#include <algorithm>
#include <array>
#include <bit>
#include <tuple>

#include "engine/cards/CardSet.h"
#include "engine/odds/SuitSymmetry.h"

namespace engine::odds {

namespace {

using cards::kRankCount;
using cards::kSuitCount;
using cards::kSuitRanks;
using cards::kSuitShift;

constexpr int kBoardCards = 5;

// Ways to take k of n cards, n at most 4.
constexpr std::array<std::array<std::int64_t, 5>, 5> kWays = {{
    {1, 0, 0, 0, 0},
    {1, 1, 0, 0, 0},
    {1, 2, 1, 0, 0},
    {1, 3, 3, 1, 0},
    {1, 4, 6, 4, 1},
}};

constexpr std::array<std::uint64_t, kRankCount> makePowers()
{
    std::array<std::uint64_t, kRankCount> p{};
    p[0] = 1;
    for (std::size_t r = 1; r < p.size(); ++r)
        p[r] = p[r - 1] * 5;
    return p;
}

// A rank's part of a hand key: its count in base 5.
constexpr std::array<std::uint64_t, kRankCount> kRankKey = makePowers();

std::uint64_t suitUnit(int suit)
{
    return std::uint64_t{1} << (32 + 4 * suit);
}

HandKey keyOf(std::uint64_t cardMask)
{
    return cardsKey(cards::CardSet(cardMask));
}

// Signed while corrections are added; whole at the end.
struct Tally {
    std::int64_t wins = 0, ties = 0, losses = 0;

    void add(HandRank first, HandRank second, std::int64_t ways)
    {
        wins += first > second ? ways : 0;
        ties += first == second ? ways : 0;
        losses += first < second ? ways : 0;
    }
};

class Count {
public:
    Count(const HandEvaluator& evaluator, std::uint64_t first, std::uint64_t second, std::uint64_t free, StopPoll& stop)
        : evaluator_(evaluator), stop_(stop), free_(free)
    {
        hands_[0] = keyOf(first);
        hands_[1] = keyOf(second);
        hands_[0].sum += detail::kSuitCounterStart;
        hands_[1].sum += detail::kSuitCounterStart;
        const cards::CardSet freeSet(free);
        for (int r = 0; r < kRankCount; ++r) {
            for (int s = 0; s < kSuitCount; ++s)
                freeOfRank_[static_cast<std::size_t>(r)] += static_cast<int>((freeSet.ranksOfSuit(s) >> r) & 1u);
        }
        for (int r = kRankCount; r-- > 0;)
            freeFrom_[static_cast<std::size_t>(r)] =
                freeFrom_[static_cast<std::size_t>(r) + 1] + freeOfRank_[static_cast<std::size_t>(r)];
        for (int s = 0; s < kSuitCount; ++s) {
            held_[0][static_cast<std::size_t>(s)] = std::popcount(cards::CardSet(first).ranksOfSuit(s));
            held_[1][static_cast<std::size_t>(s)] = std::popcount(cards::CardSet(second).ranksOfSuit(s));
        }
    }

    bool run()
    {
        ranks(0, kBoardCards, 0, 1);
        for (int s = 0; s < kSuitCount && !stop_.stopped(); ++s)
            flushes(s);
        return !stop_.stopped();
    }

    const Tally& tally() const { return tally_; }

private:
    // Each hand's value with the board's ranks alone.
    HandRank rankValue(int hand, std::uint64_t boardRanks) const
    {
        const std::uint64_t ranks = (hands_[static_cast<std::size_t>(hand)].sum & 0xffffffffu) + boardRanks;
        return evaluator_.rank(HandKey{ranks | detail::kSuitCounterStart, 0});
    }

    // Every multiset of `left` more ranks from rank r up, with the ways its
    // suits can fall, valued as if no flush were possible.
    void ranks(int r, int left, std::uint64_t boardRanks, std::int64_t ways)
    {
        if (left == 0) {
            if (!stop_.step())
                tally_.add(rankValue(0, boardRanks), rankValue(1, boardRanks), ways);
            return;
        }
        if (freeFrom_[static_cast<std::size_t>(r)] < left)
            return;
        const int n = freeOfRank_[static_cast<std::size_t>(r)];
        for (int m = 0; m <= std::min(n, left); ++m)
            ranks(r + 1, left - m, boardRanks + static_cast<std::uint64_t>(m) * kRankKey[static_cast<std::size_t>(r)],
                  ways * kWays[static_cast<std::size_t>(n)][static_cast<std::size_t>(m)]);
    }

    // The boards with three or more cards of `suit` on which a hand can make
    // a flush: counted with their true values, and taken out again as the
    // rank count counted them.
    void flushes(int suit)
    {
        const int most = std::max(held_[0][static_cast<std::size_t>(suit)], held_[1][static_cast<std::size_t>(suit)]);
        const unsigned suitFree = cards::CardSet(free_).ranksOfSuit(suit);
        std::array<int, kRankCount> otherFree{};
        for (int r = 0; r < kRankCount; ++r)
            otherFree[static_cast<std::size_t>(r)] = freeOfRank_[static_cast<std::size_t>(r)] - static_cast<int>((suitFree >> r) & 1u);
        // The other board cards take other suits, at most two of them: no
        // other suit can reach five. Any one suit stands for them.
        const std::uint64_t otherSuit = suitUnit((suit + 1) % kSuitCount);
        for (int j = std::max(3, kBoardCards - most); j <= kBoardCards; ++j) {
            const bool canFlush[2] = {held_[0][static_cast<std::size_t>(suit)] + j >= kBoardCards,
                                      held_[1][static_cast<std::size_t>(suit)] + j >= kBoardCards};
            // Every set of j ranks of the suit, lowest first (the next larger
            // number with as many bits).
            for (unsigned set = (1u << j) - 1; set <= kSuitRanks; set = nextWithSameBits(set)) {
                if ((set & ~suitFree) != 0)
                    continue;
                if (stop_.step())
                    return;
                HandKey suited{0, static_cast<std::uint64_t>(set) << (suit * kSuitShift)};
                std::uint64_t suitedRanks = 0;
                for (unsigned rest = set; rest != 0; rest &= rest - 1)
                    suitedRanks += kRankKey[static_cast<std::size_t>(std::countr_zero(rest))];
                suited.sum = suitedRanks + static_cast<std::uint64_t>(j) * suitUnit(suit);
                others(kBoardCards - j, otherFree, [&](std::uint64_t otherRanks, std::int64_t ways) {
                    const std::uint64_t boardRanks = suitedRanks + otherRanks;
                    const HandKey board{suited.sum + otherRanks + static_cast<std::uint64_t>(kBoardCards - j) * otherSuit,
                                        suited.cards};
                    std::array<HandRank, 2> plain{}, value{};
                    for (int h = 0; h < 2; ++h) {
                        plain[static_cast<std::size_t>(h)] = rankValue(h, boardRanks);
                        value[static_cast<std::size_t>(h)] =
                            canFlush[h] ? evaluator_.rank(hands_[static_cast<std::size_t>(h)].plus(board))
                                        : plain[static_cast<std::size_t>(h)];
                    }
                    tally_.add(value[0], value[1], ways);
                    tally_.add(plain[0], plain[1], -ways);
                });
            }
        }
    }

    // Every multiset of `count` (0 to 2) ranks of the other suits, with the
    // ways its suits can fall.
    template <typename Visit>
    static void others(int count, const std::array<int, kRankCount>& free, Visit&& visit)
    {
        if (count == 0) {
            visit(0, 1);
            return;
        }
        for (std::size_t a = 0; a < free.size(); ++a) {
            if (free[a] == 0)
                continue;
            if (count == 1) {
                visit(kRankKey[a], free[a]);
                continue;
            }
            visit(2 * kRankKey[a], kWays[static_cast<std::size_t>(free[a])][2]);
            for (std::size_t b = a + 1; b < free.size(); ++b) {
                if (free[b] != 0)
                    visit(kRankKey[a] + kRankKey[b], static_cast<std::int64_t>(free[a]) * free[b]);
            }
        }
    }

    static unsigned nextWithSameBits(unsigned v)
    {
        const unsigned lowest = v & (0u - v);
        const unsigned ripple = v + lowest;
        return ripple | (((v ^ ripple) >> 2) / lowest);
    }

    const HandEvaluator& evaluator_;
    StopPoll& stop_;
    std::uint64_t free_;
    std::array<HandKey, 2> hands_{};
    std::array<std::array<int, kSuitCount>, 2> held_{};
    std::array<int, kRankCount> freeOfRank_{};
    std::array<int, kRankCount + 1> freeFrom_{};
    Tally tally_;
};

} // namespace

bool countHeadsUpBoards(const HandEvaluator& evaluator, std::uint64_t first, std::uint64_t second,
                        std::uint64_t free, HeadsUpCount& count, StopPoll& stop)
{
    Count c(evaluator, first, second, free, stop);
    if (!c.run())
        return false;
    count.wins = static_cast<std::uint64_t>(c.tally().wins);
    count.ties = static_cast<std::uint64_t>(c.tally().ties);
    count.losses = static_cast<std::uint64_t>(c.tally().losses);
    return true;
}

HeadsUpClasses::HeadsUpClasses(std::span<const HandKey> firstHands, std::span<const HandKey> secondHands,
                               std::uint64_t deck, std::size_t maxPairs)
{
    if (firstHands.size() * secondHands.size() > maxPairs)
        return;
    // Each pair under the renaming that makes it smallest.
    using Key = std::tuple<std::uint64_t, std::uint64_t, std::uint64_t>;
    std::vector<std::pair<Key, Key>> pairs;
    for (const HandKey& first : firstHands) {
        for (const HandKey& second : secondHands) {
            const std::uint64_t a = first.cards, b = second.cards;
            if ((a & b) != 0)
                continue;
            const Key pair{a, b, deck & ~(a | b)};
            Key least = pair;
            for (const SuitPermutation& p : allSuitPermutations()) {
                const Key image{permuteSuits(a, p), permuteSuits(b, p), permuteSuits(std::get<2>(pair), p)};
                least = std::min(least, image);
            }
            pairs.emplace_back(least, pair);
        }
    }
    std::sort(pairs.begin(), pairs.end());
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (i == 0 || pairs[i].first != pairs[i - 1].first) {
            const auto& [a, b, free] = pairs[i].second;
            classes_.push_back({a, b, free, 0});
        }
        ++classes_.back().pairs;
    }
    listed_ = true;
}

std::vector<HeadsUpClasses::Class> HeadsUpClasses::ifFaster(std::span<const HandKey> firstHands,
                                                            std::span<const HandKey> secondHands, std::uint64_t deck,
                                                            double otherSeconds)
{
    const HeadsUpClasses sorted(firstHands, secondHands, deck);
    const double seconds = static_cast<double>(sorted.classes().size()) * kSecondsPerClass;
    if (!sorted.listed() || sorted.classes().empty() || seconds >= otherSeconds)
        return {};
    return sorted.classes();
}

} // namespace engine::odds
