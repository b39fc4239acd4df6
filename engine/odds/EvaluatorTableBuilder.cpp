#include "engine/odds/EvaluatorTableBuilder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <stdexcept>

#include "engine/cards/RankMask.h"
#include "engine/odds/HandEvaluator.h"
#include "engine/odds/SplitMix.h"

namespace engine::odds {

namespace {

using cards::straightHigh;

constexpr int kRanks = 13;
using Counts = std::array<int, kRanks>;

// An order-preserving score of the best five cards: the category, then up to
// five ranks (4 bits each) that break ties, most important first.
using Score = std::uint32_t;

Score score(HandCategory category, std::initializer_list<int> ranks)
{
    Score s = static_cast<Score>(category);
    int used = 0;
    for (int r : ranks) {
        s = s << 4 | static_cast<Score>(r);
        ++used;
    }
    return s << (4 * (5 - used));
}

// The n highest ranks present, skipping those excluded.
template <std::size_t N>
std::array<int, N> highest(const Counts& counts, std::initializer_list<int> excluded)
{
    std::array<int, N> out{};
    std::size_t taken = 0;
    for (int r = kRanks - 1; r >= 0 && taken < N; --r) {
        if (counts[static_cast<std::size_t>(r)] > 0 && std::find(excluded.begin(), excluded.end(), r) == excluded.end())
            out[taken++] = r;
    }
    return out;
}

// The best hand without a flush made from 5 to 7 cards given by rank counts.
Score bestWithoutFlush(const Counts& counts)
{
    int quads = -1, trips = -1, secondTrips = -1, pair = -1, secondPair = -1;
    unsigned present = 0;
    for (int r = kRanks - 1; r >= 0; --r) {
        const int n = counts[static_cast<std::size_t>(r)];
        if (n > 0)
            present |= 1u << r;
        if (n == 4)
            quads = r;
        else if (n == 3 && trips < 0)
            trips = r;
        else if (n == 3)
            secondTrips = r;
        else if (n == 2 && pair < 0)
            pair = r;
        else if (n == 2 && secondPair < 0)
            secondPair = r;
    }
    if (quads >= 0)
        return score(HandCategory::FourOfAKind, {quads, highest<1>(counts, {quads})[0]});
    if (trips >= 0 && (secondTrips >= 0 || pair >= 0))
        return score(HandCategory::FullHouse, {trips, std::max(secondTrips, pair)});
    if (const int high = straightHigh(present); high >= 0)
        return score(HandCategory::Straight, {high});
    if (trips >= 0) {
        const auto k = highest<2>(counts, {trips});
        return score(HandCategory::ThreeOfAKind, {trips, k[0], k[1]});
    }
    if (secondPair >= 0)
        return score(HandCategory::TwoPair, {pair, secondPair, highest<1>(counts, {pair, secondPair})[0]});
    if (pair >= 0) {
        const auto k = highest<3>(counts, {pair});
        return score(HandCategory::Pair, {pair, k[0], k[1], k[2]});
    }
    const auto k = highest<5>(counts, {});
    return score(HandCategory::HighCard, {k[0], k[1], k[2], k[3], k[4]});
}

// The best flush (or straight flush) among the ranks of one suit, five or more.
Score bestFlush(unsigned mask)
{
    if (const int high = straightHigh(mask); high >= 0)
        return score(HandCategory::StraightFlush, {high});
    Counts counts{};
    for (int r = 0; r < kRanks; ++r)
        counts[static_cast<std::size_t>(r)] = (mask >> r) & 1;
    const auto k = highest<5>(counts, {});
    return score(HandCategory::Flush, {k[0], k[1], k[2], k[3], k[4]});
}

// Calls visit(counts, key) for every multiset of `size` ranks, each at most 4 times.
template <typename Visit>
void forEachMultiset(int size, Visit&& visit)
{
    Counts counts{};
    std::array<std::uint32_t, kRanks> power{};
    power[0] = 1;
    for (std::size_t r = 1; r < kRanks; ++r)
        power[r] = power[r - 1] * 5;
    auto recurse = [&](auto& self, int rank, int left, std::uint32_t key) -> void {
        if (rank == kRanks) {
            if (left == 0)
                visit(counts, key);
            return;
        }
        for (int n = 0; n <= std::min(4, left); ++n) {
            counts[static_cast<std::size_t>(rank)] = n;
            self(self, rank + 1, left - n, key + static_cast<std::uint32_t>(n) * power[static_cast<std::size_t>(rank)]);
        }
        counts[static_cast<std::size_t>(rank)] = 0;
    };
    recurse(recurse, 0, size, 0);
}

// Scores of the 7462 classes of five-card hands, sorted, give the dense ranks.
class DenseRanks {
public:
    DenseRanks()
    {
        forEachMultiset(5, [&](const Counts& counts, std::uint32_t) { scores_.push_back(bestWithoutFlush(counts)); });
        for (unsigned mask = 0; mask < 8192; ++mask) {
            if (std::popcount(mask) == 5)
                scores_.push_back(bestFlush(mask));
        }
        std::sort(scores_.begin(), scores_.end());
        scores_.erase(std::unique(scores_.begin(), scores_.end()), scores_.end());
        for (std::size_t i = scores_.size(); i-- > 0;)
            categoryStart_[scores_[i] >> 20] = i;
    }

    HandRank operator()(Score s) const
    {
        const auto at = static_cast<std::size_t>(std::lower_bound(scores_.begin(), scores_.end(), s) - scores_.begin());
        const Score category = s >> 20;
        return static_cast<HandRank>(category << kCategoryShift | (at - categoryStart_[category]));
    }

private:
    std::vector<Score> scores_;
    std::array<std::size_t, kCategoryCount> categoryStart_{};
};

struct Key {
    std::uint32_t key;
    HandRank rank;
};

// Hash and displace: keys are grouped in rows by the top bits of key *
// multiplier; each row, largest first, gets the displacement that XORed into
// the keys' next bits puts all of them into free slots.
bool buildHash(const std::vector<Key>& keys, std::uint64_t multiplier, BuiltEvaluatorTables& t)
{
    using E = HandEvaluator;
    const std::size_t rows = std::size_t{1} << E::kRowBits;
    const std::size_t slots = std::size_t{1} << E::kSlotBits;
    std::vector<std::vector<std::pair<std::uint32_t, HandRank>>> byRow(rows);
    for (const Key& k : keys) {
        const std::uint64_t mixed = k.key * multiplier;
        byRow[mixed >> E::kRowShift].emplace_back(static_cast<std::uint32_t>((mixed >> E::kSlotShift) & E::kSlotMask), k.rank);
    }
    std::vector<std::size_t> order(rows);
    for (std::size_t i = 0; i < rows; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return byRow[a].size() > byRow[b].size(); });

    t.displacement.assign(rows, 0);
    t.values.assign(slots, 0);
    std::vector<bool> used(slots, false);
    for (std::size_t row : order) {
        const auto& members = byRow[row];
        if (members.empty())
            break;
        std::uint32_t d = 0;
        for (; d < slots; ++d) {
            bool fits = true;
            for (std::size_t i = 0; i < members.size() && fits; ++i) {
                const std::uint32_t slot = members[i].first ^ d;
                fits = !used[slot];
                for (std::size_t j = 0; j < i && fits; ++j)
                    fits = members[j].first != members[i].first;
            }
            if (fits)
                break;
        }
        if (d == slots)
            return false;
        t.displacement[row] = d;
        for (const auto& [base, rank] : members) {
            used[base ^ d] = true;
            t.values[base ^ d] = rank;
        }
    }
    t.multiplier = multiplier;
    return true;
}

} // namespace

BuiltEvaluatorTables buildEvaluatorTables()
{
    const DenseRanks dense;
    BuiltEvaluatorTables t;
    t.flush.assign(8192, 0);
    for (unsigned mask = 0; mask < 8192; ++mask) {
        if (std::popcount(mask) >= 5)
            t.flush[mask] = dense(bestFlush(mask));
    }
    std::vector<Key> keys;
    for (int size = 5; size <= 7; ++size) {
        forEachMultiset(size, [&](const Counts& counts, std::uint32_t key) { keys.push_back({key, dense(bestWithoutFlush(counts))}); });
    }
    SplitMix multipliers(0x7AB1E715E);
    for (int attempt = 0; attempt < 64; ++attempt) {
        if (buildHash(keys, multipliers.next() | 1, t))
            return t;
    }
    throw std::logic_error("no perfect hash found for the hand ranks");
}

} // namespace engine::odds
