#pragma once
// How the hands of a range meet a board: the share of its combinations in
// each made hand, each draw and each of the advisor's post-flop categories.
//
// Combinations that hold a card of the board or a dead card are left out.
// Each combination counts with its weight (and once in the plain counts).
// The made hand is the category of the best five of the two hole cards and
// the board, so a pair on the board makes every combination at least a pair.
// Draws are read as the board reader reads them, on the flop and the turn; a
// combination with two draws (a flush draw and a gutshot) counts under both,
// so the draws' shares may add up to more than the share with any draw.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Postflop.h"
#include "engine/board/BoardReading.h"
#include "engine/cards/Parsed.h"
#include "engine/cards/Range.h"
#include "engine/odds/HandRank.h"

namespace engine::board {

inline constexpr int kDrawKindCount = 6;
static_assert(static_cast<int>(DrawKind::BackdoorStraightDraw) + 1 == kDrawKindCount);
inline constexpr int kPostflopCategoryCount = static_cast<int>(kPostFlopCategories.size());

// "flush draw" (nut or not), "open-ended straight draw", "double gut-shot",
// "gutshot", "backdoor flush draw", "backdoor straight draw".
std::string_view drawKindName(DrawKind kind);

struct SplitCount {
    int combos = 0;
    double weight = 0.0;

    void add(double w)
    {
        ++combos;
        weight += w;
    }
    friend bool operator==(const SplitCount&, const SplitCount&) = default;
};

struct RangeSplit {
    SplitCount total;    // the combinations left once the board and dead cards are removed
    std::array<SplitCount, odds::kCategoryCount> made{}; // by odds::HandCategory
    std::array<SplitCount, kDrawKindCount> draws{};       // by DrawKind
    SplitCount anyDraw;  // at least one draw
    std::array<SplitCount, kPostflopCategoryCount> categories{}; // by PostflopCategory
    SplitCount noneFits;

    // A count's share of the total weight, 0 to 1 (0 for an empty range).
    double share(const SplitCount& part) const { return total.weight > 0.0 ? part.weight / total.weight : 0.0; }
};

// The split as lines to show, in the order the command and the window both
// use: the made hands from straight flush down to high card, the draws and
// "any draw", the post-flop categories and "none fits".
enum class SplitPart : std::uint8_t { Made, Draw, Category };
std::string_view splitPartName(SplitPart part); // "made", "draw", "category"

struct SplitLine {
    SplitPart part = SplitPart::Made;
    std::string name;
    SplitCount count;
};
std::vector<SplitLine> splitLines(const RangeSplit& split);

// Refuses a board of fewer than three or more than five cards, a card given
// twice, and a range none of whose combinations is possible.
cards::Parsed<RangeSplit> splitRange(const cards::Range& range, const std::vector<cards::Card>& board,
                                     cards::CardSet dead = {});

} // namespace engine::board
