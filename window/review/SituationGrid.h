#pragma once
// The review's table of situations: a row for each action before the player
// (Opened ... Re-Raise) and a column for each position, each cell with its
// hands, the share that followed the advisor and its colour; and, by
// position, the result in big blinds per 100 hands of the hands that followed
// against those that did not. Heads-up hands have no position: they are
// counted apart.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/Situation.h"
#include "store/HandStore.h"
#include "window/review/ShareColour.h"

namespace window::review {

inline constexpr std::size_t kGridRows = engine::kPreflopActions.size();
inline constexpr std::size_t kGridColumns = engine::kPositions.size();

// The row captions, in the order of engine::kPreflopActions.
std::string_view rowCaption(engine::PreflopAction before);

struct GridCell {
    std::uint64_t hands = 0;
    std::uint64_t graded = 0;
    std::uint64_t followed = 0;

    std::optional<double> share() const; // followed / graded; none when nothing is graded
    Rgb colour() const { return shareColour(share()); }
    // "12 hands" and "75% followed" (or "not graded"), on two lines; "" for no hands.
    std::string text() const;
};

struct PositionResult {
    std::optional<double> followedPer100; // big blinds per 100 hands, none without hands
    std::optional<double> otherPer100;
};

class SituationGrid {
public:
    SituationGrid() = default;
    explicit SituationGrid(const std::vector<store::SituationSummary>& summary);

    const GridCell& cell(engine::PreflopAction before, engine::Position position) const;
    const GridCell& headsUp() const { return headsUp_; }
    const GridCell& total() const { return total_; }
    const PositionResult& result(engine::Position position) const;

private:
    std::array<std::array<GridCell, kGridColumns>, kGridRows> cells_{};
    std::array<PositionResult, kGridColumns> results_{};
    GridCell headsUp_, total_;
};

} // namespace window::review
