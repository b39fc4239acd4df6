#pragma once
// Draws one combination per player holding a range or a known hand, each
// assignment in proportion to the product of its weights among those that
// hold no card twice. Players whose combinations are few are joined into
// one list of every choice that fits together (with its weight), drawn at
// once in constant time; what is left over is drawn group by group and the
// whole draw started again when two groups share a card.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/odds/PlayersSetup.h"
#include "engine/odds/SplitMix.h"
#include "engine/odds/StopPoll.h"

namespace engine::odds {

// Every choice of one combination per member holding no card twice.
struct JointCombos {
    std::vector<std::uint8_t> members;  // player indices
    std::vector<std::uint64_t> cards;   // per choice, the cards of all members
    std::vector<std::uint16_t> picks;   // per choice, one combination index per member
    // Drawing by weight (alias method): a choice drawn is kept with chance
    // keep / 2^32, and its alias taken otherwise. Empty when the weights
    // are all equal.
    std::vector<std::uint32_t> keep;
    std::vector<std::uint32_t> alias;
    // Positions of a deal that the rest of the number drawn for an equal
    // weights list still serves.
    std::size_t sparePositions = 0;
};

class AssignmentSampler {
public:
    // The most choices one joint list holds: enough for two ranges of some
    // fifty combinations each, small enough to stay in the processor's cache
    // beside the evaluator's tables.
    static constexpr std::size_t kJointLimit = 4096;

    explicit AssignmentSampler(const PlayersSetup& setup, std::size_t jointLimit = kJointLimit);

    // Fills `picks` (indices into each player's combinations; random players
    // are left alone) and `used`, and `firstChoice` with the choice drawn
    // from the first joint list; false when `stop` ends the search first or
    // when no assignment exists.
    bool draw(SplitMix& random, std::array<std::uint32_t, kMaxPlayers>& picks, std::uint64_t& used,
              StopPoll& stop) const
    {
        std::size_t firstChoice = 0;
        SpareRandom spare;
        return draw(random, picks, used, firstChoice, spare, stop);
    }
    // Also what is left of the random number drawn, when only one list is
    // drawn.
    bool draw(SplitMix& random, std::array<std::uint32_t, kMaxPlayers>& picks, std::uint64_t& used,
              std::size_t& firstChoice, SpareRandom& spare, StopPoll& stop) const
    {
        used = 0;
        spare = SpareRandom{};
        if (!drawable_)
            return false;
        if (groups_.size() == 1) {
            firstChoice = drawFrom(groups_.front(), random, picks, spare);
            used = groups_.front().cards[firstChoice];
            return true;
        }
        return drawGroups(random, picks, used, firstChoice, stop);
    }

    bool ranged() const { return !groups_.empty(); }
    // False when some joint list is empty: the ranges never fit together.
    bool drawable() const { return drawable_; }
    // A draw of several lists gives up after this many tries in a row: the
    // ranges then fit together too rarely to be dealt at random (a run would
    // take hours), and no draw succeeds from then on.
    static constexpr std::uint64_t kMostTries = std::uint64_t{1} << 20;
    bool gaveUp() const { return gaveUp_.load(std::memory_order_relaxed); }
    const std::vector<JointCombos>& groups() const { return groups_; }

    // One choice of a list, by weight.
    static std::size_t drawChoice(const JointCombos& g, SplitMix& random, SpareRandom& spare)
    {
        const std::uint64_t r = random.next();
        const std::size_t count = g.cards.size();
        std::size_t at;
        if (g.keep.empty()) {
            const Wide product = Wide{r} * count;
            at = static_cast<std::size_t>(product >> 64);
            spare = {static_cast<std::uint64_t>(product), g.sparePositions};
        } else {
            at = static_cast<std::size_t>(((r >> 32) * count) >> 32);
            if (static_cast<std::uint32_t>(r) >= g.keep[at])
                at = g.alias[at];
        }
        return at;
    }

private:
    __extension__ using Wide = unsigned __int128;

    // Several lists: each drawn alone, and all again when two share a card.
    bool drawGroups(SplitMix& random, std::array<std::uint32_t, kMaxPlayers>& picks, std::uint64_t& used,
                    std::size_t& firstChoice, StopPoll& stop) const;

    static std::size_t drawFrom(const JointCombos& g, SplitMix& random, std::array<std::uint32_t, kMaxPlayers>& picks,
                                SpareRandom& spare)
    {
        const std::size_t at = drawChoice(g, random, spare);
        const std::size_t members = g.members.size();
        for (std::size_t m = 0; m < members; ++m)
            picks[g.members[m]] = g.picks[at * members + m];
        return at;
    }

    std::vector<JointCombos> groups_;
    bool drawable_ = true;
    mutable std::atomic<bool> gaveUp_{false};
};

} // namespace engine::odds
