#pragma once
// The boards an exact count must visit when renamings of the suits leave
// the whole question unchanged: one board of each family of boards that the
// renamings turn into one another, with the family's size.
//
// Boards are built rank by rank, each rank taking a set of suits; a board is
// kept when no renaming turns it into one that comes earlier (rank by rank,
// the suit sets compared as numbers). A renaming that already makes an
// earlier start rules out every board that begins so, which keeps the walk
// small. The walk is cut into parts (the starts of the boards' first two
// cards) that threads can share; no list of all boards is kept.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/cards/Card.h"
#include "engine/odds/HandKey.h"
#include "engine/odds/SuitSymmetry.h"

namespace engine::odds {

class BoardFamilies {
public:
    // The families of `count`-card boards from `deck` (in rank order), under
    // `group` (which holds the identity and maps the deck onto itself).
    BoardFamilies(std::span<const cards::Card> deck, int count, std::span<const SuitPermutation> group);

    std::size_t parts() const { return parts_.size(); }

    // Calls visit(board, boards) for one board (a key without a start) of
    // each family that begins in `part`, and the size of its family. Where
    // every board but its last card is already a family's own, it calls
    // instead last(prefix, from, boards): the boards of `prefix` and each
    // deck card from position `from` on (the deck as given), each of a family
    // of `boards`. The families of all parts add up to every board of the deck.
    template <typename Visit, typename Last>
    void forEachIn(std::size_t part, Visit&& visit, Last&& last) const
    {
        walk(parts_[part], visit, last);
    }

private:
    static constexpr std::size_t kMaxGroup = 24;
    static constexpr int kCardsPerPart = 2;

    struct Node {
        int rank = 0;  // the next rank to take suits
        int left = 0;  // cards still to take
        HandKey sofar{0, 0};
        std::array<std::uint8_t, kMaxGroup> live{};  // renamings that leave the board so far as it is
        std::size_t liveCount = 0;
    };

    static constexpr std::array<int, 16> kSuitsIn = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};

    // The children of `n`: one per rank from its next rank on and per
    // non-empty set of suits that rank can take (the ranks between taking
    // none) that no live renaming turns into a smaller set. A rank taking no
    // suits changes no renaming's verdict, so it needs no node of its own.
    template <typename Child>
    void forEachChild(const Node& n, Child&& child) const
    {
        for (int r = n.rank; r < cards::kRankCount && capacity_[static_cast<std::size_t>(r)] >= n.left; ++r) {
            const unsigned suits = free_[static_cast<std::size_t>(r)];
            for (unsigned set = suits & (0u - suits); set != 0; set = (set - suits) & suits) {
                const int taken = kSuitsIn[set];
                if (taken > n.left)
                    continue;
                Node next;
                next.rank = r + 1;
                next.left = n.left - taken;
                bool earlier = false;
                for (std::size_t i = 0; i < n.liveCount && !earlier; ++i) {
                    const unsigned image = images_[n.live[i]][set];
                    earlier = image < set;
                    if (image == set)
                        next.live[next.liveCount++] = n.live[i];
                }
                if (earlier)
                    continue;
                next.sofar = n.sofar;
                for (unsigned s = set; s != 0; s &= s - 1)
                    next.sofar = next.sofar.plus(keys_[static_cast<std::size_t>(r * cards::kSuitCount + kLowestSuit[s])]);
                child(next);
            }
        }
    }

    template <typename Visit, typename Last>
    void walk(const Node& n, Visit& visit, Last& last) const
    {
        if (n.left == 0) {
            visit(n.sofar, static_cast<std::uint32_t>(images_.size() / n.liveCount));
            return;
        }
        if (n.rank == cards::kRankCount || capacity_[static_cast<std::size_t>(n.rank)] < n.left)
            return;
        if (n.liveCount == 1) {
            // Only the identity is left: every way to finish is a family of its own.
            plain(firstOfRank_[static_cast<std::size_t>(n.rank)], n.left, n.sofar, last);
            return;
        }
        forEachChild(n, [&](const Node& next) { walk(next, visit, last); });
    }

    template <typename Last>
    void plain(std::size_t from, int left, const HandKey& sofar, Last& last) const
    {
        if (left == 1) {
            last(sofar, from, static_cast<std::uint32_t>(images_.size()));
            return;
        }
        for (std::size_t i = from; i + static_cast<std::size_t>(left) <= deck_.size(); ++i)
            plain(i + 1, left - 1, sofar.plus(deck_[i]), last);
    }

    void split(const Node& n, int count);

    static constexpr std::array<int, 16> kLowestSuit = {0, 0, 1, 0, 2, 0, 1, 0, 3, 0, 1, 0, 2, 0, 1, 0};

    std::array<unsigned, cards::kRankCount> free_{};            // per rank: the deck's suits
    std::array<int, cards::kRankCount + 1> capacity_{};          // cards the ranks from here on hold
    std::vector<std::array<std::uint8_t, 16>> images_;           // per renaming: each suit set's image
    std::array<HandKey, cards::kCardCount> keys_{};
    std::vector<HandKey> deck_;                                  // in rank order
    std::array<std::size_t, cards::kRankCount> firstOfRank_{};   // where each rank's cards begin in it
    std::vector<Node> parts_;
};

} // namespace engine::odds
