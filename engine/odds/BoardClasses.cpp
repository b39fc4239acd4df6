#include "engine/odds/BoardClasses.h"

#include <array>
#include <bit>

namespace engine::odds {

namespace {

constexpr std::size_t kMaxGroup = 24;
// Suits in a set of suits (no bit-count instruction is assumed).
constexpr std::array<int, 16> kSuitsIn = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};

struct Search {
    std::array<unsigned, cards::kRankCount> free{};           // per rank: the deck's suits
    std::array<int, cards::kRankCount + 1> capacity{};         // cards the ranks from here on hold
    std::vector<std::array<std::uint8_t, 16>> images;         // per renaming: each suit set's image
    std::array<HandKey, cards::kCardCount> keys{};
    std::vector<BoardClass>* out = nullptr;

    // `live` holds the renamings that leave the board so far as it is; every
    // other one already turns it into a later board.
    void rank(int r, int left, HandKey sofar, const std::array<std::uint8_t, kMaxGroup>& live, std::size_t liveCount)
    {
        if (left == 0) {
            out->push_back({sofar, static_cast<std::uint32_t>(images.size() / liveCount)});
            return;
        }
        if (r == cards::kRankCount || capacity[static_cast<std::size_t>(r)] < left)
            return;
        const unsigned suits = free[static_cast<std::size_t>(r)];
        // Every subset of the free suits, the empty one included.
        for (unsigned set = 0;; set = (set - suits) & suits) {
            const int taken = kSuitsIn[set];
            if (taken <= left) {
                std::array<std::uint8_t, kMaxGroup> next{};
                std::size_t nextCount = 0;
                bool earlier = false;
                for (std::size_t i = 0; i < liveCount && !earlier; ++i) {
                    const unsigned image = images[live[i]][set];
                    earlier = image < set;
                    if (image == set)
                        next[nextCount++] = live[i];
                }
                if (!earlier) {
                    HandKey board = sofar;
                    for (unsigned s = set; s != 0; s &= s - 1)
                        board = board.plus(keys[static_cast<std::size_t>(r * cards::kSuitCount + std::countr_zero(s))]);
                    rank(r + 1, left - taken, board, next, nextCount);
                }
            }
            if (set == suits)
                break;
        }
    }
};

} // namespace

std::vector<BoardClass> boardClasses(std::span<const cards::Card> deck, int count,
                                     std::span<const SuitPermutation> group)
{
    Search search;
    for (cards::Card c : deck)
        search.free[static_cast<std::size_t>(c.rank())] |= 1u << c.suit();
    for (int r = cards::kRankCount; r-- > 0;) {
        search.capacity[static_cast<std::size_t>(r)] =
            search.capacity[static_cast<std::size_t>(r + 1)] + kSuitsIn[search.free[static_cast<std::size_t>(r)]];
    }
    for (int i = 0; i < cards::kCardCount; ++i)
        search.keys[static_cast<std::size_t>(i)] = HandKey{0, 0}.plus(cards::Card::fromIndex(i));
    for (const SuitPermutation& p : group) {
        std::array<std::uint8_t, 16> image{};
        for (unsigned set = 0; set < 16; ++set) {
            for (int s = 0; s < cards::kSuitCount; ++s) {
                if ((set >> s) & 1)
                    image[set] = static_cast<std::uint8_t>(image[set] | 1u << p[static_cast<std::size_t>(s)]);
            }
        }
        search.images.push_back(image);
    }
    std::vector<BoardClass> out;
    search.out = &out;
    std::array<std::uint8_t, kMaxGroup> all{};
    for (std::size_t i = 0; i < group.size(); ++i)
        all[i] = static_cast<std::uint8_t>(i);
    search.rank(0, count, HandKey{0, 0}, all, group.size());
    return out;
}

} // namespace engine::odds
