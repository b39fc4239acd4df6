#pragma once
// Exact equity of several players: every board that can still come, and on
// each board every choice of one combination per player that holds no card
// twice, weighted by the product of the combinations' weights.
//
// Each board evaluates every player's combinations once; the choices are
// then combined from those values. Where no hand can make a flush with the
// last board card, the cards of one rank give every hand the same value, so
// they are valued once and each choice counted once per card of the rank that
// it leaves free. Where renaming the suits leaves every player's
// combinations and the cards left unchanged, one board of each family of
// renamed boards is counted, times the family's size. The choices of the last player are
// summed by whether they beat, tie or trail the best of the others, so the
// innermost loop only compares.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "engine/odds/BoardFamilies.h"
#include "engine/odds/HandEvaluator.h"
#include "engine/odds/HeadsUpBoards.h"
#include "engine/odds/PlayersSetup.h"
#include "engine/odds/PlayersTally.h"
#include "engine/odds/StopPoll.h"

namespace engine::odds {

class PlayersExact {
public:
    explicit PlayersExact(const PlayersSetup& setup);

    // Lists the families of boards, where boards are counted by family; the
    // items change then. Before the work is shared out.
    void prepare();
    std::uint64_t itemCount() const { return itemCount_; }
    // About how long the whole enumeration takes on one core.
    double seconds() const;

    // Counts one item's deals (the boards beginning with its cards); stops
    // part way once `stop` sees its flag set.
    WeightedTally run(std::uint64_t item, StopPoll& stop) const;

    // Boards are counted one per family when the suit renamings that keep the
    // question unchanged are at least this many: below it, counting the cards
    // of a rank together saves more.
    static constexpr std::size_t kFewestRenamings = 4;

    bool countsByFamily() const { return families_.has_value(); }
    bool countsHeadsUp() const { return !headsUp_.empty(); }

private:
    struct Seat {
        std::uint64_t cards;
        HandRank rank;
        double weight;
        bool clear;  // of the first player: shares no card with any of the second's
    };
    struct BoardCount;

    const PlayersSetup& setup_;
    HandEvaluator evaluator_;
    std::vector<HandKey> deckKeys_;
    std::vector<std::size_t> rankEnd_;       // per deck position: where its rank's cards end
    std::vector<std::uint64_t> restOfRank_;  // per deck position: it and the later cards of its rank
    std::vector<bool> clearOfSecond_;        // per combination of the first player: shares no card with the second's
    std::vector<std::pair<int, int>> firstCards_;
    std::vector<SuitPermutation> renamings_;  // those that keep the question, when enough to count by family
    std::optional<BoardFamilies> families_;   // once prepared
    std::vector<HeadsUpClasses::Class> headsUp_;  // two ranges of a few hands before the flop: their pairs' classes
    std::uint64_t itemCount_ = 1;
};

} // namespace engine::odds
