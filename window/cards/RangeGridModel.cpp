#include "window/cards/RangeGridModel.h"

#include <algorithm>

#include "engine/cards/HandClass.h"
#include "engine/cards/PreflopOrder.h"

namespace window::cards {

namespace {

using engine::cards::Card;
using engine::cards::HoleCards;

constexpr int comboIndex(HoleCards combo)
{
    const int high = combo.high.index();
    return high * (high - 1) / 2 + combo.low.index();
}

// Every combination with its class, and the combinations of each class.
struct ComboTable {
    std::array<HoleCards, kComboCount> combos{};
    std::array<int, kComboCount> classOf{};
    std::array<std::vector<int>, engine::kHandCount> ofClass;

    ComboTable()
    {
        for (int a = 1; a < engine::cards::kCardCount; ++a) {
            for (int b = 0; b < a; ++b) {
                const HoleCards combo(Card::fromIndex(a), Card::fromIndex(b));
                const int i = comboIndex(combo);
                combos[static_cast<std::size_t>(i)] = combo;
                const int cell = engine::cards::handClassOf(combo);
                classOf[static_cast<std::size_t>(i)] = cell;
                ofClass[static_cast<std::size_t>(cell)].push_back(i);
            }
        }
    }
};

const ComboTable& table()
{
    static const ComboTable t;
    return t;
}

const std::vector<int>& combosOf(int cell)
{
    return table().ofClass[static_cast<std::size_t>(cell)];
}

bool validCell(int cell)
{
    return cell >= 0 && cell < engine::kHandCount;
}

// The cells of the rectangle with corners a and b.
std::vector<int> rectangle(int a, int b)
{
    std::vector<int> cells;
    const int top = std::min(a / 13, b / 13);
    const int bottom = std::max(a / 13, b / 13);
    const int left = std::min(a % 13, b % 13);
    const int right = std::max(a % 13, b % 13);
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column)
            cells.push_back(row * 13 + column);
    }
    return cells;
}

} // namespace

int classComboCount(int cell)
{
    const int row = cell / 13;
    const int column = cell % 13;
    return row == column ? 6 : (row < column ? 4 : 12);
}

RangeGridModel::RangeGridModel()
{
    table(); // built once, before the first edit needs it
}

double RangeGridModel::cellWeight(int cell) const
{
    if (!validCell(cell))
        return 0;
    double sum = 0;
    for (int i : combosOf(cell))
        sum += weights_[static_cast<std::size_t>(i)];
    return sum / static_cast<double>(combosOf(cell).size());
}

bool RangeGridModel::cellPartial(int cell) const
{
    if (!validCell(cell))
        return false;
    const auto& combos = combosOf(cell);
    const double first = weights_[static_cast<std::size_t>(combos.front())];
    return std::any_of(combos.begin(), combos.end(),
                       [&](int i) { return weights_[static_cast<std::size_t>(i)] != first; });
}

int RangeGridModel::cellCombosHeld(int cell) const
{
    if (!validCell(cell))
        return 0;
    const auto& combos = combosOf(cell);
    return static_cast<int>(
        std::count_if(combos.begin(), combos.end(), [&](int i) { return weights_[static_cast<std::size_t>(i)] > 0; }));
}

double RangeGridModel::comboCount() const
{
    double sum = 0;
    for (double w : weights_)
        sum += w;
    return sum;
}

double RangeGridModel::comboWeight(HoleCards combo) const
{
    if (combo.high == combo.low)
        return 0;
    return weights_[static_cast<std::size_t>(comboIndex(combo))];
}

void RangeGridModel::setCell(int cell, double weight)
{
    for (int i : combosOf(cell))
        weights_[static_cast<std::size_t>(i)] = weight;
}

void RangeGridModel::setCells(const std::vector<int>& cells, double weight)
{
    for (int cell : cells)
        setCell(cell, weight);
}

bool RangeGridModel::setWeight(double weight)
{
    if (!(weight > 0 && weight <= 1))
        return false;
    penWeight_ = weight;
    for (int cell : edited_) {
        if (cellHeld(cell))
            setCell(cell, weight);
    }
    return true;
}

void RangeGridModel::press(int cell)
{
    if (!validCell(cell))
        return;
    beforeDrag_ = weights_;
    const bool full = cellHeld(cell) && !cellPartial(cell);
    dragWeight_ = full ? 0.0 : penWeight_;
    dragStart_ = dragEnd_ = cell;
    focus_ = cell;
    edited_ = {cell};
    setCell(cell, dragWeight_);
}

void RangeGridModel::dragTo(int cell)
{
    if (!dragging() || !validCell(cell) || cell == dragEnd_)
        return;
    // Cells the old rectangle covered go back to where they were.
    for (int c : rectangle(dragStart_, dragEnd_)) {
        for (int i : combosOf(c))
            weights_[static_cast<std::size_t>(i)] = beforeDrag_[static_cast<std::size_t>(i)];
    }
    dragEnd_ = cell;
    edited_ = rectangle(dragStart_, dragEnd_);
    setCells(edited_, dragWeight_);
}

void RangeGridModel::release()
{
    dragStart_ = dragEnd_ = -1;
}

void RangeGridModel::moveFocus(int rows, int columns)
{
    const int row = std::clamp(focus_ / 13 + rows, 0, 12);
    const int column = std::clamp(focus_ % 13 + columns, 0, 12);
    focus_ = row * 13 + column;
}

void RangeGridModel::setFocusCell(int cell)
{
    if (validCell(cell))
        focus_ = cell;
}

void RangeGridModel::toggleFocusCell()
{
    press(focus_);
    release();
}

void RangeGridModel::clear()
{
    release();
    weights_.fill(0);
    edited_.clear();
}

void RangeGridModel::fillAll()
{
    release();
    weights_.fill(1);
    edited_.clear();
}

bool RangeGridModel::setTopPercent(double percent)
{
    if (!(percent >= 0 && percent <= 100))
        return false;
    release();
    percent_ = percent;
    weights_.fill(0);
    edited_.clear();
    if (percent > 0) {
        for (int cell : engine::cards::topClasses(percent))
            setCell(cell, 1);
    }
    return true;
}

void RangeGridModel::fillFromChart(const engine::ChartSituation& situation, engine::BetClass betClass)
{
    release();
    const engine::Chart chart = engine::computeChart(situation);
    weights_.fill(0);
    edited_.clear();
    for (int cell = 0; cell < engine::kHandCount; ++cell) {
        if (chart.cells[static_cast<std::size_t>(cell)].betClass == betClass)
            setCell(cell, 1);
    }
}

engine::cards::Range RangeGridModel::toRange() const
{
    engine::cards::Range range;
    for (int cell = 0; cell < engine::kHandCount; ++cell) {
        for (int i : combosOf(cell)) {
            const double w = weights_[static_cast<std::size_t>(i)];
            if (w > 0)
                range.add(table().combos[static_cast<std::size_t>(i)], w);
        }
    }
    return range;
}

void RangeGridModel::setRange(const engine::cards::Range& range)
{
    release();
    weights_.fill(0);
    edited_.clear();
    const auto& combos = range.combos();
    const auto& weights = range.weights();
    for (std::size_t k = 0; k < combos.size(); ++k) {
        const double w = weights[k];
        if (combos[k].high == combos[k].low || !(w > 0))
            continue;
        weights_[static_cast<std::size_t>(comboIndex(combos[k]))] = std::min(w, 1.0);
    }
}

} // namespace window::cards
