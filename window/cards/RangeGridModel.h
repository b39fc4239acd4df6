#pragma once
// The 13x13 range grid without its widgets: a weight for each of the 1,326
// combinations, edited a hand class (a cell) at a time. A cell holds all its
// combinations at one weight, none, or is partial: only some of its
// combinations, or several weights (a range typed as "AhKh, AKo" keeps
// exactly AhKh). Editing a cell sets all its combinations alike; cells not
// edited keep the combinations they hold.
//
// A click toggles a cell; a drag from it sets every cell of the rectangle
// between the first cell and the one under the pointer to the state the first
// cell took, and gives the cells it leaves their state from before the drag.

#include <array>
#include <vector>

#include "engine/Chart.h"
#include "engine/Hand.h"
#include "engine/cards/Range.h"

namespace window::cards {

inline constexpr int kComboCount = 1326;

// The number of combinations of a class: 6 for a pair, 4 suited, 12 offsuit.
int classComboCount(int cell);

class RangeGridModel {
public:
    RangeGridModel();

    // The weight of a cell: its combinations' weights summed over how many
    // the class has (1 when all are held in full, 0.5 for AKs at 0.5 or for
    // two of its four combinations in full).
    double cellWeight(int cell) const;
    bool cellHeld(int cell) const { return cellWeight(cell) > 0; }
    // Some combinations held and others not, or held at different weights.
    bool cellPartial(int cell) const;
    // Combinations of the cell held at any weight.
    int cellCombosHeld(int cell) const;

    // Combinations counted by weight, and their share of all 1,326.
    double comboCount() const;
    double share() const { return comboCount() / kComboCount; }

    // The weight the next clicked cells take, above 0 and at most 1.
    double penWeight() const { return penWeight_; }
    // Sets the pen's weight and gives it to the cells of the last click or
    // drag that it filled. Out-of-range weights are refused (false).
    bool setWeight(double weight);
    // The cells the last click, drag or key press edited.
    const std::vector<int>& editedCells() const { return edited_; }

    // A click: an empty or partial cell fills with the pen's weight, a full
    // cell empties. Starts a drag that press/dragTo/release continue.
    void press(int cell);
    // The pointer is over `cell` (or off the grid, -1) with the button down.
    void dragTo(int cell);
    void release();
    bool dragging() const { return dragStart_ >= 0; }

    // The keyboard's cell: the arrows move it, Space toggles it.
    int focusCell() const { return focus_; }
    void moveFocus(int rows, int columns);
    void setFocusCell(int cell);
    void toggleFocusCell();

    void clear();
    void fillAll();

    // The range becomes the hands "N%" reads to: the strongest classes in
    // pre-flop order, in full, nearest to `percent` of the 1,326
    // combinations. 0 empties the grid; a share outside 0 to 100 is refused.
    bool setTopPercent(double percent);
    // The last percentage set; edits of the grid leave it.
    double topPercent() const { return percent_; }

    // The range becomes the hands whose recommendation in the situation has
    // the bet class, in full.
    void fillFromChart(const engine::ChartSituation& situation, engine::BetClass betClass);

    // Combinations in grid order, each with its weight.
    engine::cards::Range toRange() const;
    // Weights above 1 count as 1; combinations at 0 or below are left out.
    void setRange(const engine::cards::Range& range);

    // A combination's weight, 0 when not held; combinations are numbered by
    // their two cards (higher index first).
    double comboWeight(engine::cards::HoleCards combo) const;

private:
    void setCell(int cell, double weight);
    void setCells(const std::vector<int>& cells, double weight);

    std::array<double, kComboCount> weights_{};
    double penWeight_ = 1.0;
    std::vector<int> edited_;
    int focus_ = 0;
    double percent_ = 0;

    // The drag under way: its first cell, the weight it gives, the cell
    // under the pointer and the combinations' weights before it began.
    int dragStart_ = -1;
    int dragEnd_ = -1;
    double dragWeight_ = 0;
    std::array<double, kComboCount> beforeDrag_{};
};

} // namespace window::cards
