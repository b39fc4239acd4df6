#pragma once
// What a hand holds on a board of three to five cards: the made hand in
// words, the draws with their outs, and the advisor's post-flop category.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Postflop.h"
#include "engine/cards/CardSet.h"
#include "engine/odds/HandRank.h"

namespace engine::board {

enum class DrawKind : std::uint8_t {
    FlushDraw,
    OpenEndedStraightDraw,
    DoubleGutShot,
    GutShot,
    BackdoorFlushDraw,
    BackdoorStraightDraw,
};

struct Draw {
    DrawKind kind;
    bool nut = false;      // a flush draw to the best possible flush
    std::string name;      // "nut flush draw", "open-ended straight draw", ...
    cards::CardSet outs;   // unseen cards that complete it; none for backdoor draws
};

inline constexpr std::string_view kNoneFits = "none fits";

struct BoardReading {
    odds::HandRank rank = 0;
    odds::HandCategory made = odds::HandCategory::HighCard;
    std::string madeHand;     // "two pair, aces and sevens"
    std::string holding;      // what the hole cards make of it: "top pair, good kicker", "an overpair"
    std::vector<Draw> draws;
    cards::CardSet outs;      // every card that completes at least one draw
    std::optional<PostflopCategory> category;

    int outCount() const { return outs.size(); }
    // The category's text, or "none fits".
    std::string_view categoryText() const;
};

} // namespace engine::board
