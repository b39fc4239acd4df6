#pragma once
// Exact equity: every board that can still come, and against each board
// every opponent hand, each deal counted once.
//
// The work is split into items (the first two board cards still to come) so
// that threads can share it. Against random hands each opponent hand is
// evaluated once per board, and one or two opponents are counted by class
// (worse, equal, better than the hero) instead of deal by deal. Where
// renaming the suits leaves the hand, the opponents' hands and the cards left
// unchanged, one board of each family of renamed boards is counted, times the
// family's size.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "engine/odds/BoardFamilies.h"
#include "engine/odds/EquitySetup.h"
#include "engine/odds/EquityTally.h"
#include "engine/odds/HandEvaluator.h"
#include "engine/odds/HeadsUpBoards.h"
#include "engine/odds/RangeCount.h"
#include "engine/odds/StopPoll.h"

namespace engine::odds {

class ExactEquity {
public:
    explicit ExactEquity(const EquitySetup& setup);

    // Lists the families of boards, where boards are counted by family; the
    // items change then. Before the work is shared out.
    void prepare();
    std::uint64_t itemCount() const { return itemCount_; }
    // About how long the whole enumeration takes on one core.
    double seconds() const;

    // Counts one item's deals; against random hands it also stops part way
    // once `stop` sees its flag set (the count is then incomplete).
    EquityTally run(std::uint64_t item, StopPoll& stop) const;

private:
    // Calls visit(prefix, from) with each board but its last card, the last
    // card to come from deck position `from` on (all the board when none is missing).
    template <typename Visit>
    void forEachPrefix(std::uint64_t item, Visit&& visit) const;
    // `boards`: how many boards this one stands for.
    void countAgainstRandom(const HandKey& board, EquityTally& tally, StopPoll& stop, std::uint64_t boards = 1) const;
    bool countsByFamily() const { return families_.has_value(); }
    bool countsHeadsUp() const { return !headsUp_.empty(); }

    const EquitySetup& setup_;
    HandEvaluator evaluator_;
    std::vector<HandKey> deckKeys_;
    std::vector<std::pair<int, int>> firstCards_;
    std::vector<SuitPermutation> renamings_;  // those that keep the question, when enough to count by family
    std::optional<BoardFamilies> families_;   // once prepared
    std::vector<HeadsUpClasses::Class> headsUp_;  // before the flop against a few hands: their classes
    std::uint64_t itemCount_ = 1;
};

// Binomial coefficient as a double (no overflow for the sizes used here).
double choose(int n, int k);

} // namespace engine::odds
