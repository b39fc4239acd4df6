#pragma once
// Heads-up before the flop: how often one known hand beats another over
// every five-card board the cards left can make, counted without visiting the
// boards one by one.
//
// On a board where neither hand can make a flush, each hand is worth what
// its ranks make, whatever the suits: those boards are counted by their
// multiset of ranks, times the ways the suits can fall. A flush needs three
// or more cards of one suit on the board (only one suit can have that), and
// it is possible only where a hand holds enough of that suit; those boards
// are listed by the suit's ranks and the other cards' ranks, and counted as
// corrections to the rank count. Against visiting all 1.7 million boards,
// this values about fifty thousand.
//
// Two pairs of hands that a renaming of the suits turns into one another
// (the cards left renamed alike) have the same count: HeadsUpClasses groups
// the pairs of two ranges so that each is counted once.

#include <cstdint>
#include <span>
#include <vector>

#include "engine/odds/HandEvaluator.h"
#include "engine/odds/StopPoll.h"

namespace engine::odds {

struct HeadsUpCount {
    std::uint64_t wins = 0;    // boards the first hand wins
    std::uint64_t ties = 0;
    std::uint64_t losses = 0;

    std::uint64_t boards() const { return wins + ties + losses; }
};

// `first` and `second`: two cards each (card masks); `free`: the cards the
// board may take, neither hand's among them. False once `stop` has seen its
// flag set (the count is then incomplete).
bool countHeadsUpBoards(const HandEvaluator& evaluator, std::uint64_t first, std::uint64_t second,
                        std::uint64_t free, HeadsUpCount& count, StopPoll& stop);

// The pairs of two lists of two-card hands that hold no card twice, in
// classes of pairs that a renaming of the suits turns into one another.
class HeadsUpClasses {
public:
    struct Class {
        std::uint64_t first;     // one pair of the class, with its cards left
        std::uint64_t second;
        std::uint64_t free;
        std::uint64_t pairs = 0; // how many pairs it stands for

        // The boards of all its pairs: those of its one pair, times the
        // pairs. False as countHeadsUpBoards.
        bool count(const HandEvaluator& evaluator, HeadsUpCount& count, StopPoll& stop) const
        {
            if (!countHeadsUpBoards(evaluator, first, second, free, count, stop))
                return false;
            count.wins *= pairs;
            count.ties *= pairs;
            count.losses *= pairs;
            return true;
        }
    };

    // Hands as keys without a start; `deck`: the cards the board may take,
    // both hands' among them when held. Gives up (no classes, `listed()`
    // false) past `maxPairs` pairs.
    HeadsUpClasses(std::span<const HandKey> firstHands, std::span<const HandKey> secondHands, std::uint64_t deck,
                   std::size_t maxPairs = kMostPairs);

    // The classes, where counting them is faster than `otherSeconds`; none
    // where not, or where there are too many pairs to sort.
    static std::vector<Class> ifFaster(std::span<const HandKey> firstHands, std::span<const HandKey> secondHands,
                                       std::uint64_t deck, double otherSeconds);

    bool listed() const { return listed_; }
    const std::vector<Class>& classes() const { return classes_; }

    // About how long one class takes to count on one core.
    static constexpr double kSecondsPerClass = 0.4e-3;
    // Sorting more pairs than this into classes costs more than it saves.
    static constexpr std::size_t kMostPairs = 4096;

private:
    std::vector<Class> classes_;
    bool listed_ = false;
};

} // namespace engine::odds
