#include "window/cards/GridRangeText.h"

#include <charconv>

#include "window/cards/RangeGridModel.h"

namespace window::cards {

namespace {

std::string className(int cell)
{
    std::string name(engine::handText(cell));
    // The grid's offsuit text names both kinds in the notation.
    if (cell / 13 > cell % 13)
        name += 'o';
    return name;
}

void appendItem(std::string& text, const std::string& item, double weight)
{
    if (!text.empty())
        text += ", ";
    text += item;
    if (weight != 1)
        text += ":" + weightText(weight);
}

} // namespace

std::string weightText(double weight)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, weight);
    return ec == std::errc{} ? std::string(buffer, end) : std::string("1");
}

std::string gridRangeText(const engine::cards::Range& range)
{
    RangeGridModel grid;
    grid.setRange(range);
    if (grid.comboCount() == kComboCount)
        return "random";
    const engine::cards::Range ordered = grid.toRange();
    std::string text;
    std::size_t k = 0;
    const auto& combos = ordered.combos();
    const auto& weights = ordered.weights();
    for (int cell = 0; cell < engine::kHandCount; ++cell) {
        const int held = grid.cellCombosHeld(cell);
        if (held == 0)
            continue;
        if (held == classComboCount(cell) && !grid.cellPartial(cell)) {
            appendItem(text, className(cell), weights[k]);
            k += static_cast<std::size_t>(held);
            continue;
        }
        for (int n = 0; n < held; ++n, ++k)
            appendItem(text, combos[k].text(), weights[k]);
    }
    return text;
}

} // namespace window::cards
